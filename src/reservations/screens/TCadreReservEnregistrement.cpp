// The reservation editor: opening and closing a reservation, its checks before saving, the
// save itself and the payment entry.

#include "reservations/screens/TCadreReserv.h"

#include "app/DatesFr.h"
#include "app/Dialogues.h"
#include "app/Erreur.h"
#include "app/Horloge.h"
#include "catalogue/CalculsSejour.h"
#include "reservations/LignesSejour.h"
#include "reservations/screens/ChampsSaisie.h"
#include "reservations/screens/GrillesLignes.h"
#include "store/AccesDonnees.h"
#include "store/DMVelorin.h"
#include "store/Dialecte.h"
#include "ui/MessagesFenetre.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScopeGuard>

namespace velorin {

// ---------------------------------------------------------------------------------------------
// Opening and closing

void TCadreReserv::NouvelleReservation(const QDate& dateDeb, const QDate& dateFin, const QList<int>& hebergements)
{
    oublierLignesSaisies();
    afficherReservationVide();
    chargement_ = true;
    for (const int idPrest : hebergements) {
        const QString nom = dm_.acces().ChercherNom(QStringLiteral("Prestation"), idPrest);
        bool present = nom.isEmpty();
        for (const LigneHeb& l : lignes_) present = present || l.idPrest == idPrest;
        if (present) continue;
        LigneHeb ligne;
        ligne.idPrest = idPrest;
        ligne.ligne.Nom = nom;
        lignes_.append(ligne);
    }
    afficherLignesHebergement();
    edDateDeb_->setValeur(dateDeb);
    edDateFin_->setValeur(dateFin);
    edHeureArr_->setHeure(dm_.options().memoire().HeureArr);
    edHeureDep_->setHeure(dm_.options().memoire().HeureDep);
    chargement_ = false;
    datesModifiees();
    // Prepared, not typed: closing it untouched saves nothing.
    modifiee_ = false;
}

void TCadreReserv::ReservationVide()
{
    oublierLignesSaisies();
    afficherReservationVide();
}

bool TCadreReserv::OuvrirReservation(int identifiant)
{
    oublierLignesSaisies();
    const TReservation r = dm_.reservations().ChargerReservation(identifiant);
    if (r.Identifiant == -1) {
        afficherReservationVide();
        return false;
    }
    AfficherReservation(r);
    return true;
}

int TCadreReserv::cleLignes() const
{
    return reservation_ > 0 ? reservation_ : cleSaisie_;
}

int TCadreReserv::cleLignesPourEcrire()
{
    if (reservation_ > 0) return reservation_;
    // Taken with the first line, so that merely browsing the planning writes nothing.
    if (cleSaisie_ == 0) cleSaisie_ = dm_.lignesSejour().NouvelleCleSaisie();
    return cleSaisie_;
}

void TCadreReserv::oublierLignesSaisies()
{
    try {
        dm_.lignesSejour().SupprimerRepasTemporaires(cleSaisie_ != 0 ? cleSaisie_ : -1);
        cleSaisie_ = 0;
    } catch (const std::exception& e) {
        dialogues_.erreur(u"Erreur lors de la suppression des repas non enregistrés : "_qs + texteErreur(e));
    }
}

bool TCadreReserv::EnregistrerSiModifiee()
{
    if (!modifiee_) return true;
    return ValiderReservation() && EnregistrerSaisie();
}

bool TCadreReserv::Fermer()
{
    if (!EnregistrerSiModifiee()) return false;
    emit fermee();
    return true;
}

void TCadreReserv::Abandonner()
{
    // Lines of a reservation that will not be saved would be attached to the next one.
    if (reservation_ == -1) oublierLignesSaisies();
    modifiee_ = false;
    emit fermee();
}

// ---------------------------------------------------------------------------------------------
// Checking

bool TCadreReserv::ValiderReservation()
{
    RecalculerTotal();
    // Each reason starts on a new line, as the availability check writes its own.
    QString raisons;
    const auto raison = [&raisons](const QString& texte) { raisons += u"\n"_qs + texte; };

    const QDate deb = edDateDeb_->valeur();
    const QDate fin = edDateFin_->valeur();
    if (deb.isValid() && fin.isValid() && fin < deb)
        raison(u"- la date de début doit être antérieure à la date de fin"_qs);
    else if (!deb.isValid() || !fin.isValid())
        raison(u"- les deux dates de début et de fin doivent être renseignées"_qs);
    // A time typed halfway cannot be read: say so rather than lose it.
    if (!edHeureArr_->estVide() && !edHeureArr_->heure().isValid())
        raison(u"- l'heure d'arrivée doit être saisie sous la forme HH:MM"_qs);
    if (!edHeureDep_->estVide() && !edHeureDep_->heure().isValid())
        raison(u"- l'heure de départ doit être saisie sous la forme HH:MM"_qs);

    const int etat = etatChoisi();
    const bool occupe = EtatReservation::occupe(etat);
    edNom_->setText(edNom_->text().trimmed());
    edPrenom_->setText(edPrenom_->text().trimmed());
    QString nom = edNom_->text();
    QString prenom = edPrenom_->text();
    int hote = -1;
    if (!nom.isEmpty() || !prenom.isEmpty()) {
        hote = dm_.contacts().ContactParNom(nom, prenom);
        if (hote == -1 && occupe) {
            const bool cree = dialogues_.question(u"Cet hôte n'existe pas, voulez-vous le créer ?"_qs) && creerHote
                && creerHote(nom, prenom);
            if (!cree) {
                raison(u"- Vous avez renoncé à créer l'hôte inconnu"_qs);
            } else {
                edNom_->setText(nom);
                edPrenom_->setText(prenom);
                hote = dm_.contacts().ContactParNom(nom, prenom);
                if (hote != -1) edLangue_->setText(dm_.contacts().LangueContact(hote));
            }
        }
    } else if (occupe) {
        raison(u"- vous devez renseigner le nom ou le prénom de l'hôte."_qs);
    }

    if (lignes_.isEmpty()) raison(u"- Vous devez sélectionner au moins un hébergement"_qs);
    if (etat < 0) raison(u"- Vous devez sélectionner un type de réservation"_qs);

    if (occupe) {
        if (edNbPers_->text().trimmed().isEmpty()) edNbPers_->setText(QStringLiteral("0"));
        bool entier = false;
        edNbPers_->text().trimmed().toInt(&entier);
        if (!entier) raison(u"- Le nombre de personnes indiqué n'est pas numérique."_qs);
    } else {
        edNbPers_->setText(QStringLiteral("0"));
    }

    if (raisons.isEmpty()) {
        for (const LigneHeb& l : lignes_) {
            dm_.reservations().VerifierDisponibilite(l.idPrest, hote, raisons, fin, deb, etat);
            if (!occupe) continue;
            if (l.ligne.Tarif.isEmpty())
                raison(u"- Vous n'avez pas sélectionné de tarif pour l'hébergement "_qs + l.ligne.Nom);
            if (!l.ligne.AvecPrix)
                raison(u"- Le prix du tarif pour l'hébergement "_qs + l.ligne.Nom + u" est indéfini."_qs);
        }
    }

    if (deb.isValid() && fin.isValid()) {
        for (const QSqlRecord& repas : modeleRepas_->lignes()) {
            const QDate jour = dialecte::lireDate(repas.value(QStringLiteral("Jour")));
            if (!jour.isValid() || jour < deb || jour > fin)
                raison(
                    u"- Le repas saisi le "_qs + dates::courte(jour) + u" ne correspond pas aux dates du séjour."_qs);
        }
    }

    for (SaisieMontant* champ : {edPrixTotal_, edAcompte_, edDejaPaye_})
        if (champ->text().trimmed().isEmpty()) champ->setText(QStringLiteral("0"));
    const double total = round2(edPrixTotal_->montant().value_or(0));
    if (const auto paye = edDejaPaye_->montant()) {
        if (round2(*paye) > total) raison(u"- Le montant déjà payé ne peut pas être supérieur au prix total."_qs);
    } else {
        raison(u"- Le prix déjà payé n'est pas numérique."_qs);
    }
    if (const auto acompte = edAcompte_->montant()) {
        if (round2(*acompte) > total) raison(u"- Le montant des arrhes ne peut pas être supérieur au prix total."_qs);
    } else {
        raison(u"- Le prix des arrhes n'est pas numérique."_qs);
    }

    if (raisons.isEmpty()) return true;
    dialogues_.avertissement(u"La réservation ne peut pas être enregistrée pour les raisons suivantes : "_qs + raisons);
    return false;
}

// ---------------------------------------------------------------------------------------------
// Saving

TReservation TCadreReserv::reservationEcran()
{
    TReservation r;
    r.Identifiant = reservation_;
    if (reservation_ <= 0 && cleSaisie_ != 0) r.CleLignes = cleSaisie_;
    r.Nom = edNom_->text().trimmed();
    r.Prenom = edPrenom_->text().trimmed();
    r.DateDeb = edDateDeb_->valeur();
    r.DateFin = edDateFin_->valeur();
    r.HeureArr = edHeureArr_->heure();
    r.HeureDep = edHeureDep_->heure();
    if (edDateSaisie_->estVide()) edDateSaisie_->setValeur(contexte_.services.horloge.aujourdhui());
    r.DateSaisie = edDateSaisie_->valeur();
    r.DateRecContrat = edDateConfirmation_->valeur();
    r.DateEnvContrat = edDateEdition_->valeur();
    r.Remarque = edRemarques_->toPlainText();
    r.IdContact = r.Nom.isEmpty() && r.Prenom.isEmpty() ? -1 : dm_.contacts().ContactParNom(r.Nom, r.Prenom);
    r.Etat = etatChoisi();
    r.NbPers = nombrePersonnes();
    r.AvecAcompte = cbAvecArrhes_->isChecked();
    r.montants = totaux_;

    Tarification& tarification = dm_.tarification();
    const int nuits = nombreNuits();
    for (const LigneHeb& l : lignes_) {
        const int idTarif = l.ligne.Tarif.isEmpty() ? -1 : tarification.IdentifiantTarif(l.ligne.Tarif);
        // A locked reservation keeps the night prices it was stored with.
        const TNuitee nuit = r.Etat == EtatReservation::Fermee ? TNuitee{}
            : verrouillee_                                     ? calculs::nuitee(idTarif, l.ligne.Prix, nuits)
                           : tarification.PrixParNuit(idTarif, l.idPrest, r.DateDeb, r.DateFin, r.Etat);
        LigneHebergement h;
        h.IdPrest = l.idPrest;
        h.IdTarif = nuit.IdTarif;
        h.PrixUnit = nuit.PrixUnit;
        h.HT1 = nuit.HT1;
        h.HT2 = nuit.HT2;
        h.TVA1 = nuit.TVA1;
        h.TVA2 = nuit.TVA2;
        h.TTC1 = nuit.TTC1;
        h.TTC2 = nuit.TTC2;
        r.hebergements.append(h);
    }

    r.ValRemise = edRemise_->montant().value_or(0);
    r.TypeRemise = cbTypeRemise_->currentIndex() == 1 ? remise::Pourcentage : remise::Euros;
    r.remise = Tarification::RepartirRemise(totaux_, avantRemise_, r.ValRemise, r.TypeRemise);
    r.montants.Total = edPrixTotal_->montant().value_or(totaux_.Total);
    r.Acompte = edAcompte_->montant().value_or(0);
    r.DejaPaye = edDejaPaye_->montant().value_or(0);
    const QString commission = commissionChoisie();
    r.IdCom = commission.isEmpty() ? -1 : dm_.acces().ChercherIdentifiant(commission, QStringLiteral("TypeCom"));
    if (edMontantCom_->text().trimmed().isEmpty()) edMontantCom_->setMontant(0);
    r.MontantCom = edMontantCom_->montant().value_or(0);
    r.IdReg = idReg_;
    return r;
}

bool TCadreReserv::EnregistrerSaisie()
{
    // A screen told of the save by the main window may call back while it runs.
    if (enregistrement_) return false;
    enregistrement_ = true;
    const auto fin = qScopeGuard([this] { enregistrement_ = false; });

    if (etatChoisi() == EtatReservation::Libre) {
        const int supprimee = reservation_;
        if (!dm_.reservations().SupprimerReservation(supprimee)) return false;
        // A new entry saved as free leaves nothing behind either.
        if (supprimee <= 0) oublierLignesSaisies();
        afficherReservationVide();
        envoyerMessage(contexte_.fenetrePrincipale, WMActualiserPlanning);
        if (supprimee > 0) emit reservationSupprimee(supprimee);
        return true;
    }

    RecalculerTotal();
    TReservation r = reservationEcran();
    // The changes stay marked until they are stored.
    if (!dm_.reservations().EnregistrerReservation(r)) return false;
    modifiee_ = false;
    cleSaisie_ = 0; // its lines now belong to the reservation
    const TReservation relue = dm_.reservations().ChargerReservation(r.Identifiant);
    if (relue.Identifiant != -1)
        AfficherReservation(relue);
    else
        reservation_ = r.Identifiant;
    envoyerMessage(contexte_.fenetrePrincipale, WMActualiserPlanning);
    emit reservationEnregistree(r.Identifiant);
    return true;
}

// ---------------------------------------------------------------------------------------------
// Payments

void TCadreReserv::SaisirPaiements()
{
    if (!saisirPaiements) return;
    if (edPrixTotal_->text().trimmed().isEmpty()) {
        dialogues_.information(u"Vous n'avez pas encore saisi le prix de la réservation, vous ne pouvez pas saisir "
                               u"des paiements."_qs);
        return;
    }
    // The ledger names a stored reservation: a new or changed one is saved first.
    if (reservation_ == -1 || modifiee_) {
        if (!ValiderReservation() || !EnregistrerSaisie() || reservation_ == -1) return;
    }
    const auto dejaPaye = edDejaPaye_->montant();
    const double propose
        = dejaPaye && *dejaPaye != 0 ? edResteDu_->montant().value_or(0) : edAcompte_->montant().value_or(0);
    const std::optional<double> paye = saisirPaiements(reservation_, propose);
    if (!paye) return;
    edDejaPaye_->setMontant(*paye);
    edResteDu_->setMontant(round2(edPrixTotal_->montant().value_or(0) - *paye));
    if (*paye > 0) {
        if (etatChoisi() == EtatReservation::Option) cbEtat_->setCurrentIndex(EtatReservation::Reserve);
        if (edDateConfirmation_->estVide()) edDateConfirmation_->setValeur(contexte_.services.horloge.aujourdhui());
    }
    modifiee_ = true;
    EnregistrerSaisie();
}

} // namespace velorin
