// The period table TmpEdPlan of the planning printouts and web pages: one row per part and
// day, each part holding a run of accommodation columns (and the remarks column).

#include "planning/DonneesPlanning.h"

#include "app/DatesFr.h"
#include "app/Dialogues.h"
#include "app/Erreur.h"
#include "planning/Calendrier.h"
#include "planning/LectureDates.h"
#include "store/BaseDonnees.h"
#include "store/DMCommun.h"
#include "store/DMVelorin.h"
#include "store/Dialecte.h"
#include "store/RequetePreparee.h"

#include <QHash>
#include <QSet>
#include <QSqlQuery>

#include <vector>

namespace velorin {

namespace {

struct Cellule {
    QString nom;
    QVariant texte; // null until a planning row or a remark fills it
    int couleur = -1;
    int idRes = -1;
};

struct LigneEdition {
    std::vector<Cellule> cellules;
};

} // namespace

bool DonneesPlanning::CreerTableEditionPlanning(const TOptionsPlanning& options, TListeChambres& liste)
{
    try {
        creerTableEdition(options, liste);
        return true;
    } catch (const std::exception& e) {
        // Whatever the failure, no rows of an earlier printout may be taken for this one.
        try {
            base().executer(QStringLiteral("DROP TABLE IF EXISTS ") + tableEdition());
        } catch (const std::exception&) {
            // The message below already tells the table is unusable.
        }
        velorin_.commun().services().dialogues.erreur(u"Erreur pendant la création de la table planning : "_qs +
                                                      texteErreur(e));
    }
    return false;
}

void DonneesPlanning::creerTableEdition(const TOptionsPlanning& options, TListeChambres& liste)
{
    ChargerListeHebergements(liste);
    const int n = static_cast<int>(liste.size());

    // Columns per part; the remarks column, counted over all parts, follows the last
    // accommodation.
    int r = options.NbChambresParPartie;
    if (r <= 0 || r > n) r = n;
    int colonneRemarques = 0;
    if (options.Observations) {
        if (r == n) ++r;
        colonneRemarques = n + 1;
    }
    int parties = r > 0 && n > 0 ? (n - 1) / r + 1 : 0;
    if (colonneRemarques > 0 && r > 0 && parties * r < colonneRemarques) ++parties;

    const QDate debut = options.DateDeb;
    const QDate fin = options.DateFin;
    const int nbJours = debut.isValid() && fin.isValid() && debut <= fin ? static_cast<int>(debut.daysTo(fin)) + 1 : 0;
    const calendrier::JoursFeries feries(base(), debut, fin);
    std::vector<int> types(static_cast<size_t>(nbJours));
    for (int j = 0; j < nbJours; ++j) types[static_cast<size_t>(j)] = feries.typeDeJour(debut.addDays(j));

    // Every part and day, with the names of its columns and the calendar kind.
    std::vector<LigneEdition> lignes(static_cast<size_t>(parties) * static_cast<size_t>(nbJours));
    const auto ligne = [&](int partie, int jour) -> LigneEdition& {
        return lignes[static_cast<size_t>(partie - 1) * static_cast<size_t>(nbJours) + static_cast<size_t>(jour)];
    };
    for (int p = 1; p <= parties; ++p) {
        for (int j = 0; j < nbJours; ++j) {
            LigneEdition& l = ligne(p, j);
            l.cellules.resize(static_cast<size_t>(r));
            for (int c = 1; c <= r; ++c) {
                const int index = (p - 1) * r + c - 1; // accommodation index, 0-based
                Cellule& cellule = l.cellules[static_cast<size_t>(c - 1)];
                if (index < n) cellule.nom = liste.at(index).Nom;
                else if (index + 1 == colonneRemarques) cellule.nom = u"Observations"_qs;
                cellule.couleur = types[static_cast<size_t>(j)];
            }
        }
    }

    const QVariant deb = dialecte::valeurDate(debut);
    const QVariant fn = dialecte::valeurDate(fin);
    if (nbJours > 0 && r > 0) {
        QHash<int, int> indexHebergement;
        for (int i = 0; i < n; ++i)
            if (!indexHebergement.contains(liste.at(i).Identifiant)) indexHebergement.insert(liste.at(i).Identifiant, i);

        // The meals of the period mark their day whatever the meal display option.
        QSet<qint64> repas;
        QSqlQuery requeteRepas = base().executer(
            QStringLiteral("SELECT IdReservation, Jour FROM Repas WHERE Jour >= ? AND Jour <= ?"), {deb, fn});
        while (requeteRepas.next()) {
            const qint64 j = debut.daysTo(lecture::date(requeteRepas.value(1)));
            if (j >= 0 && j < nbJours) repas.insert(requeteRepas.value(0).toLongLong() * nbJours + j);
        }

        QSqlQuery requete = base().executer(QStringLiteral("SELECT P.IdPrest, P.Jour, P.Etat, R.Identifiant, C.Nom, "
                                                           "C.Prenom "
                                                           "FROM Planning P "
                                                           "INNER JOIN Reservation R ON R.Identifiant = P.IdReservation "
                                                           "LEFT JOIN Contact C ON C.Identifiant = R.IdContact "
                                                           "WHERE P.Jour >= ? AND P.Jour <= ?"),
                                            {deb, fn});
        while (requete.next()) {
            const auto trouve = indexHebergement.constFind(requete.value(0).toInt());
            if (trouve == indexHebergement.cend()) continue;
            const qint64 j = debut.daysTo(lecture::date(requete.value(1)));
            if (j < 0 || j >= nbJours) continue;
            const int index = trouve.value();
            Cellule& cellule = ligne(index / r + 1, static_cast<int>(j)).cellules[static_cast<size_t>(index % r)];
            const int idReservation = requete.value(3).toInt();
            const QString nomPrenom = requete.value(4).toString() + u" "_qs + requete.value(5).toString();
            switch (requete.value(2).toInt()) {
            case etats::Fermee:
                cellule.texte = u"Fermée"_qs;
                cellule.idRes = idReservation;
                break;
            case etats::Option:
                cellule.texte = options.Anonyme ? u"Option"_qs : u"Option "_qs + nomPrenom;
                if (!options.Anonyme) cellule.idRes = idReservation;
                break;
            case etats::Reserve:
                cellule.texte = options.Anonyme ? u"Réservé"_qs : nomPrenom;
                if (!options.Anonyme) cellule.idRes = idReservation;
                break;
            default: cellule.texte = u" "_qs; break;
            }
            if (repas.contains(static_cast<qint64>(idReservation) * nbJours + j)) cellule.couleur = typesJour::AvecRepas;
        }

        if (colonneRemarques > 0) {
            const int partie = (colonneRemarques - 1) / r + 1;
            const int colonne = colonneRemarques - (partie - 1) * r;
            QSqlQuery remarques = base().executer(
                QStringLiteral("SELECT Jour, Remarque FROM Remarques WHERE Jour >= ? AND Jour <= ?"), {deb, fn});
            while (remarques.next()) {
                const qint64 j = debut.daysTo(lecture::date(remarques.value(0)));
                if (j < 0 || j >= nbJours) continue;
                ligne(partie, static_cast<int>(j)).cellules[static_cast<size_t>(colonne - 1)].texte = remarques.value(1);
            }
        }
    }

    // The table, created afresh and filled in one transaction.
    BaseDonnees& b = base();
    Transaction transaction(b);
    b.executer(QStringLiteral("DROP TABLE IF EXISTS ") + tableEdition());
    QString creation = QStringLiteral("CREATE TABLE ") + tableEdition() + QStringLiteral(" (NumPartie") +
                       dialecte::definitionColonne(u"I"_qs, 0) + QStringLiteral(", Jour") +
                       dialecte::definitionColonne(u"D"_qs, 0) + QStringLiteral(", NomMois") +
                       dialecte::definitionColonne(u"C"_qs, 50);
    QString colonnes = QStringLiteral("NumPartie, Jour, NomMois");
    for (int c = 1; c <= r; ++c) {
        creation += QStringLiteral(", NomChambre%1%2, Chambre%1%3, CoulJour%1%4, IdRes%1%4")
                        .arg(QString::number(c), dialecte::definitionColonne(u"C"_qs, 50),
                             dialecte::definitionColonne(u"M"_qs, 50), dialecte::definitionColonne(u"I"_qs, 0));
        colonnes += QStringLiteral(", NomChambre%1, Chambre%1, CoulJour%1, IdRes%1").arg(c);
    }
    creation += QStringLiteral(", Repas") + dialecte::definitionColonne(u"I"_qs, 0) + QStringLiteral(")");
    b.executer(creation);
    b.executer(dialecte::creationIndex(tableEdition(), QString(), u"NumPartie;Jour"_qs, u"IXPRIMARY"_qs));

    QStringList marques;
    for (int i = 0; i < 3 + 4 * r; ++i) marques.append(QStringLiteral("?"));
    RequetePreparee insertion(b, QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                     .arg(tableEdition(), colonnes, marques.join(QStringLiteral(", "))));
    for (int p = 1; p <= parties; ++p) {
        for (int j = 0; j < nbJours; ++j) {
            const QDate jour = debut.addDays(j);
            QVariantList valeurs{p, dialecte::valeurDate(jour), dates::formater(u"mmmm yyyy"_qs, jour)};
            for (const Cellule& cellule : ligne(p, j).cellules)
                valeurs << cellule.nom << cellule.texte << cellule.couleur << cellule.idRes;
            insertion.executer(valeurs);
        }
    }
    transaction.valider();
}

} // namespace velorin
