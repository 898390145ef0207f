#include "app/screens/ApplicationVelorin.h"

#include "app/Erreur.h"

#include <QSocketNotifier>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace velorin {

namespace {
std::optional<QString> erreurBoucle;
int tubeSignal[2] = {-1, -1};

void surSignal(int)
{
    const char octet = 1;
    [[maybe_unused]] const auto n = ::write(tubeSignal[0], &octet, 1);
}
} // namespace

ApplicationVelorin::ApplicationVelorin(int& argc, char** argv) : QApplication(argc, argv) {}

bool ApplicationVelorin::notify(QObject* destinataire, QEvent* evenement)
{
    try {
        return QApplication::notify(destinataire, evenement);
    } catch (const std::exception& e) {
        if (!erreurBoucle) erreurBoucle = texteErreur(e);
    } catch (...) {
        if (!erreurBoucle) erreurBoucle = QStringLiteral("erreur inconnue");
    }
    exit(1);
    return false;
}

std::optional<QString> ApplicationVelorin::prendreErreur()
{
    auto erreur = erreurBoucle;
    erreurBoucle.reset();
    return erreur;
}

void ApplicationVelorin::arreterSurSignal()
{
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, tubeSignal) != 0) return;
    auto* notificateur = new QSocketNotifier(tubeSignal[1], QSocketNotifier::Read, this);
    connect(notificateur, &QSocketNotifier::activated, this, [] {
        char octet;
        [[maybe_unused]] const auto n = ::read(tubeSignal[1], &octet, 1);
        closeAllWindows();
        quit();
    });
    struct sigaction action {};
    action.sa_handler = surSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
}

} // namespace velorin
