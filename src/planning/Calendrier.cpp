#include "planning/Calendrier.h"

#include "planning/TypesPlanning.h"
#include "store/BaseDonnees.h"
#include "store/Dialecte.h"

#include <QSqlQuery>

namespace velorin::calendrier {

QString nomJour(const QDate& jour)
{
    static const QString noms[] = {u"Lu"_qs, u"Ma"_qs, u"Me"_qs, u"Je"_qs, u"Ve"_qs, u"Sa"_qs, u"Di"_qs};
    const int n = jour.dayOfWeek();
    return n >= 1 && n <= 7 ? noms[n - 1] : QString();
}

bool estWeekEnd(const QDate& jour)
{
    const int n = jour.dayOfWeek();
    return n == Qt::Saturday || n == Qt::Sunday;
}

bool estFerieFixe(const QDate& jour)
{
    struct JourMois {
        int jour;
        int mois;
    };
    static constexpr JourMois feries[] = {{1, 1}, {1, 5}, {8, 5}, {14, 7}, {15, 8}, {1, 11}, {11, 11}, {25, 12}};
    for (const JourMois& f : feries)
        if (jour.day() == f.jour && jour.month() == f.mois) return true;
    return false;
}

JoursFeries::JoursFeries(BaseDonnees& base, const QDate& debut, const QDate& fin)
{
    QSqlQuery requete = base.executer(QStringLiteral("SELECT DateDeb, DateFin FROM JoursFerie "
                                                     "WHERE DateDeb <= ? AND DateFin >= ?"),
                                      {dialecte::valeurDate(fin), dialecte::valeurDate(debut)});
    while (requete.next()) {
        const QDate d = dialecte::lireDate(requete.value(0));
        const QDate f = dialecte::lireDate(requete.value(1));
        if (d.isValid() && f.isValid()) periodes_.append({d, f});
    }
}

bool JoursFeries::dansUnePeriode(const QDate& jour) const
{
    for (const PeriodeFeriee& p : periodes_)
        if (p.debut <= jour && jour <= p.fin) return true;
    return false;
}

int JoursFeries::typeDeJour(const QDate& jour) const
{
    if (estWeekEnd(jour)) return typesJour::WeekEnd;
    if (estFerieFixe(jour) || dansUnePeriode(jour)) return typesJour::Ferie;
    return typesJour::Ordinaire;
}

} // namespace velorin::calendrier
