// The level's states and clock: the intro, play and the finish; the medal
// countdown, the gold limit's alarm, and a talk that stops the clock.
#include <gtest/gtest.h>

#include "level/units/Worker.h"
#include "scene/SoundNumbers.h"
#include "tests/LevelHarness.h"

namespace level_test {
namespace {

class LevelStates : public ::testing::Test {
  protected:
    void SetUp() override {
        // The story gives a level its time limit; here the test does.
        h.level->silverTime = 90.0f;
        ASSERT_TRUE(h.Load("sources"));
    }
    cLevelHarness h;
};

TEST_F(LevelStates, TheIntroIgnoresClicksAndEndsByItselfOrWithAKey) {
    EXPECT_EQ(h.level->state, kLevelIntro);
    h.host.resources = {0, 100, 0, 0};
    h.Click(h.Find(u"well")->GetPosition());
    h.Step(10);
    EXPECT_TRUE(h.level->jobQueue.empty()) << "clicks wait for play";
    EXPECT_EQ(h.level->timeLeft, 90.0f) << "the clock stands";
    h.Step(26);
    EXPECT_EQ(h.level->state, kLevelPlay) << "1.2 s of intro";
    EXPECT_EQ(h.host.Played(kSoundStartGame), 1);

    cLevelHarness keyed;
    ASSERT_TRUE(keyed.Load("sources"));
    keyed.Begin();
    EXPECT_EQ(keyed.level->state, kLevelPlay);
    EXPECT_EQ(keyed.host.Played(kSoundStartGame), 1);
}

TEST_F(LevelStates, TheClockCountsDownAndTheGoldLimitSoundsOnce) {
    h.Begin();
    h.StepSeconds(10);
    EXPECT_NEAR(h.level->timeLeft, 80.0f, 0.05f);
    EXPECT_NEAR(h.host.levelTime, 10.0f, 0.05f);
    // A running talk holds the clock; the workers go on.
    h.host.StartTalk(u"001");
    h.StepSeconds(5);
    EXPECT_NEAR(h.level->timeLeft, 80.0f, 0.05f);
    h.host.EndTalk();
    EXPECT_EQ(h.host.Played(kSoundAlarm), 0);
    h.StepSeconds(55);  // past the gold limit of 60 s
    EXPECT_EQ(h.host.Played(kSoundAlarm), 1);
    h.StepSeconds(40);
    EXPECT_EQ(h.level->timeLeft, 0.0f) << "stops at zero";
    EXPECT_EQ(h.host.Played(kSoundAlarm), 1);
}

TEST_F(LevelStates, WithoutGoalsALevelNeverEndsAndWithThemReachedItIsWon) {
    h.Begin();
    h.StepSeconds(2);
    EXPECT_FALSE(h.level->AreTasksDone());
    EXPECT_EQ(h.level->state, kLevelPlay);
    h.level->tasks.push_back({u"food", kTaskResource, 150, 150, u"", 0});
    h.Step();
    EXPECT_EQ(h.level->state, kLevelFinished);
    EXPECT_EQ(h.host.Played(kSoundLevelSuccess), 1);
    // Six salutes 0.7 s apart, then the finish window.
    h.StepSeconds(4.0f);
    EXPECT_TRUE(h.host.windows.empty());
    h.StepSeconds(0.5f);
    EXPECT_EQ(h.host.windows, (std::vector<std::u16string>{u"finish"}));
}

}  // namespace
}  // namespace level_test
