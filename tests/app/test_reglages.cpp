#include "support/DossiersTest.h"

#include "app/Reglages.h"
#include "app/Version.h"
#include "maintenance/SauvegardeAuto.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using namespace velorin;
using namespace velorin::test;

TEST(Version, TexteDeVersion)
{
    EXPECT_EQ(texteVersion(1, 9, 16, 0), "1.9.016");
    EXPECT_EQ(texteVersion(1, 9, 16, 1), "1.9.016 A");
    EXPECT_EQ(texteVersion(2, 0, 3, 3), "2.0.003 C");
    EXPECT_FALSE(texteVersionProgramme().isEmpty());
}

TEST(InfoIni, ValeursParDefautEtSitePrincipal)
{
    EnvironnementTest env(false);
    InfoIni info(env.programme());
    EXPECT_TRUE(info.faireSauvegarde());
    EXPECT_FALSE(info.sauverFermeture());
    EXPECT_EQ(info.frequence(), 5);
    EXPECT_EQ(QDir::cleanPath(info.repDest()), QDir::cleanPath(env.chemin("Sauvegardes")));
    EXPECT_EQ(info.nbJours(), 0);

    const QList<Site> sites = info.sites();
    ASSERT_EQ(sites.size(), 1);
    EXPECT_EQ(sites[0].nom, "Principal");
    EXPECT_EQ(QDir::cleanPath(sites[0].dossier), QDir::cleanPath(env.donnees()));
    EXPECT_EQ(info.fichier().cles("Sites"), QStringList{"Principal"}) << "the default site is written";

    info.setSites({{"Gîte", "/srv/gite"}, {"Maison", "/srv/maison"}});
    EXPECT_EQ(info.fichier().cles("SITES"), (QStringList{"Gîte", "Maison"}));
    EXPECT_EQ(info.dossierSite("gîte"), "/srv/gite");
}

TEST(InfoIni, NbJoursAbsentOuNulEstRemplaceParLesTroisValeurs)
{
    for (const QByteArray& avant : {QByteArray(), QByteArray("[SauvegardesAuto]\nNbJours=0\nFaireSauvegarde=0\n")}) {
        EnvironnementTest env(false);
        if (!avant.isEmpty()) ecrireFichier(env.chemin("info.ini"), avant);
        InfoIni info(env.programme());
        EXPECT_EQ(info.nbJoursAvecDefauts(), 7);
        FichierIni relu(env.chemin("info.ini"));
        EXPECT_EQ(relu.lireTexte("SauvegardesAuto", "NbJours"), "7");
        EXPECT_EQ(relu.lireTexte("SauvegardesAuto", "FaireSauvegarde"), "1");
        EXPECT_EQ(relu.lireTexte("SauvegardesAuto", "NbFic"), "4");
    }
    EnvironnementTest env(false);
    ecrireFichier(env.chemin("info.ini"), "[SauvegardesAuto]\nNbJours=3\n");
    InfoIni info(env.programme());
    EXPECT_EQ(info.nbJoursAvecDefauts(), 3);
    EXPECT_FALSE(info.fichier().cleExiste("SauvegardesAuto", "NbFic"));
}

TEST(SauvegardeAuto, RegleDEcheance)
{
    EnvironnementTest env(false);
    InfoIni info(env.programme());
    const QDate aujourdhui(2026, 7, 10);
    EXPECT_TRUE(sauvegardeAutoDue(info, aujourdhui)) << "no backup yet";

    const QString fichier = QDir(info.repDest()).filePath("SauvAuto_20260710.zip");
    ecrireFichier(fichier, "zip");
    QFile f(fichier);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    f.setFileTime(QDateTime(QDate(2026, 7, 10), QTime(8, 0)), QFileDevice::FileModificationTime);
    f.close();

    info.setNbJours(1);
    EXPECT_TRUE(sauvegardeAutoDue(info, aujourdhui)) << "NbJours = 1: due on every start";
    info.setNbJours(7);
    EXPECT_FALSE(sauvegardeAutoDue(info, aujourdhui));
    EXPECT_FALSE(sauvegardeAutoDue(info, QDate(2026, 7, 15)));
    EXPECT_TRUE(sauvegardeAutoDue(info, QDate(2026, 7, 16)));
    info.setFaireSauvegarde(false);
    EXPECT_FALSE(sauvegardeAutoDue(info, QDate(2026, 8, 1)));
}

class DecisionVerificationTest : public ::testing::Test {
protected:
    EnvironnementTest env{false};
    bool indexManquants = false;
    bool decider()
    {
        QDir().mkpath(env.donnees());
        DecisionVerification decision(env.donnees(), "1.0.001", env.dialogues, env.horloge,
                                      [this] { return indexManquants; });
        return decision.aVerifier();
    }
    void verif(const QByteArray& contenu) { ecrireFichier(env.donnees() + "/verif.ini", contenu); }
};

TEST_F(DecisionVerificationTest, SansFichierOuAutreVersionOnVerifie)
{
    EXPECT_TRUE(decider()) << "no verif.ini";
    verif("[Verification]\nEnCours=0\nVersion=1.0.001\n");
    EXPECT_FALSE(decider());
    verif("[Verification]\nEnCours=0\nVersion=0.9.999\n");
    EXPECT_TRUE(decider());
    verif("[Verification]\nEnCours=0\nVersion=1.0.001\n");
    indexManquants = true;
    EXPECT_TRUE(decider()) << "a missing index makes it verify whatever the version";
    EXPECT_EQ(env.horloge.attentes, 0);
}

TEST_F(DecisionVerificationTest, PosteEnPanneQuestionApresSixAttentesPuisForcer)
{
    verif("[Verification]\nEnCours=1\nDateDebut=01/07/2026 à 09:00:00 \nVersion=1.0.001\n");
    env.dialogues.reponses << true << false; // wait once more, then force entry
    EXPECT_FALSE(decider());
    ASSERT_EQ(env.dialogues.questions().size(), 2);
    EXPECT_EQ(env.horloge.attentes, 12) << "the question comes at the sixth wait, and again six waits after Yes";
    EXPECT_EQ(env.horloge.totalAttenduMs, 12 * 10000);
    EXPECT_GE(env.horloge.traitements, 12) << "window events run between waits";
    EXPECT_EQ(env.dialogues.questions().first(),
              "La vérification des tables est en cours sur un autre poste depuis le 01/07/2026 à 09:00:00.\n"
              "Souhaitez-vous attendre encore qu'elle soit terminée ? \n"
              "OUI : attente   -   NON : forcer l'entrée du programme");
}

TEST_F(DecisionVerificationTest, AutrePosteTermineSansQuestion)
{
    verif("[Verification]\nEnCours=1\nVersion=0.1.000\n");
    env.horloge.surAttente = [this](int n) {
        if (n == 3) verif("[Verification]\nEnCours=0\nVersion=1.0.001\n");
    };
    EXPECT_FALSE(decider());
    EXPECT_EQ(env.horloge.attentes, 3);
    EXPECT_TRUE(env.dialogues.questions().isEmpty());
}

TEST(VerifIni, VerrouDebutEtFin)
{
    EnvironnementTest env(false);
    VerifIni verif(env.donnees());
    verif.commencer(QDateTime(QDate(2026, 3, 4), QTime(14, 7, 5)));
    FichierIni relu(env.donnees() + "/verif.ini");
    EXPECT_EQ(relu.lireTexte("Verification", "EnCours"), "1");
    EXPECT_EQ(relu.lireTexte("Verification", "DateDebut"), "04/03/2026 à 14:07:05");
    EXPECT_TRUE(QString::fromUtf8(lireFichier(relu.chemin())).contains("DateDebut=04/03/2026 à 14:07:05")) ;
    verif.terminer("1.0.001");
    EXPECT_EQ(relu.lireTexte("Verification", "EnCours"), "0");
    EXPECT_EQ(relu.lireTexte("Verification", "AFaire"), "0");
    EXPECT_EQ(relu.lireTexte("Verification", "Version"), "1.0.001");
    verif.commencer(QDateTime::currentDateTime());
    verif.abandonner();
    EXPECT_EQ(relu.lireTexte("Verification", "EnCours"), "0");
    EXPECT_EQ(relu.lireTexte("Verification", "Version"), "1.0.001");
}

TEST(DossierReseau, DossierIntrouvablePuisChoix)
{
    EnvironnementTest env(false);
    InfoIni info(env.programme());
    info.setDossierReseau("/nulle/part");
    const QString choisi = env.chemin("partage");
    QDir().mkpath(choisi);
    env.dialogues.choix.enqueue(choisi);
    EXPECT_EQ(dossierDonneesReseau(info, env.dialogues), choisi);
    EXPECT_EQ(env.dialogues.textes().value(0),
              "Le programme ne peut pas trouver le dossier réseau suivant : \n/nulle/part\nVeuillez en sélectionner un autre.");
    EXPECT_EQ(env.dialogues.messages.value(1).texte, "Sélectionnez le dossier réseau où sont installées vos données");
    EXPECT_EQ(info.dossierReseau(), choisi);

    env.dialogues.vider();
    EXPECT_EQ(dossierDonneesReseau(info, env.dialogues), choisi) << "an existing folder is used without asking";
    EXPECT_TRUE(env.dialogues.messages.isEmpty());

    info.setDossierReseau("");
    EXPECT_EQ(dossierDonneesReseau(info, env.dialogues), "") << "cancelled";
    env.dialogues.choix.enqueue("/pas/de/dossier");
    EXPECT_EQ(choisirDossierReseau(info, env.dialogues), "") << "a folder that does not exist is not kept";
    EXPECT_EQ(info.dossierReseau(), "");
}
