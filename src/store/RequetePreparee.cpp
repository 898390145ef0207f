#include "store/RequetePreparee.h"

#include "app/Erreur.h"
#include "store/BaseDonnees.h"

#include <QSqlError>

namespace velorin {

namespace {
QString texteSql(const QSqlError& erreur)
{
    QString texte = erreur.databaseText();
    if (texte.isEmpty()) texte = erreur.text();
    return texte;
}
} // namespace

RequetePreparee::RequetePreparee(BaseDonnees& base, const QString& sql)
    : requete_(base.db())
{
    requete_.setForwardOnly(true);
    if (!requete_.prepare(sql)) throw Erreur(texteSql(requete_.lastError()));
}

QSqlQuery& RequetePreparee::executer(const QVariantList& valeurs)
{
    for (int i = 0; i < valeurs.size(); ++i) requete_.bindValue(i, valeurs.at(i));
    if (!requete_.exec()) throw Erreur(texteSql(requete_.lastError()));
    return requete_;
}

} // namespace velorin
