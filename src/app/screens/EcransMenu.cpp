#include "app/screens/RegistreEcrans.h"

#include "app/screens/TFrmParamCouleurs.h"
#include "app/screens/TFrmParamMessagerie.h"

namespace velorin {

// One line per menu entry that opens something (RegistreEcrans.h); the others stay disabled.
void enregistrerEcransMenu(RegistreEcrans& registre)
{
    registre.enfant<TFrmParamCouleurs>(EntreeMenu::ParamCouleurs);
    registre.enfant<TFrmParamMessagerie>(EntreeMenu::Messagerie);
}

} // namespace velorin
