#include "ui/FixtureEcrans.h"

#include "ui/ExportListe.h"
#include "ui/ExportTableur.h"
#include "ui/T_FrmRecherchePI.h"

#include <QBuffer>
#include <QFile>
#include <QProgressBar>
#include <QPushButton>

using namespace velorin;
using namespace velorin::test;

namespace {

// Titles Nom and Ville, then three records: ("", "€"), ("DUP", "PARIS"), ("Zoé", "Nîmes").
QByteArray feuilleAttendue()
{
    return QByteArray::fromHex("090808000000100000000000"             // beginning of file
                               "04020B0000000000000003004E6F6D"       // (0,0) Nom
                               "04020D00000001000000050056696C6C65"   // (0,1) Ville
                               "0402080001000000000000 00"            // (1,0) empty
                               "04020900010001000000010080"           // (1,1) € in Windows-1252
                               "04020B000200000000000300445550"       // (2,0) DUP
                               "04020D0002000100000005005041524953"   // (2,1) PARIS
                               "04020B0003000000000003005A6FE9"       // (3,0) Zoé
                               "04020D000300010000000500 4EEE6D6573"  // (3,1) Nîmes
                               "0A000000");                           // end of file
}

const QList<QStringList> lignes{{"", u"€"_qs}, {"DUP", "PARIS"}, {u"Zoé"_qs, u"Nîmes"_qs}};

class TFrmVillesEssai : public T_FrmRecherchePI {
    Q_OBJECT
public:
    explicit TFrmVillesEssai(ContexteEcrans& contexte) : T_FrmRecherchePI(contexte)
    {
        setTable("Villes");
        AjouterColonne("Nom", "Nom");
        AjouterColonne("Ville", "Ville");
        AjouterTri("Nom", "Nom");
    }
};

class Export : public FixtureEcrans {
protected:
    Export()
    {
        base().executer("CREATE TABLE Villes (Nom Char(30), Ville Char(30))");
        for (const QStringList& l : lignes) base().executer("INSERT INTO Villes VALUES (?, ?)", {l.at(0), l.at(1)});
    }
    QString fichier(const QString& nom) const { return env.donnees() + "/" + nom; }
};

} // namespace

TEST(Tableur, TroisEnregistrementsDeuxColonnesOctetPourOctet)
{
    QBuffer tampon;
    tampon.open(QIODevice::WriteOnly);
    QList<int> apres;
    ecrireTableur(
        tampon, {"Nom", "Ville"}, 3, [](int i) { return lignes.at(i); }, [&apres](int i) { apres.append(i); });
    EXPECT_EQ(tampon.data().toHex(' '), feuilleAttendue().toHex(' '));
    EXPECT_EQ(apres, (QList<int>{0, 1, 2}));
}

TEST(Tableur, PageDeCodeWindows1252)
{
    EXPECT_EQ(versWindows1252(u"aé€œ’…Ÿ"_qs).toHex(), "61e9809c92859f");
    EXPECT_EQ(versWindows1252(u"ĀΩ"_qs), "??");
}

TEST_F(Export, ExportDeLaListeDansUnFichier)
{
    TFrmVillesEssai liste(contexte);
    liste.show();
    env.dialogues.choix.enqueue(fichier("villes"));
    const int traitements = env.horloge.traitements;
    liste.Exporter();

    EXPECT_EQ(env.dialogues.textes(), QStringList{"Le fichier est disponible dans " + fichier("villes.xls")});
    EXPECT_TRUE(env.dialogues.questions().isEmpty());
    EXPECT_EQ(test::lireFichier(fichier("villes.xls")).toHex(' '), feuilleAttendue().toHex(' '));
    EXPECT_EQ(env.horloge.traitements - traitements, 3);
    EXPECT_FALSE(liste.findChild<QProgressBar*>("BarreProgression")->isVisible());
    liste.close();
}

TEST_F(Export, FichierExistantConserveSiLOnRefuse)
{
    ecrireFichier(fichier("villes.xls"), "ancien");
    TFrmVillesEssai liste(contexte);
    liste.show();
    env.dialogues.choix.enqueue(fichier("villes.xls"));
    env.dialogues.reponses.enqueue(false);
    liste.findChild<QPushButton*>("BtnExporter")->click();
    EXPECT_EQ(env.dialogues.questions(), QStringList{u"Le fichier existe déjà, voulez-vous l'écraser ?"_qs});
    EXPECT_TRUE(env.dialogues.textes().isEmpty());
    EXPECT_EQ(test::lireFichier(fichier("villes.xls")), "ancien");

    env.dialogues.choix.enqueue(fichier("villes.xls"));
    env.dialogues.reponses.enqueue(true);
    liste.Exporter();
    EXPECT_EQ(test::lireFichier(fichier("villes.xls")), feuilleAttendue());
    liste.close();
}

TEST_F(Export, ColonneAbsenteArreteLExport)
{
    TFrmVillesEssai liste(contexte);
    liste.show();
    liste.construireListeColonnes();
    liste.colonnes().append({5, "Pays", "Pays", true, 80});
    env.dialogues.choix.enqueue(fichier("villes.xls"));
    liste.Exporter();
    ASSERT_EQ(env.dialogues.textes().size(), 1);
    EXPECT_TRUE(env.dialogues.textes().first().startsWith(
        "Erreur lors de l'exportation vers le fichier " + fichier("villes.xls") + " : "));
    EXPECT_FALSE(QFile::exists(fichier("villes.xls")));
    liste.close();
}

TEST_F(Export, AbandonDuChoixDeFichier)
{
    TFrmVillesEssai liste(contexte);
    liste.show();
    liste.Exporter();
    EXPECT_TRUE(env.dialogues.textes().isEmpty());
    liste.close();
}

#include "test_export.moc"
