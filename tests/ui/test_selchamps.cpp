#include "ui/FixtureEcrans.h"

#include "ui/TFrmSelChamps.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>

using namespace velorin;
using namespace velorin::test;

namespace {
using SelChamps = FixtureEcrans;

const QList<TColonneGrille> colonnes{{2, "Ville", "Ville", true, 80},
                                     {0, "Nom", "Nom", true, 120},
                                     {1, "Prenom", u"Prénom"_qs, false, 80}};
} // namespace

TEST_F(SelChamps, ColonnesDansLOrdreDeLeurPosition)
{
    TFrmSelChamps dialogue(contexte, colonnes);
    dialogue.show();
    EXPECT_EQ(dialogue.windowTitle(), u"Sélection des colonnes affichées dans la grille"_qs);
    QStringList titres;
    for (QCheckBox* c : dialogue.casesColonnes()) titres.append(c->text());
    EXPECT_EQ(titres, (QStringList{"Nom", u"Prénom"_qs, "Ville"}));
    EXPECT_FALSE(dialogue.casesColonnes().at(1)->isChecked());

    dialogue.casesColonnes().at(1)->setChecked(true);
    dialogue.casesColonnes().at(2)->setChecked(false);
    dialogue.btnOK()->click();
    EXPECT_EQ(dialogue.result(), QDialog::Accepted);
    const QList<TColonneGrille> attendues{{0, "Nom", "Nom", true, 120},
                                          {1, "Prenom", u"Prénom"_qs, true, 80},
                                          {2, "Ville", "Ville", false, 80}};
    EXPECT_EQ(dialogue.colonnes(), attendues);
}

TEST_F(SelChamps, OkRefuseSansAucuneColonne)
{
    TFrmSelChamps dialogue(contexte, colonnes);
    dialogue.show();
    for (QCheckBox* c : dialogue.casesColonnes()) c->setChecked(false);
    dialogue.btnOK()->click();
    EXPECT_EQ(env.dialogues.textes(), QStringList{u"Vous devez sélectionner au moins une colonne."_qs});
    EXPECT_TRUE(dialogue.isVisible());
    EXPECT_NE(dialogue.result(), QDialog::Accepted);
    // The list is unchanged.
    EXPECT_TRUE(dialogue.colonnes().at(0).AffGrille);
    dialogue.btnAnnuler()->click();
    EXPECT_EQ(dialogue.result(), QDialog::Rejected);
}

TEST_F(SelChamps, SourceEtDestinations)
{
    const QList<THebergementChoix> hebergements{{1, "Bleue"}, {2, "Verte"}, {3, "Rose"}};
    TFrmSelChamps dialogue(contexte, hebergements);
    dialogue.show();

    dialogue.casesDestination().at(1)->setChecked(true);
    dialogue.btnOK()->click();
    EXPECT_EQ(env.dialogues.textes().last(), u"Vous devez sélectionner un seul hébergement source."_qs);

    dialogue.boutonsSource().at(0)->setChecked(true);
    dialogue.boutonsSource().at(1)->setChecked(true);
    EXPECT_FALSE(dialogue.boutonsSource().at(0)->isChecked());
    // The source cannot be a destination.
    EXPECT_FALSE(dialogue.casesDestination().at(1)->isChecked());
    dialogue.btnOK()->click();
    EXPECT_EQ(env.dialogues.textes().last(), u"Vous devez sélectionner au moins un hébergement destination"_qs);
    EXPECT_TRUE(dialogue.isVisible());

    dialogue.casesDestination().at(0)->setChecked(true);
    dialogue.casesDestination().at(2)->setChecked(true);
    dialogue.btnOK()->click();
    EXPECT_EQ(dialogue.result(), QDialog::Accepted);
    const auto& choix = dialogue.hebergements();
    EXPECT_TRUE(choix.at(1).Source);
    EXPECT_FALSE(choix.at(0).Source);
    EXPECT_FALSE(choix.at(1).Destination);
    EXPECT_TRUE(choix.at(0).Destination);
    EXPECT_TRUE(choix.at(2).Destination);
}
