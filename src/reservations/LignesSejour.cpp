#include "reservations/LignesSejour.h"

#include "app/Erreur.h"
#include "reservations/Ecritures.h"
#include "store/AccesDonnees.h"
#include "store/BaseDonnees.h"
#include "store/DMCommun.h"
#include "store/DMVelorin.h"
#include "store/Dialecte.h"

#include <QSqlField>
#include <QSqlQuery>

namespace velorin {

namespace {

const char* const partiesTVA[] = {"HT1", "HT2", "TVA1", "TVA2", "TTC1", "TTC2"};

double nombre(const QSqlRecord& ligne, const char* colonne)
{
    return ligne.value(QString::fromLatin1(colonne)).toDouble();
}

bool nul(const QSqlRecord& ligne, const char* colonne)
{
    return ligne.value(QString::fromLatin1(colonne)).isNull();
}

void poser(QSqlRecord& ligne, const char* colonne, const QVariant& valeur)
{
    ligne.setValue(QString::fromLatin1(colonne), valeur);
}

} // namespace

LignesSejour::LignesSejour(DMVelorin& dm)
    : dm_(dm)
{
}

BaseDonnees& LignesSejour::base()
{
    return dm_.commun().base();
}

QSqlRecord LignesSejour::article(int idPrest)
{
    QSqlQuery requete = base().executer(QStringLiteral("SELECT * FROM Prestation WHERE Identifiant = ?"), {idPrest});
    if (!requete.next()) throw Erreur(u"La prestation n°%1 n'existe pas dans le catalogue."_qs.arg(idPrest));
    return requete.record();
}

TMontantsTVA LignesSejour::prixUnitaire(int idPrest)
{
    TMontantsTVA r;
    QSqlQuery requete = base().executer(QStringLiteral("SELECT Prix, SansTVA, HT1, HT2, TVA1, TVA2 FROM Prestation "
                                                       "WHERE Identifiant = ?"),
        {idPrest});
    if (!requete.next()) return r;
    if (requete.value(1).toBool()) {
        r.HT1 = round2(requete.value(0).toDouble());
        r.TTC1 = r.HT1;
        r.Total = r.HT1;
        return r;
    }
    r.HT1 = round2(requete.value(2).toDouble());
    r.HT2 = round2(requete.value(3).toDouble());
    r.TVA1 = round2(requete.value(4).toDouble());
    r.TVA2 = round2(requete.value(5).toDouble());
    r.TTC1 = r.HT1 + r.TVA1;
    r.TTC2 = r.HT2 + r.TVA2;
    r.Total = r.TTC1 + r.TTC2;
    return r;
}

void LignesSejour::inserer(const QString& table, const QSqlRecord& ligne)
{
    ecritures::Valeurs valeurs;
    for (int i = 0; i < ligne.count(); ++i)
        if (!ligne.isNull(i)) valeurs.append({ligne.fieldName(i), ligne.value(i)});
    ecritures::inserer(base(), table, valeurs);
}

void LignesSejour::ecrire(const QString& table, QSqlRecord& ligne)
{
    BaseDonnees& b = base();
    Transaction transaction(b);
    const int identifiant = ligne.value(QStringLiteral("Identifiant")).toInt();
    const bool existe = identifiant > 0
        && b.valeur(QStringLiteral("SELECT 1 FROM %1 WHERE Identifiant = ?").arg(identifiantSql(table)), {identifiant})
               .isValid();
    if (existe) {
        const QStringList colonnes = b.colonnes(table);
        ecritures::Valeurs valeurs;
        for (int i = 0; i < ligne.count(); ++i)
            if (ligne.fieldName(i).compare(QStringLiteral("Identifiant"), Qt::CaseInsensitive) != 0
                && colonnes.contains(ligne.fieldName(i), Qt::CaseInsensitive))
                valeurs.append({ligne.fieldName(i), ligne.value(i)});
        ecritures::modifier(b, table, valeurs, QStringLiteral("Identifiant = ?"), {identifiant});
    } else {
        ligne.setValue(QStringLiteral("Identifiant"), dm_.acces().allouerIdentifiant(table));
        QSqlRecord stockee = b.db().record(b.nomTable(table));
        for (int i = 0; i < stockee.count(); ++i) stockee.setValue(i, ligne.value(stockee.fieldName(i)));
        inserer(table, stockee);
    }
    transaction.valider();
}

// ---------------------------------------------------------------------------------------------
// Services

int LignesSejour::AjouterPrestation(
    int idPrest, int idReservation, const QDate& dateFin, const QDate& dateDeb, int nbPers, int nbNuits)
{
    BaseDonnees& b = base();
    Transaction transaction(b);
    const QSqlRecord item = article(idPrest);
    QSqlRecord ligne = b.db().record(b.nomTable(QStringLiteral("PrestCompl")));
    const int identifiant = dm_.acces().allouerIdentifiant(QStringLiteral("PrestCompl"));
    poser(ligne, "Identifiant", identifiant);
    poser(ligne, "IdPrest", idPrest);
    poser(ligne, "IdReservation", idReservation);
    const int parPersonnes = item.value(QStringLiteral("PropPers")).toBool() ? nbPers : 1;
    const int parNuits = item.value(QStringLiteral("PropNuits")).toBool() ? nbNuits : 1;
    poser(ligne, "Qte", parPersonnes * parNuits);
    poser(ligne, "Nom", item.value(QStringLiteral("Nom")));
    poser(ligne, "TypePrest", item.value(QStringLiteral("TypePrest")));
    poser(ligne, "DateDeb", dialecte::valeurDate(dateDeb));
    poser(ligne, "DateFin", dialecte::valeurDate(dateFin));

    const TMontantsTVA prix = prixUnitaire(idPrest);
    poser(ligne, "PrixUnit", prix.Total);
    const bool sansTVA = item.value(QStringLiteral("SansTVA")).toBool();
    poser(ligne, "Taux1", sansTVA ? 0.0 : dm_.options().memoire().Taux1);
    poser(ligne, "Taux2", sansTVA ? 0.0 : dm_.options().memoire().Taux2);
    // The net parts are what is carried over; VAT, gross parts and unit price follow.
    poser(ligne, "HT1", prix.HT1);
    calculerDepuisHT(ligne, 1);
    poser(ligne, "HT2", prix.HT2);
    calculerDepuisHT(ligne, 2);
    poser(ligne, "Offert", dialecte::valeurBooleen(item.value(QStringLiteral("Offert")).toBool()));
    PrestComplBeforePost(ligne);
    inserer(QStringLiteral("PrestCompl"), ligne);
    transaction.valider();
    return identifiant;
}

QList<QSqlRecord> LignesSejour::FiltrerPrestations(int idReservation, int typePrest)
{
    QList<QSqlRecord> lignes;
    QSqlQuery requete = base().executer(QStringLiteral("SELECT * FROM PrestCompl WHERE IdReservation = ? "
                                                       "AND TypePrest = ? ORDER BY Identifiant"),
        {idReservation, typePrest});
    while (requete.next()) lignes.append(requete.record());
    return lignes;
}

void LignesSejour::PrestComplBeforePost(QSqlRecord& ligne)
{
    if (nul(ligne, "Qte")) poser(ligne, "Qte", 0);
    if (nul(ligne, "PrixUnit")) poser(ligne, "PrixUnit", 0.0);
    poser(ligne, "PrixTot", ligne.value(QStringLiteral("Qte")).toInt() * nombre(ligne, "PrixUnit"));
}

void LignesSejour::EnregistrerLignePrestation(QSqlRecord& ligne)
{
    PrestComplBeforePost(ligne);
    ecrire(QStringLiteral("PrestCompl"), ligne);
}

void LignesSejour::SupprimerLignePrestation(int identifiant)
{
    base().executer(QStringLiteral("DELETE FROM PrestCompl WHERE Identifiant = ?"), {identifiant});
}

// ---------------------------------------------------------------------------------------------
// Meals

int LignesSejour::AjouterRepas(int idPrest, int idReservation, const QDate& jour, int nombreCouverts)
{
    BaseDonnees& b = base();
    Transaction transaction(b);
    article(idPrest);
    QSqlRecord ligne = b.db().record(b.nomTable(QStringLiteral("Repas")));
    const int identifiant = dm_.acces().allouerIdentifiant(QStringLiteral("Repas"));
    poser(ligne, "Identifiant", identifiant);
    poser(ligne, "IdPrest", idPrest);
    poser(ligne, "IdReservation", idReservation);
    poser(ligne, "Nombre", nombreCouverts);

    const TMontantsTVA prix = prixUnitaire(idPrest);
    // Meals always bear VAT at the current rates.
    poser(ligne, "Taux1", dm_.options().memoire().Taux1);
    poser(ligne, "Taux2", dm_.options().memoire().Taux2);
    poser(ligne, "HT1", prix.HT1);
    calculerDepuisHT(ligne, 1);
    poser(ligne, "HT2", prix.HT2);
    calculerDepuisHT(ligne, 2);
    // Written after the parts: the cover price is the item's own price.
    poser(ligne, "PrixUnit", prix.Total);
    RepasPrixUnitChange(ligne);
    poser(ligne, "Jour", dialecte::valeurDate(jour));
    RepasBeforePost(ligne);
    inserer(QStringLiteral("Repas"), ligne);
    transaction.valider();
    return identifiant;
}

QList<QSqlRecord> LignesSejour::FiltrerRepas(int idReservation)
{
    QList<QSqlRecord> lignes;
    QSqlQuery requete = base().executer(QStringLiteral("SELECT R.*, P.Nom AS Nom FROM Repas R "
                                                       "LEFT JOIN Prestation P ON P.Identifiant = R.IdPrest "
                                                       "WHERE R.IdReservation = ? ORDER BY R.Jour, R.Identifiant"),
        {idReservation});
    while (requete.next()) lignes.append(requete.record());
    return lignes;
}

void LignesSejour::RepasPrixUnitChange(QSqlRecord& ligne)
{
    if (!nul(ligne, "Nombre") && !nul(ligne, "PrixUnit"))
        poser(ligne, "PrixTot", ligne.value(QStringLiteral("Nombre")).toInt() * nombre(ligne, "PrixUnit"));
}

void LignesSejour::RepasBeforePost(QSqlRecord& ligne)
{
    if (nul(ligne, "Nombre")) poser(ligne, "Nombre", 0);
    if (nul(ligne, "PrixUnit")) poser(ligne, "PrixUnit", 0.0);
    poser(ligne, "PrixTot", ligne.value(QStringLiteral("Nombre")).toInt() * nombre(ligne, "PrixUnit"));
    if (!nul(ligne, "HT1") && !nul(ligne, "HT2")) return;
    // A price typed without its parts: the item's parts, scaled to that price.
    const QSqlRecord item = article(ligne.value(QStringLiteral("IdPrest")).toInt());
    const double prixArticle = nombre(item, "Prix");
    const double facteur = prixArticle != 0 ? nombre(ligne, "PrixUnit") / prixArticle : 0;
    for (const char* partie : partiesTVA) poser(ligne, partie, round2Produit(nombre(item, partie), facteur));
}

void LignesSejour::EnregistrerLigneRepas(QSqlRecord& ligne)
{
    RepasBeforePost(ligne);
    ecrire(QStringLiteral("Repas"), ligne);
}

void LignesSejour::SupprimerLigneRepas(int identifiant)
{
    base().executer(QStringLiteral("DELETE FROM Repas WHERE Identifiant = ?"), {identifiant});
}

int LignesSejour::NouvelleCleSaisie()
{
    return -1 - dm_.acces().allouerCompteur(QStringLiteral("SaisieReservation"));
}

void LignesSejour::SupprimerRepasTemporaires(int cleSaisie)
{
    // Services too: left behind, they would be attached to the next reservation saved.
    BaseDonnees& b = base();
    Transaction transaction(b);
    for (const int cle : {cleSaisie, -1}) {
        if (cle >= 0) continue;
        b.executer(QStringLiteral("DELETE FROM Repas WHERE IdReservation = ?"), {cle});
        b.executer(QStringLiteral("DELETE FROM PrestCompl WHERE IdReservation = ?"), {cle});
    }
    transaction.valider();
}

// ---------------------------------------------------------------------------------------------
// Half board

int LignesSejour::articleDemiPension()
{
    QSqlQuery requete = base().executer(
        QStringLiteral("SELECT Identifiant FROM Prestation WHERE TypePrest = ? ORDER BY NumOrdre, Identifiant"),
        {TypePrestation::DemiPension});
    return requete.next() ? requete.value(0).toInt() : -1;
}

void LignesSejour::CreerRepasDemiPension(int idReservation, int nbPers, const QDate& dateFin, const QDate& dateDeb)
{
    const int item = articleDemiPension();
    if (item < 0) return;
    BaseDonnees& b = base();
    Transaction transaction(b);
    b.executer(QStringLiteral("DELETE FROM Repas WHERE IdReservation = ? AND IdPrest = ?"), {idReservation, item});
    for (QDate jour = dateDeb; jour.isValid() && jour <= dateFin; jour = jour.addDays(1))
        AjouterRepas(item, idReservation, jour, nbPers);
    transaction.valider();
}

void LignesSejour::SupprimerRepasDemiPension(int idReservation)
{
    const int item = articleDemiPension();
    if (item < 0) return;
    base().executer(QStringLiteral("DELETE FROM Repas WHERE IdReservation = ? AND IdPrest = ?"), {idReservation, item});
}

// ---------------------------------------------------------------------------------------------
// Menu structure

TMenus LignesSejour::OuvrirMenus()
{
    TMenus menus;
    QSqlQuery requete = base().executer(QStringLiteral("SELECT * FROM TypeMenu ORDER BY Identifiant"));
    if (!requete.next()) {
        menus.nouveau = true;
        menus.Identifiant = dm_.acces().allouerIdentifiant(QStringLiteral("TypeMenu"));
        return menus;
    }
    menus.Identifiant = requete.value(QStringLiteral("Identifiant")).toInt();
    for (int i = 0; i < 10; ++i) {
        menus.Libelle[i] = requete.value(QStringLiteral("Libelle%1").arg(i + 1)).toString();
        menus.Visible[i] = requete.value(QStringLiteral("Visible%1").arg(i + 1)).toBool();
    }
    return menus;
}

void LignesSejour::ValiderMenus(TMenus& menus)
{
    BaseDonnees& b = base();
    Transaction transaction(b);
    ecritures::Valeurs valeurs;
    for (int i = 0; i < 10; ++i) {
        valeurs.append({QStringLiteral("Libelle%1").arg(i + 1), menus.Libelle[i]});
        valeurs.append({QStringLiteral("Visible%1").arg(i + 1), dialecte::valeurBooleen(menus.Visible[i])});
    }
    // The table holds one row: a row another workstation created (or kept) meanwhile is the
    // one written, and a row removed meanwhile is written again, so that the save is never lost
    // and a second row never appears.
    const QVariant existante
        = b.valeur(QStringLiteral("SELECT Identifiant FROM TypeMenu ORDER BY Identifiant LIMIT 1"));
    if (existante.isValid() && !existante.isNull()) {
        menus.Identifiant = existante.toInt();
        ecritures::modifier(
            b, QStringLiteral("TypeMenu"), valeurs, QStringLiteral("Identifiant = ?"), {menus.Identifiant});
    } else {
        if (menus.Identifiant <= 0) menus.Identifiant = dm_.acces().allouerIdentifiant(QStringLiteral("TypeMenu"));
        valeurs.prepend({QStringLiteral("Identifiant"), menus.Identifiant});
        ecritures::inserer(b, QStringLiteral("TypeMenu"), valeurs);
    }
    transaction.valider();
    menus.nouveau = false;
}

} // namespace velorin
