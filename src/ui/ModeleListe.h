#pragma once

#include <QAbstractTableModel>
#include <QDate>
#include <QHash>
#include <QList>
#include <QSet>
#include <QVariant>

#include <functional>

namespace velorin {

class BaseDonnees;

// Kinds of columns, as far as showing, searching and filtering them is concerned.
enum class TypeColonne { Texte, TexteLong, Entier, Reel, Booleen, Date, Heure, DateHeure, Autre };

// The kind of a column from its declared type ("Char(50)", "date", "blob(0)", "Integer"...);
// taille receives the length of a Char column.
TypeColonne typeDeclare(const QString& declaration, int* taille = nullptr);

struct ColonneSource {
    QString nom;
    TypeColonne type = TypeColonne::Autre;
    int taille = 0;
};

// One column shown by a list grid.
struct ColonneAffichee {
    QString nomChamp;
    QString titre;
    int largeur = 0;
};

// The rows of a list's statement, held in memory, shown through the grid's columns. Every
// column of the statement stays reachable (searches, returned values, export) whether the
// grid shows it or not. In multi-selection mode the first grid column carries a check box
// per row, kept by Identifiant across reloads.
class ModeleListe : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit ModeleListe(QObject* parent = nullptr);

    // Runs the statement with its bound values and keeps its rows. Types not declared in
    // types are taken from the values. Throws Erreur.
    void charger(BaseDonnees& base, const QString& sql, const QVariantList& valeurs,
                 const QHash<QString, ColonneSource>& types = {});
    void vider();
    bool estOuvert() const { return ouvert_; }

    const QList<ColonneSource>& colonnesSource() const { return source_; }
    // Index of a column of the statement (ignoring case), -1 when it is not there.
    int indexSource(const QString& nom) const;
    QVariant valeur(int ligne, int indexSource) const;
    QVariant valeur(int ligne, const QString& nom) const;
    // The value as the grid shows it.
    QString texte(int ligne, int indexSource) const;
    // Row of the first record whose Identifiant is identifiant, -1 when none.
    int ligneIdentifiant(const QVariant& identifiant) const;

    const QList<ColonneAffichee>& colonnesGrille() const { return grille_; }
    void setColonnesGrille(const QList<ColonneAffichee>& colonnes);
    // Text of a column instead of the default for its type.
    void setFormat(const QString& nomChamp, std::function<QString(const QVariant&)> format);

    void setCochable(bool cochable);
    bool cochable() const { return cochable_; }
    bool estCochee(int ligne) const;
    void setCochee(int ligne, bool cochee);
    // Identifiant of every ticked row, in row order.
    QList<int> identifiantsCoches() const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& valeur, int role = Qt::EditRole) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // The default text of a value of a column kind: dates "dd/mm/yyyy", Booleans "Oui"/"Non",
    // floats with two decimals and a decimal comma.
    static QString texteParDefaut(const QVariant& valeur, TypeColonne type);
    // The day of a stored date or date-time value; invalid when it holds none.
    static QDate dateDe(const QVariant& valeur);

private:
    QString cleCoche(int ligne) const;

    QList<ColonneSource> source_;
    QList<QVariantList> lignes_;
    QList<ColonneAffichee> grille_;
    QList<int> indexGrille_; // source index of each grid column, -1 when absent
    QHash<QString, std::function<QString(const QVariant&)>> formats_;
    bool ouvert_ = false;
    bool cochable_ = false;
    QSet<QString> cochees_;
};

} // namespace velorin
