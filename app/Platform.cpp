#include "app/Platform.h"

#include <SDL2/SDL.h>

#include "app/Game.h"
#include "app/WindowIcon.h"
#include "engine/Log.h"
#include "engine/Render.h"
#include "engine/SoundManager.h"
#include "engine/StringTable.h"
#include "engine/Strings.h"
#include "engine/TextureCache.h"

namespace qor {

SDL_Window* g_window = nullptr;
std::u16string g_windowTitle = u"Brindlemoor";
int g_fullScreen = 1;
int g_inactive = 0;
int g_deviceCheck = 0;
int g_forceReset = 0;
int64_t g_perfFrequency = 1;
int64_t g_lastCounter = 0;

namespace {

// Our windowed frame is the window manager's: assume a title bar of this
// height when shrinking the window to the usable area.
constexpr int kAssumedTitleBar = 32;
constexpr int kAssumedFrame = 0;

}  // namespace

void ResizeToDrawable() {
    if (!g_window || !g_game)
        return;
    int w = 0, h = 0;
    SDL_GL_GetDrawableSize(g_window, &w, &h);
    if (w > 0 && h > 0)
        g_game->OnResize(w, h);
}

uint64_t RunFrame(float seconds, bool draw) {
    if (!g_game)
        return 0;
    SyncSystemPointer();
    uint64_t drawing = SDL_GetPerformanceCounter();
    const bool begun = draw && g_render && g_render->Begin();
    if (begun) {
        g_game->DrawFrame();
        g_render->End();
    }
    drawing = SDL_GetPerformanceCounter() - drawing;
    // Updates run even when the frame could not be drawn.
    g_game->UpdateFrame(seconds);
    // Sound slides step with the game's clock, so they hold while output is paused.
    if (g_soundManager)
        g_soundManager->Update(seconds);
    if (begun) {
        const uint64_t presenting = SDL_GetPerformanceCounter();
        g_render->SwapBuffers();
        drawing += SDL_GetPerformanceCounter() - presenting;
    }
    return begun ? drawing : 0;
}

void SampleFrameRate() {
    if (!g_game)
        return;
    g_game->fps = g_game->frameCounter * 2;
    g_game->frameCounter = 0;
}

float SampleElapsedSeconds() {
    const int64_t counter = static_cast<int64_t>(SDL_GetPerformanceCounter());
    const int64_t delta = counter - g_lastCounter;
    g_lastCounter = counter;
    return static_cast<float>(static_cast<double>(delta) / static_cast<double>(g_perfFrequency));
}

void ResetFrameClock() {
    g_lastCounter = static_cast<int64_t>(SDL_GetPerformanceCounter());
}

cClientSize FitWindowedClient(int workWidth, int workHeight, int frameX, int frameTop,
                              int frameBottom) {
    cClientSize client{1024, 768};
    const int windowWidth = client.width + 2 * frameX;
    const int windowHeight = client.height + frameTop + frameBottom;
    if (windowWidth <= workWidth && windowHeight <= workHeight)
        return client;
    const int horizontalExcess = windowWidth - workWidth;
    const int verticalExcess = windowHeight - workHeight;
    if (verticalExcess < horizontalExcess) {
        client.width = workWidth - 2 * frameX;
        client.height = static_cast<int>(static_cast<float>(client.width) / 1.3333334f);
    } else {
        client.height = workHeight - frameTop - frameBottom;
        client.width = static_cast<int>(static_cast<float>(client.height) * 1.3333334f);
    }
    if (client.width < 1)
        client.width = 1;
    if (client.height < 1)
        client.height = 1;
    return client;
}

int CreateGameWindow(int fullScreen) {
    g_fullScreen = fullScreen;
    LogEntry(kLogText, u"cGame", u"CreateWindow Started...");

    uint32_t flags = SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN;
    int width = 1024, height = 768;
    int x = SDL_WINDOWPOS_CENTERED, y = SDL_WINDOWPOS_CENTERED;
    if (fullScreen) {
        flags |= SDL_WINDOW_FULLSCREEN_DESKTOP;
        SDL_DisplayMode mode;
        if (SDL_GetDesktopDisplayMode(0, &mode) == 0)
            width = mode.w, height = mode.h;
        x = y = 0;
    } else {
        SDL_Rect work;
        if (SDL_GetDisplayUsableBounds(0, &work) == 0) {
            const cClientSize client =
                FitWindowedClient(work.w, work.h, kAssumedFrame, kAssumedTitleBar, kAssumedFrame);
            width = client.width;
            height = client.height;
        }
    }
    cRender::PrepareWindowAttributes();
    g_window = SDL_CreateWindow(ToUtf8(g_windowTitle).c_str(), x, y, width, height, flags);
    if (!g_window) {
        LogEntry(kLogError, u"cGame", u"CreateWindowEx failed!");
        LogEntry(kLogError, u"cGame", u"%s", FromUtf8(SDL_GetError()));
        return 0;
    }
    LogEntry(kLogText, u"cGame", u"CreateWindowEx... Ok");
    ApplyWindowIcon(g_window);
    SDL_ShowWindow(g_window);
    SDL_RaiseWindow(g_window);
    LogEntry(kLogText, u"cGame", u"Resizing and Updating Window... Ok");

    if (!g_render || !g_render->CreateDevice(g_window))
        return 0;
    // CreateDevice has already re-made the device textures of the cached textures.
    LogEntry(kLogText, u"  cRender", u"Change viewport. Ok");
    ResizeToDrawable();  // the size message a new window gets when it is shown
    return 1;
}

void DestroyGameWindow() {
    if (g_render) {
        ReleaseDeviceTextures();
        g_render->SetWindowViewport(0, 0, 0, 0);
        LogEntry(kLogText, u"cRender", u"Render is Free");
        g_render->ReleaseDevice();
    }
    if (g_window) {
        SDL_DestroyWindow(g_window);
        g_window = nullptr;
        LogEntry(kLogText, u"cGame", u"DestroyWindow... Ok");
    }
    // Whatever the old window left queued must not reach the new one.
    SDL_PumpEvents();
    SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
    LogEntry(kLogText, u"cGame", u"Clear message's queue... Ok");
}

void UpdateWindowTitle() {
    if (!g_game)
        return;
    std::u16string title = GetLocalizedText(u"GameTitle");
    if (title.empty())
        title = g_windowTitle;  // no localized title: keep the one we have
    // The title buffer holds 254 characters; never split a surrogate pair.
    if (title.size() > 254) {
        title.resize(254);
        if (title.back() >= 0xD800 && title.back() <= 0xDBFF)
            title.pop_back();
    }
    g_windowTitle = title;
    if (g_window)
        SDL_SetWindowTitle(g_window, ToUtf8(g_windowTitle).c_str());
}

}  // namespace qor
