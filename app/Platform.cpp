#include "app/Platform.h"

#include <SDL2/SDL.h>
#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <memory>

#include "app/FramePacer.h"
#include "app/Game.h"
#include "app/GameObject.h"
#include "app/KeyMap.h"
#include "app/SingleInstance.h"
#include "engine/Log.h"
#include "engine/Path.h"
#include "engine/Render.h"
#include "engine/Script.h"
#include "engine/SoundManager.h"
#include "engine/StringTable.h"
#include "engine/Strings.h"
#include "engine/TextureCache.h"
#include "gui/GUI.h"

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
constexpr uint64_t kFpsSampleMs = 500;

// Mouse positions arrive in window units; the game works in drawable pixels
// (they differ on high-density displays).
void ToClientPixels(int* x, int* y) {
    if (!g_window) return;
    int ww = 0, wh = 0, dw = 0, dh = 0;
    SDL_GetWindowSize(g_window, &ww, &wh);
    SDL_GL_GetDrawableSize(g_window, &dw, &dh);
    if (ww > 0 && wh > 0 && (ww != dw || wh != dh)) {
        *x = *x * dw / ww;
        *y = *y * dh / wh;
    }
}

int MouseButton(uint8_t sdlButton) {
    switch (sdlButton) {
        case SDL_BUTTON_LEFT: return 0;
        case SDL_BUTTON_MIDDLE: return 1;
        case SDL_BUTTON_RIGHT: return 2;
        default: return -1;
    }
}

void ResizeToDrawable() {
    if (!g_window || !g_game) return;
    int w = 0, h = 0;
    SDL_GL_GetDrawableSize(g_window, &w, &h);
    if (w > 0 && h > 0) g_game->OnResize(w, h);
}

void OnWindowEvent(const SDL_WindowEvent& e) {
    switch (e.event) {
        case SDL_WINDOWEVENT_SIZE_CHANGED:
            if (e.data1 > 0 && e.data2 > 0) ResizeToDrawable();
            g_deviceCheck = 1;
            g_forceReset = 1;
            break;
        case SDL_WINDOWEVENT_FOCUS_LOST:
            g_inactive = 1;
            if (g_soundManager) g_soundManager->PauseOutput();
            if (g_fullScreen && g_window) SDL_MinimizeWindow(g_window);
            break;
        case SDL_WINDOWEVENT_FOCUS_GAINED:
            if (g_fullScreen && g_window &&
                (SDL_GetWindowFlags(g_window) & SDL_WINDOW_MINIMIZED)) {
                SDL_RestoreWindow(g_window);
            }
            if (g_soundManager) g_soundManager->ResumeOutput();
            ResetFrameClock();  // the inactive time is not a frame time
            g_inactive = 0;
            break;
        case SDL_WINDOWEVENT_CLOSE: {
            SDL_Event quit{};
            quit.type = SDL_QUIT;
            SDL_PushEvent(&quit);
            break;
        }
        default: break;
    }
}

std::u16string HomeFolder() {
    const char* home = std::getenv("HOME");
    if (home && home[0] == '/') return FromUtf8(home);
    if (const passwd* pw = ::getpwuid(::getuid()); pw && pw->pw_dir) return FromUtf8(pw->pw_dir);
    return {};
}

}  // namespace

bool PumpEvents() {
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
        if (!DispatchEvent(event)) return false;
    }
    return true;
}

void RunFrame(float seconds) {
    if (!g_game) return;
    const bool begun = g_render && g_render->Begin();
    if (begun) {
        g_game->DrawFrame();
        g_render->End();
    }
    // Updates run even when the frame could not be drawn.
    g_game->UpdateFrame(seconds);
    // Sound slides step with the game's clock, so they hold while output is paused.
    if (g_soundManager) g_soundManager->Update(seconds);
    if (begun) g_render->SwapBuffers();
}

void SampleFrameRate() {
    if (!g_game) return;
    g_game->fps = g_game->frameCounter * 2;
    g_game->frameCounter = 0;
}

float SampleElapsedSeconds() {
    const int64_t counter = static_cast<int64_t>(SDL_GetPerformanceCounter());
    const int64_t delta = counter - g_lastCounter;
    g_lastCounter = counter;
    return static_cast<float>(static_cast<double>(delta) / static_cast<double>(g_perfFrequency));
}

void ResetFrameClock() { g_lastCounter = static_cast<int64_t>(SDL_GetPerformanceCounter()); }

bool DispatchEvent(const SDL_Event& event) {
    switch (event.type) {
        case SDL_QUIT: return false;
        case SDL_WINDOWEVENT: OnWindowEvent(event.window); break;
        case SDL_KEYDOWN: {
            const int vk = VirtualKeyFromSdl(event.key.keysym.sym, event.key.keysym.scancode);
            if (vk && g_game) {
                g_game->OnKeyDown(vk);
                // Like a Windows message loop, these keys also arrive as characters.
                if (const int ch = ControlCharFromVirtualKey(vk); ch && g_game) g_game->OnChar(ch);
            }
            break;
        }
        case SDL_TEXTINPUT:
            if (g_game) {
                for (char16_t unit : FromUtf8(event.text.text)) {
                    if (g_game) g_game->OnChar(unit);
                }
            }
            break;
        case SDL_MOUSEMOTION:
            if (g_game) {
                int x = event.motion.x, y = event.motion.y;
                ToClientPixels(&x, &y);
                g_game->OnMouseMove(x, y);
            }
            break;
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP:
            if (g_game) {
                const int button = MouseButton(event.button.button);
                if (button < 0) break;
                int x = event.button.x, y = event.button.y;
                ToClientPixels(&x, &y);
                if (event.type == SDL_MOUSEBUTTONDOWN) {
                    g_game->OnMouseDown(x, y, button);
                } else {
                    g_game->OnMouseUp(x, y, button);
                }
            }
            break;
        default: break;
    }
    return true;
}

cClientSize FitWindowedClient(int workWidth, int workHeight, int frameX, int frameTop,
                              int frameBottom) {
    cClientSize client{1024, 768};
    const int windowWidth = client.width + 2 * frameX;
    const int windowHeight = client.height + frameTop + frameBottom;
    if (windowWidth <= workWidth && windowHeight <= workHeight) return client;
    const int horizontalExcess = windowWidth - workWidth;
    const int verticalExcess = windowHeight - workHeight;
    if (verticalExcess < horizontalExcess) {
        client.width = workWidth - 2 * frameX;
        client.height = static_cast<int>(static_cast<float>(client.width) / 1.3333334f);
    } else {
        client.height = workHeight - frameTop - frameBottom;
        client.width = static_cast<int>(static_cast<float>(client.height) * 1.3333334f);
    }
    if (client.width < 1) client.width = 1;
    if (client.height < 1) client.height = 1;
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
        if (SDL_GetDesktopDisplayMode(0, &mode) == 0) width = mode.w, height = mode.h;
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
    SDL_ShowWindow(g_window);
    SDL_RaiseWindow(g_window);
    LogEntry(kLogText, u"cGame", u"Resizing and Updating Window... Ok");

    if (!g_render || !g_render->CreateDevice(g_window)) return 0;
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

bool IsLeftControlDown() {
    const Uint8* keys = SDL_GetKeyboardState(nullptr);
    return keys && keys[SDL_SCANCODE_LCTRL];
}

void GetCursorClientPos(int* x, int* y) {
    int cx = 0, cy = 0;
    SDL_GetMouseState(&cx, &cy);
    ToClientPixels(&cx, &cy);
    if (x) *x = cx;
    if (y) *y = cy;
}

bool IsMouseButtonDown(int button) {
    const Uint32 state = SDL_GetMouseState(nullptr, nullptr);
    switch (button) {
        case 0: return state & SDL_BUTTON(SDL_BUTTON_LEFT);
        case 1: return state & SDL_BUTTON(SDL_BUTTON_MIDDLE);
        case 2: return state & SDL_BUTTON(SDL_BUTTON_RIGHT);
        default: return false;
    }
}

std::string GetUserLocaleName() {
    const char* value = nullptr;
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* v = std::getenv(name);
        if (v && v[0]) {
            value = v;
            break;
        }
    }
    if (!value) return "en";
    std::string language(value);
    language = language.substr(0, language.find_first_of("_.@"));
    if (language.empty() || language == "C" || language == "POSIX") return "en";
    // Only a plain language code may name locale files.
    for (char c : language) {
        if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'))) return "en";
    }
    return language.size() <= 84 ? language : "en";
}

void UpdateWindowTitle() {
    if (!g_game) return;
    std::u16string title = GetLocalizedText(u"GameTitle");
    if (title.empty()) title = g_windowTitle;  // no localized title: keep the one we have
    // The title buffer holds 254 characters; never split a surrogate pair.
    if (title.size() > 254) {
        title.resize(254);
        if (title.back() >= 0xD800 && title.back() <= 0xDBFF) title.pop_back();
    }
    g_windowTitle = title;
    if (g_window) SDL_SetWindowTitle(g_window, ToUtf8(g_windowTitle).c_str());
}

void InitSystemPaths() {
    cSystemPaths paths;
    std::error_code ec;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (!ec) paths.exePath = FromUtf8(exe.parent_path().string());
    paths.staticPath = u"data";
    const char* dataHome = std::getenv("XDG_DATA_HOME");
    std::u16string base;
    if (dataHome && dataHome[0] == '/') {
        base = FromUtf8(dataHome);
    } else if (const std::u16string home = HomeFolder(); !home.empty()) {
        base = home + u"/.local/share";
    }
    paths.appPath = base + u"/Vantrel/Brindlemoor";
    paths.userPath = HomeFolder();
    SetSystemPaths(paths);
}

int RunGame() {
    cSingleInstanceLock lock;
    if (!lock.Acquire()) return 0;  // another copy runs: leave without a window

    g_windowTitle = u"Brindlemoor";
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) {
        std::fprintf(stderr, "Brindlemoor: cannot start the video system: %s\n", SDL_GetError());
        return 2;
    }
    g_perfFrequency = static_cast<int64_t>(SDL_GetPerformanceFrequency());
    InitSystemPaths();

    auto game = std::make_unique<cGame>();
    g_fullScreen = 1;
    bool windowed = false;
    if (GetRunWindowedGlobal(&windowed) && windowed) g_fullScreen = 0;
    if (!CreateGameWindow(g_fullScreen)) {
        DestroyGameWindow();
        game.reset();
        SDL_Quit();
        return 3;
    }
    game->gui()->pointerVisible = false;
    std::unique_ptr<cGameObject> application = StartGameApplication();
    if (!application) {
        DestroyGameWindow();
        game.reset();
        SDL_Quit();
        return 4;
    }

    cFramePacer pacer;
    uint64_t fpsTimer = SDL_GetTicks64();
    ResetFrameClock();
    while (PumpEvents()) {
        const float seconds = SampleElapsedSeconds();
        // The frame-rate sample, every half second, on this thread.
        if (const uint64_t now = SDL_GetTicks64(); now - fpsTimer >= kFpsSampleMs) {
            fpsTimer = now;
            SampleFrameRate();
        }
        if (g_inactive && !g_game->runWhileInactive) {
            SDL_WaitEvent(nullptr);
            ResetFrameClock();  // the wait is never seen as a frame time
            continue;
        }
        RunFrame(seconds);
        pacer.Wait(g_render && g_render->HasVsync(), g_window);
    }

    application.reset();
    DestroyGameWindow();
    game.reset();
    SDL_Quit();
    return 0;
}

}  // namespace qor
