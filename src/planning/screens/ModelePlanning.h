#pragma once

#include "planning/TypesPlanning.h"
#include "store/Disposition.h"

#include <QAbstractTableModel>
#include <QColor>
#include <QDate>
#include <QStyledItemDelegate>

#include <functional>

namespace velorin {

// The planning grid: the accommodations over the 45 days of the window, then the lines
// "Observations", "Nb Ch." and, with the meals shown, "Repas". In "Verticale" the days are
// the rows and the accommodations the columns; "Horizontale" is the transpose. The header
// row and column of the grid are the view's headers.
class ModelePlanning : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Presentation { Horizontale = 0, Verticale = 1 };
    // Extra roles the delegate paints.
    enum Roles {
        RoleCadre = Qt::UserRole + 1, // QColor of the frame of a coloured service
        RoleGroupe, // QColor of the group mark
        RoleMilieuSejour, // bool
        RoleLigneResume, // bool: beyond "Observations", text right-aligned
    };

    // A position of the grid on its two axes: accommodation index (0..N-1, then N for
    // "Observations", N + 1 "Nb Ch.", N + 2 "Repas") and day index (0..44).
    struct Position {
        int chambre = -1;
        int jour = -1;
        bool valide() const { return chambre >= 0 && jour >= 0; }
    };

    explicit ModelePlanning(QObject* parent = nullptr);

    void charger(const TListeChambres& chambres, const FenetrePlanning& fenetre, bool avecRepas);
    void setPresentation(Presentation presentation);
    Presentation presentation() const { return presentation_; }
    // The corner cell's caption: "Date" in Verticale, "Chambre" in Horizontale.
    QString titreCoin() const;
    // The grid's fixed colour, sky blue: headers and summary lines.
    static QColor couleurFixe();
    void setCouleurs(const TCouleurs& couleurs);
    void setAujourdhui(const QDate& jour);
    // The dishes of a day, each followed by a line break (empty without a meal plan): the
    // tooltip of the "Repas" line.
    std::function<QString(const QDate&)> platsDuJour;

    const TListeChambres& chambres() const { return chambres_; }
    const FenetrePlanning& fenetre() const { return fenetre_; }
    int ligneObservations() const { return int(chambres_.size()); }
    int nombrePositionsChambre() const { return int(chambres_.size()) + (avecRepas_ ? 3 : 2); }

    Position position(const QModelIndex& index) const;
    QModelIndex indexDe(Position p) const;
    QDate dateDuJour(int jour) const { return fenetre_.Debut.addDays(jour); }
    // The accommodation day at p, or nullptr outside the accommodation lines.
    const TJourPlan* jourPlan(Position p) const;

    // The text an accommodation day shows.
    static QString texteJour(const TJourPlan& jour);
    // The text colour of a held day: option, not confirmed, paid, not printed, own colour.
    static QColor couleurTexte(const TJourPlan& jour, int couleurChambre, const TCouleurs& couleurs);
    // The group palette: groups 1 and 11 share a colour.
    static QColor couleurGroupe(int idReg);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& valeur, int role = Qt::EditRole) override;

signals:
    // A remark of the "Observations" line was edited.
    void remarqueModifiee(const QDate& jour, const QString& texte);

private:
    QVariant donneeChambre(Position p, int role) const;
    QVariant donneeResume(Position p, int role) const;
    QString enteteJour(int jour) const;
    QString enteteChambre(int chambre) const;
    QVariant fondEnteteChambre(int chambre) const;

    TListeChambres chambres_;
    FenetrePlanning fenetre_;
    bool avecRepas_ = false;
    Presentation presentation_ = Verticale;
    TCouleurs couleurs_ = couleursParDefaut();
    QDate aujourdhui_;
};

// Paints the planning cells: background, text with a margin of 2 pixels, and the marks of a
// held day (frame of a coloured service, group square, dashed line in mid-stay).
class DeleguePlanning : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* peintre, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    // A remark is typed within the length it is stored with: nothing typed is refused later.
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

} // namespace velorin
