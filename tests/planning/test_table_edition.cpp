#include "PlanningTest.h"

#include <gtest/gtest.h>

using namespace velorin;
using namespace velorin::test;

namespace {

TOptionsPlanning periode(const char* debut, const char* fin, int parPartie, bool observations, bool anonyme = false)
{
    TOptionsPlanning o;
    o.DateDeb = jour(debut);
    o.DateFin = jour(fin);
    o.NbChambresParPartie = parPartie;
    o.Observations = observations;
    o.Anonyme = anonyme;
    return o;
}

// Column names of TmpEdPlan after the three leading ones.
int colonnesParPartie(Pension& p)
{
    return static_cast<int>((p.base().colonnes(u"TmpEdPlan"_qs).size() - 4) / 4);
}

} // namespace

TEST(TableEdition, PartiesColonnesEtRemarques)
{
    struct Cas {
        int hebergements;
        int parPartie;
        int parties;
        int colonnes;
        int partieRemarques;
        int colonneRemarques;
    };
    const Cas cas[] = {
        {7, 3, 3, 3, 3, 2}, // parts of 3, 3 and 1 accommodations; the remarks after the 7th
        {6, 3, 3, 3, 3, 1}, // a further part for the remarks alone
        {4, -1, 1, 5, 1, 5},
        {4, 10, 1, 5, 1, 5},
        {4, 4, 1, 5, 1, 5},
    };
    for (const Cas& k : cas) {
        SCOPED_TRACE(testing::Message() << k.hebergements << " hébergements, " << k.parPartie << " par partie");
        Pension p;
        for (int i = 1; i <= k.hebergements; ++i) p.hebergement(u"Chambre %1"_qs.arg(i), i);
        p.planning.EnregistrerRemarque(jour("2025-03-02"), u"Marché"_qs);

        TListeChambres liste;
        ASSERT_TRUE(p.planning.CreerTableEditionPlanning(periode("2025-03-01", "2025-03-03", k.parPartie, true), liste));
        EXPECT_EQ(liste.size(), k.hebergements);
        EXPECT_EQ(colonnesParPartie(p), k.colonnes);
        EXPECT_EQ(p.lignes("SELECT NumPartie, COUNT(*) FROM TmpEdPlan GROUP BY NumPartie ORDER BY NumPartie").size(),
                  k.parties);
        EXPECT_EQ(p.valeur("SELECT COUNT(*) FROM TmpEdPlan").toInt(), 3 * k.parties) << "one row per part and day";

        const QString nom = u"NomChambre%1"_qs.arg(k.colonneRemarques);
        const QString texte = u"Chambre%1"_qs.arg(k.colonneRemarques);
        EXPECT_EQ(p.lignes(u"SELECT Jour, %1, %2 FROM TmpEdPlan WHERE NumPartie = ? ORDER BY Jour"_qs.arg(nom, texte),
                           {k.partieRemarques}),
                  (QList<QVariantList>{{u"2025-03-01"_qs, u"Observations"_qs, QVariant()},
                                       {u"2025-03-02"_qs, u"Observations"_qs, u"Marché"_qs},
                                       {u"2025-03-03"_qs, u"Observations"_qs, QVariant()}}));
        // Columns after the last accommodation (other than the remarks) have no name.
        const int derniere = k.parties * k.colonnes;
        if (derniere > k.hebergements + 1) {
            const QVariant vide = p.valeur(u"SELECT NomChambre%1 FROM TmpEdPlan WHERE NumPartie = ?"_qs.arg(k.colonnes),
                                           {k.parties});
            EXPECT_TRUE(vide.toString().isEmpty());
        }
        EXPECT_EQ(p.valeur("SELECT NomChambre1 FROM TmpEdPlan WHERE NumPartie = 1").toString(), u"Chambre 1"_qs);
    }
}

TEST(TableEdition, CellulesSelonLEtatEtLAnonymat)
{
    Pension p;
    const int a = p.hebergement(u"Lavande"_qs, 1);
    const int b = p.hebergement(u"Olivier"_qs, 2);
    const int c = p.hebergement(u"Cabane"_qs, 3);
    const int durand = p.contact(u"Durand"_qs, u"Jean"_qs);
    const int reserve = p.reservation({.contact = durand, .debut = jour("2025-03-01"), .fin = jour("2025-03-02"),
                                       .etat = 3, .hebergements = {a}});
    const int option = p.reservation({.contact = durand, .debut = jour("2025-03-02"), .fin = jour("2025-03-02"),
                                      .etat = 2, .hebergements = {b}});
    const int ferme = p.reservation({.debut = jour("2025-03-01"), .fin = jour("2025-03-03"), .etat = 0,
                                     .hebergements = {c}});
    p.repas(reserve, jour("2025-03-01"), 2); // marks the day whatever AffRepas
    p.ferie(jour("2025-03-03"), jour("2025-03-03"));

    const auto lignes = [&] {
        return p.lignes("SELECT Jour, NomMois, Chambre1, CoulJour1, IdRes1, Chambre2, CoulJour2, IdRes2, "
                        "Chambre3, CoulJour3, IdRes3 FROM TmpEdPlan ORDER BY Jour");
    };
    TListeChambres liste;
    ASSERT_TRUE(p.planning.CreerTableEditionPlanning(periode("2025-03-01", "2025-03-03", -1, false), liste));
    EXPECT_EQ(lignes(), (QList<QVariantList>{
                            {u"2025-03-01"_qs, u"mars 2025"_qs, u"Durand Jean"_qs, 3, reserve, QVariant(), 2, -1,
                             u"Fermée"_qs, 2, ferme},
                            {u"2025-03-02"_qs, u"mars 2025"_qs, u"Durand Jean"_qs, 2, reserve, u"Option Durand Jean"_qs,
                             2, option, u"Fermée"_qs, 2, ferme},
                            {u"2025-03-03"_qs, u"mars 2025"_qs, QVariant(), 1, -1, QVariant(), 1, -1, u"Fermée"_qs, 1,
                             ferme},
                        }));

    // Anonymous: no guest, no reservation, except on closed days.
    ASSERT_TRUE(p.planning.CreerTableEditionPlanning(periode("2025-03-01", "2025-03-03", -1, false, true), liste));
    const QList<QVariantList> anonymes = lignes();
    EXPECT_EQ(anonymes[1][2], u"Réservé"_qs);
    EXPECT_EQ(anonymes[1][4], -1);
    EXPECT_EQ(anonymes[1][5], u"Option"_qs);
    EXPECT_EQ(anonymes[1][7], -1);
    EXPECT_EQ(anonymes[1][10], ferme);
    EXPECT_EQ(p.valeur("SELECT COUNT(*) FROM sqlite_master WHERE type = 'index' AND tbl_name = 'TmpEdPlan'").toInt(),
              1);
    EXPECT_THROW(p.sql("INSERT INTO TmpEdPlan (NumPartie, Jour) VALUES (1, '2025-03-01')"), std::exception)
        << "primary index on NumPartie;Jour";
}

TEST(TableEdition, UnEchecNeLaissePasLaTablePrecedente)
{
    Pension p;
    p.hebergement(u"Lavande"_qs, 1);
    TListeChambres liste;
    ASSERT_TRUE(p.planning.CreerTableEditionPlanning(periode("2025-03-01", "2025-03-03", -1, false), liste));
    ASSERT_TRUE(p.base().tableExiste(u"TmpEdPlan"_qs));

    p.sql("ALTER TABLE Planning RENAME TO PlanningAbsent");
    EXPECT_FALSE(p.planning.CreerTableEditionPlanning(periode("2025-04-01", "2025-04-03", -1, false), liste));
    ASSERT_EQ(p.env.dialogues.textes().size(), 1);
    EXPECT_TRUE(p.env.dialogues.textes()[0].startsWith(u"Erreur pendant la création de la table planning : "_qs));
    EXPECT_FALSE(p.base().tableExiste(u"TmpEdPlan"_qs));
}
