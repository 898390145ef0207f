#include "EcransCatalogue.h"

#include "app/DatesFr.h"
#include "catalogue/screens/TCadreDetailTVA.h"
#include "catalogue/screens/TFrmPrest.h"
#include "catalogue/screens/TFrmPrestation.h"
#include "ui/EditNombre.h"
#include "ui/Navigateur.h"
#include "ui/TFrmSelChamps.h"

#include <QCheckBox>
#include <QFocusEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableView>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>

using namespace velorin;
using namespace velorin::test;

namespace {

class EcransPrest : public EcransCatalogue {
protected:
    EcransPrest() { dates::appliquerConventions(); }

    static QList<int> identifiants(TFrmPrest& liste)
    {
        QList<int> ids;
        for (int i = 0; i < liste.modele().rowCount(); ++i) ids.append(liste.modele().valeur(i, "Identifiant").toInt());
        return ids;
    }
    static void quitterNom(TFrmPrestation* fiche)
    {
        QFocusEvent sortie(QEvent::FocusOut, Qt::TabFocusReason);
        QCoreApplication::sendEvent(fiche->findChild<QLineEdit*>("edNom"), &sortie);
    }
    static QLineEdit* nom(TFrmPrestation* fiche) { return fiche->findChild<QLineEdit*>("edNom"); }
};

} // namespace

TEST_F(EcransPrest, ModesDeLaListe)
{
    struct Cas {
        int mode;
        QString titre;
        QString cle;
        QStringList colonnes;
        bool ordre;
        bool copier;
    };
    const Cas lesCas[] = {
        {TFrmPrest::Hebergements, u"Liste des hébergements"_qs, "TFrmPrestChambres", {"Nom"}, true, true},
        {TFrmPrest::Prestations, u"Liste des prestations"_qs, "TFrmPrestPresta", {"Nom", "Prix"}, true, false},
        {TFrmPrest::Repas, u"Liste des Repas"_qs, "TFrmPrestRepas", {"Nom", "Prix"}, false, false},
    };
    t.hebergement(u"Chambre bleue"_qs);
    const int petit = t.item(typeprest::Repas, u"Petit déjeuner"_qs, 8);
    const int diner = t.item(typeprest::Repas, u"Dîner"_qs, 25);
    t.item(typeprest::Prestation, u"Lit bébé"_qs, 5);
    t.item(typeprest::DemiPension, u"Inclus 1/2 P"_qs);
    for (const Cas& cas : lesCas) {
        TFrmPrest liste(contexte, cas.mode);
        liste.show();
        EXPECT_EQ(liste.windowTitle(), cas.titre);
        EXPECT_EQ(liste.cleFenetre(), cas.cle);
        QStringList colonnes;
        for (const auto& c : liste.modele().colonnesGrille()) colonnes.append(c.nomChamp);
        EXPECT_EQ(colonnes, cas.colonnes) << cas.cle.toStdString();
        EXPECT_EQ(liste.findChild<QToolButton*>("BtnOrdreHaut")->isVisible(), cas.ordre);
        EXPECT_EQ(liste.findChild<QToolButton*>("BtnOrdreBas")->isVisible(), cas.ordre);
        EXPECT_EQ(liste.findChild<QPushButton*>("BtnCopierTarifs")->isVisible(), cas.copier);
        EXPECT_FALSE(liste.findChild<QFrame*>("PanelRepas")->isVisible());
        EXPECT_EQ(liste.modele().rowCount(), cas.mode == TFrmPrest::Repas ? 2 : 1);
        liste.close();
    }
    // Meals in display order; the half-board item is never listed.
    TFrmPrest repas(contexte, TFrmPrest::Repas);
    repas.show();
    EXPECT_EQ(identifiants(repas), (QList<int>{petit, diner}));
    // The column chooser does not offer what is not a meal's.
    repas.construireListeColonnes();
    QStringList offertes;
    for (const TColonneGrille& c : repas.colonnes()) offertes.append(c.NomChamp.toLower());
    for (const char* exclue : {"propnuits", "offert", "numordre", "couleur", "capacite", "sanstva", "ht1", "typeprest"})
        EXPECT_FALSE(offertes.contains(exclue)) << exclue;
    EXPECT_TRUE(offertes.contains("nom"));
    repas.close();
}

TEST_F(EcransPrest, NomEnDoubleRefuse)
{
    t.hebergement(u"Chambre bleue"_qs);
    TFrmPrest liste(contexte, TFrmPrest::Prestations);
    liste.show();
    bool vu = false;
    quandModal<TFrmPrestation>([&](TFrmPrestation* fiche) {
        vu = true;
        EXPECT_EQ(fiche->windowTitle(), u"Création / modification d'une prestation"_qs);
        // An empty name is refused first.
        fiche->btnOK()->click();
        EXPECT_EQ(dialogues().textes(), QStringList{u"Vous devez indiquer un nom."_qs});
        dialogues().vider();

        // Same name as an accommodation, letter case aside: a warning when leaving the field.
        nom(fiche)->setText(u"chambre bleue"_qs);
        quitterNom(fiche);
        const QString pris = u"Il existe déjà un hébergement, une prestation ou un repas portant ce nom.\n"
                             u"Vous devez donner un autre nom."_qs;
        EXPECT_EQ(dialogues().textes(), QStringList{pris});
        dialogues().vider();

        // Exactly the same name: refused on saving, the screen stays open.
        nom(fiche)->setText(u"Chambre bleue"_qs);
        fiche->btnOK()->click();
        EXPECT_EQ(dialogues().textes(), QStringList{pris});
        EXPECT_TRUE(fiche->isVisible());
        EXPECT_EQ(valeur("SELECT COUNT(*) FROM prestation WHERE TypePrest = 1").toInt(), 0);

        nom(fiche)->setText(u"Lit bébé"_qs);
        quitterNom(fiche);
        fiche->btnOK()->click();
    });
    liste.findChild<QPushButton*>("BtnAjouter")->click();
    ASSERT_TRUE(vu);
    EXPECT_EQ(t.lignes("SELECT Nom, NumOrdre FROM prestation WHERE TypePrest = 1"),
        (QList<QVariantList>{{u"Lit bébé"_qs, 1}}));
    EXPECT_EQ(liste.valeurCourante("Nom").toString(), u"Lit bébé"_qs);

    // A name differing only by letter case warns but can be saved.
    dialogues().vider();
    quandModal<TFrmPrestation>([&](TFrmPrestation* fiche) {
        nom(fiche)->setText(u"LIT BÉBÉ"_qs);
        quitterNom(fiche);
        EXPECT_TRUE(dialogues().textes().isEmpty()) << "É is not folded";
        nom(fiche)->setText(u"lit bébé"_qs);
        quitterNom(fiche);
        EXPECT_EQ(dialogues().textes().size(), 1);
        // Warned once: the cursor may now leave the field.
        quitterNom(fiche);
        EXPECT_EQ(dialogues().textes().size(), 1);
        fiche->btnOK()->click();
    });
    liste.Ajouter();
    EXPECT_EQ(valeur("SELECT COUNT(*) FROM prestation WHERE TypePrest = 1").toInt(), 2);
    liste.close();
}

TEST_F(EcransPrest, SuppressionRefuseeOuConfirmee)
{
    const int occupe = t.hebergement(u"Chambre bleue"_qs);
    const int ferme = t.hebergement(u"Chambre verte"_qs);
    const int res = t.reservation(jour(2024, 7, 1), jour(2024, 7, 2));
    t.planning(occupe, jour(2024, 7, 1), res, 3);
    t.planning(ferme, jour(2024, 7, 10), -1, 0);
    const int type = t.typeTarif("Saison", jour(2024, 1, 1), jour(2024, 12, 31));
    t.tarif(ferme, type, 90.91, 9.09, 100);

    TFrmPrest liste(contexte, TFrmPrest::Hebergements);
    liste.show();
    liste.allerLigne(liste.modele().ligneIdentifiant(occupe));
    liste.findChild<QPushButton*>("BtnSupprimer")->click();
    EXPECT_EQ(dialogues().textes(),
        QStringList{u"Vous ne pouvez pas supprimer cet hébergement, car il est soit réservé, soit pré-réservé."_qs});
    EXPECT_TRUE(dialogues().questions().isEmpty());
    EXPECT_EQ(valeur("SELECT COUNT(*) FROM prestation").toInt(), 2);

    dialogues().vider();
    dialogues().reponses.enqueue(false);
    liste.allerLigne(liste.modele().ligneIdentifiant(ferme));
    liste.Supprimer();
    EXPECT_EQ(dialogues().questions(), QStringList{u"Confirmez-vous la suppression de cet hébergement ?"_qs});
    EXPECT_EQ(valeur("SELECT COUNT(*) FROM prestation").toInt(), 2);

    dialogues().reponses.enqueue(true);
    liste.Supprimer();
    EXPECT_EQ(identifiants(liste), QList<int>{occupe});
    EXPECT_EQ(valeur("SELECT COUNT(*) FROM Planning WHERE IdPrest = ?", {ferme}).toInt(), 0);
    EXPECT_EQ(valeur("SELECT COUNT(*) FROM Tarifs WHERE IdPrest = ?", {ferme}).toInt(), 0);
    EXPECT_TRUE(principale.recus.isEmpty());
    liste.close();
    // Open plannings reload once the list closes.
    EXPECT_TRUE(principale.recus.contains(WMActualiserPlanning));
}

TEST_F(EcransPrest, SelectionPourLEditeur)
{
    t.hebergement(u"Chambre bleue"_qs);
    const int lit = t.item(typeprest::Prestation, u"Lit bébé"_qs, 5);
    const int diner = t.item(typeprest::Repas, u"Dîner"_qs, 25);

    quandModal<TFrmPrest>([](TFrmPrest* liste) {
        EXPECT_FALSE(liste->findChild<QPushButton*>("BtnAjouter")->isVisible());
        EXPECT_FALSE(liste->findChild<QPushButton*>("BtnCopierTarifs")->isVisible());
        EXPECT_TRUE(liste->findChild<QPushButton*>("BtnOk")->isVisible());
        liste->findChild<QPushButton*>("BtnOk")->click();
    });
    EXPECT_EQ(TFrmPrest::ChoisirHebergement(contexte, nullptr), u"Chambre bleue"_qs);

    quandModal<TFrmPrest>(
        [](TFrmPrest* liste) { emit liste->grille()->doubleClicked(liste->grille()->model()->index(0, 0)); });
    EXPECT_EQ(TFrmPrest::ChoisirPrestation(contexte, nullptr), lit);

    quandModal<TFrmPrest>([](TFrmPrest* liste) {
        auto* tous = liste->findChild<QCheckBox*>("cbTousLesJours");
        EXPECT_TRUE(tous->isVisible());
        EXPECT_EQ(tous->text(), u"Ajouter le repas sélectionné à tous les jours de la réservation"_qs);
        tous->setChecked(true);
        liste->findChild<QPushButton*>("BtnOk")->click();
    });
    const TFrmPrest::ChoixRepas repas = TFrmPrest::ChoisirRepas(contexte, nullptr);
    EXPECT_EQ(repas.Identifiant, diner);
    EXPECT_TRUE(repas.TousLesJours);

    // Cancelled: no name, no identifier.
    quandModal<TFrmPrest>([](TFrmPrest* liste) { liste->findChild<QPushButton*>("BtnQuitter")->click(); });
    EXPECT_EQ(TFrmPrest::ChoisirHebergement(contexte, nullptr), QString());
    quandModal<TFrmPrest>([](TFrmPrest* liste) { liste->findChild<QPushButton*>("BtnQuitter")->click(); });
    EXPECT_EQ(TFrmPrest::ChoisirRepas(contexte, nullptr).Identifiant, -1);
}

TEST_F(EcransPrest, OrdreDAffichage)
{
    const int a = t.hebergement("A");
    const int b = t.hebergement("B");
    const int c = t.hebergement("C");
    TFrmPrest liste(contexte, TFrmPrest::Hebergements);
    liste.show();
    liste.allerLigne(1);
    liste.findChild<QToolButton*>("BtnOrdreBas")->click();
    EXPECT_EQ(identifiants(liste), (QList<int>{a, c, b}));
    EXPECT_EQ(liste.valeurCourante("Identifiant").toInt(), b);
    // The last cannot go down; the first cannot go up.
    liste.Deplacer(1);
    EXPECT_EQ(identifiants(liste), (QList<int>{a, c, b}));
    liste.allerLigne(0);
    liste.findChild<QToolButton*>("BtnOrdreHaut")->click();
    EXPECT_EQ(identifiants(liste), (QList<int>{a, c, b}));
    EXPECT_EQ(t.lignes("SELECT Identifiant FROM prestation ORDER BY NumOrdre"), (QList<QVariantList>{{a}, {c}, {b}}));
    liste.close();
    EXPECT_TRUE(principale.recus.contains(WMActualiserPlanning));
}

TEST_F(EcransPrest, CopieDesTarifs)
{
    const int source = t.hebergement("Source");
    const int dest = t.hebergement("Destination");
    const int autre = t.hebergement("Autre");
    const int haute = t.typeTarif("Haute", jour(2024, 7, 1), jour(2024, 8, 31));
    const int basse = t.typeTarif("Basse", jour(2024, 1, 1), jour(2024, 6, 30));
    const int semaine = t.typeTarif("Semaine", jour(2024, 1, 1), jour(2024, 12, 31), 7);
    t.tarif(source, haute, 90.91, 9.09, 100);
    t.tarif(source, basse, 72.73, 7.27, 80);
    t.tarif(source, semaine, 545.45, 54.55, 600, false);
    for (int type : {haute, basse, semaine}) t.tarif(dest, type, 1, 0.1, 1.1);
    t.tarif(autre, haute, 2, 0.2, 2.2);

    TFrmPrest liste(contexte, TFrmPrest::Hebergements);
    liste.show();
    bool vu = false;
    quandModal<TFrmSelChamps>([&](TFrmSelChamps* choix) {
        vu = true;
        // Accommodations by name: Autre, Destination, Source.
        ASSERT_EQ(choix->boutonsSource().size(), 3);
        EXPECT_EQ(choix->boutonsSource().at(2)->text(), "Source");
        choix->casesDestination().at(1)->setChecked(true);
        choix->btnOK()->click();
        EXPECT_EQ(dialogues().textes(), QStringList{u"Vous devez sélectionner un seul hébergement source."_qs});
        choix->boutonsSource().at(2)->setChecked(true);
        choix->btnOK()->click();
    });
    liste.findChild<QPushButton*>("BtnCopierTarifs")->click();
    ASSERT_TRUE(vu);
    EXPECT_EQ(dialogues().textes().last(), u"La copie des tarifs est terminée."_qs);
    EXPECT_FALSE(liste.findChild<QProgressBar*>("BarreProgression")->isVisible());
    const QString tarifs
        = "SELECT IdTarif, Applicable, Prix, HT1, TVA1, TTC1 FROM Tarifs WHERE IdPrest = ? ORDER BY IdTarif";
    EXPECT_EQ(t.lignes(tarifs, {dest}), t.lignes(tarifs, {source}));
    EXPECT_EQ(valeur("SELECT COUNT(*) FROM Tarifs WHERE IdPrest = ?", {autre}).toInt(), 1);

    // Cancelling the chooser copies nothing.
    dialogues().vider();
    quandModal<TFrmSelChamps>([](TFrmSelChamps* choix) { choix->btnAnnuler()->click(); });
    liste.CopierTarifs();
    EXPECT_TRUE(dialogues().textes().isEmpty());
    EXPECT_EQ(valeur("SELECT COUNT(*) FROM Tarifs WHERE IdPrest = ?", {autre}).toInt(), 1);
    liste.close();
}

TEST_F(EcransPrest, ControlesSelonLeGenre)
{
    struct Cas {
        int type;
        bool capacite, proportion, tarifUnique, offert, couleur, sansTva;
    };
    const Cas lesCas[] = {
        {typeprest::Hebergement, true, false, true, false, true, false},
        {typeprest::Prestation, false, true, false, true, true, true},
        {typeprest::Repas, false, false, false, false, false, false},
    };
    for (const Cas& cas : lesCas) {
        const QSqlRecord ligne = t.catalogue().CreerPrestation(cas.type);
        TFrmPrestation fiche(contexte, cas.type, ligne, true);
        fiche.show();
        EXPECT_EQ(fiche.windowTitle(), TFrmPrestation::titre(cas.type));
        EXPECT_EQ(fiche.findChild<QFrame*>("PanelCapacite")->isVisible(), cas.capacite) << cas.type;
        EXPECT_EQ(fiche.findChild<QFrame*>("PanelProportion")->isVisible(), cas.proportion) << cas.type;
        EXPECT_EQ(fiche.findChild<QCheckBox*>("cbTarifSimple")->isVisible(), cas.tarifUnique) << cas.type;
        EXPECT_EQ(fiche.findChild<QCheckBox*>("cbOffert")->isVisible(), cas.offert) << cas.type;
        EXPECT_EQ(fiche.findChild<QCheckBox*>("cbAffCouleur")->isVisible(), cas.couleur) << cas.type;
        EXPECT_EQ(fiche.findChild<QFrame*>("PanelCouleur")->isVisible(), cas.couleur) << cas.type;
        EXPECT_EQ(fiche.findChild<QCheckBox*>("cbSansTVA")->isVisible(), cas.sansTva) << cas.type;
        // A single price: typed in the item's VAT frame.
        EXPECT_TRUE(fiche.cadreTVA()->isVisible()) << cas.type;
        EXPECT_FALSE(fiche.findChild<QTableWidget*>("GrilleTarifs")->isVisible()) << cas.type;
        EXPECT_FALSE(fiche.findChild<EditNombre*>("edPrix")->isVisible()) << cas.type;
        fiche.Annuler();
    }
    EXPECT_EQ(valeur("SELECT COUNT(*) FROM prestation").toInt(), 0) << "cancelled creations write nothing";
}

TEST_F(EcransPrest, HebergementATarifsDetailles)
{
    const int chambre = t.hebergement(u"Chambre bleue"_qs, 0, false);
    const int haute = t.typeTarif("Haute", jour(2024, 7, 1), jour(2024, 8, 31));
    t.tarif(chambre, haute, 90.91, 9.09, 100, true, 10);
    // A type created after the accommodation, and rates changed since.
    const int semaine = t.typeTarif("Semaine", jour(2024, 1, 1), jour(2024, 12, 31), 7);
    t.sql("UPDATE Tarifs SET Taux1 = 5.5");

    const QSqlRecord ligne = t.catalogue().ModifierPrestation(typeprest::Hebergement, chambre);
    {
        TFrmPrestation fiche(contexte, typeprest::Hebergement, ligne, false);
        fiche.show();
        auto* grille = fiche.findChild<QTableWidget*>("GrilleTarifs");
        ASSERT_TRUE(grille->isVisible());
        EXPECT_FALSE(fiche.cadreTVA()->isVisible());
        EXPECT_TRUE(fiche.cadreTVATarif()->isVisible());
        EXPECT_EQ(fiche.findChild<QLabel*>("LblTarif")->text(),
            u"Tarif détaillé, saisissez les composantes du tarif sous la grille, pour chaque type de tarif."_qs);
        // Completed on opening: the new type applicable at price 0, every row at the current rates.
        ASSERT_EQ(grille->rowCount(), 2);
        EXPECT_EQ(grille->item(0, 1)->text(), "Haute");
        EXPECT_EQ(grille->item(1, 1)->text(), "Semaine");
        EXPECT_EQ(grille->item(1, 0)->checkState(), Qt::Checked);
        EXPECT_EQ(grille->item(1, 2)->text(), "0,00");
        EXPECT_EQ(valeur("SELECT COUNT(*) FROM Tarifs WHERE Taux1 = 10").toInt(), 2);
        EXPECT_TRUE(dialogues().questions().isEmpty());
        EXPECT_EQ(fiche.cadreTVATarif()->findChild<QLabel*>("LblTitreTaux1")->text(), u"TVA à 10 %"_qs);

        // The week package typed in the frame under the grid, the high season made not applicable.
        grille->setCurrentCell(1, 1);
        fiche.cadreTVATarif()->saisie().setCote(CoteSaisie::TTC);
        QTest::keyClicks(fiche.cadreTVATarif()->edTTC(1), "550");
        EXPECT_EQ(grille->item(1, 2)->text(), "550,00");
        grille->item(0, 0)->setCheckState(Qt::Unchecked);
        // Nothing is written before OK.
        EXPECT_EQ(valeur("SELECT Prix FROM Tarifs WHERE IdTarif = ?", {semaine}).toDouble(), 0);
        fiche.btnOK()->click();
        EXPECT_EQ(fiche.result(), QDialog::Accepted);
        EXPECT_TRUE(fiche.changementPlanning());
    }
    EXPECT_EQ(
        t.lignes("SELECT IdTarif, Applicable, Prix, HT1, TVA1, TTC1 FROM Tarifs WHERE IdPrest = ? ORDER BY IdTarif",
            {chambre}),
        (QList<QVariantList>{{haute, 0, 100.0, 90.91, 9.09, 100.0}, {semaine, 1, 550.0, 500.0, 50.0, 550.0}}));
}

TEST_F(EcransPrest, NouvelHebergementAvecSesTarifs)
{
    const int haute = t.typeTarif("Haute", jour(2024, 7, 1), jour(2024, 8, 31));
    const int basse = t.typeTarif("Basse", jour(2024, 1, 1), jour(2024, 6, 30));
    const QSqlRecord ligne = t.catalogue().CreerPrestation(typeprest::Hebergement);
    TFrmPrestation fiche(contexte, typeprest::Hebergement, ligne, true);
    fiche.show();
    fiche.findChild<QLineEdit*>("edNom")->setText(u"Gîte"_qs);
    fiche.findChild<QSpinBox*>("edCapacite")->setValue(4);
    fiche.findChild<QCheckBox*>("cbDansPourcent")->click();
    fiche.findChild<QCheckBox*>("cbTarifSimple")->setChecked(false);
    auto* grille = fiche.findChild<QTableWidget*>("GrilleTarifs");
    ASSERT_EQ(grille->rowCount(), 2);
    grille->setCurrentCell(1, 1); // Haute, by name
    fiche.cadreTVATarif()->saisie().setCote(CoteSaisie::TTC);
    QTest::keyClicks(fiche.cadreTVATarif()->edTTC(1), "110");
    fiche.btnOK()->click();
    ASSERT_EQ(fiche.result(), QDialog::Accepted) << dialogues().textes().join('\n').toStdString();
    const int id = fiche.identifiant();
    EXPECT_EQ(t.lignes("SELECT Nom, Capacite, DansPourcent, TarifSimple FROM prestation WHERE Identifiant = ?", {id}),
        (QList<QVariantList>{{u"Gîte"_qs, 4, 1, 0}}));
    EXPECT_EQ(t.lignes("SELECT IdTarif, Applicable, Prix, Taux1 FROM Tarifs WHERE IdPrest = ? ORDER BY IdTarif", {id}),
        (QList<QVariantList>{{haute, 1, 110.0, 10.0}, {basse, 1, 0.0, 10.0}}));
}

TEST_F(EcransPrest, PrestationNonSoumiseATVA)
{
    const QSqlRecord ligne = t.catalogue().CreerPrestation(typeprest::Prestation);
    TFrmPrestation fiche(contexte, typeprest::Prestation, ligne, true);
    fiche.show();
    fiche.findChild<QLineEdit*>("edNom")->setText(u"Taxe de séjour"_qs);
    fiche.findChild<QCheckBox*>("cbSansTVA")->click();
    auto* prix = fiche.findChild<EditNombre*>("edPrix");
    EXPECT_TRUE(prix->isVisible());
    EXPECT_FALSE(fiche.cadreTVA()->isVisible());
    QTest::keyClicks(prix, "1.5");
    fiche.btnOK()->click();
    ASSERT_EQ(fiche.result(), QDialog::Accepted);
    EXPECT_EQ(t.lignes("SELECT SansTVA, Prix, HT1, TTC1, Taux1, Taux2, TVA1 FROM prestation"),
        (QList<QVariantList>{{1, 1.5, 1.5, 1.5, 0.0, 0.0, 0.0}}));

    // Opened again: the rates read 0; back under VAT, the price becomes gross at the current rates.
    const QSqlRecord stockee = t.catalogue().ModifierPrestation(typeprest::Prestation, fiche.identifiant());
    TFrmPrestation modification(contexte, typeprest::Prestation, stockee, false);
    modification.show();
    EXPECT_TRUE(modification.findChild<QCheckBox*>("cbSansTVA")->isChecked());
    EXPECT_EQ(modification.ligne().value("Taux1").toDouble(), 0);
    modification.findChild<QCheckBox*>("cbSansTVA")->click();
    EXPECT_TRUE(modification.cadreTVA()->isVisible());
    EXPECT_EQ(modification.cadreTVA()->findChild<QLabel*>("LblTitreTaux1")->text(), u"TVA à 10 %"_qs);
    modification.btnOK()->click();
    EXPECT_EQ(t.lignes("SELECT SansTVA, Prix, HT1, TVA1, TTC1, Taux1 FROM prestation"),
        (QList<QVariantList>{{0, 1.5, 1.36, 0.14, 1.5, 10.0}}));
}

TEST_F(EcransPrest, CouleurEtNavigateur)
{
    const int a = t.hebergement("A", 50, true);
    const int b = t.hebergement("B", 60, true);
    TFrmPrest liste(contexte, TFrmPrest::Hebergements);
    liste.show();
    liste.allerLigne(0);
    quandModal<TFrmPrestation>([&](TFrmPrestation* fiche) {
        // Without a colour of its own the panel shows the zone titles' colour.
        EXPECT_EQ(fiche->couleur(), couleurs::versQColor(t.commun.couleurs()[6]));
        EXPECT_FALSE(fiche->findChild<QFrame*>("PanelCouleur")->isEnabled());
        fiche->findChild<QCheckBox*>("cbAffCouleur")->click();
        fiche->setChoixCouleur([](const QColor&) { return QColor(0x12, 0x34, 0x56); });
        fiche->choisirCouleur();
        // The navigator saves the change before moving on.
        fiche->navigateur()->findChild<QToolButton*>("BtnSuivant")->click();
        EXPECT_EQ(fiche->identifiant(), b);
        fiche->btnAnnuler()->click();
    });
    liste.Modifier();
    EXPECT_EQ(t.lignes("SELECT AffCouleur, Couleur FROM prestation WHERE Identifiant = ?", {a}),
        (QList<QVariantList>{{1, 0x563412}}));
    EXPECT_EQ(t.catalogue().ListerChambres().first().Couleur, 0x563412);
    liste.close();
    EXPECT_TRUE(principale.recus.contains(WMActualiserPlanning));
}

TEST_F(EcransPrest, EchecDesTarifsHebergementNonEnregistre)
{
    t.typeTarif("Haute", jour(2024, 7, 1), jour(2024, 8, 31));
    const QSqlRecord ligne = t.catalogue().CreerPrestation(typeprest::Hebergement);
    TFrmPrestation fiche(contexte, typeprest::Hebergement, ligne, true);
    fiche.show();
    fiche.findChild<QLineEdit*>("edNom")->setText(u"Gîte"_qs);
    // The tariff rows cannot be written: the accommodation is not saved either.
    t.sql("ALTER TABLE Tarifs RENAME TO TarifsAbsents");
    fiche.btnOK()->click();
    EXPECT_TRUE(fiche.isVisible());
    ASSERT_EQ(dialogues().textes().size(), 1);
    EXPECT_TRUE(dialogues().textes().first().startsWith(u"Erreur lors de l'enregistrement d'une prestation : "_qs));
    EXPECT_EQ(valeur("SELECT COUNT(*) FROM prestation").toInt(), 0);
    // Once the table is back, OK saves both.
    t.sql("ALTER TABLE TarifsAbsents RENAME TO Tarifs");
    fiche.btnOK()->click();
    EXPECT_EQ(fiche.result(), QDialog::Accepted);
    EXPECT_EQ(valeur("SELECT COUNT(*) FROM prestation").toInt(), 1);
    EXPECT_EQ(valeur("SELECT COUNT(*) FROM Tarifs").toInt(), 1);
}

TEST_F(EcransPrest, ChangementsDetectesAvantDeNaviguer)
{
    const int a = t.hebergement("A", 50, true);
    t.hebergement("B", 60, true);
    // Columns never filled read as unchanged.
    {
        TFrmPrestation fiche(contexte, typeprest::Hebergement, t.catalogue().ModifierPrestation(0, a), false);
        fiche.show();
        EXPECT_FALSE(fiche.modifie());
        fiche.findChild<QSpinBox*>("edCapacite")->setValue(2);
        EXPECT_TRUE(fiche.modifie());
        fiche.Annuler();
    }
    EXPECT_TRUE(valeur("SELECT Capacite FROM prestation WHERE Identifiant = ?", {a}).isNull());
    // Accepting the current rates is a change the navigator saves.
    t.sql("UPDATE prestation SET Taux1 = 19.6 WHERE Identifiant = ?", {a});
    dialogues().reponses.enqueue(true);
    TFrmPrestation fiche(contexte, typeprest::Hebergement, t.catalogue().ModifierPrestation(0, a), false);
    fiche.show();
    EXPECT_EQ(dialogues().questions(), QStringList{TCadreDetailTVA::questionTaux()});
    EXPECT_TRUE(fiche.modifie());
    fiche.navigateur()->findChild<QToolButton*>("BtnDernier")->click();
    EXPECT_EQ(valeur("SELECT Taux1 FROM prestation WHERE Identifiant = ?", {a}).toDouble(), 10);
    EXPECT_FALSE(fiche.modifie());
    fiche.Annuler();
}
