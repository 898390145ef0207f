#pragma once

#include "reservations/GiteTest.h"

#include "ui/ContexteEcrans.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

namespace velorin::test {

// The guest house's data folder with two document languages, and the context of the screens.
class EcransContacts : public GiteTest {
protected:
    EcransContacts()
    {
        QDir().mkpath(env.donnees() + "/Langues/FR");
        QDir().mkpath(env.donnees() + "/Langues/EN");
    }

    // A contact with its address.
    int contactComplet(int type, const QString& nom, const QString& prenom, const QString& pays,
        const QString& codPost = {}, const QString& mail = {}, const QString& adr1 = {}, const QString& ville = {})
    {
        const int id = contact(type, nom, prenom);
        sql("UPDATE Contact SET Pays = ?, CodPost = ?, Mail = ?, Adr1 = ?, Ville = ? WHERE Identifiant = ?",
            {pays, codPost, mail, adr1, ville, id});
        return id;
    }

    // A stay of the guest, with its planning rows in an accommodation of its own.
    int sejour(int idContact, const QDate& deb, const QDate& fin, double prix = 0, double paye = 0)
    {
        const int id = ++derniereReservation_;
        sql("INSERT INTO Reservation (Identifiant, IdContact, DateDeb, DateFin, PrixTotal, DejaPaye, Etat) "
            "VALUES (?, ?, ?, ?, ?, ?, 3)",
            {id, idContact, iso(deb), iso(fin), prix, paye});
        for (QDate jour = deb; jour <= fin; jour = jour.addDays(1))
            sql("INSERT INTO Planning (IdPrest, Jour, IdReservation, Etat) VALUES (?, ?, ?, 3)", {id, iso(jour), id});
        return id;
    }

    // Runs action on the modal screen of class E once it shows; the flag tells whether it did.
    template <class E> std::shared_ptr<bool> surModal(std::function<void(E&)> action)
    {
        auto vu = std::make_shared<bool>(false);
        QTimer::singleShot(0, [vu, action] {
            auto* ecran = qobject_cast<E*>(QApplication::activeModalWidget());
            if (!ecran) return;
            *vu = true;
            action(*ecran);
        });
        return vu;
    }

    // A double click as the user gives it: the first click presses the cell.
    static void doubleClic(QAbstractItemView* vue, const QModelIndex& index)
    {
        const QPoint centre = vue->visualRect(index).center();
        QTest::mouseClick(vue->viewport(), Qt::LeftButton, {}, centre);
        QTest::mouseDClick(vue->viewport(), Qt::LeftButton, {}, centre);
    }

    // The shown screen is drawn whole: no label, box or button narrower than its text, and no
    // laid-out control over another.
    static void verifierTextesEntiers(QWidget& ecran)
    {
        QList<QWidget*> conteneurs = ecran.findChildren<QWidget*>();
        conteneurs.append(&ecran);
        for (QWidget* conteneur : conteneurs) {
            if (!conteneur->isVisible() || !conteneur->layout()) continue;
            QList<QWidget*> enfants;
            for (QWidget* enfant : conteneur->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
                if (enfant->isVisible() && !enfant->isWindow()) enfants.append(enfant);
            for (int i = 0; i < enfants.size(); ++i)
                for (int j = i + 1; j < enfants.size(); ++j)
                    EXPECT_FALSE(enfants.at(i)->geometry().intersects(enfants.at(j)->geometry()))
                        << enfants.at(i)->objectName().toStdString() << " / "
                        << enfants.at(j)->objectName().toStdString();
        }
        for (QLabel* libelle : ecran.findChildren<QLabel*>()) {
            if (!libelle->isVisible() || libelle->wordWrap() || libelle->text().isEmpty()) continue;
            EXPECT_GE(libelle->width(), libelle->sizeHint().width()) << libelle->objectName().toStdString();
            EXPECT_GE(libelle->height(), libelle->sizeHint().height()) << libelle->objectName().toStdString();
        }
        for (QAbstractButton* bouton : ecran.findChildren<QAbstractButton*>()) {
            if (!bouton->isVisible() || bouton->text().isEmpty()) continue;
            EXPECT_GE(bouton->width(), bouton->sizeHint().width()) << bouton->objectName().toStdString();
        }
    }

    ContexteEcrans contexte{commun, velorin, env.services()};

private:
    int derniereReservation_ = 0;
};

} // namespace velorin::test
