// Benchmarks on generated guest houses: the planning window with its totals, loading and
// saving a reservation, the availability check, and the start-up verification of an
// up-to-date database.
//
// The reservation operations are not part of this program yet: loading and saving are
// measured here as the plain statements they run (the reservation row, its planning rows
// and its lines; a reservation and its planning rows written in one transaction).

#include "app/DialoguesConsole.h"
#include "app/Erreur.h"
#include "app/Horloge.h"
#include "app/Plateforme.h"
#include "maintenance/DonneesDemo.h"
#include "planning/DonneesPlanning.h"
#include "store/BaseDonnees.h"
#include "store/DMCommun.h"
#include "store/DMVelorin.h"
#include "store/Dialecte.h"
#include "store/VerificationTables.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <memory>

using namespace velorin;

namespace {

// The day the data is built around, fixed so that every run measures the same data.
const QDate reference(2025, 6, 15);

class HorlogeBanc : public Horloge {
public:
    QDate aujourdhui() const override { return reference; }
    QDateTime maintenant() const override { return QDateTime(reference, QTime(9, 0)); }
    // The verification pauses half a second at its end for the user to read it: not measured.
    void attendre(int) override {}
    void traiterEvenements() override {}
};

// One generated guest house in its own temporary program folder.
struct Jeu {
    explicit Jeu(int hebergements)
    {
        if (!programme.isValid()) throw Erreur(u"Dossier temporaire impossible"_qs);
        const QDir source(QStringLiteral(VELORIN_RESSOURCES_DIR "/StructuresTables"));
        const QDir cible(programme.filePath(u"StructuresTables"_qs));
        cible.mkpath(u"."_qs);
        for (const QString& fichier : source.entryList(QDir::Files))
            QFile::copy(source.filePath(fichier), cible.filePath(fichier));
        commun = std::make_unique<DMCommun>(Services{dialogues, horloge, plateforme}, programme.path());
        commun->creer();
        velorin = std::make_unique<DMVelorin>(*commun);
        ParametresDemo parametres = hebergements > 12 ? ParametresDemo::grand(reference) : ParametresDemo();
        parametres.reference = reference;
        parametres.nbHebergements = hebergements;
        bilan = GenerateurDemo(*velorin).generer(parametres);
        velorin->options().ChargerOptions();
        std::fprintf(stderr, "%d hébergements : %d réservations, %d nuits, %d contacts, %lld Mo\n", bilan.hebergements,
                     bilan.reservations, bilan.nuits, bilan.contacts,
                     static_cast<long long>(QFileInfo(commun->fichierBase()).size() / 1000000));
    }

    BaseDonnees& base() { return commun->base(); }

    // Firm bookings around the reference day, to load and check.
    QList<int> reservationsProches(int nombre)
    {
        QList<int> ids;
        QSqlQuery q = base().executer(u"SELECT Identifiant FROM Reservation WHERE Etat = 3 AND DateDeb >= ? "
                                      "ORDER BY DateDeb LIMIT ?"_qs,
                                      {dialecte::valeurDate(reference.addDays(-60)), nombre});
        while (q.next()) ids.append(q.value(0).toInt());
        return ids;
    }

    QTemporaryDir programme;
    DialoguesConsole dialogues;
    HorlogeBanc horloge;
    PlateformeSysteme plateforme;
    std::unique_ptr<DMCommun> commun;
    std::unique_ptr<DMVelorin> velorin;
    BilanDemo bilan;
};

std::map<int, std::unique_ptr<Jeu>>* jeux = nullptr;

Jeu& jeu(int hebergements)
{
    auto& j = (*jeux)[hebergements];
    if (!j) j = std::make_unique<Jeu>(hebergements);
    return *j;
}

// Reads every column of every row, as a caller filling its records would.
int lireTout(QSqlQuery requete)
{
    int valeurs = 0;
    while (requete.next()) {
        const int n = requete.record().count();
        for (int i = 0; i < n; ++i) {
            benchmark::DoNotOptimize(requete.value(i));
            ++valeurs;
        }
    }
    return valeurs;
}

// ---------------------------------------------------------------- planning

// One redisplay: accommodations, their 45 days, meals, remarks, booked count, and the totals
// of the month and of the same month a year earlier.
void BM_FenetrePlanning(benchmark::State& state)
{
    Jeu& j = jeu(static_cast<int>(state.range(0)));
    DonneesPlanning planning(*j.velorin);
    for (auto _ : state) {
        TListeChambres liste;
        planning.ChargerListeHebergements(liste);
        FenetrePlanning fenetre = planning.ChargerFenetre(liste, reference.addDays(-1));
        benchmark::DoNotOptimize(fenetre);
    }
}

// The days alone (without meals, remarks and totals).
void BM_JoursDesHebergements(benchmark::State& state)
{
    Jeu& j = jeu(static_cast<int>(state.range(0)));
    DonneesPlanning planning(*j.velorin);
    TListeChambres liste;
    planning.ChargerListeHebergements(liste);
    for (auto _ : state) {
        planning.ChargerPlanning(liste, reference.addDays(-1));
        benchmark::DoNotOptimize(liste);
    }
}

// The days read accommodation by accommodation, for comparison.
void BM_JoursParHebergement(benchmark::State& state)
{
    Jeu& j = jeu(static_cast<int>(state.range(0)));
    DonneesPlanning planning(*j.velorin);
    TListeChambres liste;
    planning.ChargerListeHebergements(liste);
    for (auto _ : state) {
        for (TMoisChambre& chambre : liste)
            planning.ChargerPlanningChambre(chambre.Identifiant, reference.addDays(-1), chambre.Jours);
        benchmark::DoNotOptimize(liste);
    }
}

void BM_TotauxPlanning(benchmark::State& state)
{
    Jeu& j = jeu(static_cast<int>(state.range(0)));
    DonneesPlanning planning(*j.velorin);
    for (auto _ : state) {
        TTotauxPlanning totaux = planning.CalculerTotauxPlanning(QDate(reference.year(), reference.month(), 1));
        benchmark::DoNotOptimize(totaux);
    }
}

void BM_TableEditionUnMois(benchmark::State& state)
{
    Jeu& j = jeu(static_cast<int>(state.range(0)));
    DonneesPlanning planning(*j.velorin);
    TOptionsPlanning options;
    options.DateDeb = QDate(reference.year(), reference.month(), 1);
    options.DateFin = options.DateDeb.addMonths(1).addDays(-1);
    options.NbChambresParPartie = 8;
    options.Observations = true;
    for (auto _ : state) {
        TListeChambres liste;
        if (!planning.CreerTableEditionPlanning(options, liste)) state.SkipWithError("TmpEdPlan");
    }
}

// ---------------------------------------------------------------- reservations

void BM_ChargerReservation(benchmark::State& state)
{
    Jeu& j = jeu(static_cast<int>(state.range(0)));
    const QList<int> ids = j.reservationsProches(50);
    BaseDonnees& b = j.base();
    qsizetype n = 0;
    for (auto _ : state) {
        const int id = ids.at(n++ % ids.size());
        int valeurs = lireTout(b.executer(u"SELECT * FROM Reservation WHERE Identifiant = ?"_qs, {id}));
        valeurs += lireTout(b.executer(u"SELECT Nom, Prenom FROM Contact WHERE Identifiant = "
                                       "(SELECT IdContact FROM Reservation WHERE Identifiant = ?)"_qs,
                                       {id}));
        valeurs += lireTout(b.executer(u"SELECT * FROM Planning WHERE IdReservation = ?"_qs, {id}));
        valeurs += lireTout(b.executer(u"SELECT * FROM PrestCompl WHERE IdReservation = ?"_qs, {id}));
        valeurs += lireTout(b.executer(u"SELECT * FROM Repas WHERE IdReservation = ?"_qs, {id}));
        benchmark::DoNotOptimize(valeurs);
    }
}

// The planning rows of a reservation without the IdReservation index (SQLite's unary plus
// keeps it from being used), to show what the index brings.
void BM_NuitsDUneReservationSansIndex(benchmark::State& state)
{
    Jeu& j = jeu(static_cast<int>(state.range(0)));
    const QList<int> ids = j.reservationsProches(50);
    qsizetype n = 0;
    for (auto _ : state) {
        const int id = ids.at(n++ % ids.size());
        benchmark::DoNotOptimize(lireTout(j.base().executer(u"SELECT * FROM Planning WHERE +IdReservation = ?"_qs, {id})));
    }
}

void ecrireReservation(BaseDonnees& b, int id, int idContact, const QDate& debut, int nuits,
                       const QList<int>& hebergements, bool nouvelle)
{
    Transaction transaction(b);
    const QVariantList valeurs{idContact, dialecte::valeurDate(debut), dialecte::valeurDate(debut.addDays(nuits - 1)),
                               300.0, 2, 90.0, 3, id};
    if (nouvelle)
        b.executer(u"INSERT INTO Reservation (IdContact, DateDeb, DateFin, PrixTotal, NbPers, Acompte, Etat, "
                   "Identifiant) VALUES (?, ?, ?, ?, ?, ?, ?, ?)"_qs,
                   valeurs);
    else
        b.executer(u"UPDATE Reservation SET IdContact = ?, DateDeb = ?, DateFin = ?, PrixTotal = ?, NbPers = ?, "
                   "Acompte = ?, Etat = ? WHERE Identifiant = ?"_qs,
                   valeurs);
    b.executer(u"DELETE FROM Planning WHERE IdReservation = ?"_qs, {id});
    for (int h : hebergements)
        for (int i = 0; i < nuits; ++i)
            b.executer(u"INSERT INTO Planning (Jour, IdReservation, IdPrest, IdTarif, Etat, PrixUnit, HT1, HT2, Taux1, "
                       "Taux2, TVA1, TVA2, TTC1, TTC2) VALUES (?, ?, ?, -1, 3, 100, 90.91, 0, 10, 20, 9.09, 0, 100, 0)"_qs,
                       {dialecte::valeurDate(debut.addDays(i)), id, h});
    transaction.valider();
}

// An existing stay of two accommodations over three nights, saved again (each save is a
// committed transaction, synchronised to disk).
void BM_EnregistrerReservationExistante(benchmark::State& state)
{
    Jeu& j = jeu(static_cast<int>(state.range(0)));
    BaseDonnees& b = j.base();
    // Two free accommodations over three nights beyond the generated years.
    const QDate debut = reference.addYears(5);
    const int id = b.valeur(u"SELECT MAX(Identifiant) FROM Reservation"_qs).toInt() + 1;
    ecrireReservation(b, id, 5, debut, 3, {1, 2}, true);
    for (auto _ : state) ecrireReservation(b, id, 5, debut, 3, {1, 2}, false);
    b.executer(u"DELETE FROM Planning WHERE IdReservation = ?"_qs, {id});
    b.executer(u"DELETE FROM Reservation WHERE Identifiant = ?"_qs, {id});
}

// A new one: identifier allocated, row and planning rows written, all in one transaction.
void BM_EnregistrerNouvelleReservation(benchmark::State& state)
{
    Jeu& j = jeu(static_cast<int>(state.range(0)));
    BaseDonnees& b = j.base();
    const QDate debut = reference.addYears(5);
    for (auto _ : state) {
        Transaction transaction(b);
        const int id = j.velorin->acces().allouerIdentifiant(u"Reservation"_qs);
        ecrireReservation(b, id, 5, debut, 3, {1, 2}, true);
        transaction.valider();
        state.PauseTiming();
        b.executer(u"DELETE FROM Planning WHERE IdReservation = ?"_qs, {id});
        b.executer(u"DELETE FROM Reservation WHERE Identifiant = ?"_qs, {id});
        state.ResumeTiming();
    }
}

// The availability check of a stay of two accommodations over a week: their planning days
// with their state, guest and name.
void BM_VerifierDisponibilite(benchmark::State& state)
{
    Jeu& j = jeu(static_cast<int>(state.range(0)));
    BaseDonnees& b = j.base();
    const QDate debut = reference.addDays(20);
    const QVariant deb = dialecte::valeurDate(debut);
    const QVariant fin = dialecte::valeurDate(debut.addDays(6));
    for (auto _ : state) {
        int valeurs = 0;
        for (int h : {3, 4})
            valeurs += lireTout(b.executer(u"SELECT P.Jour, P.Etat, R.IdContact, C.Nom FROM Reservation R, Planning P, "
                                           "prestation C WHERE R.Identifiant = P.IdReservation "
                                           "AND C.Identifiant = P.IdPrest AND P.Jour >= ? AND P.Jour <= ? "
                                           "AND P.IdPrest = ? ORDER BY P.Jour"_qs,
                                           {deb, fin, h}));
        benchmark::DoNotOptimize(valeurs);
    }
}

// ---------------------------------------------------------------- start-up verification

// The verification of an up-to-date database: integrity of each table, columns, indexes.
void BM_VerificationTables(benchmark::State& state)
{
    Jeu& j = jeu(static_cast<int>(state.range(0)));
    for (auto _ : state) VerificationTables(*j.commun).VerifierTables();
    if (!j.dialogues.erreurs().isEmpty()) state.SkipWithError("message pendant la vérification");
}

// The check of the start-up decision: quick integrity check and the described indexes.
void BM_IndexManquants(benchmark::State& state)
{
    Jeu& j = jeu(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        const bool manquants = VerificationTables(*j.commun).indexManquants();
        if (manquants) state.SkipWithError("index manquants sur une base à jour");
        benchmark::DoNotOptimize(manquants);
    }
}

} // namespace

BENCHMARK(BM_FenetrePlanning)->Arg(12)->Arg(60)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_JoursDesHebergements)->Arg(12)->Arg(60)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_JoursParHebergement)->Arg(12)->Arg(60)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TotauxPlanning)->Arg(12)->Arg(60)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TableEditionUnMois)->Arg(12)->Arg(60)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ChargerReservation)->Arg(12)->Arg(60)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_NuitsDUneReservationSansIndex)->Arg(12)->Arg(60)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_EnregistrerReservationExistante)->Arg(12)->Arg(60)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EnregistrerNouvelleReservation)->Arg(12)->Arg(60)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_VerifierDisponibilite)->Arg(12)->Arg(60)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_VerificationTables)->Arg(12)->Arg(60)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_IndexManquants)->Arg(12)->Arg(60)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    std::map<int, std::unique_ptr<Jeu>> generes;
    jeux = &generes;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    generes.clear();
    return 0;
}
