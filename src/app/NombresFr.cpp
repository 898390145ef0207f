#include "app/NombresFr.h"

#include <QLocale>

namespace velorin::nombres {

QString texte(double valeur) {
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(valeur == 0 ? 0.0 : valeur, 'g', 15); // no "-0"
}

} // namespace velorin::nombres
