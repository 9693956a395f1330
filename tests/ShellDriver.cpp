#include "tests/ShellDriver.h"

#include <SDL2/SDL.h>

#include <algorithm>
#include <filesystem>

#include "app/Game.h"
#include "engine/LoadingWidget.h"
#include "engine/Path.h"
#include "engine/Strings.h"
#include "gui/BaseWF.h"
#include "gui/ButtonCtrl.h"
#include "gui/GUI.h"
#include "gui/LabelCtrl.h"
#include "gui/SliderCtrl.h"
#include "gui/Window.h"
#include "shell/FinishWF.h"
#include "shell/Garden.h"

namespace qor::test {

cShellDriver::cShellDriver() : m_harness(std::make_unique<cEngineHarness>()) {}

cShellDriver::~cShellDriver() {
    Stop();
}

bool cShellDriver::Start(const std::u16string& staticFolder) {
    if (!m_harness->Boot(true))
        return false;
    if (!staticFolder.empty()) {
        cSystemPaths paths = GetSystemPaths();
        paths.staticPath = staticFolder;
        SetSystemPaths(paths);
    }
    m_garden = std::make_unique<cGarden>();
    if (m_garden->Init() != nullptr)
        return false;
    // The game seeds its generator from the clock; the menu's animated room
    // draws from it, so a fixed seed keeps the pictures the same on every run.
    m_garden->random.seed = kTestSeed;
    return true;
}

bool cShellDriver::PlayWithNewProfile(const std::string& name) {
    std::filesystem::remove_all(ToUtf8(GetSystemPaths().appPath) + "/profile");
    if (!ReachMenus())
        return false;
    FollowInjectedPointer();
    if (!WaitShown(u"profile_new"))
        return false;
    Type(name);
    Key(SDLK_RETURN);
    return WaitShown(u"main") && ClickStart();
}

bool cShellDriver::StartToMap() {
    return ClickStart() && WaitShown(u"map");
}

bool cShellDriver::ClickStart() {
    if (!Click(u"main", u"btStart"))
        return false;
    if (g_game && g_game->GetFocusedWidgetName() == u"comics") {
        if (!WaitShown(u"comics"))
            return false;
        Key(SDLK_ESCAPE);
    }
    return true;
}

bool cShellDriver::ReachMenus(int frameLimit) {
    for (int i = 0; i < frameLimit; ++i) {
        if (g_loadingWidget && !g_loadingWidget->notify)
            return Step(2);
        if (!g_loadingWidget)
            Key(SDLK_SPACE);
        if (!Step())
            return false;
    }
    return false;
}

bool cShellDriver::ReachMainMenu(const std::string& playerName) {
    if (!ReachMenus())
        return false;
    if (IsShown(u"profile_new") || WaitShown(u"profile_new", 30)) {
        for (int i = 0; i < 8; ++i)
            Key(SDLK_BACKSPACE);
        Type(playerName);
        Key(SDLK_RETURN);
    }
    return WaitShown(u"main");
}

void cShellDriver::Stop() {
    m_garden.reset();
    m_harness.reset();
}

bool cShellDriver::Step(int frames) {
    if (!m_quit && !m_harness->Step(frames, 1.0f / 30.0f, m_draw))
        m_quit = true;
    return !m_quit;
}

bool cShellDriver::StepUnseen(int frames) {
    if (!m_quit && !m_harness->Step(frames, 1.0f / 30.0f, false))
        m_quit = true;
    return !m_quit;
}

bool cShellDriver::Idle(int seconds) {
    if (!m_quit && !m_harness->Step(seconds, 1.0f, false))
        m_quit = true;
    return !m_quit;
}

bool cShellDriver::IsShown(const std::u16string& window) const {
    cGUI* gui = g_game ? g_game->gui() : nullptr;
    return gui && gui->IsWndShown(window);
}

bool cShellDriver::WaitShown(const std::u16string& window, int frameLimit) {
    cGUI* gui = g_game ? g_game->gui() : nullptr;
    for (int i = 0; gui && i < frameLimit; ++i) {
        if (gui->IsWndShown(window)) {
            const auto* function = dynamic_cast<cBaseWF*>(gui->GetWnd(window)->function.get());
            if (!function || function->transition.current == 1.0f) {
                // Let the windows that close meanwhile finish fading.
                Step(20);
                return gui->IsWndShown(window);
            }
        }
        if (!Step())
            return false;
    }
    return false;
}

void cShellDriver::Key(int sdlKey) {
    SDL_Event e{};
    e.type = SDL_KEYDOWN;
    e.key.keysym.sym = sdlKey;
    e.key.keysym.scancode = SDL_GetScancodeFromKey(sdlKey);
    m_harness->Inject(e);
    e.type = SDL_KEYUP;
    m_harness->Inject(e);
}

void cShellDriver::Type(const std::string& utf8) {
    SDL_Event e{};
    e.type = SDL_TEXTINPUT;
    SDL_strlcpy(e.text.text, utf8.c_str(), sizeof e.text.text);
    m_harness->Inject(e);
}

void cShellDriver::Mouse(int type, int virtualX, int virtualY) {
    // Virtual units to client pixels: the 4:3 area of the window, centred.
    const cGUI* gui = g_game ? g_game->gui() : nullptr;
    const int w = gui && gui->screenWidth > 0 ? gui->screenWidth : 1024;
    const int h = gui && gui->screenHeight > 0 ? gui->screenHeight : 768;
    const int w43 = std::min(w, 4 * h / 3);
    SDL_Event e{};
    e.type = static_cast<Uint32>(type);
    const int x = (w - w43) / 2 + virtualX * w43 / 1024, y = h - virtualY * h / 768;
    m_pointerX = x;
    m_pointerY = y;
    if (type == SDL_MOUSEMOTION) {
        e.motion.x = x;
        e.motion.y = y;
    } else {
        e.button.button = SDL_BUTTON_LEFT;
        e.button.x = x;
        e.button.y = y;
    }
    m_harness->Inject(e);
}

void cShellDriver::MovePointer(int virtualX, int virtualY) {
    Mouse(SDL_MOUSEMOTION, virtualX, virtualY);
}

void cShellDriver::FollowInjectedPointer() {
    if (cGUI* gui = g_game ? g_game->gui() : nullptr) {
        gui->SetCursorSource([this](int* x, int* y) {
            *x = m_pointerX;
            *y = m_pointerY;
        });
    }
}

void cShellDriver::ClickAt(int virtualX, int virtualY) {
    Mouse(SDL_MOUSEMOTION, virtualX, virtualY);
    Mouse(SDL_MOUSEBUTTONDOWN, virtualX, virtualY);
    Mouse(SDL_MOUSEBUTTONUP, virtualX, virtualY);
}

cCtrl* cShellDriver::Control(const std::u16string& window, const std::u16string& control) const {
    cGUI* gui = g_game ? g_game->gui() : nullptr;
    if (!gui || !gui->HasWnd(window))
        return nullptr;
    cWindow* w = gui->GetWnd(window);
    return w ? w->ControlAt(IndexOfCtrl(w, control)) : nullptr;
}

std::u16string cShellDriver::Caption(const std::u16string& window,
                                     const std::u16string& control) const {
    cCtrl* c = Control(window, control);
    if (auto* label = dynamic_cast<cLabelCtrl*>(c))
        return label->caption;
    if (auto* button = dynamic_cast<cButtonSysCtrl*>(c))
        return button->caption ? button->caption->caption : std::u16string();
    return {};
}

bool cShellDriver::Click(const std::u16string& window, const std::u16string& control, float fx,
                         float fy) {
    cCtrl* c = Control(window, control);
    if (!c)
        return false;
    const cRectF r = c->GetRect();
    const int x = static_cast<int>(r.x + r.w * fx), y = static_cast<int>(r.y + r.h * fy);
    Mouse(SDL_MOUSEMOTION, x, y);
    Mouse(SDL_MOUSEBUTTONDOWN, x, y);
    Mouse(SDL_MOUSEBUTTONUP, x, y);
    // The click reaches the window function through the queue at the next tick.
    return Step(2);
}

bool cShellDriver::Drag(const std::u16string& window, const std::u16string& slider,
                        float fraction) {
    auto* s = dynamic_cast<cSliderCtrl*>(Control(window, slider));
    if (!s)
        return false;
    const cRectF knob = s->GetThumbRect(), track = s->GetTrackRect();
    const int kx = static_cast<int>(knob.x + knob.w / 2),
              ky = static_cast<int>(knob.y + knob.h / 2);
    Mouse(SDL_MOUSEMOTION, kx, ky);
    Mouse(SDL_MOUSEBUTTONDOWN, kx, ky);
    const int tx = static_cast<int>(track.x + track.w * fraction);
    Mouse(SDL_MOUSEMOTION, tx, ky);
    Mouse(SDL_MOUSEBUTTONUP, tx, ky);
    return Step(2);
}

bool cShellDriver::WaitResultsCounted() {
    cWindow* window = g_game && g_game->gui() ? g_game->gui()->GetWnd(u"finish") : nullptr;
    auto* results = window ? dynamic_cast<cFinishWF*>(window->function.get()) : nullptr;
    if (!results)
        return false;
    for (int i = 0; i < 300 && results->stage != cFinishWF::kStageDone; ++i)
        Step();
    Step(150);  // the cup settles and the sparkles fade away
    return results->stage == cFinishWF::kStageDone;
}

}  // namespace qor::test
