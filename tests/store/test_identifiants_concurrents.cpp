#include "support/DossiersTest.h"

#include "store/AccesDonnees.h"
#include "store/BaseDonnees.h"
#include "store/DMCommun.h"

#include <QCoreApplication>
#include <QProcess>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

using namespace velorin;
using namespace velorin::test;

namespace {
// Names the data folder (holding Velorin.db) a child process appends to.
const char* const variableDossier = "VELORIN_TEST_DOSSIER_CONCURRENT";
constexpr int nombrePostes = 4;
constexpr int lignesParPoste = 100;
} // namespace

// One workstation: appends rows to Journal, each with a new identifier. Runs only as the
// child process started by the test below.
TEST(IdentifiantsConcurrents, Poste)
{
    const QString dossier = qEnvironmentVariable(variableDossier);
    if (dossier.isEmpty()) GTEST_SKIP() << "started by PlusieursPostesNeStockentJamaisLeMemeIdentifiant";
    EnvironnementTest env(false);
    DMCommun commun(env.services(), env.programme());
    commun.setDossierDonnees(dossier);
    AccesDonnees acces(commun);
    const qint64 poste = QCoreApplication::applicationPid();
    for (int i = 0; i < lignesParPoste; ++i) {
        const int identifiant = acces.NouvelIdentifiant("Journal");
        ASSERT_GT(identifiant, 0) << env.dialogues.textes().join("\n").toStdString();
        commun.base().executer("INSERT INTO Journal (Identifiant, Poste) VALUES (?, ?)", {identifiant, poste});
    }
    EXPECT_TRUE(env.dialogues.textes().isEmpty());
}

TEST(IdentifiantsConcurrents, PlusieursPostesNeStockentJamaisLeMemeIdentifiant)
{
    EnvironnementTest env(false);
    {
        BaseDonnees base;
        base.ouvrir(env.donnees() + "/Velorin.db");
        base.executer("CREATE TABLE Journal (Identifiant Integer, Poste Integer)");
    }
    QProcessEnvironment environnement = QProcessEnvironment::systemEnvironment();
    environnement.insert(variableDossier, env.donnees());
    std::vector<std::unique_ptr<QProcess>> postes;
    for (int i = 0; i < nombrePostes; ++i) {
        auto poste = std::make_unique<QProcess>();
        poste->setProcessEnvironment(environnement);
        poste->setProcessChannelMode(QProcess::MergedChannels);
        poste->start(QCoreApplication::applicationFilePath(), {"--gtest_filter=IdentifiantsConcurrents.Poste"});
        ASSERT_TRUE(poste->waitForStarted());
        postes.push_back(std::move(poste));
    }
    for (auto& poste : postes) {
        poste->waitForFinished(-1);
        EXPECT_EQ(poste->exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(poste->exitCode(), 0) << poste->readAll().toStdString();
    }

    BaseDonnees base;
    base.ouvrir(env.donnees() + "/Velorin.db");
    EXPECT_EQ(base.valeur("SELECT COUNT(*) FROM Journal").toInt(), nombrePostes * lignesParPoste);
    EXPECT_EQ(base.valeur("SELECT COUNT(DISTINCT Identifiant) FROM Journal").toInt(), nombrePostes * lignesParPoste);
    EXPECT_EQ(base.valeur("SELECT COUNT(DISTINCT Poste) FROM Journal").toInt(), nombrePostes);
    EXPECT_EQ(base.valeur("SELECT MAX(Identifiant) FROM Journal").toInt(), nombrePostes * lignesParPoste);
}
