// The achievements room on the software renderer (SDL offscreen, llvmpipe) at
// 1024 x 768: one logic tick (every decor object and the particle manager)
// and one whole frame (the room drawn, presented and finished), each timed
// over 300 rounds; printed as median and worst. First the room as the game
// ships it, then with 500 animated decor objects (the room's own plus small
// swaying, bobbing, gusting, flashing, drifting and frame-flipping ones) and
// every particle pool kept full.
// Run from the build folder, next to data/:  cd build && ./bench/room_scene
#include <SDL2/SDL.h>
#include <epoxy/gl.h>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/Game.h"
#include "app/Platform.h"
#include "bench/BenchSandbox.h"
#include "engine/Atlas.h"
#include "engine/Path.h"
#include "engine/Render.h"
#include "engine/ScriptFunctions.h"
#include "engine/TextureCache.h"
#include "scene/Decor.h"
#include "scene/ObjectFactory.h"
#include "scene/ParticleManager.h"
#include "scene/Random.h"
#include "scene/SceneDraw.h"
#include "world/AchieveWidget.h"
#include "world/GameObjects.h"

namespace {

constexpr int kRounds = 300;

struct cFigures {
    double median = 0, worst = 0;
};

cFigures Summarise(std::vector<double> ms) {
    std::sort(ms.begin(), ms.end());
    return {ms[ms.size() / 2], ms.back()};
}

double Milliseconds(uint64_t from, uint64_t to) {
    return (to - from) * 1000.0 / static_cast<double>(SDL_GetPerformanceFrequency());
}

// Processor time of the whole process (the renderer's threads included), in
// ms: on a machine shared with other work the wall clock also counts the time
// others had the processor.
double CpuMilliseconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return t.tv_sec * 1000.0 + t.tv_nsec / 1e6;
}

// Ticks the room and draws a frame, alternately; `between` runs untimed
// before each tick.
void Measure(const char* what, cAchieveWidget& room, const std::function<void()>& between) {
    std::vector<double> ticks, frames, tickCpu, frameCpu;
    for (int i = 0; i < kRounds; ++i) {
        between();
        qor::PumpEvents();
        const double cpuStart = CpuMilliseconds();
        const uint64_t start = SDL_GetPerformanceCounter();
        room.Tick();
        const uint64_t ticked = SDL_GetPerformanceCounter();
        const double cpuTicked = CpuMilliseconds();
        qor::RunFrame(0.0f);  // draws and presents; no tick of its own
        glFinish();           // count the rasterising, not only the submission
        const uint64_t drawn = SDL_GetPerformanceCounter();
        ticks.push_back(Milliseconds(start, ticked));
        frames.push_back(Milliseconds(ticked, drawn));
        tickCpu.push_back(cpuTicked - cpuStart);
        frameCpu.push_back(CpuMilliseconds() - cpuTicked);
    }
    const cFigures tick = Summarise(ticks), frame = Summarise(frames);
    const cFigures tickP = Summarise(tickCpu), frameP = Summarise(frameCpu);
    std::printf(
        "%s\n"
        "  wall clock:     tick median %6.3f ms, worst %6.3f ms;  frame median %6.2f ms, "
        "worst %6.2f ms\n"
        "  processor time: tick median %6.3f ms, worst %6.3f ms;  frame median %6.2f ms, "
        "worst %6.2f ms\n",
        what, tick.median, tick.worst, frame.median, frame.worst, tickP.median, tickP.worst,
        frameP.median, frameP.worst);
}

// A small atlas of its own for the extra decor: 64-pixel sprites named as the
// room's animated kinds, a strip as wide as the texture for drifting, and a
// four-frame sprite for map decor.
void MakeSmallDecorAtlas() {
    qor::cImage image;
    image.Create(qor::kImageRGBA32, 256, 256);
    std::vector<uint8_t>& px = image.levels[0];
    for (size_t i = 0; i < px.size(); i += 4) {
        const size_t p = i / 4, x = p % 256, y = p / 256;
        const bool inside =
            ((x % 64) - 32) * ((x % 64) - 32) + ((y % 64) - 32) * ((y % 64) - 32) < 900;
        px[i] = 60;
        px[i + 1] = 170;
        px[i + 2] = 90;
        px[i + 3] = inside ? 255 : 0;
    }
    qor::AddTexture(u"bench_decor", std::move(image));
    qor::cTextureInfo* atlas = qor::CreateTextureInfo(u"bench_decor").get();
    const char16_t* still[] = {u"menu_tree_r1", u"menu_tree_l3",  u"menu_mush1",
                               u"menu_tree_l2", u"menu_lighting", u"map_tree02"};
    for (int k = 0; k < 6; ++k) {
        qor::AddNodePixels(atlas, still[k],
                           {static_cast<float>(k % 4 * 64), 64.0f * (k / 4), 64, 64}, 1, 1, 30);
    }
    qor::AddNodePixels(atlas, u"menu_clouds0", {0, 128, 256, 64}, 1, 1, 30);
    qor::AddNodePixels(atlas, u"map_decor01", {0, 192, 256, 64}, 4, 1, 8);
}

// Emitters enough to keep every pool full once they have run a while.
void FillParticlePools(cParticleManager& particles) {
    for (int i = 0; i < 60; ++i)
        particles.AddSmoke()->position = {static_cast<float>(i * 17 % 1024), 100, 0};
    for (int i = 0; i < 8; ++i)
        particles.AddFire()->position = {static_cast<float>(100 + i * 110), 80, 0};
    for (int i = 0; i < 40; ++i) {
        particles.AddFreezeSpell(30)->position = {static_cast<float>(i * 25), 600, 0};
        particles.AddGrowSpell(30)->position = {static_cast<float>(i * 25), 500, 0};
    }
    for (int i = 0; i < 8; ++i)
        particles.AddTrail()->position = {static_cast<float>(i * 120), 400, 0};
}

}  // namespace

int main() {
    const cBenchSandbox sandbox("data/level/achieve.lvx", SDL_INIT_VIDEO | SDL_INIT_EVENTS);
    if (!sandbox.Ready())
        return 1;
    {
        auto game = std::make_unique<qor::cGame>();
        if (!qor::CreateGameWindow(1) || !qor::RegisterEngineScriptFunctions())
            return 1;
        for (const char16_t* file :
             {u"texture/room/menu_room.png", u"texture/room/menu_clouds.png",
              u"texture/gui/widescreen.jpg", u"texture/effects/part00.png",
              u"texture/effects/part01.png", u"texture/effects/part05.png",
              u"texture/effects/part08.png", u"texture/effects/part09.png"}) {
            qor::LoadTexture(qor::cPath(std::u16string(u"{StaticPath}/") + file));
        }
        MakeSmallDecorAtlas();
        cRandom random(1);
        g_gameRandom = &random;
        cParticleManager particles(game->batch());
        g_particles = &particles;
        particles.LoadTextures();
        cSceneDraw draw(game->batch());
        g_sceneDraw = &draw;
        draw.LoadSprites();
        cObjectFactory factory;
        RegisterGameObjects(factory);
        auto* room = new cAchieveWidget(&factory);  // the game core owns it
        game->FocusWidget(kAchieveWidgetName);
        if (!room->LoadRoomFile())
            return 1;
        std::printf("frames of %dx%d on %s\n", qor::g_render->windowViewport().w,
                    qor::g_render->windowViewport().h, glGetString(GL_RENDERER));

        char label[64];
        std::snprintf(label, sizeof label, "room as shipped (%zu objects)", room->ObjectCount());
        Measure(label, *room, [] {});

        const char16_t* kinds[] = {u"bench_decor;menu_tree_r1",  u"bench_decor;menu_tree_l3",
                                   u"bench_decor;menu_mush1",    u"bench_decor;menu_tree_l2",
                                   u"bench_decor;menu_lighting", u"bench_decor;map_tree02",
                                   u"bench_decor;menu_clouds0",  u"bench_decor;map_decor01"};
        for (int k = static_cast<int>(room->ObjectCount()); k < 500; ++k) {
            cObject* decor = room->CreateObject(cDecor::kType);
            decor->SetKind(kinds[k % 8]);
            decor->SetPosition(static_cast<float>(k * 37 % 1024), static_cast<float>(k * 53 % 768));
            decor->SetLayer(1 + k % 9);
        }
        FillParticlePools(particles);
        for (int i = 0; i < 300; ++i)  // ten seconds for the pools to fill
            room->Tick();
        auto keepSparkling = [&] { particles.AddSparkle(1000, 300, 0xFFFFE070u, {512, 384}); };
        keepSparkling();
        room->Tick();
        std::printf("particles alive:");
        for (int g = 0; g < kParticleGroupCount; ++g) {
            std::printf(" %d/%d", particles.Group(g).LiveCount(), particles.Group(g).Capacity());
        }
        std::printf("\n");
        std::snprintf(label, sizeof label, "%zu decor objects, full particle pools",
                      room->ObjectCount());
        Measure(label, *room, keepSparkling);

        room->Clear();
        g_sceneDraw = nullptr;
        g_particles = nullptr;
        g_gameRandom = nullptr;
        qor::DestroyGameWindow();
        game.reset();
    }
    return 0;
}
