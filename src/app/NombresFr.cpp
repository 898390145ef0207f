#include "app/NombresFr.h"

#include <QLocale>

namespace velorin::nombres {

QString texte(double valeur) {
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(valeur == 0 ? 0.0 : valeur, 'g', 15); // no "-0"
}

QString texteFr(double valeur) {
    return QString::number(valeur == 0 ? 0.0 : valeur, 'g', 15).replace(QLatin1Char('.'), QLatin1Char(','));
}

} // namespace velorin::nombres
