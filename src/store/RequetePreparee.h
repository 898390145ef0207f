#pragma once

#include <QSqlQuery>
#include <QString>
#include <QVariantList>

namespace velorin {

class BaseDonnees;

// A statement prepared once and run many times with new values (bulk writes, reads
// repeated in a loop). Values are always bound; failures throw Erreur.
class RequetePreparee {
public:
    RequetePreparee(BaseDonnees& base, const QString& sql);

    // Binds the values in order (positional ? placeholders) and runs the statement.
    QSqlQuery& executer(const QVariantList& valeurs);
    QSqlQuery& requete() { return requete_; }

private:
    QSqlQuery requete_;
};

} // namespace velorin
