#include "EcransContacts.h"

#include "reservations/Contacts.h"
#include "reservations/screens/TfrmSelContact.h"

#include <QComboBox>
#include <QDateEdit>
#include <QItemSelectionModel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QVBoxLayout>

using namespace velorin;
using namespace velorin::test;

namespace {

class SelectionHotes : public EcransContacts {
protected:
    SelectionHotes()
    {
        dupont = contactComplet(2, "DUPONT", "Jean", "FRANCE", "84000", "jean@exemple.fr", "1 rue Haute", "AVIGNON");
        martin = contactComplet(2, "MARTIN", "Eve", "BELGIQUE", "1000");
        zola = contactComplet(2, "ZOLA", "Emile", "FRANCE", "13000", "emile@exemple.fr", "2 quai", "MARSEILLE");
        abel = contactComplet(2, "ABEL", "Anne", "SUISSE", "1200", "anne@exemple.ch", "", "GENEVE");
        contactComplet(3, "OFFICE", "", "FRANCE", "84000", "office@exemple.fr", "place", "AVIGNON");
        sejour(dupont, juillet(1), juillet(3));
        sejour(zola, QDate(2026, 8, 10), QDate(2026, 8, 10));
    }

    QStringList noms(const TfrmSelContact& cadre)
    {
        QStringList resultat;
        for (const QSqlRecord& ligne : cadre.lignes()) resultat.append(ligne.value("Nom").toString());
        // The grid shows the same rows, Nom in its third column.
        const auto* modele = cadre.grille()->model();
        EXPECT_EQ(modele->rowCount(), resultat.size());
        for (int i = 0; i < modele->rowCount() && i < resultat.size(); ++i)
            EXPECT_EQ(modele->data(modele->index(i, 2)).toString(), resultat.at(i));
        return resultat;
    }
    static void choisir(QComboBox* liste, const QString& texte)
    {
        const int index = liste->findText(texte);
        ASSERT_GE(index, 0) << texte.toStdString();
        liste->setCurrentIndex(index);
    }
    static QStringList elements(const QComboBox* liste)
    {
        QStringList textes;
        for (int i = 0; i < liste->count(); ++i) textes.append(liste->itemText(i));
        return textes;
    }
    template <class W> static W* controle(const TfrmSelContact& cadre, const char* nom)
    {
        auto* w = cadre.findChild<W*>(nom);
        EXPECT_NE(w, nullptr) << nom;
        return w;
    }

    int dupont = 0;
    int martin = 0;
    int zola = 0;
    int abel = 0;
};

} // namespace

TEST_F(SelectionHotes, OuvertureSurTousLesHotes)
{
    TfrmSelContact cadre(contexte);
    EXPECT_EQ(noms(cadre), (QStringList{"ABEL", "DUPONT", "MARTIN", "ZOLA"})) << "guests only, by name";
    EXPECT_EQ(cadre.compteur()->text(), "4 hôtes affichés");
    QStringList titres;
    for (int i = 0; i < cadre.grille()->model()->columnCount(); ++i)
        titres.append(cadre.grille()->model()->headerData(i, Qt::Horizontal).toString());
    EXPECT_EQ(titres,
        (QStringList{"Civilité", "Prénom", "Nom", "Adresse", "Suite adresse", "Code Postal", "Ville", "Pays", "Mail"}));
    // The bounds offer the values of the guests shown, in display order.
    EXPECT_EQ(elements(controle<QComboBox>(cadre, "cbPaysDe")), (QStringList{"SUISSE", "FRANCE", "BELGIQUE"}));
    EXPECT_EQ(elements(controle<QComboBox>(cadre, "cbCodePostalA")), (QStringList{"1200", "84000", "1000", "13000"}));
    for (const char* borne : {"cbPaysDe", "cbPaysA", "cbCodePostalDe", "cbCodePostalA"})
        EXPECT_FALSE(controle<QComboBox>(cadre, borne)->isEnabled()) << borne;
    EXPECT_EQ(elements(controle<QComboBox>(cadre, "cbSejour")),
        (QStringList{"Toutes les dates", "Ont séjourné ", "N'ont pas séjourné"}));
    EXPECT_EQ(elements(controle<QComboBox>(cadre, "cbMail")),
        (QStringList{"Tous", "Sans adresse mail", "Avec adresse mail"}));
    EXPECT_EQ(elements(controle<QComboBox>(cadre, "cbTri")), (QStringList{"Nom", "Code postal"}));
}

TEST_F(SelectionHotes, PlagesDePaysEtDeCodesPostaux)
{
    TfrmSelContact cadre(contexte);
    auto* mode = controle<QComboBox>(cadre, "cbModePays");
    auto* de = controle<QComboBox>(cadre, "cbPaysDe");
    auto* a = controle<QComboBox>(cadre, "cbPaysA");
    choisir(mode, "Résident");
    EXPECT_TRUE(de->isEnabled());
    EXPECT_TRUE(a->isEnabled());
    choisir(de, "FRANCE");
    EXPECT_EQ(a->currentText(), "FRANCE") << "an empty A takes the value chosen in De";
    EXPECT_EQ(noms(cadre), (QStringList{"DUPONT", "ZOLA"}));
    EXPECT_EQ(cadre.compteur()->text(), "2 hôtes affichés");
    choisir(mode, "Non résident");
    EXPECT_EQ(noms(cadre), (QStringList{"ABEL", "MARTIN"}));
    choisir(de, "BELGIQUE");
    EXPECT_EQ(a->currentText(), "FRANCE") << "A already chosen stays";
    EXPECT_EQ(noms(cadre), (QStringList{"ABEL"}));
    choisir(mode, "Tous");
    EXPECT_EQ(de->currentText(), "");
    EXPECT_EQ(a->currentText(), "");
    EXPECT_FALSE(de->isEnabled());
    EXPECT_EQ(noms(cadre).size(), 4);

    auto* modeCp = controle<QComboBox>(cadre, "cbModeCodePostal");
    choisir(modeCp, "Résident");
    choisir(controle<QComboBox>(cadre, "cbCodePostalDe"), "13000");
    choisir(controle<QComboBox>(cadre, "cbCodePostalA"), "84000");
    EXPECT_EQ(noms(cadre), (QStringList{"DUPONT", "ZOLA"})) << "postal codes compared as text";
    choisir(modeCp, "Non résident");
    EXPECT_EQ(noms(cadre), (QStringList{"ABEL", "MARTIN"}));
}

TEST_F(SelectionHotes, LesBornesSontDesValeursLieesPasDuTexteColle)
{
    contactComplet(2, "KONE", "Awa", "COTE D'IVOIRE", "");
    TfrmSelContact cadre(contexte);
    choisir(controle<QComboBox>(cadre, "cbModePays"), "Résident");
    choisir(controle<QComboBox>(cadre, "cbPaysDe"), "COTE D'IVOIRE");
    EXPECT_EQ(noms(cadre), QStringList{"KONE"});
    EXPECT_TRUE(env.dialogues.textes().isEmpty());
}

TEST_F(SelectionHotes, AdresseMailAdresseCompleteEtTri)
{
    TfrmSelContact cadre(contexte);
    auto* mail = controle<QComboBox>(cadre, "cbMail");
    choisir(mail, "Sans adresse mail");
    EXPECT_EQ(noms(cadre), QStringList{"MARTIN"});
    choisir(mail, "Avec adresse mail");
    EXPECT_EQ(noms(cadre), (QStringList{"ABEL", "DUPONT", "ZOLA"}));
    choisir(mail, "Tous");

    controle<QCheckBox>(cadre, "chkAdresseComplete")->setChecked(true);
    EXPECT_EQ(noms(cadre), (QStringList{"DUPONT", "ZOLA"}));
    controle<QCheckBox>(cadre, "chkAdresseComplete")->setChecked(false);

    choisir(controle<QComboBox>(cadre, "cbTri"), "Code postal");
    EXPECT_EQ(noms(cadre), (QStringList{"MARTIN", "ABEL", "ZOLA", "DUPONT"}));
}

TEST_F(SelectionHotes, DatesDeSejour)
{
    TfrmSelContact cadre(contexte);
    auto* de = controle<QDateEdit>(cadre, "edSejourDe");
    auto* a = controle<QDateEdit>(cadre, "edSejourA");
    EXPECT_EQ(de->text().trimmed(), "") << "no date at first";
    choisir(controle<QComboBox>(cadre, "cbSejour"), "Ont séjourné ");
    // Empty dates become today (1 July 2026 on the test clock).
    EXPECT_EQ(de->date(), juillet(1));
    EXPECT_EQ(a->date(), juillet(1));
    EXPECT_EQ(noms(cadre), QStringList{"DUPONT"});

    // Dates given in reverse order.
    de->setDate(QDate(2026, 8, 31));
    a->setDate(juillet(2));
    EXPECT_EQ(noms(cadre), (QStringList{"DUPONT", "ZOLA"}));
    choisir(controle<QComboBox>(cadre, "cbSejour"), "N'ont pas séjourné");
    EXPECT_EQ(de->date(), QDate(2026, 8, 31)) << "dates already set are kept";
    EXPECT_EQ(noms(cadre), (QStringList{"ABEL", "MARTIN"}));

    // A stay added meanwhile shows with the button.
    sejour(martin, QDate(2026, 8, 1), QDate(2026, 8, 2));
    controle<QPushButton>(cadre, "BtnActualiserDates")->click();
    EXPECT_EQ(noms(cadre), QStringList{"ABEL"});
}

TEST_F(SelectionHotes, SelectionMultipleEtCompteur)
{
    TfrmSelContact cadre(contexte);
    auto* annuler = controle<QPushButton>(cadre, "BtnAnnulerSelection");
    EXPECT_TRUE(annuler->isHidden());
    cadre.setMultiSelection(true);
    EXPECT_FALSE(annuler->isHidden());
    QSignalSpy changements(&cadre, &TfrmSelContact::selectionModifiee);
    auto* selection = cadre.grille()->selectionModel();
    const auto* modele = cadre.grille()->model();
    selection->select(modele->index(1, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    selection->select(modele->index(3, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    EXPECT_EQ(cadre.compteur()->text(), "2 hôtes sélectionnés");
    EXPECT_EQ(cadre.identifiantsSelectionnes(), (QList<int>{dupont, zola}));
    EXPECT_FALSE(changements.isEmpty());
    annuler->click();
    EXPECT_EQ(cadre.compteur()->text(), "4 hôtes affichés");
    EXPECT_TRUE(cadre.identifiantsSelectionnes().isEmpty());
    EXPECT_EQ(cadre.identifiantsAffiches(), (QList<int>{abel, dupont, martin, zola}));
}

TEST_F(SelectionHotes, PublipostageForceLAdresseMail)
{
    TfrmSelContact cadre(contexte);
    cadre.forcerAvecAdresseMail();
    EXPECT_TRUE(controle<QComboBox>(cadre, "cbMail")->isHidden());
    EXPECT_EQ(noms(cadre), (QStringList{"ABEL", "DUPONT", "ZOLA"}));
    EXPECT_EQ(cadre.criteres().mail, CriteresSelectionHotes::AdresseMail::AvecAdresse);
}

TEST_F(SelectionHotes, TextesEntiers)
{
    QWidget fenetre;
    auto* disposition = new QVBoxLayout(&fenetre);
    auto* cadre = new TfrmSelContact(contexte, &fenetre);
    disposition->addWidget(cadre);
    cadre->setMultiSelection(true);
    fenetre.show();
    verifierTextesEntiers(fenetre);
}
