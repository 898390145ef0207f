#include "support/DossiersTest.h"
#include "support/TablesDisposition.h"

#include "store/DMCommun.h"
#include "store/Disposition.h"

#include <QSqlQuery>

#include <gtest/gtest.h>

using namespace velorin;
using namespace velorin::test;

namespace {

class DispositionTest : public ::testing::Test {
protected:
    DispositionTest() : commun(env.services(), env.programme())
    {
        commun.setDossierDonnees(env.donnees());
        creerTablesDisposition(base());
    }

    BaseDonnees& base() { return commun.base(); }
    Disposition disposition() { return commun.disposition(); }
    int compter(const QString& sql, const QVariantList& valeurs = {})
    {
        return base().valeur(sql, valeurs).toInt();
    }
    void ajouterPosition(const QString& poste, const QString& fenetre, int x)
    {
        base().executer("INSERT INTO TaillePos VALUES (?, ?, ?, 0, 500, 300, 0)", {poste, fenetre, x});
    }

    EnvironnementTest env{false};
    DMCommun commun;
};

} // namespace

TEST_F(DispositionTest, PositionEnregistreePuisRelue)
{
    ajouterPosition("POSTE-TEST", "TFrmClients", 1); // row of an older version, under the bare key
    disposition().EnregistrerDisposition("TFrmClients", {{10, 20, 640, 480, 0}, {0, 0, 180, 0, 1}});
    disposition().EnregistrerDisposition("TFrmClients", {{11, 21, 641, 481, 0}, {0, 0, 170, 0, 0}});

    const auto lues = disposition().LireDisposition("tfrmclients");
    ASSERT_TRUE(lues.has_value());
    EXPECT_EQ(*lues, (QList<TDisposition>{{11, 21, 641, 481, 0}, {0, 0, 170, 0, 0}}));
    EXPECT_EQ(compter("SELECT COUNT(*) FROM TaillePos"), 2);
    EXPECT_EQ(compter("SELECT COUNT(*) FROM TaillePos WHERE Fenetre = 'TFrmClients_1' AND Autre = 0"), 1);
}

TEST_F(DispositionTest, LaFenetreQuiProlongeLaCleSuitDansLaListe)
{
    ajouterPosition("POSTE-TEST", "TFrmPrest_0", 1);
    ajouterPosition("POSTE-TEST", "TFrmPrestation_0", 2);
    ajouterPosition("POSTE-TEST", "TFrmReserv_0", 3);
    ajouterPosition("AUTRE-POSTE", "TFrmPrest_0", 4);

    const auto lues = disposition().LireDisposition("TFrmPrest");
    ASSERT_TRUE(lues.has_value());
    ASSERT_EQ(lues->size(), 2);
    EXPECT_EQ(lues->at(0).PosX, 1);
    EXPECT_EQ(lues->at(1).PosX, 2);
}

TEST_F(DispositionTest, PositionAbsente)
{
    ajouterPosition("AUTRE-POSTE", "TFrmClients_0", 4);
    ajouterPosition("POSTE-TEST", "TFrmClientsBis_0", 4);
    EXPECT_FALSE(disposition().LireDisposition("TFrmClients").has_value());
    EXPECT_FALSE(disposition().LireLargeurs("TFrmClients").has_value());
    EXPECT_FALSE(disposition().LireColonnes("TFrmClients", "Grille").has_value());
}

TEST_F(DispositionTest, SansTablesRienNEstFaitNiSignale)
{
    for (const char* table : {"TaillePos", "TailleCols", "ColGrille", "Couleurs", "Trace", "JoursFerie"})
        base().executer(QStringLiteral("DROP TABLE %1").arg(QLatin1String(table)));

    disposition().EnregistrerDisposition("TFrmClients", {{10, 20, 640, 480, 0}});
    disposition().EnregistrerLargeurs("TFrmClients", {{"Grille", 0, 80}});
    disposition().EnregistrerColonnes("TFrmClients", "Grille", {{0, "Nom", "Nom", true, 80}});
    disposition().EnregistrerCouleurs(couleursParDefaut());
    commun.TracerEvenement("rien");
    EXPECT_FALSE(disposition().LireDisposition("TFrmClients").has_value());
    EXPECT_FALSE(disposition().LireLargeurs("TFrmClients").has_value());
    EXPECT_FALSE(disposition().LireColonnes("TFrmClients", "Grille").has_value());
    EXPECT_EQ(disposition().LireCouleurs(), couleursParDefaut());
    EXPECT_EQ(disposition().CreerJourFerie(), 0);
    disposition().SupprimerJourFerie(1);
    EXPECT_TRUE(env.dialogues.messages.isEmpty());
    EXPECT_TRUE(base().tables().isEmpty());
}

TEST_F(DispositionTest, LargeursDeLaSeuleFenetre)
{
    disposition().EnregistrerLargeurs("TFrmPrestation", {{"Grille", 0, 999}});
    disposition().EnregistrerLargeurs("TFrmPrest", {{"Grille", 0, 120}, {"", 1, 50}, {"GrilleTarifs", 2, 70}});
    disposition().EnregistrerLargeurs("TFrmPrest", {{"Grille", 0, 130}, {"Grille", 1, 90}});

    const auto lues = disposition().LireLargeurs("TFrmPrest");
    ASSERT_TRUE(lues.has_value());
    EXPECT_EQ(*lues, (QList<TLargeurCol>{{"Grille", 0, 130}, {"Grille", 1, 90}}));
    EXPECT_EQ(compter("SELECT COUNT(*) FROM TailleCols WHERE Ordinateur = 'POSTE-TEST'"), 3);
}

TEST_F(DispositionTest, ColonnesDUneGrille)
{
    const QList<TColonneGrille> colonnes{{1, "Ville", "Ville", true, 90}, {0, "Nom", "Nom", true, 120},
                                         {2, "Societe", "Organisme", false, 80}};
    disposition().EnregistrerColonnes("TFrmClients", "Grille", colonnes);
    disposition().EnregistrerColonnes("TFrmClients", "Autre", {{0, "Nom", "Nom", true, 10}});
    disposition().EnregistrerColonnes("TFrmClients", "Grille", colonnes);

    const auto lues = disposition().LireColonnes("TFrmClients", "grille");
    ASSERT_TRUE(lues.has_value());
    // Read back in column order.
    EXPECT_EQ(*lues, (QList<TColonneGrille>{colonnes.at(1), colonnes.at(0), colonnes.at(2)}));
    EXPECT_EQ(compter("SELECT COUNT(*) FROM ColGrille"), 4);
}

TEST(Couleurs, NomsValeursEtGroupes)
{
    EXPECT_EQ(couleurs::nom(0), u"Titre principal de l'application"_qs);
    EXPECT_EQ(couleurs::nom(20), u"Couleur de fond des titres de mois du planning"_qs);
    EXPECT_EQ(couleurs::groupe(6), u"Programme"_qs);
    EXPECT_EQ(couleurs::groupe(10), u"Jours"_qs);
    EXPECT_EQ(couleurs::groupe(14), u"Réservations"_qs);
    EXPECT_EQ(couleurs::groupe(15), u"Internet"_qs);
    // Red in the low byte.
    EXPECT_EQ(couleurs::defaut(0), 0x45CEFC);
    EXPECT_EQ(couleurs::defaut(11), 0x0000FF);
    EXPECT_EQ(couleurs::versHtml(couleurs::defaut(18)), "#FA3246");
    EXPECT_EQ(couleurs::versQColor(couleurs::defaut(1)), QColor(0x47, 0x5C, 0xEF));
    EXPECT_EQ(couleurs::depuisQColor(QColor(0x47, 0x5C, 0xEF)), couleurs::defaut(1));
}

TEST_F(DispositionTest, PremiereLectureDesCouleursAjouteLesValeursParDefaut)
{
    EXPECT_EQ(disposition().LireCouleurs(), couleursParDefaut());

    QSqlQuery q = base().executer("SELECT Identifiant, Nom, Valeur FROM Couleurs ORDER BY Identifiant");
    int n = 0;
    while (q.next()) {
        EXPECT_EQ(q.value(0).toInt(), n + 1);
        EXPECT_EQ(q.value(1).toString(), couleurs::nom(n));
        EXPECT_EQ(q.value(2).toInt(), couleurs::defaut(n));
        ++n;
    }
    EXPECT_EQ(n, 21);
    EXPECT_EQ(disposition().LireCouleurs(), couleursParDefaut());
    EXPECT_EQ(compter("SELECT COUNT(*) FROM Couleurs"), 21);
}

TEST_F(DispositionTest, CouleursStockeesEtEnregistrees)
{
    base().executer("INSERT INTO Couleurs VALUES (7, ?, 255)", {couleurs::nom(4).toUpper()});

    commun.LireCouleurs();
    EXPECT_EQ(commun.couleurs()[4], 255);
    TCouleurs lues = disposition().LireCouleurs();
    EXPECT_EQ(lues[4], 255);
    EXPECT_EQ(lues[5], couleurs::defaut(5));
    EXPECT_EQ(compter("SELECT MAX(Identifiant) FROM Couleurs"), 27);

    base().executer("DELETE FROM Couleurs WHERE Identifiant = 27");
    lues[20] = 0x123456;
    lues[4] = 0x654321;
    commun.EnregistrerCouleurs(lues);
    EXPECT_EQ(commun.couleurs(), lues);
    EXPECT_EQ(disposition().LireCouleurs(), lues);
    EXPECT_EQ(compter("SELECT Valeur FROM Couleurs WHERE Identifiant = 7"), 0x654321);
    EXPECT_EQ(compter("SELECT COUNT(*) FROM Couleurs"), 21);
}

TEST_F(DispositionTest, TraceCoupeeA100Caracteres)
{
    const QString message = QString(100, QLatin1Char('a')) + QString(20, QLatin1Char('b'));
    ASSERT_EQ(message.size(), 120);
    env.horloge.regler(QDateTime(QDate(2026, 3, 4), QTime(8, 5, 42)));
    commun.TracerEvenement(message);

    QSqlQuery q = base().executer("SELECT DateEvmt, HeureEvmt, Ordinateur, Utilisat, Evenement FROM Trace");
    ASSERT_TRUE(q.next());
    EXPECT_EQ(q.value(0).toString(), "2026-03-04");
    EXPECT_EQ(q.value(1).toString(), "08:05");
    EXPECT_EQ(q.value(2).toString(), "POSTE-TEST");
    EXPECT_EQ(q.value(3).toString(), "");
    EXPECT_EQ(q.value(4).toString(), QString(100, QLatin1Char('a')));
    EXPECT_FALSE(q.next());
}

TEST_F(DispositionTest, NomDuPoste)
{
    env.plateforme.nom = "UN-NOM-DE-POSTE-TROP-LONG";
    EXPECT_EQ(commun.nomPoste(), "UN-NOM-DE-POSTE");
    env.plateforme.nom = "";
    EXPECT_EQ(commun.nomPoste(), "Ordinateur Inconnu");
}

TEST_F(DispositionTest, JoursFeries)
{
    EXPECT_EQ(disposition().CreerJourFerie(), 1);
    base().executer("INSERT INTO JoursFerie (Identifiant, Libelle) VALUES (41, 'Pâques')");
    EXPECT_EQ(disposition().CreerJourFerie(), 42);
    disposition().SupprimerJourFerie(41);
    disposition().SupprimerJourFerie(99);
    EXPECT_EQ(compter("SELECT COUNT(*) FROM JoursFerie"), 2);
    EXPECT_EQ(compter("SELECT COUNT(*) FROM JoursFerie WHERE Identifiant = 41"), 0);
    EXPECT_TRUE(env.dialogues.messages.isEmpty());
}

TEST_F(DispositionTest, EchecDeCreationDUnJourFerie)
{
    base().executer("DROP TABLE JoursFerie");
    base().executer("CREATE TABLE JoursFerie (Identifiant Integer, DateDeb date, DateFin date)");
    EXPECT_EQ(disposition().CreerJourFerie(), 0);
    ASSERT_EQ(env.dialogues.textes().size(), 1);
    EXPECT_TRUE(env.dialogues.textes().at(0).startsWith(
        u"Erreur lors de la création d'un nouvel enregistrement dans la table des jours fériés : "_qs));
    EXPECT_EQ(compter("SELECT COUNT(*) FROM JoursFerie"), 0);
}
