// Benchmarks on generated guest houses: the planning window with its totals, loading and
// saving a reservation, the availability check, and the start-up verification of an
// up-to-date database.
//
// Loading, saving and checking a reservation go through the program's own reservation
// operations, as the editor calls them.

#include "app/DialoguesConsole.h"
#include "app/Erreur.h"
#include "app/Horloge.h"
#include "app/Plateforme.h"
#include "maintenance/DonneesDemo.h"
#include "planning/DonneesPlanning.h"
#include "reservations/Reservations.h"
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
    Reservations& reservations = j.velorin->reservations();
    qsizetype n = 0;
    for (auto _ : state) {
        const TReservation r = reservations.ChargerReservation(ids.at(n++ % ids.size()));
        if (r.Identifiant < 0) state.SkipWithError("réservation illisible");
        benchmark::DoNotOptimize(r);
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

// A stay of three nights in accommodations 1 and 2 for contact 5, beyond the generated years.
TReservation sejourDeBanc()
{
    TReservation r;
    r.IdContact = 5;
    r.DateDeb = reference.addYears(5);
    r.DateFin = r.DateDeb.addDays(2);
    r.DateSaisie = reference;
    r.Etat = EtatReservation::Reserve;
    r.NbPers = 2;
    for (int h : {1, 2}) r.hebergements.append({h, -1, 90.91, 0, 9.09, 0, 100, 0, 100});
    r.montants = {545.46, 0, 54.54, 0, 600, 0, 600};
    r.Acompte = 180;
    return r;
}

// An existing stay of two accommodations over three nights, saved again by the reservation
// operation (one committed transaction, synchronised to disk).
void BM_EnregistrerReservationExistante(benchmark::State& state)
{
    Jeu& j = jeu(static_cast<int>(state.range(0)));
    Reservations& reservations = j.velorin->reservations();
    TReservation r = sejourDeBanc();
    if (!reservations.EnregistrerReservation(r)) state.SkipWithError("enregistrement refusé");
    for (auto _ : state) {
        r.NbPers = r.NbPers == 2 ? 3 : 2;
        if (!reservations.EnregistrerReservation(r)) state.SkipWithError("enregistrement refusé");
    }
    reservations.SupprimerReservation(r.Identifiant);
}

// A new one: identifier allocated, row and planning rows written, all in one transaction.
void BM_EnregistrerNouvelleReservation(benchmark::State& state)
{
    Jeu& j = jeu(static_cast<int>(state.range(0)));
    Reservations& reservations = j.velorin->reservations();
    for (auto _ : state) {
        TReservation r = sejourDeBanc();
        if (!reservations.EnregistrerReservation(r)) state.SkipWithError("enregistrement refusé");
        state.PauseTiming();
        reservations.SupprimerReservation(r.Identifiant);
        state.ResumeTiming();
    }
}

// The availability check of a stay of two accommodations over a week, as the editor runs it
// before a save (around the reference day, where the generated planning is busy).
void BM_VerifierDisponibilite(benchmark::State& state)
{
    Jeu& j = jeu(static_cast<int>(state.range(0)));
    Reservations& reservations = j.velorin->reservations();
    const QDate debut = reference.addDays(20);
    for (auto _ : state) {
        QString messages;
        for (int h : {3, 4})
            reservations.VerifierDisponibilite(h, 5, messages, debut.addDays(6), debut, EtatReservation::Reserve);
        benchmark::DoNotOptimize(messages);
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
