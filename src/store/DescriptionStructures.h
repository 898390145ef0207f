#pragma once

#include "store/BaseDonnees.h"

#include <QString>

namespace velorin {

// The schema description shipped beside the program in StructuresTables: two text files,
// ChampDescription.tsv (NomTable, NomChamps, Type, Taille, Nom, ValDef) and
// IndexDescription.tsv (NomTable, NomIndex, Champs, Options), UTF-8, tab-separated, a
// header line first; lines beginning with '#' and blank lines are ignored; an empty field
// is null. They are read into two tables of a private in-memory database, so that the
// verification queries them as it would query tables.
class DescriptionStructures {
public:
    static QString fichierChamps() { return QStringLiteral("ChampDescription.tsv"); }
    static QString fichierIndex() { return QStringLiteral("IndexDescription.tsv"); }

    // True when both files are in the folder.
    static bool presente(const QString& dossierStructures);

    // Reads both files; throws Erreur when one cannot be read.
    void charger(const QString& dossierStructures);

    // The in-memory database holding ChampDescription and IndexDescription.
    BaseDonnees& base() { return base_; }

private:
    void chargerFichier(const QString& chemin, const QString& table, const QStringList& colonnes,
                        const QStringList& types);

    BaseDonnees base_;
};

} // namespace velorin
