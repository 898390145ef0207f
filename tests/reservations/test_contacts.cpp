#include "GiteTest.h"

#include "reservations/Contacts.h"

#include <QDir>

using namespace velorin;
using namespace velorin::test;

namespace {

class ContactsTest : public GiteTest {
protected:
    Contacts& contacts() { return velorin.contacts(); }
    int nombreContacts() { return valeur("SELECT COUNT(*) FROM Contact").toInt(); }
};

} // namespace

TEST_F(ContactsTest, CreerContactPrendLIdentifiantSouhaiteQuandIlEstLibre)
{
    contact(TypeContact::Hote, "MARTIN", {}, 17);
    contact(TypeContact::Fournisseur, "Boulangerie", {}, 30);
    struct Cas {
        int souhaite;
        int attendu;
    };
    // 17 is taken: the next after the largest (30); 18 is free; none wished.
    for (const Cas& cas : {Cas{17, 31}, Cas{18, 18}, Cas{-1, 32}, Cas{0, 33}}) {
        const TContact nouveau = contacts().CreerContact(TypeContact::Hote, cas.souhaite);
        EXPECT_EQ(nouveau.Identifiant, cas.attendu) << cas.souhaite;
        EXPECT_TRUE(nouveau.nouveau);
        EXPECT_EQ(nouveau.TypeContact, TypeContact::Hote);
        EXPECT_EQ(nouveau.Langue, "FR") << "default language of the options";
    }
    EXPECT_EQ(nombreContacts(), 2) << "a created contact waits for the edit screen's OK";
    EXPECT_TRUE(env.dialogues.textes().isEmpty());
}

TEST_F(ContactsTest, UnContactCreeEstEnregistreParLOkDeLEcran)
{
    TContact nouveau = contacts().CreerContact(TypeContact::Hote, 17);
    ASSERT_EQ(nouveau.Identifiant, 17);
    nouveau.Nom = "Dupont";
    nouveau.Prenom = "Jean";
    nouveau.Pays = "france";
    ASSERT_TRUE(contacts().EnregistrerContact(nouveau));
    EXPECT_FALSE(nouveau.nouveau);
    EXPECT_EQ(lignes("SELECT Identifiant, TypeContact, Nom, Prenom, Pays, Langue FROM Contact"),
        (QList<QVariantList>{{17, 2, "Dupont", "Jean", "FRANCE", "FR"}}));

    // Edited again through ModifierContact.
    TContact lu = contacts().ModifierContact(TypeContact::Hote, 17);
    ASSERT_EQ(lu.Identifiant, 17);
    EXPECT_EQ(lu.Nom, "Dupont");
    lu.Ville = "Lyon";
    ASSERT_TRUE(contacts().EnregistrerContact(lu));
    EXPECT_EQ(valeur("SELECT Ville FROM Contact WHERE Identifiant = 17"), "Lyon");
    EXPECT_EQ(nombreContacts(), 1);

    // Deleted meanwhile by another workstation: not silently lost.
    sql("DELETE FROM Contact");
    lu.Ville = "Lille";
    EXPECT_FALSE(contacts().EnregistrerContact(lu));
    EXPECT_EQ(
        env.dialogues.textes(), QStringList{"Erreur lors de la mise à jour d'un contact : le contact n'existe plus."});
}

TEST_F(ContactsTest, LIdentifiantSouhaitePrisEntreTempsEstRemplace)
{
    TContact nouveau = contacts().CreerContact(TypeContact::Hote, 17);
    ASSERT_EQ(nouveau.Identifiant, 17);
    contact(TypeContact::Hote, "AUTRE", {}, 17); // another workstation was quicker
    nouveau.Nom = "Dupont";
    ASSERT_TRUE(contacts().EnregistrerContact(nouveau));
    EXPECT_EQ(nouveau.Identifiant, 18);
    EXPECT_EQ(valeur("SELECT Nom FROM Contact WHERE Identifiant = 17"), "AUTRE");
    EXPECT_EQ(valeur("SELECT Nom FROM Contact WHERE Identifiant = 18"), "Dupont");
}

TEST_F(ContactsTest, UnHoteSansNomNiPrenomNEstPasEnregistre)
{
    TContact nouveau = contacts().CreerContact(TypeContact::Hote, -1);
    nouveau.Nom = "  ";
    EXPECT_FALSE(contacts().EnregistrerContact(nouveau));
    EXPECT_EQ(env.dialogues.textes(), QStringList{"Vous devez renseigner soit le nom, soit le prénom."});
    EXPECT_EQ(nombreContacts(), 0);
    EXPECT_TRUE(nouveau.nouveau);
}

TEST_F(ContactsTest, CreationDUnHoteDepuisLesNomsSaisis)
{
    TContact nouveau = contacts().CreerHoteNomme("Durand", "Léa");
    EXPECT_GT(nouveau.Identifiant, 0);
    EXPECT_EQ(nouveau.TypeContact, TypeContact::Hote);
    EXPECT_EQ(nouveau.Nom, "Durand");
    EXPECT_EQ(nouveau.Prenom, "Léa");
    EXPECT_EQ(nombreContacts(), 0);
    nouveau.Prenom = "Léane"; // as finally typed on the edit screen
    ASSERT_TRUE(contacts().EnregistrerContact(nouveau));
    EXPECT_EQ(contacts().ContactParNom("durand", "léane"), nouveau.Identifiant);

    const TContact fournisseur = contacts().CreerFournisseurNomme("Fromagerie");
    EXPECT_EQ(fournisseur.TypeContact, TypeContact::Fournisseur);
    EXPECT_EQ(fournisseur.Societe, "Fromagerie");
}

TEST_F(ContactsTest, ModifierUnContactAbsent)
{
    contact(TypeContact::Fournisseur, "X", {}, 4);
    EXPECT_EQ(contacts().ModifierContact(TypeContact::Hote, 4).Identifiant, 0) << "kind and identifier must match";
    EXPECT_EQ(env.dialogues.textes(), QStringList{"Mise à jour impossible, le contact n'a pas été trouvé."});
}

TEST_F(ContactsTest, ContactParNomIgnoreLaCasse)
{
    const int organisme = contact(TypeContact::OrganismeExterieur, "Office", "Tourisme");
    const int dupont = hote("DUPONT", "Jean");
    const int elodie = hote("ÉTIENNE", "Élodie");
    struct Cas {
        QString nom, prenom;
        int attendu;
    };
    for (const Cas& cas : {Cas{"dupont", "jean", dupont}, Cas{"Dupont", "JEAN", dupont},
             Cas{"étienne", "élodie", elodie}, Cas{"office", "tourisme", organisme}, Cas{"dupont", "", -1},
             Cas{"Dupont", "Jeanne", -1}, Cas{"Du'pont", "jean", -1}})
        EXPECT_EQ(contacts().ContactParNom(cas.nom, cas.prenom), cas.attendu)
            << cas.nom.toStdString() << " " << cas.prenom.toStdString();
}

TEST_F(ContactsTest, FournisseurParSocieteParmiLesSeulsFournisseurs)
{
    sql("INSERT INTO Contact (Identifiant, TypeContact, Societe) VALUES (1, 3, 'Boulangerie Dupain')");
    sql("INSERT INTO Contact (Identifiant, TypeContact, Societe) VALUES (2, 4, 'Boulangerie Dupain')");
    EXPECT_EQ(contacts().FournisseurParSociete("BOULANGERIE dupain"), 2);
    EXPECT_EQ(contacts().FournisseurParSociete("Epicerie"), -1);
}

TEST_F(ContactsTest, LecturesDUnContact)
{
    const int id = hote("Martin", "Paul");
    sql("UPDATE Contact SET Societe = 'SARL Martin', Langue = 'EN' WHERE Identifiant = ?", {id});
    const int sansLangue = hote("Sans", "Langue");
    sql("UPDATE Contact SET Langue = NULL WHERE Identifiant = ?", {sansLangue});

    QString nom = "avant", prenom = "avant", societe = "avant";
    EXPECT_FALSE(contacts().NomPrenomContact(99, nom, prenom));
    EXPECT_FALSE(contacts().SocieteContact(99, societe));
    EXPECT_EQ(nom, "avant");
    EXPECT_EQ(prenom, "avant");
    EXPECT_EQ(societe, "avant");
    EXPECT_TRUE(contacts().NomPrenomContact(id, nom, prenom));
    EXPECT_TRUE(contacts().SocieteContact(id, societe));
    EXPECT_EQ(nom, "Martin");
    EXPECT_EQ(prenom, "Paul");
    EXPECT_EQ(societe, "SARL Martin");

    EXPECT_EQ(contacts().LangueContact(id), "EN");
    EXPECT_EQ(contacts().LangueContact(99), "FR");
    EXPECT_EQ(contacts().LangueContact(sansLangue), "");
    EXPECT_TRUE(env.dialogues.textes().isEmpty());
}

TEST_F(ContactsTest, LangueSupprimableListeAuPlusQuinzeNoms)
{
    for (int i = 1; i <= 20; ++i) {
        const int id = hote(QStringLiteral("Nom%1").arg(i, 2, 10, QLatin1Char('0')));
        sql("UPDATE Contact SET Langue = 'DE' WHERE Identifiant = ?", {id});
    }
    hote("Autre"); // FR
    EXPECT_TRUE(contacts().LangueSupprimable("IT"));
    EXPECT_TRUE(env.dialogues.textes().isEmpty());

    EXPECT_FALSE(contacts().LangueSupprimable("de"));
    ASSERT_EQ(env.dialogues.textes().size(), 1);
    QString attendu = "Vous ne pouvez pas supprimer cette langue, car elle est attribuée à ces contacts :\n";
    for (int i = 1; i <= 15; ++i) attendu += QStringLiteral(" - Nom%1\n").arg(i, 2, 10, QLatin1Char('0'));
    attendu += "et 5 autres contacts.";
    EXPECT_EQ(env.dialogues.textes().first(), attendu);
}

TEST_F(ContactsTest, UnHoteQuiADesReservationsNePeutPasEtreSupprime)
{
    const int hote1 = hote("Dupont", "Jean");
    const int hote2 = hote("Libre", "Sans séjour");
    sql("INSERT INTO Reservation (Identifiant, IdContact, DateDeb, DateFin) VALUES (1, ?, '2026-07-01', '2026-07-03')",
        {hote1});
    sql("INSERT INTO Reservation (Identifiant, IdContact, DateDeb, DateFin) VALUES (2, ?, '2026-08-10', '2026-08-10')",
        {hote1});
    EXPECT_FALSE(contacts().PeutSupprimerContact(hote1));
    EXPECT_EQ(env.dialogues.textes(),
        QStringList{"Vous ne pouvez pas supprimer cet hôte, car il a effectué les réservations suivantes : "
                    "\n  - du 01/07/2026 au 04/07/2026\n  - du 10/08/2026 au 11/08/2026"});
    env.dialogues.vider();
    EXPECT_TRUE(contacts().PeutSupprimerContact(hote2));

    EXPECT_TRUE(contacts().SupprimerContact(hote2));
    EXPECT_FALSE(valeur("SELECT 1 FROM Contact WHERE Identifiant = ?", {hote2}).isValid());
}

TEST_F(ContactsTest, UnContactNommeSurUnBonCadeauOuUneFactureNePeutPasEtreSupprime)
{
    const int donateur = hote("Durand", "Marie");
    const int beneficiaire = hote("Durand", "Paul");
    const int facture = contact(TypeContact::OrganismeExterieur, "Comité", {}, 30);
    const int libre = hote("Libre", "Sans document");
    sql("INSERT INTO BonsCadeau (Identifiant, IdDonateur, IdBenef) VALUES (1, ?, ?)", {donateur, beneficiaire});
    sql("INSERT INTO Regroupements (Identifiant, IdContact) VALUES (1, ?)", {facture});
    sql("INSERT INTO Reservation (Identifiant, IdContact, DateDeb, DateFin) VALUES (1, ?, '2026-07-01', '2026-07-01')",
        {donateur});
    struct Cas {
        int contact;
        QString message;
    };
    const QList<Cas> cas{
        {donateur,
            "Vous ne pouvez pas supprimer cet hôte, car il a effectué les réservations suivantes : "
            "\n  - du 01/07/2026 au 02/07/2026\nVous ne pouvez pas supprimer ce contact, car il figure dans des bons "
            "cadeaux."},
        {beneficiaire, "Vous ne pouvez pas supprimer ce contact, car il figure dans des bons cadeaux."},
        {facture, "Vous ne pouvez pas supprimer ce contact, car il figure dans des factures."},
    };
    for (const Cas& c : cas) {
        env.dialogues.vider();
        EXPECT_FALSE(contacts().PeutSupprimerContact(c.contact)) << c.contact;
        EXPECT_EQ(env.dialogues.textes(), QStringList{c.message});
    }
    EXPECT_TRUE(contacts().PeutSupprimerContact(libre));
}

TEST_F(ContactsTest, UnFournisseurDesignePourDesDepensesNePeutPasEtreSupprime)
{
    const int fournisseur = contact(TypeContact::Fournisseur, "Boulanger", {}, 5);
    const int autre = contact(TypeContact::Fournisseur, "Primeur", {}, 6);
    sql("INSERT INTO DepRec (Identifiant, TypeEcr, DateEcr, Montant, IdRef) VALUES (1, 0, '2026-03-02', 12.5, 5)");
    // A receipt's reference is a reservation, whatever its number.
    sql("INSERT INTO DepRec (Identifiant, TypeEcr, DateEcr, Montant, IdRef) VALUES (2, 1, '2026-03-02', 80, 6)");
    EXPECT_FALSE(contacts().PeutSupprimerContact(fournisseur));
    EXPECT_EQ(env.dialogues.textes(),
        QStringList{"Vous ne pouvez pas supprimer ce fournisseur, car vous avez saisi des dépensesdont il est le "
                    "destinataire :\n  - le 02/03/2026 pour 12,5"});
    EXPECT_TRUE(contacts().PeutSupprimerContact(autre));
    EXPECT_TRUE(contacts().PeutSupprimerContact(contact(TypeContact::OrganismeExterieur, "Office")));
}

TEST_F(ContactsTest, AdresseDeLEtablissementSurUneLigne)
{
    EXPECT_EQ(contacts().AdresseHote(), "");
    sql("INSERT INTO Contact (Identifiant, TypeContact, Nom, Adr1, Adr2, CodPost, Ville) "
        "VALUES (1, 0, 'Les Tilleuls', '3 rue Haute', '', '26000', 'Valence')");
    EXPECT_EQ(contacts().AdresseHote(), "Les Tilleuls 3 rue Haute 26000 Valence");
}

TEST_F(ContactsTest, ListesDeChoixDeLEcranDeContact)
{
    sql("INSERT INTO Contact (Identifiant, TypeContact, Civilite, Pays, Origine, Mail) VALUES "
        "(1, 2, 'Docteur', 'FRANCE', 'Internet', 'a@x.fr'), (2, 2, 'madame', 'BELGIQUE', 'Bouche à oreille', NULL), "
        "(3, 3, NULL, 'FRANCE', 'Internet', 'office@tourisme.fr'), (4, 3, '', '', '', 'office@tourisme.fr')");
    EXPECT_EQ(contacts().ListeCivilites(),
        (QStringList{"", "Docteur", "Famille", "Madame", "Mademoiselle", "Monsieur", "Monsieur et Madame"}));
    EXPECT_EQ(contacts().ListePays(), (QStringList{"BELGIQUE", "FRANCE"}));
    EXPECT_EQ(contacts().ListeOrigines(), (QStringList{"Bouche à oreille", "Internet"}));
    EXPECT_EQ(contacts().AdressesCopie(), QStringList{"office@tourisme.fr"});
}

namespace {

struct CasSelection {
    const char* nom;
    CriteresSelectionHotes criteres;
    QStringList attendus;
};

} // namespace

TEST_F(ContactsTest, SelectionMulticritereDesHotes)
{
    using C = CriteresSelectionHotes;
    // Nom, Prenom, Pays, CodPost, Mail, Adr1, Ville
    const QList<QVariantList> hotes{
        {"Arnaud", "A", "FRANCE", "26000", "a@x.fr", "1 rue", "Valence"},
        {"Berger", "B", "FRANCE", "75001", "", "2 rue", "Paris"},
        {"Claes", "C", "BELGIQUE", "1000", "c@x.be", "", "Bruxelles"},
        {"Dubois", "D", "SUISSE", "1200", "d@x.ch", "4 rue", "Genève"},
        {"O'Neil", "E", "IRL'ANDE", "", "e@x.ie", "5 rue", "Cork"},
    };
    int id = 0;
    for (const QVariantList& h : hotes)
        sql("INSERT INTO Contact (Identifiant, TypeContact, Nom, Prenom, Pays, CodPost, Mail, Adr1, Ville) "
            "VALUES (?, 2, ?, ?, ?, ?, ?, ?, ?)",
            {++id, h[0], h[1], h[2], h[3], h[4], h[5], h[6]});
    contact(TypeContact::Fournisseur, "Fournisseur", {}, 50); // never a guest
    // Arnaud stayed on 2 and 3 July, Claes on 20 August.
    sql("INSERT INTO Reservation (Identifiant, IdContact, Etat) VALUES (1, 1, 3), (2, 3, 3)");
    sql("INSERT INTO Planning (IdPrest, Jour, IdReservation, Etat) VALUES "
        "(1, '2026-07-02', 1, 3), (1, '2026-07-03', 1, 3), (1, '2026-08-20', 2, 3)");

    C tous;
    C france;
    france.pays = C::Plage::Resident;
    france.paysDe = france.paysA = "FRANCE";
    C etranger = france;
    etranger.pays = C::Plage::NonResident;
    C apostrophe;
    apostrophe.pays = C::Plage::Resident;
    apostrophe.paysDe = apostrophe.paysA = "IRL'ANDE";
    C codes;
    codes.codePostal = C::Plage::Resident;
    codes.codePostalDe = "1000";
    codes.codePostalA = "26000";
    codes.tri = C::Tri::CodePostal;
    C sansMail;
    sansMail.mail = C::AdresseMail::SansAdresse;
    C avecMail;
    avecMail.mail = C::AdresseMail::AvecAdresse;
    C complete;
    complete.adresseComplete = true;
    C juillet;
    juillet.sejour = C::Sejour::OntSejourne;
    juillet.sejourDe = QDate(2026, 7, 31); // the earlier date is taken as the start
    juillet.sejourA = QDate(2026, 7, 1);
    C pasJuillet = juillet;
    pasJuillet.sejour = C::Sejour::NOntPasSejourne;
    C combine = avecMail;
    combine.sejour = C::Sejour::NOntPasSejourne;
    combine.sejourDe = combine.sejourA = QDate(2026, 8, 20);
    combine.pays = C::Plage::NonResident;
    combine.paysDe = "A";
    combine.paysA = "BZ";

    const QList<CasSelection> cas{
        {"tous", tous, {"Arnaud", "Berger", "Claes", "Dubois", "O'Neil"}},
        {"résidents FRANCE", france, {"Arnaud", "Berger"}},
        {"non résidents", etranger, {"Claes", "Dubois", "O'Neil"}},
        {"valeur avec apostrophe", apostrophe, {"O'Neil"}},
        {"codes postaux, tri par code", codes, {"Claes", "Dubois", "Arnaud"}},
        {"sans adresse mail", sansMail, {"Berger"}},
        {"avec adresse mail", avecMail, {"Arnaud", "Claes", "Dubois", "O'Neil"}},
        {"adresse complète", complete, {"Arnaud", "Berger", "Dubois"}},
        {"ont séjourné en juillet", juillet, {"Arnaud"}},
        {"n'ont pas séjourné en juillet", pasJuillet, {"Berger", "Claes", "Dubois", "O'Neil"}},
        {"critères combinés", combine, {"Arnaud", "Dubois", "O'Neil"}},
    };
    for (const CasSelection& c : cas) {
        const QList<QSqlRecord> lignes = velorin.contacts().SelectionnerHotes(c.criteres);
        QStringList noms;
        for (const QSqlRecord& ligne : lignes) noms.append(ligne.value("Nom").toString());
        EXPECT_EQ(noms, c.attendus) << c.nom;
        EXPECT_FALSE(Contacts::requeteSelection(c.criteres).sql.contains("FRANCE")) << "values are bound";
    }
    EXPECT_TRUE(env.dialogues.textes().isEmpty()) << env.dialogues.textes().join("\n").toStdString();

    const QList<QSqlRecord> affiches = velorin.contacts().SelectionnerHotes(tous);
    EXPECT_EQ(Contacts::valeursAffichees(affiches, "Pays"), (QStringList{"FRANCE", "BELGIQUE", "SUISSE", "IRL'ANDE"}));
    EXPECT_EQ(Contacts::texteCompteur(5, 0), "5 hôtes affichés");
    EXPECT_EQ(Contacts::texteCompteur(5, 2), "2 hôtes sélectionnés");
}

TEST_F(ContactsTest, LanguesTypeEtHomonymes)
{
    EXPECT_TRUE(contacts().ListeLangues().isEmpty()) << "no Langues folder yet";
    for (const char* langue : {"FR", "de", "EN"}) QDir().mkpath(env.donnees() + "/langues/" + langue);
    EXPECT_EQ(contacts().ListeLangues(), (QStringList{"de", "EN", "FR"})) << "folder names, letter case ignored";

    const int paul = hote("DURAND", "Paul");
    const int lea = hote("Durand", "Léa");
    const int eve = hote("ÉVRARD", "Ève");
    const int luc = contact(TypeContact::Fournisseur, "DURAND", "Luc");
    EXPECT_EQ(contacts().TypeDuContact(luc), TypeContact::Fournisseur);
    EXPECT_EQ(contacts().TypeDuContact(999), -1);

    struct Cas {
        QString nom;
        QString prenom;
        QList<int> attendus;
    };
    const QList<Cas> cas{
        {"durand", "Marc", {paul, lea}},
        {" Durand ", "", {paul, lea}},
        {"évrard", "", {eve}},
        {"", "ève", {eve}},
        {"", "", {}},
        {"ZOLA", "", {}},
    };
    for (const Cas& c : cas) EXPECT_EQ(contacts().HotesNommes(c.nom, c.prenom), c.attendus) << c.nom.toStdString();
    EXPECT_TRUE(env.dialogues.textes().isEmpty());
}
