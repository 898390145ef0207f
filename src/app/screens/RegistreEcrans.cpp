#include "app/screens/RegistreEcrans.h"

namespace velorin {

void RegistreEcrans::inscrire(EntreeMenu entree, Inscription inscription)
{
    inscriptions_.at(static_cast<std::size_t>(entree)) = std::move(inscription);
    if (surInscription) surInscription(entree);
}

const RegistreEcrans::Inscription* RegistreEcrans::trouver(EntreeMenu entree) const
{
    const Inscription& inscription = inscriptions_.at(static_cast<std::size_t>(entree));
    const bool vide = inscription.mode == Mode::Action ? !inscription.executer : !inscription.creer;
    return vide ? nullptr : &inscription;
}

} // namespace velorin
