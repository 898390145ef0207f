#pragma once

#include "catalogue/MontantsTVA.h"
#include "reservations/screens/TCadreReserv.h"

#include <QSqlRecord>
#include <QString>

#include <optional>

class QWidget;

namespace velorin {

class DMVelorin;

// What the reservation editor does while the catalogue's selection lists and the VAT detail
// dialog are not plugged into it: a plain list of the items' names, and the detail as text.
namespace choixParDefaut {

// An item of that kind (0 accommodations, 1 services, 2 meals) by name; -1 when cancelled.
int choisirArticle(DMVelorin& dm, int typePrest, QWidget* parent);
// A meal and whether it goes on every day of the stay; nothing when cancelled.
std::optional<ChoixRepas> choisirRepas(DMVelorin& dm, QWidget* parent);

// The six parts of a line's unit price or of fixed amounts, as text.
QString texteDetail(const QSqlRecord& ligne);
QString texteDetail(const TMontantsTVA& montants);

} // namespace choixParDefaut
} // namespace velorin
