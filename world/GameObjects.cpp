#include "world/GameObjects.h"

#include "level/LevelObjects.h"
#include "scene/ObjectFactory.h"
#include "scene/SceneObjects.h"
#include "world/Point.h"

void RegisterGameObjects(cObjectFactory& factory) {
    RegisterSceneObjects(factory);
    RegisterLevelObjects(factory);
    factory.Register<cPoint>();
}

const cObjectFactory& GameObjectFactory() {
    static const cObjectFactory factory = [] {
        cObjectFactory made;
        RegisterGameObjects(made);
        return made;
    }();
    return factory;
}
