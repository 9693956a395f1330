// The test level as a player sees it, with the generated art: at the start,
// and a few seconds into the work (workers running with their shadows, the
// job markers, the progress bars over trees and nuggets), against golden
// pictures.
#include <gtest/gtest.h>

#include "app/Game.h"
#include "engine/Atlas.h"
#include "engine/Font.h"
#include "engine/Render.h"
#include "engine/ScriptFunctions.h"
#include "engine/Strings.h"
#include "engine/TextureCache.h"
#include "level/Worker.h"
#include "scene/SceneDraw.h"
#include "tests/GLTestContext.h"
#include "tests/GoldenImage.h"
#include "tests/LeakCheck.h"
#include "tests/LevelHarness.h"
#include "tests/TestUtil.h"

namespace qor::test {
namespace {

using level_test::cLevelHarness;

// The level with the game's own sprite look-ups and drawing.
class cDrawnLevel : public cLevelHarness {
  public:
    cDrawnLevel() : cLevelHarness(&DefaultSceneServices()) {}
};

class LevelGolden : public GLTest {
  protected:
    LevelGolden() : GLTest(1024, 768) {}
    void SetUp() override {
        GLTest::SetUp();
        if (IsSkipped())
            return;
        MarkGLUsed();
        UseTestSystemPaths();
        ASSERT_TRUE(RegisterEngineScriptFunctions());
        for (const char16_t* file :
             {u"texture/level/figures_worker.png", u"texture/level/sources.png",
              u"texture/effects/shadow.png", u"texture/effects/highlight.png",
              u"texture/gui/gui00.png", u"font/en/TimesNewRomanItalic22.png"}) {
            ASSERT_EQ(LoadTexture(cPath(std::u16string(u"{StaticPath}/") + file)), 0)
                << ToUtf8(file);
        }
        m_draw = std::make_unique<cSceneDraw>(g_game->batch());
        m_draw->LoadSprites();
        g_sceneDraw = m_draw.get();
    }
    void TearDown() override {
        m_draw.reset();
        ClearAtlasCaches();
        ClearFontCache();
        ClearTextureCache();
        GLTest::TearDown();
    }
    static void DrawFrame(cDrawnLevel& level) {
        ASSERT_TRUE(g_render->Begin());
        level.level->Draw();
        g_render->End();
    }
    std::unique_ptr<cSceneDraw> m_draw;
};

TEST_F(LevelGolden, TheTestLevelAtStartAndAtWork) {
    cDrawnLevel level;
    level.host.random.seed = 7;
    ASSERT_TRUE(level.Load("sources"));
    level.Begin();
    level.host.cursor = {1000, 20};
    level.Step(2);
    DrawFrame(level);
    EXPECT_TRUE(MatchesGolden("level_sources_start"));

    // Food for the trees and the nugget; every source asked for once.
    level.host.resources = {0, 100, 0, 0};
    level.StepSeconds(7);  // the fields ripen
    for (const char16_t* name : {u"nugget", u"well", u"west_field", u"wood", u"money"})
        EXPECT_TRUE(level.ClickOn(level.Find(name))) << ToUtf8(name);
    for (cObject* tree : level.OfType(scene_type::kTree)) {
        if (tree->name.empty())
            level.ClickOn(tree);
    }
    // Some are at work by now, the others still on their way.
    level.host.cursor = {1000, 20};
    level.StepSeconds(2.0f);
    DrawFrame(level);
    EXPECT_TRUE(MatchesGolden("level_sources_at_work"));
}

}  // namespace
}  // namespace qor::test
