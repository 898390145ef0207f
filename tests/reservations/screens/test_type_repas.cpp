#include "EcransContacts.h"

#include "reservations/screens/TFrmTypeRepas.h"
#include "ui/Navigateur.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

using namespace velorin;
using namespace velorin::test;

namespace {
using StructureMenus = EcransContacts;
}

TEST_F(StructureMenus, DixPlatsEnregistresParOk)
{
    {
        TFrmTypeRepas ecran(contexte);
        ecran.show();
        EXPECT_EQ(ecran.windowTitle(), "Définition des repas");
        EXPECT_FALSE(ecran.navigateur()->isVisible());
        for (int plat = 0; plat < TFrmTypeRepas::nombrePlats; ++plat) {
            EXPECT_EQ(ecran.findChild<QLabel*>(QString("lblPlat%1").arg(plat + 1))->text(),
                QString("Plat %1 :").arg(plat + 1));
            EXPECT_EQ(ecran.edLibelle(plat)->text(), "");
            EXPECT_FALSE(ecran.chkVisible(plat)->isChecked());
            EXPECT_EQ(ecran.chkVisible(plat)->text(), "Visible");
        }
        verifierTextesEntiers(ecran);
        ecran.edLibelle(0)->setText("Entrée");
        ecran.chkVisible(0)->setChecked(true);
        ecran.edLibelle(9)->setText("Café");
        ecran.btnOK()->click();
    }
    EXPECT_EQ(lignes("SELECT Libelle1, Visible1, Libelle10, Visible10, Visible2 FROM TypeMenu"),
        (QList<QVariantList>{{"Entrée", 1, "Café", 0, 0}}));

    TFrmTypeRepas ecran(contexte);
    ecran.show();
    EXPECT_EQ(ecran.edLibelle(0)->text(), "Entrée");
    EXPECT_TRUE(ecran.chkVisible(0)->isChecked());
    ecran.edLibelle(0)->setText("Soupe");
    ecran.btnAnnuler()->click();
    EXPECT_EQ(valeur("SELECT Libelle1 FROM TypeMenu"), "Entrée") << "Cancel writes nothing";
    EXPECT_EQ(valeur("SELECT COUNT(*) FROM TypeMenu"), 1);
}

TEST_F(StructureMenus, DeuxPostesQuiCreentLaStructureNEnGardentQuUne)
{
    TFrmTypeRepas premier(contexte);
    TFrmTypeRepas second(contexte);
    premier.show();
    second.show();
    premier.edLibelle(0)->setText("Entrée");
    premier.btnOK()->click();
    second.edLibelle(1)->setText("Plat");
    second.btnOK()->click();
    EXPECT_EQ(lignes("SELECT Libelle1, Libelle2 FROM TypeMenu"), (QList<QVariantList>{{"", "Plat"}}))
        << "one row, holding the last save";
}

TEST_F(StructureMenus, UneStructureIlisibleNePeutPasEtreEcrasee)
{
    sql("DROP TABLE TypeMenu");
    TFrmTypeRepas ecran(contexte);
    ecran.show();
    ASSERT_EQ(env.dialogues.textes().size(), 1);
    EXPECT_TRUE(env.dialogues.textes().first().startsWith("Erreur lors de la lecture de la structure des menus : "));
    EXPECT_FALSE(ecran.btnOK()->isEnabled());
    ecran.btnAnnuler()->click();
}
