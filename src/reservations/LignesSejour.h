#pragma once

#include "catalogue/MontantsTVA.h"

#include <QDate>
#include <QList>
#include <QSqlRecord>
#include <QString>

#include <array>

namespace velorin {

class BaseDonnees;
class DMVelorin;

// Kinds of catalogue items and of stay lines (column TypePrest).
struct TypePrestation {
    static constexpr int Hebergement = 0;
    static constexpr int Prestation = 1;
    static constexpr int Repas = 2;
    static constexpr int DemiPension = 3; // the single item standing for the meals of a tariff
    static constexpr int Remise = 4; // the discount line of a stay, never in the catalogue
};

// The menu structure: titles of up to ten dishes and whether each appears.
struct TMenus {
    int Identifiant = 0;
    std::array<QString, 10> Libelle;
    std::array<bool, 10> Visible{};
    bool nouveau = false;

    bool operator==(const TMenus&) const = default;
};

// The extra services (PrestCompl) and meals (Repas) of a stay. Lines entered for a reservation
// not saved yet carry a negative IdReservation of their own, the entry key (NouvelleCleSaisie),
// so that the entries of two workstations never mix; the reservation's save attaches them.
// Older data used -1 for every entry.
// As the screens expect, these operations do not show their failures: they throw Erreur and
// leave the lines as they were.
class LignesSejour {
public:
    explicit LignesSejour(DMVelorin& dm);

    // Appends a service line of the item for the reservation: quantity by persons and nights
    // when the item says so, unit price and VAT split of the item. Returns its identifier.
    int AjouterPrestation(
        int idPrest, int idReservation, const QDate& dateFin, const QDate& dateDeb, int nbPers, int nbNuits);
    // The lines of the reservation and kind, in entry order.
    QList<QSqlRecord> FiltrerPrestations(int idReservation, int typePrest);
    // Appends a meal line of the item on the day for that many covers. Returns its identifier.
    int AjouterRepas(int idPrest, int idReservation, const QDate& jour, int nombre);
    // The meal lines of the reservation by day, each with the item's Nom for display.
    QList<QSqlRecord> FiltrerRepas(int idReservation);
    // A key for the lines of a new reservation being entered: negative, below -1, never
    // handed out twice, whatever the workstation.
    int NouvelleCleSaisie();
    // Forgets the lines of a reservation whose entry was abandoned: those of the entry key,
    // and those left with -1 by older versions. Run before the editor opens on a new reservation.
    void SupprimerRepasTemporaires(int cleSaisie = -1);
    // Replaces the reservation's half-board lines by one line per night; nothing without a
    // half-board item in the catalogue.
    void CreerRepasDemiPension(int idReservation, int nbPers, const QDate& dateFin, const QDate& dateDeb);
    void SupprimerRepasDemiPension(int idReservation);

    // Rules of a service line on saving and on each change of Qte or PrixUnit: null quantity
    // and price read 0, PrixTot = Qte × PrixUnit.
    static void PrestComplBeforePost(QSqlRecord& ligne);
    static void PrixQteChange(QSqlRecord& ligne) { PrestComplBeforePost(ligne); }
    // Rule of a meal line on each change of PrixUnit.
    static void RepasPrixUnitChange(QSqlRecord& ligne);
    // Rules of a meal line on saving; a line whose price was typed without its parts takes the
    // item's parts scaled to its price.
    void RepasBeforePost(QSqlRecord& ligne);
    // Saves a line edited in a grid (rules above), appending it when it has no identifier yet.
    void EnregistrerLignePrestation(QSqlRecord& ligne);
    void EnregistrerLigneRepas(QSqlRecord& ligne);
    void SupprimerLignePrestation(int identifiant);
    void SupprimerLigneRepas(int identifiant);

    // The menu structure row (a new one, all dishes hidden, when there is none yet); saved by
    // ValiderMenus, forgotten by AnnulerMenus.
    TMenus OuvrirMenus();
    void ValiderMenus(TMenus& menus);
    void AnnulerMenus() { }

    // The half-board item: the first of its kind, whatever a list screen shows; -1 when none.
    int articleDemiPension();
    // Price of one unit of a catalogue item at its own price, split by rate (the stay price of
    // tariff -1 over one night).
    TMontantsTVA prixUnitaire(int idPrest);

private:
    BaseDonnees& base();
    QSqlRecord article(int idPrest);
    void inserer(const QString& table, const QSqlRecord& ligne);
    void ecrire(const QString& table, QSqlRecord& ligne);

    DMVelorin& dm_;
};

} // namespace velorin
