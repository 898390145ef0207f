#include "reservations/screens/EditeurTest.h"

#include "maintenance/DonneesDemo.h"
#include "planning/screens/ModelePlanning.h"
#include "planning/screens/TFrmPlanning.h"
#include "catalogue/screens/TFrmPrest.h"
#include "reservations/screens/TFrmClient.h"
#include "reservations/screens/ChampsSaisie.h"
#include "reservations/screens/TfrmContact.h"
#include "support/Modaux.h"
#include "reservations/Reservations.h"

#include <QPixmap>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTimer>

#include <QHeaderView>
#include <QSpinBox>
#include <QTableView>

namespace velorin::test {

// The planning over the editor's guest house, shown from 1 July 2026 in "Verticale": day d
// of July is row d - 1, the rooms are the columns in catalogue order.
class EcranPlanning : public EditeurTest {
protected:
    EcranPlanning()
    {
        env.horloge.reglerJour(juillet(1));
        planning = std::make_unique<TFrmPlanning>(contexte);
        planning->show();
        planning->AfficherAPartirDu(juillet(1));
        env.dialogues.vider();
    }

    QModelIndex cellule(int chambre, int jourDeJuillet)
    {
        return planning->modele()->indexDe({chambre, jourDeJuillet - 1});
    }
    template <typename T> T* dansCadre(const char* nom)
    {
        T* w = planning->cadre()->findChild<T*>(QString::fromLatin1(nom));
        EXPECT_NE(w, nullptr) << nom;
        return w;
    }
    void saisir(const char* nom, const QString& texte)
    {
        QLineEdit* e = dansCadre<QLineEdit>(nom);
        e->setFocus();
        e->selectAll();
        QTest::keyClicks(e, texte);
    }
    QStringList hebergementsDuCadre()
    {
        auto* liste = dansCadre<QTableWidget>("ListeHebergements");
        QStringList noms;
        for (int i = 0; i < liste->rowCount(); ++i)
            if (liste->item(i, 0)) noms.append(liste->item(i, 0)->text());
        return noms;
    }
    // Press on one cell, release on another, as the mouse does.
    void glisser(const QModelIndex& de, const QModelIndex& a)
    {
        QTableView* grille = planning->grille();
        grille->scrollTo(de);
        QTest::mousePress(grille->viewport(), Qt::LeftButton, {}, grille->visualRect(de).center());
        grille->scrollTo(a);
        QTest::mouseRelease(grille->viewport(), Qt::LeftButton, {}, grille->visualRect(a).center());
        QCoreApplication::processEvents();
    }

    // A stay written as another screen would have stored it: reservation and planning rows.
    int sejour(const QList<int>& chambres, int premierJour, int dernierJour, int etat, int idContact)
    {
        const int id = valeur("SELECT COALESCE(MAX(Identifiant), 0) + 1 FROM Reservation").toInt();
        sql("INSERT INTO Reservation (Identifiant, IdContact, DateDeb, DateFin, Etat) VALUES (?, ?, ?, ?, ?)",
            {id, idContact, iso(juillet(premierJour)), iso(juillet(dernierJour)), etat});
        for (int c : chambres)
            for (int j = premierJour; j <= dernierJour; ++j)
                sql("INSERT INTO Planning (IdPrest, Jour, IdReservation, Etat) VALUES (?, ?, ?, ?)",
                    {c, iso(juillet(j)), id, etat});
        return id;
    }

    std::unique_ptr<TFrmPlanning> planning;
};

TEST_F(EcranPlanning, LaGrilleVerticaleMontreLesHebergementsLesObservationsEtLesRepas)
{
    ModelePlanning* m = planning->modele();
    ASSERT_EQ(m->rowCount(), joursPlanning);
    QStringList titres;
    for (int c = 0; c < m->columnCount(); ++c) titres.append(m->headerData(c, Qt::Horizontal).toString());
    EXPECT_EQ(titres, (QStringList{"Chambre bleue", "Chambre verte", "Gîte", "Observations", "Nb Ch.", "Repas"}));
    EXPECT_EQ(m->headerData(0, Qt::Vertical).toString(), "Me 01/07");
    EXPECT_EQ(m->headerData(0, Qt::Vertical, Qt::BackgroundRole).value<QColor>(),
        couleurs::versQColor(commun.couleurs().at(10)));
    // Saturday 4 July in the weekend colour.
    EXPECT_EQ(cellule(0, 4).data(Qt::BackgroundRole).value<QColor>(), couleurs::versQColor(commun.couleurs().at(8)));
}

TEST_F(EcranPlanning, GlisserSurDesJoursLibresPrepareUneNouvelleReservationSurCesNuitsEtCesHebergements)
{
    glisser(cellule(0, 10), cellule(1, 12));

    EXPECT_EQ(dansCadre<ChampDate>("edDateDeb")->valeur(), juillet(10));
    EXPECT_EQ(dansCadre<ChampDate>("edDateFin")->valeur(), juillet(12));
    EXPECT_EQ(hebergementsDuCadre(), (QStringList{"Chambre bleue", "Chambre verte"}));
    EXPECT_EQ(planning->cadre()->reservationCourante(), -1);
    EXPECT_EQ(compter("SELECT COUNT(*) FROM Reservation"), 0);

    // Down to the remarks line: only the accommodation lines count.
    glisser(cellule(2, 5), cellule(3, 6));
    EXPECT_EQ(hebergementsDuCadre(), (QStringList{"Gîte"}));
    EXPECT_EQ(dansCadre<ChampDate>("edDateFin")->valeur(), juillet(6));
}

TEST_F(EcranPlanning, UneReservationEnregistreeParaitSurLaGrilleEtUnClicLOuvre)
{
    planning->ChoisirPlage(cellule(0, 10), cellule(0, 11));
    saisir("edNom", "Dupont");
    saisir("edPrenom", "Jean");
    saisir("edNbPers", "2");
    ASSERT_TRUE(planning->EnregistrerReservation()) << dernierMessage().toStdString();

    const int id = valeur("SELECT Identifiant FROM Reservation").toInt();
    ASSERT_GT(id, 0);
    for (int jour : {10, 11}) {
        EXPECT_EQ(cellule(0, jour).data().toString(), "Dupont");
        const TJourPlan* j = planning->modele()->jourPlan({0, jour - 1});
        ASSERT_NE(j, nullptr);
        EXPECT_EQ(j->IdReservation, id);
        EXPECT_EQ(cellule(0, jour).data(Qt::ForegroundRole).value<QColor>(),
            ModelePlanning::couleurTexte(*j, -1, commun.couleurs()));
    }
    EXPECT_EQ(cellule(0, 12).data().toString(), "");
    EXPECT_EQ(planning->modele()->index(9, 4).data().toString(), "1"); // "Nb Ch."

    planning->cadre()->Abandonner();
    glisser(cellule(1, 3), cellule(1, 3));
    EXPECT_EQ(planning->cadre()->reservationCourante(), -1);
    glisser(cellule(0, 11), cellule(0, 11));
    EXPECT_EQ(planning->cadre()->reservationCourante(), id);
    EXPECT_EQ(dansCadre<QLineEdit>("edNom")->text(), "Dupont");
}

TEST_F(EcranPlanning, UnHoteInconnuEtUneChambreAjouteeSeChoisissentDansLeursEcrans)
{
    planning->ChoisirPlage(cellule(2, 14), cellule(2, 15));
    // The accommodation list opens in selection mode on the catalogue's first room.
    quandModal<TFrmPrest>([](TFrmPrest* liste) { liste->findChild<QPushButton*>("BtnOk")->click(); });
    dansCadre<QPushButton>("BtnAjouterHebergement")->click();
    EXPECT_EQ(hebergementsDuCadre(), (QStringList{"Gîte", "Chambre bleue"}));

    saisir("edNom", "Durand");
    saisir("edPrenom", "Marie");
    saisir("edNbPers", "3");
    env.dialogues.vider();
    env.dialogues.reponses.enqueue(true); // "Cet hôte n'existe pas, voulez-vous le créer ?"
    quandModal<TFrmClient>([](TFrmClient* fiche) {
        EXPECT_EQ(fiche->frmContact()->edNom()->text(), "Durand");
        fiche->frmContact()->edVille()->setText("Nantes");
        fiche->btnOK()->click();
    });
    ASSERT_TRUE(planning->EnregistrerReservation()) << dernierMessage().toStdString();

    EXPECT_EQ(env.dialogues.questions(), QStringList{"Cet hôte n'existe pas, voulez-vous le créer ?"});
    EXPECT_EQ(lignes("SELECT Nom, Prenom, Ville FROM Contact WHERE Identifiant = (SELECT IdContact FROM Reservation)"),
        (QList<QVariantList>{{"Durand", "Marie", "Nantes"}}));
    for (int chambre : {0, 2})
        for (int jour : {14, 15}) EXPECT_EQ(cellule(chambre, jour).data().toString(), "Durand");
}

TEST_F(EcranPlanning, EntreeDansLaGrilleDesPrestationsPasseALaColonneSuivante)
{
    planning->ChoisirPlage(cellule(0, 10), cellule(0, 11));
    saisir("edNom", "Dupont");
    saisir("edPrenom", "Jean");
    saisir("edNbPers", "2");
    quandModal<TFrmPrest>([](TFrmPrest* liste) { liste->findChild<QPushButton*>("BtnOk")->click(); });
    dansCadre<QPushButton>("BtnAjouterPrestation")->click();
    GrilleLignes* prestations = dansCadre<GrilleLignes>("GrillePrestations");
    QAbstractItemModel* lignesPrest = prestations->model();
    ASSERT_EQ(lignesPrest->rowCount(), 1);
    EXPECT_EQ(lignesPrest->index(0, 0).data().toString(), "Petit déjeuner");
    ASSERT_EQ(prestations->currentIndex(), lignesPrest->index(0, 1));

    QWidget* editeur = prestations->indexWidget(prestations->currentIndex());
    ASSERT_NE(editeur, nullptr);
    QTest::keyClick(editeur, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(editeur, "3");
    QTest::keyClick(editeur, Qt::Key_Return);
    QCoreApplication::processEvents();
    EXPECT_EQ(prestations->currentIndex(), lignesPrest->index(0, 2));
    EXPECT_EQ(lignesPrest->index(0, 1).data().toInt(), 3);
    QWidget* focus = planning->focusWidget();
    EXPECT_TRUE(focus == prestations || prestations->isAncestorOf(focus))
        << "the key stayed in the grid, not " << (focus ? focus->objectName().toStdString() : "-");
    EXPECT_TRUE(planning->isVisible());
}

TEST_F(EcranPlanning, LeBoutonEnregistrerMontreLesRaisonsDuRefusDuCadre)
{
    planning->ChoisirPlage(cellule(0, 10), cellule(0, 11));
    dansCadre<QComboBox>("cbEtat")->setCurrentIndex(EtatReservation::Reserve);
    planning->findChild<QPushButton*>("BtnAjouter")->click();
    EXPECT_EQ(dernierMessage(),
        "La réservation ne peut pas être enregistrée pour les raisons suivantes : "
        "\n- vous devez renseigner le nom ou le prénom de l'hôte.");
    EXPECT_EQ(compter("SELECT COUNT(*) FROM Reservation"), 0);
    EXPECT_EQ(cellule(0, 10).data().toString(), "");
}

TEST_F(EcranPlanning, EnregistrerSurUnJourPrisMontreLErreurDeDisponibiliteEtNEcritRien)
{
    planning->ChoisirPlage(cellule(1, 10), cellule(1, 10));
    saisir("edNom", "Dupont");
    saisir("edPrenom", "Jean");
    saisir("edNbPers", "2");
    ASSERT_TRUE(planning->EnregistrerReservation()) << dernierMessage().toStdString();
    // The refused save must leave the stay's tables as they are.
    const QStringList tables{"Reservation", "Planning", "PrestCompl", "Repas", "DepRec", "Factures", "FactLig"};
    const QStringList avant = instantane(tables);

    // 9 to 11 on the same room: the last day is free, the 10th is not.
    planning->ChoisirPlage(cellule(1, 9), cellule(1, 11));
    ASSERT_EQ(planning->cadre()->reservationCourante(), -1);
    saisir("edNom", "Martin");
    saisir("edPrenom", "Paul");
    saisir("edNbPers", "2");
    env.dialogues.vider();
    EXPECT_FALSE(planning->EnregistrerReservation());
    EXPECT_EQ(dernierMessage(),
        "La réservation ne peut pas être enregistrée pour les raisons suivantes : "
        "\nL'hébergement Chambre verte est déjà pré-réservé ou réservé par un autre hôte le 10/07/2026");
    EXPECT_EQ(instantane(tables), avant);
    EXPECT_EQ(cellule(1, 9).data().toString(), "");
}

TEST_F(EcranPlanning, ChangerDHoteDonneLaReservationAuNouvelHote)
{
    planning->ChoisirPlage(cellule(0, 10), cellule(0, 10));
    saisir("edNom", "Dupont");
    saisir("edPrenom", "Jean");
    saisir("edNbPers", "2");
    ASSERT_TRUE(planning->EnregistrerReservation()) << dernierMessage().toStdString();
    const int id = valeur("SELECT Identifiant FROM Reservation").toInt();
    planning->cadre()->choisirHote = [this](const QString&, const QString&) { return martin; };

    planning->ReaffecterReservation();

    EXPECT_EQ(valeur("SELECT IdContact FROM Reservation WHERE Identifiant = ?", {id}).toInt(), martin);
    EXPECT_EQ(cellule(0, 10).data().toString(), "Martin");
}

TEST_F(EcranPlanning, UneRemarqueSaisieEnHorizontaleEstEnregistreePourSonJour)
{
    planning->setPresentation(ModelePlanning::Horizontale);
    ModelePlanning* m = planning->modele();
    EXPECT_EQ(m->columnCount(), joursPlanning);
    EXPECT_EQ(m->headerData(3, Qt::Vertical).toString(), "Observations");
    // Third day of the window: column 2.
    ASSERT_TRUE(m->setData(m->index(3, 2), "Arrivée du plombier"));
    EXPECT_EQ(
        valeur("SELECT Remarque FROM Remarques WHERE Jour = ?", {iso(juillet(3))}).toString(), "Arrivée du plombier");
    EXPECT_FALSE(m->flags(m->index(4, 2)) & Qt::ItemIsSelectable); // "Nb Ch." line

    // The remark is typed within its stored length.
    QWidget* editeur = planning->grille()->itemDelegate()->createEditor(
        planning->grille()->viewport(), QStyleOptionViewItem(), m->index(3, 2));
    auto* ligne = qobject_cast<QLineEdit*>(editeur);
    ASSERT_NE(ligne, nullptr);
    EXPECT_EQ(ligne->maxLength(), 250);
    delete editeur;
}

TEST_F(EcranPlanning, MoisSuivantApresDecembrePasseEnJanvierEtAjouteLAnnee)
{
    planning->AfficherAPartirDu(QDate(2031, 12, 1));
    planning->MoisSuivant();
    EXPECT_EQ(planning->dateAffichage(), QDate(2032, 1, 1));
    auto* annees = planning->findChild<QComboBox*>("cbAnnee");
    EXPECT_GE(annees->findText("2032"), 0);
    EXPECT_EQ(annees->currentText(), "2032");
    EXPECT_EQ(planning->findChild<QComboBox*>("cbMois")->currentText(), "Janvier");
    planning->MoisPrecedent();
    EXPECT_EQ(planning->dateAffichage(), QDate(2031, 12, 1));
}

TEST_F(EcranPlanning, UnHoteDisparuEstSignaleEtLaReservationSAfficheSansHote)
{
    planning->ChoisirPlage(cellule(0, 10), cellule(0, 10));
    saisir("edNom", "Dupont");
    saisir("edPrenom", "Jean");
    saisir("edNbPers", "2");
    ASSERT_TRUE(planning->EnregistrerReservation()) << dernierMessage().toStdString();
    sql("UPDATE Contact SET Nom = '', Prenom = NULL WHERE Identifiant = (SELECT IdContact FROM Reservation)");
    planning->Actualiser();
    env.dialogues.vider();
    env.dialogues.reponses.enqueue(false);

    planning->ChoisirPlage(cellule(0, 10), cellule(0, 10));

    ASSERT_EQ(env.dialogues.questions().size(), 1);
    EXPECT_TRUE(
        env.dialogues.questions().first().startsWith("Il semble que l'hôte saisi pour cette réservation a disparu."));
    EXPECT_EQ(dernierMessage(),
        "La réservation reste sans hôte attribué, vous devez la supprimer ou l'attribuer à un autre hôte.");
    EXPECT_EQ(dansCadre<QLineEdit>("edNom")->text(), "");
}

TEST_F(EcranPlanning, SupprimerApresConfirmationEffaceLaReservationDeLaGrille)
{
    planning->ChoisirPlage(cellule(2, 5), cellule(2, 6));
    saisir("edNom", "Dupont");
    saisir("edPrenom", "Jean");
    saisir("edNbPers", "2");
    ASSERT_TRUE(planning->EnregistrerReservation()) << dernierMessage().toStdString();
    ASSERT_EQ(cellule(2, 5).data().toString(), "Dupont");

    env.dialogues.reponses.enqueue(false);
    planning->SupprimerReservation();
    EXPECT_EQ(compter("SELECT COUNT(*) FROM Reservation"), 1);

    env.dialogues.reponses.enqueue(true);
    planning->SupprimerReservation();
    EXPECT_EQ(compter("SELECT COUNT(*) FROM Reservation"), 0);
    EXPECT_EQ(compter("SELECT COUNT(*) FROM Planning"), 0);
    EXPECT_EQ(cellule(2, 5).data().toString(), "");
    EXPECT_TRUE(env.dialogues.questions().last().startsWith(
        "Confirmez-vous la suppression de la réservation suivante : \rdu "));
}

TEST_F(EcranPlanning, LaPresentationLaPlaceDuCadreEtLaHauteurDesLignesSontRetrouvees)
{
    planning->findChild<QComboBox*>("cbPresGrille")->setCurrentIndex(0);
    planning->findChild<QComboBox*>("CBPosReserv")->setCurrentIndex(1);
    planning->findChild<QSpinBox*>("spHautLigne")->setValue(30);
    planning->close();
    planning.reset();

    TFrmPlanning autre(contexte);
    autre.show();
    EXPECT_EQ(autre.modele()->presentation(), ModelePlanning::Horizontale);
    EXPECT_EQ(autre.findChild<QComboBox*>("CBPosReserv")->currentText(), "en Bas");
    EXPECT_EQ(autre.grille()->verticalHeader()->defaultSectionSize(), 30);
}

TEST_F(EcranPlanning, LaColonneObservationsLesPanneauxDuCadreEtLaMiseAJourInternetSontRetrouves)
{
    const int observations = planning->modele()->ligneObservations();
    EXPECT_EQ(planning->grille()->horizontalHeader()->sectionSize(observations), 150);
    planning->grille()->horizontalHeader()->resizeSection(observations, 210);
    planning->MoisSuivant();
    EXPECT_EQ(planning->grille()->horizontalHeader()->sectionSize(observations), 210) << "kept over a redisplay";
    dansCadre<PanneauRepliable>("PanelPrestations")->setReplie(true);
    planning->findChild<QComboBox*>("cbMajPlanning")->setCurrentIndex(3);
    planning->close();
    planning.reset();

    TFrmPlanning autre(contexte);
    autre.show();
    EXPECT_EQ(autre.grille()->horizontalHeader()->sectionSize(observations), 210);
    EXPECT_TRUE(autre.cadre()->findChild<PanneauRepliable*>("PanelPrestations")->replie());
    EXPECT_FALSE(autre.cadre()->findChild<PanneauRepliable*>("PanelRepas")->replie());
    EXPECT_EQ(autre.findChild<QComboBox*>("cbMajPlanning")->currentText(), "3 mois");
}

TEST_F(EcranPlanning, LesBoutonsDuBasSontAlignesADroiteQuitterLePlusADroite)
{
    const QStringList ordre{"BtnOk", "BtnAjouter", "BtnSupprimerReserv", "BtnRegrouper", "btnReaffecter", "BtnImpPlan",
        "cbMajPlanning", "btnCreeEnvPlanning"};
    for (int i = 1; i < ordre.size(); ++i) {
        QWidget* droite = planning->findChild<QWidget*>(ordre.at(i - 1));
        QWidget* gauche = planning->findChild<QWidget*>(ordre.at(i));
        ASSERT_TRUE(droite && gauche) << ordre.at(i).toStdString();
        EXPECT_LT(gauche->geometry().right(), droite->geometry().left()) << ordre.at(i).toStdString();
    }
    EXPECT_EQ(planning->findChild<QWidget*>("BtnSupprimerReserv")->width(),
        planning->findChild<QWidget*>("BtnAjouter")->width());
    auto* maj = planning->findChild<QComboBox*>("cbMajPlanning");
    EXPECT_EQ(maj->count(), 13);
    EXPECT_EQ(maj->itemText(0), "Fin année");
    EXPECT_EQ(maj->itemText(12), "12 mois");
}

TEST_F(EcranPlanning, LaDateInitialeSuitLeModeDAffichageEtLArchiveConsultee)
{
    struct Cas {
        int mode;
        bool archive;
        QDate attendue;
    };
    // Today is 1 July 2026; the archive consulted holds 2019 from 10 March.
    const QList<Cas> cas{
        {0, false, QDate(2026, 6, 30)},
        {1, false, QDate(2026, 7, 1)},
        {0, true, QDate(2019, 3, 9)},
        {1, true, QDate(2019, 3, 1)},
    };
    for (const Cas& c : cas) {
        sql("UPDATE options SET ModeAffPlan = ?", {c.mode});
        velorin.setArchivesAffichees(c.archive, QDate(2019, 3, 10), QDate(2019, 12, 31));
        TFrmPlanning ecran(contexte);
        ecran.show();
        EXPECT_EQ(ecran.dateAffichage(), c.attendue) << c.mode << " " << c.archive;
        EXPECT_EQ(ecran.findChild<QPushButton*>("BtnAujourdhui")->text(), c.attendue.toString("dd/MM/yyyy"));
        ecran.close();
    }
    velorin.setArchivesAffichees(false);
}

TEST_F(EcranPlanning, UneReservationDUnAutrePosteParaitAuMessageEtALaFrequenceDuReseau)
{
    // Another workstation books room 1 on 20 July.
    const auto reserverAilleurs = [this](int jour) {
        sql("INSERT INTO Reservation (Identifiant, IdContact, DateDeb, DateFin, Etat) VALUES (?, ?, ?, ?, 3)",
            {jour, dupont, iso(juillet(jour)), iso(juillet(jour))});
        sql("INSERT INTO Planning (IdPrest, Jour, IdReservation, Etat) VALUES (?, ?, ?, 3)",
            {bleue, iso(juillet(jour)), jour});
    };
    reserverAilleurs(20);
    EXPECT_EQ(cellule(0, 20).data().toString(), "");
    envoyerMessage(planning.get(), WMActualiserPlanning);
    QCoreApplication::processEvents();
    EXPECT_EQ(cellule(0, 20).data().toString(), "Dupont");

    // On a network installation the planning reloads itself at the period of info.ini.
    ASSERT_TRUE(installationReseau(env));
    ecrireFichier(env.chemin("info.ini"), "[Reseau]\nFrequence=12\n");
    commun.lireFrequence();
    TFrmPlanning reseau(contexte);
    reseau.show();
    reseau.AfficherAPartirDu(juillet(1));
    EXPECT_TRUE(reseau.findChild<QPushButton*>("BtnActualiser")->isVisible());
    auto* minuterie = reseau.findChild<QTimer*>("Rafraichissement");
    ASSERT_NE(minuterie, nullptr);
    EXPECT_TRUE(minuterie->isActive());
    EXPECT_EQ(minuterie->interval(), 12000);
    ecrireFichier(env.chemin("info.ini"), "[Reseau]\nFrequence=30\n");
    commun.lireFrequence();
    envoyerMessage(&reseau, WMchangementFreq);
    QCoreApplication::processEvents();
    EXPECT_EQ(minuterie->interval(), 30000);

    reserverAilleurs(22);
    QMetaObject::invokeMethod(minuterie, "timeout");
    EXPECT_EQ(reseau.modele()->indexDe({0, 21}).data().toString(), "Dupont");
    reseau.close();
}

TEST_F(EcranPlanning, LeCoinNommeLaPremiereColonneEtLesEntetesNeSelectionnentRien)
{
    EXPECT_EQ(planning->modele()->titreCoin(), "Date");
    planning->setPresentation(ModelePlanning::Horizontale);
    EXPECT_EQ(planning->modele()->titreCoin(), "Chambre");
    EXPECT_FALSE(planning->grille()->horizontalHeader()->sectionsClickable());
    EXPECT_FALSE(planning->grille()->verticalHeader()->sectionsClickable());
    EXPECT_FALSE(planning->grille()->isCornerButtonEnabled());

    // Without meals shown the last column is "Nb Ch.".
    planning->setPresentation(ModelePlanning::Verticale);
    reglerOptions([](Options& o) { o.AffRepas = false; });
    planning->Actualiser();
    ModelePlanning* m = planning->modele();
    ASSERT_EQ(m->columnCount(), 5);
    EXPECT_EQ(m->headerData(4, Qt::Horizontal).toString(), "Nb Ch.");
}

TEST_F(EcranPlanning, LaLigneNbChCompteLesReservesEtLaLigneRepasResteVideSansRepas)
{
    sejour({bleue, verte}, 8, 8, EtatReservation::Reserve, dupont);
    sejour({gite}, 8, 8, EtatReservation::Reserve, martin);
    sejour({gite}, 9, 9, EtatReservation::Option, martin);
    planning->Actualiser();
    ModelePlanning* m = planning->modele();
    EXPECT_EQ(m->index(7, 4).data().toString(), "3");
    EXPECT_EQ(m->index(8, 4).data().toString(), "") << "an option is not counted";
    EXPECT_EQ(m->index(7, 5).data().toString(), "") << "no meals: empty, not 0";
}

TEST_F(EcranPlanning, GlisserEntreUnJourLibreEtUnJourEnOption)
{
    const int option = sejour({bleue}, 12, 13, EtatReservation::Option, martin);
    planning->Actualiser();
    EXPECT_EQ(cellule(0, 12).data().toString(), "Option Martin");

    // Ending on the optioned day opens its reservation.
    glisser(cellule(0, 10), cellule(0, 12));
    EXPECT_EQ(planning->cadre()->reservationCourante(), option);

    // Ending on a free day prepares a new one over the whole range.
    glisser(cellule(0, 13), cellule(1, 15));
    EXPECT_EQ(planning->cadre()->reservationCourante(), -1);
    EXPECT_EQ(hebergementsDuCadre(), (QStringList{"Chambre bleue", "Chambre verte"}));
    EXPECT_EQ(dansCadre<ChampDate>("edDateDeb")->valeur(), juillet(13));
    EXPECT_EQ(dansCadre<ChampDate>("edDateFin")->valeur(), juillet(15));
}

TEST_F(EcranPlanning, LesFlechesDuClavierChoisissentLaCelluleCommeUnClic)
{
    const int id = sejour({verte}, 6, 7, EtatReservation::Reserve, dupont);
    planning->Actualiser();
    QTableView* grille = planning->grille();
    grille->setFocus();
    grille->setCurrentIndex(cellule(1, 5));
    QTest::keyClick(grille, Qt::Key_Down);
    EXPECT_EQ(grille->currentIndex(), cellule(1, 6));
    EXPECT_EQ(planning->cadre()->reservationCourante(), id);
    EXPECT_EQ(dansCadre<QLineEdit>("edNom")->text(), "Dupont");
}

TEST_F(EcranPlanning, UneSaisieAbandonneeSurLaLigneObservationsOublieSesLignes)
{
    planning->ChoisirPlage(cellule(0, 10), cellule(0, 11));
    quandModal<TFrmPrest>([](TFrmPrest* liste) { liste->findChild<QPushButton*>("BtnOk")->click(); });
    dansCadre<QPushButton>("BtnAjouterPrestation")->click();
    ASSERT_EQ(compter("SELECT COUNT(*) FROM PrestCompl"), 1);
    planning->ChoisirPlage(cellule(3, 10), cellule(3, 10)); // "Observations"
    EXPECT_EQ(compter("SELECT COUNT(*) FROM PrestCompl"), 0);
    EXPECT_EQ(planning->cadre()->reservationCourante(), -1);
}

TEST_F(EcranPlanning, LaQuestionDeSuppressionNommeLesDatesPuisLeNomEtLePrenom)
{
    const int id = sejour({gite}, 5, 6, EtatReservation::Reserve, dupont);
    const int fermeture = sejour({bleue}, 20, 21, EtatReservation::Fermee, -1);
    planning->Actualiser();
    planning->ChoisirPlage(cellule(2, 5), cellule(2, 5));
    ASSERT_EQ(planning->cadre()->reservationCourante(), id);
    env.dialogues.reponses.enqueue(false);
    planning->SupprimerReservation();
    planning->ChoisirPlage(cellule(0, 20), cellule(0, 20));
    ASSERT_EQ(planning->cadre()->reservationCourante(), fermeture);
    env.dialogues.reponses.enqueue(false);
    planning->SupprimerReservation();
    EXPECT_EQ(env.dialogues.questions(),
        (QStringList{"Confirmez-vous la suppression de la réservation suivante : \rdu 05/07/2026 au 06/07/2026 - Dupont Jean",
            "Confirmez-vous la suppression de la réservation suivante : \rdu 20/07/2026 au 21/07/2026 -  "}));
    EXPECT_EQ(compter("SELECT COUNT(*) FROM Reservation"), 2);
}

TEST_F(EcranPlanning, LaBulleDeLaLigneRepasMontreLeMenuDuJour)
{
    sql("INSERT INTO PlanRep (Jour, Plat1, Plat2) VALUES (?, 'Velouté', 'Gratin')", {iso(juillet(10))});
    planning->Actualiser();
    ModelePlanning* m = planning->modele();
    EXPECT_EQ(
        m->index(9, 5).data(Qt::ToolTipRole).toString(), "Menu du 10/07/2026 :\nVelouté\nGratin\n\n\n\n\n\n\n\n\n");
    EXPECT_EQ(m->index(10, 5).data(Qt::ToolTipRole).toString(), "Menu du 11/07/2026 :\n");
    EXPECT_EQ(m->index(10, 1).data(Qt::ToolTipRole).toString(), "");
}

TEST_F(EcranPlanning, LesResultatsMontrentLeMoisEtLAnneeAvecLAnneePrecedenteEnBulle)
{
    reglerOptions([](Options& o) { o.AffCA = true; });
    sql("UPDATE Prestation SET DansPourcent = 1 WHERE TypePrest = 0");
    planning->Actualiser();
    planning->ChoisirPlage(cellule(0, 10), cellule(0, 11));
    saisir("edNom", "Dupont");
    saisir("edPrenom", "Jean");
    saisir("edNbPers", "2");
    ASSERT_TRUE(planning->EnregistrerReservation()) << dernierMessage().toStdString();

    auto* nuitsMois = planning->findChild<QLabel*>("ResMois0");
    auto* caMois = planning->findChild<QLabel*>("ResMois4");
    ASSERT_TRUE(nuitsMois && caMois);
    EXPECT_EQ(nuitsMois->text(), "2");
    EXPECT_EQ(nuitsMois->toolTip(), "juillet 2025 : 0");
    EXPECT_EQ(planning->findChild<QLabel*>("ResAnnee0")->toolTip(), "2025 : 0");
    EXPECT_EQ(caMois->text(), "200,00");
    EXPECT_TRUE(caMois->isVisible());

    QTest::mouseClick(planning->findChild<QWidget*>("PanelResultats"), Qt::LeftButton);
    EXPECT_FALSE(caMois->isVisible());
    EXPECT_TRUE(nuitsMois->isVisible());
    // Hidden they stay over the redisplays and the reloads, until the next click.
    planning->MoisSuivant();
    planning->Actualiser();
    EXPECT_FALSE(caMois->isVisible());
    QTest::mouseClick(planning->findChild<QWidget*>("PanelResultats"), Qt::LeftButton);
    EXPECT_TRUE(caMois->isVisible());
}

TEST_F(EcranPlanning, LaRechercheParNomAfficheLaPremiereReservationAVenir)
{
    planning->ChoisirPlage(cellule(0, 20), cellule(0, 21));
    saisir("edNom", "Dupont");
    saisir("edPrenom", "Jean");
    saisir("edNbPers", "2");
    ASSERT_TRUE(planning->EnregistrerReservation()) << dernierMessage().toStdString();
    env.dialogues.vider();

    planning->RechercherNom("  Dupont ");
    EXPECT_EQ(planning->dateAffichage(), juillet(20));
    EXPECT_TRUE(env.dialogues.textes().isEmpty());

    planning->RechercherNom("   ");
    EXPECT_EQ(dernierMessage(), "Vous devez d'abord saisir un nom pour effectuer la recherche");
    planning->RechercherNom("Personne' OR 1=1 --");
    EXPECT_EQ(dernierMessage(),
        "Le programme n'a trouvé aucune réservation correspondant à ce nom, ou uniquement "
        "des réservations passées.");
    EXPECT_EQ(planning->dateAffichage(), juillet(20));
}

TEST(CouleursPlanning, LaPremiereRegleQuiSAppliqueDonneLaCouleurDuTexte)
{
    const TCouleurs c = couleursParDefaut();
    const auto q = [&](int n) { return couleurs::versQColor(c.at(std::size_t(n))); };
    struct Cas {
        int etat;
        bool contratRecu, solde, nonEnvoye;
        int couleurChambre;
        QColor attendu;
    };
    const QList<Cas> cas{
        {etats::Option, false, false, false, -1, q(14)},
        {etats::Reserve, false, true, true, -1, q(11)},
        {etats::Reserve, true, true, true, -1, q(12)},
        {etats::Reserve, true, false, true, -1, q(13)},
        {etats::Reserve, true, false, false, 0x00FF00, couleurs::versQColor(0x00FF00)},
        {etats::Reserve, true, false, false, -1, q(6)},
    };
    for (const Cas& k : cas) {
        TJourPlan j;
        j.Etat = k.etat;
        j.ContratRecu = k.contratRecu;
        j.Solde = k.solde;
        j.ContratNonEnvoye = k.nonEnvoye;
        EXPECT_EQ(ModelePlanning::couleurTexte(j, k.couleurChambre, c), k.attendu);
    }
    EXPECT_EQ(ModelePlanning::couleurGroupe(10), ModelePlanning::couleurGroupe(20));
    EXPECT_EQ(ModelePlanning::couleurGroupe(11), ModelePlanning::couleurGroupe(1));
    EXPECT_EQ(ModelePlanning::couleurGroupe(1), QColor(Qt::red));
}

// The demonstration guest house on the planning: held days show their guests. With
// VELORIN_CAPTURE_PLANNING set to a file name, the screen is saved there as a picture.
TEST(EcranPlanningDemo, LesDonneesDeDemonstrationSAffichent)
{
    EnvironnementTest env;
    env.horloge.reglerJour(QDate(2025, 6, 15));
    DMCommun commun{env.services(), env.programme()};
    DMVelorin velorin{commun};
    commun.creer();
    ParametresDemo p;
    p.reference = QDate(2025, 6, 15);
    GenerateurDemo(velorin).generer(p);
    velorin.options().ChargerOptions();
    ContexteEcrans contexte{commun, velorin, env.services()};

    TFrmPlanning planning(contexte);
    planning.resize(1500, 900);
    planning.show();
    EXPECT_EQ(planning.dateAffichage(), planning.dateInitiale());
    ModelePlanning* m = planning.modele();
    int occupes = 0;
    for (int c = 0; c < m->chambres().size(); ++c)
        for (int j = 0; j < joursPlanning; ++j)
            if (!m->index(j, c).data().toString().isEmpty()) ++occupes;
    EXPECT_GT(occupes, 0);
    const QString fichier = qEnvironmentVariable("VELORIN_CAPTURE_PLANNING");
    if (!fichier.isEmpty()) {
        EXPECT_TRUE(planning.grab().save(fichier));
    }
}

} // namespace velorin::test
