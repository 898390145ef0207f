#pragma once

#include "catalogue/MontantsTVA.h"

#include <QDate>
#include <QList>
#include <QSqlRecord>
#include <QString>
#include <QTime>

#include <functional>
#include <optional>

namespace velorin {

class BaseDonnees;
class DMVelorin;
class Dialogues;

// States of a reservation and of its planning days (column Etat). Days in state 2 or 3 are
// occupied; "Libre" is never stored: saving a reservation as free deletes it.
struct EtatReservation {
    static constexpr int Fermee = 0;
    static constexpr int Libre = 1;
    static constexpr int Option = 2;
    static constexpr int Reserve = 3;

    static bool occupe(int etat) { return etat == Option || etat == Reserve; }
};

// One accommodation of a reservation. Loaded: the sums over the stay; saved: the values of
// one night.
struct LigneHebergement {
    int IdPrest = -1;
    int IdTarif = -1;
    double HT1 = 0;
    double HT2 = 0;
    double TVA1 = 0;
    double TVA2 = 0;
    double TTC1 = 0;
    double TTC2 = 0;
    double PrixUnit = 0;

    bool operator==(const LigneHebergement&) const = default;
};

// One meal line of a reservation.
struct LigneRepasReservation {
    QDate Jour;
    int IdPrest = -1;
    int Nombre = 0;
    double PrixUnit = 0;
    double PrixTot = 0;

    bool operator==(const LigneRepasReservation&) const = default;
};

// A reservation in memory, exchanged with the reservation editor. Dates: DateDeb is the first
// night, DateFin the last one (the guest leaves the day after); a null date is "none".
struct TReservation {
    int Identifiant = -1; // -1 until saved
    int IdContact = -1; // -1 for none
    QList<LigneHebergement> hebergements;
    QDate DateDeb;
    QDate DateFin;
    QDate DateSaisie;
    QDate DateEnvContrat;
    QDate DateRecContrat;
    QTime HeureArr;
    QTime HeureDep;
    QString Nom; // the guest's, also used to find the guest when saving
    QString Prenom;
    TMontantsTVA montants; // the stay after discount; Total is PrixTotal
    TMontantsTVA remise; // the six parts of the discount line (Total unused)
    double ValRemise = 0;
    int TypeRemise = 0; // 0 amount in euros, 1 percentage
    double Acompte = 0;
    double DejaPaye = 0;
    QString Remarque;
    int Etat = EtatReservation::Libre;
    int NbPers = 0;
    QList<LigneRepasReservation> repas;
    bool AvecAcompte = false;
    // Invoiced while the options block invoiced reservations, or ending on or before the
    // blocking date: shown, not changed.
    bool verrouillee = false;
    int IdReg = -1;
    QString NumFac;
    int IdCom = -1;
    double MontantCom = 0;
    // The entry key of the service and meal lines typed before the first save (see
    // LignesSejour); -1 for the lines older versions left.
    int CleLignes = -1;
};

// What the editor shows of a group of reservations invoiced together.
struct TTotauxRegroupement {
    double PrixTotal = 0;
    double DejaPaye = 0;
};

// Reservations and their planning days. A save and a deletion are each one transaction: a
// failure leaves the reservation, its planning days, lines, receipts and invoice as they were,
// and shows the operation's message.
class Reservations {
public:
    explicit Reservations(DMVelorin& dm);

    // The reservation n; Identifiant -1 (and the defaults of a new one) when it does not exist
    // or could not be read. Refreshes the reservation's rows of the work table TmpPlan.
    TReservation ChargerReservation(int identifiant);
    // Writes the reservation row, its planning rows (one per accommodation and night), its
    // discount line, and attaches the service and meal lines entered meanwhile. A night
    // already held by another reservation is taken over only where the availability rules
    // allow it. r.Identifiant is set for a new reservation. False with the message on failure.
    bool EnregistrerReservation(TReservation& r);
    // Deletes the reservation with its planning rows, lines, receipts and invoice, after
    // taking it out of its group. False with the message on failure.
    bool SupprimerReservation(int identifiant);

    // Checks the nights from dateDeb to dateFin of an accommodation for a reservation of the
    // guest idContact in the new state. Each refusal is appended to messages (each starting
    // with a line break); changes of state that need the user's word are asked for together,
    // and a refusal appends "Vous n'avez pas confirmé certaines actions.". The caller saves
    // only while messages stays empty. Note the order of the dates: last night first, as the
    // editor has always called it.
    void VerifierDisponibilite(
        int idPrest, int idContact, QString& messages, const QDate& dateFin, const QDate& dateDeb, int nouvelEtat);

    // "du <DateDeb> au <DateFin> - <Prenom> <Nom>"; empty when the reservation or its guest is missing.
    QString LibelleReservation(int identifiant);
    // Gives the reservation to another contact (the planning's reassignment).
    bool ReaffecterReservation(int identifiant, int idContact);
    // The reservation's row, for the screens that open the editor on it; empty when missing.
    QSqlRecord PositionnerReservation(int identifiant);
    // The totals of the group idReg; nothing when it does not exist or could not be read (shown).
    std::optional<TTotauxRegroupement> TotauxRegroupement(int idReg);

    // Recomputation of a group's totals after a member is saved or leaves it on deletion. The
    // group totals belong to invoicing, which installs its computation here; it runs inside
    // the saving or deleting transaction.
    std::function<void(int idReg)> recalculerGroupe;

private:
    BaseDonnees& base();
    Dialogues& dialogues();
    void RecalculerGroupe(int idReg);
    void ecrireReservation(TReservation& r);
    void ecrirePlanning(const TReservation& r);
    void ecrireLignes(const TReservation& r);
    void rafraichirTmpPlan(const TReservation& r);

    DMVelorin& dm_;
};

} // namespace velorin
