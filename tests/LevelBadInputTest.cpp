// What a level does with input it cannot use: clicks on nothing or on what is
// going, a level without workers or without a house, requests for paths that
// do not exist, and level files cut short or full of noise. Nothing crashes,
// nothing is lost, nobody gets stuck.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "level/sites/Field.h"
#include "level/units/Worker.h"
#include "tests/LevelHarness.h"

namespace level_test {
namespace {

using namespace scene_type;

std::vector<uint8_t> TestLevelBytes() {
    std::ifstream in("data/testlevel/sources.lvl", std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(LevelBadInput, ClicksOnNothingOrOnGoodsAlreadyTakenDoNothing) {
    cLevelHarness h;
    ASSERT_TRUE(h.Load("sources"));
    h.Begin();
    h.Click({1010, 10});  // the sea in a corner
    h.Click({520, 40});   // open grass
    h.Step();
    EXPECT_TRUE(h.level->jobQueue.empty());
    EXPECT_TRUE(h.host.hints.empty());

    cObject* money = h.Find(u"money");
    qor::cVec2 at;
    ASSERT_TRUE(h.PickPoint(money, &at));
    h.Click(at);
    ASSERT_TRUE(h.StepUntil([&] { return money->state == kStateGone; }, 20.0f));
    h.level->RequestWork(money);  // as the tutorial might, a moment late
    EXPECT_TRUE(h.level->jobQueue.empty());
    EXPECT_EQ(money->jobMarkers, 0u);
    h.Step();
    h.Click(at);
    h.Step();
    EXPECT_TRUE(h.level->jobQueue.empty());
    EXPECT_TRUE(h.StepUntil([&] { return h.host.resources.money == 20; }, 20.0f))
        << "the goods taken count once";
    h.StepSeconds(10);
    EXPECT_EQ(h.host.resources.money, 20);
}

TEST(LevelBadInput, ALevelWithoutWorkersQueuesJobsAndSaysSoOnce) {
    cLevelHarness h;
    h.readsTalks = true;  // no workers: the level says so in a talk
    ASSERT_TRUE(h.LoadScene(IslandScene("t", R"(
base00  cell 14 10
field00 cell 20 6 name field
)")));
    h.Begin();
    auto* field = static_cast<cField*>(h.Find(u"field"));
    ASSERT_TRUE(h.StepUntil([&] { return field->state == kFieldRipe; }, 10.0f));
    ASSERT_TRUE(h.ClickOn(field));
    h.StepSeconds(20);
    EXPECT_EQ(h.level->jobQueue.size(), 1u) << "the request waits";
    EXPECT_EQ(h.host.talks, (std::vector<std::u16string>{u"NoFreeWorkers"}));
}

TEST(LevelBadInput, WithoutAHouseTheGoodsCountWhereTheyWereGathered) {
    cLevelHarness h;
    ASSERT_TRUE(h.LoadScene(IslandScene("t", R"(
worker cell 14 10 name w
mana   cell 18 10 name mana
)")));
    h.Begin();
    auto* w = static_cast<cWorker*>(h.Find(u"w"));
    EXPECT_NE(w->state, kWorkerStranded) << "no house to be shut in";
    ASSERT_TRUE(h.ClickOn(h.Find(u"mana")));
    ASSERT_TRUE(h.StepUntil([&] { return h.host.resources.mana == 20; }, 20.0f));
    h.StepSeconds(2);
    EXPECT_TRUE(w->IsIdle());
    EXPECT_TRUE(w->visible);
    EXPECT_TRUE(w->bag.IsZero());
}

TEST(LevelBadInput, AWayThatDoesNotExistIsFoundMissingQuickly) {
    cLevelHarness h;
    ASSERT_TRUE(h.Load("sources"));
    cObject* islet = h.Find(u"islet_tree");
    cWalkPath way{{1, 2}};
    EXPECT_FALSE(h.level->FindPath(way, h.Workers().front(), islet, {}, true));
    EXPECT_TRUE(way.empty());
    EXPECT_LE(h.level->finder.ExpandedCount(), 2 * kGridCells);
    // Nor is there one without a walker or a goal, or to a cell off the grid.
    EXPECT_FALSE(h.level->FindPath(way, nullptr, islet, {}, false));
    EXPECT_FALSE(h.level->FindPath(way, h.Workers().front(), nullptr, {}, false));
    EXPECT_FALSE(h.level->FindPath(way, h.Workers().front(), nullptr, {40, 3}, false));
}

TEST(LevelBadInput, LevelFilesCutShortOrFullOfNoiseStillPlay) {
    const std::vector<uint8_t> whole = TestLevelBytes();
    ASSERT_GT(whole.size(), 400u);
    std::vector<std::vector<uint8_t>> files;
    for (size_t cut :
         {size_t{0}, size_t{3}, size_t{20}, size_t{1500}, whole.size() - 300, whole.size() - 5})
        files.emplace_back(whole.begin(), whole.begin() + static_cast<long>(cut));
    std::vector<uint8_t> noisy = whole;
    for (size_t k = 3200; k < noisy.size(); k += 7)
        noisy[k] ^= 0x5A;
    files.push_back(noisy);
    for (const std::vector<uint8_t>& bytes : files) {
        cLevelHarness h;
        h.LoadBytes(bytes);
        h.Begin();
        h.host.resources = {100, 100, 100, 100};
        for (int k = 0; k < 40; ++k) {
            h.Click({static_cast<float>(37 * k % 1024), static_cast<float>(53 * k % 768)});
            h.Step(5);
        }
        h.RightClick();
        h.StepSeconds(5);
        EXPECT_EQ(h.level->state, kLevelPlay) << bytes.size() << " bytes";
    }
}

}  // namespace
}  // namespace level_test
