#pragma once

#include <QDate>
#include <QSqlRecord>
#include <QString>
#include <QStringList>
#include <QVariant>

namespace velorin {

class BaseDonnees;

// Rows of a table held as QSqlRecord while they are edited, and the conventions of their
// stored values: dates as "yyyy-MM-dd" text, Booleans as 0/1.
namespace lignes {

// A row with every column of the table, all null.
QSqlRecord nouvelle(BaseDonnees& base, const QString& table);
// Appends the row: every column of the record that the table has.
void inserer(BaseDonnees& base, const QString& table, const QSqlRecord& ligne);
// Rewrites the row whose Identifiant is the record's, except the columns listed.
void mettreAJour(BaseDonnees& base, const QString& table, const QSqlRecord& ligne,
                 const QStringList& colonnesGardees = {});
// Sets a column when the record has it.
void poser(QSqlRecord& ligne, const QString& colonne, const QVariant& valeur);

// The value as bound to a statement: a Boolean as 0/1.
QVariant stockee(const QVariant& valeur);
// A stored date (text, possibly followed by a time); invalid when empty.
QDate date(const QVariant& valeur);
QString dateIso(const QDate& date);
// A stored Boolean: 0/1, or older text values.
bool booleen(const QVariant& valeur);
// The same values as the table stores them (a Boolean true is 1), column by column of a.
bool memesValeurs(const QSqlRecord& a, const QSqlRecord& b);

} // namespace lignes
} // namespace velorin
