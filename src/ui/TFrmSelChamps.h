#pragma once

#include "ui/T_FrmSaisieStd.h"

class QButtonGroup;
class QCheckBox;
class QRadioButton;

namespace velorin {

// An accommodation offered by the chooser's second mode, marked source or destination.
struct THebergementChoix {
    int Identifiant = 0;
    QString Nom;
    bool Source = false;
    bool Destination = false;
};

// The column chooser ("Sélection des colonnes affichées dans la grille"), modal, in two
// modes: the columns a list shows, or one source and some destinations among the
// accommodations (tariff copy).
class TFrmSelChamps : public T_FrmSaisieStd {
    Q_OBJECT
public:
    // Columns: one check box per column, in the order of their positions.
    TFrmSelChamps(ContexteEcrans& contexte, const QList<TColonneGrille>& colonnes, QWidget* parent = nullptr);
    // Accommodations: a radio button (the source) and a check box (a destination) for each.
    TFrmSelChamps(ContexteEcrans& contexte, const QList<THebergementChoix>& hebergements, QWidget* parent = nullptr);

    // The list sorted by position, shown flags as ticked (after OK).
    const QList<TColonneGrille>& colonnes() const { return colonnes_; }
    const QList<THebergementChoix>& hebergements() const { return hebergements_; }

    QList<QCheckBox*> casesColonnes() const { return cases_; }
    QList<QRadioButton*> boutonsSource() const { return sources_; }
    QList<QCheckBox*> casesDestination() const { return destinations_; }

    // The modal dialogs: true when the user confirmed, with the list updated.
    static bool ChoisirColonnes(ContexteEcrans& contexte, QList<TColonneGrille>& colonnes, QWidget* parent);
    static bool ChoisirHebergements(ContexteEcrans& contexte, QList<THebergementChoix>& hebergements, QWidget* parent);

protected:
    bool Valider() override;

private:
    void construire(const QString& explication);

    bool modeHebergements_ = false;
    QList<TColonneGrille> colonnes_;
    QList<THebergementChoix> hebergements_;
    QList<QCheckBox*> cases_;
    QList<QRadioButton*> sources_;
    QList<QCheckBox*> destinations_;
    QButtonGroup* groupeSources_ = nullptr;
    QWidget* liste_ = nullptr;
};

} // namespace velorin
