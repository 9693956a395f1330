// Skeleton spirits: they stalk workers and frighten them off their work; the
// work waits for them, and a beaten spirit falls apart and fades away.
#include <gtest/gtest.h>

#include <cmath>

#include "level/units/EnemySpirit.h"
#include "level/units/Hero.h"
#include "level/sites/Nugget.h"
#include "level/units/Worker.h"
#include "scene/SoundNumbers.h"
#include "tests/EnemyTestKit.h"

namespace level_test {
namespace {

using namespace scene_type;

TEST(EnemySpirit, ASpiritFrightensAWorkerOffHisWorkAndHeGoesBackToItAfterwards) {
    cLevelHarness h;
    ASSERT_TRUE(h.LoadScene(IslandScene("t", R"(
base00 cell 8 10
worker cell 12 10 name w
hero cell 10 13 name hero
nugget00 cell 18 9 name nugget
base_enemy_spirit cell 26 9 name spirit_base
)")));
    h.Begin();
    h.host.resources = {0, 10, 0, 0};
    auto* w = static_cast<cWorker*>(h.Find(u"w"));
    auto* nugget = static_cast<cNugget*>(h.Find(u"nugget"));
    ASSERT_TRUE(h.ClickOn(nugget));
    ASSERT_TRUE(h.StepUntil([&] { return w->state == kWorkerWork; }, 10.0f));
    EXPECT_EQ(h.host.resources.food, 0) << "the load is paid";

    h.level->enemySettings.spiritInterval = 0.5f;
    h.level->enemySettings.enemyLimit = 1;
    ASSERT_TRUE(
        h.StepUntil([&] { return w->state == kWorkerScared || w->state == kWorkerFlee; }, 20.0f));
    EXPECT_EQ(h.host.Played(kSoundSpiritScream), 1);
    auto spirits = Live<cEnemySpirit>(h, kEnemySpirit);
    ASSERT_EQ(spirits.size(), 1u);
    cEnemySpirit* spirit = spirits.front();
    EXPECT_LT(std::hypot(spirit->x - w->x, spirit->y - w->y), 101.0f) << "it came close first";
    EXPECT_EQ(w->target, nullptr) << "the job is dropped";
    EXPECT_TRUE(nugget->work.HasMoved()) << "the digging done so far stays";
    EXPECT_EQ(nugget->jobsLeft, 5);
    ASSERT_TRUE(h.StepUntil([&] { return w->state == kWorkerFlee; }, 1.0f));
    EXPECT_EQ(w->mover.speed, 170.0f);

    // The hero sees the spirit off: one blow of five takes its four.
    ASSERT_TRUE(h.ClickOn(spirit));
    ASSERT_TRUE(h.StepUntil([&] { return spirit->state == kEnemyDying; }, 20.0f));
    EXPECT_EQ(spirit->animationName, u"death3");
    EXPECT_EQ(h.host.Played(kSoundSpiritDeath), 1);
    EXPECT_EQ(spirit->HitTest(spirit->GetPosition()), 0);
    const qor::cVec2 fell = spirit->GetPosition();
    uint32_t lastAlpha = 0xFF;
    bool faded = false;
    ASSERT_TRUE(h.StepUntil(
        [&] {
            const uint32_t alpha = spirit->tint >> 24;
            faded = faded || alpha < lastAlpha;
            EXPECT_LE(alpha, lastAlpha) << "it only fades";
            lastAlpha = alpha;
            return spirit->state == kStateGone;
        },
        5.0f));
    EXPECT_TRUE(faded);
    EXPECT_EQ(spirit->GetPosition().x, fell.x) << "it falls where it stood";

    // Back to the nugget: the load goes on where it stopped, unpaid.
    ASSERT_TRUE(h.StepUntil([&] { return w->IsIdle(); }, 10.0f));
    EXPECT_EQ(nugget->GetPrice(), ResourceSet{});
    ASSERT_TRUE(h.ClickOn(nugget));
    ASSERT_TRUE(h.StepUntil([&] { return h.host.resources.money == 20; }, 20.0f));
    EXPECT_EQ(h.host.resources.food, 0);
    EXPECT_EQ(nugget->jobsLeft, 4);
}

TEST(EnemySpirit, ASpiritWithNobodyToStalkGoesHomeAndVanishes) {
    cLevelHarness h;
    ASSERT_TRUE(h.LoadScene(IslandScene("t", R"(
base00 cell 8 10
base_enemy_spirit cell 26 9 name spirit_base
)")));
    h.Begin();
    h.level->enemySettings.spiritInterval = 0.5f;
    h.level->enemySettings.enemyLimit = 1;
    ASSERT_TRUE(h.StepUntil([&] { return !Live<cEnemySpirit>(h, kEnemySpirit).empty(); }, 2.0f));
    cEnemySpirit* spirit = Live<cEnemySpirit>(h, kEnemySpirit).front();
    ASSERT_TRUE(h.StepUntil([&] { return spirit->state == kStateGone; }, 5.0f));
    EXPECT_EQ(spirit->GetCell(), h.Find(u"spirit_base")->GetCell()) << "gone at its base";
}

}  // namespace
}  // namespace level_test
