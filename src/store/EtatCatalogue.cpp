#include "store/EtatCatalogue.h"

#include "store/AccesDonnees.h"
#include "store/DMCommun.h"

namespace velorin {

bool planningPossible(DMCommun& commun)
{
    return operationSignalee(commun.services().dialogues, u"Erreur lors de la lecture du catalogue"_qs, false, [&] {
        BaseDonnees& base = commun.base();
        if (!base.estOuverte() || !base.tableExiste(QStringLiteral("prestation"))
            || !base.tableExiste(QStringLiteral("TypeTarif")))
            return false;
        const bool hebergement
            = base.valeur(QStringLiteral("SELECT COUNT(*) FROM prestation WHERE TypePrest = ?"), {0}).toInt() > 0;
        return hebergement && base.valeur(QStringLiteral("SELECT COUNT(*) FROM TypeTarif")).toInt() > 0;
    });
}

} // namespace velorin
