#include "reservations/screens/BranchementEcrans.h"

#include "reservations/screens/TCadreReserv.h"

namespace velorin {

void brancherEcransReservation(TCadreReserv& cadre, ContexteEcrans& contexte)
{
    // Nothing plugged yet: the guest, catalogue, VAT detail and payment screens are set here
    // as they come (cadre.choisirHote, modifierHote, creerHote, choisirArticle, choisirRepas,
    // detailPrixLigne, detailMontants, saisirPaiements).
    (void)cadre;
    (void)contexte;
}

} // namespace velorin
