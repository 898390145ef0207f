#pragma once

#include <QDate>
#include <QString>

namespace velorin {

class InfoIni;

// Start-of-day automatic backup: due when enabled and today is on or after the day of the
// newest "SauvAuto*.zip" of the backup folder plus NbJours - 1 days, or when there is none.
// NbJours absent or 0 first writes NbJours = 7, FaireSauvegarde = 1 and NbFic = 4.
bool sauvegardeAutoDue(InfoIni& info, const QDate& aujourdhui);

inline const QString prefixeSauvegardeAuto = QStringLiteral("SauvAuto");
inline const QString prefixeSauvegardeFermeture = QStringLiteral("SauveFerme");

} // namespace velorin
