#pragma once

#include "catalogue/MontantsTVA.h"

#include <optional>

namespace velorin {

// The computations of a stay's price that need no table: the reservation editor and the
// reservation save reach them through Tarification, which reads what they need.

// Kind of a reservation's discount (TypeRemise).
namespace remise {
enum : int { Euros = 0, Pourcentage = 1 };
}

// The values a save stores on each planning row of an accommodation line: the stay's price
// spread evenly over its nights, unrounded.
struct TNuitee {
    int IdTarif = -1; // -1: the item's own price, or a closure
    double PrixUnit = 0;
    double HT1 = 0;
    double HT2 = 0;
    double TVA1 = 0;
    double TVA2 = 0;
    double TTC1 = 0;
    double TTC2 = 0;

    bool operator==(const TNuitee&) const = default;
};

// A commission type: calculation mode (ModeCalc, -1 for none) and value (ValeurCalc).
struct TCommission {
    int ModeCalc = -1;
    double ValeurCalc = 0;

    bool operator==(const TCommission&) const = default;
};

// The options that make the default deposit.
struct ReglesAcompte {
    bool montantFixe = false; // ModeArrhes 1: the fixed amount ArrhesDefaut
    double ArrhesDefaut = 0;
    double PourcentAcompte = 0;
    int ArrondiAcompte = 0; // 0 to the cent, 1 whole euro below, 2 nearest whole euro, else none
};

namespace calculs {

// Price of `nuits` nights under a price that covers `nbJours` nights: tarif holds the row's
// parts and its price in Total. A package is prorated (7 nights applied to 10 cost 10/7 of its
// price); each part is rounded to the cent and the gross parts are their sums. An item not
// subject to VAT gives its prorated price as an untaxed part 1. A package length below 1 (an
// empty column of older data) counts as 1.
TMontantsTVA prixProrata(const TMontantsTVA& tarif, int nbJours, int nuits, bool sansTVA);

// The stay's price spread over its nights.
TNuitee nuitee(int idTarif, const TMontantsTVA& prix, int nuits);

// Discount applied to the undiscounted total T (its Total already rounded): a percentage
// gives round2((1 - p / 100) × Total), an amount Total - p (not rounded, below zero when it
// exceeds the total); then every part is scaled by the new total over the gross total before
// discount, or becomes 0 when that gross total is 0. A percentage of 100 or more takes the
// whole price: total and parts 0.
TMontantsTVA appliquerRemise(const TMontantsTVA& avant, double valeur, int typeRemise);

// The parts of the discount line, as positive amounts (the line stores them negated), from
// the discounted total T and the total before discount:
// - amount: each part of T × p / T.Total;
// - percentage: each part of T × p / (100 - p), which is the part taken off.
// When nothing is left to scale (a percentage of 100 or more, or an amount equal to the
// total) the discount took the whole undiscounted price, and the parts are those of the
// total before discount.
TMontantsTVA repartirRemise(const TMontantsTVA& total, const TMontantsTVA& avantRemise, double valeur,
                            int typeRemise);

// Commission before the discount: mode 0 the typed amount (else the value), 1 the value per
// night, 2 the value, 3 a percentage of the accommodations; -1, 4 (taken on the discounted
// total, see commissionSurTotal) and any other mode give 0.
double commissionHebergement(const TCommission& commission, std::optional<double> montantSaisi, int nuits,
                             double totalHebergements);
// Mode 4: a percentage of the discounted total.
double commissionSurTotal(const TCommission& commission, double totalRemise);

// Deposit asked on a total: 0 when none is asked, the fixed amount in that mode, else the
// percentage of the total rounded as the options say.
double calculerAcompte(const ReglesAcompte& regles, bool avecAcompte, double total);

} // namespace calculs
} // namespace velorin
