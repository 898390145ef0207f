#include "store/Dialecte.h"

#include "app/DatesFr.h"
#include "app/Erreur.h"

#include <QDateTime>

namespace velorin::dialecte {

namespace {
const QString separateurIndex = QStringLiteral("__");
const QString nomPrimaire = QStringLiteral("PRIMAIRE");

QChar code(const QString& type) { return type.isEmpty() ? QChar() : type.at(0).toUpper(); }

Erreur valeurInvalide(const QVariant& valeur, const QString& genre)
{
    return Erreur(u"La valeur \""_qs + valeur.toString() + u"\" n'est pas "_qs + genre + u"."_qs);
}
} // namespace

QString identifiant(const QString& nom)
{
    // Brackets, not double quotes: SQLite takes an unknown "name" for a text literal, which
    // would turn a misspelt column into a constant instead of an error.
    if (!nom.contains(QLatin1Char(']'))) return QLatin1Char('[') + nom + QLatin1Char(']');
    QString double_ = nom;
    double_.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + double_ + QLatin1Char('"');
}

QString definitionColonne(const QString& type, int taille)
{
    switch (code(type).unicode()) {
    // SQLite numbers such a column itself; it can only be the table's rowid.
    case 'A': return QStringLiteral(" INTEGER PRIMARY KEY AUTOINCREMENT");
    case 'B': return QStringLiteral(" BOOLEAN");
    case 'C': return QStringLiteral(" CHAR(%1)").arg(taille);
    case 'D': return QStringLiteral(" DATE");
    case 'F': return QStringLiteral(" FLOAT");
    case 'I': return QStringLiteral(" INTEGER");
    // A memo holds text of any length: TEXT, whatever the described size.
    case 'M': return QStringLiteral(" TEXT");
    case 'T': return QStringLiteral(" TIME");
    default: return {};
    }
}

QChar codeType(const QString& typeDeclare)
{
    const QString t = typeDeclare.trimmed().toUpper();
    if (t.startsWith(QLatin1String("INTEGER PRIMARY KEY"))) return QLatin1Char('A');
    if (t == QLatin1String("BOOLEAN")) return QLatin1Char('B');
    if (t.startsWith(QLatin1String("CHAR"))) return QLatin1Char('C');
    if (t == QLatin1String("DATE")) return QLatin1Char('D');
    if (t == QLatin1String("FLOAT")) return QLatin1Char('F');
    if (t == QLatin1String("INTEGER")) return QLatin1Char('I');
    if (t == QLatin1String("TEXT") || t.startsWith(QLatin1String("BLOB"))) return QLatin1Char('M');
    if (t == QLatin1String("TIME")) return QLatin1Char('T');
    return {};
}

QVariant valeurBooleen(bool valeur) { return valeur ? 1 : 0; }

QVariant valeurDate(const QDate& date) { return date.isValid() ? QVariant(date.toString(Qt::ISODate)) : QVariant(); }

QVariant valeurHeure(const QTime& heure)
{
    return heure.isValid() ? QVariant(heure.toString(QStringLiteral("hh:mm:ss"))) : QVariant();
}

QDate lireDate(const QVariant& valeur)
{
    if (valeur.typeId() == QMetaType::QDate) return valeur.toDate();
    if (valeur.typeId() == QMetaType::QDateTime) return valeur.toDateTime().date();
    const QString texte = valeur.toString().trimmed();
    const QDate iso = QDate::fromString(texte.left(10), Qt::ISODate);
    return iso.isValid() ? iso : dates::lireCourte(texte);
}

QVariant valeurPourType(const QString& type, const QVariant& valeur)
{
    if (valeur.isNull()) return {};
    const bool texte = valeur.typeId() == QMetaType::QString;
    const QString brut = valeur.toString().trimmed();
    switch (code(type).unicode()) {
    case 'B': {
        if (!texte) return valeurBooleen(valeur.toBool());
        const QString b = brut.toLower();
        if (b == QLatin1String("true") || b == QLatin1String("vrai") || b == QLatin1String("1") ||
            b == QLatin1String("-1"))
            return valeurBooleen(true);
        if (b == QLatin1String("false") || b == QLatin1String("faux") || b == QLatin1String("0"))
            return valeurBooleen(false);
        throw valeurInvalide(valeur, u"un booléen"_qs);
    }
    case 'C':
    case 'M': return valeur.toString();
    case 'D': {
        const QDate date = lireDate(valeur);
        if (!date.isValid()) throw valeurInvalide(valeur, u"une date"_qs);
        return valeurDate(date);
    }
    case 'F': {
        bool ok = false;
        const double d =
            texte ? QString(brut).replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&ok) : valeur.toDouble(&ok);
        if (!ok) throw valeurInvalide(valeur, u"un nombre"_qs);
        return d;
    }
    case 'A':
    case 'I': {
        bool ok = false;
        const qlonglong n = texte ? brut.toLongLong(&ok) : valeur.toLongLong(&ok);
        if (!ok) throw valeurInvalide(valeur, u"un entier"_qs);
        return n;
    }
    case 'T': {
        QTime heure = valeur.typeId() == QMetaType::QTime ? valeur.toTime() : QTime();
        if (!heure.isValid()) heure = QTime::fromString(brut, QStringLiteral("hh:mm:ss"));
        if (!heure.isValid()) heure = QTime::fromString(brut, QStringLiteral("hh:mm"));
        if (!heure.isValid()) throw valeurInvalide(valeur, u"une heure"_qs);
        return valeurHeure(heure);
    }
    default: throw Erreur(u"Type de champ inconnu : \""_qs + type + u"\"."_qs);
    }
}

QString nomIndex(const QString& table, const QString& nomDecrit)
{
    return table + separateurIndex + (nomDecrit.trimmed().isEmpty() ? nomPrimaire : nomDecrit.trimmed());
}

std::optional<QString> nomIndexDecrit(const QString& table, const QString& nomSql)
{
    const QString prefixe = table + separateurIndex;
    if (!nomSql.startsWith(prefixe, Qt::CaseInsensitive) || nomSql.size() == prefixe.size()) return std::nullopt;
    const QString nom = nomSql.mid(prefixe.size());
    if (nom.compare(nomPrimaire, Qt::CaseInsensitive) == 0) return QString();
    return nom;
}

QStringList champsIndex(const QString& champs)
{
    QStringList resultat;
    const QStringList morceaux = champs.split(QLatin1Char(';'));
    for (const QString& morceau : morceaux)
        if (!morceau.trimmed().isEmpty()) resultat.append(morceau.trimmed());
    return resultat;
}

QString creationIndex(const QString& table, const QString& nomDecrit, const QString& champs, const QString& options)
{
    const QString mots = options.toUpper();
    const bool unique = mots.contains(QLatin1String("IXPRIMARY")) || mots.contains(QLatin1String("IXUNIQUE"));
    QString suffixe;
    if (mots.contains(QLatin1String("IXCASEINSENSITIVE"))) suffixe += QStringLiteral(" COLLATE NOCASE");
    if (mots.contains(QLatin1String("IXDESCENDING"))) suffixe += QStringLiteral(" DESC");
    const QStringList colonnes = champsIndex(champs);
    if (colonnes.isEmpty()) throw Erreur(u"L'index "_qs + nomIndex(table, nomDecrit) + u" n'a aucun champ."_qs);
    QStringList definitions;
    for (const QString& colonne : colonnes)
        definitions.append(identifiant(colonne) + suffixe);
    return QStringLiteral("CREATE %1INDEX %2 ON %3 (%4)")
        .arg(unique ? QStringLiteral("UNIQUE ") : QString(), identifiant(nomIndex(table, nomDecrit)),
             identifiant(table), definitions.join(QStringLiteral(", ")));
}

} // namespace velorin::dialecte
