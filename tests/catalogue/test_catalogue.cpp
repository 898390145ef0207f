#include "CatalogueTest.h"

#include <gtest/gtest.h>

using namespace velorin;
using namespace velorin::test;

namespace {

const QString nomPris = u"Il existe déjà un hébergement, une prestation ou un repas portant ce nom.\n"
                        "Vous devez donner un autre nom."_qs;

QSqlRecord creerNomme(CatalogueTest& t, int typePrest, const QString& nom) {
    QSqlRecord ligne = t.catalogue().CreerPrestation(typePrest);
    ligne.setValue(u"Nom"_qs, nom);
    return ligne;
}

} // namespace

TEST(CreerPrestation, NumeroOrdreSuivantDansSonType) {
    struct Cas {
        const char* libelle;
        int hebergements; // already there, numbered 1..n
        int prestations;
        int type;
        int attendu;
    };
    for (const Cas& cas : {Cas{"premier hébergement", 0, 4, typeprest::Hebergement, 1},
                           Cas{"après 1, 2, 3", 3, 7, typeprest::Hebergement, 4},
                           Cas{"premier repas", 2, 2, typeprest::Repas, 1}}) {
        CatalogueTest t;
        for (int i = 0; i < cas.hebergements; ++i)
            t.hebergement(u"Chambre %1"_qs.arg(i));
        for (int i = 0; i < cas.prestations; ++i)
            t.item(typeprest::Prestation, u"Service %1"_qs.arg(i));
        const QSqlRecord ligne = t.catalogue().CreerPrestation(cas.type);
        ASSERT_FALSE(ligne.isEmpty()) << cas.libelle;
        EXPECT_EQ(ligne.value("NumOrdre").toInt(), cas.attendu) << cas.libelle;
        EXPECT_EQ(ligne.value("TypePrest").toInt(), cas.type);
        EXPECT_GT(ligne.value("Identifiant").toInt(), cas.hebergements + cas.prestations);
        EXPECT_EQ(ligne.value("TarifSimple").toInt(), 1);
        EXPECT_EQ(ligne.value("SansTVA").toInt(), 0);
        EXPECT_EQ(ligne.value("Taux1").toDouble(), 10);
        EXPECT_EQ(ligne.value("Taux2").toDouble(), 20);
        EXPECT_EQ(ligne.value("AffCouleur").toInt(), 0);
        // Not saved until the edit screen saves it.
        EXPECT_EQ(t.valeur("SELECT COUNT(*) FROM prestation").toInt(), cas.hebergements + cas.prestations);
    }
}

TEST(CreerPrestation, GenreInconnuRefuseAvecSonMessage) {
    CatalogueTest t;
    EXPECT_TRUE(t.catalogue().CreerPrestation(3).isEmpty());
    ASSERT_EQ(t.messages().size(), 1);
    EXPECT_TRUE(t.messages().first().startsWith(
        u"Erreur lors de la création d'un nouvel enregistrement dans la table prestations : "_qs));
}

TEST(EnregistrerPrestation, NomsUniquesTousGenresConfondus) {
    struct Cas {
        const char* libelle;
        int typeExistant;
        QString existant;
        int typeNouveau;
        QString nouveau;
        bool avertiEnQuittantLeChamp;
        bool enregistre;
    };
    const Cas lesCas[] = {
        {"même nom, autre genre", typeprest::Hebergement, u"Chambre bleue"_qs, typeprest::Prestation,
         u"Chambre bleue"_qs, true, false},
        {"même nom, même genre", typeprest::Repas, u"Petit déjeuner"_qs, typeprest::Repas,
         u"Petit déjeuner"_qs, true, false},
        {"apostrophe", typeprest::Hebergement, u"L'Oustal"_qs, typeprest::Hebergement, u"L'Oustal"_qs, true,
         false},
        {"casse A-Z seulement", typeprest::Hebergement, u"Chambre bleue"_qs, typeprest::Hebergement,
         u"chambre bleue"_qs, true, true},
        {"capitale accentuée", typeprest::Hebergement, u"été"_qs, typeprest::Hebergement, u"Été"_qs, false,
         true},
        {"autre nom", typeprest::Hebergement, u"Chambre bleue"_qs, typeprest::Hebergement,
         u"Chambre verte"_qs, false, true},
    };
    for (const Cas& cas : lesCas) {
        CatalogueTest t;
        t.item(cas.typeExistant, cas.existant);
        QSqlRecord ligne = creerNomme(t, cas.typeNouveau, cas.nouveau);
        EXPECT_EQ(t.catalogue().NomPrestationLibre(cas.nouveau, ligne.value("Identifiant").toInt()),
                  !cas.avertiEnQuittantLeChamp)
            << cas.libelle;
        t.env.dialogues.vider();
        EXPECT_EQ(t.catalogue().EnregistrerPrestation(ligne), cas.enregistre) << cas.libelle;
        EXPECT_EQ(t.valeur("SELECT COUNT(*) FROM prestation").toInt(), cas.enregistre ? 2 : 1) << cas.libelle;
        EXPECT_EQ(t.messages(), cas.enregistre ? QStringList() : QStringList{nomPris}) << cas.libelle;
    }
}

TEST(EnregistrerPrestation, NomVideOuTropLong) {
    CatalogueTest t;
    for (const QString& nom : {QString(), u"   "_qs}) {
        t.env.dialogues.vider();
        EXPECT_FALSE(t.catalogue().NomPrestationLibre(nom, -1));
        QSqlRecord ligne = creerNomme(t, typeprest::Hebergement, nom);
        EXPECT_FALSE(t.catalogue().EnregistrerPrestation(ligne));
        EXPECT_EQ(t.messages(),
                  (QStringList{u"Vous devez donner un nom."_qs, u"Vous devez donner un nom."_qs}));
    }
    QSqlRecord ligne = creerNomme(t, typeprest::Hebergement, QString(51, u'x'));
    EXPECT_FALSE(t.catalogue().EnregistrerPrestation(ligne));
    EXPECT_EQ(t.valeur("SELECT COUNT(*) FROM prestation").toInt(), 0);
}

TEST(EnregistrerPrestation, ModificationGardeSonNomSonGenreEtSonOrdre) {
    CatalogueTest t;
    const int a = t.hebergement(u"A"_qs);
    const int b = t.hebergement(u"B"_qs);
    QSqlRecord ligne = t.catalogue().ModifierPrestation(typeprest::Hebergement, b);
    ASSERT_FALSE(ligne.isEmpty());
    // Moved on another screen while this one was open.
    ASSERT_TRUE(t.catalogue().DeplacerPrestation(typeprest::Hebergement, b, -1));
    ligne.setValue(u"Capacite"_qs, 4);
    ligne.setValue(u"TypePrest"_qs, typeprest::Repas);
    ASSERT_TRUE(t.catalogue().EnregistrerPrestation(ligne)) << t.messages().join('\n').toStdString();
    EXPECT_EQ(
        t.lignes("SELECT Identifiant, TypePrest, NumOrdre, Capacite FROM prestation ORDER BY Identifiant"),
        (QList<QVariantList>{{a, 0, 2, QVariant()}, {b, 0, 1, 4}}));
}

TEST(EnregistrerPrestation, ReglesParGenre) {
    struct Cas {
        const char* libelle;
        int type;
        bool sansTVA;
        bool dansPourcent;
        bool tarifSimple;
        // Stored afterwards.
        int sansTVAStocke;
        int dansPourcentStocke;
        int tarifSimpleStocke;
        QVariantList montants; // Prix, HT1, Taux1, TVA1, TTC1, HT2, TTC2
    };
    const Cas lesCas[] = {
        {"service sans TVA",
         typeprest::Prestation,
         true,
         true,
         false,
         1,
         0,
         1,
         {12.5, 12.5, 0.0, 0.0, 12.5, 0.0, 0.0}},
        {"service avec TVA",
         typeprest::Prestation,
         false,
         false,
         true,
         0,
         0,
         1,
         {11.0, 10.0, 10.0, 1.0, 11.0, QVariant(), QVariant()}},
        {"hébergement jamais sans TVA",
         typeprest::Hebergement,
         true,
         true,
         false,
         0,
         1,
         0,
         {11.0, 10.0, 10.0, 1.0, 11.0, QVariant(), QVariant()}},
        {"repas",
         typeprest::Repas,
         true,
         true,
         false,
         0,
         0,
         1,
         {11.0, 10.0, 10.0, 1.0, 11.0, QVariant(), QVariant()}},
    };
    for (const Cas& cas : lesCas) {
        CatalogueTest t;
        QSqlRecord ligne = creerNomme(t, cas.type, u"Article"_qs);
        ligne.setValue(u"SansTVA"_qs, cas.sansTVA);
        ligne.setValue(u"DansPourcent"_qs, cas.dansPourcent);
        ligne.setValue(u"TarifSimple"_qs, cas.tarifSimple);
        // Price typed in Prix when without VAT; net part 1 typed otherwise.
        ligne.setValue(u"Prix"_qs, cas.sansTVA ? 12.5 : 0.0);
        if (!cas.sansTVA || cas.type != typeprest::Prestation) {
            ligne.setValue(u"Prix"_qs, 12.5); // stale, follows the parts
            ligne.setValue(u"HT1"_qs, 10.0);
            calculerDepuisHT(ligne, 1);
        }
        ASSERT_TRUE(t.catalogue().EnregistrerPrestation(ligne)) << cas.libelle;
        EXPECT_EQ(t.lignes("SELECT SansTVA, DansPourcent, TarifSimple FROM prestation"),
                  (QList<QVariantList>{{cas.sansTVAStocke, cas.dansPourcentStocke, cas.tarifSimpleStocke}}))
            << cas.libelle;
        EXPECT_EQ(t.lignes("SELECT Prix, HT1, Taux1, TVA1, TTC1, HT2, TTC2 FROM prestation"),
                  QList<QVariantList>{cas.montants})
            << cas.libelle;
    }
}

TEST(ModifierPrestation, ServiceSansTVAOuvertAvecTauxNuls) {
    CatalogueTest t;
    const int id = t.item(typeprest::Prestation, u"Ménage"_qs, 30);
    t.sql("UPDATE prestation SET SansTVA = 1");
    const QSqlRecord ligne = t.catalogue().ModifierPrestation(typeprest::Prestation, id);
    for (const char* colonne : {"Taux1", "Taux2", "TVA1", "TVA2"})
        EXPECT_EQ(ligne.value(colonne).toDouble(), 0) << colonne;
    EXPECT_EQ(ligne.value("Prix").toDouble(), 30);

    EXPECT_TRUE(t.catalogue().ModifierPrestation(typeprest::Hebergement, id).isEmpty()) << "another kind";
    EXPECT_EQ(t.messages(), QStringList{u"Mise à jour impossible, la prestation n'a pas été trouvée."_qs});
}

TEST(DeplacerPrestation, EchangeAvecSonVoisin) {
    struct Cas {
        const char* libelle;
        int rang; // 0-based among the three accommodations
        int direction;
        bool deplace;
        QList<int> ordres; // NumOrdre of the three accommodations afterwards
    };
    for (const Cas& cas : {Cas{"le premier ne monte pas", 0, -1, false, {1, 2, 3}},
                           Cas{"le dernier ne descend pas", 2, 1, false, {1, 2, 3}},
                           Cas{"le deuxième descend", 1, 1, true, {1, 3, 2}},
                           Cas{"le deuxième monte", 1, -1, true, {2, 1, 3}}}) {
        CatalogueTest t;
        QList<int> ids;
        for (const char* nom : {"A", "B", "C"})
            ids.append(t.hebergement(nom));
        const int service = t.item(typeprest::Prestation, u"Service"_qs);
        t.item(typeprest::Prestation, u"Autre service"_qs);
        EXPECT_EQ(t.catalogue().DeplacerPrestation(typeprest::Hebergement, ids.at(cas.rang), cas.direction),
                  cas.deplace)
            << cas.libelle;
        QList<int> ordres;
        for (int id : ids)
            ordres.append(t.valeur("SELECT NumOrdre FROM prestation WHERE Identifiant = ?", {id}).toInt());
        EXPECT_EQ(ordres, cas.ordres) << cas.libelle;
        EXPECT_EQ(t.valeur("SELECT NumOrdre FROM prestation WHERE Identifiant = ?", {service}).toInt(), 1)
            << "other kinds keep their order";
    }
}

TEST(ListerChambres, OrdreEtCouleurDuPlanning) {
    CatalogueTest t;
    const int a = t.hebergement(u"Zinnia"_qs);
    const int b = t.hebergement(u"Azalée"_qs);
    const int c = t.hebergement(u"Bleuet"_qs);
    t.item(typeprest::Prestation, u"Ménage"_qs);
    t.sql("UPDATE prestation SET AffCouleur = 1, Couleur = 255, Capacite = 2, DansPourcent = 1 WHERE "
          "Identifiant = ?",
          {a});
    t.sql("UPDATE prestation SET AffCouleur = 0, Couleur = 65280 WHERE Identifiant = ?", {b});
    t.sql("UPDATE prestation SET AffCouleur = 1, Couleur = NULL WHERE Identifiant = ?", {c});
    const TListeChambres chambres = t.catalogue().ListerChambres();
    ASSERT_EQ(chambres.size(), 3);
    EXPECT_EQ(chambres[0].Nom, u"Zinnia"_qs);
    EXPECT_EQ(chambres[0].Couleur, 255);
    EXPECT_EQ(chambres[0].Capacite, 2);
    EXPECT_TRUE(chambres[0].DansPourcent);
    EXPECT_EQ(chambres[1].Couleur, -1) << "AffCouleur false";
    EXPECT_EQ(chambres[2].Couleur, -1) << "no colour chosen";

    const TListeHeb parNom = t.catalogue().ListerHebergements();
    ASSERT_EQ(parNom.size(), 3);
    EXPECT_EQ(parNom[0].Identifiant, b);
    EXPECT_EQ(parNom[2].Identifiant, a);
    EXPECT_FALSE(parNom[0].Source || parNom[0].Destination);
}

TEST(CatalogueUtilisable, UnHebergementEtUnTypeDeTarif) {
    struct Cas {
        bool hebergement;
        bool service;
        bool typeTarif;
        bool attendu;
    };
    for (const Cas& cas : {Cas{false, false, false, false}, Cas{true, false, false, false},
                           Cas{false, true, true, false}, Cas{true, false, true, true}}) {
        CatalogueTest t;
        if (cas.hebergement) t.hebergement(u"Chambre"_qs);
        if (cas.service) t.item(typeprest::Prestation, u"Ménage"_qs);
        if (cas.typeTarif) t.typeTarif(u"Saison"_qs, jour(2024, 1, 1), jour(2024, 12, 31));
        EXPECT_EQ(t.catalogue().CatalogueUtilisable(), cas.attendu);
    }
}

TEST(SupprimerPrestation, JoursFermesSupprimesJoursReservesRefuses) {
    for (const int etat : {0, 2, 3}) {
        CatalogueTest t;
        const int chambre = t.hebergement(u"Chambre"_qs);
        const int autre = t.hebergement(u"Autre"_qs);
        const int type = t.typeTarif(u"Saison"_qs, jour(2024, 1, 1), jour(2024, 12, 31));
        t.tarif(chambre, type, 90.91, 9.09, 100);
        t.tarif(autre, type, 90.91, 9.09, 100);
        const int res = t.reservation(jour(2024, 7, 1), jour(2024, 7, 2));
        t.planning(chambre, jour(2024, 6, 1), 99, 0);
        t.planning(chambre, jour(2024, 7, 1), res, etat);
        t.planning(autre, jour(2024, 7, 1), res, 3);
        t.sql("INSERT INTO PrestCompl (Identifiant, IdReservation, IdPrest, TypePrest) VALUES (1, ?, ?, 1)",
              {res, chambre});

        const bool attendu = etat == 0;
        EXPECT_EQ(t.catalogue().PeutSupprimer(suppression::Prestation, chambre), attendu) << etat;
        EXPECT_EQ(t.catalogue().SupprimerPrestation(chambre), attendu) << etat;
        const QString refus =
            u"Vous ne pouvez pas supprimer cet hébergement, car il est soit réservé, soit pré-réservé."_qs;
        EXPECT_EQ(t.messages(), attendu ? QStringList() : (QStringList{refus, refus})) << etat;
        EXPECT_EQ(t.valeur("SELECT COUNT(*) FROM prestation").toInt(), attendu ? 1 : 2);
        EXPECT_EQ(t.valeur("SELECT COUNT(*) FROM Tarifs").toInt(), attendu ? 1 : 2);
        EXPECT_EQ(t.valeur("SELECT COUNT(*) FROM Planning").toInt(), attendu ? 1 : 3);
        EXPECT_EQ(t.valeur("SELECT COUNT(*) FROM PrestCompl").toInt(), 1) << "stay lines are kept";
    }
}

TEST(PeutSupprimer, RaisonsDuRefus) {
    struct Cas {
        const char* libelle;
        std::function<int(CatalogueTest&)> preparer; // the record to delete
        int genre;
        QString message; // empty: may be deleted
    };
    const QList<Cas> lesCas{
        {"type de tarif libre",
         [](CatalogueTest& t) {
             const int type = t.typeTarif(u"Saison"_qs, jour(2024, 1, 1), jour(2024, 12, 31));
             t.tarif(t.hebergement(u"Chambre"_qs), type, 0, 0, 0, false);
             return type;
         },
         suppression::TypeTarif, QString()},
        {"type de tarif applicable et utilisé",
         [](CatalogueTest& t) {
             const int type = t.typeTarif(u"Semaine"_qs, jour(2024, 1, 1), jour(2024, 12, 31), 7);
             const int bleue = t.hebergement(u"Bleue"_qs);
             const int rose = t.hebergement(u"Rose"_qs);
             t.tarif(rose, type, 0, 0, 0);
             t.tarif(bleue, type, 0, 0, 0);
             t.tarif(t.hebergement(u"Verte"_qs), type, 0, 0, 0, false);
             const int res = t.reservation(jour(2024, 7, 1), jour(2024, 7, 7));
             for (int i = 0; i < 7; ++i)
                 t.planning(bleue, jour(2024, 7, 1 + i), res, 3, type);
             return type;
         },
         suppression::TypeTarif,
         u"Ce type de tarif ne peut pas être supprimé pour les raisons suivantes\n"
         "Le type de tarif est applicable au(x) hébergements suivant(s) : \n"
         "- l'hébergement Bleue\n"
         "- l'hébergement Rose\n"
         "Le type de tarif est utilisé dans la ou les réservations suivantes : \n"
         "- du 01/07/2024 au 07/07/2024"_qs},
        {"hôte avec réservations",
         [](CatalogueTest& t) {
             const int hote = t.contact(2, u"Martin"_qs);
             t.reservation(jour(2024, 8, 10), jour(2024, 8, 12), hote);
             t.reservation(jour(2024, 3, 30), jour(2024, 3, 31), hote);
             t.reservation(jour(2024, 5, 1), jour(2024, 5, 2), t.contact(2, u"Autre"_qs));
             return hote;
         },
         suppression::Contact,
         u"Vous ne pouvez pas supprimer cet hôte, car il a effectué les réservations suivantes : \n"
         "  - du 30/03/2024 au 01/04/2024\n"
         "  - du 10/08/2024 au 13/08/2024"_qs},
        {"hôte sans réservation", [](CatalogueTest& t) { return t.contact(2, u"Martin"_qs); },
         suppression::Contact, QString()},
        {"fournisseur avec dépenses",
         [](CatalogueTest& t) {
             const int fournisseur = t.contact(4, u"Blanchisserie"_qs);
             t.ecriture(0, jour(2024, 2, 3), 12.5, fournisseur);
             t.ecriture(0, jour(2024, 1, 15), 40, fournisseur);
             // An income entry naming the reservation of the same number is no expense of his.
             t.ecriture(1, jour(2024, 1, 20), 99, fournisseur);
             return fournisseur;
         },
         suppression::Contact,
         u"Vous ne pouvez pas supprimer ce fournisseur, car vous avez saisi des dépensesdont il est le "
         u"destinataire :\n"
         "  - le 15/01/2024 pour 40\n"
         "  - le 03/02/2024 pour 12,5"_qs},
        {"fournisseur dont seul le numéro est celui d'une réservation payée",
         [](CatalogueTest& t) {
             const int fournisseur = t.contact(4, u"Blanchisserie"_qs);
             t.ecriture(1, jour(2024, 1, 20), 99, fournisseur);
             return fournisseur;
         },
         suppression::Contact, QString()},
        {"organisme", [](CatalogueTest& t) { return t.contact(3, u"Office"_qs); }, suppression::Contact,
         QString()},
        {"mode de paiement utilisé",
         [](CatalogueTest& t) {
             t.ecriture(1, jour(2024, 1, 20), 99, 0, 3);
             return 3;
         },
         suppression::ModePaie,
         u"Vous ne pouvez pas supprimer ce mode de paiement, car il est utilisé pour des encaissements ou "
         u"des "
         "dépenses."_qs},
        {"mode de paiement libre",
         [](CatalogueTest& t) {
             t.ecriture(1, jour(2024, 1, 20), 99, 0, 3);
             return 2;
         },
         suppression::ModePaie, QString()},
        {"type de commission utilisé",
         [](CatalogueTest& t) {
             const int com = t.typeCom(u"Agence"_qs, 2, 10);
             t.reservation(jour(2024, 9, 1), jour(2024, 9, 3), -1, com);
             t.reservation(jour(2024, 6, 1), jour(2024, 6, 3), -1, com);
             return com;
         },
         suppression::TypeCom,
         u"Le type de commission ne peut pas être supprimé car il est utilisé dans la ou les réservations "
         u"suivantes : \n"
         "- du 01/06/2024 au 03/06/2024\n"
         "- du 01/09/2024 au 03/09/2024\n"_qs},
        {"service, toujours", [](CatalogueTest& t) { return t.item(typeprest::Prestation, u"Ménage"_qs); },
         suppression::Prestation, QString()},
        {"genre non contrôlé", [](CatalogueTest&) { return 1; }, 2, QString()},
    };
    for (const Cas& cas : lesCas) {
        CatalogueTest t;
        const int id = cas.preparer(t);
        EXPECT_EQ(t.catalogue().PeutSupprimer(cas.genre, id), cas.message.isEmpty()) << cas.libelle;
        EXPECT_EQ(t.messages(), cas.message.isEmpty() ? QStringList() : QStringList{cas.message})
            << cas.libelle;
    }
}

TEST(PeutSupprimer, QuinzeReservationsPuisLeCompteDesAutres) {
    for (const int genre : {suppression::TypeTarif, suppression::TypeCom}) {
        CatalogueTest t;
        const int chambre = t.hebergement(u"Chambre"_qs);
        const int type = t.typeTarif(u"Nuit"_qs, jour(2024, 1, 1), jour(2024, 12, 31));
        const int com = t.typeCom(u"Agence"_qs, 2, 10);
        Transaction lot(t.base());
        for (int i = 0; i < 20; ++i) {
            const QDate debut = jour(2024, 1, 1).addDays(7 * i);
            const int res = t.reservation(debut, debut.addDays(6), -1, com);
            for (int n = 0; n < 7; ++n)
                t.planning(chambre, debut.addDays(n), res, 3, type);
        }
        lot.valider();
        EXPECT_FALSE(t.catalogue().PeutSupprimer(genre, genre == suppression::TypeTarif ? type : com));
        ASSERT_EQ(t.messages().size(), 1);
        const QStringList lignes = t.messages().first().split(u'\n', Qt::SkipEmptyParts);
        EXPECT_EQ(lignes.count(u"- du 01/01/2024 au 07/01/2024"_qs), 1) << "each reservation listed once";
        EXPECT_EQ(lignes.filter(u"- du "_qs).size(), 15);
        EXPECT_EQ(lignes.last(), u"et 5 autres réservations"_qs);
    }
}

TEST(PeutSupprimer, ErreurSignalee) {
    CatalogueTest t;
    t.sql("DROP TABLE DepRec");
    EXPECT_FALSE(t.catalogue().PeutSupprimer(suppression::ModePaie, 1));
    ASSERT_EQ(t.messages().size(), 1);
    EXPECT_TRUE(t.messages().first().startsWith(
        u"Imposssible de déterminer si cet enregistrement peut être supprimé : "_qs));
}

TEST(CreerDemiPension, CreeUneSeuleFois) {
    struct Cas {
        QString reponse;
        QString nom;
    };
    for (const Cas& cas : {Cas{u"Demi-pension"_qs, u"Demi-pension"_qs}, Cas{QString(), u"Inclus 1/2 P"_qs}}) {
        CatalogueTest t;
        int questions = 0;
        const auto demander = [&] {
            ++questions;
            return cas.reponse;
        };
        const int id = t.catalogue().CreerDemiPension(demander);
        ASSERT_GT(id, 0);
        EXPECT_EQ(
            t.lignes("SELECT Identifiant, TypePrest, Nom, TarifSimple, Prix, SansTVA, Taux1 FROM prestation"),
            (QList<QVariantList>{{id, 3, cas.nom, 1, 0.0, 0, 10.0}}));
        EXPECT_EQ(t.catalogue().CreerDemiPension(demander), id);
        EXPECT_EQ(questions, 1) << "asked only when missing";
    }
}

TEST(CreerDemiPension, NomDejaPrisRefuse) {
    CatalogueTest t;
    t.item(typeprest::Repas, u"Inclus 1/2 P"_qs);
    EXPECT_EQ(t.catalogue().CreerDemiPension([] { return QString(); }), 0);
    EXPECT_EQ(t.messages(), QStringList{nomPris});
    EXPECT_EQ(t.valeur("SELECT COUNT(*) FROM prestation WHERE TypePrest = 3").toInt(), 0);
}

TEST(DescriptionPrestation, TexteOuVide) {
    CatalogueTest t;
    const int id = t.hebergement(u"Chambre"_qs);
    t.sql("UPDATE prestation SET Description = '{\\rtf1 Vue sur mer}'");
    EXPECT_EQ(t.catalogue().DescriptionPrestation(id), u"{\\rtf1 Vue sur mer}"_qs);
    EXPECT_EQ(t.catalogue().DescriptionPrestation(id + 1), QString());
}
