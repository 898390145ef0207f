#include "support/DossiersTest.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlQuery>

namespace velorin::test {

EnvironnementTest::EnvironnementTest(bool avecFichiersLivres)
{
    dossier_.setAutoRemove(true);
    if (avecFichiersLivres) copierArborescence(QStringLiteral(VELORIN_RESSOURCES_DIR), dossier_.path());
}

QString EnvironnementTest::programme() const { return dossier_.path() + QLatin1Char('/'); }
QString EnvironnementTest::donnees() const { return programme() + QStringLiteral("Donnees"); }
QString EnvironnementTest::chemin(const QString& relatif) const { return programme() + relatif; }

void copierArborescence(const QString& source, const QString& destination)
{
    QDir().mkpath(destination);
    QDirIterator it(source, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    const QDir depart(source);
    while (it.hasNext()) {
        const QString fichier = it.next();
        const QString cible = QDir(destination).filePath(depart.relativeFilePath(fichier));
        QDir().mkpath(QFileInfo(cible).absolutePath());
        QFile::remove(cible);
        QFile::copy(fichier, cible);
    }
}

void ecrireFichier(const QString& chemin, const QByteArray& contenu)
{
    QDir().mkpath(QFileInfo(chemin).absolutePath());
    QFile f(chemin);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate)) f.write(contenu);
}

bool creerDroits(const QString& chemin, const QString& definition, const QString& insertion)
{
    bool ecrit = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("droits_test"));
        db.setDatabaseName(chemin);
        if (db.open()) {
            QSqlQuery q(db);
            ecrit = q.exec(definition) && (insertion.isEmpty() || q.exec(insertion));
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("droits_test"));
    return ecrit;
}

bool installationReseau(const EnvironnementTest& env)
{
    return creerDroits(env.chemin(QStringLiteral("Droits.db")), QStringLiteral("CREATE TABLE Droits (Reseau BOOLEAN)"),
        QStringLiteral("INSERT INTO Droits VALUES (1)"));
}

QByteArray lireFichier(const QString& chemin)
{
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace velorin::test
