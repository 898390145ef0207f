#include "planning/screens/TFrmPlanning.h"

#include "app/Dialogues.h"
#include "app/Erreur.h"
#include "app/Horloge.h"
#include "planning/DonneesPlanning.h"
#include "reservations/Reservations.h"
#include "reservations/screens/BranchementEcrans.h"
#include "reservations/screens/TCadreReserv.h"
#include "store/BaseDonnees.h"
#include "store/DMCommun.h"
#include "store/DMVelorin.h"
#include "store/Dialecte.h"
#include "store/Options.h"
#include "ui/MessagesFenetre.h"
#include "ui/PanneauDegrade.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QSpinBox>
#include <QSplitter>
#include <QSqlQuery>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

namespace velorin {

namespace {

const QStringList nomsMois{u"Janvier"_qs, u"Février"_qs, u"Mars"_qs, u"Avril"_qs, u"Mai"_qs, u"Juin"_qs, u"Juillet"_qs,
    u"Août"_qs, u"Septembre"_qs, u"Octobre"_qs, u"Novembre"_qs, u"Décembre"_qs};

enum ColonneResultat { Nuits, Max, Pourc, Repas, CA, Paye, Com, nombreColonnes };

// "# ### ##0.00", with the French decimal comma.
QString montant(double valeur)
{
    QLocale francais(QLocale::French);
    return francais.toString(valeur, 'f', 2).replace(francais.groupSeparator(), u" "_qs);
}

QString pourcentage(double valeur)
{
    return QLocale(QLocale::French).toString(valeur, 'f', 2) + u" %"_qs;
}

QString valeurResultat(const TTotauxPlanning& t, int colonne, bool annee)
{
    switch (colonne) {
    case Nuits: return QString::number(annee ? t.TotNuitAn : t.TotNuitMois);
    case Max: return QString::number(annee ? t.PosNuitAn : t.PosNuitMois);
    case Pourc: return pourcentage(annee ? t.PourAn : t.PourMois);
    case Repas: return QString::number(annee ? t.NbRepAn : t.NbRepMois);
    case CA: return montant(annee ? t.CAAn : t.CAMois);
    case Paye: return montant(annee ? t.DejaPAn : t.DejaPMois);
    default: return montant(annee ? t.ComAn : t.ComMois);
    }
}

QString moisAnnee(const QDate& jour)
{
    return nomsMois.at(jour.month() - 1).toLower() + u' ' + QString::number(jour.year());
}

// The hourglass while the grid is read and written.
struct Sablier {
    Sablier() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~Sablier() { QApplication::restoreOverrideCursor(); }
    Sablier(const Sablier&) = delete;
    Sablier& operator=(const Sablier&) = delete;
};

} // namespace

TFrmPlanning::TFrmPlanning(ContexteEcrans& contexte, QWidget* parent)
    : T_FrmPI(contexte, parent)
{
    setWindowTitle(u"Planning des réservations"_qs);
    auto* disposition = new QVBoxLayout(centre());
    disposition->setContentsMargins(4, 4, 4, 4);

    construireBarre();
    disposition->addWidget(findChild<QWidget*>(u"PanelHaut"_qs));
    construireResultats();
    disposition->addWidget(findChild<QWidget*>(u"PanelResultats"_qs));

    modele_ = new ModelePlanning(this);
    modele_->setCouleurs(contexte.commun.couleurs());
    modele_->platsDuJour = [this](const QDate& jour) { return platsDuJour(jour); };
    grille_ = new QTableView;
    grille_->setObjectName(u"GrillePlanning"_qs);
    grille_->setModel(modele_);
    grille_->setItemDelegate(new DeleguePlanning(grille_));
    grille_->setSelectionMode(QAbstractItemView::ContiguousSelection);
    grille_->setEditTriggers(
        QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
    grille_->horizontalHeader()->setDefaultSectionSize(40);
    grille_->verticalHeader()->setDefaultSectionSize(20);
    grille_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    // A header or the corner chooses nothing: a day or a whole line is never selected at once.
    grille_->horizontalHeader()->setSectionsClickable(false);
    grille_->verticalHeader()->setSectionsClickable(false);
    grille_->setCornerButtonEnabled(false);
    if (auto* coin = grille_->findChild<QAbstractButton*>()) coin->installEventFilter(this);
    grille_->viewport()->installEventFilter(this);
    grille_->installEventFilter(this);
    // A width the user gives the "Observations" column holds over the redisplays and is saved.
    connect(grille_->horizontalHeader(), &QHeaderView::sectionResized, this, [this](int colonne, int, int largeur) {
        if (!dimensionnement_ && modele_->presentation() == ModelePlanning::Verticale
            && colonne == modele_->ligneObservations())
            largeurObservations_ = largeur;
    });
    connect(modele_, &ModelePlanning::remarqueModifiee, this, [this](const QDate& jour, const QString& texte) {
        try {
            DonneesPlanning(this->contexte().velorin).EnregistrerRemarque(jour, texte);
        } catch (const std::exception& e) {
            dialogues().erreur(texteErreur(e));
            redessiner();
        }
    });

    auto* panneauGrille = new QWidget;
    auto* dispositionGrille = new QVBoxLayout(panneauGrille);
    dispositionGrille->setContentsMargins(0, 0, 0, 0);
    auto* titre = new QLabel(u"Hébergements"_qs);
    titre->setObjectName(u"PanelTitreChambres"_qs);
    titre->setAlignment(Qt::AlignCenter);
    dispositionGrille->addWidget(titre);
    dispositionGrille->addWidget(grille_);

    cadre_ = new TCadreReserv(contexte);
    brancherEcransReservation(*cadre_, contexte);
    ajouterCadre(cadre_);
    connect(cadre_, &TCadreReserv::reservationEnregistree, this, [this] { redessiner(); });
    connect(cadre_, &TCadreReserv::reservationSupprimee, this, [this] { redessiner(); });

    separateur_ = new QSplitter;
    separateur_->setObjectName(u"Separateur"_qs);
    separateur_->addWidget(panneauGrille);
    separateur_->addWidget(cadre_);
    separateur_->setStretchFactor(0, 1);
    disposition->addWidget(separateur_, 1);
    placerCadre(0);

    // Bottom bar, right-aligned: from the left the web update, its span, the printout, then
    // the reservation's buttons and "&Quitter" on the far right. Grouping, printing and the web
    // update belong to invoicing and publishing, not built yet.
    QPushButton* publier = ajouterBouton(u"&Màj planning internet"_qs, "btnCreeEnvPlanning");
    publier->setToolTip(u"Mise à jour du planning sur internet, de la date du jour jusqu'à la fin du mois choisi "_qs);
    publier->setEnabled(false);
    cbMajPlanning_ = new QComboBox(panelBas());
    cbMajPlanning_->setObjectName(u"cbMajPlanning"_qs);
    cbMajPlanning_->addItems({u"Fin année"_qs, u"Mois en cours"_qs});
    for (int mois = 2; mois <= 12; ++mois) cbMajPlanning_->addItem(QString::number(mois) + u" mois"_qs);
    cbMajPlanning_->setToolTip(u"Sélection du nombre de mois pour la mise à jour  du planning sur internet"_qs);
    dispositionBas()->addWidget(cbMajPlanning_);
    QPushButton* imprimer = ajouterBouton(u"&Imprimer le planning"_qs, "BtnImpPlan");
    imprimer->setToolTip(u"Imprimer le planning"_qs);
    imprimer->setEnabled(false);
    QPushButton* reaffecter = ajouterBouton(u"&Changer Hôte"_qs, "btnReaffecter");
    reaffecter->setToolTip(u"Affecter la réservation à un autre hôte"_qs);
    connect(reaffecter, &QPushButton::clicked, this, [this] { ReaffecterReservation(); });
    btnRegrouper_ = ajouterBouton(u"&Regrouper"_qs, "BtnRegrouper");
    btnRegrouper_->setToolTip(u"Permet de regrouper plusieurs réservations en un même contrat et une même facture"_qs);
    btnRegrouper_->setEnabled(false);
    QPushButton* supprimer = ajouterBouton(u"&Supprimer"_qs, "BtnSupprimerReserv");
    supprimer->setToolTip(u"Supprimer la réservation sélectionnée"_qs);
    connect(supprimer, &QPushButton::clicked, this, [this] { SupprimerReservation(); });
    QPushButton* ajouter = ajouterBouton(u"&Enregister"_qs, "BtnAjouter");
    ajouter->setToolTip(u"Enregistrer la réservation affichée"_qs);
    connect(ajouter, &QPushButton::clicked, this, [this] { EnregistrerReservation(); });
    supprimer->setMinimumWidth(std::max(ajouter->sizeHint().width(), ajouter->minimumWidth()));
    QPushButton* ok = ajouterBouton(u"&Quitter"_qs, "BtnOk");
    ok->setToolTip(u"Fermer le planning"_qs);
    connect(ok, &QPushButton::clicked, this, &QWidget::close);

    rafraichissement_ = new QTimer(this);
    rafraichissement_->setObjectName(u"Rafraichissement"_qs);
    connect(rafraichissement_, &QTimer::timeout, this, [this] {
        if (isVisible() && !cadre_->modifiee()) Actualiser();
    });
    resize(1400, 800);
}

TFrmPlanning::~TFrmPlanning() = default;

void TFrmPlanning::construireBarre()
{
    auto* panneau = new QWidget(centre());
    panneau->setObjectName(u"PanelHaut"_qs);
    auto* barre = new QHBoxLayout(panneau);
    barre->setContentsMargins(0, 0, 0, 0);

    auto* moins = new QPushButton(u"<"_qs);
    moins->setObjectName(u"BtnMoins"_qs);
    moins->setToolTip(u"Mois précédent"_qs);
    connect(moins, &QPushButton::clicked, this, &TFrmPlanning::MoisPrecedent);
    cbMois_ = new QComboBox;
    cbMois_->setObjectName(u"cbMois"_qs);
    cbMois_->addItems(nomsMois);
    cbMois_->setToolTip(u"Sélection du mois affiché dans le planning"_qs);
    cbAnnee_ = new QComboBox;
    cbAnnee_->setObjectName(u"cbAnnee"_qs);
    cbAnnee_->setToolTip(u"Sélection de l'année affichée dans le planning"_qs);
    auto* plus = new QPushButton(u">"_qs);
    plus->setObjectName(u"BtnPlus"_qs);
    plus->setToolTip(u"Mois suivant"_qs);
    connect(plus, &QPushButton::clicked, this, &TFrmPlanning::MoisSuivant);
    connect(cbMois_, &QComboBox::currentIndexChanged, this, [this] { choisirMoisAnnee(); });
    connect(cbAnnee_, &QComboBox::currentIndexChanged, this, [this] { choisirMoisAnnee(); });

    auto* libelle = new QLabel(u"Aff. à partir du :"_qs);
    dateAff_ = new QDateEdit;
    dateAff_->setObjectName(u"DateAff"_qs);
    dateAff_->setCalendarPopup(true);
    // A date typed in the box counts once complete, not at each keystroke.
    dateAff_->setKeyboardTracking(false);
    dateAff_->setDisplayFormat(u"dd/MM/yyyy"_qs);
    dateAff_->setToolTip(u"Sélection de la première date affichée dans le planning"_qs);
    connect(dateAff_, &QDateEdit::dateChanged, this, [this](const QDate& jour) {
        if (!miseAJour_ && jour.isValid()) AfficherAPartirDu(jour);
    });
    btnAujourdhui_ = new QPushButton;
    btnAujourdhui_->setObjectName(u"BtnAujourdhui"_qs);
    btnAujourdhui_->setToolTip(u"Revient à la date d'affichage initiale du planning"_qs);
    connect(btnAujourdhui_, &QPushButton::clicked, this, [this] { AfficherAPartirDu(dateInitiale()); });
    btnActualiser_ = new QPushButton(u"↻"_qs);
    btnActualiser_->setObjectName(u"BtnActualiser"_qs);
    btnActualiser_->setToolTip(u"Actualiser les données affichées"_qs);
    btnActualiser_->setVisible(reseau());
    connect(btnActualiser_, &QPushButton::clicked, this, &TFrmPlanning::Actualiser);

    cbPresGrille_ = new QComboBox;
    cbPresGrille_->setObjectName(u"cbPresGrille"_qs);
    cbPresGrille_->addItems({u"Horizontale"_qs, u"Verticale"_qs});
    cbPresGrille_->setCurrentIndex(1);
    cbPresGrille_->setToolTip(u"Affichage du planning horizontalement ou verticalement"_qs);
    connect(cbPresGrille_, &QComboBox::currentIndexChanged, this,
        [this](int i) { setPresentation(ModelePlanning::Presentation(i)); });
    cbPosReserv_ = new QComboBox;
    cbPosReserv_->setObjectName(u"CBPosReserv"_qs);
    cbPosReserv_->addItems({u"à Droite"_qs, u"en Bas"_qs, u"à Gauche"_qs, u"en Haut"_qs, u"Masqué"_qs});
    cbPosReserv_->setToolTip(
        u"Place du panneau de réservation, en haut, en bas, à droite ou à gauche de la grille planning"_qs);
    connect(cbPosReserv_, &QComboBox::currentIndexChanged, this, &TFrmPlanning::placerCadre);
    spHautLigne_ = new QSpinBox;
    spHautLigne_->setObjectName(u"spHautLigne"_qs);
    spHautLigne_->setRange(5, 100);
    spHautLigne_->setValue(20);
    spHautLigne_->setToolTip(u"Permet de régler la hauteur des lignes de la grille du planning"_qs);
    connect(spHautLigne_, &QSpinBox::valueChanged, this,
        [this](int hauteur) { grille_->verticalHeader()->setDefaultSectionSize(hauteur); });

    auto* libNom = new QLabel(u"Recherche par nom :"_qs);
    edRechNom_ = new QLineEdit;
    edRechNom_->setObjectName(u"edRechNom"_qs);
    edRechNom_->setToolTip(u"Saisie du nom à rechercher dans le planning"_qs);
    auto* rechercher = new QPushButton(u"Rechercher"_qs);
    rechercher->setObjectName(u"BtnRechNom"_qs);
    rechercher->setToolTip(u"Recherche une réservation sur le nom, et affiche le planning à la date trouvée"_qs);
    connect(rechercher, &QPushButton::clicked, this, [this] { RechercherNom(edRechNom_->text()); });
    connect(edRechNom_, &QLineEdit::returnPressed, this, [this] { RechercherNom(edRechNom_->text()); });

    for (QWidget* w : std::initializer_list<QWidget*>{moins, cbMois_, cbAnnee_, plus, libelle, dateAff_, btnAujourdhui_,
             btnActualiser_, cbPresGrille_, cbPosReserv_, spHautLigne_, libNom, edRechNom_, rechercher})
        barre->addWidget(w);
    barre->addStretch(1);
}

void TFrmPlanning::construireResultats()
{
    auto* panneau = new QWidget(centre());
    panneau->setObjectName(u"PanelResultats"_qs);
    auto* grille = new QGridLayout(panneau);
    grille->setContentsMargins(0, 0, 0, 0);
    grille->setHorizontalSpacing(4);
    grille->setVerticalSpacing(1);
    const QStringList titres{
        u"Nb nuits"_qs, u"Nb max"_qs, u"Pourc."_qs, u"Nb rep."_qs, u"CA estimé"_qs, u"Déjà payé"_qs, u"Com."_qs};
    const QString bulleCA = u"Chiffre d'Affaire estimé d'après le montant des réservations du mois ou de l'année "
                            u"(en fonction de la date de la dernière nuit de la réservation)"_qs;
    const QStringList bulles{u"Nombre de nuitées réalisées dans le mois ou l'année"_qs,
        u"Nombre de nuitées possibles dans le mois ou l'année (nb jours x nb chambres)"_qs,
        u"Pourcentage de remplissage (nb réalisé / nb possible)"_qs, u"Nombre de repas dans le mois ou l'année"_qs,
        bulleCA, bulleCA,
        u"Montant de commission estimé d'après les réservations du mois ou de l'année (en fonction de la date de "
        u"la dernière nuit de la réservation)"_qs};
    libMois_ = new QLabel(u"Mois"_qs);
    libAnnee_ = new QLabel(u"Année"_qs);
    grille->addWidget(libMois_, 1, 0);
    grille->addWidget(libAnnee_, 2, 0);
    for (int c = 0; c < nombreColonnes; ++c) {
        auto* t = new QLabel(titres.at(c));
        t->setToolTip(bulles.at(c));
        t->setAlignment(Qt::AlignCenter);
        titresResultats_.append(t);
        grille->addWidget(t, 0, c + 1);
    }
    for (int ligne = 0; ligne < 2; ++ligne)
        for (int c = 0; c < nombreColonnes; ++c) {
            auto* boite = new QLabel;
            boite->setObjectName(QStringLiteral("Res%1%2").arg(ligne == 0 ? u"Mois"_qs : u"Annee"_qs).arg(c));
            boite->setFrameShape(QFrame::StyledPanel);
            boite->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            boite->setMinimumWidth(70);
            resultats_.append(boite);
            grille->addWidget(boite, ligne + 1, c + 1);
        }
    grille->setColumnStretch(nombreColonnes + 1, 1);
    panneau->installEventFilter(this);
}

void TFrmPlanning::preparerAffichage()
{
    const Sablier sablier;
    T_FrmPI::preparerAffichage();
    const OptionsMemoire& options = contexte().velorin.options().memoire();
    affRepas_ = options.AffRepas;
    affCA_ = options.AffCA;
    cadre_->AfficherRepas(affRepas_);
    cadre_->RemplirListes();
    restaurerDisposition();
    chargerHebergements();
    {
        QList<int> annees;
        try {
            annees = DonneesPlanning(contexte().velorin).ListeAnnees();
        } catch (const std::exception& e) {
            dialogues().erreur(texteErreur(e));
        }
        std::sort(annees.begin(), annees.end());
        miseAJour_ = true;
        for (int annee : annees) ajouterAnnee(annee);
        miseAJour_ = false;
    }
    const QDate initiale = dateInitiale();
    btnAujourdhui_->setText(initiale.toString(u"dd/MM/yyyy"_qs));
    AfficherAPartirDu(initiale);
    programmerRafraichissement();
}

// The second layout record keeps the planning's own choices: PosX the code 10 + 10 x
// presentation + docking, PosY the width of the "Observations" column, Larg the editor's width
// (or height when docked above or below), Haut the row height. The third one keeps the
// heights of the editor's reservation, meals and services panels (PosX, PosY, Larg; 0 when
// folded) and the span of the web update (Autre).
void TFrmPlanning::restaurerDisposition()
{
    int presentation = ModelePlanning::Verticale;
    int position = 0;
    if (dispositions().size() > 1) {
        const TDisposition& d = dispositions().at(1);
        if (d.PosX == 0) {
            presentation = ModelePlanning::Horizontale;
            position = 1;
        } else if (d.PosX >= 10 && d.PosX <= 14) {
            presentation = ModelePlanning::Horizontale;
            position = d.PosX - 10;
        } else if (d.PosX >= 20 && d.PosX <= 24) {
            position = d.PosX - 20;
        }
        largeurObservations_ = d.PosY;
        if (d.Haut >= 5 && d.Haut <= 100) spHautLigne_->setValue(d.Haut);
        tailleCadre_ = d.Larg;
    }
    if (dispositions().size() > 2) {
        const TDisposition& d = dispositions().at(2);
        cadre_->appliquerHauteursPanneaux({d.PosX, d.PosY, d.Larg});
        cbMajPlanning_->setCurrentIndex(d.Autre >= 0 && d.Autre < cbMajPlanning_->count() ? d.Autre : 0);
    }
    modele_->setPresentation(ModelePlanning::Presentation(presentation));
    cbPresGrille_->setCurrentIndex(presentation);
    cbPosReserv_->setCurrentIndex(position);
    placerCadre(position);
    if (tailleCadre_ > 0 && position != 4) {
        QList<int> tailles = separateur_->sizes();
        const int i = separateur_->indexOf(cadre_);
        const int total = tailles.at(0) + tailles.at(1);
        tailles[i] = tailleCadre_;
        tailles[1 - i] = std::max(0, total - tailleCadre_);
        separateur_->setSizes(tailles);
    }
}

void TFrmPlanning::enregistrerFermeture()
{
    T_FrmPI::enregistrerFermeture();
    const int position = cbPosReserv_->currentIndex();
    const bool dessusDessous = position == 1 || position == 3;
    TDisposition d;
    d.PosX = 10 + 10 * int(modele_->presentation()) + position;
    // The width last given in "Verticale" is kept while the grid is shown in "Horizontale".
    d.PosY = dessusDessous ? 0 : largeurObservations_;
    d.Larg = dessusDessous ? cadre_->height() : cadre_->width();
    d.Haut = spHautLigne_->value();
    d.Autre = 0;
    const QList<int> panneaux = cadre_->hauteursPanneaux();
    TDisposition suite;
    suite.PosX = panneaux.at(0);
    suite.PosY = panneaux.at(1);
    suite.Larg = panneaux.at(2);
    suite.Haut = 0;
    suite.Autre = cbMajPlanning_->currentIndex();
    commun().disposition().EnregistrerDisposition(cleFenetre(), {dispositions().first(), d, suite});
}

QDate TFrmPlanning::dateInitiale() const
{
    // An archive being consulted is shown from its first day.
    const DMVelorin& dm = contexte().velorin;
    const QDate reference = dm.archivesAffichees() && dm.debutArchive().isValid()
        ? dm.debutArchive()
        : contexte().services.horloge.aujourdhui();
    int mode = 0;
    try {
        mode = contexte().velorin.options().LireModeAffPlan();
    } catch (const std::exception&) {
        mode = 0;
    }
    return mode == 1 ? QDate(reference.year(), reference.month(), 1) : reference.addDays(-1);
}

void TFrmPlanning::chargerHebergements()
{
    chambres_.clear();
    try {
        DonneesPlanning(contexte().velorin).ChargerListeHebergements(chambres_);
    } catch (const std::exception& e) {
        dialogues().erreur(texteErreur(e));
    }
}

void TFrmPlanning::ajouterAnnee(int annee)
{
    const QString texte = QString::number(annee);
    if (cbAnnee_->findText(texte) >= 0) return;
    int i = 0;
    while (i < cbAnnee_->count() && cbAnnee_->itemText(i).toInt() < annee) ++i;
    cbAnnee_->insertItem(i, texte);
}

void TFrmPlanning::AfficherAPartirDu(const QDate& debut)
{
    if (!debut.isValid()) return;
    debut_ = debut;
    miseAJour_ = true;
    ajouterAnnee(debut.year());
    cbAnnee_->setCurrentText(QString::number(debut.year()));
    cbMois_->setCurrentIndex(debut.month() - 1);
    dateAff_->setDate(debut);
    miseAJour_ = false;
    redessiner();
}

void TFrmPlanning::choisirMoisAnnee()
{
    if (miseAJour_ || cbAnnee_->currentIndex() < 0) return;
    AfficherAPartirDu(QDate(cbAnnee_->currentText().toInt(), cbMois_->currentIndex() + 1, 1));
}

void TFrmPlanning::MoisPrecedent()
{
    const QDate mois = QDate(debut_.year(), debut_.month(), 1).addMonths(-1);
    AfficherAPartirDu(mois);
}

void TFrmPlanning::MoisSuivant()
{
    const QDate mois = QDate(debut_.year(), debut_.month(), 1).addMonths(1);
    AfficherAPartirDu(mois);
}

void TFrmPlanning::Actualiser()
{
    const Sablier sablier;
    contexte().velorin.options().ChargerOptions();
    const OptionsMemoire& options = contexte().velorin.options().memoire();
    affRepas_ = options.AffRepas;
    // The amounts hidden by a click stay hidden over the reloads, unless the option changed.
    if (options.AffCA != affCA_) montantsAffiches_ = true;
    affCA_ = options.AffCA;
    cadre_->AfficherRepas(affRepas_);
    chargerHebergements();
    redessiner();
}

void TFrmPlanning::redessiner()
{
    if (!debut_.isValid()) return;
    const Sablier sablier;
    const QModelIndex courant = grille_->currentIndex();
    const int ligne = courant.row();
    const int colonne = courant.column();
    FenetrePlanning fenetre;
    try {
        fenetre = DonneesPlanning(contexte().velorin).ChargerFenetre(chambres_, debut_);
    } catch (const std::exception& e) {
        // The grid keeps what it showed.
        dialogues().erreur(texteErreur(e));
        return;
    }
    modele_->setAujourdhui(contexte().services.horloge.aujourdhui());
    modele_->setCouleurs(commun().couleurs());
    {
        const QScopedValueRollback<bool> garde(dimensionnement_, true);
        modele_->charger(chambres_, fenetre, affRepas_);
        appliquerTailles();
    }
    ecrireResultats();
    if (ligne >= 0) {
        const int l = ligne < modele_->rowCount() ? ligne : 0;
        const int c = colonne < modele_->columnCount() ? colonne : 0;
        grille_->selectionModel()->setCurrentIndex(modele_->index(l, c), QItemSelectionModel::NoUpdate);
    }
}

void TFrmPlanning::appliquerTailles()
{
    const QScopedValueRollback<bool> garde(dimensionnement_, true);
    QHeaderView* h = grille_->horizontalHeader();
    const int n = int(chambres_.size());
    if (modele_->presentation() == ModelePlanning::Verticale) {
        grille_->verticalHeader()->setMinimumWidth(70);
        const int observations = largeurObservations_ >= 1 ? largeurObservations_ : 150;
        for (int c = 0; c < modele_->columnCount(); ++c)
            h->resizeSection(c, c < n ? 100 : c == n ? observations : 45);
    } else {
        grille_->verticalHeader()->setMinimumWidth(100);
        for (int c = 0; c < modele_->columnCount(); ++c) h->resizeSection(c, 60);
    }
}

void TFrmPlanning::ecrireResultats()
{
    const FenetrePlanning& f = modele_->fenetre();
    const QDate precedent = debut_.addYears(-1);
    libMois_->setText(moisAnnee(debut_));
    libAnnee_->setText(QString::number(debut_.year()));
    for (int ligne = 0; ligne < 2; ++ligne)
        for (int c = 0; c < nombreColonnes; ++c) {
            QLabel* boite = resultats_.at(ligne * nombreColonnes + c);
            const bool annee = ligne == 1;
            boite->setText(valeurResultat(f.Totaux, c, annee));
            boite->setToolTip((annee ? QString::number(precedent.year()) : moisAnnee(precedent)) + u" : "_qs
                + valeurResultat(f.TotauxAnneePrecedente, c, annee));
            const bool visible = c == Repas ? affRepas_ : c >= CA ? affCA_ && montantsAffiches_ : true;
            boite->setVisible(visible);
            titresResultats_.at(c)->setVisible(visible);
        }
}

void TFrmPlanning::setPresentation(ModelePlanning::Presentation presentation)
{
    if (presentation == modele_->presentation()) return;
    grille_->clearSelection();
    modele_->setPresentation(presentation);
    cbPresGrille_->setCurrentIndex(int(presentation));
    redessiner();
}

void TFrmPlanning::placerCadre(int position)
{
    cadre_->setVisible(position != 4);
    if (position == 4) return;
    const bool horizontal = position == 0 || position == 2;
    separateur_->setOrientation(horizontal ? Qt::Horizontal : Qt::Vertical);
    const bool avant = position == 2 || position == 3;
    separateur_->insertWidget(avant ? 0 : 1, cadre_);
    separateur_->setStretchFactor(separateur_->indexOf(cadre_), 0);
    cadre_->ChoisirDisposition(horizontal ? 0 : 1);
}

bool TFrmPlanning::eventFilter(QObject* objet, QEvent* evenement)
{
    if (objet->objectName() == u"PanelResultats"_qs && evenement->type() == QEvent::MouseButtonPress && affCA_) {
        // A click hides or shows the amounts, until the next click or the options change.
        montantsAffiches_ = !montantsAffiches_;
        for (int c = CA; c <= Com; ++c) {
            titresResultats_.at(c)->setVisible(montantsAffiches_);
            for (int ligne = 0; ligne < 2; ++ligne) resultats_.at(ligne * nombreColonnes + c)->setVisible(montantsAffiches_);
        }
    }
    if (evenement->type() == QEvent::Paint && objet->parent() == grille_ && qobject_cast<QAbstractButton*>(objet)) {
        // The corner cell names the first column: "Date" or "Chambre".
        auto* coin = static_cast<QWidget*>(objet);
        QPainter peintre(coin);
        peintre.fillRect(coin->rect(), ModelePlanning::couleurFixe());
        peintre.setPen(palette().color(QPalette::WindowText));
        peintre.drawText(coin->rect().adjusted(2, 0, -2, 0), Qt::AlignCenter, modele_->titreCoin());
        return true;
    }
    if (objet == grille_ && evenement->type() == QEvent::KeyRelease) {
        // Moving with the keyboard chooses the cell as a click does.
        switch (static_cast<QKeyEvent*>(evenement)->key()) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
        case Qt::Key_Home:
        case Qt::Key_End:
            // (While a remark is typed the keys go to its editor, not to the grid.)
            if (!(static_cast<QKeyEvent*>(evenement)->modifiers() & Qt::ShiftModifier)) {
                const QModelIndex courant = grille_->currentIndex();
                if (courant.isValid() && courant != celluleChoisie_) ChoisirPlage(courant, courant);
            }
            break;
        default: break;
        }
    }
    if (objet == grille_->viewport()) {
        if (evenement->type() == QEvent::MouseButtonPress) {
            auto* souris = static_cast<QMouseEvent*>(evenement);
            if (souris->button() == Qt::LeftButton) appui_ = grille_->indexAt(souris->position().toPoint());
        } else if (evenement->type() == QEvent::MouseButtonRelease) {
            auto* souris = static_cast<QMouseEvent*>(evenement);
            if (souris->button() == Qt::LeftButton) {
                const QModelIndex relache = grille_->indexAt(souris->position().toPoint());
                const QModelIndex appui = appui_;
                appui_ = {};
                // After the view has handled the release, so that the selection is final.
                QTimer::singleShot(0, this, [this, appui, relache] { ChoisirPlage(appui, relache); });
            }
        }
    }
    return T_FrmPI::eventFilter(objet, evenement);
}

void TFrmPlanning::ChoisirPlage(const QModelIndex& debut, const QModelIndex& fin)
{
    const int observations = modele_->ligneObservations();
    celluleChoisie_ = fin;
    const ModelePlanning::Position a = modele_->position(debut);
    const ModelePlanning::Position b = modele_->position(fin);
    if (!a.valide() || !b.valide() || a.chambre > observations || b.chambre > observations) {
        grille_->clearSelection();
        return;
    }
    const int premiereChambre = std::min(a.chambre, b.chambre);
    const int derniereChambre = std::min(std::max(a.chambre, b.chambre), observations - 1);
    const int premierJour = std::min(a.jour, b.jour);
    const int dernierJour = std::max(a.jour, b.jour);
    if (premiereChambre >= observations) {
        // The remarks line: an empty reservation.
        cadre_->ReservationVide();
        btnRegrouper_->setText(u"&Regrouper"_qs);
        return;
    }
    const TJourPlan* teste = modele_->jourPlan({derniereChambre, dernierJour});
    if (teste && teste->Etat == etats::Libre) {
        QList<int> hebergements;
        for (int c = premiereChambre; c <= derniereChambre; ++c) hebergements.append(chambres_.at(c).Identifiant);
        cadre_->NouvelleReservation(modele_->dateDuJour(premierJour), modele_->dateDuJour(dernierJour), hebergements);
        btnRegrouper_->setText(u"&Regrouper"_qs);
        return;
    }
    if (teste) montrerCellule(modele_->indexDe({derniereChambre, dernierJour}));
}

void TFrmPlanning::montrerCellule(const QModelIndex& index)
{
    const TJourPlan* jour = modele_->jourPlan(modele_->position(index));
    if (!jour || jour->IdReservation <= 0) return;
    cadre_->OuvrirReservation(jour->IdReservation);
    verifierHote(jour->IdReservation);
    btnRegrouper_->setText(jour->IdReg > 0 ? u"&Dégrouper"_qs : u"&Regrouper"_qs);
}

void TFrmPlanning::verifierHote(int identifiant)
{
    QVariantList ligne;
    try {
        QSqlQuery requete = commun().base().executer(
            u"SELECT R.IdContact, C.Nom, C.Prenom FROM Reservation R LEFT JOIN Contact C ON C.Identifiant = "
            u"R.IdContact WHERE R.Identifiant = ?"_qs,
            QVariantList{identifiant});
        if (!requete.next()) return;
        ligne = {requete.value(0), requete.value(1), requete.value(2)};
    } catch (const std::exception& e) {
        dialogues().erreur(texteErreur(e));
        return;
    }
    const int idContact = ligne.at(0).toInt();
    if (idContact <= 0 || !ligne.at(1).toString().isEmpty() || !ligne.at(2).toString().isEmpty()) return;
    const QString sansHote
        = u"La réservation reste sans hôte attribué, vous devez la supprimer ou l'attribuer à un autre hôte."_qs;
    const QString verifier = u"\rVous pouvez aussi vérifier tous les hôtes manquants dans le menu Utilitaires / "
                             u"Réindexation, \rpuis en cliquant sur Corriger les données et Réindexer."_qs;
    if (dialogues().question(u"Il semble que l'hôte saisi pour cette réservation a disparu. \rVoulez-vous le saisir "
                             u"à nouveau ?"_qs
            + verifier)) {
        if (cadre_->modifierHote && cadre_->modifierHote(idContact)) {
            redessiner();
            cadre_->OuvrirReservation(identifiant);
            return;
        }
        dialogues().information(sansHote + verifier);
    } else {
        dialogues().information(sansHote);
    }
    TReservation r = contexte().velorin.reservations().ChargerReservation(identifiant);
    r.IdContact = -1;
    cadre_->AfficherReservation(r);
}

bool TFrmPlanning::EnregistrerReservation()
{
    if (!cadre_->isVisible()) return false;
    if (!cadre_->ValiderReservation()) return false;
    const bool enregistree = cadre_->EnregistrerSaisie();
    redessiner();
    return enregistree;
}

void TFrmPlanning::SupprimerReservation()
{
    const int identifiant = cadre_->reservationCourante();
    if (identifiant > 0) {
        Reservations& reservations = contexte().velorin.reservations();
        if (dialogues().question(
                u"Confirmez-vous la suppression de la réservation suivante : \r"_qs + libelleSuppression(identifiant))) {
            if (reservations.SupprimerReservation(identifiant)) {
                cadre_->ReservationVide();
                envoyerMessage(contexte().fenetrePrincipale, WMActualiserPlanning);
            }
        }
    }
    redessiner();
}

QString TFrmPlanning::libelleSuppression(int identifiant)
{
    // "du <first night> au <last night> - <Nom> <Prenom>"; a closure has no guest, its dates
    // still say which one goes.
    try {
        QSqlQuery requete = commun().base().executer(
            u"SELECT R.DateDeb, R.DateFin, C.Nom, C.Prenom FROM Reservation R LEFT JOIN Contact C "
            u"ON C.Identifiant = R.IdContact WHERE R.Identifiant = ?"_qs,
            QVariantList{identifiant});
        if (!requete.next()) return {};
        const auto date = [&](int i) { return dialecte::lireDate(requete.value(i)).toString(u"dd/MM/yyyy"_qs); };
        return u"du "_qs + date(0) + u" au "_qs + date(1) + u" - "_qs + requete.value(2).toString() + u' '
            + requete.value(3).toString();
    } catch (const std::exception& e) {
        dialogues().erreur(texteErreur(e));
        return {};
    }
}

QString TFrmPlanning::platsDuJour(const QDate& jour)
{
    // The meal plan: one PlanRep row per day, dishes in Plat1 to Plat10.
    QString texte;
    try {
        if (!commun().base().tableExiste(u"PlanRep"_qs)) return {};
        QSqlQuery requete = commun().base().executer(
            u"SELECT Plat1, Plat2, Plat3, Plat4, Plat5, Plat6, Plat7, Plat8, Plat9, Plat10 FROM PlanRep WHERE Jour = ?"_qs,
            QVariantList{dialecte::valeurDate(jour)});
        if (!requete.next()) return {};
        for (int i = 0; i < 10; ++i) texte += requete.value(i).toString() + u'\n';
    } catch (const std::exception&) {
        // A tooltip is no place for an error box; the tooltip stays empty.
        return {};
    }
    return texte;
}

void TFrmPlanning::ReaffecterReservation()
{
    const int identifiant = cadre_->reservationCourante();
    if (identifiant <= 0 || !cadre_->choisirHote) return;
    // With both names empty the editor's guest search is the guests list in selection mode.
    const int idContact = cadre_->choisirHote(QString(), QString());
    if (idContact <= 0) return;
    if (contexte().velorin.reservations().ReaffecterReservation(identifiant, idContact)) {
        cadre_->OuvrirReservation(identifiant);
        envoyerMessage(contexte().fenetrePrincipale, WMActualiserPlanning);
    }
    redessiner();
}

void TFrmPlanning::RechercherNom(const QString& saisi)
{
    const QString nom = saisi.trimmed();
    if (nom.isEmpty()) {
        dialogues().information(u"Vous devez d'abord saisir un nom pour effectuer la recherche"_qs);
        edRechNom_->clear();
        edRechNom_->setFocus();
        return;
    }
    QVariant trouve;
    try {
        trouve = commun().base().valeur(
            u"SELECT R.DateDeb FROM Reservation R, Contact C WHERE R.DateDeb >= ? AND R.IdContact = C.Identifiant "
            u"AND (C.Nom = ? OR C.Nom = ? OR C.Nom = ?) ORDER BY R.DateDeb"_qs,
            QVariantList{
                dialecte::valeurDate(contexte().services.horloge.aujourdhui()), nom.toLower(), nom.toUpper(), nom});
    } catch (const std::exception& e) {
        dialogues().erreur(texteErreur(e));
        return;
    }
    const QDate date = dialecte::lireDate(trouve);
    if (date.isValid()) {
        AfficherAPartirDu(date);
        return;
    }
    dialogues().information(u"Le programme n'a trouvé aucune réservation correspondant à ce nom, ou uniquement des "
                            u"réservations passées."_qs);
    edRechNom_->setFocus();
}

void TFrmPlanning::programmerRafraichissement()
{
    rafraichissement_->stop();
    const int periode = commun().periodeRafraichissement();
    if (reseau() && periode > 0) rafraichissement_->start(periode);
}

void TFrmPlanning::changementFrequence()
{
    programmerRafraichissement();
}

void TFrmPlanning::messageFenetre(QEvent::Type type)
{
    if (type == WMActualiserPlanning) Actualiser();
}

} // namespace velorin
