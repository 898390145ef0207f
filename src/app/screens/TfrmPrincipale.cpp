#include "app/screens/TfrmPrincipale.h"

#include "app/Dialogues.h"
#include "app/Fichiers.h"
#include "app/Version.h"
#include "app/screens/TFrmApropos.h"
#include "app/screens/ZoneEcrans.h"
#include "store/DMCommun.h"
#include "store/DMVelorin.h"
#include "store/EtatCatalogue.h"
#include "store/Sites.h"
#include "store/screens/TFrmGestSites.h"
#include "ui/MessagesFenetre.h"
#include "ui/T_FrmPI.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QLinearGradient>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPainter>
#include <QPainterPath>
#include <QPointer>
#include <QSplitter>
#include <QStatusBar>
#include <QStringDecoder>
#include <QTextEdit>
#include <QToolBar>
#include <QToolButton>

namespace velorin {

namespace {

// The lists that serve several kinds: one open at a time, and a message naming the kind
// it shows when another is asked for.
enum class Groupe { Aucun, Catalogue, Contacts };

struct Definition {
    EntreeMenu entree;
    const char* nom; // objectName of the menu item
    const char16_t* libelle;
    const char16_t* aide = nullptr;
    Groupe groupe = Groupe::Aucun;
    const char16_t* genre = nullptr;
    // Refused with this message while a child screen is open.
    const char16_t* sansEnfant = nullptr;
};

using E = EntreeMenu;
const std::array<Definition, nombreEntreesMenu> definitions{{
    {E::Hebergeur, "mnuHebergeur", u"&Hébergeur", u"Hebergeur.txt"},
    {E::TypesTarifs, "mnuTypesTarifs", u"&Types de tarifs", u"Tarifs.txt"},
    {E::Hebergements, "mnuHebergements", u"Hé&bergements", u"Prestations.txt", Groupe::Catalogue, u"chambres"},
    {E::Prestations, "mnuPrestations", u"&Prestations", u"Prestations.txt", Groupe::Catalogue, u"prestations"},
    {E::Repas, "mnuRepas", u"&Repas", u"Prestations.txt", Groupe::Catalogue, u"repas"},
    {E::JoursFeries, "mnuJoursFeries", u"&Vacances et jours fériés", u"Feries.txt"},
    {E::ModesPaiement, "mnuModesPaiement", u"&Modes de paiement", u"ModePaie.txt"},
    {E::CalculCommissions, "mnuCalculCommissions", u"&Calcul des commissions", u"commissions.txt"},
    {E::ParamCouleurs, "mnuParamCouleurs", u"P&aramétrage des couleurs", u"ParamCoul.txt"},
    {E::Messagerie, "mnuMessagerie", u"&Logiciel de messagerie", u"messagerie.txt"},
    {E::Traductions, "mnuTraductions", u"Tra&ductions", u"traductions.txt"},
    {E::Options, "mnuOptions", u"&Options", u"Options.txt"},
    {E::Hotes, "mnuHotes", u"&Hôtes", u"Velorin.txt", Groupe::Contacts, u"hôtes"},
    {E::Organismes, "mnuOrganismes", u"&Organismes extérieurs", u"Velorin.txt", Groupe::Contacts,
        u"organismes extérieurs"},
    {E::Fournisseurs, "mnuFournisseurs", u"&Fournisseurs", u"Velorin.txt", Groupe::Contacts, u"fournisseurs"},
    {E::Etiquettes, "mnuEtiquettes", u"&Impression d'étiquettes / enveloppes", u"Etiquettes.txt"},
    {E::EnvoiMail, "mnuEnvoiMail", u"&Envoi d'e-mail", u"email.txt"},
    {E::Planning, "mnuPlanning", u"&Planning", u"Planning.txt"},
    {E::Reservations, "mnuReservations", u"&Réservations", u"Reserv.txt"},
    {E::PlanningMenus, "mnuPlanningMenus", u"Planning des &menus", u"Planrep.txt"},
    {E::BonsCadeaux, "mnuBonsCadeaux", u"&Bons cadeaux", u"bonscadeau.txt"},
    {E::EditionPlanning, "mnuEditionPlanning", u"&Edition du planning"},
    {E::PlanningInternet, "mnuPlanningInternet", u"Envoyer le planning sur &Internet", u"ExpInternet.txt"},
    {E::Factures, "mnuFactures", u"&Factures", u"factures.txt"},
    {E::Recettes, "mnuRecettes", u"&Recettes", u"DepRec.txt"},
    {E::Depenses, "mnuDepenses", u"&Dépenses", u"DepRec.txt"},
    {E::BilanActivite, "mnuBilanActivite", u"&Bilan d'activité", u"TauxOccup.txt"},
    {E::HotesParPays, "mnuHotesParPays", u"&Hôtes par pays et région", u"VelorinParPays.txt"},
    {E::DureeSejour, "mnuDureeSejour", u"&Durée de séjour et délai de réservation", u"DureeSej.txt"},
    {E::ListeCommissions, "mnuListeCommissions", u"&Liste des Commissions", u"EditionCom.txt"},
    {E::RepartitionOrigine, "mnuRepartitionOrigine", u"&Répartition par origine de contact"},
    {E::ComparaisonAnnees, "mnuComparaisonAnnees", u"&Comparaison des années"},
    {E::RegistreLogeur, "mnuRegistreLogeur", u"R&egistre du Logeur"},
    {E::Sauvegarde, "mnuSauvegarde", u"&Sauvegarde", u"ChargeSauve.txt", Groupe::Aucun, nullptr,
        u"Avant de sauvegarder les données, vous devez fermer toutes les fenêtres de l'application."},
    {E::ChargementSauvegarde, "mnuChargementSauvegarde", u"&Chargement d'une sauvegarde", u"ChargeSauve.txt",
        Groupe::Aucun, nullptr,
        u"Avant de charger une sauvegarde, vous devez fermer toutes les fenêtres de l'application."},
    {E::Reindexation, "mnuReindexation", u"&Réindexation"},
    {E::MiseAJour, "mnuMiseAJour", u"&Mise à jour du programme", u"MajProg.txt", Groupe::Aucun, nullptr,
        u"Avant de faire une mise à jour du programme, vous devez fermer toutes les fenêtres de l'application."},
    {E::Archivage, "mnuArchivage", u"&Archivage des données", u"archivage.txt", Groupe::Aucun, nullptr,
        u"Avant d'accéder aux archives, vous devez fermer toutes les fenêtres de l'application."},
    {E::GererSites, "BtnGererSites", u"&Gérer les sites", u"Sites.txt"},
}};

const Definition& definition(EntreeMenu entree)
{
    return definitions.at(static_cast<std::size_t>(entree));
}

QString texte(const char16_t* t)
{
    return t ? QString::fromUtf16(t) : QString();
}

QString messageGroupe(Groupe groupe, const QString& genreOuvert)
{
    if (groupe == Groupe::Catalogue)
        return u"Vous devez tout d'abord refermer le paramétrage des "_qs + genreOuvert
            + u" avant de passer à ce paramétrage."_qs;
    return u"Vous devez tout d'abord refermer la saisie des "_qs + genreOuvert + u" avant de passer à cette saisie."_qs;
}

const QString messagePlanning = u"Avant d'afficher le planning des réservations vous devez tout d'abord saisir au "
                                u"moins un type de tarif, et au moins un hébergement, dans le menu Paramétrages."_qs;
const QString messageSite = u"Avant de changer de site, vous devez fermer toutes les fenêtres de l'application."_qs;

// The wait cursor for the length of a block.
struct CurseurAttente {
    CurseurAttente() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~CurseurAttente() { QApplication::restoreOverrideCursor(); }
    CurseurAttente(const CurseurAttente&) = delete;
    CurseurAttente& operator=(const CurseurAttente&) = delete;
};

// The toolbar's two images, drawn rather than shipped.
QIcon iconePlanning()
{
    QPixmap image(64, 64);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x2F, 0x3E, 0x8F), 3));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(6, 10, 52, 48), 6, 6);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xD9, 0x3A, 0x3A));
    QPainterPath entete;
    entete.addRoundedRect(QRectF(7.5, 11.5, 49, 13), 5, 5);
    p.drawPath(entete);
    p.setBrush(QColor(0x2F, 0x3E, 0x8F));
    for (int x : {18, 42}) p.drawRoundedRect(QRectF(x - 3, 4, 6, 14), 2, 2);
    for (int ligne = 0; ligne < 3; ++ligne)
        for (int colonne = 0; colonne < 4; ++colonne) {
            const bool occupe = (ligne * 4 + colonne) % 3 == 1;
            p.setBrush(occupe ? QColor(0xFE, 0xBF, 0x3D) : QColor(0xB4, 0xDC, 0xFF));
            p.drawRect(QRectF(12 + colonne * 11, 29 + ligne * 9, 8, 6));
        }
    return QIcon(image);
}

QIcon iconeRecettes()
{
    QPixmap image(64, 64);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    for (int i = 2; i >= 0; --i) {
        const QRectF piece(10 + i * 4, 30 - i * 10, 40, 28);
        p.setPen(QPen(QColor(0x8A, 0x6A, 0x10), 2));
        p.setBrush(QColor(0xF5, 0xC8, 0x42));
        p.drawEllipse(piece);
    }
    QFont police = p.font();
    police.setPixelSize(22);
    police.setBold(true);
    p.setFont(police);
    p.setPen(QColor(0x6B, 0x4E, 0x00));
    p.drawText(QRectF(10, 30, 40, 28), Qt::AlignCenter, QStringLiteral("€"));
    return QIcon(image);
}

// The program's own icon: a "V" on the colours of its title.
QIcon iconeVelorin()
{
    QPixmap image(64, 64);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient fond(0, 0, 0, 64);
    fond.setColorAt(0, QColor(0x47, 0x5C, 0xEF));
    fond.setColorAt(1, QColor(0x2F, 0x3E, 0x8F));
    p.setPen(Qt::NoPen);
    p.setBrush(fond);
    p.drawRoundedRect(QRectF(2, 2, 60, 60), 12, 12);
    QFont police = p.font();
    police.setPixelSize(46);
    police.setBold(true);
    p.setFont(police);
    p.setPen(QColor(0xFC, 0xCE, 0x45));
    p.drawText(QRectF(2, 2, 60, 60), Qt::AlignCenter, QStringLiteral("V"));
    return QIcon(image);
}

// A help text is plain text, in UTF-8 or in the older Windows encoding, or formatted text.
QString lireTexteAide(const QString& chemin)
{
    QFile fichier(chemin);
    if (!fichier.open(QIODevice::ReadOnly)) return {};
    const QByteArray octets = fichier.readAll();
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString contenu = utf8.decode(octets);
    if (utf8.hasError()) contenu = QString::fromLatin1(octets);
    return contenu;
}

} // namespace

TfrmPrincipale::TfrmPrincipale(const ContexteEcrans& contexte, QWidget* parent)
    : QMainWindow(parent)
    , contexte_(contexte)
{
    setObjectName(cleFenetre());
    setWindowTitle(titreFenetre());
    // Every window of the program, the child screens' frames included, takes this icon.
    if (QApplication::windowIcon().isNull()) QApplication::setWindowIcon(iconeVelorin());
    setWindowIcon(QApplication::windowIcon());

    zone_ = new ZoneEcrans;
    contexte_.fenetrePrincipale = this;
    contexte_.zoneEcrans = zone_;

    separateur_ = new QSplitter(Qt::Horizontal, this);
    separateur_->setObjectName(QStringLiteral("Separateur"));
    separateur_->setChildrenCollapsible(false);
    separateur_->setHandleWidth(4);
    separateur_->addWidget(zone_);
    creerPanneauAide();
    separateur_->setStretchFactor(0, 1);
    separateur_->setStretchFactor(1, 0);
    setCentralWidget(separateur_);
    connect(separateur_, &QSplitter::splitterMoved, this, [this] {
        if (aideAffichee()) largeurAide_ = panelAide_->width();
    });

    creerMenus();
    creerBarres();

    auto* barre = new QStatusBar(this);
    barre->setObjectName(QStringLiteral("BarreStatus"));
    panelDossier_ = new QLabel(barre);
    panelDossier_->setObjectName(QStringLiteral("PanelDossier"));
    panelDossier_->setContentsMargins(6, 2, 6, 2);
    panelArchives_ = new QLabel(barre);
    panelArchives_->setObjectName(QStringLiteral("PanelArchives"));
    panelArchives_->setContentsMargins(6, 2, 6, 2);
    QFont gras = panelArchives_->font();
    gras.setBold(true);
    panelArchives_->setFont(gras);
    barre->addWidget(panelDossier_, 1);
    barre->addPermanentWidget(panelArchives_);
    setStatusBar(barre);

    registre_.surInscription = [this](EntreeMenu entree) { actualiserEntree(entree); };
    enregistrerEcransMenu(registre_);
    for (int i = 0; i < nombreEntreesMenu; ++i) actualiserEntree(static_cast<EntreeMenu>(i));

    // Normal size when the user leaves the maximised state; the window opens maximised.
    resize(1200, 800);
    setWindowState(Qt::WindowMaximized);
}

TfrmPrincipale::~TfrmPrincipale()
{
    registre_.surInscription = nullptr;
    // The screens still open go before the context they were given.
    delete takeCentralWidget();
}

QString TfrmPrincipale::titreFenetre()
{
    return u"Gestion de chambres d'hôtes "_qs + u"Version "_qs + texteVersionProgramme();
}

QString TfrmPrincipale::libelle(EntreeMenu entree)
{
    return texte(definition(entree).libelle);
}
QString TfrmPrincipale::fichierAide(EntreeMenu entree)
{
    return texte(definition(entree).aide);
}

QAction* TfrmPrincipale::action(EntreeMenu entree) const
{
    return actions_.at(static_cast<std::size_t>(entree));
}

void TfrmPrincipale::creerMenus()
{
    QMenuBar* barre = menuBar();
    barre->setObjectName(QStringLiteral("MenuPrincipal"));
    const auto menu = [barre](const QString& titre, const char* nom) {
        QMenu* m = barre->addMenu(titre);
        m->setObjectName(QLatin1String(nom));
        return m;
    };
    const auto ajouter = [this](QMenu* m, std::initializer_list<EntreeMenu> entrees) {
        for (EntreeMenu entree : entrees) {
            const Definition& d = definition(entree);
            QAction* a = m->addAction(texte(d.libelle));
            a->setObjectName(QLatin1String(d.nom));
            connect(a, &QAction::triggered, this, [this, entree] { ouvrirEntree(entree); });
            actions_.at(static_cast<std::size_t>(entree)) = a;
        }
    };

    QMenu* parametrages = menu(u"&Paramétrages"_qs, "mnuParametrages");
    ajouter(parametrages, {E::Hebergeur, E::TypesTarifs});
    parametrages->addSeparator();
    ajouter(parametrages, {E::Hebergements, E::Prestations, E::Repas});
    parametrages->addSeparator();
    ajouter(parametrages, {E::JoursFeries, E::ModesPaiement, E::CalculCommissions});
    parametrages->addSeparator();
    ajouter(parametrages, {E::ParamCouleurs, E::Messagerie, E::Traductions, E::Options});
    parametrages->addSeparator();
    QAction* quitter = parametrages->addAction(u"&Quitter"_qs);
    quitter->setObjectName(QStringLiteral("mnuQuitter"));
    connect(quitter, &QAction::triggered, this, &QWidget::close);

    QMenu* contacts = menu(u"&Contacts"_qs, "mnuContacts");
    ajouter(contacts, {E::Hotes, E::Organismes, E::Fournisseurs});
    contacts->addSeparator();
    ajouter(contacts, {E::Etiquettes, E::EnvoiMail});

    QMenu* sejours = menu(u"&Séjours"_qs, "mnuSejours");
    ajouter(sejours, {E::Planning, E::Reservations, E::PlanningMenus, E::BonsCadeaux});
    sejours->addSeparator();
    ajouter(sejours, {E::EditionPlanning, E::PlanningInternet});

    QMenu* flux = menu(u"&Flux financiers"_qs, "mnuFlux");
    ajouter(flux, {E::Factures, E::Recettes, E::Depenses});

    QMenu* editions = menu(u"&Editions"_qs, "mnuEditions");
    ajouter(editions,
        {E::BilanActivite, E::HotesParPays, E::DureeSejour, E::ListeCommissions, E::RepartitionOrigine,
            E::ComparaisonAnnees, E::RegistreLogeur});

    QMenu* utilitaires = menu(u"&Utilitaires"_qs, "mnuUtilitaires");
    ajouter(utilitaires, {E::Sauvegarde, E::ChargementSauvegarde});
    utilitaires->addSeparator();
    ajouter(utilitaires, {E::Reindexation, E::MiseAJour, E::Archivage});

    QMenu* aide = menu(u"Aide"_qs, "mnuAide");
    actionAide_ = aide->addAction(u"Panneau d'aide"_qs);
    actionAide_->setObjectName(QStringLiteral("mnuPanneauAide"));
    actionAide_->setCheckable(true);
    actionAide_->setChecked(true);
    connect(actionAide_, &QAction::toggled, this, &TfrmPrincipale::afficherAide);
    aide->addSeparator();
    QAction* apropos = aide->addAction(u"&A propos"_qs);
    apropos->setObjectName(QStringLiteral("mnuApropos"));
    connect(apropos, &QAction::triggered, this, &TfrmPrincipale::Apropos);
}

void TfrmPrincipale::creerBarres()
{
    barreOutils_ = addToolBar(u"Barre d'outils"_qs);
    barreOutils_->setObjectName(QStringLiteral("BarreOutils"));
    barreOutils_->setMovable(false);
    barreOutils_->setIconSize(QSize(32, 32));
    barreOutils_->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    const auto bouton = [this](EntreeMenu entree, const QIcon& icone, const QString& bulle, const char* nom) {
        QAction* a = action(entree);
        a->setIcon(icone);
        a->setToolTip(bulle);
        barreOutils_->addAction(a);
        barreOutils_->widgetForAction(a)->setObjectName(QLatin1String(nom));
    };
    bouton(E::Planning, iconePlanning(), u"Planning"_qs, "BtnPlanning");
    bouton(E::Recettes, iconeRecettes(), u"Recettes"_qs, "BtnRecettes");

    barreMultisite_ = addToolBar(u"Sites"_qs);
    barreMultisite_->setObjectName(QStringLiteral("BarreMultisite"));
    barreMultisite_->setMovable(false);
    auto* contenu = new QWidget(barreMultisite_);
    auto* disposition = new QHBoxLayout(contenu);
    disposition->setContentsMargins(12, 0, 8, 0);
    disposition->setSpacing(8);
    auto* etiquette = new QLabel(u"Site sélectionné :"_qs, contenu);
    etiquette->setObjectName(QStringLiteral("lbSite"));
    cbSites_ = new QComboBox(contenu);
    cbSites_->setObjectName(QStringLiteral("cbSites"));
    cbSites_->setEditable(false);
    cbSites_->setMinimumWidth(200);
    cbSites_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    etiquette->setBuddy(cbSites_);
    auto* gerer = new QToolButton(contenu);
    gerer->setObjectName(QStringLiteral("BtnGererSites"));
    gerer->setText(libelle(E::GererSites));
    gerer->setToolButtonStyle(Qt::ToolButtonTextOnly);
    disposition->addWidget(etiquette);
    disposition->addWidget(cbSites_);
    disposition->addWidget(gerer);
    barreMultisite_->addWidget(contenu);
    connect(cbSites_, &QComboBox::activated, this, &TfrmPrincipale::changerSite);
    connect(gerer, &QToolButton::clicked, this, &TfrmPrincipale::GererSites);
}

void TfrmPrincipale::creerPanneauAide()
{
    panelAide_ = new QWidget(separateur_);
    panelAide_->setObjectName(QStringLiteral("PanelAide"));
    panelAide_->setMinimumWidth(120);
    auto* disposition = new QVBoxLayout(panelAide_);
    disposition->setContentsMargins(0, 0, 0, 0);
    texteAide_ = new QTextEdit(panelAide_);
    texteAide_->setObjectName(QStringLiteral("TexteAide"));
    texteAide_->setReadOnly(true);
    texteAide_->setFrameShape(QFrame::NoFrame);
    texteAide_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    texteAide_->document()->setDocumentMargin(10);
    disposition->addWidget(texteAide_);
    separateur_->addWidget(panelAide_);
}

void TfrmPrincipale::actualiserEntree(EntreeMenu entree)
{
    if (QAction* a = action(entree)) a->setEnabled(registre_.estInscrite(entree));
}

// ---- Show, activation, close ----

void TfrmPrincipale::showEvent(QShowEvent* evenement)
{
    if (!prepare_) {
        prepare_ = true;
        preparerAffichage();
    }
    QMainWindow::showEvent(evenement);
}

void TfrmPrincipale::preparerAffichage()
{
    chargerSites();
    barreMultisite_->show();
    AppliquerCouleurs();
    setWindowTitle(titreFenetre());
    actualiserBarreStatus();
    restaurerPanneauAide();
    if (aideAffichee()) afficherAide(true);
    ChargerAide(QStringLiteral("bienvenue.txt"));
}

void TfrmPrincipale::changeEvent(QEvent* evenement)
{
    if (evenement->type() == QEvent::ActivationChange && isActiveWindow()) actualiserBarreStatus();
    QMainWindow::changeEvent(evenement);
}

void TfrmPrincipale::closeEvent(QCloseEvent* evenement)
{
    // The screens close first, each storing its own layout; one that stays open keeps the
    // program running.
    zone_->closeAllSubWindows();
    if (aDesEcransOuverts()) {
        evenement->ignore();
        return;
    }
    if (prepare_) enregistrerPanneauAide();
    QMainWindow::closeEvent(evenement);
}

void TfrmPrincipale::restaurerPanneauAide()
{
    const auto lues = contexte_.commun.disposition().LireDisposition(cleFenetre());
    if (!lues || lues->isEmpty()) return;
    const TDisposition& d = lues->first();
    if (d.Autre == 1) {
        if (d.Larg > 0) largeurAide_ = d.Larg;
        afficherAide(true);
    } else {
        afficherAide(false);
    }
}

void TfrmPrincipale::enregistrerPanneauAide()
{
    contexte_.commun.disposition().EnregistrerDisposition(
        cleFenetre(), {TDisposition{0, 0, largeurAide(), 0, actionAide_->isChecked() ? 1 : 0}});
}

// ---- Help panel ----

bool TfrmPrincipale::aideAffichee() const
{
    return !panelAide_->isHidden();
}

int TfrmPrincipale::largeurAide() const
{
    return aideAffichee() ? largeurAide_ : 0;
}

void TfrmPrincipale::afficherAide(bool affichee)
{
    if (actionAide_->isChecked() != affichee) {
        // The menu item's own signal comes back here.
        actionAide_->setChecked(affichee);
        return;
    }
    panelAide_->setVisible(affichee);
    if (!affichee) return;
    const int total = separateur_->width() > 0 ? separateur_->width() : width();
    const int largeur = qBound(panelAide_->minimumWidth(), largeurAide_, qMax(panelAide_->minimumWidth(), total / 2));
    separateur_->setSizes({qMax(1, total - largeur - separateur_->handleWidth()), largeur});
}

void TfrmPrincipale::ChargerAide(const QString& fichier)
{
    texteAide_->clear();
    if (fichier.isEmpty()) return;
    const QString chemin = fichiers::trouverSansCasse(contexte_.commun.dossierProgramme(), fichier);
    if (chemin.isEmpty()) return;
    const QString contenu = lireTexteAide(chemin);
    if (Qt::mightBeRichText(contenu))
        texteAide_->setHtml(contenu);
    else
        texteAide_->setPlainText(contenu);
}

QString TfrmPrincipale::texteAide() const
{
    return texteAide_->toPlainText();
}

// ---- Colours and status bar ----

void TfrmPrincipale::AppliquerCouleurs()
{
    contexte_.commun.LireCouleurs();
    const TCouleurs& valeurs = contexte_.commun.couleurs();
    const auto couleur
        = [&valeurs](int numero) { return couleurs::versQColor(valeurs[static_cast<std::size_t>(numero)]); };
    zone_->setCouleurs(couleur(0), couleur(1));

    QPalette aide = texteAide_->palette();
    aide.setColor(QPalette::Base, couleur(4));
    aide.setColor(QPalette::Window, couleur(4));
    aide.setColor(QPalette::Text, couleur(6));
    texteAide_->setPalette(aide);
    panelAide_->setPalette(aide);
    panelAide_->setAutoFillBackground(true);

    QPalette barre = statusBar()->palette();
    barre.setColor(QPalette::Window, couleur(5));
    statusBar()->setPalette(barre);
    statusBar()->setAutoFillBackground(true);

    transmettre(WMChangementCouleur);
    update();
    zone_->viewport()->update();
}

QString TfrmPrincipale::texteArchives(bool archivesAffichees, const QDate& premierJour, const QDate& dernierJour)
{
    if (!archivesAffichees) return {};
    if (!premierJour.isValid() || !dernierJour.isValid()) return u"DONNEES ARCHIVEES"_qs;
    return u"DONNEES ARCHIVEES du "_qs + premierJour.toString(u"dd/MM/yyyy"_qs) + u" au "_qs
        + dernierJour.toString(u"dd/MM/yyyy"_qs);
}

void TfrmPrincipale::actualiserBarreStatus()
{
    panelDossier_->setText(
        u"Répertoire de données : "_qs + QDir::toNativeSeparators(contexte_.commun.dossierDonnees()));
    const QString archives = texteArchives(
        contexte_.velorin.archivesAffichees(), contexte_.velorin.debutArchive(), contexte_.velorin.finArchive());
    panelArchives_->setText(archives);
    panelArchives_->setVisible(!archives.isEmpty());
}

// ---- Window messages ----

bool TfrmPrincipale::event(QEvent* evenement)
{
    const QEvent::Type type = evenement->type();
    if (!estMessageFenetre(type)) return QMainWindow::event(evenement);
    if (type == WMChangementCouleur) {
        AppliquerCouleurs();
    } else if (type == WMActualiserPlanning) {
        CurseurAttente attente;
        const RegistreEcrans::Inscription* planning = registre_.trouver(E::Planning);
        if (planning && planning->classe) transmettre(WMActualiserPlanning, planning->classe);
    } else if (type == WMCacherAide) {
        texteAide_->clear();
    } else if (type == WMMajSites) {
        chargerSites();
    } else if (type == WMchangementFreq) {
        CurseurAttente attente;
        contexte_.commun.lireFrequence();
        transmettre(WMchangementFreq);
    } else if (type == WMChangerArchives) {
        actualiserBarreStatus();
    }
    return true;
}

void TfrmPrincipale::transmettre(QEvent::Type message, const QMetaObject* classe)
{
    for (T_FrmPI* ecran : ecransOuverts())
        if (!classe || qstrcmp(ecran->metaObject()->className(), classe->className()) == 0)
            envoyerMessage(ecran, message);
}

// ---- Opening screens ----

QList<T_FrmPI*> TfrmPrincipale::ecransOuverts() const
{
    QList<T_FrmPI*> ecrans;
    for (QMdiSubWindow* sous : zone_->subWindowList()) {
        auto* ecran = qobject_cast<T_FrmPI*>(sous->widget());
        // A screen just closed waits for its deletion: it is no longer open. (A minimised
        // one hides its screen, not its window.)
        if (ecran && !sous->isHidden()) ecrans.append(ecran);
    }
    return ecrans;
}

T_FrmPI* TfrmPrincipale::chercherEcran(const QMetaObject* classe, bool avecFenetresIndependantes) const
{
    if (!classe) return nullptr;
    const auto memeClasse
        = [classe](const QWidget* w) { return qstrcmp(w->metaObject()->className(), classe->className()) == 0; };
    for (T_FrmPI* ecran : ecransOuverts())
        if (memeClasse(ecran)) return ecran;
    if (avecFenetresIndependantes)
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* ecran = qobject_cast<T_FrmPI*>(w); ecran && ecran->isVisible() && memeClasse(ecran)) return ecran;
    return nullptr;
}

void TfrmPrincipale::amenerAuPremierPlan(T_FrmPI* ecran)
{
    if (auto* sous = qobject_cast<QMdiSubWindow*>(ecran->parentWidget())) {
        if (sous->isMinimized() || sous->isMaximized()) sous->showNormal();
        zone_->setActiveSubWindow(sous);
        sous->raise();
        return;
    }
    if (ecran->isMinimized() || ecran->isMaximized()) ecran->showNormal();
    ecran->raise();
    ecran->activateWindow();
}

void TfrmPrincipale::ouvrirEntree(EntreeMenu entree)
{
    if (entree == E::GererSites) {
        GererSites();
        return;
    }
    const RegistreEcrans::Inscription* inscription = registre_.trouver(entree);
    if (!inscription) return;
    const Definition& d = definition(entree);
    if (d.sansEnfant && aDesEcransOuverts()) {
        contexte_.services.dialogues.avertissement(texte(d.sansEnfant));
        return;
    }
    ouvrirEcran(entree, *inscription);
}

void TfrmPrincipale::ouvrirEcran(EntreeMenu entree, const RegistreEcrans::Inscription& inscription)
{
    const Definition& d = definition(entree);
    const QString aide = texte(d.aide);

    if (T_FrmPI* ouvert = chercherEcran(inscription.classe, inscription.mode == RegistreEcrans::Mode::Modal)) {
        bool ok = false;
        const int entreeOuverte = ouvert->property(proprieteEntreeMenu).toInt(&ok);
        if (ok && d.groupe != Groupe::Aucun && entreeOuverte != static_cast<int>(entree) && entreeOuverte >= 0
            && entreeOuverte < nombreEntreesMenu) {
            const Definition& autre = definition(static_cast<EntreeMenu>(entreeOuverte));
            if (autre.groupe == d.groupe) {
                contexte_.services.dialogues.avertissement(messageGroupe(d.groupe, texte(autre.genre)));
                amenerAuPremierPlan(ouvert);
                return;
            }
        }
        amenerAuPremierPlan(ouvert);
        ChargerAide(aide);
        return;
    }

    if (entree == E::Planning && !planningPossible(contexte_.commun)) {
        contexte_.services.dialogues.avertissement(messagePlanning);
        return;
    }

    // The work on the whole data folder runs with its database closed; it is reopened
    // afterwards unless that work opened another folder.
    const bool fermer = d.sansEnfant != nullptr;
    if (fermer) contexte_.velorin.FermerTout();
    const auto rouvrir = [this, fermer] {
        if (fermer && !contexte_.commun.base().estOuverte()) contexte_.velorin.AffecterDossier();
    };

    switch (inscription.mode) {
    case RegistreEcrans::Mode::Action:
        ChargerAide(aide);
        inscription.executer(contexte_);
        break;
    case RegistreEcrans::Mode::Enfant:
        if (T_FrmPI* ecran = inscription.creer(contexte_)) {
            ecran->setProperty(proprieteEntreeMenu, static_cast<int>(entree));
            // A child screen working on the whole data folder keeps it closed until it is
            // itself closed, not merely shown.
            if (fermer) {
                connect(ecran, &QObject::destroyed, this, rouvrir);
                ecran->afficherEnfant();
                ChargerAide(aide);
                return;
            }
            ecran->afficherEnfant();
            ChargerAide(aide);
        }
        break;
    case RegistreEcrans::Mode::Modal:
        if (QPointer<T_FrmPI> ecran = inscription.creer(contexte_)) {
            ecran->setParent(this, ecran->windowFlags());
            ecran->setProperty(proprieteEntreeMenu, static_cast<int>(entree));
            ChargerAide(aide);
            ecran->exec();
            delete ecran.data();
        }
        break;
    }
    rouvrir();
}

void TfrmPrincipale::GererSites()
{
    RegistreEcrans::Inscription sites;
    sites.classe = &TFrmGestSites::staticMetaObject;
    const QString courant = siteCourant();
    sites.creer = [courant](ContexteEcrans& c) -> T_FrmPI* { return new TFrmGestSites(c, courant); };
    ouvrirEcran(E::GererSites, sites);
}

void TfrmPrincipale::Apropos()
{
    TFrmApropos apropos(contexte_, this);
    apropos.exec();
}

// ---- Sites ----

void TfrmPrincipale::chargerSites()
{
    Sites sites(contexte_.commun, contexte_.velorin);
    const QSignalBlocker bloque(cbSites_);
    cbSites_->clear();
    for (const Site& site : sites.ListeSites()) cbSites_->addItem(site.nom, site.dossier);
    selectionnerSiteCourant();
}

void TfrmPrincipale::selectionnerSiteCourant()
{
    // The selector names the site whose folder is the current data folder, the first one
    // when none is.
    const QDir programme(contexte_.commun.dossierProgramme());
    const QString courant = QDir::cleanPath(contexte_.commun.dossierDonnees());
    int index = cbSites_->count() > 0 ? 0 : -1;
    for (int i = 0; i < cbSites_->count(); ++i) {
        const QString dossier = cbSites_->itemData(i).toString().trimmed();
        if (dossier.isEmpty()) continue;
        if (QDir::cleanPath(programme.absoluteFilePath(dossier)).compare(courant, Qt::CaseInsensitive) == 0) {
            index = i;
            break;
        }
    }
    const QSignalBlocker bloque(cbSites_);
    cbSites_->setCurrentIndex(index);
    indexSite_ = index;
}

QString TfrmPrincipale::siteCourant() const
{
    return cbSites_->currentText();
}

void TfrmPrincipale::changerSite(int index)
{
    if (index == indexSite_ || index < 0) return;
    if (aDesEcransOuverts()) {
        contexte_.services.dialogues.avertissement(messageSite);
        const QSignalBlocker bloque(cbSites_);
        cbSites_->setCurrentIndex(indexSite_);
        return;
    }
    bool change = false;
    {
        CurseurAttente attente;
        Sites sites(contexte_.commun, contexte_.velorin);
        change = sites.ChangerSite(cbSites_->itemText(index));
    }
    if (!change) {
        selectionnerSiteCourant();
        return;
    }
    indexSite_ = index;
    // The options in memory belong to the folder that was left.
    contexte_.velorin.options().ChargerOptions();
    AppliquerCouleurs();
    actualiserBarreStatus();
}

} // namespace velorin
