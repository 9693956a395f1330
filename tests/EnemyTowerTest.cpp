// What the towers meet of the enemies: which enemy a tower aims at, and how
// an enemy takes an aim and a stone (it stops to defend itself, loses health,
// and gets its breath back slowly after a stone).
#include <gtest/gtest.h>

#include "level/units/EnemyGold.h"
#include "level/units/EnemySpirit.h"
#include "level/units/Hero.h"
#include "tests/EnemyTestKit.h"

namespace level_test {
namespace {

using namespace scene_type;

TEST(EnemyTower, ATowerAimsAtTheNearestEnemyItCanSeeInRange) {
    cLevelHarness h;
    ASSERT_TRUE(h.LoadScene(IslandScene("t", "base00 cell 8 12\n")));
    const qor::cVec2 tower = CellCentre({16, 10});
    auto spawn = [&](uint32_t type, float dx) {
        cEnemy* e = h.level->SpawnEnemy(type, {tower.x + dx, tower.y});
        e->SetState(kEnemyPause);  // standing where it was put
        return e;
    };
    cEnemy* far = spawn(kEnemyGold, 200.0f);
    cEnemy* hidden = spawn(kEnemyGold, 60.0f);
    hidden->hidden = 1;
    cEnemy* dying = spawn(kEnemySpirit, 70.0f);
    dying->TakeHit(10.0f);
    ASSERT_EQ(dying->state, kEnemyDying);
    cEnemy* beaten = spawn(kEnemyGold, -80.0f);
    beaten->health = 0.0f;
    cEnemy* near = spawn(kEnemySpirit, -120.0f);

    EXPECT_EQ(FindTowerTarget(*h.level, tower, 250.0f), near)
        << "the hidden, the dying and the beaten are no targets";
    EXPECT_EQ(FindTowerTarget(*h.level, tower, 150.0f), near);
    EXPECT_EQ(FindTowerTarget(*h.level, tower, 100.0f), nullptr) << "nothing in range";
    near->SetState(kStateGone);
    EXPECT_EQ(FindTowerTarget(*h.level, tower, 250.0f), far);
}

TEST(EnemyTower, AnEnemyAimedAtDefendsItselfAndRecoversSlowlyAfterAStone) {
    const struct {
        const char* what;
        bool heroAfterIt;
        bool recovers;
    } cases[] = {
        {"no hero on the level", false, true},
        {"the hero coming for it", true, false},
    };
    for (const auto& c : cases) {
        cLevelHarness h;
        std::string body = "base00 cell 8 12\nnugget00 cell 20 6\ntower00 cell 16 10 name tower\n";
        if (c.heroAfterIt)
            body += "hero cell 9 17 name hero\n";
        ASSERT_TRUE(h.LoadScene(IslandScene("t", body)));
        h.Begin();
        cObject* tower = h.Find(u"tower");
        cEnemy* goblin = h.level->SpawnEnemy(kEnemyGold, CellCentre({18, 10}));
        h.Step(5);
        goblin->OnTowerAim(tower);
        EXPECT_EQ(goblin->state, kEnemyDefend) << c.what;
        EXPECT_EQ(goblin->animationName, u"protect2") << c.what << ": facing the tower";
        EXPECT_TRUE(goblin->TakeHit(2.0f));
        EXPECT_EQ(goblin->health, 8.0f);
        if (c.heroAfterIt) {
            auto* hero = static_cast<cHero*>(h.Find(u"hero"));
            ASSERT_TRUE(h.level->SendWorker(hero, goblin, true));
        }
        // 1/60 a step: two points of health take four seconds.
        bool grew = false;
        float last = goblin->health;
        for (int t = 0; t < 117; ++t) {
            h.Step();
            grew = grew || goblin->health > last;
            last = goblin->health;
        }
        EXPECT_EQ(grew, c.recovers) << c.what;
        if (!c.recovers)
            continue;
        EXPECT_EQ(goblin->state, kEnemyDefend) << c.what;
        h.Step(6);
        EXPECT_EQ(goblin->health, 10.0f) << c.what;
        EXPECT_NE(goblin->state, kEnemyDefend) << c.what << ": back to its business";
    }
}

}  // namespace
}  // namespace level_test
