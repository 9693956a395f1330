#include "tests/DrawnLevel.h"

#include "app/Game.h"
#include "engine/Atlas.h"
#include "engine/Font.h"
#include "engine/Render.h"
#include "engine/ScriptFunctions.h"
#include "engine/Strings.h"
#include "engine/TextureCache.h"
#include "tests/LeakCheck.h"
#include "tests/TestUtil.h"

namespace qor::test {

void DrawnLevelTest::SetUpWith(std::initializer_list<const char16_t*> files) {
    GLTest::SetUp();
    if (IsSkipped())
        return;
    MarkGLUsed();
    UseTestSystemPaths();
    ASSERT_TRUE(RegisterEngineScriptFunctions());
    for (const char16_t* file : files) {
        ASSERT_EQ(LoadTexture(cPath(std::u16string(u"{StaticPath}/") + file)), 0) << ToUtf8(file);
    }
    m_draw = std::make_unique<cSceneDraw>(g_game->batch());
    m_draw->LoadSprites();
    g_sceneDraw = m_draw.get();
}

void DrawnLevelTest::UseParticles() {
    for (const char16_t* name : {u"part00", u"part01", u"part05", u"part08", u"part09"}) {
        ASSERT_EQ(
            LoadTexture(cPath(std::u16string(u"{StaticPath}/texture/effects/") + name + u".png")),
            0);
    }
    m_particles = std::make_unique<cParticleManager>(g_game->batch());
    m_particles->LoadTextures();
    g_particles = m_particles.get();
}

void DrawnLevelTest::TearDown() {
    m_particles.reset();
    m_draw.reset();
    ClearAtlasCaches();
    ClearFontCache();
    ClearTextureCache();
    GLTest::TearDown();
}

void DrawnLevelTest::DrawFrame(cDrawnLevel& level) {
    ASSERT_TRUE(g_render->Begin());
    level.level->Draw();
    g_render->End();
}

}  // namespace qor::test
