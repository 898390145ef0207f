#include "PlanningTest.h"

#include <gtest/gtest.h>

#include <tuple>
#include <utility>

using namespace velorin;
using namespace velorin::test;

namespace {

// June 2025 counted by hand: two accommodations in the occupancy rate, one outside it.
struct Juin2025 : Pension {
    Juin2025()
    {
        a = hebergement(u"Lavande"_qs, 1);
        b = hebergement(u"Olivier"_qs, 2);
        horsTaux = hebergement(u"Roulotte"_qs, 3, false);
        const int c = contact(u"Durand"_qs, u"Jean"_qs);
        // A: 5 booked nights in June, 3 optioned, 1 booked on 30 June and 1 on 1 July, 4 in March.
        reservation({.contact = c, .debut = jour("2025-06-10"), .fin = jour("2025-06-14"), .etat = 3,
                     .hebergements = {a}, .prix = 500, .dejaPaye = 150, .commission = 50});
        reservation({.contact = c, .debut = jour("2025-06-20"), .fin = jour("2025-06-22"), .etat = 2,
                     .hebergements = {a}, .prix = 300});
        reservation({.contact = c, .debut = jour("2025-06-30"), .fin = jour("2025-07-01"), .etat = 3,
                     .hebergements = {a}, .prix = 200, .dejaPaye = 200, .commission = 20});
        reservation({.contact = c, .debut = jour("2025-03-03"), .fin = jour("2025-03-06"), .etat = 3,
                     .hebergements = {a}, .prix = 400, .dejaPaye = 400});
        // B: closed from 1 to 10 June.
        reservation({.debut = jour("2025-06-01"), .fin = jour("2025-06-10"), .etat = 0, .hebergements = {b}});
        // Outside the rate: 5 booked nights in June.
        reservation({.contact = c, .debut = jour("2025-06-02"), .fin = jour("2025-06-06"), .etat = 3,
                     .hebergements = {horsTaux}, .prix = 250, .dejaPaye = 250});
        // The year before: 2 nights in June 2024 and the night of 31 December 2024.
        const int r2024 = reservation({.contact = c, .debut = jour("2024-06-14"), .fin = jour("2024-06-15"),
                                       .etat = 3, .hebergements = {a}, .prix = 180, .dejaPaye = 180});
        reservation({.contact = c, .debut = jour("2024-12-31"), .fin = jour("2024-12-31"), .etat = 3,
                     .hebergements = {b}, .prix = 100, .dejaPaye = 100});
        for (const auto& [d, n] : {std::pair{"2025-06-11", 2}, {"2025-06-12", 3}, {"2025-06-30", 4},
                                   {"2025-03-04", 5}, {"2024-06-14", 6}})
            repas(1, jour(d), n);
        repas(r2024, jour("2024-06-15"), 1);
        // Ledger: receipts (TypeEcr 1) and one expense.
        int id = 0;
        for (const auto& [d, type, montant] :
             {std::tuple{"2025-06-05", 1, 100.0}, {"2025-06-28", 1, 50.0}, {"2025-03-15", 1, 400.0},
              {"2025-06-15", 0, 999.0}, {"2024-06-15", 1, 180.0}})
            sql("INSERT INTO DepRec (Identifiant, TypeEcr, DateEcr, Montant, ModePaie) VALUES (?, ?, ?, ?, 1)",
                {++id, type, QString::fromLatin1(d), montant});
    }
    int a = 0, b = 0, horsTaux = 0;
};

} // namespace

TEST(TotauxPlanning, CompteALaMainDuMoisEtDeLAnnee)
{
    Juin2025 p;
    const TTotauxPlanning t = p.planning.CalculerTotauxPlanning(jour("2025-06-01"));
    EXPECT_EQ(t.TotNuitMois, 6);
    EXPECT_EQ(t.TotNuitAn, 11);
    EXPECT_EQ(t.PosNuitMois, 60);
    EXPECT_EQ(t.PosNuitAn, 730);
    EXPECT_EQ(t.NbRepMois, 9);
    EXPECT_EQ(t.NbRepAn, 14);
    EXPECT_DOUBLE_EQ(t.PourMois, 10.0);
    EXPECT_DOUBLE_EQ(t.PourAn, 11.0 / 730 * 100);
    // Turnover by last night (mode 0): June holds the first, second and sixth stays.
    EXPECT_DOUBLE_EQ(t.CAMois, 1050);
    EXPECT_DOUBLE_EQ(t.CAAn, 1650);
    EXPECT_DOUBLE_EQ(t.DejaPMois, 400);
    EXPECT_DOUBLE_EQ(t.DejaPAn, 1000);
    EXPECT_DOUBLE_EQ(t.ComMois, 50);
    EXPECT_DOUBLE_EQ(t.ComAn, 70);

    // Any day of the month stands for the month.
    EXPECT_EQ(p.planning.CalculerTotauxPlanning(jour("2025-06-17")), t);
    EXPECT_TRUE(p.env.dialogues.textes().isEmpty());
}

TEST(TotauxPlanning, OptionsDuCalcul)
{
    Juin2025 p;
    const QDate juin = jour("2025-06-01");

    p.option(u"TxOccFerme"_qs, 1);
    TTotauxPlanning t = p.planning.CalculerTotauxPlanning(juin);
    EXPECT_EQ(t.PosNuitMois, 50);
    EXPECT_EQ(t.PosNuitAn, 720);
    EXPECT_DOUBLE_EQ(t.PourMois, 12.0);
    p.option(u"TxOccFerme"_qs, 0);

    p.option(u"ModeCalcCA"_qs, 1); // by first night: the stay of 30 June counts in June
    t = p.planning.CalculerTotauxPlanning(juin);
    EXPECT_DOUBLE_EQ(t.CAMois, 1250);
    EXPECT_DOUBLE_EQ(t.CAAn, 1650);

    p.option(u"ModeCalcCA"_qs, 0);
    p.option(u"CAAvecRes"_qs, 1); // booked stays only
    t = p.planning.CalculerTotauxPlanning(juin);
    EXPECT_DOUBLE_EQ(t.CAMois, 750);
    EXPECT_DOUBLE_EQ(t.CAAn, 1350);
    p.option(u"CAAvecRes"_qs, 0);

    p.option(u"DimCACom"_qs, 1);
    t = p.planning.CalculerTotauxPlanning(juin);
    EXPECT_DOUBLE_EQ(t.CAMois, 1000);
    EXPECT_DOUBLE_EQ(t.CAAn, 1580);

    p.option(u"ModeCalcCA"_qs, 2); // receipts of the ledger, without commission
    t = p.planning.CalculerTotauxPlanning(juin);
    EXPECT_DOUBLE_EQ(t.CAMois, 150);
    EXPECT_DOUBLE_EQ(t.DejaPMois, 150);
    EXPECT_DOUBLE_EQ(t.CAAn, 550);
    EXPECT_DOUBLE_EQ(t.ComMois, 0);
    EXPECT_DOUBLE_EQ(t.ComAn, 0);
}

TEST(TotauxPlanning, AnneePrecedenteDansLaFenetre)
{
    Juin2025 p;
    const TTotauxPlanning avant = p.planning.CalculerTotauxPlanning(jour("2024-06-01"));
    EXPECT_EQ(avant.TotNuitMois, 2);
    EXPECT_EQ(avant.TotNuitAn, 3);
    EXPECT_EQ(avant.PosNuitMois, 60);
    EXPECT_EQ(avant.PosNuitAn, 732) << "2024 has 366 days";
    EXPECT_EQ(avant.NbRepMois, 7);
    EXPECT_DOUBLE_EQ(avant.CAMois, 180);
    EXPECT_DOUBLE_EQ(avant.CAAn, 280);

    TListeChambres liste;
    p.planning.ChargerListeHebergements(liste);
    const FenetrePlanning fenetre = p.planning.ChargerFenetre(liste, jour("2025-06-25"));
    EXPECT_EQ(fenetre.Totaux, p.planning.CalculerTotauxPlanning(jour("2025-06-01")));
    EXPECT_EQ(fenetre.TotauxAnneePrecedente, avant);
}

TEST(TotauxPlanning, SansHebergementCompteOuMoisEntierementFerme)
{
    {
        Pension p;
        const int h = p.hebergement(u"Roulotte"_qs, 1, false);
        const int c = p.contact(u"Durand"_qs, u"Jean"_qs);
        p.reservation({.contact = c, .debut = jour("2025-07-01"), .fin = jour("2025-07-03"), .hebergements = {h}});
        const TTotauxPlanning t = p.planning.CalculerTotauxPlanning(jour("2025-07-01"));
        EXPECT_EQ(t.PosNuitMois, 0);
        EXPECT_EQ(t.PosNuitAn, 0);
        EXPECT_EQ(t.PourMois, 0);
        EXPECT_EQ(t.PourAn, 0);
    }
    {
        Pension p;
        const int h = p.hebergement(u"Lavande"_qs, 1);
        p.reservation({.debut = jour("2025-07-01"), .fin = jour("2025-07-31"), .etat = 0, .hebergements = {h}});
        p.option(u"TxOccFerme"_qs, 1);
        const TTotauxPlanning t = p.planning.CalculerTotauxPlanning(jour("2025-07-01"));
        EXPECT_EQ(t.PosNuitMois, 0);
        EXPECT_EQ(t.PourMois, 0);
        EXPECT_EQ(t.PosNuitAn, 365 - 31);
    }
}
