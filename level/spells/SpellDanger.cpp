// Danger zones and getting people out of them: the ice of a freeze that
// has ended (the water comes back only once it is clear) and the landing
// places of falling stones. Nobody is ever left standing where the water
// returns.
#include <algorithm>

#include "level/sites/Lake.h"
#include "level/LevelWidget.h"
#include "level/units/Worker.h"
#include "scene/ParticleManager.h"

namespace {

using namespace scene_type;

constexpr float kThawCheckSeconds = 0.5f;
constexpr uint32_t kRed = 0xFFFF0000u;

bool IsFalling(const cObject* object) {
    return object->IsKind(kBarrier) && (object->flags & kFlagMeteor) != 0;
}

bool IsFlood(const cLevelWidget& level, cCell cell) {
    return std::find(level.floodCells.begin(), level.floodCells.end(), cell) !=
           level.floodCells.end();
}

// The cell lies under a lake (water) or where a stone lands or next to it
// (stones).
bool InZone(const cLevelWidget& level, cCell cell, int32_t danger) {
    if (!cell.IsValid())
        return false;
    const uint32_t zoneKind = danger == kDangerWater ? kLake : kBarrier;
    for (int layer = 0; layer < kLayerCount; ++layer) {
        for (const auto& zone : level.Layer(layer)) {
            if (!zone->IsKind(zoneKind) || cLevelWidget::IsDead(zone.get()))
                continue;
            cCellRect r = level.GetObjectCells(zone.get());
            if (danger == kDangerStones) {
                // A stone still to fall waits off screen: its danger is where it lands.
                if (!IsFalling(zone.get()) || !level.meteors.LandingCells(level, zone.get(), &r))
                    continue;
                r = {r.firstI - 1, r.lastI + 1, r.firstJ - 1, r.lastJ + 1};
            }
            if (r.Contains(cell))
                return true;
        }
    }
    return false;
}

bool CellInDanger(const cLevelWidget& level, cCell cell, int32_t danger) {
    return IsFlood(level, cell) || InZone(level, cell, danger);
}

// The rest of the man's way crosses a lake: the water must not come back
// under his feet on the way.
bool WayCrossesWater(const cLevelWidget& level, const cMan& man) {
    if (man.state != kWorkerToTarget && man.state != kWorkerWander && man.state != kWorkerFlee)
        return false;
    if (InZone(level, CellOfPoint(man.mover.to), kDangerWater))
        return true;
    return std::any_of(man.path.begin(), man.path.end(), [&level](qor::cVec2 point) {
        return InZone(level, CellOfPoint(point), kDangerWater);
    });
}

}  // namespace

bool cLevelWidget::InDanger(const cObject* object, int32_t danger) const {
    return object && CellInDanger(*this, object->GetCell(), danger);
}

void cLevelWidget::Evacuate(int32_t danger) {
    // Off the ice to the bell (or home, on an island without one); from
    // under the stones home.
    cObject* destination = danger == kDangerWater && bell && !IsDead(bell) ? bell : base;
    std::vector<cWorker*> moving;
    for (cWorker* man : CollectMen()) {
        if (IsDead(man) || man->IsInHouse() || man->IsCaptive() || man->state == kWorkerEnterHouse)
            continue;
        const bool idle = man->IsIdle();
        const bool heading =
            man->state == kWorkerToTarget && man->target && InDanger(man->target, danger);
        const bool strollsIn = idle && !man->path.empty() &&
                               CellInDanger(*this, CellOfPoint(man->path.back()), danger);
        if (man->IsKind(kHero)) {
            if (InDanger(man, danger) || heading || strollsIn)
                moving.push_back(man);
        } else if (man->state == kWorkerDeliver) {
            if (man->target && InDanger(man->target, danger))
                man->goHomeLater = 1;
        } else if (InZone(*this, man->GetCell(), danger)) {
            moving.push_back(man);
        } else if (idle && IsFlood(*this, man->GetCell())) {
            man->goHomeLater = 1;
        } else if (strollsIn || heading) {
            moving.push_back(man);
        }
    }
    for (cWorker* man : moving) {
        // With no way to the bell, the house will do.
        if (!SendWorker(man, destination, true) && destination != base)
            SendWorker(man, base, true);
    }
}

void cLevelWidget::ThawTick() {
    if (!thawPending || thawTimer.Step(kTickSeconds) == 1)
        return;
    thawTimer.Restart(0.0f, kThawCheckSeconds);
    cObject* refuge = bell && !IsDead(bell) ? bell : base;
    bool clear = true;
    for (cWorker* man : CollectMen()) {
        if (IsDead(man) || man->IsInHouse())
            continue;
        if (man->state == kWorkerToTarget && IsFlood(*this, man->GetCell()))
            man->goHomeLater = 1;
        // The hero is held to the same rule as everybody: the water waits
        // for whoever stands on the ice or is still crossing it.
        const bool onIce = InDanger(man, kDangerWater);
        if (onIce || WayCrossesWater(*this, *man))
            clear = false;
        // Whoever idles on the ice is sent off again, or the ice would
        // wait for ever.
        if (onIce && man->IsIdle() && !SendWorker(man, refuge, true) && refuge != base)
            SendWorker(man, base, true);
    }
    if (!clear)
        return;
    std::vector<cObject*> lakes;
    CollectObjects(lakes, kLake, -1);
    for (cObject* lake : lakes) {
        static_cast<cLake*>(lake)->SetFrozen(false);
        if (g_particles)
            g_particles->AddSparkle(50, 15.0f, kRed, {lake->x, lake->y});
    }
    thawPending = 0;
    QueueCommand(nullptr, kCommandFlooded, 0);
}
