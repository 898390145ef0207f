#pragma once

#include "../GiteTest.h"
#include "support/FenetrePrincipaleTest.h"

#include "app/DatesFr.h"
#include "reservations/screens/ChampsSaisie.h"
#include "reservations/screens/GrillesLignes.h"
#include "reservations/screens/TCadreReserv.h"
#include "ui/ContexteEcrans.h"
#include "ui/MessagesFenetre.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>

#include <memory>

namespace velorin::test {

// The guest house of the editor's tests, on tables built by the real verification: two rooms
// priced by tariff ("Haute saison" 100 a night from June to August, "Semaine" 630 for seven
// nights), a room at a single price, a breakfast, a dinner, the half-board item, two guests
// and a commission type; deposits of 30 %, new reservations booked firm, usual times
// 17:00 and 10:00. The program's French conventions apply while a test runs.
class EditeurTest : public GiteTest {
protected:
    EditeurTest()
    {
        localeAvant_ = QLocale();
        dates::appliquerConventions();

        bleue = hebergementTarife("Chambre bleue");
        verte = hebergementTarife("Chambre verte");
        gite = chambre("Gîte", 80); // single price
        hauteSaison = typeTarif("Haute saison", QDate(2026, 6, 1), QDate(2026, 8, 31), 1);
        semaine = typeTarif("Semaine", QDate(2026, 6, 1), QDate(2026, 8, 31), 7);
        for (const int h : {bleue, verte}) {
            tarif(h, hauteSaison, 90.91, 9.09, 100);
            tarif(h, semaine, 572.73, 57.27, 630);
        }
        petitDejeuner = article(1, "Petit déjeuner", 8, true, true);
        parking = article(1, "Parking", 11);
        diner = article(2, "Dîner", 22);
        dupont = hote("Dupont", "Jean");
        martin = hote("Martin", "Paul");
        agence = typeCom("Agence", 2, 25);
        reglerOptions([](Options& o) {
            o.AvecAcompte = true;
            o.ModeArrhes = 0;
            o.PourcentAcompte = 30;
            o.ArrondiAcompte = 0;
            o.ModeReserv = EtatReservation::Reserve;
            o.HeureArr = QTime(17, 0);
            o.HeureDep = QTime(10, 0);
            o.AffRepas = true;
        });
        contexte.fenetrePrincipale = &principale;
        env.dialogues.vider();
    }
    ~EditeurTest() override { QLocale::setDefault(localeAvant_); }

    // The frame, shown, with the catalogue choices scripted from the queues below.
    TCadreReserv& cadre()
    {
        if (!cadre_) {
            cadre_ = std::make_unique<TCadreReserv>(contexte);
            cadre_->choisirArticle
                = [this](int) { return articlesChoisis.isEmpty() ? -1 : articlesChoisis.takeFirst(); };
            cadre_->choisirRepas = [this]() -> std::optional<ChoixRepas> {
                if (repasChoisis.isEmpty()) return std::nullopt;
                return repasChoisis.takeFirst();
            };
            cadre_->resize(560, 900);
            cadre_->show();
        }
        return *cadre_;
    }
    void recreerCadre() { cadre_.reset(); }

    template <typename T> T* champ(const char* nom)
    {
        T* w = cadre().findChild<T*>(QString::fromLatin1(nom));
        EXPECT_NE(w, nullptr) << nom;
        return w;
    }
    QLineEdit* edit(const char* nom) { return champ<QLineEdit>(nom); }
    ChampDate* date(const char* nom) { return champ<ChampDate>(nom); }
    QComboBox* liste(const char* nom) { return champ<QComboBox>(nom); }
    QPushButton* bouton(const char* nom) { return champ<QPushButton>(nom); }
    QTableWidget* hebergements() { return champ<QTableWidget>("ListeHebergements"); }
    GrilleLignes* grille(const char* nom) { return champ<GrilleLignes>(nom); }

    // Types into an edit box as the user does.
    void taper(const char* nom, const QString& texte)
    {
        QLineEdit* e = edit(nom);
        e->setFocus();
        e->selectAll();
        if (texte.isEmpty())
            QTest::keyClick(e, Qt::Key_Backspace);
        else
            QTest::keyClicks(e, texte);
    }
    // The accommodation list as texts: name, tariff, price.
    QList<QStringList> lignesHebergement()
    {
        QList<QStringList> lignes;
        QTableWidget* l = hebergements();
        for (int i = 0; i < l->rowCount(); ++i)
            lignes.append({l->item(i, 0)->text(), l->item(i, 1)->text(), l->item(i, 2)->text()});
        return lignes;
    }
    void selectionnerLigne(int ligne)
    {
        hebergements()->setCurrentCell(ligne, 0, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    }
    // The last message shown (not a question).
    QString dernierMessage() const
    {
        const QStringList textes = env.dialogues.textes();
        return textes.isEmpty() ? QString() : textes.last();
    }

    // A new reservation of the guest on the rooms, typed as the user does.
    void nouvelleReservationDe(
        const QString& nom, const QString& prenom, const QList<int>& chambres, const QDate& deb, const QDate& fin)
    {
        cadre().NouvelleReservation(deb, fin, chambres);
        taper("edNom", nom);
        taper("edPrenom", prenom);
        taper("edNbPers", "2");
    }

    int hebergementTarife(const QString& nom)
    {
        const int id = chambre(nom);
        sql("UPDATE Prestation SET TarifSimple = 0 WHERE Identifiant = ?", {id});
        return id;
    }
    int typeTarif(const QString& nom, const QDate& debut, const QDate& fin, int nbJours, bool avecRepas = false)
    {
        const int id = ++dernierTypeTarif_;
        sql("INSERT INTO TypeTarif (Identifiant, Nom, NbJours, Per_Deb, Per_Fin, AvecRepas, Lu, Ma, Me, Je, Ve, Sa, "
            "Di) VALUES (?, ?, ?, ?, ?, ?, 0, 0, 0, 0, 0, 0, 0)",
            {id, nom, nbJours, iso(debut), iso(fin), avecRepas ? 1 : 0});
        return id;
    }
    void tarif(int idPrest, int idTarif, double ht1, double tva1, double ttc1)
    {
        const int id = ++dernierTarif_;
        sql("INSERT INTO Tarifs (Identifiant, IdPrest, IdTarif, Prix, Applicable, HT1, HT2, Taux1, Taux2, TVA1, TVA2, "
            "TTC1, TTC2) VALUES (?, ?, ?, ?, 1, ?, 0, 10, 20, ?, 0, ?, 0)",
            {id, idPrest, idTarif, ttc1, ht1, tva1, ttc1});
    }
    int typeCom(const QString& nom, int mode, double valeur)
    {
        const int id = ++dernierTypeCom_;
        sql("INSERT INTO TypeCom (Identifiant, Nom, ModeCalc, ValeurCalc) VALUES (?, ?, ?, ?)",
            {id, nom, mode, valeur});
        return id;
    }
    template <typename Modification> void reglerOptions(Modification&& modification)
    {
        Options o = velorin.options().lire();
        modification(o);
        velorin.options().enregistrer(o);
        velorin.options().ChargerOptions();
    }
    int compter(const QString& instruction, const QVariantList& valeurs = {})
    {
        return valeur(instruction, valeurs).toInt();
    }

    FenetrePrincipaleTest principale;
    ContexteEcrans contexte{commun, velorin, env.services()};
    QList<int> articlesChoisis; // taken in order
    QList<ChoixRepas> repasChoisis;

    int bleue = 0;
    int verte = 0;
    int gite = 0;
    int hauteSaison = 0;
    int semaine = 0;
    int petitDejeuner = 0;
    int parking = 0;
    int diner = 0;
    int dupont = 0;
    int martin = 0;
    int agence = 0;

private:
    std::unique_ptr<TCadreReserv> cadre_;
    QLocale localeAvant_;
    int dernierTypeTarif_ = 0;
    int dernierTarif_ = 0;
    int dernierTypeCom_ = 0;
};

} // namespace velorin::test
