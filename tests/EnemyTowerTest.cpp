// What the towers meet of the enemies: which enemy a tower aims at, and how
// an enemy takes an aim and a stone (it stops to defend itself, loses health,
// and gets its breath back slowly after a stone).
#include <gtest/gtest.h>

#include <vector>

#include "level/units/EnemyGold.h"
#include "level/units/EnemySpirit.h"
#include "level/units/Hero.h"
#include "tests/EnemyTestKit.h"

namespace level_test {
namespace {

using namespace scene_type;

TEST(EnemyTower, ATowerAimsAtTheNearestEnemyItCanSeeInRange) {
    enum eSort { kPlain, kHidden, kDying, kBeaten };
    struct cPut {
        uint32_t type;
        float dx;  // along the row of the tower, from its position
        eSort sort;
    };
    const struct {
        const char* what;
        std::vector<cPut> put;
        int aimedAt;  // index into `put`, or -1 for none
    } cases[] = {
        {"the hidden, the dying and the beaten are no targets",
         {{kEnemyGold, 200.0f, kPlain},
          {kEnemyGold, 60.0f, kHidden},
          {kEnemySpirit, 70.0f, kDying},
          {kEnemyGold, -80.0f, kBeaten},
          {kEnemySpirit, -120.0f, kPlain}},
         4},
        {"the nearer of two", {{kEnemyGold, 240.0f, kPlain}, {kEnemyGold, -230.0f, kPlain}}, 1},
        {"one at the very edge of its range", {{kEnemyGold, 250.0f, kPlain}}, 0},
        {"one just beyond it", {{kEnemyGold, 251.0f, kPlain}}, -1},
    };
    for (const auto& c : cases) {
        cLevelHarness h;
        ASSERT_TRUE(h.LoadScene(
            IslandScene("t", "base00 cell 8 12\ntower00 cell 16 10 name tower ready\n")));
        h.Begin();
        cObject* tower = h.Find(u"tower");
        std::vector<cEnemy*> enemies;
        for (const cPut& p : c.put) {
            cEnemy* e = h.level->SpawnEnemy(p.type, {tower->x + p.dx, tower->y});
            ASSERT_NE(e, nullptr) << c.what;
            e->SetState(kEnemyPause);  // standing where it was put
            if (p.sort == kHidden)
                e->hidden = 1;
            if (p.sort == kDying) {
                e->TakeHit(10.0f);
                ASSERT_EQ(e->state, kEnemyDying) << c.what;
            }
            if (p.sort == kBeaten)
                e->health = 0.0f;
            enemies.push_back(e);
        }
        // The tower looks round five times a second.
        auto aimed = [&]() -> int {
            for (size_t k = 0; k < enemies.size(); ++k) {
                if (enemies[k]->attacker == tower)
                    return static_cast<int>(k);
            }
            return -1;
        };
        h.StepUntil([&] { return aimed() >= 0; }, 0.5f);
        EXPECT_EQ(aimed(), c.aimedAt) << c.what;
    }
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
        h.readsTalks = true;  // no workers: the level says so in a talk
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
