#include "reservations/Ecritures.h"

#include "app/NombresFr.h"

#include "store/AccesDonnees.h"
#include "store/BaseDonnees.h"

#include <QStringList>

namespace velorin::ecritures {

void inserer(BaseDonnees& base, const QString& table, const Valeurs& valeurs)
{
    QStringList colonnes;
    QStringList marques;
    QVariantList liees;
    for (const auto& [colonne, valeur] : valeurs) {
        colonnes.append(identifiantSql(colonne));
        marques.append(QStringLiteral("?"));
        liees.append(valeur);
    }
    base.executer(
        QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
            .arg(identifiantSql(table), colonnes.join(QStringLiteral(", ")), marques.join(QStringLiteral(", "))),
        liees);
}

int modifier(BaseDonnees& base, const QString& table, const Valeurs& valeurs, const QString& condition,
    const QVariantList& valeursCondition)
{
    QStringList affectations;
    QVariantList liees;
    for (const auto& [colonne, valeur] : valeurs) {
        affectations.append(identifiantSql(colonne) + QStringLiteral(" = ?"));
        liees.append(valeur);
    }
    liees.append(valeursCondition);
    return base
        .executer(QStringLiteral("UPDATE %1 SET %2 WHERE %3")
                      .arg(identifiantSql(table), affectations.join(QStringLiteral(", ")), condition),
            liees)
        .numRowsAffected();
}

QString texteNombre(double valeur)
{
    return nombres::texteFr(valeur);
}

} // namespace velorin::ecritures
