#pragma once

#include <QString>

namespace velorin {
class DMCommun;
}

namespace velorin::test {

// Opens the data folder on a database holding every described table, as the real verification
// builds it from the shipped description. The verification runs once per test program; each
// test then starts from a copy of that file.
void ouvrirBaseVerifiee(DMCommun& commun, const QString& dossierDonnees);

} // namespace velorin::test
