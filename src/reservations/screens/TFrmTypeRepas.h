#pragma once

#include "reservations/LignesSejour.h"
#include "ui/T_FrmSaisieStd.h"

#include <array>

class QCheckBox;
class QLineEdit;

namespace velorin {

// The menu structure ("Définition des repas"): the titles of up to ten dishes and whether
// each appears. One record, opened with the screen, written by "&OK".
class TFrmTypeRepas : public T_FrmSaisieStd {
    Q_OBJECT
public:
    explicit TFrmTypeRepas(ContexteEcrans& contexte, QWidget* parent = nullptr);

    QLineEdit* edLibelle(int plat) const { return libelles_.at(plat); }
    QCheckBox* chkVisible(int plat) const { return visibles_.at(plat); }

    static constexpr int nombrePlats = 10;

protected:
    void preparerAffichage() override;

private:
    friend class SourceMenus;
    void afficher(const TMenus& menus);
    TMenus lire(const TMenus& base) const;

    std::array<QLineEdit*, nombrePlats> libelles_{};
    std::array<QCheckBox*, nombrePlats> visibles_{};
};

} // namespace velorin
