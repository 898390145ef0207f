// The reservation editor: what typing, choosing and the buttons do, and the recomputation of
// the price.

#include "reservations/screens/TCadreReserv.h"

#include "app/Dialogues.h"
#include "app/Erreur.h"
#include "app/Horloge.h"
#include "reservations/LignesSejour.h"
#include "reservations/screens/ChampsSaisie.h"
#include "reservations/screens/GrillesLignes.h"
#include "store/AccesDonnees.h"
#include "store/DMVelorin.h"
#include "store/Dialecte.h"

#include <QCheckBox>
#include <QComboBox>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSet>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QTimer>
#include <QToolButton>

#include <set>

namespace velorin {

namespace {

// The longest remark the reservation row holds.
constexpr int longueurRemarque = 250;

} // namespace

void TCadreReserv::connecter()
{
    const auto modification = [this] { marquerModifiee(); };
    connect(edNom_, &QLineEdit::textEdited, this, &TCadreReserv::nomsTapes);
    connect(edPrenom_, &QLineEdit::textEdited, this, &TCadreReserv::nomsTapes);
    connect(btnRechercherHote_, &QToolButton::clicked, this, &TCadreReserv::rechercherHote);
    connect(edNbPers_, &QLineEdit::textEdited, this, modification);
    connect(edHeureArr_, &QLineEdit::textEdited, this, modification);
    connect(edHeureDep_, &QLineEdit::textEdited, this, modification);
    connect(edDateDeb_, &ChampDate::dateModifiee, this, &TCadreReserv::dateDebModifiee);
    connect(edDateFin_, &ChampDate::dateModifiee, this, &TCadreReserv::dateFinModifiee);
    connect(cbEtat_, &QComboBox::activated, this, modification);
    connect(edRemarques_, &QPlainTextEdit::textChanged, this, [this] {
        if (edRemarques_->toPlainText().size() > longueurRemarque) {
            QString texte = edRemarques_->toPlainText();
            texte.truncate(longueurRemarque);
            edRemarques_->setPlainText(texte);
            edRemarques_->moveCursor(QTextCursor::End);
        }
        marquerModifiee();
    });

    connect(btnAjouterHebergement_, &QPushButton::clicked, this, &TCadreReserv::ajouterHebergement);
    connect(btnSupprimerHebergement_, &QPushButton::clicked, this, &TCadreReserv::supprimerHebergement);
    connect(listeHebergements_, &QTableWidget::itemSelectionChanged, this, &TCadreReserv::selectionHebergementsChangee);
    connect(cbTarif_, &QComboBox::activated, this, &TCadreReserv::changerTarif);

    connect(btnAjouterRepas_, &QPushButton::clicked, this, &TCadreReserv::ajouterRepas);
    connect(btnSupprimerRepas_, &QPushButton::clicked, this, &TCadreReserv::supprimerRepas);
    connect(btnDetailRepas_, &QToolButton::clicked, this, &TCadreReserv::detailRepas);
    connect(btnAjouterPrestation_, &QPushButton::clicked, this, &TCadreReserv::ajouterPrestation);
    connect(btnSupprimerPrestation_, &QPushButton::clicked, this, &TCadreReserv::supprimerPrestation);
    connect(btnDetailPrestation_, &QToolButton::clicked, this, &TCadreReserv::detailPrestation);
    for (ModeleLignesSejour* modele : {modeleRepas_, modelePrestations_})
        connect(modele, &ModeleLignesSejour::ligneModifiee, this, [this] {
            marquerModifiee();
            RecalculerTotal();
        });

    connect(edRemise_, &QLineEdit::textEdited, this, [this](const QString& texte) {
        marquerModifiee();
        if (!texte.trimmed().isEmpty() && lireNombre(texte)) RecalculerTotal();
    });
    connect(cbTypeRemise_, &QComboBox::activated, this, [this] {
        marquerModifiee();
        RecalculerTotal();
    });
    connect(cbAvecArrhes_, &QCheckBox::clicked, this, [this] {
        marquerModifiee();
        RecalculerTotal();
    });
    connect(edAcompte_, &QLineEdit::textEdited, this, modification);
    connect(cbCommission_, &QComboBox::activated, this, [this] {
        marquerModifiee();
        RecalculerTotal();
    });
    connect(edMontantCom_, &QLineEdit::textEdited, this, modification);
    connect(edDateEdition_, &ChampDate::dateModifiee, this, modification);
    connect(edDateConfirmation_, &ChampDate::dateModifiee, this, modification);
    connect(btnDetailTTC_, &QToolButton::clicked, this, &TCadreReserv::detailTotal);
    connect(btnPaiements_, &QPushButton::clicked, this, &TCadreReserv::SaisirPaiements);
}

void TCadreReserv::marquerModifiee()
{
    if (!chargement_) modifiee_ = true;
}

// ---------------------------------------------------------------------------------------------
// Guest

int TCadreReserv::etatParDefaut() const
{
    return dm_.options().memoire().ModeReserv == EtatReservation::Reserve ? EtatReservation::Reserve
                                                                          : EtatReservation::Option;
}

int TCadreReserv::etatChoisi() const
{
    return cbEtat_->currentIndex();
}

void TCadreReserv::nomsTapes()
{
    if (chargement_) return;
    marquerModifiee();
    if (edNom_->text().isEmpty() && edPrenom_->text().isEmpty())
        cbEtat_->setCurrentIndex(EtatReservation::Libre);
    else if (!EtatReservation::occupe(etatChoisi()))
        // A firm booking whose name is being corrected keeps its state.
        cbEtat_->setCurrentIndex(etatParDefaut());
}

void TCadreReserv::afficherHote(int idContact)
{
    QString nom = edNom_->text();
    QString prenom = edPrenom_->text();
    if (dm_.contacts().NomPrenomContact(idContact, nom, prenom)) {
        if (nom != edNom_->text() || prenom != edPrenom_->text()) marquerModifiee();
        edNom_->setText(nom);
        edPrenom_->setText(prenom);
    }
    edLangue_->setText(dm_.contacts().LangueContact(idContact));
}

void TCadreReserv::rechercherHote()
{
    const QString nom = edNom_->text().trimmed();
    const QString prenom = edPrenom_->text().trimmed();
    const auto choisi = [this](int idContact) {
        if (idContact < 0) return;
        afficherHote(idContact);
        marquerModifiee();
        if (!EtatReservation::occupe(etatChoisi())) cbEtat_->setCurrentIndex(etatParDefaut());
    };
    if (nom.isEmpty() && prenom.isEmpty()) {
        choisi(choisirHote ? choisirHote(QString(), QString()) : -1);
        return;
    }
    const int existant = dm_.contacts().ContactParNom(nom, prenom);
    if (existant != -1) {
        if (modifierHote) modifierHote(existant);
        afficherHote(existant);
        return;
    }
    // No guest of that name: the guest screens offer those near it, or to create one.
    choisi(choisirHote ? choisirHote(nom, prenom) : -1);
}

// ---------------------------------------------------------------------------------------------
// Dates

QList<QDate> TCadreReserv::joursSejour() const
{
    QList<QDate> jours;
    const QDate deb = edDateDeb_->valeur();
    const QDate fin = edDateFin_->valeur();
    if (!deb.isValid() || !fin.isValid()) return jours;
    for (QDate jour = deb; jour <= fin; jour = jour.addDays(1)) jours.append(jour);
    return jours;
}

int TCadreReserv::nombreNuits() const
{
    const QDate deb = edDateDeb_->valeur();
    const QDate fin = edDateFin_->valeur();
    if (!deb.isValid() || !fin.isValid() || fin < deb) return 1;
    return static_cast<int>(deb.daysTo(fin)) + 1;
}

int TCadreReserv::nombrePersonnes() const
{
    bool ok = false;
    const int n = edNbPers_->text().trimmed().toInt(&ok);
    return ok ? n : 0;
}

void TCadreReserv::dateDebModifiee()
{
    if (chargement_) return;
    marquerModifiee();
    datesModifiees();
}

void TCadreReserv::dateFinModifiee()
{
    if (chargement_) return;
    marquerModifiee();
    const QDate deb = edDateDeb_->valeur();
    const QDate fin = edDateFin_->valeur();
    if (deb.isValid() && fin.isValid() && fin < deb) {
        dialogues_.avertissement(u"La date de fin ne peut pas être antérieure à la date de début."_qs);
        edDateFin_->setFocus();
        return;
    }
    datesModifiees();
}

void TCadreReserv::datesModifiees()
{
    const QDate deb = edDateDeb_->valeur();
    const QDate fin = edDateFin_->valeur();
    // The meal grid's days follow the dates by themselves (joursSejour).
    if (!deb.isValid() || !fin.isValid() || fin < deb) return;
    tariferToutesLesLignes();
}

void TCadreReserv::tariferToutesLesLignes()
{
    // Each line, from the last to the first, is given the tariff the new dates offer it.
    for (int i = static_cast<int>(lignes_.size()) - 1; i >= 0; --i) {
        {
            const QSignalBlocker blocage(listeHebergements_);
            listeHebergements_->clearSelection();
            listeHebergements_->selectRow(i);
        }
        choisirTarifLigne(i, true);
    }
    {
        const QSignalBlocker blocage(listeHebergements_);
        listeHebergements_->clearSelection();
    }
    {
        const QSignalBlocker blocage(cbTarif_);
        cbTarif_->clear();
    }
    ligneTarif_ = -1;
    // The stay's length also counts in the commission.
    RecalculerTotal();
}

// ---------------------------------------------------------------------------------------------
// Accommodation lines and their tariff

void TCadreReserv::selectionHebergementsChangee()
{
    if (chargement_) return;
    QList<int> selectionnees;
    for (const QModelIndex& index : listeHebergements_->selectionModel()->selectedRows())
        selectionnees.append(index.row());
    if (selectionnees.isEmpty()) {
        const QSignalBlocker blocage(cbTarif_);
        cbTarif_->clear();
        ligneTarif_ = -1;
        return;
    }
    const int courante = listeHebergements_->currentRow();
    choisirTarifLigne(selectionnees.contains(courante) ? courante : selectionnees.last(), false);
}

void TCadreReserv::choisirTarifLigne(int ligne, bool forcer)
{
    if (ligne < 0 || ligne >= lignes_.size()) return;
    ligneTarif_ = ligne;
    const QDate deb = edDateDeb_->valeur();
    const QDate fin = edDateFin_->valeur();
    const bool datesValides = deb.isValid() && fin.isValid() && fin >= deb;
    QStringList offerts;
    if (datesValides)
        offerts = Tarification::trierTarifs(dm_.tarification().TarifsPossibles(lignes_.at(ligne).idPrest, deb, fin));
    const QString choisi = Tarification::choisirTarif(offerts, lignes_.at(ligne).ligne.Tarif);
    {
        const QSignalBlocker blocage(cbTarif_);
        cbTarif_->clear();
        cbTarif_->addItems(offerts);
        cbTarif_->setCurrentIndex(choisi.isEmpty() ? -1 : cbTarif_->findText(choisi));
    }
    if (!datesValides) return;
    if (offerts.isEmpty()) dialogues_.avertissement(Tarification::messageAucunTarif());

    // Choosing a line already priced with its tariff changes nothing; new dates always re-price.
    bool change = forcer;
    for (const QModelIndex& index : listeHebergements_->selectionModel()->selectedRows()) {
        const TLigneHebergement& l = lignes_.at(index.row()).ligne;
        if (l.Tarif != choisi || !l.AvecPrix) change = true;
    }
    if (change) changerTarif();
}

void TCadreReserv::changerTarif()
{
    if (chargement_) return;
    const QString choisi = cbTarif_->currentIndex() >= 0 ? cbTarif_->currentText() : QString();
    const QDate deb = edDateDeb_->valeur();
    const QDate fin = edDateFin_->valeur();
    try {
        if (!choisi.isEmpty() && dm_.tarification().TarifAvecRepas(choisi)) {
            if (deb.isValid() && fin.isValid())
                dm_.lignesSejour().CreerRepasDemiPension(cleLignesPourEcrire(), nombrePersonnes(), fin, deb);
        } else {
            dm_.lignesSejour().SupprimerRepasDemiPension(cleLignes());
        }
    } catch (const std::exception& e) {
        dialogues_.erreur(u"Erreur lors de la mise à jour des repas de la demi-pension : "_qs + texteErreur(e));
    }
    rechargerRepas();
    marquerModifiee();
    RecalculerTotal();
}

void TCadreReserv::ajouterHebergement()
{
    const int idPrest = choisirArticle ? choisirArticle(TypePrestation::Hebergement) : -1;
    if (idPrest < 0) return;
    const QString nom = dm_.acces().ChercherNom(QStringLiteral("Prestation"), idPrest);
    if (nom.isEmpty()) return;
    bool present = false;
    for (const LigneHeb& l : lignes_) present = present || l.ligne.Nom == nom;
    if (!present) {
        LigneHeb nouvelle;
        nouvelle.idPrest = idPrest;
        nouvelle.ligne.Nom = nom;
        lignes_.append(nouvelle);
        const int ligne = static_cast<int>(lignes_.size()) - 1;
        {
            const QSignalBlocker blocage(listeHebergements_);
            listeHebergements_->setRowCount(ligne + 1);
            afficherLigneHebergement(ligne);
            listeHebergements_->clearSelection();
        }
        // Selecting the new line alone gives it its tariff.
        listeHebergements_->setCurrentCell(ligne, 0, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    }
    marquerModifiee();
    RecalculerTotal();
}

void TCadreReserv::supprimerHebergement()
{
    const int ligne = listeHebergements_->currentRow();
    if (ligne < 0 || ligne >= lignes_.size()) return;
    lignes_.removeAt(ligne);
    {
        const QSignalBlocker blocage(listeHebergements_);
        listeHebergements_->removeRow(ligne);
        listeHebergements_->clearSelection();
        if (!lignes_.isEmpty())
            listeHebergements_->setCurrentCell(qMax(0, ligne - 1), 0, QItemSelectionModel::NoUpdate);
    }
    {
        const QSignalBlocker blocage(cbTarif_);
        cbTarif_->clear();
    }
    ligneTarif_ = -1;
    marquerModifiee();
    RecalculerTotal();
}

// ---------------------------------------------------------------------------------------------
// Service and meal lines

void TCadreReserv::rechargerPrestations()
{
    grillePrestations_->abandonnerEdition();
    try {
        modelePrestations_->setLignes(dm_.lignesSejour().FiltrerPrestations(cleLignes(), TypePrestation::Prestation));
    } catch (const std::exception& e) {
        dialogues_.erreur(u"Erreur pendant la lecture des prestations de la réservation : "_qs + texteErreur(e));
    }
}

void TCadreReserv::rechargerRepas()
{
    grilleRepas_->abandonnerEdition();
    try {
        modeleRepas_->setLignes(dm_.lignesSejour().FiltrerRepas(cleLignes()));
    } catch (const std::exception& e) {
        dialogues_.erreur(u"Erreur pendant la lecture des repas de la réservation : "_qs + texteErreur(e));
    }
}

bool TCadreReserv::enregistrerLignePrestation(QSqlRecord& ligne)
{
    try {
        dm_.lignesSejour().EnregistrerLignePrestation(ligne);
        return true;
    } catch (const std::exception& e) {
        dialogues_.erreur(u"Erreur lors de l'enregistrement d'une prestation : "_qs + texteErreur(e));
    }
    // Back to what is stored, once the grid is done with the value.
    QTimer::singleShot(0, this, &TCadreReserv::rechargerPrestations);
    return false;
}

bool TCadreReserv::enregistrerLigneRepas(QSqlRecord& ligne)
{
    try {
        dm_.lignesSejour().EnregistrerLigneRepas(ligne);
        return true;
    } catch (const std::exception& e) {
        dialogues_.erreur(u"Erreur lors de l'enregistrement d'un repas : "_qs + texteErreur(e));
    }
    QTimer::singleShot(0, this, &TCadreReserv::rechargerRepas);
    return false;
}

void TCadreReserv::ajouterPrestation()
{
    const int idPrest = choisirArticle ? choisirArticle(TypePrestation::Prestation) : -1;
    if (idPrest < 0) return;
    int identifiant = -1;
    try {
        identifiant = dm_.lignesSejour().AjouterPrestation(
            idPrest, cleLignesPourEcrire(), edDateFin_->valeur(), edDateDeb_->valeur(), nombrePersonnes(), nombreNuits());
    } catch (const std::exception& e) {
        dialogues_.erreur(u"Erreur lors de l'ajout d'une prestation : "_qs + texteErreur(e));
        return;
    }
    rechargerPrestations();
    marquerModifiee();
    RecalculerTotal();
    grillePrestations_->setFocus();
    grillePrestations_->editerLigne(modelePrestations_->ligneDe(identifiant));
}

void TCadreReserv::supprimerPrestation()
{
    const int ligne = grillePrestations_->currentIndex().row();
    if (modelePrestations_->rowCount() == 0 || ligne < 0) return;
    try {
        dm_.lignesSejour().SupprimerLignePrestation(modelePrestations_->identifiant(ligne));
    } catch (const std::exception& e) {
        dialogues_.erreur(u"Erreur lors de la suppression d'une prestation : "_qs + texteErreur(e));
    }
    rechargerPrestations();
    marquerModifiee();
    RecalculerTotal();
}

QDate TCadreReserv::jourRepasUnique() const
{
    const QDate deb = edDateDeb_->valeur();
    const QDate fin = edDateFin_->valeur();
    if (deb == fin) return deb;
    std::set<QDate> pris;
    for (const QSqlRecord& ligne : modeleRepas_->lignes())
        pris.insert(dialecte::lireDate(ligne.value(QStringLiteral("Jour"))));
    QDate jour = qMax(deb, contexte_.services.horloge.aujourdhui());
    if (jour > fin) jour = fin;
    while (jour <= fin && pris.count(jour) > 0) jour = jour.addDays(1);
    return jour > fin ? fin : jour;
}

void TCadreReserv::ajouterRepas()
{
    const QDate deb = edDateDeb_->valeur();
    const QDate fin = edDateFin_->valeur();
    if (!deb.isValid() || !fin.isValid() || fin < deb) {
        dialogues_.avertissement(u"Indiquez d'abord les dates du séjour : un repas est servi un jour du séjour."_qs);
        return;
    }
    const std::optional<ChoixRepas> choix = choisirRepas ? choisirRepas() : std::nullopt;
    if (!choix || choix->idPrest < 0) return;
    const int couverts = nombrePersonnes();
    int identifiant = -1;
    try {
        if (choix->tousLesJours) {
            for (const QDate& jour : joursSejour())
                identifiant = dm_.lignesSejour().AjouterRepas(choix->idPrest, cleLignesPourEcrire(), jour, couverts);
        } else {
            identifiant = dm_.lignesSejour().AjouterRepas(choix->idPrest, cleLignesPourEcrire(), jourRepasUnique(), couverts);
        }
    } catch (const std::exception& e) {
        dialogues_.erreur(u"Erreur lors de l'ajout d'un repas : "_qs + texteErreur(e));
    }
    rechargerRepas();
    marquerModifiee();
    RecalculerTotal();
    grilleRepas_->setFocus();
    grilleRepas_->editerLigne(modeleRepas_->ligneDe(identifiant));
}

void TCadreReserv::supprimerRepas()
{
    const int ligne = grilleRepas_->currentIndex().row();
    if (modeleRepas_->rowCount() == 0 || ligne < 0) return;
    try {
        dm_.lignesSejour().SupprimerLigneRepas(modeleRepas_->identifiant(ligne));
    } catch (const std::exception& e) {
        dialogues_.erreur(u"Erreur lors de la suppression d'un repas : "_qs + texteErreur(e));
    }
    rechargerRepas();
    marquerModifiee();
    RecalculerTotal();
}

void TCadreReserv::detailPrestation()
{
    const int ligne = grillePrestations_->currentIndex().row();
    if (ligne < 0 || !detailPrixLigne) return;
    QSqlRecord enregistrement = modelePrestations_->lignes().at(ligne);
    if (!detailPrixLigne(enregistrement)) return;
    enregistrerLignePrestation(enregistrement);
    rechargerPrestations();
    marquerModifiee();
    RecalculerTotal();
}

void TCadreReserv::detailRepas()
{
    const int ligne = grilleRepas_->currentIndex().row();
    if (ligne < 0 || !detailPrixLigne) return;
    QSqlRecord enregistrement = modeleRepas_->lignes().at(ligne);
    if (!detailPrixLigne(enregistrement)) return;
    enregistrerLigneRepas(enregistrement);
    rechargerRepas();
    marquerModifiee();
    RecalculerTotal();
}

void TCadreReserv::detailTotal()
{
    RecalculerTotal();
    if (detailMontants) detailMontants(totaux_);
}

// ---------------------------------------------------------------------------------------------
// Price

QString TCadreReserv::commissionChoisie() const
{
    return cbCommission_->currentText().trimmed();
}

TDonneesSejour TCadreReserv::donneesSejour() const
{
    TDonneesSejour s;
    QSet<int> selectionnees;
    for (const QModelIndex& index : listeHebergements_->selectionModel()->selectedRows())
        selectionnees.insert(index.row());
    for (int i = 0; i < lignes_.size(); ++i) {
        TLigneHebergement l = lignes_.at(i).ligne;
        l.Selectionnee = selectionnees.contains(i);
        s.Lignes.append(l);
    }
    s.TarifChoisi = cbTarif_->currentIndex() >= 0 ? cbTarif_->currentText() : QString();
    s.Bloquee = verrouillee_;
    s.DateDeb = edDateDeb_->valeur();
    s.DateFin = edDateFin_->valeur();
    s.TypeCom = commissionChoisie();
    s.MontantComSaisi = edMontantCom_->montant();
    s.ValRemise = edRemise_->montant().value_or(0);
    s.TypeRemise = cbTypeRemise_->currentIndex() == 1 ? remise::Pourcentage : remise::Euros;
    s.Prestations = SommePrestations(modelePrestations_->lignes());
    s.Repas = SommeRepas(modeleRepas_->lignes());
    s.AvecAcompte = cbAvecArrhes_->isChecked();
    s.AcompteAffiche = edAcompte_->montant();
    s.DejaPaye = edDejaPaye_->montant();
    return s;
}

void TCadreReserv::RecalculerTotal()
{
    if (chargement_) return;
    const QDate deb = edDateDeb_->valeur();
    const QDate fin = edDateFin_->valeur();
    // Without a stay there is nothing to price yet.
    if (!deb.isValid() || !fin.isValid() || fin < deb) return;
    const TTotalSejour total = dm_.tarification().CalculerTotalSejour(donneesSejour());
    if (total.Lignes.size() != lignes_.size()) return; // failed, and shown
    for (int i = 0; i < lignes_.size(); ++i) {
        lignes_[i].ligne = total.Lignes.at(i);
        lignes_[i].ligne.Selectionnee = false;
        afficherLigneHebergement(i);
    }
    if (edRemise_->text().trimmed().isEmpty()) edRemise_->setText(QStringLiteral("0"));
    edPrixTotal_->setMontant(total.Montants.Total);
    edDontTVA_->setMontant(total.Montants.TVA1 + total.Montants.TVA2);
    edAcompte_->setMontant(total.Acompte);
    if (total.ResteDu) edResteDu_->setMontant(*total.ResteDu);
    edMontantCom_->setMontant(total.MontantCom);
    totaux_ = total.Montants;
    avantRemise_ = total.AvantRemise;
    modifiee_ = true;
}

} // namespace velorin
