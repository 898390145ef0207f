#pragma once

#include "app/Reglages.h"

#include <QList>
#include <QString>

#include <functional>

namespace velorin {

class DMCommun;
class DMVelorin;

// The named data folders of info.ini [Sites] and the change from one to another.
class Sites {
public:
    Sites(DMCommun& commun, DMVelorin& velorin);

    // [Sites] in file order; an empty section first receives Principal = the default folder.
    QList<Site> ListeSites();

    // Makes the site's folder the current data folder: every table is closed, pointed at
    // the new folder and verified through verifierTables. A site without a folder is
    // refused with its message and nothing changes. Returns true when the site is current.
    // Refusing the change while a child window is open is the main window's business, as
    // is reloading the colours and repainting afterwards.
    bool ChangerSite(const QString& nomSite);

    // The table verification run after the change, without progress display.
    std::function<void()> verifierTables;

    static QString messageSansDossier()
    {
        return QStringLiteral("Impossible de sélectionner ce site, car son dossier de données n'est pas indiqué.");
    }

private:
    DMCommun& commun_;
    DMVelorin& velorin_;
};

} // namespace velorin
