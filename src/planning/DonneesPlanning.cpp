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

    // The reservations holding a day of the window, each read once with its guest (the
    // subquery is answered from the Jour;IdReservation index alone).
    const QString reservationsDeLaFenetre =
        QStringLiteral("SELECT P.IdReservation FROM Planning P WHERE P.Jour >= ? AND P.Jour <= ?") + filtre;
    struct Tenue {
        QString nomHote;
        bool contratRecu = true;
        int nbPers = 0;
        bool solde = false;
        bool contratNonEnvoye = false;
        int idReg = 0;
        QDate milieu; // the middle night, when it is marked
        int couleur = -1;
    };
    QHash<int, Tenue> tenues;
    const int milieuSej = options().MilieuSej;
    {
        QSqlQuery requete = base().executer(
            QStringLiteral("SELECT R.Identifiant, R.DateRecContrat, R.NbPers, R.PrixTotal, R.DejaPaye, R.DateEnvContrat, "
                           "R.IdReg, R.DateDeb, R.DateFin, C.Nom, C.Prenom "
                           "FROM Reservation R LEFT JOIN Contact C ON C.Identifiant = R.IdContact "
                           "WHERE R.Identifiant IN (") +
                reservationsDeLaFenetre + QStringLiteral(")"),
            valeurs);
        while (requete.next()) {
            Tenue t;
            const QString nom = requete.value(9).toString();
            t.nomHote = nom.trimmed().isEmpty() ? requete.value(10).toString() : nom;
            t.contratRecu = lecture::renseignee(requete.value(1));
            t.nbPers = requete.value(2).toInt();
            t.solde = requete.value(4).toDouble() == requete.value(3).toDouble();
            t.contratNonEnvoye = !lecture::renseignee(requete.value(5));
            t.idReg = requete.value(6).toInt();
            // The middle night of a stay longer than MilieuSej nights.
            const QDate arrivee = lecture::date(requete.value(7));
            const QDate dernier = lecture::date(requete.value(8));
            if (milieuSej >= 2 && arrivee.isValid() && dernier.isValid()) {
                const qint64 n = arrivee.daysTo(dernier);
                if (n + 1 > milieuSej) t.milieu = arrivee.addDays(n / 2);
            }
            tenues.insert(requete.value(0).toInt(), t);
        }
    }

    // Coloured services of those stays: taken by descending NumOrdre, so the service that
    // comes first in the catalogue wins.
    {
        QVariantList valeursCouleurs{dialecte::valeurBooleen(true)};
        valeursCouleurs << valeurs;
        QSqlQuery requete = base().executer(
            QStringLiteral("SELECT C.IdReservation, S.Couleur FROM PrestCompl C CROSS JOIN prestation S "
                           "WHERE S.Identifiant = C.IdPrest AND S.AffCouleur = ? AND C.IdReservation IN (") +
                reservationsDeLaFenetre + QStringLiteral(") ORDER BY S.NumOrdre DESC"),
            valeursCouleurs);
        while (requete.next()) {
            const auto tenue = tenues.find(requete.value(0).toInt());
            if (tenue != tenues.end()) tenue->couleur = requete.isNull(1) ? -1 : requete.value(1).toInt();
        }
    }

    // The planning rows. A row whose reservation no longer exists leaves its day free.
    QSqlQuery requete = base().executer(
        QStringLiteral("SELECT P.IdPrest, P.Jour, P.Etat, P.IdReservation FROM Planning P "
                       "WHERE P.Jour >= ? AND P.Jour <= ?") +
            filtre,
        valeurs);
    while (requete.next()) {
        TMoisPlan* plan = parHebergement.value(requete.value(0).toInt());
        if (!plan) continue;
        const int i = static_cast<int>(debut.daysTo(lecture::date(requete.value(1))));
        if (i < 0 || i >= joursPlanning) continue;
        const int idReservation = requete.value(3).toInt();
        const auto tenue = tenues.constFind(idReservation);
        if (tenue == tenues.cend()) continue;
        TJourPlan& jour = (*plan)[i];
        jour.Etat = requete.value(2).toInt();
        jour.IdReservation = idReservation;
        if (occupe(jour.Etat)) {
            jour.NomHote = tenue->nomHote;
            jour.ContratRecu = tenue->contratRecu;
            jour.NbPers = tenue->nbPers;
            jour.Solde = tenue->solde;
            jour.ContratNonEnvoye = tenue->contratNonEnvoye;
            jour.IdReg = tenue->idReg;
            jour.MilieuSejour = tenue->milieu == jour.Jour;
        }
        jour.CouleurPrest = tenue->couleur;
        if (avecRepas && repas.contains(cle(idReservation, i))) jour.TypeJour = typesJour::AvecRepas;
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
    const OptionsMemoire& opt = options();
    TTotauxPlanning t;

    // Each figure is read for the year and for the month by the same plain aggregate, so
    // that the engine walks an index range without evaluating anything per row.
    struct Periode {
        QDate debut;
        QDate fin;
    };
    const Periode annee{debAn, finAn};
    const Periode mois{debMois, finMois};

    // Booked and closed nights of the accommodations counted in the occupancy.
    const auto nuits = [&](const Periode& p, int& reservees, int& fermees) {
        QSqlQuery requete = base().executer(
            QStringLiteral("SELECT P.Etat, COUNT(*) FROM Planning P "
                           "WHERE P.Jour >= ? AND P.Jour <= ? AND P.Etat IN (?, ?) AND P.IdPrest IN "
                           "(SELECT Identifiant FROM prestation WHERE TypePrest = ? AND DansPourcent = ?) "
                           "GROUP BY P.Etat"),
            {valeurDate(p.debut), valeurDate(p.fin), etats::Reserve, etats::Fermee, 0, dialecte::valeurBooleen(true)});
        reservees = fermees = 0;
        while (requete.next()) {
            if (requete.value(0).toInt() == etats::Reserve) reservees = requete.value(1).toInt();
            else fermees = requete.value(1).toInt();
        }
        if (!opt.TxOccFerme) fermees = 0;
    };
    int fermeesAn = 0, fermeesMois = 0;
    nuits(annee, t.TotNuitAn, fermeesAn);
    nuits(mois, t.TotNuitMois, fermeesMois);

    const int comptees = base()
                             .valeur(QStringLiteral("SELECT COUNT(*) FROM prestation WHERE TypePrest = ? AND DansPourcent = ?"),
                                     {0, dialecte::valeurBooleen(true)})
                             .toInt();
    t.PosNuitMois = comptees * debMois.daysInMonth() - fermeesMois;
    t.PosNuitAn = comptees * debAn.daysInYear() - fermeesAn;

    const auto repas = [&](const Periode& p) {
        return base()
            .valeur(QStringLiteral("SELECT SUM(Nombre) FROM Repas WHERE Jour >= ? AND Jour <= ?"),
                    {valeurDate(p.debut), valeurDate(p.fin)})
            .toInt();
    };
    t.NbRepAn = repas(annee);
    t.NbRepMois = repas(mois);

    t.PourMois = t.PosNuitMois != 0 ? static_cast<double>(t.TotNuitMois) / t.PosNuitMois * 100 : 0;
    t.PourAn = t.PosNuitAn != 0 ? static_cast<double>(t.TotNuitAn) / t.PosNuitAn * 100 : 0;

    // Turnover, paid amounts and commissions.
    struct Chiffres {
        double ca = 0;
        double dejaPaye = 0;
        double commission = 0;
    };
    const auto chiffres = [&](const Periode& p) {
        Chiffres c;
        if (opt.ModeCalcCA == 2) {
            // The receipts entered in the ledger.
            c.ca = c.dejaPaye = base()
                                    .valeur(QStringLiteral("SELECT SUM(Montant) FROM DepRec WHERE TypeEcr = ? "
                                                           "AND DateEcr >= ? AND DateEcr <= ?"),
                                            {1, valeurDate(p.debut), valeurDate(p.fin)})
                                    .toDouble();
            return c;
        }
        // The reservations dated by their first night (1) or their last night (0).
        const QString date = opt.ModeCalcCA == 1 ? QStringLiteral("DateDeb") : QStringLiteral("DateFin");
        QString sql = QStringLiteral("SELECT SUM(PrixTotal), SUM(DejaPaye), SUM(MontantCom) FROM Reservation "
                                     "WHERE %1 >= ? AND %1 <= ? AND IdContact > ?")
                          .arg(date);
        QVariantList valeurs{valeurDate(p.debut), valeurDate(p.fin), 0};
        if (opt.CAAvecRes) {
            sql += QStringLiteral(" AND Etat = ?");
            valeurs.append(etats::Reserve);
        }
        QSqlQuery requete = base().executer(sql, valeurs);
        if (requete.next()) {
            c.ca = requete.value(0).toDouble();
            c.dejaPaye = requete.value(1).toDouble();
            c.commission = requete.value(2).toDouble();
        }
        if (opt.DimCACom) c.ca -= c.commission;
        return c;
    };
    const Chiffres an = chiffres(annee);
    const Chiffres m = chiffres(mois);
    t.CAAn = an.ca;
    t.DejaPAn = an.dejaPaye;
    t.ComAn = an.commission;
    t.CAMois = m.ca;
    t.DejaPMois = m.dejaPaye;
    t.ComMois = m.commission;
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
