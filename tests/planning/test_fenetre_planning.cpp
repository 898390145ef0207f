#include "PlanningTest.h"

#include "app/Erreur.h"
#include "planning/Calendrier.h"

#include <gtest/gtest.h>

using namespace velorin;
using namespace velorin::test;

namespace {

const TJourPlan& jourDe(const TListeChambres& liste, int idPrest, const QDate& debut, const QDate& d)
{
    for (const TMoisChambre& c : liste)
        if (c.Identifiant == idPrest) return c.Jours[static_cast<size_t>(debut.daysTo(d))];
    throw Erreur(u"hébergement absent"_qs);
}

} // namespace

// ---------------------------------------------------------------- day kinds

TEST(TypeDeJour, FeriesFixesWeekEndsEtJoursOrdinaires)
{
    Pension p;
    struct Cas {
        const char* jour;
        int type;
    };
    const Cas cas[] = {
        {"2024-05-08", 1}, // a Wednesday: holiday without any holidays-table row
        {"2021-05-08", 2}, // a Saturday: the weekend wins
        {"2029-07-14", 2}, // Saturday 14 July
        {"2024-12-25", 1}, {"2025-01-01", 1}, {"2025-11-11", 1},
        {"2024-05-09", 0}, // Ascension: movable, it comes from the holidays table only
        {"2024-03-12", 0}, {"2024-03-10", 2},
    };
    for (const Cas& c : cas) {
        EXPECT_EQ(p.planning.TypeDeJour(jour(c.jour)), c.type) << c.jour;
        EXPECT_EQ(calendrier::JoursFeries().typeDeJour(jour(c.jour)), c.type) << c.jour;
    }
    EXPECT_EQ(calendrier::nomJour(jour("2024-05-08")), u"Me"_qs);
    EXPECT_EQ(calendrier::nomJour(jour("2024-03-10")), u"Di"_qs);
}

TEST(TypeDeJour, PeriodeDuCalendrierAChevalSurUneFinDeMois)
{
    Pension p;
    p.ferie(jour("2024-02-27"), jour("2024-03-04"));
    const int h = p.hebergement(u"Lavande"_qs, 1);
    TMoisPlan jours;
    p.planning.ChargerPlanningChambre(h, jour("2024-02-20"), jours);
    struct Cas {
        const char* jour;
        int type;
    };
    const Cas cas[] = {{"2024-02-26", 0}, {"2024-02-27", 1}, {"2024-02-29", 1}, {"2024-03-01", 1},
                       {"2024-03-02", 2}, {"2024-03-04", 1}, {"2024-03-05", 0}};
    for (const Cas& c : cas) {
        EXPECT_EQ(p.planning.TypeDeJour(jour(c.jour)), c.type) << c.jour;
        EXPECT_EQ(jours[static_cast<size_t>(jour("2024-02-20").daysTo(jour(c.jour)))].TypeJour, c.type) << c.jour;
    }
}

// ---------------------------------------------------------------- the window

TEST(FenetrePlanning, EtatsHotesContratsEtSoldes)
{
    Pension p;
    p.option(u"MilieuSej"_qs, 5);
    const int olivier = p.hebergement(u"Olivier"_qs, 2);
    const int lavande = p.hebergement(u"Lavande"_qs, 1, true, 0x3366CC);
    const int cabane = p.hebergement(u"Cabane"_qs, 3);
    const int durand = p.contact(u"Durand"_qs, u"Jean"_qs);
    const int zoe = p.contact(QString(), u"Zoé"_qs);

    const int sejour = p.reservation({.contact = durand, .debut = jour("2025-03-10"), .fin = jour("2025-03-19"),
                                      .etat = 3, .hebergements = {lavande}, .prix = 800, .dejaPaye = 800,
                                      .nbPers = 3, .recu = jour("2025-02-01"), .envoye = jour("2025-01-20"),
                                      .idReg = 4});
    const int option = p.reservation({.contact = zoe, .debut = jour("2025-03-12"), .fin = jour("2025-03-13"),
                                      .etat = 2, .hebergements = {olivier}, .prix = 150, .dejaPaye = 50});
    const int fermeture = p.reservation({.debut = jour("2025-03-01"), .fin = jour("2025-03-05"), .etat = 0,
                                         .hebergements = {cabane}, .nbPers = 0, .idReg = 7});
    p.nuit(cabane, jour("2025-03-20"), 99, 3); // its reservation no longer exists

    TListeChambres liste;
    p.planning.ChargerListeHebergements(liste);
    ASSERT_EQ(liste.size(), 3);
    EXPECT_EQ(liste[0].Nom, u"Lavande"_qs);
    EXPECT_EQ(liste[0].Couleur, 0x3366CC);
    EXPECT_EQ(liste[1].Nom, u"Olivier"_qs);
    EXPECT_EQ(liste[1].Couleur, -1);
    EXPECT_EQ(liste[2].Capacite, 2);

    const QDate debut = jour("2025-03-03");
    const FenetrePlanning fenetre = p.planning.ChargerFenetre(liste, debut);

    const TJourPlan& reserve = jourDe(liste, lavande, debut, jour("2025-03-11"));
    EXPECT_EQ(reserve.Jour, jour("2025-03-11"));
    EXPECT_EQ(reserve.NomJour, u"Ma"_qs);
    EXPECT_EQ(reserve.Etat, 3);
    EXPECT_EQ(reserve.IdReservation, sejour);
    EXPECT_EQ(reserve.NomHote, u"Durand"_qs);
    EXPECT_TRUE(reserve.ContratRecu);
    EXPECT_EQ(reserve.NbPers, 3);
    EXPECT_TRUE(reserve.Solde);
    EXPECT_FALSE(reserve.ContratNonEnvoye);
    EXPECT_EQ(reserve.IdReg, 4);
    EXPECT_EQ(reserve.CouleurPrest, -1);
    EXPECT_FALSE(reserve.MilieuSejour);
    EXPECT_TRUE(jourDe(liste, lavande, debut, jour("2025-03-14")).MilieuSejour);

    const TJourPlan& opt = jourDe(liste, olivier, debut, jour("2025-03-12"));
    EXPECT_EQ(opt.Etat, 2);
    EXPECT_EQ(opt.IdReservation, option);
    EXPECT_EQ(opt.NomHote, u"Zoé"_qs) << "the first name stands in for an empty name";
    EXPECT_FALSE(opt.ContratRecu);
    EXPECT_FALSE(opt.Solde);
    EXPECT_TRUE(opt.ContratNonEnvoye);

    const TJourPlan& ferme = jourDe(liste, cabane, debut, jour("2025-03-04"));
    EXPECT_EQ(ferme.Etat, 0);
    EXPECT_EQ(ferme.IdReservation, fermeture);
    EXPECT_TRUE(ferme.NomHote.isEmpty());
    EXPECT_TRUE(ferme.ContratRecu);
    EXPECT_EQ(ferme.NbPers, 0);
    EXPECT_EQ(ferme.IdReg, 0);

    for (const QDate& libre : {jour("2025-03-20"), jour("2025-03-06")}) {
        const TJourPlan& l = jourDe(liste, cabane, debut, libre);
        EXPECT_EQ(l.Etat, 1) << l.Jour.toString(Qt::ISODate).toStdString();
        EXPECT_EQ(l.IdReservation, 0);
        EXPECT_TRUE(l.ContratRecu);
        EXPECT_FALSE(l.Solde);
        EXPECT_FALSE(l.ContratNonEnvoye);
    }
    const TJourPlan& dernier = liste[0].Jours.back();
    EXPECT_EQ(dernier.Jour, debut.addDays(44));

    // Booked accommodations per day: options and closures do not count.
    EXPECT_EQ(fenetre.ChambresReservees[static_cast<size_t>(debut.daysTo(jour("2025-03-12")))], 1);
    EXPECT_EQ(fenetre.ChambresReservees[static_cast<size_t>(debut.daysTo(jour("2025-03-04")))], 0);

    // One accommodation alone gives the same days as the whole list.
    TMoisPlan seul;
    p.planning.ChargerPlanningChambre(olivier, debut, seul);
    EXPECT_EQ(seul, liste[1].Jours);
    EXPECT_TRUE(p.env.dialogues.textes().isEmpty());
}

TEST(FenetrePlanning, MilieuDeSejour)
{
    struct Cas {
        const char* fin; // the stay starts on 10 March 2025
        int milieuSej;
        const char* marque; // nullptr: no day marked
    };
    const Cas cas[] = {
        {"2025-03-19", 5, "2025-03-14"}, {"2025-03-19", 9, "2025-03-14"}, {"2025-03-19", 10, nullptr},
        {"2025-03-19", 0, nullptr},      {"2025-03-19", 1, nullptr},      {"2025-03-11", 2, nullptr},
        {"2025-03-12", 2, "2025-03-11"},
    };
    Pension p;
    const int h = p.hebergement(u"Lavande"_qs, 1);
    const int c = p.contact(u"Durand"_qs, u"Jean"_qs);
    for (const Cas& k : cas) {
        p.sql("DELETE FROM Planning");
        p.sql("DELETE FROM Reservation");
        p.option(u"MilieuSej"_qs, k.milieuSej);
        p.reservation({.contact = c, .debut = jour("2025-03-10"), .fin = jour(k.fin), .hebergements = {h}});
        TMoisPlan jours;
        p.planning.ChargerPlanningChambre(h, jour("2025-03-01"), jours);
        QStringList marques;
        for (const TJourPlan& j : jours)
            if (j.MilieuSejour) marques << j.Jour.toString(Qt::ISODate);
        EXPECT_EQ(marques, k.marque ? QStringList{QString::fromLatin1(k.marque)} : QStringList())
            << k.fin << " MilieuSej " << k.milieuSej;
    }
}

TEST(FenetrePlanning, JourAvecRepasEtRepasParJour)
{
    Pension p;
    const int lavande = p.hebergement(u"Lavande"_qs, 1);
    const int olivier = p.hebergement(u"Olivier"_qs, 2);
    const int c = p.contact(u"Durand"_qs, u"Jean"_qs);
    const int r1 = p.reservation({.contact = c, .debut = jour("2025-03-10"), .fin = jour("2025-03-12"),
                                  .hebergements = {lavande}});
    const int r2 = p.reservation({.contact = c, .debut = jour("2025-03-11"), .fin = jour("2025-03-11"),
                                  .hebergements = {olivier}});
    p.repas(r1, jour("2025-03-11"), 2);
    p.repas(r2, jour("2025-03-11"), 3);
    p.repas(r1, jour("2025-03-12"), 1);
    p.repas(r1, jour("2025-03-12"), 1);

    const QDate debut = jour("2025-03-10");
    const auto type = [&](int h, const char* d) {
        TMoisPlan jours;
        p.planning.ChargerPlanningChambre(h, debut, jours);
        return jours[static_cast<size_t>(debut.daysTo(jour(d)))].TypeJour;
    };
    EXPECT_EQ(type(lavande, "2025-03-11"), 0) << "meals show only with AffRepas";
    p.option(u"AffRepas"_qs, 1);
    EXPECT_EQ(type(lavande, "2025-03-10"), 0);
    EXPECT_EQ(type(lavande, "2025-03-11"), 3);
    EXPECT_EQ(type(olivier, "2025-03-11"), 3);
    EXPECT_EQ(type(lavande, "2025-03-12"), 3);
    EXPECT_EQ(type(olivier, "2025-03-12"), 0) << "another reservation's meal does not mark a free day";

    const auto repas = p.planning.NbRepasParJour(debut);
    EXPECT_EQ(repas[0], 0);
    EXPECT_EQ(repas[1], 5);
    EXPECT_EQ(repas[2], 2);
    EXPECT_EQ(repas[44], 0);
}

TEST(FenetrePlanning, PrestationEnCouleurDePlusPetitNumOrdre)
{
    Pension p;
    const int h = p.hebergement(u"Lavande"_qs, 1);
    const int c = p.contact(u"Durand"_qs, u"Jean"_qs);
    const int velo = p.service(u"Vélo"_qs, 5, true, 0x00AA00);
    const int chien = p.service(u"Chien"_qs, 2, true, 0x0000BB);
    const int linge = p.service(u"Linge"_qs, 1, false, 0xCC0000);
    const int r = p.reservation({.contact = c, .debut = jour("2025-03-10"), .fin = jour("2025-03-11"),
                                 .hebergements = {h}});
    p.prestationDuSejour(r, velo);
    p.prestationDuSejour(r, chien);
    p.prestationDuSejour(r, linge);
    TMoisPlan jours;
    p.planning.ChargerPlanningChambre(h, jour("2025-03-09"), jours);
    EXPECT_EQ(jours[0].CouleurPrest, -1);
    EXPECT_EQ(jours[1].CouleurPrest, 0x0000BB);
    EXPECT_EQ(jours[2].CouleurPrest, 0x0000BB);
    EXPECT_EQ(jours[3].CouleurPrest, -1);
}

// ---------------------------------------------------------------- remarks

TEST(Remarques, LectureEnregistrementEtTexteTropLong)
{
    Pension p;
    const QDate d = jour("2025-03-12");
    EXPECT_EQ(p.planning.LireRemarque(d), QString());
    p.planning.EnregistrerRemarque(d, u"Livraison de bois"_qs);
    p.planning.EnregistrerRemarque(d, u"Marché de Noël"_qs);
    EXPECT_EQ(p.planning.LireRemarque(d), u"Marché de Noël"_qs);
    EXPECT_EQ(p.valeur("SELECT COUNT(*) FROM Remarques").toInt(), 1);

    EXPECT_THROW(p.planning.EnregistrerRemarque(d, QString(251, QLatin1Char('x'))), Erreur);
    EXPECT_EQ(p.planning.LireRemarque(d), u"Marché de Noël"_qs);

    p.planning.EnregistrerRemarque(d, QString());
    EXPECT_EQ(p.lignes("SELECT Jour, Remarque FROM Remarques"), (QList<QVariantList>{{u"2025-03-12"_qs, u""_qs}}));

    p.planning.EnregistrerRemarque(jour("2025-03-01"), u"Hors fenêtre"_qs);
    p.planning.EnregistrerRemarque(jour("2025-03-14"), u"Anniversaire"_qs);
    const auto remarques = p.planning.LireRemarques(jour("2025-03-10"));
    EXPECT_EQ(remarques[4], u"Anniversaire"_qs);
    EXPECT_EQ(remarques[0], QString());
}
