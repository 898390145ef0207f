#include "app/Erreur.h"
#include "catalogue/MontantsTVA.h"

#include <QSqlField>

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <stdexcept>
#include <utility>

using namespace velorin;

namespace {

// A row of a table with the given columns, all of them floating-point (null when the value is
// invalid) except the Booleans and integers given as such.
QSqlRecord ligne(std::initializer_list<std::pair<const char*, QVariant>> champs) {
    QSqlRecord r;
    for (const auto& [nom, valeur] : champs) {
        QSqlField champ(QString::fromLatin1(nom),
                        valeur.isValid() ? valeur.metaType() : QMetaType::fromType<double>());
        if (valeur.isValid()) champ.setValue(valeur);
        r.append(champ);
    }
    return r;
}

const double nul = std::nan("");

enum class Op { Arrondi2, Arrondi0, SaisieHT, SaisieTTC };

// One case: a rounding, or a value typed into part `partie` of a row whose other part holds
// HT 10, TVA 2, TTC 12 at 20 % and whose typed part holds stale amounts (HT 1, TVA 0.1,
// TTC 1.1), so that what a rule leaves alone shows.
struct Cas {
    const char* libelle;
    Op op;
    double valeur;                     // rounded, or typed
    double resultat = 0;               // rounding result
    double taux = 0;                   // rate of the typed part; nul = null column
    CoteSaisie cote = CoteSaisie::TTC; // side selected while typing
    int partie = 1;
    const char* colonnePrix = "Prix";          // Prix, PrixUnit, or nullptr for neither
    double ht = 0, tva = 0, ttc = 0, prix = 0; // the typed part afterwards, and the price
};

const Cas cas[] = {
    // Rounding to the cent from the exact binary value; true halves to the even cent.
    {"2.675 est sous la moitié", Op::Arrondi2, 2.675, 2.67},
    {"0.125 moitié exacte, cent pair", Op::Arrondi2, 0.125, 0.12},
    {"0.025 est au-dessus de la moitié", Op::Arrondi2, 0.025, 0.03},
    {"1.005 est sous la moitié", Op::Arrondi2, 1.005, 1.00},
    {"12.345 est au-dessus de la moitié", Op::Arrondi2, 12.345, 12.35},
    {"99.995 passe à 100", Op::Arrondi2, 99.995, 100.00},
    {"1.375 moitié exacte, cent pair supérieur", Op::Arrondi2, 1.375, 1.38},
    {"0.005 est au-dessus de la moitié", Op::Arrondi2, 0.005, 0.01},
    {"45.45 × 0.1 est au-dessus de 4.545", Op::Arrondi2, 45.45 * 0.1, 4.55},
    {"négatif symétrique -2.675", Op::Arrondi2, -2.675, -2.67},
    {"négatif symétrique -0.125", Op::Arrondi2, -0.125, -0.12},
    {"négatif symétrique -12.345", Op::Arrondi2, -12.345, -12.35},
    {"négatif symétrique -0.025", Op::Arrondi2, -0.025, -0.03},
    {"déjà au cent", Op::Arrondi2, 1234.56, 1234.56},
    {"moins d'un demi-cent négatif donne 0", Op::Arrondi2, -0.004, 0.0},
    {"zéro", Op::Arrondi2, 0.0, 0.0},
    // Whole euros (deposits): 30 % of 155 is 46.5, a true half.
    {"46.5 à l'euro pair", Op::Arrondi0, 155 * 30.0 / 100, 46},
    {"47.5 à l'euro pair", Op::Arrondi0, 47.5, 48},
    {"2.5 à l'euro pair", Op::Arrondi0, 2.5, 2},
    {"0.5 à l'euro pair", Op::Arrondi0, 0.5, 0},
    {"-46.5 symétrique", Op::Arrondi0, -46.5, -46},
    {"46.51 au-dessus", Op::Arrondi0, 46.51, 47},
    {"46.49 au-dessous", Op::Arrondi0, 46.49, 46},

    // Net side typed.
    {"HT1 45.45 à 10 %", Op::SaisieHT, 45.45, 0, 10, CoteSaisie::HT, 1, "Prix", 45.45, 4.55, 50.00, 62.00},
    {"HT1 45.45 à 10 %, PrixUnit", Op::SaisieHT, 45.45, 0, 10, CoteSaisie::HT, 1, "PrixUnit", 45.45, 4.55,
     50.00, 62.00},
    {"HT2 45.45 à 10 %", Op::SaisieHT, 45.45, 0, 10, CoteSaisie::HT, 2, "Prix", 45.45, 4.55, 50.00, 62.00},
    {"HT1 100 à 5.5 %", Op::SaisieHT, 100, 0, 5.5, CoteSaisie::HT, 1, "Prix", 100, 5.50, 105.50, 117.50},
    {"HT1 négatif", Op::SaisieHT, -45.45, 0, 10, CoteSaisie::HT, 1, "Prix", -45.45, -4.55, -50.00, -38.00},
    {"HT1 à taux 0", Op::SaisieHT, 45.45, 0, 0, CoteSaisie::HT, 1, "Prix", 45.45, 0, 45.45, 57.45},
    {"HT1 à taux nul", Op::SaisieHT, 45.45, 0, nul, CoteSaisie::HT, 1, "Prix", 45.45, 0, 45.45, 57.45},
    {"HT1 nul compte 0", Op::SaisieHT, nul, 0, 10, CoteSaisie::HT, 1, "Prix", nul, 0, 0, 12.00},
    {"HT1 sans colonne de prix", Op::SaisieHT, 45.45, 0, 10, CoteSaisie::HT, 1, nullptr, 45.45, 4.55, 50.00,
     0},
    {"HT1 côté TTC : rien d'autre ne change", Op::SaisieHT, 45.45, 0, 10, CoteSaisie::TTC, 1, "Prix", 45.45,
     0.1, 1.1, 13.1},

    // Gross side typed.
    {"TTC1 100 à 5.5 %", Op::SaisieTTC, 100, 0, 5.5, CoteSaisie::TTC, 1, "Prix", 94.79, 5.21, 100, 112},
    {"TTC2 100 à 5.5 %, PrixUnit", Op::SaisieTTC, 100, 0, 5.5, CoteSaisie::TTC, 2, "PrixUnit", 94.79, 5.21,
     100, 112},
    {"TTC1 50 à 10 %", Op::SaisieTTC, 50, 0, 10, CoteSaisie::TTC, 1, "Prix", 45.45, 4.55, 50, 62},
    {"TTC1 700 à 10 %", Op::SaisieTTC, 700, 0, 10, CoteSaisie::TTC, 1, "Prix", 636.36, 63.64, 700, 712},
    {"TTC1 négatif", Op::SaisieTTC, -100, 0, 5.5, CoteSaisie::TTC, 1, "Prix", -94.79, -5.21, -100, -88},
    {"TTC1 à taux 0", Op::SaisieTTC, 45.45, 0, 0, CoteSaisie::TTC, 1, "Prix", 45.45, 0, 45.45, 57.45},
    {"TTC1 à taux nul", Op::SaisieTTC, 45.45, 0, nul, CoteSaisie::TTC, 1, "Prix", 45.45, 0, 45.45, 57.45},
    {"TTC1 côté HT : rien d'autre ne change", Op::SaisieTTC, 100, 0, 5.5, CoteSaisie::HT, 1, "Prix", 1, 0.1,
     100, 13.1},
};

QVariant valeurOuNul(double v) {
    return std::isnan(v) ? QVariant(QMetaType::fromType<double>()) : QVariant(v);
}

void verifierColonne(const QSqlRecord& r, const char* colonne, double attendu, const char* libelle) {
    if (std::isnan(attendu))
        EXPECT_TRUE(r.isNull(QString::fromLatin1(colonne))) << libelle << " " << colonne;
    else
        EXPECT_EQ(r.value(QString::fromLatin1(colonne)).toDouble(), attendu) << libelle << " " << colonne;
}

} // namespace

TEST(MontantsTVA, ArrondisEtSaisiesDesDeuxCotes) {
    for (const Cas& c : cas) {
        if (c.op == Op::Arrondi2 || c.op == Op::Arrondi0) {
            const double r = c.op == Op::Arrondi2 ? round2(c.valeur) : arrondir(c.valeur, 0);
            EXPECT_EQ(r, c.resultat) << c.libelle;
            EXPECT_FALSE(std::signbit(r) && r == 0) << c.libelle << " : zéro négatif";
            continue;
        }
        const bool un = c.partie == 1;
        const char* ht = un ? "HT1" : "HT2";
        const char* tva = un ? "TVA1" : "TVA2";
        const char* ttc = un ? "TTC1" : "TTC2";
        const char* taux = un ? "Taux1" : "Taux2";
        QSqlRecord r = ligne({{ht, 1.0},
                              {un ? "HT2" : "HT1", 10.0},
                              {taux, valeurOuNul(c.taux)},
                              {un ? "Taux2" : "Taux1", 20.0},
                              {tva, 0.1},
                              {un ? "TVA2" : "TVA1", 2.0},
                              {ttc, 1.1},
                              {un ? "TTC2" : "TTC1", 12.0}});
        if (c.colonnePrix) {
            QSqlField prix(QString::fromLatin1(c.colonnePrix), QMetaType::fromType<double>());
            prix.setValue(13.1);
            r.append(prix);
        }
        SaisieTVA saisie(5.5, 20);
        saisie.setCote(c.cote);
        const bool recalcule = c.op == Op::SaisieHT ? saisie.saisirHT(r, c.partie, valeurOuNul(c.valeur))
                                                    : saisie.saisirTTC(r, c.partie, valeurOuNul(c.valeur));
        EXPECT_EQ(recalcule, (c.op == Op::SaisieHT) == (c.cote == CoteSaisie::HT)) << c.libelle;
        verifierColonne(r, ht, c.ht, c.libelle);
        verifierColonne(r, tva, c.tva, c.libelle);
        verifierColonne(r, ttc, c.ttc, c.libelle);
        if (c.colonnePrix) verifierColonne(r, c.colonnePrix, c.prix, c.libelle);
        EXPECT_EQ(r.count(), c.colonnePrix ? 9 : 8) << c.libelle;
        // The other part and the rates are never touched.
        verifierColonne(r, un ? "HT2" : "HT1", 10, c.libelle);
        verifierColonne(r, un ? "TVA2" : "TVA1", 2, c.libelle);
        verifierColonne(r, un ? "TTC2" : "TTC1", 12, c.libelle);
        verifierColonne(r, taux, c.taux, c.libelle);
    }
}

TEST(MontantsTVA, TVADUnMontantHTDiviseDAbordLeTaux) {
    EXPECT_EQ(montantTVA(45.45, 10), 4.55);
    EXPECT_EQ(montantTVA(45.45, 0), 0.0);
    EXPECT_EQ(montantHT(100, 5.5), 94.79);
    EXPECT_EQ(montantHT(-100, 5.5), -94.79);
}

TEST(MontantsTVA, ArrondiDUnProduitExact) {
    struct Cas {
        double a, b, attendu;
    };
    const Cas cas[] = {
        {18.18, 1.25, 22.72}, // the double product lies above 22.725, the exact one below
        {1.82, 1.25, 2.28},   // and the other way round
        {-18.18, 1.25, -22.72},
        {18.18, -1.25, -22.72},
        {2.675, 1, 2.67},     // one factor 1: round2 itself
        {0.1, 3, 0.3},
        {1e-5, 1, 0},
        {0, 12.5, 0},
        {123456.78, 1, 123456.78},
    };
    for (const Cas& c : cas) {
        EXPECT_EQ(round2Produit(c.a, c.b), c.attendu) << c.a << " x " << c.b;
        EXPECT_FALSE(std::signbit(round2Produit(c.a, c.b)) && c.attendu == 0);
    }
}

TEST(MontantsTVA, ArrondiRefuseUnNombreDeDecimalesNonPrisEnCharge) {
    EXPECT_THROW(arrondir(1.5, 4), Erreur);
    EXPECT_THROW(arrondir(1.5, -1), Erreur);
    EXPECT_EQ(arrondir(1.0005, 3), 1.0); // 1.0005 lies below the half
    EXPECT_TRUE(std::isinf(round2(INFINITY)));
    EXPECT_EQ(round2(1e20), 1e20);
}

TEST(MontantsTVA, PartieInconnueRefusee) {
    QSqlRecord r = ligne({{"HT1", 1.0}, {"TVA1", 0.0}, {"TTC1", 0.0}, {"Taux1", 10.0}});
    EXPECT_THROW(calculerDepuisHT(r, 3), Erreur);
    EXPECT_THROW(calculerDepuisTTC(r, 0), Erreur);
}

TEST(MontantsTVA, CoteDeSaisieCommenceTTCEtRevientTTCApresUneSaisieNette) {
    SaisieTVA saisie(10, 20);
    EXPECT_EQ(saisie.cote(), CoteSaisie::TTC);
    QSqlRecord r = ligne({{"HT1", QVariant()},
                          {"HT2", QVariant()},
                          {"Taux1", 10.0},
                          {"Taux2", 20.0},
                          {"TVA1", QVariant()},
                          {"TVA2", QVariant()},
                          {"TTC1", QVariant()},
                          {"TTC2", QVariant()},
                          {"PrixUnit", QVariant()}});
    {
        SaisieNette nette(saisie);
        EXPECT_EQ(saisie.cote(), CoteSaisie::HT);
        saisie.saisirHT(r, 1, 18.18);
        saisie.saisirHT(r, 2, 10.0);
    }
    EXPECT_EQ(saisie.cote(), CoteSaisie::TTC);
    EXPECT_EQ(r.value("TVA1").toDouble(), 1.82);
    EXPECT_EQ(r.value("TTC1").toDouble(), 20.0);
    EXPECT_EQ(r.value("TVA2").toDouble(), 2.0);
    EXPECT_EQ(r.value("TTC2").toDouble(), 12.0);
    EXPECT_EQ(r.value("PrixUnit").toDouble(), 32.0);

    saisie.setCote(CoteSaisie::HT);
    try {
        SaisieNette nette(saisie);
        throw std::runtime_error("échec");
    } catch (const std::runtime_error&) {
    }
    EXPECT_EQ(saisie.cote(), CoteSaisie::TTC);
}

TEST(MontantsTVA, TauxALOuvertureDUneLigne) {
    struct CasTaux {
        const char* libelle;
        QSqlRecord avant;
        double taux1, taux2, tva1, tva2; // nul = null column afterwards
    };
    const SaisieTVA saisie(10, 20);
    const CasTaux casTaux[] = {
        {"prestation non soumise à TVA",
         ligne({{"SansTVA", true},
                {"Taux1", 19.6},
                {"Taux2", QVariant()},
                {"TVA1", 3.0},
                {"TVA2", 1.0},
                {"HT1", 30.0},
                {"TTC1", 33.0},
                {"Prix", 34.0}}),
         0, 0, 0, 0},
        {"prestation soumise, taux nuls",
         ligne({{"SansTVA", false},
                {"Taux1", QVariant()},
                {"Taux2", QVariant()},
                {"TVA1", 3.0},
                {"TVA2", 1.0}}),
         10, 20, 3, 1},
        {"ligne aux taux anciens conservés",
         ligne({{"Taux1", 19.6}, {"Taux2", QVariant()}, {"TVA1", QVariant()}, {"TVA2", QVariant()}}), 19.6,
         20, nul, nul},
        {"ligne au taux 0 conservé", ligne({{"Taux1", 0.0}, {"Taux2", 5.5}, {"TVA1", 0.0}, {"TVA2", 0.5}}), 0,
         5.5, 0, 0.5},
    };
    for (const CasTaux& c : casTaux) {
        QSqlRecord r = c.avant;
        saisie.AvecTVAAfterEdit(r);
        verifierColonne(r, "Taux1", c.taux1, c.libelle);
        verifierColonne(r, "Taux2", c.taux2, c.libelle);
        verifierColonne(r, "TVA1", c.tva1, c.libelle);
        verifierColonne(r, "TVA2", c.tva2, c.libelle);
        // Nothing else moves.
        for (const char* autre : {"HT1", "TTC1", "Prix", "SansTVA"}) {
            const QString colonne = QString::fromLatin1(autre);
            if (!c.avant.contains(colonne)) continue;
            EXPECT_EQ(r.value(colonne), c.avant.value(colonne)) << c.libelle << " " << autre;
        }
    }
}

TEST(MontantsTVA, AdditionEtEffacement) {
    TMontantsTVA a{1, 2, 3, 4, 5, 6, 7};
    const TMontantsTVA b{0.5, 0.5, 0.5, 0.5, 0.5, 0.5, 0.5};
    EXPECT_EQ(a + b, (TMontantsTVA{1.5, 2.5, 3.5, 4.5, 5.5, 6.5, 7.5}));
    a += b;
    EXPECT_EQ(a, (TMontantsTVA{1.5, 2.5, 3.5, 4.5, 5.5, 6.5, 7.5}));
    a.effacer();
    EXPECT_EQ(a, TMontantsTVA{});
}

namespace {

QSqlRecord prestation(int type, int qte, bool offert, double ht1, double tva1, double ht2, double tva2) {
    return ligne({{"TypePrest", type},
                  {"Qte", qte},
                  {"Offert", offert},
                  {"HT1", ht1},
                  {"HT2", ht2},
                  {"TVA1", tva1},
                  {"TVA2", tva2},
                  {"TTC1", ht1 + tva1},
                  {"TTC2", ht2 + tva2}});
}

QSqlRecord repas(int nombre, double ht1, double tva1, double ht2, double tva2) {
    return ligne({{"Nombre", nombre},
                  {"HT1", ht1},
                  {"HT2", ht2},
                  {"TVA1", tva1},
                  {"TVA2", tva2},
                  {"TTC1", ht1 + tva1},
                  {"TTC2", ht2 + tva2}});
}

} // namespace

TEST(MontantsTVA, SommesDesPrestationsEtDesRepas) {
    // Services: the free line and the discount line (kind 4) are left out; parts are exact sums
    // of the products, only the total is rounded.
    const QList<QSqlRecord> prestations{
        prestation(1, 3, false, 0.1, 0.01, 0.2, 0.04),
        prestation(1, 2, true, 100, 10, 0, 0),
        prestation(4, 1, false, -50, -5, 0, 0),
        prestation(1, 1, false, 45.45, 4.55, 10, 2),
        ligne({{"TypePrest", 1},
               {"Qte", QVariant(QMetaType::fromType<int>())},
               {"Offert", QVariant()},
               {"HT1", 7.0},
               {"TTC1", 7.7}}),
    };
    const TMontantsTVA s = SommePrestations(prestations);
    EXPECT_EQ(s.HT1, 3 * 0.1 + 45.45);
    EXPECT_EQ(s.HT2, 3 * 0.2 + 10.0);
    EXPECT_EQ(s.TVA1, 3 * 0.01 + 4.55);
    EXPECT_EQ(s.TVA2, 3 * 0.04 + 2.0);
    EXPECT_EQ(s.TTC1, 3 * (0.1 + 0.01) + (45.45 + 4.55));
    EXPECT_EQ(s.TTC2, 3 * (0.2 + 0.04) + (10.0 + 2.0));
    EXPECT_EQ(s.Total, round2(s.TTC1 + s.TTC2));
    EXPECT_EQ(s.Total, 63.05);

    // Meals: every line counts, with Nombre as the quantity.
    const QList<QSqlRecord> lesRepas{repas(2, 18.18, 1.82, 0, 0), repas(3, 0.1, 0.01, 0.2, 0.04)};
    const TMontantsTVA m = SommeRepas(lesRepas);
    EXPECT_EQ(m.HT1, 2 * 18.18 + 3 * 0.1);
    EXPECT_EQ(m.TVA1, 2 * 1.82 + 3 * 0.01);
    EXPECT_EQ(m.HT2, 3 * 0.2);
    EXPECT_EQ(m.TTC2, 3 * (0.2 + 0.04));
    EXPECT_EQ(m.Total, 41.05);

    EXPECT_EQ(SommePrestations({}), TMontantsTVA{});
    EXPECT_EQ(SommeRepas({}), TMontantsTVA{});
}
