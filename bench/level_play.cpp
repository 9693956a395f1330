// The test levels at full stretch: the sources' level with 60 workers busy on
// every source (goods keep appearing on the ground so that nobody stands idle
// long), and the enemies' level with 40 workers among 20 enemies, the hero
// sent after them and to the prison. Prints for each the logic tick (median,
// 99th percentile, worst), how many times faster than real time the level
// runs without drawing, and the frame time at 1024 x 768 on the software
// renderer (SDL offscreen, llvmpipe); and one path request on the 32 x 24
// grid. Run from the build folder, next to data/:
//   cmake --build build --target level_play && cd build && ./bench/level_play
// The level of buildings plays third: besides the sources, every site,
// upgrade and monument is asked for again and again, the plants take
// deliveries, goblins stand by the towers to be stoned, the enemies' tower
// throws at workers, and the spells run in turn. One level alone:
//   ./bench/level_play buildings
#include <SDL2/SDL.h>
#include <epoxy/gl.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "app/Game.h"
#include "app/Platform.h"
#include "app/Widget.h"
#include "bench/BenchSandbox.h"
#include "bench/CpuClock.h"
#include "engine/BitStream.h"
#include "engine/Font.h"
#include "engine/Path.h"
#include "engine/Render.h"
#include "engine/ScriptFunctions.h"
#include "engine/TextureCache.h"
#include "level/units/Enemy.h"
#include "level/units/Hero.h"
#include "level/LevelWidget.h"
#include "level/spells/SpellNumbers.h"
#include "level/units/Worker.h"
#include "scene/ObjectFactory.h"
#include "scene/ParticleManager.h"
#include "scene/SceneDraw.h"
#include "world/GameObjects.h"

namespace {

constexpr int kGoodsOnTheGround = 30;
constexpr int kTicks = 30 * 120;  // two minutes of play

// A level to play: its file, how many workers and how many roaming enemies.
struct cScenario {
    const char* name;
    const char* file;
    int workers;
    int enemies;
};
constexpr cScenario kSourcesLevel{"sources", "data/testlevel/sources.lvl", 60, 0};
constexpr cScenario kEnemiesLevel{"enemies", "data/testlevel/enemies.lvl", 40, 20};
constexpr cScenario kBuildingsLevel{"buildings", "data/testlevel/buildings.lvl", 60, 0};

double Now() {
    return static_cast<double>(SDL_GetPerformanceCounter()) /
           static_cast<double>(SDL_GetPerformanceFrequency());
}

struct cFigures {
    double median = 0, p99 = 0, worst = 0, mean = 0;
};

cFigures Summarise(std::vector<double> ms) {
    std::sort(ms.begin(), ms.end());
    cFigures f;
    for (double v : ms)
        f.mean += v;
    f.mean /= static_cast<double>(ms.size());
    f.median = ms[ms.size() / 2];
    f.p99 = ms[ms.size() * 99 / 100];
    f.worst = ms.back();
    return f;
}

std::vector<uint8_t> ReadFile(const char* path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A test level with more workers by the house, every resource in good
// supply and, on the enemies' level, its bases sending enemies out as fast as
// the limit lets them.
class cBusyLevel {
  public:
    explicit cBusyLevel(const cScenario& scenario) : scenario(scenario) {
        RegisterGameObjects(m_factory);
        host.random.seed = 2024;
        // The widget belongs to the engine core, like every widget.
        level = new cLevelWidget(&m_factory, nullptr, &host);
    }

    bool Load() {
        const std::vector<uint8_t> bytes = ReadFile(scenario.file);
        if (bytes.empty())
            return false;
        qor::cBitStream stream;
        stream.Load(bytes.data(), bytes.size());
        level->LoadLevel(stream);
        level->OnEvent(qor::kWidgetKeyDown, ' ');
        host.resources = {100000, 100000, 100000, 100000};
        // More workers on the open ground nearest to the house.
        std::vector<cCell> cells = level->wanderCells;
        const cCell home = level->base ? level->base->GetCell() : cCell{16, 11};
        std::stable_sort(cells.begin(), cells.end(), [home](cCell a, cCell b) {
            return std::abs(a.i - home.i) + std::abs(a.j - home.j) <
                   std::abs(b.i - home.i) + std::abs(b.j - home.j);
        });
        std::vector<cObject*> workers;
        level->CollectObjects(workers, scene_type::kWorker, -1);
        for (size_t k = 0;
             static_cast<int>(workers.size() + k) < scenario.workers && k < cells.size(); ++k)
            level->SpawnWorker(CellCentre(cells[k]));
        if (scenario.enemies > 0)
            level->enemySettings = {1.0f, 1.0f, scenario.enemies, 45.0f};
        if (&scenario == &kBuildingsLevel)
            ArmBuildings();
        return true;
    }

    // Every building may rise two levels, every altar has its spell, and
    // goblins stand within reach of each tower.
    void ArmBuildings() {
        level->SetMaxLevel(u"all", 2);
        for (int32_t spell = kSpellFieldFast; spell <= kSpellShield; ++spell)
            level->AddSpell(spell);
        std::vector<cObject*> towers;
        level->CollectObjects(towers, scene_type::kTower, -1);
        for (cObject* tower : towers) {
            for (const float dx : {-90.0f, 110.0f}) {
                if (cObject* goblin = level->CreateObject(scene_type::kEnemyGold)) {
                    goblin->SetKind(u"enemy_gold");
                    goblin->SetPosition(tower->x + dx, tower->y - 40.0f);
                }
            }
        }
    }

    // Once a second: goods for those without work, and every source asked
    // for; every four seconds the hero after an enemy, and to the prison
    // whenever somebody is locked in.
    void KeepBusy(int tick) {
        if (tick % 30 != 0)
            return;
        std::vector<cObject*> goods;
        level->CollectObjects(goods, scene_type::kItem, -1);
        static const char16_t* const kinds[] = {u"wood", u"food", u"money", u"mana"};
        cRandom& random = host.Random();
        for (size_t n = goods.size(); n < kGoodsOnTheGround; ++n) {
            const cCell c = level->wanderCells[random.Next() % level->wanderCells.size()];
            if (level->Cells().IsFree(c))
                level->SpawnItem(kinds[random.Next() % 4], CellCentre(c));
        }
        std::vector<cObject*> sources;
        level->CollectObjects(sources,
                              scene_type::kTree | scene_type::kField | scene_type::kNugget |
                                  scene_type::kWell | scene_type::kItem | scene_type::kBuildings,
                              -1);
        for (cObject* source : sources) {
            if (!source->name.starts_with(u"islet") && source->jobMarkers == 0 &&
                !HasWorkerAssigned(source))
                level->RequestWork(source);
        }
        // A spell every ten seconds, round the ones offered.
        if (tick % 300 == 0 && !level->spells.empty())
            level->CastSpell(
                level->spells[static_cast<size_t>(tick / 300) % level->spells.size()].spell);
        SendTheHero(tick);
    }

    void SendTheHero(int tick) {
        auto* hero = static_cast<cMan*>(level->hero);
        if (!hero || tick % 120 != 0)
            return;
        if (level->prison && level->CountPrisoners() > 0) {
            level->SendWorker(hero, level->prison, true);
            return;
        }
        std::vector<cObject*> enemies;
        level->CollectObjects(enemies, scene_type::kRoamingEnemies, 6);
        if (!enemies.empty())
            level->SendWorker(hero, enemies[static_cast<size_t>(tick / 120) % enemies.size()],
                              true);
    }

    int Busy() const {
        int busy = 0;
        std::vector<cObject*> workers;
        level->CollectObjects(workers, scene_type::kWorker, -1);
        for (cObject* w : workers)
            busy += static_cast<cWorker*>(w)->IsIdle() ? 0 : 1;
        return busy;
    }

    const cScenario& scenario;
    cLevelHost host;
    cLevelWidget* level;

  private:
    cObjectFactory m_factory;
};

void MeasureTicks(cBusyLevel& busy) {
    std::vector<double> ms;
    ms.reserve(kTicks);
    double busySum = 0, enemySum = 0;
    const double start = Now();
    for (int tick = 0; tick < kTicks; ++tick) {
        busy.KeepBusy(tick);
        const double t0 = Now();
        busy.level->Tick();
        busy.level->Update(kTickSeconds);
        ms.push_back((Now() - t0) * 1000.0);
        busySum += busy.Busy();
        enemySum += CountRoamingEnemies(*busy.level);
    }
    const double wall = Now() - start;
    const cFigures f = Summarise(ms);
    std::printf(
        "%s level, logic tick, %d workers (%.0f busy on average), %.1f enemies on "
        "average, over %d s of play:\n",
        busy.scenario.name, busy.scenario.workers, busySum / kTicks, enemySum / kTicks,
        kTicks / 30);
    std::printf("  median %.3f ms   p99 %.3f ms   worst %.3f ms   mean %.3f ms\n", f.median, f.p99,
                f.worst, f.mean);
    std::printf("  headless: %.0f x real time (%.1f s of play in %.3f s, clicks included)\n",
                (kTicks / 30.0) / wall, kTicks / 30.0, wall);
}

void MeasurePaths(cBusyLevel& busy) {
    cLevelWidget& level = *busy.level;
    // Walkers on open ground; those inside the house have no way out of it.
    std::vector<cObject*> all, workers;
    level.CollectObjects(all, scene_type::kWorker, -1);
    for (cObject* w : all) {
        if (level.Cells().IsFree(w->GetCell()))
            workers.push_back(w);
    }
    cObject* well = level.FindObjectByName(u"well");
    cObject* nugget = level.FindObjectByName(u"nugget");
    if (workers.empty() || !well || !nugget)
        return;
    cWalkPath way;
    for (bool smooth : {false, true}) {
        constexpr int kRequests = 20000;
        const double t0 = Now();
        int found = 0;
        for (int k = 0; k < kRequests; ++k) {
            cObject* to = k % 2 ? well : nugget;
            found += level.FindPath(way, workers[k % workers.size()], to, {}, smooth) ? 1 : 0;
        }
        const double us = (Now() - t0) * 1e6 / kRequests;
        std::printf("path request, worker to well or nugget%s: %.2f us (%d of %d found)\n",
                    smooth ? ", straightened" : "", us, found, kRequests);
    }
}

void MeasureFrames(cBusyLevel& busy) {
    std::vector<double> ms, cpu, calls;
    for (int frame = 0; frame < 300; ++frame) {
        busy.KeepBusy(frame);
        busy.level->Tick();
        const double t0 = Now();
        const double cpu0 = ProcessCpuMs();
        qor::g_render->ResetFrameStats();
        if (qor::g_render->Begin()) {
            busy.level->Draw();
            qor::g_render->End();
        }
        glFinish();  // count the rasterising, not only the submission
        ms.push_back((Now() - t0) * 1000.0);
        cpu.push_back(ProcessCpuMs() - cpu0);
        calls.push_back(qor::g_render->frameStats().drawCalls);
        qor::g_render->SwapBuffers();
    }
    const cFigures f = Summarise(ms), p = Summarise(cpu);
    std::printf("%s level, frame at 1024x768 on %s:\n", busy.scenario.name,
                glGetString(GL_RENDERER));
    std::printf("  wall clock:     median %.2f ms   p99 %.2f ms   worst %.2f ms\n", f.median, f.p99,
                f.worst);
    std::printf("  processor time: median %.2f ms   p99 %.2f ms   worst %.2f ms   draw calls %.0f\n",
                p.median, p.p99, p.worst, Summarise(calls).median);
}

}  // namespace

int main(int argc, char** argv) {
    const std::string only = argc > 1 ? argv[1] : "";
    const cBenchSandbox sandbox("data/testlevel/sources.lvl", SDL_INIT_VIDEO | SDL_INIT_EVENTS);
    if (!sandbox.Ready())
        return 1;
    {
        auto game = std::make_unique<qor::cGame>();
        if (!qor::CreateGameWindow(1) || !qor::RegisterEngineScriptFunctions())
            return 1;
        for (const char16_t* file :
             {u"texture/level/figures_worker.png", u"texture/level/figures_folk.png",
              u"texture/level/sources.png", u"texture/level/prison.png",
              u"texture/structures/structures0.png", u"texture/structures/structures1.png",
              u"texture/structures/structures2.png", u"texture/structures/structures3.png",
              u"texture/effects/shadow.png", u"texture/effects/highlight.png",
              u"texture/effects/explosion.png", u"texture/effects/base.png",
              u"texture/gui/gui00.png", u"font/en/TimesNewRomanItalic22.png"})
            qor::LoadTexture(qor::cPath(std::u16string(u"{StaticPath}/") + file));
        cSceneDraw draw(game->batch());
        draw.LoadSprites();
        g_sceneDraw = &draw;
        cParticleManager particles(game->batch());
        particles.LoadTextures();
        g_particles = &particles;

        for (const cScenario* scenario : {&kSourcesLevel, &kEnemiesLevel, &kBuildingsLevel}) {
            if (!only.empty() && only != scenario->name)
                continue;
            cBusyLevel busy(*scenario);
            if (!busy.Load())
                return 1;
            MeasureTicks(busy);
            if (scenario == &kSourcesLevel)
                MeasurePaths(busy);
            MeasureFrames(busy);
            busy.level->Clear();
        }

        g_particles = nullptr;
        g_sceneDraw = nullptr;
        qor::DestroyGameWindow();
        game.reset();
    }
    return 0;
}
