#pragma once

#include <QList>
#include <QSqlRecord>
#include <QVariant>

namespace velorin {

// Every price is split over two VAT rates. A row that carries an amount has the eight columns
// HT1, HT2 (net), Taux1, Taux2 (rates in percent), TVA1, TVA2 (VAT), TTC1, TTC2 (gross) beside
// its total; the rules below keep them consistent whichever side the user types.

// Rounds to `decimales` decimals (0 to 3) from the exact binary value of the double: only a
// value that is exactly half-way goes to the even digit, any other goes the way its binary
// value lies (2.675 is stored a little below the half and gives 2.67, 12.345 a little above
// and gives 12.35). Negative values round symmetrically; a result of zero is +0. Throws Erreur
// for another number of decimals.
double arrondir(double valeur, int decimales);
// Rounding to the cent used everywhere in pricing.
inline double round2(double valeur) {
    return arrondir(valeur, 2);
}
// round2 of the exact product a × b, not of the double nearest to it: 18.18 × 1.25 lies just
// below 22.725 and gives 22.72, where the product as a double lies just above and would give
// 22.73.
double round2Produit(double a, double b);

// VAT of a net amount: round2(ht × (taux / 100)). The rate is divided first: 45.45 at 10 %
// gives 4.55 (45.45 × 0.1 lies above 4.545), where 45.45 × 10 / 100 would give 4.54.
double montantTVA(double ht, double taux);
// Net part of a gross amount: round2(ttc / (taux / 100 + 1)).
double montantHT(double ttc, double taux);

// The six parts and the total of an amount, in memory. It carries no rates.
struct TMontantsTVA {
    double HT1 = 0;
    double HT2 = 0;
    double TVA1 = 0;
    double TVA2 = 0;
    double TTC1 = 0;
    double TTC2 = 0;
    double Total = 0;

    // Field by field.
    TMontantsTVA& operator+=(const TMontantsTVA& autre);
    friend TMontantsTVA operator+(TMontantsTVA a, const TMontantsTVA& b) { return a += b; }
    bool operator==(const TMontantsTVA&) const = default;
    // All seven to 0.
    void effacer() { *this = TMontantsTVA{}; }
};

// The side of the amounts the user is typing: net (HT) or gross (TTC).
enum class CoteSaisie { HT, TTC };

// The entry rules work on the row being edited (the caller has put it in edit state and
// writes it back). Column names are those of the tables; a null rate or amount counts as 0
// and a column the rules do not compute keeps its value, null included. `partie` is 1 or 2
// (anything else throws Erreur). When the row has a column Prix (Prestation, Tarifs) or
// PrixUnit (service, meal and voucher lines, planning), it is set to TTC1 + TTC2.

// Net part n typed: TVAn = montantTVA(HTn, Tauxn), TTCn = round2(HTn + TVAn).
void calculerDepuisHT(QSqlRecord& ligne, int partie);
// Gross part n typed: HTn = montantHT(TTCn, Tauxn), TVAn = round2(TTCn − HTn).
void calculerDepuisTTC(QSqlRecord& ligne, int partie);

// What the entry rules need from the data module: the entry side and the current rates (the
// Options record's Taux1 and Taux2). The data module holds one.
class SaisieTVA {
public:
    SaisieTVA() = default;
    SaisieTVA(double taux1, double taux2)
        : taux1_(taux1)
        , taux2_(taux2) {}

    double tauxActuel1() const { return taux1_; }
    double tauxActuel2() const { return taux2_; }
    void setTauxActuels(double taux1, double taux2);

    // Starts on the gross side. Entering an HT field of a VAT frame selects net, entering a
    // TTC field selects gross.
    CoteSaisie cote() const { return cote_; }
    void setCote(CoteSaisie cote) { cote_ = cote; }

    // Field HTn changed: recomputes the part when the entry side is net, else does nothing.
    // Returns whether the row was recomputed. The two rules never trigger each other.
    bool HTChange(QSqlRecord& ligne, int partie) const;
    // Field TTCn changed: recomputes the part when the entry side is gross.
    bool TTCChange(QSqlRecord& ligne, int partie) const;
    // Writes HTn (or TTCn) as typed, then runs the matching rule.
    bool saisirHT(QSqlRecord& ligne, int partie, const QVariant& valeur) const;
    bool saisirTTC(QSqlRecord& ligne, int partie, const QVariant& valeur) const;

    // Rates of a row opened for change. A Prestation row (the only table with SansTVA) that is
    // not subject to VAT gets Taux1, Taux2, TVA1 and TVA2 = 0 and nothing else; any other row
    // gets the current rate in a null Taux1 or Taux2, rates already present being kept.
    void AvecTVAAfterEdit(QSqlRecord& ligne) const;

private:
    double taux1_ = 0;
    double taux2_ = 0;
    CoteSaisie cote_ = CoteSaisie::TTC;
};

// Operations that write net parts themselves select the net side for their work and come
// back to the gross side afterwards, also when they fail.
class SaisieNette {
public:
    explicit SaisieNette(SaisieTVA& saisie)
        : saisie_(saisie) {
        saisie_.setCote(CoteSaisie::HT);
    }
    ~SaisieNette() { saisie_.setCote(CoteSaisie::TTC); }
    SaisieNette(const SaisieNette&) = delete;
    SaisieNette& operator=(const SaisieNette&) = delete;

private:
    SaisieTVA& saisie_;
};

// Amounts of the extra services of a stay (PrestCompl rows): each line of kind 1 (TypePrest)
// not given free (Offert) adds Qte × each of its six parts; lines of another kind (the
// discount line) and free lines are left out. The parts are exact sums of the products; only
// Total = round2(TTC1 + TTC2) is rounded.
TMontantsTVA SommePrestations(const QList<QSqlRecord>& lignes);
// Amounts of the meals of a stay (Repas rows): the same with Nombre, every line counted.
TMontantsTVA SommeRepas(const QList<QSqlRecord>& lignes);

} // namespace velorin
