#include "EcransContacts.h"

#include "reservations/Contacts.h"
#include "reservations/screens/TFrmClient.h"
#include "reservations/screens/TfrmContact.h"
#include "store/Disposition.h"
#include "ui/Navigateur.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTest>

using namespace velorin;
using namespace velorin::test;

namespace {

class FicheContact : public EcransContacts {
protected:
    TContact nouveau(int type) { return velorin.contacts().CreerContact(type, -1); }
    TContact existant(int type, int identifiant) { return velorin.contacts().ModifierContact(type, identifiant); }

    static QStringList elements(const QComboBox* liste)
    {
        QStringList textes;
        for (int i = 0; i < liste->count(); ++i) textes.append(liste->itemText(i));
        return textes;
    }
};

} // namespace

TEST_F(FicheContact, SansNomNiPrenomLOkEstRefuseSaufOrganismeOuFournisseurNommeParSaSociete)
{
    for (int type : {TypeContact::Hote, TypeContact::OrganismeExterieur, TypeContact::Fournisseur}) {
        env.dialogues.vider();
        TFrmClient fiche(contexte, nouveau(type));
        fiche.show();
        // A guest needs a name; an organisation or a supplier may go by its company name, but
        // not by nothing at all.
        fiche.findChild<QLineEdit*>("edSociete")->setText(type == TypeContact::Hote ? "Société seule" : "");
        for (const char* nom : {"", "   "}) {
            fiche.frmContact()->edNom()->setText(nom);
            fiche.findChild<QLineEdit*>("edPrenom")->setText(" ");
            fiche.btnOK()->click();
            EXPECT_TRUE(fiche.isVisible()) << type;
            EXPECT_EQ(fiche.result(), 0);
        }
        EXPECT_EQ(env.dialogues.textes(), QStringList(2, "Vous devez renseigner soit le nom, soit le prénom.")) << type;
        EXPECT_EQ(valeur("SELECT COUNT(*) FROM Contact"), 0) << "nothing is written";

        if (type == TypeContact::Hote) {
            // A first name alone is enough.
            fiche.findChild<QLineEdit*>("edPrenom")->setText("Zoé");
        } else {
            fiche.findChild<QLineEdit*>("edSociete")->setText("Société seule");
        }
        fiche.btnOK()->click();
        EXPECT_FALSE(fiche.isVisible());
        EXPECT_EQ(fiche.result(), QDialog::Accepted);
        EXPECT_EQ(lignes("SELECT TypeContact, Societe FROM Contact WHERE Identifiant = ?", {fiche.contact().Identifiant}),
            (QList<QVariantList>{{type, "Société seule"}}));
        sql("DELETE FROM Contact");
    }
}

TEST_F(FicheContact, LesChampsNAcceptentQueCeQuIlsPeuventGarder)
{
    TFrmClient fiche(contexte, nouveau(TypeContact::Hote));
    fiche.show();
    TfrmContact& adresse = *fiche.frmContact();
    QTest::keyClicks(adresse.edTel(), "+33 (0)6-ab.12");
    EXPECT_EQ(adresse.edTel()->text(), "+33 (0)612");
    QTest::keyClicks(adresse.edFax(), "06 x 77");
    EXPECT_EQ(adresse.edFax()->text(), "06  77");
    QTest::keyClick(adresse.edFax(), Qt::Key_Backspace);
    EXPECT_EQ(adresse.edFax()->text(), "06  7") << "editing keys work";
    QTest::keyClicks(adresse.edCodPost(), "840000");
    EXPECT_EQ(adresse.edCodPost()->text(), "84000");
    QTest::keyClicks(adresse.cbPays()->lineEdit(), "belgique");
    EXPECT_EQ(adresse.cbPays()->currentText(), "BELGIQUE");
    for (const char* texte : {"0", "+33 (0)4 90", "", " ()+"}) EXPECT_TRUE(TfrmContact::texteTelephoneValide(texte));
    for (const char* texte : {"06.12", "06-12", "a"}) EXPECT_FALSE(TfrmContact::texteTelephoneValide(texte));
    fiche.btnAnnuler()->click();
}

TEST_F(FicheContact, ListesDeChoixEtLangue)
{
    sql("INSERT INTO Contact (Identifiant, TypeContact, Nom, Civilite, Pays, Origine, Langue) VALUES "
        "(1, 2, 'A', 'Docteur', 'SUISSE', 'Salon', 'FR'), (2, 4, 'B', 'Madame', 'BELGIQUE', 'Internet', 'DE')");
    TFrmClient fiche(contexte, existant(TypeContact::Hote, 1));
    fiche.show();
    EXPECT_EQ(fiche.windowTitle(), "Coordonnées hôte");
    EXPECT_EQ(elements(fiche.findChild<QComboBox*>("cbCivilite")),
        (QStringList{"", "Docteur", "Famille", "Madame", "Mademoiselle", "Monsieur", "Monsieur et Madame"}));
    EXPECT_EQ(fiche.findChild<QComboBox*>("cbCivilite")->currentText(), "Docteur");
    EXPECT_EQ(elements(fiche.frmContact()->cbPays()), (QStringList{"BELGIQUE", "SUISSE"}));
    EXPECT_EQ(elements(fiche.findChild<QComboBox*>("cbOrigine")), (QStringList{"Internet", "Salon"}));
    auto* langue = fiche.findChild<QComboBox*>("cbLangue");
    EXPECT_TRUE(langue->isVisible());
    EXPECT_FALSE(langue->isEditable());
    EXPECT_EQ(elements(langue), (QStringList{"EN", "FR"})) << "the language folders";
    EXPECT_EQ(langue->currentText(), "FR");
    langue->setCurrentIndex(0);
    fiche.btnOK()->click();
    EXPECT_EQ(valeur("SELECT Langue FROM Contact WHERE Identifiant = 1"), "EN");

    // A language whose folder is gone stays the contact's.
    sql("UPDATE Contact SET Langue = 'IT' WHERE Identifiant = 1");
    TFrmClient autre(contexte, existant(TypeContact::Hote, 1));
    autre.show();
    EXPECT_EQ(autre.findChild<QComboBox*>("cbLangue")->currentText(), "IT");
    autre.btnOK()->click();
    EXPECT_EQ(valeur("SELECT Langue FROM Contact WHERE Identifiant = 1"), "IT");

    // Suppliers and organisations have neither language nor history.
    TFrmClient fournisseur(contexte, existant(TypeContact::Fournisseur, 2));
    fournisseur.show();
    EXPECT_EQ(fournisseur.windowTitle(), "Fournisseur");
    EXPECT_FALSE(fournisseur.findChild<QComboBox*>("cbLangue")->isVisible());
    EXPECT_FALSE(fournisseur.findChild<QGroupBox*>("PanelHistorique")->isVisible());
    fournisseur.btnOK()->click();
    EXPECT_EQ(valeur("SELECT Langue FROM Contact WHERE Identifiant = 2"), "DE") << "kept as it was";
}

TEST_F(FicheContact, HistoriqueDesSejours)
{
    const int jean = hote("DUPONT", "Jean");
    const int eve = hote("MARTIN", "Eve");
    const int ete = sejour(jean, juillet(20), juillet(22), 300, 100);
    const int printemps = sejour(jean, QDate(2026, 4, 1), QDate(2026, 4, 1), 80.5, 80.5);
    sejour(eve, juillet(1), juillet(2), 150);

    TFrmClient fiche(contexte, existant(TypeContact::Hote, jean), {jean, eve});
    fiche.show();
    QTableWidget* grille = fiche.grilleHistorique();
    ASSERT_EQ(grille->rowCount(), 2);
    QStringList titres;
    for (int i = 0; i < grille->columnCount(); ++i) titres.append(grille->horizontalHeaderItem(i)->text());
    EXPECT_EQ(titres, (QStringList{"Du", "Au", "Prix Total", "Déjà Payé"}));
    const auto ligne = [grille](int rang) {
        QStringList textes;
        for (int i = 0; i < grille->columnCount(); ++i) textes.append(grille->item(rang, i)->text());
        return textes;
    };
    EXPECT_EQ(ligne(0), (QStringList{"01/04/2026", "01/04/2026", "80,50", "80,50"}));
    EXPECT_EQ(ligne(1), (QStringList{"20/07/2026", "22/07/2026", "300,00", "100,00"}));

    // Opening a reservation waits for the reservation window.
    auto* bouton = fiche.findChild<QPushButton*>("BtnReservation");
    EXPECT_FALSE(bouton->isEnabled());
    QSignalSpy demandes(&fiche, &TFrmClient::reservationDemandee);
    grille->setCurrentCell(0, 0);
    EXPECT_FALSE(bouton->isEnabled());
    doubleClic(grille, grille->model()->index(0, 1));
    ASSERT_EQ(demandes.size(), 1);
    EXPECT_EQ(demandes.at(0).at(0).toInt(), printemps);

    QList<int> ouvertes;
    TFrmClient::setOuvertureReservation([&ouvertes](ContexteEcrans&, int id, QWidget*) { ouvertes.append(id); });
    grille->setCurrentCell(1, 0);
    EXPECT_TRUE(bouton->isEnabled());
    bouton->click();
    TFrmClient::setOuvertureReservation({});
    EXPECT_EQ(ouvertes, QList<int>{ete});

    // The navigator reloads the history of the contact shown.
    emit fiche.navigateur()->suivant();
    EXPECT_EQ(fiche.frmContact()->edNom()->text(), "MARTIN");
    ASSERT_EQ(grille->rowCount(), 1);
    EXPECT_EQ(grille->item(0, 0)->text(), "01/07/2026");
    fiche.btnAnnuler()->click();

    // A new guest has no history.
    TFrmClient vide(contexte, nouveau(TypeContact::Hote));
    vide.show();
    EXPECT_EQ(vide.grilleHistorique()->rowCount(), 0);
    vide.btnAnnuler()->click();
}

TEST_F(FicheContact, UnEchecDEnregistrementLaisseLaFicheOuverte)
{
    const int jean = hote("DUPONT", "Jean");
    TFrmClient fiche(contexte, existant(TypeContact::Hote, jean));
    fiche.show();
    sql("DELETE FROM Contact"); // by another workstation
    fiche.frmContact()->edVille()->setText("LYON");
    fiche.btnOK()->click();
    EXPECT_EQ(
        env.dialogues.textes(), QStringList{"Erreur lors de la mise à jour d'un contact : le contact n'existe plus."});
    EXPECT_TRUE(fiche.isVisible());
    EXPECT_EQ(fiche.frmContact()->edVille()->text(), "LYON") << "the entry is kept";
    fiche.btnAnnuler()->click();
    EXPECT_EQ(valeur("SELECT COUNT(*) FROM Contact"), 0);
}

TEST_F(FicheContact, LesChampsSeSuiventDansLOrdreDeLecture)
{
    TFrmClient fiche(contexte, nouveau(TypeContact::Hote));
    fiche.show();
    QApplication::setActiveWindow(&fiche);
    EXPECT_EQ(QApplication::focusWidget(), fiche.frmContact()->edNom()) << "the name first";
    QStringList parcours;
    for (int i = 0; i < 5; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        parcours.append(QApplication::focusWidget()->objectName());
    }
    EXPECT_EQ(parcours, (QStringList{"edPrenom", "edAdr1", "edAdr2", "edAdr3", "edCodPost"}));
    // Enter moves on as Tab does.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), "edVille");
    fiche.btnAnnuler()->click();
}

TEST_F(FicheContact, TextesEntiersEtCouleurs)
{
    for (int type : {TypeContact::Hote, TypeContact::OrganismeExterieur, TypeContact::Fournisseur}) {
        TFrmClient fiche(contexte, nouveau(type));
        fiche.show();
        verifierTextesEntiers(fiche);
        EXPECT_EQ(fiche.palette().color(QPalette::Window), couleurs::versQColor(commun.couleurs()[4]));
        EXPECT_EQ(
            fiche.frmContact()->palette().color(QPalette::WindowText), couleurs::versQColor(commun.couleurs()[6]));
        fiche.btnAnnuler()->click();
    }
}
