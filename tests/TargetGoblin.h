#pragma once
// A stand-in for the enemies in tests of what towers and spells do to them:
// a goblin that stands still and records every call the level makes on it.
// Registered in a harness's factory, it takes the place of the goblin class.
#include <vector>

#include "level/units/EnemyGold.h"

namespace level_test {

class cTargetGoblin : public cEnemyGold {
  public:
    using cEnemyGold::cEnemyGold;
    // It stands where the test put it: no digging, no way home.
    void Tick() override {}
    void OnTowerAim(cObject* tower) override { aimedBy = tower; }
    bool TakeHit(float strength) override {
        hits.push_back(strength);
        return true;
    }
    bool IsTowerTarget() const override { return targetable; }
    void SetFrozen(bool frozen) override { freezes.push_back(frozen); }

    cObject* aimedBy = nullptr;
    std::vector<float> hits;
    bool targetable = true;
    std::vector<bool> freezes;
};

}  // namespace level_test
