#include "EditeurTest.h"

#include "reservations/screens/TFrmReserv.h"
#include "ui/Navigateur.h"

using namespace velorin;
using namespace velorin::test;

namespace {

class EditeurFenetre : public EditeurTest {
protected:
    int reservationDe(int idContact, const QDate& deb, const QDate& fin)
    {
        TReservation r;
        r.IdContact = idContact;
        r.DateDeb = deb;
        r.DateFin = fin;
        r.Etat = EtatReservation::Reserve;
        r.NbPers = 2;
        r.hebergements.append({bleue, hauteSaison, 90.91, 0, 9.09, 0, 100, 0, 100});
        EXPECT_TRUE(velorin.reservations().EnregistrerReservation(r));
        return r.Identifiant;
    }
    template <typename T> T* dans(TFrmReserv& fenetre, const char* nom)
    {
        T* w = fenetre.findChild<T*>(QString::fromLatin1(nom));
        EXPECT_NE(w, nullptr) << nom;
        return w;
    }
};

} // namespace

TEST_F(EditeurFenetre, OkEnregistreUneReservationValideEtGardeLaFenetreOuverteSinon)
{
    const int id = reservationDe(dupont, juillet(10), juillet(12));
    TFrmReserv fenetre(contexte, id);
    fenetre.show();
    EXPECT_EQ(fenetre.windowTitle(), "Reservation");
    EXPECT_EQ(fenetre.cadre()->reservationCourante(), id);
    EXPECT_EQ(fenetre.cadre()->disposition(), 1);
    EXPECT_FALSE(fenetre.navigateur()->isVisible());
    auto* nbPers = dans<QLineEdit>(fenetre, "edNbPers");

    nbPers->setText("trois");
    emit nbPers->textEdited("trois");
    fenetre.btnOK()->click();
    EXPECT_TRUE(fenetre.isVisible());
    EXPECT_EQ(valeur("SELECT NbPers FROM Reservation"), 2);

    nbPers->setText("3");
    emit nbPers->textEdited("3");
    fenetre.btnOK()->click();
    EXPECT_FALSE(fenetre.isVisible());
    EXPECT_EQ(fenetre.result(), QDialog::Accepted);
    EXPECT_EQ(valeur("SELECT NbPers FROM Reservation"), 3);
    EXPECT_EQ(principale.recus.count(WMActualiserPlanning), 1);
}

TEST_F(EditeurFenetre, PasserAUneAutreReservationEnregistreDAbordLaPremiere)
{
    const int premiere = reservationDe(dupont, juillet(10), juillet(12));
    const int seconde = reservationDe(martin, juillet(20), juillet(21));
    TFrmReserv fenetre(contexte, {premiere, seconde});
    fenetre.show();
    EXPECT_TRUE(fenetre.navigateur()->isVisible());
    auto* remarques = dans<QPlainTextEdit>(fenetre, "edRemarques");
    remarques->setPlainText("Lit bébé");

    fenetre.navigateur()->findChild<QToolButton*>("BtnSuivant")->click();

    EXPECT_EQ(fenetre.cadre()->reservationCourante(), seconde);
    EXPECT_EQ(dans<QLineEdit>(fenetre, "edNom")->text(), "Martin");
    EXPECT_EQ(valeur("SELECT Remarque FROM Reservation WHERE Identifiant = ?", {premiere}), "Lit bébé");

    // A reservation that cannot be saved keeps the window on it.
    dans<QLineEdit>(fenetre, "edNbPers")->setText("x");
    emit dans<QLineEdit>(fenetre, "edNbPers")->textEdited("x");
    fenetre.navigateur()->findChild<QToolButton*>("BtnPrecedent")->click();
    EXPECT_EQ(fenetre.cadre()->reservationCourante(), seconde);
    fenetre.btnAnnuler()->click();
    EXPECT_EQ(fenetre.result(), QDialog::Rejected);
    EXPECT_EQ(valeur("SELECT NbPers FROM Reservation WHERE Identifiant = ?", {seconde}), 2);
}

TEST_F(EditeurFenetre, LeRepasSuitLOption)
{
    const int id = reservationDe(dupont, juillet(10), juillet(12));
    {
        TFrmReserv fenetre(contexte, id);
        fenetre.show();
        EXPECT_TRUE(dans<QWidget>(fenetre, "PanelRepas")->isVisible());
    }
    reglerOptions([](Options& o) { o.AffRepas = false; });
    TFrmReserv fenetre(contexte, id);
    fenetre.show();
    EXPECT_FALSE(dans<QWidget>(fenetre, "PanelRepas")->isVisible());
}

TEST_F(EditeurFenetre, LesLargeursDesGrillesDuCadreSontGardeesAvecLaFenetre)
{
    const int id = reservationDe(dupont, juillet(10), juillet(12));
    {
        TFrmReserv fenetre(contexte, id);
        fenetre.show();
        dans<QTableView>(fenetre, "GrillePrestations")->setColumnWidth(0, 222);
        fenetre.btnAnnuler()->click();
    }
    EXPECT_TRUE(env.dialogues.textes().isEmpty()) << dernierMessage().toStdString();
    TFrmReserv fenetre(contexte, id);
    fenetre.show();
    EXPECT_EQ(dans<QTableView>(fenetre, "GrillePrestations")->columnWidth(0), 222);
}
