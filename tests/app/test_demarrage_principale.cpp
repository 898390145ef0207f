#include "app/FixturePrincipale.h"

#include "app/screens/Demarrage.h"
#include "app/screens/TFrmApropos.h"
#include "app/screens/TFrmParamConnect.h"
#include "app/screens/TFrmParamCouleurs.h"
#include "app/screens/TFrmParamMessagerie.h"
#include "store/BaseDonnees.h"
#include "store/screens/TFrmGestSites.h"

#include <QFileInfo>
#include <QMdiSubWindow>
#include <QPixmap>

using namespace velorin;
using namespace velorin::test;

TEST(DemarragePrincipale, LaFenetrePrincipaleEstCreeeEtSaFermetureEnregistreLePanneauDAide)
{
    EnvironnementTest env;
    Demarrage demarrage(env.services(), env.programme());
    demarrage.sauvegarder = [](const QString&, bool) {};
    bool visible = false;
    demarrage.boucleEvenements = [&demarrage, &visible] {
        auto* principale = qobject_cast<TfrmPrincipale*>(demarrage.fenetrePrincipale());
        if (!principale) return 2;
        visible = principale->isVisible() && principale->isMaximized();
        principale->actionPanneauAide()->trigger();
        // The user quits: closing the main window ends the loop.
        return principale->close() ? 0 : 3;
    };
    EXPECT_EQ(demarrage.executer(), 0);
    EXPECT_TRUE(visible);
    EXPECT_TRUE(env.dialogues.textes().isEmpty()) << env.dialogues.textes().join("\n").toStdString();
    BaseDonnees base;
    base.ouvrir(env.donnees() + "/Velorin.db");
    QSqlQuery q = base.executer("SELECT Larg, Autre FROM TaillePos WHERE Fenetre = 'TfrmPrincipale_0'");
    ASSERT_TRUE(q.next());
    EXPECT_EQ(q.value(0).toInt(), 0);
    EXPECT_EQ(q.value(1).toInt(), 0);
}

// The main window as the owner sees it in the morning: a screen open and the help shown.
// With VELORIN_CAPTURE set, the picture is written to that file.
TEST_F(FixturePrincipale, ApercuDeLaFenetrePrincipale)
{
    auto fenetre = creerFenetre();
    fenetre->setWindowState(Qt::WindowNoState);
    fenetre->resize(1280, 800);
    fenetre->show();
    fenetre->action(EntreeMenu::ParamCouleurs)->trigger();
    ASSERT_EQ(fenetre->ecransOuverts().size(), 1);
    auto* sous = qobject_cast<QMdiSubWindow*>(fenetre->ecransOuverts().first()->parentWidget());
    ASSERT_NE(sous, nullptr);
    sous->move(40, 30);
    QCoreApplication::processEvents();
    EXPECT_TRUE(fenetre->aideAffichee());
    EXPECT_FALSE(fenetre->texteAide().isEmpty());

    const QPixmap image = fenetre->grab();
    EXPECT_EQ(image.size(), fenetre->size());
    const QString fichier = qEnvironmentVariable("VELORIN_CAPTURE");
    if (!fichier.isEmpty()) {
        EXPECT_TRUE(image.save(fichier, "PNG"));
    }

    // The small screens on their own, beside it.
    ContexteEcrans contexte(commun, velorin, env.services());
    std::vector<std::unique_ptr<T_FrmPI>> ecrans;
    ecrans.push_back(std::make_unique<TFrmApropos>(contexte));
    ecrans.push_back(std::make_unique<TFrmGestSites>(contexte, "Principal"));
    ecrans.push_back(std::make_unique<TFrmParamMessagerie>(contexte));
    ecrans.push_back(std::make_unique<TFrmParamConnect>(contexte, InfoIni::Connexion::Mail));
    ecrans.push_back(std::make_unique<TFrmParamConnect>(contexte, InfoIni::Connexion::Ftp));
    for (std::size_t i = 0; i < ecrans.size(); ++i) {
        ecrans[i]->show();
        QCoreApplication::processEvents();
        const QPixmap ecran = ecrans[i]->grab();
        EXPECT_FALSE(ecran.isNull());
        if (!fichier.isEmpty()) {
            EXPECT_TRUE(ecran.save(QString(fichier).replace(".png", QStringLiteral("-%1.png").arg(i)), "PNG"));
        }
        ecrans[i]->close();
    }
}
