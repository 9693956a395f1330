#pragma once
// What the enemy and hero tests share: the live enemies of a kind, and a
// level standing in for the spell list the altars feed (only the enemy
// freeze spell, with its twenty seconds), so that the hero's cast can be
// followed to its end.
#include <algorithm>
#include <vector>

#include "level/Enemy.h"
#include "level/SpellNumbers.h"
#include "tests/LevelHarness.h"

namespace level_test {

// The live enemies of a type, the first out first.
template <class T>
std::vector<T*> Live(const cLevelHarness& h, uint32_t type) {
    std::vector<T*> out;
    for (cObject* object : h.OfType(type)) {
        if (object->state != kStateGone)
            out.push_back(static_cast<T*>(object));
    }
    std::sort(out.begin(), out.end(), [](const T* a, const T* b) { return a->id < b->id; });
    return out;
}

// The altars' spell list as far as these tests need it: every cast is
// noted, and an altar's cast starts the enemy freeze for twenty seconds.
class cFreezeSpellLevel : public cLevelWidget {
  public:
    using cLevelWidget::cLevelWidget;

    static constexpr float kFreezeSeconds = 20.0f;

    void CastAltarSpell(cObject* altar) override {
        casts.push_back(altar);
        spells.clear();
        spells.push_back({kSpellEnemyFreeze, 0.0f});
        SetEnemiesFrozen(*this, true);
    }
    void SpellTick() override {
        for (cSpell& s : spells) {
            if (s.timer < 0.0f)
                continue;
            s.timer += kTickSeconds;
            if (s.timer >= kFreezeSeconds) {
                s.timer = -1.0f;
                SetEnemiesFrozen(*this, false);
            }
        }
    }

    std::vector<cObject*> casts;
};

inline cLevelHarness::cMakeLevel MakeFreezeSpellLevel() {
    return [](const cObjectFactory* f, cSceneServices* s, cLevelHost* host) -> cLevelWidget* {
        return new cFreezeSpellLevel(f, s, host);
    };
}

}  // namespace level_test
