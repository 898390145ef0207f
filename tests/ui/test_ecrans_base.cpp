#include "support/FenetrePrincipaleTest.h"
#include "ui/FixtureEcrans.h"

#include "ui/MessagesFenetre.h"
#include "ui/Navigateur.h"
#include "ui/PanneauDegrade.h"
#include "ui/T_FrmPI.h"
#include "ui/T_FrmSaisieStd.h"

#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPushButton>
#include <QHeaderView>
#include <QSqlQuery>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>
#include <QVBoxLayout>

using namespace velorin;
using namespace velorin::test;

namespace {

// A screen with two edit boxes, a label and a text grid.
class TFrmEssai : public T_FrmSaisieStd {
    Q_OBJECT
public:
    explicit TFrmEssai(ContexteEcrans& contexte) : T_FrmSaisieStd(contexte)
    {
        setWindowTitle(QStringLiteral("Essai"));
        auto* disposition = new QVBoxLayout(centre());
        titre = new QLabel(QStringLiteral("Nom"), centre());
        premier = new QLineEdit(centre());
        premier->setObjectName(QStringLiteral("edPremier"));
        second = new QLineEdit(centre());
        second->setObjectName(QStringLiteral("edSecond"));
        grille = new QTableWidget(2, 3, centre());
        grille->setObjectName(QStringLiteral("GrilleTexte"));
        for (QWidget* w : {static_cast<QWidget*>(titre), static_cast<QWidget*>(premier),
                           static_cast<QWidget*>(second), static_cast<QWidget*>(grille)})
            disposition->addWidget(w);
        resize(520, 340);
    }

    bool refuser = false;
    int validations = 0;

    QLabel* titre;
    QLineEdit* premier;
    QLineEdit* second;
    QTableWidget* grille;

protected:
    bool Valider() override
    {
        ++validations;
        return !refuser;
    }
};

class EcransBase : public FixtureEcrans {
protected:
    TDisposition dispositionStockee(const QString& fenetre)
    {
        QSqlQuery q = base().executer("SELECT PosX, PosY, Larg, Haut, Autre FROM TaillePos WHERE Fenetre = ?", {fenetre});
        if (!q.next()) return {};
        return {q.value(0).toInt(), q.value(1).toInt(), q.value(2).toInt(), q.value(3).toInt(), q.value(4).toInt()};
    }
};

} // namespace

TEST_F(EcransBase, PremiereOuvertureALaTailleDeConception)
{
    TFrmEssai ecran(contexte);
    ecran.show();
    EXPECT_EQ(ecran.cleFenetre(), "TFrmEssai");
    EXPECT_FALSE(ecran.dispositionTrouvee());
    EXPECT_EQ(ecran.dispositions().first(), (TDisposition{-1, -1, -1, -1, -1}));
    EXPECT_EQ(ecran.size(), QSize(520, 340));
    EXPECT_GE(ecran.minimumWidth(), 400);
    EXPECT_GE(ecran.minimumHeight(), 250);
    ecran.close();
    EXPECT_TRUE(env.dialogues.messages.isEmpty());
}

TEST_F(EcransBase, RouverteOuElleAEteLaisseeDansLaZoneDesEcrans)
{
    QMainWindow principale;
    auto* zone = new QMdiArea;
    principale.setCentralWidget(zone);
    principale.resize(1200, 800);
    principale.show();
    contexte.zoneEcrans = zone;

    QPointer<TFrmEssai> ecran = new TFrmEssai(contexte);
    QMdiSubWindow* sous = ecran->afficherEnfant();
    ASSERT_NE(sous, nullptr);
    EXPECT_TRUE(sous->isVisible());
    sous->move(35, 45);
    sous->resize(610, 430);
    ecran->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(ecran.isNull());
    EXPECT_TRUE(zone->subWindowList().isEmpty());
    EXPECT_EQ(dispositionStockee("TFrmEssai_0"), (TDisposition{35, 45, 610, 430, 0}));

    auto* rouvert = new TFrmEssai(contexte);
    QMdiSubWindow* sous2 = rouvert->afficherEnfant();
    EXPECT_TRUE(rouvert->dispositionTrouvee());
    EXPECT_EQ(sous2->geometry(), QRect(35, 45, 610, 430));

    // Maximised, then reopened maximised.
    sous2->showMaximized();
    sous2->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(dispositionStockee("TFrmEssai_0"), (TDisposition{0, 0, -2, -2, 0}));
    auto* maximise = new TFrmEssai(contexte);
    QMdiSubWindow* sous3 = maximise->afficherEnfant();
    EXPECT_TRUE(sous3->isMaximized());
    sous3->showNormal();
    sous3->setGeometry(50, 60, 620, 440);

    // Closed while minimised (the program quit with it as an icon): the place it had is kept.
    sous3->showMinimized();
    sous3->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(dispositionStockee("TFrmEssai_0"), (TDisposition{50, 60, 620, 440, 0}));
}

TEST_F(EcransBase, FenetreIndependanteRouverteOuElleAEteLaissee)
{
    {
        TFrmEssai ecran(contexte);
        ecran.show();
        ecran.move(120, 90);
        ecran.resize(700, 450);
        ecran.close();
    }
    {
        TFrmEssai ecran(contexte);
        ecran.show();
        EXPECT_EQ(ecran.pos(), QPoint(120, 90));
        EXPECT_EQ(ecran.size(), QSize(700, 450));
        ecran.showMaximized();
        ecran.close();
    }
    EXPECT_EQ(dispositionStockee("TFrmEssai_0"), (TDisposition{0, 0, -2, -2, 0}));
    TFrmEssai ecran(contexte);
    ecran.show();
    EXPECT_TRUE(ecran.isMaximized());
    ecran.close();
}

TEST_F(EcransBase, UneTailleTropPetiteDonneLeMinimum)
{
    base().executer("INSERT INTO TaillePos VALUES ('POSTE-TEST', 'TFrmEssai_0', 10, 10, 100, 80, 0)");
    TFrmEssai ecran(contexte);
    ecran.show();
    EXPECT_GE(ecran.width(), 400);
    EXPECT_GE(ecran.height(), 250);
    ecran.close();
}

TEST_F(EcransBase, EchapFermeEtEntreePasseAuControleSuivant)
{
    FenetrePrincipaleTest principale;
    contexte.fenetrePrincipale = &principale;
    TFrmEssai ecran(contexte);
    ecran.show();
    ecran.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&ecran));
    ecran.premier->setFocus();
    QTest::keyClick(ecran.premier, Qt::Key_Return);
    EXPECT_TRUE(ecran.second->hasFocus());

    QTest::keyClick(ecran.second, Qt::Key_Escape);
    EXPECT_FALSE(ecran.isVisible());
    EXPECT_EQ(ecran.result(), QDialog::Rejected);
    EXPECT_EQ(principale.recus, QList<QEvent::Type>{WMCacherAide});
    EXPECT_EQ(compter("SELECT COUNT(*) FROM TaillePos WHERE Fenetre = 'TFrmEssai_0'"), 1);
}

TEST_F(EcransBase, EchapFermeLaFenetreEnfant)
{
    QMdiArea zone;
    zone.resize(900, 600);
    zone.show();
    contexte.zoneEcrans = &zone;
    QPointer<TFrmEssai> ecran = new TFrmEssai(contexte);
    ecran->afficherEnfant();
    QTest::keyClick(ecran.data(), Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(ecran.isNull());
    EXPECT_TRUE(zone.subWindowList().isEmpty());
}

TEST_F(EcransBase, CouleursAppliqueesEtRappliqueesSurMessage)
{
    TFrmEssai ecran(contexte);
    ecran.show();
    const auto couleur = [this](int n) { return couleurs::versQColor(commun.couleurs()[std::size_t(n)]); };
    EXPECT_EQ(ecran.palette().color(QPalette::Window), couleur(4));
    EXPECT_EQ(ecran.titre->palette().color(QPalette::WindowText), couleur(6));
    EXPECT_EQ(ecran.panelBas()->couleurFin(), couleur(5));
    EXPECT_EQ(ecran.grille->horizontalHeader()->palette().color(QPalette::Button), couleur(4));

    TCouleurs nouvelles = commun.couleurs();
    nouvelles[4] = 0x00FF00;
    nouvelles[6] = 0x0000FF;
    commun.EnregistrerCouleurs(nouvelles);
    envoyerMessage(&ecran, WMChangementCouleur);
    EXPECT_EQ(ecran.palette().color(QPalette::Window), QColor(0, 0xFF, 0));
    EXPECT_EQ(ecran.titre->palette().color(QPalette::WindowText), QColor(0xFF, 0, 0));
    ecran.close();
}

TEST_F(EcransBase, LargeursDesGrillesConservees)
{
    {
        TFrmEssai ecran(contexte);
        ecran.show();
        ecran.grille->setColumnWidth(0, 140);
        ecran.grille->setColumnWidth(1, 60);
        ecran.grille->setColumnWidth(2, 75);
        ecran.close();
    }
    // A text grid keeps every column.
    EXPECT_EQ(compter("SELECT COUNT(*) FROM TailleCols WHERE Fenetre = 'TFrmEssai' AND Grille = 'GrilleTexte'"), 3);
    TFrmEssai ecran(contexte);
    ecran.show();
    EXPECT_EQ(ecran.grille->columnWidth(0), 140);
    EXPECT_EQ(ecran.grille->columnWidth(1), 60);
    // The last column is never given a stored width.
    EXPECT_NE(ecran.grille->columnWidth(2), 75);
    ecran.close();
}

TEST_F(EcransBase, OkEnregistreLEnregistrementEtAnnulerLAbandonne)
{
    base().executer("CREATE TABLE Fiche (Identifiant Integer, Nom Char(30), Ville Char(30))");
    base().executer("INSERT INTO Fiche VALUES (1, 'Dupont', 'Paris'), (2, 'Martin', 'Lyon')");

    {
        TFrmEssai ecran(contexte);
        auto* source = new SourceTable(base(), "Fiche", {1, 2}, &ecran);
        source->lier(ecran.premier, "Nom");
        source->lier(ecran.second, "Ville");
        ecran.DefinirSource(source);
        ecran.show();
        EXPECT_TRUE(ecran.navigateur()->isVisible());
        EXPECT_EQ(ecran.premier->text(), "Dupont");
        ecran.navigateur()->findChild<QToolButton*>("BtnSuivant")->click();
        EXPECT_EQ(ecran.premier->text(), "Martin");
        ecran.second->setText("Lille");
        ecran.refuser = true;
        ecran.btnOK()->click();
        EXPECT_TRUE(ecran.isVisible());
        EXPECT_EQ(compter("SELECT COUNT(*) FROM Fiche WHERE Ville = 'Lille'"), 0);
        ecran.refuser = false;
        ecran.btnOK()->click();
        EXPECT_FALSE(ecran.isVisible());
        EXPECT_EQ(ecran.result(), QDialog::Accepted);
        EXPECT_FALSE(ecran.annule());
    }
    EXPECT_EQ(compter("SELECT COUNT(*) FROM Fiche WHERE Identifiant = 2 AND Ville = 'Lille'"), 1);

    TFrmEssai ecran(contexte);
    auto* source = new SourceTable(base(), "Fiche", {1}, &ecran);
    source->lier(ecran.premier, "Nom");
    ecran.DefinirSource(source);
    ecran.show();
    ecran.premier->setText("O'Hara");
    ecran.btnAnnuler()->click();
    EXPECT_EQ(ecran.result(), QDialog::Rejected);
    EXPECT_TRUE(ecran.annule());
    EXPECT_EQ(ecran.premier->text(), "Dupont");
    EXPECT_EQ(compter("SELECT COUNT(*) FROM Fiche WHERE Nom = 'Dupont'"), 1);
}

#include "test_ecrans_base.moc"
