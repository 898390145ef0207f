#include "catalogue/CalculsSejour.h"

#include <algorithm>
#include <cmath>

namespace velorin::calculs {

namespace {

// The six parts of every amount, for the rules that treat them alike.
constexpr double TMontantsTVA::*parties[] = {&TMontantsTVA::HT1,  &TMontantsTVA::HT2,  &TMontantsTVA::TVA1,
                                             &TMontantsTVA::TVA2, &TMontantsTVA::TTC1, &TMontantsTVA::TTC2};

bool prendToutLePrix(double valeur, int typeRemise, const TMontantsTVA& total) {
    if (typeRemise == remise::Pourcentage) return valeur >= 100;
    return total.Total == 0;
}

} // namespace

TMontantsTVA prixProrata(const TMontantsTVA& tarif, int nbJours, int nuits, bool sansTVA) {
    const int jours = std::max(nbJours, 1);
    TMontantsTVA r;
    if (sansTVA) {
        r.HT1 = round2(tarif.Total / jours * nuits);
        r.TTC1 = r.HT1;
        r.Total = r.HT1;
        return r;
    }
    r.HT1 = round2(nuits * (tarif.HT1 / jours));
    r.HT2 = round2(nuits * (tarif.HT2 / jours));
    r.TVA1 = round2(nuits * (tarif.TVA1 / jours));
    r.TVA2 = round2(nuits * (tarif.TVA2 / jours));
    r.TTC1 = r.HT1 + r.TVA1;
    r.TTC2 = r.HT2 + r.TVA2;
    r.Total = r.TTC1 + r.TTC2;
    return r;
}

TNuitee nuitee(int idTarif, const TMontantsTVA& prix, int nuits) {
    TNuitee n;
    n.IdTarif = idTarif;
    if (nuits < 1) return n;
    n.PrixUnit = prix.Total / nuits;
    n.HT1 = prix.HT1 / nuits;
    n.HT2 = prix.HT2 / nuits;
    n.TVA1 = prix.TVA1 / nuits;
    n.TVA2 = prix.TVA2 / nuits;
    n.TTC1 = prix.TTC1 / nuits;
    n.TTC2 = prix.TTC2 / nuits;
    return n;
}

TMontantsTVA appliquerRemise(const TMontantsTVA& avant, double valeur, int typeRemise) {
    TMontantsTVA t = avant;
    if (typeRemise == remise::Pourcentage)
        t.Total = round2((1 - std::min(valeur, 100.0) / 100) * t.Total);
    else
        t.Total = t.Total - valeur;
    const double brut = t.TTC1 + t.TTC2;
    for (const auto partie : parties)
        t.*partie = brut != 0 ? round2(t.*partie * t.Total / brut) : 0.0;
    return t;
}

TMontantsTVA repartirRemise(const TMontantsTVA& total, const TMontantsTVA& avantRemise, double valeur,
                            int typeRemise) {
    TMontantsTVA d;
    if (prendToutLePrix(valeur, typeRemise, total)) {
        for (const auto partie : parties)
            d.*partie = round2(avantRemise.*partie);
    } else {
        // part × p / (100 − p), or part × amount / total, multiplied before dividing.
        const double diviseur = typeRemise == remise::Pourcentage ? 100 - valeur : total.Total;
        for (const auto partie : parties)
            d.*partie = round2(total.*partie * valeur / diviseur);
    }
    d.Total = d.TTC1 + d.TTC2;
    return d;
}

double commissionHebergement(const TCommission& commission, std::optional<double> montantSaisi, int nuits,
                             double totalHebergements) {
    switch (commission.ModeCalc) {
    case 0:
        return montantSaisi ? *montantSaisi : commission.ValeurCalc;
    case 1:
        return nuits * commission.ValeurCalc;
    case 2:
        return commission.ValeurCalc;
    case 3:
        return round2(commission.ValeurCalc * totalHebergements / 100);
    default:
        return 0;
    }
}

double commissionSurTotal(const TCommission& commission, double totalRemise) {
    return round2(totalRemise * commission.ValeurCalc / 100);
}

double calculerAcompte(const ReglesAcompte& regles, bool avecAcompte, double total) {
    if (!avecAcompte) return 0;
    if (regles.montantFixe) return regles.ArrhesDefaut;
    const double x = regles.PourcentAcompte * total / 100;
    switch (regles.ArrondiAcompte) {
    case 0:
        return round2(x);
    case 1:
        // Cut to the euro, past the noise of the computation only: 30.00 computed as
        // 29.999999... stays 30, while 29.997 gives 29.
        return std::trunc(x + (x >= 0 ? 1e-9 : -1e-9)) + 0.0;
    case 2:
        return arrondir(x, 0);
    default:
        return x;
    }
}

} // namespace velorin::calculs
