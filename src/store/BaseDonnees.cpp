#include "store/BaseDonnees.h"

#include "app/Erreur.h"

#include <QAtomicInt>
#include <QDir>
#include <QFileInfo>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlRecord>

namespace velorin {

namespace {
QAtomicInt compteurConnexions;

QString texteSql(const QSqlError& erreur)
{
    QString texte = erreur.databaseText();
    if (texte.isEmpty()) texte = erreur.text();
    return texte;
}
} // namespace

BaseDonnees::BaseDonnees()
    : nomConnexion_(QStringLiteral("velorin_%1").arg(compteurConnexions.fetchAndAddRelaxed(1)))
{
}

BaseDonnees::~BaseDonnees() { fermer(); }

void BaseDonnees::ouvrir(const QString& fichier)
{
    fermer();
    // A database in memory has no folder; Qt would take ":memory:" for a resource path and
    // create a folder named ":" in the working directory.
    if (fichier != QLatin1String(":memory:")) QDir().mkpath(QFileInfo(fichier).absolutePath());
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), nomConnexion_);
        db.setDatabaseName(fichier);
        // Another workstation may hold the write lock for a moment: wait for it.
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=30000"));
        if (!db.open()) {
            const QString texte = texteSql(db.lastError());
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(nomConnexion_);
            throw Erreur(texte);
        }
    }
    fichier_ = fichier;
}

void BaseDonnees::ouvrirEnMemoire() { ouvrir(QStringLiteral(":memory:")); }

void BaseDonnees::fermer()
{
    if (!QSqlDatabase::contains(nomConnexion_)) return;
    {
        QSqlDatabase db = QSqlDatabase::database(nomConnexion_, false);
        if (db.isOpen()) db.close();
    }
    QSqlDatabase::removeDatabase(nomConnexion_);
    fichier_.clear();
    profondeur_ = 0;
}

bool BaseDonnees::estOuverte() const
{
    return QSqlDatabase::contains(nomConnexion_) && QSqlDatabase::database(nomConnexion_, false).isOpen();
}

QSqlDatabase BaseDonnees::db() const
{
    if (!estOuverte()) throw Erreur(QStringLiteral("La base de données n'est pas ouverte."));
    return QSqlDatabase::database(nomConnexion_, false);
}

QSqlQuery BaseDonnees::executer(const QString& sql, const QVariantList& valeurs)
{
    QSqlQuery requete(db());
    requete.setForwardOnly(true);
    if (!requete.prepare(sql)) throw Erreur(texteSql(requete.lastError()));
    for (int i = 0; i < valeurs.size(); ++i) requete.bindValue(i, valeurs.at(i));
    if (!requete.exec()) throw Erreur(texteSql(requete.lastError()));
    return requete;
}

QSqlQuery BaseDonnees::executer(const QString& sql, const QVariantMap& valeurs)
{
    QSqlQuery requete(db());
    requete.setForwardOnly(true);
    if (!requete.prepare(sql)) throw Erreur(texteSql(requete.lastError()));
    for (auto it = valeurs.cbegin(); it != valeurs.cend(); ++it) {
        const QString nom = it.key().startsWith(QLatin1Char(':')) ? it.key() : QLatin1Char(':') + it.key();
        requete.bindValue(nom, it.value());
    }
    if (!requete.exec()) throw Erreur(texteSql(requete.lastError()));
    return requete;
}

QVariant BaseDonnees::valeur(const QString& sql, const QVariantList& valeurs)
{
    QSqlQuery requete = executer(sql, valeurs);
    return requete.next() ? requete.value(0) : QVariant();
}

QStringList BaseDonnees::tables() const { return db().tables(QSql::Tables); }

QString BaseDonnees::nomTable(const QString& table) const
{
    const QStringList noms = tables();
    for (const QString& nom : noms)
        if (nom.compare(table, Qt::CaseInsensitive) == 0) return nom;
    return {};
}

bool BaseDonnees::tableExiste(const QString& table) const { return !nomTable(table).isEmpty(); }

QStringList BaseDonnees::colonnes(const QString& table) const
{
    QStringList noms;
    const QSqlRecord enregistrement = db().record(nomTable(table));
    for (int i = 0; i < enregistrement.count(); ++i) noms.append(enregistrement.fieldName(i));
    return noms;
}

void BaseDonnees::commencerTransaction()
{
    // The first level takes the write lock at once, so that two workstations never
    // interleave the reads and writes of one operation.
    executer(profondeur_ == 0 ? QStringLiteral("BEGIN IMMEDIATE")
                              : QStringLiteral("SAVEPOINT niveau%1").arg(profondeur_));
    ++profondeur_;
}

void BaseDonnees::validerTransaction()
{
    if (profondeur_ <= 0) return;
    --profondeur_;
    executer(profondeur_ == 0 ? QStringLiteral("COMMIT") : QStringLiteral("RELEASE niveau%1").arg(profondeur_));
}

void BaseDonnees::annulerTransaction()
{
    if (profondeur_ <= 0) return;
    --profondeur_;
    if (profondeur_ == 0) {
        executer(QStringLiteral("ROLLBACK"));
    } else {
        executer(QStringLiteral("ROLLBACK TO niveau%1").arg(profondeur_));
        executer(QStringLiteral("RELEASE niveau%1").arg(profondeur_));
    }
}

Transaction::Transaction(BaseDonnees& base) : base_(base) { base_.commencerTransaction(); }

Transaction::~Transaction()
{
    if (terminee_) return;
    try {
        base_.annulerTransaction();
    } catch (...) {
        // Nothing more can be done while unwinding.
    }
}

void Transaction::valider()
{
    base_.validerTransaction();
    terminee_ = true;
}

} // namespace velorin
