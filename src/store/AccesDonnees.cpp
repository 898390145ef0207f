#include "store/AccesDonnees.h"

#include "store/Dialecte.h"

#include "app/Horloge.h"
#include "store/BaseDonnees.h"
#include "store/DMCommun.h"

#include <QDate>
#include <QRegularExpression>
#include <QSqlQuery>

#include <algorithm>

namespace velorin {

QString identifiantSql(const QString& nom)
{
    static const QRegularExpression simple(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*$"));
    if (!simple.match(nom).hasMatch())
        throw Erreur(QStringLiteral("Nom de table ou de colonne incorrect : %1").arg(nom));
    return nom;
}

namespace {

// Year of a stored date ("yyyy-MM-dd", possibly followed by a time); 0 when there is none.
int anneeDe(const QVariant& valeur)
{
    if (valeur.isNull()) return 0;
    const QString texte = valeur.toString().trimmed();
    QDate date = QDate::fromString(texte.left(10), Qt::ISODate);
    if (!date.isValid()) date = valeur.toDate();
    return date.isValid() ? date.year() : 0;
}

} // namespace

AccesDonnees::AccesDonnees(DMCommun& commun)
    : commun_(commun)
{
}

BaseDonnees& AccesDonnees::base(const QString& table)
{
    return commun_.baseDeTable(table);
}

Dialogues& AccesDonnees::dialogues()
{
    return commun_.services().dialogues;
}

int AccesDonnees::allouerIdentifiant(const QString& table)
{
    BaseDonnees& b = base(table);
    const QString nom = b.nomTable(identifiantSql(table));
    if (nom.isEmpty()) throw Erreur(QStringLiteral("La table %1 n'existe pas.").arg(table));

    // BEGIN IMMEDIATE: the read of the counter and its update cannot interleave with
    // another workstation's.
    Transaction transaction(b);
    const int plusGrand = b.valeur(QStringLiteral("SELECT MAX(Identifiant) FROM %1").arg(nom)).toInt();
    const int nouvel = avancerCompteur(b, nom, plusGrand);
    transaction.valider();
    return nouvel;
}

int AccesDonnees::allouerCompteur(const QString& nom)
{
    BaseDonnees& b = commun_.base();
    Transaction transaction(b);
    const int nouvel = avancerCompteur(b, nom, 0);
    transaction.valider();
    return nouvel;
}

int AccesDonnees::avancerCompteur(BaseDonnees& b, const QString& nom, int plusGrand)
{
    if (!b.tableExiste(tableCompteurs())) {
        b.executer(QStringLiteral("CREATE TABLE IF NOT EXISTS Compteurs (NomTable Char(50), Dernier Integer)"));
        b.executer(QStringLiteral("CREATE UNIQUE INDEX IF NOT EXISTS %1 ON Compteurs (NomTable)")
                       .arg(dialecte::identifiant(dialecte::nomIndex(tableCompteurs(), {}))));
    }
    const QVariant dernier =
        b.valeur(QStringLiteral("SELECT Dernier FROM Compteurs WHERE LOWER(NomTable) = LOWER(?)"), {nom});
    const int nouvel = std::max(plusGrand, dernier.toInt()) + 1;
    if (dernier.isValid())
        b.executer(QStringLiteral("UPDATE Compteurs SET Dernier = ? WHERE LOWER(NomTable) = LOWER(?)"), {nouvel, nom});
    else
        b.executer(QStringLiteral("INSERT INTO Compteurs (NomTable, Dernier) VALUES (?, ?)"), {nom, nouvel});
    return nouvel;
}

int AccesDonnees::NouvelIdentifiant(const QString& table)
{
    return operationSignalee(dialogues(),
                             u"Erreur lors de la création d'un nouvel identifiant dans la table "_qs + table, 0,
                             [&] { return allouerIdentifiant(table); });
}

int AccesDonnees::ChercherIdentifiant(const QString& nom, const QString& table)
{
    return operationSignalee(
        dialogues(), u"Erreur lors de la recherche d'un identifiant dans la table "_qs + table, -1, [&] {
            const QVariant id = base(table).valeur(
                QStringLiteral("SELECT Identifiant FROM %1 WHERE Nom = ?").arg(identifiantSql(table)), {nom});
            return id.isValid() ? id.toInt() : -1;
        });
}

QString AccesDonnees::ChercherNom(const QString& table, int identifiant)
{
    return operationSignalee(
        dialogues(), u"Erreur lors de la recherche d'un nom dans la table "_qs + table, QString(), [&] {
            return base(table)
                .valeur(QStringLiteral("SELECT Nom FROM %1 WHERE Identifiant = ?").arg(identifiantSql(table)),
                        {identifiant})
                .toString();
        });
}

QList<int> AccesDonnees::ListeAnnees(const QString& table, const QString& colonneDate, QList<int> liste)
{
    return operationSignalee(
        dialogues(), u"Erreur lors de la recherche des années de la table "_qs + table, liste, [&] {
            QList<int> annees = liste;
            const QString colonne = identifiantSql(colonneDate);
            QSqlQuery requete = base(table).executer(
                QStringLiteral("SELECT DISTINCT %1 FROM %2 ORDER BY %1").arg(colonne, identifiantSql(table)));
            while (requete.next()) {
                const int annee = anneeDe(requete.value(0));
                if (annee > 0 && !annees.contains(annee)) annees.append(annee);
            }
            const int courante = commun_.services().horloge.aujourdhui().year();
            for (const int annee : {courante, courante + 1})
                if (!annees.contains(annee)) annees.append(annee);
            return annees;
        });
}

QStringList AccesDonnees::ValeursDistinctes(const QString& table, const QString& colonne, QStringList liste,
                                            const QString& condition, const QVariantList& valeurs)
{
    return operationSignalee(
        dialogues(),
        u"Erreur lors de la recherche des valeurs de la colonne "_qs + colonne + u" de la table "_qs + table, liste,
        [&] {
            QStringList resultat = liste;
            QString sql =
                QStringLiteral("SELECT DISTINCT %1 FROM %2").arg(identifiantSql(colonne), identifiantSql(table));
            if (!condition.trimmed().isEmpty()) sql += QStringLiteral(" WHERE ") + condition;
            QSqlQuery requete = base(table).executer(sql, valeurs);
            while (requete.next()) {
                const QString valeur = requete.value(0).toString();
                if (valeur.trimmed().isEmpty() || resultat.contains(valeur, Qt::CaseInsensitive)) continue;
                resultat.append(valeur);
            }
            return resultat;
        });
}

QList<QSqlRecord> AccesDonnees::HistoriqueContact(int idContact)
{
    return operationSignalee(
        dialogues(), u"Erreur lors de la recherche des réservations du contact"_qs, QList<QSqlRecord>(), [&] {
            QList<QSqlRecord> lignes;
            QSqlQuery requete = base(QStringLiteral("Reservation"))
                                    .executer(QStringLiteral("SELECT * FROM Reservation WHERE IdContact = :NumCli"),
                                              QVariantMap{{QStringLiteral("NumCli"), idContact}});
            while (requete.next())
                lignes.append(requete.record());
            return lignes;
        });
}

} // namespace velorin
