#pragma once

#include "ui/SourceSaisie.h"
#include "ui/T_FrmPI.h"

#include <QPointer>

#include <functional>

class QTableView;

namespace velorin {

class Navigateur;

// A screen that edits one record: "&OK" writes it and closes with result OK, "&Annuler"
// drops the changes and closes with result Cancel. The widths of the columns of its grids
// are kept per workstation.
//
// A derived screen lays its controls in centre(), then, when it edits a table record, gives
// the record to DefinirSource (a SourceTable whose controls it has bound); it checks the
// entry in Valider() before anything is written.
class T_FrmSaisieStd : public T_FrmPI {
    Q_OBJECT
public:
    explicit T_FrmSaisieStd(ContexteEcrans& contexte, QWidget* parent = nullptr);

    // Connects the navigator and the controls to the source and shows its record.
    virtual void DefinirSource(SourceSaisie* source);
    SourceSaisie* source() const { return source_; }

    // True once "&Annuler" was pressed.
    bool annule() const { return annule_; }

    Navigateur* navigateur() const { return navigateur_; }
    QPushButton* btnOK() const { return btnOK_; }
    QPushButton* btnAnnuler() const { return btnAnnuler_; }

public slots:
    void OK();
    void Annuler();

protected:
    // For a screen that moves among its records itself: shows the navigator, whose four buttons
    // call aller with the rule giving the new position from the current one and the count.
    using CibleNavigation = std::function<int(int position, int nombre)>;
    void relierNavigateur(const std::function<void(const CibleNavigation&)>& aller);

    // Checks made by "&OK" before the record is written; false keeps the screen open.
    virtual bool Valider() { return true; }

    void appliquerLargeurs() override;
    QList<TLargeurCol> collecterLargeurs() override;

private:
    QPointer<SourceSaisie> source_;
    Navigateur* navigateur_ = nullptr;
    QPushButton* btnOK_ = nullptr;
    QPushButton* btnAnnuler_ = nullptr;
    bool annule_ = false;
};

// An edit screen that embeds the contact-selection or reservation panels: their grids are
// among the screen's own children, so their widths are kept with the screen's; give their
// grids names of their own.
class T_FrmSaisie : public T_FrmSaisieStd {
    Q_OBJECT
public:
    using T_FrmSaisieStd::T_FrmSaisieStd;
};

} // namespace velorin
