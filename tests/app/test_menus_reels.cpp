#include "support/DossiersTest.h"

#include "app/screens/TfrmPrincipale.h"
#include "catalogue/screens/TFrmPrest.h"
#include "planning/screens/TFrmPlanning.h"
#include "reservations/screens/TFrmClients.h"
#include "store/DMCommun.h"
#include "store/DMVelorin.h"
#include "store/VerificationTables.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

using namespace velorin;
using namespace velorin::test;

namespace {

// The main window over a data folder built by the real verification, with the real screens.
class MenusReels : public ::testing::Test {
protected:
    MenusReels()
    {
        commun.setDossierDonnees(env.donnees());
        commun.baseArchives().ouvrir(env.donnees() + "/" + DMCommun::nomBaseArchives());
        VerificationTables(commun).VerifierTables();
        env.dialogues.vider();
        fenetre = std::make_unique<TfrmPrincipale>(ContexteEcrans(commun, velorin, env.services()));
        fenetre->show();
    }

    template <class Ecran> QList<Ecran*> ouverts()
    {
        QList<Ecran*> liste;
        for (T_FrmPI* e : fenetre->ecransOuverts())
            if (auto* ecran = qobject_cast<Ecran*>(e)) liste << ecran;
        return liste;
    }

    EnvironnementTest env;
    DMCommun commun{env.services(), env.programme()};
    DMVelorin velorin{commun};
    std::unique_ptr<TfrmPrincipale> fenetre;
};

} // namespace

TEST_F(MenusReels, HotesDeuxFoisRameneLaMemeListe)
{
    fenetre->action(EntreeMenu::Hotes)->trigger();
    ASSERT_EQ(ouverts<TFrmClients>().size(), 1);
    TFrmClients* liste = ouverts<TFrmClients>().first();
    fenetre->action(EntreeMenu::Hotes)->trigger();
    ASSERT_EQ(ouverts<TFrmClients>().size(), 1);
    EXPECT_EQ(ouverts<TFrmClients>().first(), liste);
    EXPECT_TRUE(env.dialogues.textes().isEmpty()) << env.dialogues.textes().join("\n").toStdString();
}

TEST_F(MenusReels, UneListeDUnAutreGenreDemandeDeRefermerLaPremiere)
{
    struct Cas {
        EntreeMenu ouverte;
        EntreeMenu demandee;
        const char* message;
    };
    const Cas cas[] = {
        {EntreeMenu::Hotes, EntreeMenu::Organismes,
            "Vous devez tout d'abord refermer la saisie des hôtes avant de passer à cette saisie."},
        {EntreeMenu::Hebergements, EntreeMenu::Prestations,
            "Vous devez tout d'abord refermer le paramétrage des chambres avant de passer à ce paramétrage."},
    };
    for (const Cas& c : cas) {
        fenetre->action(c.ouverte)->trigger();
        const auto avant = fenetre->ecransOuverts();
        ASSERT_EQ(avant.size(), 1);
        env.dialogues.vider();
        fenetre->action(c.demandee)->trigger();
        EXPECT_EQ(env.dialogues.textes(), QStringList{QString::fromUtf8(c.message)});
        EXPECT_EQ(fenetre->ecransOuverts(), avant) << "the open list stays, unchanged";
        for (T_FrmPI* e : avant) e->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

TEST_F(MenusReels, SauvegardeRefuseeTantQueLePlanningEstOuvert)
{
    commun.base().executer("INSERT INTO Prestation (Identifiant, Nom, TypePrest) VALUES (1, 'Chambre bleue', 0)");
    commun.base().executer("INSERT INTO TypeTarif (Identifiant, Nom) VALUES (1, 'Haute saison')");
    // The backup screen itself is a stand-in: only the menu's refusal is looked at here.
    int sauvegardes = 0;
    fenetre->registre().action(EntreeMenu::Sauvegarde, [&](ContexteEcrans&) { ++sauvegardes; });

    fenetre->action(EntreeMenu::Planning)->trigger();
    ASSERT_EQ(ouverts<TFrmPlanning>().size(), 1) << env.dialogues.textes().join("\n").toStdString();
    env.dialogues.vider();
    fenetre->action(EntreeMenu::Sauvegarde)->trigger();
    EXPECT_EQ(env.dialogues.textes(),
        QStringList{"Avant de sauvegarder les données, vous devez fermer toutes les fenêtres de l'application."});
    EXPECT_EQ(sauvegardes, 0);
    EXPECT_EQ(ouverts<TFrmPlanning>().size(), 1);

    ouverts<TFrmPlanning>().first()->close();
    QCoreApplication::processEvents();
    env.dialogues.vider();
    fenetre->action(EntreeMenu::Sauvegarde)->trigger();
    EXPECT_EQ(sauvegardes, 1);
    EXPECT_TRUE(env.dialogues.textes().isEmpty()) << env.dialogues.textes().join("\n").toStdString();
}
