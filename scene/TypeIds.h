#pragma once
// Type ids of the scene object classes. Each concrete class owns exactly one
// bit, so a set of classes is one mask (`cObject::IsKind`). The same numbers
// are the record types of scene files and the keys of the object factory:
// never renumber them, they are stored in every level and map file.
#include <cstdint>

namespace scene_type {

inline constexpr uint32_t kNone = 0;  // cObject, cMan: never stored
inline constexpr uint32_t kWorker = 0x1;
inline constexpr uint32_t kBarrier = 0x2;
inline constexpr uint32_t kItem = 0x4;
inline constexpr uint32_t kBack = 0x8;
inline constexpr uint32_t kDecor = 0x10;
inline constexpr uint32_t kBuild = 0x20;
inline constexpr uint32_t kTree = 0x40;
inline constexpr uint32_t kField = 0x80;
inline constexpr uint32_t kPlant = 0x200;
inline constexpr uint32_t kNode = 0x400;
inline constexpr uint32_t kNodeObj = 0x800;
inline constexpr uint32_t kNugget = 0x1000;
inline constexpr uint32_t kHero = 0x2000;
inline constexpr uint32_t kBaseEnemy = 0x4000;
inline constexpr uint32_t kObjectHint = 0x8000;
inline constexpr uint32_t kEnemyGold = 0x10000;
inline constexpr uint32_t kBridge = 0x40000;
inline constexpr uint32_t kWell = 0x80000;
inline constexpr uint32_t kLake = 0x100000;
inline constexpr uint32_t kEnemySpirit = 0x200000;
inline constexpr uint32_t kNodeTrajectory = 0x400000;
inline constexpr uint32_t kTowerEnemy = 0x800000;
inline constexpr uint32_t kEnemyBandit = 0x1000000;
inline constexpr uint32_t kBell = 0x2000000;
inline constexpr uint32_t kTower = 0x4000000;
inline constexpr uint32_t kAltar = 0x10000000;
inline constexpr uint32_t kTunnelBuild = 0x20000000;
inline constexpr uint32_t kPrison = 0x40000000;
inline constexpr uint32_t kPoint = 0x80000000;
// The abstract enemy answers every mask.
inline constexpr uint32_t kEnemy = 0xFFFFFFFF;

// Every roaming enemy: gold goblin, spirit, bandit.
inline constexpr uint32_t kRoamingEnemies = kEnemyGold | kEnemySpirit | kEnemyBandit;
// Every constructed building.
inline constexpr uint32_t kBuildings = kBuild | kPlant | kTowerEnemy | kTower | kTunnelBuild;
// Workers and the hero.
inline constexpr uint32_t kWorkers = kWorker | kHero;

static_assert(kRoamingEnemies == 0x1210000);
static_assert(kBuildings == 0x24800220);
static_assert(kWorkers == 0x2001);

}  // namespace scene_type
