#include "support/DossiersTest.h"

#include "app/FichierIni.h"
#include "app/screens/Demarrage.h"
#include "app/Version.h"
#include "store/DMCommun.h"
#include "store/DescriptionStructures.h"
#include "store/Droits.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QMainWindow>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTimer>

#include <gtest/gtest.h>

#include <unistd.h>

using namespace velorin;
using namespace velorin::test;

namespace {

// A small schema description, for the program folders that have none.
void ecrireDescription(EnvironnementTest& env)
{
    if (DescriptionStructures::presente(env.chemin("StructuresTables"))) return;
    ecrireFichier(env.chemin("StructuresTables/ChampDescription.tsv"),
                  "NomTable\tNomChamps\tType\tTaille\tNom\tValDef\n"
                  "ModePaie\tIdentifiant\tI\t\tIdentifiant\t\n"
                  "ModePaie\tNom\tC\t50\tNom\t\n"
                  "Archives\tIdentifiant\tI\t\tIdentifiant\t\n");
    ecrireFichier(env.chemin("StructuresTables/IndexDescription.tsv"),
                  "NomTable\tNomIndex\tChamps\tOptions\n"
                  "ModePaie\t\tIdentifiant\tIXPRIMARY\n"
                  "Archives\t\tIdentifiant\tIXPRIMARY\n");
}

// A start-up whose event loop returns at once, with the backups it asked for recorded.
struct DemarrageTest {
    explicit DemarrageTest(EnvironnementTest& env) : demarrage(env.services(), env.programme())
    {
        ecrireDescription(env);
        demarrage.boucleEvenements = [this] {
            boucleAtteinte = true;
            return 0;
        };
        demarrage.sauvegarder = [this, &env](const QString& prefixe, bool attendre) {
            sauvegardes << prefixe + (attendre ? " (attendre)" : "");
            messagesAvantSauvegarde = env.dialogues.textes().size();
        };
    }
    Demarrage demarrage;
    bool boucleAtteinte = false;
    QStringList sauvegardes;
    qsizetype messagesAvantSauvegarde = -1;
};

} // namespace

TEST(Demarrage, PremierDemarrageSurUnDossierVide)
{
    EnvironnementTest env(false);
    DemarrageTest d(env);
    EXPECT_EQ(d.demarrage.executer(), 0);
    EXPECT_TRUE(d.boucleAtteinte);
    EXPECT_TRUE(env.dialogues.textes().isEmpty()) << env.dialogues.textes().join("\n").toStdString();
    EXPECT_TRUE(QFileInfo(env.donnees()).isDir());
    EXPECT_TRUE(QFileInfo(env.donnees() + "/contrats").isDir());
    EXPECT_TRUE(QFileInfo(env.donnees() + "/factures").isDir());
    EXPECT_TRUE(QFileInfo(env.chemin("Archives")).isDir());
    EXPECT_TRUE(QFileInfo::exists(env.donnees() + "/Velorin.db"));
    FichierIni info(env.chemin("info.ini"));
    EXPECT_EQ(info.lireTexte("SauvegardesAuto", "NbJours"), "7");
    EXPECT_EQ(info.lireTexte("SauvegardesAuto", "FaireSauvegarde"), "1");
    EXPECT_EQ(info.lireTexte("SauvegardesAuto", "NbFic"), "4");
    EXPECT_EQ(d.sauvegardes, QStringList{"SauvAuto (attendre)"}) << "no earlier backup: the backup of the day is due";
    EXPECT_FALSE(QFileInfo::exists(env.chemin("Droits.db"))) << "the installation record is never created";

    // The tables come from the description, and the payment modes table gets its modes.
    QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "premier_demarrage");
    db.setDatabaseName(env.donnees() + "/Velorin.db");
    ASSERT_TRUE(db.open());
    QSqlQuery q(db);
    ASSERT_TRUE(q.exec("SELECT COUNT(*) FROM ModePaie"));
    ASSERT_TRUE(q.next());
    EXPECT_EQ(q.value(0).toInt(), 7);
    q = QSqlQuery();
    db = QSqlDatabase();
    QSqlDatabase::removeDatabase("premier_demarrage");
    FichierIni verif(env.donnees() + "/verif.ini");
    EXPECT_EQ(verif.lireTexte("Verification", "EnCours"), "0");
    EXPECT_EQ(verif.lireTexte("Verification", "Version"), texteVersionProgramme());
}

TEST(Demarrage, IndexSupprimeRelanceLaVerification)
{
    EnvironnementTest env(false);
    const auto demarrer = [&env] {
        DemarrageTest d(env);
        d.demarrage.executer();
        return FichierIni(env.donnees() + "/verif.ini").lireTexte("Verification", "DateDebut");
    };
    EXPECT_EQ(demarrer(), "01/07/2026 à 09:30:00");
    env.horloge.regler(QDateTime(QDate(2026, 7, 2), QTime(8, 0)));
    EXPECT_EQ(demarrer(), "01/07/2026 à 09:30:00") << "same version, nothing missing: no verification";

    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "index_supprime");
        db.setDatabaseName(env.donnees() + "/Velorin.db");
        ASSERT_TRUE(db.open());
        ASSERT_TRUE(QSqlQuery(db).exec("DROP INDEX ModePaie__PRIMAIRE"));
        db.close();
    }
    QSqlDatabase::removeDatabase("index_supprime");
    EXPECT_EQ(demarrer(), "02/07/2026 à 08:00:00");
    EXPECT_TRUE(env.dialogues.textes().isEmpty()) << env.dialogues.textes().join("\n").toStdString();
}

TEST(Demarrage, DroitsSeulementDansDonneesEstDeplaceAupresDuProgramme)
{
    EnvironnementTest env(false);
    QDir().mkpath(env.donnees());
    ASSERT_TRUE(creerDroits(env.donnees() + "/droits.db", "CREATE TABLE Droits (Reseau BOOLEAN)", "INSERT INTO Droits VALUES (0)"));
    DemarrageTest d(env);
    d.demarrage.executer();
    EXPECT_TRUE(QFileInfo::exists(env.chemin("Droits.db")));
    EXPECT_FALSE(QFileInfo::exists(env.donnees() + "/droits.db"));
    EXPECT_TRUE(d.boucleAtteinte);
}

TEST(Demarrage, NouvelleStructureRemplaceLAncienne)
{
    EnvironnementTest env(false);
    ecrireFichier(env.chemin("StructuresTables/ChampDescription.tsv"), "ancien");
    ecrireFichier(env.chemin("StructuresTables/Obsolete.txt"), "ancien");
    ecrireFichier(env.chemin("StructuresTables/Nouv/ChampDescription.tsv"), "nouveau champs");
    ecrireFichier(env.chemin("StructuresTables/Nouv/IndexDescription.tsv"), "nouveaux index");
    DemarrageTest d(env);
    d.demarrage.executer();
    EXPECT_FALSE(QFileInfo::exists(env.chemin("StructuresTables/Nouv")));
    EXPECT_EQ(QDir(env.chemin("StructuresTables")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              (QStringList{"ChampDescription.tsv", "IndexDescription.tsv"}));
    EXPECT_EQ(lireFichier(env.chemin("StructuresTables/ChampDescription.tsv")), "nouveau champs");
}

TEST(Demarrage, InstallationReseauDossierAnnuleArreteLeProgramme)
{
    EnvironnementTest env(false);
    ASSERT_TRUE(creerDroits(env.chemin("DROITS.DB"), "CREATE TABLE Droits (Nom TEXT, Reseau BOOLEAN)",
                "INSERT INTO Droits VALUES ('poste', 1)"));
    DemarrageTest d(env);
    EXPECT_NE(d.demarrage.executer(), 0);
    EXPECT_FALSE(d.boucleAtteinte);
    EXPECT_TRUE(env.dialogues.questions().isEmpty());
    EXPECT_EQ(env.dialogues.messages.value(0).texte, "Sélectionnez le dossier réseau où sont installées vos données");
    EXPECT_EQ(env.dialogues.textes(),
              QStringList{"Le dossier des données n'a pas été correctement initialisé, le programme va s'arrêter."});
    EXPECT_FALSE(QFileInfo::exists(env.donnees()));
}

TEST(Demarrage, InstallationReseauSurLeDossierChoisi)
{
    EnvironnementTest env(false);
    ASSERT_TRUE(creerDroits(env.chemin("Droits.db"), "CREATE TABLE Droits (Reseau BOOLEAN)", "INSERT INTO Droits VALUES (1)"));
    const QString partage = env.chemin("partage");
    QDir().mkpath(partage);
    env.dialogues.choix.enqueue(partage);
    DemarrageTest d(env);
    EXPECT_EQ(d.demarrage.executer(), 0);
    EXPECT_TRUE(QFileInfo::exists(partage + "/Velorin.db"));
    EXPECT_TRUE(QFileInfo(partage + "/contrats").isDir());
    EXPECT_EQ(FichierIni(env.chemin("info.ini")).lireTexte("Reseau", "Dossier"), QDir::cleanPath(partage));
}

TEST(Demarrage, DroitsSansColonneReseauEstUneInstallationMonoposte)
{
    EnvironnementTest env(false);
    ASSERT_TRUE(creerDroits(env.chemin("Droits.db"), "CREATE TABLE Droits (Nom TEXT)", "INSERT INTO Droits VALUES ('x')"));
    DemarrageTest d(env);
    EXPECT_EQ(d.demarrage.executer(), 0);
    EXPECT_TRUE(QFileInfo(env.donnees()).isDir());
}

TEST(Demarrage, ErreurALaCreationDeLaFenetreSauvegardeDAbordPuisMessageFatal)
{
    EnvironnementTest env(false);
    ecrireFichier(env.chemin("info.ini"), "[SauvegardesAuto]\nSauverFermeture=1\nNbJours=7\n");
    DemarrageTest d(env);
    d.demarrage.creerFenetrePrincipale = [](DMCommun&, DMVelorin&) -> std::unique_ptr<QMainWindow> {
        throw std::runtime_error("fenêtre impossible");
    };
    EXPECT_NE(d.demarrage.executer(), 0);
    EXPECT_FALSE(d.boucleAtteinte);
    EXPECT_EQ(d.sauvegardes, QStringList{"SauveFerme"});
    EXPECT_EQ(d.messagesAvantSauvegarde, 0) << "the at-close backup runs before the fatal message";
    EXPECT_EQ(env.dialogues.textes(),
              QStringList{"Le programme a rencontré un problème, et doit s'arrêter : fenêtre impossible"});
}

TEST(Demarrage, ErreurDansLaBoucleDEvenements)
{
    EnvironnementTest env(false);
    ecrireFichier(env.chemin("info.ini"), "[SauvegardesAuto]\nSauverFermeture=1\nNbJours=7\n");
    DemarrageTest d(env);
    d.demarrage.boucleEvenements = [] {
        QTimer::singleShot(0, [] { throw std::runtime_error("clic malheureux"); });
        return QApplication::exec();
    };
    EXPECT_NE(d.demarrage.executer(), 0);
    EXPECT_EQ(d.sauvegardes.last(), "SauveFerme");
    EXPECT_EQ(env.dialogues.textes().last(), "Le programme a rencontré un problème, et doit s'arrêter : clic malheureux");
}

TEST(Demarrage, SansSauvegardeALaFermetureParDefaut)
{
    EnvironnementTest env(false);
    ecrireFichier(env.chemin("info.ini"), "[SauvegardesAuto]\nFaireSauvegarde=0\nNbJours=7\n");
    DemarrageTest d(env);
    EXPECT_EQ(d.demarrage.executer(), 0);
    EXPECT_TRUE(d.sauvegardes.isEmpty());
}

TEST(Droits, UnEnregistrementQuiNePeutEtreCopieResteDansLesDonnees)
{
    if (::geteuid() == 0) GTEST_SKIP() << "root writes in every folder";
    EnvironnementTest env(false);
    QDir().mkpath(env.donnees());
    ASSERT_TRUE(creerDroits(env.donnees() + "/droits.db", "CREATE TABLE Droits (Reseau BOOLEAN)",
        "INSERT INTO Droits VALUES (1)"));
    const QString programme = env.programme();
    QFile::setPermissions(programme, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    droits::relocaliser(programme);
    QFile::setPermissions(programme, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_FALSE(QFileInfo::exists(env.chemin("Droits.db")));
    EXPECT_TRUE(QFileInfo::exists(env.donnees() + "/droits.db")) << "kept until it can stand beside the program";
}
