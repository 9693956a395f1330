#include "scene/SceneObjects.h"

#include "scene/Back.h"
#include "scene/Decor.h"
#include "scene/Node.h"
#include "scene/ObjectFactory.h"
#include "scene/ObjectHint.h"

void RegisterSceneObjects(cObjectFactory& factory) {
    factory.Register<cNode>();
    factory.Register<cNodeObj>();
    factory.Register<cNodeTrajectory>();
    factory.Register<cDecor>();
    factory.Register<cBack>();
    factory.Register<cObjectHint>();
}
