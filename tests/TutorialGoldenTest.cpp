// The tutorial's hints of level 001 as a player sees them, in the real game
// with the shipped data, against their golden pictures: the first hint at
// the ripe field, the hint at the goal line (below and to the left of a HUD
// control at the screen's edge), and the clock's message with "click to
// continue".
#include <gtest/gtest.h>

#include "tests/GoldenImage.h"
#include "tests/TutorialShellKit.h"

namespace qor::test {
namespace {

class TutorialGolden : public TutorialShell {
  protected:
    // The fade over and the pointer out of the picture's way.
    void Settle() {
        game.MovePointer(1000, 20);
        game.Step(20);
        const cTrainWF* train = TrainWindow();
        ASSERT_NE(train, nullptr);
        ASSERT_EQ(train->fade.current, 1.0f);
    }
};

TEST_F(TutorialGolden, TheFieldTheGoalLineAndTheClock) {
    PlayFirstLevel();
    ASSERT_TRUE(WaitHint(u"Train00TakeField"));
    Settle();
    EXPECT_TRUE(MatchesGolden("train_field"));

    ClickTarget();
    ASSERT_TRUE(WaitClosed(20));
    ASSERT_TRUE(WaitHint(u"Train00PanelTask"));
    Settle();
    EXPECT_TRUE(MatchesGolden("train_goal_line"));

    PointAtGoalLine();
    ASSERT_TRUE(WaitClosed(10));
    ASSERT_TRUE(WaitHint(u"Train00LevelTime"));
    Settle();
    EXPECT_TRUE(MatchesGolden("train_clock"));
}

}  // namespace
}  // namespace qor::test
