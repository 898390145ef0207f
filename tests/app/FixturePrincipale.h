#pragma once

#include "support/DossiersTest.h"
#include "support/TablesDisposition.h"

#include "app/screens/TfrmPrincipale.h"
#include "store/DMCommun.h"
#include "store/DMVelorin.h"
#include "ui/ContexteEcrans.h"

#include <QCoreApplication>
#include <QEvent>

#include <gtest/gtest.h>

#include <memory>

namespace velorin::test {

// A program folder with the shipped files (help texts, schema description), a data folder
// with the layout tables, and the main window created on them.
class FixturePrincipale : public ::testing::Test {
protected:
    FixturePrincipale()
    {
        commun.setDossierDonnees(env.donnees());
        commun.baseArchives().ouvrir(env.donnees() + "/" + DMCommun::nomBaseArchives());
        creerTablesDisposition(commun.base());
    }

    std::unique_ptr<TfrmPrincipale> creerFenetre()
    {
        return std::make_unique<TfrmPrincipale>(ContexteEcrans(commun, velorin, env.services()));
    }

    static void supprimerFenetresFermees() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    BaseDonnees& base() { return commun.base(); }

    EnvironnementTest env;
    DMCommun commun{env.services(), env.programme()};
    DMVelorin velorin{commun};
};

} // namespace velorin::test
