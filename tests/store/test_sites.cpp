#include "DonneesTest.h"

#include "store/Sites.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

using namespace velorin;
using namespace velorin::test;

TEST(Sites, ListeVideRecoitLeSitePrincipal)
{
    DonneesTest d;
    Sites sites(d.commun, d.velorin);
    const QList<Site> liste = sites.ListeSites();
    ASSERT_EQ(liste.size(), 1);
    EXPECT_EQ(liste[0].nom, "Principal");
    EXPECT_EQ(QDir::cleanPath(liste[0].dossier), QDir::cleanPath(d.env.donnees()));
}

TEST(Sites, SiteSansDossierLaisseLeDossierCourant)
{
    DonneesTest d;
    d.sql("CREATE TABLE Contact (Identifiant Integer)");
    ecrireFichier(
        d.env.chemin("info.ini"),
        ("[Sites]\nPrincipal=" + d.env.donnees() + "\nGîte du bas=\nVignes=" + d.env.chemin("vignes") + "\n").toUtf8());
    Sites sites(d.commun, d.velorin);
    int verifications = 0;
    sites.verifierTables = [&] { ++verifications; };
    const QString avant = d.commun.dossierDonnees();

    for (const QString& site : {QStringLiteral("Gîte du bas"), QStringLiteral("Inconnu")}) {
        d.env.dialogues.vider();
        EXPECT_FALSE(sites.ChangerSite(site));
        EXPECT_EQ(d.env.dialogues.textes(),
                  QStringList{"Impossible de sélectionner ce site, car son dossier de données n'est pas indiqué."});
        EXPECT_EQ(d.commun.dossierDonnees(), avant);
        EXPECT_TRUE(d.base().estOuverte()) << "the current data stays open";
        EXPECT_TRUE(d.base().tableExiste("Contact"));
    }
    EXPECT_EQ(verifications, 0);
}

TEST(Sites, ChangementDeSiteOuvreSonDossierEtVerifie)
{
    DonneesTest d;
    const QString vignes = d.env.chemin("vignes");
    ecrireFichier(d.env.chemin("info.ini"),
                  ("[Sites]\nPrincipal=" + d.env.donnees() + "\nVignes=" + vignes + "\n").toUtf8());
    Sites sites(d.commun, d.velorin);
    QStringList verifications;
    sites.verifierTables = [&] { verifications << d.commun.dossierDonnees(); };

    EXPECT_TRUE(sites.ChangerSite("Vignes"));
    EXPECT_EQ(d.commun.dossierDonnees(), QDir::cleanPath(vignes));
    EXPECT_TRUE(d.base().estOuverte());
    EXPECT_EQ(QFileInfo(d.base().fichier()).absolutePath(), QFileInfo(vignes).absoluteFilePath());
    EXPECT_EQ(verifications, QStringList{QDir::cleanPath(vignes)}) << "verified once, on the new folder";

    EXPECT_TRUE(sites.ChangerSite("Principal"));
    EXPECT_EQ(d.commun.dossierDonnees(), QDir::cleanPath(d.env.donnees()));
    EXPECT_TRUE(d.env.dialogues.textes().isEmpty());
}
