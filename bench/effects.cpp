// Particle effects with every pool full, on the software renderer: the time of
// one logic tick of the particle manager and of one frame that draws both
// particle passes into a 1024 x 768 window (with a read-back, so the
// rasterising counts). Prints median, 95th percentile and worst.
//
//   cmake --build build --target effects && cd build && ./bench/effects [frames]
#include <SDL.h>
#include <epoxy/gl.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "app/Game.h"
#include "app/Platform.h"
#include "bench/BenchSandbox.h"
#include "bench/CpuClock.h"
#include "engine/Render.h"
#include "engine/ScriptFunctions.h"
#include "engine/SpriteBatch.h"
#include "engine/TextureCache.h"
#include "scene/ParticleManager.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kWidth = 1024, kHeight = 768;
constexpr float kTick = 1.0f / 30.0f;
constexpr const char* kGroupNames[] = {"smoke", "fire", "freeze", "grow", "sparkle"};

struct cFigures {
    double median = 0, p95 = 0, worst = 0;
    double cpu = 0;  // processor time per frame, every thread
};

cFigures Summarise(std::vector<double> ms, double cpuMs) {
    const double count = static_cast<double>(ms.size());
    std::sort(ms.begin(), ms.end());
    return {ms[ms.size() / 2], ms[ms.size() * 95 / 100], ms.back(), cpuMs / count};
}

void Print(const char* what, const cFigures& f) {
    std::printf("%-34s median %7.3f ms  p95 %7.3f ms  worst %7.3f ms  cpu %7.3f ms\n", what,
                f.median, f.p95, f.worst, f.cpu);
}

double Ms(Clock::time_point from) {
    return std::chrono::duration<double, std::milli>(Clock::now() - from).count();
}

// Eight emitters of each kind spread over the screen, each placing particles a
// little faster than its share of the pool frees them, so every pool stays full.
void FillEveryPool(cParticleManager& p) {
    struct cKind {
        int group;
        cEmitter* (*add)(cParticleManager&);
    };
    const cKind kinds[] = {
        {kGroupSmoke, [](cParticleManager& m) { return m.AddSmoke(); }},
        {kGroupFire, [](cParticleManager& m) { return m.AddFire(); }},
        {kGroupFreeze, [](cParticleManager& m) { return m.AddFreezeSpell(40); }},
        {kGroupGrow, [](cParticleManager& m) { return m.AddGrowSpell(40); }},
        {kGroupSparkle, [](cParticleManager& m) { return m.AddTrail(); }},
    };
    constexpr int kPerKind = 8;
    for (const cKind& k : kinds) {
        const int capacity = p.Group(k.group).Capacity();
        for (int i = 0; i < kPerKind; ++i) {
            cEmitter* e = k.add(p);
            e->position = {80.0f + 120.0f * i, 150.0f + 110.0f * k.group, 0};
            const float life = (e->lifeMin + e->lifeMax) * 0.5f;
            e->interval = life * kPerKind / (static_cast<float>(capacity) * 1.25f);
        }
    }
}

// Draws both particle passes into a cleared frame and waits for the pixels.
void DrawFrame(cParticleManager& particles) {
    qor::g_render->Begin();
    qor::g_render->SetClearColor(0.49f, 0.75f, 0.29f, 1);
    qor::g_render->Clear();
    qor::g_render->Begin2D(kWidth, kHeight, true);
    qor::g_render->SetBlend(qor::kBlendAlpha, 0.0f);
    particles.Draw(2);
    particles.Draw(4);
    qor::g_render->End2D();
    qor::g_render->End();
    uint8_t pixel[4];
    glReadPixels(0, 0, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, pixel);
}

// Per tick, before the update (a level's own comings and goings).
using cScript = void (*)(cParticleManager&, int tick);

void Measure(const char* scene, cParticleManager& particles, int frames, bool perGroup,
             cScript script = nullptr) {
    int tick = 0;
    auto step = [&] {
        if (script)
            script(particles, tick);
        ++tick;
        particles.Update(kTick);
    };
    for (int i = 0; i < 360; ++i)  // twelve seconds: the longest lives run out once
        step();
    std::printf("\n%s:", scene);
    for (int g = 0; g < kParticleGroupCount; ++g) {
        const cParticleGroup& group = particles.Group(g);
        std::printf("  %s %d/%d", kGroupNames[g], group.LiveCount(), group.Capacity());
    }
    std::printf("\n");
    std::vector<double> ticks, draws;
    double tickCpu = 0, drawCpu = 0;
    for (int i = 0; i < frames; ++i) {
        auto start = Clock::now();
        double cpu = ProcessCpuMs();
        step();
        ticks.push_back(Ms(start));
        tickCpu += ProcessCpuMs() - cpu;
        start = Clock::now();
        cpu = ProcessCpuMs();
        DrawFrame(particles);
        draws.push_back(Ms(start));
        drawCpu += ProcessCpuMs() - cpu;
    }
    Print("tick (update every group)", Summarise(ticks, tickCpu));
    Print("frame (draw passes 2 and 4)", Summarise(draws, drawCpu));
    if (!perGroup)
        return;
    // Where the frame goes: each group drawn alone (the fill of big soft quads
    // is what a software renderer pays for).
    for (int g = 0; g < kParticleGroupCount; ++g) {
        std::vector<double> alone;
        double cpu = 0;
        for (int i = 0; i < std::max(10, frames / 5); ++i) {
            qor::g_render->Begin();
            qor::g_render->Clear();
            qor::g_render->Begin2D(kWidth, kHeight, true);
            glFinish();
            const auto start = Clock::now();
            const double cpuStart = ProcessCpuMs();
            particles.Group(g).Draw();
            glFinish();
            alone.push_back(Ms(start));
            cpu += ProcessCpuMs() - cpuStart;
            qor::g_render->End2D();
            qor::g_render->End();
        }
        const std::string what = std::string("  ") + kGroupNames[g] + " alone";
        Print(what.c_str(), Summarise(alone, cpu));
    }
}

// What a lively level shows: chimneys and a lighthouse fire, dust over two
// building sites, a freeze and a grow spell, glitter on five workers, two
// flying icons and a sparkle burst every second.
void BusyLevel(cParticleManager& p, int tick) {
    if (tick == 0) {
        for (int i = 0; i < 4; ++i)
            p.AddSmoke()->position = {150.0f + 200.0f * i, 420, 0};
        p.AddFire()->position = {900, 300, 0};
        p.AddFire()->position = {120, 520, 0};
        for (int i = 0; i < 2; ++i)
            p.AddDust(60)->position = {300.0f + 300.0f * i, 250, 0};
        p.AddFreezeSpell(60)->position = {500, 600, 0};
        p.AddGrowSpell(60)->position = {700, 580, 0};
        for (int i = 0; i < 5; ++i)
            p.AddWorkerSpell(15)->position = {200.0f + 140.0f * i, 300, 0};
        for (int i = 0; i < 2; ++i)
            p.AddTrail()->position = {400.0f + 200.0f * i, 700, 0};
    }
    if (tick % 30 == 0)
        p.AddSparkle(50, 15, 0xFFFFE070u, {512, 384});
}

}  // namespace

int main(int argc, char** argv) {
    const int frames = argc > 1 ? std::max(10, std::atoi(argv[1])) : 300;
    const cBenchSandbox sandbox("data/texture/effects", SDL_INIT_VIDEO);
    if (!sandbox.Ready())
        return 1;
    int status = 0;
    {
        auto game = std::make_unique<qor::cGame>();
        qor::cRender::PrepareWindowAttributes();
        SDL_Window* window =
            SDL_CreateWindow("bench", 0, 0, kWidth, kHeight, SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN);
        if (!window || !qor::g_render->CreateDevice(window)) {
            std::fprintf(stderr, "no OpenGL 3.3 window\n");
            return 1;
        }
        qor::g_render->SetWindowViewport(0, 0, kWidth, kHeight);
        for (const char* name : {"part00", "part01", "part05", "part08", "part09"}) {
            const std::u16string file =
                u"{StaticPath}/texture/effects/" + std::u16string(name, name + 6) + u".png";
            if (qor::LoadTexture(qor::cPath(file)) != 0) {
                std::fprintf(stderr, "missing %s: its group draws untextured\n", name);
                status = 1;
            }
        }
        auto batch = std::make_unique<qor::cSpriteBatch>();
        std::printf("%d x %d on %s\n", kWidth, kHeight, glGetString(GL_RENDERER));
        {
            cParticleManager particles(batch.get());
            particles.LoadTextures();
            FillEveryPool(particles);
            Measure("every pool full", particles, frames, true);
        }
        {
            cParticleManager particles(batch.get());
            particles.LoadTextures();
            Measure("a busy level", particles, frames, false, BusyLevel);
        }
        batch.reset();
        qor::ClearTextureCache();
        qor::g_render->ReleaseDevice();
        SDL_DestroyWindow(window);
    }
    return status;
}
