#pragma once

#include "app/Dialogues.h"
#include "app/Erreur.h"

#include <QList>
#include <QSqlRecord>
#include <QString>
#include <QStringList>
#include <QVariantList>

#include <utility>

namespace velorin {

class BaseDonnees;
class DMCommun;

// The reporting convention of the data operations: the work runs, and any error is shown
// as phrase + " : " + error text; the operation then returns its neutral value and the
// caller goes on.
template <typename R, typename Travail>
R operationSignalee(Dialogues& dialogues, const QString& phrase, R neutre, Travail&& travail)
{
    try {
        return std::forward<Travail>(travail)();
    } catch (const std::exception& e) {
        dialogues.erreur(phrase + QStringLiteral(" : ") + texteErreur(e));
    }
    return neutre;
}

// A table or column name composed into a statement: only names written by the program
// or the schema description reach here, and anything else is refused rather than pasted.
QString identifiantSql(const QString& nom);

// The shared lookups of the business module and the allocation of record identifiers,
// over the database of the current data folder (the archive register over its own).
class AccesDonnees {
public:
    explicit AccesDonnees(DMCommun& commun);

    // Identifier of a record about to be appended to table: one more than both the table's
    // largest Identifiant and the last value handed out for it, kept in Compteurs. The
    // allocation takes the write lock, so two workstations never receive the same value.
    // 0 after a failure (shown).
    int NouvelIdentifiant(const QString& table);
    // The same, throwing Erreur: for saves that must stop and roll back on failure.
    int allouerIdentifiant(const QString& table);
    // The next value of a counter of Compteurs that belongs to no table (from 1), under the
    // same write lock; throws Erreur.
    int allouerCompteur(const QString& nom);

    // Identifiant of the first record whose Nom is exactly nom; -1 when none (no message).
    int ChercherIdentifiant(const QString& nom, const QString& table);
    // Nom of the record; empty when none.
    QString ChercherNom(const QString& table, int identifiant);
    // The years of a date column, in order, each once, then the current year and the next
    // one when absent; appended to liste.
    QList<int> ListeAnnees(const QString& table, const QString& colonneDate, QList<int> liste = {});
    // Appends to liste every distinct non-empty value of the column that it does not hold
    // yet (letter case ignored), in the order the engine returns them. condition is
    // program text ("TypeContact = ?") whose values are bound from valeurs.
    QStringList ValeursDistinctes(const QString& table, const QString& colonne, QStringList liste,
                                  const QString& condition = {}, const QVariantList& valeurs = {});
    // The reservations of a contact, every column, read at once.
    QList<QSqlRecord> HistoriqueContact(int idContact);

    static QString tableCompteurs() { return QStringLiteral("Compteurs"); }

private:
    // Raises the counter nom of Compteurs above plusGrand and its last value, inside the
    // caller's transaction.
    static int avancerCompteur(BaseDonnees& b, const QString& nom, int plusGrand);
    BaseDonnees& base(const QString& table);
    Dialogues& dialogues();

    DMCommun& commun_;
};

} // namespace velorin
