// How the player's clicks become jobs: the job queue and its markers, the
// nearest idle worker for each job, the payment when a worker sets out, the
// right button that takes requests back, and the refusals the player sees.
#include <gtest/gtest.h>

#include "engine/Strings.h"
#include "level/sites/Field.h"
#include "level/units/Worker.h"
#include "scene/SoundNumbers.h"
#include "tests/LevelHarness.h"

namespace level_test {
namespace {

using namespace scene_type;

TEST(LevelJobs, TheNearestIdleWorkerTakesAJobAndATieGoesToTheEarlierWorker) {
    cLevelHarness h;
    // Two workers on one spot (a tie), one a little nearer, one far off.
    ASSERT_TRUE(h.LoadScene(IslandScene("t", R"(
base00 cell 14 10
worker cell 8 12 name far
worker cell 20 6 name first
worker cell 20 6 name second
worker cell 21 6 name near
money  cell 23 6 name money
wood   cell 21 5 name wood
)")));
    h.Begin();
    ASSERT_TRUE(h.ClickOn(h.Find(u"money")));
    ASSERT_TRUE(h.ClickOn(h.Find(u"wood")));
    h.Step();
    auto* near = static_cast<cWorker*>(h.Find(u"near"));
    EXPECT_EQ(near->target, h.Find(u"money"));
    EXPECT_EQ(near->state, kWorkerToTarget);
    auto* first = static_cast<cWorker*>(h.Find(u"first"));
    auto* second = static_cast<cWorker*>(h.Find(u"second"));
    EXPECT_EQ(first->target, h.Find(u"wood")) << "the earlier of two at the same distance";
    EXPECT_NE(second->target, h.Find(u"wood"));
}

TEST(LevelJobs, TwoJobsWantingTheSameWorkerShareOutInQueueOrder) {
    cLevelHarness h;
    ASSERT_TRUE(h.LoadScene(IslandScene("t", R"(
base00 cell 14 10
worker cell 20 6 name near
worker cell 10 7 name far
money  cell 22 6 name money
food   cell 22 8 name food
)")));
    h.Begin();
    // Both goods lie nearest to the same worker; the first asked gets it.
    ASSERT_TRUE(h.ClickOn(h.Find(u"food")));
    ASSERT_TRUE(h.ClickOn(h.Find(u"money")));
    h.Step();
    EXPECT_EQ(static_cast<cWorker*>(h.Find(u"near"))->target, h.Find(u"food"));
    EXPECT_EQ(static_cast<cWorker*>(h.Find(u"far"))->target, h.Find(u"money"));
    EXPECT_TRUE(h.level->jobQueue.empty());
}

TEST(LevelJobs, TwentyFiveJobsGoOutTwentyInOneStepAndFiveInTheNext) {
    std::string body = "base00 cell 14 12\n";
    for (int k = 0; k < 25; ++k) {
        const std::string column = std::to_string(10 + k % 13);
        body += "worker cell " + column + " " + std::to_string(8 + k / 13) + "\n";
        body += "mana cell " + column + " " + std::to_string(16 + k / 13) + "\n";
    }
    cLevelHarness h;
    ASSERT_TRUE(h.LoadScene(IslandScene("t", body)));
    h.Begin();
    for (cObject* item : h.OfType(kItem))
        h.level->RequestWork(item);
    ASSERT_EQ(h.level->jobQueue.size(), 25u);
    auto walking = [&] {
        int n = 0;
        for (cWorker* w : h.Workers())
            n += w->state == kWorkerToTarget ? 1 : 0;
        return n;
    };
    h.Step();
    EXPECT_EQ(walking(), 20);
    EXPECT_EQ(h.host.Played(kSoundWorkerOut), 20);
    h.Step();
    EXPECT_EQ(walking(), 25);
    EXPECT_TRUE(h.level->jobQueue.empty());
}

TEST(LevelJobs, RepeatedRequestsCountNoMoreMarkersThanTheObjectHasPlaces) {
    cLevelHarness h;
    ASSERT_TRUE(h.LoadScene(IslandScene("t", R"(
base00  cell 14 10
field00 cell 20 6 places 1 name field
)")));
    h.Begin();
    auto* field = static_cast<cField*>(h.Find(u"field"));
    ASSERT_EQ(field->workPlaces.size(), 1u);
    ASSERT_TRUE(h.StepUntil([&] { return field->state == kFieldRipe; }, 10.0f));
    for (int k = 0; k < 3; ++k)
        h.level->RequestWork(field);
    EXPECT_EQ(field->jobMarkers, 1u);
    EXPECT_EQ(h.level->jobQueue.size(), 1u);
}

class LevelRequests : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(h.Load("sources"));
        h.Begin();
        for (cObject* tree : h.OfType(kTree)) {
            if (tree->name.empty() && !a)
                a = tree;
            else if (tree->name.empty() && !b)
                b = tree;
        }
        ASSERT_TRUE(a && b);
    }
    cLevelHarness h;
    cObject* a = nullptr;
    cObject* b = nullptr;
};

TEST_F(LevelRequests, ARightClickTakesBackRequestsButNotWorkersAlreadySent) {
    h.host.resources = {0, 20, 0, 0};
    ASSERT_TRUE(h.ClickOn(a));
    h.Step();  // a worker sets out for the first tree and pays
    ASSERT_TRUE(h.ClickOn(b));
    h.RightClick();
    EXPECT_TRUE(h.level->jobQueue.empty());
    EXPECT_EQ(b->jobMarkers, 0u);
    h.Step();
    int walking = 0;
    for (cWorker* w : h.Workers()) {
        EXPECT_NE(w->target, b) << "nobody goes to a request taken back";
        walking += w->target == a ? 1 : 0;
    }
    EXPECT_EQ(walking, 1) << "the worker already sent goes on";
    EXPECT_EQ(h.host.resources.food, 10) << "and what was paid stays paid";
}

TEST_F(LevelRequests, TwoRequestsThePlayerCanPayOnlyOneOfSendOneWorker) {
    h.host.resources = {0, 10, 0, 0};
    ASSERT_TRUE(h.ClickOn(a));
    ASSERT_TRUE(h.ClickOn(b));
    h.Step();
    int sent = 0;
    for (cWorker* w : h.Workers())
        sent += w->state == kWorkerToTarget ? 1 : 0;
    EXPECT_EQ(sent, 1) << "the second job is never done for free";
    EXPECT_EQ(h.host.resources.food, 0);
}

TEST_F(LevelRequests, RefusalsSayWhyNextToTheObject) {
    h.host.resources = {0, 4, 0, 0};
    ASSERT_TRUE(h.ClickOn(a));
    ASSERT_EQ(h.host.hints.size(), 1u);
    EXPECT_EQ(h.host.hints[0].object, a);
    EXPECT_EQ(h.host.hints[0].text, u"<NeedMore>: " + FormatResourcesColoured({0, -6, 0, 0}))
        << "the shortfall, in red";
    EXPECT_EQ(a->jobMarkers, 0u);

    h.host.resources = {0, 100, 0, 0};
    cObject* islet = h.Find(u"islet_tree");
    EXPECT_FALSE(islet->reachable);
    ASSERT_TRUE(h.ClickOn(islet));
    ASSERT_EQ(h.host.hints.size(), 2u);
    EXPECT_EQ(h.host.hints[1].text, u"<PathIsBlocked>");
    EXPECT_EQ(h.host.hints[1].object, islet);
    EXPECT_TRUE(h.level->jobQueue.empty());
    h.StepSeconds(2);
    for (cWorker* w : h.Workers())
        EXPECT_NE(w->target, islet);
    EXPECT_EQ(h.host.resources.food, 100);
}

TEST_F(LevelRequests, ClickingAWorkingWorkerCallsItOffTheJobAndMakesNoJob) {
    h.host.resources = {0, 100, 0, 0};
    ASSERT_TRUE(h.ClickOn(a));
    cWorker* worker = nullptr;
    ASSERT_TRUE(h.StepUntil(
        [&] {
            for (cWorker* w : h.Workers()) {
                if (w->state == kWorkerWork)
                    worker = w;
            }
            return worker != nullptr;
        },
        20.0f));
    h.StepSeconds(1);
    ASSERT_TRUE(h.ClickOn(worker));
    EXPECT_EQ(worker->state, kWorkerIdle);
    EXPECT_TRUE(h.level->jobQueue.empty());
    // Sent back, nobody pays again for a felling begun.
    h.Step();
    const int32_t food = h.host.resources.food;
    ASSERT_TRUE(h.ClickOn(a));
    h.Step();
    EXPECT_EQ(h.host.resources.food, food);
    EXPECT_TRUE(h.StepUntil([&] { return a->state == 0; }, 20.0f));
}

// A worker frightened off on his way to a tree has done nothing for its
// price: the player has it back, the tree asks it again, and the felling is
// paid once when a worker does it.
TEST_F(LevelRequests, AJobDroppedBeforeTheWorkBeginsIsPaidOnceWhenItIsDone) {
    const ResourceSet price = a->GetPrice();
    ASSERT_FALSE(price.IsZero());
    h.host.resources = price;
    ASSERT_TRUE(h.ClickOn(a));
    h.Step();
    cWorker* worker = nullptr;
    for (cWorker* w : h.Workers())
        worker = w->target == a ? w : worker;
    ASSERT_NE(worker, nullptr);
    ASSERT_EQ(worker->state, kWorkerToTarget);
    EXPECT_EQ(h.host.resources, ResourceSet{}) << "paid when the worker set out";
    worker->Scare(b);
    h.Step();
    EXPECT_EQ(h.host.resources, price) << "handed back";
    EXPECT_EQ(a->GetPrice(), price);
    ASSERT_TRUE(h.StepUntil([&] { return worker->IsIdle(); }, 20.0f));
    ASSERT_TRUE(h.ClickOn(a));
    ASSERT_TRUE(h.StepUntil([&] { return a->state == 0; }, 30.0f)) << "felled";
    EXPECT_EQ(h.host.resources, ResourceSet{}) << "paid once";
}

// The pointer rests on a tree while a talk runs and the tree goes: its hint
// goes with it, and nothing shows it again.
TEST_F(LevelRequests, TheHintOfAnObjectThatIsGoneLeavesTheScreen) {
    qor::cVec2 over;
    ASSERT_TRUE(h.PickPoint(a, &over));
    h.host.cursor = over;
    ASSERT_TRUE(h.StepUntil([&] { return h.host.hintShown == a; }, 1.0f));
    h.host.StartTalk(u"001");
    h.Step();
    a->SetState(kStateGone);
    h.Step();
    h.host.EndTalk();
    h.StepSeconds(1.0f);
    EXPECT_EQ(h.host.hintShown, nullptr);
    EXPECT_EQ(h.level->hovered, nullptr);
}

}  // namespace
}  // namespace level_test
