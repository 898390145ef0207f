#pragma once

#include "support/DossiersTest.h"
#include "support/TablesDisposition.h"

#include "store/DMCommun.h"
#include "store/DMVelorin.h"
#include "ui/ContexteEcrans.h"

#include <gtest/gtest.h>

namespace velorin::test {

// A data folder with the layout tables, and the context screens are created with.
class FixtureEcrans : public ::testing::Test {
protected:
    FixtureEcrans()
    {
        commun.setDossierDonnees(env.donnees());
        creerTablesDisposition(commun.base());
    }

    BaseDonnees& base() { return commun.base(); }
    int compter(const QString& sql, const QVariantList& valeurs = {}) { return base().valeur(sql, valeurs).toInt(); }

    EnvironnementTest env{false};
    DMCommun commun{env.services(), env.programme()};
    DMVelorin velorin{commun};
    ContexteEcrans contexte{commun, velorin, env.services()};
};

} // namespace velorin::test
