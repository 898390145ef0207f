#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>

namespace velorin {

// The program's date conventions: separator '/', short format "dd/mm/yyyy", long format
// "dddd dd mmmm yyyy", French month and day names. Every date shown or printed uses them.
namespace dates {

inline constexpr char16_t separateur = u'/';
inline const QString formatCourt = QStringLiteral("dd/mm/yyyy");
inline const QString formatLong = QStringLiteral("dddd dd mmmm yyyy");

// month 1..12
QString moisCourt(int mois);
QString moisLong(int mois);
// Qt day of week: 1 = Monday .. 7 = Sunday
QString jourCourt(int jourSemaine);
QString jourLong(int jourSemaine);

// Formats in the program's pattern language: d dd ddd dddd, m mm mmm mmmm, yy yyyy,
// h hh, n nn (minutes), s ss; text between single or double quotes is copied as is.
QString formater(const QString& format, const QDateTime& moment);
QString formater(const QString& format, const QDate& date);

QString courte(const QDate& date);    // "dd/mm/yyyy"
QString longue(const QDate& date);    // "dddd dd mmmm yyyy"
// Makes the conventions those of the whole program: Qt's own date widgets and
// formatting then show French names and the "dd/mm/yyyy" order.
void appliquerConventions();

// Reads a short date "dd/mm/yyyy" (also d/m/yy); invalid QDate when it is not one.
QDate lireCourte(const QString& texte);

} // namespace dates
} // namespace velorin
