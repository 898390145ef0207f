// The reservation editor: its controls, their arrangement, and how a reservation is shown.

#include "reservations/screens/TCadreReserv.h"

#include "app/DatesFr.h"
#include "app/Dialogues.h"
#include "app/Horloge.h"
#include "reservations/LignesSejour.h"
#include "reservations/screens/ChampsSaisie.h"
#include "reservations/screens/ChoixParDefaut.h"
#include "reservations/screens/GrillesLignes.h"
#include "store/AccesDonnees.h"
#include "store/DMCommun.h"
#include "store/DMVelorin.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QStyle>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace velorin {

namespace {

QLabel* etiquette(const QString& texte, QWidget* champ, QWidget* parent)
{
    auto* label = new QLabel(texte, parent);
    label->setBuddy(champ);
    return label;
}

// A field the user reads but does not type into: out of the tab order, drawn as text.
void lectureSeule(QLineEdit* champ)
{
    champ->setReadOnly(true);
    champ->setFocusPolicy(Qt::ClickFocus);
    QPalette p = champ->palette();
    p.setColor(QPalette::Base, p.color(QPalette::Window));
    champ->setPalette(p);
}

void largeurCaracteres(QWidget* champ, int caracteres)
{
    const int largeur = champ->fontMetrics().horizontalAdvance(QString(caracteres, QLatin1Char('0'))) + 20;
    champ->setMinimumWidth(largeur);
    champ->setMaximumWidth(largeur * 3 / 2);
}

QHBoxLayout* rangee(std::initializer_list<QWidget*> champs, bool etirer = true)
{
    auto* r = new QHBoxLayout;
    r->setContentsMargins(0, 0, 0, 0);
    r->setSpacing(4);
    for (QWidget* w : champs) r->addWidget(w);
    if (etirer) r->addStretch(1);
    return r;
}

// Fields shown side by side as one.
QWidget* groupe(std::initializer_list<QWidget*> champs, QWidget* parent)
{
    auto* conteneur = new QWidget(parent);
    auto* r = new QHBoxLayout(conteneur);
    r->setContentsMargins(0, 0, 0, 0);
    r->setSpacing(4);
    for (QWidget* w : champs) {
        w->setParent(conteneur);
        r->addWidget(w);
    }
    r->addStretch(1);
    return conteneur;
}

QGridLayout* grillePanneau(QWidget* contenu)
{
    auto* g = new QGridLayout(contenu);
    g->setContentsMargins(8, 6, 8, 8);
    g->setHorizontalSpacing(8);
    g->setVerticalSpacing(6);
    return g;
}

} // namespace

TCadreReserv::TCadreReserv(ContexteEcrans& contexte, QWidget* parent)
    : QWidget(parent)
    , contexte_(contexte)
    , dm_(contexte.velorin)
    , dialogues_(contexte.services.dialogues)
{
    setObjectName(QStringLiteral("TCadreReserv"));
    installerEcransParDefaut();
    construire();
    connecter();
    ordreTabulation();
    ChoisirDisposition(0);
    RemplirListes();
    afficherReservationVide();
}

TCadreReserv::~TCadreReserv() = default;

void TCadreReserv::installerEcransParDefaut()
{
    choisirHote = [this](const QString& nom, const QString& prenom) {
        if (nom.trimmed().isEmpty() && prenom.trimmed().isEmpty()) return -1;
        return dm_.contacts().ContactParNom(nom, prenom);
    };
    modifierHote = [](int) { return false; };
    creerHote = [this](QString& nom, QString& prenom) {
        TContact hote = dm_.contacts().CreerHoteNomme(nom, prenom);
        return hote.Identifiant > 0 && dm_.contacts().EnregistrerContact(hote);
    };
    choisirArticle = [this](int typePrest) { return choixParDefaut::choisirArticle(dm_, typePrest, this); };
    choisirRepas = [this]() { return choixParDefaut::choisirRepas(dm_, this); };
    detailPrixLigne = [this](QSqlRecord& ligne) {
        dialogues_.information(choixParDefaut::texteDetail(ligne));
        return false;
    };
    detailMontants
        = [this](const TMontantsTVA& montants) { dialogues_.information(choixParDefaut::texteDetail(montants)); };
}

// ---------------------------------------------------------------------------------------------
// Construction

void TCadreReserv::construire()
{
    auto* principale = new QVBoxLayout(this);
    principale->setContentsMargins(0, 0, 0, 0);
    principale->setSpacing(4);

    lbVerrou_ = new QLabel(u"Toute modification est impossible, soit car la réservation est déjà facturée, soit car "
                           u"elle est antérieure à la date indiquée dans les options."_qs,
        this);
    lbVerrou_->setObjectName(QStringLiteral("lbVerrou"));
    lbVerrou_->setWordWrap(true);
    lbVerrou_->setMargin(6);
    {
        QFont gras = lbVerrou_->font();
        gras.setBold(true);
        lbVerrou_->setFont(gras);
        QPalette p = lbVerrou_->palette();
        p.setColor(QPalette::WindowText, QColor(0xA0, 0x10, 0x10));
        p.setColor(QPalette::Window, QColor(0xFF, 0xF0, 0xD8));
        lbVerrou_->setPalette(p);
        lbVerrou_->setAutoFillBackground(true);
    }
    lbVerrou_->hide();
    principale->addWidget(lbVerrou_);

    defilement_ = new QScrollArea(this);
    defilement_->setObjectName(QStringLiteral("DefilementReservation"));
    defilement_->setWidgetResizable(true);
    defilement_->setFrameShape(QFrame::NoFrame);
    page_ = new QWidget(defilement_);
    page_->setObjectName(QStringLiteral("PageReservation"));
    defilement_->setWidget(page_);
    principale->addWidget(defilement_, 1);

    panneauHote_ = new PanneauRepliable(u"Réservation pour"_qs, QStringLiteral("PanelReservationPour"), page_);
    construirePanneauHote();
    panneauHebergements_ = new PanneauRepliable(u"Hébergements"_qs, QStringLiteral("PanelHebergements"), page_);
    construirePanneauHebergements();
    panneauRepas_ = new PanneauRepliable(u"Repas"_qs, QStringLiteral("PanelRepas"), page_);
    construirePanneauRepas();
    panneauPrestations_ = new PanneauRepliable(u"Autres prestations"_qs, QStringLiteral("PanelPrestations"), page_);
    construirePanneauPrestations();
    panneauContrat_ = new PanneauRepliable(u"Contrat de réservation, prix"_qs, QStringLiteral("PanelContrat"), page_);
    construirePanneauContrat();
}

QWidget* TCadreReserv::construirePanneauHote()
{
    QWidget* c = panneauHote_->contenu();
    QGridLayout* g = grillePanneau(c);

    edNom_ = new QLineEdit(c);
    edNom_->setObjectName(QStringLiteral("edNom"));
    edNom_->setToolTip(u"Nom de l'hôte"_qs);
    edPrenom_ = new QLineEdit(c);
    edPrenom_->setObjectName(QStringLiteral("edPrenom"));
    edPrenom_->setToolTip(u"Prénom de l'hôte"_qs);
    for (QLineEdit* e : {edNom_, edPrenom_}) {
        e->setMaxLength(50);
        e->setMinimumWidth(e->fontMetrics().horizontalAdvance(QStringLiteral("M")) * 9);
    }
    btnRechercherHote_ = new QToolButton(c);
    btnRechercherHote_->setObjectName(QStringLiteral("BtnRechercherHote"));
    btnRechercherHote_->setText(u"Rechercher…"_qs);
    btnRechercherHote_->setToolTip(u"Rechercher un hôte ou modifier un hôte existant"_qs);

    edNbPers_ = new SaisieEntier(c);
    edNbPers_->setObjectName(QStringLiteral("edNbPers"));
    edNbPers_->setToolTip(u"Nombre de personnes de la réservation"_qs);
    edNbPers_->setMaxLength(4);
    largeurCaracteres(edNbPers_, 3);
    edLangue_ = new QLineEdit(c);
    edLangue_->setObjectName(QStringLiteral("edLangue"));
    edLangue_->setToolTip(u"Langue utilisée pour communiquer avec l'hôte"_qs);
    lectureSeule(edLangue_);
    largeurCaracteres(edLangue_, 4);

    edDateDeb_ = new ChampDate(c);
    edDateDeb_->setObjectName(QStringLiteral("edDateDeb"));
    edDateDeb_->setToolTip(u"Date d'arrivée"_qs);
    edHeureArr_ = new SaisieHeure(c);
    edHeureArr_->setObjectName(QStringLiteral("edHeureArr"));
    edHeureArr_->setToolTip(u"Heure d'arrivée"_qs);
    edDateFin_ = new ChampDate(c);
    edDateFin_->setObjectName(QStringLiteral("edDateFin"));
    edDateFin_->setToolTip(u"Date du dernier soir de la réservation"_qs);
    edDateFin_->dateDepart = [this] { return edDateDeb_->valeur(); };
    // Opening the calendar of an empty "Au" starts from the arrival date.
    edDateFin_->remplirALOuverture = true;
    edHeureDep_ = new SaisieHeure(c);
    edHeureDep_->setObjectName(QStringLiteral("edHeureDep"));
    edHeureDep_->setToolTip(u"Heure de départ"_qs);
    edDateDeb_->dateDepart = [this] { return contexte_.services.horloge.aujourdhui(); };

    cbEtat_ = new QComboBox(c);
    cbEtat_->setObjectName(QStringLiteral("cbEtat"));
    cbEtat_->addItems({u"Fermée"_qs, u"Libre"_qs, u"Option"_qs, u"Réservé"_qs});
    cbEtat_->setCurrentIndex(-1);

    edRemarques_ = new QPlainTextEdit(c);
    edRemarques_->setObjectName(QStringLiteral("edRemarques"));
    edRemarques_->setToolTip(u"Commentaires sur la réservation affichée"_qs);
    edRemarques_->setTabChangesFocus(true);
    edRemarques_->setFixedHeight(edRemarques_->fontMetrics().lineSpacing() * 2 + 14);

    g->addWidget(etiquette(u"Nom"_qs, edNom_, c), 0, 0);
    g->addWidget(edNom_, 0, 1);
    g->addWidget(etiquette(u"Prénom"_qs, edPrenom_, c), 0, 2);
    g->addWidget(edPrenom_, 0, 3);
    g->addWidget(btnRechercherHote_, 0, 4);
    g->addWidget(etiquette(u"Du "_qs, edDateDeb_, c), 1, 0);
    g->addLayout(rangee({edDateDeb_, edHeureArr_}), 1, 1);
    g->addWidget(etiquette(u"Au "_qs, edDateFin_, c), 1, 2);
    g->addLayout(rangee({edDateFin_, edHeureDep_}), 1, 3, 1, 2);
    g->addWidget(etiquette(u"Nb Pers."_qs, edNbPers_, c), 2, 0);
    auto* labelLangue = etiquette(u"Langue"_qs, edLangue_, c);
    g->addLayout(rangee({edNbPers_, labelLangue, edLangue_}), 2, 1);
    auto* labelEtat = etiquette(u"Type de réservation "_qs, cbEtat_, c);
    g->addLayout(rangee({labelEtat, cbEtat_}), 2, 2, 1, 3);
    auto* labelRemarques = etiquette(u"Remarques"_qs, edRemarques_, c);
    g->addWidget(labelRemarques, 3, 0, Qt::AlignTop);
    g->addWidget(edRemarques_, 3, 1, 1, 4);
    g->setColumnStretch(1, 1);
    g->setColumnStretch(3, 1);
    return c;
}

QWidget* TCadreReserv::construirePanneauHebergements()
{
    QWidget* c = panneauHebergements_->contenu();
    QGridLayout* g = grillePanneau(c);

    btnAjouterHebergement_ = new QPushButton(u"Ajouter un hébergement"_qs, c);
    btnAjouterHebergement_->setObjectName(QStringLiteral("BtnAjouterHebergement"));
    btnSupprimerHebergement_ = new QPushButton(u"Supprimer un hébergement"_qs, c);
    btnSupprimerHebergement_->setObjectName(QStringLiteral("BtnSupprimerHebergement"));

    listeHebergements_ = new QTableWidget(0, 3, c);
    listeHebergements_->setObjectName(QStringLiteral("ListeHebergements"));
    listeHebergements_->setHorizontalHeaderLabels({u"Hébergement"_qs, u"Nom du tarif"_qs, u"Prix"_qs});
    listeHebergements_->setSelectionBehavior(QAbstractItemView::SelectRows);
    listeHebergements_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    listeHebergements_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    listeHebergements_->verticalHeader()->hide();
    listeHebergements_->verticalHeader()->setDefaultSectionSize(listeHebergements_->fontMetrics().height() + 10);
    listeHebergements_->horizontalHeader()->setStretchLastSection(true);
    listeHebergements_->setColumnWidth(0, 150);
    listeHebergements_->setColumnWidth(1, 150);
    listeHebergements_->setTabKeyNavigation(false);
    listeHebergements_->setMinimumHeight(listeHebergements_->verticalHeader()->defaultSectionSize() * 3
        + listeHebergements_->horizontalHeader()->sizeHint().height() + 6);
    listeHebergements_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);

    cbTarif_ = new QComboBox(c);
    cbTarif_->setObjectName(QStringLiteral("cbTarif"));
    cbTarif_->setToolTip(u"Sélectionnez le tarif à appliquer à l'hébergement sélectionné"_qs);
    cbTarif_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    cbTarif_->setMinimumContentsLength(18);

    g->addLayout(rangee({btnAjouterHebergement_, btnSupprimerHebergement_}), 0, 0, 1, 2);
    g->addWidget(listeHebergements_, 1, 0, 1, 2);
    g->addLayout(rangee({etiquette(u"Tarif"_qs, cbTarif_, c), cbTarif_}), 2, 0, 1, 2);
    g->setRowStretch(1, 1);
    return c;
}

QWidget* TCadreReserv::construirePanneauRepas()
{
    QWidget* c = panneauRepas_->contenu();
    QGridLayout* g = grillePanneau(c);
    using Genre = ColonneLigne::Genre;
    modeleRepas_ = new ModeleLignesSejour(
        {
            {QStringLiteral("Nom"), QStringLiteral("Nom"), Genre::Texte, false},
            {QStringLiteral("Jour"), QStringLiteral("Jour"), Genre::Jour, true},
            {QStringLiteral("Nombre"), QStringLiteral("Nbre"), Genre::Entier, true},
            {QStringLiteral("PrixUnit"), QStringLiteral("Prix U"), Genre::Montant, false},
            {QStringLiteral("PrixTot"), QStringLiteral(" Prix T"), Genre::Montant, false},
        },
        this);
    modeleRepas_->enregistrer = [this](QSqlRecord& ligne) { return enregistrerLigneRepas(ligne); };
    grilleRepas_ = new GrilleLignes(c);
    grilleRepas_->setObjectName(QStringLiteral("GrilleRepas"));
    grilleRepas_->setModel(modeleRepas_);
    grilleRepas_->setItemDelegateForColumn(1,
        new DelegueListe(
            [this] {
                QList<DelegueListe::Choix> choix;
                for (const QDate& jour : joursSejour()) choix.append({dates::courte(jour), jour});
                return choix;
            },
            grilleRepas_));
    grilleRepas_->setColumnWidth(0, 125);
    grilleRepas_->setColumnWidth(1, 85);
    grilleRepas_->setColumnWidth(2, 45);
    grilleRepas_->setColumnWidth(3, 65);
    grilleRepas_->setMinimumHeight(grilleRepas_->verticalHeader()->defaultSectionSize() * 3
        + grilleRepas_->horizontalHeader()->sizeHint().height() + 6);

    btnAjouterRepas_ = new QPushButton(u"Ajouter un repas"_qs, c);
    btnAjouterRepas_->setObjectName(QStringLiteral("BtnAjouterRepas"));
    btnSupprimerRepas_ = new QPushButton(u"Supprimer un repas"_qs, c);
    btnSupprimerRepas_->setObjectName(QStringLiteral("BtnSupprimerRepas"));
    btnDetailRepas_ = new QToolButton(c);
    btnDetailRepas_->setObjectName(QStringLiteral("BtnDetailRepas"));
    btnDetailRepas_->setText(u"Détail…"_qs);
    btnDetailRepas_->setToolTip(u"voir ou modifier le détail du prix unitaire"_qs);

    g->addWidget(grilleRepas_, 0, 0);
    g->addLayout(rangee({btnAjouterRepas_, btnSupprimerRepas_, btnDetailRepas_}), 1, 0);
    g->setRowStretch(0, 1);
    return c;
}

QWidget* TCadreReserv::construirePanneauPrestations()
{
    QWidget* c = panneauPrestations_->contenu();
    QGridLayout* g = grillePanneau(c);
    using Genre = ColonneLigne::Genre;
    modelePrestations_ = new ModeleLignesSejour(
        {
            {QStringLiteral("Nom"), QStringLiteral("Nom"), Genre::Texte, false},
            {QStringLiteral("Qte"), QStringLiteral("Qte"), Genre::Entier, true},
            {QStringLiteral("PrixUnit"), QStringLiteral("Prix Unit"), Genre::Montant, false},
            {QStringLiteral("Offert"), QStringLiteral("Offert"), Genre::OuiNon, true},
            {QStringLiteral("PrixTot"), QStringLiteral(" Prix Total"), Genre::Montant, false},
        },
        this);
    modelePrestations_->enregistrer = [this](QSqlRecord& ligne) { return enregistrerLignePrestation(ligne); };
    grillePrestations_ = new GrilleLignes(c);
    grillePrestations_->setObjectName(QStringLiteral("GrillePrestations"));
    grillePrestations_->setModel(modelePrestations_);
    grillePrestations_->setItemDelegateForColumn(3,
        new DelegueListe(
            [] {
                return QList<DelegueListe::Choix>{{QStringLiteral("O"), true}, {QStringLiteral("N"), false}};
            },
            grillePrestations_));
    grillePrestations_->setColumnWidth(0, 140);
    grillePrestations_->setColumnWidth(1, 40);
    grillePrestations_->setColumnWidth(2, 70);
    grillePrestations_->setColumnWidth(3, 50);
    grillePrestations_->setMinimumHeight(grillePrestations_->verticalHeader()->defaultSectionSize() * 3
        + grillePrestations_->horizontalHeader()->sizeHint().height() + 6);

    btnAjouterPrestation_ = new QPushButton(u"Ajouter une prestation"_qs, c);
    btnAjouterPrestation_->setObjectName(QStringLiteral("BtnAjouterPrestation"));
    btnSupprimerPrestation_ = new QPushButton(u"Supprimer une prestation"_qs, c);
    btnSupprimerPrestation_->setObjectName(QStringLiteral("BtnSupprimerPrestation"));
    btnDetailPrestation_ = new QToolButton(c);
    btnDetailPrestation_->setObjectName(QStringLiteral("BtnDetailPrestation"));
    btnDetailPrestation_->setText(u"Détail…"_qs);
    btnDetailPrestation_->setToolTip(u"voir ou modifier le détail du prix unitaire"_qs);

    g->addWidget(grillePrestations_, 0, 0);
    g->addLayout(rangee({btnAjouterPrestation_, btnSupprimerPrestation_, btnDetailPrestation_}), 1, 0);
    g->setRowStretch(0, 1);
    return c;
}

QWidget* TCadreReserv::construirePanneauContrat()
{
    QWidget* c = panneauContrat_->contenu();

    const auto montant = [c](const QString& nom, const QString& bulle, bool modifiable) {
        auto* champ = new SaisieMontant(c);
        champ->setObjectName(nom);
        if (!bulle.isEmpty()) champ->setToolTip(bulle);
        largeurCaracteres(champ, 9);
        if (!modifiable) lectureSeule(champ);
        return champ;
    };
    edPrixTotal_
        = montant(QStringLiteral("edPrixTotal"), u"Prix total de la réservation, calculé automatiquement"_qs, false);
    edDontTVA_ = montant(QStringLiteral("edDontTVA"), {}, false);
    btnDetailTTC_ = new QToolButton(c);
    btnDetailTTC_->setObjectName(QStringLiteral("BtnDetailTTC"));
    btnDetailTTC_->setText(u"Détail…"_qs);
    btnDetailTTC_->setToolTip(u"Voir le détail du montant TTC"_qs);

    edRemise_ = montant(QStringLiteral("edRemise"), u"Montant ou taux de remise"_qs, true);
    cbTypeRemise_ = new QComboBox(c);
    cbTypeRemise_->setObjectName(QStringLiteral("cbTypeRemise"));
    cbTypeRemise_->addItems({u"€"_qs, u"%"_qs});
    cbTypeRemise_->setToolTip(u"Choisissez entre remise en montant, ou en pourcentage"_qs);

    cbAvecArrhes_ = new QCheckBox(u"Avec arrhes"_qs, c);
    cbAvecArrhes_->setObjectName(QStringLiteral("cbAvecArrhes"));
    cbAvecArrhes_->setToolTip(u"Cochez la case pour demander une somme au moment de la réservation."_qs);
    edAcompte_
        = montant(QStringLiteral("edAcompte"), u"Montant des arrhes ou de l'acompte, calculé automatiquement"_qs, true);

    edDejaPaye_ = montant(QStringLiteral("edDejaPaye"), {}, false);
    btnPaiements_ = new QPushButton(u"Paiements…"_qs, c);
    btnPaiements_->setObjectName(QStringLiteral("BtnPaiements"));
    btnPaiements_->setToolTip(u"Saisie du détail des paiements "_qs);
    edResteDu_ = montant(QStringLiteral("edResteDu"), {}, false);

    edDateSaisie_ = new ChampDate(c);
    edDateSaisie_->setObjectName(QStringLiteral("edDateSaisie"));
    edDateSaisie_->setReadOnly(true);
    edDateSaisie_->setButtonSymbols(QAbstractSpinBox::NoButtons);
    edDateSaisie_->setCalendarPopup(false);
    edDateSaisie_->setFocusPolicy(Qt::ClickFocus);
    edDateEdition_ = new ChampDate(c);
    edDateEdition_->setObjectName(QStringLiteral("edDateEdition"));
    edDateEdition_->setToolTip(u"Date d'édition du contrat de réservation"_qs);
    edDateConfirmation_ = new ChampDate(c);
    edDateConfirmation_->setObjectName(QStringLiteral("edDateConfirmation"));
    edDateConfirmation_->setToolTip(u"Date à laquelle la réservation a été confirmée"_qs);
    for (ChampDate* d : {edDateEdition_, edDateConfirmation_})
        d->dateDepart = [this] { return contexte_.services.horloge.aujourdhui(); };
    edNumFacture_ = new QLineEdit(c);
    edNumFacture_->setObjectName(QStringLiteral("edNumFacture"));
    edNumFacture_->setToolTip(u"Numéro de facture attribué automatiquement"_qs);
    lectureSeule(edNumFacture_);

    cbCommission_ = new QComboBox(c);
    cbCommission_->setObjectName(QStringLiteral("cbCommission"));
    cbCommission_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    cbCommission_->setMinimumContentsLength(12);
    edMontantCom_ = montant(QStringLiteral("edMontantCom"), u"Montant de la commission à verser"_qs, true);

    cbCopieA_ = new QComboBox(c);
    cbCopieA_->setObjectName(QStringLiteral("cbCopieA"));
    cbCopieA_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    cbCopieA_->setMinimumContentsLength(20);
    cbApercu_ = new QCheckBox(u"Aperçu"_qs, c);
    cbApercu_->setObjectName(QStringLiteral("cbApercu"));
    cbApercu_->setChecked(true);

    btnEditions_ = new QPushButton(u"Editions / Mails"_qs, c);
    btnEditions_->setObjectName(QStringLiteral("BtnEditions"));
    auto* menu = new QMenu(btnEditions_);
    menu->setObjectName(QStringLiteral("MenuEditions"));
    for (const QString& texte : {u"Contrat"_qs, u"Facture"_qs, u"Fiche Réservation"_qs, u"Mail Libre"_qs,
             u"Mail Relance"_qs, u"Mail Accusé réception"_qs, u"Mail Remerciement"_qs})
        menu->addAction(texte)->setEnabled(false);
    btnEditions_->setMenu(menu);
    // The documents and mails come with the invoicing.
    btnEditions_->setEnabled(false);

    panelRegroupement_ = new QWidget(c);
    panelRegroupement_->setObjectName(QStringLiteral("PanelRegroupement"));
    {
        auto* r = new QGridLayout(panelRegroupement_);
        r->setContentsMargins(0, 4, 0, 0);
        r->setHorizontalSpacing(8);
        edRegPrixTotal_ = montant(QStringLiteral("edRegPrixTotal"), {}, false);
        edRegDejaPaye_ = montant(QStringLiteral("edRegDejaPaye"), {}, false);
        edRegResteDu_ = montant(QStringLiteral("edRegResteDu"), {}, false);
        for (QLineEdit* e : {edRegPrixTotal_, edRegDejaPaye_, edRegResteDu_}) e->setParent(panelRegroupement_);
        auto* titre = new QLabel(u"Regroupement :"_qs, panelRegroupement_);
        QFont gras = titre->font();
        gras.setBold(true);
        titre->setFont(gras);
        r->addWidget(titre, 0, 0, 1, 3);
        r->addWidget(etiquette(u"Prix total"_qs, edRegPrixTotal_, panelRegroupement_), 1, 0);
        r->addWidget(etiquette(u"Déjà payé"_qs, edRegDejaPaye_, panelRegroupement_), 1, 1);
        r->addWidget(etiquette(u"Reste dû"_qs, edRegResteDu_, panelRegroupement_), 1, 2);
        r->addWidget(edRegPrixTotal_, 2, 0);
        r->addWidget(edRegDejaPaye_, 2, 1);
        r->addWidget(edRegResteDu_, 2, 2);
        r->setColumnStretch(3, 1);
    }
    panelRegroupement_->hide();

    // Pairs of a caption and its field, laid two by two or one by one (disposerContrat).
    const auto paire = [this, c](QWidget* legende, std::initializer_list<QWidget*> champs) {
        QWidget* champ = champs.size() == 1 ? *champs.begin() : groupe(champs, c);
        champsContrat_.append(qMakePair(legende, champ));
    };
    paire(etiquette(u"Prix total"_qs, edPrixTotal_, c), {edPrixTotal_});
    paire(etiquette(u"Dont TVA"_qs, edDontTVA_, c), {edDontTVA_, btnDetailTTC_});
    paire(etiquette(u"Remise"_qs, edRemise_, c), {edRemise_, cbTypeRemise_});
    paire(cbAvecArrhes_, {edAcompte_});
    paire(etiquette(u"Déjà payé"_qs, edDejaPaye_, c), {edDejaPaye_, btnPaiements_});
    paire(etiquette(u"Reste dû"_qs, edResteDu_, c), {edResteDu_});
    paire(etiquette(u"Date saisie :"_qs, edDateSaisie_, c), {edDateSaisie_});
    paire(etiquette(u"N° Facture :"_qs, edNumFacture_, c), {edNumFacture_});
    paire(etiquette(u"Date édition :"_qs, edDateEdition_, c), {edDateEdition_});
    paire(etiquette(u"Confirmé le :"_qs, edDateConfirmation_, c), {edDateConfirmation_});
    paire(etiquette(u"Commission"_qs, cbCommission_, c), {cbCommission_});
    paire(etiquette(u"Montant Com."_qs, edMontantCom_, c), {edMontantCom_});
    legendeCopieA_ = etiquette(u"Copie à"_qs, cbCopieA_, c);
    documents_ = groupe({cbApercu_, btnEditions_}, c);
    return c;
}

void TCadreReserv::disposerContrat(int paires)
{
    QWidget* c = panneauContrat_->contenu();
    delete c->layout();
    QGridLayout* g = grillePanneau(c);
    int ligne = 0;
    for (int i = 0; i < champsContrat_.size(); ++i) {
        const int colonne = 2 * (i % paires);
        g->addWidget(champsContrat_.at(i).first, ligne, colonne);
        g->addWidget(champsContrat_.at(i).second, ligne, colonne + 1);
        if (i % paires == paires - 1) ++ligne;
    }
    if (champsContrat_.size() % paires != 0) ++ligne;
    const int largeur = 2 * paires - 1;
    g->addWidget(legendeCopieA_, ligne, 0);
    g->addWidget(cbCopieA_, ligne++, 1, 1, largeur);
    g->addWidget(documents_, ligne++, 1, 1, largeur);
    g->addWidget(panelRegroupement_, ligne, 0, 1, largeur + 1);
    for (int i = 0; i < paires; ++i) g->setColumnStretch(2 * i + 1, 1);
}

void TCadreReserv::placerPanneaux()
{
    delete page_->layout();
    disposerContrat(disposition_ == 1 ? 1 : 2);
    const auto colonne = [](std::initializer_list<QWidget*> panneaux, bool etirer) {
        auto* v = new QVBoxLayout;
        v->setSpacing(8);
        for (QWidget* p : panneaux) v->addWidget(p);
        if (etirer) v->addStretch(1);
        return v;
    };
    if (disposition_ == 1) {
        auto* h = new QHBoxLayout(page_);
        h->setContentsMargins(4, 4, 4, 4);
        h->setSpacing(10);
        h->addLayout(colonne({panneauHote_, panneauHebergements_}, true), 3);
        h->addLayout(colonne({panneauRepas_, panneauPrestations_}, true), 3);
        h->addLayout(colonne({panneauContrat_}, true), 2);
    } else {
        auto* v
            = colonne({panneauHote_, panneauHebergements_, panneauRepas_, panneauPrestations_, panneauContrat_}, true);
        v->setContentsMargins(4, 4, 4, 4);
        page_->setLayout(v);
    }
}

void TCadreReserv::ChoisirDisposition(int disposition)
{
    const int nouvelle = disposition == 1 ? 1 : 0;
    if (nouvelle == disposition_) return;
    disposition_ = nouvelle;
    placerPanneaux();
}

void TCadreReserv::AfficherRepas(bool afficher)
{
    repasAffiches_ = afficher;
    panneauRepas_->setVisible(afficher);
}

void TCadreReserv::ordreTabulation()
{
    const QList<QWidget*> ordre{edNom_, edPrenom_, btnRechercherHote_, edDateDeb_, edHeureArr_, edDateFin_, edHeureDep_,
        edNbPers_, cbEtat_, edRemarques_, btnAjouterHebergement_, btnSupprimerHebergement_, listeHebergements_,
        cbTarif_, grilleRepas_, btnAjouterRepas_, btnSupprimerRepas_, btnDetailRepas_, grillePrestations_,
        btnAjouterPrestation_, btnSupprimerPrestation_, btnDetailPrestation_, btnDetailTTC_, edRemise_, cbTypeRemise_,
        cbAvecArrhes_, edAcompte_, btnPaiements_, edDateEdition_, edDateConfirmation_, cbCommission_, edMontantCom_,
        cbCopieA_, cbApercu_, btnEditions_};
    for (int i = 1; i < ordre.size(); ++i) setTabOrder(ordre.at(i - 1), ordre.at(i));
}

// ---------------------------------------------------------------------------------------------
// Lists and widths

void TCadreReserv::RemplirListes()
{
    const bool chargementAvant = chargement_;
    chargement_ = true;
    {
        const QString copie = cbCopieA_->currentText();
        const QSignalBlocker blocage(cbCopieA_);
        cbCopieA_->clear();
        cbCopieA_->addItem(QString());
        cbCopieA_->addItems(dm_.contacts().AdressesCopie());
        cbCopieA_->setCurrentIndex(qMax(0, cbCopieA_->findText(copie)));
        // The drop-down shows the longest address whole.
        int largeur = 0;
        for (int i = 0; i < cbCopieA_->count(); ++i)
            largeur = qMax(largeur, cbCopieA_->fontMetrics().horizontalAdvance(cbCopieA_->itemText(i)));
        cbCopieA_->view()->setMinimumWidth(largeur + 40);
    }
    {
        const QString commission = cbCommission_->currentText();
        const QSignalBlocker blocage(cbCommission_);
        cbCommission_->clear();
        cbCommission_->addItems(
            dm_.acces().ValeursDistinctes(QStringLiteral("TypeCom"), QStringLiteral("Nom"), {QStringLiteral(" ")}));
        cbCommission_->setCurrentIndex(qMax(0, cbCommission_->findText(commission)));
    }
    chargement_ = chargementAvant;
}

QList<TLargeurCol> TCadreReserv::largeursColonnes() const
{
    QList<TLargeurCol> largeurs;
    // The last column of the line grids fills the grid: its width is not the user's.
    for (int i = 0; i < listeHebergements_->columnCount() - 1; ++i)
        largeurs.append({listeHebergements_->objectName(), i, listeHebergements_->columnWidth(i)});
    for (const GrilleLignes* grille : {grilleRepas_, grillePrestations_})
        for (int i = 0; i < grille->model()->columnCount() - 1; ++i)
            largeurs.append({grille->objectName(), i, grille->columnWidth(i)});
    return largeurs;
}

QList<int> TCadreReserv::hauteursPanneaux() const
{
    QList<int> hauteurs;
    for (const PanneauRepliable* p : {panneauHote_, panneauRepas_, panneauPrestations_})
        hauteurs.append(p->replie() ? 0 : p->height());
    return hauteurs;
}

void TCadreReserv::appliquerHauteursPanneaux(const QList<int>& hauteurs)
{
    const QList<PanneauRepliable*> panneaux{panneauHote_, panneauRepas_, panneauPrestations_};
    for (int i = 0; i < panneaux.size() && i < hauteurs.size(); ++i)
        if (hauteurs.at(i) >= 0) panneaux.at(i)->setReplie(hauteurs.at(i) == 0);
}

void TCadreReserv::appliquerLargeurs(const QList<TLargeurCol>& largeurs)
{
    for (const TLargeurCol& l : largeurs) {
        QTableView* grille = nullptr;
        for (QTableView* g : {static_cast<QTableView*>(listeHebergements_), static_cast<QTableView*>(grilleRepas_),
                 static_cast<QTableView*>(grillePrestations_)})
            if (g->objectName() == l.Grille) grille = g;
        if (grille && l.NumCol < grille->model()->columnCount() - 1 && l.Larg > 0)
            grille->setColumnWidth(l.NumCol, l.Larg);
    }
}

bool TCadreReserv::apercu() const
{
    return cbApercu_->isChecked();
}

QString TCadreReserv::copieA() const
{
    return cbCopieA_->currentText().trimmed();
}

// ---------------------------------------------------------------------------------------------
// Showing a reservation

void TCadreReserv::afficherLigneHebergement(int i)
{
    const TLigneHebergement& l = lignes_.at(i).ligne;
    const QStringList textes{l.Nom, l.Tarif, l.AvecPrix ? texteMontant(l.Prix.Total) : QString()};
    for (int colonne = 0; colonne < 3; ++colonne) {
        QTableWidgetItem* element = listeHebergements_->item(i, colonne);
        if (!element) {
            element = new QTableWidgetItem;
            if (colonne == 2) element->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            listeHebergements_->setItem(i, colonne, element);
        }
        element->setText(textes.at(colonne));
    }
}

void TCadreReserv::afficherLignesHebergement()
{
    const QSignalBlocker blocage(listeHebergements_);
    listeHebergements_->clearSelection();
    listeHebergements_->setRowCount(static_cast<int>(lignes_.size()));
    for (int i = 0; i < lignes_.size(); ++i) afficherLigneHebergement(i);
}

void TCadreReserv::viderEcran()
{
    for (QLineEdit* e :
        {edNom_, edPrenom_, edLangue_, static_cast<QLineEdit*>(edPrixTotal_), static_cast<QLineEdit*>(edNbPers_),
            static_cast<QLineEdit*>(edAcompte_), static_cast<QLineEdit*>(edDejaPaye_),
            static_cast<QLineEdit*>(edResteDu_), static_cast<QLineEdit*>(edDontTVA_), edNumFacture_})
        e->clear();
    edRemarques_->clear();
    for (ChampDate* d : {edDateDeb_, edDateFin_, edDateSaisie_, edDateEdition_, edDateConfirmation_}) d->setValeur({});
    edHeureArr_->setHeure({});
    edHeureDep_->setHeure({});
    edRemise_->setText(QStringLiteral("0"));
    cbTypeRemise_->setCurrentIndex(remise::Euros);
    cbCommission_->setCurrentIndex(0);
    edMontantCom_->setText(QStringLiteral("0"));
    lignes_.clear();
    totaux_ = {};
    avantRemise_ = {};
}

void TCadreReserv::AfficherReservation(const TReservation& r)
{
    chargement_ = true;
    reservation_ = r.Identifiant;
    verrouillee_ = r.verrouillee;
    idReg_ = r.IdReg;
    viderEcran();
    cbEtat_->setCurrentIndex(r.Etat >= 0 && r.Etat < cbEtat_->count() ? r.Etat : -1);
    cbAvecArrhes_->setChecked(r.AvecAcompte);
    panelRegroupement_->hide();

    if (r.Identifiant != -1) {
        AccesDonnees& acces = dm_.acces();
        edNom_->setText(r.Nom);
        edPrenom_->setText(r.Prenom);
        edRemarques_->setPlainText(r.Remarque);
        edNbPers_->setText(QString::number(r.NbPers));
        edLangue_->setText(r.IdContact != -1 ? dm_.contacts().LangueContact(r.IdContact) : QString());
        for (const LigneHebergement& h : r.hebergements) {
            LigneHeb l;
            l.idPrest = h.IdPrest;
            l.ligne.Nom = acces.ChercherNom(QStringLiteral("Prestation"), h.IdPrest);
            l.ligne.Tarif = h.IdTarif < 0 ? Tarification::tarifSimple()
                                          : acces.ChercherNom(QStringLiteral("TypeTarif"), h.IdTarif);
            l.ligne.Prix = {h.HT1, h.HT2, h.TVA1, h.TVA2, h.TTC1, h.TTC2, h.PrixUnit};
            l.ligne.AvecPrix = true;
            lignes_.append(l);
        }
        edDateDeb_->setValeur(r.DateDeb);
        edDateFin_->setValeur(r.DateFin);
        edHeureArr_->setHeure(r.HeureArr);
        edHeureDep_->setHeure(r.HeureDep);
        edPrixTotal_->setMontant(r.montants.Total);
        edAcompte_->setMontant(r.Acompte);
        edDejaPaye_->setMontant(r.DejaPaye);
        edResteDu_->setMontant(round2(r.montants.Total - r.DejaPaye));
        edDontTVA_->setMontant(r.montants.TVA1 + r.montants.TVA2);
        edRemise_->setText(texteMontant(r.ValRemise));
        cbTypeRemise_->setCurrentIndex(r.TypeRemise == remise::Pourcentage ? 1 : 0);
        if (r.IdReg >= 1) {
            if (const auto groupe = dm_.reservations().TotauxRegroupement(r.IdReg)) {
                edRegPrixTotal_->setText(texteMontant(groupe->PrixTotal));
                edRegDejaPaye_->setText(texteMontant(groupe->DejaPaye));
                edRegResteDu_->setText(texteMontant(round2(groupe->PrixTotal - groupe->DejaPaye)));
                panelRegroupement_->show();
            }
        }
        edNumFacture_->setText(r.NumFac);
        const QString commission = r.IdCom == -1 ? QString() : acces.ChercherNom(QStringLiteral("TypeCom"), r.IdCom);
        cbCommission_->setCurrentIndex(commission.isEmpty() ? 0 : qMax(0, cbCommission_->findText(commission)));
        edMontantCom_->setMontant(r.MontantCom);
        edDateSaisie_->setValeur(r.DateSaisie);
        edDateEdition_->setValeur(r.DateEnvContrat);
        edDateConfirmation_->setValeur(r.DateRecContrat);
        totaux_ = r.montants;
    }
    afficherLignesHebergement();
    {
        const QSignalBlocker blocage(cbTarif_);
        cbTarif_->clear();
    }
    ligneTarif_ = -1;
    rechargerPrestations();
    rechargerRepas();
    appliquerVerrou();
    chargement_ = false;
    modifiee_ = false;
}

void TCadreReserv::afficherReservationVide()
{
    TReservation vide;
    vide.AvecAcompte = dm_.tarification().AcompteParDefaut();
    AfficherReservation(vide);
}

void TCadreReserv::showEvent(QShowEvent* evenement)
{
    // The payment dialog may have been plugged in after the reservation was put on screen.
    btnPaiements_->setEnabled(static_cast<bool>(saisirPaiements));
    QWidget::showEvent(evenement);
}

void TCadreReserv::appliquerVerrou()
{
    const bool libre = !verrouillee_;
    for (QWidget* w : std::initializer_list<QWidget*>{edNom_, edPrenom_, edNbPers_, edDateDeb_, edHeureArr_, edDateFin_,
             edHeureDep_, cbEtat_, edRemarques_, listeHebergements_, btnAjouterHebergement_, btnSupprimerHebergement_,
             cbTarif_, panneauRepas_->contenu(), panneauPrestations_->contenu(), cbAvecArrhes_, edAcompte_,
             edDateEdition_, edDateConfirmation_})
        w->setEnabled(libre);
    modeleRepas_->setLectureSeule(verrouillee_);
    modelePrestations_->setLectureSeule(verrouillee_);
    lbVerrou_->setVisible(verrouillee_);
    btnPaiements_->setEnabled(static_cast<bool>(saisirPaiements));
}

} // namespace velorin
