#include "catalogue/Tarification.h"

#include "app/Dialogues.h"
#include "app/Erreur.h"
#include "app/Horloge.h"
#include "app/Progression.h"
#include "catalogue/LignesTable.h"
#include "store/AccesDonnees.h"
#include "store/BaseDonnees.h"
#include "store/DMCommun.h"
#include "store/Options.h"

#include <QSqlField>
#include <QSqlQuery>

#include <optional>

namespace velorin {

namespace {

const QString tableTypeTarif = u"TypeTarif"_qs;
const QString tableTarifs = u"Tarifs"_qs;

QList<QSqlRecord> toutesLesLignes(QSqlQuery& requete) {
    QList<QSqlRecord> resultat;
    while (requete.next())
        resultat.append(requete.record());
    return resultat;
}

} // namespace

Tarification::Tarification(DMCommun& commun, AccesDonnees& acces, GestionOptions& options)
    : commun_(commun)
    , acces_(acces)
    , options_(options) {}

BaseDonnees& Tarification::base() {
    return commun_.base();
}

Dialogues& Tarification::dialogues() {
    return commun_.services().dialogues;
}

QSqlRecord Tarification::CreerTypeTarif() {
    return operationSignalee(
        dialogues(), u"Erreur lors de la création d'un nouveau type de tarif"_qs, QSqlRecord(), [&] {
            QSqlRecord ligne = lignes::nouvelle(base(), tableTypeTarif);
            lignes::poser(ligne, u"Identifiant"_qs, acces_.allouerIdentifiant(tableTypeTarif));
            for (const QString& jour : {u"Lu"_qs, u"Ma"_qs, u"Me"_qs, u"Je"_qs, u"Ve"_qs, u"Sa"_qs, u"Di"_qs})
                lignes::poser(ligne, jour, 0);
            lignes::poser(ligne, u"NbJours"_qs, 1);
            lignes::poser(ligne, u"AvecRepas"_qs, 0);
            return ligne;
        });
}

QSqlRecord Tarification::ModifierTypeTarif(int identifiant) {
    return operationSignalee(
        dialogues(), u"Erreur lors de la mise à jour d'un type de tarif"_qs, QSqlRecord(), [&] {
            QSqlQuery requete = base().executer(
                QStringLiteral("SELECT * FROM TypeTarif WHERE Identifiant = ?"), {identifiant});
            if (!requete.next()) {
                dialogues().avertissement(u"Mise à jour impossible, le type de tarif n'a pas été trouvé."_qs);
                return QSqlRecord();
            }
            return requete.record();
        });
}

QString Tarification::refusTypeTarif(const QSqlRecord& ligne) {
    const QString nom = ligne.value(u"Nom"_qs).toString();
    if (nom.trimmed().isEmpty()) return u"Vous devez donner un nom à votre type de tarif."_qs;
    if (nom.size() > 50) return u"Le nom du type de tarif ne doit pas dépasser 50 caractères."_qs;
    // The editor finds a type by its name: two types of one name would make one unreachable.
    if (nom.compare(tarifSimple(), Qt::CaseInsensitive) == 0)
        return u"Le nom « %1 » est réservé au prix unique des hébergements."_qs.arg(tarifSimple());
    QSqlQuery requete = base().executer(QStringLiteral("SELECT Identifiant, Nom FROM TypeTarif"));
    const QVariant identifiant = ligne.value(u"Identifiant"_qs);
    while (requete.next()) {
        if (!identifiant.isNull() && requete.value(0).toInt() == identifiant.toInt()) continue;
        if (requete.value(1).toString().compare(nom, Qt::CaseInsensitive) == 0)
            return u"Il existe déjà un type de tarif portant ce nom."_qs + u"\n"_qs +
                   u"Vous devez donner un autre nom."_qs;
    }
    if (ligne.value(u"NbJours"_qs).isNull() || ligne.value(u"NbJours"_qs).toInt() < 1)
        return u"Le tarif doit s'appliquer à au moins un jour."_qs;
    return {};
}

bool Tarification::TypeTarifBeforePost(QSqlRecord& ligne) {
    const std::optional<QString> refus = operationSignalee(
        dialogues(), u"Erreur lors de la vérification d'un type de tarif"_qs, std::optional<QString>(),
        [&] { return std::optional<QString>(refusTypeTarif(ligne)); });
    if (!refus) return false;
    if (!refus->isEmpty()) dialogues().avertissement(*refus);
    return refus->isEmpty();
}

bool Tarification::EnregistrerTypeTarif(QSqlRecord& ligne) {
    return operationSignalee(
        dialogues(), u"Erreur lors de l'enregistrement d'un type de tarif"_qs, false, [&] {
            QString refus;
            {
                Transaction transaction(base());
                refus = refusTypeTarif(ligne);
                if (refus.isEmpty()) {
                    const QVariant identifiant = ligne.value(u"Identifiant"_qs);
                    if (identifiant.isNull() || identifiant.toInt() <= 0)
                        throw Erreur(u"Le type de tarif n'a pas d'identifiant."_qs);
                    const bool existe =
                        base()
                            .valeur(QStringLiteral("SELECT COUNT(*) FROM TypeTarif WHERE Identifiant = ?"),
                                    {identifiant})
                            .toInt() > 0;
                    if (existe)
                        lignes::mettreAJour(base(), tableTypeTarif, ligne);
                    else
                        lignes::inserer(base(), tableTypeTarif, ligne);
                    transaction.valider();
                }
            }
            if (!refus.isEmpty()) dialogues().avertissement(refus);
            return refus.isEmpty();
        });
}

bool Tarification::SupprimerTypeTarif(int identifiant) {
    return operationSignalee(dialogues(), u"Erreur pendant la suppression d'un type de tarif"_qs, false, [&] {
        Transaction transaction(base());
        base().executer(QStringLiteral("DELETE FROM TypeTarif WHERE Identifiant = ?"), {identifiant});
        base().executer(QStringLiteral("DELETE FROM Tarifs WHERE IdTarif = ?"), {identifiant});
        transaction.valider();
        return true;
    });
}

QList<QSqlRecord> Tarification::ListerTypesTarifs(bool masquerObsoletes) {
    return operationSignalee(
        dialogues(), u"Erreur lors de la lecture des types de tarifs"_qs, QList<QSqlRecord>(), [&] {
            QSqlQuery requete =
                masquerObsoletes
                    ? base().executer(
                          QStringLiteral("SELECT * FROM TypeTarif WHERE Per_Fin >= ? ORDER BY Nom"),
                          {lignes::dateIso(commun_.services().horloge.aujourdhui())})
                    : base().executer(QStringLiteral("SELECT * FROM TypeTarif ORDER BY Nom"));
            return toutesLesLignes(requete);
        });
}

bool Tarification::TarifAvecRepas(const QString& nom) {
    return operationSignalee(dialogues(), u"Erreur lors de la recherche d'un type de tarif"_qs, false, [&] {
        QSqlQuery requete =
            base().executer(QStringLiteral("SELECT Nom, AvecRepas FROM TypeTarif ORDER BY Identifiant"));
        while (requete.next())
            if (requete.value(0).toString().compare(nom, Qt::CaseInsensitive) == 0)
                return lignes::booleen(requete.value(1));
        return false;
    });
}

void Tarification::completerTarifs(int idPrest) {
    BaseDonnees& b = base();
    const QVariant type =
        b.valeur(QStringLiteral("SELECT TypePrest FROM prestation WHERE Identifiant = ?"), {idPrest});
    if (type.isNull() || type.toInt() != typeprest::Hebergement) return;
    const double taux1 = options_.memoire().Taux1;
    const double taux2 = options_.memoire().Taux2;
    Transaction transaction(b);
    QSqlQuery types = b.executer(QStringLiteral("SELECT Identifiant FROM TypeTarif ORDER BY Identifiant"));
    QList<int> identifiants;
    while (types.next())
        identifiants.append(types.value(0).toInt());
    for (const int idTarif : identifiants) {
        const bool present =
            b.valeur(QStringLiteral("SELECT COUNT(*) FROM Tarifs WHERE IdPrest = ? AND IdTarif = ?"),
                     {idPrest, idTarif})
                .toInt() > 0;
        if (present) {
            // The amounts stay as entered until the next entry applies the new rates.
            b.executer(
                QStringLiteral("UPDATE Tarifs SET Taux1 = ?, Taux2 = ? WHERE IdPrest = ? AND IdTarif = ?"),
                {taux1, taux2, idPrest, idTarif});
        } else {
            b.executer(
                QStringLiteral("INSERT INTO Tarifs (Identifiant, IdPrest, IdTarif, Prix, Applicable, Taux1, "
                               "Taux2) VALUES (?, ?, ?, 0, 1, ?, ?)"),
                {acces_.allouerIdentifiant(tableTarifs), idPrest, idTarif, taux1, taux2});
        }
    }
    transaction.valider();
}

bool Tarification::CompleterTarifs(int idPrest) {
    return operationSignalee(dialogues(), u"Erreur lors de la mise à jour des tarifs d'un hébergement"_qs,
                             false, [&] {
                                 completerTarifs(idPrest);
                                 return true;
                             });
}

QList<QSqlRecord> Tarification::TarifsHebergement(int idPrest) {
    return operationSignalee(
        dialogues(), u"Erreur lors de la lecture des tarifs d'un hébergement"_qs, QList<QSqlRecord>(), [&] {
            QSqlQuery requete =
                base().executer(QStringLiteral("SELECT T.*, TT.Nom AS Libelle "
                                               "FROM Tarifs T, TypeTarif TT "
                                               "WHERE T.IdPrest = ? AND T.IdTarif = TT.Identifiant "
                                               "ORDER BY TT.Nom, T.Identifiant"),
                                {idPrest});
            return toutesLesLignes(requete);
        });
}

bool Tarification::EnregistrerTarif(QSqlRecord& ligne) {
    return operationSignalee(dialogues(), u"Erreur lors de l'enregistrement d'un tarif"_qs, false, [&] {
        QSqlRecord copie = ligne;
        lignes::poser(copie, u"Prix"_qs,
                      copie.value(u"TTC1"_qs).toDouble() + copie.value(u"TTC2"_qs).toDouble());
        Transaction transaction(base());
        // The accommodation and the type of a row are fixed by CompleterTarifs.
        lignes::mettreAJour(base(), tableTarifs, copie, {u"IdPrest"_qs, u"IdTarif"_qs, u"Libelle"_qs});
        transaction.valider();
        ligne = copie;
        return true;
    });
}

QList<QSqlRecord> Tarification::TarifsNouvelHebergement() {
    return operationSignalee(
        dialogues(), u"Erreur lors de la lecture des types de tarifs"_qs, QList<QSqlRecord>(), [&] {
            QList<QSqlRecord> resultat;
            QSqlQuery types =
                base().executer(QStringLiteral("SELECT Identifiant, Nom FROM TypeTarif ORDER BY Nom, Identifiant"));
            while (types.next()) {
                QSqlRecord ligne = lignes::nouvelle(base(), tableTarifs);
                ligne.append(QSqlField(u"Libelle"_qs, QMetaType(QMetaType::QString)));
                lignes::poser(ligne, u"IdTarif"_qs, types.value(0));
                lignes::poser(ligne, u"Libelle"_qs, types.value(1));
                lignes::poser(ligne, u"Applicable"_qs, 1);
                lignes::poser(ligne, u"Prix"_qs, 0.0);
                lignes::poser(ligne, u"Taux1"_qs, options_.memoire().Taux1);
                lignes::poser(ligne, u"Taux2"_qs, options_.memoire().Taux2);
                resultat.append(ligne);
            }
            return resultat;
        });
}

void Tarification::ecrireTarifs(int idPrest, QList<QSqlRecord>& lignesTarifs) {
    BaseDonnees& b = base();
    Transaction transaction(b);
    for (QSqlRecord& ligne : lignesTarifs) {
        lignes::poser(ligne, u"IdPrest"_qs, idPrest);
        lignes::poser(ligne, u"Prix"_qs, ligne.value(u"TTC1"_qs).toDouble() + ligne.value(u"TTC2"_qs).toDouble());
        const QVariant identifiant = ligne.value(u"Identifiant"_qs);
        if (!identifiant.isNull() && identifiant.toInt() > 0) {
            lignes::mettreAJour(b, tableTarifs, ligne, {u"IdPrest"_qs, u"IdTarif"_qs, u"Libelle"_qs});
            continue;
        }
        const QVariant idTarif = ligne.value(u"IdTarif"_qs);
        const bool typeExiste =
            b.valeur(QStringLiteral("SELECT COUNT(*) FROM TypeTarif WHERE Identifiant = ?"), {idTarif}).toInt() > 0;
        const QVariant existante = b.valeur(
            QStringLiteral("SELECT MIN(Identifiant) FROM Tarifs WHERE IdPrest = ? AND IdTarif = ?"), {idPrest, idTarif});
        if (!typeExiste) continue;
        if (!existante.isNull()) {
            // Completed meanwhile: the row typed here replaces its amounts.
            lignes::poser(ligne, u"Identifiant"_qs, existante);
            lignes::mettreAJour(b, tableTarifs, ligne, {u"IdPrest"_qs, u"IdTarif"_qs, u"Libelle"_qs});
            continue;
        }
        lignes::poser(ligne, u"Identifiant"_qs, acces_.allouerIdentifiant(tableTarifs));
        lignes::inserer(b, tableTarifs, ligne);
    }
    transaction.valider();
}

bool Tarification::CopierTarifs(const TListeHeb& liste, Progression* progression) {
    const auto avancer = [&](int position) {
        if (!progression) return;
        progression->setPosition(position);
        progression->traiterEvenements();
    };
    return operationSignalee(dialogues(), u"Erreur pendant la copie des tarifs"_qs, false, [&] {
        if (progression) progression->setMaximum(static_cast<int>(liste.size()));
        avancer(0);
        int source = -1;
        for (const TSelHeb& entree : liste)
            if (entree.Source) source = entree.Identifiant;
        if (source < 0) throw Erreur(u"Aucun hébergement source n'est sélectionné."_qs);
        avancer(1);

        BaseDonnees& b = base();
        Transaction transaction(b);
        completerTarifs(source);
        QSqlQuery requete = b.executer(
            QStringLiteral("SELECT * FROM Tarifs WHERE IdPrest = ? ORDER BY Identifiant"), {source});
        const QList<QSqlRecord> tarifsSource = toutesLesLignes(requete);
        for (qsizetype i = 0; i < liste.size(); ++i) {
            const TSelHeb& entree = liste.at(i);
            avancer(static_cast<int>(i) + 1);
            if (!entree.Destination || entree.Identifiant == source) continue;
            b.executer(QStringLiteral("DELETE FROM Tarifs WHERE IdPrest = ?"), {entree.Identifiant});
            for (const QSqlRecord& tarif : tarifsSource) {
                QSqlRecord copie = lignes::nouvelle(b, tableTarifs);
                lignes::poser(copie, u"Identifiant"_qs, acces_.allouerIdentifiant(tableTarifs));
                lignes::poser(copie, u"IdPrest"_qs, entree.Identifiant);
                for (const QString& colonne :
                     {u"IdTarif"_qs, u"Applicable"_qs, u"HT1"_qs, u"HT2"_qs, u"Taux1"_qs, u"Taux2"_qs,
                      u"TVA1"_qs, u"TVA2"_qs, u"TTC1"_qs, u"TTC2"_qs})
                    lignes::poser(copie, colonne, tarif.value(colonne));
                lignes::poser(copie, u"Prix"_qs,
                              tarif.value(u"TTC1"_qs).toDouble() + tarif.value(u"TTC2"_qs).toDouble());
                lignes::inserer(b, tableTarifs, copie);
            }
        }
        transaction.valider();
        if (progression) avancer(progression->maximum());
        return true;
    });
}

} // namespace velorin
