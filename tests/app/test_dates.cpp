#include "app/DatesFr.h"

#include <gtest/gtest.h>

using namespace velorin;

TEST(DatesFr, NomsDesMoisEtDesJours)
{
    const QStringList courts{"jan", "fév", "mars", "avr", "mai", "juin", "juil", "août", "sept", "oct", "nov", "déc"};
    const QStringList longs{"janvier", "février", "mars",      "avril",   "mai",      "juin",
                            "juillet", "août",    "septembre", "octobre", "novembre", "décembre"};
    for (int m = 1; m <= 12; ++m) {
        EXPECT_EQ(dates::moisCourt(m), courts[m - 1]);
        EXPECT_EQ(dates::moisLong(m), longs[m - 1]);
    }
    // Qt numbers Monday 1 .. Sunday 7.
    const QStringList joursCourts{"lun", "mar", "mer", "jeu", "ven", "sam", "dim"};
    const QStringList joursLongs{"lundi", "mardi", "mercredi", "jeudi", "vendredi", "samedi", "dimanche"};
    for (int j = 1; j <= 7; ++j) {
        EXPECT_EQ(dates::jourCourt(j), joursCourts[j - 1]);
        EXPECT_EQ(dates::jourLong(j), joursLongs[j - 1]);
    }
}

TEST(DatesFr, FormatsDuProgramme)
{
    struct Cas {
        const char* format;
        QDateTime moment;
        const char* attendu;
    };
    const QDateTime m(QDate(2026, 2, 7), QTime(8, 5, 9));
    const Cas cas[] = {
        {"dd/mm/yyyy", m, "07/02/2026"},
        {"dddd dd mmmm yyyy", m, "samedi 07 février 2026"},
        {"ddd d mmm yy", m, "sam 7 fév 26"},
        {"dd/mm/yyyy à hh:nn:ss ", m, "07/02/2026 à 08:05:09 "},
        {"hh:mm", m, "08:05"},
        {"'le' d mmmm", QDateTime(QDate(2026, 8, 15), QTime()), "le 15 août"},
    };
    for (const Cas& c : cas) EXPECT_EQ(dates::formater(c.format, c.moment), QString::fromUtf8(c.attendu)) << c.format;
    EXPECT_EQ(dates::courte(QDate(2026, 12, 31)), "31/12/2026");
    EXPECT_EQ(dates::longue(QDate(2026, 12, 13)), "dimanche 13 décembre 2026");
    EXPECT_EQ(dates::courte(QDate()), "");
}

TEST(DatesFr, LectureDUneDateCourte)
{
    EXPECT_EQ(dates::lireCourte("03/07/2026"), QDate(2026, 7, 3));
    EXPECT_EQ(dates::lireCourte("3/7/26"), QDate(2026, 7, 3));
    EXPECT_FALSE(dates::lireCourte("31/02/2026").isValid());
    EXPECT_FALSE(dates::lireCourte("2026-07-03").isValid());
}
