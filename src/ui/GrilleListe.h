#pragma once

class QTableView;

namespace velorin {

// The look and behaviour of every read-only list grid: whole rows selected one at a time,
// alternating rows, no row headers, one-line rows, the last column stretched, titles
// aligned left.
void preparerGrilleListe(QTableView& grille);

} // namespace velorin
