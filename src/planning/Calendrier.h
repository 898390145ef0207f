#pragma once

#include <QDate>
#include <QList>
#include <QString>

namespace velorin {

class BaseDonnees;

// Day kinds of the planning: weekends first, then the fixed French public holidays, then
// the periods of the holidays table (JoursFerie).
namespace calendrier {

// Two-letter French week-day name, Monday first: "Lu", "Ma", "Me", "Je", "Ve", "Sa", "Di".
QString nomJour(const QDate& jour);
bool estWeekEnd(const QDate& jour);
// 1 January, 1 May, 8 May, 14 July, 15 August, 1 November, 11 November, 25 December. The
// movable holidays (Easter Monday, Ascension, Whit Monday) come from the holidays table.
bool estFerieFixe(const QDate& jour);

// An inclusive period of the holidays table.
struct PeriodeFeriee {
    QDate debut;
    QDate fin;
};

// The holiday periods that touch [debut, fin], read at once so that a whole window is
// classified without a query per day.
class JoursFeries {
public:
    JoursFeries() = default;
    JoursFeries(BaseDonnees& base, const QDate& debut, const QDate& fin);
    explicit JoursFeries(QList<PeriodeFeriee> periodes)
        : periodes_(std::move(periodes))
    {
    }

    bool dansUnePeriode(const QDate& jour) const;
    // 2 for a Saturday or Sunday (a weekend holiday stays a weekend day), 1 for a public
    // holiday or a day of a holiday period, else 0.
    int typeDeJour(const QDate& jour) const;

private:
    QList<PeriodeFeriee> periodes_;
};

} // namespace calendrier
} // namespace velorin
