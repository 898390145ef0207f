#pragma once

#include <QString>

namespace velorin::fichiers {

// Path of the entry of dossier whose name equals nom without regard to letter case;
// empty when there is none.
QString trouverSansCasse(const QString& dossier, const QString& nom);
// Deletes every file of a folder (not its sub-folders); throws Erreur on failure.
void viderDossier(const QString& dossier);
// Copies every file of source into destination, replacing files of the same name.
void copierFichiers(const QString& source, const QString& destination);

} // namespace velorin::fichiers
