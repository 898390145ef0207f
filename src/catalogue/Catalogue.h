#pragma once

#include <QList>
#include <QSqlRecord>
#include <QString>
#include <QVariant>

#include "planning/TypesPlanning.h"

#include <functional>

namespace velorin {

class AccesDonnees;
class BaseDonnees;
class DMCommun;
class Dialogues;
class GestionOptions;

// Kinds of catalogue items (column TypePrest); Remise marks the discount line of a stay and
// never appears in the catalogue.
namespace typeprest {
enum : int { Hebergement = 0, Prestation = 1, Repas = 2, DemiPension = 3, Remise = 4 };
}

// Record kinds of the shared deletion check; any other kind passes.
namespace suppression {
enum : int { TypeTarif = 0, Prestation = 1, Contact = 3, ModePaie = 5, TypeCom = 7 };
}

// One accommodation of the tariff copy: the source and the destinations are ticked.
struct TSelHeb {
    int Identifiant = 0;
    QString Nom;
    bool Source = false;
    bool Destination = false;
};
using TListeHeb = QList<TSelHeb>;

// The catalogue of accommodations, services and meals (table Prestation), its rules, and the
// shared check run before a record is deleted. An item being created or changed is a row of
// every column of Prestation (QSqlRecord), so that the VAT entry rules work on it.
// Operations show their failures and return their neutral value.
class Catalogue {
public:
    Catalogue(DMCommun& commun, AccesDonnees& acces, GestionOptions& options);

    static QString table() { return QStringLiteral("prestation"); }

    // A new item of kind 0, 1 or 2 with its identifier, defaults and next display order, not
    // saved yet; an empty row after a failure (shown).
    QSqlRecord CreerPrestation(int typePrest);
    // The stored item, with the rates of a row opened for change; an empty row when it does
    // not exist or after a failure (both shown).
    QSqlRecord ModifierPrestation(int typePrest, int identifiant);
    // Saves a row from CreerPrestation or ModifierPrestation after the checks of
    // PrestationsBeforePost, in one transaction. False when refused or failed (shown); the row
    // then stays as typed. TypePrest and NumOrdre of a stored item are never changed here.
    // ecrireAussi, given the item's identifier, writes what belongs with the item (the
    // tariff rows of an accommodation) in the same transaction; it throws to undo the save.
    bool EnregistrerPrestation(QSqlRecord& ligne, const std::function<void(int)>& ecrireAussi = {});
    // Deletes the item with its tariff and planning rows, in one transaction. Refused (false,
    // with the deletion check's message) while the accommodation is reserved or optioned.
    bool SupprimerPrestation(int identifiant);

    // Accommodations in display order.
    TListeChambres ListerChambres();
    // Accommodations by name, both flags false.
    TListeHeb ListerHebergements();
    // Identifiers of the items of a kind, in display order (the edit screen's navigator).
    QList<int> ListerIdentifiants(int typePrest);
    // The item's Description; empty when it does not exist.
    QString DescriptionPrestation(int identifiant);

    // Check run when the name field is left: false (with the message) when the name is empty
    // or when another item bears it, comparing after lower-casing A to Z only.
    // identifiant is the item being edited (ignored in the comparison), 0 or -1 for none.
    bool NomPrestationLibre(const QString& nom, int identifiant);

    // Swaps the item with its neighbour in the display order of its kind; direction -1 up,
    // +1 down. False when it is already first or last, or after a failure (shown).
    bool DeplacerPrestation(int typePrest, int identifiant, int direction);

    // At least one accommodation and at least one tariff type.
    bool CatalogueUtilisable();

    // Check run before deleting a record: true when it may go; otherwise the reasons are
    // shown and the result is false.
    bool PeutSupprimer(int genre, int identifiant);
    // The message PeutSupprimer shows, empty when the record may be deleted. Throws Erreur.
    QString raisonsRefusSuppression(int genre, int identifiant);

    // Rules run before every save of an item: an empty name, a name longer than 50
    // characters or one that another item bears exactly is refused (message, false); the
    // columns that do not belong to the item's kind are reset (only services may be without
    // VAT, only accommodations count in the occupancy rate or have detailed tariffs), and
    // Prix is kept equal to TTC1 + TTC2, or to the untaxed price of a service without VAT.
    bool PrestationsBeforePost(QSqlRecord& ligne);
    // Defaults of a new row: subject to VAT at the current rates.
    void PrestationsAfterInsert(QSqlRecord& ligne) const;

    // The half-board item, created when missing: its name is asked through demanderNom only
    // then (an empty answer gives "Inclus 1/2 P"). Its identifier, or 0 when it could not be
    // created (shown).
    int CreerDemiPension(const std::function<QString()>& demanderNom);
    static QString titreDemiPension() { return u"Repas inclus dans la demi-pension"_qs; }
    static QString inviteDemiPension() {
        return u"Vous avez saisi un tarif incluant des repas, indiquez le nom du repas : "_qs;
    }
    static QString nomDemiPensionPropose() { return u"Inclus 1/2 P"_qs; }

    // Planning colour of an item: its Couleur when AffCouleur is set and a colour was chosen,
    // else -1.
    static int couleurPlanning(const QVariant& affCouleur, const QVariant& couleur);
    // Lower-cases A to Z only, as the name check compares.
    static QString minusculesAZ(const QString& texte);

private:
    BaseDonnees& base();
    Dialogues& dialogues();
    // Why the row may not be saved (empty when it may); throws Erreur.
    QString refusPrestation(const QSqlRecord& ligne);
    void normaliserPrestation(QSqlRecord& ligne);
    void ecrirePrestation(QSqlRecord& ligne);

    DMCommun& commun_;
    AccesDonnees& acces_;
    GestionOptions& options_;
};

} // namespace velorin
