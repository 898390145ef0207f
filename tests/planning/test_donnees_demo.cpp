#include "PlanningTest.h"

#include "app/Erreur.h"
#include "maintenance/DonneesDemo.h"

#include <gtest/gtest.h>

using namespace velorin;
using namespace velorin::test;

namespace {

// A program folder with the shipped description and an empty data folder.
struct DossierDemo {
    DossierDemo() { commun.creer(); }

    BilanDemo generer()
    {
        ParametresDemo p;
        p.reference = jour("2025-06-15");
        return GenerateurDemo(velorin).generer(p);
    }
    QVariant valeur(const QString& sql) { return commun.base().valeur(sql); }
    int nombre(const QString& sql) { return valeur(sql).toInt(); }

    EnvironnementTest env;
    DMCommun commun{env.services(), env.programme()};
    DMVelorin velorin{commun};
};

} // namespace

TEST(DonneesDemo, BaseCoherente)
{
    DossierDemo d;
    const BilanDemo bilan = d.generer();
    ASSERT_TRUE(d.env.dialogues.textes().isEmpty()) << d.env.dialogues.textes().join("\n").toStdString();
    EXPECT_EQ(bilan.hebergements, 12);
    EXPECT_GT(bilan.reservations, 1000);
    EXPECT_EQ(d.nombre("SELECT COUNT(*) FROM prestation WHERE TypePrest = 0"), 12);
    EXPECT_EQ(d.nombre("SELECT COUNT(*) FROM Reservation"), bilan.reservations);
    EXPECT_EQ(d.nombre("SELECT COUNT(*) FROM Planning"), bilan.nuits);
    EXPECT_EQ(d.valeur("SELECT MIN(Jour) FROM Planning").toString().left(4), u"2022"_qs);
    EXPECT_EQ(d.valeur("SELECT MAX(Jour) FROM Planning").toString().left(4), u"2026"_qs);

    // One row per accommodation and night (the unique index guarantees it), each of an
    // existing reservation, inside its dates and in its state.
    EXPECT_EQ(d.nombre("SELECT COUNT(*) FROM (SELECT IdPrest, Jour FROM Planning GROUP BY IdPrest, Jour "
                       "HAVING COUNT(*) > 1)"),
              0);
    EXPECT_EQ(d.nombre("SELECT COUNT(*) FROM Planning P LEFT JOIN Reservation R ON R.Identifiant = P.IdReservation "
                       "WHERE R.Identifiant IS NULL"),
              0);
    EXPECT_EQ(d.nombre("SELECT COUNT(*) FROM Reservation WHERE DateFin < DateDeb OR DateDeb IS NULL"), 0);
    EXPECT_EQ(d.nombre("SELECT COUNT(*) FROM Planning P JOIN Reservation R ON R.Identifiant = P.IdReservation "
                       "WHERE P.Jour < R.DateDeb OR P.Jour > R.DateFin OR P.Etat <> R.Etat"),
              0);
    EXPECT_EQ(d.nombre("SELECT COUNT(*) FROM Reservation R WHERE (SELECT COUNT(*) FROM Planning P "
                       "WHERE P.IdReservation = R.Identifiant) <> (julianday(R.DateFin) - julianday(R.DateDeb) + 1) * "
                       "(SELECT COUNT(DISTINCT IdPrest) FROM Planning P WHERE P.IdReservation = R.Identifiant)"),
              0);
    EXPECT_EQ(d.nombre("SELECT COUNT(*) FROM Reservation WHERE Etat NOT IN (0, 2, 3)"), 0);
    for (const int etat : {0, 2, 3})
        EXPECT_GT(d.nombre(u"SELECT COUNT(*) FROM Reservation WHERE Etat = %1"_qs.arg(etat)), 0) << etat;
    EXPECT_EQ(d.nombre("SELECT COUNT(*) FROM Reservation WHERE Etat = 2 AND DateDeb <= '2025-06-15'"), 0)
        << "options are future stays";

    // Closures: no guest, no price; stays: an existing guest.
    EXPECT_EQ(d.nombre("SELECT COUNT(*) FROM Reservation WHERE Etat = 0 AND (IdContact <> -1 OR PrixTotal <> 0)"), 0);
    EXPECT_EQ(d.nombre("SELECT COUNT(*) FROM Planning WHERE Etat = 0 AND (IdTarif <> -1 OR PrixUnit <> 0)"), 0);
    EXPECT_EQ(d.nombre("SELECT COUNT(*) FROM Reservation R LEFT JOIN Contact C ON C.Identifiant = R.IdContact "
                       "WHERE R.Etat > 0 AND (C.Identifiant IS NULL OR C.TypeContact <> 2)"),
              0);

    // Amounts: the VAT parts make up the total; the total is the nights, services and meals
    // (less the discount); the paid amount is the sum of the receipts.
    EXPECT_EQ(d.nombre("SELECT COUNT(*) FROM Reservation WHERE Etat > 0 AND (ABS(HT1 + TVA1 - TTC1) > 0.011 "
                       "OR ABS(HT2 + TVA2 - TTC2) > 0.011 OR ABS(TTC1 + TTC2 - PrixTotal) > 0.021)"),
              0);
    EXPECT_EQ(d.nombre("SELECT COUNT(*) FROM Reservation R WHERE Etat > 0 AND ValRemise = 0 AND ABS(PrixTotal - ("
                       "(SELECT SUM(PrixUnit) FROM Planning P WHERE P.IdReservation = R.Identifiant) + "
                       "COALESCE((SELECT SUM(PrixTot) FROM PrestCompl S WHERE S.IdReservation = R.Identifiant "
                       "AND S.TypePrest = 1 AND S.Offert = 0), 0) + "
                       "COALESCE((SELECT SUM(PrixTot) FROM Repas M WHERE M.IdReservation = R.Identifiant), 0))) > 0.015"),
              0);
    EXPECT_GT(d.nombre("SELECT COUNT(*) FROM Reservation WHERE ValRemise <> 0"), 0);
    EXPECT_EQ(d.nombre("SELECT COUNT(*) FROM Reservation R WHERE ValRemise <> 0 AND (SELECT COUNT(*) FROM PrestCompl S "
                       "WHERE S.IdReservation = R.Identifiant AND S.TypePrest = 4 AND S.PrixUnit < 0) <> 1"),
              0);
    EXPECT_EQ(d.nombre("SELECT COUNT(*) FROM Reservation R WHERE ABS(DejaPaye - COALESCE((SELECT SUM(Montant) "
                       "FROM DepRec E WHERE E.TypeEcr = 1 AND E.IdRef = R.Identifiant), 0)) > 0.001"),
              0);

    // Lines belong to stays in state 2 or 3, meals inside the stay.
    EXPECT_EQ(d.nombre("SELECT COUNT(*) FROM PrestCompl S LEFT JOIN Reservation R ON R.Identifiant = S.IdReservation "
                       "WHERE R.Identifiant IS NULL OR R.Etat < 2"),
              0);
    EXPECT_EQ(d.nombre("SELECT COUNT(*) FROM Repas M LEFT JOIN Reservation R ON R.Identifiant = M.IdReservation "
                       "WHERE R.Identifiant IS NULL OR R.Etat < 2 OR M.Jour < R.DateDeb OR M.Jour > R.DateFin"),
              0);
    EXPECT_EQ(d.nombre("SELECT COUNT(*) FROM Planning P LEFT JOIN Tarifs T ON T.IdPrest = P.IdPrest "
                       "AND T.IdTarif = P.IdTarif WHERE P.IdTarif <> -1 AND (T.Identifiant IS NULL OR T.Applicable = 0)"),
              0);
    EXPECT_EQ(d.nombre("SELECT COUNT(*) FROM Contact WHERE Mail NOT LIKE '%@example.%'"), 0);

    // The planning reads it.
    DonneesPlanning planning(d.velorin);
    d.velorin.options().ChargerOptions();
    TListeChambres liste;
    planning.ChargerListeHebergements(liste);
    const FenetrePlanning fenetre = planning.ChargerFenetre(liste, jour("2025-06-14"));
    EXPECT_GT(fenetre.Totaux.TotNuitMois, 0);
    EXPECT_GT(fenetre.TotauxAnneePrecedente.CAAn, 0);
    EXPECT_TRUE(d.env.dialogues.textes().isEmpty());
}

TEST(DonneesDemo, MemesParametresMemesDonnees)
{
    DossierDemo a, b;
    a.generer();
    b.generer();
    for (const char* sql : {"SELECT COUNT(*) || ' ' || SUM(PrixTotal) || ' ' || SUM(DejaPaye) FROM Reservation",
                            "SELECT group_concat(Nom || Prenom || Ville, ',') FROM Contact",
                            "SELECT SUM(julianday(Jour) * IdPrest * Etat) FROM Planning",
                            "SELECT group_concat(Jour || Remarque, ',') FROM Remarques"})
        EXPECT_EQ(a.valeur(QString::fromLatin1(sql)), b.valeur(QString::fromLatin1(sql))) << sql;
}

TEST(DonneesDemo, RefuseUnDossierQuiContientDesDonnees)
{
    DossierDemo d;
    d.generer();
    const int avant = d.nombre("SELECT COUNT(*) FROM Planning");
    EXPECT_THROW(d.generer(), Erreur);
    EXPECT_EQ(d.nombre("SELECT COUNT(*) FROM Planning"), avant);

    DossierDemo autre;
    autre.commun.base().executer(u"CREATE TABLE Contact (Identifiant INTEGER, Nom CHAR(50))"_qs);
    autre.commun.base().executer(u"INSERT INTO Contact (Identifiant, Nom) VALUES (1, 'Vrai client')"_qs);
    EXPECT_THROW(autre.generer(), Erreur);
    EXPECT_EQ(autre.nombre("SELECT COUNT(*) FROM Contact"), 1);
    EXPECT_EQ(autre.nombre("SELECT COUNT(*) FROM prestation"), 0);
}
