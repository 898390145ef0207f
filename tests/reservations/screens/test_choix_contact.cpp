#include "EcransContacts.h"

#include "reservations/Contacts.h"
#include "reservations/screens/ChoixContact.h"
#include "reservations/screens/TFrmClient.h"
#include "reservations/screens/TFrmClients.h"
#include "reservations/screens/TfrmContact.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace velorin;
using namespace velorin::test;

namespace {

class ChoixHote : public EcransContacts {
protected:
    ChoixContact choix{contexte};
};

QStringList nomsListe(TFrmClients& liste)
{
    QStringList noms;
    for (int ligne = 0; ligne < liste.modele().rowCount(); ++ligne)
        noms.append(liste.modele().valeur(ligne, "Nom").toString());
    return noms;
}

} // namespace

TEST_F(ChoixHote, CreerUnHoteDepuisLeNomSaisi)
{
    auto vu = surModal<TFrmClient>([](TFrmClient& fiche) {
        EXPECT_EQ(fiche.windowTitle(), "Coordonnées hôte");
        EXPECT_EQ(fiche.frmContact()->edNom()->text(), "Dupont");
        auto* prenom = fiche.findChild<QLineEdit*>("edPrenom");
        EXPECT_EQ(prenom->text(), "Jean");
        prenom->setText("Jean-Marc");
        fiche.frmContact()->edVille()->setText("Lyon");
        fiche.btnOK()->click();
    });
    const std::optional<THoteChoisi> cree = choix.CreerHote("Dupont", "Jean");
    ASSERT_TRUE(*vu);
    ASSERT_TRUE(cree.has_value());
    EXPECT_GT(cree->Identifiant, 0);
    EXPECT_EQ(cree->Nom, "Dupont");
    EXPECT_EQ(cree->Prenom, "Jean-Marc") << "the names as finally typed";
    EXPECT_EQ(cree->Langue, "FR");
    EXPECT_EQ(lignes("SELECT Identifiant, TypeContact, Nom, Prenom, Ville FROM Contact"),
        (QList<QVariantList>{{cree->Identifiant, 2, "Dupont", "Jean-Marc", "Lyon"}}));
    EXPECT_EQ(velorin.contacts().ContactParNom("dupont", "jean-marc"), cree->Identifiant);
}

TEST_F(ChoixHote, CreationRefuseeOuAbandonnee)
{
    // The screen refuses to store a guest whose names were erased, then is cancelled.
    auto vu = surModal<TFrmClient>([this](TFrmClient& fiche) {
        fiche.frmContact()->edNom()->clear();
        fiche.findChild<QLineEdit*>("edPrenom")->clear();
        fiche.btnOK()->click();
        EXPECT_EQ(env.dialogues.textes(), QStringList{"Vous devez renseigner soit le nom, soit le prénom."});
        EXPECT_TRUE(fiche.isVisible());
        fiche.btnAnnuler()->click();
    });
    EXPECT_FALSE(choix.CreerHote("Dupont", "Jean").has_value());
    EXPECT_TRUE(*vu);
    EXPECT_EQ(valeur("SELECT COUNT(*) FROM Contact"), 0);

    // No to the question: no screen, nothing created.
    env.dialogues.vider();
    env.dialogues.reponses.enqueue(false);
    EXPECT_FALSE(choix.ProposerCreationHote("Dupont", "Jean").has_value());
    EXPECT_EQ(env.dialogues.questions(), QStringList{"Cet hôte n'existe pas, voulez-vous le créer ?"});
    EXPECT_EQ(valeur("SELECT COUNT(*) FROM Contact"), 0);

    // Yes: the creation screen.
    env.dialogues.reponses.enqueue(true);
    vu = surModal<TFrmClient>([](TFrmClient& fiche) { fiche.btnOK()->click(); });
    const auto cree = choix.ProposerCreationHote("Durand", "");
    ASSERT_TRUE(*vu);
    ASSERT_TRUE(cree.has_value());
    EXPECT_EQ(cree->Nom, "Durand");
    EXPECT_EQ(valeur("SELECT COUNT(*) FROM Contact"), 1);
}

TEST_F(ChoixHote, RechercherUnHoteConnuOuvreSaFiche)
{
    const int jean = hote("DUPONT", "Jean");
    sql("UPDATE Contact SET Langue = 'EN' WHERE Identifiant = ?", {jean});
    auto vu = surModal<TFrmClient>([](TFrmClient& fiche) {
        EXPECT_EQ(fiche.frmContact()->edNom()->text(), "DUPONT");
        fiche.findChild<QLineEdit*>("edPrenom")->setText("Jean-Paul");
        fiche.btnOK()->click();
    });
    const auto trouve = choix.RechercherHote("dupont", "JEAN");
    ASSERT_TRUE(*vu);
    ASSERT_TRUE(trouve.has_value());
    EXPECT_EQ(trouve->Identifiant, jean);
    EXPECT_EQ(trouve->Prenom, "Jean-Paul") << "names read back from the stored contact";
    EXPECT_EQ(trouve->Langue, "EN");

    // A contact of another kind bearing the names opens in its own screen.
    const int office = contact(TypeContact::OrganismeExterieur, "OFFICE", "Anne");
    vu = surModal<TFrmClient>([](TFrmClient& fiche) {
        EXPECT_EQ(fiche.windowTitle(), "Organisme extérieur");
        fiche.btnAnnuler()->click();
    });
    const auto organisme = choix.RechercherHote("Office", "Anne");
    ASSERT_TRUE(*vu);
    ASSERT_TRUE(organisme.has_value());
    EXPECT_EQ(organisme->Identifiant, office);
}

TEST_F(ChoixHote, RechercherParmiLesHotesDuNomSaisi)
{
    hote("DURAND", "Paul");
    const int lea = hote("Durand", "Léa");
    hote("MARTIN", "Eve");
    contact(TypeContact::Fournisseur, "DURAND", "Luc");
    auto vu = surModal<TFrmClients>([](TFrmClients& liste) {
        EXPECT_EQ(liste.findChild<QLabel*>("LblMessage")->text(), "Choisissez l'hôte parmi ceux qui portent ce nom.");
        EXPECT_EQ(nomsListe(liste), (QStringList{"DURAND", "Durand"}));
        liste.allerLigne(1);
        liste.findChild<QPushButton*>("BtnOk")->click();
    });
    const auto choisi = choix.RechercherHote("durand", "Marc");
    ASSERT_TRUE(*vu);
    ASSERT_TRUE(choisi.has_value());
    EXPECT_EQ(choisi->Identifiant, lea);
    EXPECT_EQ(choisi->Prenom, "Léa");

    // Nobody bears the name: every guest is offered; Quitter chooses nobody.
    vu = surModal<TFrmClients>([](TFrmClients& liste) {
        EXPECT_EQ(nomsListe(liste).size(), 3);
        liste.findChild<QPushButton*>("BtnQuitter")->click();
    });
    EXPECT_FALSE(choix.RechercherHote("Zola", "").has_value());
    EXPECT_TRUE(*vu);

    // Without names: the guest list.
    vu = surModal<TFrmClients>([](TFrmClients& liste) {
        EXPECT_EQ(liste.windowTitle(), "Liste des hôtes");
        liste.allerLigne(2);
        liste.findChild<QPushButton*>("BtnOk")->click();
    });
    const auto sansNom = choix.RechercherHote("", "");
    ASSERT_TRUE(*vu);
    ASSERT_TRUE(sansNom.has_value());
    EXPECT_EQ(sansNom->Nom, "MARTIN");
}

TEST_F(ChoixHote, FournisseurDepuisUnNomDeSociete)
{
    auto vu = surModal<TFrmClient>([](TFrmClient& fiche) {
        EXPECT_EQ(fiche.windowTitle(), "Fournisseur");
        EXPECT_EQ(fiche.findChild<QLineEdit*>("edSociete")->text(), "Boulangerie Moderne");
        fiche.frmContact()->edNom()->setText("MOREL");
        fiche.btnOK()->click();
    });
    const int id = choix.CreerFournisseur("Boulangerie Moderne");
    ASSERT_TRUE(*vu);
    EXPECT_GT(id, 0);
    EXPECT_EQ(velorin.contacts().FournisseurParSociete("boulangerie moderne"), id);

    vu = surModal<TFrmClient>([](TFrmClient& fiche) { fiche.btnAnnuler()->click(); });
    EXPECT_EQ(choix.CreerFournisseur("Autre"), -1);
    EXPECT_TRUE(*vu);
    EXPECT_EQ(valeur("SELECT COUNT(*) FROM Contact"), 1);
}
