#pragma once
// The spells the altars sell, by number. The story, the altars and the
// objects a spell changes all name them so: do not renumber.
#include <cstdint>

enum eSpell : int32_t {
    kSpellFieldFast = 1,    // fields ripen faster
    kSpellWorkerFast = 2,   // workers walk and work faster
    kSpellWaterFreeze = 3,  // lakes freeze over
    kSpellTreeRestore = 4,  // felled trees grow again
    kSpellEnemyFreeze = 5,  // enemies stand frozen
    kSpellShield = 6,       // workers are shielded from enemy towers
};
