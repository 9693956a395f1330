// What blocks the island's ways, dealt with through clicks on the test level:
// logs and stones cleared, bridges repaired, and the way beyond then walked
// by a worker who fetches the goods lying there; a bridge broken again.
#include <gtest/gtest.h>

#include <functional>

#include "engine/Strings.h"
#include "level/sites/Barrier.h"
#include "level/sites/Bridge.h"
#include "level/units/Worker.h"
#include "tests/LevelHarness.h"

namespace level_test {
namespace {

using namespace scene_type;

constexpr float kLimit = 60.0f;

// Every cell of the object's footprint can be walked on (or not).
bool CellsFree(const cLevelHarness& h, const cObject* object, bool free) {
    const cCellRect r = h.level->GetObjectCells(object);
    for (int i = r.firstI; i <= r.lastI; ++i) {
        for (int j = r.firstJ; j <= r.lastJ; ++j) {
            if (h.level->Cells().IsFree({i, j}) != free)
                return false;
        }
    }
    return true;
}

// Plays until `done` holds (at most a minute) and counts the steps workers
// spent working at the target; -1 when it never held.
int WorkTicksUntil(cLevelHarness& h, const cObject* target, const std::function<bool()>& done) {
    int working = 0;
    const bool held = h.StepUntil(
        [&] {
            for (cWorker* w : h.Workers())
                working += w->state == kWorkerWork && w->target == target ? 1 : 0;
            return done();
        },
        kLimit);
    return held ? working : -1;
}

// Plays until the goods lying beyond an obstacle have been fetched home.
::testing::AssertionResult Fetch(cLevelHarness& h, const char16_t* goods) {
    cObject* item = h.Find(goods);
    if (!item->reachable)
        return ::testing::AssertionFailure() << "no way leads there";
    if (!h.ClickOn(item))
        return ::testing::AssertionFailure() << "cannot click it";
    const ResourceSet before = h.host.resources;
    if (!h.StepUntil([&] { return h.host.resources != before; }, kLimit))
        return ::testing::AssertionFailure() << "nobody brought it home";
    return ::testing::AssertionSuccess();
}

TEST(Obstacles, BarriersAreClearedForTheirPriceAndTheWayBeyondOpens) {
    struct Case {
        const char16_t* name;
        ResourceSet price;
        ResourceSet profit;
        int workTicks;
    };
    const Case cases[] = {
        {u"log", {0, 50, 0, 0}, {40, 0, 0, 0}, 150},
        {u"stone", {0, 50, 50, 0}, {}, 150},
        {u"boulder", {0, 100, 100, 0}, {}, 300},  // twice as big: twice the work
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(qor::ToUtf8(c.name));
        cLevelHarness h;
        ASSERT_TRUE(h.Load("obstacles"));
        h.Begin();
        auto* barrier = static_cast<cBarrier*>(h.Find(c.name));
        EXPECT_FALSE(h.Find(u"north_food")->reachable);
        EXPECT_TRUE(CellsFree(h, barrier, false));
        std::u16string hint = u"<" + barrier->kind + u">\n<Price>: " +
                              FormatResourcesCompared(c.price, c.price) + u"\n";
        if (!c.profit.IsZero())
            hint += u"<Profit>: " + FormatResourcesColoured(c.profit) + u"\n";
        h.host.resources = c.price;
        EXPECT_EQ(barrier->GetHintText(), hint);

        ASSERT_TRUE(h.ClickOn(barrier));
        EXPECT_NEAR(WorkTicksUntil(h, barrier, [&] { return barrier->state == kStateGone; }),
                    c.workTicks, 1);
        EXPECT_TRUE(CellsFree(h, barrier, true));
        // The clearer carries home what the barrier gave: nothing for stones.
        ASSERT_TRUE(h.StepUntil([&] { return h.host.resources == c.profit; }, kLimit));
        h.StepSeconds(3.0f);
        EXPECT_EQ(h.host.resources, c.profit);

        // The way beyond is open: goods there are fetched home.
        h.Step();
        ASSERT_TRUE(Fetch(h, u"north_food"));
        EXPECT_EQ(h.host.resources, c.profit + ResourceSet({0, 20, 0, 0}));
    }
}

TEST(Obstacles, BridgesAreRepairedAndCrossedToTheGoodsBeyond) {
    struct Case {
        const char16_t* bridge;
        const char16_t* goods;
        int32_t wood;  // the price
        int workTicks;
    };
    const Case cases[] = {
        {u"west_bridge", u"west_mana", 50, 210},
        {u"south_bridge", u"south_food", 50, 210},
        {u"east_bridge", u"east_wood", 80, 270},
        {u"north_bridge", u"north_money", 80, 270},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(qor::ToUtf8(c.bridge));
        cLevelHarness h;
        ASSERT_TRUE(h.Load("obstacles"));
        h.Begin();
        auto* bridge = static_cast<cBridge*>(h.Find(c.bridge));
        EXPECT_EQ(bridge->state, kBridgeBroken);
        EXPECT_TRUE(CellsFree(h, bridge, false));
        EXPECT_FALSE(h.Find(c.goods)->reachable);
        h.host.resources = {c.wood - 1, 0, 0, 0};
        ASSERT_TRUE(h.ClickOn(bridge));
        ASSERT_EQ(h.host.hints.size(), 1u) << "too little wood";
        h.host.resources = {c.wood, 0, 0, 0};
        ASSERT_TRUE(h.ClickOn(bridge));
        EXPECT_NEAR(WorkTicksUntil(h, bridge, [&] { return bridge->IsRepaired(); }), c.workTicks,
                    1);
        EXPECT_EQ(bridge->repaired, 1.0f);
        EXPECT_TRUE(CellsFree(h, bridge, true));
        EXPECT_FALSE(h.ClickOn(bridge)) << "a repaired bridge takes no work";
        h.Step();
        const ResourceSet before = h.host.resources;
        ASSERT_TRUE(Fetch(h, c.goods));
        EXPECT_EQ(before, ResourceSet{}) << "the repair cost its price, once";
    }
}

TEST(Obstacles, ABridgeBrokenAgainNeedsTheWholeRepairAndBlocksMeanwhile) {
    cLevelHarness h;
    ASSERT_TRUE(h.Load("obstacles"));
    h.Begin();
    auto* bridge = static_cast<cBridge*>(h.Find(u"west_bridge"));
    h.host.resources = {50, 0, 0, 0};
    ASSERT_TRUE(h.ClickOn(bridge));
    ASSERT_TRUE(h.StepUntil([&] { return bridge->IsRepaired(); }, kLimit));
    h.StepSeconds(3.0f);
    // Struck by a falling stone: broken, and it stays so until repaired.
    bridge->SetState(kBridgeBroken);
    h.StepSeconds(1.0f);
    EXPECT_EQ(bridge->state, kBridgeBroken);
    EXPECT_EQ(bridge->repaired, 0.0f);
    EXPECT_TRUE(CellsFree(h, bridge, false));
    EXPECT_EQ(bridge->GetPrice(), (ResourceSet{50, 0, 0, 0}));
}

TEST(Obstacles, AWorkerCutOffBeyondABrokenBridgeComesHomeOnceItIsRepaired) {
    cLevelHarness h;
    ASSERT_TRUE(h.Load("obstacles"));
    h.Begin();
    // A worker who finds himself beyond the western stream has no way home:
    // he waits in the house.
    cWorker* cut = h.level->SpawnWorker(CellCentre({4, 14}));
    ASSERT_NE(cut, nullptr);
    h.StepSeconds(1.0f);
    ASSERT_TRUE(cut->IsInHouse()) << cut->state;
    h.host.resources = {50, 0, 0, 0};
    ASSERT_TRUE(h.ClickOn(h.Find(u"west_bridge")));
    ASSERT_TRUE(h.StepUntil([&] { return !cut->IsInHouse(); }, kLimit))
        << "out of the house once the way is open";
    EXPECT_EQ(cut->state, kWorkerToTarget);
}

TEST(Obstacles, TheBellLeavesAWorkerWithNoWayToItStandingFree) {
    cLevelHarness h;
    ASSERT_TRUE(h.Load("obstacles"));
    h.Begin();
    // Put down beyond the western stream, he cannot come.
    cWorker* cut = h.level->SpawnWorker(CellCentre({4, 14}));
    ASSERT_NE(cut, nullptr);
    cut->goHomeLater = 0;
    cut->SetState(kWorkerRest);
    ASSERT_TRUE(h.ClickOn(h.Find(u"bell")));
    EXPECT_EQ(cut->state, kWorkerIdle) << "never left standing stopped";
    h.StepSeconds(5.0f);
    EXPECT_NE(cut->state, kWorkerRestart);
}

}  // namespace
}  // namespace level_test
