#include "support/DossiersTest.h"

#include "app/FichierIni.h"
#include "app/Reglages.h"

#include <QDir>
#include <QFile>

#include <unistd.h>

#include <gtest/gtest.h>

using namespace velorin;
using namespace velorin::test;

TEST(FichierIni, SectionsEtClesSansCasseEtValeursParDefaut)
{
    EnvironnementTest env(false);
    ecrireFichier(env.chemin("info.ini"), "[sauvegardesauto]\r\nnbjours=3\r\nFaireSauvegarde=0\r\n; commentaire\r\n"
                                          "[Reseau]\r\nDossier = /srv/donnees \r\nFrequence=abc\r\n");
    FichierIni ini(env.chemin("info.ini"));
    EXPECT_EQ(ini.lireEntier("SauvegardesAuto", "NbJours", 0), 3);
    EXPECT_FALSE(ini.lireBooleen("SAUVEGARDESAUTO", "faireSAUVEGARDE", true));
    EXPECT_EQ(ini.lireTexte("reseau", "DOSSIER"), "/srv/donnees");
    EXPECT_EQ(ini.lireEntier("Reseau", "Frequence", 5), 5) << "a value that is not a number gives the default";
    EXPECT_TRUE(ini.lireBooleen("Absente", "Cle", true));
    EXPECT_EQ(ini.lireTexte("Reseau", "Absente", "def"), "def");
    EXPECT_EQ(FichierIni(env.chemin("absent.ini")).lireEntier("A", "B", 9), 9);
}

TEST(FichierIni, EcritureImmediateVueParUnAutreLecteurEtCommentairesGardes)
{
    EnvironnementTest env(false);
    ecrireFichier(env.chemin("info.ini"), "; en-tête\n[Reseau]\nDossier=/a\n\n[Missivo]\nAssistant=1\n");
    FichierIni ecrivain(env.chemin("info.ini"));
    FichierIni lecteur(env.chemin("info.ini"));
    ASSERT_TRUE(ecrivain.ecrireTexte("RESEAU", "dossier", "/b"));
    ASSERT_TRUE(ecrivain.ecrireBooleen("Reseau", "Actif", true));
    ASSERT_TRUE(ecrivain.ecrireTexte("Nouvelle", "Clé", "été"));
    EXPECT_EQ(lecteur.lireTexte("Reseau", "Dossier"), "/b");
    EXPECT_EQ(lecteur.lireTexte("Reseau", "Actif"), "1");
    EXPECT_EQ(lecteur.lireTexte("nouvelle", "clé"), "été");
    const QString texte = QString::fromUtf8(lireFichier(env.chemin("info.ini")));
    EXPECT_TRUE(texte.startsWith("; en-tête")) << texte.toStdString();
    EXPECT_TRUE(texte.contains("[Reseau]\r\nDossier=/b\r\nActif=1\r\n")) << texte.toStdString();
    EXPECT_EQ(lecteur.cles("Reseau"), (QStringList{"Dossier", "Actif"}));
}

TEST(FichierIni, EffacerUneSectionNeLaisseAucuneCle)
{
    EnvironnementTest env(false);
    FichierIni ini(env.chemin("f.ini"));
    ini.ecrireTexte("A", "x", "1");
    ini.ecrireTexte("B", "y", "2");
    ini.ecrireTexte("a", "z", "3");
    ASSERT_TRUE(ini.effacerSection("A"));
    EXPECT_TRUE(ini.cles("A").isEmpty());
    EXPECT_EQ(ini.lireTexte("B", "y"), "2");
}

TEST(FichierIni, UnFichierIllisibleNEstPasRemplaceParUneEcriture)
{
    if (::geteuid() == 0) GTEST_SKIP() << "root reads every file";
    EnvironnementTest env(false);
    ecrireFichier(env.chemin("info.ini"), "[Sites]\nPrincipal=/srv/donnees\n");
    QFile::setPermissions(env.chemin("info.ini"), QFileDevice::WriteOwner);
    FichierIni ini(env.chemin("info.ini"));
    EXPECT_FALSE(ini.ecrireTexte("Reseau", "Frequence", "10"));
    QFile::setPermissions(env.chemin("info.ini"), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    EXPECT_EQ(ini.lireTexte("Sites", "Principal"), "/srv/donnees");
}

TEST(InfoIni, DossierDesSauvegardesAutomatiques)
{
    EnvironnementTest env(false);
    const QString programme = QDir(env.programme()).absolutePath();
    struct Cas {
        const char* contenu;
        QString attendu;
    };
    const QList<Cas> cas{
        {"", programme + "/Sauvegardes"},
        {"[SauvegardesAuto]\nRepDest=\n", programme + "/Sauvegardes"},
        {"[SauvegardesAuto]\nRepDest=Copies\n", programme + "/Copies"},
        {"[SauvegardesAuto]\nRepDest=/mnt/cle\n", "/mnt/cle"},
    };
    for (const Cas& c : cas) {
        ecrireFichier(env.chemin("info.ini"), c.contenu);
        EXPECT_EQ(QDir::cleanPath(InfoIni(env.programme()).repDest()), c.attendu) << c.contenu;
    }
}
