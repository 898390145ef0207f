#pragma once

#include "app/Services.h"

class QMdiArea;
class QWidget;

namespace velorin {

class DMCommun;
class DMVelorin;

// What every screen receives when it is created: the two data modules, the services
// (dialogs, clock, platform), the window that receives the screens' window messages and
// the area that holds the child screens.
//
// The main window owns one context for the whole run and creates each screen with it:
//     auto* ecran = new TFrmClients(contexte);   // no parent: the screen area adopts it
//     ecran->afficherEnfant();                    // child window, freed when closed
// A screen opened to pick records, or a dialog, is shown modally instead:
//     TFrmClients liste(contexte, this);
//     liste.EntrerModeSelection(...);
//     if (liste.exec() == QDialog::Accepted) ...
// Tests build a context over a temporary data folder, without main window or screen area;
// a screen then opens as a window of its own.
struct ContexteEcrans {
    ContexteEcrans(DMCommun& commun_, DMVelorin& velorin_, Services services_)
        : commun(commun_)
        , velorin(velorin_)
        , services(services_)
    {
    }

    DMCommun& commun;
    DMVelorin& velorin;
    Services services;
    // Receives the window messages of MessagesFenetre.h; none in tests.
    QWidget* fenetrePrincipale = nullptr;
    // Where child screens are shown; without one they open as windows of their own.
    QMdiArea* zoneEcrans = nullptr;
};

} // namespace velorin
