#include "catalogue/MontantsTVA.h"

#include "app/Erreur.h"

#include <QString>

#include <cmath>
#include <cstdint>

namespace velorin {

double round2Produit(double a, double b) {
    const double approche = a * b;
    if (!std::isfinite(approche)) return approche;
    if (a == 0 || b == 0) return 0.0;
    // |a × b| = ma × mb / 2^decalage exactly, with ma, mb < 2^53; × 100 stays below 2^113.
    __extension__ using Entier128 = unsigned __int128;
    int ea = 0;
    int eb = 0;
    const auto ma = static_cast<std::uint64_t>(std::ldexp(std::frexp(std::fabs(a), &ea), 53));
    const auto mb = static_cast<std::uint64_t>(std::ldexp(std::frexp(std::fabs(b), &eb), 53));
    const int decalage = 106 - ea - eb;
    if (decalage <= 0) return approche; // a whole number already
    const Entier128 produit = Entier128(ma) * mb * 100u;
    Entier128 entier = 0;
    if (decalage < 128) {
        entier = produit >> decalage;
        const Entier128 reste = produit & ((Entier128(1) << decalage) - 1);
        const Entier128 moitie = Entier128(1) << (decalage - 1);
        if (reste > moitie || (reste == moitie && (entier & 1) != 0)) ++entier;
    }
    if (entier == 0) return 0.0;
    const double resultat = static_cast<double>(entier) / 100.0;
    return (a < 0) != (b < 0) ? -resultat : resultat;
}

double arrondir(double valeur, int decimales) {
    // Mantissa × 10^decimales must stay below 2^64: 2^53 × 1000 < 2^63.
    static constexpr std::uint64_t puissances[] = {1, 10, 100, 1000};
    if (decimales < 0 || decimales > 3)
        throw Erreur(u"Arrondi à %1 décimales non pris en charge."_qs.arg(decimales));
    if (!std::isfinite(valeur)) return valeur;
    if (valeur == 0) return 0.0;

    // |valeur| = mantisse / 2^decalage exactly, with mantisse < 2^53.
    int exposant = 0;
    const double fraction = std::frexp(std::fabs(valeur), &exposant);
    const auto mantisse = static_cast<std::uint64_t>(std::ldexp(fraction, 53));
    const int decalage = 53 - exposant;
    if (decalage <= 0) return valeur; // a whole number already

    // |valeur| × 10^decimales = produit / 2^decalage, still exact.
    const std::uint64_t produit = mantisse * puissances[decimales];
    std::uint64_t entier = 0;
    if (decalage < 64) {
        entier = produit >> decalage;
        const std::uint64_t reste = produit & ((std::uint64_t{1} << decalage) - 1);
        const std::uint64_t moitie = std::uint64_t{1} << (decalage - 1);
        if (reste > moitie || (reste == moitie && (entier & 1) != 0)) ++entier;
    }
    // else: produit < 2^63 <= half of 2^decalage, so it rounds to 0.
    if (entier == 0) return 0.0;

    // Dividing (rather than multiplying by 0.01) gives the double nearest to the decimal result,
    // the one a literal such as 2.67 denotes. Beyond 2^53 cents the cent is not representable.
    const double resultat = static_cast<double>(entier) / static_cast<double>(puissances[decimales]);
    return valeur < 0 ? -resultat : resultat;
}

double montantTVA(double ht, double taux) {
    return round2(ht * (taux / 100));
}

double montantHT(double ttc, double taux) {
    return round2(ttc / (taux / 100 + 1));
}

TMontantsTVA& TMontantsTVA::operator+=(const TMontantsTVA& autre) {
    HT1 += autre.HT1;
    HT2 += autre.HT2;
    TVA1 += autre.TVA1;
    TVA2 += autre.TVA2;
    TTC1 += autre.TTC1;
    TTC2 += autre.TTC2;
    Total += autre.Total;
    return *this;
}

namespace {

struct ColonnesPartie {
    QString ht, taux, tva, ttc;
};

ColonnesPartie colonnes(int partie) {
    if (partie == 1) return {u"HT1"_qs, u"Taux1"_qs, u"TVA1"_qs, u"TTC1"_qs};
    if (partie == 2) return {u"HT2"_qs, u"Taux2"_qs, u"TVA2"_qs, u"TTC2"_qs};
    throw Erreur(u"Partie de TVA inconnue : %1."_qs.arg(partie));
}

// A null column reads as 0.
double nombre(const QSqlRecord& ligne, const QString& colonne) {
    return ligne.value(colonne).toDouble();
}

void majPrix(QSqlRecord& ligne) {
    const double total = nombre(ligne, u"TTC1"_qs) + nombre(ligne, u"TTC2"_qs);
    if (ligne.contains(u"Prix"_qs)) ligne.setValue(u"Prix"_qs, total);
    if (ligne.contains(u"PrixUnit"_qs)) ligne.setValue(u"PrixUnit"_qs, total);
}

TMontantsTVA sommeLignes(const QList<QSqlRecord>& lignes, const QString& colonneQuantite, bool prestations) {
    TMontantsTVA somme;
    for (const QSqlRecord& ligne : lignes) {
        if (prestations && (ligne.value(u"TypePrest"_qs).toInt() != 1 || ligne.value(u"Offert"_qs).toBool()))
            continue;
        const double q = nombre(ligne, colonneQuantite);
        somme.HT1 += q * nombre(ligne, u"HT1"_qs);
        somme.HT2 += q * nombre(ligne, u"HT2"_qs);
        somme.TVA1 += q * nombre(ligne, u"TVA1"_qs);
        somme.TVA2 += q * nombre(ligne, u"TVA2"_qs);
        somme.TTC1 += q * nombre(ligne, u"TTC1"_qs);
        somme.TTC2 += q * nombre(ligne, u"TTC2"_qs);
    }
    somme.Total = round2(somme.TTC1 + somme.TTC2);
    return somme;
}

} // namespace

void calculerDepuisHT(QSqlRecord& ligne, int partie) {
    const ColonnesPartie c = colonnes(partie);
    const double ht = nombre(ligne, c.ht);
    const double tva = montantTVA(ht, nombre(ligne, c.taux));
    ligne.setValue(c.tva, tva);
    ligne.setValue(c.ttc, round2(ht + tva));
    majPrix(ligne);
}

void calculerDepuisTTC(QSqlRecord& ligne, int partie) {
    const ColonnesPartie c = colonnes(partie);
    const double ttc = nombre(ligne, c.ttc);
    const double ht = montantHT(ttc, nombre(ligne, c.taux));
    ligne.setValue(c.ht, ht);
    ligne.setValue(c.tva, round2(ttc - ht));
    majPrix(ligne);
}

void SaisieTVA::setTauxActuels(double taux1, double taux2) {
    taux1_ = taux1;
    taux2_ = taux2;
}

bool SaisieTVA::HTChange(QSqlRecord& ligne, int partie) const {
    if (cote_ != CoteSaisie::HT) return false;
    calculerDepuisHT(ligne, partie);
    return true;
}

bool SaisieTVA::TTCChange(QSqlRecord& ligne, int partie) const {
    if (cote_ != CoteSaisie::TTC) return false;
    calculerDepuisTTC(ligne, partie);
    return true;
}

bool SaisieTVA::saisirHT(QSqlRecord& ligne, int partie, const QVariant& valeur) const {
    ligne.setValue(colonnes(partie).ht, valeur);
    return HTChange(ligne, partie);
}

bool SaisieTVA::saisirTTC(QSqlRecord& ligne, int partie, const QVariant& valeur) const {
    ligne.setValue(colonnes(partie).ttc, valeur);
    return TTCChange(ligne, partie);
}

void SaisieTVA::AvecTVAAfterEdit(QSqlRecord& ligne) const {
    if (ligne.contains(u"SansTVA"_qs) && ligne.value(u"SansTVA"_qs).toBool()) {
        for (const QString& colonne : {u"Taux1"_qs, u"Taux2"_qs, u"TVA1"_qs, u"TVA2"_qs})
            ligne.setValue(colonne, 0.0);
        return;
    }
    if (ligne.isNull(u"Taux1"_qs)) ligne.setValue(u"Taux1"_qs, taux1_);
    if (ligne.isNull(u"Taux2"_qs)) ligne.setValue(u"Taux2"_qs, taux2_);
}

TMontantsTVA SommePrestations(const QList<QSqlRecord>& lignes) {
    return sommeLignes(lignes, u"Qte"_qs, true);
}

TMontantsTVA SommeRepas(const QList<QSqlRecord>& lignes) {
    return sommeLignes(lignes, u"Nombre"_qs, false);
}

} // namespace velorin
