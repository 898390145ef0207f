#include "catalogue/Catalogue.h"

#include "app/DatesFr.h"
#include "app/Dialogues.h"
#include "app/Erreur.h"
#include "app/NombresFr.h"
#include "catalogue/LignesTable.h"
#include "catalogue/MontantsTVA.h"
#include "store/AccesDonnees.h"
#include "store/BaseDonnees.h"
#include "store/DMCommun.h"
#include "store/Options.h"

#include <QSqlQuery>

#include <optional>

namespace velorin {

namespace {

const QString messageNomVide = u"Vous devez donner un nom."_qs;
const QString messageNomPris =
    u"Il existe déjà un hébergement, une prestation ou un repas portant ce nom."_qs + u"\n"_qs +
    u"Vous devez donner un autre nom."_qs;
const QString messageHebergementOccupe =
    u"Vous ne pouvez pas supprimer cet hébergement, car il est soit réservé, soit pré-réservé."_qs;
// Reservations listed by name in a refusal; the others are counted.
constexpr int reservationsListees = 15;
constexpr int longueurNom = 50;

QString dateCourte(const QVariant& valeur) {
    const QDate date = lignes::date(valeur);
    return date.isValid() ? dates::courte(date) : QString();
}

// "- du <first night> au <last night>" for each reservation, the first 15 of them, then the
// count of the others.
QStringList lignesReservations(QSqlQuery& requete) {
    QStringList texte;
    int autres = 0;
    while (requete.next()) {
        if (texte.size() < reservationsListees)
            texte.append(u"- du "_qs + dateCourte(requete.value(0)) + u" au "_qs +
                         dateCourte(requete.value(1)));
        else
            ++autres;
    }
    if (autres > 0) texte.append(u"et "_qs + QString::number(autres) + u" autres réservations"_qs);
    return texte;
}

bool estHebergementOccupe(BaseDonnees& base, int identifiant) {
    return base.valeur(QStringLiteral("SELECT COUNT(*) FROM Planning WHERE IdPrest = ? AND Etat IN (2, 3)"),
                       {identifiant})
               .toInt() > 0;
}

} // namespace

Catalogue::Catalogue(DMCommun& commun, AccesDonnees& acces, GestionOptions& options)
    : commun_(commun)
    , acces_(acces)
    , options_(options) {}

BaseDonnees& Catalogue::base() {
    return commun_.base();
}

Dialogues& Catalogue::dialogues() {
    return commun_.services().dialogues;
}

QString Catalogue::minusculesAZ(const QString& texte) {
    QString resultat = texte;
    for (QChar& c : resultat)
        if (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) c = QChar(c.unicode() + ('a' - 'A'));
    return resultat;
}

int Catalogue::couleurPlanning(const QVariant& affCouleur, const QVariant& couleur) {
    if (!lignes::booleen(affCouleur) || couleur.isNull()) return -1;
    return couleur.toInt();
}

void Catalogue::PrestationsAfterInsert(QSqlRecord& ligne) const {
    lignes::poser(ligne, u"SansTVA"_qs, 0);
    lignes::poser(ligne, u"Taux1"_qs, options_.memoire().Taux1);
    lignes::poser(ligne, u"Taux2"_qs, options_.memoire().Taux2);
}

QSqlRecord Catalogue::CreerPrestation(int typePrest) {
    QString phrase;
    switch (typePrest) {
    case typeprest::Hebergement:
        phrase = u"Erreur lors de la création d'un nouvel hébergement"_qs;
        break;
    case typeprest::Prestation:
        phrase = u"Erreur lors de la création d'une nouvelle prestation"_qs;
        break;
    case typeprest::Repas:
        phrase = u"Erreur lors de la création d'un nouveau repas"_qs;
        break;
    default:
        phrase = u"Erreur lors de la création d'un nouvel enregistrement dans la table prestations"_qs;
    }
    return operationSignalee(dialogues(), phrase, QSqlRecord(), [&] {
        if (typePrest < typeprest::Hebergement || typePrest > typeprest::Repas)
            throw Erreur(u"Type de prestation inconnu : %1"_qs.arg(typePrest));
        const int identifiant = acces_.allouerIdentifiant(table());
        const int numOrdre =
            base()
                .valeur(QStringLiteral("SELECT MAX(NumOrdre) FROM prestation WHERE TypePrest = ?"),
                        {typePrest})
                .toInt() +
            1;
        QSqlRecord ligne = lignes::nouvelle(base(), table());
        PrestationsAfterInsert(ligne);
        lignes::poser(ligne, u"TypePrest"_qs, typePrest);
        lignes::poser(ligne, u"Identifiant"_qs, identifiant);
        lignes::poser(ligne, u"TarifSimple"_qs, 1);
        lignes::poser(ligne, u"PropNuits"_qs, 0);
        lignes::poser(ligne, u"PropPers"_qs, 0);
        lignes::poser(ligne, u"Offert"_qs, 0);
        lignes::poser(ligne, u"NumOrdre"_qs, numOrdre);
        lignes::poser(ligne, u"AffCouleur"_qs, 0);
        return ligne;
    });
}

QSqlRecord Catalogue::ModifierPrestation(int typePrest, int identifiant) {
    return operationSignalee(
        dialogues(), u"Erreur lors de la mise à jour d'une prestation"_qs, QSqlRecord(), [&] {
            QSqlQuery requete = base().executer(
                QStringLiteral("SELECT * FROM prestation WHERE TypePrest = ? AND Identifiant = ?"),
                {typePrest, identifiant});
            if (!requete.next()) {
                dialogues().avertissement(u"Mise à jour impossible, la prestation n'a pas été trouvée."_qs);
                return QSqlRecord();
            }
            QSqlRecord ligne = requete.record();
            SaisieTVA(options_.memoire().Taux1, options_.memoire().Taux2).AvecTVAAfterEdit(ligne);
            return ligne;
        });
}

QString Catalogue::refusPrestation(const QSqlRecord& ligne) {
    const QString nom = ligne.value(u"Nom"_qs).toString();
    if (nom.trimmed().isEmpty()) return messageNomVide;
    if (nom.size() > longueurNom) return u"Le nom ne doit pas dépasser %1 caractères."_qs.arg(longueurNom);
    // Names compare exactly here (case, accents, apostrophes), whatever their kind.
    const QVariant identifiant = ligne.value(u"Identifiant"_qs);
    const int memes =
        identifiant.isNull()
            ? base().valeur(QStringLiteral("SELECT COUNT(*) FROM prestation WHERE Nom = ?"), {nom}).toInt()
            : base()
                  .valeur(
                      QStringLiteral("SELECT COUNT(*) FROM prestation WHERE Nom = ? AND Identifiant <> ?"),
                      {nom, identifiant})
                  .toInt();
    return memes > 0 ? messageNomPris : QString();
}

void Catalogue::normaliserPrestation(QSqlRecord& ligne) {
    const int type = ligne.value(u"TypePrest"_qs).toInt();
    if (type == typeprest::Hebergement) {
        lignes::poser(ligne, u"PropNuits"_qs, 0);
        lignes::poser(ligne, u"PropPers"_qs, 0);
    } else {
        // Only accommodations have tariffs per tariff type and count in the occupancy rate.
        lignes::poser(ligne, u"TarifSimple"_qs, 1);
        lignes::poser(ligne, u"DansPourcent"_qs, 0);
    }
    if (type != typeprest::Prestation) lignes::poser(ligne, u"SansTVA"_qs, 0);

    if (lignes::booleen(ligne.value(u"SansTVA"_qs))) {
        // Not subject to VAT: the price is typed in Prix and the rates and VAT stay at 0.
        const double prix = ligne.value(u"Prix"_qs).toDouble();
        for (const QString& colonne :
             {u"Taux1"_qs, u"Taux2"_qs, u"TVA1"_qs, u"TVA2"_qs, u"HT2"_qs, u"TTC2"_qs})
            lignes::poser(ligne, colonne, 0.0);
        lignes::poser(ligne, u"HT1"_qs, prix);
        lignes::poser(ligne, u"TTC1"_qs, prix);
        lignes::poser(ligne, u"Prix"_qs, prix);
    } else {
        lignes::poser(ligne, u"SansTVA"_qs, 0);
        lignes::poser(ligne, u"Prix"_qs,
                      ligne.value(u"TTC1"_qs).toDouble() + ligne.value(u"TTC2"_qs).toDouble());
    }
}

bool Catalogue::PrestationsBeforePost(QSqlRecord& ligne) {
    const QString refus = refusPrestation(ligne);
    if (!refus.isEmpty()) {
        dialogues().avertissement(refus);
        return false;
    }
    normaliserPrestation(ligne);
    return true;
}

void Catalogue::ecrirePrestation(QSqlRecord& ligne) {
    const QVariant identifiant = ligne.value(u"Identifiant"_qs);
    if (identifiant.isNull() || identifiant.toInt() <= 0)
        throw Erreur(u"La prestation n'a pas d'identifiant."_qs);
    const bool existe =
        base()
            .valeur(QStringLiteral("SELECT COUNT(*) FROM prestation WHERE Identifiant = ?"), {identifiant})
            .toInt() > 0;
    if (existe) {
        // Kind and display order are not the edit screen's: a move made meanwhile stays.
        lignes::mettreAJour(base(), table(), ligne, {u"TypePrest"_qs, u"NumOrdre"_qs});
        return;
    }
    // The order number is taken now, so that two items created at the same time do not share it.
    const int numOrdre =
        base()
            .valeur(QStringLiteral("SELECT MAX(NumOrdre) FROM prestation WHERE TypePrest = ?"),
                    {ligne.value(u"TypePrest"_qs)})
            .toInt() +
        1;
    lignes::poser(ligne, u"NumOrdre"_qs, numOrdre);
    lignes::inserer(base(), table(), ligne);
}

bool Catalogue::EnregistrerPrestation(QSqlRecord& ligne, const std::function<void(int)>& ecrireAussi) {
    return operationSignalee(dialogues(), u"Erreur lors de l'enregistrement d'une prestation"_qs, false, [&] {
        QSqlRecord copie = ligne;
        QString refus;
        {
            // Checked and written under the write lock, so that another workstation cannot
            // save the same name in between; the message waits until the lock is released.
            Transaction transaction(base());
            refus = refusPrestation(copie);
            if (refus.isEmpty()) {
                normaliserPrestation(copie);
                ecrirePrestation(copie);
                if (ecrireAussi) ecrireAussi(copie.value(u"Identifiant"_qs).toInt());
                transaction.valider();
            }
        }
        if (!refus.isEmpty()) {
            dialogues().avertissement(refus);
            return false;
        }
        ligne = copie;
        return true;
    });
}

bool Catalogue::SupprimerPrestation(int identifiant) {
    return operationSignalee(dialogues(), u"Erreur pendant la suppression d'une prestation"_qs, false, [&] {
        bool occupe = false;
        {
            // Checked again under the write lock: a day booked meanwhile on another
            // workstation must not lose its planning rows.
            Transaction transaction(base());
            occupe = estHebergementOccupe(base(), identifiant);
            if (!occupe) {
                base().executer(QStringLiteral("DELETE FROM Tarifs WHERE IdPrest = ?"), {identifiant});
                base().executer(QStringLiteral("DELETE FROM Planning WHERE IdPrest = ?"), {identifiant});
                base().executer(QStringLiteral("DELETE FROM prestation WHERE Identifiant = ?"),
                                {identifiant});
                transaction.valider();
            }
        }
        if (occupe) dialogues().avertissement(messageHebergementOccupe);
        return !occupe;
    });
}

TListeChambres Catalogue::ListerChambres() {
    return operationSignalee(
        dialogues(), u"Erreur lors de la lecture de la liste des hébergements"_qs, TListeChambres(), [&] {
            TListeChambres liste;
            QSqlQuery requete =
                base().executer(QStringLiteral("SELECT Identifiant, Nom, Capacite, AffCouleur, Couleur, "
                                               "DansPourcent FROM prestation WHERE TypePrest = ? "
                                               "ORDER BY NumOrdre, Identifiant"),
                                {typeprest::Hebergement});
            while (requete.next()) {
                TMoisChambre chambre;
                chambre.Identifiant = requete.value(0).toInt();
                chambre.Nom = requete.value(1).toString();
                chambre.Capacite = requete.value(2).toInt();
                chambre.Couleur = couleurPlanning(requete.value(3), requete.value(4));
                chambre.DansPourcent = lignes::booleen(requete.value(5));
                liste.append(chambre);
            }
            return liste;
        });
}

TListeHeb Catalogue::ListerHebergements() {
    return operationSignalee(
        dialogues(), u"Erreur lors de la lecture de la liste des hébergements"_qs, TListeHeb(), [&] {
            TListeHeb liste;
            QSqlQuery requete = base().executer(
                QStringLiteral("SELECT Identifiant, Nom FROM prestation WHERE TypePrest = ? ORDER BY Nom"),
                {typeprest::Hebergement});
            while (requete.next())
                liste.append(TSelHeb{requete.value(0).toInt(), requete.value(1).toString(), false, false});
            return liste;
        });
}

QList<int> Catalogue::ListerIdentifiants(int typePrest) {
    return operationSignalee(dialogues(), u"Erreur lors de la lecture de la liste des prestations"_qs, QList<int>(),
                             [&] {
                                 QList<int> liste;
                                 QSqlQuery requete = base().executer(
                                     QStringLiteral("SELECT Identifiant FROM prestation WHERE TypePrest = ? "
                                                    "ORDER BY NumOrdre, Identifiant"),
                                     {typePrest});
                                 while (requete.next())
                                     liste.append(requete.value(0).toInt());
                                 return liste;
                             });
}

QString Catalogue::DescriptionPrestation(int identifiant) {
    return operationSignalee(
        dialogues(), u"Erreur lors de la lecture de la description d'une prestation"_qs, QString(), [&] {
            return base()
                .valeur(QStringLiteral("SELECT Description FROM prestation WHERE Identifiant = ?"),
                        {identifiant})
                .toString();
        });
}

bool Catalogue::NomPrestationLibre(const QString& nom, int identifiant) {
    if (nom.trimmed().isEmpty()) {
        dialogues().avertissement(messageNomVide);
        return false;
    }
    const bool pris = operationSignalee(dialogues(), u"Erreur lors de la vérification du nom"_qs, false, [&] {
        const QString cherche = minusculesAZ(nom);
        QSqlQuery requete = base().executer(QStringLiteral("SELECT Identifiant, Nom FROM prestation"));
        while (requete.next()) {
            if (identifiant > 0 && requete.value(0).toInt() == identifiant) continue;
            if (minusculesAZ(requete.value(1).toString()) == cherche) return true;
        }
        return false;
    });
    if (pris) dialogues().avertissement(messageNomPris);
    return !pris;
}

bool Catalogue::DeplacerPrestation(int typePrest, int identifiant, int direction) {
    return operationSignalee(
        dialogues(), u"Erreur lors du changement d'ordre d'une prestation"_qs, false, [&] {
            if (direction != -1 && direction != 1) return false;
            Transaction transaction(base());
            const QVariant courant = base().valeur(
                QStringLiteral("SELECT NumOrdre FROM prestation WHERE Identifiant = ? AND TypePrest = ?"),
                {identifiant, typePrest});
            if (courant.isNull()) return false;
            const int cur = courant.toInt();
            const int max =
                base()
                    .valeur(QStringLiteral("SELECT MAX(NumOrdre) FROM prestation WHERE TypePrest = ?"),
                            {typePrest})
                    .toInt();
            if (!((cur > 1 && direction == -1) || (cur < max && direction == 1))) return false;
            base().executer(
                QStringLiteral("UPDATE prestation SET NumOrdre = ? WHERE Identifiant = ? AND TypePrest = ?"),
                {cur + direction, identifiant, typePrest});
            base().executer(QStringLiteral("UPDATE prestation SET NumOrdre = ? "
                                           "WHERE TypePrest = ? AND Identifiant <> ? AND NumOrdre = ?"),
                            {cur, typePrest, identifiant, cur + direction});
            transaction.valider();
            return true;
        });
}

bool Catalogue::CatalogueUtilisable() {
    return operationSignalee(dialogues(), u"Erreur lors de la vérification du catalogue"_qs, false, [&] {
        const int hebergements =
            base()
                .valeur(QStringLiteral("SELECT COUNT(*) FROM prestation WHERE TypePrest = ?"),
                        {typeprest::Hebergement})
                .toInt();
        const int typesTarifs = base().valeur(QStringLiteral("SELECT COUNT(*) FROM TypeTarif")).toInt();
        return hebergements >= 1 && typesTarifs >= 1;
    });
}

QString Catalogue::raisonsRefusSuppression(int genre, int identifiant) {
    BaseDonnees& b = base();
    switch (genre) {
    case suppression::TypeTarif: {
        QString texte;
        QStringList hebergements;
        QSqlQuery requete = b.executer(QStringLiteral("SELECT DISTINCT P.Identifiant, P.Nom "
                                                      "FROM Tarifs T, prestation P "
                                                      "WHERE T.IdTarif = ? AND T.IdPrest = P.Identifiant "
                                                      "AND T.Applicable <> 0 AND P.TypePrest = ? "
                                                      "ORDER BY P.Nom, P.Identifiant"),
                                       {identifiant, typeprest::Hebergement});
        while (requete.next())
            hebergements.append(u"- l'hébergement "_qs + requete.value(1).toString());
        if (!hebergements.isEmpty())
            texte = u"Le type de tarif est applicable au(x) hébergements suivant(s) : "_qs + u"\n"_qs +
                    hebergements.join(u"\n"_qs);
        QSqlQuery reservations = b.executer(
            QStringLiteral("SELECT R.DateDeb, R.DateFin FROM Reservation R "
                           "WHERE R.Identifiant IN (SELECT IdReservation FROM Planning WHERE IdTarif = ?) "
                           "ORDER BY R.DateDeb, R.Identifiant"),
            {identifiant});
        const QStringList lignesRes = lignesReservations(reservations);
        if (!lignesRes.isEmpty())
            texte += u"\n"_qs + u"Le type de tarif est utilisé dans la ou les réservations suivantes : "_qs +
                     u"\n"_qs + lignesRes.join(u"\n"_qs);
        if (texte.isEmpty()) return {};
        return u"Ce type de tarif ne peut pas être supprimé pour les raisons suivantes"_qs + u"\n"_qs + texte;
    }
    case suppression::Prestation:
        return estHebergementOccupe(b, identifiant) ? messageHebergementOccupe : QString();
    case suppression::Contact: {
        const QVariant type =
            b.valeur(QStringLiteral("SELECT TypeContact FROM Contact WHERE Identifiant = ?"), {identifiant});
        if (type.isNull()) return {};
        // Gift vouchers and invoices name their contacts too: without it, a voucher or an invoice
        // would be printed again with nobody on it.
        QStringList documents;
        if (b.tableExiste(QStringLiteral("BonsCadeau"))
            && b.valeur(QStringLiteral("SELECT COUNT(*) FROM BonsCadeau WHERE IdDonateur = ? OR IdBenef = ?"),
                        {identifiant, identifiant})
                       .toInt() > 0)
            documents.append(u"des bons cadeaux"_qs);
        for (const QString& table : {QStringLiteral("Factures"), QStringLiteral("Regroupements")})
            if (b.tableExiste(table)
                && b.valeur(QStringLiteral("SELECT COUNT(*) FROM %1 WHERE IdContact = ?").arg(table), {identifiant})
                           .toInt() > 0) {
                if (!documents.contains(u"des factures"_qs)) documents.append(u"des factures"_qs);
            }
        const QString messageDocuments = documents.isEmpty() ? QString()
            : u"Vous ne pouvez pas supprimer ce contact, car il figure dans "_qs + documents.join(u" et "_qs) + u"."_qs;
        if (type.toInt() == 2) {
            QString texte;
            QSqlQuery requete =
                b.executer(QStringLiteral("SELECT DateDeb, DateFin FROM Reservation "
                                          "WHERE IdContact = ? ORDER BY DateDeb, Identifiant"),
                           {identifiant});
            while (requete.next()) {
                // The departure is the day after the last night.
                const QDate fin = lignes::date(requete.value(1));
                texte += u"\n"_qs + u"  - du "_qs + dateCourte(requete.value(0)) + u" au "_qs +
                         (fin.isValid() ? dates::courte(fin.addDays(1)) : QString());
            }
            if (texte.isEmpty()) return messageDocuments;
            return u"Vous ne pouvez pas supprimer cet hôte, car il a effectué les réservations suivantes : "_qs +
                   texte + (messageDocuments.isEmpty() ? QString() : u"\n"_qs + messageDocuments);
        }
        if (type.toInt() == 4) {
            // Only expenses name a supplier: the reference of an income entry is a reservation.
            QString texte;
            QSqlQuery requete = b.executer(QStringLiteral("SELECT DateEcr, Montant FROM DepRec "
                                                          "WHERE IdRef = ? AND TypeEcr = 0 "
                                                          "ORDER BY DateEcr, Identifiant"),
                                           {identifiant});
            while (requete.next())
                texte += u"\n"_qs + u"  - le "_qs + dateCourte(requete.value(0)) + u" pour "_qs +
                         nombres::texteFr(requete.value(1).toDouble());
            if (texte.isEmpty()) return messageDocuments;
            return u"Vous ne pouvez pas supprimer ce fournisseur, car vous avez saisi des dépensesdont il "
                   u"est le "
                   u"destinataire :"_qs +
                   texte + (messageDocuments.isEmpty() ? QString() : u"\n"_qs + messageDocuments);
        }
        return messageDocuments;
    }
    case suppression::ModePaie:
        if (b.valeur(QStringLiteral("SELECT COUNT(*) FROM DepRec WHERE ModePaie = ?"), {identifiant})
                .toInt() > 0)
            return u"Vous ne pouvez pas supprimer ce mode de paiement, car il est utilisé pour des "
                   u"encaissements ou "
                   u"des dépenses."_qs;
        return {};
    case suppression::TypeCom: {
        QSqlQuery requete = b.executer(QStringLiteral("SELECT DateDeb, DateFin FROM Reservation "
                                                      "WHERE IdCom = ? ORDER BY DateDeb, Identifiant"),
                                       {identifiant});
        const QStringList lignesRes = lignesReservations(requete);
        if (lignesRes.isEmpty()) return {};
        QString texte = u"Le type de commission ne peut pas être supprimé car il est utilisé dans la ou les "
                        u"réservations suivantes : "_qs +
                        u"\n"_qs;
        for (const QString& ligne : lignesRes)
            texte += ligne.startsWith(u"et "_qs) ? ligne : ligne + u"\n"_qs;
        return texte;
    }
    default:
        return {};
    }
}

bool Catalogue::PeutSupprimer(int genre, int identifiant) {
    const std::optional<QString> raisons = operationSignalee(
        dialogues(), u"Imposssible de déterminer si cet enregistrement peut être supprimé"_qs,
        std::optional<QString>(),
        [&] { return std::optional<QString>(raisonsRefusSuppression(genre, identifiant)); });
    if (!raisons) return false;
    if (raisons->isEmpty()) return true;
    dialogues().avertissement(*raisons);
    return false;
}

int Catalogue::CreerDemiPension(const std::function<QString()>& demanderNom) {
    return operationSignalee(
        dialogues(), u"Erreur lors de la création du repas de la demi-pension"_qs, 0, [&] {
            const QString existante =
                QStringLiteral("SELECT MIN(Identifiant) FROM prestation WHERE TypePrest = ?");
            QVariant identifiant = base().valeur(existante, {typeprest::DemiPension});
            if (!identifiant.isNull()) return identifiant.toInt();

            // The name is asked before the write lock is taken.
            QString nom = demanderNom ? demanderNom() : QString();
            if (nom.trimmed().isEmpty()) nom = nomDemiPensionPropose();

            QString refus;
            int resultat = 0;
            {
                Transaction transaction(base());
                identifiant = base().valeur(existante, {typeprest::DemiPension});
                if (!identifiant.isNull()) return identifiant.toInt();
                QSqlRecord ligne = lignes::nouvelle(base(), table());
                PrestationsAfterInsert(ligne);
                lignes::poser(ligne, u"Identifiant"_qs, acces_.allouerIdentifiant(table()));
                lignes::poser(ligne, u"TypePrest"_qs, typeprest::DemiPension);
                lignes::poser(ligne, u"Nom"_qs, nom);
                lignes::poser(ligne, u"TarifSimple"_qs, 1);
                lignes::poser(ligne, u"Prix"_qs, 0.0);
                refus = refusPrestation(ligne);
                if (refus.isEmpty()) {
                    normaliserPrestation(ligne);
                    ecrirePrestation(ligne);
                    transaction.valider();
                    resultat = ligne.value(u"Identifiant"_qs).toInt();
                }
            }
            if (!refus.isEmpty()) dialogues().avertissement(refus);
            return resultat;
        });
}

} // namespace velorin
