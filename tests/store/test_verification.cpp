#include "support/DossiersTest.h"

#include "app/Erreur.h"
#include "app/FichierIni.h"
#include "app/Progression.h"
#include "store/DMCommun.h"
#include "store/Dialecte.h"
#include "store/VerificationTables.h"

#include <QSqlQuery>
#include <QSqlRecord>

#include <gtest/gtest.h>

using namespace velorin;
using namespace velorin::test;

namespace {

const QByteArray enteteChamps = "NomTable\tNomChamps\tType\tTaille\tNom\tValDef\n";
const QByteArray enteteIndex = "NomTable\tNomIndex\tChamps\tOptions\n";

class ProgressionTest : public Progression {
public:
    void setLibelle(const QString& texte) override { libelles << texte; }
    void setMaximum(int maximum) override { maximum_ = maximum; }
    int maximum() const override { return maximum_; }
    void setPosition(int position) override { positions << (position_ = position); }
    int position() const override { return position_; }
    void traiterEvenements() override { ++evenements; }

    QStringList libelles;
    QList<int> positions;
    int evenements = 0;

private:
    int maximum_ = 0;
    int position_ = 0;
};

class Verification : public ::testing::Test {
protected:
    void SetUp() override { commun.creer(); }

    // Description files: one line per row, fields separated by '|'.
    void decrire(const QByteArray& champs, const QByteArray& index = {})
    {
        ecrireFichier(env.chemin("StructuresTables/ChampDescription.tsv"),
                      enteteChamps + QByteArray(champs).replace('|', '\t'));
        ecrireFichier(env.chemin("StructuresTables/IndexDescription.tsv"),
                      enteteIndex + QByteArray(index).replace('|', '\t'));
    }
    void verifier(Progression* progression = nullptr)
    {
        VerificationTables(commun, "2.0.003").VerifierTables(progression);
    }
    bool indexManquants() { return VerificationTables(commun, "2.0.003").indexManquants(); }

    void sql(const QString& texte) { commun.base().executer(texte); }
    // Every row of a query, its columns joined by '|', null shown as "NULL".
    QStringList lignes(const QString& texte, BaseDonnees* base = nullptr)
    {
        QStringList resultat;
        QSqlQuery requete = (base ? *base : commun.base()).executer(texte);
        while (requete.next()) {
            QStringList valeurs;
            for (int i = 0; i < requete.record().count(); ++i)
                valeurs << (requete.value(i).isNull() ? QStringLiteral("NULL") : requete.value(i).toString());
            resultat << valeurs.join('|');
        }
        return resultat;
    }
    QStringList colonnes(const QString& table) { return commun.base().colonnes(table); }
    QString sqlIndex(const QString& nom, BaseDonnees* base = nullptr)
    {
        return lignes("SELECT sql FROM sqlite_master WHERE type = 'index' AND name = '" + nom + "'", base).value(0);
    }
    QStringList index(const QString& table)
    {
        return lignes("SELECT name FROM sqlite_master WHERE type = 'index' AND tbl_name = '" + table +
                      "' ORDER BY name");
    }
    QStringList messages() { return env.dialogues.textes(); }

    EnvironnementTest env{false};
    DMCommun commun{env.services(), env.programme()};
};

TEST_F(Verification, TableAbsenteCreeeAvecSesIndexDansSaBase)
{
    decrire("Remarques|Jour|D||Jour|\n"
            "Remarques|Remarque|C|250|Remarque|\n"
            "Remarques|Vu|B||Vu|\n"
            "Remarques|Texte|M|240|Texte|\n"
            "Archives|Identifiant|I||Identifiant|\n"
            "Archives|Dossier|C|100|Dossier|\n",
            "Remarques||Jour|IXPRIMARY\n"
            "Remarques|Remarques_Texte|Remarque;Vu|ixCaseInsensitive IXDESCENDING\n"
            "Archives||Identifiant|IXPRIMARY\n");
    verifier();

    EXPECT_TRUE(messages().isEmpty()) << messages().join('\n').toStdString();
    EXPECT_EQ(lignes("SELECT name, type FROM pragma_table_info('Remarques')"),
              (QStringList{"Jour|DATE", "Remarque|CHAR(250)", "Vu|BOOLEAN", "Texte|TEXT"}));
    EXPECT_EQ(sqlIndex("Remarques__PRIMAIRE"), "CREATE UNIQUE INDEX [Remarques__PRIMAIRE] ON [Remarques] ([Jour])");
    EXPECT_EQ(sqlIndex("Remarques__Remarques_Texte"), "CREATE INDEX [Remarques__Remarques_Texte] ON [Remarques] "
                                                      "([Remarque] COLLATE NOCASE DESC, [Vu] COLLATE NOCASE DESC)");
    sql("INSERT INTO Remarques (Jour, Remarque) VALUES ('2026-07-01', 'a')");
    EXPECT_THROW(sql("INSERT INTO Remarques (Jour, Remarque) VALUES ('2026-07-01', 'b')"), Erreur)
        << "the primary index is unique";

    EXPECT_FALSE(commun.base().tableExiste("Archives")) << "the archive register has its own database";
    EXPECT_EQ(commun.baseArchives().colonnes("Archives"), (QStringList{"Identifiant", "Dossier"}));
    EXPECT_FALSE(sqlIndex("Archives__PRIMAIRE", &commun.baseArchives()).isEmpty());
    EXPECT_GE(env.horloge.traitements, 3) << "without progress display, window events still run";
}

TEST_F(Verification, ProgressionEtVerrou)
{
    decrire("Alpha|Identifiant|I||Identifiant|\nBeta|Identifiant|I||Identifiant|\nalpha|Nom|C|20|Nom|\n");
    ecrireFichier(env.donnees() + "/verif.ini", "[Verification]\nEnCours=0\nVersion=1.0.000\n");
    ProgressionTest progression;
    verifier(&progression);

    EXPECT_TRUE(messages().isEmpty()) << messages().join('\n').toStdString();
    EXPECT_EQ(progression.libelles,
              (QStringList{"Initialisation....", "Vérification de la table Alpha", "Vérification de la table Beta",
                           "La vérification des tables est terminée."}))
        << "one table per name, whatever its letter case, in the description's order";
    EXPECT_EQ(progression.positions, (QList<int>{0, 1, 2}));
    EXPECT_EQ(progression.maximum(), 2);
    EXPECT_EQ(progression.evenements, 3);
    EXPECT_EQ(env.horloge.totalAttenduMs, 500);
    EXPECT_EQ(colonnes("Alpha"), (QStringList{"Identifiant", "Nom"}));

    FichierIni verif(env.donnees() + "/verif.ini");
    EXPECT_EQ(verif.lireTexte("Verification", "EnCours"), "0");
    EXPECT_EQ(verif.lireTexte("Verification", "AFaire"), "0");
    EXPECT_EQ(verif.lireTexte("Verification", "Version"), "2.0.003");
    EXPECT_EQ(verif.lireTexte("Verification", "DateDebut"), "01/07/2026 à 09:30:00");
}

TEST_F(Verification, DescriptionAbsenteMessageEtVerrouLibere)
{
    verifier();
    EXPECT_EQ(
        messages(),
        QStringList{"Le programme n'a pas pu vérifier les tables car il n'a pas trouvé la structure des tables."});
    FichierIni verif(env.donnees() + "/verif.ini");
    EXPECT_EQ(verif.lireTexte("Verification", "EnCours"), "0");
    EXPECT_EQ(verif.lireTexte("Verification", "AFaire"), "0");
    EXPECT_EQ(verif.lireTexte("Verification", "Version"), "2.0.003");
    EXPECT_TRUE(commun.base().tables().isEmpty());
}

TEST_F(Verification, ColonneNonDecriteSupprimeeQuelleQueSoitSaPosition)
{
    decrire("Contact|Identifiant|I||Identifiant|\nContact|Nom|C|50|Nom|\nContact|Ville|C|50|Ville|\n",
            "Contact||Identifiant|IXPRIMARY\nContact|Contact_Nom|Nom|\n");
    struct Cas {
        const char* nom;
        QStringList colonnes;
        QStringList index;
    };
    const QList<Cas> cas{
        {"première", {"Vieux", "Identifiant", "Nom", "Ville"}, {}},
        {"au milieu", {"Identifiant", "Vieux", "Nom", "Ville"}, {}},
        {"dernière", {"Identifiant", "Nom", "Ville", "Vieux"}, {}},
        {"plusieurs", {"Vieux1", "Identifiant", "Vieux2", "Nom", "Ville", "Vieux3"}, {}},
        {"indexée",
         {"Identifiant", "Nom", "Vieux", "Ville"},
         {"CREATE INDEX Contact__Contact_Nom ON Contact (Nom, Vieux)", "CREATE INDEX AncienIndex ON Contact (Vieux)",
          "CREATE UNIQUE INDEX Contact__PRIMAIRE ON Contact (Identifiant)"}},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        sql("DROP TABLE IF EXISTS Contact");
        sql("CREATE TABLE Contact (" + c.colonnes.join(", ") + ")");
        QStringList valeurs;
        for (const QString& colonne : c.colonnes)
            valeurs << (colonne == "Identifiant" ? "7"
                        : colonne == "Nom"       ? "'Martin'"
                        : colonne == "Ville"     ? "'Lyon'"
                                                 : "'x'");
        sql("INSERT INTO Contact (" + c.colonnes.join(", ") + ") VALUES (" + valeurs.join(", ") + ")");
        for (const QString& creation : c.index)
            sql(creation);

        verifier();
        EXPECT_TRUE(messages().isEmpty()) << messages().join('\n').toStdString();
        EXPECT_EQ(colonnes("Contact"), (QStringList{"Identifiant", "Nom", "Ville"}));
        EXPECT_EQ(lignes("SELECT Identifiant, Nom, Ville FROM Contact"), QStringList{"7|Martin|Lyon"});
        EXPECT_EQ(index("Contact"), (QStringList{"Contact__Contact_Nom", "Contact__PRIMAIRE"}));
        EXPECT_EQ(lignes("SELECT name FROM pragma_index_info('Contact__Contact_Nom')"), QStringList{"Nom"});
        env.dialogues.vider();
    }
}

TEST_F(Verification, UneColonneQuiNePeutEtreSupprimeeNEmpechePasLesAutresEtapes)
{
    decrire("Contact|Identifiant|I||Identifiant|\nContact|Ville|C|50|Ville|\nAutre|Identifiant|I||"
            "Identifiant|\n");
    sql("CREATE TABLE Contact (Identifiant INTEGER, Vieux TEXT)");
    sql("INSERT INTO Contact VALUES (1, 'garde')");
    // A view that reads the column makes its drop fail once the column was added.
    sql("CREATE VIEW VueVieux AS SELECT Vieux FROM Contact");
    verifier();

    ASSERT_EQ(messages().size(), 1);
    EXPECT_TRUE(messages().first().startsWith("Erreur lors de la vérification de la table Contact : "))
        << messages().first().toStdString();
    EXPECT_EQ(colonnes("Contact"), (QStringList{"Identifiant", "Vieux", "Ville"})) << "the new column stays";
    EXPECT_EQ(lignes("SELECT Identifiant, Vieux FROM Contact"), QStringList{"1|garde"});
    EXPECT_TRUE(commun.base().tableExiste("Autre"));
}

TEST_F(Verification, IndexComparesSansEgardALaCasseRecreesSiAutresColonnes)
{
    const QByteArray champs = "Planning|IdPrest|I||Hébergement|\nPlanning|Jour|D||Jour|\n"
                              "Planning|IdReservation|I||Réservation|\n";
    decrire(champs, "Planning||IdPrest;Jour|IXPRIMARY\nPlanning|Planning_JourRes|Jour;IdReservation|\n");
    verifier();
    const QStringList avant = lignes("SELECT name, rootpage, sql FROM sqlite_master WHERE name = 'Planning__PRIMAIRE'");
    ASSERT_EQ(avant.size(), 1);

    decrire(champs, "Planning||idprest; JOUR|IXPRIMARY\nPlanning|Planning_JourRes|IdReservation;Jour|\n");
    verifier();
    EXPECT_TRUE(messages().isEmpty()) << messages().join('\n').toStdString();
    EXPECT_EQ(lignes("SELECT name, rootpage, sql FROM sqlite_master WHERE name = 'Planning__PRIMAIRE'"), avant)
        << "same columns in another letter case: the index is kept as it was";
    EXPECT_EQ(lignes("SELECT name FROM pragma_index_info('Planning__Planning_JourRes')"),
              (QStringList{"IdReservation", "Jour"}));
}

TEST_F(Verification, ValeurParDefautDesNouvellesColonnes)
{
    sql("CREATE TABLE Options (Identifiant INTEGER, Actif BOOLEAN)");
    // The first record is the first of the primary index, not the first stored.
    sql("INSERT INTO Options VALUES (2, 0)");
    sql("INSERT INTO Options VALUES (1, 1)");
    sql("CREATE UNIQUE INDEX Options__PRIMAIRE ON Options (Identifiant)");
    sql("CREATE TABLE Prestation (Identifiant INTEGER, Nom TEXT)");
    sql("INSERT INTO Prestation VALUES (10, 'Chambre bleue'), (20, 'Gîte')");
    sql("CREATE TABLE PrestVide (Identifiant INTEGER, Nom TEXT)");

    struct Cas {
        QByteArray type;
        QByteArray valDef;
        QStringList attendu; // for the reservations 1, 2 and 3
    };
    const QList<Cas> cas{
        {"C|20", "Bienvenue", {"Bienvenue", "Bienvenue", "Bienvenue"}},
        {"I|", "5", {"5", "5", "5"}},
        {"D|", "15/08/2024", {"2024-08-15", "2024-08-15", "2024-08-15"}},
        {"B|", "True", {"1", "1", "1"}},
        {"B|", "Options->Actif", {"1", "1", "1"}},
        {"C|50", ";IdPrest = :Identifiant;Prestation->Nom", {"Chambre bleue", "Gîte", "NULL"}},
        {"C|50", ";IdPrest = :Identifiant;Prestation->Nom;'Autre'", {"Chambre bleue", "Gîte", "Autre"}},
        {"C|50", ";IdPrest = :Identifiant;PrestVide->Nom", {"NULL", "NULL", "NULL"}},
        {"C|50", ";IdPrest = :Identifiant;PrestVide->Nom;'Aucune'", {"Aucune", "Aucune", "Aucune"}},
        {"I|", "", {"NULL", "NULL", "NULL"}},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE((c.type + " " + c.valDef).toStdString());
        sql("DROP TABLE IF EXISTS Reservation");
        sql("CREATE TABLE Reservation (Identifiant INTEGER, IdPrest INTEGER)");
        sql("INSERT INTO Reservation VALUES (1, 10), (2, 20), (3, 30)");
        decrire("Reservation|Identifiant|I||Identifiant|\nReservation|IdPrest|I||Hébergement|\n"
                "Reservation|Nouveau|" +
                c.type + "|Nouveau champ|" + c.valDef + "\n");
        ProgressionTest progression;
        verifier(&progression);
        EXPECT_TRUE(messages().isEmpty()) << messages().join('\n').toStdString();
        EXPECT_EQ(lignes("SELECT Nouveau FROM Reservation ORDER BY Identifiant"), c.attendu);
        EXPECT_EQ(progression.maximum(), 1) << "the bar gets its maximum back";
        EXPECT_EQ(progression.positions.last(), 1);
    }
}

TEST_F(Verification, RemplissageEnEchecLaisseLaColonneVide)
{
    sql("CREATE TABLE Prestation (Identifiant INTEGER, Nom TEXT)");
    sql("INSERT INTO Prestation VALUES (10, 'Chambre bleue'), (20, 'Gîte')");
    sql("CREATE TABLE Reservation (Identifiant INTEGER, IdPrest INTEGER)");
    sql("INSERT INTO Reservation VALUES (1, 10), (2, 20)");
    // The second source record cannot be written: the first one must not stay either.
    sql("CREATE TRIGGER Refus BEFORE UPDATE ON Reservation WHEN NEW.Nouveau = 'Gîte' "
        "BEGIN SELECT RAISE(ABORT, 'refusé'); END");
    decrire("Reservation|Identifiant|I||Identifiant|\nReservation|IdPrest|I||Hébergement|\n"
            "Reservation|Nouveau|C|50|Nom de l'hébergement|;IdPrest = :Identifiant;Prestation->Nom\n"
            "Reservation|Autre|C|50|Autre champ|;IdPrest = :Ident;Prestation->Nom\n");
    verifier();
    EXPECT_EQ(messages(),
              (QStringList{"Erreur pendant le remplissage du champs \"Nom de l'hébergement\" à la table Reservation : "
                           "refusé",
                           "Erreur pendant le remplissage du champs \"Autre champ\" à la table Reservation : "
                           "La table Prestation n'a pas de champ Ident."}));
    EXPECT_EQ(lignes("SELECT Identifiant, Nouveau, Autre FROM Reservation ORDER BY Identifiant"),
              (QStringList{"1|NULL|NULL", "2|NULL|NULL"}))
        << "the columns are added, and left empty";
}

TEST_F(Verification, TypeInconnuNommeLaTableEtLesAutresSontVerifiees)
{
    sql("CREATE TABLE Ancienne (Identifiant INTEGER)");
    decrire("Bizarre|Identifiant|I||Identifiant|\nBizarre|Truc|X||Truc|\n"
            "Ancienne|Identifiant|I||Identifiant|\nAncienne|Machin|X||Le machin|\n"
            "Normale|Identifiant|I||Identifiant|\n");
    verifier();
    EXPECT_EQ(messages(), (QStringList{"Erreur pendant la création de la table Bizarre : Type de champ "
                                       "inconnu \"X\" pour le champ Truc.",
                                       "Erreur pendant l'ajout du champs \"Le machin\" à la table Ancienne : "
                                       "Type de champ inconnu \"X\" pour le champ Machin."}));
    EXPECT_FALSE(commun.base().tableExiste("Bizarre"));
    EXPECT_EQ(colonnes("Ancienne"), QStringList{"Identifiant"});
    EXPECT_TRUE(commun.base().tableExiste("Normale"));
    EXPECT_EQ(FichierIni(env.donnees() + "/verif.ini").lireTexte("Verification", "Version"), "2.0.003");
}

TEST_F(Verification, IndexImpossibleSignaleEtTableGardee)
{
    decrire("Remarques|Jour|D||Jour|\nRemarques|Remarque|C|250|Remarque|\n",
            "Remarques||Jour|IXPRIMARY\nRemarques|Remarques_Absent|Absent|\n");
    verifier();
    ASSERT_EQ(messages().size(), 1);
    EXPECT_TRUE(messages().first().startsWith("Les index de la table Remarques n'ont pu être vérifiés.\n"
                                              "Veuillez le faire manuellement à l'aide de la réindexation.\n"))
        << messages().first().toStdString();
    EXPECT_TRUE(commun.base().tableExiste("Remarques"));

    // On an existing table, two equal days refuse the primary index.
    env.dialogues.vider();
    sql("DROP TABLE Remarques");
    sql("CREATE TABLE Remarques (Jour DATE, Remarque CHAR(250))");
    sql("INSERT INTO Remarques VALUES ('2026-07-01', 'a'), ('2026-07-01', 'b')");
    decrire("Remarques|Jour|D||Jour|\nRemarques|Remarque|C|250|Remarque|\n", "Remarques||Jour|IXPRIMARY\n");
    verifier();
    ASSERT_EQ(messages().size(), 1);
    EXPECT_TRUE(messages().first().startsWith("Les index de la table Remarques n'ont pu être vérifiés.\n"
                                              "Veuillez le faire manuellement à l'aide de la régénération.\n"))
        << messages().first().toStdString();
    EXPECT_EQ(lignes("SELECT COUNT(*) FROM Remarques"), QStringList{"2"});
}

TEST_F(Verification, SecondeVerificationNeChangeRien)
{
    sql("CREATE TABLE Contact (Identifiant INTEGER, Vieux TEXT, Nom CHAR(50))");
    sql("INSERT INTO Contact VALUES (1, 'x', 'Martin')");
    sql("CREATE INDEX Contact__Contact_Nom ON Contact (Vieux)");
    decrire("Contact|Identifiant|I||Identifiant|\nContact|Nom|C|50|Nom|\nContact|Pays|C|50|Pays|France\n"
            "Remarques|Jour|D||Jour|\nRemarques|Remarque|C|250|Remarque|\n"
            "Archives|Identifiant|I||Identifiant|\n",
            "Contact||Identifiant|IXPRIMARY\nContact|Contact_Nom|Nom|IXCASEINSENSITIVE\n"
            "Remarques||Jour|IXPRIMARY\nArchives||Identifiant|IXPRIMARY\n");
    verifier();
    ASSERT_TRUE(messages().isEmpty()) << messages().join('\n').toStdString();

    const auto etat = [this] {
        return lignes("SELECT type, name, tbl_name, rootpage, sql FROM sqlite_master ORDER BY name") +
               lignes("PRAGMA schema_version") + lignes("SELECT * FROM Contact") +
               lignes("SELECT name, rootpage, sql FROM sqlite_master", &commun.baseArchives()) +
               lignes("PRAGMA schema_version", &commun.baseArchives());
    };
    const QStringList avant = etat();
    EXPECT_EQ(lignes("SELECT * FROM Contact"), QStringList{"1|Martin|France"});
    verifier();
    EXPECT_TRUE(messages().isEmpty()) << messages().join('\n').toStdString();
    EXPECT_EQ(etat(), avant);
}

TEST_F(Verification, TableEndommageeReindexeeSansPerte)
{
    decrire("Contact|Identifiant|I||Identifiant|\nContact|Nom|C|50|Nom|\nContact|Ville|C|50|Ville|\n",
            "Contact||Identifiant|IXPRIMARY\nContact|Contact_Nom|Nom|\n");
    verifier();
    sql("INSERT INTO Contact VALUES (1, 'Martin', 'Lyon'), (2, 'Durand', 'Agen')");
    // The index on Nom is made to hold the towns: its entries no longer match the rows.
    sql("DROP INDEX Contact__Contact_Nom");
    sql("CREATE INDEX Contact__Contact_Nom ON Contact (Ville)");
    sql("PRAGMA writable_schema = ON");
    sql("UPDATE sqlite_master SET sql = 'CREATE INDEX Contact__Contact_Nom ON Contact (Nom)' "
        "WHERE name = 'Contact__Contact_Nom'");
    sql("PRAGMA writable_schema = OFF");
    commun.base().ouvrir(commun.fichierBase());
    ASSERT_NE(lignes("PRAGMA integrity_check(Contact)"), QStringList{"ok"});

    verifier();
    EXPECT_TRUE(messages().isEmpty()) << messages().join('\n').toStdString();
    EXPECT_EQ(lignes("PRAGMA integrity_check(Contact)"), QStringList{"ok"});
    EXPECT_EQ(lignes("SELECT * FROM Contact ORDER BY Identifiant"), (QStringList{"1|Martin|Lyon", "2|Durand|Agen"}));
    EXPECT_EQ(lignes("SELECT Identifiant FROM Contact WHERE Nom = 'Durand'"), QStringList{"2"});
}

TEST_F(Verification, IndexManquantDeclencheLaVerification)
{
    decrire("Contact|Identifiant|I||Identifiant|\nContact|Nom|C|50|Nom|\nArchives|Identifiant|I||Identifiant|\n",
            "Contact||Identifiant|IXPRIMARY\nContact|Contact_Nom|Nom|\nArchives||Identifiant|IXPRIMARY\n");
    EXPECT_TRUE(indexManquants()) << "no table yet";
    verifier();
    EXPECT_FALSE(indexManquants());
    sql("DROP INDEX Contact__Contact_Nom");
    EXPECT_TRUE(indexManquants());
    verifier();
    EXPECT_FALSE(indexManquants());
    commun.baseArchives().executer("DROP INDEX Archives__PRIMAIRE");
    EXPECT_TRUE(indexManquants());
}

TEST(Dialecte, DefinitionsEtNomsDIndex)
{
    EXPECT_EQ(dialecte::definitionColonne("C", 50), " CHAR(50)");
    EXPECT_EQ(dialecte::definitionColonne("memo", 240), " TEXT");
    EXPECT_EQ(dialecte::definitionColonne("X", 0), "");
    for (const char* type : {"A", "B", "C", "D", "F", "I", "M", "T"})
        EXPECT_EQ(dialecte::codeType(dialecte::definitionColonne(type, 10)), QLatin1Char(type[0]));
    EXPECT_EQ(dialecte::nomIndex("Contact", ""), "Contact__PRIMAIRE");
    EXPECT_EQ(dialecte::nomIndexDecrit("contact", "Contact__PRIMAIRE"), QString(""));
    EXPECT_EQ(dialecte::nomIndexDecrit("Contact", "CONTACT__Contact_Nom"), QString("Contact_Nom"));
    EXPECT_EQ(dialecte::nomIndexDecrit("Contact", "ContactNom"), std::nullopt);
    EXPECT_EQ(dialecte::nomIndexDecrit("Contact", "Contacts__Nom"), std::nullopt);
    EXPECT_EQ(dialecte::valeurPourType("D", "2024-08-15"), QVariant("2024-08-15"));
    EXPECT_EQ(dialecte::valeurPourType("B", "faux"), QVariant(0));
    EXPECT_THROW(dialecte::valeurPourType("I", "douze"), Erreur);
}

} // namespace
