#include "app/Horloge.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QThread>
#include <QTimer>

namespace velorin {

QDate HorlogeSysteme::aujourdhui() const { return QDate::currentDate(); }

QDateTime HorlogeSysteme::maintenant() const { return QDateTime::currentDateTime(); }

void HorlogeSysteme::attendre(int ms)
{
    if (ms <= 0) return;
    if (!QCoreApplication::instance()) {
        QDeadlineTimer fin(ms);
        while (!fin.hasExpired()) QThread::msleep(10);
        return;
    }
    // A local event loop rather than a sleep: the windows keep repainting meanwhile.
    QEventLoop boucle;
    QTimer::singleShot(ms, &boucle, &QEventLoop::quit);
    boucle.exec(QEventLoop::ExcludeUserInputEvents);
}

void HorlogeSysteme::traiterEvenements()
{
    if (QCoreApplication::instance()) QCoreApplication::processEvents();
}

} // namespace velorin
