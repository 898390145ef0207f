#include "app/Version.h"

#include "app/VersionNumeros.h"

namespace velorin {

QString texteVersion(int majeur, int mineur, int revision, int construction)
{
    QString texte = QStringLiteral("%1.%2.%3").arg(majeur).arg(mineur).arg(revision, 3, 10, QLatin1Char('0'));
    if (construction > 0) texte += QLatin1Char(' ') + QChar(QLatin1Char('A').unicode() + (construction - 1) % 26);
    return texte;
}

QString texteVersionProgramme()
{
    return texteVersion(VELORIN_VERSION_MAJEUR, VELORIN_VERSION_MINEUR, VELORIN_VERSION_REVISION,
                        VELORIN_VERSION_CONSTRUCTION);
}

} // namespace velorin
