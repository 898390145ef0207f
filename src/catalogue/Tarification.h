#pragma once

#include "catalogue/CalculsSejour.h"
#include "catalogue/Catalogue.h"
#include "catalogue/MontantsTVA.h"

#include <QDate>
#include <QList>
#include <QSqlRecord>
#include <QString>
#include <QStringList>

#include <optional>

namespace velorin {

class AccesDonnees;
class BaseDonnees;
class DMCommun;
class Dialogues;
class GestionOptions;
class Progression;

// An accommodation line of the reservation editor, as the stay's total reads and updates it.
struct TLigneHebergement {
    QString Nom;               // the accommodation
    QString Tarif;             // tariff name: a tariff type, "Tarif simple", or empty for none
    bool AvecPrix = false;     // a price is shown on the line
    bool Selectionnee = false; // the line takes the tariff chosen in the editor
    TMontantsTVA Prix;         // the price shown
};

// What the editor holds when the stay's total is computed.
struct TDonneesSejour {
    QList<TLigneHebergement> Lignes;
    QString TarifChoisi;  // for the selected lines
    bool Bloquee = false; // invoiced or before the blocking date: priced from the planning rows
    QDate DateDeb;
    QDate DateFin;
    QString TypeCom;                       // commission type name, empty for none
    std::optional<double> MontantComSaisi; // commission amount typed
    double ValRemise = 0;
    int TypeRemise = remise::Euros;
    TMontantsTVA Prestations; // SommePrestations of the stay's service lines
    TMontantsTVA Repas;       // SommeRepas of its meals
    bool AvecAcompte = false;
    std::optional<double> AcompteAffiche; // the deposit shown, kept when the deposit is a fixed amount
    std::optional<double> DejaPaye;       // the paid amount, when shown
};

// The stay's total and what goes with it.
struct TTotalSejour {
    TMontantsTVA Montants;           // after discount: "Prix total", and TVA1 + TVA2 "Dont TVA"
    TMontantsTVA AvantRemise;        // before discount, for the split of the discount
    QList<TLigneHebergement> Lignes; // selected lines with their tariff and new price
    double MontantCom = 0;
    double Acompte = 0;
    std::optional<double> ResteDu; // when a paid amount is shown
};

// Tariff types, the tariffs of accommodations and the price of a stay, over the database of
// the current data folder. A tariff type or tariff row being edited is a QSqlRecord of every
// column of its table. Operations show their failures and return their neutral value.
class Tarification {
public:
    Tarification(DMCommun& commun, AccesDonnees& acces, GestionOptions& options);

    // Name of the single price of an accommodation in the tariff choice.
    static QString tarifSimple() { return u"Tarif simple"_qs; }

    // ---- Tariff types and tariffs

    // A new tariff type with its identifier and defaults (one night, no week day, no meals),
    // not saved yet; an empty row after a failure (shown).
    QSqlRecord CreerTypeTarif();
    // The stored tariff type; an empty row when it does not exist or after a failure (shown).
    QSqlRecord ModifierTypeTarif(int identifiant);
    // Rules run before every save of a tariff type: a name is required, it may not be
    // another type's (letter case ignored, as the name lookups find types) nor "Tarif simple",
    // and a package covers at least one night. False with the message when refused.
    bool TypeTarifBeforePost(QSqlRecord& ligne);
    // Saves a row from CreerTypeTarif or ModifierTypeTarif after TypeTarifBeforePost.
    bool EnregistrerTypeTarif(QSqlRecord& ligne);
    // Deletes the type and its tariff rows, in one transaction. Planning rows keep its number.
    bool SupprimerTypeTarif(int identifiant);
    // Tariff types by name; masquerObsoletes leaves out those whose period ended before today.
    QList<QSqlRecord> ListerTypesTarifs(bool masquerObsoletes);
    // AvecRepas of the tariff type of that name (letter case ignored); false when none.
    bool TarifAvecRepas(const QString& nom);

    // Gives an accommodation one tariff row per tariff type (a new one applicable, at price 0)
    // and the current rates on all of them, their amounts unchanged; in one transaction.
    // Services and meals have no tariff rows: nothing is done for them.
    bool CompleterTarifs(int idPrest);
    // The tariff rows of an accommodation with the name of their type in Libelle, by name.
    QList<QSqlRecord> TarifsHebergement(int idPrest);
    // Saves a tariff row of the accommodation's grid (Applicable and amounts); Prix becomes
    // TTC1 + TTC2.
    bool EnregistrerTarif(QSqlRecord& ligne);
    // The tariff rows an accommodation not saved yet receives: one per tariff type, by name,
    // applicable, at price 0 and the current rates, with the type's name in Libelle; no
    // identifier and no accommodation yet. Empty after a failure (shown).
    QList<QSqlRecord> TarifsNouvelHebergement();
    // Writes the tariff rows of an accommodation edited together with it: a row without
    // identifier is appended (unless its type was deleted meanwhile or the accommodation
    // already has a row of that type), the others are rewritten (Applicable and amounts);
    // Prix becomes TTC1 + TTC2. Run inside the transaction of the accommodation's save; the
    // rows receive their identifiers. Throws Erreur.
    void ecrireTarifs(int idPrest, QList<QSqlRecord>& lignes);
    // Replaces the tariffs of the destinations by copies of the source's (the source is
    // completed first); all in one transaction. The source is the last entry flagged source;
    // it is never its own destination.
    bool CopierTarifs(const TListeHeb& liste, Progression* progression = nullptr);

    // ---- Price of a stay

    // Names of the tariffs that can be offered for the accommodation from DateDeb (first
    // night) to DateFin (last night): "Tarif simple" alone for an item with a single price,
    // else the applicable types whose period holds the first or the last night and whose
    // package is not longer than the stay, by name.
    QStringList TarifsPossibles(int idPrest, const QDate& dateDeb, const QDate& dateFin);
    // The offered names as the editor shows them: sorted, letter case ignored.
    static QStringList trierTarifs(QStringList offerts);
    // The name the editor selects: the line's tariff again when it is still offered, nothing
    // when it is not, the first offered name when the line had none.
    static QString choisirTarif(const QStringList& offertsTries, const QString& tarifActuel);
    static QString messageAucunTarif();
    // Tariff type of a tariff name; "Tarif simple" and an unknown name give -1 (the item's price).
    int IdentifiantTarif(const QString& nom);

    // Price of the stay under tariff type idTarif (-1: the item's own price for one night).
    // All zero when there is no such price or after a failure (shown).
    TMontantsTVA PrixSejour(int idTarif, int idPrest, const QDate& dateDeb, const QDate& dateFin);
    // Sums of the stored planning rows of the accommodation under that tariff over the dates.
    TMontantsTVA PrixPlanning(int idTarif, int idPrest, const QDate& dateDeb, const QDate& dateFin);
    // What a save stores on each planning row of an accommodation line: PrixSejour spread over
    // the nights; a closure (state 0) stores IdTarif -1 and zero amounts.
    TNuitee PrixParNuit(int idTarif, int idPrest, const QDate& dateDeb, const QDate& dateFin, int etat);
    // Calculation mode and value of the commission type of that name; mode -1 and value 0 for
    // an empty name, and for an unknown one after a message.
    TCommission TypeCommission(const QString& nom);
    // The stay's total, commission, deposit and amount still due, as the editor shows them.
    TTotalSejour CalculerTotalSejour(const TDonneesSejour& sejour);
    // Parts of the discount line (positive; the line stores them negated).
    static TMontantsTVA RepartirRemise(const TMontantsTVA& total, const TMontantsTVA& avantRemise,
                                       double valRemise, int typeRemise);

    // ---- Deposit

    // Default deposit on a total, from the options.
    double CalculerAcompte(bool avecAcompte, double total);
    // Whether a deposit is asked by default (options AvecAcompte).
    bool AcompteParDefaut();

private:
    BaseDonnees& base();
    Dialogues& dialogues();
    QString refusTypeTarif(const QSqlRecord& ligne);
    void completerTarifs(int idPrest);
    TMontantsTVA prixSejour(int idTarif, int idPrest, const QDate& dateDeb, const QDate& dateFin);
    TMontantsTVA prixPlanning(int idTarif, int idPrest, const QDate& dateDeb, const QDate& dateFin);

    DMCommun& commun_;
    AccesDonnees& acces_;
    GestionOptions& options_;
};

} // namespace velorin
