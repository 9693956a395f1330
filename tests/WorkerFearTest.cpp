// When fear cannot move a worker: with nowhere to run he comes to himself
// instead of looking for a way out every step; inside a building, or tied up
// by a bandit, he is out of fear's reach.
#include <gtest/gtest.h>

#include "level/units/Worker.h"
#include "tests/LevelHarness.h"

namespace level_test {
namespace {

using namespace scene_type;

TEST(WorkerFear, WithNowhereToRunAFrightenedWorkerComesToHimself) {
    cLevelHarness h;
    // A worker on one cell of grass in a ring of rock, and no house.
    std::string body = "worker cell 16 10 name w\nmoney cell 20 6 name threat\n";
    for (int i = 15; i <= 17; ++i) {
        for (int j = 9; j <= 11; ++j) {
            if (i != 16 || j != 10)
                body += "terrain " + std::to_string(i) + " " + std::to_string(j) + " -1\n";
        }
    }
    ASSERT_TRUE(h.LoadScene(IslandScene("t", body)));
    h.Begin();
    auto* w = static_cast<cWorker*>(h.Find(u"w"));
    w->Scare(h.Find(u"threat"));
    ASSERT_EQ(w->state, kWorkerScared);
    h.Step();
    EXPECT_NE(w->state, kWorkerScared);
    EXPECT_NE(w->state, kWorkerFlee);
    h.StepSeconds(2);
    EXPECT_TRUE(w->IsIdle());
}

TEST(WorkerFear, AWorkerWithinTheHousesWallsOrInsideABuildingIsNotFrightenedOut) {
    cLevelHarness h;
    ASSERT_TRUE(h.LoadScene(IslandScene("t", R"(
base00 cell 14 10 name home
worker cell 20 8 name w
money cell 22 6 name threat
)")));
    h.Begin();
    auto* w = static_cast<cWorker*>(h.Find(u"w"));
    cObject* threat = h.Find(u"threat");
    ASSERT_TRUE(h.level->SendWorker(w, h.level->base, true));
    ASSERT_TRUE(h.StepUntil([&] { return !h.level->Cells().IsFree(w->GetCell()); }, 10.0f));
    w->Scare(threat);
    EXPECT_EQ(w->state, kWorkerToTarget) << "stepping in at the door";
    ASSERT_TRUE(h.StepUntil([&] { return w->state == kWorkerEnterHouse; }, 5.0f));
    w->Scare(threat);
    EXPECT_EQ(w->state, kWorkerEnterHouse) << "inside";
    ASSERT_TRUE(h.StepUntil([&] { return w->IsIdle(); }, 5.0f));
    EXPECT_TRUE(h.level->Cells().IsFree(w->GetCell())) << "out at the door";
}

}  // namespace
}  // namespace level_test
