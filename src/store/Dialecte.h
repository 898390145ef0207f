#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <QTime>
#include <QVariant>

#include <optional>

namespace velorin {

// The SQL dialect of the data folder's database (SQLite), in one place: the column types
// of the schema description's codes, how typed values are stored, and how the described
// indexes are named.
namespace dialecte {

// Identifier quoted for a statement (a table, column or index name of the description or
// of the program, never a text typed by the user).
QString identifiant(const QString& nom);

// Column definition of a type code of the description (only its first character counts),
// starting with a space: A " INTEGER PRIMARY KEY AUTOINCREMENT", B " BOOLEAN",
// C " CHAR(taille)", D " DATE", F " FLOAT", I " INTEGER", M " TEXT", T " TIME".
// An unknown code has no definition (empty text).
QString definitionColonne(const QString& type, int taille);
// The description's type code of a declared column type of the database, 0 when it is
// none of them. A Memo column is 'M'.
QChar codeType(const QString& typeDeclare);

// How values are stored: dates "yyyy-MM-dd", times "hh:mm:ss", Booleans 0/1.
QVariant valeurBooleen(bool valeur);
QVariant valeurDate(const QDate& date);
QVariant valeurHeure(const QTime& heure);
// Reads a date as stored, or written "dd/mm/yyyy"; invalid when it is neither.
QDate lireDate(const QVariant& valeur);
// A value converted for a column of the given type code: null stays null; throws Erreur
// when it cannot be one.
QVariant valeurPourType(const QString& type, const QVariant& valeur);

// Described indexes. Index names are global to a database and the primary index has no
// name in the description, so the index of table T named N is "T__N" and the primary one
// "T__PRIMAIRE" (a unique index). Names are compared without regard to letter case.
QString nomIndex(const QString& table, const QString& nomDecrit);
// The described name of an index of the table ("" for the primary one), or nothing when
// the name does not follow the rule for this table.
std::optional<QString> nomIndexDecrit(const QString& table, const QString& nomSql);
// The indexed columns of a description's Champs ("A;B"), trimmed.
QStringList champsIndex(const QString& champs);
// The statement creating a described index. Options: IXPRIMARY and IXUNIQUE make it
// unique, IXDESCENDING descending, IXCASEINSENSITIVE without regard to letter case; the
// other words have no meaning here.
QString creationIndex(const QString& table, const QString& nomDecrit, const QString& champs, const QString& options);

} // namespace dialecte
} // namespace velorin
