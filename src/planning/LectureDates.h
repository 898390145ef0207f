#pragma once

#include "store/Dialecte.h"

#include <QDate>
#include <QString>
#include <QVariant>

namespace velorin::lecture {

// A stored date, read quickly when it has the usual "yyyy-MM-dd" form (the planning reads
// thousands of them per refresh), and through the dialect's general reading otherwise.
inline QDate date(const QVariant& valeur)
{
    if (valeur.isNull()) return {};
    if (valeur.typeId() == QMetaType::QString) {
        const QString texte = valeur.toString();
        if (texte.size() >= 10 && texte.at(4) == QLatin1Char('-') && texte.at(7) == QLatin1Char('-')) {
            bool a = false, m = false, j = false;
            const int annee = QStringView(texte).left(4).toInt(&a);
            const int mois = QStringView(texte).mid(5, 2).toInt(&m);
            const int jour = QStringView(texte).mid(8, 2).toInt(&j);
            if (a && m && j && QDate::isValid(annee, mois, jour)) return QDate(annee, mois, jour);
        }
    }
    return dialecte::lireDate(valeur);
}

// A date column holds something (not null, not blank).
inline bool renseignee(const QVariant& valeur)
{
    return !valeur.isNull() && !valeur.toString().trimmed().isEmpty();
}

} // namespace velorin::lecture
