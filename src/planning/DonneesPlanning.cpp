#include "planning/DonneesPlanning.h"

#include "app/Erreur.h"
#include "planning/Calendrier.h"
#include "planning/LectureDates.h"
#include "store/BaseDonnees.h"
#include "store/DMCommun.h"
#include "store/DMVelorin.h"
#include "store/Dialecte.h"

#include <QHash>
#include <QSet>
#include <QSqlQuery>

namespace velorin {

using dialecte::valeurDate;

namespace {

bool occupe(int etat) { return etat == etats::Option || etat == etats::Reserve; }

// Key of a (reservation, day of the window) pair.
qint64 cle(qint64 idReservation, int jour) { return idReservation * joursPlanning + jour; }

} // namespace

DonneesPlanning::DonneesPlanning(DMVelorin& velorin)
    : velorin_(velorin)
{
}

BaseDonnees& DonneesPlanning::base() { return velorin_.commun().base(); }

const OptionsMemoire& DonneesPlanning::options() const { return velorin_.options().memoire(); }

// ---------------------------------------------------------------- days

int DonneesPlanning::TypeDeJour(const QDate& jour)
{
    if (calendrier::estWeekEnd(jour)) return typesJour::WeekEnd;
    if (calendrier::estFerieFixe(jour)) return typesJour::Ferie;
    return calendrier::JoursFeries(base(), jour, jour).typeDeJour(jour);
}

void DonneesPlanning::ChargerListeHebergements(TListeChambres& liste)
{
    TListeChambres chambres;
    QSqlQuery requete = base().executer(QStringLiteral("SELECT Identifiant, Nom, Capacite, Couleur, AffCouleur "
                                                       "FROM prestation WHERE TypePrest = ? ORDER BY NumOrdre"),
                                        {0});
    while (requete.next()) {
        TMoisChambre chambre;
        chambre.Identifiant = requete.value(0).toInt();
        chambre.Nom = requete.value(1).toString();
        chambre.Capacite = requete.value(2).toInt();
        const bool enCouleur = requete.value(4).toInt() != 0;
        chambre.Couleur = enCouleur && !requete.isNull(3) ? requete.value(3).toInt() : -1;
        chambres.append(chambre);
    }
    liste = chambres;
}

void DonneesPlanning::ChargerPlanningChambre(int idPrest, const QDate& debut, TMoisPlan& jours)
{
    TMoisChambre chambre;
    chambre.Identifiant = idPrest;
    chargerJours(debut, {&chambre}, idPrest);
    jours = chambre.Jours;
}

void DonneesPlanning::ChargerPlanning(TListeChambres& liste, const QDate& debut)
{
    QList<TMoisChambre*> chambres;
    chambres.reserve(liste.size());
    for (TMoisChambre& chambre : liste) chambres.append(&chambre);
    chargerJours(debut, chambres, std::nullopt);
}

void DonneesPlanning::chargerJours(const QDate& debut, QList<TMoisChambre*> chambres, std::optional<int> seule)
{
    const QDate fin = debut.addDays(joursPlanning - 1);
    const calendrier::JoursFeries feries(base(), debut, fin);

    // Every day starts free, with its calendar kind.
    TMoisPlan vierge;
    for (int i = 0; i < joursPlanning; ++i) {
        TJourPlan& jour = vierge[i];
        jour.Jour = debut.addDays(i);
        jour.NomJour = calendrier::nomJour(jour.Jour);
        jour.TypeJour = feries.typeDeJour(jour.Jour);
    }
    QHash<int, TMoisPlan*> parHebergement;
    for (TMoisChambre* chambre : chambres) {
        chambre->Jours = vierge;
        if (!parHebergement.contains(chambre->Identifiant)) parHebergement.insert(chambre->Identifiant, &chambre->Jours);
    }
    if (parHebergement.isEmpty()) return;

    const QVariant deb = valeurDate(debut);
    const QVariant fn = valeurDate(fin);
    const QString filtre = seule ? QStringLiteral(" AND P.IdPrest = ?") : QString();
    QVariantList valeurs{deb, fn};
    if (seule) valeurs.append(*seule);

    // Meals of the window, for the "day with meals" kind.
    const bool avecRepas = options().AffRepas;
    QSet<qint64> repas;
    if (avecRepas) {
        QSqlQuery requete = base().executer(
            QStringLiteral("SELECT IdReservation, Jour FROM Repas WHERE Jour >= ? AND Jour <= ?"), {deb, fn});
        while (requete.next()) {
            const int i = static_cast<int>(debut.daysTo(lecture::date(requete.value(1))));
            if (i >= 0 && i < joursPlanning) repas.insert(cle(requete.value(0).toLongLong(), i));
        }
    }

    // The planning rows of the window with their reservation and guest. A row whose
    // reservation no longer exists drops out of the join and the day shows free.
    const int milieu = options().MilieuSej;
    QSqlQuery requete = base().executer(
        QStringLiteral("SELECT P.IdPrest, P.Jour, P.Etat, P.IdReservation, R.DateRecContrat, R.NbPers, "
                       "R.PrixTotal, R.DejaPaye, R.DateEnvContrat, R.IdReg, R.DateDeb, R.DateFin, C.Nom, C.Prenom "
                       "FROM Planning P "
                       "INNER JOIN Reservation R ON R.Identifiant = P.IdReservation "
                       "LEFT JOIN Contact C ON C.Identifiant = R.IdContact "
                       "WHERE P.Jour >= ? AND P.Jour <= ?") +
            filtre,
        valeurs);
    while (requete.next()) {
        TMoisPlan* plan = parHebergement.value(requete.value(0).toInt());
        if (!plan) continue;
        const int i = static_cast<int>(debut.daysTo(lecture::date(requete.value(1))));
        if (i < 0 || i >= joursPlanning) continue;
        TJourPlan& jour = (*plan)[i];
        jour.Etat = requete.value(2).toInt();
        jour.IdReservation = requete.value(3).toInt();
        if (occupe(jour.Etat)) {
            const QString nom = requete.value(12).toString();
            jour.NomHote = nom.trimmed().isEmpty() ? requete.value(13).toString() : nom;
            jour.ContratRecu = lecture::renseignee(requete.value(4));
            jour.NbPers = requete.value(5).toInt();
            jour.Solde = requete.value(7).toDouble() == requete.value(6).toDouble();
            jour.ContratNonEnvoye = !lecture::renseignee(requete.value(8));
            jour.IdReg = requete.value(9).toInt();
            // The middle night of a stay longer than MilieuSej nights.
            const QDate arrivee = lecture::date(requete.value(10));
            const QDate dernier = lecture::date(requete.value(11));
            if (milieu >= 2 && arrivee.isValid() && dernier.isValid()) {
                const qint64 n = arrivee.daysTo(dernier);
                jour.MilieuSejour = n + 1 > milieu && jour.Jour == arrivee.addDays(n / 2);
            }
        }
        if (avecRepas && repas.contains(cle(jour.IdReservation, i))) jour.TypeJour = typesJour::AvecRepas;
    }

    // Coloured services of the stays: applied by descending NumOrdre, so the service that
    // comes first in the catalogue wins.
    QVariantList valeursCouleurs{deb, fn, dialecte::valeurBooleen(true)};
    if (seule) valeursCouleurs.append(*seule);
    QSqlQuery couleurs = base().executer(
        QStringLiteral("SELECT P.IdPrest, P.Jour, S.Couleur "
                       "FROM Planning P "
                       "CROSS JOIN PrestCompl C "
                       "CROSS JOIN prestation S "
                       "WHERE P.Jour >= ? AND P.Jour <= ? "
                       "AND C.IdReservation = P.IdReservation "
                       "AND S.Identifiant = C.IdPrest AND S.AffCouleur = ?") +
            filtre + QStringLiteral(" ORDER BY S.NumOrdre DESC, P.Jour"),
        valeursCouleurs);
    while (couleurs.next()) {
        TMoisPlan* plan = parHebergement.value(couleurs.value(0).toInt());
        if (!plan) continue;
        const int i = static_cast<int>(debut.daysTo(lecture::date(couleurs.value(1))));
        if (i < 0 || i >= joursPlanning) continue;
        (*plan)[i].CouleurPrest = couleurs.isNull(2) ? -1 : couleurs.value(2).toInt();
    }
}

// ---------------------------------------------------------------- meals and remarks

std::array<int, joursPlanning> DonneesPlanning::NbRepasParJour(const QDate& debut)
{
    std::array<int, joursPlanning> nombres{};
    QSqlQuery requete =
        base().executer(QStringLiteral("SELECT Jour, SUM(Nombre) FROM Repas WHERE Jour >= ? AND Jour <= ? GROUP BY Jour"),
                        {valeurDate(debut), valeurDate(debut.addDays(joursPlanning - 1))});
    while (requete.next()) {
        const qint64 i = debut.daysTo(lecture::date(requete.value(0)));
        if (i >= 0 && i < joursPlanning) nombres[static_cast<size_t>(i)] += requete.value(1).toInt();
    }
    return nombres;
}

QString DonneesPlanning::LireRemarque(const QDate& jour)
{
    return base().valeur(QStringLiteral("SELECT Remarque FROM Remarques WHERE Jour = ?"), {valeurDate(jour)}).toString();
}

std::array<QString, joursPlanning> DonneesPlanning::LireRemarques(const QDate& debut)
{
    std::array<QString, joursPlanning> remarques;
    QSqlQuery requete =
        base().executer(QStringLiteral("SELECT Jour, Remarque FROM Remarques WHERE Jour >= ? AND Jour <= ?"),
                        {valeurDate(debut), valeurDate(debut.addDays(joursPlanning - 1))});
    while (requete.next()) {
        const qint64 i = debut.daysTo(lecture::date(requete.value(0)));
        if (i >= 0 && i < joursPlanning) remarques[static_cast<size_t>(i)] = requete.value(1).toString();
    }
    return remarques;
}

void DonneesPlanning::EnregistrerRemarque(const QDate& jour, const QString& texte)
{
    if (!jour.isValid()) throw Erreur(u"La date de la remarque n'est pas valide."_qs);
    if (texte.size() > longueurRemarque)
        throw Erreur(u"Une remarque ne peut pas dépasser %1 caractères."_qs.arg(longueurRemarque));
    // An empty remark is an empty text, not a null.
    const QVariant remarque = texte.isEmpty() ? QVariant(QStringLiteral("")) : QVariant(texte);
    BaseDonnees& b = base();
    Transaction transaction(b);
    const QSqlQuery modification =
        b.executer(QStringLiteral("UPDATE Remarques SET Remarque = ? WHERE Jour = ?"), {remarque, valeurDate(jour)});
    if (modification.numRowsAffected() <= 0)
        b.executer(QStringLiteral("INSERT INTO Remarques (Jour, Remarque) VALUES (?, ?)"), {valeurDate(jour), remarque});
    transaction.valider();
}

// ---------------------------------------------------------------- totals

TTotauxPlanning DonneesPlanning::CalculerTotauxPlanning(const QDate& premierDuMois)
{
    const QDate debMois(premierDuMois.year(), premierDuMois.month(), 1);
    const QDate finMois = debMois.addDays(debMois.daysInMonth() - 1);
    const QDate debAn(debMois.year(), 1, 1);
    const QDate finAn(debMois.year(), 12, 31);
    const QVariant dm = valeurDate(debMois), fm = valeurDate(finMois), da = valeurDate(debAn), fa = valeurDate(finAn);
    const QVariant vrai = dialecte::valeurBooleen(true);
    const OptionsMemoire& opt = options();
    BaseDonnees& b = base();
    TTotauxPlanning t;

    // Booked and closed nights of the accommodations counted in the occupancy, month and
    // year in one pass over the year's rows.
    int fermeesMois = 0, fermeesAn = 0;
    {
        QSqlQuery requete = b.executer(
            QStringLiteral("SELECT "
                           "SUM(CASE WHEN P.Etat = ? THEN 1 ELSE 0 END), "
                           "SUM(CASE WHEN P.Etat = ? AND P.Jour >= ? AND P.Jour <= ? THEN 1 ELSE 0 END), "
                           "SUM(CASE WHEN P.Etat = ? THEN 1 ELSE 0 END), "
                           "SUM(CASE WHEN P.Etat = ? AND P.Jour >= ? AND P.Jour <= ? THEN 1 ELSE 0 END) "
                           "FROM Planning P INNER JOIN prestation PR ON PR.Identifiant = P.IdPrest "
                           "WHERE P.Jour >= ? AND P.Jour <= ? AND P.Etat IN (?, ?) "
                           "AND PR.TypePrest = ? AND PR.DansPourcent = ?"),
            {etats::Reserve, etats::Reserve, dm, fm, etats::Fermee, etats::Fermee, dm, fm, da, fa, etats::Reserve,
             etats::Fermee, 0, vrai});
        if (requete.next()) {
            t.TotNuitAn = requete.value(0).toInt();
            t.TotNuitMois = requete.value(1).toInt();
            if (opt.TxOccFerme) {
                fermeesAn = requete.value(2).toInt();
                fermeesMois = requete.value(3).toInt();
            }
        }
    }

    const int comptees =
        b.valeur(QStringLiteral("SELECT COUNT(*) FROM prestation WHERE TypePrest = ? AND DansPourcent = ?"), {0, vrai})
            .toInt();
    t.PosNuitMois = comptees * debMois.daysInMonth() - fermeesMois;
    t.PosNuitAn = comptees * debAn.daysInYear() - fermeesAn;

    {
        QSqlQuery requete =
            b.executer(QStringLiteral("SELECT SUM(Nombre), SUM(CASE WHEN Jour >= ? AND Jour <= ? THEN Nombre ELSE 0 END) "
                                      "FROM Repas WHERE Jour >= ? AND Jour <= ?"),
                       {dm, fm, da, fa});
        if (requete.next()) {
            t.NbRepAn = requete.value(0).toInt();
            t.NbRepMois = requete.value(1).toInt();
        }
    }

    t.PourMois = t.PosNuitMois != 0 ? static_cast<double>(t.TotNuitMois) / t.PosNuitMois * 100 : 0;
    t.PourAn = t.PosNuitAn != 0 ? static_cast<double>(t.TotNuitAn) / t.PosNuitAn * 100 : 0;

    if (opt.ModeCalcCA == 2) {
        // The receipts entered in the ledger.
        QSqlQuery requete = b.executer(
            QStringLiteral("SELECT SUM(Montant), SUM(CASE WHEN DateEcr >= ? AND DateEcr <= ? THEN Montant ELSE 0 END) "
                           "FROM DepRec WHERE TypeEcr = ? AND DateEcr >= ? AND DateEcr <= ?"),
            {dm, fm, 1, da, fa});
        if (requete.next()) {
            t.CAAn = t.DejaPAn = requete.value(0).toDouble();
            t.CAMois = t.DejaPMois = requete.value(1).toDouble();
        }
    } else {
        // The reservations dated by their first night (1) or their last night (0).
        const QString date = opt.ModeCalcCA == 1 ? QStringLiteral("DateDeb") : QStringLiteral("DateFin");
        const QString mois = QStringLiteral("CASE WHEN %1 >= ? AND %1 <= ? THEN %2 ELSE 0 END").arg(date);
        QVariantList valeurs{dm, fm, dm, fm, dm, fm, 0};
        QString sql = QStringLiteral("SELECT SUM(PrixTotal), SUM(DejaPaye), SUM(MontantCom), SUM(%1), SUM(%2), SUM(%3) "
                                     "FROM Reservation WHERE IdContact > ?")
                          .arg(mois.arg(QStringLiteral("PrixTotal")), mois.arg(QStringLiteral("DejaPaye")),
                               mois.arg(QStringLiteral("MontantCom")));
        if (opt.CAAvecRes) {
            sql += QStringLiteral(" AND Etat = ?");
            valeurs.append(etats::Reserve);
        }
        sql += QStringLiteral(" AND %1 >= ? AND %1 <= ?").arg(date);
        valeurs << da << fa;
        QSqlQuery requete = b.executer(sql, valeurs);
        if (requete.next()) {
            t.CAAn = requete.value(0).toDouble();
            t.DejaPAn = requete.value(1).toDouble();
            t.ComAn = requete.value(2).toDouble();
            t.CAMois = requete.value(3).toDouble();
            t.DejaPMois = requete.value(4).toDouble();
            t.ComMois = requete.value(5).toDouble();
        }
        if (opt.DimCACom) {
            t.CAAn -= t.ComAn;
            t.CAMois -= t.ComMois;
        }
    }
    return t;
}

// ---------------------------------------------------------------- one redisplay

FenetrePlanning DonneesPlanning::ChargerFenetre(TListeChambres& liste, const QDate& debut)
{
    FenetrePlanning fenetre;
    fenetre.Debut = debut;
    ChargerPlanning(liste, debut);
    fenetre.Repas = NbRepasParJour(debut);
    fenetre.Remarques = LireRemarques(debut);
    for (const TMoisChambre& chambre : liste)
        for (int i = 0; i < joursPlanning; ++i)
            if (chambre.Jours[i].Etat == etats::Reserve) ++fenetre.ChambresReservees[i];
    const QDate mois(debut.year(), debut.month(), 1);
    fenetre.Totaux = CalculerTotauxPlanning(mois);
    fenetre.TotauxAnneePrecedente = CalculerTotauxPlanning(mois.addYears(-1));
    return fenetre;
}

QList<int> DonneesPlanning::ListeAnnees()
{
    return velorin_.acces().ListeAnnees(QStringLiteral("Planning"), QStringLiteral("Jour"));
}

} // namespace velorin
