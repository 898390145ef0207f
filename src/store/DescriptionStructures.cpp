#include "store/DescriptionStructures.h"

#include "app/Erreur.h"
#include "app/Fichiers.h"

#include <QDir>
#include <QFile>

namespace velorin {

bool DescriptionStructures::presente(const QString& dossierStructures)
{
    return !fichiers::trouverSansCasse(dossierStructures, fichierChamps()).isEmpty() &&
           !fichiers::trouverSansCasse(dossierStructures, fichierIndex()).isEmpty();
}

void DescriptionStructures::charger(const QString& dossierStructures)
{
    base_.ouvrirEnMemoire();
    chargerFichier(fichiers::trouverSansCasse(dossierStructures, fichierChamps()), QStringLiteral("ChampDescription"),
                   {u"NomTable"_qs, u"NomChamps"_qs, u"Type"_qs, u"Taille"_qs, u"Nom"_qs, u"ValDef"_qs},
                   {u"TEXT"_qs, u"TEXT"_qs, u"TEXT"_qs, u"INTEGER"_qs, u"TEXT"_qs, u"TEXT"_qs});
    chargerFichier(fichiers::trouverSansCasse(dossierStructures, fichierIndex()), QStringLiteral("IndexDescription"),
                   {u"NomTable"_qs, u"NomIndex"_qs, u"Champs"_qs, u"Options"_qs},
                   {u"TEXT"_qs, u"TEXT"_qs, u"TEXT"_qs, u"TEXT"_qs});
}

void DescriptionStructures::chargerFichier(const QString& chemin, const QString& table, const QStringList& colonnes,
                                           const QStringList& types)
{
    QFile fichier(chemin);
    if (chemin.isEmpty() || !fichier.open(QIODevice::ReadOnly))
        throw Erreur(QStringLiteral("Impossible de lire le fichier %1").arg(chemin.isEmpty() ? table : chemin));

    // Ordre keeps the file's row order, which is the column order of each table.
    QStringList definitions{QStringLiteral("Ordre INTEGER")};
    for (int i = 0; i < colonnes.size(); ++i) definitions.append(colonnes[i] + QLatin1Char(' ') + types[i]);
    base_.executer(QStringLiteral("CREATE TABLE %1 (%2)").arg(table, definitions.join(QStringLiteral(", "))));

    QStringList marques(colonnes.size() + 1, QStringLiteral("?"));
    const QString insertion = QStringLiteral("INSERT INTO %1 (Ordre, %2) VALUES (%3)")
                                  .arg(table, colonnes.join(QStringLiteral(", ")), marques.join(QStringLiteral(", ")));
    Transaction transaction(base_);
    const QStringList lignes = QString::fromUtf8(fichier.readAll()).split(QLatin1Char('\n'));
    bool entete = true;
    int ordre = 0;
    for (QString ligne : lignes) {
        if (ligne.endsWith(QLatin1Char('\r'))) ligne.chop(1);
        if (ligne.trimmed().isEmpty() || ligne.startsWith(QLatin1Char('#'))) continue;
        if (entete) {
            entete = false;
            continue;
        }
        const QStringList champs = ligne.split(QLatin1Char('\t'));
        QVariantList valeurs{++ordre};
        for (int i = 0; i < colonnes.size(); ++i) {
            const QString valeur = champs.value(i).trimmed();
            if (valeur.isEmpty()) valeurs.append(QVariant());
            else if (types[i] == QLatin1String("INTEGER")) valeurs.append(valeur.toInt());
            else valeurs.append(valeur);
        }
        base_.executer(insertion, valeurs);
    }
    transaction.valider();
}

} // namespace velorin
