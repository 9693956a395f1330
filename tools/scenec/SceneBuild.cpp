#include "tools/scenec/SceneBuild.h"

#include "scene/BaseWidget.h"
#include "scene/LevelFile.h"
#include "scene/LvxFile.h"
#include "scene/Node.h"
#include "scene/ObjectFactory.h"
#include "world/GameObjects.h"
#include "world/Point.h"

namespace scenec {

void WriteScene(const cCheckedScene& scene, qor::cBitStream& out) {
    cObjectFactory factory;
    RegisterGameObjects(factory);
    cBaseWidget widget(u"scenec", &factory);
    std::vector<cObject*> made;
    for (const cFinalObject& f : scene.objects) {
        cObject* object = widget.CreateObject(f.type);
        made.push_back(object);
        if (!object)
            continue;
        object->id = f.id;
        object->SetLayer(f.layer);
        object->SetKind(f.kind);
        object->SetPosition(f.position);
        object->name = f.name;
        object->flags = f.flags;
        if (f.type == cPoint::kType)
            static_cast<cPoint*>(object)->level = f.pointLevel;
    }
    for (size_t k = 0; k < scene.objects.size(); ++k) {
        const cFinalObject& f = scene.objects[k];
        if (f.owner < 0 || !made[k] || !made[f.owner])
            continue;
        if (f.type == cNode::kType)
            made[f.owner]->AddWorkPlace(static_cast<cNode*>(made[k]));
        else if (f.type == cNodeObj::kType)
            made[f.owner]->AddApproachNode(static_cast<cNodeObj*>(made[k]));
    }
    widget.nextObjectId = scene.nextId;
    if (scene.kind != eSceneKind::kLevel) {
        WriteLvxFile(widget, out);
        return;
    }
    cLevelFile level;
    level.name = scene.levelName;
    level.cells = scene.cells;
    for (int k : scene.route)
        level.trajectory.push_back(made[k]);
    level.floodCells = scene.flood;
    WriteLevelFile(widget, level, out);
}

}  // namespace scenec
