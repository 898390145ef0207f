#include "maintenance/SauvegardeAuto.h"

#include "app/Reglages.h"

#include <QDir>
#include <QFileInfo>

namespace velorin {

bool sauvegardeAutoDue(InfoIni& info, const QDate& aujourdhui)
{
    const int jours = info.nbJoursAvecDefauts();
    if (!info.faireSauvegarde()) return false;
    const QDir dossier(info.repDest());
    const QFileInfoList fichiers =
        dossier.entryInfoList({prefixeSauvegardeAuto + QStringLiteral("*.zip")}, QDir::Files, QDir::Time);
    QDateTime plusRecent;
    for (const QFileInfo& f : fichiers) {
        // Names are compared without regard to letter case, as on the original system.
        if (!f.fileName().startsWith(prefixeSauvegardeAuto, Qt::CaseInsensitive)) continue;
        if (!plusRecent.isValid() || f.lastModified() > plusRecent) plusRecent = f.lastModified();
    }
    if (!plusRecent.isValid()) return true;
    return aujourdhui >= plusRecent.date().addDays(jours - 1);
}

} // namespace velorin
