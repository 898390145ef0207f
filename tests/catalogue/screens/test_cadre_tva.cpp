#include "EcransCatalogue.h"

#include "app/DatesFr.h"
#include "catalogue/LignesTable.h"
#include "catalogue/screens/TCadreDetailTVA.h"
#include "catalogue/screens/TFicheDetTVA.h"
#include "ui/EditNombre.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

using namespace velorin;
using namespace velorin::test;

namespace {

class CadreTVA : public EcransCatalogue {
protected:
    CadreTVA()
    {
        dates::appliquerConventions();
        auto* disposition = new QVBoxLayout(&fenetre);
        cadre = new TCadreDetailTVA(contexte, &fenetre);
        disposition->addWidget(cadre);
    }

    // A service line at the rates given, gross part 1 = ttc1.
    QSqlRecord ligneService(double taux1, double taux2, double ttc1 = 0)
    {
        QSqlRecord l = lignes::nouvelle(t.base(), "PrestCompl");
        l.setValue("Taux1", taux1);
        l.setValue("Taux2", taux2);
        l.setValue("TTC1", ttc1);
        calculerDepuisTTC(l, 1);
        return l;
    }
    QString texte(const char* nom) const { return cadre->findChild<QLabel*>(nom)->text(); }
    QString titre1() const { return texte("LblTitreTaux1"); }

    // The bound line outlives the window, which may still send focus events as it goes.
    QSqlRecord ligne;
    QWidget fenetre;
    TCadreDetailTVA* cadre = nullptr;
};

} // namespace

TEST_F(CadreTVA, ToucheesRefuseesOuAcceptees)
{
    struct Cas {
        const char* frappe;
        QString attendu;
    };
    // The locale's separator is the comma once the French conventions apply.
    const Cas lesCas[] = {
        {"12.5", "12,5"},
        {"12,5", "12,5"},
        {"1.2.3", "1,23"},
        {"1,5,", "1,5"},
        {"-5", "-5"},
        {"5-", "5"},
        {"--1", "-1"},
        {"a1b", "1"},
        {"4 2", "42"},
        {".5", ",5"},
    };
    ligne = ligneService(10, 20);
    cadre->lier(&ligne);
    for (const Cas& cas : lesCas) {
        EditNombre* ht1 = cadre->edHT(1);
        ht1->clear();
        QTest::keyClicks(ht1, cas.frappe);
        EXPECT_EQ(ht1->text(), cas.attendu) << cas.frappe;
    }
    // Backspace is taken, and a "-" only goes into an empty box.
    EditNombre* ttc2 = cadre->edTTC(2);
    ttc2->clear();
    QTest::keyClicks(ttc2, "34");
    QTest::keyClick(ttc2, Qt::Key_Backspace);
    QTest::keyClicks(ttc2, "-");
    EXPECT_EQ(ttc2->text(), "3");
    QTest::keyClick(ttc2, Qt::Key_Backspace);
    QTest::keyClicks(ttc2, "-7");
    EXPECT_EQ(ttc2->text(), "-7");
}

TEST_F(CadreTVA, SaisieHTPuisTTCSelonLeCote)
{
    ligne = ligneService(10, 5.5);
    dialogues().reponses.enqueue(false); // keeps 5.5 %, which is not a current rate
    cadre->lier(&ligne);
    QSignalSpy modifications(cadre, &TCadreDetailTVA::ligneModifiee);

    cadre->saisie().setCote(CoteSaisie::HT);
    QTest::keyClicks(cadre->edHT(1), "45.45");
    EXPECT_DOUBLE_EQ(ligne.value("TVA1").toDouble(), 4.55);
    EXPECT_DOUBLE_EQ(ligne.value("TTC1").toDouble(), 50.00);
    EXPECT_DOUBLE_EQ(ligne.value("PrixUnit").toDouble(), 50.00);
    EXPECT_EQ(texte("LblTVA1"), "4,55");
    EXPECT_EQ(cadre->edTTC(1)->text(), "50");
    EXPECT_EQ(texte("LblTotalTTC"), "50");
    EXPECT_FALSE(modifications.isEmpty());

    cadre->saisie().setCote(CoteSaisie::TTC);
    QTest::keyClicks(cadre->edTTC(2), "100");
    EXPECT_DOUBLE_EQ(ligne.value("HT2").toDouble(), 94.79);
    EXPECT_DOUBLE_EQ(ligne.value("TVA2").toDouble(), 5.21);
    EXPECT_EQ(cadre->edHT(2)->text(), "94,79");
    EXPECT_EQ(texte("LblTotalHT"), "140,24");
    EXPECT_EQ(texte("LblTotalTVA"), "9,76");
    EXPECT_EQ(texte("LblTotalTTC"), "150");

    // On the gross side a net part typed changes nothing else.
    cadre->edHT(1)->clear();
    QTest::keyClicks(cadre->edHT(1), "30");
    EXPECT_DOUBLE_EQ(ligne.value("HT1").toDouble(), 30);
    EXPECT_DOUBLE_EQ(ligne.value("TVA1").toDouble(), 4.55);
    EXPECT_DOUBLE_EQ(ligne.value("TTC1").toDouble(), 50);
}

TEST_F(CadreTVA, EntreeDansUneCaseEtFlechesEntreLesLignes)
{
    ligne = ligneService(10, 20);
    cadre->lier(&ligne);
    fenetre.show();
    fenetre.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&fenetre));

    cadre->edTTC(1)->setFocus();
    EXPECT_EQ(cadre->saisie().cote(), CoteSaisie::TTC);
    cadre->edHT(1)->setFocus();
    EXPECT_EQ(cadre->saisie().cote(), CoteSaisie::HT);
    QTest::keyClick(cadre->edHT(1), Qt::Key_Down);
    EXPECT_EQ(QApplication::focusWidget(), cadre->edHT(2));
    QTest::keyClick(cadre->edHT(2), Qt::Key_Up);
    EXPECT_EQ(QApplication::focusWidget(), cadre->edHT(1));
    cadre->edTTC(1)->setFocus();
    QTest::keyClick(cadre->edTTC(1), Qt::Key_Down);
    EXPECT_EQ(QApplication::focusWidget(), cadre->edTTC(2));
    EXPECT_EQ(cadre->saisie().cote(), CoteSaisie::TTC);
    QTest::keyClick(cadre->edTTC(2), Qt::Key_Up);
    EXPECT_EQ(QApplication::focusWidget(), cadre->edTTC(1));
}

TEST_F(CadreTVA, TauxDifferentsDesTauxActuels)
{
    struct Cas {
        const char* libelle;
        double taux1;
        double taux2;
        bool reponse;
        bool question;
        QString titre;
    };
    const Cas lesCas[] = {
        {"taux actuels", 10, 20, true, false, u"TVA à 10 %"_qs},
        {"19,6 gardé", 19.6, 20, false, true, u"TVA à 19,6 %"_qs},
        {"19,6 remplacé", 19.6, 20, true, true, u"TVA à 10 %"_qs},
        {"taux 2 différent", 10, 5.5, true, true, u"TVA à 10 %"_qs},
        {"taux nul", 0, 0, true, false, u"TVA à 0 %"_qs},
    };
    for (const Cas& cas : lesCas) {
        dialogues().vider();
        dialogues().reponses.clear();
        dialogues().reponses.enqueue(cas.reponse);
        ligne = ligneService(cas.taux1, cas.taux2, 110);
        QSignalSpy modifications(cadre, &TCadreDetailTVA::ligneModifiee);
        cadre->lier(&ligne);
        EXPECT_EQ(dialogues().questions(), cas.question ? QStringList{TCadreDetailTVA::questionTaux()} : QStringList())
            << cas.libelle;
        EXPECT_EQ(titre1(), cas.titre) << cas.libelle;
        const bool remplace = cas.question && cas.reponse;
        EXPECT_EQ(modifications.size(), remplace ? 1 : 0) << cas.libelle;
        if (remplace) {
            EXPECT_EQ(ligne.value("Taux2").toDouble(), 20) << cas.libelle;
            // The amounts wait for the next entry.
            EXPECT_DOUBLE_EQ(ligne.value("TTC1").toDouble(), 110) << cas.libelle;
        }
    }
}

TEST_F(CadreTVA, SansLigneEtMontantsFixes)
{
    cadre->lier(nullptr);
    for (int partie : {1, 2}) {
        EXPECT_TRUE(cadre->edHT(partie)->isReadOnly());
        EXPECT_TRUE(cadre->edTTC(partie)->isReadOnly());
    }
    QTest::keyClicks(cadre->edHT(1), "12");
    EXPECT_EQ(cadre->edHT(1)->text(), "");

    TMontantsTVA montants{100, 0, 10, 0, 110, 0, 110};
    cadre->AfficherMontants(montants);
    fenetre.show();
    EXPECT_FALSE(cadre->edHT(1)->isVisible());
    EXPECT_EQ(texte("LblHT1"), "100");
    EXPECT_EQ(texte("LblTTC1"), "110");
    EXPECT_EQ(titre1(), u"TVA à 10 %"_qs);
    // No net part at rate 2: the column shows the current rate.
    EXPECT_EQ(texte("LblTitreTaux2"), u"TVA à 20 %"_qs);
    EXPECT_EQ(texte("LblTotalTTC"), "110");
}

TEST_F(CadreTVA, FicheSurUneLigne)
{
    ligne = ligneService(10, 20, 22);
    quandModal<TFicheDetTVA>([](TFicheDetTVA* fiche) {
        EXPECT_EQ(fiche->windowTitle(), u"Détail du prix TTC"_qs);
        EXPECT_EQ(fiche->focusWidget(), fiche->cadre()->edHT(1));
        EXPECT_EQ(fiche->cadre()->saisie().cote(), CoteSaisie::HT);
        fiche->cadre()->edHT(1)->selectAll();
        QTest::keyClicks(fiche->cadre()->edHT(1), "40");
        fiche->btnOK()->click();
    });
    ASSERT_TRUE(TFicheDetTVA::EditerLigne(contexte, ligne, nullptr));
    EXPECT_DOUBLE_EQ(ligne.value("HT1").toDouble(), 40);
    EXPECT_DOUBLE_EQ(ligne.value("PrixUnit").toDouble(), 44);

    quandModal<TFicheDetTVA>([](TFicheDetTVA* fiche) {
        QTest::keyClicks(fiche->cadre()->edHT(1), "9");
        fiche->btnAnnuler()->click();
    });
    EXPECT_FALSE(TFicheDetTVA::EditerLigne(contexte, ligne, nullptr));
    EXPECT_DOUBLE_EQ(ligne.value("HT1").toDouble(), 40);
}
