#include "ui/ModeleListe.h"

#include "app/DatesFr.h"
#include "store/BaseDonnees.h"

#include <QDate>
#include <QLocale>
#include <QRegularExpression>
#include <QSqlQuery>
#include <QSqlRecord>

namespace velorin {

TypeColonne typeDeclare(const QString& declaration, int* taille)
{
    const QString d = declaration.trimmed().toUpper();
    if (taille) {
        static const QRegularExpression longueur(QStringLiteral("\\((\\d+)\\)"));
        const auto trouve = longueur.match(d);
        *taille = trouve.hasMatch() ? trouve.captured(1).toInt() : 0;
    }
    if (d.isEmpty()) return TypeColonne::Autre;
    if (d.contains(QLatin1String("TIMESTAMP")) || d.contains(QLatin1String("DATETIME")))
        return TypeColonne::DateHeure;
    if (d.contains(QLatin1String("DATE"))) return TypeColonne::Date;
    if (d.contains(QLatin1String("TIME"))) return TypeColonne::Heure;
    if (d.contains(QLatin1String("BOOL")) || d.contains(QLatin1String("LOGICAL"))) return TypeColonne::Booleen;
    if (d.contains(QLatin1String("CHAR")) || d.contains(QLatin1String("ALPHA"))) return TypeColonne::Texte;
    if (d.contains(QLatin1String("BLOB")) || d.contains(QLatin1String("MEMO")) || d.contains(QLatin1String("TEXT")) ||
        d.contains(QLatin1String("CLOB")))
        return TypeColonne::TexteLong;
    if (d.contains(QLatin1String("INT")) || d.contains(QLatin1String("AUTOINC"))) return TypeColonne::Entier;
    if (d.contains(QLatin1String("FLOA")) || d.contains(QLatin1String("REAL")) || d.contains(QLatin1String("DOUB")) ||
        d.contains(QLatin1String("NUM")) || d.contains(QLatin1String("DEC")) || d.contains(QLatin1String("MONEY")))
        return TypeColonne::Reel;
    return TypeColonne::Autre;
}

namespace {
TypeColonne typeDesValeurs(const QList<QVariantList>& lignes, int colonne)
{
    for (const QVariantList& ligne : lignes) {
        const QVariant& v = ligne.at(colonne);
        if (v.isNull()) continue;
        switch (v.typeId()) {
        case QMetaType::Int:
        case QMetaType::LongLong:
        case QMetaType::UInt:
        case QMetaType::ULongLong: return TypeColonne::Entier;
        case QMetaType::Double: return TypeColonne::Reel;
        case QMetaType::QString: return TypeColonne::Texte;
        default: return TypeColonne::Autre;
        }
    }
    return TypeColonne::Texte;
}

} // namespace

QDate ModeleListe::dateDe(const QVariant& valeur)
{
    if (valeur.typeId() == QMetaType::QDate) return valeur.toDate();
    if (valeur.typeId() == QMetaType::QDateTime) return valeur.toDateTime().date();
    return QDate::fromString(valeur.toString().left(10), Qt::ISODate);
}

ModeleListe::ModeleListe(QObject* parent) : QAbstractTableModel(parent) {}

QString ModeleListe::texteParDefaut(const QVariant& valeur, TypeColonne type)
{
    if (valeur.isNull()) return {};
    switch (type) {
    case TypeColonne::Entier: return QString::number(valeur.toLongLong());
    case TypeColonne::Reel: {
        QLocale francais(QLocale::French, QLocale::France);
        francais.setNumberOptions(QLocale::OmitGroupSeparator);
        return francais.toString(valeur.toDouble(), 'f', 2);
    }
    case TypeColonne::Booleen: {
        const QString t = valeur.toString().trimmed().toLower();
        const bool vrai = t == QLatin1String("true") || valeur.toInt() != 0;
        return vrai ? QStringLiteral("Oui") : QStringLiteral("Non");
    }
    case TypeColonne::Date: {
        const QDate jour = dateDe(valeur);
        return jour.isValid() ? dates::courte(jour) : valeur.toString();
    }
    case TypeColonne::DateHeure: {
        const QString t = valeur.toString();
        const QDate jour = dateDe(valeur);
        if (!jour.isValid()) return t;
        const QString heure = t.size() >= 16 ? t.mid(11, 5) : QString();
        return heure.isEmpty() ? dates::courte(jour) : dates::courte(jour) + QLatin1Char(' ') + heure;
    }
    default: return valeur.toString();
    }
}

void ModeleListe::charger(BaseDonnees& base, const QString& sql, const QVariantList& valeurs,
                          const QHash<QString, ColonneSource>& types)
{
    QSqlQuery requete = base.executer(sql, valeurs);
    const QSqlRecord enregistrement = requete.record();
    QList<ColonneSource> source;
    for (int i = 0; i < enregistrement.count(); ++i) {
        const QString nom = enregistrement.fieldName(i);
        ColonneSource colonne = types.value(nom.toLower(), ColonneSource{nom, TypeColonne::Autre, 0});
        colonne.nom = nom;
        source.append(colonne);
    }
    QList<QVariantList> lignes;
    while (requete.next()) {
        QVariantList ligne;
        ligne.reserve(source.size());
        for (int i = 0; i < source.size(); ++i) ligne.append(requete.value(i));
        lignes.append(ligne);
    }
    for (int i = 0; i < source.size(); ++i)
        if (source[i].type == TypeColonne::Autre) source[i].type = typeDesValeurs(lignes, i);

    beginResetModel();
    source_ = source;
    lignes_ = lignes;
    ouvert_ = true;
    indexGrille_.clear();
    for (const ColonneAffichee& c : grille_) indexGrille_.append(indexSource(c.nomChamp));
    endResetModel();
}

void ModeleListe::vider()
{
    beginResetModel();
    lignes_.clear();
    ouvert_ = false;
    endResetModel();
}

int ModeleListe::indexSource(const QString& nom) const
{
    for (int i = 0; i < source_.size(); ++i)
        if (source_.at(i).nom.compare(nom, Qt::CaseInsensitive) == 0) return i;
    return -1;
}

QVariant ModeleListe::valeur(int ligne, int index) const
{
    if (ligne < 0 || ligne >= lignes_.size() || index < 0 || index >= source_.size()) return {};
    return lignes_.at(ligne).at(index);
}

QVariant ModeleListe::valeur(int ligne, const QString& nom) const { return valeur(ligne, indexSource(nom)); }

QString ModeleListe::texte(int ligne, int index) const
{
    if (index < 0 || index >= source_.size()) return {};
    const QVariant v = valeur(ligne, index);
    const auto format = formats_.constFind(source_.at(index).nom.toLower());
    if (format != formats_.constEnd()) return (*format)(v);
    return texteParDefaut(v, source_.at(index).type);
}

int ModeleListe::ligneIdentifiant(const QVariant& identifiant) const
{
    const int colonne = indexSource(QStringLiteral("Identifiant"));
    if (colonne < 0 || identifiant.isNull()) return -1;
    for (int i = 0; i < lignes_.size(); ++i)
        if (lignes_.at(i).at(colonne) == identifiant) return i;
    return -1;
}

void ModeleListe::setColonnesGrille(const QList<ColonneAffichee>& colonnes)
{
    beginResetModel();
    grille_ = colonnes;
    indexGrille_.clear();
    for (const ColonneAffichee& c : grille_) indexGrille_.append(indexSource(c.nomChamp));
    endResetModel();
}

void ModeleListe::setFormat(const QString& nomChamp, std::function<QString(const QVariant&)> format)
{
    formats_.insert(nomChamp.toLower(), std::move(format));
    if (!lignes_.isEmpty() && !grille_.isEmpty())
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1), {Qt::DisplayRole});
}

void ModeleListe::setCochable(bool cochable)
{
    beginResetModel();
    cochable_ = cochable;
    endResetModel();
}

QString ModeleListe::cleCoche(int ligne) const
{
    const int colonne = indexSource(QStringLiteral("Identifiant"));
    if (colonne >= 0) return lignes_.at(ligne).at(colonne).toString();
    return QStringLiteral("#%1").arg(ligne);
}

bool ModeleListe::estCochee(int ligne) const
{
    if (ligne < 0 || ligne >= lignes_.size()) return false;
    return cochees_.contains(cleCoche(ligne));
}

void ModeleListe::setCochee(int ligne, bool cochee)
{
    if (ligne < 0 || ligne >= lignes_.size()) return;
    const QString cle = cleCoche(ligne);
    if (cochee)
        cochees_.insert(cle);
    else
        cochees_.remove(cle);
    if (!grille_.isEmpty()) emit dataChanged(index(ligne, 0), index(ligne, 0), {Qt::CheckStateRole});
}

QList<int> ModeleListe::identifiantsCoches() const
{
    QList<int> identifiants;
    const int colonne = indexSource(QStringLiteral("Identifiant"));
    if (colonne < 0) return identifiants;
    for (int i = 0; i < lignes_.size(); ++i)
        if (estCochee(i)) identifiants.append(lignes_.at(i).at(colonne).toInt());
    return identifiants;
}

int ModeleListe::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : int(lignes_.size()); }

int ModeleListe::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(grille_.size());
}

QVariant ModeleListe::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid)) return {};
    const int source = indexGrille_.value(index.column(), -1);
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole: return texte(index.row(), source);
    case Qt::EditRole: return valeur(index.row(), source);
    case Qt::TextAlignmentRole: {
        if (source < 0) return {};
        const TypeColonne type = source_.at(source).type;
        if (type == TypeColonne::Entier || type == TypeColonne::Reel)
            return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
        return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
    }
    case Qt::CheckStateRole:
        if (cochable_ && index.column() == 0) return estCochee(index.row()) ? Qt::Checked : Qt::Unchecked;
        return {};
    default: return {};
    }
}

bool ModeleListe::setData(const QModelIndex& index, const QVariant& valeur, int role)
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid)) return false;
    if (role != Qt::CheckStateRole || !cochable_ || index.column() != 0) return false;
    setCochee(index.row(), valeur.toInt() == Qt::Checked);
    return true;
}

QVariant ModeleListe::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= grille_.size()) return {};
    // The titles keep a little room from the next column.
    if (role == Qt::DisplayRole) return grille_.at(section).titre + QStringLiteral("  ");
    return {};
}

Qt::ItemFlags ModeleListe::flags(const QModelIndex& index) const
{
    if (!index.isValid()) return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
    if (cochable_ && index.column() == 0) f |= Qt::ItemIsUserCheckable;
    return f;
}

} // namespace velorin
