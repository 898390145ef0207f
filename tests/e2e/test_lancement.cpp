#include "support/DossiersTest.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QProcess>

#include <csignal>

#include <gtest/gtest.h>

using namespace velorin::test;

// Starts the real program on a fresh program folder, waits for its event loop, and asks it
// to quit as a session logout does.
TEST(Lancement, DemarreSurUnDossierNeufEtSeFermeProprement)
{
    EnvironnementTest env(false);
    copierArborescence(QStringLiteral(VELORIN_PROGRAM_DIR), env.programme());
    const QString executable = env.chemin("velorin");
    QFile::setPermissions(executable, QFile::permissions(QStringLiteral(VELORIN_EXECUTABLE)));
    // The first start verifies the tables: without a schema description its message box
    // would wait for a click, so a build that ships none gets a one-table description.
    if (!QFileInfo::exists(env.chemin("StructuresTables/ChampDescription.tsv"))) {
        ecrireFichier(env.chemin("StructuresTables/ChampDescription.tsv"),
                      "NomTable\tNomChamps\tType\tTaille\tNom\tValDef\nTrace\tEvenement\tC\t100\tEvenement\t\n");
        ecrireFichier(env.chemin("StructuresTables/IndexDescription.tsv"), "NomTable\tNomIndex\tChamps\tOptions\n");
    }

    QProcess velorin;
    QProcessEnvironment environnement = QProcessEnvironment::systemEnvironment();
    environnement.insert("QT_QPA_PLATFORM", "offscreen");
    environnement.insert("QT_LOGGING_RULES", "velorin.*=true");
    velorin.setProcessEnvironment(environnement);
    velorin.setProcessChannelMode(QProcess::MergedChannels);
    velorin.start(executable, {});
    ASSERT_TRUE(velorin.waitForStarted(10000));

    QByteArray sortie;
    QDeadlineTimer limite(60000);
    while (!sortie.contains("Boucle d'événements atteinte") && !limite.hasExpired() &&
           velorin.state() == QProcess::Running) {
        velorin.waitForReadyRead(500);
        sortie += velorin.readAll();
    }
    ASSERT_TRUE(sortie.contains("Boucle d'événements atteinte")) << sortie.toStdString();
    EXPECT_TRUE(QFileInfo(env.donnees() + "/contrats").isDir());
    EXPECT_TRUE(QFileInfo::exists(env.donnees() + "/Velorin.db"));

    ::kill(static_cast<pid_t>(velorin.processId()), SIGTERM);
    ASSERT_TRUE(velorin.waitForFinished(30000));
    sortie += velorin.readAll();
    EXPECT_EQ(velorin.exitStatus(), QProcess::NormalExit) << sortie.toStdString();
    EXPECT_EQ(velorin.exitCode(), 0) << sortie.toStdString();
}
