#include "engine/AnimPlayer.h"

#include <gtest/gtest.h>

#include <vector>

#include "engine/Ramp.h"

namespace qor {
namespace {

// Steps a player of `count` frames at one frame per step and lists the frames.
std::vector<int> Frames(int mode, int count, int steps) {
    cAnimPlayer player;
    player.frameCount = count;
    player.frameDuration = 0.1f;
    player.Reset(mode, true);
    std::vector<int> seen{player.frame};
    for (int i = 0; i < steps; ++i) {
        player.Step(0.1f);
        seen.push_back(player.frame);
    }
    return seen;
}

TEST(AnimPlayer, EveryModeWalksItsFrames) {
    EXPECT_EQ(Frames(kAnimForwardOnce, 4, 5), (std::vector<int>{0, 1, 2, 3, 3, 3}));
    EXPECT_EQ(Frames(kAnimBackwardOnce, 4, 5), (std::vector<int>{3, 2, 1, 0, 0, 0}));
    EXPECT_EQ(Frames(kAnimLoop, 3, 4), (std::vector<int>{0, 1, 2, 0, 1}));
    EXPECT_EQ(Frames(kAnimLoopBackward, 3, 4), (std::vector<int>{2, 1, 0, 2, 1}));
    EXPECT_EQ(Frames(kAnimPingPong, 4, 7), (std::vector<int>{0, 1, 2, 3, 2, 1, 0, 1}));
    EXPECT_EQ(Frames(kAnimStopped, 4, 3), (std::vector<int>{0, 0, 0, 0}));
}

TEST(AnimPlayer, OnceModesStopOnTheirLastFrameAndOneFrameNeverMoves) {
    cAnimPlayer player;
    player.frameCount = 3;
    player.frameDuration = 0.1f;
    player.Reset(kAnimForwardOnce, true);
    player.Step(1.0f);
    EXPECT_EQ(player.mode, kAnimStopped);
    EXPECT_EQ(player.frame, 2);
    for (int mode = kAnimForwardOnce; mode <= kAnimPingPong; ++mode)
        EXPECT_EQ(Frames(mode, 1, 5), (std::vector<int>(6, 0))) << "mode " << mode;
}

TEST(Ramp, RunsToItsTargetAndReportsTheFinishOnce) {
    cRamp ramp;
    ramp.rate = 2.0f;
    ramp.SetTarget(1.0f);  // half a second
    EXPECT_EQ(ramp.Step(0.25f), 1);
    EXPECT_FLOAT_EQ(ramp.current, 0.5f);
    EXPECT_EQ(ramp.Step(0.5f), 2);
    EXPECT_FLOAT_EQ(ramp.current, 1.0f);
    EXPECT_EQ(ramp.Step(0.5f), 0);
    ramp.SetTarget(1.00001f);  // too short to notice: jumps
    EXPECT_FLOAT_EQ(ramp.current, 1.00001f);
    EXPECT_EQ(ramp.Step(0.1f), 0);
}

}  // namespace
}  // namespace qor
