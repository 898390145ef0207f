#include "EditeurTest.h"

#include <QAction>
#include <QCalendarWidget>
#include <QApplication>
#include <QMenu>
#include <QShowEvent>
#include <QSignalSpy>

using namespace velorin;
using namespace velorin::test;

namespace {

class Editeur : public EditeurTest {
protected:
    // A reservation of the guest stored by the data module, at 100 a night per room under
    // "Haute saison".
    int reservationStockee(int idContact, const QList<int>& chambres, const QDate& deb, const QDate& fin,
        int etat = EtatReservation::Reserve)
    {
        TReservation r;
        r.IdContact = idContact;
        r.DateDeb = deb;
        r.DateFin = fin;
        r.Etat = etat;
        r.NbPers = 2;
        r.HeureArr = QTime(18, 30);
        r.HeureDep = QTime(11, 0);
        const int nuits = static_cast<int>(deb.daysTo(fin)) + 1;
        for (const int id : chambres) r.hebergements.append({id, hauteSaison, 90.91, 0, 9.09, 0, 100, 0, 100});
        const double total = 100.0 * nuits * chambres.size();
        r.montants = {90.91 * nuits * chambres.size(), 0, 9.09 * nuits * chambres.size(), 0, total, 0, total};
        EXPECT_TRUE(velorin.reservations().EnregistrerReservation(r)) << dernierMessage().toStdString();
        return r.Identifiant;
    }
};

} // namespace

TEST_F(Editeur, NouvelleReservationSurDesNuitsEtDesHebergementsMontreSesDatesEtSonPrix)
{
    cadre().NouvelleReservation(juillet(10), juillet(12), {bleue, verte});

    EXPECT_EQ(date("edDateDeb")->valeur(), juillet(10));
    EXPECT_EQ(date("edDateFin")->valeur(), juillet(12));
    EXPECT_EQ(date("edDateDeb")->text(), "10/07/2026");
    EXPECT_EQ(edit("edHeureArr")->text(), "17:00");
    EXPECT_EQ(edit("edHeureDep")->text(), "10:00");
    EXPECT_EQ(lignesHebergement(),
        (QList<QStringList>{{"Chambre bleue", "Haute saison", "300,00"}, {"Chambre verte", "Haute saison", "300,00"}}));
    EXPECT_EQ(edit("edPrixTotal")->text(), "600,00");
    EXPECT_EQ(edit("edDontTVA")->text(), "54,54");
    EXPECT_EQ(edit("edAcompte")->text(), "180,00");
    EXPECT_EQ(liste("cbEtat")->currentText(), "Libre");
    EXPECT_EQ(cadre().reservationCourante(), -1);
    EXPECT_FALSE(cadre().modifiee());
    EXPECT_TRUE(env.dialogues.textes().isEmpty()) << dernierMessage().toStdString();
    EXPECT_EQ(compter("SELECT COUNT(*) FROM Reservation"), 0);
}

TEST_F(Editeur, EnregistrerEcritLaReservationEtUneLigneDePlanningParHebergementEtParNuit)
{
    QSignalSpy enregistree(&cadre(), &TCadreReserv::reservationEnregistree);
    nouvelleReservationDe("Dupont", "Jean", {bleue, verte}, juillet(10), juillet(12));
    taper("edNbPers", "3");
    EXPECT_EQ(liste("cbEtat")->currentText(), "Réservé");
    ASSERT_TRUE(cadre().modifiee());

    ASSERT_TRUE(cadre().EnregistrerSiModifiee()) << dernierMessage().toStdString();

    EXPECT_EQ(lignes("SELECT Identifiant, IdContact, DateDeb, DateFin, Etat, NbPers, PrixTotal, TTC1, TVA1, Acompte, "
                     "AvecAcompte, HeureArr, HeureDep, DateSaisie, IdCom, ValRemise FROM Reservation"),
        (QList<QVariantList>{{1, dupont, "2026-07-10", "2026-07-12", 3, 3, 600.0, 600.0, 54.54, 180.0, 1, "17:00:00",
            "10:00:00", "2026-07-01", -1, 0.0}}));
    QList<QVariantList> planning;
    for (const int chambre : {bleue, verte})
        for (const int jour : {10, 11, 12}) planning.append({chambre, iso(juillet(jour)), hauteSaison, 100.0, 3, 1});
    EXPECT_EQ(lignes("SELECT IdPrest, Jour, IdTarif, PrixUnit, Etat, IdReservation FROM Planning "
                     "ORDER BY IdPrest, Jour"),
        planning);
    EXPECT_EQ(principale.recus, QList<QEvent::Type>{WMActualiserPlanning});
    ASSERT_EQ(enregistree.count(), 1);
    EXPECT_EQ(enregistree.at(0).at(0).toInt(), 1);

    // The saved reservation is shown again, each room with its price for the stay.
    EXPECT_EQ(cadre().reservationCourante(), 1);
    EXPECT_FALSE(cadre().modifiee());
    EXPECT_EQ(lignesHebergement(),
        (QList<QStringList>{{"Chambre bleue", "Haute saison", "300,00"}, {"Chambre verte", "Haute saison", "300,00"}}));
    EXPECT_EQ(date("edDateSaisie")->valeur(), juillet(1));
    EXPECT_EQ(edit("edLangue")->text(), "FR");
    EXPECT_EQ(edit("edResteDu")->text(), "600,00");
}

TEST_F(Editeur, UneReservationExistanteSeChargeDansLesChamps)
{
    const int id = reservationStockee(dupont, {bleue}, juillet(10), juillet(12));
    sql("UPDATE Reservation SET Remarque = 'Arrivée par le train', Acompte = 90, DejaPaye = 100, ValRemise = 5, "
        "TypeRemise = 1, PrixTotal = 285, TVA1 = 25.91, IdCom = ?, MontantCom = 25, NumFac = 'F2026-7', "
        "DateEnvContrat = '2026-07-02', DateRecContrat = '2026-07-03', AvecAcompte = 1 WHERE Identifiant = ?",
        {agence, id});

    ASSERT_TRUE(cadre().OuvrirReservation(id));

    EXPECT_EQ(cadre().reservationCourante(), id);
    EXPECT_EQ(edit("edNom")->text(), "Dupont");
    EXPECT_EQ(edit("edPrenom")->text(), "Jean");
    EXPECT_EQ(edit("edNbPers")->text(), "2");
    EXPECT_EQ(edit("edLangue")->text(), "FR");
    EXPECT_EQ(date("edDateDeb")->valeur(), juillet(10));
    EXPECT_EQ(date("edDateFin")->valeur(), juillet(12));
    EXPECT_EQ(edit("edHeureArr")->text(), "18:30");
    EXPECT_EQ(edit("edHeureDep")->text(), "11:00");
    EXPECT_EQ(liste("cbEtat")->currentText(), "Réservé");
    EXPECT_EQ(champ<QPlainTextEdit>("edRemarques")->toPlainText(), "Arrivée par le train");
    EXPECT_EQ(lignesHebergement(), (QList<QStringList>{{"Chambre bleue", "Haute saison", "300,00"}}));
    EXPECT_EQ(edit("edPrixTotal")->text(), "285,00");
    EXPECT_EQ(edit("edDontTVA")->text(), "25,91");
    EXPECT_EQ(edit("edRemise")->text(), "5,00");
    EXPECT_EQ(liste("cbTypeRemise")->currentText(), "%");
    EXPECT_TRUE(champ<QCheckBox>("cbAvecArrhes")->isChecked());
    EXPECT_EQ(edit("edAcompte")->text(), "90,00");
    EXPECT_EQ(edit("edDejaPaye")->text(), "100,00");
    EXPECT_EQ(edit("edResteDu")->text(), "185,00");
    EXPECT_EQ(edit("edNumFacture")->text(), "F2026-7");
    EXPECT_EQ(liste("cbCommission")->currentText(), "Agence");
    EXPECT_EQ(edit("edMontantCom")->text(), "25,00");
    EXPECT_EQ(date("edDateSaisie")->valeur(), juillet(1));
    EXPECT_EQ(date("edDateEdition")->valeur(), juillet(2));
    EXPECT_EQ(date("edDateConfirmation")->valeur(), juillet(3));
    EXPECT_FALSE(champ<QLabel>("lbVerrou")->isVisible());
    EXPECT_FALSE(cadre().modifiee());
    EXPECT_TRUE(cadre().EnregistrerSiModifiee());
    EXPECT_TRUE(principale.recus.isEmpty());
}

TEST_F(Editeur, UneReservationVerrouilleeSeMontreSansPouvoirEtreChangee)
{
    const int id = reservationStockee(dupont, {bleue}, juillet(10), juillet(12));
    reglerOptions([](Options& o) { o.DateBloquee = QDate(2026, 7, 31); });
    // A tariff changed since does not change what was agreed.
    sql("UPDATE Tarifs SET Prix = 150, HT1 = 136.36, TVA1 = 13.64, TTC1 = 150");

    ASSERT_TRUE(cadre().OuvrirReservation(id));

    EXPECT_TRUE(cadre().verrouillee());
    auto* verrou = champ<QLabel>("lbVerrou");
    EXPECT_TRUE(verrou->isVisible());
    EXPECT_EQ(verrou->text(),
        "Toute modification est impossible, soit car la réservation est déjà facturée, soit car "
        "elle est antérieure à la date indiquée dans les options.");
    for (const char* nom : {"edNom", "edPrenom", "edNbPers", "edDateDeb", "edHeureArr", "edDateFin", "edHeureDep",
             "cbEtat", "edRemarques", "ListeHebergements", "BtnAjouterHebergement", "BtnSupprimerHebergement",
             "cbTarif", "GrilleRepas", "BtnAjouterRepas", "GrillePrestations", "BtnAjouterPrestation", "cbAvecArrhes",
             "edAcompte", "edDateEdition", "edDateConfirmation"})
        EXPECT_FALSE(champ<QWidget>(nom)->isEnabled()) << nom;
    for (const char* nom :
        {"BtnRechercherHote", "edRemise", "cbTypeRemise", "cbCommission", "edMontantCom", "cbCopieA", "cbApercu"})
        EXPECT_TRUE(champ<QWidget>(nom)->isEnabled()) << nom;

    // The discount still applies, to the price stored night by night.
    taper("edRemise", "50");
    EXPECT_EQ(edit("edPrixTotal")->text(), "250,00");
    ASSERT_TRUE(cadre().EnregistrerSiModifiee()) << dernierMessage().toStdString();
    EXPECT_EQ(valeur("SELECT PrixTotal FROM Reservation WHERE Identifiant = ?", {id}), 250.0);
    EXPECT_EQ(valeur("SELECT SUM(PrixUnit) FROM Planning WHERE IdReservation = ?", {id}), 300.0);
    EXPECT_TRUE(cadre().verrouillee());
}

TEST_F(Editeur, UneReservationRegroupeeMontreLesTotauxDuGroupe)
{
    const int id = reservationStockee(dupont, {bleue}, juillet(10), juillet(12));
    ASSERT_TRUE(cadre().OuvrirReservation(id));
    EXPECT_FALSE(champ<QWidget>("PanelRegroupement")->isVisible());

    sql("INSERT INTO Regroupements (Identifiant, PrixTotal, DejaPaye) VALUES (4, 950, 200)");
    sql("UPDATE Reservation SET IdReg = 4 WHERE Identifiant = ?", {id});
    ASSERT_TRUE(cadre().OuvrirReservation(id));
    EXPECT_TRUE(champ<QWidget>("PanelRegroupement")->isVisible());
    EXPECT_EQ(edit("edRegPrixTotal")->text(), "950,00");
    EXPECT_EQ(edit("edRegDejaPaye")->text(), "200,00");
    EXPECT_EQ(edit("edRegResteDu")->text(), "750,00");
}

TEST_F(Editeur, LaRemiseEnPourcentageOuEnEurosRecalculeLePrixLaTVAEtLesArrhes)
{
    nouvelleReservationDe("Dupont", "Jean", {bleue, verte}, juillet(10), juillet(12));
    taper("edRemise", "10");
    liste("cbTypeRemise")->setCurrentIndex(1);
    emit liste("cbTypeRemise")->activated(1);
    EXPECT_EQ(edit("edPrixTotal")->text(), "540,00");
    EXPECT_EQ(edit("edDontTVA")->text(), "49,09");
    EXPECT_EQ(edit("edAcompte")->text(), "162,00");

    liste("cbTypeRemise")->setCurrentIndex(0);
    emit liste("cbTypeRemise")->activated(0);
    EXPECT_EQ(edit("edPrixTotal")->text(), "590,00");

    liste("cbTypeRemise")->setCurrentIndex(1);
    emit liste("cbTypeRemise")->activated(1);
    ASSERT_TRUE(cadre().EnregistrerSiModifiee()) << dernierMessage().toStdString();
    EXPECT_EQ(
        lignes("SELECT PrixTotal, ValRemise, TypeRemise FROM Reservation"), (QList<QVariantList>{{540.0, 10.0, 1}}));
    EXPECT_EQ(lignes("SELECT Nom, TypePrest, PrixUnit, ROUND(TTC1 + TTC2, 2) FROM PrestCompl"),
        (QList<QVariantList>{{"Remise 10 %", 4, -60.0, -60.0}}));
    // The planning keeps the price before the discount.
    EXPECT_EQ(valeur("SELECT SUM(PrixUnit) FROM Planning"), 600.0);
}

TEST_F(Editeur, LesArrhesSuiventLaCaseEtLePourcentageOuRestentTapeesQuandEllesSontFixes)
{
    nouvelleReservationDe("Dupont", "Jean", {bleue}, juillet(10), juillet(12));
    EXPECT_EQ(edit("edAcompte")->text(), "90,00");
    champ<QCheckBox>("cbAvecArrhes")->click();
    EXPECT_EQ(edit("edAcompte")->text(), "0,00");
    champ<QCheckBox>("cbAvecArrhes")->click();
    EXPECT_EQ(edit("edAcompte")->text(), "90,00");

    reglerOptions([](Options& o) {
        o.ModeArrhes = 1;
        o.ArrhesDefaut = 50;
    });
    recreerCadre();
    nouvelleReservationDe("Dupont", "Jean", {bleue}, juillet(10), juillet(12));
    EXPECT_EQ(edit("edAcompte")->text(), "50,00");
    taper("edAcompte", "75");
    taper("edRemise", "20");
    EXPECT_EQ(edit("edPrixTotal")->text(), "280,00");
    EXPECT_EQ(edit("edAcompte")->text(), "75,00");
    ASSERT_TRUE(cadre().EnregistrerSiModifiee()) << dernierMessage().toStdString();
    EXPECT_EQ(valeur("SELECT Acompte FROM Reservation"), 75.0);
}

TEST_F(Editeur, LaCommissionSuitSonType)
{
    nouvelleReservationDe("Dupont", "Jean", {bleue}, juillet(10), juillet(12));
    EXPECT_EQ(liste("cbCommission")->currentText(), " ");
    EXPECT_EQ(edit("edMontantCom")->text(), "0,00");
    liste("cbCommission")->setCurrentText("Agence");
    emit liste("cbCommission")->activated(liste("cbCommission")->currentIndex());
    EXPECT_EQ(edit("edMontantCom")->text(), "25,00");
    ASSERT_TRUE(cadre().EnregistrerSiModifiee()) << dernierMessage().toStdString();
    EXPECT_EQ(lignes("SELECT IdCom, MontantCom FROM Reservation"), (QList<QVariantList>{{agence, 25.0}}));
}

TEST_F(Editeur, TaperUnNomDonneLEtatParDefautEtLEffacerLibereLaReservation)
{
    const int id = reservationStockee(dupont, {bleue}, juillet(10), juillet(12));
    reglerOptions([](Options& o) { o.ModeReserv = EtatReservation::Option; });
    cadre().NouvelleReservation(juillet(20), juillet(21), {verte});
    taper("edNom", "Durand");
    EXPECT_EQ(liste("cbEtat")->currentText(), "Option");
    taper("edNom", "");
    EXPECT_EQ(liste("cbEtat")->currentText(), "Libre");

    QSignalSpy supprimee(&cadre(), &TCadreReserv::reservationSupprimee);
    ASSERT_TRUE(cadre().OuvrirReservation(id));
    taper("edNom", "");
    taper("edPrenom", "");
    EXPECT_EQ(liste("cbEtat")->currentText(), "Libre");
    ASSERT_TRUE(cadre().EnregistrerSiModifiee()) << dernierMessage().toStdString();
    EXPECT_EQ(env.dialogues.questions(),
        QStringList{"Confirmez-vous les actions suivantes ? \n\nLibération de l'hébergement Chambre bleue le "
                    "10/07/2026\nLibération de l'hébergement Chambre bleue le 11/07/2026\nLibération de "
                    "l'hébergement Chambre bleue le 12/07/2026"});
    EXPECT_EQ(compter("SELECT COUNT(*) FROM Reservation"), 0);
    EXPECT_EQ(compter("SELECT COUNT(*) FROM Planning"), 0);
    ASSERT_EQ(supprimee.count(), 1);
    EXPECT_EQ(supprimee.at(0).at(0).toInt(), id);
    EXPECT_EQ(cadre().reservationCourante(), -1);
    EXPECT_EQ(principale.recus, QList<QEvent::Type>{WMActualiserPlanning});
}

TEST_F(Editeur, UneFermetureSurDesJoursLibresEcritDesJoursFermesSansPrixNiHote)
{
    cadre().NouvelleReservation(juillet(10), juillet(11), {bleue});
    liste("cbEtat")->setCurrentIndex(EtatReservation::Fermee);
    emit liste("cbEtat")->activated(EtatReservation::Fermee);
    taper("edNbPers", "4");
    ASSERT_TRUE(cadre().EnregistrerSiModifiee()) << dernierMessage().toStdString();
    EXPECT_EQ(
        lignes("SELECT IdContact, Etat, NbPers, PrixTotal FROM Reservation"), (QList<QVariantList>{{-1, 0, 0, 0.0}}));
    EXPECT_EQ(lignes("SELECT Jour, Etat, IdTarif, PrixUnit FROM Planning ORDER BY Jour"),
        (QList<QVariantList>{{"2026-07-10", 0, -1, 0.0}, {"2026-07-11", 0, -1, 0.0}}));
    EXPECT_EQ(liste("cbEtat")->currentText(), "Fermée");

    // A closure over days booked by a guest is refused.
    recreerCadre();
    reservationStockee(dupont, {verte}, juillet(10), juillet(10));
    cadre().NouvelleReservation(juillet(10), juillet(10), {verte});
    liste("cbEtat")->setCurrentIndex(EtatReservation::Fermee);
    emit liste("cbEtat")->activated(EtatReservation::Fermee);
    EXPECT_FALSE(cadre().EnregistrerSiModifiee());
    EXPECT_EQ(dernierMessage(),
        "La réservation ne peut pas être enregistrée pour les raisons suivantes : "
        "\nL'hébergement Chambre verte est pré-réservé ou réservé le 10/07/2026");
}

TEST_F(Editeur, LaRechercheDHoteRemplitLesNomsLaLangueEtLEtat)
{
    QList<QPair<QString, QString>> recherches;
    cadre().choisirHote = [&](const QString& nom, const QString& prenom) {
        recherches.append({nom, prenom});
        return martin;
    };
    QList<int> modifies;
    cadre().modifierHote = [&](int idContact) {
        modifies.append(idContact);
        sql("UPDATE Contact SET Langue = 'EN' WHERE Identifiant = ?", {idContact});
        return true;
    };
    cadre().NouvelleReservation(juillet(10), juillet(12), {bleue});
    champ<QToolButton>("BtnRechercherHote")->click();
    EXPECT_EQ(recherches, (QList<QPair<QString, QString>>{{"", ""}}));
    EXPECT_EQ(edit("edNom")->text(), "Martin");
    EXPECT_EQ(edit("edPrenom")->text(), "Paul");
    EXPECT_EQ(edit("edLangue")->text(), "FR");
    EXPECT_EQ(liste("cbEtat")->currentText(), "Réservé");
    EXPECT_TRUE(cadre().modifiee());

    // A known guest opens his edit screen; the names come back as stored.
    taper("edNom", "dupont");
    taper("edPrenom", "jean");
    champ<QToolButton>("BtnRechercherHote")->click();
    EXPECT_EQ(modifies, QList<int>{dupont});
    EXPECT_EQ(edit("edNom")->text(), "Dupont");
    EXPECT_EQ(edit("edPrenom")->text(), "Jean");
    EXPECT_EQ(edit("edLangue")->text(), "EN");
    EXPECT_EQ(recherches.size(), 1);
}

TEST_F(Editeur, UnNomCorrigeLaisseUneOptionEnOption)
{
    const int id = reservationStockee(dupont, {bleue}, juillet(10), juillet(12), EtatReservation::Option);
    ASSERT_TRUE(cadre().OuvrirReservation(id));
    taper("edPrenom", "Jeanne");
    EXPECT_EQ(liste("cbEtat")->currentText(), "Option");
}

TEST_F(Editeur, ChangerLesDatesRetarifeChaqueHebergement)
{
    nouvelleReservationDe("Dupont", "Jean", {bleue, verte}, juillet(10), juillet(12));
    date("edDateFin")->saisir(juillet(13));
    EXPECT_EQ(lignesHebergement(),
        (QList<QStringList>{{"Chambre bleue", "Haute saison", "400,00"}, {"Chambre verte", "Haute saison", "400,00"}}));
    EXPECT_EQ(edit("edPrixTotal")->text(), "800,00");
    EXPECT_TRUE(hebergements()->selectionModel()->selectedRows().isEmpty());

    // A week's package, chosen for the first room, then a stay too short for it.
    date("edDateFin")->saisir(juillet(16));
    selectionnerLigne(0);
    QComboBox* tarifs = liste("cbTarif");
    EXPECT_EQ(tarifs->count(), 2);
    tarifs->setCurrentText("Semaine");
    emit tarifs->activated(tarifs->currentIndex());
    EXPECT_EQ(lignesHebergement().at(0), (QStringList{"Chambre bleue", "Semaine", "630,00"}));
    date("edDateFin")->saisir(juillet(14));
    EXPECT_EQ(lignesHebergement(),
        (QList<QStringList>{{"Chambre bleue", "", ""}, {"Chambre verte", "Haute saison", "500,00"}}));
    EXPECT_EQ(edit("edPrixTotal")->text(), "500,00");

    EXPECT_FALSE(cadre().ValiderReservation());
    EXPECT_EQ(dernierMessage(),
        "La réservation ne peut pas être enregistrée pour les raisons suivantes : \n- Vous "
        "n'avez pas sélectionné de tarif pour l'hébergement Chambre bleue"
        "\n- Le prix du tarif pour l'hébergement Chambre bleue est indéfini.");
}

TEST_F(Editeur, UneFinAvantLeDebutEstSignaleeEtNeRetarifeRien)
{
    nouvelleReservationDe("Dupont", "Jean", {bleue}, juillet(10), juillet(12));
    date("edDateFin")->saisir(juillet(8));
    EXPECT_EQ(dernierMessage(), "La date de fin ne peut pas être antérieure à la date de début.");
    EXPECT_EQ(lignesHebergement(), (QList<QStringList>{{"Chambre bleue", "Haute saison", "300,00"}}));
}

TEST_F(Editeur, SansTarifPourLesDatesLeMessageLeDitEtLaLigneResteSansPrix)
{
    cadre().NouvelleReservation(QDate(2026, 9, 1), QDate(2026, 9, 3), {bleue, gite});
    EXPECT_EQ(env.dialogues.textes(),
        QStringList{"Aucun tarif n'a été trouvé pour les dates mentionnées.\nVérifiez dans le menu Paramétrages / "
                    "Types de tarifs les dates de fin de validité des types de tarifs.\nVérifiez également pour "
                    "chaque hébergement, qu'au moins un type de tarif lui est applicable (dans le menu Paramétrages "
                    "/ Hébergements)"});
    EXPECT_EQ(lignesHebergement(), (QList<QStringList>{{"Chambre bleue", "", ""}, {"Gîte", "Tarif simple", "240,00"}}));
}

TEST_F(Editeur, AjouterEtSupprimerDesHebergements)
{
    nouvelleReservationDe("Dupont", "Jean", {bleue}, juillet(10), juillet(12));
    articlesChoisis = {gite, bleue};
    bouton("BtnAjouterHebergement")->click();
    EXPECT_EQ(lignesHebergement(),
        (QList<QStringList>{{"Chambre bleue", "Haute saison", "300,00"}, {"Gîte", "Tarif simple", "240,00"}}));
    EXPECT_EQ(liste("cbTarif")->currentText(), "Tarif simple");
    EXPECT_EQ(edit("edPrixTotal")->text(), "540,00");
    // A room already in the list is not added twice.
    bouton("BtnAjouterHebergement")->click();
    EXPECT_EQ(hebergements()->rowCount(), 2);

    hebergements()->setCurrentCell(1, 0);
    bouton("BtnSupprimerHebergement")->click();
    EXPECT_EQ(lignesHebergement(), (QList<QStringList>{{"Chambre bleue", "Haute saison", "300,00"}}));
    EXPECT_EQ(hebergements()->currentRow(), 0);
    EXPECT_EQ(edit("edPrixTotal")->text(), "300,00");
}

TEST_F(Editeur, LesPrestationsSAjoutentSeModifientDansLaGrilleEtComptentDansLePrix)
{
    nouvelleReservationDe("Dupont", "Jean", {bleue}, juillet(10), juillet(12));
    articlesChoisis = {petitDejeuner, parking};
    bouton("BtnAjouterPrestation")->click();
    GrilleLignes* grillePrest = grille("GrillePrestations");
    QAbstractItemModel* modele = grillePrest->model();
    ASSERT_EQ(modele->rowCount(), 1);
    EXPECT_EQ(modele->index(0, 0).data().toString(), "Petit déjeuner");
    EXPECT_EQ(modele->index(0, 1).data().toInt(), 6); // 3 nights, 2 persons
    EXPECT_EQ(modele->index(0, 2).data().toString(), "8,00");
    EXPECT_EQ(modele->index(0, 3).data().toString(), "N");
    EXPECT_EQ(modele->index(0, 4).data().toString(), "48,00");
    EXPECT_EQ(edit("edPrixTotal")->text(), "348,00");
    QWidget* focus = cadre().focusWidget();
    EXPECT_TRUE(focus == grillePrest || grillePrest->isAncestorOf(focus));
    EXPECT_EQ(grillePrest->currentIndex(), modele->index(0, 1));

    // The quantity typed in the line being edited; Enter writes it and goes on to the next column.
    QWidget* editeur = grillePrest->indexWidget(grillePrest->currentIndex());
    ASSERT_NE(editeur, nullptr);
    QTest::keyClick(editeur, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(editeur, "4");
    QTest::keyClick(editeur, Qt::Key_Return);
    QCoreApplication::processEvents(); // the grid writes the value once the key is handled
    EXPECT_EQ(grillePrest->currentIndex(), modele->index(0, 2));
    EXPECT_EQ(modele->index(0, 4).data().toString(), "32,00");
    EXPECT_EQ(edit("edPrixTotal")->text(), "332,00");
    ASSERT_TRUE(modele->setData(modele->index(0, 3), true));
    EXPECT_EQ(edit("edPrixTotal")->text(), "300,00");
    // Not saved yet: the line carries the entry's own key (the first one handed out is -2).
    EXPECT_EQ(
        lignes("SELECT Qte, PrixTot, Offert, IdReservation FROM PrestCompl"), (QList<QVariantList>{{4, 32.0, 1, -2}}));

    bouton("BtnAjouterPrestation")->click();
    EXPECT_EQ(edit("edPrixTotal")->text(), "311,00");
    grillePrest->setCurrentIndex(modele->index(0, 0));
    bouton("BtnSupprimerPrestation")->click();
    ASSERT_EQ(modele->rowCount(), 1);
    EXPECT_EQ(modele->index(0, 0).data().toString(), "Parking");
    EXPECT_EQ(edit("edPrixTotal")->text(), "311,00");

    ASSERT_TRUE(cadre().EnregistrerSiModifiee()) << dernierMessage().toStdString();
    EXPECT_EQ(lignes("SELECT Nom, IdReservation FROM PrestCompl"), (QList<QVariantList>{{"Parking", 1}}));
    EXPECT_EQ(valeur("SELECT PrixTotal FROM Reservation"), 311.0);
}

TEST_F(Editeur, UnRepasSeulVaAuPremierJourSansRepasAPartirDAujourdhui)
{
    env.horloge.reglerJour(juillet(11));
    nouvelleReservationDe("Dupont", "Jean", {bleue}, juillet(10), juillet(12));
    repasChoisis = {{diner, false}, {diner, false}, {diner, false}};
    bouton("BtnAjouterRepas")->click();
    bouton("BtnAjouterRepas")->click();
    bouton("BtnAjouterRepas")->click();
    EXPECT_EQ(lignes("SELECT Jour, Nombre, PrixUnit, IdReservation FROM Repas ORDER BY Identifiant"),
        (QList<QVariantList>{{"2026-07-11", 2, 22.0, -2}, {"2026-07-12", 2, 22.0, -2}, {"2026-07-12", 2, 22.0, -2}}));
    EXPECT_EQ(edit("edPrixTotal")->text(), "432,00");
    QAbstractItemModel* modele = grille("GrilleRepas")->model();
    EXPECT_EQ(modele->index(0, 0).data().toString(), "Dîner");
    EXPECT_EQ(modele->index(0, 1).data().toString(), "11/07/2026");

    // Every day of the stay at once.
    repasChoisis = {{diner, true}};
    bouton("BtnAjouterRepas")->click();
    EXPECT_EQ(compter("SELECT COUNT(*) FROM Repas"), 6);
    EXPECT_EQ(compter("SELECT COUNT(*) FROM Repas WHERE Jour = '2026-07-10'"), 1);
}

TEST_F(Editeur, UnRepasSurUnSejourDUneNuitVaAuJourDArrivee)
{
    env.horloge.reglerJour(juillet(20));
    nouvelleReservationDe("Dupont", "Jean", {bleue}, juillet(10), juillet(10));
    repasChoisis = {{diner, false}};
    bouton("BtnAjouterRepas")->click();
    EXPECT_EQ(valeur("SELECT Jour FROM Repas"), "2026-07-10");
}

TEST_F(Editeur, UnTarifAvecRepasCreeLesRepasDeDemiPensionEtUnAutreLesRetire)
{
    const int demiPension = article(3, "Inclus 1/2 P", 0);
    const int avecRepas = typeTarif("Demi-pension", QDate(2026, 6, 1), QDate(2026, 8, 31), 1, true);
    tarif(bleue, avecRepas, 118.18, 11.82, 130);
    nouvelleReservationDe("Dupont", "Jean", {bleue}, juillet(10), juillet(12));
    selectionnerLigne(0);
    QComboBox* tarifs = liste("cbTarif");
    tarifs->setCurrentText("Demi-pension");
    emit tarifs->activated(tarifs->currentIndex());
    EXPECT_EQ(lignes("SELECT IdPrest, Jour, Nombre FROM Repas ORDER BY Jour"),
        (QList<QVariantList>{
            {demiPension, "2026-07-10", 2}, {demiPension, "2026-07-11", 2}, {demiPension, "2026-07-12", 2}}));
    EXPECT_EQ(grille("GrilleRepas")->model()->rowCount(), 3);
    EXPECT_EQ(edit("edPrixTotal")->text(), "390,00");

    tarifs->setCurrentText("Haute saison");
    emit tarifs->activated(tarifs->currentIndex());
    EXPECT_EQ(compter("SELECT COUNT(*) FROM Repas"), 0);
    EXPECT_EQ(edit("edPrixTotal")->text(), "300,00");
}

TEST_F(Editeur, UnPaiementSurUneOptionLaReserveEtDateLaConfirmation)
{
    EXPECT_FALSE(bouton("BtnPaiements")->isEnabled());
    const int id = reservationStockee(dupont, {bleue}, juillet(10), juillet(12), EtatReservation::Option);
    QList<QPair<int, double>> ouvertures;
    cadre().saisirPaiements = [&](int reservation, double propose) -> std::optional<double> {
        ouvertures.append({reservation, propose});
        return 100.0;
    };
    env.horloge.reglerJour(juillet(4));
    ASSERT_TRUE(cadre().OuvrirReservation(id));
    champ<QCheckBox>("cbAvecArrhes")->click();
    EXPECT_EQ(edit("edAcompte")->text(), "90,00");
    ASSERT_TRUE(bouton("BtnPaiements")->isEnabled());
    bouton("BtnPaiements")->click();

    EXPECT_EQ(ouvertures, (QList<QPair<int, double>>{{id, 90.0}}));
    EXPECT_EQ(liste("cbEtat")->currentText(), "Réservé");
    EXPECT_EQ(date("edDateConfirmation")->valeur(), juillet(4));
    EXPECT_EQ(edit("edDejaPaye")->text(), "100,00");
    EXPECT_EQ(edit("edResteDu")->text(), "200,00");
    EXPECT_EQ(lignes("SELECT Etat, DejaPaye, DateRecContrat FROM Reservation"),
        (QList<QVariantList>{{3, 100.0, "2026-07-04"}}));
    EXPECT_EQ(valeur("SELECT MIN(Etat) FROM Planning"), 3);
    EXPECT_EQ(principale.recus.size(), 2); // the change before the payment, and the payment

    // Once something is paid, the balance is proposed.
    bouton("BtnPaiements")->click();
    EXPECT_EQ(ouvertures.last(), (QPair<int, double>{id, 200.0}));
}

TEST_F(Editeur, LesEditionsEtMailsRestentInactifs)
{
    cadre().NouvelleReservation(juillet(10), juillet(12), {bleue});
    QPushButton* editions = bouton("BtnEditions");
    EXPECT_FALSE(editions->isEnabled());
    ASSERT_NE(editions->menu(), nullptr);
    QStringList textes;
    for (QAction* action : editions->menu()->actions()) {
        textes.append(action->text());
        EXPECT_FALSE(action->isEnabled());
    }
    EXPECT_EQ(textes,
        (QStringList{"Contrat", "Facture", "Fiche Réservation", "Mail Libre", "Mail Relance", "Mail Accusé réception",
            "Mail Remerciement"}));
    EXPECT_TRUE(champ<QCheckBox>("cbApercu")->isChecked());
}

TEST_F(Editeur, LesListesOffrentLesAdressesDesOrganismesEtLesTypesDeCommission)
{
    const int office = contact(3, "Office de tourisme");
    sql("UPDATE Contact SET Mail = 'ot@exemple.fr' WHERE Identifiant = ?", {office});
    typeCom("Plateforme", 3, 15);
    cadre().RemplirListes();
    QStringList copies;
    for (int i = 0; i < liste("cbCopieA")->count(); ++i) copies.append(liste("cbCopieA")->itemText(i));
    EXPECT_EQ(copies, (QStringList{"", "ot@exemple.fr"}));
    QStringList commissions;
    for (int i = 0; i < liste("cbCommission")->count(); ++i) commissions.append(liste("cbCommission")->itemText(i));
    EXPECT_EQ(commissions.first(), " ");
    EXPECT_EQ(QSet<QString>(commissions.begin() + 1, commissions.end()), (QSet<QString>{"Agence", "Plateforme"}));
}

TEST_F(Editeur, AbandonnerUneNouvelleReservationOublieSesLignes)
{
    QSignalSpy fermee(&cadre(), &TCadreReserv::fermee);
    nouvelleReservationDe("Dupont", "Jean", {bleue}, juillet(10), juillet(12));
    articlesChoisis = {parking};
    bouton("BtnAjouterPrestation")->click();
    EXPECT_EQ(compter("SELECT COUNT(*) FROM PrestCompl WHERE IdReservation < 0"), 1);
    cadre().Abandonner();
    EXPECT_EQ(fermee.count(), 1);
    EXPECT_EQ(compter("SELECT COUNT(*) FROM PrestCompl"), 0);
    EXPECT_FALSE(cadre().modifiee());

    // The same when the new entry is saved as "Libre": there is no reservation to take them.
    nouvelleReservationDe("Dupont", "Jean", {bleue}, juillet(10), juillet(12));
    articlesChoisis = {parking};
    bouton("BtnAjouterPrestation")->click();
    liste("cbEtat")->setCurrentIndex(EtatReservation::Libre);
    EXPECT_TRUE(cadre().EnregistrerSaisie());
    EXPECT_EQ(compter("SELECT COUNT(*) FROM PrestCompl"), 0);
    EXPECT_EQ(compter("SELECT COUNT(*) FROM Reservation"), 0);
}

// Two workstations enter a new reservation each at the same time: neither takes nor deletes
// the lines the other typed.
TEST_F(Editeur, DeuxPostesSaisissantChacunUneReservationGardentChacunLeursLignes)
{
    DMCommun communB{env.services(), env.programme()};
    communB.setDossierDonnees(env.donnees());
    DMVelorin velorinB{communB};
    velorinB.options().ChargerOptions();
    ContexteEcrans contexteB{communB, velorinB, env.services()};
    TCadreReserv posteB(contexteB);
    posteB.choisirArticle = [this](int) { return petitDejeuner; };
    posteB.show();

    nouvelleReservationDe("Dupont", "Jean", {bleue}, juillet(10), juillet(12));
    articlesChoisis = {parking};
    bouton("BtnAjouterPrestation")->click();

    posteB.NouvelleReservation(juillet(20), juillet(21), {verte});
    posteB.findChild<QLineEdit*>("edNom")->setText("Martin");
    posteB.findChild<QLineEdit*>("edPrenom")->setText("Paul");
    posteB.findChild<QPushButton*>("BtnAjouterPrestation")->click();
    EXPECT_EQ(compter("SELECT COUNT(*) FROM PrestCompl"), 2) << "opening a new entry on B kept A's line";

    // A saves: only its own line goes with its reservation.
    ASSERT_TRUE(cadre().ValiderReservation() && cadre().EnregistrerSaisie()) << dernierMessage().toStdString();
    const int idA = cadre().reservationCourante();
    EXPECT_EQ(lignes("SELECT IdPrest FROM PrestCompl WHERE IdReservation = ? AND TypePrest = 1", {idA}),
        (QList<QVariantList>{{parking}}));

    // A starts another entry and abandons it: B's line stays, and B's save takes it.
    cadre().NouvelleReservation(juillet(25), juillet(26), {bleue});
    cadre().Abandonner();
    EXPECT_EQ(compter("SELECT COUNT(*) FROM PrestCompl WHERE IdReservation < 0"), 1);
    posteB.findChild<QLineEdit*>("edNbPers")->setText("2");
    posteB.findChild<QComboBox*>("cbEtat")->setCurrentIndex(EtatReservation::Reserve);
    ASSERT_TRUE(posteB.ValiderReservation() && posteB.EnregistrerSaisie()) << dernierMessage().toStdString();
    EXPECT_EQ(lignes("SELECT IdPrest FROM PrestCompl WHERE IdReservation = ? AND TypePrest = 1",
                  {posteB.reservationCourante()}),
        (QList<QVariantList>{{petitDejeuner}}));
    EXPECT_EQ(compter("SELECT COUNT(*) FROM PrestCompl WHERE IdReservation < 0"), 0);
}

TEST_F(Editeur, LesLargeursDesColonnesSeDonnentEtSeReprennent)
{
    cadre().appliquerLargeurs({{"ListeHebergements", 0, 210}, {"GrilleRepas", 1, 120}, {"GrillePrestations", 0, 99},
        {"GrillePrestations", 4, 300}});
    const QList<TLargeurCol> largeurs = cadre().largeursColonnes();
    EXPECT_TRUE(largeurs.contains(TLargeurCol{"ListeHebergements", 0, 210}));
    EXPECT_TRUE(largeurs.contains(TLargeurCol{"GrilleRepas", 1, 120}));
    EXPECT_TRUE(largeurs.contains(TLargeurCol{"GrillePrestations", 0, 99}));
    // The last column fills its grid.
    for (const TLargeurCol& l : largeurs) EXPECT_LT(l.NumCol, 4) << l.Grille.toStdString();
    EXPECT_EQ(largeurs.size(), 2 + 4 + 4);
}

TEST_F(Editeur, LeCalendrierDUnAuVidePartDeLaDateDArrivee)
{
    nouvelleReservationDe("Dupont", "Jean", {bleue}, juillet(10), juillet(12));
    ChampDate* au = date("edDateFin");
    au->setFocus();
    QTest::keyClick(au, Qt::Key_Delete);
    ASSERT_TRUE(au->estVide());
    QShowEvent ouverture;
    QCoreApplication::sendEvent(au->calendarWidget(), &ouverture);
    EXPECT_EQ(au->valeur(), juillet(10));
    EXPECT_EQ(lignesHebergement(), (QList<QStringList>{{"Chambre bleue", "Haute saison", "100,00"}})) << "one night";
}
