#pragma once
// What the three scene file fuzz targets share: a headless scene of every game
// class, a pass of everything the game does with a loaded scene, and the check
// that whatever was read saves to a file that reads back the same.
#include <algorithm>
#include <cstdint>
#include <memory>
#include <vector>

#include "engine/BitStream.h"
#include "scene/BaseWidget.h"
#include "scene/ObjectFactory.h"
#include "scene/SceneServices.h"
#include "world/GameObjects.h"

namespace fuzz {

// Draws into a batch of its own, so that drawing really writes vertices.
class cFuzzServices : public cSceneServices {
  public:
    qor::cSpriteBatch* Batch() override { return &batch; }
    qor::cSpriteBatch batch;
};

struct cFuzzScene {
    cFuzzScene() {
        RegisterGameObjects(factory);
        widget = std::make_unique<cBaseWidget>(u"fuzz", &factory, &services);
    }
    cObjectFactory factory;
    cFuzzServices services;
    std::unique_ptr<cBaseWidget> widget;
};

inline std::vector<uint8_t> Bytes(const qor::cBitStream& s) {
    return std::vector<uint8_t>(s.Data(), s.Data() + s.ByteLength());
}

// Links and routes name objects by id: with two objects of one id a file
// cannot say which it means, so only scenes of distinct ids save stably.
inline bool DistinctIds(const cBaseWidget& scene) {
    std::vector<uint32_t> ids;
    for (int layer = 0; layer < kLayerCount; ++layer) {
        for (const auto& object : scene.Layer(layer))
            ids.push_back(object->id);
    }
    std::sort(ids.begin(), ids.end());
    return std::adjacent_find(ids.begin(), ids.end()) == ids.end();
}

// Ticks, draws and picks the way the scene widgets do, at points inside and
// far outside the screen.
inline void Exercise(cBaseWidget& scene, cFuzzServices& services) {
    for (int step = 0; step < 3; ++step) {
        scene.TickObjects();
        scene.DrawLayers(0, 9);
        services.batch.Clear();
        scene.PickObject({512.0f, 384.0f});
        scene.PickObject({-1.0e30f, 1.0e30f});
        scene.RemoveDeadObjects();
    }
    std::vector<cObject*> all;
    scene.CollectObjects(all, 0xFFFFFFFFu, -1);
    for (cObject* object : all) {
        object->GetFootprint();
        object->GetCell();
        object->GetHintText();
    }
}

}  // namespace fuzz
