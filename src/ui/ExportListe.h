#pragma once

#include "store/Disposition.h"

#include <QList>

#include <functional>

class QIODevice;
class QProgressBar;
class QWidget;

namespace velorin {

class ModeleListe;
struct ContexteEcrans;

// Writes the rows of a list as a worksheet: the titles of the column list on row 0, then
// one row per record, every entry of the list in list order, each cell the value as the
// grid shows it. Throws Erreur when a column of the list is not in the list's data.
void ecrireListe(QIODevice& sortie, const ModeleListe& modele, const QList<TColonneGrille>& colonnes,
                 const std::function<void(int)>& apresLigne = {});

// The spreadsheet export of a list: the save dialog in the data folder, the overwrite
// question, the progress bar while the file is written (the view stops repainting), then
// "Le fichier est disponible dans ...". The file is replaced only once it is complete.
// Returns the file written, empty when nothing was.
QString exporterListe(ContexteEcrans& contexte, const ModeleListe& modele, const QList<TColonneGrille>& colonnes,
                      QProgressBar* barre, QWidget* vue);

} // namespace velorin
