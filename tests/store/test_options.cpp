#include "DonneesTest.h"

#include "store/Options.h"

#include <gtest/gtest.h>

using namespace velorin;
using namespace velorin::test;

namespace {
void creerTableOptions(DonneesTest& d)
{
    d.sql("CREATE TABLE options (" + Options::colonnes().join(", ") + ")");
}
} // namespace

TEST(Options, SansTableNiEnregistrementLesColonnesSontVides)
{
    for (const bool avecTable : {false, true}) {
        DonneesTest d;
        if (avecTable) creerTableOptions(d);
        GestionOptions& options = d.velorin.options();
        EXPECT_EQ(options.lire(), Options());
        EXPECT_EQ(options.lire().NumFac, 1) << "an empty counter reads as 1";
        EXPECT_FALSE(options.lire().AvecAcompte);
        options.ChargerOptions();
        EXPECT_FALSE(options.memoire().montantFixeParDefaut);
        EXPECT_EQ(options.memoire().Taux1, 0.0);
        EXPECT_FALSE(options.LireOuvrirPlanning());
        EXPECT_EQ(options.LireModeAffPlan(), 0);
        EXPECT_TRUE(options.LireAvertirVista());
        EXPECT_FALSE(options.existe());
        EXPECT_TRUE(d.env.dialogues.textes().isEmpty()) << d.env.dialogues.textes().join("\n").toStdString();
    }
}

TEST(Options, NouvelleInstallationValeursParDefautPuisStockees)
{
    DonneesTest d;
    creerTableOptions(d);
    GestionOptions& options = d.velorin.options();
    const Options cree = options.creerSiAbsent();
    EXPECT_TRUE(cree.AvecAcompte);
    EXPECT_TRUE(cree.AcompteArrhes);
    EXPECT_EQ(cree.PourcentAcompte, 0.0);
    EXPECT_EQ(cree.ArrondiAcompte, 0);
    EXPECT_EQ(d.valeur("SELECT COUNT(*) FROM options").toInt(), 1);
    EXPECT_TRUE(d.valeur("SELECT OuvrirPlanning FROM options").isNull());

    // The getters store their default into the empty column the first time they read it.
    EXPECT_FALSE(options.LireOuvrirPlanning());
    EXPECT_TRUE(options.LireAvertirVista());
    EXPECT_EQ(options.LireModeAffPlan(), 0);
    EXPECT_EQ(d.lignes("SELECT OuvrirPlanning, AvertirVista, ModeAffPlan FROM options"),
              (QList<QVariantList>{{0, 1, 0}}));

    d.sql("UPDATE options SET OuvrirPlanning = 1, AvertirVista = 0, ModeAffPlan = 1");
    EXPECT_TRUE(options.LireOuvrirPlanning());
    EXPECT_FALSE(options.LireAvertirVista());
    EXPECT_EQ(options.LireModeAffPlan(), 1);

    EXPECT_EQ(options.creerSiAbsent().ModeAffPlan, 1) << "an existing record is kept";
    EXPECT_EQ(d.valeur("SELECT COUNT(*) FROM options").toInt(), 1);
    EXPECT_TRUE(d.env.dialogues.textes().isEmpty());
}

TEST(Options, AllerRetourDeToutesLesColonnes)
{
    DonneesTest d;
    creerTableOptions(d);
    Options o;
    o.OuvrirPlanning = true;
    o.ModeAffPlan = 1;
    o.AffRepas = true;
    o.AffCA = true;
    o.ModeCalcCA = 2;
    o.CAAvecRes = true;
    o.TxOccFerme = true;
    o.DimCACom = true;
    o.AvecAcompte = true;
    o.AcompteArrhes = true;
    o.ModeArrhes = 1;
    o.PourcentAcompte = 30.5;
    o.ArrhesDefaut = 120.25;
    o.ArrondiAcompte = 2;
    o.NumFac = 57;
    o.FormatNumFac = "FA-<#AAAA#>-<#N#>";
    o.EnrPDF = true;
    o.AffPDF = true;
    o.DateBloquee = QDate(2023, 12, 31);
    o.BloqueFact = true;
    o.RecMontantAuto = true;
    o.RecRempLib = 1;
    o.RecRempNat = 2;
    o.ModeReserv = 3;
    o.HeureArr = QTime(17, 30);
    o.HeureDep = QTime(10, 0);
    o.LangueDef = "EN";
    o.MilieuSej = 7;
    o.PrixTaxeSej = 0.88;
    o.Taux1 = 10;
    o.Taux2 = 20;
    o.AvertirVista = false;
    GestionOptions& options = d.velorin.options();
    ASSERT_TRUE(options.enregistrer(o));
    EXPECT_EQ(options.lire(), o);
    EXPECT_EQ(d.lignes("SELECT DateBloquee, HeureArr, OuvrirPlanning FROM options"),
              (QList<QVariantList>{{"2023-12-31", "17:30:00", 1}}));

    o.LangueDef = "FR";
    o.DateBloquee = QDate();
    ASSERT_TRUE(options.enregistrer(o));
    EXPECT_EQ(options.lire(), o);
    EXPECT_EQ(d.valeur("SELECT COUNT(*) FROM options").toInt(), 1) << "the first record is rewritten";

    options.ChargerOptions();
    const OptionsMemoire& m = options.memoire();
    EXPECT_TRUE(m.montantFixeParDefaut);
    EXPECT_EQ(m.ModeCalcCA, 2);
    EXPECT_EQ(m.HeureArr, QTime(17, 30));
    EXPECT_EQ(m.LangueDef, "FR");
    EXPECT_EQ(m.MilieuSej, 7);
    EXPECT_EQ(m.PrixTaxeSej, 0.88);
    EXPECT_EQ(m.Taux2, 20.0);
    EXPECT_TRUE(d.env.dialogues.textes().isEmpty());
}

TEST(Options, ModeArrhesInconnuGardeLeReglagePrecedent)
{
    DonneesTest d;
    creerTableOptions(d);
    d.sql("INSERT INTO options (ModeArrhes, Taux1) VALUES (1, 5.5)");
    GestionOptions& options = d.velorin.options();
    struct Etape {
        int modeArrhes;
        bool attendu;
    };
    for (const Etape& e : {Etape{1, true}, Etape{2, true}, Etape{0, false}, Etape{7, false}, Etape{1, true}}) {
        d.sql("UPDATE options SET ModeArrhes = ?", {e.modeArrhes});
        options.ChargerOptions();
        EXPECT_EQ(options.memoire().montantFixeParDefaut, e.attendu) << e.modeArrhes;
    }
    EXPECT_EQ(options.memoire().Taux1, 5.5);
}

TEST(Options, ErreurDeLectureAvecSonMessage)
{
    DonneesTest d;
    creerTableOptions(d);
    d.sql("INSERT INTO options (AffRepas) VALUES (1)");
    d.velorin.options().ChargerOptions();
    d.base().fermer();
    d.velorin.options().ChargerOptions();
    EXPECT_EQ(
        d.env.dialogues.textes(),
        QStringList{"Erreur lors de la recherche des options installées : La base de données n'est pas ouverte."});
    EXPECT_TRUE(d.velorin.options().memoire().AffRepas) << "the values already read are kept";
}

TEST(Options, EnregistrementDesSeulesColonnesNommees)
{
    DonneesTest d;
    creerTableOptions(d);
    GestionOptions& options = d.velorin.options();
    // No record yet: it is appended with the new-record defaults, then the columns are written.
    Options saisies = Options::nouvelEnregistrement();
    saisies.Taux1 = 10;
    saisies.NumFac = 7;
    saisies.HeureArr = QTime(17, 30);
    ASSERT_TRUE(options.enregistrer(saisies, {"Taux1", "heurearr"}));
    EXPECT_EQ(d.lignes("SELECT Taux1, HeureArr, NumFac, AvecAcompte FROM options"),
              (QList<QVariantList>{{10.0, "17:30:00", QVariant(), 1}}));

    // Another workstation's value in a column not named stays.
    d.sql("UPDATE options SET NumFac = 58");
    saisies.Taux1 = 20;
    ASSERT_TRUE(options.enregistrer(saisies, {"Taux1"}));
    EXPECT_EQ(d.lignes("SELECT Taux1, NumFac FROM options"), (QList<QVariantList>{{20.0, 58}}));

    // An unknown column writes nothing.
    saisies.Taux1 = 30;
    EXPECT_FALSE(options.enregistrer(saisies, {"Taux1", "Inconnue"}));
    EXPECT_EQ(d.env.dialogues.textes(),
              QStringList{"Erreur lors de l'enregistrement des options : Option inconnue : Inconnue"});
    EXPECT_EQ(d.valeur("SELECT Taux1 FROM options").toDouble(), 20.0);
    EXPECT_EQ(d.valeur("SELECT COUNT(*) FROM options").toInt(), 1);
}
