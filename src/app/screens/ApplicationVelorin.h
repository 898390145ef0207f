#pragma once

#include <QApplication>

#include <optional>

namespace velorin {

// The application object: an exception that escapes an event handler does not end the
// program on the spot; the event loop stops and the start-up sequence runs its
// shutdown, then shows the fatal message.
class ApplicationVelorin : public QApplication {
    Q_OBJECT
public:
    ApplicationVelorin(int& argc, char** argv);
    bool notify(QObject* destinataire, QEvent* evenement) override;

    // Text of the error that stopped the event loop, if any; cleared when read.
    static std::optional<QString> prendreErreur();

    // SIGTERM and SIGINT close the windows and end the event loop as "&Quitter" does,
    // so that a session logout still runs the shutdown.
    void arreterSurSignal();
};

} // namespace velorin
