#include "store/Droits.h"

#include "app/Fichiers.h"

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>

namespace velorin::droits {

void relocaliser(const QString& dossierProgramme)
{
    const QString donnees = fichiers::trouverSansCasse(dossierProgramme, QStringLiteral("Donnees"));
    if (donnees.isEmpty()) return;
    const QString dansDonnees = fichiers::trouverSansCasse(donnees, nomFichier);
    if (dansDonnees.isEmpty()) return;
    if (fichiers::trouverSansCasse(dossierProgramme, nomFichier).isEmpty())
        QFile::copy(dansDonnees, QDir(dossierProgramme).filePath(nomFichier));
    // Removed only once a record stands beside the program: a failed copy (a program folder
    // that cannot be written) must not lose it.
    if (!fichiers::trouverSansCasse(dossierProgramme, nomFichier).isEmpty()) QFile::remove(dansDonnees);
}

bool installationReseau(const QString& dossierProgramme)
{
    const QString chemin = fichiers::trouverSansCasse(dossierProgramme, nomFichier);
    if (chemin.isEmpty()) return false;
    bool reseau = false;
    const QString connexion = QStringLiteral("velorin_droits");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connexion);
        db.setDatabaseName(chemin);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        if (db.open()) {
            QString table;
            const QStringList tables = db.tables();
            for (const QString& nom : tables)
                if (nom.compare(QStringLiteral("Droits"), Qt::CaseInsensitive) == 0) table = nom;
            if (!table.isEmpty()) {
                const QSqlRecord structure = db.record(table);
                int colonne = -1;
                for (int i = 0; i < structure.count(); ++i)
                    if (structure.fieldName(i).compare(QStringLiteral("Reseau"), Qt::CaseInsensitive) == 0)
                        colonne = i;
                if (colonne >= 0) {
                    QSqlQuery requete(db);
                    if (requete.exec(QStringLiteral("SELECT \"%1\" FROM \"%2\"")
                                         .arg(structure.fieldName(colonne), table)) &&
                        requete.next()) {
                        const QVariant valeur = requete.value(0);
                        const QString texte = valeur.toString().trimmed().toLower();
                        reseau = texte == QLatin1String("true") || (valeur.toInt() != 0);
                    }
                }
            }
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(connexion);
    return reseau;
}

} // namespace velorin::droits
