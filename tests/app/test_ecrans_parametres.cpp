#include "app/FixturePrincipale.h"

#include "app/FichierIni.h"
#include "app/screens/TFrmParamConnect.h"
#include "app/screens/TFrmParamCouleurs.h"
#include "app/screens/TFrmParamMessagerie.h"
#include "store/VerificationTables.h"
#include "store/screens/TFrmGestSites.h"
#include "ui/MessagesFenetre.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>

using namespace velorin;
using namespace velorin::test;

namespace {

class TFrmTemoin : public T_FrmPI {
    Q_OBJECT
public:
    using T_FrmPI::T_FrmPI;
};

// Receives the window messages as the main window would.
class FenetreTemoin : public QWidget {
public:
    QList<QEvent::Type> recus;

protected:
    bool event(QEvent* evenement) override
    {
        if (!estMessageFenetre(evenement->type())) return QWidget::event(evenement);
        recus.append(evenement->type());
        return true;
    }
};

class Parametres : public FixturePrincipale {
protected:
    Parametres() { contexte.fenetrePrincipale = &temoin; }

    ContexteEcrans contexte{commun, velorin, env.services()};
    FenetreTemoin temoin;
};

void cliquerLigne(QTableWidget* grille, int ligne, bool double_ = false)
{
    const QPoint point = grille->visualRect(grille->model()->index(ligne, 0)).center();
    QTest::mouseClick(grille->viewport(), Qt::LeftButton, {}, point);
    if (double_) QTest::mouseDClick(grille->viewport(), Qt::LeftButton, {}, point);
}

QString messageCouleurs(const QString& phrases)
{
    return "Le programme ne peut pas enregistrer votre paramétrage de couleurs pour la ou les raisons suivantes, qui "
           "conduiraient à masquer certaines informations : "
        + phrases;
}

const QString phraseFond = "\n - La couleur de fond des fenêtres ne peut pas être identique à la couleur des titres "
                           "de zones.";
const QString phraseTitres = "\n - La couleur des titres de zones ne peut pas être identique à la couleur de fond des "
                             "jours fériés, ou des week-end, ou des jours avec repas, ou les couleurs 1 et 2 des "
                             "grilles, ou le blanc.";
const QString phraseNonConfirmees = "\n - La couleur des réservations non confirmées ne peut pas être identique à la "
                                    "couleur de fond des jours fériés, ou des week-end, ou des jours avec repas, ou le "
                                    "blanc.";

} // namespace

// ---- Colours ----

TEST(ReglesCouleurs, CombinaisonsRefusees)
{
    struct Cas {
        std::vector<std::pair<int, int>> changements;
        QStringList phrases;
    };
    const QList<Cas> cas{
        {{}, {}},
        {{{6, 0xFFFFFF}}, {phraseTitres.mid(1)}},
        {{{4, 0x123456}, {6, 0x123456}}, {phraseFond.mid(1)}},
        {{{6, couleurs::defaut(8)}}, {phraseTitres.mid(1)}},
        {{{6, couleurs::defaut(3)}}, {phraseTitres.mid(1)}},
        {{{11, couleurs::defaut(9)}}, {phraseNonConfirmees.mid(1)}},
        {{{11, 0xFFFFFF}, {4, 0x505050}, {6, 0x505050}}, {phraseFond.mid(1), phraseNonConfirmees.mid(1)}},
        {{{11, couleurs::defaut(7)}, {6, couleurs::defaut(7)}}, {phraseTitres.mid(1), phraseNonConfirmees.mid(1)}},
    };
    for (const Cas& c : cas) {
        TCouleurs valeurs = couleursParDefaut();
        for (const auto& [numero, valeur] : c.changements) valeurs[std::size_t(numero)] = valeur;
        EXPECT_EQ(TFrmParamCouleurs::raisonsRefus(valeurs), c.phrases);
    }
}

TEST_F(Parametres, CouleursBlancRefusePourLesTitresPuisDefautEnregistreLes21)
{
    TCouleurs stockees = couleursParDefaut();
    stockees[4] = 0x00FF00;
    stockees[15] = 0x111111;
    commun.EnregistrerCouleurs(stockees);

    auto fenetre = creerFenetre();
    fenetre->show();
    fenetre->registre().enfant<TFrmTemoin>(EntreeMenu::Hebergeur);
    fenetre->action(EntreeMenu::Hebergeur)->trigger();
    T_FrmPI* temoinOuvert = fenetre->ecransOuverts().first();
    EXPECT_EQ(temoinOuvert->palette().color(QPalette::Window), QColor(0, 0xFF, 0));

    fenetre->action(EntreeMenu::ParamCouleurs)->trigger();
    auto* ecran = qobject_cast<TFrmParamCouleurs*>(fenetre->ecransOuverts().last());
    ASSERT_NE(ecran, nullptr);
    EXPECT_EQ(ecran->windowTitle(), "Paramétrage des couleurs");
    EXPECT_EQ(ecran->selection(), 0) << "the first row is selected";
    EXPECT_EQ(ecran->copieTravail(), stockees);
    EXPECT_EQ(fenetre->texteAide().trimmed(), QString::fromUtf8(lireFichier(env.chemin("ParamCoul.txt"))).trimmed());

    cliquerLigne(ecran->grille(), ecran->ligneDe(6));
    EXPECT_EQ(ecran->selection(), 6);
    env.dialogues.couleurs.enqueue(Qt::white);
    ecran->findChild<QPushButton*>("BtnModifier")->click();
    EXPECT_EQ(env.dialogues.messages.last().texte, couleurs::versQColor(couleurs::defaut(6)).name())
        << "the dialog opens at the selected colour";
    EXPECT_EQ(ecran->copieTravail()[6], 0xFFFFFF);
    EXPECT_EQ(ecran->couleurEchantillon(6), QColor(Qt::white));
    ecran->btnOK()->click();
    EXPECT_EQ(env.dialogues.textes(), QStringList{messageCouleurs(phraseTitres)});
    EXPECT_TRUE(ecran->isVisible()) << "the screen stays open";
    EXPECT_EQ(commun.couleurs(), stockees) << "nothing stored";

    env.dialogues.vider();
    ecran->findChild<QPushButton*>("BtnDefaut")->click();
    EXPECT_EQ(ecran->copieTravail(), couleursParDefaut());
    EXPECT_EQ(ecran->couleurEchantillon(4), couleurs::versQColor(couleurs::defaut(4)));
    ecran->btnOK()->click();
    EXPECT_TRUE(env.dialogues.textes().isEmpty());
    supprimerFenetresFermees();
    EXPECT_EQ(fenetre->ecransOuverts().size(), 1) << "the colours screen closed";

    QSqlQuery q = base().executer("SELECT Nom, Valeur FROM Couleurs");
    QMap<QString, int> lues;
    while (q.next()) lues[q.value(0).toString()] = q.value(1).toInt();
    ASSERT_EQ(lues.size(), couleurs::nombre);
    for (int i = 0; i < couleurs::nombre; ++i) EXPECT_EQ(lues.value(couleurs::nom(i)), couleurs::defaut(i)) << i;
    EXPECT_EQ(temoinOuvert->palette().color(QPalette::Window), couleurs::versQColor(couleurs::defaut(4)))
        << "every open screen repaints";
}

TEST_F(Parametres, CouleursSelectionAuClavierDoubleClicEtAnnulation)
{
    TFrmParamCouleurs ecran(contexte);
    ecran.show();
    EXPECT_EQ(ecran.ligneDe(9), -1) << "no meals shown: colour 9 is not listed";
    EXPECT_EQ(ecran.grille()->rowCount(), couleurs::nombre - 1 + 4) << "20 colours under 4 headings";
    EXPECT_EQ(ecran.grille()->item(0, 0)->text(), "Programme");

    ecran.grille()->setFocus();
    QTest::keyClick(ecran.grille(), Qt::Key_Up);
    EXPECT_EQ(ecran.selection(), 0) << "stays on the first";
    for (int i = 0; i < 9; ++i) QTest::keyClick(ecran.grille(), Qt::Key_Down);
    EXPECT_EQ(ecran.selection(), 10) << "over the heading and the hidden colour 9";
    QTest::keyClick(ecran.grille(), Qt::Key_Up);
    EXPECT_EQ(ecran.selection(), 8);
    const QColor selectionnee = couleurs::versQColor(commun.couleurs()[2]);
    const QColor autre = couleurs::versQColor(commun.couleurs()[4]);
    EXPECT_EQ(ecran.grille()->item(ecran.ligneDe(8), 0)->background().color(), selectionnee);
    EXPECT_EQ(ecran.grille()->item(ecran.ligneDe(0), 0)->background().color(), autre);

    // A double click picks the row and opens the dialog; cancelling it changes nothing.
    cliquerLigne(ecran.grille(), ecran.ligneDe(13), true);
    EXPECT_EQ(ecran.selection(), 13);
    EXPECT_EQ(env.dialogues.messages.size(), 1);
    EXPECT_EQ(ecran.copieTravail(), commun.couleurs());
    env.dialogues.couleurs.enqueue(QColor(0x12, 0x34, 0x56));
    cliquerLigne(ecran.grille(), ecran.ligneDe(13), true);
    EXPECT_EQ(ecran.copieTravail()[13], 0x563412) << "red in the low byte";

    ecran.btnAnnuler()->click();
    EXPECT_EQ(commun.couleurs(), couleursParDefaut());
    EXPECT_FALSE(temoin.recus.contains(WMChangementCouleur));
}

TEST_F(Parametres, CouleurDesRepasListeeAvecLesRepas)
{
    VerificationTables(commun).VerifierTables();
    ASSERT_TRUE(velorin.options().ecrireOption("AffRepas", 1));
    velorin.options().ChargerOptions();
    TFrmParamCouleurs ecran(contexte);
    ecran.show();
    EXPECT_GE(ecran.ligneDe(9), 0);
    EXPECT_EQ(ecran.grille()->rowCount(), couleurs::nombre + 4);
    ecran.btnOK()->click();
    EXPECT_EQ(temoin.recus, (QList<QEvent::Type>{WMChangementCouleur, WMCacherAide}));
}

// ---- Sites ----

TEST_F(Parametres, SitesDeuxNouveauxSitesNumerotes)
{
    TFrmGestSites ecran(contexte, "Principal");
    ecran.show();
    ASSERT_EQ(ecran.grille()->rowCount(), 1);
    EXPECT_EQ(ecran.sites().first().nom, "Principal");
    ecran.findChild<QPushButton*>("BtnAjouterSite")->click();
    ecran.findChild<QPushButton*>("BtnAjouterSite")->click();
    QStringList noms;
    for (const Site& s : ecran.sites()) noms << s.nom;
    EXPECT_EQ(noms, (QStringList{"Principal", "Nouveau site 1", "Nouveau site 2"}));
    EXPECT_TRUE(ecran.sites().last().dossier.isEmpty());

    // A freed number is taken again.
    ecran.grille()->item(1, 0)->setText("Gîte");
    ecran.findChild<QPushButton*>("BtnAjouterSite")->click();
    EXPECT_EQ(ecran.sites().last().nom, "Nouveau site 1");
}

TEST_F(Parametres, SitesSuppression)
{
    const QString ancien = env.chemin("ancien");
    ecrireFichier(ancien + "/Velorin.db", "x");
    ecrireFichier(ancien + "/verif.ini", "x");
    ecrireFichier(ancien + "/contrats/c1.pdf", "x");
    ecrireFichier(env.chemin("info.ini"),
        "[Sites]\nPrincipal=" + env.donnees().toUtf8() + "\nAncien=" + ancien.toUtf8()
            + "\nCopie=" + env.donnees().toUtf8() + "\n");
    TFrmGestSites ecran(contexte, "Principal");
    ecran.show();
    auto* supprimer = ecran.findChild<QPushButton*>("BtnSupprimerSite");

    ecran.grille()->clearSelection();
    supprimer->click();
    EXPECT_EQ(env.dialogues.textes(), QStringList{"Sélectionnez tout d'abord un site pour le supprimer."});

    env.dialogues.vider();
    cliquerLigne(ecran.grille(), 0);
    supprimer->click();
    EXPECT_EQ(env.dialogues.textes(),
        QStringList{"Il n'est pas possible de supprimer ce site car il est actuellement le site sélectionné."});
    EXPECT_TRUE(env.dialogues.questions().isEmpty());
    EXPECT_EQ(ecran.grille()->rowCount(), 3);
    // Renamed, the site in use is still the one in use.
    env.dialogues.vider();
    ecran.grille()->item(0, 0)->setText("Renommé");
    supprimer->click();
    EXPECT_EQ(env.dialogues.textes(),
        QStringList{"Il n'est pas possible de supprimer ce site car il est actuellement le site sélectionné."});
    EXPECT_EQ(ecran.grille()->rowCount(), 3);
    ecran.grille()->item(0, 0)->setText("Principal");

    // No to the confirmation keeps the row.
    env.dialogues.vider();
    cliquerLigne(ecran.grille(), 1);
    env.dialogues.reponses.append({false});
    supprimer->click();
    EXPECT_EQ(env.dialogues.questions(), QStringList{"Confirmez-vous la suppresion du site Ancien"});
    EXPECT_EQ(ecran.grille()->rowCount(), 3);

    // Yes, Yes: the row goes and the folder's files with it, not its sub-folders.
    env.dialogues.vider();
    cliquerLigne(ecran.grille(), 1);
    env.dialogues.reponses.append({true, true});
    supprimer->click();
    EXPECT_EQ(env.dialogues.questions(),
        (QStringList{"Confirmez-vous la suppresion du site Ancien",
            "Voulez-vous également supprimer les données associées à ce "
            "site ?"}));
    EXPECT_EQ(ecran.grille()->rowCount(), 2);
    EXPECT_FALSE(QFileInfo::exists(ancien + "/Velorin.db"));
    EXPECT_FALSE(QFileInfo::exists(ancien + "/verif.ini"));
    EXPECT_TRUE(QFileInfo::exists(ancien + "/contrats/c1.pdf"));

    // A site sharing the folder in use loses its row, never that folder's data.
    env.dialogues.vider();
    cliquerLigne(ecran.grille(), 1);
    env.dialogues.reponses.append({true, true});
    supprimer->click();
    EXPECT_EQ(ecran.grille()->rowCount(), 1);
    EXPECT_EQ(env.dialogues.textes().size(), 1);
    EXPECT_TRUE(QFileInfo::exists(env.donnees() + "/Velorin.db"));
    EXPECT_TRUE(commun.base().tableExiste("TaillePos"));

    // Nothing is written before OK.
    EXPECT_EQ(commun.info().sites().size(), 3);
}

TEST_F(Parametres, SitesOkCreeLeDossierManquantEtReecritLaSection)
{
    auto fenetre = creerFenetre();
    fenetre->show();
    fenetre->findChild<QToolButton*>("BtnGererSites")->click();
    ASSERT_EQ(fenetre->ecransOuverts().size(), 1);
    auto* ecran = qobject_cast<TFrmGestSites*>(fenetre->ecransOuverts().first());
    ASSERT_NE(ecran, nullptr);
    EXPECT_EQ(ecran->windowTitle(), "Gestion des sites");
    EXPECT_EQ(fenetre->texteAide().trimmed(), QString::fromUtf8(lireFichier(env.chemin("Sites.txt"))).trimmed());

    ecran->findChild<QPushButton*>("BtnAjouterSite")->click();
    ecran->btnOK()->click();
    EXPECT_EQ(env.dialogues.textes(),
        QStringList{"Vous devez indiquer un dossier de destination pour le site \"Nouveau site 1\"."});
    EXPECT_TRUE(ecran->isVisible());
    EXPECT_EQ(ecran->focusWidget(), ecran->grille());

    // The folder picker starts at the program folder and fills the cell.
    const QString nouveau = env.chemin("sites/gite/donnees");
    env.dialogues.vider();
    env.dialogues.choix.enqueue(nouveau);
    ecran->grille()->cellWidget(1, 1)->findChild<QToolButton*>("BtnChoisirDossier")->click();
    EXPECT_EQ(ecran->editionDossier(1)->text(), QDir::toNativeSeparators(nouveau));

    env.dialogues.reponses.append({true});
    ecran->btnOK()->click();
    EXPECT_EQ(env.dialogues.questions(),
        QStringList{"Le dossier spécifié pour le site \"Nouveau site 1\" n'existe pas, "
                    "voulez-vous le créer"});
    EXPECT_TRUE(QFileInfo(nouveau).isDir()) << "created with its parents";
    const QList<Site> ecrits = commun.info().sites();
    ASSERT_EQ(ecrits.size(), 2);
    EXPECT_EQ(ecrits.at(1).nom, "Nouveau site 1");
    EXPECT_EQ(QDir::cleanPath(ecrits.at(1).dossier), QDir::cleanPath(nouveau));
    supprimerFenetresFermees();
    EXPECT_TRUE(fenetre->ecransOuverts().isEmpty());
    auto* sites = fenetre->findChild<QComboBox*>("cbSites");
    EXPECT_EQ(sites->count(), 2) << "the main window reloaded its list";
    EXPECT_EQ(sites->currentText(), "Principal");
}

TEST_F(Parametres, SitesNomsRefuses)
{
    struct Cas {
        QString nom;
        QString message;
    };
    const QList<Cas> cas{
        {"", "Vous devez indiquer un nom pour chaque site."},
        {"principal", "Le nom de site \"principal\" est utilisé plusieurs fois."},
        {"a=b", "Le nom du site \"a=b\" ne peut pas contenir le caractère = ni commencer par ; ou [."},
    };
    for (const Cas& c : cas) {
        env.dialogues.vider();
        TFrmGestSites ecran(contexte, "Principal");
        ecran.show();
        ecran.findChild<QPushButton*>("BtnAjouterSite")->click();
        ecran.grille()->item(1, 0)->setText(c.nom);
        ecran.editionDossier(1)->setText(env.donnees());
        ecran.btnOK()->click();
        EXPECT_EQ(env.dialogues.textes(), QStringList{c.message});
        EXPECT_TRUE(ecran.isVisible());
        EXPECT_EQ(commun.info().sites().size(), 1);
        ecran.btnAnnuler()->click();
    }
    EXPECT_FALSE(temoin.recus.contains(WMMajSites));
}

// ---- Mail settings ----

TEST_F(Parametres, MessagerieModeAffiche)
{
    struct Cas {
        QByteArray ini;
        const char* bouton;
        QString chemin;
    };
    const QList<Cas> cas{
        {"", "rbAncien", ""},
        {"[Missivo]\nNomProgMail=/opt/courrier\nFermerProg=1\n", "rbVista", "/opt/courrier"},
        {"[Missivo]\nNomProgMail=/opt/courrier\nAssistant=1\n", "rbAssistant", ""},
    };
    for (const Cas& c : cas) {
        ecrireFichier(env.chemin("info.ini"), c.ini);
        TFrmParamMessagerie ecran(contexte);
        ecran.show();
        EXPECT_TRUE(ecran.findChild<QRadioButton*>(c.bouton)->isChecked()) << c.bouton;
        EXPECT_EQ(ecran.findChild<QLineEdit*>("edProgMail")->text(), c.chemin);
        ecran.close();
    }
    TFrmParamMessagerie ecran(contexte);
    EXPECT_EQ(ecran.findChild<QRadioButton*>("rbVista")->text(),
        "Utiliser le logiciel de messagerie par défaut dans les versions vista et suivantes  ");
}

TEST_F(Parametres, MessagerieSecondModeSansProgrammeRefuse)
{
    TFrmParamMessagerie ecran(contexte);
    ecran.show();
    ecran.findChild<QRadioButton*>("rbVista")->click();
    ecran.btnOK()->click();
    EXPECT_EQ(env.dialogues.textes(),
        QStringList{"Vous devez indiquer le nom du programme de messagerie à ouvrir, en "
                    "cliquant sur le bouton Parcourir."});
    EXPECT_TRUE(ecran.isVisible());
    EXPECT_FALSE(QFileInfo::exists(env.chemin("info.ini"))) << "nothing written";

    env.dialogues.vider();
    ecran.findChild<QLineEdit*>("edProgMail")->setText(env.chemin("absent/courrier"));
    ecran.btnOK()->click();
    EXPECT_EQ(env.dialogues.textes(), QStringList{"Le programme de messagerie que vous avez indiqué n'existe pas."});
    EXPECT_FALSE(QFileInfo::exists(env.chemin("info.ini")));

    // "Parcourir" selects the second mode and fills the path.
    const QString programme = env.chemin("courrier");
    ecrireFichier(programme, "#!/bin/sh\n");
    ecran.findChild<QRadioButton*>("rbAssistant")->click();
    env.dialogues.vider();
    env.dialogues.choix.enqueue(programme);
    ecran.findChild<QPushButton*>("BtnParcourir")->click();
    EXPECT_TRUE(ecran.findChild<QRadioButton*>("rbVista")->isChecked());
    EXPECT_EQ(ecran.findChild<QLineEdit*>("edProgMail")->text(), programme);
    ecran.findChild<QCheckBox*>("cbFermerProg")->setChecked(true);
    ecran.btnOK()->click();
    EXPECT_FALSE(ecran.isVisible());
    FichierIni info(env.chemin("info.ini"));
    EXPECT_EQ(info.lireTexte("Missivo", "NomProgMail"), programme);
    EXPECT_EQ(info.lireTexte("Missivo", "FermerProg"), "1");
    EXPECT_EQ(info.lireTexte("Missivo", "GarderFerme"), "0");
    EXPECT_EQ(info.lireTexte("Missivo", "Assistant"), "0");
}

TEST_F(Parametres, MessagerieAssistantEfface)
{
    ecrireFichier(env.chemin("info.ini"), "[Missivo]\nNomProgMail=/opt/courrier\nFermerProg=1\nGarderFerme=1\n");
    TFrmParamMessagerie ecran(contexte);
    ecran.show();
    ecran.findChild<QRadioButton*>("rbAssistant")->click();
    ecran.btnOK()->click();
    FichierIni info(env.chemin("info.ini"));
    EXPECT_EQ(info.lireTexte("Missivo", "NomProgMail"), "");
    EXPECT_EQ(info.lireTexte("Missivo", "FermerProg"), "0");
    EXPECT_EQ(info.lireTexte("Missivo", "GarderFerme"), "0");
    EXPECT_EQ(info.lireTexte("Missivo", "Assistant"), "1");
}

TEST_F(Parametres, UnInfoIniQuiNePeutEtreEcritLaisseLEcranOuvertAvecLeMessage)
{
    // A folder where the file should be: it can be neither read nor replaced.
    QDir().mkpath(env.chemin("info.ini"));
    const QString message = "Vos paramètres n'ont pas pu être enregistrés dans le fichier info.ini du dossier du programme.";
    {
        TFrmParamMessagerie ecran(contexte);
        ecran.show();
        ecran.findChild<QRadioButton*>("rbAssistant")->click();
        ecran.btnOK()->click();
        EXPECT_TRUE(ecran.isVisible());
        EXPECT_EQ(env.dialogues.textes().value(0), message);
    }
    env.dialogues.vider();
    {
        TFrmParamConnect ecran(contexte, InfoIni::Connexion::Mail);
        ecran.show();
        ecran.btnOK()->click();
        EXPECT_TRUE(ecran.isVisible());
        EXPECT_EQ(env.dialogues.textes(), QStringList{message});
    }
}

TEST_F(Parametres, CouleursNonEnregistreesLEcranResteOuvertEtRienNeChange)
{
    for (const char* operation : {"UPDATE", "INSERT"})
        commun.base().executer(QStringLiteral("CREATE TRIGGER refus%1 BEFORE %1 ON Couleurs "
                                              "BEGIN SELECT RAISE(ABORT, 'disque plein'); END")
                                   .arg(QLatin1String(operation)));
    const TCouleurs avant = commun.couleurs();
    TFrmParamCouleurs ecran(contexte);
    ecran.show();
    cliquerLigne(ecran.grille(), ecran.ligneDe(8));
    env.dialogues.couleurs.enqueue(QColor(0x12, 0x34, 0x56));
    ecran.findChild<QPushButton*>("BtnModifier")->click();
    env.dialogues.vider();
    ecran.btnOK()->click();
    EXPECT_TRUE(ecran.isVisible());
    ASSERT_EQ(env.dialogues.textes().size(), 1);
    EXPECT_TRUE(env.dialogues.textes().first().startsWith("Erreur lors de l'enregistrement des couleurs : "));
    EXPECT_EQ(commun.couleurs(), avant) << "the screens keep the colours stored";
}

// ---- Connection settings ----

TEST_F(Parametres, ConnexionLibellesDesDeuxGenres)
{
    struct Cas {
        InfoIni::Connexion genre;
        QString titre, invite, premier, troisieme;
        bool repDest, port;
    };
    const QList<Cas> cas{
        {InfoIni::Connexion::Mail, "Paramètres de connexion à la messagerie",
            "Indiquez les paramètres de connexion à votre compte de messagerie :", "Adresse de messagerie",
            "Courrier sortant (SMTP)", false, true},
        {InfoIni::Connexion::Ftp, "Paramètres de connexion FTP",
            "Indiquez les paramètres de connexion à votre serveur FTP :", "Utilisateur", "Nom serveur", true, false},
    };
    for (const Cas& c : cas) {
        TFrmParamConnect ecran(contexte, c.genre);
        ecran.show();
        EXPECT_EQ(ecran.windowTitle(), c.titre);
        EXPECT_EQ(ecran.findChild<QLabel*>("lbInvite")->text(), c.invite);
        EXPECT_EQ(ecran.findChild<QLabel*>("lbUtilisateur")->text(), c.premier);
        EXPECT_EQ(ecran.findChild<QLabel*>("lbMotPasse")->text(), "Mot de passe");
        EXPECT_EQ(ecran.findChild<QLabel*>("lbHote")->text(), c.troisieme);
        EXPECT_EQ(ecran.findChild<QLineEdit*>("edRepDest")->isVisible(), c.repDest);
        EXPECT_EQ(ecran.findChild<QLabel*>("lbRepDest")->isVisible(), c.repDest);
        EXPECT_EQ(ecran.findChild<QLineEdit*>("edPort")->isVisible(), c.port);
        EXPECT_EQ(ecran.findChild<QLineEdit*>("edMotPasse")->echoMode(), QLineEdit::Password);
        EXPECT_EQ(ecran.findChild<QLabel*>("lbPort")->text(), "Port");
        EXPECT_EQ(ecran.findChild<QLabel*>("lbRepDest")->text(), "Dossier destination");
        ecran.close();
    }
}

TEST_F(Parametres, ConnexionFtpGardeLePortCache)
{
    ecrireFichier(env.chemin("info.ini"),
        "[ParamFTP]\nUtilisateur=jean\nMotPasse=secret\nHote=ftp.exemple.fr\nRepDest=/www\nPort=2121\n");
    TFrmParamConnect ecran(contexte, InfoIni::Connexion::Ftp);
    ecran.show();
    EXPECT_EQ(ecran.findChild<QLineEdit*>("edHote")->text(), "ftp.exemple.fr");
    ecran.findChild<QLineEdit*>("edRepDest")->setText("/public");
    ecran.btnOK()->click();
    EXPECT_EQ(ecran.valeurs().port, "2121");
    FichierIni info(env.chemin("info.ini"));
    EXPECT_EQ(info.lireTexte("ParamFTP", "RepDest"), "/public");
    EXPECT_EQ(info.lireTexte("ParamFTP", "Port"), "2121");
    EXPECT_EQ(info.lireTexte("ParamFTP", "Utilisateur"), "jean");
}

TEST_F(Parametres, ConnexionObtenirCompletSansDialogue)
{
    ecrireFichier(
        env.chemin("info.ini"), "[ParamMail]\nUtilisateur=moi@exemple.fr\nMotPasse=x\nHote=smtp.exemple.fr\n");
    bool dialogue = false;
    QTimer surveillance;
    surveillance.setSingleShot(true);
    QObject::connect(&surveillance, &QTimer::timeout, [&] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            dialogue = true;
            static_cast<QDialog*>(modal)->reject();
        }
    });
    surveillance.start(0);
    const ParamConnexion compte = TFrmParamConnect::Obtenir(contexte, InfoIni::Connexion::Mail);
    EXPECT_FALSE(dialogue);
    EXPECT_EQ(compte.utilisateur, "moi@exemple.fr");
    EXPECT_EQ(compte.motPasse, "x");
    EXPECT_EQ(compte.hote, "smtp.exemple.fr");
}

TEST_F(Parametres, ConnexionObtenirIncompletOuvreLeDialogue)
{
    ecrireFichier(env.chemin("info.ini"), "[ParamMail]\nUtilisateur=moi@exemple.fr\nMotPasse=x\nPort=587\n");
    // Cancelled: the incomplete values read.
    QTimer::singleShot(0, [] {
        auto* ecran = qobject_cast<TFrmParamConnect*>(QApplication::activeModalWidget());
        ASSERT_NE(ecran, nullptr);
        ecran->findChild<QLineEdit*>("edHote")->setText("oublie");
        ecran->btnAnnuler()->click();
    });
    ParamConnexion compte = TFrmParamConnect::Obtenir(contexte, InfoIni::Connexion::Mail);
    EXPECT_EQ(compte.hote, "");
    EXPECT_EQ(compte.port, "587");
    EXPECT_EQ(FichierIni(env.chemin("info.ini")).lireTexte("ParamMail", "Hote"), "");

    // Confirmed: the values of the dialog, written.
    QTimer::singleShot(0, [] {
        auto* ecran = qobject_cast<TFrmParamConnect*>(QApplication::activeModalWidget());
        ASSERT_NE(ecran, nullptr);
        ecran->findChild<QLineEdit*>("edHote")->setText("smtp.exemple.fr");
        ecran->btnOK()->click();
    });
    compte = TFrmParamConnect::Obtenir(contexte, InfoIni::Connexion::Mail);
    EXPECT_EQ(compte.hote, "smtp.exemple.fr");
    EXPECT_EQ(FichierIni(env.chemin("info.ini")).lireTexte("ParamMail", "Hote"), "smtp.exemple.fr");

    // "edit" always shows the dialog; Cancel gives nothing.
    QTimer::singleShot(0, [] { static_cast<QDialog*>(QApplication::activeModalWidget())->reject(); });
    EXPECT_FALSE(TFrmParamConnect::Editer(contexte, InfoIni::Connexion::Mail).has_value());
}

#include "test_ecrans_parametres.moc"
