#pragma once

#include "support/DialoguesScriptes.h"
#include "support/HorlogeFactice.h"
#include "support/PlateformeFactice.h"

#include "app/Services.h"

#include <QTemporaryDir>

namespace velorin::test {

// A temporary program folder, optionally with the shipped files beside the program, and
// the fake services every test uses.
class EnvironnementTest {
public:
    explicit EnvironnementTest(bool avecFichiersLivres = true);

    QString programme() const;            // with trailing separator
    QString donnees() const;              // programme() + "Donnees"
    QString chemin(const QString& relatif) const;
    Services services() { return {dialogues, horloge, plateforme}; }

    DialoguesScriptes dialogues;
    HorlogeFactice horloge;
    PlateformeFactice plateforme;

private:
    QTemporaryDir dossier_;
};

// Copies a folder tree.
void copierArborescence(const QString& source, const QString& destination);
// Writes a text file (UTF-8), creating its folder.
void ecrireFichier(const QString& chemin, const QByteArray& contenu);
QByteArray lireFichier(const QString& chemin);
// Writes an installation record table: created by definition, with the row of insertion when
// given. False when the file could not be written.
bool creerDroits(const QString& chemin, const QString& definition, const QString& insertion);
// The program folder of env is a network installation (Droits.db with Reseau true).
bool installationReseau(const EnvironnementTest& env);

} // namespace velorin::test
