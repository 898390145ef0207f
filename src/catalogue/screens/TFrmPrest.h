#pragma once

#include "ui/T_FrmRecherchePI.h"

#include <QSqlRecord>

class QCheckBox;
class QFrame;
class QPushButton;
class QToolButton;

namespace velorin {

class TFrmPrestation;

// The catalogue list in one of its three modes: accommodations (0), services (1) or meals
// (2). As a list it adds, changes, deletes and orders the items of the kind, and copies
// tariffs between accommodations; in selection mode it returns the item chosen.
//
// Menu entries: new TFrmPrest(contexte, TFrmPrest::Hebergements) ... ->afficherEnfant().
// The reservation editor picks an item with the static Choisir... functions.
class TFrmPrest : public T_FrmRecherchePI {
    Q_OBJECT
public:
    enum Mode { Hebergements = 0, Prestations = 1, Repas = 2 };

    explicit TFrmPrest(ContexteEcrans& contexte, int mode, QWidget* parent = nullptr);

    int mode() const { return mode_; }
    static QString titre(int mode);

    // Selection mode of the mode: the Nom of an accommodation, the identifier of a service
    // or a meal (with the check box "Ajouter le repas sélectionné à tous les jours de la
    // réservation" for a meal).
    void EntrerSelection();
    // After "&Ok": the accommodation's name (empty when cancelled), the item's identifier
    // (-1 when cancelled), the meal check box.
    QString nomChoisi() const { return resultatTexte(); }
    int identifiantChoisi() const { return resultatEntier(); }
    bool repasTousLesJours() const;

    struct ChoixRepas {
        int Identifiant = -1;
        bool TousLesJours = false;
    };
    // The modal choices of the reservation editor.
    static QString ChoisirHebergement(ContexteEcrans& contexte, QWidget* parent);
    static int ChoisirPrestation(ContexteEcrans& contexte, QWidget* parent);
    static ChoixRepas ChoisirRepas(ContexteEcrans& contexte, QWidget* parent);

    // The accommodations changed: the plannings reload when the list closes.
    bool hebergementsModifies() const { return hebergementsModifies_; }

    void Ajouter() override;
    void Supprimer() override;
    // Moves the current item up (-1) or down (+1) in the display order.
    void Deplacer(int direction);
    // "&CopierTarifs": chooses a source and destinations, then copies.
    void CopierTarifs();
    // Opens the edit screen on the current item.
    void Modifier();

signals:
    // The edit screen is about to be shown (tests fill it in).
    void ficheOuverte(TFrmPrestation* fiche);

protected:
    void doubleClicGrille() override;
    void preparerAffichage() override;
    void enregistrerFermeture() override;

private:
    int identifiantCourant() const;
    bool editer(const QSqlRecord& ligne, bool nouveau);
    void selectionner(int identifiant);
    void etatBoutonsOrdre();

    int mode_;
    bool hebergementsModifies_ = false;
    QToolButton* btnOrdreHaut_ = nullptr;
    QToolButton* btnOrdreBas_ = nullptr;
    QPushButton* btnCopierTarifs_ = nullptr;
    QFrame* panelRepas_ = nullptr;
    QCheckBox* cbTousLesJours_ = nullptr;
};

} // namespace velorin
