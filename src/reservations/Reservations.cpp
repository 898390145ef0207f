#include "reservations/Reservations.h"

#include "app/DatesFr.h"
#include "app/Dialogues.h"
#include "app/Erreur.h"
#include "app/Horloge.h"
#include "reservations/Contacts.h"
#include "reservations/Ecritures.h"
#include "store/AccesDonnees.h"
#include "store/BaseDonnees.h"
#include "store/DMCommun.h"
#include "store/DMVelorin.h"
#include "store/Dialecte.h"

#include <QSqlQuery>
#include <QStringList>

#include <cmath>

namespace velorin {

namespace {

using dialecte::lireDate;
using dialecte::valeurDate;

// What the availability rules say of one night already in the planning.
struct Verdict {
    enum class Genre { Accepte, Refuse, AConfirmer };
    Genre genre = Genre::Accepte;
    QString texte; // without the leading line break
};

QString texteAutreHote(const QString& hebergement, const QDate& jour)
{
    return u"L'hébergement "_qs + hebergement + u" est déjà pré-réservé ou réservé par un autre hôte le "_qs
        + dates::courte(jour);
}

Verdict juger(const QString& hebergement, const QDate& jour, int etatJour, bool autreHote, int nouvelEtat)
{
    const QString date = dates::courte(jour);
    const bool occupe = EtatReservation::occupe(etatJour);
    switch (nouvelEtat) {
    case EtatReservation::Fermee:
        if (occupe)
            return {Verdict::Genre::Refuse,
                u"L'hébergement "_qs + hebergement + u" est pré-réservé ou réservé le "_qs + date};
        break;
    case EtatReservation::Libre:
        if (occupe)
            return {Verdict::Genre::AConfirmer, u"Libération de l'hébergement "_qs + hebergement + u" le "_qs + date};
        break;
    case EtatReservation::Option:
    case EtatReservation::Reserve:
        if (etatJour == EtatReservation::Fermee)
            return {Verdict::Genre::Refuse, u"L'hébergement "_qs + hebergement + u" est fermé le "_qs + date};
        if (occupe && autreHote) return {Verdict::Genre::Refuse, texteAutreHote(hebergement, jour)};
        if (nouvelEtat == EtatReservation::Option && etatJour == EtatReservation::Reserve)
            return {Verdict::Genre::AConfirmer,
                u"Passage de l'état \"réservé\" à \"pré-réservé\" pour l'hébergement "_qs + hebergement + u" le "_qs
                    + date};
        break;
    default: break;
    }
    return {};
}

QString nomHebergement(BaseDonnees& base, int idPrest)
{
    return base.valeur(QStringLiteral("SELECT Nom FROM Prestation WHERE Identifiant = ?"), {idPrest}).toString();
}

ecritures::Valeurs parts(const TMontantsTVA& m, double signe = 1)
{
    return {{QStringLiteral("HT1"), signe * m.HT1}, {QStringLiteral("HT2"), signe * m.HT2},
        {QStringLiteral("TVA1"), signe * m.TVA1}, {QStringLiteral("TVA2"), signe * m.TVA2},
        {QStringLiteral("TTC1"), signe * m.TTC1}, {QStringLiteral("TTC2"), signe * m.TTC2}};
}

TMontantsTVA lireParts(const QSqlQuery& requete, int premiere)
{
    TMontantsTVA m;
    m.HT1 = requete.value(premiere).toDouble();
    m.HT2 = requete.value(premiere + 1).toDouble();
    m.TVA1 = requete.value(premiere + 2).toDouble();
    m.TVA2 = requete.value(premiere + 3).toDouble();
    m.TTC1 = requete.value(premiere + 4).toDouble();
    m.TTC2 = requete.value(premiere + 5).toDouble();
    return m;
}

} // namespace

Reservations::Reservations(DMVelorin& dm)
    : dm_(dm)
{
}

BaseDonnees& Reservations::base()
{
    return dm_.commun().base();
}
Dialogues& Reservations::dialogues()
{
    return dm_.commun().services().dialogues;
}

void Reservations::RecalculerGroupe(int idReg)
{
    if (recalculerGroupe) recalculerGroupe(idReg);
}

// ---------------------------------------------------------------------------------------------
// Loading

TReservation Reservations::ChargerReservation(int identifiant)
{
    return operationSignalee(dialogues(), u"Erreur pendant la recherche d'une réservation"_qs, TReservation(), [&] {
        BaseDonnees& b = base();
        TReservation r;
        QSqlQuery ligne = b.executer(QStringLiteral("SELECT IdContact, DateDeb, DateFin, DateSaisie, DateEnvContrat, "
                                                    "DateRecContrat, HeureArr, HeureDep, HT1, HT2, TVA1, TVA2, TTC1, "
                                                    "TTC2, PrixTotal, ValRemise, TypeRemise, Acompte, DejaPaye, "
                                                    "Remarque, Etat, NbPers, AvecAcompte, IdReg, NumFac, IdCom, "
                                                    "MontantCom FROM Reservation WHERE Identifiant = ?"),
            {identifiant});
        if (!ligne.next()) {
            r.IdReg = -1;
            r.AvecAcompte = dm_.tarification().AcompteParDefaut();
            return r;
        }
        const auto heure = [&](int i) {
            const QString texte = ligne.value(i).toString();
            QTime t = QTime::fromString(texte, QStringLiteral("hh:mm:ss"));
            if (!t.isValid()) t = QTime::fromString(texte, QStringLiteral("hh:mm"));
            return t;
        };
        r.Identifiant = identifiant;
        r.IdContact = ligne.value(0).isNull() ? -1 : ligne.value(0).toInt();
        r.DateDeb = lireDate(ligne.value(1));
        r.DateFin = lireDate(ligne.value(2));
        r.DateSaisie = lireDate(ligne.value(3));
        r.DateEnvContrat = lireDate(ligne.value(4));
        r.DateRecContrat = lireDate(ligne.value(5));
        r.HeureArr = heure(6);
        r.HeureDep = heure(7);
        r.montants = lireParts(ligne, 8);
        r.montants.Total = ligne.value(14).toDouble();
        r.ValRemise = ligne.value(15).toDouble();
        r.TypeRemise = ligne.value(16).toInt();
        r.Acompte = ligne.value(17).toDouble();
        r.DejaPaye = ligne.value(18).toDouble();
        r.Remarque = ligne.value(19).toString();
        r.Etat = ligne.value(20).toInt();
        r.NbPers = ligne.value(21).toInt();
        r.AvecAcompte = ligne.value(22).toBool();
        r.IdReg = ligne.value(23).isNull() ? -1 : ligne.value(23).toInt();
        r.NumFac = ligne.value(24).toString();
        r.IdCom = ligne.value(25).isNull() ? -1 : ligne.value(25).toInt();
        r.MontantCom = ligne.value(26).toDouble();

        const Options options = dm_.options().lire();
        r.verrouillee = (options.BloqueFact && !r.NumFac.trimmed().isEmpty())
            || (options.DateBloquee.isValid() && r.DateFin.isValid() && options.DateBloquee >= r.DateFin);

        if (r.ValRemise != 0) {
            QSqlQuery remise = b.executer(QStringLiteral("SELECT HT1, HT2, TVA1, TVA2, TTC1, TTC2 FROM PrestCompl "
                                                         "WHERE IdReservation = ? AND TypePrest = 4"),
                {identifiant});
            if (remise.next()) r.remise = lireParts(remise, 0);
        }
        if (r.IdContact != -1) dm_.contacts().NomPrenomContact(r.IdContact, r.Nom, r.Prenom);

        // One line per accommodation and tariff type, with the sums of its own nights.
        QSqlQuery lignes = b.executer(
            QStringLiteral("SELECT IdPrest, IdTarif, SUM(PrixUnit), SUM(HT1), SUM(HT2), SUM(TVA1), SUM(TVA2), "
                           "SUM(TTC1), SUM(TTC2) FROM Planning WHERE IdReservation = ? "
                           "GROUP BY IdPrest, IdTarif ORDER BY IdPrest, IdTarif"),
            {identifiant});
        while (lignes.next()) {
            LigneHebergement h;
            h.IdPrest = lignes.value(0).toInt();
            h.IdTarif = lignes.value(1).isNull() ? -1 : lignes.value(1).toInt();
            h.PrixUnit = lignes.value(2).toDouble();
            const TMontantsTVA m = lireParts(lignes, 3);
            h.HT1 = m.HT1;
            h.HT2 = m.HT2;
            h.TVA1 = m.TVA1;
            h.TVA2 = m.TVA2;
            h.TTC1 = m.TTC1;
            h.TTC2 = m.TTC2;
            r.hebergements.append(h);
        }

        const QVariant etat
            = b.valeur(QStringLiteral("SELECT MIN(Etat) FROM Planning WHERE IdReservation = ?"), {identifiant});
        if (etat.isValid() && !etat.isNull()) r.Etat = etat.toInt();

        QSqlQuery repas = b.executer(QStringLiteral("SELECT Jour, IdPrest, Nombre, PrixUnit, PrixTot FROM Repas "
                                                    "WHERE IdReservation = ? ORDER BY Jour, Identifiant"),
            {identifiant});
        while (repas.next())
            r.repas.append({lireDate(repas.value(0)), repas.value(1).toInt(), repas.value(2).toInt(),
                repas.value(3).toDouble(), repas.value(4).toDouble()});

        rafraichirTmpPlan(r);
        return r;
    });
}

void Reservations::rafraichirTmpPlan(const TReservation& r)
{
    BaseDonnees& b = base();
    Transaction transaction(b);
    b.executer(QStringLiteral("DELETE FROM TmpPlan WHERE IdReservation = ?"), {r.Identifiant});
    const OptionsMemoire& options = dm_.options().memoire();
    for (const LigneHebergement& h : r.hebergements) {
        ecritures::inserer(b, QStringLiteral("TmpPlan"),
            {{QStringLiteral("IdReservation"), r.Identifiant}, {QStringLiteral("IdPrest"), h.IdPrest},
                {QStringLiteral("Nom"), nomHebergement(b, h.IdPrest)}, {QStringLiteral("Etat"), r.Etat},
                {QStringLiteral("IdTarif"), h.IdTarif}, {QStringLiteral("PrixUnit"), h.PrixUnit},
                {QStringLiteral("HT1"), h.HT1}, {QStringLiteral("HT2"), h.HT2},
                {QStringLiteral("Taux1"), options.Taux1}, {QStringLiteral("Taux2"), options.Taux2},
                {QStringLiteral("TVA1"), h.TVA1}, {QStringLiteral("TVA2"), h.TVA2}, {QStringLiteral("TTC1"), h.TTC1},
                {QStringLiteral("TTC2"), h.TTC2}});
    }
    transaction.valider();
}

// ---------------------------------------------------------------------------------------------
// Saving

bool Reservations::EnregistrerReservation(TReservation& r)
{
    TReservation ecrite = r;
    const bool fait
        = operationSignalee(dialogues(), u"Erreur lors de l'enregistrement d'une réservation"_qs, false, [&] {
              if (ecrite.Etat != EtatReservation::Fermee && !EtatReservation::occupe(ecrite.Etat))
                  throw Erreur(u"une réservation doit être fermée, en option ou réservée pour être enregistrée."_qs);
              if (!ecrite.DateDeb.isValid())
                  throw Erreur(u"les deux dates de début et de fin doivent être renseignées."_qs);
              Transaction transaction(base());
              ecrireReservation(ecrite);
              ecrirePlanning(ecrite);
              ecrireLignes(ecrite);
              if (ecrite.IdReg > 0) RecalculerGroupe(ecrite.IdReg);
              transaction.valider();
              return true;
          });
    if (fait) r = ecrite;
    return fait;
}

void Reservations::ecrireReservation(TReservation& r)
{
    BaseDonnees& b = base();
    const OptionsMemoire& options = dm_.options().memoire();
    const bool fermee = r.Etat == EtatReservation::Fermee;

    ecritures::Valeurs valeurs;
    if (!fermee) {
        valeurs = {{QStringLiteral("IdContact"), r.IdContact}, {QStringLiteral("PrixTotal"), r.montants.Total}};
        valeurs.append(parts(r.montants));
        valeurs.append({{QStringLiteral("Taux1"), options.Taux1}, {QStringLiteral("Taux2"), options.Taux2},
            {QStringLiteral("NbPers"), r.NbPers}, {QStringLiteral("Acompte"), r.Acompte},
            {QStringLiteral("DejaPaye"), r.DejaPaye}});
    } else {
        // A closure has no guest and no price.
        valeurs = {{QStringLiteral("IdContact"), -1}, {QStringLiteral("PrixTotal"), 0.0}};
        valeurs.append(parts(TMontantsTVA{}));
        valeurs.append({{QStringLiteral("Taux1"), 0.0}, {QStringLiteral("Taux2"), 0.0}, {QStringLiteral("NbPers"), 0},
            {QStringLiteral("Acompte"), 0.0}, {QStringLiteral("DejaPaye"), 0.0}});
        r.IdContact = -1;
    }
    valeurs.append({{QStringLiteral("DateDeb"), valeurDate(r.DateDeb)},
        {QStringLiteral("DateFin"), valeurDate(r.DateFin.isValid() ? r.DateFin : r.DateDeb)},
        {QStringLiteral("HeureArr"), dialecte::valeurHeure(r.HeureArr)},
        {QStringLiteral("HeureDep"), dialecte::valeurHeure(r.HeureDep)}, {QStringLiteral("Remarque"), r.Remarque},
        {QStringLiteral("AvecAcompte"), dialecte::valeurBooleen(r.AvecAcompte)},
        {QStringLiteral("TypeRemise"), r.TypeRemise}, {QStringLiteral("ValRemise"), r.ValRemise},
        {QStringLiteral("Etat"), r.Etat}, {QStringLiteral("IdCom"), r.IdCom},
        {QStringLiteral("MontantCom"), r.MontantCom}});
    // An empty contract date never clears a stored one.
    if (r.DateEnvContrat.isValid()) valeurs.append({QStringLiteral("DateEnvContrat"), valeurDate(r.DateEnvContrat)});
    if (r.DateRecContrat.isValid()) valeurs.append({QStringLiteral("DateRecContrat"), valeurDate(r.DateRecContrat)});

    const QDate aujourdhui = dm_.commun().services().horloge.aujourdhui();
    QSqlQuery existante
        = b.executer(QStringLiteral("SELECT IdReg, DateSaisie, DateEnvContrat, DateRecContrat FROM Reservation "
                                    "WHERE Identifiant = ?"),
            {r.Identifiant});
    if (r.Identifiant > 0 && existante.next()) {
        r.IdReg = existante.value(0).isNull() ? -1 : existante.value(0).toInt();
        r.DateSaisie = lireDate(existante.value(1));
        if (!r.DateEnvContrat.isValid()) r.DateEnvContrat = lireDate(existante.value(2));
        if (!r.DateRecContrat.isValid()) r.DateRecContrat = lireDate(existante.value(3));
        if (!r.DateSaisie.isValid()) {
            r.DateSaisie = aujourdhui;
            valeurs.append({QStringLiteral("DateSaisie"), valeurDate(aujourdhui)});
        }
        existante.finish();
        ecritures::modifier(
            b, QStringLiteral("Reservation"), valeurs, QStringLiteral("Identifiant = ?"), {r.Identifiant});
    } else {
        existante.finish();
        r.Identifiant = dm_.acces().allouerIdentifiant(QStringLiteral("Reservation"));
        r.DateSaisie = aujourdhui;
        r.IdReg = 0;
        valeurs.prepend({QStringLiteral("Identifiant"), r.Identifiant});
        valeurs.append({{QStringLiteral("DateSaisie"), valeurDate(aujourdhui)}, {QStringLiteral("IdReg"), 0}});
        ecritures::inserer(b, QStringLiteral("Reservation"), valeurs);
    }
}

void Reservations::ecrirePlanning(const TReservation& r)
{
    BaseDonnees& b = base();
    const OptionsMemoire& options = dm_.options().memoire();
    const bool fermee = r.Etat == EtatReservation::Fermee;
    b.executer(QStringLiteral("DELETE FROM Planning WHERE IdReservation = ?"), {r.Identifiant});

    const QDate fin = r.DateFin.isValid() && r.DateFin >= r.DateDeb ? r.DateFin : r.DateDeb;
    for (QDate jour = r.DateDeb; jour <= fin; jour = jour.addDays(1)) {
        for (const LigneHebergement& h : r.hebergements) {
            ecritures::Valeurs valeurs{
                {QStringLiteral("IdTarif"), fermee ? -1 : h.IdTarif},
                {QStringLiteral("PrixUnit"), fermee ? 0.0 : h.PrixUnit},
                {QStringLiteral("HT1"), fermee ? 0.0 : h.HT1},
                {QStringLiteral("HT2"), fermee ? 0.0 : h.HT2},
                {QStringLiteral("TVA1"), fermee ? 0.0 : h.TVA1},
                {QStringLiteral("TVA2"), fermee ? 0.0 : h.TVA2},
                {QStringLiteral("TTC1"), fermee ? 0.0 : h.TTC1},
                {QStringLiteral("TTC2"), fermee ? 0.0 : h.TTC2},
                {QStringLiteral("Taux1"), options.Taux1},
                {QStringLiteral("Taux2"), options.Taux2},
                {QStringLiteral("IdReservation"), r.Identifiant},
                {QStringLiteral("Etat"), r.Etat},
            };
            // A night held by another reservation is taken over only where the availability
            // rules allow it: another workstation may have booked it since the editor checked.
            QSqlQuery occupant = b.executer(
                QStringLiteral("SELECT P.IdReservation, P.Etat, R.Identifiant, R.IdContact FROM Planning P "
                               "LEFT JOIN Reservation R ON R.Identifiant = P.IdReservation "
                               "WHERE P.IdPrest = ? AND P.Jour = ?"),
                {h.IdPrest, valeurDate(jour)});
            if (occupant.next()) {
                const bool autreReservation = occupant.value(0).toInt() != r.Identifiant && !occupant.value(2).isNull();
                if (autreReservation) {
                    const bool autreHote = occupant.value(3).toInt() != r.IdContact;
                    const Verdict verdict
                        = juger(nomHebergement(b, h.IdPrest), jour, occupant.value(1).toInt(), autreHote, r.Etat);
                    if (verdict.genre == Verdict::Genre::Refuse) throw Erreur(verdict.texte);
                }
                occupant.finish();
                ecritures::modifier(b, QStringLiteral("Planning"), valeurs, QStringLiteral("IdPrest = ? AND Jour = ?"),
                    {h.IdPrest, valeurDate(jour)});
                continue;
            }
            occupant.finish();
            valeurs.prepend({QStringLiteral("IdPrest"), h.IdPrest});
            valeurs.prepend({QStringLiteral("Jour"), valeurDate(jour)});
            try {
                ecritures::inserer(b, QStringLiteral("Planning"), valeurs);
            } catch (const Erreur&) {
                // The one-row-per-accommodation-and-night index refused it: say which night.
                if (b.valeur(QStringLiteral("SELECT 1 FROM Planning WHERE IdPrest = ? AND Jour = ?"),
                         {h.IdPrest, valeurDate(jour)})
                        .isValid())
                    throw Erreur(texteAutreHote(nomHebergement(b, h.IdPrest), jour));
                throw;
            }
        }
    }
}

void Reservations::ecrireLignes(const TReservation& r)
{
    BaseDonnees& b = base();
    const OptionsMemoire& options = dm_.options().memoire();
    const int id = r.Identifiant;

    // The lines typed before this save, under its entry key.
    const int cle = r.CleLignes < 0 ? r.CleLignes : -1;
    b.executer(QStringLiteral("UPDATE PrestCompl SET IdReservation = ? WHERE IdReservation = ? AND TypePrest = 1"),
        {id, cle});
    b.executer(QStringLiteral("DELETE FROM PrestCompl WHERE IdReservation = ? AND TypePrest = 4"), {id});
    if (r.ValRemise != 0) {
        const QString nom
            = r.TypeRemise == 1 ? u"Remise "_qs + ecritures::texteNombre(r.ValRemise) + u" %"_qs : u"Remise"_qs;
        const double prix = -(r.remise.TTC1 + r.remise.TTC2);
        ecritures::Valeurs valeurs{
            {QStringLiteral("Identifiant"), dm_.acces().allouerIdentifiant(QStringLiteral("PrestCompl"))},
            {QStringLiteral("TypePrest"), 4}, {QStringLiteral("IdReservation"), id}, {QStringLiteral("IdPrest"), -1},
            {QStringLiteral("Qte"), 1}, {QStringLiteral("Offert"), dialecte::valeurBooleen(false)},
            {QStringLiteral("Nom"), nom}, {QStringLiteral("Taux1"), options.Taux1},
            {QStringLiteral("Taux2"), options.Taux2}, {QStringLiteral("PrixUnit"), prix},
            {QStringLiteral("PrixTot"), prix}};
        valeurs.append(parts(r.remise, -1));
        ecritures::inserer(b, QStringLiteral("PrestCompl"), valeurs);
    }
    if (!EtatReservation::occupe(r.Etat))
        b.executer(QStringLiteral("DELETE FROM PrestCompl WHERE IdReservation = ? AND TypePrest = 1"), {id});

    b.executer(QStringLiteral("UPDATE Repas SET IdReservation = ? WHERE IdReservation = ?"), {id, cle});
    if (!EtatReservation::occupe(r.Etat)) b.executer(QStringLiteral("DELETE FROM Repas WHERE IdReservation = ?"), {id});
}

// ---------------------------------------------------------------------------------------------
// Deleting

bool Reservations::SupprimerReservation(int identifiant)
{
    return operationSignalee(dialogues(), u"Erreur lors de la suppression d'une réservation"_qs, false, [&] {
        BaseDonnees& b = base();
        Transaction transaction(b);

        int groupeARecalculer = 0;
        const int idReg
            = b.valeur(QStringLiteral("SELECT IdReg FROM Reservation WHERE Identifiant = ?"), {identifiant}).toInt();
        if (idReg > 0) {
            const int membres
                = b.valeur(QStringLiteral("SELECT COUNT(*) FROM Reservation WHERE IdReg = ?"), {idReg}).toInt();
            if (membres <= 2) {
                // A group needs two reservations: the other one leaves it too.
                b.executer(QStringLiteral("UPDATE Reservation SET IdReg = 0 WHERE IdReg = ?"), {idReg});
                b.executer(QStringLiteral("DELETE FROM Regroupements WHERE Identifiant = ?"), {idReg});
            } else {
                b.executer(QStringLiteral("UPDATE Reservation SET IdReg = 0 WHERE Identifiant = ?"), {identifiant});
                groupeARecalculer = idReg;
            }
        }

        b.executer(QStringLiteral("DELETE FROM Planning WHERE IdReservation = ?"), {identifiant});
        b.executer(QStringLiteral("DELETE FROM PrestCompl WHERE IdReservation = ?"), {identifiant});
        b.executer(QStringLiteral("DELETE FROM Repas WHERE IdReservation = ?"), {identifiant});
        b.executer(QStringLiteral("DELETE FROM DepRec WHERE IdRef = ? AND TypeEcr = 1"), {identifiant});
        b.executer(QStringLiteral("DELETE FROM Reservation WHERE Identifiant = ?"), {identifiant});

        // The invoice that holds its lines goes with it, with all its lines.
        QList<int> factures;
        QSqlQuery requete = b.executer(
            QStringLiteral("SELECT DISTINCT IdFact FROM FactLig WHERE IdReserv = ? AND IdFact IS NOT NULL"),
            {identifiant});
        while (requete.next()) factures.append(requete.value(0).toInt());
        requete.finish();
        b.executer(QStringLiteral("DELETE FROM FactLig WHERE IdReserv = ?"), {identifiant});
        for (const int facture : factures) {
            b.executer(QStringLiteral("DELETE FROM FactLig WHERE IdFact = ?"), {facture});
            b.executer(QStringLiteral("DELETE FROM Factures WHERE Identifiant = ?"), {facture});
        }

        if (groupeARecalculer > 0) RecalculerGroupe(groupeARecalculer);
        transaction.valider();
        return true;
    });
}

// ---------------------------------------------------------------------------------------------
// Availability

void Reservations::VerifierDisponibilite(
    int idPrest, int idContact, QString& messages, const QDate& dateFin, const QDate& dateDeb, int nouvelEtat)
{
    QStringList aConfirmer;
    try {
        QSqlQuery requete = base().executer(
            QStringLiteral("SELECT P.Jour, P.Etat, R.IdContact, C.Nom "
                           "FROM Reservation R, Planning P, Prestation C "
                           "WHERE R.Identifiant = P.IdReservation AND C.Identifiant = P.IdPrest "
                           "AND P.Jour >= :Deb AND P.Jour <= :Fin AND P.IdPrest = :Prest ORDER BY P.Jour"),
            QVariantMap{{QStringLiteral("Deb"), valeurDate(dateDeb)}, {QStringLiteral("Fin"), valeurDate(dateFin)},
                {QStringLiteral("Prest"), idPrest}});
        while (requete.next()) {
            const bool autreHote = requete.value(2).toInt() != idContact;
            const Verdict verdict = juger(requete.value(3).toString(), lireDate(requete.value(0)),
                requete.value(1).toInt(), autreHote, nouvelEtat);
            if (verdict.genre == Verdict::Genre::Refuse) messages += u"\n"_qs + verdict.texte;
            if (verdict.genre == Verdict::Genre::AConfirmer) aConfirmer.append(u"\n"_qs + verdict.texte);
        }
    } catch (const std::exception& e) {
        // The save must not go on without the check.
        messages += u"\n"_qs + u"Erreur lors de la vérification de la disponibilité : "_qs + texteErreur(e);
        return;
    }
    if (aConfirmer.isEmpty()) return;
    if (!dialogues().question(u"Confirmez-vous les actions suivantes ? "_qs + u"\n"_qs + aConfirmer.join(QString())))
        messages += u"\n"_qs + u"Vous n'avez pas confirmé certaines actions."_qs;
}

// ---------------------------------------------------------------------------------------------
// Deposit, description, reassignment

QString Reservations::LibelleReservation(int identifiant)
{
    return operationSignalee(
        dialogues(), u"Erreur pendant la recherche du libellé d'une réservation"_qs, QString(), [&] {
            QSqlQuery requete
                = base().executer(QStringLiteral("SELECT R.DateDeb, R.DateFin, C.Nom, C.Prenom "
                                                 "FROM Reservation R, Contact C "
                                                 "WHERE R.Identifiant = ? AND R.IdContact = C.Identifiant"),
                    {identifiant});
            if (!requete.next()) return QString();
            return u"du "_qs + dates::courte(lireDate(requete.value(0))) + u" au "_qs
                + dates::courte(lireDate(requete.value(1))) + u" - "_qs + requete.value(3).toString() + u" "_qs
                + requete.value(2).toString();
        });
}

bool Reservations::ReaffecterReservation(int identifiant, int idContact)
{
    return operationSignalee(dialogues(), u"Erreur lors de la réaffectation d'une réservation"_qs, false, [&] {
        const QSqlQuery requete = base().executer(
            QStringLiteral("UPDATE Reservation SET IdContact = ? WHERE Identifiant = ?"), {idContact, identifiant});
        return requete.numRowsAffected() > 0;
    });
}

QSqlRecord Reservations::PositionnerReservation(int identifiant)
{
    return operationSignalee(dialogues(), u"Erreur pendant la recherche d'une réservation"_qs, QSqlRecord(), [&] {
        QSqlQuery requete
            = base().executer(QStringLiteral("SELECT * FROM Reservation WHERE Identifiant = ?"), {identifiant});
        return requete.next() ? requete.record() : QSqlRecord();
    });
}

std::optional<TTotauxRegroupement> Reservations::TotauxRegroupement(int idReg)
{
    using Resultat = std::optional<TTotauxRegroupement>;
    return operationSignalee(dialogues(), u"Erreur pendant la recherche d'un regroupement"_qs, Resultat(), [&] {
        QSqlQuery requete = base().executer(
            QStringLiteral("SELECT PrixTotal, DejaPaye FROM Regroupements WHERE Identifiant = ?"), {idReg});
        if (!requete.next()) return Resultat();
        return Resultat(TTotauxRegroupement{requete.value(0).toDouble(), requete.value(1).toDouble()});
    });
}

} // namespace velorin
