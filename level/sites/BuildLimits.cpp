// How far the level lets its buildings be upgraded.
#include "level/sites/Build.h"
#include "level/LevelWidget.h"

void cLevelWidget::SetMaxLevel(const std::u16string& kind, int32_t level) {
    using namespace scene_type;
    std::vector<cObject*> buildings;
    CollectObjects(buildings, kBuildings, -1);
    for (cObject* object : buildings) {
        const bool all = kind == u"all" && !object->IsKind(kTunnelBuild);
        if (all || object->kind == kind)
            static_cast<cBuild*>(object)->maxLevel = level;
    }
}
