#pragma once

#include "ui/T_FrmPI.h"

class QLabel;
class QToolButton;

namespace velorin {

// "A propos": the program's version, its folder and the data folder, each folder with a
// button that opens it in the system's file browser.
class TFrmApropos : public T_FrmPI {
    Q_OBJECT
public:
    explicit TFrmApropos(ContexteEcrans& contexte, QWidget* parent = nullptr);

    QToolButton* btnDossierProgramme() const { return btnProgramme_; }
    QToolButton* btnDossierDonnees() const { return btnDonnees_; }

private:
    QToolButton* btnProgramme_ = nullptr;
    QToolButton* btnDonnees_ = nullptr;
};

} // namespace velorin
