#include "DonneesTest.h"

#include "app/screens/Demarrage.h"
#include "store/Reparations.h"

#include <QDir>
#include <QFileInfo>
#include <QMainWindow>

#include <gtest/gtest.h>

using namespace velorin;
using namespace velorin::test;

namespace {
using Lignes = QList<QVariantList>;
}

TEST(Reparations, ColGrille)
{
    const QString colonnesSuite = "NomChamp Char(50), Titre Char(50), AffGrille boolean, Larg Integer";
    struct Cas {
        QString definition;
        bool gardee;
        int lignesRestantes;
    };
    const QList<Cas> cas{
        // NumOrdre in fourth place: rows without it go, the table stays.
        {"Ordinateur Char(50), Fenetre Char(50), Grille Char(50), NumOrdre Integer, " + colonnesSuite, true, 1},
        // An older layout: the verification creates the table anew.
        {"Ordinateur Char(50), Fenetre Char(50), NumOrdre Integer, Grille Char(50), " + colonnesSuite, false, 0},
        // Without NumOrdre: nothing to do.
        {"Ordinateur Char(50), Fenetre Char(50), Grille Char(50), " + colonnesSuite, true, 2},
    };
    for (const Cas& c : cas) {
        DonneesTest d;
        d.sql("CREATE TABLE ColGrille (" + c.definition + ")");
        const bool avecNumOrdre = c.definition.contains("NumOrdre");
        d.sql(avecNumOrdre ? "INSERT INTO ColGrille (Ordinateur, NumOrdre) VALUES ('P1', 1), ('P1', NULL)"
                           : "INSERT INTO ColGrille (Ordinateur) VALUES ('P1'), ('P2')");
        Reparations(d.commun, nullptr).reparerColGrille();
        EXPECT_EQ(d.base().tableExiste("ColGrille"), c.gardee) << c.definition.toStdString();
        if (c.gardee) {
            EXPECT_EQ(d.valeur("SELECT COUNT(*) FROM ColGrille").toInt(), c.lignesRestantes);
        }
        EXPECT_TRUE(d.env.dialogues.textes().isEmpty());
    }
}

TEST(Reparations, RemarquesMemoConverties)
{
    DonneesTest d;
    d.sql("CREATE TABLE Remarques (Jour date, Remarque blob(1))");
    const QString longue = QString(300, 'x');
    d.sql("INSERT INTO Remarques VALUES ('2023-05-02', 'deuxième'), ('2023-05-01', ?), ('2023-05-03', NULL)", {longue});
    ProgressionTest progression;
    Reparations reparations(d.commun, &progression);
    reparations.convertirRemarques();

    EXPECT_EQ(Reparations::typeDeclare(d.base(), "Remarques", "Remarque"), "CHAR(250)");
    EXPECT_EQ(d.lignes("SELECT Jour, Remarque FROM Remarques ORDER BY rowid"),
              (Lignes{{"2023-05-01", longue}, {"2023-05-02", "deuxième"}, {"2023-05-03", QVariant()}}))
        << "every row kept, in day order, whole";
    EXPECT_FALSE(d.base().tableExiste("Remarques_anc"));
    EXPECT_THROW(d.sql("INSERT INTO Remarques VALUES ('2023-05-01', 'doublon')"), Erreur) << "one remark per day";
    EXPECT_EQ(progression.libelles, QStringList{"Mise à jour de la table des observations."});

    // Already converted: nothing happens.
    progression.libelles.clear();
    reparations.convertirRemarques();
    EXPECT_TRUE(progression.libelles.isEmpty());
    EXPECT_EQ(d.valeur("SELECT COUNT(*) FROM Remarques").toInt(), 3);
    EXPECT_TRUE(d.env.dialogues.textes().isEmpty());
}

TEST(Reparations, RemarquesEnEchecRestentIntactes)
{
    DonneesTest d;
    d.sql("CREATE TABLE Remarques (Jour date, Remarque memo)");
    d.sql("INSERT INTO Remarques VALUES ('2023-05-01', 'a'), ('2023-05-01', 'b')");
    Reparations(d.commun, nullptr).convertirRemarques();
    const QStringList textes = d.env.dialogues.textes();
    ASSERT_EQ(textes.size(), 1);
    EXPECT_TRUE(textes[0].startsWith("Erreur pendant la mise à jour de la table des observations : "));
    EXPECT_EQ(Reparations::typeDeclare(d.base(), "Remarques", "Remarque"), "MEMO");
    EXPECT_EQ(d.lignes("SELECT Remarque FROM Remarques ORDER BY rowid"), (Lignes{{"a"}, {"b"}}));
    EXPECT_FALSE(d.base().tableExiste("Remarques_anc"));
}

TEST(Reparations, RemarquesDesReservationsConverties)
{
    DonneesTest d;
    d.sql("CREATE TABLE Reservation (Identifiant Integer, IdContact Integer, Remarque blob(0), NumFac "
          "Char(20))");
    d.sql("INSERT INTO Reservation VALUES (1, 5, 'Arrivée tardive', 'F1'), (2, 6, NULL, ''), "
          "(NULL, 7, 'sans identifiant', ''), (4, 8, 'premier 4', ''), (4, 9, 'second 4', '')");
    ProgressionTest progression;
    Reparations(d.commun, &progression).convertirRemarquesReservations();

    EXPECT_EQ(Reparations::typeDeclare(d.base(), "Reservation", "Remarque"), "CHAR(250)");
    EXPECT_EQ(d.lignes("SELECT Identifiant, IdContact, NumFac, Remarque FROM Reservation ORDER BY IdContact"),
              (Lignes{{1, 5, "F1", "Arrivée tardive"},
                      {2, 6, "", QVariant()},
                      {QVariant(), 7, "", "sans identifiant"},
                      {4, 8, "", "premier 4"},
                      {4, 9, "", "second 4"}}));
    EXPECT_FALSE(d.base().tableExiste("Tmp_Reserv"));
    EXPECT_EQ(progression.libelles, QStringList{"Mise à jour de la table des réservations."});
    EXPECT_EQ(progression.positions.last(), 4) << "the bar ends full";
    EXPECT_EQ(progression.maximum(), 4);
    EXPECT_TRUE(d.env.dialogues.textes().isEmpty());
}

TEST(Reparations, DocumentsRangesDansLanguesFR)
{
    DonneesTest d;
    const QString donnees = d.env.donnees();
    for (const char* nom : {"contrat.rtm", "CONDGEN.RTF", "TexteMailAR.TXT", "autre.txt"})
        ecrireFichier(donnees + "/" + nom, nom);
    Reparations(d.commun, nullptr).rangerDocuments();
    const QString fr = donnees + "/Langues/FR/";
    EXPECT_EQ(lireFichier(fr + "contrat.rtm"), "contrat.rtm");
    EXPECT_EQ(lireFichier(fr + "CondGen.RTF"), "CONDGEN.RTF");
    EXPECT_EQ(lireFichier(fr + "TexteMailAR.TXT"), "TexteMailAR.TXT");
    EXPECT_FALSE(QFileInfo::exists(donnees + "/contrat.rtm"));
    EXPECT_FALSE(QFileInfo::exists(donnees + "/CONDGEN.RTF"));
    EXPECT_TRUE(QFileInfo::exists(donnees + "/autre.txt"));
    EXPECT_FALSE(QFileInfo::exists(fr + "autre.txt"));

    // The folder exists: documents left in the data folder stay where they are.
    ecrireFichier(donnees + "/facture.rtm", "facture");
    Reparations(d.commun, nullptr).rangerDocuments();
    EXPECT_TRUE(QFileInfo::exists(donnees + "/facture.rtm"));
    EXPECT_FALSE(QFileInfo::exists(fr + "facture.rtm"));
    EXPECT_TRUE(d.env.dialogues.textes().isEmpty());
}

TEST(Reparations, ReferencesDesFactures)
{
    DonneesTest d;
    d.sql("CREATE TABLE Factures (Identifiant Integer, NumFac Char(20))");
    d.sql("CREATE TABLE FactLig (Identifiant Integer, IdFact Integer, IdReserv Integer)");
    d.sql("CREATE TABLE Reservation (Identifiant Integer, NumFac Char(20), IdFact Integer)");
    d.sql("INSERT INTO Factures VALUES (5, 'F-0005'), (6, 'F-0006')");
    d.sql("INSERT INTO FactLig VALUES (1, 5, 1), (2, 5, 1), (3, 5, 2), (4, 6, 3)");
    d.sql("INSERT INTO Reservation VALUES (1, '', 0), (2, NULL, NULL), (3, 'ancien', 1), (4, '', 0)");
    ProgressionTest progression;
    Reparations(d.commun, &progression).referencesFactures();
    EXPECT_EQ(d.lignes("SELECT Identifiant, NumFac, IdFact FROM Reservation ORDER BY Identifiant"),
              (Lignes{{1, "F-0005", 5}, {2, "F-0005", 5}, {3, "F-0006", 6}, {4, "", 0}}));
    EXPECT_EQ(progression.libelles, QStringList{"Mise à jour des références pièce dans la table de recettes."});
    EXPECT_TRUE(d.env.dialogues.textes().isEmpty());
}

TEST(Reparations, ReferencesDesRecettes)
{
    DonneesTest d;
    d.sql("CREATE TABLE DepRec (TypeEcr Integer, Identifiant Integer, IdRef Integer, RefPiece Char(50))");
    d.sql("CREATE TABLE Reservation (Identifiant Integer, NumFac Char(20))");
    d.sql("CREATE TABLE BonsCadeau (Identifiant Integer, NumFac Char(20))");
    d.sql("INSERT INTO Reservation VALUES (1, 'F1'), (2, '')");
    d.sql("INSERT INTO BonsCadeau VALUES (4, 'B4')");
    d.sql("INSERT INTO DepRec VALUES "
          "(1, 10, 1, ''), (1, 11, -4, ''), (0, 12, 1, ''), (1, 13, 1, 'X'), (1, 14, 99, ''), (1, 15, 1, "
          "NULL), "
          "(1, 16, 2, ''), (1, 17, -9, '')");
    Reparations(d.commun, nullptr).referencesRecettes();
    EXPECT_EQ(d.lignes("SELECT Identifiant, RefPiece FROM DepRec ORDER BY Identifiant"),
              (Lignes{{10, "F1"}, {11, "B4"}, {12, ""}, {13, "X"}, {14, ""}, {15, "F1"}, {16, ""}, {17, ""}}));
    EXPECT_TRUE(d.env.dialogues.textes().isEmpty());
}

TEST(Reparations, NettoyageDuCatalogue)
{
    DonneesTest d;
    d.sql("CREATE TABLE Prestation (Identifiant Integer, TypePrest Integer, Nom Char(50), SansTVA boolean)");
    d.sql("INSERT INTO Prestation VALUES (1, 0, 'Chambre', NULL), (2, 1, 'Vélo', 1), (3, NULL, 'Orphelin', 0)");
    Reparations(d.commun, nullptr).nettoyerCatalogue();
    EXPECT_EQ(d.lignes("SELECT Identifiant, SansTVA FROM Prestation ORDER BY Identifiant"), (Lignes{{1, 0}, {2, 1}}));
    EXPECT_TRUE(d.env.dialogues.textes().isEmpty());
}

TEST(Reparations, HotesManquants)
{
    DonneesTest d;
    d.sql("CREATE TABLE Contact (Identifiant Integer, TypeContact Integer, Nom Char(50), Prenom Char(50))");
    d.sql("CREATE TABLE Reservation (Identifiant Integer, IdContact Integer)");
    d.sql("INSERT INTO Contact VALUES (3, 2, 'Martin', 'Léa'), (20, 3, 'Office de tourisme', NULL)");
    d.sql("INSERT INTO Reservation VALUES (8, 12), (7, 12), (9, 3), (10, -1), (11, 20), (14, 0)");
    ProgressionTest progression;
    Reparations(d.commun, &progression).creerHotesManquants();
    EXPECT_EQ(d.lignes("SELECT Identifiant, TypeContact, Nom FROM Contact ORDER BY Identifiant"),
              (Lignes{{0, 2, "Reserv. 14"}, {3, 2, "Martin"}, {12, 2, "Reserv. 7"}, {20, 3, "Office de tourisme"}}));
    EXPECT_EQ(progression.libelles, QStringList{"Correction des hôtes manquants."});
    EXPECT_TRUE(d.env.dialogues.textes().isEmpty());
}

TEST(Reparations, DansLeurOrdreAvecLeursLibelles)
{
    DonneesTest d;
    d.sql("CREATE TABLE Remarques (Jour date, Remarque blob(1))");
    d.sql("CREATE TABLE Reservation (Identifiant Integer, IdContact Integer, NumFac Char(20), IdFact Integer, "
          "Remarque blob(1))");
    d.sql("CREATE TABLE Contact (Identifiant Integer, TypeContact Integer, Nom Char(50))");
    d.sql("CREATE TABLE Factures (Identifiant Integer, NumFac Char(20))");
    d.sql("CREATE TABLE FactLig (Identifiant Integer, IdFact Integer, IdReserv Integer)");
    d.sql("INSERT INTO Reservation VALUES (1, 12, '', 0, 'note')");
    ProgressionTest progression;
    Reparations(d.commun, &progression).reparerDonnees();
    EXPECT_EQ(progression.libelles,
              (QStringList{"Mise à jour de la table des observations.", "Mise à jour de la table des réservations.",
                           "Mise à jour des références pièce dans la table de recettes.",
                           "Correction des hôtes manquants."}));
    EXPECT_TRUE(QFileInfo(d.env.donnees() + "/Langues/FR").isDir());
    EXPECT_EQ(d.valeur("SELECT Nom FROM Contact WHERE Identifiant = 12").toString(), "Reserv. 1");
    EXPECT_EQ(d.valeur("SELECT Remarque FROM Reservation").toString(), "note");
    EXPECT_TRUE(d.env.dialogues.textes().isEmpty());
}

// Data left by an older version is repaired during start-up, before the main window.
TEST(Reparations, AuDemarrage)
{
    EnvironnementTest env;
    {
        BaseDonnees base;
        base.ouvrir(env.donnees() + "/Velorin.db");
        base.executer("CREATE TABLE ColGrille (Ordinateur Char(50), NumOrdre Integer, Fenetre Char(50), "
                      "Grille Char(50))");
        base.executer("CREATE TABLE Reservation (Identifiant Integer, IdContact Integer)");
        base.executer("CREATE TABLE Contact (Identifiant Integer, TypeContact Integer, Nom Char(50))");
        base.executer("INSERT INTO Reservation VALUES (3, 12)");
        base.executer("CREATE TABLE options (ModeArrhes Integer, AffRepas boolean, OuvrirPlanning boolean)");
        base.executer("INSERT INTO options (ModeArrhes, AffRepas) VALUES (1, 1)");
    }
    ecrireFichier(env.donnees() + "/contrat.rtm", "modèle");
    Demarrage demarrage(env.services(), env.programme());
    demarrage.boucleEvenements = [] { return 0; };
    demarrage.sauvegarder = [](const QString&, bool) {};
    bool optionsChargees = false;
    demarrage.creerFenetrePrincipale = [&](DMCommun&, DMVelorin& velorin) {
        optionsChargees = velorin.options().memoire().montantFixeParDefaut && velorin.options().memoire().AffRepas;
        return std::make_unique<QMainWindow>();
    };
    EXPECT_EQ(demarrage.executer(), 0);
    EXPECT_TRUE(optionsChargees) << "the options are in memory when the main window is created";
    EXPECT_TRUE(env.dialogues.textes().isEmpty()) << env.dialogues.textes().join("\n").toStdString();

    BaseDonnees base;
    base.ouvrir(env.donnees() + "/Velorin.db");
    EXPECT_EQ(base.colonnes("ColGrille").value(3), "NumOrdre") << "deleted, then recreated by the verification";
    EXPECT_EQ(base.valeur("SELECT Nom FROM Contact WHERE Identifiant = 12").toString(), "Reserv. 3");
    EXPECT_EQ(base.valeur("SELECT OuvrirPlanning FROM options").toInt(), 0) << "stored when first read at start-up";
    EXPECT_FALSE(base.valeur("SELECT OuvrirPlanning FROM options").isNull());
    EXPECT_EQ(lireFichier(env.donnees() + "/Langues/FR/contrat.rtm"), "modèle");
}
