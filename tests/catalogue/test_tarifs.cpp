#include "CatalogueTest.h"

#include <gtest/gtest.h>

using namespace velorin;
using namespace velorin::test;

TEST(CreerTypeTarif, ValeursInitialesPuisEnregistrement) {
    CatalogueTest t;
    QSqlRecord ligne = t.tarification().CreerTypeTarif();
    ASSERT_FALSE(ligne.isEmpty());
    EXPECT_EQ(ligne.value("NbJours").toInt(), 1);
    EXPECT_EQ(ligne.value("AvecRepas").toInt(), 0);
    for (const char* jourSemaine : {"Lu", "Ma", "Me", "Je", "Ve", "Sa", "Di"})
        EXPECT_EQ(ligne.value(jourSemaine), QVariant(0)) << jourSemaine;
    EXPECT_EQ(t.valeur("SELECT COUNT(*) FROM TypeTarif").toInt(), 0) << "not saved yet";

    ligne.setValue("Nom", u"Haute saison"_qs);
    ligne.setValue("Per_Deb", QDate(2024, 7, 1));
    ligne.setValue("Per_Fin", QDate(2024, 8, 31));
    ASSERT_TRUE(t.tarification().EnregistrerTypeTarif(ligne)) << t.messages().join('\n').toStdString();
    EXPECT_EQ(
        t.lignes("SELECT Identifiant, Nom, NbJours, Per_Deb, Per_Fin FROM TypeTarif"),
        (QList<QVariantList>{{ligne.value("Identifiant"), "Haute saison", 1, "2024-07-01", "2024-08-31"}}));

    QSqlRecord modifie = t.tarification().ModifierTypeTarif(ligne.value("Identifiant").toInt());
    modifie.setValue("NbJours", 7);
    ASSERT_TRUE(t.tarification().EnregistrerTypeTarif(modifie));
    EXPECT_EQ(t.valeur("SELECT NbJours FROM TypeTarif").toInt(), 7);

    EXPECT_TRUE(t.tarification().ModifierTypeTarif(99).isEmpty());
    EXPECT_EQ(t.messages(), QStringList{u"Mise à jour impossible, le type de tarif n'a pas été trouvé."_qs});
}

TEST(TypeTarifBeforePost, Refus) {
    struct Cas {
        const char* libelle;
        QString nom;
        QVariant nbJours;
        QString message; // empty: accepted
    };
    const Cas lesCas[] = {
        {"nom vide", QString(), 1, u"Vous devez donner un nom à votre type de tarif."_qs},
        {"nom blanc", u"  "_qs, 1, u"Vous devez donner un nom à votre type de tarif."_qs},
        {"nom d'un autre type", u"BASSE SAISON"_qs, 1,
         u"Il existe déjà un type de tarif portant ce nom.\nVous devez donner un autre nom."_qs},
        {"nom du prix unique", u"Tarif simple"_qs, 1,
         u"Le nom « Tarif simple » est réservé au prix unique des hébergements."_qs},
        {"aucun jour", u"Week-end"_qs, 0, u"Le tarif doit s'appliquer à au moins un jour."_qs},
        {"nombre de jours vide", u"Week-end"_qs, QVariant(),
         u"Le tarif doit s'appliquer à au moins un jour."_qs},
        {"accepté", u"Week-end"_qs, 2, QString()},
    };
    for (const Cas& cas : lesCas) {
        CatalogueTest t;
        t.typeTarif(u"Basse saison"_qs, jour(2024, 1, 1), jour(2024, 3, 31));
        QSqlRecord ligne = t.tarification().CreerTypeTarif();
        ligne.setValue("Nom", cas.nom);
        ligne.setValue("NbJours", cas.nbJours);
        EXPECT_EQ(t.tarification().TypeTarifBeforePost(ligne), cas.message.isEmpty()) << cas.libelle;
        EXPECT_EQ(t.tarification().EnregistrerTypeTarif(ligne), cas.message.isEmpty()) << cas.libelle;
        const QStringList attendus =
            cas.message.isEmpty() ? QStringList() : QStringList{cas.message, cas.message};
        EXPECT_EQ(t.messages(), attendus) << cas.libelle;
        EXPECT_EQ(t.valeur("SELECT COUNT(*) FROM TypeTarif").toInt(), cas.message.isEmpty() ? 2 : 1)
            << cas.libelle;
    }
}

TEST(CompleterTarifs, UneLigneParTypeAuxTauxActuels) {
    CatalogueTest t;
    const int chambre = t.hebergement(u"Chambre"_qs);
    const int saison = t.typeTarif(u"Saison"_qs, jour(2024, 1, 1), jour(2024, 12, 31));
    const int semaine = t.typeTarif(u"Semaine"_qs, jour(2024, 1, 1), jour(2024, 12, 31), 7);
    // Entered at the former rate of 5.5 %.
    t.tarif(chambre, saison, 94.79, 5.21, 100, false, 5.5);
    const int service = t.item(typeprest::Prestation, u"Ménage"_qs);

    ASSERT_TRUE(t.tarification().CompleterTarifs(chambre));
    EXPECT_EQ(t.lignes("SELECT IdTarif, Applicable, Prix, HT1, TVA1, TTC1, Taux1, Taux2 FROM Tarifs "
                       "WHERE IdPrest = ? ORDER BY IdTarif",
                       {chambre}),
              (QList<QVariantList>{{saison, 0, 100.0, 94.79, 5.21, 100.0, 10.0, 20.0},
                                   {semaine, 1, 0.0, QVariant(), QVariant(), QVariant(), 10.0, 20.0}}));
    ASSERT_TRUE(t.tarification().CompleterTarifs(chambre));
    EXPECT_EQ(t.valeur("SELECT COUNT(*) FROM Tarifs").toInt(), 2) << "completed once";

    ASSERT_TRUE(t.tarification().CompleterTarifs(service));
    EXPECT_EQ(t.valeur("SELECT COUNT(*) FROM Tarifs WHERE IdPrest = ?", {service}).toInt(), 0);

    const QList<QSqlRecord> grille = t.tarification().TarifsHebergement(chambre);
    ASSERT_EQ(grille.size(), 2);
    EXPECT_EQ(grille[0].value("Libelle").toString(), u"Saison"_qs);
    EXPECT_EQ(grille[1].value("Libelle").toString(), u"Semaine"_qs);
}

TEST(EnregistrerTarif, PrixSuitLesMontants) {
    CatalogueTest t;
    const int chambre = t.hebergement(u"Chambre"_qs);
    const int saison = t.typeTarif(u"Saison"_qs, jour(2024, 1, 1), jour(2024, 12, 31));
    t.tarification().CompleterTarifs(chambre);
    QSqlRecord ligne = t.tarification().TarifsHebergement(chambre).first();
    SaisieTVA saisie(10, 20);
    ASSERT_TRUE(saisie.saisirTTC(ligne, 1, 50.0));
    ASSERT_TRUE(saisie.saisirTTC(ligne, 2, 12.0));
    ligne.setValue("Applicable", false);
    ligne.setValue("IdTarif", 99); // not the grid's to change
    ASSERT_TRUE(t.tarification().EnregistrerTarif(ligne));
    EXPECT_EQ(t.lignes("SELECT IdTarif, Applicable, Prix, HT1, TVA1, TTC1, HT2, TVA2, TTC2 FROM Tarifs"),
              (QList<QVariantList>{{saison, 0, 62.0, 45.45, 4.55, 50.0, 10.0, 2.0, 12.0}}));
}

TEST(CopierTarifs, LaDestinationRecoitExactementLesTarifsDeLaSource) {
    CatalogueTest t;
    const int source = t.hebergement(u"Source"_qs);
    const int destination = t.hebergement(u"Destination"_qs);
    const int autre = t.hebergement(u"Autre"_qs);
    const int saison = t.typeTarif(u"Saison"_qs, jour(2024, 1, 1), jour(2024, 12, 31));
    const int semaine = t.typeTarif(u"Semaine"_qs, jour(2024, 1, 1), jour(2024, 12, 31), 7);
    t.tarif(source, saison, 90.91, 9.09, 100);
    t.tarif(source, semaine, 545.45, 54.55, 600, false);
    // Its rows for the types of the source, a second one for a type, one of a type since deleted.
    t.tarif(destination, saison, 45.45, 4.55, 50);
    t.tarif(destination, saison, 45.45, 4.55, 50);
    t.tarif(destination, semaine, 45.45, 4.55, 50);
    t.tarif(destination, 99, 45.45, 4.55, 50);
    t.tarif(autre, saison, 1, 0, 1);
    // Added after the source was last opened: the source is completed before the copy.
    const int nouveau = t.typeTarif(u"Nouveau"_qs, jour(2025, 1, 1), jour(2025, 12, 31));

    TListeHeb liste = t.catalogue().ListerHebergements();
    for (TSelHeb& entree : liste) {
        entree.Source = entree.Identifiant == source;
        entree.Destination = entree.Identifiant == destination || entree.Identifiant == source;
    }
    ProgressionTest progression;
    ASSERT_TRUE(t.tarification().CopierTarifs(liste, &progression)) << t.messages().join('\n').toStdString();

    const QString lecture = u"SELECT IdTarif, Applicable, Prix, HT1, TVA1, TTC1, Taux1 FROM Tarifs "
                            "WHERE IdPrest = ? ORDER BY IdTarif"_qs;
    const QList<QVariantList> attendus{{saison, 1, 100.0, 90.91, 9.09, 100.0, 10.0},
                                       {semaine, 0, 600.0, 545.45, 54.55, 600.0, 10.0},
                                       {nouveau, 1, 0.0, QVariant(), QVariant(), QVariant(), 10.0}};
    EXPECT_EQ(t.lignes(lecture, {destination}), attendus);
    EXPECT_EQ(t.lignes(lecture, {source}), attendus) << "the source is not its own destination";
    EXPECT_EQ(t.lignes(lecture, {autre}), (QList<QVariantList>{{saison, 1, 1.0, 1.0, 0.0, 1.0, 10.0}}));
    EXPECT_EQ(t.valeur("SELECT COUNT(DISTINCT Identifiant) FROM Tarifs").toInt(),
              t.valeur("SELECT COUNT(*) FROM Tarifs").toInt());
    EXPECT_EQ(progression.maximum(), 3);
    EXPECT_EQ(progression.positions, (QList<int>{0, 1, 1, 2, 3, 3}));
    EXPECT_EQ(progression.traitements, 6);
}

TEST(CopierTarifs, SansSourceRienNeChange) {
    CatalogueTest t;
    const int destination = t.hebergement(u"Destination"_qs);
    t.tarif(destination, t.typeTarif(u"Saison"_qs, jour(2024, 1, 1), jour(2024, 12, 31)), 45.45, 4.55, 50);
    EXPECT_FALSE(t.tarification().CopierTarifs({TSelHeb{destination, u"Destination"_qs, false, true}}));
    EXPECT_EQ(
        t.messages(),
        QStringList{u"Erreur pendant la copie des tarifs : Aucun hébergement source n'est sélectionné."_qs});
    EXPECT_EQ(t.valeur("SELECT COUNT(*) FROM Tarifs").toInt(), 1);
}

TEST(SupprimerTypeTarif, AvecSesTarifs) {
    CatalogueTest t;
    const int chambre = t.hebergement(u"Chambre"_qs);
    const int saison = t.typeTarif(u"Saison"_qs, jour(2024, 1, 1), jour(2024, 12, 31));
    const int semaine = t.typeTarif(u"Semaine"_qs, jour(2024, 1, 1), jour(2024, 12, 31), 7);
    t.tarif(chambre, saison, 90.91, 9.09, 100);
    t.tarif(chambre, semaine, 90.91, 9.09, 100);
    t.planning(chambre, jour(2023, 7, 1), 1, 3, saison);
    ASSERT_TRUE(t.tarification().SupprimerTypeTarif(saison));
    EXPECT_EQ(t.lignes("SELECT Identifiant FROM TypeTarif"), (QList<QVariantList>{{semaine}}));
    EXPECT_EQ(t.lignes("SELECT IdTarif FROM Tarifs"), (QList<QVariantList>{{semaine}}));
    EXPECT_EQ(t.lignes("SELECT IdTarif FROM Planning"), (QList<QVariantList>{{saison}}));
}

TEST(TarifAvecRepas, ParNomSansEgardALaCasse) {
    CatalogueTest t;
    t.typeTarif(u"Demi-pension"_qs, jour(2024, 1, 1), jour(2024, 12, 31), 1, true);
    t.typeTarif(u"Nuitée"_qs, jour(2024, 1, 1), jour(2024, 12, 31), 1, false);
    struct Cas {
        QString nom;
        bool attendu;
    };
    for (const Cas& cas : {Cas{u"Demi-pension"_qs, true}, Cas{u"DEMI-PENSION"_qs, true},
                           Cas{u"NUITÉE"_qs, false}, Cas{u"Inconnu"_qs, false}, Cas{QString(), false}})
        EXPECT_EQ(t.tarification().TarifAvecRepas(cas.nom), cas.attendu) << cas.nom.toStdString();
    EXPECT_TRUE(t.messages().isEmpty());
}

TEST(ListerTypesTarifs, MasquerLesObsoletes) {
    CatalogueTest t;
    t.env.horloge.reglerJour(QDate(2024, 6, 15));
    t.typeTarif(u"Hier"_qs, jour(2024, 1, 1), jour(2024, 6, 14));
    t.typeTarif(u"Aujourd'hui"_qs, jour(2024, 1, 1), jour(2024, 6, 15));
    t.typeTarif(u"Été"_qs, jour(2024, 7, 1), jour(2024, 8, 31));
    const auto noms = [](const QList<QSqlRecord>& lignes) {
        QStringList resultat;
        for (const QSqlRecord& ligne : lignes)
            resultat.append(ligne.value("Nom").toString());
        return resultat;
    };
    EXPECT_EQ(noms(t.tarification().ListerTypesTarifs(true)), (QStringList{u"Aujourd'hui"_qs, u"Été"_qs}));
    EXPECT_EQ(noms(t.tarification().ListerTypesTarifs(false)),
              (QStringList{u"Aujourd'hui"_qs, u"Hier"_qs, u"Été"_qs}));
}

TEST(EcrituresGroupees, UnEchecEnCoursDeRouteLaisseToutEnPlace) {
    struct Cas {
        const char* libelle;
        const char* declencheur; // makes the last statement of the operation fail
        std::function<bool(CatalogueTest&, int chambre, int destination, int type)> operation;
    };
    const Cas lesCas[] = {
        {"copie vers deux destinations, la seconde échoue",
         "CREATE TRIGGER echec BEFORE INSERT ON Tarifs WHEN NEW.IdPrest = 3 BEGIN SELECT RAISE(ABORT, "
         "'disque plein'); "
         "END",
         [](CatalogueTest& t, int chambre, int destination, int) {
             return t.tarification().CopierTarifs({TSelHeb{chambre, {}, true, false},
                                                   TSelHeb{destination, {}, false, true},
                                                   TSelHeb{3, {}, false, true}});
         }},
        {"suppression d'un hébergement",
         "CREATE TRIGGER echec BEFORE DELETE ON prestation BEGIN SELECT RAISE(ABORT, 'disque plein'); END",
         [](CatalogueTest& t, int chambre, int, int) { return t.catalogue().SupprimerPrestation(chambre); }},
        {"suppression d'un type de tarif",
         "CREATE TRIGGER echec BEFORE DELETE ON Tarifs BEGIN SELECT RAISE(ABORT, 'disque plein'); END",
         [](CatalogueTest& t, int, int, int type) { return t.tarification().SupprimerTypeTarif(type); }},
    };
    for (const Cas& cas : lesCas) {
        CatalogueTest t;
        const int chambre = t.hebergement(u"Chambre"_qs);
        const int destination = t.hebergement(u"Destination"_qs);
        ASSERT_EQ(t.hebergement(u"Troisième"_qs), 3);
        const int type = t.typeTarif(u"Saison"_qs, jour(2024, 1, 1), jour(2024, 12, 31));
        t.typeTarif(u"Nouveau"_qs, jour(2024, 1, 1), jour(2024, 12, 31));
        t.tarif(chambre, type, 90.91, 9.09, 100);
        t.tarif(destination, type, 45.45, 4.55, 50);
        t.planning(chambre, jour(2024, 6, 1), 9, 0);
        const QString etat = u"SELECT (SELECT COUNT(*) FROM prestation), (SELECT COUNT(*) FROM TypeTarif), "
                             "(SELECT group_concat(IdPrest || ':' || IdTarif || ':' || Prix) FROM Tarifs), "
                             "(SELECT COUNT(*) FROM Planning)"_qs;
        const QList<QVariantList> avant = t.lignes(etat);
        t.sql(QString::fromUtf8(cas.declencheur));
        EXPECT_FALSE(cas.operation(t, chambre, destination, type)) << cas.libelle;
        ASSERT_EQ(t.messages().size(), 1) << cas.libelle;
        EXPECT_TRUE(t.messages().first().endsWith(u" : disque plein"_qs))
            << t.messages().first().toStdString();
        EXPECT_EQ(t.lignes(etat), avant) << cas.libelle;
    }
}
