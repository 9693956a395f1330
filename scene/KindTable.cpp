#include "scene/KindTable.h"

#include "scene/TypeIds.h"

namespace {

using namespace scene_type;
constexpr auto kAny = ePlacement::kAnywhere;
constexpr auto kBlock = ePlacement::kBlocker;
constexpr auto kWater = ePlacement::kOnWater;
constexpr auto kStand = ePlacement::kStanding;
constexpr auto kGrid = ePlacement::kInGrid;

// Footprints that no rule fixes are chosen to match the pictures: a log lies
// over two cells along i, a small stone fills one cell, a big stone four; a
// bridge spans two cells (three for the big ones) along j ("…00") or along i
// ("…01"); fields and mills are two by two.
constexpr cKindInfo kKinds[] = {
    // kind                type           w  h  layer fixed  placement
    {u"worker", kWorker, 1, 1, 6, true, kStand},
    {u"hero", kHero, 1, 1, 6, true, kStand},
    {u"enemy_gold", kEnemyGold, 1, 1, 6, true, kStand},
    {u"enemy_spirit", kEnemySpirit, 1, 1, 6, true, kStand},
    {u"enemy_bandit", kEnemyBandit, 1, 1, 6, true, kStand},
    {u"base_enemy_gold", kBaseEnemy, 1, 1, 6, true, kGrid},
    {u"base_enemy_spirit", kBaseEnemy, 1, 1, 6, true, kGrid},
    {u"prison00", kPrison, 2, 2, 6, true, kBlock},
    {u"log00", kBarrier, 2, 1, 5, false, kBlock},
    {u"stone00", kBarrier, 1, 1, 5, false, kBlock},
    {u"stone_big00", kBarrier, 2, 2, 5, false, kBlock},
    {u"bridge00", kBridge, 1, 2, 5, false, kWater},
    {u"bridge01", kBridge, 2, 1, 5, false, kWater},
    {u"bridge_big00", kBridge, 1, 3, 5, false, kWater},
    {u"bridge_big01", kBridge, 3, 1, 5, false, kWater},
    {u"lake00", kLake, 3, 3, 2, false, kWater},
    {u"tree00", kTree, 1, 1, 6, true, kBlock},
    {u"tree01", kTree, 1, 1, 6, true, kBlock},
    {u"tree02", kTree, 1, 1, 6, true, kBlock},
    {u"tree03", kTree, 1, 1, 6, true, kBlock},
    {u"tree04", kTree, 1, 1, 6, true, kBlock},
    {u"tree05", kTree, 1, 1, 6, true, kBlock},
    {u"field00", kField, 2, 2, 5, false, kBlock},
    {u"field01", kField, 2, 2, 5, false, kBlock},
    {u"nugget00", kNugget, 1, 1, 6, true, kBlock},
    {u"well00", kWell, 1, 1, 6, false, kBlock},
    {u"wood", kItem, 1, 1, 5, false, kStand},
    {u"food", kItem, 1, 1, 5, false, kStand},
    {u"money", kItem, 1, 1, 5, false, kStand},
    {u"mana", kItem, 1, 1, 5, false, kStand},
    {u"base00", kBuild, 3, 3, 6, true, kBlock},
    {u"house00", kBuild, 3, 2, 6, true, kBlock},
    {u"sawmill00", kPlant, 2, 2, 6, true, kBlock},
    {u"mill00", kPlant, 2, 2, 6, true, kBlock},
    {u"goldmill00", kPlant, 2, 2, 6, true, kBlock},
    {u"tower00", kTower, 1, 1, 6, true, kBlock},
    {u"tower_enemy00", kTowerEnemy, 1, 1, 6, true, kBlock},
    {u"lighthouse00", kTunnelBuild, 2, 2, 6, true, kBlock},
    {u"key_statue00", kTunnelBuild, 2, 2, 6, true, kBlock},
    {u"key_altar00", kTunnelBuild, 4, 3, 6, true, kBlock},
    {u"key_castle00", kTunnelBuild, 4, 4, 6, true, kBlock},
    {u"bell00", kBell, 1, 1, 6, false, kBlock},
    {u"altar00", kAltar, 2, 2, 6, true, kBlock},
    {u"object_hint", kObjectHint, 1, 1, 9, false, kAny},
    {u"place", kNode, 1, 1, 5, false, kStand},
    {u"approach", kNodeObj, 1, 1, 5, false, kStand},
    {u"waypoint", kNodeTrajectory, 1, 1, 5, false, kStand},
    {u"point", kPoint, 1, 1, 5, false, kAny},
    {nullptr, kDecor, 1, 1, 3, false, kAny},
    {nullptr, kBack, 1, 1, 2, false, kAny},
};

}  // namespace

std::span<const cKindInfo> KindTable() {
    return kKinds;
}

const cKindInfo* FindKind(std::u16string_view kind) {
    for (const cKindInfo& info : kKinds) {
        if (info.kind && kind == info.kind)
            return &info;
    }
    return nullptr;
}

const cKindInfo* FindKind(uint32_t type, std::u16string_view kind) {
    const cKindInfo* any = nullptr;
    for (const cKindInfo& info : kKinds) {
        if (info.type != type)
            continue;
        if (!info.kind)
            any = &info;
        else if (kind == info.kind)
            return &info;
    }
    return any;
}

int DefaultLayer(uint32_t type) {
    if (type == kBack || type == kLake)
        return 2;
    if (type == kDecor)
        return 3;
    if (type == kWell || type == kBell || (type & 0x1212001u) != 0)
        return 6;
    if (type == kObjectHint)
        return 9;
    return 5;
}
