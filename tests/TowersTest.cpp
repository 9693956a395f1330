// Towers throwing stones: the player's tower at the nearest enemy in range,
// never while it reloads, harder with every level; the enemies' tower at the
// workers, holding its fire while they are shielded. The enemies here are
// stand-ins that only record what the towers do to them (TargetGoblin.h).
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "level/units/Enemy.h"
#include "level/spells/SpellNumbers.h"
#include "level/sites/Tower.h"
#include "level/units/Worker.h"
#include "scene/SoundNumbers.h"
#include "tests/LevelHarness.h"
#include "tests/TargetGoblin.h"

namespace level_test {
namespace {

using namespace scene_type;

class Towers : public ::testing::Test {
  protected:
    void SetUp() override { h.factory.Register<cTargetGoblin>(); }
    cTargetGoblin* Goblin(const char16_t* name) {
        return static_cast<cTargetGoblin*>(h.Find(name));
    }
    float Distance(const cObject* a, const cObject* b) {
        return std::hypot(a->x - b->x, a->y - b->y);
    }
    // Ticks at which a stone left a tower.
    std::vector<int> Shots(int ticks) {
        std::vector<int> shots;
        for (int t = 0; t < ticks; ++t) {
            const int before = h.host.Played(kSoundShot);
            h.Step();
            if (h.host.Played(kSoundShot) > before)
                shots.push_back(t);
        }
        return shots;
    }
    cLevelHarness h;
};

TEST_F(Towers, ATowerThrowsAtTheNearestEnemyInRangeAndNeverWhileItReloads) {
    ASSERT_TRUE(h.LoadScene(IslandScene("t", R"(
base00        cell 10 14
tower00       cell 16 10 ready name tower
enemy_gold    cell 19 10 name near
enemy_gold    cell 16 14 name farther
enemy_gold    cell 24 10 name out_of_range
enemy_gold    cell 16 8  name hidden
)")));
    // A level without workers says so in a talk; the player reads it away.
    h.readsTalks = true;
    h.Begin();
    auto* tower = static_cast<cTower*>(h.Find(u"tower"));
    cTargetGoblin* near = Goblin(u"near");
    Goblin(u"hidden")->targetable = false;
    ASSERT_LT(Distance(tower, near), Distance(tower, Goblin(u"farther")));
    ASSERT_LT(Distance(tower, Goblin(u"farther")), 250.0f);
    ASSERT_GT(Distance(tower, Goblin(u"out_of_range")), 250.0f);
    ASSERT_LT(Distance(tower, Goblin(u"hidden")), Distance(tower, near));

    const std::vector<int> shots = Shots(6 * 30);
    ASSERT_GE(shots.size(), 3u);
    EXPECT_LE(shots[0], 6) << "a look every 0.2 s";
    for (size_t k = 1; k < shots.size(); ++k) {
        // Level 0 reloads for 1.8 s, then looks again within 0.2 s.
        EXPECT_GE(shots[k] - shots[k - 1], 54);
        EXPECT_LE(shots[k] - shots[k - 1], 61);
    }
    EXPECT_EQ(near->aimedBy, tower);
    // Every stone found the nearest enemy, with the tower's strength.
    EXPECT_EQ(near->hits, std::vector<float>(shots.size(), 2.0f));
    for (const char16_t* other : {u"farther", u"out_of_range", u"hidden"})
        EXPECT_TRUE(Goblin(other)->hits.empty());
}

TEST_F(Towers, AStoneFliesToWhereTheEnemyStoodAndAnUpgradedTowerThrowsHarder) {
    ASSERT_TRUE(h.LoadScene(IslandScene("t", R"(
base00        cell 10 14
tower00       cell 16 10 ready name tower
worker        cell 15 9
enemy_gold    cell 19 12 name goblin
)")));
    h.Begin();
    auto* tower = static_cast<cTower*>(h.Find(u"tower"));
    cTargetGoblin* goblin = Goblin(u"goblin");
    const std::vector<int> first = Shots(7);
    ASSERT_EQ(first.size(), 1u);
    ASSERT_EQ(tower->stones.size(), 1u);
    // At 800 units a second from the muzzle 50 units up.
    const float flight = std::hypot(goblin->x - tower->x, goblin->y - (tower->y + 50.0f)) / 800.0f;
    const int ticks = static_cast<int>(std::ceil(flight * 30.0f));
    h.Step(ticks - 2);
    EXPECT_TRUE(goblin->hits.empty()) << "still in the air";
    h.Step(3);
    EXPECT_EQ(goblin->hits.size(), 1u);
    EXPECT_TRUE(tower->stones.empty());

    // Built up to level 1: strength 3, a reload of 1.3 s.
    h.level->SetMaxLevel(u"tower00", 1);
    h.host.resources = {10, 0, 10, 0};
    ASSERT_TRUE(h.ClickOn(tower));
    ASSERT_TRUE(
        h.StepUntil([&] { return tower->level == 1 && tower->state == kStateReady; }, 30.0f));
    goblin->hits.clear();
    const std::vector<int> shots = Shots(5 * 30);
    ASSERT_GE(shots.size(), 3u);
    EXPECT_GE(shots[2] - shots[1], 39);
    EXPECT_LE(shots[2] - shots[1], 46);
    h.Step(10);
    EXPECT_EQ(goblin->hits, std::vector<float>(shots.size(), 3.0f));
}

TEST_F(Towers, TheEnemiesTowerScaresWorkersAndHoldsItsFireWhileTheyAreShielded) {
    ASSERT_TRUE(h.LoadScene(IslandScene("t", R"(
base00        cell 10 14
altar00       cell 8 9 name altar
tower_enemy00 cell 20 10 name enemy_tower
worker        cell 18 11 name near
worker        cell 13 14 name far
)")));
    h.Begin();
    h.level->AddSpell(kSpellShield);
    EXPECT_FALSE(h.ClickOn(h.Find(u"enemy_tower"))) << "never the player's to click";
    // Shielded: not a stone for 25 s, wherever the workers stroll.
    h.host.resources = {0, 0, 0, 50};
    h.level->CastSpell(kSpellShield);
    EXPECT_TRUE(Shots(25 * 30).empty());
    ASSERT_FALSE(h.level->IsSpellActive(kSpellShield));
    // Then a stone flies at the nearest worker in range, who flees and takes
    // his next load home.
    auto* near = static_cast<cWorker*>(h.Find(u"near"));
    near->SetPosition(h.Find(u"enemy_tower")->x - 100.0f, h.Find(u"enemy_tower")->y);
    near->SetState(kWorkerRest);
    const std::vector<int> shots = Shots(7);
    ASSERT_EQ(shots.size(), 1u);
    ASSERT_TRUE(h.StepUntil([&] { return near->forceHome == 1; }, 1.0f));
    EXPECT_TRUE(near->state == kWorkerScared || near->state == kWorkerFlee) << near->state;
    EXPECT_EQ(static_cast<cWorker*>(h.Find(u"far"))->forceHome, 0);
}

TEST_F(Towers, TheEnemiesTowerLeavesWorkersInsideBuildingsAlone) {
    ASSERT_TRUE(h.LoadScene(IslandScene("t", R"(
base00        cell 10 14
tower_enemy00 cell 17 7
worker        cell 18 9
)")));
    h.Begin();
    auto* w = h.Workers().front();
    // In the house (whose door is where he stands) nobody sees him.
    w->SetState(kWorkerInHouse);
    EXPECT_TRUE(Shots(30).empty());
    w->SetState(kWorkerIdle);
    EXPECT_FALSE(Shots(30).empty());
}

// The real thing: a goblin out of its lair to rob the nugget by the tower is
// stoned until it is beaten and gone.
TEST(TowersAndEnemies, ATowerStonesARealGoblinInRangeUntilItIsBeaten) {
    cLevelHarness h;
    ASSERT_TRUE(h.LoadScene(IslandScene("t", R"(
base00           cell 6 14
worker           cell 7 12
tower00          cell 16 10 ready name tower
nugget00         cell 18 10 name nugget
enemy_gold       cell 21 11 name goblin
)")));
    h.Begin();
    auto* goblin = static_cast<cEnemy*>(h.Find(u"goblin"));
    ASSERT_NE(goblin, nullptr);
    const float full = goblin->health;
    int shots = 0;
    bool hit = false;
    for (int t = 0; t < 30 * 30 && goblin->state != kStateGone; ++t) {
        const int before = h.host.Played(kSoundShot);
        h.Step();
        shots += h.host.Played(kSoundShot) > before ? 1 : 0;
        hit = hit || goblin->health < full;
    }
    EXPECT_GT(shots, 0) << "the tower saw the goblin in range";
    EXPECT_TRUE(hit) << "a stone took its health";
    EXPECT_EQ(goblin->state, kStateGone) << "beaten by stones alone within half a minute";
}

// The headless sprites, drawn into a batch that a test reads back.
class cBatchServices : public cLevelTestServices {
  public:
    qor::cSpriteBatch* Batch() override { return &batch; }
    qor::cSpriteBatch batch;
};

class cBatchHarness : public cLevelHarness {
  public:
    explicit cBatchHarness(cSceneServices* services) : cLevelHarness(services) {}
};

// Whether drawing the object put the upgrade icon (either look) in the batch.
bool DrawsUpgradeIcon(cObject* object, cBatchServices& services) {
    const auto iconA = services.FindSprite(u"icon_build0").texture;
    const auto iconB = services.FindSprite(u"icon_build1").texture;
    services.batch.Clear();
    object->Draw();
    for (int k = 0; k < services.batch.runCount; ++k) {
        const auto& texture = services.batch.runs[static_cast<size_t>(k)].texture;
        if (texture && (texture == iconA || texture == iconB))
            return true;
    }
    return false;
}

// A level that lets every building up a level offers the upgrade over the
// player's tower, never over the enemies' own.
TEST(TowersIcon, TheEnemiesTowerOffersNoUpgradeWhateverTheLevelAllows) {
    cBatchServices services;
    cBatchHarness h(&services);
    h.LoadBytes(TestLevelNamed("buildings", "012"));
    h.Begin();
    auto* mine = static_cast<cTower*>(h.Find(u"tower"));
    auto* theirs = static_cast<cTower*>(h.Find(u"enemy_tower"));
    ASSERT_NE(mine, nullptr);
    ASSERT_NE(theirs, nullptr);
    ASSERT_EQ(theirs->GetTypeId(), kTowerEnemy);
    h.Step();
    EXPECT_TRUE(DrawsUpgradeIcon(mine, services));
    EXPECT_FALSE(DrawsUpgradeIcon(theirs, services));
    h.host.resources = {1000, 1000, 1000, 1000};
    h.Step();
    EXPECT_TRUE(DrawsUpgradeIcon(mine, services)) << "affordable";
    EXPECT_FALSE(DrawsUpgradeIcon(theirs, services)) << "affordable";
    EXPECT_FALSE(h.ClickOn(theirs));
}

}  // namespace
}  // namespace level_test
