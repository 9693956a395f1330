// What a scene costs per 1/30 s step with a busy level's worth of objects:
// ticking every object, picking the object under the pointer, drawing every
// layer into the sprite batch (vertices only, no GPU), removing the dead and
// re-creating a few, all headless.
//
//   cmake --build build --target scene_layers && build/bench/scene_layers
#include <benchmark/benchmark.h>

#include <memory>

#include "engine/Texture.h"
#include "scene/BaseWidget.h"
#include "scene/ObjectFactory.h"
#include "scene/SceneServices.h"
#include "world/GameObjects.h"

namespace {

class cBenchServices : public cSceneServices {
  public:
    cBenchServices() {
        frames.assign(8, qor::cRectF{0, 0, 0.125f, 1});
        sprite.texture = std::make_shared<qor::cTexture>(u"bench");
        sprite.frames = frames.data();
        sprite.frameCount = 8;
        sprite.width = 48;
        sprite.height = 64;
        sprite.fps = 12;
    }
    qor::cSpriteBatch* Batch() override { return &batch; }
    qor::cSpriteInfo FindSprite(const std::u16string&) override { return sprite; }
    qor::cSpriteBatch batch;
    std::vector<qor::cRectF> frames;
    qor::cSpriteInfo sprite;
};

// `count` objects of the level's classes spread over the screen and layers,
// each playing an animation.
struct cBenchScene {
    explicit cBenchScene(int count) {
        RegisterGameObjects(factory);
        scene = std::make_unique<cBaseWidget>(u"bench", &factory, &services);
        const uint32_t types[] = {scene_type::kTree,   scene_type::kWorker, scene_type::kDecor,
                                  scene_type::kField,  scene_type::kBuild,  scene_type::kNode,
                                  scene_type::kNugget, scene_type::kBarrier};
        for (int k = 0; k < count; ++k) {
            cObject* object = scene->CreateObject(types[k % 8]);
            object->SetLayer(2 + k % 8);
            object->SetPosition(static_cast<float>(k * 37 % 1024),
                                static_cast<float>(k * 53 % 768));
            object->AddAnimation(u"life", u"any");
            object->PlayAnimation(u"life", qor::kAnimLoop, true);
        }
    }
    cObjectFactory factory;
    cBenchServices services;
    std::unique_ptr<cBaseWidget> scene;
};

void SceneStep(benchmark::State& state) {
    cBenchScene bench(static_cast<int>(state.range(0)));
    cBaseWidget& scene = *bench.scene;
    for (auto _ : state) {
        scene.TickObjects();
        benchmark::DoNotOptimize(scene.PickObject({500.0f, 400.0f}));
        scene.RemoveDeadObjects();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(SceneStep)->Arg(100)->Arg(400)->Arg(1000)->Unit(benchmark::kMicrosecond);

void SceneDraw(benchmark::State& state) {
    cBenchScene bench(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        bench.scene->DrawLayers(0, 9);
        bench.services.batch.Clear();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(SceneDraw)->Arg(100)->Arg(400)->Arg(1000)->Unit(benchmark::kMicrosecond);

// Layer changes, removals and new objects, as spawning and dying enemies make.
void SceneChurn(benchmark::State& state) {
    cBenchScene bench(400);
    cBaseWidget& scene = *bench.scene;
    int k = 0;
    for (auto _ : state) {
        const cObjectList& layer = scene.Layer(2 + k % 8);
        cObject* first = layer.front().get();
        scene.MoveToTop(first);
        first->SetLayer(2 + (k + 3) % 8);
        scene.CreateObject(scene_type::kEnemyGold)->SetLayer(6);
        scene.Layer(6).front()->state = kStateGone;
        scene.RemoveDeadObjects();
        ++k;
    }
}
BENCHMARK(SceneChurn)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
