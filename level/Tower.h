#pragma once
// Towers that shoot stones: the player's tower at enemies, the enemies' tower
// at workers.
// So far the classes have what scene files and the factory need: their types and
// their record. The level simulation grows them.
#include "level/Build.h"

class cTower : public cBuild {
  public:
    using cBuild::cBuild;

    static constexpr uint32_t kType = scene_type::kTower;
    uint32_t GetTypeId() const override { return kType; }
};

class cTowerEnemy : public cTower {
  public:
    using cTower::cTower;

    static constexpr uint32_t kType = scene_type::kTowerEnemy;
    uint32_t GetTypeId() const override { return kType; }
};
