#include "settings/LanguesDocuments.h"

#include <QDir>

namespace velorin {

QStringList languesDocuments(const QString& dossierDonnees)
{
    QDir dossier(dossierDonnees);
    // The folder's name is compared without regard to letter case.
    QString nom;
    for (const QString& entree : dossier.entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        if (entree.compare(QStringLiteral("Langues"), Qt::CaseInsensitive) == 0) nom = entree;
    if (nom.isEmpty() || !dossier.cd(nom)) return {};
    QStringList langues;
    for (const QString& langue : dossier.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase))
        if (!langue.startsWith(QLatin1Char('.'))) langues.append(langue);
    return langues;
}

} // namespace velorin
