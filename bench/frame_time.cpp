// Whole frames of the real start-up screens on the software renderer: boots the
// engine headless (SDL offscreen, llvmpipe), runs splash and loading over the
// generated data and prints the time of each frame's draw + update + present.
// Run from the build folder, next to data/:  cd build && ./bench/frame_time
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
#include "engine/LoadingWidget.h"
#include "engine/Render.h"
#include "gui/GUI.h"
#include "shell/Garden.h"

namespace {

struct cFigures {
    double mean = 0, p95 = 0, worst = 0;
};

cFigures Measure(int frames) {
    std::vector<double> ms;
    const double frequency = static_cast<double>(SDL_GetPerformanceFrequency());
    for (int i = 0; i < frames; ++i) {
        qor::PumpEvents();
        const uint64_t start = SDL_GetPerformanceCounter();
        qor::RunFrame(1.0f / 60.0f);
        glFinish();  // count the rasterising, not only the submission
        ms.push_back((SDL_GetPerformanceCounter() - start) * 1000.0 / frequency);
    }
    std::sort(ms.begin(), ms.end());
    cFigures f;
    for (double v : ms)
        f.mean += v;
    f.mean /= ms.size();
    f.p95 = ms[ms.size() * 95 / 100];
    f.worst = ms.back();
    return f;
}

void Print(const char* what, const cFigures& f) {
    std::printf("%-28s mean %6.2f ms   p95 %6.2f ms   worst %6.2f ms\n", what, f.mean, f.p95,
                f.worst);
}

}  // namespace

int main() {
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

        Print("splash", Measure(120));
        // A key press skips each splash step.
        while (!qor::g_loadingWidget) {
            SDL_Event e{};
            e.type = SDL_KEYDOWN;
            e.key.keysym.sym = SDLK_SPACE;
            e.key.keysym.scancode = SDL_SCANCODE_SPACE;
            qor::DispatchEvent(e);
            Measure(2);
        }
        Print("loading (loads as it goes)", Measure(180));
        while (qor::g_loadingWidget->notify)
            Measure(10);
        // The first start asks for a profile name over the main menu.
        Print("profile naming window", Measure(120));
        // Named, as after the first start.
        static_cast<cPlayer*>(garden->currentPlayer)->name = u"Anna";
        garden->CloseAllWindows();
        Measure(30);
        Print("menu room alone", Measure(120));
        garden->ShowScreenWindow(u"main", 1);
        Print("main menu", Measure(120));
        garden->ShowScreenWindow(u"options", 1);
        Print("options", Measure(120));
        garden->ShowScreenWindow(u"help", 1);
        Print("help", Measure(120));
        // The level's windows over the backdrop, without a level behind them.
        garden->ShowScreenWindow(u"start", 2);
        Print("level briefing", Measure(120));
        garden->ShowScreenWindow(u"level", 2);
        Print("level HUD", Measure(120));
        garden->ShowScreenWindow(u"finish", 2);
        Print("level results counting up", Measure(60));

        garden.reset();
        qor::DestroyGameWindow();
        game.reset();
    }
    return 0;
}
