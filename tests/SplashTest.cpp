// The splash: steps built by "conf/splash.lua", their fades, skipping with a
// key or a button, the end notification, a splash script that fails, the
// pictures it loads, the splash script functions' handle checks, and what a
// frame of it shows.
#include "engine/SplashWidget.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

extern "C" {
#include <lua.h>
}

#include "app/Game.h"
#include "app/GameObject.h"
#include "engine/LoadingScriptFunctions.h"
#include "engine/Path.h"
#include "engine/Render.h"
#include "engine/Script.h"
#include "engine/ScriptFunctions.h"
#include "engine/TextureCache.h"
#include "tests/GLTestContext.h"
#include "tests/GoldenImage.h"
#include "tests/TestUtil.h"

namespace qor {
namespace {

class cEndProbe : public cGameObject {
  public:
    void OnEndSplash() override { ++endSplash; }
    void OnEndLoading() override {}
    int endSplash = 0;
};

// "{StaticPath}" in a fresh folder the test fills; a cGame with the engine's
// script functions when the fixture makes one.
class cSplashData {
  public:
    cSplashData() {
        test::UseTestSystemPaths();
        cSystemPaths paths = GetSystemPaths();
        paths.staticPath = folder.u16();
        SetSystemPaths(paths);
    }
    ~cSplashData() { test::UseTestSystemPaths(); }

    void SplashScript(const std::u16string& text) {
        test::WriteUtf16File(folder.path() / "conf/splash.lua", text);
    }
    void Picture(const std::string& file, uint8_t value = 255) {
        std::filesystem::create_directories((folder.path() / file).parent_path());
        test::cRgbaImage image{4, 4, std::vector<uint8_t>(4 * 4 * 4, value)};
        ASSERT_TRUE(test::WritePng((folder.path() / file).string(), image));
    }
    static void RegisterFunctions() {
        cScriptFunctionHooks hooks;
        hooks.registerSplashAndLoadingFunctions = RegisterSplashAndLoadingScriptFunctions;
        ASSERT_TRUE(RegisterEngineScriptFunctions(hooks));
    }

    test::cTempFolder folder;
};

class SplashTest : public ::testing::Test {
  protected:
    void SetUp() override {
        game = std::make_unique<cGame>();
        data.RegisterFunctions();
    }
    void TearDown() override { game.reset(); }

    cSplashWidget* MakeSplash() { return new cSplashWidget(&probe); }

    cSplashData data;
    cEndProbe probe;
    std::unique_ptr<cGame> game;
};

TEST_F(SplashTest, StepsFadeInOverHalfASecondAndOutOverTheirLastHalfSecond) {
    data.SplashScript(u"function FillSplash(s) addSplashNode(s, 3.0) addSplashNode(s, 1.0) end");
    cSplashWidget* splash = MakeSplash();
    ASSERT_EQ(splash->steps.size(), 2u);
    EXPECT_EQ(splash->fader.rate, 2.0f);
    EXPECT_EQ(splash->fader.current, 0.0f);

    // fader value after each tick of the first step, and the tick it ends at
    std::vector<float> alpha;
    int endTick = 0;
    for (int tick = 1; tick <= 120 && !endTick; ++tick) {
        splash->Tick();
        if (splash->current == 1)
            endTick = tick;
        else
            alpha.push_back(splash->fader.current);
    }
    // 3 s of 1/30 s ticks: 90, or one more where float rounding leaves a sliver.
    ASSERT_GE(endTick, 90);
    ASSERT_LE(endTick, 91);
    ASSERT_EQ(alpha.size(), static_cast<size_t>(endTick - 1));
    EXPECT_NEAR(alpha[6], 7.0f / 15.0f, 1e-3f);  // 7 ticks in: rising at 2 per second
    EXPECT_FLOAT_EQ(alpha[14], 1.0f);            // fully in after 0.5 s
    // Fully shown until the last 0.5 s, which fade out one fifteenth per tick
    // and reach 0 as the step ends.
    for (int tick = 15; tick < endTick; ++tick) {
        const float expected = std::min(1.0f, static_cast<float>(endTick - tick) / 15.0f);
        EXPECT_NEAR(alpha[tick - 1], expected, 1e-3f) << "tick " << tick;
    }
    EXPECT_EQ(probe.endSplash, 0);

    // The next step fades in again from where the last one ended.
    splash->Tick();
    EXPECT_GT(splash->fader.current, 0.0f);
    EXPECT_LT(splash->fader.current, 0.2f);

    // 1 s more ends the sequence; from then on every tick tells the game.
    for (int tick = 0; tick < 29; ++tick)
        splash->Tick();
    EXPECT_EQ(splash->CurrentStep(), nullptr);
    EXPECT_EQ(probe.endSplash, 0);
    splash->Tick();
    splash->Tick();
    EXPECT_EQ(probe.endSplash, 2);
}

TEST_F(SplashTest, AKeyOrAButtonEndsTheStepAtTheNextTickWithoutFadingOut) {
    data.SplashScript(u"function FillSplash(s) addSplashNode(s, 3.0) addSplashNode(s, 3.0) end");
    cSplashWidget* splash = MakeSplash();
    game->FocusWidget(u"splash");
    const struct {
        int kind;
        bool skips;
    } events[] = {{kWidgetKeyDown, true},
                  {kWidgetMouseDown, true},
                  {kWidgetChar, false},
                  {kWidgetMouseUp, false},
                  {kWidgetMouseMove, false}};
    for (const auto& e : events) {
        SCOPED_TRACE(testing::Message() << "event kind " << e.kind);
        cSplashStep* step = splash->steps[0].get();
        step->remaining = 3.0f;
        splash->current = 0;
        splash->fader.current = 1.0f;
        splash->fader.SetTarget(1.0f);
        EXPECT_EQ(splash->OnEvent(e.kind, 0), 0);  // never consumed
        splash->Tick();
        EXPECT_EQ(splash->current, e.skips ? 1u : 0u);
        EXPECT_FALSE(splash->fadingOut);
        EXPECT_FLOAT_EQ(splash->fader.current, 1.0f);
    }

    // Through the engine's input routing: a click on the second step.
    splash->current = 1;
    game->OnMouseDown(10, 10, 0);
    splash->Tick();
    EXPECT_EQ(splash->CurrentStep(), nullptr);
    // Once the steps are over, input changes nothing.
    EXPECT_EQ(splash->OnEvent(kWidgetKeyDown, 32), 0);
    splash->Tick();
    EXPECT_EQ(probe.endSplash, 1);
}

TEST_F(SplashTest, WithoutAWorkingSplashScriptTheSplashEndsAtTheFirstTick) {
    const struct {
        const char* what;
        const char16_t* script;  // null: no file at all
    } cases[] = {
        {"missing file", nullptr},
        {"syntax error", u"function FillSplash(s) addSplashNode(s, 2.0) end x = = 1"},
        {"error before FillSplash", u"error('no') function FillSplash(s) addSplashNode(s, 2) end"},
        {"no FillSplash", u"splashIsHere = 1"},
        {"FillSplash not a function", u"FillSplash = 7"},
        {"FillSplash fails first", u"function FillSplash(s) error('broken') end"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::filesystem::remove(data.folder.path() / "conf/splash.lua");
        if (c.script)
            data.SplashScript(c.script);
        // A FillSplash left by an earlier script must not be called.
        ASSERT_EQ(RunBuffer(u"function FillSplash(s) addSplashNode(s, 9) end"), 0);
        cEndProbe local;
        auto* splash = new cSplashWidget(&local);
        EXPECT_TRUE(splash->steps.empty());
        splash->Tick();
        EXPECT_EQ(local.endSplash, 1);
    }
}

TEST_F(SplashTest, AFailingFillSplashKeepsTheStepsBuiltBeforeTheError) {
    data.SplashScript(u"function FillSplash(s) addSplashNode(s, 1.5) error('late') end");
    cSplashWidget* splash = MakeSplash();
    EXPECT_EQ(splash->steps.size(), 1u);
    const std::u16string log = test::ReadLog();
    EXPECT_NE(log.find(u"FillSplash failed"), std::u16string::npos);
    EXPECT_NE(log.find(u"late"), std::u16string::npos);
    splash->Tick();
    EXPECT_EQ(probe.endSplash, 0);
}

TEST_F(SplashTest, LoadsOnlyThePicturesOfItsFolder) {
    data.Picture("texture/splash/card.png");
    data.Picture("texture/splash/Shout.PNG");
    data.Picture("texture/splash/inner/deep.png");
    test::WriteUtf16File(data.folder.path() / "texture/splash/card.lua",
                         u"cardAtlasRuns = (cardAtlasRuns or 0) + 1");
    // A JPEG beside the pictures as the alpha image of another one: read as a
    // picture of its own, it would become a texture "stray".
    const std::filesystem::path jpeg = "data/texture/system/gui_loading_progress.alpha";
    const bool haveJpeg = std::filesystem::exists(jpeg);
    if (haveJpeg)
        std::filesystem::copy_file(jpeg, data.folder.path() / "texture/splash/stray.alpha");
    data.SplashScript(u"function FillSplash(s) end");
    MakeSplash();

    EXPECT_NE(FindTexture(u"card"), nullptr);
    EXPECT_EQ(FindTexture(u"Shout"), nullptr);
    EXPECT_EQ(FindTexture(u"deep"), nullptr);
    EXPECT_EQ(FindTexture(u"stray"), nullptr);
    lua_getglobal(g_lua, "cardAtlasRuns");
    EXPECT_EQ(lua_tonumber(g_lua, -1), 1.0);  // with its picture, not as a file of its own
    lua_pop(g_lua, 1);
    if (!haveJpeg)
        GTEST_SKIP() << "no generated JPEG to plant as a stray alpha image";
}

TEST_F(SplashTest, SplashFunctionsAcceptOnlyLiveHandlesOfTheirKind) {
    data.Picture("texture/splash/card.png");
    data.SplashScript(
        u"function FillSplash(s)\n"
        u"  local atlas = createTextureInfo('card')\n"
        u"  for _, bad in ipairs({42, 'splash', {}, true, atlas}) do\n"
        u"    setSplashBackColor(bad, 1, 0, 0)\n"
        u"    badNodes = (badNodes or 0) + (addSplashNode(bad, 1) == nil and 1 or 0)\n"
        u"    addSplashNodeImage(bad, 'card', 0, 0, 10, 10)\n"
        u"  end\n"
        u"  setSplashBackColor()\n"
        u"  noNode = addSplashNode()\n"
        u"  local node = addSplashNode(s, 2)\n"
        u"  nodeAsSplash = addSplashNode(node, 1)\n"
        u"  setSplashBackColor(node, 1, 0, 0)\n"
        u"  addSplashNodeImage(s, 'card', 0, 0, 10, 10)\n"
        u"  addSplashNodeImage(node, 'card', 100, 50, 600, 500)\n"
        u"  addSplashNodeImage(node, 'no_such_picture', 1, 2, 3, 4)\n"
        u"  addSplashNodeImage(node)\n"
        u"  setSplashBackColor(s, 0.5, 0.25, 1)\n"
        u"end\n");
    cSplashWidget* splash = MakeSplash();

    ASSERT_EQ(splash->steps.size(), 1u);
    const cSplashStep& step = *splash->steps[0];
    EXPECT_FLOAT_EQ(step.remaining, 2.0f);
    ASSERT_EQ(step.images.size(), 3u);
    EXPECT_EQ(step.images[0], FindTexture(u"card"));
    EXPECT_EQ(step.images[1], nullptr);  // a missing picture draws nothing
    EXPECT_EQ(step.images[2], nullptr);
    ASSERT_EQ(step.placements.size(), 3u);
    EXPECT_EQ(step.placements[0].x, 100.0f);
    EXPECT_EQ(step.placements[0].h, 500.0f);
    EXPECT_EQ(step.placements[2].w, 0.0f);
    EXPECT_EQ(probe.backColor, 0xFF7F3FFFu);

    auto global = [](const char* name) {
        lua_getglobal(g_lua, name);
        const int type = lua_type(g_lua, -1);
        const double value = lua_tonumber(g_lua, -1);
        lua_pop(g_lua, 1);
        return std::make_pair(type, value);
    };
    EXPECT_EQ(global("badNodes"), std::make_pair(LUA_TNUMBER, 5.0));
    EXPECT_EQ(global("noNode").first, LUA_TNIL);
    EXPECT_EQ(global("nodeAsSplash").first, LUA_TNIL);
    EXPECT_NE(test::ReadLog().find(u"Unknown splash handle"), std::u16string::npos);
}

// What a frame of the splash shows: the background colour, and each picture
// over its placement on the 800 × 600 screen with the fader as its alpha.
class SplashDrawTest : public test::GLTest {
  protected:
    SplashDrawTest() : test::GLTest(800, 600) {}
    void SetUp() override {
        test::GLTest::SetUp();
        if (IsSkipped())
            return;
        cSplashData::RegisterFunctions();
    }
    test::cRgbaImage Draw() {
        test::cRgbaImage frame;
        EXPECT_TRUE(g_render->Begin());
        g_game->DrawFrame();
        g_render->End();
        EXPECT_TRUE(test::CaptureFrame(&frame));
        return frame;
    }

    cSplashData data;
    cEndProbe probe;
};

TEST_F(SplashDrawTest, PicturesFadeOverTheBackgroundColour) {
    data.Picture("texture/splash/card.png", 255);
    data.SplashScript(
        u"function FillSplash(s)\n"
        u"  setSplashBackColor(s, 0, 0, 1)\n"
        u"  local node = addSplashNode(s, 3)\n"
        u"  addSplashNodeImage(node, 'card', 0, 0, 400, 600)\n"
        u"  addSplashNodeImage(node, 'not_loaded', 400, 0, 400, 300)\n"
        u"end\n");
    cSplashWidget* splash = new cSplashWidget(&probe);
    g_game->FocusWidget(u"splash");
    const struct {
        float fader;
        int left;  // red and green of the picture's half; blue stays 255
    } cases[] = {{0.0f, 0}, {0.5f, 127}, {1.0f, 255}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "fader " << c.fader);
        splash->fader.current = c.fader;
        const test::cRgbaImage frame = Draw();
        EXPECT_TRUE(test::PixelNear(frame, 100, 300, c.left, c.left, 255, 3));
        EXPECT_TRUE(test::PixelNear(frame, 399, 10, c.left, c.left, 255, 3));
        // The other half: background only, the missing picture draws nothing.
        EXPECT_TRUE(test::PixelNear(frame, 401, 10, 0, 0, 255, 3));
        EXPECT_TRUE(test::PixelNear(frame, 700, 500, 0, 0, 255, 3));
    }
    // Past the last step only the background is left.
    splash->current = 1;
    splash->fader.current = 1.0f;
    EXPECT_TRUE(test::PixelNear(Draw(), 100, 300, 0, 0, 255, 3));
}

}  // namespace
}  // namespace qor
