#pragma once

#include "store/DescriptionStructures.h"

#include <QSqlRecord>
#include <QString>
#include <QStringList>

namespace velorin {

class BaseDonnees;
class DMCommun;
class Progression;

// Brings the tables of the data folder in line with the schema description shipped in
// StructuresTables: creates the missing tables, adds the missing columns (filled by their
// ValDef rule), drops the columns no longer described, and drops, recreates or adds the
// indexes. Every failure is shown and the work goes on with the next step or table; the
// changes of one table are made in one transaction, so that a failure never leaves a table
// half changed.
class VerificationTables {
public:
    explicit VerificationTables(DMCommun& commun);
    // The version written into verif.ini at the end (the running program's by default).
    VerificationTables(DMCommun& commun, QString versionProgramme);

    // Verify all tables, under the verification lock of verif.ini. progression (the splash
    // at start-up, the archiving screen's controls) may be null: the site change verifies
    // without progress display.
    void VerifierTables(Progression* progression = nullptr);

    // The check of the start-up decision: true when a database of the data folder lacks
    // an index that the description lists, or fails SQLite's quick integrity check.
    bool indexManquants();

    static QString dossierStructures(const QString& dossierProgramme);

private:
    struct Champ {
        QString nomChamps;
        QString type;
        int taille = 0;
        QString nom;
        QVariant valDef;
    };
    struct IndexDecrit {
        QString nomIndex;
        QString champs;
        QString options;
    };
    struct IndexExistant {
        QString nom;
        QStringList colonnes;
        // False for the indexes SQLite makes itself for a constraint: they cannot be dropped.
        bool nomme = true;
    };

    QStringList listeTables();
    void verifierTable(const QString& table);
    QList<Champ> champsDecrits(const QString& table);
    QList<IndexDecrit> indexDecrits(const QString& table);

    void creerTable(BaseDonnees& base, const QString& table);
    void mettreAJourTable(BaseDonnees& base, const QString& table);
    void verifierIntegrite(BaseDonnees& base, const QString& table);
    void ajouterColonnes(BaseDonnees& base, const QString& table, const QList<Champ>& champs);
    void remplirColonne(BaseDonnees& base, const QString& table, const Champ& champ);
    void remplirDepuisSource(BaseDonnees& base, const QString& table, const Champ& champ, const QString& regle);
    void remplirParCondition(BaseDonnees& base, const QString& table, const Champ& champ, const QString& regle);
    void supprimerColonnes(BaseDonnees& base, const QString& table, const QList<Champ>& champs);
    void verifierIndex(BaseDonnees& base, const QString& table, const QList<IndexDecrit>& decrits);

    static QList<IndexExistant> indexExistants(BaseDonnees& base, const QString& table);
    static QStringList colonnesTable(BaseDonnees& base, const QString& table);
    static QList<QSqlRecord> lireTable(BaseDonnees& base, const QString& sql);

    void evenements();
    void message(const QString& texte);
    void afficherMessages();

    DMCommun& commun_;
    QString versionProgramme_;
    Progression* progression_ = nullptr;
    DescriptionStructures description_;
    bool avecValDef_ = true;
    // Messages of the table being verified, shown once its transaction is over, so that
    // no message box waits for a click while the database is locked.
    bool differer_ = false;
    QStringList messages_;
};

} // namespace velorin
