// Plays arbitrary bytes as a level: whatever the file holds, loading it and
// ten seconds of play with clicks on every object, a right click and keys
// must never crash, hang or read out of bounds. Every sprite is a made-up
// frame, so that objects have pictures to click.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "app/Widget.h"
#include "engine/BitStream.h"
#include "engine/Texture.h"
#include "level/LevelWidget.h"
#include "scene/ObjectFactory.h"
#include "scene/SceneServices.h"
#include "world/GameObjects.h"

namespace {

class cFramedServices : public cSceneServices {
  public:
    cFramedServices() {
        texture = std::make_shared<qor::cTexture>(u"fuzz");
        frames.assign(4, {0.0f, 0.0f, 0.25f, 0.25f});
        offsets.assign(4, {20.0f, 5.0f});
        sizes.assign(4, {40.0f, 60.0f});
    }
    qor::cSpriteBatch* Batch() override { return &batch; }
    qor::cSpriteInfo FindSprite(const std::u16string&, const std::u16string& area) override {
        return FindSprite(area);
    }
    qor::cSpriteInfo FindSprite(const std::u16string&) override {
        qor::cSpriteInfo info;
        info.texture = texture;
        info.frames = frames.data();
        info.offsets = offsets.data();
        info.sizes = sizes.data();
        info.frameCount = 4;
        info.width = 40.0f;
        info.height = 60.0f;
        info.fps = 10.0f;
        return info;
    }

    qor::cSpriteBatch batch;
    std::shared_ptr<qor::cTexture> texture;
    std::vector<qor::cRectF> frames;
    std::vector<qor::cVec2> offsets, sizes;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static cObjectFactory factory = [] {
        cObjectFactory f;
        RegisterGameObjects(f);
        return f;
    }();
    cFramedServices services;
    cLevelHost host;
    host.resources = {500, 500, 500, 500};
    cLevelWidget level(&factory, &services, &host);
    qor::cBitStream stream;
    stream.Load(data, size);
    level.LoadLevel(stream);
    level.OnEvent(qor::kWidgetKeyDown, ' ');
    std::vector<cObject*> objects;
    level.CollectObjects(objects, 0xFFFFFFFFu, -1);
    std::vector<qor::cVec2> points;
    for (const cObject* object : objects)
        points.push_back(object->GetPosition());
    for (int tick = 0; tick < 300; ++tick) {
        if (!points.empty() && tick % 3 == 0) {
            host.cursor = points[(tick / 3) % points.size()];
            host.cursor.y += 20.0f;
            level.OnEvent(qor::kWidgetMouseDown, 0);
        }
        if (tick == 150)
            level.OnEvent(qor::kWidgetMouseDown, 2);
        level.Tick();
        level.Update(1.0f / 30.0f);
        if (tick % 60 == 0) {
            level.DrawScene();
            services.batch.Clear();
        }
    }
    return 0;
}
