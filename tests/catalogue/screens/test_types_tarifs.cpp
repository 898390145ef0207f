#include "EcransCatalogue.h"

#include "catalogue/screens/TFrmTypeTarif.h"
#include "catalogue/screens/TFrmTypesTarifs.h"
#include "ui/Navigateur.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QToolButton>

using namespace velorin;
using namespace velorin::test;

namespace {

class EcransTypesTarifs : public EcransCatalogue {
protected:
    EcransTypesTarifs() { t.env.horloge.reglerJour(QDate(2024, 6, 15)); }

    static QStringList noms(TFrmTypesTarifs& liste)
    {
        QStringList resultat;
        for (int i = 0; i < liste.modele().rowCount(); ++i) resultat.append(liste.modele().valeur(i, "Nom").toString());
        return resultat;
    }
};

} // namespace

TEST_F(EcransTypesTarifs, MasquerLesTypesObsoletes)
{
    t.typeTarif("Hier", jour(2024, 1, 1), jour(2024, 6, 14));
    t.typeTarif("Aujourd'hui", jour(2024, 1, 1), jour(2024, 6, 15));
    t.typeTarif("Demain", jour(2024, 6, 1), jour(2024, 6, 16));
    {
        TFrmTypesTarifs liste(contexte);
        liste.show();
        EXPECT_EQ(liste.findChild<QLabel*>("LblMessage")->text(),
            u"Les types de tarifs servent à définir la structure de votre tarif. La saisie des prix se fait "
            u"dans la définition des hébergements."_qs);
        EXPECT_EQ(noms(liste), (QStringList{"Aujourd'hui", "Demain", "Hier"}));
        auto* masquer = liste.findChild<QCheckBox*>("cbMasquer");
        EXPECT_EQ(masquer->text(), u"Masquer les types de tarifs obsolètes"_qs);
        masquer->click();
        EXPECT_EQ(noms(liste), (QStringList{"Aujourd'hui", "Demain"}));
        liste.close();
    }
    // The box's state comes back with the screen.
    TFrmTypesTarifs liste(contexte);
    liste.show();
    EXPECT_TRUE(liste.masquerObsoletes());
    EXPECT_EQ(noms(liste), (QStringList{"Aujourd'hui", "Demain"}));
    liste.setMasquerObsoletes(false);
    EXPECT_EQ(noms(liste).size(), 3);
    liste.close();
}

TEST_F(EcransTypesTarifs, CreationAvecSesControles)
{
    TFrmTypesTarifs liste(contexte);
    liste.show();
    bool vu = false;
    quandModal<TFrmTypeTarif>([&](TFrmTypeTarif* fiche) {
        vu = true;
        EXPECT_EQ(fiche->windowTitle(), "Type de tarif");
        EXPECT_EQ(fiche->findChild<QSpinBox*>("edNbJours")->value(), 1);
        EXPECT_EQ(fiche->findChild<QSpinBox*>("edNbJours")->minimum(), 1);
        // The meals box is shown only with the meal display option.
        EXPECT_FALSE(fiche->findChild<QCheckBox*>("cbAvecRepas")->isVisible());
        fiche->btnOK()->click();
        EXPECT_EQ(dialogues().textes(), QStringList{u"Vous devez indiquer un nom pour le type de tarif."_qs});
        fiche->findChild<QLineEdit*>("edNom")->setText(" Week-end ");
        fiche->findChild<QDateEdit*>("edPerDeb")->setDate(QDate(2024, 1, 1));
        fiche->findChild<QDateEdit*>("edPerFin")->setDate(QDate(2024, 12, 31));
        fiche->findChild<QSpinBox*>("edNbJours")->setValue(2);
        fiche->findChild<QCheckBox*>("cbSa")->setChecked(true);
        fiche->btnOK()->click();
    });
    liste.findChild<QPushButton*>("BtnAjouter")->click();
    ASSERT_TRUE(vu);
    EXPECT_EQ(t.lignes("SELECT Nom, Per_Deb, Per_Fin, NbJours, Lu, Sa, AvecRepas FROM TypeTarif"),
        (QList<QVariantList>{{"Week-end", "2024-01-01", "2024-12-31", 2, 0, 1, 0}}));
    EXPECT_EQ(noms(liste), QStringList{"Week-end"});

    // A second type of the same name is refused by the save.
    dialogues().vider();
    quandModal<TFrmTypeTarif>([&](TFrmTypeTarif* fiche) {
        fiche->findChild<QLineEdit*>("edNom")->setText("week-end");
        fiche->btnOK()->click();
        EXPECT_TRUE(fiche->isVisible());
        fiche->btnAnnuler()->click();
    });
    liste.Ajouter();
    EXPECT_EQ(dialogues().textes(),
        QStringList{u"Il existe déjà un type de tarif portant ce nom.\nVous devez donner un autre nom."_qs});
    EXPECT_EQ(valeur("SELECT COUNT(*) FROM TypeTarif").toInt(), 1);
    liste.close();
}

TEST_F(EcransTypesTarifs, RepasInclusEtDemiPension)
{
    t.options({{"AffRepas", 1}});
    const int type = t.typeTarif("Demi-pension", jour(2024, 1, 1), jour(2024, 12, 31));
    int demandes = 0;
    const auto ouvrir = [&] {
        TFrmTypeTarif fiche(contexte, t.tarification().ModifierTypeTarif(type), false);
        fiche.setDemandeNom([&demandes] {
            ++demandes;
            return u"Repas du soir"_qs;
        });
        fiche.show();
        auto* repas = fiche.findChild<QCheckBox*>("cbAvecRepas");
        EXPECT_TRUE(repas->isVisible());
        EXPECT_EQ(repas->text(), u"Ce tarif inclut des repas pour toute la durée du séjour"_qs);
        if (!repas->isChecked()) repas->click();
        fiche.btnOK()->click();
        EXPECT_EQ(fiche.result(), QDialog::Accepted);
    };
    ouvrir();
    EXPECT_EQ(demandes, 1);
    EXPECT_EQ(t.lignes("SELECT Nom, TypePrest, TarifSimple, Prix FROM prestation"),
        (QList<QVariantList>{{"Repas du soir", 3, 1, 0.0}}));
    EXPECT_EQ(valeur("SELECT AvecRepas FROM TypeTarif").toInt(), 1);
    // With the half-board item present, ticking asks nothing.
    t.sql("UPDATE TypeTarif SET AvecRepas = 0");
    ouvrir();
    EXPECT_EQ(demandes, 1);
    EXPECT_EQ(valeur("SELECT COUNT(*) FROM prestation").toInt(), 1);
}

TEST_F(EcransTypesTarifs, SuppressionRefuseeAvecSesRaisons)
{
    const int type = t.typeTarif("Haute", jour(2024, 7, 1), jour(2024, 8, 31));
    const int libre = t.typeTarif("Libre", jour(2024, 7, 1), jour(2024, 8, 31));
    const int bleue = t.hebergement(u"Chambre bleue"_qs);
    const int verte = t.hebergement(u"Chambre verte"_qs);
    t.tarif(bleue, type, 90.91, 9.09, 100);
    t.tarif(verte, type, 90.91, 9.09, 100);
    t.tarif(verte, libre, 90.91, 9.09, 100, false);
    const int res = t.reservation(jour(2024, 7, 1), jour(2024, 7, 7));
    for (int j = 1; j <= 7; ++j) t.planning(bleue, jour(2024, 7, j), res, 3, type);

    TFrmTypesTarifs liste(contexte);
    liste.show();
    liste.allerLigne(0); // Haute
    liste.findChild<QPushButton*>("BtnSupprimer")->click();
    EXPECT_EQ(dialogues().textes(),
        QStringList{u"Ce type de tarif ne peut pas être supprimé pour les raisons suivantes\n"
                    u"Le type de tarif est applicable au(x) hébergements suivant(s) : \n"
                    u"- l'hébergement Chambre bleue\n"
                    u"- l'hébergement Chambre verte\n"
                    u"Le type de tarif est utilisé dans la ou les réservations suivantes : \n"
                    u"- du 01/07/2024 au 07/07/2024"_qs});
    EXPECT_TRUE(dialogues().questions().isEmpty());
    EXPECT_EQ(valeur("SELECT COUNT(*) FROM TypeTarif").toInt(), 2);

    // A type applicable nowhere goes after the confirmation, with its tariff rows.
    dialogues().vider();
    liste.allerLigne(1);
    liste.Supprimer();
    EXPECT_EQ(dialogues().questions(), QStringList{u"Confirmez-vous la suppression de ce type de tarif ?"_qs});
    EXPECT_EQ(noms(liste), QStringList{"Haute"});
    EXPECT_EQ(valeur("SELECT COUNT(*) FROM Tarifs WHERE IdTarif = ?", {libre}).toInt(), 0);
    liste.close();
}

TEST_F(EcransTypesTarifs, ModificationParDoubleClicEtNavigateur)
{
    t.typeTarif("Basse", jour(2024, 1, 1), jour(2024, 6, 30));
    t.typeTarif("Haute", jour(2024, 7, 1), jour(2024, 8, 31), 7);
    TFrmTypesTarifs liste(contexte);
    liste.show();
    liste.allerLigne(0);
    quandModal<TFrmTypeTarif>([](TFrmTypeTarif* fiche) {
        EXPECT_EQ(fiche->findChild<QLineEdit*>("edNom")->text(), "Basse");
        EXPECT_EQ(fiche->findChild<QDateEdit*>("edPerFin")->date(), QDate(2024, 6, 30));
        fiche->findChild<QSpinBox*>("edNbJours")->setValue(3);
        fiche->navigateur()->findChild<QToolButton*>("BtnDernier")->click();
        EXPECT_EQ(fiche->findChild<QLineEdit*>("edNom")->text(), "Haute");
        EXPECT_EQ(fiche->findChild<QSpinBox*>("edNbJours")->value(), 7);
        fiche->btnAnnuler()->click();
    });
    emit liste.grille()->doubleClicked(liste.grille()->model()->index(0, 0));
    EXPECT_EQ(
        t.lignes("SELECT Nom, NbJours FROM TypeTarif ORDER BY Nom"), (QList<QVariantList>{{"Basse", 3}, {"Haute", 7}}));
    liste.close();
}
