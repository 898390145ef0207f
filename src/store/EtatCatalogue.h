#pragma once

namespace velorin {

class DMCommun;

// True when the catalogue holds at least one accommodation (prestation of kind 0) and at
// least one tariff type: the planning has nothing to show before that. A missing table
// counts as empty; an error is shown and answers false.
bool planningPossible(DMCommun& commun);

} // namespace velorin
