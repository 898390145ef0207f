#include "support/BaseVerifiee.h"
#include "support/DossiersTest.h"
#include "support/FenetrePrincipaleTest.h"

#include "app/DatesFr.h"
#include "settings/LanguesDocuments.h"
#include "settings/screens/TFrmOptions.h"
#include "store/DMCommun.h"
#include "store/DMVelorin.h"
#include "store/VerificationTables.h"
#include "ui/ContexteEcrans.h"
#include "ui/EditHeure.h"
#include "ui/EditNombre.h"
#include "ui/MessagesFenetre.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

using namespace velorin;
using namespace velorin::test;

namespace {

// A data folder whose tables the verification built from the shipped description, with no
// options record yet.
class EcranOptions : public ::testing::Test {
protected:
    EcranOptions()
    {
        dates::appliquerConventions();
        ouvrirBaseVerifiee(commun, env.donnees());
        commun.base().executer("DELETE FROM options");
        QDir(env.donnees()).mkpath("Langues/FR");
        QDir(env.donnees()).mkpath("Langues/EN");
        env.dialogues.vider();
        contexte.fenetrePrincipale = &principale;
    }

    void reseau() { ASSERT_TRUE(installationReseau(env)); }
    QVariant valeur(const QString& sql) { return commun.base().valeur(sql); }
    template <typename T> static T* controle(TFrmOptions& ecran, const char* nom)
    {
        T* trouve = ecran.findChild<T*>(nom);
        EXPECT_NE(trouve, nullptr) << nom;
        return trouve;
    }

    EnvironnementTest env;
    DMCommun commun{env.services(), env.programme()};
    DMVelorin velorin{commun};
    FenetrePrincipaleTest principale;
    ContexteEcrans contexte{commun, velorin, env.services()};
};

} // namespace

TEST_F(EcranOptions, PremiereOuvertureCreeLEnregistrement)
{
    ASSERT_EQ(valeur("SELECT COUNT(*) FROM options").toInt(), 0);
    TFrmOptions ecran(contexte);
    ecran.show();
    EXPECT_EQ(valeur("SELECT COUNT(*) FROM options").toInt(), 1);
    EXPECT_EQ(ecran.windowTitle(), "Options");
    // The pages, "Affichage" first; no network page on a single workstation.
    QStringList onglets;
    for (int i = 0; i < ecran.pages()->count(); ++i) onglets.append(ecran.pages()->tabText(i));
    EXPECT_EQ(onglets, (QStringList{"Affichage", "Reservations", "Sauvegardes", "TVA"}));
    EXPECT_EQ(ecran.pages()->currentIndex(), 0);
    // The new record's defaults.
    EXPECT_TRUE(controle<QCheckBox>(ecran, "cbAvecAcompte")->isChecked());
    EXPECT_TRUE(controle<QRadioButton>(ecran, "rbAcompteArrhes0")->isChecked());
    EXPECT_EQ(controle<EditNombre>(ecran, "edPourcentAcompte")->text(), "0");
    EXPECT_EQ(controle<QComboBox>(ecran, "cbArrondi")->currentText(), u"Pas d'arrondi"_qs);
    EXPECT_TRUE(controle<QRadioButton>(ecran, "rbModeReserv0")->isChecked());
    EXPECT_FALSE(controle<QDateEdit>(ecran, "edDateBloquee")->isVisible());
    // info.ini defaults of the backup page.
    EXPECT_TRUE(controle<QCheckBox>(ecran, "cbFaireSauvegarde")->isChecked());
    EXPECT_EQ(controle<QSpinBox>(ecran, "edNbJours")->value(), 7);
    EXPECT_EQ(controle<QSpinBox>(ecran, "edNbFic")->value(), 4);
    EXPECT_EQ(QDir::fromNativeSeparators(controle<QLineEdit>(ecran, "edRepDest")->text()),
        QDir(env.programme()).filePath("Sauvegardes"));
    // The document languages, and an empty default kept as it is.
    QComboBox* langues = controle<QComboBox>(ecran, "cbLangueDef");
    QStringList choix;
    for (int i = 0; i < langues->count(); ++i) choix.append(langues->itemText(i));
    EXPECT_EQ(choix, (QStringList{"", "EN", "FR"}));
    ecran.btnOK()->click();
    EXPECT_EQ(ecran.result(), QDialog::Accepted);
    EXPECT_EQ(valeur("SELECT COUNT(*) FROM options").toInt(), 1);
    EXPECT_EQ(valeur("SELECT AvecAcompte FROM options").toInt(), 1);
    EXPECT_EQ(valeur("SELECT ModeReserv FROM options").toInt(), 2);
}

TEST_F(EcranOptions, ControlesDependants)
{
    TFrmOptions ecran(contexte);
    ecran.show();
    auto* acompte = controle<QCheckBox>(ecran, "cbAvecAcompte");
    acompte->click();
    for (const char* nom : {"PanelAcompteArrhes", "PanelModeArrhes"})
        EXPECT_FALSE(controle<QGroupBox>(ecran, nom)->isEnabled()) << nom;
    EXPECT_FALSE(controle<EditNombre>(ecran, "edPourcentAcompte")->isEnabled());
    EXPECT_FALSE(controle<QComboBox>(ecran, "cbArrondi")->isEnabled());
    acompte->click();
    EXPECT_TRUE(controle<EditNombre>(ecran, "edPourcentAcompte")->isEnabled());
    EXPECT_TRUE(controle<QComboBox>(ecran, "cbArrondi")->isEnabled());

    auto* sauvegarde = controle<QCheckBox>(ecran, "cbFaireSauvegarde");
    sauvegarde->click();
    EXPECT_FALSE(controle<QSpinBox>(ecran, "edNbJours")->isEnabled());
    EXPECT_FALSE(controle<QSpinBox>(ecran, "edNbFic")->isEnabled());

    auto* milieu = controle<QCheckBox>(ecran, "cbMilieuSej");
    EXPECT_FALSE(controle<QSpinBox>(ecran, "edMilieuSej")->isEnabled());
    milieu->click();
    EXPECT_TRUE(controle<QSpinBox>(ecran, "edMilieuSej")->isEnabled());
    ecran.Annuler();
}

TEST_F(EcranOptions, ValeursStockeesEtReluesParLEcran)
{
    struct Cas {
        int milieuStocke;
        bool coche;
        int milieuEnregistre;
        int modeReservStocke;
        bool reserveAffiche;
    };
    const Cas lesCas[] = {
        {2, false, 0, 2, false},
        {5, true, 5, 3, true},
        {0, false, 0, 7, false},
    };
    for (const Cas& cas : lesCas) {
        velorin.options().creerSiAbsent();
        commun.base().executer(
            "UPDATE options SET MilieuSej = ?, ModeReserv = ?", {cas.milieuStocke, cas.modeReservStocke});
        TFrmOptions ecran(contexte);
        ecran.show();
        EXPECT_EQ(controle<QCheckBox>(ecran, "cbMilieuSej")->isChecked(), cas.coche) << cas.milieuStocke;
        EXPECT_EQ(controle<QRadioButton>(ecran, "rbModeReserv1")->isChecked(), cas.reserveAffiche);
        ecran.btnOK()->click();
        EXPECT_EQ(valeur("SELECT MilieuSej FROM options").toInt(), cas.milieuEnregistre) << cas.milieuStocke;
        EXPECT_EQ(valeur("SELECT ModeReserv FROM options").toInt(), cas.reserveAffiche ? 3 : 2);
    }
    // Choosing "Réservé" stores 3; the options in memory follow when the screen closes.
    TFrmOptions ecran(contexte);
    ecran.show();
    controle<QRadioButton>(ecran, "rbModeReserv1")->click();
    controle<QCheckBox>(ecran, "cbAffRepas")->click();
    ecran.btnOK()->click();
    EXPECT_EQ(valeur("SELECT ModeReserv FROM options").toInt(), 3);
    EXPECT_EQ(velorin.options().memoire().ModeReserv, 3);
    EXPECT_TRUE(velorin.options().memoire().AffRepas);
    EXPECT_EQ(principale.recus.count(WMActualiserPlanning), 4);
    EXPECT_FALSE(principale.recus.contains(WMchangementFreq));
}

TEST_F(EcranOptions, HeuresEtTauxSaisis)
{
    TFrmOptions ecran(contexte);
    ecran.show();
    struct Cas {
        const char* frappe;
        QString affiche;
    };
    // Digits that cannot form a time are refused where they are typed.
    const Cas heures[] = {
        {"0930", "09:30"},
        {"2359", "23:59"},
        {"3", "__:__"},
        {"24", "2_:__"},
        {"1960", "19:0_"},
        {"19:45", "19:45"},
    };
    auto* arrivee = controle<EditHeure>(ecran, "edHeureArr");
    for (const Cas& cas : heures) {
        arrivee->clear();
        arrivee->setCursorPosition(0);
        QTest::keyClicks(arrivee, cas.frappe);
        EXPECT_EQ(arrivee->displayText(), cas.affiche) << cas.frappe;
    }
    auto* taux = controle<EditNombre>(ecran, "edTaux1");
    taux->clear();
    QTest::keyClicks(taux, "5.5.1x");
    EXPECT_EQ(taux->text(), "5,51");

    // An incomplete time keeps the screen open and writes nothing.
    arrivee->clear();
    arrivee->setCursorPosition(0);
    QTest::keyClicks(arrivee, "1");
    ecran.btnOK()->click();
    EXPECT_TRUE(ecran.isVisible());
    EXPECT_EQ(env.dialogues.textes(), QStringList{u"« 1_:__ » n'est pas une heure valide."_qs});
    EXPECT_EQ(ecran.pages()->currentIndex(), 1);
    EXPECT_TRUE(valeur("SELECT Taux1 FROM options").isNull());

    arrivee->clear();
    arrivee->setCursorPosition(0);
    QTest::keyClicks(arrivee, "1730");
    auto* depart = controle<EditHeure>(ecran, "edHeureDep");
    depart->setCursorPosition(0);
    QTest::keyClicks(depart, "1100");
    ecran.btnOK()->click();
    EXPECT_EQ(ecran.result(), QDialog::Accepted);
    EXPECT_EQ(valeur("SELECT HeureArr FROM options").toString(), "17:30:00");
    EXPECT_EQ(valeur("SELECT HeureDep FROM options").toString(), "11:00:00");
    EXPECT_DOUBLE_EQ(valeur("SELECT Taux1 FROM options").toDouble(), 5.51);
    EXPECT_DOUBLE_EQ(velorin.options().memoire().Taux1, 5.51);
}

TEST_F(EcranOptions, FormatDuNumeroEtCompteurDesFactures)
{
    velorin.options().creerSiAbsent();
    commun.base().executer("UPDATE options SET NumFac = 57, FormatNumFac = 'F<#N#>'");
    TFrmOptions ecran(contexte);
    ecran.show();
    EXPECT_EQ(controle<QSpinBox>(ecran, "edNumFac")->value(), 57);
    // Another workstation numbers an invoice meanwhile: the counter it moved on stays.
    commun.base().executer("UPDATE options SET NumFac = 58");
    controle<QLineEdit>(ecran, "edFormatNumFac")->setText("FA-<#AAAA#>");
    ecran.btnOK()->click();
    EXPECT_TRUE(ecran.isVisible());
    EXPECT_EQ(env.dialogues.textes(),
        QStringList{u"Le format du numéro de facture doit contenir au moins <#N#> pour figurer le numéro."_qs});
    controle<QLineEdit>(ecran, "edFormatNumFac")->setText("FA-<#AAAA#>-<#N#>");
    ecran.btnOK()->click();
    EXPECT_EQ(ecran.result(), QDialog::Accepted);
    EXPECT_EQ(valeur("SELECT NumFac FROM options").toInt(), 58);
    EXPECT_EQ(valeur("SELECT FormatNumFac FROM options").toString(), "FA-<#AAAA#>-<#N#>");

    // Typed on purpose, the counter is written.
    TFrmOptions autre(contexte);
    autre.show();
    controle<QSpinBox>(autre, "edNumFac")->setValue(100);
    autre.btnOK()->click();
    EXPECT_EQ(valeur("SELECT NumFac FROM options").toInt(), 100);
}

TEST_F(EcranOptions, SauvegardesDansInfoIni)
{
    const QString info = env.chemin("info.ini");
    {
        TFrmOptions ecran(contexte);
        ecran.show();
        controle<QCheckBox>(ecran, "cbSauverFermeture")->click();
        controle<QSpinBox>(ecran, "edNbJours")->setValue(3);
        ecran.Annuler();
    }
    EXPECT_FALSE(QFile::exists(info)) << "cancelled: info.ini unchanged";

    const QString dossier = env.chemin("Ailleurs");
    QDir().mkpath(dossier);
    env.dialogues.choix.enqueue(dossier);
    TFrmOptions ecran(contexte);
    ecran.show();
    controle<QToolButton>(ecran, "BtnRepDest")->click();
    controle<QSpinBox>(ecran, "edNbJours")->setValue(3);
    controle<QSpinBox>(ecran, "edNbFic")->setValue(9);
    controle<QCheckBox>(ecran, "cbSauverFermeture")->click();
    controle<QCheckBox>(ecran, "cbFaireSauvegarde")->click();
    ecran.btnOK()->click();
    InfoIni& ini = commun.info();
    EXPECT_FALSE(ini.faireSauvegarde());
    EXPECT_EQ(ini.nbJours(), 3);
    EXPECT_EQ(ini.nbFic(), 9);
    EXPECT_EQ(ini.repDest(), dossier);
    EXPECT_TRUE(ini.sauverFermeture());
    // Nothing of the network page on a single workstation.
    EXPECT_FALSE(ini.fichier().cleExiste("Reseau", "Frequence"));
}

TEST_F(EcranOptions, PageReseau)
{
    reseau();
    commun.info().setDossierReseau("/partage/velorin");
    commun.info().setFrequence(30);
    const QString dossier = env.chemin("Reseau");
    QDir().mkpath(dossier);
    env.dialogues.choix.enqueue(dossier);
    TFrmOptions ecran(contexte);
    ecran.show();
    ASSERT_EQ(ecran.pages()->count(), 5);
    EXPECT_EQ(ecran.pages()->tabText(4), u"Réseau"_qs);
    auto* chemin = controle<QLineEdit>(ecran, "edDossierReseau");
    EXPECT_TRUE(chemin->isReadOnly());
    EXPECT_EQ(QDir::fromNativeSeparators(chemin->text()), "/partage/velorin");
    controle<QPushButton>(ecran, "BtnDossierReseau")->click();
    // Written at once, before OK.
    EXPECT_EQ(commun.info().dossierReseau(), dossier);
    EXPECT_EQ(QDir::fromNativeSeparators(chemin->text()), dossier);
    EXPECT_EQ(env.dialogues.textes(),
        QStringList{u"Le changement de dossier de données ne prendra effet que lorsque vous aurez redémarré le "
                    u"programme.\nIl est donc conseillé de fermer le programme au plus vite."_qs});
    ecran.btnOK()->click();
    EXPECT_EQ(commun.info().frequence(), 30);
    EXPECT_EQ(principale.recus, (QList<QEvent::Type>{WMchangementFreq, WMCacherAide, WMActualiserPlanning}));
}

TEST(LanguesDocuments, SousDossiersDeLangues)
{
    QTemporaryDir dossier;
    EXPECT_TRUE(languesDocuments(dossier.path()).isEmpty());
    QDir(dossier.path()).mkpath("langues/FR");
    QDir(dossier.path()).mkpath("langues/de");
    QDir(dossier.path()).mkpath("langues/.cache");
    EXPECT_EQ(languesDocuments(dossier.path()), (QStringList{"de", "FR"}));
}
