#pragma once

namespace velorin {

class TCadreReserv;
struct ContexteEcrans;

// Plugs the screens of the other parts of the program (guest list and edit screens, catalogue
// lists, VAT detail dialog, payments dialog) into a reservation editor. Every screen that
// holds the editor calls it once, right after creating it; until a screen is plugged here,
// the editor keeps its plain default.
void brancherEcransReservation(TCadreReserv& cadre, ContexteEcrans& contexte);

} // namespace velorin
