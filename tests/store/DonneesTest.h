#pragma once

#include "support/DossiersTest.h"
#include "support/RequetesTest.h"

#include "app/Progression.h"
#include "store/BaseDonnees.h"
#include "store/DMCommun.h"
#include "store/DMVelorin.h"

#include <QSqlQuery>
#include <QSqlRecord>

#include <ostream>

// Readable values in the failure messages of GoogleTest.
inline void PrintTo(const QVariant& valeur, std::ostream* flux)
{
    *flux << (valeur.isNull() ? std::string("NULL") : valeur.toString().toStdString());
}

namespace velorin::test {

// A data folder with its open database and both data modules, for tests that build the
// tables they need with plain statements.
struct DonneesTest : public RequetesTest {
    DonneesTest() { commun.setDossierDonnees(env.donnees()); }

    BaseDonnees& base() override { return commun.base(); }

    EnvironnementTest env{false};
    DMCommun commun{env.services(), env.programme()};
    DMVelorin velorin{commun};
};

// Records what a long operation reports.
class ProgressionTest : public Progression {
public:
    void setLibelle(const QString& texte) override { libelles.append(texte); }
    void setMaximum(int maximum) override { maximum_ = maximum; }
    int maximum() const override { return maximum_; }
    void setPosition(int position) override
    {
        position_ = position;
        positions.append(position);
    }
    int position() const override { return position_; }
    void traiterEvenements() override { ++traitements; }

    QStringList libelles;
    QList<int> positions;
    int traitements = 0;

private:
    int maximum_ = 100;
    int position_ = 0;
};

} // namespace velorin::test
