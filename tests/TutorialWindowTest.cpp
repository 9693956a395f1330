// The tutorial's hint window in the real game with the shipped data, on the
// clock's message of level 001: how it fades in and out, what dismisses a
// message (a key, a click on its frame, ten seconds) and what does not (a
// click anywhere else), and that the pause menu does not lose a hint.
#include <SDL2/SDL.h>
#include <gtest/gtest.h>

#include "tests/GoldenImage.h"
#include "tests/TutorialShellKit.h"

namespace qor::test {
namespace {

class TutorialWindow : public TutorialShell {
  protected:
    void SetUp() override {
        TutorialShell::SetUp();
        if (IsSkipped() || HasFatalFailure())
            return;
        PlayFirstLevel();
        ReachClockHint();
        train = TrainWindow();
        ASSERT_NE(train, nullptr);
    }
    float Alpha() const { return train->fade.current; }
    bool Showing() const {
        return level->trainStep && level->trainStep->phase == kTrainShown && game.IsShown(u"train");
    }
    // A spot of the frame's own plank beside the text: its colour on screen.
    bool FrameSpot(cRgbaImage* frame, int* x, int* yUp) {
        const cRectF r = Frame();
        *x = static_cast<int>(r.x + 10);
        *yUp = static_cast<int>(r.y + r.h / 2);
        return CaptureFrame(frame);
    }

    cTrainWF* train = nullptr;
};

// The fade takes half a second either way (frames of 1/30 s reach the window
// as whole milliseconds, so one frame more), and what the player sees
// follows it: halfway, the frame's plank is half over the island behind it.
TEST_F(TutorialWindow, FadesInAndOutOverHalfASecond) {
    // ReachClockHint stops at the tick that opened the window.
    EXPECT_LT(Alpha(), 0.1f);
    game.Step(8);
    const float half = Alpha();
    EXPECT_NEAR(half, 0.5f, 0.1f) << "a quarter of a second in";
    cRgbaImage mid;
    int x = 0, y = 0;
    ASSERT_TRUE(FrameSpot(&mid, &x, &y));
    game.Step(6);
    EXPECT_GT(Alpha(), 0.7f);
    EXPECT_LT(Alpha(), 1.0f) << "not yet shown in full after 0.47 s";
    game.Step(3);
    EXPECT_EQ(Alpha(), 1.0f) << "shown in full after 0.57 s";
    cRgbaImage full;
    ASSERT_TRUE(FrameSpot(&full, &x, &y));

    game.Key(SDLK_a);
    game.Step(1);
    EXPECT_NE(level->trainStep->phase, kTrainShown) << "a key dismisses it";
    int frames = 0;
    float quarter = -1.0f;
    while (game.IsShown(u"train") && frames < 60) {
        game.Step(1);
        if (++frames == 8)
            quarter = Alpha();
    }
    EXPECT_NEAR(quarter, 0.5f, 0.15f) << "a quarter of a second into the fade-out";
    EXPECT_GE(frames, 14) << "the window stays while it fades out";
    EXPECT_LE(frames, 19) << "and is gone half a second later";
    game.Step(1);
    cRgbaImage behind;
    ASSERT_TRUE(CaptureFrame(&behind));

    // The plank's colour halfway is the mix of the island and the plank.
    int contrast = 0;
    for (int c = 0; c < 3; ++c) {
        const float island = behind.AtUp(x, y)[c], plank = full.AtUp(x, y)[c];
        EXPECT_NEAR(mid.AtUp(x, y)[c], island + (plank - island) * half, 24.0f)
            << "channel " << c << ": island " << island << ", plank " << plank;
        contrast += std::abs(static_cast<int>(plank - island));
    }
    EXPECT_GT(contrast, 60) << "the plank stands out from the island";
}

// Clicks beside the frame, on the arrow and on the island do not dismiss a
// message; a click on the frame does, and the chain goes on.
TEST_F(TutorialWindow, OnlyAClickOnTheFrameDismissesIt) {
    game.Step(20);
    const cRectF r = Frame();
    const cCtrl* arrow = game.Control(u"train", u"arrow");
    ASSERT_NE(arrow, nullptr);
    const cRectF a = arrow->GetRect();
    const struct {
        const char* where;
        float x, y;
    } kOutside[] = {
        {"just left of the frame", r.x - 3, r.y + r.h / 2},
        {"just below the frame", r.x + r.w / 2, r.y - 3},
        {"on the arrow's head", a.x + a.w / 2, a.y + a.h - 6},
        {"on the island", 300, 400},
    };
    for (const auto& c : kOutside) {
        game.ClickAt(static_cast<int>(c.x), static_cast<int>(c.y));
        game.Step(10);
        EXPECT_TRUE(Showing()) << c.where;
        EXPECT_EQ(Alpha(), 1.0f) << c.where;
    }
    ASSERT_TRUE(game.Click(u"train", u"frame", 0.1f, 0.5f));
    game.Step(2);
    EXPECT_FALSE(Showing()) << "a click on the frame";
    EXPECT_TRUE(WaitClosed(1));
    EXPECT_TRUE(WaitHint(u"Train00TakeTree"));
}

TEST_F(TutorialWindow, TenSecondsDismissIt) {
    game.StepUnseen(9 * 30 + 20);
    EXPECT_TRUE(Showing()) << "after 9.7 s";
    game.StepUnseen(15);
    EXPECT_FALSE(Showing()) << "after 10.2 s";
    EXPECT_TRUE(WaitClosed(1));
    EXPECT_TRUE(WaitHint(u"Train00TakeTree"));
}

// The pause menu, its options and back: the message still shows, and its ten
// seconds did not run on behind the menu.
TEST_F(TutorialWindow, APauseKeepsTheHint) {
    game.Step(20);
    game.Key(SDLK_ESCAPE);
    ASSERT_TRUE(game.WaitShown(u"escape"));
    game.Step(12 * 30);
    ASSERT_TRUE(game.Click(u"escape", u"btOptions"));
    ASSERT_TRUE(game.WaitShown(u"options"));
    ASSERT_TRUE(game.Click(u"options", u"btBack"));
    ASSERT_TRUE(game.WaitShown(u"escape"));
    ASSERT_TRUE(game.Click(u"escape", u"btResume"));
    ASSERT_TRUE(game.WaitShown(u"level"));
    game.Step(30);
    EXPECT_TRUE(Showing());
    EXPECT_EQ(Alpha(), 1.0f);
}

}  // namespace
}  // namespace qor::test
