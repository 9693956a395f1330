// The enemies' test level as a player sees it, with the generated art: a
// raid (goblins at the nuggets, spirits among the workers, the hero striking
// a goblin), and later a worker locked in the prison with his head over its
// roof and the hero on his way to free him; against golden pictures.
#include <gtest/gtest.h>

#include "engine/Strings.h"
#include "level/units/EnemyBandit.h"
#include "level/units/Hero.h"
#include "level/units/Worker.h"
#include "tests/DrawnLevel.h"
#include "tests/EnemyTestKit.h"
#include "tests/GoldenImage.h"

namespace qor::test {
namespace {

using namespace scene_type;

class EnemiesGolden : public DrawnLevelTest {
  protected:
    void SetUp() override {
        SetUpWith({u"texture/level/figures_worker.png", u"texture/level/figures_folk.png",
                   u"texture/level/sources.png", u"texture/level/prison.png",
                   u"texture/effects/shadow.png", u"texture/effects/highlight.png",
                   u"texture/gui/gui00.png", u"font/en/TimesNewRomanItalic22.png"});
    }
};

TEST_F(EnemiesGolden, ARaidAndAWorkerInThePrison) {
    cDrawnLevel level;
    level.host.random.seed = 3;
    ASSERT_TRUE(level.Load("enemies"));
    level.Begin();
    level.host.cursor = {1000, 20};
    level.host.resources = {0, 100, 0, 40};
    level.level->enemySettings = {2.0f, 3.0f, 6, 45.0f};
    for (const char16_t* name : {u"east_nugget", u"west_nugget", u"well"})
        EXPECT_TRUE(level.ClickOn(level.Find(name))) << ToUtf8(name);
    // The hero goes for a goblin at its digging, where a click reaches one.
    bool sent = false;
    ASSERT_TRUE(level.StepUntil(
        [&] {
            for (cEnemy* goblin : level_test::Live<cEnemy>(level, kEnemyGold)) {
                if (!sent && goblin->state == kEnemyBusy)
                    sent = level.ClickOn(goblin);
            }
            return sent;
        },
        30.0f));
    level.host.cursor = {1000, 20};
    auto* hero = static_cast<cHero*>(level.Find(u"hero"));
    ASSERT_TRUE(level.StepUntil([&] { return hero->state == kHeroStrike; }, 5.0f));
    level.Step(6);
    DrawFrame(level);
    EXPECT_TRUE(MatchesGolden("level_enemies_raid"));

    // The worker who fled the spirits onto the bandits' road, right by the
    // western bandit, is taken to the prison.
    auto* bandit = static_cast<cEnemyBandit*>(level.Find(u"bandit_west"));
    cWorker* taken = nullptr;
    ASSERT_TRUE(level.StepUntil(
        [&] { return (taken = taken ? taken : bandit->captive) != nullptr; }, 5.0f));
    ASSERT_TRUE(level.StepUntil([&] { return taken->state == kWorkerHeld; }, 60.0f));
    EXPECT_EQ(level.level->CountPrisoners(), 1);
    // The player sends the hero to open it.
    level.Step();
    EXPECT_TRUE(level.ClickOn(level.Find(u"prison")));
    level.host.cursor = {1000, 20};
    level.StepSeconds(1.2f);
    DrawFrame(level);
    EXPECT_TRUE(MatchesGolden("level_enemies_prison"));
}

}  // namespace
}  // namespace qor::test
