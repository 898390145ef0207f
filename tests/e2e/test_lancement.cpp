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
