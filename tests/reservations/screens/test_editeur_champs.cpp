#include "reservations/screens/ChampsSaisie.h"

#include <QLocale>
#include <QTest>

#include <gtest/gtest.h>

#include <ostream>

using namespace velorin;

namespace {

// The program's French conventions while a test runs.
class ChampsSaisie : public ::testing::Test {
protected:
    ChampsSaisie() { QLocale::setDefault(QLocale(QLocale::French, QLocale::France)); }
    ~ChampsSaisie() override { QLocale::setDefault(avant_); }

private:
    QLocale avant_;
};

} // namespace

TEST_F(ChampsSaisie, UneHeureNAccepteQueDesChiffresQuiFontUneHeure)
{
    struct Cas {
        const char* tape;
        const char* attendu;
    };
    for (const Cas& c : {Cas{"1730", "17:30"}, Cas{"2930", "23:0"}, Cas{"2359", "23:59"}, Cas{"0960", "09:0"},
             Cas{"3", ":"}, Cas{"2400", "20:0"}}) {
        SCOPED_TRACE(c.tape);
        SaisieHeure heure;
        heure.setFocus();
        heure.setCursorPosition(0);
        QTest::keyClicks(&heure, c.tape);
        EXPECT_EQ(heure.text(), c.attendu);
    }
    SaisieHeure heure;
    heure.setHeure(QTime(8, 5));
    EXPECT_EQ(heure.text(), "08:05");
    EXPECT_EQ(heure.heure(), QTime(8, 5));
    heure.setHeure({});
    EXPECT_TRUE(heure.estVide());
    EXPECT_FALSE(heure.heure().isValid());
    heure.setText("1");
    EXPECT_FALSE(heure.estVide());
    EXPECT_FALSE(heure.heure().isValid());
}

TEST_F(ChampsSaisie, UnMontantNePrendQuUnSeparateurEtUnSigneEnTete)
{
    struct Cas {
        const char* tape;
        const char* attendu;
    };
    for (const Cas& c :
        {Cas{"12.5,3", "12,53"}, Cas{"-4,5", "-4,5"}, Cas{"4-5", "45"}, Cas{"1a2 $", "12"}, Cas{",5", ",5"}}) {
        SCOPED_TRACE(c.tape);
        SaisieMontant montant;
        QTest::keyClicks(&montant, c.tape);
        EXPECT_EQ(montant.text(), c.attendu);
    }
    SaisieMontant montant;
    montant.setMontant(1234.5);
    EXPECT_EQ(montant.text(), "1234,50");
    EXPECT_EQ(montant.montant(), 1234.5);
    montant.setText("12.25");
    EXPECT_EQ(montant.montant(), 12.25);
    montant.setText("");
    EXPECT_FALSE(montant.montant().has_value());
    EXPECT_EQ(texteMontant(-0.001), "0,00");
}

TEST_F(ChampsSaisie, UneDateVideSeLitNulleEtNeSeSignaleQueSiElleChange)
{
    ChampDate date;
    int signalements = 0;
    QObject::connect(&date, &ChampDate::dateModifiee, [&] { ++signalements; });
    EXPECT_TRUE(date.estVide());
    EXPECT_FALSE(date.valeur().isValid());
    date.setValeur(QDate(2026, 7, 10));
    EXPECT_EQ(date.valeur(), QDate(2026, 7, 10));
    EXPECT_EQ(date.text(), "10/07/2026");
    EXPECT_EQ(signalements, 0);
    date.saisir(QDate(2026, 7, 10));
    EXPECT_EQ(signalements, 0);
    date.saisir(QDate(2026, 7, 11));
    EXPECT_EQ(signalements, 1);
    QTest::keyClick(&date, Qt::Key_Delete);
    EXPECT_TRUE(date.estVide());
    EXPECT_EQ(signalements, 2);
}

TEST_F(ChampsSaisie, UnNombreDePersonnesNeSeTapeQuEnChiffres)
{
    SaisieEntier nombre;
    QTest::keyClicks(&nombre, "2 p.4");
    EXPECT_EQ(nombre.text(), "24");
}
