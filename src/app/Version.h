#pragma once

#include <QString>

namespace velorin {

// Version text of the program as the title bar and verif.ini show it: major, minor,
// release on three digits, then a space and a capital letter when the build number is
// not 0 (build 1 gives "A"). File version 1.9.16.0 gives "1.9.016".
QString texteVersion(int majeur, int mineur, int revision, int construction);
QString texteVersionProgramme();

} // namespace velorin
