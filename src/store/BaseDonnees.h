#pragma once

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <QVariant>

namespace velorin {

// One database file and its connection. Every statement binds its values as parameters;
// a failure throws Erreur with the engine's text.
class BaseDonnees {
public:
    BaseDonnees();
    ~BaseDonnees();
    BaseDonnees(const BaseDonnees&) = delete;
    BaseDonnees& operator=(const BaseDonnees&) = delete;

    // Opens (and creates when missing) the database file; closes the previous one.
    void ouvrir(const QString& fichier);
    // Opens a private database in memory.
    void ouvrirEnMemoire();
    void fermer();
    bool estOuverte() const;
    const QString& fichier() const { return fichier_; }
    const QString& nomConnexion() const { return nomConnexion_; }
    QSqlDatabase db() const;

    // Runs one statement with positional (?) or named (:Nom) values; throws on failure.
    QSqlQuery executer(const QString& sql, const QVariantList& valeurs = {});
    QSqlQuery executer(const QString& sql, const QVariantMap& valeurs);
    // First column of the first row, or an invalid QVariant when there is no row.
    QVariant valeur(const QString& sql, const QVariantList& valeurs = {});

    // Table names are compared without regard to letter case.
    bool tableExiste(const QString& table) const;
    // The table's name as stored, or empty when it does not exist.
    QString nomTable(const QString& table) const;
    QStringList tables() const;
    QStringList colonnes(const QString& table) const;

    // Transaction nesting, used by Transaction.
    void commencerTransaction();
    void validerTransaction();
    void annulerTransaction();
    int profondeurTransaction() const { return profondeur_; }

private:
    QString nomConnexion_;
    QString fichier_;
    int profondeur_ = 0;
};

// Writes that belong together: rolled back unless valider() was called. Nested
// transactions become save points of the outer one.
class Transaction {
public:
    explicit Transaction(BaseDonnees& base);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    void valider();

private:
    BaseDonnees& base_;
    bool terminee_ = false;
};

} // namespace velorin
