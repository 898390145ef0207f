#pragma once

#include <QString>

namespace velorin {

// The program's way of writing a number as text where no format is given: up to 15
// significant digits, the locale's decimal separator, no grouping, no trailing zeros
// (12.5 gives "12,5" once the French conventions apply).
namespace nombres {

QString texte(double valeur);
// The same written the French way whatever the locale ("12,5"), for the program's own texts:
// messages, names of stored lines.
QString texteFr(double valeur);

} // namespace nombres
} // namespace velorin
