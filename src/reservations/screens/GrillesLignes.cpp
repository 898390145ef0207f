#include "reservations/screens/GrillesLignes.h"

#include "app/DatesFr.h"
#include "reservations/screens/ChampsSaisie.h"
#include "store/Dialecte.h"

#include <QComboBox>
#include <QHeaderView>
#include <QKeyEvent>

namespace velorin {

ModeleLignesSejour::ModeleLignesSejour(QList<ColonneLigne> colonnes, QObject* parent)
    : QAbstractTableModel(parent)
    , colonnes_(std::move(colonnes))
{
}

void ModeleLignesSejour::setLignes(QList<QSqlRecord> lignes)
{
    beginResetModel();
    lignes_ = std::move(lignes);
    endResetModel();
}

int ModeleLignesSejour::identifiant(int ligne) const
{
    if (ligne < 0 || ligne >= lignes_.size()) return -1;
    return lignes_.at(ligne).value(QStringLiteral("Identifiant")).toInt();
}

int ModeleLignesSejour::ligneDe(int identifiant) const
{
    for (int i = 0; i < lignes_.size(); ++i)
        if (this->identifiant(i) == identifiant) return i;
    return -1;
}

int ModeleLignesSejour::premiereColonneModifiable() const
{
    for (int i = 0; i < colonnes_.size(); ++i)
        if (colonnes_.at(i).modifiable) return i;
    return -1;
}

void ModeleLignesSejour::setLectureSeule(bool lectureSeule)
{
    if (lectureSeule_ == lectureSeule) return;
    lectureSeule_ = lectureSeule;
    if (!lignes_.isEmpty()) emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

int ModeleLignesSejour::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(lignes_.size());
}

int ModeleLignesSejour::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(colonnes_.size());
}

QVariant ModeleLignesSejour::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= lignes_.size()) return {};
    const ColonneLigne& c = colonnes_.at(index.column());
    const QVariant v = lignes_.at(index.row()).value(c.champ);
    using Genre = ColonneLigne::Genre;
    if (role == Qt::TextAlignmentRole) {
        if (c.genre == Genre::Entier || c.genre == Genre::Montant)
            return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
        if (c.genre == Genre::OuiNon || c.genre == Genre::Jour) return QVariant::fromValue(Qt::AlignCenter);
        return {};
    }
    if (role != Qt::DisplayRole && role != Qt::EditRole) return {};
    switch (c.genre) {
    case Genre::Texte: return v.toString();
    case Genre::Entier: return v.isNull() && role == Qt::DisplayRole ? QVariant() : QVariant(v.toInt());
    case Genre::Montant: return v.isNull() ? QVariant() : QVariant(texteMontant(v.toDouble()));
    case Genre::Jour: {
        const QDate jour = dialecte::lireDate(v);
        if (role == Qt::EditRole) return jour;
        return jour.isValid() ? dates::courte(jour) : QString();
    }
    case Genre::OuiNon:
        if (role == Qt::EditRole) return v.toBool();
        return v.toBool() ? QStringLiteral("O") : QStringLiteral("N");
    }
    return {};
}

bool ModeleLignesSejour::setData(const QModelIndex& index, const QVariant& valeur, int role)
{
    if (!index.isValid() || role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable)) return false;
    const ColonneLigne& c = colonnes_.at(index.column());
    QVariant stockee;
    using Genre = ColonneLigne::Genre;
    switch (c.genre) {
    case Genre::Texte: stockee = valeur.toString(); break;
    case Genre::Entier: {
        bool ok = false;
        const int n = valeur.toInt(&ok);
        if (!ok) return false;
        stockee = n;
        break;
    }
    case Genre::Montant: {
        const auto n = valeur.typeId() == QMetaType::Double ? std::optional<double>(valeur.toDouble())
                                                            : lireNombre(valeur.toString());
        if (!n) return false;
        stockee = *n;
        break;
    }
    case Genre::Jour: {
        const QDate jour = valeur.toDate();
        if (!jour.isValid()) return false;
        stockee = dialecte::valeurDate(jour);
        break;
    }
    case Genre::OuiNon: {
        const QString texte = valeur.toString().trimmed().toUpper();
        const bool oui = valeur.typeId() == QMetaType::Bool
            ? valeur.toBool()
            : (texte == QStringLiteral("O") || texte == QStringLiteral("1") || texte == QStringLiteral("TRUE"));
        stockee = dialecte::valeurBooleen(oui);
        break;
    }
    }
    QSqlRecord ligne = lignes_.at(index.row());
    if (ligne.value(c.champ) == stockee) return true;
    ligne.setValue(c.champ, stockee);
    if (enregistrer && !enregistrer(ligne)) return false;
    lignes_[index.row()] = ligne;
    emit dataChanged(this->index(index.row(), 0), this->index(index.row(), columnCount() - 1));
    emit ligneModifiee(index.row());
    return true;
}

Qt::ItemFlags ModeleLignesSejour::flags(const QModelIndex& index) const
{
    if (!index.isValid()) return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsSelectable | Qt::ItemIsEnabled;
    if (!lectureSeule_ && colonnes_.at(index.column()).modifiable) f |= Qt::ItemIsEditable;
    return f;
}

QVariant ModeleLignesSejour::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= colonnes_.size()) return {};
    if (role == Qt::DisplayRole) return colonnes_.at(section).titre;
    return {};
}

// ---------------------------------------------------------------------------------------------

DelegueListe::DelegueListe(std::function<QList<Choix>()> choix, QObject* parent)
    : QStyledItemDelegate(parent)
    , choix_(std::move(choix))
{
}

QWidget* DelegueListe::createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex&) const
{
    auto* liste = new QComboBox(parent);
    for (const Choix& c : choix_()) liste->addItem(c.texte, c.valeur);
    return liste;
}

void DelegueListe::setEditorData(QWidget* editeur, const QModelIndex& index) const
{
    auto* liste = static_cast<QComboBox*>(editeur);
    const QVariant actuelle = index.data(Qt::EditRole);
    for (int i = 0; i < liste->count(); ++i) {
        if (liste->itemData(i) == actuelle) {
            liste->setCurrentIndex(i);
            return;
        }
    }
}

void DelegueListe::setModelData(QWidget* editeur, QAbstractItemModel* modele, const QModelIndex& index) const
{
    auto* liste = static_cast<QComboBox*>(editeur);
    if (liste->currentIndex() < 0) return;
    modele->setData(index, liste->currentData(), Qt::EditRole);
}

// ---------------------------------------------------------------------------------------------

GrilleLignes::GrilleLignes(QWidget* parent)
    : QTableView(parent)
{
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
        | QAbstractItemView::AnyKeyPressed | QAbstractItemView::SelectedClicked);
    setAlternatingRowColors(true);
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 10);
    horizontalHeader()->setStretchLastSection(true);
    horizontalHeader()->setHighlightSections(false);
    setTabKeyNavigation(false);
}

void GrilleLignes::editerLigne(int ligne)
{
    auto* modele = qobject_cast<ModeleLignesSejour*>(model());
    if (!modele || ligne < 0 || ligne >= modele->rowCount()) return;
    const int colonne = modele->premiereColonneModifiable();
    const QModelIndex index = modele->index(ligne, colonne < 0 ? 0 : colonne);
    setCurrentIndex(index);
    if (colonne >= 0 && !modele->lectureSeule()) edit(index);
}

void GrilleLignes::abandonnerEdition()
{
    if (state() != QAbstractItemView::EditingState) return;
    if (QWidget* editeur = indexWidget(currentIndex()))
        QTableView::closeEditor(editeur, QAbstractItemDelegate::RevertModelCache);
}

void GrilleLignes::colonneSuivante()
{
    const QModelIndex actuel = currentIndex();
    if (!actuel.isValid() || !model()) return;
    int ligne = actuel.row();
    int colonne = actuel.column() + 1;
    if (colonne >= model()->columnCount()) {
        colonne = 0;
        if (ligne + 1 < model()->rowCount()) ++ligne;
    }
    setCurrentIndex(model()->index(ligne, colonne));
}

void GrilleLignes::keyPressEvent(QKeyEvent* evenement)
{
    const bool entree = evenement->key() == Qt::Key_Return || evenement->key() == Qt::Key_Enter;
    if (entree && state() != QAbstractItemView::EditingState) {
        colonneSuivante();
        evenement->accept();
        return;
    }
    QTableView::keyPressEvent(evenement);
}

void GrilleLignes::closeEditor(QWidget* editeur, QAbstractItemDelegate::EndEditHint indication)
{
    // Enter in a value being typed writes it (the totals follow) and goes on to the next column.
    if (indication == QAbstractItemDelegate::SubmitModelCache) {
        QTableView::closeEditor(editeur, QAbstractItemDelegate::NoHint);
        colonneSuivante();
        return;
    }
    QTableView::closeEditor(editeur, indication);
}

} // namespace velorin
