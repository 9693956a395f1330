#pragma once
// What the enemy and hero tests share: the live enemies of a kind.
#include <algorithm>
#include <vector>

#include "level/units/Enemy.h"
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

}  // namespace level_test
