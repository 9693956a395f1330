// Whole frames of the real start-up screens on the software renderer: boots the
// engine headless (SDL offscreen, llvmpipe), runs splash and loading over the
// generated data and prints the time of each frame's draw + update + present.
// Run from the build folder, next to data/:  cd build && ./bench/frame_time [frames]
//
// "cpu" is processor time per frame over all of a screen's frames, the fades
// between windows in the first half second included; "settled" is the same
// over the frames after them.
//
// The wall clock is noisy while other work shares the machine; for figures
// that repeat, run it under callgrind with few frames: every screen's frames
// then become one dump of their own, named after the screen, whose instruction
// count is that of the rasteriser threads as well (the dumps named "settling"
// in between hold the frames before). Instruction counts leave out what
// memory costs, so they understate what fill saves.
//   valgrind --tool=callgrind ./bench/frame_time 10
//   for f in callgrind.out.*; do grep -H -e '^desc: Trigger' -e '^summary' $f; done
#include <SDL2/SDL.h>
#include <epoxy/gl.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "app/Game.h"
#include "app/Platform.h"
#include "bench/BenchSandbox.h"
#include "bench/CpuClock.h"
#include "engine/LoadingWidget.h"
#include "engine/Render.h"
#include "gui/GUI.h"
#include "shell/Garden.h"

#if __has_include(<valgrind/callgrind.h>)
#include <valgrind/callgrind.h>
#else
#define RUNNING_ON_VALGRIND 0
#define CALLGRIND_DUMP_STATS_AT(name)
#endif

namespace {

// Frames per screen; the command line may lower it (under callgrind).
int g_frames = 120;

// Frames of 1/60 s until the windows' fades (half a second) are over.
constexpr int kFadeFrames = 45;

struct cFigures {
    double mean = 0, p95 = 0, worst = 0;
    // Processor time of every thread (the rasteriser's too) per frame: steadier
    // than the wall clock while other work shares the machine. Of all frames,
    // and of those after the fades (0 when there are none).
    double cpu = 0, settledCpu = 0;
};

cFigures Measure(int frames) {
    std::vector<double> ms;
    const double frequency = static_cast<double>(SDL_GetPerformanceFrequency());
    const double cpuStart = ProcessCpuMs();
    double cpuSettled = 0;
    for (int i = 0; i < frames; ++i) {
        if (i == kFadeFrames)
            cpuSettled = ProcessCpuMs();
        qor::PumpEvents();
        const uint64_t start = SDL_GetPerformanceCounter();
        qor::RunFrame(1.0f / 60.0f);
        glFinish();  // count the rasterising, not only the submission
        ms.push_back((SDL_GetPerformanceCounter() - start) * 1000.0 / frequency);
    }
    cFigures f;
    const double cpuEnd = ProcessCpuMs();
    f.cpu = (cpuEnd - cpuStart) / frames;
    if (frames > kFadeFrames)
        f.settledCpu = (cpuEnd - cpuSettled) / (frames - kFadeFrames);
    std::sort(ms.begin(), ms.end());
    for (double v : ms)
        f.mean += v;
    f.mean /= ms.size();
    f.p95 = ms[ms.size() * 95 / 100];
    f.worst = ms.back();
    return f;
}

// What one frame asks of the rasteriser: draw calls and vertices from the
// renderer's statistics, fragments shaded and fragments written (in screens of
// 1024 x 768) from GL queries. Taken on a frame of its own because active
// queries can keep the driver off its fast paths.
struct cCensus {
    int drawCalls = 0, vertices = 0;
    double shaded = 0, written = 0;
};

cCensus TakeCensus() {
    GLuint queries[2] = {};
    glGenQueries(2, queries);
    const bool statistics = epoxy_has_gl_extension("GL_ARB_pipeline_statistics_query");
    glBeginQuery(GL_SAMPLES_PASSED, queries[0]);
    if (statistics)
        glBeginQuery(GL_FRAGMENT_SHADER_INVOCATIONS_ARB, queries[1]);
    qor::RunFrame(1.0f / 60.0f);
    glEndQuery(GL_SAMPLES_PASSED);
    if (statistics)
        glEndQuery(GL_FRAGMENT_SHADER_INVOCATIONS_ARB);
    GLuint64 written = 0, shaded = 0;
    glGetQueryObjectui64v(queries[0], GL_QUERY_RESULT, &written);
    if (statistics)
        glGetQueryObjectui64v(queries[1], GL_QUERY_RESULT, &shaded);
    glDeleteQueries(2, queries);
    const double screen = 1024.0 * 768.0;
    const qor::cFrameStats& stats = qor::g_render->lastFrameStats();
    return {stats.drawCalls, stats.vertices, shaded / screen, written / screen};
}

// Measures the screen now shown and prints its figures.
void Report(const char* what, int frames) {
    // Under callgrind only the settled screen counts: the first frames, where
    // the driver compiles its shaders for new states and windows still fade
    // in (half a second), would outweigh the rest.
    // Zeroing the counts would reach only this thread, not the rasteriser's:
    // the frames before go into a dump of their own instead.
    if (RUNNING_ON_VALGRIND)
        Measure(40);
    CALLGRIND_DUMP_STATS_AT("settling");
    const cFigures f = Measure(std::min(frames, g_frames));
    CALLGRIND_DUMP_STATS_AT(what);
    const cCensus c = TakeCensus();
    std::printf(
        "%-28s mean %6.2f ms  p95 %6.2f ms  worst %6.2f ms  cpu %6.2f ms  settled %6.2f ms | "
        "%3d draws %5d vertices  %4.2f screens shaded %4.2f written\n",
        what, f.mean, f.p95, f.worst, f.cpu, f.settledCpu, c.drawCalls, c.vertices, c.shaded,
        c.written);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1)
        g_frames = std::max(1, std::atoi(argv[1]));
    const cBenchSandbox sandbox("data/conf/splash.lua", SDL_INIT_VIDEO | SDL_INIT_EVENTS);
    if (!sandbox.Ready())
        return 1;
    {
        auto game = std::make_unique<qor::cGame>();
        if (!qor::CreateGameWindow(1))
            return 1;
        auto garden = std::make_unique<cGarden>();
        garden->Init();
        std::printf("frames of %dx%d on %s\n", game->gui()->screenWidth, game->gui()->screenHeight,
                    glGetString(GL_RENDERER));

        Report("splash", 120);
        // A key press skips each splash step.
        while (!qor::g_loadingWidget) {
            SDL_Event e{};
            e.type = SDL_KEYDOWN;
            e.key.keysym.sym = SDLK_SPACE;
            e.key.keysym.scancode = SDL_SCANCODE_SPACE;
            qor::DispatchEvent(e);
            Measure(2);
        }
        Report("loading (loads as it goes)", 180);
        while (qor::g_loadingWidget->notify)
            Measure(10);
        // The first start asks for a profile name over the main menu.
        Report("profile naming window", 120);
        // Named, as after the first start.
        static_cast<cPlayer*>(garden->currentPlayer)->name = u"Anna";
        garden->CloseAllWindows();
        Measure(30);
        Report("menu room alone", 120);
        garden->ShowScreenWindow(u"main", 1);
        Report("main menu", 120);
        garden->ShowScreenWindow(u"options", 1);
        Report("options", 120);
        garden->ShowScreenWindow(u"help", 1);
        Report("help", 120);
        // The level's windows over the backdrop, without a level behind them.
        garden->ShowScreenWindow(u"start", 2);
        Report("level briefing", 120);
        garden->ShowScreenWindow(u"level", 2);
        Report("level HUD", 120);
        garden->ShowScreenWindow(u"finish", 2);
        Report("level results counting up", 60);

        garden.reset();
        qor::DestroyGameWindow();
        game.reset();
    }
    return 0;
}
