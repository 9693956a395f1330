#include "app/GameProcess.h"

#include <SDL2/SDL.h>

#include <cstdio>

#include "app/Game.h"
#include "app/GameObject.h"
#include "app/Platform.h"
#include "app/SingleInstance.h"
#include "engine/Render.h"
#include "engine/Script.h"
#include "gui/GUI.h"

namespace qor {

namespace {
constexpr uint64_t kFpsSampleMs = 500;
}  // namespace

cGameProcess::cGameProcess() = default;

cGameProcess::~cGameProcess() {
    Stop();
}

int cGameProcess::Start() {
    g_windowTitle = u"Brindlemoor";
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) {
        std::fprintf(stderr, "Brindlemoor: cannot start the video system: %s\n", SDL_GetError());
        return 2;
    }
    m_video = true;
    g_perfFrequency = static_cast<int64_t>(SDL_GetPerformanceFrequency());
    InitSystemPaths();

    m_game = std::make_unique<cGame>();
    g_fullScreen = 1;
    bool windowed = false;
    if (GetRunWindowedGlobal(&windowed) && windowed)
        g_fullScreen = 0;
    if (!CreateGameWindow(g_fullScreen)) {
        Stop();
        return 3;
    }
    m_game->gui()->pointerVisible = false;
    m_application = StartGameApplication();
    if (!m_application) {
        Stop();
        return 4;
    }

    m_fpsTimer = SDL_GetTicks64();
    ResetFrameClock();
    return 0;
}

bool cGameProcess::Iterate() {
    if (!m_game || !PumpEvents())
        return false;
    const float seconds = SampleElapsedSeconds();
    // The frame-rate sample, every half second, on this thread.
    if (const uint64_t now = SDL_GetTicks64(); now - m_fpsTimer >= kFpsSampleMs) {
        m_fpsTimer = now;
        SampleFrameRate();
    }
    if (g_inactive && !m_game->runWhileInactive) {
        SDL_WaitEvent(nullptr);
        ResetFrameClock();  // the wait is never seen as a frame time
        return true;
    }
    const bool vsync = g_render && g_render->HasVsync();
    m_pacer.SetFullSpeed(m_game->fullSpeed, vsync);
    const bool draw = m_pacer.DrawDue(SDL_GetPerformanceCounter());
    const uint64_t drawing = RunFrame(seconds, draw);
    if (draw)
        m_pacer.Drawn(SDL_GetPerformanceCounter(), drawing, SDL_GetPerformanceFrequency());
    m_pacer.Wait(vsync, g_window);
    return true;
}

void cGameProcess::Stop() {
    m_application.reset();
    if (m_game)
        DestroyGameWindow();
    m_game.reset();
    if (m_video)
        SDL_Quit();
    m_video = false;
}

int RunGame() {
    cSingleInstanceLock lock;
    if (!lock.Acquire())
        return 0;  // another copy runs: leave without a window
    cGameProcess process;
    if (const int code = process.Start(); code != 0)
        return code;
    while (process.Iterate()) {
    }
    process.Stop();
    return 0;
}

}  // namespace qor
