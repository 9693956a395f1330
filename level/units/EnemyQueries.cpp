// What the level asks of the enemies as a whole:
// how many roam and the way back to a base.
#include <cmath>
#include <cstdlib>

#include "level/LevelWidget.h"
#include "level/units/Enemy.h"

namespace {

using namespace scene_type;

// How far from a base in the rock its goblins look for open ground, in cells.
constexpr int kBaseShoreReach = 3;

}  // namespace

int CountRoamingEnemies(const cLevelWidget& level) {
    int count = 0;
    for (const auto& object : level.Layer(6)) {
        if (object->IsKind(kRoamingEnemies) && !cLevelWidget::IsDead(object.get()))
            ++count;
    }
    return count;
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
