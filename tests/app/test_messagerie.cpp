#include "support/DossiersTest.h"

#include "app/FichierIni.h"
#include "app/Reglages.h"

#include <QDir>

#include <gtest/gtest.h>

using namespace velorin;
using namespace velorin::test;

TEST(FichierMail, UneSecondeRemiseEffaceLesLignesPrecedentes)
{
    EnvironnementTest env(false);
    ecrireFichierMail(env.donnees(), "hote@example.org", "Votre contrat", "/d/contrats/C12.pdf",
                      {"Bonjour,", "veuillez trouver le contrat.", "Cordialement"});
    FichierIni fic(env.donnees() + "/FicMail.Ini");
    EXPECT_EQ(fic.lireTexte("Mail", "Destinataire"), "hote@example.org");
    EXPECT_EQ(fic.lireTexte("Mail", "Objet"), "Votre contrat");
    EXPECT_EQ(fic.lireTexte("Mail", "Fichier"), "/d/contrats/C12.pdf");
    EXPECT_EQ(fic.cles("Corps"), (QStringList{"Ligne0", "Ligne1", "Ligne2"}));
    EXPECT_EQ(fic.lireTexte("Corps", "Ligne1"), "veuillez trouver le contrat.");

    ecrireFichierMail(env.donnees(), "autre@example.org", "Relance", "", {"Une seule ligne"});
    EXPECT_EQ(fic.cles("Corps"), QStringList{"Ligne0"});
    EXPECT_EQ(fic.lireTexte("Corps", "Ligne0"), "Une seule ligne");
    EXPECT_EQ(fic.lireTexte("Mail", "Fichier"), "");
    EXPECT_EQ(fic.cles("Mail"), (QStringList{"Destinataire", "Objet", "Fichier"}));
}

class GestionMessagerieTest : public ::testing::Test {
protected:
    EnvironnementTest env{false};
    InfoIni info{env.programme()};
    GestionMessagerie gestion{info, env.donnees(), env.plateforme, env.horloge};

    void reglages(bool fermer, bool garder, bool assistant = false)
    {
        info.setMessagerie({"/usr/bin/Thunderbird.bin", fermer, garder, assistant});
        env.plateforme.processus.insert(42, "/opt/thunderbird/THUNDERBIRD");
    }
};

TEST_F(GestionMessagerieTest, ProgrammeFermeAvantPuisRedemarre)
{
    reglages(true, false);
    QStringList ordre;
    gestion.autourDuDocument([&] { ordre = env.plateforme.journal; ordre << "document"; }, false);
    EXPECT_EQ(ordre, (QStringList{"terminer /opt/thunderbird/THUNDERBIRD", "document"}));
    EXPECT_EQ(env.plateforme.demarres, QStringList{"/usr/bin/Thunderbird.bin"});
    EXPECT_EQ(env.horloge.totalAttenduMs, 500 + 2500);
    EXPECT_EQ(env.plateforme.premierPlan, 1);
}

TEST_F(GestionMessagerieTest, CasOuLeProgrammeNEstPasRedemarre)
{
    struct Cas {
        bool fermer, garder, enCours;
        int terminees;
    };
    for (const Cas c : {Cas{true, true, true, 1}, Cas{false, false, true, 0}, Cas{true, false, false, 0}}) {
        EnvironnementTest e(false);
        InfoIni i(e.programme());
        i.setMessagerie({"/usr/bin/thunderbird", c.fermer, c.garder, false});
        if (c.enCours) e.plateforme.processus.insert(7, "/usr/lib/thunderbird/thunderbird");
        GestionMessagerie g(i, e.donnees(), e.plateforme, e.horloge);
        g.autourDuDocument([] {}, false);
        EXPECT_EQ(e.plateforme.terminees.size(), c.terminees);
        EXPECT_TRUE(e.plateforme.demarres.isEmpty());
    }
}

TEST_F(GestionMessagerieTest, AssistantSeulementQuandSonExecutableExiste)
{
    info.setMessagerie({"", false, false, true});
    gestion.autourDuDocument([] {}, true, "a@b.fr", "Objet", "/f.pdf", {"x"});
    EXPECT_TRUE(env.plateforme.executes.isEmpty());
    EXPECT_FALSE(QFile::exists(env.donnees() + "/FicMail.Ini"));

    ecrireFichier(env.chemin(nomExecutableMissivo()), "#!/bin/sh\n");
    gestion.autourDuDocument([] {}, true, "a@b.fr", "Objet", "/f.pdf", {"x", "y"});
    ASSERT_EQ(env.plateforme.executes.size(), 1);
    EXPECT_EQ(QDir::cleanPath(env.plateforme.executes[0]), QDir::cleanPath(env.chemin("missivo")));
    EXPECT_EQ(FichierIni(env.donnees() + "/FicMail.Ini").cles("Corps"), (QStringList{"Ligne0", "Ligne1"}));
}

TEST_F(GestionMessagerieTest, MailSystemeAvecDestinatairesDansLOrdre)
{
    reglages(true, false);
    EXPECT_TRUE(gestion.envoyerMailSysteme("Confirmation", "Bonjour", "a@b.fr", "", "c@d.fr"));
    EXPECT_EQ(env.plateforme.mails, QStringList{"Confirmation|a@b.fr||c@d.fr"});
    EXPECT_EQ(env.plateforme.journal.first(), "terminer /opt/thunderbird/THUNDERBIRD");
    EXPECT_EQ(env.plateforme.demarres.size(), 1);
    env.plateforme.resultatMail = false;
    EXPECT_FALSE(gestion.envoyerMailSysteme("x", "y", "a@b.fr"));
}
