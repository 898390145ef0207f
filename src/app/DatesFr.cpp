#include "app/DatesFr.h"

#include <QLocale>
#include <QStringList>

namespace velorin::dates {

namespace {
const QStringList moisCourts{u"jan"_qs, u"fév"_qs, u"mars"_qs, u"avr"_qs, u"mai"_qs, u"juin"_qs,
                             u"juil"_qs, u"août"_qs, u"sept"_qs, u"oct"_qs, u"nov"_qs, u"déc"_qs};
const QStringList moisLongs{u"janvier"_qs, u"février"_qs, u"mars"_qs, u"avril"_qs,
                            u"mai"_qs, u"juin"_qs, u"juillet"_qs, u"août"_qs,
                            u"septembre"_qs, u"octobre"_qs, u"novembre"_qs, u"décembre"_qs};
// Sunday first, as the conventions list them.
const QStringList joursCourts{u"dim"_qs, u"lun"_qs, u"mar"_qs, u"mer"_qs, u"jeu"_qs, u"ven"_qs, u"sam"_qs};
const QStringList joursLongs{u"dimanche"_qs, u"lundi"_qs, u"mardi"_qs, u"mercredi"_qs,
                             u"jeudi"_qs, u"vendredi"_qs, u"samedi"_qs};

QString deux(int n) { return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')); }
} // namespace

QString moisCourt(int mois) { return moisCourts.value(mois - 1); }
QString moisLong(int mois) { return moisLongs.value(mois - 1); }
QString jourCourt(int jourSemaine) { return joursCourts.value(jourSemaine % 7); }
QString jourLong(int jourSemaine) { return joursLongs.value(jourSemaine % 7); }

QString formater(const QString& format, const QDateTime& moment)
{
    const QDate date = moment.date();
    const QTime heure = moment.time();
    QString resultat;
    // After an hour, "m" means minutes as in the usual pattern language.
    bool apresHeure = false;
    qsizetype i = 0;
    const qsizetype n = format.size();
    auto compter = [&](QChar c) {
        qsizetype k = i;
        while (k < n && format.at(k).toLower() == c) ++k;
        return k - i;
    };
    while (i < n) {
        const QChar c = format.at(i);
        const QChar m = c.toLower();
        if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            const qsizetype fin = format.indexOf(c, i + 1);
            const qsizetype arret = fin < 0 ? n : fin;
            resultat += format.mid(i + 1, arret - i - 1);
            i = arret + 1;
            continue;
        }
        const qsizetype k = compter(m);
        if (m == QLatin1Char('d')) {
            if (k == 1) resultat += QString::number(date.day());
            else if (k == 2) resultat += deux(date.day());
            else if (k == 3) resultat += jourCourt(date.dayOfWeek());
            else resultat += jourLong(date.dayOfWeek());
            i += k;
        } else if (m == QLatin1Char('m')) {
            if (apresHeure && k <= 2) {
                resultat += k == 1 ? QString::number(heure.minute()) : deux(heure.minute());
            } else if (k == 1) resultat += QString::number(date.month());
            else if (k == 2) resultat += deux(date.month());
            else if (k == 3) resultat += moisCourt(date.month());
            else resultat += moisLong(date.month());
            apresHeure = false;
            i += k;
        } else if (m == QLatin1Char('y')) {
            resultat += k <= 2 ? deux(date.year() % 100) : QString::number(date.year());
            i += k;
        } else if (m == QLatin1Char('h')) {
            resultat += k == 1 ? QString::number(heure.hour()) : deux(heure.hour());
            apresHeure = true;
            i += k;
        } else if (m == QLatin1Char('n')) {
            resultat += k == 1 ? QString::number(heure.minute()) : deux(heure.minute());
            i += k;
        } else if (m == QLatin1Char('s')) {
            resultat += k == 1 ? QString::number(heure.second()) : deux(heure.second());
            i += k;
        } else if (c == QLatin1Char('/')) {
            resultat += QChar(separateur);
            ++i;
        } else {
            resultat += c;
            ++i;
        }
    }
    return resultat;
}

QString formater(const QString& format, const QDate& date) { return formater(format, QDateTime(date, QTime(0, 0))); }

QString courte(const QDate& date) { return date.isValid() ? formater(formatCourt, date) : QString(); }

QString longue(const QDate& date) { return date.isValid() ? formater(formatLong, date) : QString(); }

void appliquerConventions() { QLocale::setDefault(QLocale(QLocale::French, QLocale::France)); }

QDate lireCourte(const QString& texte)
{
    const QStringList parties = texte.trimmed().split(QChar(separateur));
    if (parties.size() != 3) return {};
    bool okJ = false, okM = false, okA = false;
    const int jour = parties[0].toInt(&okJ);
    const int mois = parties[1].toInt(&okM);
    int annee = parties[2].toInt(&okA);
    if (!okJ || !okM || !okA) return {};
    if (parties[2].size() <= 2) annee += annee < 50 ? 2000 : 1900;
    return QDate(annee, mois, jour);
}

} // namespace velorin::dates
