#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <QVariant>

namespace velorin {

class BaseDonnees;

// Small helpers for the writes of the reservation subsystem: column lists come from the
// program, values are always bound.
namespace ecritures {

using Valeurs = QList<QPair<QString, QVariant>>;

// INSERT INTO table (columns) VALUES (?, ...).
void inserer(BaseDonnees& base, const QString& table, const Valeurs& valeurs);
// UPDATE table SET column = ?, ... WHERE condition; condition holds its own placeholders,
// bound from valeursCondition after the new values. Returns the number of rows changed.
int modifier(BaseDonnees& base, const QString& table, const Valeurs& valeurs, const QString& condition,
    const QVariantList& valeursCondition);

// A number as the program writes it in a text: shortest form, decimal comma.
QString texteNombre(double valeur);

} // namespace ecritures
} // namespace velorin
