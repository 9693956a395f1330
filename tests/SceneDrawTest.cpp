// The shared scene drawing operations, read back from the batch they write:
// the widescreen bars, the progress bar, the shadow, single frames and frames
// chosen by time with their cross-fade; and the generated sprites they use.
#include "scene/SceneDraw.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "engine/ScriptFunctions.h"
#include "engine/Strings.h"
#include "tests/EffectTestKit.h"

namespace qor::test {
namespace {

class SceneDrawTest : public EffectTest {
  protected:
    cSceneDraw draw{&m_batch};
};

TEST_F(SceneDrawTest, WidescreenBarsFillTheSidesMirroredOnTheRight) {
    const struct {
        float w, h;
        float side;  // 0: no bars
    } cases[] = {{1280, 768, 128}, {1920, 1080, 240}, {1024, 768, 0}, {800, 1000, 0}};
    cTextureRef texture = AddTexture(u"widescreen", cImage{});
    for (const auto& c : cases) {
        m_batch.Clear();
        WriteWidescreenBars(&m_batch, texture, c.w, c.h);
        if (c.side == 0) {
            EXPECT_EQ(QuadCount(m_batch), 0) << c.w << " x " << c.h;
            continue;
        }
        ASSERT_EQ(QuadCount(m_batch), 2) << c.w << " x " << c.h;
        ExpectRect(QuadAt(m_batch, 0).pos, 0, 0, c.side, c.h);
        ExpectRect(QuadAt(m_batch, 0).uv, 0, 0, 1, 1);
        ExpectRect(QuadAt(m_batch, 1).pos, c.w - c.side, 0, c.side, c.h);
        ExpectRect(QuadAt(m_batch, 1).uv, 1, 0, -1, 1);
        EXPECT_EQ(QuadAt(m_batch, 1).color, 0xFFFFFFFFu);
    }
}

TEST_F(SceneDrawTest, ProgressBarCropsTheFullBarFromTheLeft) {
    // Frame 0 (top half) the full bar, frame 1 the empty one, each 64 × 12.
    draw.progressSprite = MakeSprite(u"gui00", u"progress", 64, 24, 1, 2, 30);
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const struct {
        float fraction;
        float shown;  // of the full bar; 0: only the empty bar
    } cases[] = {{0, 0}, {0.5f, 0.5f}, {1, 1}, {1.7f, 1}, {-0.3f, 0}, {nan, 0}};
    for (const auto& c : cases) {
        m_batch.Clear();
        draw.DrawProgressBar({200, 100}, c.fraction);
        ASSERT_EQ(QuadCount(m_batch), c.shown > 0 ? 2 : 1) << c.fraction;
        ExpectRect(QuadAt(m_batch, 0).pos, 168, 94, 64, 12);
        ExpectRect(QuadAt(m_batch, 0).uv, 0, 0, 1, 0.5f);
        if (c.shown > 0) {
            ExpectRect(QuadAt(m_batch, 1).pos, 168, 94, 64 * c.shown, 12);
            ExpectRect(QuadAt(m_batch, 1).uv, 0, 0.5f, c.shown, 0.5f);
        }
    }
    // A bar sprite of one frame still shows its fill, and nothing reads past it.
    draw.progressSprite = MakeSprite(u"bar", u"bar", 64, 12, 1, 1, 30);
    m_batch.Clear();
    draw.DrawProgressBar({200, 100}, 0.25f);
    ASSERT_EQ(QuadCount(m_batch), 1);
    ExpectRect(QuadAt(m_batch, 0).pos, 168, 94, 16, 12);
    // Without the sprite nothing is drawn.
    draw.progressSprite = {};
    m_batch.Clear();
    draw.DrawProgressBar({200, 100}, 0.5f);
    draw.DrawShadow({200, 100}, 0x80FFFFFFu);
    EXPECT_EQ(QuadCount(m_batch), 0);
}

TEST_F(SceneDrawTest, ShadowAndSingleFrames) {
    draw.shadowSprite = MakeSprite(u"shadow", u"shadow", 48, 20, 1, 1, 30);
    draw.DrawShadow({100, 50}, 0x80FFFFFFu);
    ASSERT_EQ(QuadCount(m_batch), 1);
    ExpectRect(QuadAt(m_batch, 0).pos, 76, 40, 48, 20);
    EXPECT_EQ(QuadAt(m_batch, 0).color, 0x80FFFFFFu);

    // A plain sprite sits with its lower-left corner on the point; an extended
    // one on each frame's anchor with each frame's size.
    const cSpriteInfo plain = MakeSprite(u"walk", u"walk", 128, 32, 4, 1, 10);
    MakeSprite(u"sheet", u"unused", 64, 64, 1, 1, 30);
    SetExFrames(CreateTextureInfoEx(u"hero").get(), u"sheet",
                {{10, 2, 0, 0, 0.5f, 1, 20, 40}, {12, 3, 0.5f, 0, 0.5f, 1, 24, 42}}, 8);
    const cSpriteInfo ex = GetSpriteInfoEx(u"hero");
    m_batch.Clear();
    draw.DrawSpriteFrame(plain, {300, 200}, 2);
    draw.DrawSpriteFrame(ex, {300, 200}, 1);
    draw.DrawSpriteFrame(plain, {300, 200}, 4);  // no such frame
    draw.DrawSpriteFrame(ex, {300, 200}, -1);    // no such frame
    draw.DrawSpriteFrame({}, {300, 200}, 0);     // not found
    ASSERT_EQ(QuadCount(m_batch), 2);
    ExpectRect(QuadAt(m_batch, 0).pos, 300, 200, 32, 32);
    ExpectRect(QuadAt(m_batch, 0).uv, 0.5f, 0, 0.25f, 1);
    ExpectRect(QuadAt(m_batch, 1).pos, 288, 197, 24, 42);
    ExpectRect(QuadAt(m_batch, 1).uv, 0.5f, 0, 0.5f, 1);
}

// Frames of a 4-frame sprite at 10 per second: 0.1 s each, 0.4 s in all.
TEST_F(SceneDrawTest, SpriteAtTimePicksTheFrameAndFadesFromItsPredecessor) {
    const cSpriteInfo sprite = MakeSprite(u"anim", u"anim", 128, 32, 4, 1, 10);
    struct cDrawn {
        int frame;
        uint32_t alpha;
    };
    const struct {
        float time, blend;
        bool loop;
        std::vector<cDrawn> drawn;
    } cases[] = {
        {0.05f, -1, false, {{0, 255}}},            // the very start fades in from nothing
        {0.13f, -1, false, {{0, 127}, {1, 127}}},  // halfway through the 0.06 s fade
        {0.17f, -1, false, {{1, 255}}},            // past 60 % of the frame: plain
        {5.0f, -1, false, {{3, 255}}},             // past the end: the last frame
        {1.01f, 0, true, {{2, 255}}},              // 2.5 lengths on: half way, frame 2
        {0.02f, -1, true, {{3, 170}, {0, 84}}},    // a loop fades in from its last frame
        {-1.0f, -1, false, {{0, 255}}},            // before the start: the start
        {std::numeric_limits<float>::infinity(), 0, true, {{0, 255}}},
    };
    for (const auto& c : cases) {
        m_batch.Clear();
        draw.DrawSpriteAtTime(sprite, c.time, {50, 60}, c.blend, c.loop);
        ASSERT_EQ(QuadCount(m_batch), static_cast<int>(c.drawn.size())) << "t = " << c.time;
        for (size_t i = 0; i < c.drawn.size(); ++i) {
            const cQuad q = QuadAt(m_batch, static_cast<int>(i));
            EXPECT_FLOAT_EQ(q.uv.x, 0.25f * static_cast<float>(c.drawn[i].frame))
                << "t = " << c.time << ", quad " << i;
            EXPECT_EQ(q.color >> 24, c.drawn[i].alpha) << "t = " << c.time << ", quad " << i;
            ExpectRect(q.pos, 50, 60, 32, 32);
        }
    }
    // Without a frame rate: 30 frames per second.
    cSpriteInfo still = sprite;
    still.fps = 0;
    m_batch.Clear();
    draw.DrawSpriteAtTime(still, 0.05f, {0, 0}, 0, false);
    ASSERT_EQ(QuadCount(m_batch), 1);
    EXPECT_FLOAT_EQ(QuadAt(m_batch, 0).uv.x, 0.25f);
}

// The generated data holds what the operations and the effects look up.
TEST_F(SceneDrawTest, GeneratedSpritesAreWhereTheGameLooksForThem) {
    ASSERT_TRUE(RegisterEngineScriptFunctions());
    for (const char16_t* file :
         {u"{StaticPath}/texture/gui/gui00.png", u"{StaticPath}/texture/gui/widescreen.jpg",
          u"{StaticPath}/texture/effects/shadow.png", u"{StaticPath}/texture/effects/laser.png",
          u"{StaticPath}/texture/effects/explosion.png", u"{StaticPath}/texture/effects/base.png",
          u"{StaticPath}/texture/effects/highlight.png"}) {
        ASSERT_EQ(LoadTexture(cPath(file)), 0) << ToUtf8(file);
    }
    draw.LoadSprites();
    EXPECT_TRUE(draw.widescreenTexture);
    EXPECT_EQ(draw.progressSprite.frameCount, 2);
    EXPECT_EQ(draw.progressSprite.width, 64);
    EXPECT_EQ(draw.progressSprite.height, 12);
    ASSERT_TRUE(draw.shadowSprite.texture) << "found by its name alone";
    ASSERT_TRUE(draw.shadowSprite.offsets);
    EXPECT_EQ(draw.shadowSprite.offsets[0].x, draw.shadowSprite.width / 2);
    EXPECT_EQ(draw.shadowSprite.offsets[0].y, draw.shadowSprite.height / 2);
    const struct {
        const char16_t *texture, *area;
        int frames;
    } sprites[] = {{u"laser", u"laser", 8},
                   {u"explosion", u"explosion", 8},
                   {u"base", u"firework", 8},
                   {u"highlight", u"highlight", 2}};
    for (const auto& s : sprites) {
        const cSpriteInfo info = GetSpriteInfo(s.texture, s.area);
        EXPECT_EQ(info.frameCount, s.frames) << ToUtf8(s.area);
        EXPECT_GT(info.fps, 0) << ToUtf8(s.area);
    }
}

}  // namespace
}  // namespace qor::test
