#include "GiteTest.h"

#include "reservations/LignesSejour.h"
#include "reservations/Reservations.h"

using namespace velorin;
using namespace velorin::test;

namespace {

class LignesSejourTest : public GiteTest {
protected:
    LignesSejour& lignesSejour() { return velorin.lignesSejour(); }
};

} // namespace

TEST_F(LignesSejourTest, QuantiteDUnePrestationSelonPersonnesEtNuits)
{
    struct Cas {
        bool propNuits, propPers;
        int personnes, nuits;
        int attendu;
    };
    int n = 0;
    for (const Cas& cas : {Cas{true, true, 2, 3, 6}, Cas{false, false, 2, 3, 1}, Cas{true, false, 2, 3, 3},
             Cas{false, true, 2, 3, 2}, Cas{false, true, 0, 3, 0}}) {
        const int item = article(
            TypePrestation::Prestation, QStringLiteral("Service %1").arg(++n), 8, cas.propNuits, cas.propPers);
        const int id = lignesSejour().AjouterPrestation(item, -1, juillet(3), juillet(1), cas.personnes, cas.nuits);
        EXPECT_EQ(valeur("SELECT Qte FROM PrestCompl WHERE Identifiant = ?", {id}), cas.attendu)
            << cas.propNuits << cas.propPers << " " << cas.personnes << " " << cas.nuits;
    }
}

TEST_F(LignesSejourTest, UnePrestationCopieLArticleEtSonPrix)
{
    const int velo = article(TypePrestation::Prestation, "Location vélo", 15, true, false, false, true);
    const int id = lignesSejour().AjouterPrestation(velo, 12, juillet(3), juillet(1), 2, 3);
    EXPECT_EQ(lignes("SELECT IdReservation, IdPrest, Nom, TypePrest, Qte, Offert, DateDeb, DateFin, Taux1, Taux2, "
                     "HT1, TVA1, TTC1, HT2, TVA2, TTC2, PrixUnit, PrixTot FROM PrestCompl WHERE Identifiant = ?",
                  {id}),
        (QList<QVariantList>{{12, velo, "Location vélo", 1, 3, 1, "2026-07-01", "2026-07-03", 10.0, 20.0, 13.64, 1.36,
            15.0, 0.0, 0.0, 0.0, 15.0, 45.0}}));
}

TEST_F(LignesSejourTest, UnePrestationNonSoumiseATVA)
{
    const int visite = article(TypePrestation::Prestation, "Visite guidée", 30, false, false, true);
    const int id = lignesSejour().AjouterPrestation(visite, -1, juillet(1), juillet(1), 1, 1);
    EXPECT_EQ(lignes("SELECT Taux1, Taux2, HT1, TVA1, TTC1, PrixUnit FROM PrestCompl WHERE Identifiant = ?", {id}),
        (QList<QVariantList>{{0.0, 0.0, 30.0, 0.0, 30.0, 30.0}}));
}

TEST_F(LignesSejourTest, UnArticleInconnuNAjouteRien)
{
    EXPECT_THROW(lignesSejour().AjouterPrestation(99, -1, juillet(1), juillet(1), 1, 1), Erreur);
    EXPECT_THROW(lignesSejour().AjouterRepas(99, -1, juillet(1), 2), Erreur);
    EXPECT_EQ(valeur("SELECT COUNT(*) FROM PrestCompl"), 0);
    EXPECT_EQ(valeur("SELECT COUNT(*) FROM Repas"), 0);
}

TEST_F(LignesSejourTest, UnRepasAuPrixDeLArticle)
{
    const int diner = article(TypePrestation::Repas, "Dîner", 20);
    const int id = lignesSejour().AjouterRepas(diner, 4, juillet(2), 3);
    EXPECT_EQ(lignes("SELECT IdReservation, IdPrest, Jour, Nombre, Taux1, HT1, TVA1, TTC1, PrixUnit, PrixTot "
                     "FROM Repas WHERE Identifiant = ?",
                  {id}),
        (QList<QVariantList>{{4, diner, "2026-07-02", 3, 10.0, 18.18, 1.82, 20.0, 20.0, 60.0}}));
    const QList<QSqlRecord> affiches = lignesSejour().FiltrerRepas(4);
    ASSERT_EQ(affiches.size(), 1);
    EXPECT_EQ(affiches.first().value("Nom"), "Dîner") << "the item's name, for display";
}

TEST_F(LignesSejourTest, UnPrixDeRepasSaisiSansSesPartiesPrendCellesDeLArticle)
{
    const int diner = article(TypePrestation::Repas, "Dîner", 20); // 18.18 + 1.82 at 10 %
    QSqlRecord ligne = base().db().record("Repas");
    ligne.setValue("IdReservation", 4);
    ligne.setValue("IdPrest", diner);
    ligne.setValue("Jour", "2026-07-02");
    ligne.setValue("Nombre", 2);
    ligne.setValue("PrixUnit", 25.0);
    lignesSejour().EnregistrerLigneRepas(ligne);
    // Ratio 1.25, each part rounded on its own from its exact product: 18.18 × 1.25 lies below
    // 22.725, 1.82 × 1.25 above 2.275, and the parts still make 25.00.
    EXPECT_EQ(lignes("SELECT HT1, TVA1, TTC1, HT2, PrixUnit, PrixTot FROM Repas"),
        (QList<QVariantList>{{22.72, 2.28, 25.0, 0.0, 25.0, 50.0}}));

    // Typed again in the grid: the parts are kept, the total follows.
    ligne.setValue("Nombre", 4);
    LignesSejour::RepasPrixUnitChange(ligne);
    EXPECT_EQ(ligne.value("PrixTot").toDouble(), 100.0);
    lignesSejour().EnregistrerLigneRepas(ligne);
    EXPECT_EQ(lignes("SELECT COUNT(*), MAX(Nombre), MAX(PrixTot), MAX(HT1) FROM Repas"),
        (QList<QVariantList>{{1, 4, 100.0, 22.72}}));
}

TEST_F(LignesSejourTest, ReglesDesLignesALaSaisie)
{
    QSqlRecord prestation = base().db().record("PrestCompl");
    LignesSejour::PrestComplBeforePost(prestation);
    EXPECT_EQ(prestation.value("Qte").toInt(), 0);
    EXPECT_EQ(prestation.value("PrixUnit").toDouble(), 0.0);
    EXPECT_EQ(prestation.value("PrixTot").toDouble(), 0.0);
    prestation.setValue("Qte", 3);
    prestation.setValue("PrixUnit", 33.333);
    LignesSejour::PrixQteChange(prestation);
    EXPECT_DOUBLE_EQ(prestation.value("PrixTot").toDouble(), 3 * 33.333) << "not rounded";

    QSqlRecord repas = base().db().record("Repas");
    repas.setValue("PrixUnit", 12.0);
    LignesSejour::RepasPrixUnitChange(repas);
    EXPECT_TRUE(repas.isNull("PrixTot")) << "no number of covers yet";
    repas.setValue("Nombre", 2);
    LignesSejour::RepasPrixUnitChange(repas);
    EXPECT_EQ(repas.value("PrixTot").toDouble(), 24.0);
}

TEST_F(LignesSejourTest, RepasDeDemiPension)
{
    const int diner = article(TypePrestation::Repas, "Dîner", 20);
    const int demiPension = article(TypePrestation::DemiPension, "Demi-pension", 0);
    lignesSejour().AjouterRepas(diner, 7, juillet(1), 2);
    lignesSejour().AjouterRepas(demiPension, 8, juillet(1), 2); // another reservation's

    lignesSejour().CreerRepasDemiPension(7, 3, juillet(2), juillet(1)); // replaced below
    lignesSejour().CreerRepasDemiPension(7, 2, juillet(3), juillet(1));
    EXPECT_EQ(lignes("SELECT Jour, Nombre, PrixUnit, PrixTot FROM Repas WHERE IdReservation = 7 AND IdPrest = ? "
                     "ORDER BY Jour",
                  {demiPension}),
        (QList<QVariantList>{{"2026-07-01", 2, 0.0, 0.0}, {"2026-07-02", 2, 0.0, 0.0}, {"2026-07-03", 2, 0.0, 0.0}}));

    lignesSejour().SupprimerRepasDemiPension(7);
    EXPECT_EQ(lignes("SELECT IdReservation, IdPrest FROM Repas ORDER BY IdReservation"),
        (QList<QVariantList>{{7, diner}, {8, demiPension}}));
}

TEST_F(LignesSejourTest, SansArticleDeDemiPensionRienNEstCree)
{
    article(TypePrestation::Repas, "Dîner", 20);
    lignesSejour().CreerRepasDemiPension(7, 2, juillet(3), juillet(1));
    EXPECT_EQ(valeur("SELECT COUNT(*) FROM Repas"), 0);
    EXPECT_EQ(lignesSejour().articleDemiPension(), -1);
}

TEST_F(LignesSejourTest, LesLignesTemporairesSontOubliees)
{
    const int diner = article(TypePrestation::Repas, "Dîner", 20);
    const int velo = article(TypePrestation::Prestation, "Vélo", 15);
    lignesSejour().AjouterRepas(diner, -1, juillet(1), 2);
    lignesSejour().AjouterPrestation(velo, -1, juillet(1), juillet(1), 1, 1);
    const int garde = lignesSejour().AjouterRepas(diner, 3, juillet(1), 2);
    const int gardee = lignesSejour().AjouterPrestation(velo, 3, juillet(1), juillet(1), 1, 1);
    lignesSejour().SupprimerRepasTemporaires();
    EXPECT_EQ(lignes("SELECT Identifiant FROM Repas"), (QList<QVariantList>{{garde}}));
    EXPECT_EQ(lignes("SELECT Identifiant FROM PrestCompl"), (QList<QVariantList>{{gardee}}));
}

TEST_F(LignesSejourTest, LignesSaisiesPuisRattacheesALaReservation)
{
    const int chambreBleue = chambre("Chambre bleue");
    const int diner = article(TypePrestation::Repas, "Dîner", 20);
    const int demiPension = article(TypePrestation::DemiPension, "Demi-pension", 0);
    const int velo = article(TypePrestation::Prestation, "Vélo", 15, true);
    const int idHote = hote("Dupont", "Jean");

    lignesSejour().AjouterPrestation(velo, -1, juillet(3), juillet(1), 2, 3);
    lignesSejour().AjouterRepas(diner, -1, juillet(2), 2);
    lignesSejour().CreerRepasDemiPension(-1, 2, juillet(3), juillet(1));

    TReservation r;
    r.IdContact = idHote;
    r.DateDeb = juillet(1);
    r.DateFin = juillet(3);
    r.Etat = EtatReservation::Option;
    r.hebergements.append({chambreBleue, -1, 90.91, 0, 9.09, 0, 100, 0, 100});
    ASSERT_TRUE(velorin.reservations().EnregistrerReservation(r));
    EXPECT_EQ(lignesSejour().FiltrerPrestations(r.Identifiant, TypePrestation::Prestation).size(), 1);
    EXPECT_EQ(lignesSejour().FiltrerRepas(r.Identifiant).size(), 4);
    EXPECT_EQ(valeur("SELECT COUNT(*) FROM Repas WHERE IdReservation = -1"), 0);

    const TReservation lu = velorin.reservations().ChargerReservation(r.Identifiant);
    EXPECT_EQ(lu.repas.size(), 4);
    EXPECT_EQ(lu.repas.first().IdPrest, demiPension);
    EXPECT_EQ(lu.repas.at(1).IdPrest, diner) << "by day";
}

TEST_F(LignesSejourTest, StructureDesMenus)
{
    TMenus menus = lignesSejour().OuvrirMenus();
    EXPECT_TRUE(menus.nouveau);
    EXPECT_EQ(menus.Visible, (std::array<bool, 10>{}));
    EXPECT_EQ(valeur("SELECT COUNT(*) FROM TypeMenu"), 0) << "stored by ValiderMenus only";
    menus.Libelle[0] = "Entrée";
    menus.Visible[0] = true;
    lignesSejour().ValiderMenus(menus);
    TMenus relu = lignesSejour().OuvrirMenus();
    EXPECT_FALSE(relu.nouveau);
    EXPECT_EQ(relu, menus);
    relu.Libelle[1] = "Plat";
    lignesSejour().ValiderMenus(relu);
    EXPECT_EQ(lignes("SELECT Libelle1, Visible1, Libelle2, Visible2 FROM TypeMenu"),
        (QList<QVariantList>{{"Entrée", 1, "Plat", 0}}));
}

TEST_F(LignesSejourTest, LaStructureDesMenusResteUneSeuleLigne)
{
    // Two workstations open the screen before either saves: the second save replaces the
    // first rather than adding a second row.
    TMenus premier = lignesSejour().OuvrirMenus();
    TMenus second = lignesSejour().OuvrirMenus();
    ASSERT_TRUE(premier.nouveau && second.nouveau);
    premier.Libelle[0] = "Entrée";
    lignesSejour().ValiderMenus(premier);
    second.Libelle[0] = "Soupe";
    lignesSejour().ValiderMenus(second);
    EXPECT_EQ(
        lignes("SELECT Identifiant, Libelle1 FROM TypeMenu"), (QList<QVariantList>{{premier.Identifiant, "Soupe"}}));
    EXPECT_EQ(second.Identifiant, premier.Identifiant);

    // The row removed meanwhile: the save writes it again.
    sql("DELETE FROM TypeMenu");
    second.Libelle[1] = "Plat";
    lignesSejour().ValiderMenus(second);
    EXPECT_EQ(lignes("SELECT Libelle1, Libelle2 FROM TypeMenu"), (QList<QVariantList>{{"Soupe", "Plat"}}));
}
