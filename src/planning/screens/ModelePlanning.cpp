#include "planning/screens/ModelePlanning.h"

#include "app/DatesFr.h"
#include "planning/Calendrier.h"
#include "planning/DonneesPlanning.h"

#include <QLineEdit>
#include <QPainter>

namespace velorin {

namespace {

// Colour numbers of the colour settings used by the planning.
constexpr int titresZones = 6;
constexpr int fondFeries = 7;
constexpr int fondWeekEnd = 8;
constexpr int fondRepas = 9;
constexpr int surlignageJour = 10;
constexpr int texteNonConfirmees = 11;
constexpr int texteSoldees = 12;
constexpr int texteNonImprimees = 13;
constexpr int texteOption = 14;

} // namespace

QColor ModelePlanning::couleurFixe()
{
    return {0xA6, 0xCA, 0xF0};
}

QString ModelePlanning::titreCoin() const
{
    return presentation_ == Verticale ? u"Date"_qs : u"Chambre"_qs;
}

ModelePlanning::ModelePlanning(QObject* parent)
    : QAbstractTableModel(parent)
{
}

void ModelePlanning::charger(const TListeChambres& chambres, const FenetrePlanning& fenetre, bool avecRepas)
{
    beginResetModel();
    chambres_ = chambres;
    fenetre_ = fenetre;
    avecRepas_ = avecRepas;
    endResetModel();
}

void ModelePlanning::setPresentation(Presentation presentation)
{
    if (presentation == presentation_) return;
    beginResetModel();
    presentation_ = presentation;
    endResetModel();
}

void ModelePlanning::setCouleurs(const TCouleurs& couleurs)
{
    couleurs_ = couleurs;
    if (rowCount() > 0 && columnCount() > 0) emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

void ModelePlanning::setAujourdhui(const QDate& jour)
{
    aujourdhui_ = jour;
}

ModelePlanning::Position ModelePlanning::position(const QModelIndex& index) const
{
    if (!index.isValid()) return {};
    return presentation_ == Verticale ? Position{index.column(), index.row()} : Position{index.row(), index.column()};
}

QModelIndex ModelePlanning::indexDe(Position p) const
{
    if (!p.valide()) return {};
    return presentation_ == Verticale ? index(p.jour, p.chambre) : index(p.chambre, p.jour);
}

const TJourPlan* ModelePlanning::jourPlan(Position p) const
{
    if (p.chambre < 0 || p.chambre >= chambres_.size() || p.jour < 0 || p.jour >= joursPlanning) return nullptr;
    return &chambres_.at(p.chambre).Jours.at(std::size_t(p.jour));
}

QString ModelePlanning::texteJour(const TJourPlan& jour)
{
    switch (jour.Etat) {
    case etats::Fermee: return u"Fermée"_qs;
    case etats::Option: return u"Option "_qs + jour.NomHote;
    case etats::Reserve: return jour.NomHote;
    default: return {};
    }
}

QColor ModelePlanning::couleurTexte(const TJourPlan& jour, int couleurChambre, const TCouleurs& couleurs)
{
    const auto c = [&](int numero) { return couleurs::versQColor(couleurs.at(std::size_t(numero))); };
    if (jour.Etat == etats::Option) return c(texteOption);
    if (!jour.ContratRecu) return c(texteNonConfirmees);
    if (jour.Solde) return c(texteSoldees);
    if (jour.ContratNonEnvoye) return c(texteNonImprimees);
    if (couleurChambre > 0) return couleurs::versQColor(couleurChambre);
    return c(titresZones);
}

QColor ModelePlanning::couleurGroupe(int idReg)
{
    // Stored blue-green-red, as every colour of the program.
    static constexpr int palette[10]
        = {0x0000FF, 0x00FF00, 0xFF0000, 0x000080, 0x008000, 0x800000, 0x808080, 0x660066, 0x666600, 0x006666};
    if (idReg <= 0) return {};
    return couleurs::versQColor(palette[(idReg - 1) % 10]);
}

int ModelePlanning::rowCount(const QModelIndex& parent) const
{
    if (parent.isValid()) return 0;
    return presentation_ == Verticale ? joursPlanning : nombrePositionsChambre();
}

int ModelePlanning::columnCount(const QModelIndex& parent) const
{
    if (parent.isValid()) return 0;
    return presentation_ == Verticale ? nombrePositionsChambre() : joursPlanning;
}

QVariant ModelePlanning::data(const QModelIndex& index, int role) const
{
    const Position p = position(index);
    if (!p.valide()) return {};
    if (p.chambre < chambres_.size()) return donneeChambre(p, role);
    return donneeResume(p, role);
}

QVariant ModelePlanning::donneeChambre(Position p, int role) const
{
    const TMoisChambre& chambre = chambres_.at(p.chambre);
    const TJourPlan& jour = chambre.Jours.at(std::size_t(p.jour));
    switch (role) {
    case Qt::DisplayRole: return texteJour(jour);
    case Qt::BackgroundRole:
        switch (jour.TypeJour) {
        case typesJour::Ferie: return couleurs::versQColor(couleurs_.at(fondFeries));
        case typesJour::WeekEnd: return couleurs::versQColor(couleurs_.at(fondWeekEnd));
        case typesJour::AvecRepas: return couleurs::versQColor(couleurs_.at(fondRepas));
        default: return QColor(Qt::white);
        }
    case Qt::ForegroundRole: return couleurTexte(jour, chambre.Couleur, couleurs_);
    case RoleCadre: return jour.CouleurPrest > 0 ? QVariant(couleurs::versQColor(jour.CouleurPrest)) : QVariant();
    case RoleGroupe: return jour.IdReg > 0 ? QVariant(couleurGroupe(jour.IdReg)) : QVariant();
    case RoleMilieuSejour: return jour.MilieuSejour;
    default: return {};
    }
}

QVariant ModelePlanning::donneeResume(Position p, int role) const
{
    const int n = int(chambres_.size());
    const auto i = std::size_t(p.jour);
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole: {
        if (p.chambre == n) return fenetre_.Remarques.at(i);
        const int valeur = p.chambre == n + 1 ? fenetre_.ChambresReservees.at(i) : fenetre_.Repas.at(i);
        return valeur == 0 ? QString() : QString::number(valeur);
    }
    case Qt::ToolTipRole:
        if (p.chambre == n) return fenetre_.Remarques.at(i);
        if (p.chambre == n + 2 && platsDuJour)
            return u"Menu du "_qs + dates::courte(dateDuJour(p.jour)) + u" :\n"_qs + platsDuJour(dateDuJour(p.jour));
        return {};
    case Qt::BackgroundRole:
        if (dateDuJour(p.jour) == aujourdhui_) return couleurs::versQColor(couleurs_.at(surlignageJour));
        return couleurFixe();
    case Qt::ForegroundRole: return couleurs::versQColor(couleurs_.at(titresZones));
    case RoleLigneResume: return p.chambre > n;
    default: return {};
    }
}

QString ModelePlanning::enteteJour(int jour) const
{
    const QDate date = dateDuJour(jour);
    QString nom = chambres_.isEmpty() ? QString() : chambres_.first().Jours.at(std::size_t(jour)).NomJour;
    if (nom.isEmpty()) nom = calendrier::nomJour(date);
    return nom + u' ' + date.toString(u"dd/MM"_qs);
}

QString ModelePlanning::enteteChambre(int chambre) const
{
    const int n = int(chambres_.size());
    if (chambre < n) return chambres_.at(chambre).Nom;
    if (chambre == n) return u"Observations"_qs;
    if (chambre == n + 1) return u"Nb Ch."_qs;
    return u"Repas"_qs;
}

QVariant ModelePlanning::fondEnteteChambre(int chambre) const
{
    if (chambre < chambres_.size() && chambres_.at(chambre).Couleur > 0)
        return couleurs::versQColor(chambres_.at(chambre).Couleur);
    return couleurFixe();
}

QVariant ModelePlanning::headerData(int section, Qt::Orientation orientation, int role) const
{
    const bool axeJours = (orientation == Qt::Vertical) == (presentation_ == Verticale);
    if (role == Qt::DisplayRole) return axeJours ? enteteJour(section) : enteteChambre(section);
    if (role == Qt::BackgroundRole) {
        if (!axeJours) return fondEnteteChambre(section);
        if (dateDuJour(section) == aujourdhui_) return couleurs::versQColor(couleurs_.at(surlignageJour));
        return couleurFixe();
    }
    return {};
}

Qt::ItemFlags ModelePlanning::flags(const QModelIndex& index) const
{
    const Position p = position(index);
    if (!p.valide() || p.chambre > ligneObservations()) return Qt::ItemIsEnabled;
    Qt::ItemFlags resultat = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (p.chambre == ligneObservations()) resultat |= Qt::ItemIsEditable;
    return resultat;
}

bool ModelePlanning::setData(const QModelIndex& index, const QVariant& valeur, int role)
{
    const Position p = position(index);
    if (role != Qt::EditRole || p.chambre != ligneObservations()) return false;
    const QString texte = valeur.toString();
    if (texte == fenetre_.Remarques.at(std::size_t(p.jour))) return false;
    fenetre_.Remarques.at(std::size_t(p.jour)) = texte;
    emit dataChanged(index, index);
    emit remarqueModifiee(dateDuJour(p.jour), texte);
    return true;
}

QWidget* DeleguePlanning::createEditor(
    QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QWidget* editeur = QStyledItemDelegate::createEditor(parent, option, index);
    if (auto* ligne = qobject_cast<QLineEdit*>(editeur)) ligne->setMaxLength(DonneesPlanning::longueurRemarque);
    return editeur;
}

void DeleguePlanning::paint(QPainter* peintre, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    peintre->save();
    const QRect r = option.rect;
    // Only the accommodations' days show the selection; the remarks and summary lines keep
    // their fixed colour.
    const auto* modele = qobject_cast<const ModelePlanning*>(index.model());
    const bool jourHebergement = modele && modele->position(index).chambre < modele->ligneObservations();
    const bool selectionne = jourHebergement && (option.state & QStyle::State_Selected);
    const QVariant fond = index.data(Qt::BackgroundRole);
    peintre->fillRect(r, selectionne ? QColor(Qt::blue) : fond.value<QColor>());
    const QColor texte = selectionne ? QColor(Qt::white) : index.data(Qt::ForegroundRole).value<QColor>();
    peintre->setPen(texte);
    peintre->setFont(option.font);
    const bool resume = index.data(ModelePlanning::RoleLigneResume).toBool();
    const QRect zone = r.adjusted(2, 0, -2, 0);
    peintre->drawText(zone, Qt::AlignVCenter | (resume ? Qt::AlignRight : Qt::AlignLeft),
        option.fontMetrics.elidedText(index.data().toString(), Qt::ElideRight, zone.width()));

    const QVariant cadre = index.data(ModelePlanning::RoleCadre);
    if (cadre.isValid()) {
        peintre->setPen(cadre.value<QColor>());
        peintre->drawRect(r.adjusted(0, 0, -1, -1));
    }
    const QVariant groupe = index.data(ModelePlanning::RoleGroupe);
    if (groupe.isValid()) peintre->fillRect(QRect(r.right() - 5, r.bottom() - 5, 4, 4), groupe.value<QColor>());
    if (index.data(ModelePlanning::RoleMilieuSejour).toBool()) {
        peintre->setPen(QPen(Qt::black, 1, Qt::DashLine));
        if (modele && modele->presentation() == ModelePlanning::Horizontale)
            peintre->drawLine(r.topRight(), r.bottomRight());
        else
            peintre->drawLine(r.bottomLeft(), r.bottomRight());
    }
    peintre->restore();
}

} // namespace velorin
