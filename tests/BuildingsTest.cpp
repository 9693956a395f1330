// The buildings of the test level worked through clicks, as a player would:
// a house built and upgraded (one more worker per level), the plants turning
// deliveries into their output, a monument paid bit by bit, and the refusals
// of buildings that cannot take the work.
#include <gtest/gtest.h>

#include "engine/Strings.h"
#include "level/sites/Build.h"
#include "level/sites/Field.h"
#include "level/sites/Plant.h"
#include "level/sites/TunnelBuild.h"
#include "level/units/Worker.h"
#include "scene/SoundNumbers.h"
#include "tests/LevelHarness.h"
#include "tests/SceneTestKit.h"

namespace level_test {
namespace {

using namespace scene_type;

constexpr float kLimit = 60.0f;

class Buildings : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(h.Load("buildings"));
        h.Begin();
    }
    cBuild* Building(const char16_t* name) { return static_cast<cBuild*>(h.Find(name)); }
    // Clicks the building and plays until the step it asked for is done.
    ::testing::AssertionResult BuildStep(cBuild* building) {
        const int32_t level = building->level;
        if (!h.ClickOn(building))
            return ::testing::AssertionFailure() << "cannot click it at level " << level;
        if (!h.StepUntil([&] { return building->level > level && building->state == kStateReady; },
                         kLimit))
            return ::testing::AssertionFailure()
                   << "the step from level " << level << " never ended";
        // The builders leave before the next step can be asked for.
        h.StepSeconds(1.0f);
        return ::testing::AssertionSuccess();
    }
    // Every worker out in the open stands on a cell nobody builds on.
    ::testing::AssertionResult NobodyInsideWalls() {
        for (cWorker* w : h.Workers()) {
            if (!w->visible || w->IsInHouse() || w->state == kWorkerEnterHouse ||
                w->state == kWorkerDeliver)
                continue;
            if (h.level->Cells().IsOccupied(w->GetCell()))
                return ::testing::AssertionFailure()
                       << "worker " << w->id << " stands on an occupied cell";
        }
        return ::testing::AssertionSuccess();
    }
    cLevelHarness h;
};

TEST_F(Buildings, AHouseIsBuiltAndUpgradedAndEveryLevelBringsAWorker) {
    h.level->SetMaxLevel(u"house00", 2);
    cBuild* house = Building(u"house_site");
    ASSERT_EQ(house->state, 0);
    EXPECT_EQ(house->GetHintText(),
              u"<house00>\n<Price>: " + FormatResourcesCompared({40, 0, 0, 0}, {}) + u"\n");
    struct Step {
        ResourceSet price;
    };
    // The site, then levels 0 and 1: each paid exactly once, however many
    // builders it takes.
    const Step steps[] = {{{40, 0, 0, 0}}, {{20, 0, 40, 0}}, {{40, 0, 40, 0}}};
    size_t workers = h.Workers().size();
    for (const Step& step : steps) {
        SCOPED_TRACE(house->level);
        h.host.resources = step.price;
        ASSERT_TRUE(h.ClickOn(house));
        ASSERT_TRUE(h.StepUntil([&] { return house->state == kBuildWorking; }, kLimit));
        // A second builder joins the step under way and owes nothing.
        ASSERT_TRUE(h.ClickOn(house));
        ASSERT_TRUE(h.StepUntil([&] { return house->GetBusyPlaces() == 2; }, kLimit));
        ASSERT_TRUE(h.StepUntil([&] { return house->state == kStateReady; }, kLimit));
        EXPECT_EQ(h.host.resources, ResourceSet{}) << "paid once";
        EXPECT_EQ(h.Workers().size(), ++workers) << "one more worker";
        EXPECT_TRUE(NobodyInsideWalls());
        h.StepSeconds(3.0f);
        EXPECT_TRUE(NobodyInsideWalls()) << "the newcomer stepped out of the door";
    }
    EXPECT_EQ(house->level, 2);
    EXPECT_EQ(h.host.builds, 1) << "the house was built once; upgrades are no new buildings";
    EXPECT_EQ(h.host.Played(kSoundBuildReady), 3);

    // At its highest level the house takes no more work, whatever it costs.
    h.host.resources = {1000, 1000, 1000, 1000};
    EXPECT_FALSE(h.ClickOn(house));
    h.level->RequestWork(house);
    h.Step();
    EXPECT_TRUE(h.level->jobQueue.empty());
    EXPECT_EQ(h.host.resources, (ResourceSet{1000, 1000, 1000, 1000}));
    EXPECT_EQ(house->GetHintText(), u"<house00>\n");
}

TEST_F(Buildings, ABuildingStandingFromTheStartIsAtLevelZeroAndBringsNobody) {
    cBuild* house = Building(u"house");
    EXPECT_EQ(house->state, kStateReady);
    EXPECT_EQ(house->level, 0);
    EXPECT_EQ(h.Workers().size(), 8u);
    EXPECT_EQ(h.host.builds, 0);
    // Nothing to upgrade until the level allows it; then the first upgrade.
    h.host.resources = {100, 100, 100, 0};
    EXPECT_FALSE(h.ClickOn(house));
    h.level->SetMaxLevel(u"house00", 1);
    EXPECT_EQ(house->GetPrice(), (ResourceSet{20, 0, 40, 0}));
    ASSERT_TRUE(BuildStep(house));
    EXPECT_EQ(house->level, 1);
    EXPECT_EQ(h.host.resources, (ResourceSet{80, 100, 60, 0}));
    EXPECT_EQ(h.Workers().size(), 9u);
}

// The upgrade limits come from the level's row of the level table: "012"
// lets every building up one level, "021" every building two, but its
// towers only one.
TEST(BuildingsLimit, TheLevelsRowLetsEveryBuildingUpToItsLimit) {
    struct Case {
        const char* level;
        int32_t house;  // how far the house may be upgraded
        int32_t tower;
    };
    const Case cases[] = {{"012", 1, 1}, {"021", 2, 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.level);
        cLevelHarness p;
        p.LoadBytes(TestLevelNamed("buildings", c.level));
        p.Begin();
        auto* house = static_cast<cBuild*>(p.Find(u"house"));
        auto* tower = static_cast<cBuild*>(p.Find(u"tower"));
        ASSERT_NE(house, nullptr);
        ASSERT_NE(tower, nullptr);
        EXPECT_EQ(house->maxLevel, c.house);
        EXPECT_EQ(tower->maxLevel, c.tower);
        EXPECT_EQ(static_cast<cBuild*>(p.Find(u"statue"))->maxLevel, 0) << "no monument";
        // The player upgrades the standing house, level by level, as far as
        // the row allows, and no further.
        p.host.resources = {1000, 1000, 1000, 0};
        for (int32_t level = 1; level <= c.house; ++level) {
            ASSERT_TRUE(p.ClickOn(house)) << "level " << level;
            ASSERT_TRUE(p.StepUntil(
                [&] { return house->level == level && house->state == kStateReady; }, kLimit));
            p.StepSeconds(1.0f);
        }
        EXPECT_EQ(house->level, c.house);
        EXPECT_FALSE(p.ClickOn(house));
    }
}

// The headless sprites with a marker of the size the game draws (the "!"
// over a worker in the house: eight frames of 32 x 60), which the level's
// own atlases leave out.
class cMarkerServices : public cLevelTestServices {
  public:
    using cLevelTestServices::FindSprite;
    qor::cSpriteInfo FindSprite(const std::u16string& area) override {
        return area == u"exclamation" ? marker : cLevelTestServices::FindSprite(area);
    }
    qor::cSpriteInfo marker = scene_test::MakeSprite(8, 32.0f, 60.0f, 10.0f);
};

class cMarkerHarness : public cLevelHarness {
  public:
    explicit cMarkerHarness(cSceneServices* services) : cLevelHarness(services) {}
};

// What goes gives back only the cells it blocked: a worker's marker shown
// and taken away over a house leaves no way through the house.
TEST(BuildingsCells, AMarkerTakenAwayOpensNoWayThroughAHouse) {
    cMarkerServices services;
    cMarkerHarness h(&services);
    ASSERT_TRUE(h.LoadScene(IslandScene("t", R"(
base00  cell 14 10
house00 cell 10 12 name house ready
worker  cell 16 8  name w
)")));
    h.Begin();
    const cObject* house = h.Find(u"house");
    auto* w = static_cast<cWorker*>(h.Find(u"w"));
    const cCellRect walls = h.level->GetObjectCells(house);
    auto walled = [&] {
        for (int i = walls.firstI; i <= walls.lastI; ++i) {
            for (int j = walls.firstJ; j <= walls.lastJ; ++j) {
                if (!h.level->Cells().IsOccupied({i, j}))
                    return ::testing::AssertionFailure() << "cell " << i << " " << j << " is open";
            }
        }
        return ::testing::AssertionSuccess();
    };
    ASSERT_TRUE(walled());
    // The marker over a worker waiting in the house stands over its walls.
    w->SetPosition(house->x, house->y - 80.0f);
    w->ShowIndicator(true);
    ASSERT_NE(w->indicator, nullptr);
    ASSERT_TRUE(walls.Contains(w->indicator->GetCell()));
    ASSERT_GT(w->indicator->GetBounds().w, 0.0f) << "the marker has its picture";
    w->ShowIndicator(false);
    h.Step();
    EXPECT_TRUE(walled());
    cWalkPath way;
    EXPECT_TRUE(h.level->FindPath(way, w, nullptr, {walls.firstI - 1, walls.firstJ}, false));
    for (const qor::cVec2 point : way)
        EXPECT_FALSE(walls.Contains(CellOfPoint(point))) << "the way runs round the walls";
}

TEST_F(Buildings, EachPlantTurnsADeliveryIntoItsOutput) {
    struct Case {
        const char16_t* plant;
        const char16_t* source;
        int sound;
        ResourceSet price;   // of the job at the source
        ResourceSet output;  // what reaches the stock instead of the load
    };
    const Case cases[] = {
        {u"sawmill", u"tree", kSoundSawmill, {0, 10, 0, 0}, {40, 0, 0, 0}},
        {u"mill", u"field", kSoundMill, {}, {0, 40, 0, 0}},
        {u"goldmill", u"nugget", kSoundGoldmill, {0, 10, 0, 0}, {0, 0, 40, 0}},
    };
    for (const Case& c : cases) {
        cLevelHarness p;
        ASSERT_TRUE(p.Load("buildings"));
        p.Begin();
        auto* plant = static_cast<cPlant*>(p.Find(c.plant));
        cObject* source = p.Find(c.source);
        const ResourceSet start{0, 100, 0, 0};
        p.host.resources = start;
        // A field is worked once it is ripe.
        ASSERT_TRUE(p.StepUntil(
            [&] { return !source->IsKind(kField) || source->state == kFieldRipe; }, kLimit));
        ASSERT_TRUE(p.ClickOn(source)) << qor::ToUtf8(c.source);
        bool processed = false;
        ASSERT_TRUE(p.StepUntil(
            [&] {
                processed = processed || plant->state == kPlantProcessing;
                return p.host.resources == start - c.price + c.output;
            },
            kLimit))
            << "the plant's output never reached the stock";
        EXPECT_TRUE(processed);
        p.StepSeconds(2.0f);
        EXPECT_EQ(p.host.resources, start - c.price + c.output) << "nor anything more";
        EXPECT_EQ(p.host.Played(c.sound), 1);
        p.StepSeconds(1.0f);
        EXPECT_EQ(plant->state, kStateReady);
    }
}

TEST(BuildingsPlant, TwoDeliveriesWhileASawmillWorksAreCreditedOncePerDelivery) {
    cLevelHarness h;
    ASSERT_TRUE(h.LoadScene(IslandScene("t", R"(
base00    cell 14 10
sawmill00 cell 19 10 places 1 ready name sawmill
worker    cell 21 8
worker    cell 22 8
tree01    cell 21 7 name a
tree01    cell 22 7 name b
)")));
    h.Begin();
    h.host.resources = {0, 20, 0, 0};
    auto* sawmill = static_cast<cPlant*>(h.Find(u"sawmill"));
    ASSERT_TRUE(h.ClickOn(h.Find(u"a")));
    ASSERT_TRUE(h.ClickOn(h.Find(u"b")));
    size_t atOnce = 0;
    ASSERT_TRUE(h.StepUntil(
        [&] {
            if (sawmill->state == kPlantProcessing)
                atOnce = std::max(atOnce, sawmill->GetAssignedMen().size());
            return h.host.resources.wood == 80;
        },
        kLimit));
    EXPECT_EQ(atOnce, 2u) << "both loads were in the sawmill together";
    h.StepSeconds(5.0f);
    EXPECT_EQ(h.host.resources, (ResourceSet{80, 0, 0, 0}));
    EXPECT_EQ(sawmill->state, kStateReady);
}

TEST(BuildingsPlant, ASawmillBuiltFromItsSiteTakesItsFirstDelivery) {
    cLevelHarness h;
    ASSERT_TRUE(h.LoadScene(IslandScene("t", R"(
base00    cell 14 10
sawmill00 cell 19 10 places 1 name sawmill
worker    cell 21 8
worker    cell 22 8
tree01    cell 22 6 name tree
)")));
    h.Begin();
    auto* sawmill = static_cast<cPlant*>(h.Find(u"sawmill"));
    h.host.resources = {20, 10, 20, 0};
    // While it is a site, a load of wood goes home: the sawmill works only
    // once it stands. Its builder takes its one place at the door.
    ASSERT_TRUE(h.ClickOn(h.Find(u"tree")));
    ASSERT_TRUE(h.ClickOn(sawmill));
    ASSERT_TRUE(h.StepUntil([&] { return sawmill->state == kBuildWorking; }, kLimit));
    EXPECT_EQ(sawmill->AssignMan(h.Workers().front()), nullptr) << "one builder at a time";
    ASSERT_TRUE(h.StepUntil([&] { return h.host.resources.wood == 20; }, kLimit))
        << "the first load, home at 20";
    ASSERT_TRUE(h.StepUntil([&] { return sawmill->state == kStateReady; }, kLimit));
    EXPECT_EQ(sawmill->level, 0);
    // Standing, it turns the next load into 40.
    h.host.resources = {0, 10, 0, 0};
    h.StepSeconds(1.0f);
    cObject* tree = h.Find(u"tree");
    tree->SetState(kStateReady);  // grown again
    ASSERT_TRUE(h.ClickOn(tree));
    ASSERT_TRUE(h.StepUntil([&] { return h.host.resources.wood == 40; }, kLimit));
    EXPECT_EQ(h.host.Played(kSoundSawmill), 1);
}

TEST_F(Buildings, AMonumentIsPaidBitByBitAndWaitsWhileThePlayerCannotPay) {
    auto* statue = static_cast<cTunnelBuild*>(h.Find(u"statue"));
    ASSERT_EQ(statue->remaining, (ResourceSet{150, 0, 0, 0}));
    // Nothing is paid when the builders set out; they pay as they build.
    h.host.resources = {10, 0, 0, 0};
    ASSERT_TRUE(h.ClickOn(statue));
    h.Step(2);
    EXPECT_EQ(h.host.resources.wood, 10);
    ASSERT_TRUE(h.StepUntil([&] { return statue->state == kBuildWorking; }, kLimit));
    EXPECT_EQ(statue->GetHintText(), u"<key_statue00>\n<FinishWork>\n<Price>: " +
                                         FormatResourcesCompared({150, 0, 0, 0}, {10, 0, 0, 0}) +
                                         u"\n");
    // Out of wood, the work stops and the builder leaves; nothing is lost.
    ASSERT_TRUE(h.StepUntil([&] { return !HasWorkerAssigned(statue); }, kLimit));
    EXPECT_EQ(h.host.resources.wood, 0);
    EXPECT_EQ(statue->remaining.wood, 140);
    h.StepSeconds(2.0f);
    EXPECT_EQ(statue->remaining.wood, 140);
    EXPECT_EQ(statue->state, kBuildWorking) << "a monument begun stays begun";

    // With wood again, two builders finish it: every unit paid once.
    h.host.resources = {1000, 0, 0, 0};
    ASSERT_TRUE(h.ClickOn(statue));
    ASSERT_TRUE(h.StepUntil([&] { return HasWorkerAssigned(statue); }, kLimit));
    h.StepSeconds(1.0f);
    ASSERT_TRUE(h.ClickOn(statue));
    ASSERT_TRUE(h.StepUntil(
        [&] {
            EXPECT_EQ(h.host.resources.wood, 1000 - (140 - statue->remaining.wood));
            return statue->state == kStateReady;
        },
        400.0f));
    EXPECT_EQ(h.host.resources.wood, 860);
    EXPECT_EQ(statue->remaining, ResourceSet{});
    EXPECT_EQ(statue->level, 0);
    EXPECT_EQ(h.host.builds, 1);
    EXPECT_EQ(h.host.Played(kSoundBuildReady), 1);
    EXPECT_FALSE(h.ClickOn(statue)) << "a finished monument takes no work";
}

TEST_F(Buildings, RefusedClicksCostNothingAndSendNobody) {
    cBuild* site = Building(u"tower_site");
    // Too dear: the shortfall is shown, nobody goes, nothing is paid.
    h.host.resources = {5, 0, 0, 0};
    ASSERT_TRUE(h.ClickOn(site));
    ASSERT_EQ(h.host.hints.size(), 1u);
    EXPECT_EQ(h.host.hints[0].text, u"<NeedMore>: " + FormatResourcesColoured({-15, 0, -30, 0}));
    h.StepSeconds(2.0f);
    EXPECT_TRUE(h.level->jobQueue.empty());
    EXPECT_EQ(h.host.resources, (ResourceSet{5, 0, 0, 0}));

    // The base and the enemies' tower are never the player's to build.
    h.host.resources = {1000, 1000, 1000, 1000};
    EXPECT_FALSE(h.ClickOn(h.Find(u"home")));
    EXPECT_FALSE(h.ClickOn(h.Find(u"enemy_tower")));
    for (const char16_t* name : {u"home", u"enemy_tower"})
        h.level->RequestWork(h.Find(name));
    h.Step();
    EXPECT_TRUE(h.level->jobQueue.empty());

    // A builder called off his step: the next one carries on where he left
    // off, for nothing more.
    ASSERT_TRUE(h.ClickOn(site));
    ASSERT_TRUE(h.StepUntil([&] { return site->state == kBuildWorking; }, kLimit));
    h.StepSeconds(1.0f);
    const float done = site->upgrade.current;
    ASSERT_EQ(site->GetAssignedMen().size(), 1u) << site->state << " " << done;
    cObject* builder = site->GetAssignedMen().front();
    ASSERT_TRUE(h.ClickOn(builder));
    EXPECT_EQ(builder->state, kWorkerIdle);
    h.Step();
    ASSERT_TRUE(h.ClickOn(site));
    ASSERT_TRUE(h.StepUntil([&] { return site->state == kStateReady; }, kLimit));
    EXPECT_GT(done, 0.0f);
    EXPECT_EQ(h.host.resources, (ResourceSet{980, 1000, 970, 1000})) << "the site paid once";

    // Three requests at once (as the tutorial may make them) send three
    // builders to the house site; the site is paid for once.
    cBuild* house = Building(u"house_site");
    for (int k = 0; k < 3; ++k)
        h.level->RequestWork(house);
    ASSERT_TRUE(h.StepUntil([&] { return house->GetBusyPlaces() == 3; }, kLimit));
    EXPECT_EQ(h.host.resources, (ResourceSet{940, 1000, 970, 1000}));
}

TEST(BuildingsStep, NobodyIsSentBackWhileTheBuildersOfAFinishedStepLeave) {
    cLevelHarness h;
    ASSERT_TRUE(h.LoadScene(IslandScene("t", R"(
base00  cell 10 10
house00 cell 16 10 places 3 name house
worker  cell 14 8
worker  cell 15 8
)")));
    h.Begin();
    h.level->SetMaxLevel(u"house00", 1);
    auto* house = static_cast<cBuild*>(h.Find(u"house"));
    h.host.resources = {60, 0, 40, 0};
    ASSERT_TRUE(h.ClickOn(house));
    ASSERT_TRUE(
        h.StepUntil([&] { return house->GetBusyPlaces() == 1 && house->jobMarkers == 0; }, kLimit));
    ASSERT_TRUE(h.ClickOn(house));
    ASSERT_TRUE(h.StepUntil([&] { return house->GetBusyPlaces() == 2; }, kLimit));
    // Nobody is free to take a third place: the request waits, and the first
    // free men are the builders the moment the house stands.
    h.level->RequestWork(house);
    ASSERT_EQ(h.level->jobQueue.size(), 1u);
    ASSERT_TRUE(h.StepUntil([&] { return house->state == kStateReady; }, kLimit));
    // Nobody is sent back to a building whose builders are still leaving:
    // he would find no work there.
    int sent = 0;
    for (int t = 0; t < 20 * 30; ++t) {
        h.Step();
        for (cWorker* w : h.Workers())
            sent += w->target == house && w->state == kWorkerToTarget ? 1 : 0;
    }
    EXPECT_EQ(sent, 0);
    EXPECT_EQ(house->level, 0);
    EXPECT_EQ(h.host.resources, (ResourceSet{20, 0, 40, 0})) << "the upgrade was never paid";
}

}  // namespace
}  // namespace level_test
