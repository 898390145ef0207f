#pragma once

#include "ui/T_FrmSaisieStd.h"

#include <QList>

namespace velorin {

class TCadreReserv;

// The reservation window: the reservation editor on one reservation, or on the rows of a list
// screen with the navigator to move among them. OK saves a changed reservation after checking
// it (a refused one keeps the window open); moving to another reservation does the same first.
class TFrmReserv : public T_FrmSaisie {
    Q_OBJECT
public:
    // On the reservations of a list, starting with the one at that position.
    TFrmReserv(ContexteEcrans& contexte, QList<int> reservations, int position = 0, QWidget* parent = nullptr);
    // On one reservation.
    TFrmReserv(ContexteEcrans& contexte, int reservation, QWidget* parent = nullptr);

    TCadreReserv* cadre() const { return cadre_; }

protected:
    bool Valider() override;
    // The widths of the frame's grids only: the calendars of its date fields hold grids too,
    // which are not the user's.
    QList<TLargeurCol> collecterLargeurs() override;
    void appliquerLargeurs() override;

private:
    TCadreReserv* cadre_ = nullptr;
};

} // namespace velorin
