// A level's row of the level table and its goals in the real level: what the
// row sets when the level starts, what the next level leaves of it, what the
// goals count on the island, and the win, which waits for the talk window
// without the clock running on.
#include <gtest/gtest.h>

#include "level/LevelView.h"
#include "level/sites/Nugget.h"
#include "level/sites/Plant.h"
#include "level/units/Worker.h"
#include "scene/SoundNumbers.h"
#include "tests/LevelHarness.h"

namespace level_test {
namespace {

// Level "015" asks for six workers out and 100 money in 285 s; its row starts
// the player with 30 food, goblins every 15 s and spirits every 20 s.
class LevelGoals : public ::testing::Test {
  protected:
    void SetUp() override { h.LoadBytes(TestLevelNamed("sources", "015")); }
    cLevelHarness h;
};

TEST_F(LevelGoals, TheRowGivesTheLevelItsGoalsStockClockAndStoryAndTheNextLevelStartsAfresh) {
    cLevelWidget& level = *h.level;
    EXPECT_EQ(g_levelView, &level);
    EXPECT_EQ(level.levelName, u"015");
    ASSERT_EQ(level.tasks.size(), 2u);
    EXPECT_EQ(level.tasks[0].objectKey, u"worker");
    EXPECT_EQ(level.tasks[0].target, 6);
    EXPECT_EQ(level.tasks[1].objectKey, u"money");
    EXPECT_EQ(level.tasks[1].target, 100);
    EXPECT_EQ(level.silverTime, 285.0f);
    EXPECT_EQ(level.timeLeft, 285.0f);
    EXPECT_EQ(h.host.resources, (ResourceSet{0, 30, 0, 0}));
    EXPECT_EQ(level.musicName, u"music1");
    EXPECT_EQ(h.host.talks, std::vector<std::u16string>{u"015"});
    EXPECT_EQ(level.storyStep, 0) << "the level's timed story runs";
    EXPECT_EQ(h.level->enemySettings.goblinInterval, 15.0f);
    EXPECT_EQ(h.level->enemySettings.spiritInterval, 20.0f);
    EXPECT_EQ(h.level->enemySettings.enemyLimit, 10);

    // The six workers stand out on the island: counted on the first step,
    // that goal is met with the jingle while the money is still to come.
    EXPECT_EQ(level.tasks[0].current, 0);
    h.Begin();
    h.Step();
    EXPECT_EQ(level.tasks[0].current, 6);
    EXPECT_EQ(h.host.Played(kSoundTaskDone), 1);
    EXPECT_FALSE(level.AreTasksDone());

    // A level without a row: no goals, and nothing of the enemies' pressure
    // of the level before.
    ASSERT_TRUE(h.Load("sources"));
    EXPECT_TRUE(level.tasks.empty());
    EXPECT_EQ(h.level->enemySettings.goblinInterval, 0.0f);
    EXPECT_EQ(h.level->enemySettings.spiritInterval, 0.0f);
    EXPECT_EQ(level.storyStep, -1);
}

TEST_F(LevelGoals, GoalsCountWorkersOutOnTheIslandAndFinishedOrWorkingBuildings) {
    cLevelWidget& level = *h.level;
    std::vector<cWorker*> workers = h.Workers();
    ASSERT_EQ(workers.size(), 6u);
    EXPECT_EQ(level.CountPopulation(), 6);
    // In the house, cut off in it, held in the prison, or gone: not out.
    const int32_t away[] = {kWorkerInHouse, kWorkerStranded, kWorkerHeld, kStateGone};
    for (size_t i = 0; i < std::size(away); ++i)
        workers[i]->state = away[i];
    EXPECT_EQ(level.CountPopulation(), 2);

    ASSERT_TRUE(h.LoadScene(IslandScene("t", R"(
base00    cell 10 10
sawmill00 cell 14 10 places 1 name built ready
sawmill00 cell 18 10 places 1 name site
sawmill00 cell 22 10 places 1 name working ready
)")));
    EXPECT_EQ(level.CountBuilt(u"sawmill00"), 2);
    h.Find(u"working")->state = kPlantProcessing;
    EXPECT_EQ(level.CountBuilt(u"sawmill00"), 2) << "a sawmill at work stands finished";
    EXPECT_EQ(level.CountBuilt(u"base00"), 1);
    EXPECT_EQ(level.CountBuilt(u"mill00"), 0);
}

// The level as a player wins it: the money lying about, the food lying about
// to pay the digging, and four loads of the nugget. Goods earned and spent
// recount the money goal on the way, as they do in the game.
TEST_F(LevelGoals, PlayedThroughClicksTheLastLoadOfMoneyWinsTheLevel) {
    cLevelWidget& level = *h.level;
    h.Begin();
    cObject* nugget = h.Find(u"nugget");
    ASSERT_TRUE(h.ClickOn(nugget));
    ASSERT_TRUE(h.ClickOn(h.Find(u"money")));
    ASSERT_TRUE(h.ClickOn(h.Find(u"food")));
    for (int load = 2; load <= 4; ++load) {
        // Free again once the load is out of it.
        ASSERT_TRUE(h.StepUntil(
            [&] { return nugget->jobMarkers == 0 && !HasWorkerAssigned(nugget); }, 30.0f))
            << load;
        ASSERT_TRUE(h.ClickOn(nugget)) << load;
    }
    h.Step();
    EXPECT_EQ(h.host.resources.food, 10) << "ten food for each load dug";
    EXPECT_LT(level.tasks[1].current, 100);
    ASSERT_TRUE(h.StepUntil([&] { return level.state == kLevelFinished; }, 60.0f));
    EXPECT_EQ(h.host.resources.money, 100);
    EXPECT_EQ(level.tasks[1].current, 100);
    EXPECT_GT(level.timeLeft, 285.0f / 3.0f) << "a gold medal's pace";
    EXPECT_NEAR(level.timeLeft + h.host.levelTime, 285.0f, 0.01f);
    // Six salutes, then the results.
    h.StepSeconds(4.5f);
    EXPECT_EQ(h.host.windows, std::vector<std::u16string>{u"finish"});
}

TEST_F(LevelGoals, AWinWaitsForTheTalkWindowToCloseWithoutTheClockRunningOn) {
    cLevelWidget& level = *h.level;
    h.Begin();
    h.StepSeconds(10.0f);
    const float left = level.timeLeft;
    EXPECT_NEAR(left, 275.0f, 0.05f);

    h.host.shownWindow = u"talk";
    h.host.resources.money = 100;
    level.UpdateTasks(kTaskResource);
    ASSERT_TRUE(level.AreTasksDone());
    h.StepSeconds(3.0f);
    EXPECT_EQ(level.state, kLevelPlay) << "the talk window is still closing";
    EXPECT_EQ(level.timeLeft, left) << "a medal already earned is not lost meanwhile";
    EXPECT_EQ(h.host.Played(kSoundLevelSuccess), 0);

    h.host.shownWindow.clear();
    h.Step();
    EXPECT_EQ(level.state, kLevelFinished);
    EXPECT_EQ(h.host.Played(kSoundLevelSuccess), 1);
    EXPECT_EQ(h.host.Played(kSoundTaskDone), 1) << "only the workers' goal had the jingle";
}

}  // namespace
}  // namespace level_test
