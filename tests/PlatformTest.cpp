#include "app/Platform.h"

#include <SDL2/SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "app/FramePacer.h"
#include "app/Game.h"
#include "app/KeyMap.h"
#include "app/SingleInstance.h"
#include "app/Widget.h"
#include "app/WindowIcon.h"
#include "engine/Path.h"
#include "engine/Render.h"
#include "engine/Script.h"
#include "gui/GUI.h"
#include "tests/EngineHarness.h"
#include "tests/GLTestContext.h"
#include "tests/TestUtil.h"

namespace qor {
namespace {

// Sets an environment variable for one scope and puts the old value back.
class cScopedEnv {
  public:
    cScopedEnv(const char* name, const char* value) : m_name(name) {
        if (const char* old = std::getenv(name))
            m_old = old, m_had = true;
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
        {SDLK_BACKSPACE, SDL_SCANCODE_BACKSPACE, 8},
        {SDLK_TAB, SDL_SCANCODE_TAB, 9},
        {SDLK_RETURN, SDL_SCANCODE_RETURN, 13},
        {SDLK_ESCAPE, SDL_SCANCODE_ESCAPE, 27},
        {SDLK_SPACE, SDL_SCANCODE_SPACE, 32},
        {SDLK_PAGEUP, SDL_SCANCODE_PAGEUP, 33},
        {SDLK_PAGEDOWN, SDL_SCANCODE_PAGEDOWN, 34},
        {SDLK_END, SDL_SCANCODE_END, 35},
        {SDLK_HOME, SDL_SCANCODE_HOME, 36},
        {SDLK_LEFT, SDL_SCANCODE_LEFT, 37},
        {SDLK_UP, SDL_SCANCODE_UP, 38},
        {SDLK_RIGHT, SDL_SCANCODE_RIGHT, 39},
        {SDLK_DOWN, SDL_SCANCODE_DOWN, 40},
        {SDLK_DELETE, SDL_SCANCODE_DELETE, 46},
        {SDLK_0, SDL_SCANCODE_0, 48},
        {SDLK_9, SDL_SCANCODE_9, 57},
        {SDLK_a, SDL_SCANCODE_A, 65},
        {SDLK_z, SDL_SCANCODE_Z, 90},
        // An AZERTY "a" sits where QWERTY has "q": the position counts.
        {SDLK_a, SDL_SCANCODE_Q, 81},
        {SDLK_F1, SDL_SCANCODE_F1, 112},
        {SDLK_F12, SDL_SCANCODE_F12, 123},
        {SDLK_LCTRL, SDL_SCANCODE_LCTRL, 17},
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

// At full speed a frame is drawn once the previous drawing is paid for: a
// logic tick later, or three times its own cost later when it was slow. With
// a counter of 3000 per second a tick is 100 counts.
TEST(Platform, FullSpeedDrawsAtMostAQuarterOfTheTime) {
    cFramePacer pacer;
    EXPECT_TRUE(pacer.DrawDue(1000));
    pacer.Drawn(1000, 500, 3000);  // at the usual pace every frame is drawn
    EXPECT_TRUE(pacer.DrawDue(1001));
    pacer.SetFullSpeed(true, false);
    EXPECT_TRUE(pacer.DrawDue(2000));
    pacer.Drawn(2010, 10, 3000);  // cheap: the next one a tick later
    EXPECT_FALSE(pacer.DrawDue(2011));
    EXPECT_FALSE(pacer.DrawDue(2109));
    EXPECT_TRUE(pacer.DrawDue(2110));
    pacer.Drawn(2160, 50, 3000);  // slow: three times its cost later
    EXPECT_FALSE(pacer.DrawDue(2300));
    EXPECT_TRUE(pacer.DrawDue(2310));
    pacer.SetFullSpeed(false, false);
    EXPECT_TRUE(pacer.DrawDue(2311));
    // Full speed again starts afresh: its first frame is drawn.
    pacer.SetFullSpeed(true, false);
    EXPECT_TRUE(pacer.DrawDue(2312));
}

// A widget that counts what reaches it through the platform dispatch.
class cInputProbe : public cWidget {
  public:
    explicit cInputProbe(std::vector<std::pair<int, int>>* events)
        : cWidget(u"probe"), m_events(events) {}
    int OnEvent(int kind, int param) override {
        m_events->emplace_back(kind, param);
        return 1;
    }

  private:
    std::vector<std::pair<int, int>>* m_events;
};

TEST(PlatformHarness, EmptyFrameClearsToDarkCyanAndInputArrivesAsTheGameExpects) {
    test::cEngineHarness harness;
    if (!harness.Boot())
        GTEST_SKIP() << "no display here";
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
    const std::vector<std::pair<int, int>> expected = {{1, 13},   {3, 13},           {3, 'a'},
                                                       {3, 0xE9}, {3, 0xD83D},       {3, 0xDE42},
                                                       {4, 2},    {6, 8 * 65536 + 7}};
    EXPECT_EQ(events, expected);

    // The quit request ends the loop.
    e = {};
    e.type = SDL_QUIT;
    SDL_PushEvent(&e);
    EXPECT_FALSE(harness.Step());
}

// During a drag the pointer leaves the window and SDL keeps reporting it, with
// coordinates below 0 or past the edge; the game packs x and y into one int.
TEST(PlatformHarness, PointerPositionsOutsideTheWindowStopAtItsEdge) {
    test::cEngineHarness harness;
    if (!harness.Boot())
        GTEST_SKIP() << "no display here";
    std::vector<std::pair<int, int>> events;
    new cInputProbe(&events);
    harness.game()->FocusWidget(u"probe");
    cGUI* gui = harness.game()->gui();
    gui->pointerVisible = true;  // so the GUI keeps the position it was given

    const struct {
        int x, y, packedX, packedY;
    } cases[] = {
        {-5, 10, 0, 10},        {1500, -20, 1023, 0}, {-70000, 70000, 0, 767},
        {1023, 767, 1023, 767}, {0, 0, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.x << ", " << c.y);
        events.clear();
        SDL_Event e{};
        e.type = SDL_MOUSEMOTION;
        e.motion.x = c.x;
        e.motion.y = c.y;
        harness.Inject(e);
        ASSERT_EQ(events.size(), 1u);
        EXPECT_EQ(events[0].second, c.packedY * 65536 + c.packedX);
        EXPECT_EQ(gui->pointer.x, c.packedX);
        EXPECT_EQ(gui->pointer.y, 768 - c.packedY);
    }
    // Buttons released outside still arrive, as buttons of the client area.
    events.clear();
    SDL_Event e{};
    e.type = SDL_MOUSEBUTTONUP;
    e.button.button = SDL_BUTTON_LEFT;
    e.button.x = -40;
    e.button.y = 2000;
    harness.Inject(e);
    EXPECT_EQ(events, (std::vector<std::pair<int, int>>{{5, 0}}));
}

// While the game draws its own pointer the system one is hidden, or two would
// show; it comes back whenever the player is elsewhere.
TEST(PlatformHarness, SystemPointerHidesWhileTheGameDrawsItsOwn) {
    test::cEngineHarness harness;
    if (!harness.Boot())
        GTEST_SKIP() << "no display here";
    cGUI* gui = harness.game()->gui();
    auto shown = [] { return SDL_ShowCursor(SDL_QUERY) == SDL_ENABLE; };
    auto focus = [&](bool gained) {
        SDL_Event e{};
        e.type = SDL_WINDOWEVENT;
        e.window.event = gained ? SDL_WINDOWEVENT_FOCUS_GAINED : SDL_WINDOWEVENT_FOCUS_LOST;
        harness.Inject(e);
    };
    gui->pointerVisible = false;  // splash and loading: no pointer of our own
    harness.Step();
    EXPECT_TRUE(shown());
    gui->pointerVisible = true;  // the menus draw theirs
    harness.Step();
    EXPECT_FALSE(shown());
    focus(false);
    EXPECT_TRUE(shown());
    harness.Step();  // frames may go on while inactive (splash, loading)
    EXPECT_TRUE(shown());
    focus(true);
    EXPECT_FALSE(shown());
    gui->pointerVisible = false;
    harness.Step();
    EXPECT_TRUE(shown());
}

TEST(Platform, IconSurfacesTakeColourPicturesOnly) {
    // Our images hold blue, green, red (, alpha): a red pixel, half-transparent green.
    const cImage rgba = test::MakeImage(kImageRGBA32, 2, 1, [](uint32_t x, uint32_t) {
        return x == 0 ? test::Argb(255, 200, 10, 20) : test::Argb(128, 0, 220, 0);
    });
    const cSurfacePtr surface = CreateIconSurface(rgba);
    ASSERT_NE(surface, nullptr);
    ASSERT_EQ(surface->w, 2);
    auto pixel = [&](int x) {
        uint8_t r, g, b, a;
        SDL_GetRGBA(static_cast<const uint32_t*>(surface->pixels)[x], surface->format, &r, &g, &b,
                    &a);
        return std::vector<int>{r, g, b, a};
    };
    EXPECT_EQ(pixel(0), (std::vector<int>{200, 10, 20, 255}));
    EXPECT_EQ(pixel(1), (std::vector<int>{0, 220, 0, 128}));
    const cSurfacePtr opaque =
        CreateIconSurface(test::MakeSolidImage(kImageRGB24, 3, 3, test::Argb(0, 1, 2, 3)));
    ASSERT_NE(opaque, nullptr);
    EXPECT_EQ(static_cast<const uint32_t*>(opaque->pixels)[4] >> 24, 255u);  // BGRA32: alpha last

    EXPECT_EQ(CreateIconSurface(test::MakeSolidImage(kImageL8, 2, 2, 0)), nullptr);
    EXPECT_EQ(CreateIconSurface(cImage{}), nullptr);
    cImage truncated = rgba;
    truncated.levels[0].resize(4);
    EXPECT_EQ(CreateIconSurface(truncated), nullptr);
}

TEST(PlatformHarness, WindowGetsTheIconOfTheDataAndDoesWithoutOne) {
    test::cEngineHarness harness;
    if (!harness.Boot())
        GTEST_SKIP() << "no display here";
    ASSERT_TRUE(std::filesystem::exists("data/icon/window_icon.png"))
        << "run from the build folder";
    EXPECT_EQ(test::ReadLog().find(u"Window icon"), std::u16string::npos);
    EXPECT_TRUE(ApplyWindowIcon(g_window));

    test::cTempFolder empty;
    test::UseTestSystemPaths(empty);
    EXPECT_FALSE(ApplyWindowIcon(g_window));
    test::WriteBytes(empty.path() / "icon" / "window_icon.png", "not a picture");
    EXPECT_FALSE(ApplyWindowIcon(g_window));
    const std::u16string log = test::ReadLog();
    EXPECT_NE(
        log.find(u"Window icon " + empty.u16() + u"/icon/window_icon.png cannot be loaded (2)"),
        std::u16string::npos);
    EXPECT_NE(log.find(u"/icon/window_icon.png cannot be loaded (3)"), std::u16string::npos);
    test::UseTestSystemPaths();
}

TEST(PlatformHarness, FocusLossStopsTheFrameClock) {
    test::cEngineHarness harness;
    if (!harness.Boot())
        GTEST_SKIP() << "no display here";
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
    if (!harness.Boot())
        GTEST_SKIP() << "no display here";
    harness.game()->OnResize(1280, 0);
    EXPECT_EQ(g_render->windowViewport().h, 1);  // a zero height never reaches the device
    harness.game()->OnResize(1280, 720);
    EXPECT_EQ(g_render->windowViewport().w, 1280);
    EXPECT_EQ(harness.game()->gui()->screenWidth, 1280);
    EXPECT_EQ(harness.game()->gui()->screenHeight, 720);
}

}  // namespace
}  // namespace qor
