#include "support/DossiersTest.h"

#include "app/FichierIni.h"
#include "app/Version.h"
#include "app/screens/Demarrage.h"
#include "store/BaseDonnees.h"
#include "store/DescriptionStructures.h"
#include "store/Dialecte.h"

#include <QMainWindow>
#include <QSqlQuery>

#include <gtest/gtest.h>

using namespace velorin;
using namespace velorin::test;

namespace {
QStringList indexDe(BaseDonnees& base, const QString& table)
{
    QStringList noms;
    QSqlQuery q = base.executer("SELECT name FROM pragma_index_list(?)", {table});
    while (q.next()) noms << q.value(0).toString().toLower();
    return noms;
}
} // namespace

// A first start with the shipped description builds the whole database.
TEST(PremierDemarrage, CreeChaqueTableColonneEtIndexDecrits)
{
    EnvironnementTest env;
    Demarrage demarrage(env.services(), env.programme());
    demarrage.boucleEvenements = [] { return 0; };
    ASSERT_EQ(demarrage.executer(), 0);
    ASSERT_TRUE(env.dialogues.textes().isEmpty()) << env.dialogues.textes().join("\n").toStdString();

    DescriptionStructures description;
    description.charger(env.chemin("StructuresTables"));
    BaseDonnees donnees, archives;
    donnees.ouvrir(env.donnees() + "/Velorin.db");
    archives.ouvrir(env.donnees() + "/Archives.db");

    int tables = 0;
    QSqlQuery t = description.base().executer("SELECT DISTINCT NomTable FROM ChampDescription ORDER BY Ordre");
    while (t.next()) {
        const QString table = t.value(0).toString();
        const bool registre = table.compare("Archives", Qt::CaseInsensitive) == 0;
        BaseDonnees& base = registre ? archives : donnees;
        ASSERT_TRUE(base.tableExiste(table)) << table.toStdString();
        EXPECT_NE((registre ? donnees : archives).tableExiste(table), true) << table.toStdString();
        ++tables;

        QStringList attendues;
        QSqlQuery c = description.base().executer(
            "SELECT NomChamps FROM ChampDescription WHERE NomTable = ? ORDER BY Ordre", {table});
        while (c.next()) attendues << c.value(0).toString();
        EXPECT_EQ(base.colonnes(table), attendues) << table.toStdString();

        const QStringList presents = indexDe(base, base.nomTable(table));
        QSqlQuery i = description.base().executer("SELECT NomIndex FROM IndexDescription WHERE NomTable = ?", {table});
        while (i.next()) {
            const QString nom = dialecte::nomIndex(table, i.value(0).toString()).toLower();
            EXPECT_TRUE(presents.contains(nom)) << nom.toStdString();
        }
    }
    EXPECT_GE(tables, 30);

    // One accommodation cannot be booked twice on one night.
    donnees.executer("INSERT INTO Planning (IdPrest, Jour, IdReservation) VALUES (1, '2026-07-01', 1)");
    EXPECT_THROW(donnees.executer("INSERT INTO Planning (IdPrest, Jour, IdReservation) VALUES (1, '2026-07-01', 2)"),
                 std::exception);

    FichierIni verif(env.donnees() + "/verif.ini");
    EXPECT_EQ(verif.lireTexte("Verification", "EnCours"), "0");
    EXPECT_EQ(verif.lireTexte("Verification", "AFaire"), "0");
    EXPECT_EQ(verif.lireTexte("Verification", "Version"), texteVersionProgramme());
}
