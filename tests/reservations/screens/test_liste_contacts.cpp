#include "EcransContacts.h"

#include "reservations/Contacts.h"
#include "reservations/screens/TFrmClient.h"
#include "reservations/screens/TFrmClients.h"
#include "reservations/screens/TfrmContact.h"
#include "ui/Navigateur.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>

using namespace velorin;
using namespace velorin::test;

namespace {

class ListeContacts : public EcransContacts {
protected:
    ListeContacts()
    {
        sql("INSERT INTO Contact (Identifiant, TypeContact, Nom, Prenom, Societe, Ville, RCS) VALUES "
            "(1, 0, 'GITE', '', 'Le Gîte', 'AVIGNON', '123'), "
            "(2, 2, 'MARTIN', 'Eve', '', 'NANTES', ''), (3, 2, 'DUPONT', 'Jean', '', 'PARIS', ''), "
            "(4, 3, 'OFFICE', 'Anne', 'Office de tourisme', 'ARLES', ''), "
            "(5, 4, 'BOULANGER', 'Paul', 'Boulangerie', 'ORANGE', ''), (6, 4, 'ABEL', '', 'Vins Abel', 'GORDES', '')");
    }

    static QStringList colonne(TFrmClients& liste, const QString& nom)
    {
        QStringList valeurs;
        for (int ligne = 0; ligne < liste.modele().rowCount(); ++ligne)
            valeurs.append(liste.modele().valeur(ligne, nom).toString());
        return valeurs;
    }
    static QStringList titres(TFrmClients& liste)
    {
        QStringList resultat;
        const auto* modele = liste.grille()->model();
        for (int i = 0; i < modele->columnCount(); ++i)
            resultat.append(modele->headerData(i, Qt::Horizontal).toString().trimmed());
        return resultat;
    }
    void choisirLigne(TFrmClients& liste, const QString& nom)
    {
        const QStringList noms = colonne(liste, "Nom");
        ASSERT_TRUE(noms.contains(nom));
        liste.allerLigne(int(noms.indexOf(nom)));
    }
};

} // namespace

TEST_F(ListeContacts, ChaqueListeMontreSesContactsSousSonTitreEtSaCle)
{
    struct Cas {
        int type;
        QString titre;
        QString cle;
        QStringList noms;
        QStringList colonnes;
        bool impression;
    };
    const QStringList colonnesHotes{"Nom", "Prénom", "Code postal", "Ville", "Tél.", "Pays"};
    const QList<Cas> cas{
        {2, "Liste des hôtes", "TFrmClientsClients", {"DUPONT", "MARTIN"}, colonnesHotes, true},
        {3, "Liste des organismes extérieurs", "TFrmClientsExt", {"OFFICE"}, QStringList{"Organisme"} + colonnesHotes,
            false},
        {4, "Liste des fournisseurs", "TFrmClientsFour", {"ABEL", "BOULANGER"},
            QStringList{"Organisme"} + colonnesHotes, false},
    };
    for (const Cas& c : cas) {
        TFrmClients liste(contexte, c.type);
        liste.show();
        EXPECT_EQ(liste.windowTitle(), c.titre);
        EXPECT_EQ(liste.cleFenetre(), c.cle);
        EXPECT_EQ(colonne(liste, "Nom"), c.noms) << c.type;
        EXPECT_EQ(titres(liste), c.colonnes) << c.type;
        EXPECT_EQ(liste.findChild<QPushButton*>("BtnImprimer")->isVisible(), c.impression) << c.type;

        // Company identifiers and the kind are never offered; Societe is "Organisme".
        liste.construireListeColonnes();
        QStringList offertes;
        for (const TColonneGrille& col : liste.colonnes()) offertes.append(col.NomChamp.toLower());
        for (const char* exclue : {"rcs", "siret", "numtva", "ape", "site", "typecontact", "notes"})
            EXPECT_FALSE(offertes.contains(exclue)) << exclue;
        EXPECT_TRUE(offertes.contains("societe"));
        for (const TColonneGrille& col : liste.colonnes()) {
            if (col.NomChamp.compare("Societe", Qt::CaseInsensitive) == 0) {
                EXPECT_EQ(col.Titre, "Organisme");
            }
        }
        liste.close();
    }
    // Each kind keeps its own layout.
    EXPECT_EQ(valeur("SELECT COUNT(DISTINCT Fenetre) FROM TaillePos WHERE Fenetre LIKE 'TFrmClients%'"), 3);
}

TEST_F(ListeContacts, RechercheFiltreEtTris)
{
    TFrmClients liste(contexte, TypeContact::Hote);
    liste.show();
    QStringList champs;
    for (const ChampRecherche& champ : liste.champsRecherche()) champs.append(champ.colonne);
    EXPECT_EQ(champs, (QStringList{"Nom", "CodPost", "Ville", "Pays"}));
    auto* codePostal = qobject_cast<QLineEdit*>(liste.champsRecherche().at(1).controle.data());
    ASSERT_NE(codePostal, nullptr);
    EXPECT_EQ(codePostal->maxLength(), 5);

    auto* tri = liste.findChild<QComboBox*>("CbTri");
    ASSERT_NE(tri, nullptr);
    QStringList tris;
    for (int i = 0; i < tri->count(); ++i) tris.append(tri->itemText(i));
    EXPECT_EQ(tris, (QStringList{"Nom", "Ville", "Code Postal", "Pays"}));
    tri->setCurrentIndex(1);
    EXPECT_EQ(colonne(liste, "Ville"), (QStringList{"NANTES", "PARIS"}));

    auto* ville = qobject_cast<QLineEdit*>(liste.champsRecherche().at(2).controle.data());
    QTest::keyClicks(ville, "paris");
    liste.findChild<QPushButton*>("BtnFiltrer")->click();
    EXPECT_EQ(colonne(liste, "Nom"), QStringList{"DUPONT"});
    liste.close();
}

TEST_F(ListeContacts, SuppressionRefuseeAvecSesRaisons)
{
    sejour(3, juillet(1), juillet(3));
    sejour(3, juillet(20), juillet(20));
    sql("INSERT INTO DepRec (Identifiant, TypeEcr, DateEcr, Montant, IdRef) VALUES (1, 0, '2026-06-15', 42.5, 5)");
    struct Cas {
        int type;
        QString nom;
        QString message;
    };
    const QList<Cas> cas{
        {2, "DUPONT",
            "Vous ne pouvez pas supprimer cet hôte, car il a effectué les réservations suivantes : \n"
            "  - du 01/07/2026 au 04/07/2026\n  - du 20/07/2026 au 21/07/2026"},
        {4, "BOULANGER",
            "Vous ne pouvez pas supprimer ce fournisseur, car vous avez saisi des dépensesdont il est le "
            "destinataire :\n  - le 15/06/2026 pour 42,5"},
    };
    for (const Cas& c : cas) {
        env.dialogues.vider();
        TFrmClients liste(contexte, c.type);
        liste.show();
        choisirLigne(liste, c.nom);
        liste.findChild<QPushButton*>("BtnSupprimer")->click();
        EXPECT_EQ(env.dialogues.textes(), QStringList{c.message});
        EXPECT_TRUE(env.dialogues.questions().isEmpty()) << "no confirmation is asked";
        EXPECT_TRUE(colonne(liste, "Nom").contains(c.nom));
        liste.close();
    }
    EXPECT_EQ(valeur("SELECT COUNT(*) FROM Contact"), 6);
}

TEST_F(ListeContacts, SuppressionConfirmeeParGenre)
{
    struct Cas {
        int type;
        QString nom;
        QString question;
    };
    const QList<Cas> cas{
        {2, "MARTIN", "Confirmez-vous la suppression de cet hôte ?"},
        {3, "OFFICE", "Confirmez-vous la suppression de cet organisme extérieur ?"},
        {4, "ABEL", "Confirmez-vous la suppression de ce fournisseur ?"},
    };
    for (const Cas& c : cas) {
        TFrmClients liste(contexte, c.type);
        liste.show();
        choisirLigne(liste, c.nom);
        env.dialogues.vider();
        env.dialogues.reponses.enqueue(false);
        liste.findChild<QPushButton*>("BtnSupprimer")->click();
        EXPECT_EQ(env.dialogues.questions(), QStringList{c.question});
        EXPECT_TRUE(colonne(liste, "Nom").contains(c.nom)) << "No keeps the contact";

        env.dialogues.reponses.enqueue(true);
        liste.findChild<QPushButton*>("BtnSupprimer")->click();
        EXPECT_FALSE(colonne(liste, "Nom").contains(c.nom));
        EXPECT_EQ(valeur("SELECT COUNT(*) FROM Contact WHERE Nom = ?", {c.nom}), 0);
        EXPECT_TRUE(env.dialogues.textes().isEmpty());
        liste.close();
    }
}

TEST_F(ListeContacts, AjouterOuvreLaFicheEtMontreLeNouveauContact)
{
    TFrmClients liste(contexte, TypeContact::OrganismeExterieur);
    liste.show();
    auto vu = surModal<TFrmClient>([](TFrmClient& fiche) {
        EXPECT_EQ(fiche.windowTitle(), "Organisme extérieur");
        EXPECT_TRUE(fiche.contact().nouveau);
        QTest::keyClicks(fiche.frmContact()->edNom(), "GITES DE FRANCE");
        fiche.findChild<QLineEdit*>("edSociete")->setText("Gîtes de France");
        fiche.btnOK()->click();
    });
    liste.findChild<QPushButton*>("BtnAjouter")->click();
    ASSERT_TRUE(*vu);
    EXPECT_EQ(lignes("SELECT TypeContact, Nom, Societe, Langue FROM Contact WHERE Nom = 'GITES DE FRANCE'"),
        (QList<QVariantList>{{3, "GITES DE FRANCE", "Gîtes de France", "FR"}}));
    EXPECT_EQ(colonne(liste, "Nom"), (QStringList{"GITES DE FRANCE", "OFFICE"}));
    EXPECT_EQ(liste.valeurCourante("Nom"), "GITES DE FRANCE") << "the list stands on the new contact";

    // Cancelled: nothing is stored.
    vu = surModal<TFrmClient>([](TFrmClient& fiche) {
        QTest::keyClicks(fiche.frmContact()->edNom(), "ABANDON");
        fiche.btnAnnuler()->click();
    });
    liste.findChild<QPushButton*>("BtnAjouter")->click();
    ASSERT_TRUE(*vu);
    EXPECT_EQ(valeur("SELECT COUNT(*) FROM Contact WHERE Nom = 'ABANDON'"), 0);
    EXPECT_EQ(colonne(liste, "Nom").size(), 2);
    liste.close();
}

TEST_F(ListeContacts, UneCreationImpossibleEstAnnulee)
{
    // The identifier cannot be drawn.
    sql("CREATE TRIGGER PlusDePlaceI BEFORE INSERT ON Compteurs BEGIN SELECT RAISE(ABORT, 'disque plein'); END");
    sql("CREATE TRIGGER PlusDePlaceU BEFORE UPDATE ON Compteurs BEGIN SELECT RAISE(ABORT, 'disque plein'); END");
    TFrmClients liste(contexte, TypeContact::Hote);
    liste.show();
    env.dialogues.vider();
    liste.findChild<QPushButton*>("BtnAjouter")->click();
    ASSERT_EQ(env.dialogues.textes().size(), 2);
    EXPECT_TRUE(env.dialogues.textes().at(0).startsWith("Erreur lors de la création d'un nouveau contact : "));
    EXPECT_EQ(env.dialogues.textes().at(1), "Opération annulée");
    liste.close();
}

TEST_F(ListeContacts, DoubleClicOuvreLaFicheEtLeNavigateurEnregistreEnPassant)
{
    TFrmClients liste(contexte, TypeContact::Hote);
    liste.show();
    choisirLigne(liste, "DUPONT");
    auto vu = surModal<TFrmClient>([](TFrmClient& fiche) {
        EXPECT_EQ(fiche.frmContact()->edNom()->text(), "DUPONT");
        EXPECT_TRUE(fiche.navigateur()->isVisible());
        fiche.frmContact()->edVille()->setText("LYON");
        emit fiche.navigateur()->suivant();
        EXPECT_EQ(fiche.frmContact()->edNom()->text(), "MARTIN");
        fiche.btnAnnuler()->click();
    });
    doubleClic(liste.grille(), liste.grille()->model()->index(liste.ligneCourante(), 0));
    ASSERT_TRUE(*vu);
    EXPECT_EQ(valeur("SELECT Ville FROM Contact WHERE Identifiant = 3"), "LYON") << "written when moving on";
    EXPECT_EQ(liste.valeurCourante("Nom"), "MARTIN") << "the list follows the navigator";
    liste.close();
}

TEST_F(ListeContacts, ModeSelectionRendLIdentifiantChoisi)
{
    auto vu = surModal<TFrmClients>([this](TFrmClients& choix) {
        EXPECT_FALSE(choix.findChild<QPushButton*>("BtnAjouter")->isVisible());
        EXPECT_FALSE(choix.findChild<QPushButton*>("BtnSupprimer")->isVisible());
        EXPECT_FALSE(choix.findChild<QPushButton*>("BtnImprimer")->isVisible());
        EXPECT_TRUE(choix.findChild<QPushButton*>("BtnOk")->isVisible());
        choisirLigne(choix, "MARTIN");
        choix.findChild<QPushButton*>("BtnOk")->click();
    });
    EXPECT_EQ(TFrmClients::ChoisirContact(contexte, TypeContact::Hote, nullptr), 2);
    EXPECT_TRUE(*vu);

    vu = surModal<TFrmClients>([](TFrmClients& choix) { choix.findChild<QPushButton*>("BtnQuitter")->click(); });
    EXPECT_EQ(TFrmClients::ChoisirContact(contexte, TypeContact::Fournisseur, nullptr), -1);
    EXPECT_TRUE(*vu);
}

TEST_F(ListeContacts, MessageDUneAutreListeOuverte)
{
    EXPECT_EQ(TFrmClients::messageAutreGenre(TypeContact::Hote),
        "Vous devez tout d'abord refermer la saisie des hôtes avant de passer à cette saisie.");
    EXPECT_EQ(TFrmClients::messageAutreGenre(TypeContact::OrganismeExterieur),
        "Vous devez tout d'abord refermer la saisie des organismes extérieurs avant de passer à cette saisie.");
    EXPECT_EQ(TFrmClients::messageAutreGenre(TypeContact::Fournisseur),
        "Vous devez tout d'abord refermer la saisie des fournisseurs avant de passer à cette saisie.");
}
