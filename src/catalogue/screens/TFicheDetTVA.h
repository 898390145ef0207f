#pragma once

#include "catalogue/MontantsTVA.h"
#include "ui/T_FrmSaisieStd.h"

#include <QSqlRecord>

namespace velorin {

class TCadreDetailTVA;

// "Détail du prix TTC": the VAT detail of one line, or of fixed amounts, with OK and Cancel.
//     QSqlRecord ligne = ...;                          // a service or meal line
//     if (TFicheDetTVA::EditerLigne(contexte, ligne, this)) ...   // ligne holds the new parts
//     TFicheDetTVA::AfficherMontants(contexte, total, this);     // the stay's total, read-only
class TFicheDetTVA : public T_FrmSaisieStd {
    Q_OBJECT
public:
    explicit TFicheDetTVA(ContexteEcrans& contexte, QWidget* parent = nullptr);
    ~TFicheDetTVA() override;

    // Edits a copy of the line; the cursor goes into HT1.
    void lierLigne(const QSqlRecord& ligne);
    // Shows the amounts, nothing to type.
    void montrerMontants(const TMontantsTVA& montants);
    // The line as edited.
    const QSqlRecord& ligne() const { return ligne_; }
    TCadreDetailTVA* cadre() const { return cadre_; }

    // Modal: true when confirmed, with the line's parts updated.
    static bool EditerLigne(ContexteEcrans& contexte, QSqlRecord& ligne, QWidget* parent);
    static void AfficherMontants(ContexteEcrans& contexte, const TMontantsTVA& montants, QWidget* parent);

private:
    TCadreDetailTVA* cadre_ = nullptr;
    QSqlRecord ligne_;
};

} // namespace velorin
