#pragma once

#include "planning/TypesPlanning.h"

#include <QDate>
#include <QList>
#include <QString>

#include <array>
#include <optional>

namespace velorin {

class BaseDonnees;
class DMVelorin;
struct OptionsMemoire;

// The monthly planning data: what the planning shows and prints, computed from the tables
// at every call. Nothing is kept between calls, so a change made by another screen or
// another workstation shows at the next refresh; the window is read with a handful of range
// queries on indexed columns (never one per day or per cell).
//
// Options read from the in-memory options: AffRepas, MilieuSej, TxOccFerme, ModeCalcCA,
// CAAvecRes, DimCACom. Database errors are thrown (Erreur) for the calling screen to report,
// except CreerTableEditionPlanning, which shows its own message.
class DonneesPlanning {
public:
    explicit DonneesPlanning(DMVelorin& velorin);

    // 0 ordinary day, 1 public holiday or holiday period, 2 Saturday or Sunday.
    int TypeDeJour(const QDate& jour);

    // The current accommodations in display order, their days left blank.
    void ChargerListeHebergements(TListeChambres& liste);
    // The 45 days of one accommodation from debut.
    void ChargerPlanningChambre(int idPrest, const QDate& debut, TMoisPlan& jours);
    // The 45 days of every accommodation of the list from debut, in one pass.
    void ChargerPlanning(TListeChambres& liste, const QDate& debut);

    // Meals booked on each day of the window (sum of Repas.Nombre over all reservations).
    std::array<int, joursPlanning> NbRepasParJour(const QDate& debut);

    // The remark of a day, empty when none.
    QString LireRemarque(const QDate& jour);
    // The remarks of the 45 days of the window.
    std::array<QString, joursPlanning> LireRemarques(const QDate& debut);
    // Edits the day's row or appends one; an empty text is stored as an empty remark. A
    // text longer than the column is refused (Erreur) rather than cut.
    void EnregistrerRemarque(const QDate& jour, const QString& texte);

    // Totals of the month of premierDuMois (any day of the month is taken as its month) and
    // of its calendar year.
    TTotauxPlanning CalculerTotauxPlanning(const QDate& premierDuMois);

    // One redisplay of the planning: the days of every accommodation of the list, the
    // meals, the remarks, the booked accommodations per day, and the totals of the month
    // of debut and of the same month one year earlier.
    FenetrePlanning ChargerFenetre(TListeChambres& liste, const QDate& debut);

    // Builds the work table TmpEdPlan afresh for the period of the options, laid out in
    // parts of NbChambresParPartie accommodation columns, and fills liste with the
    // accommodations used. The table is written in one transaction: after a failure
    // (message "Erreur pendant la création de la table planning : ") no table is left,
    // rather than the rows of an earlier printout, and the result is false.
    bool CreerTableEditionPlanning(const TOptionsPlanning& options, TListeChambres& liste);

    // The years of the planning rows, then the current and the next year.
    QList<int> ListeAnnees();

    static QString tableEdition() { return QStringLiteral("TmpEdPlan"); }
    static constexpr int longueurRemarque = 250;

private:
    BaseDonnees& base();
    const OptionsMemoire& options() const;
    // Fills the days of the given accommodations (restricted to one when seule is set).
    void chargerJours(const QDate& debut, QList<TMoisChambre*> chambres, std::optional<int> seule);
    void creerTableEdition(const TOptionsPlanning& options, TListeChambres& liste);

    DMVelorin& velorin_;
};

} // namespace velorin
