#pragma once

#include "catalogue/MontantsTVA.h"
#include "catalogue/Tarification.h"
#include "reservations/Reservations.h"
#include "store/Disposition.h"
#include "ui/ContexteEcrans.h"

#include <QDate>
#include <QList>
#include <QSqlRecord>
#include <QWidget>

#include <functional>
#include <optional>

class QCheckBox;
class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QScrollArea;
class QTableWidget;
class QToolButton;

namespace velorin {

class ChampDate;
class DMVelorin;
class Dialogues;
class GrilleLignes;
class ModeleLignesSejour;
class PanneauRepliable;
class SaisieEntier;
class SaisieHeure;
class SaisieMontant;

// The meal chosen to be added to a stay, and whether it goes on every day of it.
struct ChoixRepas {
    int idPrest = -1;
    bool tousLesJours = false;
};

// The reservation editor: the frame on which a reservation is entered, priced, checked and
// saved. The reservation window shows it alone; the planning docks it beside its grid.
//
// A hosting screen opens a reservation with NouvelleReservation (nights and accommodations
// chosen on the planning) or OuvrirReservation (an existing one), and closes it with Fermer
// (saved first when changed) or Abandonner. The frame holds no data beyond what it shows: the
// reservation is read and written by the data module, service and meal lines are written as
// they are typed. Every save sends WMActualiserPlanning to the main window.
//
// The guest, catalogue, price detail and payment screens belong to other parts of the
// program: the frame reaches them through the std::function members below, which the
// hosting program sets (each has a plain default).
class TCadreReserv : public QWidget {
    Q_OBJECT
public:
    explicit TCadreReserv(ContexteEcrans& contexte, QWidget* parent = nullptr);
    ~TCadreReserv() override;

    // ---- Opening and closing

    // A new reservation on the nights from dateDeb to dateFin (the last night) of the
    // accommodations: each line gets the first tariff offered and its price; the times are the
    // usual ones of the options. Lines left by an abandoned entry are forgotten first.
    void NouvelleReservation(const QDate& dateDeb, const QDate& dateFin, const QList<int>& hebergements);
    // Loads and shows the reservation; false (and an empty new reservation) when it could not
    // be read. Lines left by an abandoned entry are forgotten first.
    bool OuvrirReservation(int identifiant);
    // Puts a reservation on screen as it is; clears the modified mark.
    void AfficherReservation(const TReservation& r);
    // An empty new reservation ("Libre", deposit flag of the options), the lines left by an
    // abandoned entry forgotten first.
    void ReservationVide();
    // When the reservation was changed: validates and saves it. True when nothing is left to
    // save; false when it was refused (the reasons were shown) or could not be saved.
    bool EnregistrerSiModifiee();
    // EnregistrerSiModifiee, then tells the hosting screen the frame is done (fermee).
    bool Fermer();
    // Drops what was not saved: service and meal lines of a new reservation are deleted,
    // those of an existing one stay as typed (they are written as they are typed).
    void Abandonner();

    // ---- Operations called by the hosting screens

    void DefinirReservation(int identifiant) { reservation_ = identifiant; }
    int reservationCourante() const { return reservation_; }
    bool modifiee() const { return modifiee_; }
    bool verrouillee() const { return verrouillee_; }
    // Recomputes the price, VAT, commission, deposit and amount due from what is on screen.
    void RecalculerTotal();
    // Checks the screen; shows the reasons and returns false when it cannot be saved.
    bool ValiderReservation();
    // Saves what is on screen (deletes the reservation when its state is "Libre"), without
    // checking it first; false when the data module refused it.
    bool EnregistrerSaisie();
    // 0: the panels stacked (docked at a side of the planning); 1: side by side (docked above
    // or below it, and the reservation window).
    void ChoisirDisposition(int disposition);
    int disposition() const { return disposition_; }
    void AfficherRepas(bool afficher);
    // Fills "Copie à" and "Commission".
    void RemplirListes();

    // Widths of the accommodation list and of the two line grids, for the layout store.
    QList<TLargeurCol> largeursColonnes() const;
    void appliquerLargeurs(const QList<TLargeurCol>& largeurs);
    // Heights of the reservation, meals and services panels, 0 for a folded one, for the
    // layout store; applied back as folded (0) or open (above 0), -1 leaving a panel as it is.
    QList<int> hauteursPanneaux() const;
    void appliquerHauteursPanneaux(const QList<int>& hauteurs);

    // Document choices, for the contract, invoice and mail screens.
    bool apercu() const;
    QString copieA() const;

    // ---- Screens of other parts of the program

    // The guest search: with both names empty, the guest list in selection mode; with a name
    // that matches no contact, a choice among the guests near it or the creation of one from
    // it. The chosen guest's identifier, or -1. Default: the contact of that name, if any.
    std::function<int(const QString& nom, const QString& prenom)> choisirHote;
    // The edit screen of an existing guest; true when it was confirmed. Default: nothing.
    std::function<bool(int idContact)> modifierHote;
    // The creation screen of a guest typed in the editor, with the names filled in; true when
    // it was confirmed, with the names as finally typed. Default: the guest is stored as typed.
    std::function<bool(QString& nom, QString& prenom)> creerHote;
    // An item of the catalogue of that kind (accommodations, services) chosen by name; -1.
    // Default: a plain list of the items' names.
    std::function<int(int typePrest)> choisirArticle;
    // A meal of the catalogue and the box "Ajouter le repas sélectionné à tous les jours de
    // la réservation". Default: the same plain list with the box.
    std::function<std::optional<ChoixRepas>()> choisirRepas;
    // The VAT detail dialog on a service or meal line (a row of PrestCompl or Repas): true
    // when its price was changed (the frame writes it). Default: the detail shown, no change.
    std::function<bool(QSqlRecord& ligne)> detailPrixLigne;
    // The VAT detail dialog on fixed amounts (the stay's total). Default: shown as a message.
    std::function<void(const TMontantsTVA& montants)> detailMontants;
    // The payments dialog of the ledger for a saved reservation, opened with a proposed
    // amount; the new amount paid, or nothing when cancelled. While it is not set the
    // payment button stays disabled.
    std::function<std::optional<double>(int idReservation, double montantPropose)> saisirPaiements;

    // The payment entry, behind its button; public for hosting screens.
    void SaisirPaiements();

signals:
    void reservationEnregistree(int identifiant);
    void reservationSupprimee(int identifiant);
    // Fermer or Abandonner finished: the hosting screen may close or hide the frame.
    void fermee();

protected:
    void showEvent(QShowEvent* evenement) override;

private:
    // An accommodation line of the list.
    struct LigneHeb {
        int idPrest = -1;
        TLigneHebergement ligne;
    };

    // ---- Construction (TCadreReserv.cpp)
    void construire();
    QWidget* construirePanneauHote();
    QWidget* construirePanneauHebergements();
    QWidget* construirePanneauRepas();
    QWidget* construirePanneauPrestations();
    QWidget* construirePanneauContrat();
    void placerPanneaux();
    void disposerContrat(int paires);
    void connecter();
    void ordreTabulation();
    void appliquerVerrou();
    void afficherLignesHebergement();
    void afficherLigneHebergement(int ligne);
    void viderEcran();

    // ---- Entry (TCadreReservSaisie.cpp)
    void marquerModifiee();
    void nomsTapes();
    void rechercherHote();
    void afficherHote(int idContact);
    void dateDebModifiee();
    void dateFinModifiee();
    void datesModifiees();
    void tariferToutesLesLignes();
    void selectionHebergementsChangee();
    void choisirTarifLigne(int ligne, bool forcer);
    void changerTarif();
    void ajouterHebergement();
    void supprimerHebergement();
    void ajouterPrestation();
    void supprimerPrestation();
    void ajouterRepas();
    void supprimerRepas();
    void detailPrestation();
    void detailRepas();
    void detailTotal();
    void rechargerPrestations();
    void rechargerRepas();
    bool enregistrerLignePrestation(QSqlRecord& ligne);
    // IdReservation of the lines on screen: the reservation's, or the entry key of a new one
    // (taken at the first line written).
    int cleLignes() const;
    int cleLignesPourEcrire();
    // Deletes the lines typed for a new reservation that will not be saved.
    void oublierLignesSaisies();
    bool enregistrerLigneRepas(QSqlRecord& ligne);
    int nombrePersonnes() const;
    int nombreNuits() const;
    QDate jourRepasUnique() const;
    QList<QDate> joursSejour() const;
    TDonneesSejour donneesSejour() const;
    int etatChoisi() const;
    int etatParDefaut() const;
    QString commissionChoisie() const;

    // ---- Checking and saving (TCadreReservEnregistrement.cpp)
    TReservation reservationEcran();
    void afficherReservationVide();

    void installerEcransParDefaut();

    ContexteEcrans& contexte_;
    DMVelorin& dm_;
    Dialogues& dialogues_;

    // State
    int reservation_ = -1;
    // The entry key of the lines typed for a new reservation (see LignesSejour), 0 until the
    // first one.
    int cleSaisie_ = 0;
    bool chargement_ = false;
    bool modifiee_ = false;
    bool verrouillee_ = false;
    bool enregistrement_ = false;
    int disposition_ = -1;
    int idReg_ = -1;
    TMontantsTVA totaux_;
    TMontantsTVA avantRemise_;
    QList<LigneHeb> lignes_;
    int ligneTarif_ = -1; // the line whose offered tariffs "Tarif" shows

    // Panels
    QScrollArea* defilement_ = nullptr;
    QWidget* page_ = nullptr;
    PanneauRepliable* panneauHote_ = nullptr;
    PanneauRepliable* panneauHebergements_ = nullptr;
    PanneauRepliable* panneauRepas_ = nullptr;
    PanneauRepliable* panneauPrestations_ = nullptr;
    PanneauRepliable* panneauContrat_ = nullptr;
    bool repasAffiches_ = true;

    // "Réservation pour"
    QLineEdit* edNom_ = nullptr;
    QLineEdit* edPrenom_ = nullptr;
    QToolButton* btnRechercherHote_ = nullptr;
    SaisieEntier* edNbPers_ = nullptr;
    QLineEdit* edLangue_ = nullptr;
    ChampDate* edDateDeb_ = nullptr;
    SaisieHeure* edHeureArr_ = nullptr;
    ChampDate* edDateFin_ = nullptr;
    SaisieHeure* edHeureDep_ = nullptr;
    QComboBox* cbEtat_ = nullptr;
    QPlainTextEdit* edRemarques_ = nullptr;

    // "Hébergements"
    QPushButton* btnAjouterHebergement_ = nullptr;
    QPushButton* btnSupprimerHebergement_ = nullptr;
    QTableWidget* listeHebergements_ = nullptr;
    QComboBox* cbTarif_ = nullptr;

    // "Repas" and "Autres prestations"
    GrilleLignes* grilleRepas_ = nullptr;
    ModeleLignesSejour* modeleRepas_ = nullptr;
    QPushButton* btnAjouterRepas_ = nullptr;
    QPushButton* btnSupprimerRepas_ = nullptr;
    QToolButton* btnDetailRepas_ = nullptr;
    GrilleLignes* grillePrestations_ = nullptr;
    ModeleLignesSejour* modelePrestations_ = nullptr;
    QPushButton* btnAjouterPrestation_ = nullptr;
    QPushButton* btnSupprimerPrestation_ = nullptr;
    QToolButton* btnDetailPrestation_ = nullptr;

    // "Contrat de réservation, prix"
    SaisieMontant* edPrixTotal_ = nullptr;
    SaisieMontant* edDontTVA_ = nullptr;
    QToolButton* btnDetailTTC_ = nullptr;
    SaisieMontant* edRemise_ = nullptr;
    QComboBox* cbTypeRemise_ = nullptr;
    QCheckBox* cbAvecArrhes_ = nullptr;
    SaisieMontant* edAcompte_ = nullptr;
    SaisieMontant* edDejaPaye_ = nullptr;
    QPushButton* btnPaiements_ = nullptr;
    SaisieMontant* edResteDu_ = nullptr;
    ChampDate* edDateSaisie_ = nullptr;
    ChampDate* edDateEdition_ = nullptr;
    ChampDate* edDateConfirmation_ = nullptr;
    QLineEdit* edNumFacture_ = nullptr;
    QComboBox* cbCommission_ = nullptr;
    SaisieMontant* edMontantCom_ = nullptr;
    QComboBox* cbCopieA_ = nullptr;
    QCheckBox* cbApercu_ = nullptr;
    QPushButton* btnEditions_ = nullptr;
    QLabel* lbVerrou_ = nullptr;
    QWidget* panelRegroupement_ = nullptr;
    QList<QPair<QWidget*, QWidget*>> champsContrat_; // caption, field
    QWidget* legendeCopieA_ = nullptr;
    QWidget* documents_ = nullptr;
    QLineEdit* edRegPrixTotal_ = nullptr;
    QLineEdit* edRegDejaPaye_ = nullptr;
    QLineEdit* edRegResteDu_ = nullptr;
};

} // namespace velorin
