#include "settings/screens/TFrmOptions.h"

#include "app/Dialogues.h"
#include "app/Reglages.h"
#include "settings/LanguesDocuments.h"
#include "store/DMCommun.h"
#include "store/DMVelorin.h"
#include "ui/EditHeure.h"
#include "ui/EditNombre.h"
#include "ui/MessagesFenetre.h"
#include "ui/PanneauDegrade.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace velorin {

namespace {

QCheckBox* caseACocher(const QString& texte, const QString& nom, QWidget* parent)
{
    auto* c = new QCheckBox(texte, parent);
    c->setObjectName(nom);
    return c;
}

// A group of radio buttons numbered from 0, laid one under the other (or side by side).
QGroupBox* groupe(const QString& titre, const QString& nom, const QStringList& choix, const QString& prefixe,
    QButtonGroup*& boutons, QWidget* parent, bool horizontal = false)
{
    auto* boite = new QGroupBox(titre, parent);
    boite->setObjectName(nom);
    QBoxLayout* disposition = horizontal ? static_cast<QBoxLayout*>(new QHBoxLayout(boite))
                                         : static_cast<QBoxLayout*>(new QVBoxLayout(boite));
    disposition->setSpacing(horizontal ? 24 : 4);
    boutons = new QButtonGroup(boite);
    for (int i = 0; i < choix.size(); ++i) {
        auto* bouton = new QRadioButton(choix.at(i), boite);
        bouton->setObjectName(prefixe + QString::number(i));
        boutons->addButton(bouton, i);
        disposition->addWidget(bouton);
    }
    if (horizontal) disposition->addStretch(1);
    return boite;
}

void choisir(QButtonGroup* boutons, int id)
{
    if (QAbstractButton* bouton = boutons->button(id)) bouton->setChecked(true);
}

// The button chosen, or the value kept when none is.
int choix(const QButtonGroup* boutons, int garde)
{
    return boutons->checkedId() >= 0 ? boutons->checkedId() : garde;
}

QComboBox* liste(const QStringList& elements, const QString& nom, QWidget* parent)
{
    auto* l = new QComboBox(parent);
    l->setObjectName(nom);
    l->addItems(elements);
    return l;
}

QLabel* texte(const QString& contenu, QWidget* parent)
{
    auto* l = new QLabel(contenu, parent);
    l->setWordWrap(false);
    return l;
}

QSpinBox* compteur(const QString& nom, int minimum, int maximum, QWidget* parent)
{
    auto* s = new QSpinBox(parent);
    s->setObjectName(nom);
    s->setRange(minimum, maximum);
    return s;
}

const QStringList choixRemplissage{QStringLiteral("Vide"), u"Nom et prénom"_qs, u"Dates du séjour"_qs};

} // namespace

TFrmOptions::TFrmOptions(ContexteEcrans& contexte, QWidget* parent)
    : T_FrmSaisieStd(contexte, parent)
{
    setWindowTitle(QStringLiteral("Options"));
    auto* principale = new QVBoxLayout(centre());
    principale->setContentsMargins(10, 10, 10, 6);
    pages_ = new QTabWidget(centre());
    pages_->setObjectName(QStringLiteral("Pages"));
    pages_->setDocumentMode(false);
    pages_->tabBar()->setExpanding(false);
    principale->addWidget(pages_);
    construireAffichage();
    construireReservations();
    construireSauvegardes();
    construireTVA();
    // The network page exists only on a network installation; elsewhere nothing of it is
    // read or written.
    if (reseau()) construireReseau();
    pages_->setCurrentIndex(0);
    charger();
    etatsDependants();
    resize(820, 720);
}

QWidget* TFrmOptions::page(const QString& onglet, const QString& titre, const QString& nom)
{
    auto* conteneur = new QWidget;
    conteneur->setObjectName(nom);
    auto* disposition = new QVBoxLayout(conteneur);
    disposition->setContentsMargins(0, 0, 0, 0);
    disposition->setSpacing(0);
    auto* bandeau = new PanneauDegrade(conteneur);
    bandeau->setObjectName(QStringLiteral("Titre") + nom);
    auto* titreBandeau = new QHBoxLayout(bandeau);
    titreBandeau->setContentsMargins(12, 6, 12, 6);
    auto* libelle = new QLabel(titre, bandeau);
    QFont police = libelle->font();
    police.setBold(true);
    police.setPointSizeF(police.pointSizeF() * 1.25);
    libelle->setFont(police);
    titreBandeau->addWidget(libelle);
    disposition->addWidget(bandeau);
    auto* defilement = new QScrollArea(conteneur);
    defilement->setWidgetResizable(true);
    defilement->setFrameShape(QFrame::NoFrame);
    auto* contenu = new QWidget(defilement);
    contenu->setObjectName(QStringLiteral("Contenu") + nom);
    defilement->setWidget(contenu);
    defilement->viewport()->setAutoFillBackground(false);
    contenu->setAutoFillBackground(false);
    disposition->addWidget(defilement, 1);
    pages_->addTab(conteneur, onglet);
    return contenu;
}

void TFrmOptions::construireAffichage()
{
    QWidget* contenu = page(QStringLiteral("Affichage"), QStringLiteral("Affichage"), QStringLiteral("PageAffichage"));
    auto* d = new QVBoxLayout(contenu);
    d->setContentsMargins(14, 12, 14, 12);
    d->setSpacing(8);
    cbOuvrirPlanning_ = caseACocher(
        u"Afficher le planning à l'ouverture du programme"_qs, QStringLiteral("cbOuvrirPlanning"), contenu);
    d->addWidget(cbOuvrirPlanning_);
    d->addWidget(groupe(u"Premier jour affiché dans le planning : "_qs, QStringLiteral("PanelModeAffPlan"),
        {QStringLiteral("La veille du jour"), QStringLiteral("Le premier jour du mois")},
        QStringLiteral("rbModeAffPlan"), rgModeAffPlan_, contenu, true));
    cbAffRepas_ = caseACocher(u"Afficher les informations sur les repas dans les différents écrans"_qs,
        QStringLiteral("cbAffRepas"), contenu);
    cbAffCA_ = caseACocher(
        u"Afficher les informations sur le chiffre d'affaires sur le planning"_qs, QStringLiteral("cbAffCA"), contenu);
    d->addWidget(cbAffRepas_);
    d->addWidget(cbAffCA_);
    QGroupBox* modeCA = groupe(u"Mode de calcul du Chiffre d'Affaires (planning et bilan d'activité)"_qs,
        QStringLiteral("PanelModeCalcCA"),
        {u"Somme des totaux des réservations datées au dernier jour du séjour"_qs,
            u"Somme des totaux des réservations datées au premier jour du séjour"_qs,
            u"Somme des recettes saisies "_qs},
        QStringLiteral("rbModeCalcCA"), rgModeCalcCA_, contenu);
    modeCA->setToolTip(u"Détermine comment le CA affiché dans la planning est calculé"_qs);
    d->addWidget(modeCA);
    cbCAAvecRes_
        = caseACocher(u"Dans les deux premiers cas, ne pas inclure les options de réservation dans le calcul"_qs,
            QStringLiteral("cbCAAvecRes"), contenu);
    cbDimCACom_ = caseACocher(u"Dans les deux premiers cas, diminuer le C.A. des commissions à verser"_qs,
        QStringLiteral("cbDimCACom"), contenu);
    d->addWidget(cbCAAvecRes_);
    d->addWidget(cbDimCACom_);
    d->addSpacing(8);
    d->addWidget(
        texte(u"Pour le calcul du nombre de nuitées (dans le bilan d'activité et sur le planning)"_qs, contenu));
    cbTxOccFerme_ = caseACocher(u"Diminuer le nombre de nuitées possible du nombre de nuitées fermées"_qs,
        QStringLiteral("cbTxOccFerme"), contenu);
    d->addWidget(cbTxOccFerme_);
    d->addStretch(1);
}

void TFrmOptions::construireReservations()
{
    QWidget* contenu = page(QStringLiteral("Reservations"), u"Réservations"_qs, QStringLiteral("PageReservations"));
    auto* d = new QVBoxLayout(contenu);
    d->setContentsMargins(14, 12, 14, 12);
    d->setSpacing(8);

    // The deposit.
    cbAvecAcompte_ = caseACocher(
        u"Demander le versement d'une somme lors de la réservation"_qs, QStringLiteral("cbAvecAcompte"), contenu);
    d->addWidget(cbAvecAcompte_);
    auto* acompte = new QHBoxLayout;
    acompte->setContentsMargins(20, 0, 0, 0);
    acompte->setSpacing(10);
    panelAcompteArrhes_ = groupe(u"Cette somme constitue : "_qs, QStringLiteral("PanelAcompteArrhes"),
        {QStringLiteral("Un acompte"), QStringLiteral("Des arrhes")}, QStringLiteral("rbAcompteArrhes"),
        rgAcompteArrhes_, contenu);
    acompte->addWidget(panelAcompteArrhes_);
    panelModeArrhes_ = new QGroupBox(u"Mode de calcul : "_qs, contenu);
    panelModeArrhes_->setObjectName(QStringLiteral("PanelModeArrhes"));
    auto* mode = new QGridLayout(panelModeArrhes_);
    mode->setVerticalSpacing(4);
    rgModeArrhes_ = new QButtonGroup(panelModeArrhes_);
    auto* pourcentage = new QRadioButton(u"Pourcentage du montant de la réservation"_qs, panelModeArrhes_);
    pourcentage->setObjectName(QStringLiteral("rbModeArrhes0"));
    auto* libre = new QRadioButton(u"Montant libre proposé par défaut à"_qs, panelModeArrhes_);
    libre->setObjectName(QStringLiteral("rbModeArrhes1"));
    rgModeArrhes_->addButton(pourcentage, 0);
    rgModeArrhes_->addButton(libre, 1);
    edPourcentAcompte_ = new EditNombre(panelModeArrhes_);
    edPourcentAcompte_->setObjectName(QStringLiteral("edPourcentAcompte"));
    edPourcentAcompte_->setMaximumWidth(80);
    edArrhesDefaut_ = new EditNombre(panelModeArrhes_);
    edArrhesDefaut_->setObjectName(QStringLiteral("edArrhesDefaut"));
    edArrhesDefaut_->setMaximumWidth(80);
    mode->addWidget(pourcentage, 0, 0);
    mode->addWidget(edPourcentAcompte_, 0, 1);
    mode->addWidget(texte(QStringLiteral("%"), panelModeArrhes_), 0, 2);
    mode->addWidget(libre, 1, 0);
    mode->addWidget(edArrhesDefaut_, 1, 1);
    mode->addWidget(texte(u"€"_qs, panelModeArrhes_), 1, 2);
    mode->setColumnStretch(3, 1);
    acompte->addWidget(panelModeArrhes_, 1);
    d->addLayout(acompte);
    auto* arrondi = new QHBoxLayout;
    arrondi->setContentsMargins(20, 0, 0, 0);
    lblArrondi_ = texte(QStringLiteral("Arrondi :"), contenu);
    cbArrondi_ = liste(
        {u"Pas d'arrondi"_qs, u"Euro inférieur"_qs, u"Euro supérieur"_qs}, QStringLiteral("cbArrondi"), contenu);
    lblArrondi_->setBuddy(cbArrondi_);
    arrondi->addWidget(lblArrondi_);
    arrondi->addWidget(cbArrondi_);
    arrondi->addStretch(1);
    d->addLayout(arrondi);

    auto* grille = new QGridLayout;
    grille->setHorizontalSpacing(10);
    grille->setVerticalSpacing(8);
    int ligne = 0;
    // Invoice numbers.
    auto* facture = new QHBoxLayout;
    facture->setSpacing(8);
    facture->addWidget(texte(u"Numéro de facture :"_qs, contenu));
    edNumFac_ = compteur(QStringLiteral("edNumFac"), 0, 999999999, contenu);
    edNumFac_->setToolTip(u"prochain numéro"_qs);
    facture->addWidget(edNumFac_);
    facture->addWidget(texte(u"prochain numéro"_qs, contenu));
    facture->addSpacing(16);
    facture->addWidget(texte(QStringLiteral("Format"), contenu));
    edFormatNumFac_ = new QLineEdit(contenu);
    edFormatNumFac_->setObjectName(QStringLiteral("edFormatNumFac"));
    edFormatNumFac_->setMaxLength(50);
    edFormatNumFac_->setToolTip(
        u"Le format du numéro de facture doit contenir au moins <#N#> pour figurer le numéro. Dautres indicateurs "
        u"comme <#M#> pour le mois ou <#AAAA#> pour l'année peuvent le compléter. "_qs);
    facture->addWidget(edFormatNumFac_, 1);
    grille->addLayout(facture, ligne++, 0, 1, 2);

    grille->addWidget(
        texte(u"Lors de l'envoi du contrat ou de la facture par mail (à partir de l'aperçu) : "_qs, contenu), ligne++,
        0, 1, 2);
    cbEnrPDF_ = caseACocher(
        u"Enregistrer le fichier PDF du contrat ou de la facture"_qs, QStringLiteral("cbEnrPDF"), contenu);
    cbAffPDF_
        = caseACocher(u"Afficher le fichier PDF du contrat ou de la facture"_qs, QStringLiteral("cbAffPDF"), contenu);
    grille->addWidget(cbEnrPDF_, ligne, 0);
    grille->addWidget(cbAffPDF_, ligne++, 1);

    auto* blocage = new QHBoxLayout;
    lblDateBloquee_ = texte(u"Empêcher toute modification aux réservations antérieures au : "_qs, contenu);
    edDateBloquee_ = new QDateEdit(contenu);
    edDateBloquee_->setObjectName(QStringLiteral("edDateBloquee"));
    edDateBloquee_->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    edDateBloquee_->setCalendarPopup(true);
    lblDateBloquee_->setBuddy(edDateBloquee_);
    blocage->addWidget(lblDateBloquee_);
    blocage->addWidget(edDateBloquee_);
    blocage->addStretch(1);
    grille->addLayout(blocage, ligne++, 0, 1, 2);
    cbBloqueFact_ = caseACocher(u"Empêcher aussi toute modification aux réservations déjà facturées"_qs,
        QStringLiteral("cbBloqueFact"), contenu);
    grille->addWidget(cbBloqueFact_, ligne++, 0, 1, 2);

    // Receipts entered from a reservation.
    grille->addWidget(texte(u"Lors de la saisie des recettes de la réservation :"_qs, contenu), ligne++, 0, 1, 2);
    auto* recettes = new QGridLayout;
    recettes->setContentsMargins(20, 0, 0, 0);
    cbRecRempLib_ = liste(choixRemplissage, QStringLiteral("cbRecRempLib"), contenu);
    cbRecRempNat_ = liste(choixRemplissage, QStringLiteral("cbRecRempNat"), contenu);
    recettes->addWidget(texte(u"- proposer dans le libellé"_qs, contenu), 0, 0);
    recettes->addWidget(cbRecRempLib_, 0, 1);
    recettes->addWidget(texte(QStringLiteral("- proposer dans la nature"), contenu), 1, 0);
    recettes->addWidget(cbRecRempNat_, 1, 1);
    cbRecMontantAuto_ = caseACocher(
        u"proposer le montant des arrhes, puis le montant restant dû"_qs, QStringLiteral("cbRecMontantAuto"), contenu);
    recettes->addWidget(cbRecMontantAuto_, 2, 0, 1, 2);
    recettes->setColumnStretch(2, 1);
    grille->addLayout(recettes, ligne++, 0, 1, 2);

    grille->addWidget(
        groupe(u"Type de réservation à la création"_qs, QStringLiteral("PanelModeReserv"),
            {QStringLiteral("Option"), u"Réservé"_qs}, QStringLiteral("rbModeReserv"), rgModeReserv_, contenu, true),
        ligne++, 0, 1, 2);

    auto* heures = new QHBoxLayout;
    heures->setSpacing(8);
    auto* lblArrivee = texte(u"Heure normale d'arrivée :"_qs, contenu);
    edHeureArr_ = new EditHeure(contenu);
    edHeureArr_->setObjectName(QStringLiteral("edHeureArr"));
    edHeureArr_->setToolTip(u"indiquez l'heure habituelle d'arrivée de vos hôtes"_qs);
    lblArrivee->setBuddy(edHeureArr_);
    auto* lblDepart = texte(u"et de départ :"_qs, contenu);
    edHeureDep_ = new EditHeure(contenu);
    edHeureDep_->setObjectName(QStringLiteral("edHeureDep"));
    edHeureDep_->setToolTip(u"indiquez l'heure habituelle de départ de vos hôtes"_qs);
    lblDepart->setBuddy(edHeureDep_);
    heures->addWidget(lblArrivee);
    heures->addWidget(edHeureArr_);
    heures->addSpacing(12);
    heures->addWidget(lblDepart);
    heures->addWidget(edHeureDep_);
    heures->addStretch(1);
    grille->addLayout(heures, ligne++, 0, 1, 2);

    auto* langue = new QHBoxLayout;
    auto* lblLangue = texte(u"Langue par défaut :"_qs, contenu);
    cbLangueDef_ = new QComboBox(contenu);
    cbLangueDef_->setObjectName(QStringLiteral("cbLangueDef"));
    cbLangueDef_->setMinimumContentsLength(6);
    lblLangue->setBuddy(cbLangueDef_);
    langue->addWidget(lblLangue);
    langue->addWidget(cbLangueDef_);
    langue->addStretch(1);
    grille->addLayout(langue, ligne++, 0, 1, 2);

    auto* milieu = new QHBoxLayout;
    cbMilieuSej_
        = caseACocher(u"Montrer le milieu du séjour lorsqu'il dépasse"_qs, QStringLiteral("cbMilieuSej"), contenu);
    edMilieuSej_ = compteur(QStringLiteral("edMilieuSej"), 2, 100, contenu);
    milieu->addWidget(cbMilieuSej_);
    milieu->addWidget(edMilieuSej_);
    milieu->addWidget(texte(QStringLiteral("jours"), contenu));
    milieu->addStretch(1);
    grille->addLayout(milieu, ligne++, 0, 1, 2);
    grille->setColumnStretch(1, 1);
    d->addSpacing(4);
    d->addLayout(grille);
    d->addStretch(1);

    connect(cbAvecAcompte_, &QCheckBox::toggled, this, &TFrmOptions::etatsDependants);
    connect(cbMilieuSej_, &QCheckBox::toggled, this, &TFrmOptions::etatsDependants);
}

void TFrmOptions::construireSauvegardes()
{
    QWidget* contenu = page(
        QStringLiteral("Sauvegardes"), QStringLiteral("Sauvegarde automatique"), QStringLiteral("PageSauvegardes"));
    auto* d = new QVBoxLayout(contenu);
    d->setContentsMargins(14, 12, 14, 12);
    d->setSpacing(10);
    cbFaireSauvegarde_ = caseACocher(u"Effectuer une sauvegarde automatique à l'ouverture du programme :"_qs,
        QStringLiteral("cbFaireSauvegarde"), contenu);
    d->addWidget(cbFaireSauvegarde_);
    auto* frequence = new QHBoxLayout;
    frequence->setContentsMargins(20, 0, 0, 0);
    edNbJours_ = compteur(QStringLiteral("edNbJours"), 1, 100, contenu);
    edNbFic_ = compteur(QStringLiteral("edNbFic"), 1, 100, contenu);
    frequence->addWidget(texte(QStringLiteral("tous les "), contenu));
    frequence->addWidget(edNbJours_);
    frequence->addWidget(texte(QStringLiteral("jours, et conserver les "), contenu));
    frequence->addWidget(edNbFic_);
    frequence->addWidget(texte(u"dernières sauvegardes automatiques"_qs, contenu));
    frequence->addStretch(1);
    d->addLayout(frequence);
    d->addWidget(texte(u"Dossier où seront sauvegardés les fichiers de sauvegarde :"_qs, contenu));
    auto* dossier = new QHBoxLayout;
    edRepDest_ = new QLineEdit(contenu);
    edRepDest_->setObjectName(QStringLiteral("edRepDest"));
    btnRepDest_ = new QToolButton(contenu);
    btnRepDest_->setObjectName(QStringLiteral("BtnRepDest"));
    btnRepDest_->setIcon(style()->standardIcon(QStyle::SP_DirOpenIcon));
    btnRepDest_->setToolTip(u"Sélection du dossier des sauvegardes automatiques"_qs);
    dossier->addWidget(edRepDest_, 1);
    dossier->addWidget(btnRepDest_);
    d->addLayout(dossier);
    cbSauverFermeture_ = caseACocher(u"Effectuer aussi une sauvegarde à chaque fermeture du programme"_qs,
        QStringLiteral("cbSauverFermeture"), contenu);
    d->addWidget(cbSauverFermeture_);
    d->addStretch(1);
    connect(cbFaireSauvegarde_, &QCheckBox::toggled, this, &TFrmOptions::etatsDependants);
    connect(btnRepDest_, &QToolButton::clicked, this, &TFrmOptions::choisirDossierSauvegarde);
}

void TFrmOptions::construireTVA()
{
    QWidget* contenu = page(QStringLiteral("TVA"), QStringLiteral("Taux de TVA"), QStringLiteral("PageTVA"));
    auto* d = new QVBoxLayout(contenu);
    d->setContentsMargins(14, 12, 14, 12);
    d->setSpacing(10);
    d->addWidget(texte(u"Saisissez les deux taux de TVA auxquels votre établissement est soumis :"_qs, contenu));
    auto* grille = new QGridLayout;
    grille->setContentsMargins(20, 0, 0, 0);
    edTaux1_ = new EditNombre(contenu);
    edTaux1_->setObjectName(QStringLiteral("edTaux1"));
    edTaux1_->setMaximumWidth(80);
    edTaux2_ = new EditNombre(contenu);
    edTaux2_->setObjectName(QStringLiteral("edTaux2"));
    edTaux2_->setMaximumWidth(80);
    grille->addWidget(texte(QStringLiteral("Taux 1 :"), contenu), 0, 0);
    grille->addWidget(edTaux1_, 0, 1);
    grille->addWidget(texte(QStringLiteral("%"), contenu), 0, 2);
    grille->addWidget(texte(QStringLiteral("Taux 2 : "), contenu), 1, 0);
    grille->addWidget(edTaux2_, 1, 1);
    grille->addWidget(texte(QStringLiteral("%"), contenu), 1, 2);
    grille->setColumnStretch(3, 1);
    d->addLayout(grille);
    d->addStretch(1);
}

void TFrmOptions::construireReseau()
{
    QWidget* contenu = page(u"Réseau"_qs, u"Réseau"_qs, QStringLiteral("PageReseau"));
    pageReseau_ = contenu;
    auto* d = new QVBoxLayout(contenu);
    d->setContentsMargins(14, 12, 14, 12);
    d->setSpacing(10);
    d->addWidget(texte(u"Dossier des données sur le réseau :"_qs, contenu));
    edDossierReseau_ = new QLineEdit(contenu);
    edDossierReseau_->setObjectName(QStringLiteral("edDossierReseau"));
    edDossierReseau_->setReadOnly(true);
    d->addWidget(edDossierReseau_);
    auto* bouton = new QPushButton(u"Modification du chemin des données réseau"_qs, contenu);
    bouton->setObjectName(QStringLiteral("BtnDossierReseau"));
    auto* ligne = new QHBoxLayout;
    ligne->addWidget(bouton);
    ligne->addStretch(1);
    d->addLayout(ligne);
    d->addStretch(1);
    connect(bouton, &QPushButton::clicked, this, &TFrmOptions::choisirDossierReseau);
}

void TFrmOptions::charger()
{
    GestionOptions& gestion = contexte().velorin.options();
    options_ = gestion.creerSiAbsent();
    const Options& o = options_;

    cbOuvrirPlanning_->setChecked(o.OuvrirPlanning);
    choisir(rgModeAffPlan_, o.ModeAffPlan);
    cbAffRepas_->setChecked(o.AffRepas);
    cbAffCA_->setChecked(o.AffCA);
    choisir(rgModeCalcCA_, o.ModeCalcCA);
    cbCAAvecRes_->setChecked(o.CAAvecRes);
    cbDimCACom_->setChecked(o.DimCACom);
    cbTxOccFerme_->setChecked(o.TxOccFerme);

    cbAvecAcompte_->setChecked(o.AvecAcompte);
    choisir(rgAcompteArrhes_, o.AcompteArrhes ? 0 : 1);
    choisir(rgModeArrhes_, o.ModeArrhes);
    edPourcentAcompte_->setValeur(o.PourcentAcompte);
    edArrhesDefaut_->setValeur(o.ArrhesDefaut);
    cbArrondi_->setCurrentIndex(o.ArrondiAcompte >= 0 && o.ArrondiAcompte <= 2 ? o.ArrondiAcompte : 0);
    edNumFac_->setValue(o.NumFac);
    edFormatNumFac_->setText(o.FormatNumFac);
    cbEnrPDF_->setChecked(o.EnrPDF);
    cbAffPDF_->setChecked(o.AffPDF);
    // The blocking date is shown only once one was set.
    const bool bloquee = o.DateBloquee.isValid();
    lblDateBloquee_->setVisible(bloquee);
    edDateBloquee_->setVisible(bloquee);
    if (bloquee) edDateBloquee_->setDate(o.DateBloquee);
    cbBloqueFact_->setChecked(o.BloqueFact);
    cbRecRempLib_->setCurrentIndex(o.RecRempLib >= 0 && o.RecRempLib <= 2 ? o.RecRempLib : 0);
    cbRecRempNat_->setCurrentIndex(o.RecRempNat >= 0 && o.RecRempNat <= 2 ? o.RecRempNat : 0);
    cbRecMontantAuto_->setChecked(o.RecMontantAuto);
    choisir(rgModeReserv_, o.ModeReserv == 3 ? 1 : 0);
    edHeureArr_->setHeure(o.HeureArr);
    edHeureDep_->setHeure(o.HeureDep);
    QStringList langues = languesDocuments(commun().dossierDonnees());
    // A stored language keeps its place even when its folder is gone.
    if (!o.LangueDef.isEmpty() && !langues.contains(o.LangueDef, Qt::CaseInsensitive)) langues.append(o.LangueDef);
    if (o.LangueDef.isEmpty()) langues.prepend(QString());
    cbLangueDef_->addItems(langues);
    for (int i = 0; i < langues.size(); ++i)
        if (langues.at(i).compare(o.LangueDef, Qt::CaseInsensitive) == 0) cbLangueDef_->setCurrentIndex(i);
    cbMilieuSej_->setChecked(o.MilieuSej >= 3);
    edMilieuSej_->setValue(qBound(2, o.MilieuSej, 100));

    InfoIni& info = commun().info();
    cbFaireSauvegarde_->setChecked(info.faireSauvegarde());
    const int nbJours = info.nbJours(7);
    const int nbFic = info.nbFic(4);
    edNbJours_->setValue(nbJours > 0 ? nbJours : 7);
    edNbFic_->setValue(nbFic > 0 ? nbFic : 4);
    edRepDest_->setText(QDir::toNativeSeparators(info.repDest()));
    cbSauverFermeture_->setChecked(info.sauverFermeture());

    edTaux1_->setValeur(o.Taux1);
    edTaux2_->setValeur(o.Taux2);

    if (pageReseau_) {
        edDossierReseau_->setText(QDir::toNativeSeparators(info.dossierReseau()));
        frequence_ = info.frequence();
    }
}

void TFrmOptions::etatsDependants()
{
    const bool acompte = cbAvecAcompte_->isChecked();
    for (QWidget* w : {static_cast<QWidget*>(panelAcompteArrhes_), static_cast<QWidget*>(panelModeArrhes_),
             static_cast<QWidget*>(lblArrondi_), static_cast<QWidget*>(cbArrondi_)})
        w->setEnabled(acompte);
    edMilieuSej_->setEnabled(cbMilieuSej_->isChecked());
    edNbJours_->setEnabled(cbFaireSauvegarde_->isChecked());
    edNbFic_->setEnabled(cbFaireSauvegarde_->isChecked());
}

void TFrmOptions::choisirDossierSauvegarde()
{
    const QString dossier
        = dialogues().choisirDossier(u"Sélectionnez le dossier de destination des sauvegardes automatiques"_qs,
            QDir::fromNativeSeparators(edRepDest_->text()));
    if (!dossier.isEmpty()) edRepDest_->setText(QDir::toNativeSeparators(dossier));
}

void TFrmOptions::choisirDossierReseau()
{
    const QString dossier = velorin::choisirDossierReseau(commun().info(), dialogues());
    if (dossier.isEmpty()) return;
    edDossierReseau_->setText(QDir::toNativeSeparators(dossier));
    dialogues().information(u"Le changement de dossier de données ne prendra effet que lorsque vous aurez redémarré "
                            u"le programme.\nIl est donc conseillé de fermer le programme au plus vite."_qs);
}

bool TFrmOptions::refuser(QWidget* controle, const QString& message)
{
    for (int i = 0; i < pages_->count(); ++i)
        if (pages_->widget(i)->isAncestorOf(controle)) pages_->setCurrentIndex(i);
    dialogues().avertissement(message);
    controle->setFocus(Qt::OtherFocusReason);
    return false;
}

bool TFrmOptions::Valider()
{
    Options o = options_;
    QStringList colonnes;
    const auto nombre = [&](EditNombre* edit, double& cible, const char* colonne) {
        bool ok = false;
        const QVariant valeur = edit->valeur(&ok);
        if (!ok) return refuser(edit, u"« %1 » n'est pas un nombre valide."_qs.arg(edit->text()));
        cible = valeur.toDouble();
        colonnes.append(QString::fromLatin1(colonne));
        return true;
    };
    const auto heure = [&](EditHeure* edit, QTime& cible, const char* colonne) {
        bool ok = false;
        const QTime valeur = edit->heure(&ok);
        if (!ok) return refuser(edit, u"« %1 » n'est pas une heure valide."_qs.arg(edit->displayText()));
        cible = valeur;
        colonnes.append(QString::fromLatin1(colonne));
        return true;
    };
    if (!nombre(edPourcentAcompte_, o.PourcentAcompte, "PourcentAcompte")
        || !nombre(edArrhesDefaut_, o.ArrhesDefaut, "ArrhesDefaut") || !nombre(edTaux1_, o.Taux1, "Taux1")
        || !nombre(edTaux2_, o.Taux2, "Taux2") || !heure(edHeureArr_, o.HeureArr, "HeureArr")
        || !heure(edHeureDep_, o.HeureDep, "HeureDep"))
        return false;
    const QString format = edFormatNumFac_->text().trimmed();
    if (!format.isEmpty() && !format.contains(QStringLiteral("<#N#>")))
        return refuser(edFormatNumFac_,
            u"Le format du numéro de facture doit contenir au moins <#N#> pour figurer "
            u"le numéro."_qs);

    o.OuvrirPlanning = cbOuvrirPlanning_->isChecked();
    o.ModeAffPlan = choix(rgModeAffPlan_, o.ModeAffPlan);
    o.AffRepas = cbAffRepas_->isChecked();
    o.AffCA = cbAffCA_->isChecked();
    o.ModeCalcCA = choix(rgModeCalcCA_, o.ModeCalcCA);
    o.CAAvecRes = cbCAAvecRes_->isChecked();
    o.DimCACom = cbDimCACom_->isChecked();
    o.TxOccFerme = cbTxOccFerme_->isChecked();
    o.AvecAcompte = cbAvecAcompte_->isChecked();
    o.AcompteArrhes = choix(rgAcompteArrhes_, o.AcompteArrhes ? 0 : 1) == 0;
    o.ModeArrhes = choix(rgModeArrhes_, o.ModeArrhes);
    o.ArrondiAcompte = cbArrondi_->currentIndex();
    o.FormatNumFac = format;
    o.EnrPDF = cbEnrPDF_->isChecked();
    o.AffPDF = cbAffPDF_->isChecked();
    o.BloqueFact = cbBloqueFact_->isChecked();
    o.RecRempLib = cbRecRempLib_->currentIndex();
    o.RecRempNat = cbRecRempNat_->currentIndex();
    o.RecMontantAuto = cbRecMontantAuto_->isChecked();
    o.ModeReserv = rgModeReserv_->checkedId() == 1 ? 3 : 2;
    o.LangueDef = cbLangueDef_->currentText();
    o.MilieuSej = cbMilieuSej_->isChecked() ? edMilieuSej_->value() : 0;
    colonnes += {QStringLiteral("OuvrirPlanning"), QStringLiteral("ModeAffPlan"), QStringLiteral("AffRepas"),
        QStringLiteral("AffCA"), QStringLiteral("ModeCalcCA"), QStringLiteral("CAAvecRes"), QStringLiteral("DimCACom"),
        QStringLiteral("TxOccFerme"), QStringLiteral("AvecAcompte"), QStringLiteral("AcompteArrhes"),
        QStringLiteral("ModeArrhes"), QStringLiteral("ArrondiAcompte"), QStringLiteral("FormatNumFac"),
        QStringLiteral("EnrPDF"), QStringLiteral("AffPDF"), QStringLiteral("BloqueFact"), QStringLiteral("RecRempLib"),
        QStringLiteral("RecRempNat"), QStringLiteral("RecMontantAuto"), QStringLiteral("ModeReserv"),
        QStringLiteral("LangueDef"), QStringLiteral("MilieuSej")};
    // The invoice counter moves on with every invoice: it is written only when changed here,
    // so that a number given meanwhile on another workstation is not handed out again.
    if (edNumFac_->value() != options_.NumFac) {
        o.NumFac = edNumFac_->value();
        colonnes.append(QStringLiteral("NumFac"));
    }
    if (edDateBloquee_->isVisibleTo(this)) {
        o.DateBloquee = edDateBloquee_->date();
        colonnes.append(QStringLiteral("DateBloquee"));
    }
    if (!contexte().velorin.options().enregistrer(o, colonnes)) return false;
    options_ = o;

    InfoIni& info = commun().info();
    info.setFaireSauvegarde(cbFaireSauvegarde_->isChecked());
    info.setNbJours(edNbJours_->value());
    info.setNbFic(edNbFic_->value());
    info.setRepDest(QDir::fromNativeSeparators(edRepDest_->text().trimmed()));
    info.setSauverFermeture(cbSauverFermeture_->isChecked());
    if (pageReseau_) {
        info.setFrequence(frequence_);
        envoyerMessage(contexte().fenetrePrincipale, WMchangementFreq);
    }
    return true;
}

void TFrmOptions::enregistrerFermeture()
{
    T_FrmSaisieStd::enregistrerFermeture();
    contexte().velorin.options().ChargerOptions();
    envoyerMessage(contexte().fenetrePrincipale, WMActualiserPlanning);
}

void TFrmOptions::AppliquerCouleurs()
{
    T_FrmSaisieStd::AppliquerCouleurs();
    // The tabs in the colours of the screens.
    const TCouleurs& valeurs = commun().couleurs();
    QPalette p = pages_->tabBar()->palette();
    for (QPalette::ColorRole role : {QPalette::Window, QPalette::Button})
        p.setColor(role, couleurs::versQColor(valeurs[4]));
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::ButtonText})
        p.setColor(role, couleurs::versQColor(valeurs[6]));
    pages_->tabBar()->setPalette(p);
}

} // namespace velorin
