#include "app/Plateforme.h"

#include "app/Horloge.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QProcess>
#include <QSysInfo>
#include <QUrl>
#include <QWindow>

#include <csignal>
#include <sys/types.h>

namespace velorin {

QString PlateformeSysteme::nomOrdinateur() const { return QSysInfo::machineHostName(); }

qint64 PlateformeSysteme::chercherProcessus(const QString& nomSansExtension) const
{
    const QString cherche = nomSansExtension.toUpper();
    const QDir proc(QStringLiteral("/proc"));
    const auto entrees = proc.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString& entree : entrees) {
        bool estNombre = false;
        const qint64 pid = entree.toLongLong(&estNombre);
        if (!estNombre || pid == QCoreApplication::applicationPid()) continue;
        // The executable's path; a process of another user may hide it, then its command line.
        QString chemin = QFileInfo(proc.filePath(entree + QStringLiteral("/exe"))).symLinkTarget();
        if (chemin.isEmpty()) {
            QFile cmd(proc.filePath(entree + QStringLiteral("/cmdline")));
            if (cmd.open(QIODevice::ReadOnly)) chemin = QString::fromLocal8Bit(cmd.readAll().split('\0').value(0));
        }
        if (chemin.isEmpty()) continue;
        if (QFileInfo(chemin).completeBaseName().toUpper() == cherche) return pid;
    }
    return -1;
}

bool PlateformeSysteme::terminerProcessus(qint64 pid)
{
    return pid > 0 && ::kill(static_cast<pid_t>(pid), SIGTERM) == 0;
}

bool PlateformeSysteme::demarrer(const QString& programme, const QStringList& arguments)
{
    return QProcess::startDetached(programme, arguments);
}

bool PlateformeSysteme::executerEtAttendre(const QString& programme, const QStringList& arguments,
                                           Horloge& horloge)
{
    QProcess processus;
    processus.start(programme, arguments);
    if (!processus.waitForStarted()) return false;
    while (!processus.waitForFinished(0)) horloge.attendre(1000);
    return processus.exitStatus() == QProcess::NormalExit;
}

bool PlateformeSysteme::envoyerMail(const QString& objet, const QString& corps, const QString& a,
                                    const QString& copie, const QString& copieCachee)
{
    // xdg-email opens the user's mail client with a prefilled compose window.
    QStringList arguments{QStringLiteral("--subject"), objet, QStringLiteral("--body"), corps};
    if (!copie.isEmpty()) arguments << QStringLiteral("--cc") << copie;
    if (!copieCachee.isEmpty()) arguments << QStringLiteral("--bcc") << copieCachee;
    if (!a.isEmpty()) arguments << a;
    return QProcess::execute(QStringLiteral("xdg-email"), arguments) == 0;
}

bool PlateformeSysteme::ouvrir(const QString& documentOuAdresse)
{
    const QUrl url = QUrl::fromUserInput(documentOuAdresse, QDir::currentPath(), QUrl::AssumeLocalFile);
    return QDesktopServices::openUrl(url);
}

void PlateformeSysteme::amenerAuPremierPlan()
{
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) return;
    const auto fenetres = QGuiApplication::topLevelWindows();
    for (QWindow* fenetre : fenetres) {
        if (!fenetre->isVisible()) continue;
        fenetre->raise();
        fenetre->requestActivate();
    }
}

} // namespace velorin
