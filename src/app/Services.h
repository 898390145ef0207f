#pragma once

namespace velorin {

class Dialogues;
class Horloge;
class Plateforme;

// The injected services every module reaches the user, the time and the system through.
struct Services {
    Dialogues& dialogues;
    Horloge& horloge;
    Plateforme& plateforme;
};

} // namespace velorin
