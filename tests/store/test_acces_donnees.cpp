#include "DonneesTest.h"

#include "store/AccesDonnees.h"

#include <gtest/gtest.h>

#include <functional>

using namespace velorin;
using namespace velorin::test;

TEST(NouvelIdentifiant, UnDePlusQueLePlusGrand)
{
    struct Cas {
        QList<int> identifiants;
        int attendu;
    };
    for (const Cas& cas : {Cas{{}, 1}, Cas{{41, 3, 17}, 42}, Cas{{-5}, 1}}) {
        DonneesTest d;
        d.sql("CREATE TABLE TypeCom (Identifiant Integer, Nom Char(50))");
        for (int id : cas.identifiants)
            d.sql("INSERT INTO TypeCom (Identifiant) VALUES (?)", {id});
        EXPECT_EQ(d.velorin.acces().NouvelIdentifiant("TypeCom"), cas.attendu);
        EXPECT_TRUE(d.env.dialogues.textes().isEmpty());
    }
}

TEST(NouvelIdentifiant, UnIdentifiantDonneNEstJamaisRedonne)
{
    DonneesTest d;
    d.sql("CREATE TABLE Reservation (Identifiant Integer)");
    d.sql("INSERT INTO Reservation VALUES (41)");
    AccesDonnees& acces = d.velorin.acces();
    EXPECT_EQ(acces.NouvelIdentifiant("Reservation"), 42);
    // Not appended yet: another workstation asking now receives the next one.
    EXPECT_EQ(acces.NouvelIdentifiant("reservation"), 43) << "table names are matched without regard to case";
    d.sql("INSERT INTO Reservation VALUES (100)");
    EXPECT_EQ(acces.NouvelIdentifiant("RESERVATION"), 101);
    EXPECT_EQ(d.lignes("SELECT NomTable, Dernier FROM Compteurs"), (QList<QVariantList>{{"Reservation", 101}}));
}

TEST(NouvelIdentifiant, RegistreDesArchivesDansSaPropreBase)
{
    DonneesTest d;
    d.commun.baseArchives().ouvrir(d.env.donnees() + "/Archives.db");
    d.commun.baseArchives().executer("CREATE TABLE Archives (Identifiant Integer, Nom Char(50))");
    d.commun.baseArchives().executer("INSERT INTO Archives VALUES (6, 'printemps')");
    EXPECT_EQ(d.velorin.acces().NouvelIdentifiant("Archives"), 7);
    EXPECT_FALSE(d.base().tableExiste("Compteurs"));
}

TEST(ChercherIdentifiant, NomInconnuDonneMoinsUnSansMessage)
{
    DonneesTest d;
    d.sql("CREATE TABLE TypeTarif (Identifiant Integer, Nom Char(50))");
    d.sql("INSERT INTO TypeTarif VALUES (4, 'Haute saison')");
    EXPECT_EQ(d.velorin.acces().ChercherIdentifiant("Basse saison", "TypeTarif"), -1);
    EXPECT_EQ(d.velorin.acces().ChercherIdentifiant("haute saison", "TypeTarif"), -1) << "names compare exactly";
    EXPECT_EQ(d.velorin.acces().ChercherIdentifiant("Haute saison", "TypeTarif"), 4);
    EXPECT_TRUE(d.env.dialogues.textes().isEmpty());
}

TEST(ChercherIdentifiant, GuillemetsEtApostrophesDansLeNom)
{
    DonneesTest d;
    d.sql("CREATE TABLE Prestation (Identifiant Integer, Nom Char(50))");
    const QList<std::pair<int, QString>> noms{
        {1, "Chambre \"Les Tilleuls\""}, {2, "L'Oustal"}, {3, "Nom"}, {4, "\" OR \"1\"=\"1"}};
    for (const auto& [id, nom] : noms)
        d.sql("INSERT INTO Prestation VALUES (?, ?)", {id, nom});
    for (const auto& [id, nom] : noms)
        EXPECT_EQ(d.velorin.acces().ChercherIdentifiant(nom, "Prestation"), id) << nom.toStdString();
    // Text that would change the statement if it were pasted into it.
    EXPECT_EQ(d.velorin.acces().ChercherIdentifiant("x\" OR 1=1 OR Nom=\"", "Prestation"), -1);
    EXPECT_TRUE(d.env.dialogues.textes().isEmpty());
}

TEST(ChercherNom, NomOuVide)
{
    DonneesTest d;
    d.sql("CREATE TABLE Prestation (Identifiant Integer, Nom Char(50))");
    d.sql("INSERT INTO Prestation VALUES (3, 'Suite bleue'), (4, NULL)");
    EXPECT_EQ(d.velorin.acces().ChercherNom("Prestation", 3), "Suite bleue");
    EXPECT_EQ(d.velorin.acces().ChercherNom("Prestation", 4), "");
    EXPECT_EQ(d.velorin.acces().ChercherNom("Prestation", 99), "");
    EXPECT_TRUE(d.env.dialogues.textes().isEmpty());
}

TEST(ListeAnnees, AnneesPresentesPuisAnneeCouranteEtSuivante)
{
    struct Cas {
        QStringList jours;
        QList<int> attendu;
    };
    const QList<Cas> cas{
        {{"2021-12-31", "2019-03-01", "2019-07-14", ""}, {2019, 2021, 2024, 2025}},
        {{"2024-02-01", "2019-03-01"}, {2019, 2024, 2025}},
        {{}, {2024, 2025}},
    };
    for (const Cas& c : cas) {
        DonneesTest d;
        d.env.horloge.reglerJour(QDate(2024, 5, 10));
        d.sql("CREATE TABLE Planning (Jour date, IdReservation Integer)");
        d.sql("INSERT INTO Planning VALUES (NULL, 1)");
        for (const QString& jour : c.jours)
            d.sql("INSERT INTO Planning VALUES (?, 1)", {jour});
        EXPECT_EQ(d.velorin.acces().ListeAnnees("Planning", "Jour"), c.attendu);
        EXPECT_TRUE(d.env.dialogues.textes().isEmpty());
    }
}

TEST(ValeursDistinctes, SansDoublonsQuelleQueSoitLaCasse)
{
    DonneesTest d;
    d.sql("CREATE TABLE Contact (Identifiant Integer, TypeContact Integer, Pays Char(50))");
    int id = 0;
    for (const auto& [type, pays] : QList<std::pair<int, QVariant>>{{2, "France"},
                                                                    {2, "FRANCE"},
                                                                    {2, ""},
                                                                    {2, QVariant()},
                                                                    {2, "Belgique"},
                                                                    {3, "Suisse"},
                                                                    {2, "belgique"},
                                                                    {2, "  "}})
        d.sql("INSERT INTO Contact VALUES (?, ?, ?)", {++id, type, pays});
    AccesDonnees& acces = d.velorin.acces();
    EXPECT_EQ(acces.ValeursDistinctes("Contact", "Pays", {}), (QStringList{"France", "Belgique", "Suisse"}));
    EXPECT_EQ(acces.ValeursDistinctes("Contact", "Pays", {"france", "Italie"}),
              (QStringList{"france", "Italie", "Belgique", "Suisse"}));
    EXPECT_EQ(acces.ValeursDistinctes("Contact", "Pays", {}, "TypeContact = ?", {3}), QStringList{"Suisse"});
    EXPECT_TRUE(d.env.dialogues.textes().isEmpty());
}

TEST(HistoriqueContact, LesReservationsDuContact)
{
    DonneesTest d;
    d.sql("CREATE TABLE Reservation (Identifiant Integer, IdContact Integer, DateDeb date)");
    d.sql("INSERT INTO Reservation VALUES (1, 12, '2024-01-05'), (2, 7, '2024-02-01'), (3, 12, '2024-03-09')");
    const QList<QSqlRecord> lignes = d.velorin.acces().HistoriqueContact(12);
    ASSERT_EQ(lignes.size(), 2);
    EXPECT_EQ(lignes[0].value("Identifiant").toInt(), 1);
    EXPECT_EQ(lignes[1].value("DateDeb").toString(), "2024-03-09");
    EXPECT_TRUE(d.velorin.acces().HistoriqueContact(99).isEmpty());
}

// Every operation that fails shows its sentence, " : " and the error, and gives its neutral value.
TEST(ConventionErreurs, PhraseDeuxPointsErreurEtValeurNeutre)
{
    struct Cas {
        const char* phrase;
        std::function<bool(AccesDonnees&)> neutre;
    };
    const QList<Cas> cas{
        {"Erreur lors de la création d'un nouvel identifiant dans la table Absente",
         [](AccesDonnees& a) { return a.NouvelIdentifiant("Absente") == 0; }},
        {"Erreur lors de la recherche d'un identifiant dans la table Absente",
         [](AccesDonnees& a) { return a.ChercherIdentifiant("x", "Absente") == -1; }},
        {"Erreur lors de la recherche d'un nom dans la table Absente",
         [](AccesDonnees& a) { return a.ChercherNom("Absente", 1).isEmpty(); }},
        {"Erreur lors de la recherche des années de la table Absente",
         [](AccesDonnees& a) { return a.ListeAnnees("Absente", "Jour", {2020}) == QList<int>{2020}; }},
        {"Erreur lors de la recherche des valeurs de la colonne Pays de la table Absente",
         [](AccesDonnees& a) { return a.ValeursDistinctes("Absente", "Pays", {"France"}) == QStringList{"France"}; }},
        {"Erreur lors de la recherche des réservations du contact",
         [](AccesDonnees& a) { return a.HistoriqueContact(3).isEmpty(); }},
        {"Erreur lors de la recherche d'un identifiant dans la table Contact; DROP TABLE Contact",
         [](AccesDonnees& a) { return a.ChercherIdentifiant("x", "Contact; DROP TABLE Contact") == -1; }},
    };
    for (const Cas& c : cas) {
        DonneesTest d;
        d.sql("CREATE TABLE Contact (Identifiant Integer, Nom Char(50))");
        EXPECT_TRUE(c.neutre(d.velorin.acces())) << c.phrase;
        const QStringList textes = d.env.dialogues.textes();
        ASSERT_EQ(textes.size(), 1) << c.phrase;
        const QString debut = QString::fromUtf8(c.phrase) + " : ";
        EXPECT_TRUE(textes[0].startsWith(debut)) << textes[0].toStdString();
        EXPECT_GT(textes[0].size(), debut.size()) << "the error text follows";
        EXPECT_TRUE(d.base().tableExiste("Contact"));
    }
}
