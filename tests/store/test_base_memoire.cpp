#include "store/BaseDonnees.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace velorin;

// A database in memory leaves nothing in the working directory.
TEST(BaseDonnees, EnMemoireSansDossierDansLeRepertoireCourant)
{
    QTemporaryDir dossier;
    ASSERT_TRUE(dossier.isValid());
    const QString courant = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dossier.path()));
    {
        BaseDonnees base;
        base.ouvrirEnMemoire();
        base.executer(u"CREATE TABLE T (A INTEGER)"_qs);
        EXPECT_TRUE(base.tableExiste(u"t"_qs));
    }
    const QStringList contenu = QDir(dossier.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    QDir::setCurrent(courant);
    EXPECT_TRUE(contenu.isEmpty()) << contenu.join(u", "_qs).toStdString();
}
