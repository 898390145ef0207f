#include "EditeurTest.h"

#include <functional>

using namespace velorin;
using namespace velorin::test;

namespace {

const QString entete = "La réservation ne peut pas être enregistrée pour les raisons suivantes : ";

class EditeurValidation : public EditeurTest {
protected:
    // A reservation of Dupont on the blue room, 10 to 12 July, ready to be saved.
    void reservationValide() { nouvelleReservationDe("Dupont", "Jean", {bleue}, juillet(10), juillet(12)); }
};

struct Cas {
    const char* nom;
    std::function<void()> preparer;
    QString raison;
};

} // namespace

// Each case leaves one reason; nothing is written and the main window hears nothing.
TEST_F(EditeurValidation, ChaqueRaisonDeRefusEstMontreeEtRienNEstEcrit)
{
    const QList<Cas> cas{
        {"sans dernière nuit",
            [this] {
                reservationValide();
                date("edDateFin")->saisir({});
            },
            "- les deux dates de début et de fin doivent être renseignées"},
        {"fin avant le début",
            [this] {
                reservationValide();
                date("edDateDeb")->saisir(juillet(14));
            },
            "- la date de début doit être antérieure à la date de fin"},
        {"heure d'arrivée à moitié tapée",
            [this] {
                reservationValide();
                edit("edHeureArr")->setText("1");
            },
            "- l'heure d'arrivée doit être saisie sous la forme HH:MM"},
        {"hôte inconnu que l'on renonce à créer",
            [this] {
                nouvelleReservationDe("Durand", "Marc", {bleue}, juillet(10), juillet(12));
                env.dialogues.reponseParDefaut = false;
            },
            "- Vous avez renoncé à créer l'hôte inconnu"},
        {"option sans nom",
            [this] {
                cadre().NouvelleReservation(juillet(10), juillet(12), {bleue});
                liste("cbEtat")->setCurrentIndex(EtatReservation::Option);
            },
            "- vous devez renseigner le nom ou le prénom de l'hôte."},
        {"sans hébergement", [this] { nouvelleReservationDe("Dupont", "Jean", {}, juillet(10), juillet(12)); },
            "- Vous devez sélectionner au moins un hébergement"},
        {"sans type de réservation",
            [this] {
                reservationValide();
                liste("cbEtat")->setCurrentIndex(-1);
            },
            "- Vous devez sélectionner un type de réservation"},
        {"nombre de personnes en lettres",
            [this] {
                reservationValide();
                edit("edNbPers")->setText("deux");
            },
            "- Le nombre de personnes indiqué n'est pas numérique."},
        {"hébergement sans tarif",
            [this] { nouvelleReservationDe("Dupont", "Jean", {bleue}, QDate(2026, 9, 1), QDate(2026, 9, 3)); },
            // No tariff leaves the line without a price too: both are said.
            "- Vous n'avez pas sélectionné de tarif pour l'hébergement Chambre bleue"
            "\n- Le prix du tarif pour l'hébergement Chambre bleue est indéfini."},
        {"repas hors du séjour",
            [this] {
                reservationValide();
                repasChoisis = {{diner, true}};
                bouton("BtnAjouterRepas")->click();
                date("edDateDeb")->saisir(juillet(11));
            },
            "- Le repas saisi le 10/07/2026 ne correspond pas aux dates du séjour."},
        {"déjà payé plus que le prix",
            [this] {
                reservationValide();
                edit("edDejaPaye")->setText("300,01");
            },
            "- Le montant déjà payé ne peut pas être supérieur au prix total."},
        {"déjà payé illisible",
            [this] {
                reservationValide();
                edit("edDejaPaye")->setText("cent");
            },
            "- Le prix déjà payé n'est pas numérique."},
        {"arrhes fixes plus grandes que le prix",
            [this] {
                reglerOptions([](Options& o) {
                    o.ModeArrhes = 1;
                    o.ArrhesDefaut = 50;
                });
                reservationValide();
                taper("edAcompte", "301");
            },
            "- Le montant des arrhes ne peut pas être supérieur au prix total."},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        reglerOptions([](Options& o) { o.ModeArrhes = 0; });
        env.dialogues.reponseParDefaut = true;
        recreerCadre();
        env.dialogues.vider();
        c.preparer();
        env.dialogues.vider();

        EXPECT_FALSE(cadre().ValiderReservation());
        EXPECT_EQ(env.dialogues.textes(), QStringList{entete + "\n" + c.raison});
        EXPECT_FALSE(cadre().EnregistrerSiModifiee());
        EXPECT_EQ(compter("SELECT COUNT(*) FROM Reservation"), 0);
        EXPECT_EQ(compter("SELECT COUNT(*) FROM Planning"), 0);
        EXPECT_TRUE(principale.recus.isEmpty());
        sql("DELETE FROM Repas");
    }
    // A guest is never created on refusal.
    EXPECT_EQ(compter("SELECT COUNT(*) FROM Contact WHERE Nom = 'Durand'"), 0);
}

TEST_F(EditeurValidation, LesRaisonsSontToutesDonneesEnsembleDansLOrdre)
{
    cadre().NouvelleReservation(juillet(10), juillet(12), {});
    liste("cbEtat")->setCurrentIndex(EtatReservation::Reserve);
    date("edDateFin")->saisir({});
    edit("edNbPers")->setText("x");
    env.dialogues.vider();
    EXPECT_FALSE(cadre().ValiderReservation());
    EXPECT_EQ(dernierMessage(),
        entete
            + "\n- les deux dates de début et de fin doivent être renseignées"
              "\n- vous devez renseigner le nom ou le prénom de l'hôte."
              "\n- Vous devez sélectionner au moins un hébergement"
              "\n- Le nombre de personnes indiqué n'est pas numérique.");
}

TEST_F(EditeurValidation, UnJourPrisParUnAutreHoteRefuseLEnregistrementSansRienEcrire)
{
    TReservation autre;
    autre.IdContact = martin;
    autre.DateDeb = juillet(11);
    autre.DateFin = juillet(11);
    autre.Etat = EtatReservation::Reserve;
    autre.hebergements.append({bleue, hauteSaison, 90.91, 0, 9.09, 0, 100, 0, 100});
    ASSERT_TRUE(velorin.reservations().EnregistrerReservation(autre));
    nouvelleReservationDe("Dupont", "Jean", {bleue, verte}, juillet(10), juillet(12));
    articlesChoisis = {parking};
    bouton("BtnAjouterPrestation")->click();
    env.dialogues.vider();
    const QStringList avant = instantane(tablesSejour());

    EXPECT_FALSE(cadre().EnregistrerSiModifiee());

    EXPECT_EQ(env.dialogues.textes(),
        QStringList{entete
            + "\nL'hébergement Chambre bleue est déjà pré-réservé ou réservé par un autre hôte le "
              "11/07/2026"});
    EXPECT_EQ(instantane(tablesSejour()), avant);
    EXPECT_TRUE(principale.recus.isEmpty());
    EXPECT_TRUE(cadre().modifiee());
    EXPECT_EQ(cadre().reservationCourante(), -1);
}

TEST_F(EditeurValidation, UnHoteInconnuAccepteEstCreeAvecLeNomTapeDansSonEcran)
{
    int creations = 0;
    // The creation screen, where the names are corrected before the guest is stored.
    cadre().creerHote = [this, &creations](QString& nom, QString& prenom) {
        ++creations;
        nom = "DURAND";
        prenom = "Marc-Antoine";
        TContact hote = velorin.contacts().CreerHoteNomme(nom, prenom);
        return velorin.contacts().EnregistrerContact(hote);
    };
    nouvelleReservationDe("Durand", "Marc", {bleue}, juillet(10), juillet(12));
    ASSERT_TRUE(cadre().EnregistrerSiModifiee()) << dernierMessage().toStdString();
    EXPECT_EQ(env.dialogues.questions(), QStringList{"Cet hôte n'existe pas, voulez-vous le créer ?"});
    EXPECT_EQ(creations, 1);
    EXPECT_EQ(edit("edNom")->text(), "DURAND");
    EXPECT_EQ(edit("edPrenom")->text(), "Marc-Antoine");
    EXPECT_EQ(
        valeur("SELECT C.Prenom FROM Reservation R, Contact C WHERE C.Identifiant = R.IdContact"), "Marc-Antoine");
}

TEST_F(EditeurValidation, LaCreationParDefautEnregistreLHoteTelQuTape)
{
    nouvelleReservationDe("Durand", "Marc", {bleue}, juillet(10), juillet(12));
    ASSERT_TRUE(cadre().EnregistrerSiModifiee()) << dernierMessage().toStdString();
    EXPECT_EQ(lignes("SELECT C.Nom, C.Prenom, C.TypeContact, C.Langue FROM Reservation R, Contact C "
                     "WHERE C.Identifiant = R.IdContact"),
        (QList<QVariantList>{{"Durand", "Marc", 2, "FR"}}));
}

TEST_F(EditeurValidation, UneOptionSurLesJoursReservesDuMemeHoteDemandeConfirmation)
{
    TReservation r;
    r.IdContact = dupont;
    r.DateDeb = juillet(10);
    r.DateFin = juillet(10);
    r.Etat = EtatReservation::Reserve;
    r.hebergements.append({bleue, hauteSaison, 90.91, 0, 9.09, 0, 100, 0, 100});
    ASSERT_TRUE(velorin.reservations().EnregistrerReservation(r));
    ASSERT_TRUE(cadre().OuvrirReservation(r.Identifiant));
    liste("cbEtat")->setCurrentIndex(EtatReservation::Option);
    emit liste("cbEtat")->activated(EtatReservation::Option);
    env.dialogues.reponses.enqueue(false);

    EXPECT_FALSE(cadre().EnregistrerSiModifiee());
    EXPECT_EQ(env.dialogues.questions(),
        QStringList{"Confirmez-vous les actions suivantes ? \n\nPassage de l'état \"réservé\" à \"pré-réservé\" pour "
                    "l'hébergement Chambre bleue le 10/07/2026"});
    EXPECT_EQ(dernierMessage(), entete + "\nVous n'avez pas confirmé certaines actions.");
    EXPECT_EQ(valeur("SELECT Etat FROM Reservation"), 3);
}
