#pragma once

#include <QString>

namespace velorin {

// The installation record Droits.db beside the program: only its Boolean column Reseau
// is read, and the file is never written.
namespace droits {

inline const QString nomFichier = QStringLiteral("Droits.db");

// Moves a record left in the data folder beside the program (file names compared
// without regard to letter case), and removes it from the data folder.
void relocaliser(const QString& dossierProgramme);
// True for a network installation; a missing file, table or column means single-workstation.
bool installationReseau(const QString& dossierProgramme);

} // namespace droits
} // namespace velorin
