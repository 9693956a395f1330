// Stones that fall from the sky: they wait off screen until the story lets
// them fall and nobody stands where they land, fly in, land where the level
// placed them with a blast and a shake, and knock a building or bridge next
// to them back to unbuilt. A level started again has nothing left flying.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "engine/BitStream.h"
#include "level/sites/Bridge.h"
#include "level/units/Worker.h"
#include "scene/SoundNumbers.h"
#include "tests/LevelHarness.h"

namespace level_test {
namespace {

using namespace scene_type;

// Three stones in open ground, far from the house and from each other.
constexpr char kThreeStones[] = R"(
base00  cell 14 10 name home
worker  cell 13 8 name w
stone00 cell 9 14 name s0 meteor
stone00 cell 20 14 name s1 meteor
stone_big00 cell 16 5 name s2 meteor
)";

// A level file as the game reads it, written after `edit` changed the
// compiled scene: what the scene compiler refuses, such as a stone falling
// onto a house or into the sea.
std::vector<uint8_t> Edited(const std::string& body,
                            const std::function<void(cLevelHarness&)>& edit) {
    cLevelHarness maker;
    EXPECT_TRUE(maker.LoadScene(IslandScene("t", body)));
    edit(maker);
    qor::cBitStream stream;
    maker.level->SaveLevel(stream);
    return {stream.Data(), stream.Data() + stream.ByteLength()};
}

// The object falls from the sky, to the point given.
void MakeFall(cObject* stone, qor::cVec2 to) {
    ASSERT_NE(stone, nullptr);
    stone->SetPosition(to);
    stone->flags |= kFlagMeteor;
}

class FallingStones : public ::testing::Test {
  protected:
    void Start(const std::string& body) {
        ASSERT_TRUE(h.LoadScene(IslandScene("t", body)));
        h.Begin();
    }
    void Start(const std::vector<uint8_t>& bytes) {
        h.LoadBytes(bytes);
        h.Begin();
    }
    cObject* Stone(int k) const { return h.Find(u"s" + std::u16string(1, char16_t(u'0' + k))); }
    bool AllDown() const { return !h.level->meteors.Pending(); }
    cLevelHarness h;
};

// The unit vector toward the sky the stones come from.
qor::cVec2 Sky() {
    const float l = std::hypot(140.0f, 200.0f);
    return {140.0f / l, 200.0f / l};
}

TEST_F(FallingStones, WaitOffScreenOnTheFlyingLayerUntilTheShowerIsDue) {
    Start(kThreeStones);
    ASSERT_TRUE(h.level->meteors.Pending());
    std::vector<qor::cVec2> start;
    for (int k = 0; k < 3; ++k) {
        cObject* stone = Stone(k);
        ASSERT_NE(stone, nullptr);
        EXPECT_EQ(stone->GetLayer(), 7);
        start.push_back(stone->GetPosition());
        EXPECT_TRUE(start.back().x > 1024.0f || start.back().y > 768.0f) << "stone " << k;
    }
    EXPECT_EQ(h.level->meteorDelay, -1.0f);
    h.StepSeconds(5.0f);
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(Stone(k)->GetPosition().x, start[k].x) << "no shower is due: stone " << k;
        EXPECT_EQ(Stone(k)->GetPosition().y, start[k].y);
    }
    // Let them fall: each lands on its cell, 800 x (1 + 1.1 k) below its start.
    h.level->meteorDelay = 0.0f;
    std::vector<qor::cVec2> landed(3);
    ASSERT_TRUE(h.StepUntil(
        [&] {
            for (int k = 0; k < 3; ++k) {
                if (Stone(k)->GetLayer() != 7 && landed[k].x == 0.0f)
                    landed[k] = Stone(k)->GetPosition();
            }
            return AllDown();
        },
        6.0f));
    const qor::cVec2 sky = Sky();
    for (int k = 0; k < 3; ++k) {
        SCOPED_TRACE(k);
        const float distance = 800.0f * (1.0f + 1.1f * static_cast<float>(k));
        EXPECT_NEAR(start[k].x - landed[k].x, sky.x * distance, 0.01f);
        EXPECT_NEAR(start[k].y - landed[k].y, sky.y * distance, 0.01f);
        EXPECT_EQ(Stone(k)->GetLayer(), 5) << "back on its usual layer";
        EXPECT_EQ(Stone(k)->state, kStateReady) << "open ground: it lies there";
        EXPECT_EQ(Stone(k)->flags & kFlagMeteor, 0u) << "an ordinary stone now";
        EXPECT_TRUE(Stone(k)->reachable) << "the workers can clear it";
        const cCellRect r = h.level->GetObjectCells(Stone(k));
        EXPECT_TRUE(h.level->Cells().IsOccupied({r.firstI, r.firstJ})) << "it blocks its cell";
    }
    EXPECT_EQ(h.host.Played(kSoundExplosion), 3);
}

TEST_F(FallingStones, NothingFallsWhileAWorkerStandsWhereAStoneWillLand) {
    Start(kThreeStones);
    const qor::cVec2 start = Stone(0)->GetPosition();
    cWorker* w = static_cast<cWorker*>(h.Find(u"w"));
    // Beside the first stone's cell: inside its landing zone.
    w->SetPosition(CellCentre({10, 14}));
    w->SetTarget(nullptr);
    w->SetState(kWorkerRest);
    EXPECT_TRUE(h.level->InDanger(w, kDangerStones)) << "the danger is where it lands";
    h.level->meteorDelay = 0.0f;
    for (int t = 0; t < 90; ++t) {
        w->SetPosition(CellCentre({10, 14}));
        h.Step();
    }
    EXPECT_EQ(Stone(0)->GetPosition().x, start.x) << "waits for the worker";
    EXPECT_EQ(Stone(0)->GetPosition().y, start.y);
    w->SetPosition(CellCentre({14, 8}));
    h.StepSeconds(1.0f);
    EXPECT_NE(Stone(0)->GetPosition().y, start.y) << "on its way once the place is clear";
}

TEST_F(FallingStones, LandWithAShakeOfSixAlternatingJumps) {
    Start(kThreeStones);
    h.level->meteorDelay = 0.0f;
    ASSERT_TRUE(h.StepUntil([&] { return Stone(0)->GetLayer() != 7; }, 3.0f));
    // The landing frame drew the first jump already or draws it next.
    std::vector<float> xs;
    const cScreenShake& shake = h.level->meteors.Shake();
    xs.push_back(shake.x);
    // The picture's jumps leave the game's generator alone.
    const uint32_t before = h.host.Random().seed;
    for (int frame = 0; frame < 4; ++frame) {
        h.level->meteors.Update(*h.level, 1.0f / 30.0f);
        xs.push_back(shake.x);
    }
    EXPECT_EQ(h.host.Random().seed, before);
    for (int t = 0; t < 20; ++t) {
        h.Step();
        xs.push_back(shake.x);
        EXPECT_LE(std::abs(shake.y), 10.0f);
    }
    // Six jumps, right first, then left, each followed by the scene at rest.
    std::vector<float> jumps;
    for (float x : xs) {
        if (x != 0.0f && (jumps.empty() || jumps.back() != x))
            jumps.push_back(x);
    }
    ASSERT_EQ(jumps.size(), 6u);
    for (size_t k = 0; k < jumps.size(); ++k) {
        EXPECT_GE(std::abs(jumps[k]), 6.0f);
        EXPECT_LE(std::abs(jumps[k]), 12.0f);
        EXPECT_EQ(jumps[k] > 0.0f, k % 2 == 0) << "jump " << k;
    }
    EXPECT_TRUE(shake.IsIdle());
    EXPECT_EQ(shake.x, 0.0f);
    EXPECT_EQ(shake.y, 0.0f);
}

TEST_F(FallingStones, KnockABuildingOrABridgeBesideThemBackToUnbuilt) {
    // One lands beside the house's middle, one beside the bridge's, one in
    // the open.
    Start(Edited(R"(
base00  cell 14 10 name home
house00 cell 8 14 name house ready
bridge01 cell 20 6 name bridge ready
stone00 cell 22 15 name s0
stone00 cell 22 17 name s1
stone00 cell 22 13 name s2 meteor
)",
                 [](cLevelHarness& m) {
                     const cCell house = m.Find(u"house")->GetCell();
                     const cCell bridge = m.Find(u"bridge")->GetCell();
                     MakeFall(m.Find(u"s0"), CellCentre({house.i + 1, house.j}));
                     MakeFall(m.Find(u"s1"), CellCentre({bridge.i, bridge.j - 1}));
                 }));
    cObject* house = h.Find(u"house");
    auto* bridge = static_cast<cBridge*>(h.Find(u"bridge"));
    ASSERT_EQ(house->state, kStateReady);
    ASSERT_EQ(bridge->state, kStateReady);
    const cCellRect under = h.level->GetObjectCells(bridge);
    ASSERT_FALSE(h.level->Cells().IsOccupied({under.firstI, under.firstJ})) << "crossable";
    h.level->meteorDelay = 0.0f;
    bool bridgeQueued = false;
    ASSERT_TRUE(h.StepUntil(
        [&] {
            for (const cLevelWidget::cCommand& c : h.level->commands)
                bridgeQueued = bridgeQueued || (c.object == bridge && c.kind == kCommandWaysClosed);
            return AllDown();
        },
        6.0f));
    EXPECT_EQ(house->state, 0) << "back to unbuilt";
    EXPECT_EQ(bridge->state, 0);
    EXPECT_TRUE(h.level->Cells().IsOccupied({under.firstI, under.firstJ})) << "nobody crosses";
    EXPECT_TRUE(bridgeQueued) << "workers cut off go home";
    h.Step();
    EXPECT_EQ(h.Find(u"s0"), nullptr) << "the stone broke up on the house";
    EXPECT_EQ(h.Find(u"s1"), nullptr) << "and on the bridge";
    ASSERT_NE(h.Find(u"s2"), nullptr) << "the one in open ground lies there";
}

TEST_F(FallingStones, ALevelStartedAgainMidFlightHasNothingLeftFlying) {
    Start(kThreeStones);
    h.level->meteorDelay = 0.0f;
    h.StepSeconds(0.5f);
    ASSERT_TRUE(h.level->meteors.Flying());
    ASSERT_TRUE(h.LoadScene(IslandScene("t", "base00 cell 14 10 name home\n")));
    h.Begin();
    EXPECT_FALSE(h.level->meteors.Pending());
    EXPECT_TRUE(h.level->meteors.Shake().IsIdle());
    EXPECT_EQ(h.level->meteorDelay, -1.0f);
    h.level->meteorDelay = 0.0f;
    h.StepSeconds(4.0f);
    EXPECT_EQ(h.host.Played(kSoundExplosion), 0) << "nothing of the old level lands";
    // The same level again: its stones wait off screen afresh.
    ASSERT_TRUE(h.LoadScene(IslandScene("t", kThreeStones)));
    h.Begin();
    EXPECT_EQ(h.level->meteorDelay, -1.0f);
    EXPECT_EQ(Stone(0)->GetLayer(), 7);
    EXPECT_FALSE(h.level->meteors.Flying());
}

TEST_F(FallingStones, StonesOffTheIslandAndMoreThanThreeAllComeDown) {
    // One lands in the sea beyond the rim, one beyond the grid; five in all.
    Start(Edited(R"(
base00  cell 14 10 name home
worker  cell 13 8 name w
stone00 cell 22 15 name s0
stone00 cell 22 17 name s1
stone00 cell 9 14 name s2 meteor
stone00 cell 20 14 name s3 meteor
stone00 cell 16 5 name s4 meteor
)",
                 [](cLevelHarness& m) {
                     MakeFall(m.Find(u"s0"), CellCentre({0, 0}));
                     MakeFall(m.Find(u"s1"), {1500.0f, -300.0f});
                 }));
    h.level->meteorDelay = 0.0f;
    ASSERT_TRUE(h.StepUntil([&] { return AllDown(); }, 10.0f));
    h.StepSeconds(1.0f);
    EXPECT_EQ(h.host.Played(kSoundExplosion), 5);
    for (int k = 0; k < 5; ++k) {
        ASSERT_NE(Stone(k), nullptr) << k;
        EXPECT_EQ(Stone(k)->GetLayer(), 5) << k;
    }
    EXPECT_NEAR(Stone(1)->x, 1500.0f, 0.01f);
    EXPECT_NEAR(Stone(1)->y, -300.0f, 0.01f);
}

TEST_F(FallingStones, AStoneWithNoPlaceAtAllIsLeftOutAndTheOthersStillFall) {
    Start(Edited(kThreeStones, [](cLevelHarness& m) {
        MakeFall(m.Find(u"s1"), {std::nanf(""), 300.0f});
    }));
    // The file is read as far as the stone that is nowhere.
    EXPECT_EQ(Stone(1), nullptr);
    ASSERT_NE(Stone(0), nullptr);
    h.level->meteorDelay = 0.0f;
    ASSERT_TRUE(h.StepUntil([&] { return AllDown(); }, 6.0f)) << "the stones read still land";
    EXPECT_EQ(h.host.Played(kSoundExplosion), Stone(2) ? 2 : 1);
    EXPECT_EQ(Stone(0)->GetLayer(), 5);
}

}  // namespace
}  // namespace level_test
