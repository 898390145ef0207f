#pragma once

#include <QCoreApplication>
#include <QEvent>

namespace velorin {

// The notifications screens send the main window, which acts on them and forwards some
// to its child screens. They are delivered at once (the sender waits for their handling).
inline constexpr QEvent::Type WMChangementCouleur = static_cast<QEvent::Type>(QEvent::User + 10);
inline constexpr QEvent::Type WMActualiserPlanning = static_cast<QEvent::Type>(QEvent::User + 20);
inline constexpr QEvent::Type WMCacherAide = static_cast<QEvent::Type>(QEvent::User + 30);
inline constexpr QEvent::Type WMMajSites = static_cast<QEvent::Type>(QEvent::User + 40);
inline constexpr QEvent::Type WMchangementFreq = static_cast<QEvent::Type>(QEvent::User + 50);
inline constexpr QEvent::Type WMChangerArchives = static_cast<QEvent::Type>(QEvent::User + 60);

inline bool estMessageFenetre(QEvent::Type type)
{
    return type == WMChangementCouleur || type == WMActualiserPlanning || type == WMCacherAide ||
           type == WMMajSites || type == WMchangementFreq || type == WMChangerArchives;
}

// Sends a message and returns once it has been handled; nothing without a receiver.
inline void envoyerMessage(QObject* destinataire, QEvent::Type message)
{
    if (!destinataire) return;
    QEvent evenement(message);
    QCoreApplication::sendEvent(destinataire, &evenement);
}

} // namespace velorin
