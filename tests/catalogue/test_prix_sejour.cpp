#include "CatalogueTest.h"

#include <gtest/gtest.h>

#include <array>

using namespace velorin;
using namespace velorin::test;

namespace {

// HT1, HT2, TVA1, TVA2, TTC1, TTC2, Total, each to a millionth of a cent.
void verifierMontants(const TMontantsTVA& m, const std::array<double, 7>& attendus,
                      const char* libelle = "") {
    const std::array<double, 7> lus{m.HT1, m.HT2, m.TVA1, m.TVA2, m.TTC1, m.TTC2, m.Total};
    const char* noms[] = {"HT1", "HT2", "TVA1", "TVA2", "TTC1", "TTC2", "Total"};
    for (int i = 0; i < 7; ++i)
        EXPECT_NEAR(lus[i], attendus[i], 1e-9) << libelle << " " << noms[i];
}

// A guest house with a 7-night package sold 700 (636.36 + 63.64 at 10 %) for "Chambre", and a
// room with a single price of 100 the night.
struct Maison {
    explicit Maison(CatalogueTest& t)
        : chambre(t.hebergement(u"Chambre"_qs))
        , simple(t.hebergement(u"Simple"_qs, 100, true))
        , semaine(t.typeTarif(u"Semaine"_qs, jour(2024, 1, 1), jour(2024, 12, 31), 7)) {
        t.tarif(chambre, semaine, 636.36, 63.64, 700);
    }
    int chambre;
    int simple;
    int semaine;
};

TLigneHebergement ligne(const QString& nom, const QString& tarif = {}, bool selectionnee = true,
                        bool avecPrix = false) {
    TLigneHebergement l;
    l.Nom = nom;
    l.Tarif = tarif;
    l.Selectionnee = selectionnee;
    l.AvecPrix = avecPrix;
    return l;
}

// Ten nights of "Chambre" on the package: 1000.00.
TDonneesSejour dixNuits(double remise = 0, int typeRemise = remise::Euros) {
    TDonneesSejour s;
    s.Lignes = {ligne(u"Chambre"_qs)};
    s.TarifChoisi = u"Semaine"_qs;
    s.DateDeb = jour(2024, 7, 1);
    s.DateFin = jour(2024, 7, 10);
    s.ValRemise = remise;
    s.TypeRemise = typeRemise;
    return s;
}

} // namespace

TEST(TarifsPossibles, SelonLesDatesEtLaDureeDuForfait) {
    CatalogueTest t;
    const int chambre = t.hebergement(u"Chambre"_qs);
    const int autre = t.hebergement(u"Autre"_qs);
    const int simple = t.hebergement(u"Simple"_qs, 80, true);
    const int juin = t.typeTarif(u"Juin"_qs, jour(2024, 6, 1), jour(2024, 6, 30));
    const int semaine = t.typeTarif(u"semaine"_qs, jour(2024, 1, 1), jour(2024, 12, 31), 7);
    const int ferme = t.typeTarif(u"Fermé"_qs, jour(2024, 1, 1), jour(2024, 12, 31));
    const int ailleurs = t.typeTarif(u"Ailleurs"_qs, jour(2024, 1, 1), jour(2024, 12, 31));
    for (int type : {juin, semaine})
        t.tarif(chambre, type, 0, 0, 0);
    t.tarif(chambre, ferme, 0, 0, 0, false);
    t.tarif(autre, ailleurs, 0, 0, 0);

    struct Cas {
        const char* libelle;
        int hebergement;
        QDate debut;
        QDate fin;
        QStringList attendus;
    };
    const Cas lesCas[] = {
        {"arrivée dans la période, 6 nuits", chambre, jour(2024, 6, 28), jour(2024, 7, 3), {u"Juin"_qs}},
        {"dernière nuit dans la période",
         chambre,
         jour(2024, 5, 25),
         jour(2024, 6, 2),
         {u"Juin"_qs, u"semaine"_qs}},
        {"hors période, 3 nuits", chambre, jour(2024, 5, 1), jour(2024, 5, 3), {}},
        {"forfait de 7 nuits pour 7 nuits", chambre, jour(2024, 5, 1), jour(2024, 5, 7), {u"semaine"_qs}},
        {"forfait de 7 nuits pour 10 nuits", chambre, jour(2024, 5, 1), jour(2024, 5, 10), {u"semaine"_qs}},
        {"période au milieu du séjour", chambre, jour(2024, 5, 25), jour(2024, 7, 5), {u"semaine"_qs}},
        {"prix unique", simple, jour(2030, 1, 1), jour(2030, 1, 1), {u"Tarif simple"_qs}},
        {"tarifs non complétés", t.hebergement(u"Neuve"_qs), jour(2024, 6, 1), jour(2024, 6, 10), {}},
    };
    for (const Cas& cas : lesCas)
        EXPECT_EQ(t.tarification().TarifsPossibles(cas.hebergement, cas.debut, cas.fin), cas.attendus)
            << cas.libelle;
    EXPECT_TRUE(t.messages().isEmpty());
}

TEST(TarifsPossibles, ChoixDuTarifDansLEditeur) {
    const QStringList tries = Tarification::trierTarifs({u"semaine"_qs, u"Juin"_qs, u"Week-end"_qs});
    EXPECT_EQ(tries, (QStringList{u"Juin"_qs, u"semaine"_qs, u"Week-end"_qs}));
    struct Cas {
        QStringList offerts;
        QString actuel;
        QString choisi;
    };
    for (const Cas& cas : {Cas{tries, u"semaine"_qs, u"semaine"_qs}, Cas{tries, u"Août"_qs, QString()},
                           Cas{tries, QString(), u"Juin"_qs}, Cas{{}, QString(), QString()}})
        EXPECT_EQ(Tarification::choisirTarif(cas.offerts, cas.actuel), cas.choisi)
            << cas.actuel.toStdString();
    EXPECT_EQ(Tarification::messageAucunTarif(), u"Aucun tarif n'a été trouvé pour les dates mentionnées.\n"
                                                 "Vérifiez dans le menu Paramétrages / Types de tarifs les "
                                                 "dates de fin de validité des types de tarifs.\n"
                                                 "Vérifiez également pour chaque hébergement, qu'au moins un "
                                                 "type de tarif lui est applicable (dans le "
                                                 "menu Paramétrages / Hébergements)"_qs);

    CatalogueTest t;
    const Maison m(t);
    EXPECT_EQ(t.tarification().IdentifiantTarif(u"Tarif simple"_qs), -1);
    EXPECT_EQ(t.tarification().IdentifiantTarif(u"Semaine"_qs), m.semaine);
    EXPECT_EQ(t.tarification().IdentifiantTarif(u"Inconnu"_qs), -1);
}

TEST(PrixSejour, ForfaitProratiseAuCentime) {
    CatalogueTest t;
    const Maison m(t);
    const int menage = t.item(typeprest::Prestation, u"Ménage"_qs);
    t.sql("UPDATE prestation SET SansTVA = 1, Prix = 12.5, Taux1 = 0, TVA1 = 0 WHERE Identifiant = ?",
          {menage});
    Tarification& tarif = t.tarification();
    verifierMontants(tarif.PrixSejour(m.semaine, m.chambre, jour(2024, 7, 1), jour(2024, 7, 10)),
                     {909.09, 0, 90.91, 0, 1000.00, 0, 1000.00}, "7 nuits de forfait pour 10");
    verifierMontants(tarif.PrixSejour(m.semaine, m.chambre, jour(2024, 7, 1), jour(2024, 7, 7)),
                     {636.36, 0, 63.64, 0, 700, 0, 700}, "le forfait exact");
    verifierMontants(tarif.PrixSejour(-1, m.simple, jour(2024, 7, 1), jour(2024, 7, 3)),
                     {272.73, 0, 27.27, 0, 300, 0, 300}, "prix unique, 3 nuits");
    verifierMontants(tarif.PrixSejour(-1, menage, jour(2024, 7, 1), jour(2024, 7, 1)),
                     {12.5, 0, 0, 0, 12.5, 0, 12.5}, "service sans TVA");
    verifierMontants(tarif.PrixSejour(m.semaine, m.simple, jour(2024, 7, 1), jour(2024, 7, 3)), {},
                     "pas de tarif");
    EXPECT_TRUE(t.messages().isEmpty());

    verifierMontants(tarif.PrixSejour(m.semaine, m.chambre, jour(2024, 7, 10), jour(2024, 7, 1)), {},
                     "dates");
    EXPECT_EQ(t.messages(),
              QStringList{u"Erreur pendant la recherche du prix : La date de fin du séjour précède sa "
                          "date de début."_qs});
}

TEST(PrixSejour, ForfaitSansNombreDeJoursCompteUneNuit) {
    CatalogueTest t;
    const Maison m(t);
    t.sql("UPDATE TypeTarif SET NbJours = 0");
    verifierMontants(t.tarification().PrixSejour(m.semaine, m.chambre, jour(2024, 7, 1), jour(2024, 7, 2)),
                     {1272.72, 0, 127.28, 0, 1400, 0, 1400});
}

TEST(PrixParNuit, ValeursEnregistreesSurChaqueNuit) {
    CatalogueTest t;
    const Maison m(t);
    const int forfait3 = t.typeTarif(u"Trois nuits"_qs, jour(2024, 1, 1), jour(2024, 12, 31), 3);
    t.tarif(m.chambre, forfait3, 90.91, 9.09, 100);
    struct Cas {
        const char* libelle;
        int tarif;
        int hebergement;
        int etat;
        TNuitee attendu;
    };
    const Cas lesCas[] = {
        {"100 la nuit", -1, m.simple, 3, {-1, 100, 272.73 / 3, 0, 27.27 / 3, 0, 300.0 / 3, 0}},
        {"forfait de 3 nuits à 100",
         forfait3,
         m.chambre,
         2,
         {forfait3, 100.0 / 3, 90.91 / 3, 0, 9.09 / 3, 0, 100.0 / 3, 0}},
        {"fermeture", forfait3, m.chambre, 0, {-1, 0, 0, 0, 0, 0, 0, 0}},
    };
    for (const Cas& cas : lesCas) {
        const TNuitee n = t.tarification().PrixParNuit(cas.tarif, cas.hebergement, jour(2024, 7, 1),
                                                       jour(2024, 7, 3), cas.etat);
        EXPECT_EQ(n.IdTarif, cas.attendu.IdTarif) << cas.libelle;
        EXPECT_DOUBLE_EQ(n.PrixUnit, cas.attendu.PrixUnit) << cas.libelle;
        EXPECT_DOUBLE_EQ(n.HT1, cas.attendu.HT1) << cas.libelle;
        EXPECT_DOUBLE_EQ(n.TVA1, cas.attendu.TVA1) << cas.libelle;
        EXPECT_DOUBLE_EQ(n.TTC1, cas.attendu.TTC1) << cas.libelle;
        EXPECT_EQ(n.HT2, 0) << cas.libelle;
    }
    EXPECT_DOUBLE_EQ(
        t.tarification().PrixParNuit(forfait3, m.chambre, jour(2024, 7, 1), jour(2024, 7, 3), 3).PrixUnit,
        33.333333333333336);
}

TEST(PrixPlanning, SommeDesNuitsEnregistrees) {
    CatalogueTest t;
    const Maison m(t);
    const TNuitee nuit =
        t.tarification().PrixParNuit(m.semaine, m.chambre, jour(2024, 7, 1), jour(2024, 7, 3), 3);
    for (int j = 1; j <= 3; ++j)
        t.planning(m.chambre, jour(2024, 7, j), 1, 3, m.semaine, nuit);
    t.planning(m.chambre, jour(2024, 7, 4), 2, 3, m.semaine, nuit); // another stay
    t.planning(m.simple, jour(2024, 7, 2), 1, 3, -1, nuit);
    const TMontantsTVA somme =
        t.tarification().PrixPlanning(m.semaine, m.chambre, jour(2024, 7, 1), jour(2024, 7, 3));
    const TMontantsTVA prix =
        t.tarification().PrixSejour(m.semaine, m.chambre, jour(2024, 7, 1), jour(2024, 7, 3));
    verifierMontants(somme, {prix.HT1, prix.HT2, prix.TVA1, prix.TVA2, prix.TTC1, prix.TTC2, prix.Total});
    verifierMontants(t.tarification().PrixPlanning(-1, m.chambre, jour(2024, 7, 1), jour(2024, 7, 3)), {});
}

TEST(CalculerTotalSejour, RemiseDeDixPourCentRepartieAuCentime) {
    CatalogueTest t;
    const Maison m(t);
    const TTotalSejour total = t.tarification().CalculerTotalSejour(dixNuits(10, remise::Pourcentage));
    verifierMontants(total.AvantRemise, {909.09, 0, 90.91, 0, 1000, 0, 1000}, "avant remise");
    verifierMontants(total.Montants, {818.18, 0, 81.82, 0, 900, 0, 900}, "après remise");
    ASSERT_EQ(total.Lignes.size(), 1);
    EXPECT_EQ(total.Lignes[0].Tarif, u"Semaine"_qs);
    EXPECT_TRUE(total.Lignes[0].AvecPrix);
    EXPECT_DOUBLE_EQ(total.Lignes[0].Prix.Total, 1000);

    const TMontantsTVA d =
        Tarification::RepartirRemise(total.Montants, total.AvantRemise, 10, remise::Pourcentage);
    verifierMontants(d, {90.91, 0, 9.09, 0, 100, 0, 100}, "ligne de remise");
    EXPECT_NEAR(d.TTC1 + d.TTC2, 100, 1e-9);
    // Each part of the discount line is what the discount took off that part.
    EXPECT_NEAR(d.HT1 + total.Montants.HT1, total.AvantRemise.HT1, 1e-9);
    EXPECT_NEAR(d.TVA1 + total.Montants.TVA1, total.AvantRemise.TVA1, 1e-9);
    EXPECT_TRUE(t.messages().isEmpty());
}

TEST(CalculerTotalSejour, RemisesQuiPrennentToutOuPlus) {
    struct Cas {
        const char* libelle;
        double valeur;
        int type;
        std::array<double, 7> montants; // the reservation
        std::array<double, 7> remise;   // the discount line's parts, before negation
    };
    const Cas lesCas[] = {
        // As the amounts say: the total goes below zero, and so do the parts.
        {"1500 € sur 1000",
         1500,
         remise::Euros,
         {-454.55, 0, -45.45, 0, -500, 0, -500},
         {1363.65, 0, 136.35, 0, 1500, 0, 1500}},
        {"1000 € sur 1000", 1000, remise::Euros, {0, 0, 0, 0, 0, 0, 0}, {909.09, 0, 90.91, 0, 1000, 0, 1000}},
        {"100 %", 100, remise::Pourcentage, {0, 0, 0, 0, 0, 0, 0}, {909.09, 0, 90.91, 0, 1000, 0, 1000}},
        {"150 % compte pour 100 %",
         150,
         remise::Pourcentage,
         {0, 0, 0, 0, 0, 0, 0},
         {909.09, 0, 90.91, 0, 1000, 0, 1000}},
    };
    for (const Cas& cas : lesCas) {
        CatalogueTest t;
        const Maison m(t);
        const TTotalSejour total = t.tarification().CalculerTotalSejour(dixNuits(cas.valeur, cas.type));
        verifierMontants(total.Montants, cas.montants, cas.libelle);
        const TMontantsTVA d =
            Tarification::RepartirRemise(total.Montants, total.AvantRemise, cas.valeur, cas.type);
        verifierMontants(d, cas.remise, cas.libelle);
        for (double partie : {d.HT1, d.HT2, d.TVA1, d.TVA2, d.TTC1, d.TTC2})
            EXPECT_GE(partie, 0) << cas.libelle;
        EXPECT_TRUE(std::isfinite(d.Total)) << cas.libelle;
        EXPECT_TRUE(t.messages().isEmpty()) << cas.libelle;
    }
}

TEST(CalculerTotalSejour, LignesServicesRepasEtSoldes) {
    CatalogueTest t;
    const Maison m(t);
    TDonneesSejour s = dixNuits();
    s.DateFin = jour(2024, 7, 3); // 3 nights: Chambre has no 3-night tariff, Simple costs 300
    s.TarifChoisi = u"Tarif simple"_qs;
    s.Lignes = {ligne(u"Simple"_qs), ligne(u"Chambre"_qs, u"Semaine"_qs, false, true),
                ligne(u"Chambre"_qs, u"Semaine"_qs, false, false),
                ligne(u"Chambre"_qs, QString(), false, true)};
    s.Prestations = TMontantsTVA{10, 0, 1, 0, 11, 0, 11};
    s.Repas = TMontantsTVA{20, 0, 2, 0, 22, 0, 22};
    s.AvecAcompte = true;
    s.DejaPaye = 100;
    const TTotalSejour total = t.tarification().CalculerTotalSejour(s);
    // 300 + the shown package line at 3/7 of 700 (300) + 11 + 22.
    verifierMontants(total.Montants, {272.73 + 272.73 + 10 + 20, 0, 27.27 + 27.27 + 1 + 2, 0, 633, 0, 633});
    EXPECT_DOUBLE_EQ(total.Acompte, 189.9) << "30 % by the options";
    ASSERT_TRUE(total.ResteDu.has_value());
    EXPECT_DOUBLE_EQ(*total.ResteDu, 533);
    EXPECT_EQ(total.Lignes[0].Tarif, u"Tarif simple"_qs);
    EXPECT_DOUBLE_EQ(total.Lignes[0].Prix.Total, 300);
    EXPECT_FALSE(total.Lignes[2].AvecPrix) << "lines not selected keep what they show";

    // A selected line without any tariff counts as nothing until it is given one.
    s.TarifChoisi.clear();
    s.Lignes = {ligne(u"Simple"_qs, u"Tarif simple"_qs, true, true)};
    const TTotalSejour sansTarif = t.tarification().CalculerTotalSejour(s);
    EXPECT_FALSE(sansTarif.Lignes[0].AvecPrix);
    EXPECT_DOUBLE_EQ(sansTarif.Montants.Total, 33);
}

TEST(CalculerTotalSejour, ReservationBloqueeAuPrixEnregistre) {
    CatalogueTest t;
    const Maison m(t);
    const TNuitee nuit =
        t.tarification().PrixParNuit(m.semaine, m.chambre, jour(2024, 7, 1), jour(2024, 7, 10), 3);
    for (int j = 1; j <= 10; ++j)
        t.planning(m.chambre, jour(2024, 7, j), 1, 3, m.semaine, nuit);
    t.sql("UPDATE Tarifs SET HT1 = 0, TVA1 = 0, TTC1 = 0, Prix = 0"); // changed since
    TDonneesSejour s = dixNuits();
    s.Bloquee = true;
    EXPECT_NEAR(t.tarification().CalculerTotalSejour(s).Montants.Total, 1000, 1e-9);
    s.Bloquee = false;
    EXPECT_EQ(t.tarification().CalculerTotalSejour(s).Montants.Total, 0);
}

TEST(CalculerTotalSejour, Commissions) {
    struct Cas {
        const char* libelle;
        int mode; // -1: no type chosen
        double valeur;
        std::optional<double> saisie;
        double attendu;
    };
    // 5 nights at 100 and 100 of services, then 10 % off: 600 before discount, 540 after.
    const Cas lesCas[] = {
        {"aucun type", -1, 0, 25.0, 0},
        {"montant libre saisi", 0, 30, 25.0, 25},
        {"montant libre par défaut", 0, 30, std::nullopt, 30},
        {"par nuit", 1, 2, std::nullopt, 10},
        {"par réservation", 2, 40, std::nullopt, 40},
        {"pourcentage des nuitées", 3, 10, std::nullopt, 50},
        {"pourcentage de la réservation", 4, 10, std::nullopt, 54},
        {"mode inconnu", 7, 10, std::nullopt, 0},
    };
    for (const Cas& cas : lesCas) {
        CatalogueTest t;
        const Maison m(t);
        TDonneesSejour s;
        s.Lignes = {ligne(u"Simple"_qs)};
        s.TarifChoisi = u"Tarif simple"_qs;
        s.DateDeb = jour(2024, 7, 1);
        s.DateFin = jour(2024, 7, 5);
        s.Prestations = TMontantsTVA{90.91, 0, 9.09, 0, 100, 0, 100};
        s.ValRemise = 10;
        s.TypeRemise = remise::Pourcentage;
        s.MontantComSaisi = cas.saisie;
        if (cas.mode >= 0) {
            t.typeCom(u"Agence"_qs, cas.mode, cas.valeur);
            s.TypeCom = u"Agence"_qs;
        }
        const TTotalSejour total = t.tarification().CalculerTotalSejour(s);
        EXPECT_DOUBLE_EQ(total.Montants.Total, 540) << cas.libelle;
        EXPECT_DOUBLE_EQ(total.MontantCom, cas.attendu) << cas.libelle;
        EXPECT_TRUE(t.messages().isEmpty()) << cas.libelle;
    }
}

TEST(TypeCommission, ParNom) {
    CatalogueTest t;
    t.typeCom(u"Agence"_qs, 3, 12.5);
    t.sql("INSERT INTO TypeCom (Identifiant, Nom) VALUES (9, 'Vide')");
    EXPECT_EQ(t.tarification().TypeCommission(u"Agence"_qs), (TCommission{3, 12.5}));
    EXPECT_EQ(t.tarification().TypeCommission(u"Vide"_qs), (TCommission{0, 0}));
    EXPECT_TRUE(t.messages().isEmpty());
    EXPECT_EQ(t.tarification().TypeCommission(u"Inconnu"_qs), (TCommission{-1, 0}));
    EXPECT_EQ(t.messages(),
              QStringList{u"Le type de commission Inconnu n'a pas été trouvé dans la table."_qs});
    t.env.dialogues.vider();
    t.sql("DROP TABLE TypeCom");
    EXPECT_EQ(t.tarification().TypeCommission(QString()), (TCommission{-1, 0})) << "the table is not read";
    EXPECT_TRUE(t.messages().isEmpty());
}

TEST(CalculerAcompte, SelonLesOptions) {
    struct Cas {
        const char* libelle;
        bool avec;
        int modeArrhes;
        double pourcent;
        int arrondi;
        double total;
        double attendu;
    };
    const Cas lesCas[] = {
        {"au centime", true, 0, 30, 0, 155, 46.50},
        {"euro inférieur", true, 0, 30, 1, 155, 46},
        {"euro inférieur, juste sous l'euro (29,997)", true, 0, 30, 1, 99.99, 29},
        {"euro inférieur, euro rond", true, 0, 30, 1, 100, 30},
        {"euro le plus proche, moitié vers le pair", true, 0, 30, 2, 155, 46},
        {"euro le plus proche, moitié vers le pair au-dessus", true, 0, 50, 2, 95, 48},
        {"sans arrondi", true, 0, 10, 3, 33.33, 3.333},
        {"pas d'acompte demandé", false, 0, 30, 0, 155, 0},
        {"montant fixe", true, 1, 30, 0, 155, 80},
    };
    for (const Cas& cas : lesCas) {
        CatalogueTest t;
        t.options({{"ModeArrhes", cas.modeArrhes},
                   {"PourcentAcompte", cas.pourcent},
                   {"ArrondiAcompte", cas.arrondi},
                   {"ArrhesDefaut", 80}});
        EXPECT_DOUBLE_EQ(t.tarification().CalculerAcompte(cas.avec, cas.total), cas.attendu) << cas.libelle;
    }
}

TEST(CalculerAcompte, MontantFixeSaisiConserveDansLeTotal) {
    CatalogueTest t;
    const Maison m(t);
    t.options({{"ModeArrhes", 1}, {"ArrhesDefaut", 80}});
    TDonneesSejour s = dixNuits();
    s.AvecAcompte = true;
    EXPECT_DOUBLE_EQ(t.tarification().CalculerTotalSejour(s).Acompte, 80);
    s.AcompteAffiche = 150;
    EXPECT_DOUBLE_EQ(t.tarification().CalculerTotalSejour(s).Acompte, 150);
    t.options({{"ModeArrhes", 0}, {"PourcentAcompte", 25}});
    EXPECT_DOUBLE_EQ(t.tarification().CalculerTotalSejour(s).Acompte, 250) << "a percentage is recomputed";
}

TEST(AcompteParDefaut, OptionAvecAcompte) {
    CatalogueTest t;
    EXPECT_TRUE(t.tarification().AcompteParDefaut());
    t.options({{"AvecAcompte", 0}});
    EXPECT_FALSE(t.tarification().AcompteParDefaut());
}
