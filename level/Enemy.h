#pragma once
// The enemy walkers: gold goblins, skeleton spirits and bandits. The abstract
// `cEnemy` answers every type mask.
// So far the classes have what scene files and the factory need: their types
// and their record. The level simulation grows them.
#include "level/Man.h"

class cEnemy : public cMan {
  public:
    using cMan::cMan;

    uint32_t GetTypeId() const override { return scene_type::kEnemy; }
};

class cEnemyGold : public cEnemy {
  public:
    using cEnemy::cEnemy;

    static constexpr uint32_t kType = scene_type::kEnemyGold;
    uint32_t GetTypeId() const override { return kType; }
};

class cEnemySpirit : public cEnemy {
  public:
    using cEnemy::cEnemy;

    static constexpr uint32_t kType = scene_type::kEnemySpirit;
    uint32_t GetTypeId() const override { return kType; }
};

class cEnemyBandit : public cEnemy {
  public:
    using cEnemy::cEnemy;

    static constexpr uint32_t kType = scene_type::kEnemyBandit;
    uint32_t GetTypeId() const override { return kType; }
};
