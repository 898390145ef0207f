#pragma once

#include "catalogue/CatalogueTest.h"
#include "support/FenetrePrincipaleTest.h"
#include "support/Modaux.h"
#include "support/TablesDisposition.h"

#include "ui/ContexteEcrans.h"
#include "ui/MessagesFenetre.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>

namespace velorin::test {

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

    CatalogueTest t;
    FenetrePrincipaleTest principale;
    ContexteEcrans contexte{t.commun, t.velorin, t.env.services()};
};

} // namespace velorin::test
