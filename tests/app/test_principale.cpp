#include "app/FixturePrincipale.h"

#include "app/FichierIni.h"
#include "app/Version.h"
#include "app/screens/TFrmApropos.h"
#include "app/screens/ZoneEcrans.h"
#include "ui/MessagesFenetre.h"
#include "ui/T_FrmPI.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QSplitter>
#include <QStatusBar>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

using namespace velorin;
using namespace velorin::test;

namespace {

// Stand-ins for the screens the menus will open: each counts the window messages it gets.
class TFrmEssai : public T_FrmPI {
    Q_OBJECT
public:
    explicit TFrmEssai(ContexteEcrans& contexte, int genre = 0)
        : T_FrmPI(contexte)
        , genre(genre)
    {
        setWindowTitle(QStringLiteral("Essai"));
    }
    int genre;
    QList<QEvent::Type> recus;

protected:
    void messageFenetre(QEvent::Type type) override { recus.append(type); }
    void changementFrequence() override { recus.append(WMchangementFreq); }
};

class TFrmListeEssai : public TFrmEssai {
    Q_OBJECT
public:
    using TFrmEssai::TFrmEssai;
};

class TFrmContactsEssai : public TFrmEssai {
    Q_OBJECT
public:
    using TFrmEssai::TFrmEssai;
};

class TFrmPlanningEssai : public TFrmEssai {
    Q_OBJECT
public:
    using TFrmEssai::TFrmEssai;
};

template <class Ecran> QList<Ecran*> ecrans(TfrmPrincipale& fenetre)
{
    QList<Ecran*> trouves;
    for (T_FrmPI* ecran : fenetre.ecransOuverts())
        if (auto* e = qobject_cast<Ecran*>(ecran);
            e && qstrcmp(e->metaObject()->className(), Ecran::staticMetaObject.className()) == 0)
            trouves.append(e);
    return trouves;
}

QMdiSubWindow* cadre(QWidget* ecran)
{
    return qobject_cast<QMdiSubWindow*>(ecran->parentWidget());
}

class Principale : public FixturePrincipale {
protected:
    TDisposition dispositionStockee(const QString& fenetre)
    {
        QSqlQuery q
            = base().executer("SELECT PosX, PosY, Larg, Haut, Autre FROM TaillePos WHERE Fenetre = ?", {fenetre});
        if (!q.next()) return {};
        return {q.value(0).toInt(), q.value(1).toInt(), q.value(2).toInt(), q.value(3).toInt(), q.value(4).toInt()};
    }
};

} // namespace

TEST_F(Principale, MenusCompletsDansLOrdreAvecLesEntreesNonConstruitesDesactivees)
{
    auto fenetre = creerFenetre();
    const QList<QPair<QString, QStringList>> attendus{
        {"&Paramétrages",
            {"&Hébergeur", "&Types de tarifs", "Hé&bergements", "&Prestations", "&Repas", "&Vacances et jours fériés",
                "&Modes de paiement", "&Calcul des commissions", "P&aramétrage des couleurs", "&Logiciel de messagerie",
                "Tra&ductions", "&Options", "&Quitter"}},
        {"&Contacts",
            {"&Hôtes", "&Organismes extérieurs", "&Fournisseurs", "&Impression d'étiquettes / enveloppes",
                "&Envoi d'e-mail"}},
        {"&Séjours",
            {"&Planning", "&Réservations", "Planning des &menus", "&Bons cadeaux", "&Edition du planning",
                "Envoyer le planning sur &Internet"}},
        {"&Flux financiers", {"&Factures", "&Recettes", "&Dépenses"}},
        {"&Editions",
            {"&Bilan d'activité", "&Hôtes par pays et région", "&Durée de séjour et délai de réservation",
                "&Liste des Commissions", "&Répartition par origine de contact", "&Comparaison des années",
                "R&egistre du Logeur"}},
        {"&Utilitaires",
            {"&Sauvegarde", "&Chargement d'une sauvegarde", "&Réindexation", "&Mise à jour du programme",
                "&Archivage des données"}},
        {"Aide", {"Panneau d'aide", "&A propos"}},
    };
    const QList<QAction*> menus = fenetre->menuBar()->actions();
    ASSERT_EQ(menus.size(), attendus.size());
    for (int i = 0; i < menus.size(); ++i) {
        EXPECT_EQ(menus.at(i)->text(), attendus.at(i).first);
        QStringList entrees;
        for (QAction* a : menus.at(i)->menu()->actions())
            if (!a->isSeparator()) entrees << a->text();
        EXPECT_EQ(entrees, attendus.at(i).second) << attendus.at(i).first.toStdString();
    }

    // Built screens are enabled, the others wait for theirs.
    for (EntreeMenu e : {EntreeMenu::ParamCouleurs, EntreeMenu::Messagerie, EntreeMenu::TypesTarifs,
             EntreeMenu::Hebergements, EntreeMenu::Prestations, EntreeMenu::Repas, EntreeMenu::Options,
             EntreeMenu::Hotes, EntreeMenu::Organismes, EntreeMenu::Fournisseurs, EntreeMenu::Planning})
        EXPECT_TRUE(fenetre->action(e)->isEnabled()) << TfrmPrincipale::libelle(e).toStdString();
    for (EntreeMenu e : {EntreeMenu::Hebergeur, EntreeMenu::EnvoiMail, EntreeMenu::Sauvegarde, EntreeMenu::BilanActivite})
        EXPECT_FALSE(fenetre->action(e)->isEnabled()) << TfrmPrincipale::libelle(e).toStdString();
    EXPECT_TRUE(fenetre->findChild<QAction*>("mnuQuitter")->isEnabled());
    EXPECT_TRUE(fenetre->actionPanneauAide()->isCheckable());

    // The toolbar: Planning (registered with the program's screens) and Recettes, disabled
    // until registered, then enabled.
    auto* planning = fenetre->findChild<QToolButton*>("BtnPlanning");
    auto* recettes = fenetre->findChild<QToolButton*>("BtnRecettes");
    ASSERT_TRUE(planning && recettes);
    EXPECT_EQ(planning->toolTip(), "Planning");
    EXPECT_EQ(recettes->toolTip(), "Recettes");
    EXPECT_TRUE(planning->isEnabled());
    EXPECT_TRUE(fenetre->action(EntreeMenu::Planning)->isEnabled());
    EXPECT_FALSE(recettes->isEnabled());
    fenetre->registre().enfant<TFrmEssai>(EntreeMenu::Recettes);
    EXPECT_TRUE(recettes->isEnabled());
    EXPECT_TRUE(fenetre->action(EntreeMenu::Recettes)->isEnabled());
}

TEST_F(Principale, FenetreAffichee)
{
    ecrireFichier(env.chemin("bienvenue.txt"), "Bonjour et bienvenue.");
    auto fenetre = creerFenetre();
    fenetre->show();
    EXPECT_TRUE(fenetre->isMaximized());
    EXPECT_EQ(fenetre->windowTitle(), "Gestion de chambres d'hôtes Version " + texteVersionProgramme());
    EXPECT_EQ(fenetre->texteAide(), "Bonjour et bienvenue.");
    EXPECT_EQ(fenetre->findChild<QLabel*>("PanelDossier")->text(),
        "Répertoire de données : " + QDir::toNativeSeparators(env.donnees()));
    EXPECT_TRUE(fenetre->findChild<QLabel*>("PanelArchives")->text().isEmpty());
    auto* sites = fenetre->findChild<QComboBox*>("cbSites");
    ASSERT_NE(sites, nullptr);
    EXPECT_EQ(sites->currentText(), "Principal");
    EXPECT_TRUE(fenetre->findChild<QToolBar*>("BarreMultisite")->isVisible());
    EXPECT_TRUE(fenetre->findChild<QStatusBar*>("BarreStatus")->isVisible());
    EXPECT_TRUE(env.dialogues.messages.isEmpty());

    const auto couleur = [this](int n) { return couleurs::versQColor(commun.couleurs()[std::size_t(n)]); };
    EXPECT_EQ(fenetre->zoneEcrans()->couleurTitre(), couleur(0));
    EXPECT_EQ(fenetre->zoneEcrans()->couleurSousTitre(), couleur(1));
    EXPECT_EQ(fenetre->findChild<QTextEdit*>("TexteAide")->palette().color(QPalette::Base), couleur(4));
    EXPECT_EQ(fenetre->findChild<QTextEdit*>("TexteAide")->palette().color(QPalette::Text), couleur(6));

    // Title and subtitle centred vertically, the subtitle just under the title.
    ZoneEcrans* zone = fenetre->zoneEcrans();
    const QRect titre = zone->rectTitre();
    const QRect sousTitre = zone->rectSousTitre();
    EXPECT_EQ(titre.top(), (zone->viewport()->height() - titre.height() - sousTitre.height()) / 2);
    EXPECT_EQ(sousTitre.top(), titre.bottom() + 1);
    EXPECT_EQ(titre.width(), zone->viewport()->width());
}

TEST(MarqueurArchives, TroisEtats)
{
    EXPECT_EQ(TfrmPrincipale::texteArchives(false), "");
    EXPECT_EQ(TfrmPrincipale::texteArchives(true), "DONNEES ARCHIVEES");
    EXPECT_EQ(TfrmPrincipale::texteArchives(true, QDate(2019, 1, 1), QDate(2020, 12, 31)),
        "DONNEES ARCHIVEES du 01/01/2019 au 31/12/2020");
}

TEST_F(Principale, UnSeulEcranParClasseRameneAuPremierPlanEtEnTailleNormale)
{
    auto fenetre = creerFenetre();
    fenetre->show();
    fenetre->registre().enfant<TFrmEssai>(EntreeMenu::Hebergeur);
    fenetre->registre().enfant<TFrmPlanningEssai>(EntreeMenu::TypesTarifs);

    fenetre->action(EntreeMenu::Hebergeur)->trigger();
    ASSERT_EQ(ecrans<TFrmEssai>(*fenetre).size(), 1);
    TFrmEssai* premier = ecrans<TFrmEssai>(*fenetre).first();
    EXPECT_EQ(premier->property(proprieteEntreeMenu).toInt(), int(EntreeMenu::Hebergeur));
    fenetre->action(EntreeMenu::TypesTarifs)->trigger();
    EXPECT_EQ(fenetre->zoneEcrans()->activeSubWindow(), cadre(ecrans<TFrmPlanningEssai>(*fenetre).first()));

    for (const auto etat : {Qt::WindowMinimized, Qt::WindowMaximized}) {
        cadre(premier)->setWindowState(etat);
        fenetre->action(EntreeMenu::Hebergeur)->trigger();
        EXPECT_EQ(ecrans<TFrmEssai>(*fenetre).size(), 1) << "the same screen, not a second one";
        EXPECT_EQ(ecrans<TFrmEssai>(*fenetre).first(), premier);
        EXPECT_FALSE(cadre(premier)->isMinimized());
        EXPECT_FALSE(cadre(premier)->isMaximized());
        EXPECT_EQ(fenetre->zoneEcrans()->activeSubWindow(), cadre(premier));
    }
    EXPECT_TRUE(env.dialogues.messages.isEmpty());
}

TEST_F(Principale, ListesAPlusieursGenresRefermerDAbordLeGenreOuvert)
{
    struct Cas {
        EntreeMenu ouverte;
        EntreeMenu demandee;
        QString message;
    };
    const QList<Cas> cas{
        {EntreeMenu::Hebergements, EntreeMenu::Prestations,
            "Vous devez tout d'abord refermer le paramétrage des chambres avant de passer à ce paramétrage."},
        {EntreeMenu::Prestations, EntreeMenu::Repas,
            "Vous devez tout d'abord refermer le paramétrage des prestations avant de passer à ce paramétrage."},
        {EntreeMenu::Repas, EntreeMenu::Hebergements,
            "Vous devez tout d'abord refermer le paramétrage des repas avant de passer à ce paramétrage."},
        {EntreeMenu::Hotes, EntreeMenu::Organismes,
            "Vous devez tout d'abord refermer la saisie des hôtes avant de passer à cette saisie."},
        {EntreeMenu::Organismes, EntreeMenu::Fournisseurs,
            "Vous devez tout d'abord refermer la saisie des organismes extérieurs avant de passer à cette saisie."},
        {EntreeMenu::Fournisseurs, EntreeMenu::Hotes,
            "Vous devez tout d'abord refermer la saisie des fournisseurs avant de passer à cette saisie."},
    };
    auto fenetre = creerFenetre();
    fenetre->show();
    RegistreEcrans& registre = fenetre->registre();
    registre.enfant<TFrmListeEssai>(EntreeMenu::Hebergements, 0);
    registre.enfant<TFrmListeEssai>(EntreeMenu::Prestations, 1);
    registre.enfant<TFrmListeEssai>(EntreeMenu::Repas, 2);
    registre.enfant<TFrmContactsEssai>(EntreeMenu::Hotes, 2);
    registre.enfant<TFrmContactsEssai>(EntreeMenu::Organismes, 3);
    registre.enfant<TFrmContactsEssai>(EntreeMenu::Fournisseurs, 4);
    registre.enfant<TFrmEssai>(EntreeMenu::Hebergeur);

    for (const Cas& c : cas) {
        SCOPED_TRACE(c.message.toStdString());
        env.dialogues.vider();
        fenetre->action(c.ouverte)->trigger();
        fenetre->action(EntreeMenu::Hebergeur)->trigger(); // another screen in front
        QList<T_FrmPI*> ouverts = fenetre->ecransOuverts();
        ASSERT_EQ(ouverts.size(), 2);
        T_FrmPI* liste = ouverts.first();
        const int genre = static_cast<TFrmEssai*>(liste)->genre;

        fenetre->action(c.demandee)->trigger();
        EXPECT_EQ(env.dialogues.textes(), QStringList{c.message});
        EXPECT_EQ(fenetre->ecransOuverts().size(), 2) << "nothing more opens";
        EXPECT_EQ(static_cast<TFrmEssai*>(fenetre->ecransOuverts().first())->genre, genre)
            << "the open list is unchanged";
        EXPECT_EQ(fenetre->zoneEcrans()->activeSubWindow(), cadre(liste)) << "and brought to the front";

        // The same kind again: no message, the same list.
        env.dialogues.vider();
        fenetre->action(c.ouverte)->trigger();
        EXPECT_TRUE(env.dialogues.textes().isEmpty());
        EXPECT_EQ(fenetre->ecransOuverts().size(), 2);

        fenetre->zoneEcrans()->closeAllSubWindows();
        supprimerFenetresFermees();
    }
}

TEST_F(Principale, EntreeSansEnfantRefuseeTantQuUnEcranEstOuvert)
{
    struct Cas {
        EntreeMenu entree;
        QString message;
    };
    const QList<Cas> cas{
        {EntreeMenu::Sauvegarde,
            "Avant de sauvegarder les données, vous devez fermer toutes les fenêtres de l'application."},
        {EntreeMenu::ChargementSauvegarde,
            "Avant de charger une sauvegarde, vous devez fermer toutes les fenêtres de l'application."},
        {EntreeMenu::MiseAJour,
            "Avant de faire une mise à jour du programme, vous devez fermer toutes les fenêtres de l'application."},
        {EntreeMenu::Archivage,
            "Avant d'accéder aux archives, vous devez fermer toutes les fenêtres de l'application."},
    };
    auto fenetre = creerFenetre();
    fenetre->show();
    fenetre->registre().enfant<TFrmPlanningEssai>(EntreeMenu::Planning);
    base().executer("CREATE TABLE prestation (Identifiant Integer, TypePrest Integer)");
    base().executer("CREATE TABLE TypeTarif (Identifiant Integer)");
    base().executer("INSERT INTO prestation VALUES (1, 0)");
    base().executer("INSERT INTO TypeTarif VALUES (1)");
    int executions = 0;
    bool baseFermeePendant = false;
    for (const Cas& c : cas)
        fenetre->registre().action(c.entree, [&](ContexteEcrans& contexte) {
            ++executions;
            baseFermeePendant = !contexte.commun.base().estOuverte();
        });

    fenetre->action(EntreeMenu::Planning)->trigger();
    ASSERT_EQ(fenetre->ecransOuverts().size(), 1);
    for (const Cas& c : cas) {
        env.dialogues.vider();
        fenetre->action(c.entree)->trigger();
        EXPECT_EQ(env.dialogues.textes(), QStringList{c.message});
    }
    EXPECT_EQ(executions, 0) << "nothing opens";
    EXPECT_EQ(fenetre->ecransOuverts().size(), 1);

    fenetre->zoneEcrans()->closeAllSubWindows();
    supprimerFenetresFermees();
    env.dialogues.vider();
    fenetre->action(EntreeMenu::Sauvegarde)->trigger();
    EXPECT_EQ(executions, 1);
    EXPECT_TRUE(baseFermeePendant) << "the tables are closed first";
    EXPECT_TRUE(commun.base().estOuverte()) << "and reopened once it returns";
    EXPECT_TRUE(env.dialogues.textes().isEmpty());
}

TEST_F(Principale, UnEcranEnfantSurTouteLaBaseLaGardeFermeeJusquASaFermeture)
{
    auto fenetre = creerFenetre();
    fenetre->show();
    // A child screen standing for the archives screen, which works on the whole data folder.
    fenetre->registre().enfant<TFrmListeEssai>(EntreeMenu::Archivage);
    fenetre->action(EntreeMenu::Archivage)->trigger();
    ASSERT_EQ(fenetre->ecransOuverts().size(), 1);
    EXPECT_FALSE(commun.base().estOuverte()) << "closed while the screen is open";
    fenetre->zoneEcrans()->closeAllSubWindows();
    supprimerFenetresFermees();
    EXPECT_TRUE(commun.base().estOuverte()) << "reopened once it is closed";
}

TEST_F(Principale, PlanningRefuseSansHebergementOuTypeDeTarif)
{
    auto fenetre = creerFenetre();
    fenetre->show();
    fenetre->registre().enfant<TFrmPlanningEssai>(EntreeMenu::Planning);
    const QString message = "Avant d'afficher le planning des réservations vous devez tout d'abord saisir au moins un "
                            "type de tarif, et au moins un hébergement, dans le menu Paramétrages.";
    fenetre->findChild<QToolButton*>("BtnPlanning")->click();
    EXPECT_EQ(env.dialogues.textes(), QStringList{message}) << "no catalogue tables yet";
    base().executer("CREATE TABLE prestation (Identifiant Integer, TypePrest Integer)");
    base().executer("CREATE TABLE TypeTarif (Identifiant Integer)");
    base().executer("INSERT INTO prestation VALUES (1, 1)");
    base().executer("INSERT INTO TypeTarif VALUES (1)");
    env.dialogues.vider();
    fenetre->findChild<QToolButton*>("BtnPlanning")->click();
    EXPECT_EQ(env.dialogues.textes(), QStringList{message}) << "a service is no accommodation";
    base().executer("INSERT INTO prestation VALUES (2, 0)");
    env.dialogues.vider();
    fenetre->findChild<QToolButton*>("BtnPlanning")->click();
    EXPECT_TRUE(env.dialogues.textes().isEmpty());
    EXPECT_EQ(ecrans<TFrmPlanningEssai>(*fenetre).size(), 1);
}

TEST_F(Principale, PanneauDAideMasqueLeResteApresUnRedemarrage)
{
    {
        auto fenetre = creerFenetre();
        fenetre->show();
        QCoreApplication::processEvents();
        EXPECT_TRUE(fenetre->aideAffichee()) << "the designed panel without a stored layout";
        EXPECT_EQ(fenetre->largeurAide(), 180);
        EXPECT_EQ(fenetre->findChild<QWidget*>("PanelAide")->width(), 180);
        fenetre->actionPanneauAide()->trigger();
        EXPECT_FALSE(fenetre->aideAffichee());
        EXPECT_EQ(fenetre->largeurAide(), 0);
        EXPECT_TRUE(fenetre->close());
    }
    EXPECT_EQ(dispositionStockee("TfrmPrincipale_0"), (TDisposition{0, 0, 0, 0, 0}));
    {
        auto fenetre = creerFenetre();
        fenetre->show();
        EXPECT_FALSE(fenetre->aideAffichee());
        EXPECT_FALSE(fenetre->actionPanneauAide()->isChecked());
        EXPECT_EQ(fenetre->largeurAide(), 0);
        fenetre->actionPanneauAide()->trigger();
        EXPECT_TRUE(fenetre->aideAffichee());
        EXPECT_EQ(fenetre->largeurAide(), 180);
        fenetre->close();
    }
    EXPECT_EQ(dispositionStockee("TfrmPrincipale_0"), (TDisposition{0, 0, 180, 0, 1}));
    base().executer("UPDATE TaillePos SET Larg = 240 WHERE Fenetre = 'TfrmPrincipale_0'");
    auto fenetre = creerFenetre();
    fenetre->show();
    QCoreApplication::processEvents();
    EXPECT_TRUE(fenetre->actionPanneauAide()->isChecked());
    EXPECT_EQ(fenetre->findChild<QWidget*>("PanelAide")->width(), 240) << "the stored width";
}

TEST_F(Principale, AideDeLEcranOuvertEtFichierAbsentLaissePanneauVide)
{
    ecrireFichier(env.chemin("Hebergeur.txt"), "Vos coordonnées figurent sur vos documents.");
    QFile::remove(env.chemin("Tarifs.txt"));
    // An older help file in the Windows encoding.
    ecrireFichier(env.chemin("Feries.txt"), "Jours f\xe9ri\xe9s");
    auto fenetre = creerFenetre();
    fenetre->show();
    EXPECT_FALSE(fenetre->texteAide().isEmpty()) << "bienvenue.txt";
    fenetre->registre().enfant<TFrmEssai>(EntreeMenu::Hebergeur);
    fenetre->registre().enfant<TFrmListeEssai>(EntreeMenu::TypesTarifs);
    fenetre->registre().enfant<TFrmContactsEssai>(EntreeMenu::JoursFeries);

    fenetre->action(EntreeMenu::Hebergeur)->trigger();
    EXPECT_EQ(fenetre->texteAide(), "Vos coordonnées figurent sur vos documents.");
    fenetre->action(EntreeMenu::TypesTarifs)->trigger();
    EXPECT_EQ(fenetre->texteAide(), "") << "cleared, and nothing loaded";
    fenetre->action(EntreeMenu::JoursFeries)->trigger();
    EXPECT_EQ(fenetre->texteAide(), "Jours fériés");
    EXPECT_TRUE(env.dialogues.messages.isEmpty());

    // Back to a screen already open: its help again. A screen that closes clears the panel.
    fenetre->action(EntreeMenu::Hebergeur)->trigger();
    EXPECT_EQ(fenetre->texteAide(), "Vos coordonnées figurent sur vos documents.");
    ecrans<TFrmEssai>(*fenetre).first()->close();
    EXPECT_EQ(fenetre->texteAide(), "");
}

TEST_F(Principale, MessagesDeFenetreRelayes)
{
    auto fenetre = creerFenetre();
    fenetre->show();
    fenetre->registre().enfant<TFrmPlanningEssai>(EntreeMenu::Planning);
    fenetre->registre().enfant<TFrmEssai>(EntreeMenu::Hebergeur);
    base().executer("CREATE TABLE prestation (Identifiant Integer, TypePrest Integer)");
    base().executer("CREATE TABLE TypeTarif (Identifiant Integer)");
    base().executer("INSERT INTO prestation VALUES (1, 0)");
    base().executer("INSERT INTO TypeTarif VALUES (1)");
    fenetre->action(EntreeMenu::Planning)->trigger();
    fenetre->action(EntreeMenu::Hebergeur)->trigger();
    TFrmPlanningEssai* planning = ecrans<TFrmPlanningEssai>(*fenetre).first();
    TFrmEssai* autre = ecrans<TFrmEssai>(*fenetre).first();

    envoyerMessage(fenetre.get(), WMActualiserPlanning);
    EXPECT_EQ(planning->recus, QList<QEvent::Type>{WMActualiserPlanning});
    EXPECT_TRUE(autre->recus.isEmpty()) << "only the planning screens";

    ecrireFichier(env.chemin("info.ini"), "[Reseau]\nFrequence=12\n");
    envoyerMessage(fenetre.get(), WMchangementFreq);
    EXPECT_EQ(commun.periodeRafraichissement(), 12000);
    EXPECT_EQ(autre->recus, QList<QEvent::Type>{WMchangementFreq});
    EXPECT_EQ(planning->recus.last(), WMchangementFreq);

    TCouleurs nouvelles = commun.couleurs();
    nouvelles[0] = 0x0000FF;
    nouvelles[4] = 0x00FF00;
    Disposition(commun).EnregistrerCouleurs(nouvelles);
    envoyerMessage(fenetre.get(), WMChangementCouleur);
    EXPECT_EQ(commun.couleurs()[0], 0x0000FF) << "reloaded";
    EXPECT_EQ(fenetre->zoneEcrans()->couleurTitre(), QColor(0xFF, 0, 0));
    EXPECT_EQ(autre->palette().color(QPalette::Window), QColor(0, 0xFF, 0)) << "every child repaints";
    EXPECT_EQ(planning->palette().color(QPalette::Window), QColor(0, 0xFF, 0));

    fenetre->ChargerAide("Velorin.txt");
    ASSERT_FALSE(fenetre->texteAide().isEmpty());
    envoyerMessage(fenetre.get(), WMCacherAide);
    EXPECT_TRUE(fenetre->texteAide().isEmpty());

    ecrireFichier(env.chemin("info.ini"), "[Sites]\nPrincipal=" + env.donnees().toUtf8() + "\nSecond=/ailleurs\n");
    envoyerMessage(fenetre.get(), WMMajSites);
    auto* sites = fenetre->findChild<QComboBox*>("cbSites");
    EXPECT_EQ(sites->count(), 2);
    EXPECT_EQ(sites->currentText(), "Principal");

    envoyerMessage(fenetre.get(), WMChangerArchives);
    EXPECT_TRUE(env.dialogues.messages.isEmpty());
}

TEST_F(Principale, ChangementDeSiteRefuseTantQuUnEcranEstOuvert)
{
    const QString autreDossier = env.chemin("Autre");
    ecrireFichier(env.chemin("info.ini"),
        "[Sites]\nPrincipal=" + env.donnees().toUtf8() + "\nAutre=" + autreDossier.toUtf8() + "\n");
    auto fenetre = creerFenetre();
    fenetre->show();
    fenetre->registre().enfant<TFrmEssai>(EntreeMenu::Hebergeur);
    fenetre->action(EntreeMenu::Hebergeur)->trigger();
    auto* sites = fenetre->findChild<QComboBox*>("cbSites");
    ASSERT_EQ(sites->count(), 2);

    QTest::keyClick(sites, Qt::Key_Down);
    EXPECT_EQ(env.dialogues.textes(),
        QStringList{"Avant de changer de site, vous devez fermer toutes les fenêtres de l'application."});
    EXPECT_EQ(sites->currentText(), "Principal") << "the selector goes back to the current site";
    EXPECT_EQ(commun.dossierDonnees(), QDir::cleanPath(env.donnees()));
    EXPECT_TRUE(commun.base().estOuverte());

    // Once the screen is closed the change runs: the new folder, its tables, its colours.
    fenetre->zoneEcrans()->closeAllSubWindows();
    supprimerFenetresFermees();
    env.dialogues.vider();
    QTest::keyClick(sites, Qt::Key_Down);
    EXPECT_TRUE(env.dialogues.textes().isEmpty()) << env.dialogues.textes().join("\n").toStdString();
    EXPECT_EQ(sites->currentText(), "Autre");
    EXPECT_EQ(commun.dossierDonnees(), QDir::cleanPath(autreDossier));
    EXPECT_TRUE(commun.base().tableExiste("Couleurs")) << "the new folder is verified";
    EXPECT_EQ(fenetre->findChild<QLabel*>("PanelDossier")->text(),
        "Répertoire de données : " + QDir::toNativeSeparators(QDir::cleanPath(autreDossier)));

    // A site without folder is refused and the selector shows the current site again.
    ecrireFichier(env.chemin("info.ini"),
        "[Sites]\nPrincipal=" + env.donnees().toUtf8() + "\nAutre=" + autreDossier.toUtf8() + "\nVide=\n");
    envoyerMessage(fenetre.get(), WMMajSites);
    EXPECT_EQ(sites->currentText(), "Autre") << "the site whose folder is current";
    QTest::keyClick(sites, Qt::Key_Down);
    EXPECT_EQ(env.dialogues.textes(),
        QStringList{"Impossible de sélectionner ce site, car son dossier de données n'est pas indiqué."});
    EXPECT_EQ(sites->currentText(), "Autre");
    EXPECT_EQ(commun.dossierDonnees(), QDir::cleanPath(autreDossier));
}

TEST_F(Principale, FermetureDesEcransPuisDuPanneau)
{
    auto fenetre = creerFenetre();
    fenetre->show();
    fenetre->registre().enfant<TFrmEssai>(EntreeMenu::Hebergeur);
    fenetre->action(EntreeMenu::Hebergeur)->trigger();
    cadre(ecrans<TFrmEssai>(*fenetre).first())->setGeometry(20, 30, 500, 320);
    fenetre->findChild<QAction*>("mnuQuitter")->trigger();
    EXPECT_FALSE(fenetre->isVisible());
    supprimerFenetresFermees();
    EXPECT_EQ(dispositionStockee("TFrmEssai_0"), (TDisposition{20, 30, 500, 320, 0})) << "the screen stored its place";
    EXPECT_EQ(dispositionStockee("TfrmPrincipale_0"), (TDisposition{0, 0, 180, 0, 1}));
}

TEST_F(Principale, AProposOuvreLesDossiers)
{
    auto fenetre = creerFenetre();
    fenetre->show();
    bool vu = false;
    QTimer::singleShot(0, [&] {
        auto* apropos = qobject_cast<TFrmApropos*>(QApplication::activeModalWidget());
        ASSERT_NE(apropos, nullptr);
        vu = true;
        EXPECT_EQ(apropos->windowTitle(), "A propos");
        EXPECT_EQ(apropos->findChild<QLabel*>("lbVersion")->text(), texteVersionProgramme());
        EXPECT_EQ(apropos->btnDossierProgramme()->toolTip(), "Affiche le contenu du répertoire");
        apropos->btnDossierProgramme()->click();
        apropos->btnDossierDonnees()->click();
        apropos->findChild<QPushButton*>("BtnOk")->click();
    });
    fenetre->findChild<QAction*>("mnuApropos")->trigger();
    EXPECT_TRUE(vu);
    EXPECT_EQ(env.plateforme.ouverts, (QStringList{commun.dossierProgramme(), commun.dossierDonnees()}));
}

#include "test_principale.moc"
