#include "app/Platform.h"

#include <SDL2/SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>

#include "app/FramePacer.h"
#include "app/Game.h"
#include "app/KeyMap.h"
#include "app/SingleInstance.h"
#include "app/Widget.h"
#include "engine/Path.h"
#include "engine/Render.h"
#include "engine/Script.h"
#include "gui/GUI.h"
#include "tests/EngineHarness.h"
#include "tests/TestUtil.h"

namespace qor {
namespace {

// Sets an environment variable for one scope and puts the old value back.
class cScopedEnv {
public:
    cScopedEnv(const char* name, const char* value) : m_name(name) {
        if (const char* old = std::getenv(name)) m_old = old, m_had = true;
        if (value) {
            setenv(name, value, 1);
        } else {
            unsetenv(name);
        }
    }
    ~cScopedEnv() {
        if (m_had) {
            setenv(m_name, m_old.c_str(), 1);
        } else {
            unsetenv(m_name);
        }
    }

private:
    const char* m_name;
    std::string m_old;
    bool m_had = false;
};

TEST(Platform, WindowedClientShrinksToTheWorkAreaKeepingFourThree) {
    struct Case {
        int workW, workH, frameX, top, bottom, w, h;
    };
    const std::vector<Case> cases = {
        {1920, 1080, 4, 30, 4, 1024, 768},  // fits as it is
        {1024, 768, 4, 30, 4, 978, 734},    // too wide and too tall: the height excess is larger
        {1366, 700, 0, 32, 0, 890, 668},    // too short: height decides
        {900, 1000, 2, 30, 2, 896, 672},    // too narrow: width decides (672 in float)
    };
    for (const Case& c : cases) {
        const cClientSize s = FitWindowedClient(c.workW, c.workH, c.frameX, c.top, c.bottom);
        EXPECT_EQ(s.width, c.w) << c.workW << "x" << c.workH;
        EXPECT_EQ(s.height, c.h) << c.workW << "x" << c.workH;
    }
}

TEST(Platform, KeysBecomeTheVirtualKeyNumbersTheGameCompares) {
    struct Case {
        SDL_Keycode key;
        SDL_Scancode scancode;
        int vk;
    };
    const std::vector<Case> cases = {
        {SDLK_BACKSPACE, SDL_SCANCODE_BACKSPACE, 8}, {SDLK_TAB, SDL_SCANCODE_TAB, 9},
        {SDLK_RETURN, SDL_SCANCODE_RETURN, 13},      {SDLK_ESCAPE, SDL_SCANCODE_ESCAPE, 27},
        {SDLK_SPACE, SDL_SCANCODE_SPACE, 32},        {SDLK_PAGEUP, SDL_SCANCODE_PAGEUP, 33},
        {SDLK_PAGEDOWN, SDL_SCANCODE_PAGEDOWN, 34},  {SDLK_END, SDL_SCANCODE_END, 35},
        {SDLK_HOME, SDL_SCANCODE_HOME, 36},          {SDLK_LEFT, SDL_SCANCODE_LEFT, 37},
        {SDLK_UP, SDL_SCANCODE_UP, 38},              {SDLK_RIGHT, SDL_SCANCODE_RIGHT, 39},
        {SDLK_DOWN, SDL_SCANCODE_DOWN, 40},          {SDLK_DELETE, SDL_SCANCODE_DELETE, 46},
        {SDLK_0, SDL_SCANCODE_0, 48},                {SDLK_9, SDL_SCANCODE_9, 57},
        {SDLK_a, SDL_SCANCODE_A, 65},                {SDLK_z, SDL_SCANCODE_Z, 90},
        // An AZERTY "a" sits where QWERTY has "q": the position counts.
        {SDLK_a, SDL_SCANCODE_Q, 81},                {SDLK_F1, SDL_SCANCODE_F1, 112},
        {SDLK_F12, SDL_SCANCODE_F12, 123},           {SDLK_LCTRL, SDL_SCANCODE_LCTRL, 17},
        {SDLK_CAPSLOCK, SDL_SCANCODE_CAPSLOCK, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(VirtualKeyFromSdl(c.key, c.scancode), c.vk) << SDL_GetKeyName(c.key);
    }
    EXPECT_EQ(ControlCharFromVirtualKey(8), 8);
    EXPECT_EQ(ControlCharFromVirtualKey(13), 13);
    EXPECT_EQ(ControlCharFromVirtualKey(65), 0);
}

TEST(Platform, UserLanguageComesFromTheLocaleVariables) {
    struct Case {
        const char *all, *messages, *lang, *expected;
    };
    const std::vector<Case> cases = {
        {nullptr, nullptr, "de_DE.UTF-8", "de"}, {"fr_FR", nullptr, "de_DE", "fr"},
        {"", "ja_JP.eucJP", "de", "ja"},         {nullptr, nullptr, "C", "en"},
        {nullptr, nullptr, "POSIX", "en"},       {nullptr, nullptr, nullptr, "en"},
        {nullptr, nullptr, "sr@latin", "sr"},    {nullptr, nullptr, "../../x", "en"},
    };
    for (const Case& c : cases) {
        cScopedEnv a("LC_ALL", c.all), m("LC_MESSAGES", c.messages), l("LANG", c.lang);
        EXPECT_EQ(GetUserLocaleName(), c.expected) << (c.lang ? c.lang : "(none)");
    }
}

TEST(Platform, AppFolderFollowsXdgDataHomeOnlyWhenAbsolute) {
    const cSystemPaths saved = GetSystemPaths();
    {
        cScopedEnv data("XDG_DATA_HOME", "/srv/data"), home("HOME", "/home/kim");
        InitSystemPaths();
        EXPECT_EQ(GetSystemPaths().appPath, u"/srv/data/Vantrel/Brindlemoor");
        EXPECT_EQ(GetSystemPaths().userPath, u"/home/kim");
        EXPECT_EQ(GetSystemPaths().staticPath, u"data");
        EXPECT_FALSE(GetSystemPaths().exePath.empty());
    }
    for (const char* bad : {"", "relative/share"}) {
        cScopedEnv data("XDG_DATA_HOME", bad), home("HOME", "/home/kim");
        InitSystemPaths();
        EXPECT_EQ(GetSystemPaths().appPath, u"/home/kim/.local/share/Vantrel/Brindlemoor");
    }
    SetSystemPaths(saved);
}

TEST(Platform, OnlyOneCopyHoldsTheLock) {
    test::cTempFolder dir;
    cScopedEnv runtime("XDG_RUNTIME_DIR", dir.path().c_str());
    EXPECT_EQ(cSingleInstanceLock::LockFilePath(), (dir.path() / "OrvikMutex").string());
    {
        cSingleInstanceLock first, second;
        EXPECT_TRUE(first.Acquire());
        EXPECT_FALSE(second.Acquire());
    }
    cSingleInstanceLock again;
    EXPECT_TRUE(again.Acquire());  // released with its holder
}

TEST(Platform, FramePeriodFollowsTheRefreshRate) {
    EXPECT_DOUBLE_EQ(cFramePacer::PeriodSeconds(60), 1.0 / 60);
    EXPECT_DOUBLE_EQ(cFramePacer::PeriodSeconds(144), 1.0 / 144);
    EXPECT_DOUBLE_EQ(cFramePacer::PeriodSeconds(0), 1.0 / 60);  // unknown
}

// A widget that counts what reaches it through the platform dispatch.
class cInputProbe : public cWidget {
public:
    explicit cInputProbe(std::vector<std::pair<int, int>>* events) : cWidget(u"probe"), m_events(events) {}
    int OnEvent(int kind, int param) override {
        m_events->emplace_back(kind, param);
        return 1;
    }

private:
    std::vector<std::pair<int, int>>* m_events;
};

TEST(PlatformHarness, EmptyFrameClearsToDarkCyanAndInputArrivesAsTheGameExpects) {
    test::cEngineHarness harness;
    if (!harness.Boot()) GTEST_SKIP() << "no display here";
    harness.Step(2);
    const auto frame = harness.Capture();
    ASSERT_EQ(frame.width, 1024);
    ASSERT_EQ(frame.height, 768);
    EXPECT_EQ(frame.Pixel(0, 0), 0x003F3FFFu);
    EXPECT_EQ(frame.Pixel(1023, 767), 0x003F3FFFu);

    std::vector<std::pair<int, int>> events;
    new cInputProbe(&events);
    harness.game()->FocusWidget(u"probe");

    SDL_Event e{};
    e.type = SDL_KEYDOWN;
    e.key.keysym.sym = SDLK_RETURN;
    e.key.keysym.scancode = SDL_SCANCODE_RETURN;
    harness.Inject(e);
    e = {};
    e.type = SDL_TEXTINPUT;
    std::snprintf(e.text.text, sizeof e.text.text, "%s", "a\xC3\xA9\xF0\x9F\x99\x82");  // a é 🙂
    harness.Inject(e);
    e = {};
    e.type = SDL_MOUSEBUTTONDOWN;
    e.button.button = SDL_BUTTON_RIGHT;
    e.button.x = 5;
    e.button.y = 6;
    harness.Inject(e);
    e = {};
    e.type = SDL_MOUSEMOTION;
    e.motion.x = 7;
    e.motion.y = 8;
    harness.Inject(e);
    const std::vector<std::pair<int, int>> expected = {
        {1, 13}, {3, 13}, {3, 'a'}, {3, 0xE9}, {3, 0xD83D}, {3, 0xDE42}, {4, 2}, {6, 8 * 65536 + 7}};
    EXPECT_EQ(events, expected);

    // The quit request ends the loop.
    e = {};
    e.type = SDL_QUIT;
    SDL_PushEvent(&e);
    EXPECT_FALSE(harness.Step());
}

TEST(PlatformHarness, FocusLossStopsTheFrameClock) {
    test::cEngineHarness harness;
    if (!harness.Boot()) GTEST_SKIP() << "no display here";
    SDL_Event e{};
    e.type = SDL_WINDOWEVENT;
    e.window.event = SDL_WINDOWEVENT_FOCUS_LOST;
    harness.Inject(e);
    EXPECT_EQ(g_inactive, 1);
    SDL_Delay(60);
    e.window.event = SDL_WINDOWEVENT_FOCUS_GAINED;
    harness.Inject(e);
    EXPECT_EQ(g_inactive, 0);
    // The first frame after reactivation counts from the reactivation.
    EXPECT_LT(SampleElapsedSeconds(), 0.05f);
}

TEST(PlatformHarness, ResizeReachesTheGuiScreen) {
    test::cEngineHarness harness;
    if (!harness.Boot()) GTEST_SKIP() << "no display here";
    harness.game()->OnResize(1280, 0);
    EXPECT_EQ(g_render->windowViewport().h, 1);  // a zero height never reaches the device
    harness.game()->OnResize(1280, 720);
    EXPECT_EQ(g_render->windowViewport().w, 1280);
    EXPECT_EQ(harness.game()->gui()->screenWidth, 1280);
    EXPECT_EQ(harness.game()->gui()->screenHeight, 720);
}

}  // namespace
}  // namespace qor
