#include "tests/SceneTestKit.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "engine/Texture.h"
#include "tools/scenec/SceneCompiler.h"
#include "world/GameObjects.h"

namespace scene_test {

qor::cSpriteInfo MakeSprite(int frames, float w, float h, float fps, bool perFrame) {
    struct cStore {
        std::vector<qor::cRectF> rects;
        std::vector<qor::cVec2> offsets, sizes;
    };
    auto store = std::make_shared<cStore>();
    for (int f = 0; f < frames; ++f) {
        store->rects.push_back({0.1f * f, 0.0f, 0.1f, 1.0f});
        store->offsets.push_back({static_cast<float>(f), 0.0f});
        store->sizes.push_back({w + f, h});
    }
    qor::cSpriteInfo sprite;
    sprite.texture = std::make_shared<qor::cTexture>(u"test");
    sprite.frames = store->rects.data();
    sprite.frameCount = frames;
    sprite.width = w;
    sprite.height = h;
    sprite.fps = fps;
    if (perFrame) {
        sprite.offsets = store->offsets.data();
        sprite.sizes = store->sizes.data();
    }
    sprite.storage = store;
    return sprite;
}

qor::cSpriteInfo cTestServices::FindSprite(const std::u16string& /*texture*/,
                                           const std::u16string& area) {
    return FindSprite(area);
}

qor::cSpriteInfo cTestServices::FindSprite(const std::u16string& area) {
    const auto it = sprites.find(area);
    return it == sprites.end() ? qor::cSpriteInfo{} : it->second;
}

int cTestMan::HitTest(qor::cVec2 point) const {
    const qor::cRectF b = GetBounds();
    return point.x >= b.x && point.x < b.x + b.w && point.y >= b.y && point.y < b.y + b.h;
}

cTestScene::cTestScene() {
    RegisterGameObjects(factory);
    widget = std::make_unique<cBaseWidget>(u"test", &factory, &services);
}

std::string ExampleSource(const std::string& name) {
    std::ifstream in(std::string(QOR_SOURCE_DIR) + "/data-src/scenes/examples/" + name,
                     std::ios::binary);
    EXPECT_TRUE(in) << name;
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::vector<uint8_t> Compile(const std::string& text, std::vector<std::string>* messages) {
    scenec::cCompiled compiled;
    std::vector<std::string> ignored;
    if (!scenec::CompileScene(text, "test.scene", compiled, messages ? *messages : ignored))
        return {};
    return compiled.bytes;
}

std::vector<uint8_t> CompileExample(const std::string& name) {
    std::vector<std::string> messages;
    const std::vector<uint8_t> bytes = Compile(ExampleSource(name), &messages);
    EXPECT_FALSE(bytes.empty()) << name << ": " << (messages.empty() ? "" : messages[0]);
    return bytes;
}

}  // namespace scene_test
