#pragma once

#include <QDate>
#include <QList>
#include <QString>

#include <array>

namespace velorin {

// Planning-day states, as stored in Planning.Etat and Reservation.Etat. A day without a
// planning row is free; "Libre" is never stored.
namespace etats {
inline constexpr int Fermee = 0;
inline constexpr int Libre = 1;
inline constexpr int Option = 2;
inline constexpr int Reserve = 3;
} // namespace etats

// Day kinds of the planning (background colour of a cell).
namespace typesJour {
inline constexpr int Ordinaire = 0;
inline constexpr int Ferie = 1;
inline constexpr int WeekEnd = 2;
// Only the planning window and the period table set it: a meal is booked that day for the
// reservation holding the cell.
inline constexpr int AvecRepas = 3;
} // namespace typesJour

// The planning shows 45 consecutive days.
inline constexpr int joursPlanning = 45;

// One accommodation on one day of the window.
struct TJourPlan {
    QDate Jour;
    int Etat = etats::Libre;
    int IdReservation = 0; // 0 when free
    QString NomJour;       // "Lu" … "Di"
    QString NomHote;       // guest's Nom, or Prenom when Nom is empty; only on held days
    int TypeJour = typesJour::Ordinaire;
    int CouleurPrest = -1; // colour of a coloured service of the stay, -1 when none
    bool ContratRecu = true;
    int NbPers = 0;
    bool Solde = false;            // DejaPaye equals PrixTotal exactly
    bool ContratNonEnvoye = false; // DateEnvContrat empty
    int IdReg = 0;                 // group of reservations invoiced together
    bool MilieuSejour = false;

    bool operator==(const TJourPlan&) const = default;
};

// Element i is the window's first day + i.
using TMoisPlan = std::array<TJourPlan, joursPlanning>;

// One accommodation over the window.
struct TMoisChambre {
    int Identifiant = 0;
    QString Nom;
    int Capacite = 0;
    TMoisPlan Jours{};
    int Couleur = -1; // Prestation.Couleur when AffCouleur is set and a colour is stored
    bool DansPourcent = false; // counted in the occupancy figures

    bool operator==(const TMoisChambre&) const = default;
};

// The accommodations in display order (NumOrdre).
using TListeChambres = QList<TMoisChambre>;

// Month and year totals shown above the planning.
struct TTotauxPlanning {
    int TotNuitMois = 0; // booked nights of the counted accommodations
    int TotNuitAn = 0;
    int PosNuitMois = 0; // possible nights
    int PosNuitAn = 0;
    int NbRepMois = 0;
    int NbRepAn = 0;
    double PourMois = 0; // occupancy in percent, not rounded
    double PourAn = 0;
    double CAMois = 0; // estimated turnover
    double CAAn = 0;
    double DejaPMois = 0; // already paid
    double DejaPAn = 0;
    double ComMois = 0; // commissions
    double ComAn = 0;

    bool operator==(const TTotauxPlanning&) const = default;
};

// Options of the period table and of the printouts and web pages built on it.
struct TOptionsPlanning {
    QDate DateDeb;
    QDate DateFin;
    bool Apercu = false;
    bool Portrait = false;
    bool Anonyme = false;
    bool Observations = false; // the day remarks as a last column
    bool AvecCapacite = false;
    int NbChambresParPartie = -1; // accommodation columns per part, -1 for all in one part
    QString Mails;
};

// Everything one redisplay of the planning screen needs besides the accommodations' days.
struct FenetrePlanning {
    QDate Debut;
    std::array<int, joursPlanning> Repas{};           // meals per day (all reservations)
    std::array<QString, joursPlanning> Remarques{};   // the day remarks
    std::array<int, joursPlanning> ChambresReservees{}; // accommodations in state "Réservé"
    TTotauxPlanning Totaux;                            // month of Debut
    TTotauxPlanning TotauxAnneePrecedente;             // the same month one year earlier
};

} // namespace velorin
