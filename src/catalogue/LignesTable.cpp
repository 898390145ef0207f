#include "catalogue/LignesTable.h"

#include "app/Erreur.h"
#include "store/AccesDonnees.h"
#include "store/BaseDonnees.h"

#include <QSqlField>

namespace velorin::lignes {

namespace {

QString nomStocke(BaseDonnees& base, const QString& table) {
    const QString nom = base.nomTable(identifiantSql(table));
    if (nom.isEmpty()) throw Erreur(u"La table %1 n'existe pas."_qs.arg(table));
    return nom;
}

} // namespace

QSqlRecord nouvelle(BaseDonnees& base, const QString& table) {
    QSqlRecord ligne = base.db().record(nomStocke(base, table));
    ligne.clearValues();
    return ligne;
}

void inserer(BaseDonnees& base, const QString& table, const QSqlRecord& ligne) {
    const QString nom = nomStocke(base, table);
    const QStringList colonnes = base.colonnes(nom);
    QStringList noms;
    QStringList marques;
    QVariantList valeurs;
    for (int i = 0; i < ligne.count(); ++i) {
        const QString colonne = ligne.fieldName(i);
        if (!colonnes.contains(colonne, Qt::CaseInsensitive)) continue;
        noms.append(identifiantSql(colonne));
        marques.append(QStringLiteral("?"));
        valeurs.append(stockee(ligne.value(i)));
    }
    base.executer(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                      .arg(nom, noms.join(QStringLiteral(", ")), marques.join(QStringLiteral(", "))),
                  valeurs);
}

void mettreAJour(BaseDonnees& base, const QString& table, const QSqlRecord& ligne,
                 const QStringList& colonnesGardees) {
    const QString nom = nomStocke(base, table);
    const QStringList colonnes = base.colonnes(nom);
    QStringList affectations;
    QVariantList valeurs;
    for (int i = 0; i < ligne.count(); ++i) {
        const QString colonne = ligne.fieldName(i);
        if (!colonnes.contains(colonne, Qt::CaseInsensitive)) continue;
        if (colonne.compare(u"Identifiant"_qs, Qt::CaseInsensitive) == 0) continue;
        if (colonnesGardees.contains(colonne, Qt::CaseInsensitive)) continue;
        affectations.append(identifiantSql(colonne) + QStringLiteral(" = ?"));
        valeurs.append(stockee(ligne.value(i)));
    }
    if (affectations.isEmpty()) return;
    valeurs.append(ligne.value(u"Identifiant"_qs));
    base.executer(QStringLiteral("UPDATE %1 SET %2 WHERE Identifiant = ?")
                      .arg(nom, affectations.join(QStringLiteral(", "))),
                  valeurs);
}

void poser(QSqlRecord& ligne, const QString& colonne, const QVariant& valeur) {
    if (ligne.contains(colonne)) ligne.setValue(colonne, valeur);
}

QVariant stockee(const QVariant& valeur) {
    if (valeur.isNull()) return valeur;
    if (valeur.typeId() == QMetaType::Bool) return valeur.toBool() ? 1 : 0;
    if (valeur.typeId() == QMetaType::QDate) return dateIso(valeur.toDate());
    return valeur;
}

QDate date(const QVariant& valeur) {
    if (valeur.isNull()) return {};
    if (valeur.typeId() == QMetaType::QDate) return valeur.toDate();
    return QDate::fromString(valeur.toString().trimmed().left(10), Qt::ISODate);
}

QString dateIso(const QDate& date) {
    return date.toString(Qt::ISODate);
}

bool booleen(const QVariant& valeur) {
    const QString texte = valeur.toString().trimmed().toLower();
    if (texte == QLatin1String("true") || texte == QLatin1String("vrai")) return true;
    if (texte == QLatin1String("false") || texte == QLatin1String("faux")) return false;
    return valeur.toInt() != 0;
}

bool memesValeurs(const QSqlRecord& a, const QSqlRecord& b) {
    for (int i = 0; i < a.count(); ++i) {
        const QVariant va = a.value(i);
        const QVariant vb = b.value(a.fieldName(i));
        if (va.isNull() && vb.isNull()) continue;
        if (va.isNull() != vb.isNull() || va.toString() != vb.toString()) return false;
    }
    return true;
}

} // namespace velorin::lignes
