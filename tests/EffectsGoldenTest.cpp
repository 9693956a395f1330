// Effects on screen with the generated art: particles of every group, a beam,
// a blast, a firework, hover rings, progress bars, shadows and a floating
// text over grass, drawn at game scale and compared with a golden image; and
// the widescreen bars on a wide window.
#include <gtest/gtest.h>

#include <string>

#include "engine/Font.h"
#include "engine/Render.h"
#include "engine/ScriptFunctions.h"
#include "engine/SpriteBatch.h"
#include "engine/TextureCache.h"
#include "scene/AnimEffectList.h"
#include "scene/ParticleManager.h"
#include "scene/SaluteList.h"
#include "scene/SceneDraw.h"
#include "scene/TextEffectList.h"
#include "tests/GLTestContext.h"
#include "tests/GoldenImage.h"
#include "tests/TestUtil.h"

namespace qor::test {
namespace {

constexpr float kTick = 0.033333335f;

template <int W, int H>
class EffectsOnScreen : public GLTest {
  protected:
    EffectsOnScreen() : GLTest(W, H) {}
    void SetUp() override {
        GLTest::SetUp();
        if (IsSkipped())
            return;
        UseTestSystemPaths();
        ASSERT_TRUE(RegisterEngineScriptFunctions());
    }
    void TearDown() override {
        ClearAtlasCaches();
        ClearFontCache();
        ClearTextureCache();
        GLTest::TearDown();
    }
    static void Load(const std::u16string& file) {
        ASSERT_EQ(LoadTexture(cPath(u"{StaticPath}/" + file)), 0);
    }
    cSpriteBatch m_batch;
};

using EffectsGolden = EffectsOnScreen<640, 480>;

TEST_F(EffectsGolden, EveryEffectWithTheGeneratedArt) {
    for (const char16_t* name : {u"part00", u"part01", u"part05", u"part08", u"part09", u"laser",
                                 u"explosion", u"base", u"highlight", u"shadow"}) {
        Load(std::u16string(u"texture/effects/") + name + u".png");
    }
    Load(u"texture/gui/gui00.png");
    Load(u"font/en/TimesNewRomanItalic22.png");

    cParticleManager particles(&m_batch);
    particles.LoadTextures();
    cEmitter* smoke = particles.AddSmoke();
    smoke->position = {80, 150, 0};
    cEmitter* fire = particles.AddFire();
    fire->position = {80, 110, 0};
    particles.AddFreezeSpell(30)->position = {250, 330, 0};
    particles.AddGrowSpell(30)->position = {400, 330, 0};
    particles.AddWorkerSpell(15)->position = {170, 300, 0};
    cEmitter* trail = particles.AddTrail();
    cAnimEffectList anims(&m_batch);
    cRandom random(3);
    cSaluteList salutes(&m_batch, &random, [](std::u16string_view) {});
    cTextEffectList texts(&m_batch, FindFont(u"TimesNewRomanItalic22"));
    cSceneDraw draw(&m_batch);
    draw.LoadSprites();

    // Six seconds of smoke and fire, then the short-lived effects.
    for (int tick = 0; tick < 180; ++tick) {
        const float t = static_cast<float>(tick) * kTick;
        trail->position = {300 + 250 * t / 6, 60 + 80 * t / 6, 0};
        if (tick == 160)
            particles.AddSparkle(50, 15, 0xFFFFE070u, {560, 250});
        if (tick == 174)
            anims.AddExplosion(1.5f, {170, 420});
        if (tick == 168) {
            anims.AddLaser({580, 40});
            salutes.AddSalute({420, 400}, 30, 0.65f, 0);
            texts.AddText(u"+5 ^F8C935FFgold^^", {170, 230});
        }
        particles.Update(kTick);
        anims.Update(kTick);
        salutes.Update(kTick);
        texts.Update(kTick);
    }

    ASSERT_TRUE(g_render->Begin());
    g_render->SetClearColor(0.486f, 0.749f, 0.29f, 1.0f);  // the island's grass
    g_render->Clear();
    g_render->Begin2D(640, 480, false);
    g_render->SetBlend(kBlendAlpha, 0.0f);
    g_render->SetColor(0xFFFFFFFFu);
    const cSpriteInfo ring = GetSpriteInfo(u"highlight", u"highlight");
    DrawSprite(&m_batch, ring.texture, ring.frames[0], {200, 160, 100, 44}, 0xFFFFFFFFu);
    DrawSprite(&m_batch, ring.texture, ring.frames[1], {350, 160, 100, 44}, 0xFFFFFFFFu);
    draw.DrawShadow({250, 182}, 0xFFFFFFFFu);
    draw.DrawShadow({400, 182}, 0x80FFFFFFu);
    draw.DrawProgressBar({250, 150}, 0.35f);
    draw.DrawProgressBar({400, 150}, 1.0f);
    particles.Draw(2);
    anims.Draw();
    salutes.Draw();
    FlushBatch(&m_batch);
    m_batch.Clear();
    texts.Draw();
    particles.Draw(4);
    EXPECT_EQ(g_render->blendKind(), kBlendAlpha) << "a pass ends with alpha blending";
    g_render->End2D();
    g_render->End();

    cRgbaImage frame;
    ASSERT_TRUE(CaptureFrame(&frame));
    EXPECT_TRUE(MatchesGolden("effects_scene"));
    // The beam is bright where it stands; the grass far from every effect is untouched.
    const uint8_t* beam = frame.AtUp(580, 150);
    EXPECT_GT(beam[0] + beam[1] + beam[2], 600);
    EXPECT_TRUE(PixelNear(frame, 20, 460, 124, 191, 74, 3));
}

using WidescreenBars = EffectsOnScreen<1280, 768>;

TEST_F(WidescreenBars, BarsBesideTheFourThreeAreaMirrorEachOther) {
    Load(u"texture/gui/widescreen.jpg");
    cSceneDraw draw(&m_batch);
    draw.LoadSprites();
    ASSERT_TRUE(g_render->Begin());
    g_render->SetClearColor(0, 0, 0, 1);
    g_render->Clear();
    g_render->Begin2D(1024, 768, true);
    g_render->SetBlend(kBlendAlpha, 0.0f);
    draw.DrawWidescreenBars(&m_batch);
    const cViewport band = g_render->viewport();
    EXPECT_EQ(band.x, 128) << "the virtual screen's band is back";
    EXPECT_EQ(band.w, 1024);
    g_render->End2D();
    g_render->End();
    cRgbaImage frame;
    ASSERT_TRUE(CaptureFrame(&frame));
    int differing = 0;
    for (int y = 0; y < 768; y += 16) {
        for (int x = 0; x < 128; x += 4) {
            const uint8_t* left = frame.AtUp(x, y);
            const uint8_t* right = frame.AtUp(1279 - x, y);
            differing += std::abs(left[0] - right[0]) + std::abs(left[1] - right[1]) > 6;
        }
        EXPECT_TRUE(PixelNear(frame, 640, y, 0, 0, 0)) << "the play area is not covered";
    }
    EXPECT_EQ(differing, 0);
    const uint8_t* bar = frame.AtUp(64, 384);
    EXPECT_GT(bar[0] + bar[1] + bar[2], 60) << "the bar shows the texture";
}

}  // namespace
}  // namespace qor::test
