#include "app/screens/RegistreEcrans.h"

#include "app/screens/TFrmParamCouleurs.h"
#include "app/screens/TFrmParamMessagerie.h"
#include "catalogue/screens/TFrmPrest.h"
#include "catalogue/screens/TFrmTypesTarifs.h"
#include "planning/screens/TFrmPlanning.h"
#include "reservations/Contacts.h"
#include "reservations/screens/TFrmClient.h"
#include "reservations/screens/TFrmClients.h"
#include "reservations/screens/TFrmReserv.h"
#include "settings/screens/TFrmOptions.h"

namespace velorin {

// One line per menu entry that opens something (RegistreEcrans.h); the others stay disabled.
void enregistrerEcransMenu(RegistreEcrans& registre)
{
    // "&Paramétrages"
    registre.enfant<TFrmTypesTarifs>(EntreeMenu::TypesTarifs);
    registre.enfant<TFrmPrest>(EntreeMenu::Hebergements, static_cast<int>(TFrmPrest::Hebergements));
    registre.enfant<TFrmPrest>(EntreeMenu::Prestations, static_cast<int>(TFrmPrest::Prestations));
    registre.enfant<TFrmPrest>(EntreeMenu::Repas, static_cast<int>(TFrmPrest::Repas));
    registre.enfant<TFrmParamCouleurs>(EntreeMenu::ParamCouleurs);
    registre.enfant<TFrmParamMessagerie>(EntreeMenu::Messagerie);
    registre.enfant<TFrmOptions>(EntreeMenu::Options);

    // "&Séjours"
    registre.enfant<TFrmPlanning>(EntreeMenu::Planning);

    // "&Contacts"
    registre.enfant<TFrmClients>(EntreeMenu::Hotes, TypeContact::Hote);
    registre.enfant<TFrmClients>(EntreeMenu::Organismes, TypeContact::OrganismeExterieur);
    registre.enfant<TFrmClients>(EntreeMenu::Fournisseurs, TypeContact::Fournisseur);

    // A contact's stay history opens the reservation in its own window.
    TFrmClient::setOuvertureReservation([](ContexteEcrans& contexte, int idReservation, QWidget*) {
        (new TFrmReserv(contexte, idReservation))->afficherEnfant();
    });
}

} // namespace velorin
