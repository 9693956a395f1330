// The rules a level is won by: goals recounted by kind, the clock with its
// gold limit and alarm, the medal and the score, and how the level screens
// write times.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "engine/StringTable.h"
#include "level/Goals.h"
#include "level/LevelClock.h"
#include "level/LevelResult.h"
#include "shell/ClockText.h"
#include "tests/LevelFixture.h"

namespace qor::test {
namespace {

class Goals : public ::testing::Test {
  protected:
    void SetUp() override {
        SetLocalizedText(u"Houses", u"Build 2 houses");
        AddTask(level.tasks, u"Houses", u"house00", 2, kTaskBuild);
        AddTask(level.tasks, u"Folk", u"worker", 5, kTaskPopulation);
        AddTask(level.tasks, u"Gold", u"money", 100, kTaskResource);
        AddTask(level.tasks, u"Wood", u"wood", 50, kTaskResource);
    }
    int Recount(int kind) { return RecountTasks(level.tasks, kind, level); }
    cFixtureLevel level;
};

TEST_F(Goals, EachKindCountsItsOwnThingAndStopsAtTheTarget) {
    level.built = {{u"house00", 3}, {u"tower00", 4}};
    level.population = 4;
    level.stock = {70, 0, 120, 0};
    EXPECT_EQ(Recount(kTaskBuild), 0);
    EXPECT_EQ(level.tasks[0].current, 2) << "three houses count as the two asked for";
    EXPECT_EQ(level.tasks[1].current, 0) << "a recount of buildings leaves the workers alone";
    EXPECT_EQ(Recount(kTaskPopulation), -1);
    EXPECT_EQ(level.tasks[1].current, 4);
    // Both goods goals are reached by one recount: the later one is celebrated.
    EXPECT_EQ(Recount(kTaskResource), 3);
    EXPECT_EQ(level.tasks[2].current, 100);
    EXPECT_EQ(level.tasks[3].current, 50);
    EXPECT_EQ(level.tasks[0].text, u"Build 2 houses");
}

TEST_F(Goals, AReachedGoodsGoalFallsBackWhenSpentAndIsCelebratedAgain) {
    level.stock = {0, 0, 100, 0};
    EXPECT_EQ(Recount(kTaskResource), 2);
    EXPECT_EQ(Recount(kTaskResource), -1) << "a goal already reached is not reached anew";
    level.stock = {0, 0, 60, 0};
    EXPECT_EQ(Recount(kTaskResource), -1);
    EXPECT_EQ(level.tasks[2].current, 60);
    EXPECT_FALSE(level.tasks[2].Reached());
    level.stock = {0, 0, 100, 0};
    EXPECT_EQ(Recount(kTaskResource), 2);
}

TEST_F(Goals, OnlyWorkersCountAsPopulationAndDeedsAreDoneOnceRecounted) {
    std::vector<cTask> tasks;
    AddTask(tasks, u"Cats", u"cat", 1, kTaskPopulation);
    AddTask(tasks, u"Free", u"prison00", 1, kTaskSpecial);
    level.population = 9;
    EXPECT_EQ(RecountTasks(tasks, kTaskPopulation, level), -1);
    EXPECT_EQ(tasks[0].current, 0) << "a population goal of another key can never be met";
    EXPECT_EQ(RecountTasks(tasks, kTaskSpecial, level), 1);
    EXPECT_FALSE(AreTasksDone(tasks));
}

TEST_F(Goals, ALevelIsWonOnlyWithEveryGoalAtItsTargetAndNeverWithoutGoals) {
    EXPECT_FALSE(AreTasksDone({}));
    level.built = {{u"house00", 2}};
    level.population = 5;
    level.stock = {50, 0, 99, 0};
    Recount(kTaskBuild);
    Recount(kTaskPopulation);
    Recount(kTaskResource);
    EXPECT_FALSE(AreTasksDone(level.tasks));
    level.stock = {50, 0, 100, 0};
    Recount(kTaskResource);
    EXPECT_TRUE(AreTasksDone(level.tasks));
}

TEST_F(Goals, TextsAreFoundByIndexWithinTheList) {
    EXPECT_EQ(GetTaskText(level.tasks, 0), u"Build 2 houses");
    EXPECT_EQ(GetTaskText(level.tasks, -1), u"");
    EXPECT_EQ(GetTaskText(level.tasks, 4), u"");
}

TEST(LevelClock, TheAlarmSoundsOnceInTheFrameThatPassesTheGoldLimit) {
    float timeLeft = 300.0f, levelTime = 0.0f;
    int alarms = 0, alarmFrame = -1;
    for (int frame = 0; frame < 9300; ++frame) {
        if (AdvanceLevelClock(1.0f / 30.0f, false, 300.0f, timeLeft, levelTime)) {
            ++alarms;
            alarmFrame = frame;
        }
    }
    EXPECT_EQ(alarms, 1);
    // 200 s of frames of 1/30 s, give or take the rounding of the sum.
    EXPECT_NEAR(alarmFrame, 5999, 2);
    EXPECT_EQ(timeLeft, 0.0f) << "the time left stops at 0";
    EXPECT_GT(levelTime, 300.0f) << "the elapsed time goes on";

    float left = 0.0f, elapsed = 0.0f;
    EXPECT_FALSE(AdvanceLevelClock(0.5f, false, 0.0f, left, elapsed))
        << "a level without a time limit never sounds the alarm";
}

TEST(LevelClock, StandsWhileATalkRunsOrEveryGoalIsMet) {
    float timeLeft = 10.0f, levelTime = 199.9f;
    EXPECT_FALSE(AdvanceLevelClock(1.0f, true, 300.0f, timeLeft, levelTime));
    EXPECT_EQ(timeLeft, 10.0f);
    EXPECT_EQ(levelTime, 199.9f);
    EXPECT_TRUE(AdvanceLevelClock(1.0f, false, 300.0f, timeLeft, levelTime));
    EXPECT_EQ(timeLeft, 9.0f);
    EXPECT_EQ(TimeBarFill(300.0f, 150.0f), 0.5f);
    EXPECT_EQ(TimeBarFill(0.0f, 150.0f), 0.0f);
}

TEST(LevelResult, MedalByTheTimeLeft) {
    struct Case {
        float silverTime, timeLeft;
        int32_t medal;
    } cases[] = {
        {300.0f, 100.0f, kLevelGold},   // exactly a third left
        {300.0f, 99.9f, kLevelSilver},  // just past the gold limit
        {292.5f, 97.5f, kLevelGold},    // a limit with a fraction
        {300.0f, 0.01f, kLevelSilver},  // inside the limit
        {300.0f, 0.0f, kLevelBronze},   // the clock ran out
        {0.0f, 0.0f, kLevelBronze},     // no limit and no time: never gold
        {300.0f, NAN, kLevelBronze},    // a clock that was never set
    };
    for (const Case& c : cases) {
        EXPECT_EQ(LevelMedal(c.silverTime, c.timeLeft), c.medal)
            << c.silverTime << " s, " << c.timeLeft << " left";
    }
    EXPECT_EQ(CupOfMedal(kLevelGold), 0);
    EXPECT_EQ(CupOfMedal(kLevelSilver), 1);
    EXPECT_EQ(CupOfMedal(kLevelBronze), 2);
}

TEST(LevelResult, ScoreAddsTimeBuildingsGoodsAndBonusWithoutWrappingRound) {
    constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
    constexpr int32_t kMin = std::numeric_limits<int32_t>::min();
    EXPECT_EQ(FinalScore(5000, 95.9f, 2, 113, kLevelGold), 5000 + 95 + 200 + 113 + 10000);
    EXPECT_EQ(FinalScore(0, 42.5f, 0, 0, kLevelSilver), 42 + 1000);
    EXPECT_EQ(FinalScore(7, 0.0f, 1, 0, kLevelBronze), 107);
    EXPECT_EQ(FinalScore(kMax - 5, 10.0f, 0, 0, kLevelGold), kMax);
    EXPECT_EQ(FinalScore(0, 0.0f, kMax, kMax, kLevelGold), kMax);
    EXPECT_EQ(FinalScore(kMin, 0.0f, 0, -5, kLevelBronze), kMin);
    EXPECT_EQ(FinalScore(10, INFINITY, 0, 0, kLevelBronze), 10);
}

TEST(ClockText, LimitsFallToFiveSecondsAndTimesShowWholeSeconds) {
    struct Case {
        float seconds;
        const char16_t* limit;
        const char16_t* clock;
    } cases[] = {
        {187.3f, u"03:05", u"03:07"}, {124.87f, u"02:00", u"02:04"},  // the gold limit of 187.3 s
        {300.0f, u"05:00", u"05:00"}, {200.0f, u"03:20", u"03:20"},  {59.99f, u"00:55", u"00:59"},
        {0.0f, u"00:00", u"00:00"},   {-4.0f, u"00:00", u"00:00"},   {NAN, u"00:00", u"00:00"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(LimitText(c.seconds), c.limit) << c.seconds;
        EXPECT_EQ(ClockText(c.seconds), c.clock) << c.seconds;
    }
    EXPECT_EQ(LimitText(GoldLimit(187.3f)), u"02:00");
    EXPECT_EQ(ClockText(1.0e12f), u"35791392:00") << "huge times stay readable";
}

}  // namespace
}  // namespace qor::test
