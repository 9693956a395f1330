// Workers between and during jobs: strolling and resting while idle, staying
// off water and rock, their walks and animations, fleeing, going into the
// house and out again, and the speed spell.
#include <gtest/gtest.h>

#include <cmath>

#include "engine/Strings.h"
#include "level/sites/Build.h"
#include "level/sites/Tree.h"
#include "level/units/Worker.h"
#include "scene/SoundNumbers.h"
#include "tests/LevelHarness.h"

namespace level_test {
namespace {

using namespace scene_type;

TEST(LevelWorkerDirections, TheFourDirectionsSplitTheCircleWhereTheFiguresTurn) {
    const struct {
        float degrees;
        char16_t digit;
    } cases[] = {{0, u'0'},      {29.9f, u'0'}, {30, u'1'},     {104.9f, u'1'}, {105, u'2'},
                 {209.9f, u'2'}, {210, u'3'},   {299.9f, u'3'}, {300, u'0'},    {359, u'0'}};
    for (const auto& c : cases) {
        const float r = c.degrees * 3.14159265f / 180.0f;
        EXPECT_EQ(DirectionDigit(std::cos(r), std::sin(r)), c.digit) << c.degrees << " degrees";
    }
}

TEST(LevelWorkerIdle, FiveStrollsThenThreeRestsAndNeverOffTheGround) {
    cLevelHarness h;
    ASSERT_TRUE(h.Load("sources"));
    h.Begin();
    cWorker* w = h.Workers().front();
    std::vector<int32_t> runs;  // the worker's states, each run once
    int restTicks = 0, longestRest = 0;
    for (int t = 0; t < 30 * 240; ++t) {
        h.Step();
        if (runs.empty() || runs.back() != w->state)
            runs.push_back(w->state);
        restTicks = w->state == kWorkerRest ? restTicks + 1 : 0;
        longestRest = std::max(longestRest, restTicks);
        for (cWorker* any : h.Workers()) {
            ASSERT_GE(h.level->Cells().UnderlyingKind(any->GetCell()), 0)
                << "a worker on water or rock at tick " << t;
        }
    }
    int strolls = 0, rests = 0, mostStrolls = 0;
    for (int32_t s : runs) {
        if (s == kWorkerWander)
            mostStrolls = std::max(mostStrolls, ++strolls);
        if (s == kWorkerRest) {
            EXPECT_LE(strolls, 5);
            strolls = 0;
            ++rests;
        }
    }
    EXPECT_EQ(mostStrolls, 5) << "five strolls in a row before a rest";
    EXPECT_GE(rests, 2);
    // Three rests of five seconds after the first stretch.
    EXPECT_GE(longestRest, 15 * 30);
}

TEST(LevelWorkerWalks, AnimationsAndSpeedsFollowWhatTheWorkerDoes) {
    cLevelHarness h;
    ASSERT_TRUE(h.LoadScene(IslandScene("t", R"(
base00 cell 14 10
worker cell 19 8 name w
tree00 cell 23 8 name tree
)")));
    h.Begin();
    h.host.resources = {0, 10, 0, 0};
    auto* w = static_cast<cWorker*>(h.Find(u"w"));
    ASSERT_TRUE(h.ClickOn(h.Find(u"tree")));
    h.Step(2);
    ASSERT_EQ(w->state, kWorkerToTarget);
    EXPECT_EQ(w->mover.speed, 230.0f) << "empty-handed to a job";
    EXPECT_TRUE(w->animationName.starts_with(u"run")) << qor::ToUtf8(w->animationName);
    ASSERT_TRUE(h.StepUntil([&] { return w->state == kWorkerWork; }, 10.0f));
    EXPECT_TRUE(w->animationName.starts_with(u"hack"));
    ASSERT_TRUE(h.StepUntil([&] { return w->state == kWorkerToTarget; }, 10.0f));
    h.Step(2);
    EXPECT_EQ(w->mover.speed, 200.0f) << "carrying wood";
    EXPECT_TRUE(w->animationName.starts_with(u"bag"));
    // In at the door, out again a moment later, ready for the next job.
    ASSERT_TRUE(h.StepUntil([&] { return !w->visible; }, 10.0f));
    EXPECT_GE(h.host.Played(kSoundWorkerIn), 1);
    ASSERT_TRUE(h.StepUntil([&] { return w->state == kWorkerEnterHouse; }, 5.0f));
    EXPECT_EQ(h.host.resources.wood, 20);
    ASSERT_TRUE(h.StepUntil([&] { return w->visible && w->IsIdle(); }, 5.0f));
    ASSERT_TRUE(h.StepUntil([&] { return w->state == kWorkerWander; }, 20.0f));
    h.Step(2);
    EXPECT_EQ(w->mover.speed, 25.0f) << "a stroll";
    EXPECT_TRUE(w->animationName.starts_with(u"walk"));
    EXPECT_NEAR(w->GetAnimationSpeed(), 25.0f / 35.0f, 1e-6);
}

TEST(LevelWorkerWalks, APathOfOnePointArrivesAtOnce) {
    cLevelHarness h;
    ASSERT_TRUE(h.LoadScene(IslandScene("t", R"(
base00 cell 14 10
worker cell 20 6 name w
money  cell 20 6 name money
)")));
    h.Begin();
    auto* w = static_cast<cWorker*>(h.Find(u"w"));
    w->Go({w->GetPosition()}, h.Find(u"money"));
    EXPECT_EQ(w->state, kWorkerToTarget);
    h.Step();
    EXPECT_EQ(w->state, kWorkerWork);
}

TEST(LevelWorkerFear, AFrightenedWorkerRunsAwayOnceAndSettlesAgain) {
    cLevelHarness h;
    ASSERT_TRUE(h.LoadScene(IslandScene("t", R"(
base00 cell 14 10
worker cell 20 8 name w
money  cell 21 8 name threat
)")));
    h.Begin();
    auto* w = static_cast<cWorker*>(h.Find(u"w"));
    cObject* threat = h.Find(u"threat");
    const float before = std::hypot(w->x - threat->x, w->y - threat->y);
    w->Scare(threat);
    EXPECT_EQ(w->state, kWorkerScared);
    h.Step();
    ASSERT_EQ(w->state, kWorkerFlee);
    w->Scare(threat);
    EXPECT_EQ(w->state, kWorkerFlee) << "fleeing already";
    EXPECT_EQ(w->mover.speed, 170.0f);
    EXPECT_TRUE(w->animationName.starts_with(u"fear"));
    ASSERT_TRUE(h.StepUntil([&] { return w->state != kWorkerFlee; }, 10.0f));
    EXPECT_GT(std::hypot(w->x - threat->x, w->y - threat->y), before + 50.0f);
}

TEST(LevelWorkerHouse, AWorkerCutOffStaysInsideUntilAWayOpens) {
    cLevelHarness h;
    // A worker on a patch of grass walled in by rock.
    std::string body = "base00 cell 14 10\nworker cell 22 15 name w\n";
    for (int i = 21; i <= 23; ++i) {
        for (int j = 14; j <= 16; ++j) {
            if (i != 22 || j != 15)
                body += "terrain " + std::to_string(i) + " " + std::to_string(j) + " -1\n";
        }
    }
    ASSERT_TRUE(h.LoadScene(IslandScene("t", body)));
    h.Begin();
    auto* w = static_cast<cWorker*>(h.Find(u"w"));
    EXPECT_EQ(w->state, kWorkerStranded);
    ASSERT_NE(w->indicator, nullptr) << "a marker shows where a worker waits";
    EXPECT_FALSE(w->IsIdle());
    h.StepSeconds(3);
    EXPECT_EQ(w->state, kWorkerStranded);

    h.level->Cells().SetCellKind({22, 14}, kTerrainGrass);
    h.level->QueueCommand(nullptr, kCommandWaysOpened, 0);
    h.Step();
    EXPECT_EQ(w->state, kWorkerToTarget) << "off home once a way is open";
    EXPECT_EQ(w->indicator, nullptr);
    EXPECT_EQ(h.host.Played(kSoundWorkerJoy), 1);
    EXPECT_TRUE(h.StepUntil([&] { return w->IsIdle() && w->visible; }, 20.0f));
}

// A level without a camp has no house to go to: when a way closes (or the
// water rises) its workers stay out and keep to their jobs.
TEST(LevelWorkerHouse, WithoutACampNobodyIsSentHomeWhenAWayCloses) {
    for (const int32_t command : {kCommandWaysClosed, kCommandFlooded}) {
        SCOPED_TRACE(command);
        cLevelHarness h;
        ASSERT_TRUE(h.LoadScene(IslandScene("t", R"(
worker cell 19 8 name w
worker cell 12 12 name idle
tree00 cell 23 8 name tree
)")));
        h.Begin();
        ASSERT_EQ(h.level->base, nullptr);
        h.level->floodCells = {{12, 12}, {19, 8}};
        h.host.resources = {0, 10, 0, 0};
        auto* w = static_cast<cWorker*>(h.Find(u"w"));
        auto* idle = static_cast<cWorker*>(h.Find(u"idle"));
        ASSERT_TRUE(h.ClickOn(h.Find(u"tree")));
        h.Step(2);
        ASSERT_EQ(w->state, kWorkerToTarget);
        h.level->QueueCommand(nullptr, command, 0);
        bool wentIn = false;
        const bool worked = h.StepUntil(
            [&] {
                wentIn = wentIn || w->IsInHouse() || idle->IsInHouse();
                return w->state == kWorkerWork;
            },
            10.0f);
        EXPECT_TRUE(worked) << "the job goes on";
        h.StepSeconds(5.0f);
        wentIn = wentIn || w->IsInHouse() || idle->IsInHouse();
        EXPECT_FALSE(wentIn);
        EXPECT_EQ(w->goHomeLater, 0);
        EXPECT_EQ(idle->goHomeLater, 0);
    }
}

TEST(LevelWorkerSpell, TheSpeedSpellMakesTheWorkGoFaster) {
    auto fellingTicks = [](bool spell) {
        cLevelHarness h;
        EXPECT_TRUE(h.LoadScene(IslandScene("t", R"(
base00 cell 14 10
worker cell 20 8
tree01 cell 22 8 name tree
)")));
        h.Begin();
        if (spell)
            h.level->spells.push_back({2, 0.0f});  // cast a moment ago
        h.host.resources = {0, 10, 0, 0};
        h.ClickOn(h.Find(u"tree"));
        cWorker* w = h.Workers().front();
        h.StepUntil([&] { return w->state == kWorkerWork; }, 10.0f);
        int ticks = 0;
        while (w->state == kWorkerWork && ticks < 1000) {
            h.Step();
            ++ticks;
        }
        return ticks;
    };
    EXPECT_NEAR(fellingTicks(false), 150, 1) << "five seconds of work";
    // 0.06 s of work in every tick of 1/30 s.
    EXPECT_NEAR(fellingTicks(true), 84, 1);
}

}  // namespace
}  // namespace level_test
