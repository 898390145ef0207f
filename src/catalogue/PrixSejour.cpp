// The price of a stay and its deposit: the part of Tarification the reservation editor drives.

#include "catalogue/Tarification.h"

#include "app/Dialogues.h"
#include "app/Erreur.h"
#include "catalogue/LignesTable.h"
#include "store/AccesDonnees.h"
#include "store/BaseDonnees.h"
#include "store/DMCommun.h"
#include "store/Options.h"

#include <QSqlQuery>

#include <algorithm>

namespace velorin {

namespace {

// Nights from the first to the last night; throws for dates that make no stay.
int nombreNuits(const QDate& dateDeb, const QDate& dateFin) {
    if (!dateDeb.isValid() || !dateFin.isValid())
        throw Erreur(u"Les dates du séjour ne sont pas indiquées."_qs);
    if (dateFin < dateDeb) throw Erreur(u"La date de fin du séjour précède sa date de début."_qs);
    return static_cast<int>(dateDeb.daysTo(dateFin)) + 1;
}

TMontantsTVA montants(const QSqlQuery& requete) {
    TMontantsTVA m;
    m.HT1 = requete.value(u"HT1"_qs).toDouble();
    m.HT2 = requete.value(u"HT2"_qs).toDouble();
    m.TVA1 = requete.value(u"TVA1"_qs).toDouble();
    m.TVA2 = requete.value(u"TVA2"_qs).toDouble();
    m.TTC1 = requete.value(u"TTC1"_qs).toDouble();
    m.TTC2 = requete.value(u"TTC2"_qs).toDouble();
    return m;
}

} // namespace

QStringList Tarification::TarifsPossibles(int idPrest, const QDate& dateDeb, const QDate& dateFin) {
    return operationSignalee(dialogues(), u"Erreur pendant la recherche du tarif"_qs, QStringList(), [&] {
        const int nuits = nombreNuits(dateDeb, dateFin);
        const QVariant simple = base().valeur(
            QStringLiteral("SELECT TarifSimple FROM prestation WHERE Identifiant = ?"), {idPrest});
        if (lignes::booleen(simple)) return QStringList{tarifSimple()};
        // The week-day flags of the types play no part; a stay over two periods is offered
        // the tariffs of both.
        QSqlQuery requete =
            base().executer(QStringLiteral("SELECT TT.Nom FROM Tarifs T, TypeTarif TT "
                                           "WHERE T.IdPrest = :IdPrest "
                                           "AND T.IdTarif = TT.Identifiant "
                                           "AND T.Applicable <> 0 "
                                           "AND ((TT.Per_Deb <= :Debut AND TT.Per_Fin >= :Debut) "
                                           "  OR (TT.Per_Deb <= :Fin AND TT.Per_Fin >= :Fin)) "
                                           "AND TT.NbJours <= :Nuits "
                                           "ORDER BY TT.Nom"),
                            QVariantMap{{u"IdPrest"_qs, idPrest},
                                        {u"Debut"_qs, lignes::dateIso(dateDeb)},
                                        {u"Fin"_qs, lignes::dateIso(dateFin)},
                                        {u"Nuits"_qs, nuits}});
        QStringList noms;
        while (requete.next())
            noms.append(requete.value(0).toString());
        return noms;
    });
}

QStringList Tarification::trierTarifs(QStringList offerts) {
    std::stable_sort(offerts.begin(), offerts.end(), [](const QString& a, const QString& b) {
        return a.compare(b, Qt::CaseInsensitive) < 0;
    });
    return offerts;
}

QString Tarification::choisirTarif(const QStringList& offertsTries, const QString& tarifActuel) {
    if (!tarifActuel.isEmpty()) return offertsTries.contains(tarifActuel) ? tarifActuel : QString();
    return offertsTries.isEmpty() ? QString() : offertsTries.first();
}

QString Tarification::messageAucunTarif() {
    return u"Aucun tarif n'a été trouvé pour les dates mentionnées."_qs + u"\n"_qs +
           u"Vérifiez dans le menu Paramétrages / Types de tarifs les dates de fin de validité des types de tarifs."_qs +
           u"\n"_qs +
           u"Vérifiez également pour chaque hébergement, qu'au moins un type de tarif lui est applicable "
           u"(dans le "
           u"menu Paramétrages / Hébergements)"_qs;
}

int Tarification::IdentifiantTarif(const QString& nom) {
    if (nom == tarifSimple()) return -1;
    return acces_.ChercherIdentifiant(nom, u"TypeTarif"_qs);
}

TMontantsTVA Tarification::prixSejour(int idTarif, int idPrest, const QDate& dateDeb, const QDate& dateFin) {
    const int nuits = nombreNuits(dateDeb, dateFin);
    QSqlQuery requete =
        idTarif < 0
            ? base().executer(
                  QStringLiteral("SELECT 1 AS NbJours, SansTVA, Prix, HT1, HT2, TVA1, TVA2, TTC1, TTC2 "
                                 "FROM prestation WHERE Identifiant = ?"),
                  {idPrest})
            : base().executer(
                  QStringLiteral("SELECT TT.NbJours, P.SansTVA, T.Prix, T.HT1, T.HT2, T.TVA1, T.TVA2, "
                                 "T.TTC1, T.TTC2 "
                                 "FROM Tarifs T, TypeTarif TT, prestation P "
                                 "WHERE T.IdTarif = TT.Identifiant AND T.IdPrest = ? AND T.IdTarif = ? "
                                 "AND P.Identifiant = T.IdPrest "
                                 "ORDER BY T.Identifiant"),
                  {idPrest, idTarif});
    if (!requete.next()) return {};
    TMontantsTVA tarif = montants(requete);
    tarif.Total = requete.value(u"Prix"_qs).toDouble();
    return calculs::prixProrata(tarif, requete.value(u"NbJours"_qs).toInt(), nuits,
                                lignes::booleen(requete.value(u"SansTVA"_qs)));
}

TMontantsTVA Tarification::PrixSejour(int idTarif, int idPrest, const QDate& dateDeb, const QDate& dateFin) {
    return operationSignalee(dialogues(), u"Erreur pendant la recherche du prix"_qs, TMontantsTVA(),
                             [&] { return prixSejour(idTarif, idPrest, dateDeb, dateFin); });
}

TMontantsTVA Tarification::prixPlanning(int idTarif, int idPrest, const QDate& dateDeb,
                                        const QDate& dateFin) {
    QSqlQuery requete = base().executer(
        QStringLiteral("SELECT SUM(PrixUnit) AS PU, SUM(HT1) AS HT1, SUM(HT2) AS HT2, SUM(TVA1) AS TVA1, "
                       "SUM(TVA2) AS TVA2, SUM(TTC1) AS TTC1, SUM(TTC2) AS TTC2 "
                       "FROM Planning WHERE IdPrest = :IdPrest AND IdTarif = :IdTarif "
                       "AND Jour >= :Deb AND Jour <= :Fin"),
        QVariantMap{{u"IdPrest"_qs, idPrest},
                    {u"IdTarif"_qs, idTarif},
                    {u"Deb"_qs, lignes::dateIso(dateDeb)},
                    {u"Fin"_qs, lignes::dateIso(dateFin)}});
    if (!requete.next()) return {};
    TMontantsTVA r = montants(requete);
    r.Total = r.TTC1 + r.TTC2;
    return r;
}

TMontantsTVA Tarification::PrixPlanning(int idTarif, int idPrest, const QDate& dateDeb,
                                        const QDate& dateFin) {
    return operationSignalee(dialogues(), u"Erreur pendant la recherche du prix dans le planning"_qs,
                             TMontantsTVA(),
                             [&] { return prixPlanning(idTarif, idPrest, dateDeb, dateFin); });
}

TNuitee Tarification::PrixParNuit(int idTarif, int idPrest, const QDate& dateDeb, const QDate& dateFin,
                                  int etat) {
    if (etat == 0) return TNuitee{};
    return operationSignalee(dialogues(), u"Erreur pendant la recherche du prix"_qs, TNuitee{}, [&] {
        return calculs::nuitee(idTarif, prixSejour(idTarif, idPrest, dateDeb, dateFin),
                               nombreNuits(dateDeb, dateFin));
    });
}

TCommission Tarification::TypeCommission(const QString& nom) {
    if (nom.isEmpty()) return {};
    return operationSignalee(
        dialogues(), u"Erreur lors de la recherche du type de commission"_qs, TCommission{}, [&] {
            QSqlQuery requete = base().executer(
                QStringLiteral("SELECT ModeCalc, ValeurCalc FROM TypeCom WHERE Nom = ? ORDER BY Identifiant"),
                {nom});
            if (!requete.next()) {
                dialogues().avertissement(u"Le type de commission "_qs + nom +
                                          u" n'a pas été trouvé dans la table."_qs);
                return TCommission{};
            }
            // Empty columns read as 0.
            return TCommission{requete.value(0).toInt(), requete.value(1).toDouble()};
        });
}

TTotalSejour Tarification::CalculerTotalSejour(const TDonneesSejour& sejour) {
    return operationSignalee(dialogues(), u"Erreur lors du calcul du prix du séjour"_qs, TTotalSejour{}, [&] {
        TTotalSejour resultat;
        resultat.Lignes = sejour.Lignes;
        const TCommission commission = TypeCommission(sejour.TypeCom);
        const int nuits = nombreNuits(sejour.DateDeb, sejour.DateFin);

        TMontantsTVA t;
        for (TLigneHebergement& ligne : resultat.Lignes) {
            if (ligne.Selectionnee) ligne.Tarif = sejour.TarifChoisi;
            if (ligne.Tarif.isEmpty()) {
                // No tariff yet (none was offered): the line counts as zero until it gets one.
                if (ligne.Selectionnee) {
                    ligne.Prix = TMontantsTVA{};
                    ligne.AvecPrix = false;
                }
                continue;
            }
            const int idTarif = IdentifiantTarif(ligne.Tarif);
            const int idPrest = acces_.ChercherIdentifiant(ligne.Nom, Catalogue::table());
            const TMontantsTVA prix = sejour.Bloquee
                                          ? prixPlanning(idTarif, idPrest, sejour.DateDeb, sejour.DateFin)
                                          : prixSejour(idTarif, idPrest, sejour.DateDeb, sejour.DateFin);
            if (ligne.Selectionnee) {
                ligne.Prix = prix;
                ligne.AvecPrix = true;
            }
            if (ligne.AvecPrix) t += prix;
        }

        resultat.MontantCom =
            calculs::commissionHebergement(commission, sejour.MontantComSaisi, nuits, t.Total);
        t += sejour.Prestations;
        t += sejour.Repas;
        t.Total = round2(t.Total);
        resultat.AvantRemise = t;
        t = calculs::appliquerRemise(t, sejour.ValRemise, sejour.TypeRemise);
        resultat.Montants = t;

        if (options_.memoire().montantFixeParDefaut && sejour.AvecAcompte && sejour.AcompteAffiche)
            resultat.Acompte = *sejour.AcompteAffiche; // a fixed deposit stays as typed
        else
            resultat.Acompte = CalculerAcompte(sejour.AvecAcompte, t.Total);
        if (sejour.DejaPaye) resultat.ResteDu = round2(t.Total - *sejour.DejaPaye);
        if (commission.ModeCalc == 4) resultat.MontantCom = calculs::commissionSurTotal(commission, t.Total);
        return resultat;
    });
}

TMontantsTVA Tarification::RepartirRemise(const TMontantsTVA& total, const TMontantsTVA& avantRemise,
                                          double valRemise, int typeRemise) {
    return calculs::repartirRemise(total, avantRemise, valRemise, typeRemise);
}

double Tarification::CalculerAcompte(bool avecAcompte, double total) {
    if (!avecAcompte) return 0;
    const Options options = options_.lire();
    ReglesAcompte regles;
    regles.montantFixe = options_.memoire().montantFixeParDefaut;
    regles.ArrhesDefaut = options.ArrhesDefaut;
    regles.PourcentAcompte = options.PourcentAcompte;
    regles.ArrondiAcompte = options.ArrondiAcompte;
    return calculs::calculerAcompte(regles, avecAcompte, total);
}

bool Tarification::AcompteParDefaut() {
    return options_.lire().AvecAcompte;
}

} // namespace velorin
