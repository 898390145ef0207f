#include "GiteTest.h"

#include "reservations/Reservations.h"

using namespace velorin;
using namespace velorin::test;

namespace {

class ReservationsTest : public GiteTest {
protected:
    ReservationsTest()
    {
        bleue = chambre("Chambre bleue");
        verte = chambre("Chambre verte");
        dupont = hote("Dupont", "Jean");
        martin = hote("Martin", "Paul");
    }

    Reservations& reservations() { return velorin.reservations(); }

    // A reservation of the guest on the accommodations, at 100 a night each (rate 1).
    TReservation sejour(int idContact, const QList<int>& chambres, const QDate& deb, const QDate& fin,
        int etat = EtatReservation::Reserve)
    {
        TReservation r;
        r.IdContact = idContact;
        r.DateDeb = deb;
        r.DateFin = fin;
        r.Etat = etat;
        r.NbPers = 2;
        r.HeureArr = QTime(17, 0);
        r.HeureDep = QTime(10, 30);
        for (const int id : chambres) r.hebergements.append({id, -1, 90.91, 0, 9.09, 0, 100, 0, 100});
        const int nuits = static_cast<int>(deb.daysTo(fin)) + 1;
        r.montants = {90.91 * nuits * chambres.size(), 0, 9.09 * nuits * chambres.size(), 0,
            100.0 * nuits * chambres.size(), 0, 100.0 * nuits * chambres.size()};
        return r;
    }
    int enregistrer(TReservation r)
    {
        EXPECT_TRUE(reservations().EnregistrerReservation(r)) << env.dialogues.textes().join("\n").toStdString();
        return r.Identifiant;
    }
    QList<QVariantList> planning(int idReservation)
    {
        return lignes("SELECT IdPrest, Jour, Etat, IdTarif, PrixUnit FROM Planning WHERE IdReservation = ? "
                      "ORDER BY IdPrest, Jour",
            {idReservation});
    }
    QString verifier(int idPrest, int idContact, const QDate& deb, const QDate& fin, int etat)
    {
        QString messages;
        reservations().VerifierDisponibilite(idPrest, idContact, messages, fin, deb, etat);
        return messages;
    }

    int bleue = 0;
    int verte = 0;
    int dupont = 0;
    int martin = 0;
};

} // namespace

TEST_F(ReservationsTest, UnSejourDuPremierAuTroisJuilletATroisNuitsParHebergement)
{
    TReservation r = sejour(dupont, {bleue, verte}, juillet(1), juillet(3));
    r.Remarque = "Arrivée tardive";
    r.Acompte = 60;
    r.AvecAcompte = true;
    ASSERT_TRUE(reservations().EnregistrerReservation(r));
    EXPECT_EQ(r.Identifiant, 1);
    EXPECT_EQ(r.DateSaisie, env.horloge.aujourdhui());

    const QList<QVariantList> attendu{{bleue, "2026-07-01", 3, -1, 100.0}, {bleue, "2026-07-02", 3, -1, 100.0},
        {bleue, "2026-07-03", 3, -1, 100.0}, {verte, "2026-07-01", 3, -1, 100.0}, {verte, "2026-07-02", 3, -1, 100.0},
        {verte, "2026-07-03", 3, -1, 100.0}};
    EXPECT_EQ(planning(1), attendu);
    EXPECT_EQ(lignes("SELECT IdContact, DateDeb, DateFin, Etat, PrixTotal, TTC1, Taux1, Taux2, NbPers, Acompte, "
                     "AvecAcompte, HeureArr, HeureDep, Remarque, DateSaisie, IdReg FROM Reservation"),
        (QList<QVariantList>{{dupont, "2026-07-01", "2026-07-03", 3, 600.0, 600.0, 10.0, 20.0, 2, 60.0, 1, "17:00:00",
            "10:30:00", "Arrivée tardive", "2026-07-01", 0}}));
    EXPECT_EQ(
        lignes("SELECT Taux1, Taux2, HT1, TVA1, TTC1 FROM Planning WHERE Jour = '2026-07-02' AND IdPrest = ?", {bleue}),
        (QList<QVariantList>{{10.0, 20.0, 90.91, 9.09, 100.0}}));
}

TEST_F(ReservationsTest, UneNuitQuandLaFinPrecedeLeDebut)
{
    const int id = enregistrer(sejour(dupont, {bleue}, juillet(5), juillet(5)));
    EXPECT_EQ(planning(id).size(), 1);
}

TEST_F(ReservationsTest, ReenregistrerSansUnDesDeuxHebergementsNeGardeQueLAutre)
{
    TReservation r = sejour(dupont, {bleue, verte}, juillet(1), juillet(3));
    ASSERT_TRUE(reservations().EnregistrerReservation(r));
    r.hebergements.removeFirst();
    ASSERT_TRUE(reservations().EnregistrerReservation(r));
    EXPECT_EQ(valeur("SELECT COUNT(*) FROM Planning"), 3);
    EXPECT_EQ(valeur("SELECT COUNT(*) FROM Planning WHERE IdPrest = ?", {verte}), 3);
    EXPECT_EQ(valeur("SELECT COUNT(*) FROM Reservation"), 1);
}

TEST_F(ReservationsTest, DateDeSaisieGardeeOuPoseeAujourdhuiQuandElleManque)
{
    const int id = enregistrer(sejour(dupont, {bleue}, juillet(1), juillet(3)));
    struct Cas {
        QVariant stockee;
        QVariant attendue;
    };
    for (const Cas& cas : {Cas{"2026-05-04", "2026-05-04"}, Cas{QVariant(), "2026-09-15"}}) {
        sql("UPDATE Reservation SET DateSaisie = ? WHERE Identifiant = ?", {cas.stockee, id});
        env.horloge.reglerJour(QDate(2026, 9, 15));
        TReservation r = reservations().ChargerReservation(id);
        r.DateSaisie = QDate(2026, 9, 1); // what the editor holds does not count
        ASSERT_TRUE(reservations().EnregistrerReservation(r));
        EXPECT_EQ(valeur("SELECT DateSaisie FROM Reservation WHERE Identifiant = ?", {id}), cas.attendue);
        EXPECT_EQ(iso(r.DateSaisie), cas.attendue);
    }
}

TEST_F(ReservationsTest, UneDateDeContratVideNEffacePasLaDateStockee)
{
    TReservation r = sejour(dupont, {bleue}, juillet(1), juillet(3));
    r.DateRecContrat = QDate(2026, 6, 2);
    r.DateEnvContrat = QDate(2026, 6, 1);
    ASSERT_TRUE(reservations().EnregistrerReservation(r));
    r.DateRecContrat = QDate();
    r.DateEnvContrat = QDate(2026, 6, 10);
    ASSERT_TRUE(reservations().EnregistrerReservation(r));
    EXPECT_EQ(lignes("SELECT DateEnvContrat, DateRecContrat FROM Reservation"),
        (QList<QVariantList>{{"2026-06-10", "2026-06-02"}}));
    EXPECT_EQ(r.DateRecContrat, QDate(2026, 6, 2));
}

TEST_F(ReservationsTest, FermetureSurDesJoursLibresOuReservesParUnHote)
{
    enregistrer(sejour(dupont, {bleue}, juillet(2), juillet(3)));

    // Over the guest's days: refused by the check, and by the save itself.
    EXPECT_EQ(verifier(bleue, -1, juillet(1), juillet(4), EtatReservation::Fermee),
        "\nL'hébergement Chambre bleue est pré-réservé ou réservé le 02/07/2026"
        "\nL'hébergement Chambre bleue est pré-réservé ou réservé le 03/07/2026");
    const QStringList avant = instantane(tablesSejour());
    TReservation fermeture = sejour(-1, {bleue}, juillet(1), juillet(4), EtatReservation::Fermee);
    EXPECT_FALSE(reservations().EnregistrerReservation(fermeture));
    EXPECT_EQ(env.dialogues.textes(),
        QStringList{"Erreur lors de l'enregistrement d'une réservation : "
                    "L'hébergement Chambre bleue est pré-réservé ou réservé le 02/07/2026"});
    EXPECT_EQ(instantane(tablesSejour()), avant);
    EXPECT_EQ(fermeture.Identifiant, -1);

    // Over free days: state 0, no tariff, no price, no guest.
    env.dialogues.vider();
    EXPECT_EQ(verifier(verte, -1, juillet(1), juillet(4), EtatReservation::Fermee), "");
    TReservation libre = sejour(dupont, {verte}, juillet(1), juillet(2), EtatReservation::Fermee);
    libre.hebergements.first().IdTarif = 4;
    const int id = enregistrer(libre);
    EXPECT_EQ(lignes("SELECT Etat, IdTarif, PrixUnit, HT1, TVA1, TTC1 FROM Planning WHERE IdReservation = ?", {id}),
        (QList<QVariantList>{{0, -1, 0.0, 0.0, 0.0, 0.0}, {0, -1, 0.0, 0.0, 0.0, 0.0}}));
    EXPECT_EQ(lignes("SELECT IdContact, PrixTotal, TTC1, NbPers, Etat FROM Reservation WHERE Identifiant = ?", {id}),
        (QList<QVariantList>{{-1, 0.0, 0.0, 0, 0}}));
    EXPECT_TRUE(env.dialogues.textes().isEmpty());
}

TEST_F(ReservationsTest, OptionSurLesJoursDUnAutreHoteOuSurCeuxDuMemeHote)
{
    enregistrer(sejour(martin, {bleue}, juillet(1), juillet(2), EtatReservation::Option));
    const int ferme = enregistrer(sejour(dupont, {verte}, juillet(1), juillet(2), EtatReservation::Reserve));
    enregistrer(sejour(-1, {verte}, juillet(5), juillet(5), EtatReservation::Fermee));

    EXPECT_EQ(verifier(bleue, dupont, juillet(2), juillet(3), EtatReservation::Option),
        "\nL'hébergement Chambre bleue est déjà pré-réservé ou réservé par un autre hôte le 02/07/2026");
    EXPECT_EQ(verifier(verte, dupont, juillet(5), juillet(5), EtatReservation::Reserve),
        "\nL'hébergement Chambre verte est fermé le 05/07/2026");
    EXPECT_TRUE(env.dialogues.questions().isEmpty());

    // The same guest's firm days: the change of state is asked for.
    env.dialogues.reponses << false << true;
    EXPECT_EQ(verifier(verte, dupont, juillet(1), juillet(3), EtatReservation::Option),
        "\nVous n'avez pas confirmé certaines actions.");
    EXPECT_EQ(verifier(verte, dupont, juillet(1), juillet(3), EtatReservation::Option), "");
    const QString question = "Confirmez-vous les actions suivantes ? \n"
                             "\nPassage de l'état \"réservé\" à \"pré-réservé\" pour l'hébergement Chambre verte le "
                             "01/07/2026"
                             "\nPassage de l'état \"réservé\" à \"pré-réservé\" pour l'hébergement Chambre verte le "
                             "02/07/2026";
    EXPECT_EQ(env.dialogues.questions(), (QStringList{question, question}));

    // Confirmed: the new option takes those nights over.
    const int option = enregistrer(sejour(dupont, {verte}, juillet(1), juillet(3), EtatReservation::Option));
    EXPECT_EQ(valeur("SELECT COUNT(*) FROM Planning WHERE IdReservation = ?", {option}), 3);
    EXPECT_EQ(valeur("SELECT COUNT(*) FROM Planning WHERE IdReservation = ?", {ferme}), 0);

    // Freeing occupied days asks to confirm the release.
    env.dialogues.reponses << true;
    EXPECT_EQ(verifier(bleue, martin, juillet(1), juillet(1), EtatReservation::Libre), "");
    EXPECT_EQ(env.dialogues.questions().last(),
        "Confirmez-vous les actions suivantes ? \n\nLibération de l'hébergement Chambre bleue le 01/07/2026");
}

TEST_F(ReservationsTest, UneNuitPriseEntreTempsParUnAutrePosteEstRefuseeALEnregistrement)
{
    EXPECT_EQ(verifier(bleue, dupont, juillet(1), juillet(3), EtatReservation::Reserve), "");
    // Another workstation books the second night before this one saves.
    sql("INSERT INTO Reservation (Identifiant, IdContact, Etat) VALUES (50, ?, 3)", {martin});
    sql("INSERT INTO Planning (IdPrest, Jour, IdReservation, Etat) VALUES (?, '2026-07-02', 50, 3)", {bleue});
    const QStringList avant = instantane(tablesSejour());

    TReservation r = sejour(dupont, {bleue}, juillet(1), juillet(3));
    EXPECT_FALSE(reservations().EnregistrerReservation(r));
    EXPECT_EQ(env.dialogues.textes(),
        QStringList{"Erreur lors de l'enregistrement d'une réservation : L'hébergement Chambre bleue est déjà "
                    "pré-réservé ou réservé par un autre hôte le 02/07/2026"});
    EXPECT_EQ(instantane(tablesSejour()), avant);
}

TEST_F(ReservationsTest, UnEnregistrementQuiEchoueEnCoursDeRouteNeChangeRien)
{
    // An existing reservation with its lines, receipt and invoice; unattached lines waiting.
    TReservation r = sejour(dupont, {bleue}, juillet(1), juillet(3));
    r.ValRemise = 10;
    r.TypeRemise = 1;
    r.remise = {9.09, 0, 0.91, 0, 10, 0, 0};
    const int id = enregistrer(r);
    sql("INSERT INTO PrestCompl (Identifiant, IdReservation, TypePrest, Nom, Qte) VALUES (100, -1, 1, 'Vélo', 2)");
    sql("INSERT INTO Repas (Identifiant, IdReservation, IdPrest, Nombre) VALUES (100, -1, 9, 2)");
    sql("INSERT INTO DepRec (Identifiant, TypeEcr, IdRef, Montant) VALUES (1, 1, ?, 50)", {id});
    sql("INSERT INTO Factures (Identifiant, NumFac) VALUES (1, 'F1')");
    sql("INSERT INTO FactLig (Identifiant, IdFact, IdReserv) VALUES (1, 1, ?)", {id});
    // The planning rows cannot be written: the failure comes after the reservation row.
    sql("CREATE TRIGGER panne BEFORE INSERT ON Planning BEGIN SELECT RAISE(ABORT, 'disque plein'); END");
    const QStringList avant = instantane(tablesSejour());

    TReservation modifiee = reservations().ChargerReservation(id);
    modifiee.DateFin = juillet(6);
    modifiee.Remarque = "changée";
    modifiee.ValRemise = 0;
    TReservation nouvelle = sejour(martin, {verte}, juillet(10), juillet(12));
    for (TReservation* cas : {&modifiee, &nouvelle}) {
        env.dialogues.vider();
        const TReservation copie = *cas;
        EXPECT_FALSE(reservations().EnregistrerReservation(*cas));
        EXPECT_EQ(
            env.dialogues.textes(), QStringList{"Erreur lors de l'enregistrement d'une réservation : disque plein"});
        EXPECT_EQ(instantane(tablesSejour()), avant);
        EXPECT_EQ(cas->Identifiant, copie.Identifiant);
    }
}

TEST_F(ReservationsTest, LesLignesEnAttenteSontRattacheesALEnregistrement)
{
    sql("INSERT INTO PrestCompl (Identifiant, IdReservation, TypePrest, Nom, Qte) VALUES (1, -1, 1, 'Vélo', 2)");
    sql("INSERT INTO PrestCompl (Identifiant, IdReservation, TypePrest, Nom, Qte) VALUES (2, 7, 1, 'Panier', 1)");
    sql("INSERT INTO Repas (Identifiant, IdReservation, IdPrest, Nombre, Jour) VALUES (1, -1, 9, 2, '2026-07-01')");
    sql("INSERT INTO Repas (Identifiant, IdReservation, IdPrest, Nombre, Jour) VALUES (2, 7, 9, 2, '2026-07-01')");

    TReservation r = sejour(dupont, {bleue}, juillet(1), juillet(3));
    r.ValRemise = 10;
    r.TypeRemise = 1;
    r.remise = {9.09, 0, 0.91, 0, 10, 0, 0};
    const int id = enregistrer(r);
    EXPECT_EQ(lignes("SELECT Identifiant, IdReservation FROM PrestCompl WHERE TypePrest = 1 ORDER BY Identifiant"),
        (QList<QVariantList>{{1, id}, {2, 7}}));
    EXPECT_EQ(lignes("SELECT Identifiant, IdReservation FROM Repas ORDER BY Identifiant"),
        (QList<QVariantList>{{1, id}, {2, 7}}));
    EXPECT_EQ(lignes("SELECT IdReservation, IdPrest, Qte, Offert, Nom, Taux1, HT1, TVA1, TTC1, PrixUnit, PrixTot "
                     "FROM PrestCompl WHERE TypePrest = 4"),
        (QList<QVariantList>{{id, -1, 1, 0, "Remise 10 %", 10.0, -9.09, -0.91, -10.0, -10.0, -10.0}}));

    // Saved again with a discount in euros: one discount line, renamed.
    r.Identifiant = id;
    r.TypeRemise = 0;
    r.ValRemise = 12.5;
    ASSERT_TRUE(reservations().EnregistrerReservation(r));
    EXPECT_EQ(lignes("SELECT Nom FROM PrestCompl WHERE TypePrest = 4"), (QList<QVariantList>{{"Remise"}}));

    // A closure keeps no service or meal.
    r.Etat = EtatReservation::Fermee;
    r.ValRemise = 0;
    ASSERT_TRUE(reservations().EnregistrerReservation(r));
    EXPECT_EQ(valeur("SELECT COUNT(*) FROM PrestCompl WHERE IdReservation = ?", {id}), 0);
    EXPECT_EQ(valeur("SELECT COUNT(*) FROM Repas WHERE IdReservation = ?", {id}), 0);
}

TEST_F(ReservationsTest, ChargerUneReservation)
{
    TReservation r = sejour(dupont, {bleue, verte}, juillet(1), juillet(3));
    r.ValRemise = 10;
    r.TypeRemise = 1;
    r.remise = {54.55, 0, 5.45, 0, 60, 0, 0};
    r.IdCom = 2;
    r.MontantCom = 15;
    r.DejaPaye = 100;
    const int id = enregistrer(r);
    sql("INSERT INTO Repas (Identifiant, IdReservation, IdPrest, Nombre, PrixUnit, PrixTot, Jour) "
        "VALUES (5, ?, 9, 2, 20, 40, '2026-07-02')",
        {id});

    const TReservation lu = reservations().ChargerReservation(id);
    EXPECT_EQ(lu.Identifiant, id);
    EXPECT_EQ(lu.IdContact, dupont);
    EXPECT_EQ(lu.Nom, "Dupont");
    EXPECT_EQ(lu.Prenom, "Jean");
    EXPECT_EQ(lu.DateDeb, juillet(1));
    EXPECT_EQ(lu.DateFin, juillet(3));
    EXPECT_EQ(lu.HeureArr, QTime(17, 0));
    EXPECT_EQ(lu.Etat, EtatReservation::Reserve);
    EXPECT_EQ(lu.NbPers, 2);
    EXPECT_EQ(lu.montants.Total, 600.0);
    EXPECT_EQ(lu.remise, (TMontantsTVA{-54.55, 0, -5.45, 0, -60, 0, 0})) << "the discount line's parts as stored";
    EXPECT_EQ(lu.IdCom, 2);
    EXPECT_EQ(lu.MontantCom, 15.0);
    EXPECT_EQ(lu.DejaPaye, 100.0);
    EXPECT_EQ(lu.IdReg, 0);
    EXPECT_FALSE(lu.verrouillee);
    ASSERT_EQ(lu.hebergements.size(), 2);
    EXPECT_EQ(lu.hebergements[0].IdPrest, bleue);
    EXPECT_DOUBLE_EQ(lu.hebergements[0].PrixUnit, 300.0) << "loaded lines carry the stay's sums";
    EXPECT_DOUBLE_EQ(lu.hebergements[0].HT1, 272.73);
    EXPECT_EQ(lu.repas, (QList<LigneRepasReservation>{{juillet(2), 9, 2, 20, 40}}));
    EXPECT_EQ(
        lignes("SELECT IdReservation, IdPrest, Nom, Etat, IdTarif, PrixUnit, Taux1 FROM TmpPlan ORDER BY IdPrest"),
        (QList<QVariantList>{
            {id, bleue, "Chambre bleue", 3, -1, 300.0, 10.0}, {id, verte, "Chambre verte", 3, -1, 300.0, 10.0}}));
    // Loading again replaces the reservation's rows of the work table.
    reservations().ChargerReservation(id);
    EXPECT_EQ(valeur("SELECT COUNT(*) FROM TmpPlan"), 2);
}

TEST_F(ReservationsTest, UneReservationAbsenteDonneUnEnregistrementVide)
{
    Options options = velorin.options().lire();
    options.AvecAcompte = true;
    velorin.options().enregistrer(options);
    const TReservation r = reservations().ChargerReservation(42);
    EXPECT_EQ(r.Identifiant, -1);
    EXPECT_EQ(r.IdContact, -1);
    EXPECT_FALSE(r.DateDeb.isValid());
    EXPECT_EQ(r.IdReg, -1);
    EXPECT_EQ(r.IdCom, -1);
    EXPECT_TRUE(r.AvecAcompte) << "the options' default";
    EXPECT_TRUE(r.hebergements.isEmpty());
    EXPECT_TRUE(env.dialogues.textes().isEmpty());
}

TEST_F(ReservationsTest, ReservationVerrouillee)
{
    const int id = enregistrer(sejour(dupont, {bleue}, juillet(1), juillet(3)));
    struct Cas {
        bool bloqueFact;
        QString numFac;
        QDate dateBloquee;
        bool attendu;
    };
    for (const Cas& cas : {Cas{true, "F12", {}, true}, Cas{false, "F12", {}, false}, Cas{true, "", {}, false},
             Cas{false, "", juillet(3), true}, Cas{false, "", juillet(2), false}}) {
        Options options = velorin.options().lire();
        options.BloqueFact = cas.bloqueFact;
        options.DateBloquee = cas.dateBloquee;
        velorin.options().enregistrer(options);
        sql("UPDATE Reservation SET NumFac = ?", {cas.numFac});
        EXPECT_EQ(reservations().ChargerReservation(id).verrouillee, cas.attendu)
            << cas.bloqueFact << " " << cas.numFac.toStdString() << " " << cas.dateBloquee.toString().toStdString();
    }
}

TEST_F(ReservationsTest, SupprimerEffaceLaReservationEtCeQuiLuiAppartient)
{
    const int id = enregistrer(sejour(dupont, {bleue}, juillet(1), juillet(3)));
    const int autre = enregistrer(sejour(martin, {verte}, juillet(1), juillet(3)));
    for (const int r : {id, autre}) {
        sql("INSERT INTO PrestCompl (Identifiant, IdReservation, TypePrest) VALUES (?, ?, 1)", {r, r});
        sql("INSERT INTO Repas (Identifiant, IdReservation) VALUES (?, ?)", {r, r});
        sql("INSERT INTO Factures (Identifiant) VALUES (?)", {r});
        sql("INSERT INTO FactLig (Identifiant, IdFact, IdReserv) VALUES (?, ?, ?)", {r, r, r});
    }
    sql("INSERT INTO DepRec (Identifiant, TypeEcr, IdRef) VALUES (1, 1, ?), (2, 0, ?), (3, 1, ?)", {id, id, autre});
    const auto deLAutre = [&] {
        return QList<QList<QVariantList>>{
            lignes("SELECT * FROM Planning WHERE IdReservation = ?", {autre}),
            lignes("SELECT * FROM PrestCompl WHERE IdReservation = ?", {autre}),
            lignes("SELECT * FROM Repas WHERE IdReservation = ?", {autre}),
            lignes("SELECT * FROM FactLig WHERE IdReserv = ?", {autre}),
        };
    };
    const auto autres = deLAutre();

    ASSERT_TRUE(reservations().SupprimerReservation(id));
    EXPECT_EQ(valeur("SELECT COUNT(*) FROM Reservation"), 1);
    EXPECT_EQ(valeur("SELECT COUNT(*) FROM Planning WHERE IdReservation = ?", {id}), 0);
    EXPECT_EQ(valeur("SELECT COUNT(*) FROM PrestCompl WHERE IdReservation = ?", {id}), 0);
    EXPECT_EQ(valeur("SELECT COUNT(*) FROM Repas WHERE IdReservation = ?", {id}), 0);
    EXPECT_EQ(lignes("SELECT Identifiant FROM DepRec ORDER BY Identifiant"), (QList<QVariantList>{{2}, {3}}))
        << "its receipts go; an expense with the same reference stays";
    EXPECT_EQ(lignes("SELECT Identifiant FROM Factures"), (QList<QVariantList>{{autre}}));
    EXPECT_EQ(lignes("SELECT Identifiant FROM FactLig"), (QList<QVariantList>{{autre}}));
    EXPECT_EQ(deLAutre(), autres);
}

TEST_F(ReservationsTest, UneSuppressionQuiEchoueNeChangeRien)
{
    const int id = enregistrer(sejour(dupont, {bleue}, juillet(1), juillet(3)));
    sql("INSERT INTO PrestCompl (Identifiant, IdReservation, TypePrest) VALUES (1, ?, 1)", {id});
    sql("INSERT INTO DepRec (Identifiant, TypeEcr, IdRef) VALUES (1, 1, ?)", {id});
    sql("INSERT INTO Factures (Identifiant) VALUES (1)");
    sql("INSERT INTO FactLig (Identifiant, IdFact, IdReserv) VALUES (1, 1, ?)", {id});
    sql("CREATE TRIGGER panne BEFORE DELETE ON FactLig BEGIN SELECT RAISE(ABORT, 'table verrouillée'); END");
    const QStringList avant = instantane(tablesSejour());

    EXPECT_FALSE(reservations().SupprimerReservation(id));
    EXPECT_EQ(
        env.dialogues.textes(), QStringList{"Erreur lors de la suppression d'une réservation : table verrouillée"});
    EXPECT_EQ(instantane(tablesSejour()), avant);
}

TEST_F(ReservationsTest, QuitterUnGroupeALaSuppression)
{
    QList<int> recalcules;
    reservations().recalculerGroupe = [&](int idReg) { recalcules.append(idReg); };
    struct Cas {
        int membres;
        bool dissous;
    };
    for (const Cas& cas : {Cas{2, true}, Cas{3, false}}) {
        recalcules.clear();
        const int groupe = cas.membres * 10;
        sql("INSERT INTO Regroupements (Identifiant, IdContact) VALUES (?, ?)", {groupe, dupont});
        QList<int> ids;
        for (int i = 0; i < cas.membres; ++i) {
            ids.append(enregistrer(sejour(dupont, {bleue}, juillet(1 + 3 * i).addMonths(cas.membres),
                juillet(2 + 3 * i).addMonths(cas.membres))));
            sql("UPDATE Reservation SET IdReg = ? WHERE Identifiant = ?", {groupe, ids.last()});
        }
        ASSERT_TRUE(reservations().SupprimerReservation(ids.first()));
        ids.removeFirst();
        QList<QVariantList> restants;
        for (const int id : ids) restants.append({id, cas.dissous ? 0 : groupe});
        EXPECT_EQ(lignes("SELECT Identifiant, IdReg FROM Reservation WHERE Identifiant IN (?, ?) ORDER BY Identifiant",
                      {ids.value(0), ids.value(1, ids.value(0))}),
            restants);
        EXPECT_EQ(valeur("SELECT COUNT(*) FROM Regroupements WHERE Identifiant = ?", {groupe}), cas.dissous ? 0 : 1);
        EXPECT_EQ(recalcules, cas.dissous ? QList<int>{} : QList<int>{groupe});
    }
}

TEST_F(ReservationsTest, EnregistrerUnMembreDeGroupeRecalculeLeGroupe)
{
    QList<int> recalcules;
    reservations().recalculerGroupe = [&](int idReg) { recalcules.append(idReg); };
    TReservation r = sejour(dupont, {bleue}, juillet(1), juillet(3));
    ASSERT_TRUE(reservations().EnregistrerReservation(r));
    EXPECT_TRUE(recalcules.isEmpty());
    sql("UPDATE Reservation SET IdReg = 8 WHERE Identifiant = ?", {r.Identifiant});
    r.IdReg = -1; // the stored group is kept whatever the record says
    ASSERT_TRUE(reservations().EnregistrerReservation(r));
    EXPECT_EQ(r.IdReg, 8);
    EXPECT_EQ(valeur("SELECT IdReg FROM Reservation"), 8);
    EXPECT_EQ(recalcules, QList<int>{8});
}

TEST_F(ReservationsTest, EnregistrementRefuseSansDatesOuEnEtatLibre)
{
    TReservation sansDates = sejour(dupont, {bleue}, juillet(1), juillet(3));
    sansDates.DateDeb = QDate();
    EXPECT_FALSE(reservations().EnregistrerReservation(sansDates));
    TReservation libre = sejour(dupont, {bleue}, juillet(1), juillet(3), EtatReservation::Libre);
    EXPECT_FALSE(reservations().EnregistrerReservation(libre));
    EXPECT_EQ(env.dialogues.textes().size(), 2);
    EXPECT_EQ(valeur("SELECT COUNT(*) FROM Reservation"), 0);
}

TEST_F(ReservationsTest, CalculDeLAcompte)
{
    struct Cas {
        bool avecAcompte;
        int modeArrhes;
        int arrondi;
        double attendu;
    };
    for (const Cas& cas : {Cas{true, 0, 0, 46.5}, Cas{true, 0, 1, 46}, Cas{true, 0, 2, 46}, Cas{true, 0, 7, 46.5},
             Cas{false, 0, 0, 0}, Cas{true, 1, 0, 80}}) {
        Options options = velorin.options().lire();
        options.PourcentAcompte = 30;
        options.ArrondiAcompte = cas.arrondi;
        options.ModeArrhes = cas.modeArrhes;
        options.ArrhesDefaut = 80;
        velorin.options().enregistrer(options);
        velorin.options().ChargerOptions();
        EXPECT_EQ(velorin.tarification().CalculerAcompte(cas.avecAcompte, 155), cas.attendu)
            << cas.avecAcompte << " " << cas.modeArrhes << " " << cas.arrondi;
    }
    Options options = velorin.options().lire();
    options.ModeArrhes = 0;
    options.ArrondiAcompte = 2;
    options.PourcentAcompte = 50;
    velorin.options().enregistrer(options);
    velorin.options().ChargerOptions();
    EXPECT_EQ(velorin.tarification().CalculerAcompte(true, 95), 48) << "47.5 goes to the even euro";
}

TEST_F(ReservationsTest, LibelleReaffectationEtPosition)
{
    const int id = enregistrer(sejour(dupont, {bleue}, juillet(1), juillet(3)));
    const int fermeture = enregistrer(sejour(-1, {verte}, juillet(1), juillet(3), EtatReservation::Fermee));
    EXPECT_EQ(reservations().LibelleReservation(id), "du 01/07/2026 au 03/07/2026 - Jean Dupont");
    EXPECT_EQ(reservations().LibelleReservation(fermeture), "");
    EXPECT_EQ(reservations().LibelleReservation(99), "");

    EXPECT_TRUE(reservations().ReaffecterReservation(id, martin));
    EXPECT_EQ(reservations().LibelleReservation(id), "du 01/07/2026 au 03/07/2026 - Paul Martin");
    EXPECT_FALSE(reservations().ReaffecterReservation(99, martin));

    EXPECT_EQ(reservations().PositionnerReservation(id).value("IdContact").toInt(), martin);
    EXPECT_TRUE(reservations().PositionnerReservation(99).isEmpty());
    EXPECT_TRUE(env.dialogues.textes().isEmpty());
}
