#pragma once

#include <QDate>
#include <QList>
#include <QSqlRecord>
#include <QString>
#include <QStringList>
#include <QVariantMap>

namespace velorin {

class DMVelorin;
class BaseDonnees;
class Dialogues;

// Kinds of contacts (column TypeContact). Code 1 is not used.
struct TypeContact {
    static constexpr int Etablissement = 0; // the guest house's own coordinates, one row
    static constexpr int Hote = 2; // a guest
    static constexpr int OrganismeExterieur = 3; // e.g. a tourist office receiving copies of mails
    static constexpr int Fournisseur = 4; // payee of expenses
};

// One row of Contact, in memory, between its loading and its saving by the edit screen.
struct TContact {
    int Identifiant = 0;
    int TypeContact = velorin::TypeContact::Hote;
    QString Civilite;
    QString Nom;
    QString Prenom;
    QString Societe; // shown as "Organisme"
    QString Adr1;
    QString Adr2;
    QString Adr3;
    QString CodPost;
    QString Ville;
    QString Pays;
    QString Tel;
    QString Fax; // labelled "Mobile"
    QString Mail;
    QString Site;
    QString Langue;
    QString Origine;
    QString Notes;
    QString Siret;
    QString APE;
    QString RCS;
    QString NumTVA;
    // True until the row is first stored.
    bool nouveau = false;

    bool operator==(const TContact&) const = default;
};

// Criteria of the guest selection used by the mailing and label screens.
struct CriteresSelectionHotes {
    enum class Plage { Tous, Resident, NonResident };
    enum class Sejour { ToutesLesDates, OntSejourne, NOntPasSejourne };
    enum class AdresseMail { Tous, SansAdresse, AvecAdresse };
    enum class Tri { Nom, CodePostal };

    Plage pays = Plage::Tous;
    QString paysDe;
    QString paysA;
    Plage codePostal = Plage::Tous;
    QString codePostalDe;
    QString codePostalA;
    Sejour sejour = Sejour::ToutesLesDates;
    QDate sejourDe;
    QDate sejourA;
    AdresseMail mail = AdresseMail::Tous;
    bool adresseComplete = false;
    Tri tri = Tri::Nom;
};

// A statement with its bound values, for a screen model.
struct RequeteSql {
    QString sql;
    QVariantMap valeurs;
};

// The contacts: guests, the guest house itself, external organisations and suppliers.
// Each operation shows its own message on failure and returns its neutral value.
class Contacts {
public:
    explicit Contacts(DMVelorin& dm);

    // A new contact of the kind, not stored yet, with the wished identifier when it is above 0
    // and free, else a newly drawn one, and the default language of the options. Identifiant 0
    // on failure.
    TContact CreerContact(int type, int identifiantSouhaite);
    // The contact (kind, identifier) for the edit screen; Identifiant 0 when it was not found
    // or could not be read (message shown).
    TContact ModifierContact(int type, int identifiant);
    // The edit screen's OK: a guest needs a Nom or a Prenom; the country is kept in capitals.
    // A new contact whose identifier was taken meanwhile receives a new one. False with the
    // message when nothing was stored.
    bool EnregistrerContact(TContact& contact);
    bool SupprimerContact(int identifiant);
    // The deletion check of a contact: a guest who has reservations and a supplier named by
    // expenses of the ledger cannot be deleted (the reasons are shown).
    bool PeutSupprimerContact(int identifiant);

    // First contact of any kind whose Nom and Prenom equal the texts, letter case ignored; -1.
    int ContactParNom(const QString& nom, const QString& prenom);
    // First supplier whose Societe equals the text, letter case ignored; -1.
    int FournisseurParSociete(const QString& societe);
    // The outputs are left untouched when the contact does not exist; true when it does.
    bool NomPrenomContact(int identifiant, QString& nom, QString& prenom);
    bool SocieteContact(int identifiant, QString& societe);
    // "FR" when the contact does not exist; its Langue (possibly empty) otherwise.
    QString LangueContact(int identifiant);
    // False, with the list of the contacts using it, when a contact's documents use the language.
    bool LangueSupprimable(const QString& code);
    // The reservations of the contact, for the history grid of the edit screen.
    QList<QSqlRecord> HistoriqueContact(int identifiant);
    // The guest house's address on one line, for documents.
    QString AdresseHote();

    // Choice lists of the edit screen.
    QStringList ListeCivilites();
    QStringList ListePays();
    QStringList ListeOrigines();
    // Mail addresses of the external organisations ("Copie à" of the reservation editor).
    QStringList AdressesCopie();
    // The document languages: the folders under the data folder's Langues folder, by name.
    QStringList ListeLangues();

    // TypeContact of the contact; -1 when it does not exist.
    int TypeDuContact(int identifiant);
    // The guests bearing the typed name, letter case ignored: by Nom when one is typed, else by
    // Prenom; ordered by Nom, Prenom. The choice offered when no guest bears both names.
    QList<int> HotesNommes(const QString& nom, const QString& prenom);

    // A guest to be created from the names typed in the reservation editor, not stored yet:
    // the edit screen shows it and stores it on OK.
    TContact CreerHoteNomme(const QString& nom, const QString& prenom);
    // A supplier to be created from a company name typed in the ledger.
    TContact CreerFournisseurNomme(const QString& societe);

    // The guest selection: the statement (for a model) and its rows.
    static RequeteSql requeteSelection(const CriteresSelectionHotes& criteres);
    QList<QSqlRecord> SelectionnerHotes(const CriteresSelectionHotes& criteres);
    // The distinct non-empty values of a column of the rows shown, in display order (the De and
    // A choices of countries and postal codes).
    static QStringList valeursAffichees(const QList<QSqlRecord>& lignes, const QString& colonne);
    // The counter under the grid.
    static QString texteCompteur(int affiches, int selectionnes);

    static QString table() { return QStringLiteral("Contact"); }

private:
    BaseDonnees& base();
    Dialogues& dialogues();
    TContact lire(const QSqlRecord& ligne) const;

    DMVelorin& dm_;
};

} // namespace velorin
