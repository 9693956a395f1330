#include "level/sites/Tower.h"

#include <algorithm>
#include <cmath>

#include "level/LevelWidget.h"
#include "level/spells/SpellNumbers.h"
#include "level/units/Worker.h"
#include "scene/SceneServices.h"
#include "scene/SoundNumbers.h"

namespace {

using namespace scene_type;

constexpr float kStoneSpeed = 800.0f;
constexpr float kScanSeconds = 0.2f;
// A spirit in this state is falling apart: there is nothing left to hit.
constexpr int32_t kSpiritDying = 7;
// A thrown stone shows at this share of the stone's picture.
constexpr float kStoneScale = 0.35f;

// Reload seconds and hit strength of the player's tower by level.
constexpr float kReload[] = {1.8f, 1.3f, 0.3f};
constexpr float kStrength[] = {2.0f, 3.0f, 4.0f};
constexpr float kOutOfTable = 100.0f;

float ByLevel(const float (&table)[3], int32_t level) {
    return level >= 0 && level < 3 ? table[level] : kOutOfTable;
}

// Workers a stone can find: out in the open, not inside a building.
bool InTheOpen(const cWorker& worker) {
    return worker.visible && !worker.IsInHouse() && worker.state != kWorkerDeliver &&
           worker.state != kWorkerHeld && worker.state != kWorkerEnterHouse;
}

}  // namespace

void cTower::SetKind(const std::u16string& kindName) {
    cBuild::SetKind(kindName);
    stoneSprite = Services().FindSprite(u"stone00");
    reload = qor::cRamp{0.0f, 0.0f, 0.0f, 1.0f, 0.0f, 0.0f};
    scan = 0.0f;
    stones.clear();
}

float cTower::GetReloadTime() const {
    return ByLevel(kReload, level);
}

float cTower::GetHitStrength() const {
    return ByLevel(kStrength, level);
}

void cTower::Tick() {
    cBuild::Tick();
    StepStones();
    if (!IsArmed() || reload.Step(kTickSeconds) == 1)
        return;
    scan += kTickSeconds;
    // Six steps of 1/30 s add up to a hair under 0.2 s in floats.
    if (scan + 1.0e-4f < kScanSeconds)
        return;
    scan = 0.0f;
    if (cObject* target = FindTarget())
        Shoot(target);
}

cObject* cTower::Nearest(const std::vector<cObject*>& objects) const {
    cObject* nearest = nullptr;
    float best = 10000.0f;
    for (cObject* object : objects) {
        const float d = std::hypot(object->x - x, object->y - y);
        if (d < best && d <= GetRange()) {
            best = d;
            nearest = object;
        }
    }
    return nearest;
}

cObject* cTower::FindTarget() const {
    const cLevelWidget* level = LevelOf(this);
    if (!level)
        return nullptr;
    std::vector<cObject*> enemies;
    level->CollectObjects(enemies, kRoamingEnemies, -1);
    std::erase_if(enemies, [](const cObject* enemy) {
        return cLevelWidget::IsDead(enemy) || !static_cast<const cMan*>(enemy)->IsTowerTarget() ||
               (enemy->IsKind(kEnemySpirit) && enemy->state == kSpiritDying);
    });
    return Nearest(enemies);
}

void cTower::Shoot(cObject* target) {
    const qor::cVec2 muzzle = GetMuzzle();
    cStone stone{target, {}};
    stone.mover.speed = kStoneSpeed;
    stone.mover.current = stone.mover.from = stone.mover.to = muzzle;
    stone.mover.SetTarget(target->GetPosition());
    stones.push_back(stone);
    static_cast<cMan*>(target)->OnTowerAim(this);
    reload.Restart(0.0f, GetReloadTime());
    if (cLevelWidget* level = LevelOf(this)) {
        level->Host().PlaySound(kSoundShot);
        level->effects.AddExplosion(1.0f + level->Host().Random().Unit(), {muzzle.x, muzzle.y});
    }
}

void cTower::StepStones() {
    for (size_t k = 0; k < stones.size();) {
        if (stones[k].mover.Step(kTickSeconds) == 1) {
            ++k;
            continue;
        }
        cObject* target = stones[k].target;
        stones.erase(stones.begin() + static_cast<long>(k));
        if (target && !cLevelWidget::IsDead(target))
            Hit(target);
    }
}

void cTower::Hit(cObject* target) {
    if (target->IsKind(kRoamingEnemies))
        static_cast<cMan*>(target)->TakeHit(GetHitStrength());
}

void cTower::Draw() {
    cBuild::Draw();
    if (!stoneSprite.texture || stoneSprite.frameCount < 1)
        return;
    const qor::cRectF whole = FrameRect(stoneSprite, 0, {0.0f, 0.0f});
    const float w = whole.w * kStoneScale;
    const float h = whole.h * kStoneScale;
    for (const cStone& stone : stones) {
        const qor::cVec2 at = stone.mover.current;
        DrawSpriteRect(Services().Batch(), stoneSprite, 0, {at.x - w * 0.5f, at.y - h * 0.5f, w, h},
                       tint);
    }
}

void cTowerEnemy::SetKind(const std::u16string& kindName) {
    cTower::SetKind(kindName);
    // Whatever its kind is called, it looks like the enemies' tower.
    AddAnimation(u"life", u"tower_enemy00");
    PlayAnimation(u"life", qor::kAnimStopped, true);
}

bool cTowerEnemy::IsArmed() const {
    const cLevelWidget* level = LevelOf(this);
    return cTower::IsArmed() && !(level && level->IsSpellActive(kSpellShield));
}

cObject* cTowerEnemy::FindTarget() const {
    const cLevelWidget* level = LevelOf(this);
    if (!level)
        return nullptr;
    std::vector<cObject*> workers;
    for (const auto& object : level->Layer(6)) {
        if (object->GetTypeId() == kWorker && !cLevelWidget::IsDead(object.get()) &&
            InTheOpen(*static_cast<const cWorker*>(object.get())))
            workers.push_back(object.get());
    }
    return Nearest(workers);
}

void cTowerEnemy::Hit(cObject* target) {
    const cLevelWidget* level = LevelOf(this);
    if (target->GetTypeId() != kWorker || (level && level->IsSpellActive(kSpellShield)))
        return;
    // The stone frightens the worker off, and its next load goes straight
    // home rather than to a plant near the tower.
    auto* worker = static_cast<cWorker*>(target);
    worker->Scare(this);
    worker->forceHome = 1;
}
