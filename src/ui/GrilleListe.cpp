#include "ui/GrilleListe.h"

#include <QHeaderView>
#include <QTableView>

namespace velorin {

void preparerGrilleListe(QTableView& grille)
{
    grille.setEditTriggers(QAbstractItemView::NoEditTriggers);
    grille.setSelectionBehavior(QAbstractItemView::SelectRows);
    grille.setSelectionMode(QAbstractItemView::SingleSelection);
    grille.setAlternatingRowColors(true);
    grille.setWordWrap(false);
    grille.verticalHeader()->hide();
    grille.verticalHeader()->setDefaultSectionSize(grille.fontMetrics().height() + 8);
    grille.horizontalHeader()->setStretchLastSection(true);
    grille.horizontalHeader()->setHighlightSections(false);
    grille.horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

} // namespace velorin
