#include "level/LevelHost.h"

#include "level/LevelWidget.h"

bool cLevelHost::CanAfford(const ResourceSet& cost) const {
    const ResourceSet have = GetResources();
    for (int i = 0; i < kResourceCount; ++i) {
        if (have[i] < cost[i])
            return false;
    }
    return true;
}

bool cLevelHost::Spend(const ResourceSet& cost) {
    if (!CanAfford(cost))
        return false;
    resources -= cost;
    if (level)
        level->UpdateTasks(kTaskResource);
    return true;
}

void cLevelHost::Earn(const ResourceSet& amounts) {
    resources += amounts;
    if (level)
        level->UpdateTasks(kTaskResource);
}
