#pragma once

#include <QDate>
#include <QString>

namespace velorin {

class BaseDonnees;
class DMVelorin;
class Progression;

// What the demonstration data covers.
struct ParametresDemo {
    int nbHebergements = 12;
    int nbAnnees = 5; // calendar years, the last one being next year
    QDate reference;  // the day the data is built around ("today")
    quint32 graine = 1789;

    // The large guest house of the benchmarks: 60 accommodations over 20 years.
    static ParametresDemo grand(const QDate& reference);
    QDate debut() const;
    QDate fin() const;
};

// What was written.
struct BilanDemo {
    int hebergements = 0;
    int typesTarifs = 0;
    int contacts = 0;
    int reservations = 0;
    int nuits = 0; // planning rows
    int lignesPrestations = 0;
    int lignesRepas = 0;
    int ecritures = 0;
    int remarques = 0;
};

// Fills an empty data folder with a believable French guest house: accommodations, tariff
// types by season with their tariffs, guests from several countries, reservations
// (options, firm bookings, closures) with their planning rows, services, meals and
// payments, holiday periods and day remarks. The same parameters give the same data.
//
// The rows are those the reservation operations store: one planning row per accommodation
// and night, DateFin being the last night; states 0, 2 and 3; the two-rate VAT parts of
// every amount; DejaPaye the sum of the reservation's receipts.
class GenerateurDemo {
public:
    explicit GenerateurDemo(DMVelorin& velorin);

    // Creates or upgrades the tables through the table verification, then writes everything
    // in one transaction (a failure leaves the folder as it was). Throws Erreur, also when
    // the data folder already holds accommodations, contacts or reservations: demonstration
    // data never mixes with real data.
    BilanDemo generer(const ParametresDemo& parametres, Progression* progression = nullptr);

    // True when the tables of the data are empty (or missing).
    static bool donneesVides(BaseDonnees& base);

private:
    DMVelorin& velorin_;
};

} // namespace velorin
