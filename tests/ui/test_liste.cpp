#include "ui/FixtureEcrans.h"

#include "ui/Edition.h"
#include "ui/EditMajuscules.h"
#include "ui/ModeleListe.h"
#include "ui/T_FrmRecherchePI.h"
#include "ui/TFrmSelChamps.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QCheckBox>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTimer>
#include <QComboBox>
#include <QGroupBox>
#include <QProgressBar>
#include <QPushButton>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTableView>
#include <QTest>
#include <QTextDocument>
#include <QToolButton>

using namespace velorin;
using namespace velorin::test;

namespace {

// A stand-in contact list over a small table.
class TFrmContactsEssai : public T_FrmRecherchePI {
    Q_OBJECT
public:
    explicit TFrmContactsEssai(ContexteEcrans& contexte, QWidget* parent = nullptr) : T_FrmRecherchePI(contexte, parent)
    {
        setWindowTitle(u"Liste des hôtes"_qs);
        setTable("Contact");
        setConditionFixe("TypeContact = ?", {2});
        AjouterColonne("Nom", "Nom", 150);
        AjouterColonne("Ville", "Ville");
        AjouterColonne("DateNaiss", "Naissance");
        AjouterRecherche("Nom", "Nom", nullptr, 30);
        AjouterRecherche("Ville", "Ville", nullptr, 30);
        AjouterRecherche("DateNaiss", "Naissance", nullptr, 10);
        AjouterTri("Nom;Ville", "Nom");
        AjouterTri("Ville", "Ville");
        AjouterTri("Nom, Ville", "Nom encore");
    }

    QList<bool> disponibles;

protected:
    void EnregistrementDisponible(bool trouve) override { disponibles.append(trouve); }
};

class EditionEssai : public Edition {
public:
    void definirTexte(const QString& libelle, const QString& texte) override { textes.append(libelle + "=" + texte); }
    void apercu(QWidget*) override { ++apercus; }
    QStringList textes;
    int apercus = 0;
};

class Listes : public FixtureEcrans {
protected:
    Listes()
    {
        base().executer("CREATE TABLE Contact (Identifiant Integer, Nom Char(30), Prenom Char(30), Ville Char(30), "
                        "DateNaiss date, Societe Char(50), TypeContact Integer, Remarque blob(0), HT1 Float, "
                        "Client boolean, Adresse Char(80))");
        const QList<QVariantList> lignes{
            {1, "DUP", "Jean", "PARIS", "1970-05-12", "", 2},     {2, "DUP", "Marie", "LYON", "1982-12-25", "", 2},
            {3, "DUPONT", "Paul", "PARIS", "1982-12-25", "", 2},  {4, "dup", "Luc", "PARIS", "1990-01-01", "", 2},
            {5, "DUP", "Anne", "PARIS", "1975-03-03", "ACME", 3}, {6, "O'HARA", "Kim", "PARIS", "1960-07-14", "", 2},
            {7, "MARTIN", "Eve", "NANTES", "1999-09-09", "", 2}};
        for (const QVariantList& l : lignes)
            base().executer("INSERT INTO Contact (Identifiant, Nom, Prenom, Ville, DateNaiss, Societe, TypeContact) "
                            "VALUES (?, ?, ?, ?, ?, ?, ?)",
                            l);
    }

    static QList<int> identifiants(T_FrmRecherchePI& liste)
    {
        QList<int> ids;
        for (int i = 0; i < liste.modele().rowCount(); ++i) ids.append(liste.modele().valeur(i, "Identifiant").toInt());
        return ids;
    }
    static QLineEdit* champ(T_FrmRecherchePI& liste, const QString& colonne)
    {
        return liste.findChild<QLineEdit*>("edRecherche" + colonne);
    }
};

} // namespace

TEST_F(Listes, ModeleVerifie)
{
    ModeleListe modele;
    QAbstractItemModelTester testeur(&modele, QAbstractItemModelTester::FailureReportingMode::Fatal);
    modele.setColonnesGrille({{"Nom", "Nom", 0}, {"Ville", "Ville", 0}, {"Absente", "Absente", 0}});
    modele.charger(base(), "SELECT * FROM Contact ORDER BY Identifiant", {});
    EXPECT_EQ(modele.rowCount(), 7);
    EXPECT_EQ(modele.columnCount(), 3);
    EXPECT_EQ(modele.headerData(0, Qt::Horizontal).toString(), "Nom  ");
    EXPECT_EQ(modele.data(modele.index(1, 1)).toString(), "LYON");
    EXPECT_EQ(modele.data(modele.index(1, 2)).toString(), "");
    modele.setCochable(true);
    EXPECT_TRUE(modele.setData(modele.index(2, 0), Qt::Checked, Qt::CheckStateRole));
    EXPECT_TRUE(modele.setData(modele.index(0, 0), Qt::Checked, Qt::CheckStateRole));
    modele.charger(base(), "SELECT * FROM Contact WHERE Identifiant > ? ORDER BY Identifiant DESC", {1});
    // Ticks follow the records across reloads.
    EXPECT_EQ(modele.identifiantsCoches(), QList<int>{3});
    EXPECT_EQ(modele.data(modele.index(4, 0), Qt::CheckStateRole).toInt(), Qt::Checked);
    modele.vider();
    EXPECT_EQ(modele.rowCount(), 0);
}

TEST_F(Listes, TextesAffiches)
{
    int taille = 0;
    EXPECT_EQ(typeDeclare("Char(50)", &taille), TypeColonne::Texte);
    EXPECT_EQ(taille, 50);
    EXPECT_EQ(typeDeclare(" date"), TypeColonne::Date);
    EXPECT_EQ(typeDeclare("blob(0)"), TypeColonne::TexteLong);
    EXPECT_EQ(typeDeclare("boolean"), TypeColonne::Booleen);
    EXPECT_EQ(typeDeclare("Float"), TypeColonne::Reel);
    EXPECT_EQ(typeDeclare("time"), TypeColonne::Heure);
    EXPECT_EQ(ModeleListe::texteParDefaut("2024-12-25", TypeColonne::Date), "25/12/2024");
    EXPECT_EQ(ModeleListe::texteParDefaut(1234.5, TypeColonne::Reel), "1234,50");
    EXPECT_EQ(ModeleListe::texteParDefaut(1, TypeColonne::Booleen), "Oui");
    EXPECT_EQ(ModeleListe::texteParDefaut(QVariant(), TypeColonne::Entier), "");
}

TEST_F(Listes, AffichageTriEtEtatsDesBoutons)
{
    TFrmContactsEssai liste(contexte);
    liste.show();
    // The first sort, the fixed condition.
    EXPECT_EQ(liste.instruction().sql, "SELECT * FROM Contact WHERE (TypeContact = ?) ORDER BY Nom, Ville");
    EXPECT_EQ(identifiants(liste), (QList<int>{2, 1, 3, 7, 6, 4}));
    // "Nom, Ville" is the same column list as "Nom;Ville".
    EXPECT_EQ(liste.findChild<QComboBox*>("CbTri")->count(), 2);
    EXPECT_FALSE(liste.findChild<QPushButton*>("BtnOk")->isVisible());
    EXPECT_FALSE(liste.findChild<QPushButton*>("BtnImprimer")->isVisible());
    EXPECT_TRUE(liste.findChild<QPushButton*>("BtnExporter")->isVisible());
    EXPECT_FALSE(liste.findChild<QProgressBar*>("BarreProgression")->isVisible());
    EXPECT_FALSE(liste.findChild<QToolButton*>("BtnActualiser")->isVisible());
    EXPECT_TRUE(liste.findChild<QGroupBox*>("PanelRecherche")->isVisible());
    EXPECT_EQ(liste.grille()->model()->headerData(1, Qt::Horizontal).toString(), "Ville  ");
    EXPECT_EQ(liste.grille()->columnWidth(0), 150);

    liste.findChild<QComboBox*>("CbTri")->setCurrentIndex(1);
    EXPECT_EQ(identifiants(liste).mid(0, 2), (QList<int>{2, 7}));
    // Entering a search box whose column is a sort choice selects that sort.
    liste.findChild<QComboBox*>("CbTri")->setCurrentIndex(0);
    QFocusEvent entree(QEvent::FocusIn);
    QCoreApplication::sendEvent(champ(liste, "Ville"), &entree);
    EXPECT_EQ(liste.findChild<QComboBox*>("CbTri")->currentIndex(), 1);
    liste.close();
}

TEST_F(Listes, FiltreDupParisSurLesSeulesLignesVoulues)
{
    TFrmContactsEssai liste(contexte);
    liste.show();
    champ(liste, "Nom")->setText("DUP ");
    champ(liste, "Ville")->setText("PARIS");
    liste.findChild<QPushButton*>("BtnFiltrer")->click();

    EXPECT_EQ(liste.filtre().sql, "Nom = ? and Ville = ?");
    EXPECT_EQ(liste.filtre().valeurs, (QVariantList{"DUP", "PARIS"}));
    EXPECT_EQ(identifiants(liste), QList<int>{1});

    // A value holding a quote is only a value.
    champ(liste, "Nom")->setText("O'HARA");
    liste.Filtrer();
    EXPECT_EQ(identifiants(liste), QList<int>{6});

    // Dates are typed dd/mm/yyyy and compared with the stored day.
    champ(liste, "Nom")->clear();
    champ(liste, "Ville")->clear();
    champ(liste, "DateNaiss")->setText("25/12/1982");
    liste.Filtrer();
    EXPECT_EQ(identifiants(liste), (QList<int>{2, 3}));
    champ(liste, "DateNaiss")->setText("31/02/1982");
    liste.Filtrer();
    EXPECT_EQ(env.dialogues.textes(), QStringList{u"« 31/02/1982 » n'est pas une date valide."_qs});
    EXPECT_EQ(identifiants(liste), (QList<int>{2, 3}));

    champ(liste, "DateNaiss")->clear();
    liste.Filtrer();
    EXPECT_TRUE(liste.filtre().estVide());
    EXPECT_EQ(identifiants(liste).size(), 6);
    liste.close();
}

TEST_F(Listes, RechercheDirecteEtBoutonRechercher)
{
    TFrmContactsEssai liste(contexte);
    liste.show();
    QTest::keyClicks(champ(liste, "Nom"), "dupo");
    EXPECT_EQ(champ(liste, "Nom")->text(), "DUPO");
    EXPECT_EQ(liste.valeurCourante("Identifiant").toInt(), 3);
    EXPECT_EQ(liste.disponibles.last(), true);
    QTest::keyClicks(champ(liste, "Nom"), "X");
    EXPECT_EQ(liste.disponibles.last(), false);
    EXPECT_EQ(liste.valeurCourante("Identifiant").toInt(), 3);

    champ(liste, "Nom")->clear();
    champ(liste, "Ville")->setText("LY");
    liste.findChild<QPushButton*>("BtnRechercher")->click();
    EXPECT_EQ(liste.valeurCourante("Identifiant").toInt(), 2);
    EXPECT_TRUE(env.dialogues.textes().isEmpty());

    liste.allerLigne(3);
    champ(liste, "Ville")->setText("BREST");
    liste.Rechercher();
    EXPECT_EQ(env.dialogues.textes(), QStringList{u"Enregistrement non trouvé."_qs});
    EXPECT_EQ(liste.ligneCourante(), 0);
    EXPECT_EQ(liste.disponibles.last(), false);
    liste.close();
}

TEST_F(Listes, ModeSelectionRenvoieLaValeurDemandee)
{
    {
        TFrmContactsEssai liste(contexte);
        liste.EntrerModeSelection("Identifiant", true);
        liste.show();
        EXPECT_TRUE(liste.findChild<QPushButton*>("BtnOk")->isVisible());
        for (const char* nom : {"BtnAjouter", "BtnSupprimer", "BtnImprimer", "BtnExporter"})
            EXPECT_FALSE(liste.findChild<QPushButton*>(nom)->isVisible()) << nom;
        liste.allerLigne(4); // O'HARA
        liste.findChild<QPushButton*>("BtnOk")->click();
        EXPECT_EQ(liste.result(), QDialog::Accepted);
        EXPECT_EQ(liste.resultatEntier(), 6);
        EXPECT_EQ(liste.resultatTexte(), "6");
    }
    {
        TFrmContactsEssai liste(contexte);
        liste.EntrerModeSelection("Nom;Ville");
        liste.show();
        liste.allerLigne(0);
        emit liste.grille()->doubleClicked(liste.grille()->model()->index(0, 0));
        EXPECT_EQ(liste.result(), QDialog::Accepted);
        EXPECT_EQ(liste.resultatTexte(), "DUP;LYON");
    }
    {
        TFrmContactsEssai liste(contexte);
        liste.EntrerModeMultiSelection();
        liste.show();
        auto* modele = liste.grille()->model();
        modele->setData(modele->index(4, 0), Qt::Checked, Qt::CheckStateRole);
        modele->setData(modele->index(0, 0), Qt::Checked, Qt::CheckStateRole);
        liste.findChild<QPushButton*>("BtnOk")->click();
        EXPECT_EQ(liste.identifiantsSelectionnes(), (QList<int>{2, 6}));
    }
    TFrmContactsEssai liste(contexte);
    liste.EntrerModeSelection("Identifiant", true);
    liste.show();
    liste.findChild<QPushButton*>("BtnQuitter")->click();
    EXPECT_EQ(liste.result(), QDialog::Rejected);
    EXPECT_EQ(liste.resultatEntier(), -1);
}

TEST_F(Listes, EchapFermeLaListe)
{
    TFrmContactsEssai liste(contexte);
    liste.show();
    QTest::keyClick(&liste, Qt::Key_Escape);
    EXPECT_FALSE(liste.isVisible());
    EXPECT_EQ(liste.result(), QDialog::Rejected);
}

TEST_F(Listes, ListeDesColonnes)
{
    TFrmContactsEssai liste(contexte);
    liste.show();
    liste.construireListeColonnes();
    QStringList noms;
    for (const TColonneGrille& c : liste.colonnes()) noms.append(c.NomChamp);
    // Long texts, kinds and VAT columns are never offered.
    EXPECT_EQ(noms, (QStringList{"Identifiant", "Nom", "Prenom", "Ville", "DateNaiss", "Societe", "Client", "Adresse"}));
    const auto entree = [&liste](const QString& nom) {
        for (const TColonneGrille& c : liste.colonnes())
            if (c.NomChamp == nom) return c;
        return TColonneGrille{};
    };
    EXPECT_EQ(entree("Nom"), (TColonneGrille{0, "Nom", "Nom", true, 150}));
    EXPECT_EQ(entree("DateNaiss").NumOrdre, 2);
    EXPECT_EQ(entree("DateNaiss").Titre, "Naissance");
    EXPECT_EQ(entree("Identifiant"), (TColonneGrille{3 + 0, "Identifiant", "Identifiant", false, 80}));
    EXPECT_EQ(entree("Societe"), (TColonneGrille{3 + 5, "Societe", "Organisme", false, 130}));
    EXPECT_EQ(entree("Client").Larg, 50);
    EXPECT_EQ(entree("Prenom").Larg, 80);
    EXPECT_EQ(entree("Adresse").Larg, 130);

    liste.setColonnesTvaOffertes(true);
    liste.ajouterExclusion("ADRESSE");
    liste.construireListeColonnes();
    noms.clear();
    for (const TColonneGrille& c : liste.colonnes()) noms.append(c.NomChamp);
    EXPECT_TRUE(noms.contains("HT1"));
    EXPECT_FALSE(noms.contains("Adresse"));
    liste.close();
}

TEST_F(Listes, ColonnesChoisiesRetrouveesALaReouverture)
{
    {
        TFrmContactsEssai liste(contexte);
        liste.show();
        liste.construireListeColonnes();
        QList<TColonneGrille> colonnes = liste.colonnes();
        for (TColonneGrille& c : colonnes) {
            if (c.NomChamp == "Ville") c.AffGrille = false;
            if (c.NomChamp == "Prenom") {
                c.AffGrille = true;
                c.NumOrdre = -1;
            }
        }
        std::stable_sort(colonnes.begin(), colonnes.end(),
                         [](const auto& a, const auto& b) { return a.NumOrdre < b.NumOrdre; });
        liste.appliquerColonnes(colonnes);
        EXPECT_EQ(liste.grille()->model()->columnCount(), 3);
        liste.grille()->setColumnWidth(0, 111);
        liste.close();
    }
    EXPECT_EQ(compter("SELECT COUNT(*) FROM ColGrille WHERE Fenetre = 'TFrmContactsEssai' AND AffGrille = 1"), 3);
    TFrmContactsEssai liste(contexte);
    liste.show();
    const auto* modele = liste.grille()->model();
    ASSERT_EQ(modele->columnCount(), 3);
    EXPECT_EQ(modele->headerData(0, Qt::Horizontal).toString(), "Prenom  ");
    EXPECT_EQ(modele->headerData(1, Qt::Horizontal).toString(), "Nom  ");
    EXPECT_EQ(modele->headerData(2, Qt::Horizontal).toString(), "Naissance  ");
    EXPECT_EQ(liste.grille()->columnWidth(0), 111);
    EXPECT_EQ(liste.grille()->columnWidth(1), 150);
    liste.close();
}

TEST_F(Listes, LeBoutonDesColonnesReconstruitLaGrille)
{
    TFrmContactsEssai liste(contexte);
    liste.show();
    bool vu = false;
    QTimer::singleShot(0, [&vu] {
        auto* choix = qobject_cast<TFrmSelChamps*>(QApplication::activeModalWidget());
        if (!choix) return;
        vu = true;
        for (QCheckBox* c : choix->casesColonnes())
            c->setChecked(c->objectName() == "ChkPrenom" || c->objectName() == "ChkNom");
        choix->btnOK()->click();
    });
    liste.findChild<QToolButton*>("BtnSelChamps")->click();
    ASSERT_TRUE(vu);
    const auto* modele = liste.grille()->model();
    ASSERT_EQ(modele->columnCount(), 2);
    EXPECT_EQ(modele->headerData(0, Qt::Horizontal).toString(), "Nom  ");
    EXPECT_EQ(modele->headerData(1, Qt::Horizontal).toString(), "Prenom  ");
    EXPECT_EQ(modele->data(modele->index(0, 1)).toString(), "Marie");
    liste.close();
}

TEST_F(Listes, RelueQuandElleRedevientActive)
{
    QMdiArea zone;
    zone.resize(1000, 700);
    zone.show();
    contexte.zoneEcrans = &zone;
    auto* liste = new TFrmContactsEssai(contexte);
    QMdiSubWindow* sousListe = liste->afficherEnfant();
    auto* autre = new TFrmContactsEssai(contexte);
    autre->setCleFenetre("Autre");
    QMdiSubWindow* sousAutre = autre->afficherEnfant();
    zone.setActiveSubWindow(sousAutre);
    base().executer("INSERT INTO Contact (Identifiant, Nom, Ville, TypeContact) VALUES (8, 'ABEL', 'PAU', 2)");
    EXPECT_EQ(liste->modele().rowCount(), 6);
    zone.setActiveSubWindow(sousListe);
    EXPECT_EQ(liste->modele().rowCount(), 7);
    zone.closeAllSubWindows();
}

TEST_F(Listes, ImpressionDeLaListe)
{
    {
        TFrmContactsEssai liste(contexte);
        liste.show();
        liste.ImprimerListe();
        EXPECT_EQ(env.dialogues.textes(),
                  QStringList{u"Impossible d'imprimer, car aucune édition n'a été définie pour cette fenêtre."_qs});
        liste.close();
    }
    auto edition = std::make_shared<EditionEssai>();
    TFrmContactsEssai liste(contexte);
    liste.setEdition(edition, "LblTitre", u"Liste des hôtes"_qs);
    liste.show();
    auto* imprimer = liste.findChild<QPushButton*>("BtnImprimer");
    EXPECT_TRUE(imprimer->isVisible());
    imprimer->click();
    EXPECT_EQ(edition->textes, QStringList{u"LblTitre=Liste des hôtes"_qs});
    EXPECT_EQ(edition->apercus, 1);

    // The ready-made list printout lays out the grid's columns.
    EditionListe simple(liste.modele());
    simple.definirTexte("Titre", u"Liste des hôtes"_qs);
    const auto document = simple.document();
    const QString texte = document->toPlainText();
    EXPECT_TRUE(texte.contains(u"Liste des hôtes"_qs));
    EXPECT_TRUE(texte.contains("Naissance"));
    EXPECT_TRUE(texte.contains("25/12/1982"));
    EXPECT_TRUE(texte.contains("O'HARA"));
    EXPECT_FALSE(texte.contains("Jean"));
    liste.close();
}

TEST_F(Listes, BoutonActualiserSurUneInstallationReseau)
{
    ASSERT_TRUE(installationReseau(env));

    TFrmContactsEssai liste(contexte);
    liste.show();
    auto* actualiser = liste.findChild<QToolButton*>("BtnActualiser");
    EXPECT_TRUE(actualiser->isVisible());
    liste.allerLigne(2);
    base().executer("INSERT INTO Contact (Identifiant, Nom, Ville, TypeContact) VALUES (8, 'ABEL', 'PAU', 2)");
    actualiser->click();
    EXPECT_EQ(identifiants(liste).first(), 8);
    EXPECT_EQ(liste.valeurCourante("Identifiant").toInt(), 3);
    liste.close();
}

#include "test_liste.moc"
