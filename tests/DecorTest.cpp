#include "scene/Decor.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "scene/Random.h"
#include "tests/SceneTestKit.h"

namespace {

using scene_test::cTestScene;
using scene_test::MakeSprite;

constexpr float kTick = 0.033333335f;

// The decor draws from the game's generator; the tests give it one of their
// own and replay a copy to know every value it drew.
class Decor : public ::testing::Test {
  protected:
    void SetUp() override {
        m_saved = g_gameRandom;
        g_gameRandom = &random;
        for (const char16_t* area :
             {u"menu_tree_r1", u"menu_tree_l3", u"menu_mush2", u"menu_tree_l2", u"menu_tree_r0",
              u"menu_lighting", u"menu_clouds1", u"map_tree07", u"menu_tree_r2"}) {
            scene.services.sprites[area] = MakeSprite(1, 100, 200, 30);
        }
        scene.services.sprites[u"map_decor03"] = MakeSprite(8, 20, 20, 10);
        scene.services.sprites[u"water00"] = MakeSprite(4, 60, 30, 10);
    }
    void TearDown() override { g_gameRandom = m_saved; }

    cDecor* Make(const std::u16string& kind) {
        auto* decor = static_cast<cDecor*>(scene.widget->CreateObject(cDecor::kType));
        decor->SetKind(kind);
        return decor;
    }
    void Tick(cDecor* decor, int ticks) {
        for (int i = 0; i < ticks; ++i)
            decor->Tick();
    }

    cTestScene scene;
    cRandom random{2024};

  private:
    cRandom* m_saved = nullptr;
};

TEST_F(Decor, EachAreaNameGetsItsBehaviourFromTheGamesGenerator) {
    enum Draw { kSpeed = 1, kPhase = 2, kGust = 4, kStorm = 8, kDrift = 16, kFrame = 32 };
    struct Case {
        const char16_t* kind;
        float amplitude;
        float speedLow, speedHigh;
        int draws;  // what the kind draws, in this order
        bool bounce;
    };
    const Case cases[] = {
        {u"menu;menu_tree_r1", 0.0654498f, 0.2f, 0.2f, kPhase, false},
        {u"menu;menu_tree_l3", 0.0654498f, 0.15f, 0.2f, kSpeed | kPhase, false},
        {u"menu;menu_mush2", 0.0872665f, 0.2f, 0.25f, kSpeed | kPhase, true},
        {u"menu;menu_tree_l2", 0.0560999f, 0.3f, 0.3f, kPhase | kGust, false},
        {u"menu;menu_lighting", 0, 0, 0, kStorm, false},
        {u"menu;menu_clouds1", 0, 0, 0, kDrift, false},
        {u"map;map_tree07", 0.19635f, 0.2f, 0.3f, kSpeed | kPhase, false},
        {u"map;map_decor03", 0, 0, 0, kFrame, false},
        // an area of no special kind, and a sprite by name: they only play
        {u"menu;menu_tree_r2", 0, 0, 0, 0, false},
        {u"menu_tree_r1", 0, 0, 0, 0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.kind, c.kind + std::char_traits<char16_t>::length(c.kind)));
        cRandom replay = random;
        cDecor* decor = Make(c.kind);
        EXPECT_EQ(decor->animationName, u"life");
        EXPECT_TRUE(decor->GetSprite().texture);
        EXPECT_EQ(decor->animations.player.mode, qor::kAnimLoop);
        EXPECT_FLOAT_EQ(decor->swayMin, -c.amplitude);
        EXPECT_FLOAT_EQ(decor->swayMax, c.amplitude);
        EXPECT_EQ(decor->bounce != 0, c.bounce);
        const float speed = (c.draws & kSpeed) ? replay.Range(c.speedLow, c.speedHigh) : c.speedLow;
        EXPECT_FLOAT_EQ(decor->swaySpeed, speed);
        EXPECT_GE(decor->swaySpeed, c.speedLow);
        EXPECT_LE(decor->swaySpeed, c.speedHigh);
        EXPECT_FLOAT_EQ(decor->swayPhase, (c.draws & kPhase) ? replay.Unit() : 0.0f);
        EXPECT_EQ(decor->gusty != 0, (c.draws & kGust) != 0);
        EXPECT_FLOAT_EQ(decor->gustTimer, (c.draws & kGust) ? replay.Range(4, 8) : 0.0f);
        EXPECT_EQ(decor->lightning != 0, (c.draws & kStorm) != 0);
        EXPECT_FLOAT_EQ(decor->stormTimer, (c.draws & kStorm) ? replay.Range(2, 3) : 0.0f);
        EXPECT_FLOAT_EQ(decor->driftX, (c.draws & kDrift) ? replay.Unit() : 0.0f);
        EXPECT_FLOAT_EQ(decor->driftSpeedX, (c.draws & kDrift) ? replay.Range(0.03f, 0.05f) : 0);
        EXPECT_EQ(decor->GetFrame(), (c.draws & kFrame) ? static_cast<int>(replay.Next() % 8) : 0);
        // Nothing else was drawn.
        EXPECT_EQ(random.seed, replay.seed);
    }
}

TEST_F(Decor, SwayRunsToEachEndAndBackWhileAPlainSpriteNeverLeans) {
    cDecor* tree = Make(u"menu;menu_tree_r1");  // 0.2 of the swing per second
    cDecor* plain = Make(u"menu_tree_r1");
    tree->swayPhase = 0.0f;
    float lowest = 1, highest = 0;
    for (int tick = 1; tick <= 300; ++tick) {  // ten seconds: one way and back
        tree->Tick();
        plain->Tick();
        // A triangle wave of period 10 s.
        const float t = std::fmod(tick * kTick * 0.2f, 2.0f);
        ASSERT_NEAR(tree->swayPhase, t <= 1 ? t : 2 - t, 1e-3f) << tick;
        lowest = std::min(lowest, tree->swayPhase);
        highest = std::max(highest, tree->swayPhase);
        ASSERT_EQ(plain->SwayAngle(), 0.0f);
    }
    EXPECT_LT(lowest, 0.01f);
    EXPECT_GT(highest, 0.99f);
    EXPECT_NEAR(tree->SwayAngle(), tree->swayMin, 1e-3f);
}

TEST_F(Decor, AGustShakesTheTreeForItsLastTwoSecondsThenCalms) {
    cRandom replay = random;
    cDecor* tree = Make(u"menu;menu_tree_r0");
    replay.Unit();                               // its phase
    const float firstGust = replay.Range(4, 8);  // seconds to the end of the gust
    int shaking = 0, endTick = 0;
    for (int tick = 1; tick <= 300 && !endTick; ++tick) {
        tree->Tick();
        if (tree->gustOn) {
            ++shaking;
            EXPECT_FLOAT_EQ(std::fabs(tree->swaySpeed), 20.0f);
        } else if (shaking > 0) {
            endTick = tick;
        }
    }
    EXPECT_NEAR(endTick * kTick, firstGust, kTick * 1.5f);
    EXPECT_NEAR(shaking * kTick, 2.0f, kTick * 1.5f);
    EXPECT_FLOAT_EQ(tree->swaySpeed, 0.3f);
    EXPECT_FLOAT_EQ(tree->gustTimer, replay.Range(15, 30));
    // Between gusts the phase still stays within its ends.
    Tick(tree, 600);
    EXPECT_GE(tree->swayPhase, 0.0f);
    EXPECT_LE(tree->swayPhase, 1.0f);
}

TEST_F(Decor, AStormFlashesThreeToFiveTimesAndTheNextComesTenToTwentySecondsLater) {
    cDecor* bolt = Make(u"menu;menu_lighting");
    // Two storms: count the flashes and their lengths, and when each storm began.
    std::vector<int> flashLengths;
    std::vector<int> stormStarts;
    std::vector<int> expectedFlashes;
    float lastTimer = bolt->stormTimer;
    bool flashing = false;
    for (int tick = 1; tick <= 30 * 45; ++tick) {
        const cRandom before = random;
        bolt->Tick();
        if (bolt->stormTimer > lastTimer) {
            cRandom replay = before;
            expectedFlashes.push_back(static_cast<int>((replay.Next() % 201 + 300) / 100));
            stormStarts.push_back(tick);
            EXPECT_GE(bolt->stormTimer, 10.0f);
            EXPECT_LT(bolt->stormTimer, 20.0f);
        }
        lastTimer = bolt->stormTimer;
        if (bolt->IsFlashing() && !flashing)
            flashLengths.push_back(0);
        if (bolt->IsFlashing())
            ++flashLengths.back();
        flashing = bolt->IsFlashing();
    }
    ASSERT_GE(stormStarts.size(), 2u);
    EXPECT_LE(stormStarts[0] * kTick, 3.0f + kTick);
    int total = 0;
    for (int n : expectedFlashes) {
        EXPECT_GE(n, 3);
        EXPECT_LE(n, 5);
        total += n;
    }
    EXPECT_EQ(static_cast<int>(flashLengths.size()), total);
    for (int length : flashLengths) {
        EXPECT_GE(length, 3);  // 0.1 to 0.12 s
        EXPECT_LE(length, 4);
    }
}

TEST_F(Decor, CloudsScrollAndWrapWithoutAJump) {
    cDecor* clouds = Make(u"menu;menu_clouds1");
    const float speed = clouds->driftSpeedX;
    clouds->driftX = 9.999f;
    clouds->Tick();
    EXPECT_NEAR(clouds->driftX, 9.999f + speed * kTick - 10.0f, 1e-5f);
    const float before = clouds->driftX;
    Tick(clouds, 30);
    EXPECT_NEAR(clouds->driftX - before, speed, 1e-4f);
    EXPECT_FLOAT_EQ(clouds->swayPhase, 0.0f);  // drifting clouds do not sway
}

// A scene whose water freeze spell holds.
class cFrozenScene : public cBaseWidget {
  public:
    using cBaseWidget::cBaseWidget;
    bool IsSpellActive(int spell) const override { return frozen && spell == 3; }
    bool frozen = true;
};

TEST_F(Decor, WaterStandsStillWhileItIsFrozen) {
    cFrozenScene frozen(u"frozen", &scene.factory, &scene.services);
    auto* water = static_cast<cDecor*>(frozen.CreateObject(cDecor::kType));
    water->SetKind(u"water00");
    auto* tree = static_cast<cDecor*>(frozen.CreateObject(cDecor::kType));
    tree->SetKind(u"map;map_decor03");
    const int treeFrame = tree->GetFrame();
    Tick(water, 30);
    Tick(tree, 30);
    EXPECT_EQ(water->GetFrame(), 0);
    EXPECT_NE(tree->GetFrame(), treeFrame);  // other decor goes on
    frozen.frozen = false;
    Tick(water, 30);
    EXPECT_NE(water->GetFrame(), 0);
    frozen.Clear();
}

TEST_F(Decor, MapDecorOfOneSpriteStartsOnDifferentFrames) {
    cDecor* first = Make(u"map;map_decor03");
    cDecor* second = Make(u"map;map_decor03");
    EXPECT_NE(first->GetFrame(), second->GetFrame());
    EXPECT_EQ(first->animations.player.mode, qor::kAnimLoop);
}

// What Draw writes into the batch: one quad, leaning about its lower edge.
class DecorDraw : public Decor {
  protected:
    void SetUp() override {
        Decor::SetUp();
        scene.services.batch = &batch;
    }
    std::vector<qor::cVertex> Quad() const {
        const int end = batch.VertexEnd();
        return {batch.vertices.begin(), batch.vertices.begin() + end};
    }
    qor::cSpriteBatch batch;
};

TEST_F(DecorDraw, TheSpriteLeansByTheSwayAngleAboutItsFoot) {
    cDecor* tree = Make(u"menu;menu_tree_r1");  // 100 x 200
    tree->SetPosition(300, 400);
    tree->swayPhase = 1.0f;  // fully over to swayMax
    tree->Draw();
    const std::vector<qor::cVertex> v = Quad();
    ASSERT_EQ(v.size(), 6u);
    const float lean = 200 * std::tan(tree->swayMax);
    // lower corners stay, upper corners move aside
    EXPECT_FLOAT_EQ(v[0].x, 250);
    EXPECT_FLOAT_EQ(v[0].y, 300);
    EXPECT_FLOAT_EQ(v[1].x, 350);
    EXPECT_NEAR(v[2].x, 250 + lean, 1e-3f);
    EXPECT_FLOAT_EQ(v[2].y, 500);
    EXPECT_NEAR(v[5].x, 350 + lean, 1e-3f);
    EXPECT_GT(lean, 13.0f);
}

TEST_F(DecorDraw, CloudsScrollTheirTextureAndLightningShowsOnlyInAFlash) {
    cDecor* clouds = Make(u"menu;menu_clouds1");
    clouds->driftX = 0.25f;
    clouds->Draw();
    std::vector<qor::cVertex> v = Quad();
    ASSERT_EQ(v.size(), 6u);
    const qor::cRectF uv = clouds->GetSprite().frames[0];
    EXPECT_FLOAT_EQ(v[0].u, uv.x + 0.25f);
    EXPECT_FLOAT_EQ(v[1].u, uv.x + uv.w + 0.25f);
    batch.Clear();

    cDecor* bolt = Make(u"menu;menu_lighting");
    bolt->Draw();
    EXPECT_EQ(batch.VertexEnd(), 0);
    bolt->flashTime = 0.1f;
    bolt->Draw();
    EXPECT_EQ(batch.VertexEnd(), 6);
}

}  // namespace
