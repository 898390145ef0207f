#pragma once

#include "catalogue/CatalogueTest.h"
#include "support/TablesDisposition.h"

#include "ui/ContexteEcrans.h"
#include "ui/MessagesFenetre.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>

namespace velorin::test {

// Records the window messages the main window receives.
class FenetrePrincipaleTest : public QWidget {
public:
    QList<QEvent::Type> recus;

protected:
    bool event(QEvent* evenement) override
    {
        if (estMessageFenetre(evenement->type())) {
            recus.append(evenement->type());
            return true;
        }
        return QWidget::event(evenement);
    }
};

// The catalogue's data folder (rates 10 % and 20 %) with the layout tables, and the context
// the screens are created with.
class EcransCatalogue : public ::testing::Test {
protected:
    EcransCatalogue()
    {
        creerTablesDisposition(t.base());
        contexte.fenetrePrincipale = &principale;
        t.env.dialogues.vider();
    }

    DialoguesScriptes& dialogues() { return t.env.dialogues; }
    QVariant valeur(const QString& sql, const QVariantList& valeurs = {}) { return t.valeur(sql, valeurs); }

    // Runs action on the next modal dialog of type T once its exec() loop runs; the test
    // goes on after that dialog has closed. A dialog the action leaves open is a failure, and
    // is closed so that the test ends.
    template <typename T> static void quandModal(std::function<void(T*)> action, int essais = 50)
    {
        QTimer::singleShot(essais == 50 ? 0 : 10, [action, essais] {
            auto* dialogue = qobject_cast<T*>(QApplication::activeModalWidget());
            if (!dialogue) {
                if (essais > 0) quandModal<T>(action, essais - 1);
                return;
            }
            action(dialogue);
            if (dialogue->isVisible()) {
                ADD_FAILURE() << "la fenêtre " << dialogue->metaObject()->className() << " est restée ouverte";
                dialogue->reject();
            }
        });
    }

    CatalogueTest t;
    FenetrePrincipaleTest principale;
    ContexteEcrans contexte{t.commun, t.velorin, t.env.services()};
};

} // namespace velorin::test
