#pragma once

#include <QAbstractTableModel>
#include <QList>
#include <QSqlRecord>
#include <QStyledItemDelegate>
#include <QTableView>

#include <functional>

namespace velorin {

// A column of the service or meal grid of the reservation editor.
struct ColonneLigne {
    enum class Genre { Texte, Entier, Montant, Jour, OuiNon };
    QString champ; // column of the line's table
    QString titre;
    Genre genre = Genre::Texte;
    bool modifiable = false;
};

// The service or meal lines of a stay, as rows of their table. A value typed in the grid is
// written at once through `enregistrer`, which applies the line's rules (the total follows).
class ModeleLignesSejour : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit ModeleLignesSejour(QList<ColonneLigne> colonnes, QObject* parent = nullptr);

    void setLignes(QList<QSqlRecord> lignes);
    const QList<QSqlRecord>& lignes() const { return lignes_; }
    int identifiant(int ligne) const;
    int ligneDe(int identifiant) const;
    // The grid's first column that may be typed into, -1 when none.
    int premiereColonneModifiable() const;
    void setLectureSeule(bool lectureSeule);
    bool lectureSeule() const { return lectureSeule_; }
    const ColonneLigne& colonne(int i) const { return colonnes_.at(i); }

    // Writes a changed line (the rules may change other columns of it); false when it could
    // not be written (the owner reloads the lines).
    std::function<bool(QSqlRecord& ligne)> enregistrer;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& valeur, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

signals:
    // A line was changed in the grid and written.
    void ligneModifiee(int ligne);

private:
    QList<ColonneLigne> colonnes_;
    QList<QSqlRecord> lignes_;
    bool lectureSeule_ = false;
};

// A drop-down list editor for a grid column: the stay's days, or "O" / "N".
class DelegueListe : public QStyledItemDelegate {
    Q_OBJECT
public:
    struct Choix {
        QString texte;
        QVariant valeur;
    };
    DelegueListe(std::function<QList<Choix>()> choix, QObject* parent = nullptr);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void setEditorData(QWidget* editeur, const QModelIndex& index) const override;
    void setModelData(QWidget* editeur, QAbstractItemModel* modele, const QModelIndex& index) const override;

private:
    std::function<QList<Choix>()> choix_;
};

// The grid of the service or meal lines. Double click puts the line in edit state; Enter,
// while a value is being typed, writes it and moves to the next column; Enter otherwise
// moves to the next column too, so that a line is typed without the mouse.
class GrilleLignes : public QTableView {
    Q_OBJECT
public:
    explicit GrilleLignes(QWidget* parent = nullptr);

    // Puts the line in edit state on its first column that may be typed into.
    void editerLigne(int ligne);
    // Closes the editor of the line being typed, without writing it (its lines are reread).
    void abandonnerEdition();

protected:
    void keyPressEvent(QKeyEvent* evenement) override;
    void closeEditor(QWidget* editeur, QAbstractItemDelegate::EndEditHint indication) override;

private:
    void colonneSuivante();
};

} // namespace velorin
