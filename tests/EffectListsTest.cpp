// The effect lists: floating texts, one-shot sprite animations, fireworks and
// flying icons, stepped with the fixed tick and drawn into a batch.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "scene/AnimEffectList.h"
#include "scene/FlyingSpriteList.h"
#include "scene/ParticleManager.h"
#include "scene/SaluteList.h"
#include "scene/TextEffectList.h"
#include "tests/EffectTestKit.h"

namespace qor::test {
namespace {

constexpr float kTick = 0.033333335f;

class TextEffects : public EffectTest {
  protected:
    void SetUp() override {
        EffectTest::SetUp();
        font = CreateOrResetFont(u"floating");
        font->cellHeight = 20;
        for (char16_t ch : std::u16string(u"AB+5"))
            font->SetGlyph(ch, {12, 0, 0, 0.1f, 0.1f, 0, 10});
    }
    cFontRef font;
};

TEST_F(TextEffects, ATextRisesFadesInItsLastSecondAndGoesAfterTwoSeconds) {
    cTextEffectList texts(&m_batch, font);
    texts.AddText(u"+5", {200, 100});
    ASSERT_EQ(texts.entries.size(), 1u);
    // Centred on the point: "+5" is 10 + 12 wide and 20 high.
    EXPECT_FLOAT_EQ(texts.entries[0].position.x, 189.0f);
    EXPECT_FLOAT_EQ(texts.entries[0].position.y, 90.0f);
    const struct {
        int ticks;  // total so far
        bool alive;
        float rise;
        uint32_t alpha;
    } steps[] = {{1, true, 0.4f, 255},
                 {29, true, 11.6f, 255},
                 {31, true, 12.4f, 246},
                 {45, true, 18.0f, 127},
                 {59, true, 23.6f, 8},
                 // 60 float ticks leave a few ten-millionths of the two seconds
                 {61, false, 0, 0}};
    int done = 0;
    for (const auto& s : steps) {
        for (; done < s.ticks; ++done)
            texts.Update(kTick);
        ASSERT_EQ(!texts.entries.empty(), s.alive) << "after " << s.ticks << " ticks";
        if (!s.alive)
            break;
        EXPECT_NEAR(texts.entries[0].position.y - 90.0f, s.rise, 1e-3f) << s.ticks;
        EXPECT_EQ(texts.entries[0].color, (s.alpha << 24) | 0x00FFFFFFu) << s.ticks;
    }
}

TEST_F(TextEffects, ColouredPartsFadeWithTheRestOfTheText) {
    cTextEffectList texts(&m_batch, font);
    texts.AddText(u"^FF0000FFA^^B", {100, 100});
    for (int i = 0; i < 45; ++i)  // half a second left
        texts.Update(kTick);
    texts.Draw();
    // Drawing flushes the batch, but the vertices it wrote are still there.
    const uint32_t red = m_batch.vertices[6 * 9].color;  // after the eight-digit code and "^"
    EXPECT_EQ(red & 0x00FFFFFFu, 0x00FF0000u);
    EXPECT_EQ(red >> 24, 127u) << "the red letter fades like the white one";
    EXPECT_EQ(m_batch.vertices[6 * 12].color, 0x7FFFFFFFu);
    EXPECT_EQ(m_batch.runCount, 0) << "the texts are flushed";
}

class AnimEffects : public EffectTest {};

TEST_F(AnimEffects, AnAnimationPlaysItsFramesOnceAndGoes) {
    cAnimEffectList anims(&m_batch);
    const cSpriteInfo four = MakeSprite(u"blast", u"blast", 128, 32, 4, 1, 30);
    const cSpriteInfo single = MakeSprite(u"puff", u"puff", 32, 32, 1, 1, 10);
    anims.AddAnimation(four, {100, 100}, {1, 1});
    anims.AddAnimation(single, {200, 100}, {1, 1});
    anims.AddAnimation(cSpriteInfo{}, {300, 100}, {1, 1});  // not found: nothing
    ASSERT_EQ(anims.entries.size(), 2u);
    const struct {
        int ticks;
        size_t entries;
        int frame;  // of the four-frame blast
    } steps[] = {{1, 2, 1}, {2, 2, 2}, {3, 1, 3}, {4, 0, -1}};
    int done = 0;
    for (const auto& s : steps) {
        for (; done < s.ticks; ++done)
            anims.Update(kTick);
        ASSERT_EQ(anims.entries.size(), s.entries) << "after " << s.ticks << " ticks";
        if (s.frame >= 0) {
            EXPECT_EQ(anims.entries[0].player.frame, s.frame);
        }
    }
}

TEST_F(AnimEffects, TheBeamStandsOnItsPointSixSpriteHeightsHigh) {
    MakeSprite(u"laser", u"laser", 64, 32, 4, 1, 12);  // frames of 16 × 32
    MakeSprite(u"explosion", u"explosion", 128, 64, 2, 1, 20);
    cAnimEffectList anims(&m_batch);
    anims.AddLaser({300, 200});
    anims.AddExplosion(1.5f, {500, 400});
    anims.Draw();
    ASSERT_EQ(QuadCount(m_batch), 2);
    ExpectRect(QuadAt(m_batch, 0).pos, 300 - 16, 200, 32, 192);
    ExpectRect(QuadAt(m_batch, 0).uv, 0, 0, 0.25f, 1);
    ExpectRect(QuadAt(m_batch, 1).pos, 500 - 48, 400 - 48, 96, 96);
    EXPECT_EQ(QuadAt(m_batch, 1).color, 0xFFFFFFFFu);
}

TEST_F(AnimEffects, ExtendedSpritesUseEachFramesAnchorAndSize) {
    MakeSprite(u"sheet", u"unused", 64, 64, 1, 1, 30);
    cTextureInfoExRef ex = CreateTextureInfoEx(u"poof");
    SetExFrames(ex.get(), u"sheet",
                {{4, 6, 0, 0, 0.5f, 0.5f, 10, 12}, {8, 2, 0.5f, 0, 0.5f, 0.5f, 20, 8}}, 30);
    cAnimEffectList anims(&m_batch);
    anims.AddAnimation(GetSpriteInfoEx(u"poof"), {100, 100}, {2, 3});
    anims.Draw();
    anims.Update(kTick);
    anims.Draw();
    ASSERT_EQ(QuadCount(m_batch), 2);
    ExpectRect(QuadAt(m_batch, 0).pos, 100 - 2 * 4, 100 - 3 * 6, 20, 36);
    ExpectRect(QuadAt(m_batch, 1).pos, 100 - 2 * 8, 100 - 3 * 2, 40, 24);
}

class Fireworks : public EffectTest {};

TEST_F(Fireworks, FiveShotsAndTheBangsOfEachLauncher) {
    MakeSprite(u"base", u"firework", 512, 256, 4, 2, 12);
    const struct {
        uint32_t soundEvery;
        std::vector<int> bangingShots;
    } cases[] = {{2, {3}}, {0, {1, 2, 3, 4, 5}}, {1, {2, 4}}};
    for (const auto& c : cases) {
        std::vector<std::u16string> bangs;
        cRandom random(12345);
        cSaluteList salutes(&m_batch, &random,
                            [&](std::u16string_view name) { bangs.emplace_back(name); });
        salutes.AddSalute({400, 300}, 70, 0.65f, c.soundEvery);
        std::vector<int> fireTicks, bangShots;
        for (int tick = 1; tick <= 150; ++tick) {
            const size_t bangsBefore = bangs.size();
            salutes.Update(kTick);
            // A shot fired in this update has not aged yet.
            if (std::any_of(salutes.shots.begin(), salutes.shots.end(),
                            [](const cSaluteList::cShot& s) { return s.time == 0.0f; })) {
                fireTicks.push_back(tick);
                if (bangs.size() > bangsBefore)
                    bangShots.push_back(static_cast<int>(fireTicks.size()));
            }
        }
        EXPECT_EQ(fireTicks, (std::vector<int>{1, 21, 41, 61, 81})) << "every " << c.soundEvery;
        EXPECT_EQ(bangShots, c.bangingShots) << "every " << c.soundEvery;
        EXPECT_TRUE(salutes.launchers.empty());
        EXPECT_TRUE(salutes.shots.empty()) << "each burst ends after its eight frames";
        for (const auto& name : bangs) {
            EXPECT_TRUE(name == u"salute00" || name == u"salute01" || name == u"salute02");
        }
    }
}

TEST_F(Fireworks, ShotsLandWithinTheSpreadAndPlayTheirFrames) {
    MakeSprite(u"base", u"firework", 512, 256, 4, 2, 12);
    cRandom random(99);
    cSaluteList salutes(&m_batch, &random, [](std::u16string_view) {});
    salutes.AddSalute({400, 300}, 70, 0.65f, 0);
    salutes.Update(kTick);
    ASSERT_EQ(salutes.shots.size(), 1u);
    const cRectF& r = salutes.shots[0].rect;
    EXPECT_EQ(r.w, 128.0f);
    EXPECT_EQ(r.h, 128.0f);
    EXPECT_LE(std::abs(r.x + 64 - 400), 70.0f);
    EXPECT_LE(std::abs(r.y + 64 - 300), 70.0f);
    std::vector<float> frameU;
    for (int i = 0; i < 19; ++i) {
        m_batch.Clear();
        salutes.Draw();
        frameU.push_back(QuadAt(m_batch, 0).uv.x);
        salutes.Update(kTick);
    }
    EXPECT_EQ(frameU.front(), 0.0f);
    EXPECT_EQ(frameU[3], 0.25f) << "12 frames per second: the second frame from 1/12 s";
    EXPECT_EQ(frameU.back(), 0.75f) << "the last frame of the lower row";
}

class FlyingSprites : public EffectTest {};

TEST_F(FlyingSprites, AnIconFliesStraightAndEndsInASparkleBurst) {
    MakeSprite(u"gui_main0", u"wood", 96, 32, 3, 1, 10);
    cParticleManager particles;
    cFlyingSpriteList list(&m_batch, &particles, true);
    cFlyingSpriteList::cEntry* icon = list.AddFlyingSprite(u"gui_main0", u"wood");
    list.AddPathPoint(icon, {100, 100}, 0.0f);
    list.AddPathPoint(icon, {230, 360}, 1.3f);
    EXPECT_FLOAT_EQ(icon->position.x, 100.0f);
    ASSERT_NE(icon->trail, nullptr);
    cEmitter* trail = icon->trail;
    std::vector<uint32_t> frames;
    for (int i = 0; i < 20; ++i) {
        list.Update(kTick);
        particles.Update(kTick);
        frames.push_back(icon->frame);
    }
    // 20 ticks of 1.3 s: straight along the line at constant speed.
    const float f = 20 * kTick / 1.3f;
    EXPECT_NEAR(icon->position.x, 100 + 130 * f, 0.05f);
    EXPECT_NEAR(icon->position.y, 100 + 260 * f, 0.05f);
    EXPECT_EQ(trail->position.x, icon->position.x) << "the trail follows the icon";
    EXPECT_GT(trail->emitted, 20);
    // 10 frames per second over three frames: the second frame after 0.1 s,
    // then round again, one frame step at most per tick.
    EXPECT_EQ(frames[1], 0u);
    EXPECT_EQ(frames[2], 1u);
    for (size_t i = 1; i < frames.size(); ++i)
        EXPECT_TRUE(frames[i] == frames[i - 1] || frames[i] == (frames[i - 1] + 1) % 3) << i;
    EXPECT_EQ(*std::max_element(frames.begin(), frames.end()), 2u);
    list.Draw();
    ASSERT_EQ(QuadCount(m_batch), 1);
    ExpectRect(QuadAt(m_batch, 0).pos, icon->position.x - 16, icon->position.y - 16, 32, 32);

    for (int i = 20; i < 38; ++i)
        list.Update(kTick);
    ASSERT_EQ(list.entries.size(), 1u) << "still flying before 1.3 s";
    list.Update(kTick);
    EXPECT_TRUE(list.entries.empty());
    EXPECT_TRUE(trail->IsFinished());
    const auto& emitters = particles.Group(kGroupSparkle).emitters;
    ASSERT_EQ(emitters.size(), 2u);
    EXPECT_TRUE(emitters[1]->flags & kEmitterBurst);
    // Where the icon was last seen, one tick short of the end point.
    EXPECT_NEAR(emitters[1]->position.x, 230.0f - 130.0f * kTick / 1.3f, 0.05f);
    EXPECT_NEAR(emitters[1]->position.y, 360.0f - 260.0f * kTick / 1.3f, 0.05f);
    particles.Update(kTick);
    EXPECT_EQ(particles.Group(kGroupSparkle).emitters.size(), 1u) << "the trail is gone";
}

TEST_F(FlyingSprites, IconsWithoutPathsOrSpritesAndClearedTrails) {
    cParticleManager particles;
    cFlyingSpriteList list(&m_batch, &particles, true);
    // Not found: flies, draws nothing.
    cFlyingSpriteList::cEntry* ghost = list.AddFlyingSprite(u"nothing", u"here");
    list.AddPathPoint(ghost, {0, 0}, 0);
    list.AddPathPoint(ghost, {10, 0}, 1);
    // Never given a path: gone at the next update, without a burst.
    list.AddFlyingSprite(u"nothing", u"here");
    list.Update(kTick);
    ASSERT_EQ(list.entries.size(), 1u);
    list.Draw();
    EXPECT_EQ(QuadCount(m_batch), 0);
    particles.Update(kTick);
    EXPECT_EQ(particles.Group(kGroupSparkle).emitters.size(), 1u) << "only the ghost's trail";

    // The scene clears the particle groups while the icon flies: its trail
    // went with them and must not be touched again.
    particles.ClearAll();
    for (int i = 0; i < 40; ++i)
        list.Update(kTick);
    EXPECT_TRUE(list.entries.empty());
    EXPECT_TRUE(particles.Group(kGroupSparkle).emitters.empty());

    // Clearing the list stops the trails of the icons in flight.
    cFlyingSpriteList::cEntry* icon = list.AddFlyingSprite(u"nothing", u"here");
    list.AddPathPoint(icon, {0, 0}, 0);
    list.AddPathPoint(icon, {10, 0}, 5);
    cEmitter* trail = icon->trail;
    list.Clear();
    EXPECT_TRUE(trail->IsFinished());
    particles.Update(kTick);
    EXPECT_TRUE(particles.Group(kGroupSparkle).emitters.empty());

    cFlyingSpriteList plain(&m_batch, &particles, false);
    EXPECT_EQ(plain.AddFlyingSprite(u"nothing", u"here")->trail, nullptr);
}

}  // namespace
}  // namespace qor::test
