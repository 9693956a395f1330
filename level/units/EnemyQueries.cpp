// What the level, its towers and its spells ask of the enemies as a whole:
// how many roam, which one a tower aims at, the freeze of them all, and the
// way back to a base.
#include <cmath>
#include <cstdlib>

#include "level/units/Enemy.h"
#include "level/LevelWidget.h"
#include "scene/ParticleManager.h"

namespace {

using namespace scene_type;

// A tower measures from here: nothing farther is ever in range.
constexpr float kFarAway = 10000.0f;
// How far from a base in the rock its goblins look for open ground, in cells.
constexpr int kBaseShoreReach = 3;
constexpr uint32_t kThawSparkle = 0xFFFF0000u;

}  // namespace

int CountRoamingEnemies(const cLevelWidget& level) {
    int count = 0;
    for (const auto& object : level.Layer(6)) {
        if (object->IsKind(kRoamingEnemies) && !cLevelWidget::IsDead(object.get()))
            ++count;
    }
    return count;
}

cEnemy* FindTowerTarget(const cLevelWidget& level, qor::cVec2 from, float range) {
    cEnemy* best = nullptr;
    float nearest = kFarAway;
    for (const auto& object : level.Layer(6)) {
        if (!object->IsKind(kRoamingEnemies))
            continue;
        auto* enemy = static_cast<cEnemy*>(object.get());
        if (!enemy->IsTowerTarget())
            continue;
        const float d = std::hypot(enemy->x - from.x, enemy->y - from.y);
        if (d < range && d < nearest) {
            nearest = d;
            best = enemy;
        }
    }
    return best;
}

void SetEnemiesFrozen(cLevelWidget& level, bool freeze) {
    std::vector<cObject*> enemies;
    level.CollectObjects(enemies, kRoamingEnemies, -1);
    for (cObject* object : enemies) {
        if (cLevelWidget::IsDead(object))
            continue;
        static_cast<cEnemy*>(object)->SetFrozen(freeze);
        if (!freeze && g_particles)
            g_particles->AddSparkle(50, 15.0f, kThawSparkle, {object->x, object->y});
    }
}

bool FindPathHome(cLevelWidget& level, cWalkPath& out, const cEnemy* enemy, const cObject* home) {
    if (level.FindPath(out, enemy, home, {}, true))
        return true;
    const cCell base = home->GetCell();
    if (!base.IsValid() || level.Cells().IsOccupied(base) || level.Cells().Cost(base) >= 0.0f)
        return false;
    // The base lies in rock or water: the nearest open cell is its doorstep.
    for (int reach = 1; reach <= kBaseShoreReach; ++reach) {
        for (int di = -reach; di <= reach; ++di) {
            for (int dj = -reach; dj <= reach; ++dj) {
                if (std::abs(di) != reach && std::abs(dj) != reach)
                    continue;
                const cCell step{base.i + di, base.j + dj};
                if (!level.Cells().IsFree(step) || !level.FindPath(out, enemy, nullptr, step, true))
                    continue;
                out.push_back(home->GetPosition());
                return true;
            }
        }
    }
    return false;
}
