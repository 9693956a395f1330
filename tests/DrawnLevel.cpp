#include "tests/DrawnLevel.h"

#include "app/Game.h"
#include "engine/Atlas.h"
#include "engine/Font.h"
#include "engine/Render.h"
#include "engine/ScriptFunctions.h"
#include "engine/Strings.h"
#include "engine/TextureCache.h"
#include "scene/SceneServices.h"
#include "tests/LeakCheck.h"
#include "tests/TestUtil.h"

namespace qor::test {

cDrawnLevel::cDrawnLevel() : cLevelHarness(&DefaultSceneServices()) {}

void LevelDrawingTest::SetUp() {
    GLTest::SetUp();
    if (IsSkipped())
        return;
    MarkGLUsed();
    UseTestSystemPaths();
    ASSERT_TRUE(RegisterEngineScriptFunctions());
    for (const char16_t* file :
         {u"texture/level/figures_worker.png", u"texture/level/figures_folk.png",
          u"texture/level/sources.png", u"texture/level/prison.png", u"texture/effects/shadow.png",
          u"texture/effects/highlight.png", u"texture/gui/gui00.png",
          u"font/en/TimesNewRomanItalic22.png"}) {
        ASSERT_EQ(LoadTexture(cPath(std::u16string(u"{StaticPath}/") + file)), 0) << ToUtf8(file);
    }
    m_draw = std::make_unique<cSceneDraw>(g_game->batch());
    m_draw->LoadSprites();
    g_sceneDraw = m_draw.get();
}

void LevelDrawingTest::TearDown() {
    m_draw.reset();
    ClearAtlasCaches();
    ClearFontCache();
    ClearTextureCache();
    GLTest::TearDown();
}

void LevelDrawingTest::DrawFrame(cDrawnLevel& level) {
    ASSERT_TRUE(g_render->Begin());
    level.level->Draw();
    g_render->End();
}

}  // namespace qor::test
