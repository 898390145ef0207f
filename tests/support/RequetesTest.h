#pragma once

#include "store/BaseDonnees.h"

#include <QList>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QString>
#include <QVariant>

namespace velorin::test {

// Plain statements on the database of a test: a fixture derives from it and says which
// database is meant.
class RequetesTest {
public:
    virtual ~RequetesTest() = default;
    virtual BaseDonnees& base() = 0;

    void sql(const QString& instruction, const QVariantList& valeurs = {}) { base().executer(instruction, valeurs); }
    QVariant valeur(const QString& instruction, const QVariantList& valeurs = {})
    {
        return base().valeur(instruction, valeurs);
    }
    // Every row of a query, each as the list of its values (null as an invalid QVariant, so
    // that it compares equal to QVariant()).
    QList<QVariantList> lignes(const QString& instruction, const QVariantList& valeurs = {})
    {
        QList<QVariantList> resultat;
        QSqlQuery requete = base().executer(instruction, valeurs);
        while (requete.next()) {
            QVariantList ligne;
            for (int i = 0; i < requete.record().count(); ++i)
                ligne.append(requete.isNull(i) ? QVariant() : requete.value(i));
            resultat.append(ligne);
        }
        return resultat;
    }
};

} // namespace velorin::test
