#pragma once

#include "catalogue/MontantsTVA.h"

#include <QFrame>
#include <QSqlRecord>

class QLabel;

namespace velorin {

class EditNombre;
struct ContexteEcrans;

// The VAT detail of a price: rows "HT", "TVA" and "TTC", columns rate 1, rate 2 and "Total".
// HT1, HT2, TTC1 and TTC2 are typed (DBEHT1, DBEHT2, DBETTC1, DBETTC2); TVA1 and TVA2 and the
// totals are computed. Typing a net part recomputes its VAT and gross part while the entry
// side is net, typing a gross part recomputes its net part and VAT while it is gross;
// entering an HT box selects the net side, entering a TTC box the gross side. The down arrow
// goes from HT1 to HT2 and from TTC1 to TTC2, the up arrow back.
//
// The frame edits a row held by its screen (any row with the eight columns, and Prix or
// PrixUnit); the screen writes the row when it saves.
class TCadreDetailTVA : public QFrame {
    Q_OBJECT
public:
    explicit TCadreDetailTVA(ContexteEcrans& contexte, QWidget* parent = nullptr);

    // Shows the row and lets its parts be typed; nullptr makes the boxes read-only and empty.
    // A row saved with rates other than the current ones (a rate above 0 that differs) asks
    // whether to apply the current rates. The row must outlive the binding.
    void lier(QSqlRecord* ligne);
    QSqlRecord* ligne() const { return ligne_; }
    // Shows fixed amounts as texts (no boxes): the rate of each column is worked out from
    // its parts, the current rate when its net part is 0.
    void AfficherMontants(const TMontantsTVA& montants);
    // Recomputes the "Total" column from the bound row.
    void ActualiserTotaux();

    // The entry side and the current rates the rules use.
    SaisieTVA& saisie() { return saisie_; }

    EditNombre* edHT(int partie) const;
    EditNombre* edTTC(int partie) const;

    static QString questionTaux();

signals:
    // The bound row changed: a part typed, or the current rates applied.
    void ligneModifiee();

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override;
    bool event(QEvent* evenement) override;

private:
    void construire();
    void afficherLigne(EditNombre* saufCelleCi = nullptr);
    void afficherTitres(double taux1, double taux2);
    void saisir(EditNombre* edit);
    void montrerBoites(bool boites);
    void appliquerCouleurs();

    ContexteEcrans& contexte_;
    SaisieTVA saisie_;
    QSqlRecord* ligne_ = nullptr;
    bool fixe_ = false;

    QLabel* lblTitre1_ = nullptr;
    QLabel* lblTitre2_ = nullptr;
    QLabel* lblTitreTotal_ = nullptr;
    EditNombre* edHT1_ = nullptr;
    EditNombre* edHT2_ = nullptr;
    EditNombre* edTTC1_ = nullptr;
    EditNombre* edTTC2_ = nullptr;
    QLabel* lblHT1_ = nullptr;
    QLabel* lblHT2_ = nullptr;
    QLabel* lblTTC1_ = nullptr;
    QLabel* lblTTC2_ = nullptr;
    QLabel* lblTVA1_ = nullptr;
    QLabel* lblTVA2_ = nullptr;
    QLabel* lblTotalHT_ = nullptr;
    QLabel* lblTotalTVA_ = nullptr;
    QLabel* lblTotalTTC_ = nullptr;
    QList<QLabel*> titres_;
};

} // namespace velorin
