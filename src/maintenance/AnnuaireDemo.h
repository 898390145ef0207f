#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// Names, towns and texts of the demonstration data. Every e-mail address uses the domains
// reserved for examples (example.com, .org, .net), so that mailing a demonstration guest can
// reach nobody; telephone numbers are made up.
namespace velorin::demo {

struct Ville {
    QString nom;
    QString codePostal;
};

struct PaysDemo {
    QString nom;
    int poids = 0;       // share of the guests, in percent
    QString indicatif;   // telephone prefix, empty for France
    bool codePostalCourt = true; // fits the five characters of CodPost; else written in Adr2
    QStringList prenomsHommes;
    QStringList prenomsFemmes;
    QStringList noms;
    QStringList rues;
    QList<Ville> villes;
};

const QList<PaysDemo>& pays();

// Accommodation kinds, with their capacity and their base price of one night.
struct GenreHebergement {
    QString prefixe; // "Chambre", "Suite", …
    int capacite = 2;
    double prix = 0;
};

// The name and kind of accommodation number i (0-based); the first twelve are those of
// the small guest house, the others are made up from plant names.
struct HebergementDemo {
    QString nom;
    GenreHebergement genre;
    bool roulotte = false;     // open from April to October only, outside the occupancy rate
    bool tarifUnique = false;  // one price whatever the season
};
QList<HebergementDemo> hebergements(int nombre);

QStringList remarquesDuJour();
QStringList remarquesDeReservation();
QStringList origines();

// Lower-case ASCII form of a name, for e-mail addresses.
QString pourAdresse(const QString& texte);

} // namespace velorin::demo
