#include "app/Fichiers.h"

#include "app/Erreur.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace velorin::fichiers {

QString trouverSansCasse(const QString& dossier, const QString& nom)
{
    const QDir d(dossier);
    if (!d.exists()) return {};
    if (QFileInfo::exists(d.filePath(nom))) return d.filePath(nom);
    const auto entrees = d.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    for (const QString& entree : entrees)
        if (entree.compare(nom, Qt::CaseInsensitive) == 0) return d.filePath(entree);
    return {};
}

void viderDossier(const QString& dossier)
{
    const QDir d(dossier);
    const auto noms = d.entryList(QDir::Files | QDir::Hidden);
    for (const QString& nom : noms)
        if (!QFile::remove(d.filePath(nom)))
            throw Erreur(QStringLiteral("Impossible de supprimer le fichier %1").arg(d.filePath(nom)));
}

void copierFichiers(const QString& source, const QString& destination)
{
    const QDir s(source);
    const QDir d(destination);
    if (!d.exists() && !QDir().mkpath(destination))
        throw Erreur(QStringLiteral("Impossible de créer le dossier %1").arg(destination));
    const auto noms = s.entryList(QDir::Files | QDir::Hidden);
    for (const QString& nom : noms) {
        const QString cible = d.filePath(nom);
        if (QFileInfo::exists(cible) && !QFile::remove(cible))
            throw Erreur(QStringLiteral("Impossible de remplacer le fichier %1").arg(cible));
        if (!QFile::copy(s.filePath(nom), cible))
            throw Erreur(QStringLiteral("Impossible de copier le fichier %1").arg(s.filePath(nom)));
    }
}

} // namespace velorin::fichiers
