// Gold goblins: how their bases send them out, how they rob the player's
// nuggets, and how the hero chases them off and the money comes back.
#include <gtest/gtest.h>

#include "level/units/BaseEnemy.h"
#include "level/units/EnemyGold.h"
#include "level/units/Hero.h"
#include "level/sites/Nugget.h"
#include "level/units/Worker.h"
#include "scene/SoundNumbers.h"
#include "tests/EnemyTestKit.h"

namespace level_test {
namespace {

using namespace scene_type;

std::vector<cEnemyGold*> Goblins(const cLevelHarness& h) {
    return Live<cEnemyGold>(h, kEnemyGold);
}

TEST(EnemyGold, AGoblinRobsANuggetAndTheHeroChasesItOffTheMoney) {
    cLevelHarness h;
    ASSERT_TRUE(h.Load("enemies"));
    h.Begin();
    h.level->enemySettings.goblinInterval = 1.0f;
    h.level->enemySettings.enemyLimit = 3;  // the two bandits count as well
    auto* nugget = static_cast<cNugget*>(h.Find(u"east_nugget"));
    auto* hero = static_cast<cHero*>(h.Find(u"hero"));
    cObject* base = h.Find(u"goblin_base");

    // The level's bandits scream too: count only the goblin's own cry.
    int screams = 0;
    ASSERT_TRUE(h.StepUntil(
        [&] {
            if (!Goblins(h).empty())
                return true;
            screams = h.host.Played(kSoundBanditScream0);
            return false;
        },
        3.0f))
        << "within 2.2 intervals";
    cEnemyGold* goblin = Goblins(h).front();
    EXPECT_EQ(goblin->home, base);
    EXPECT_EQ(h.host.Played(kSoundBanditScream0), screams + 1) << "it comes out screaming";
    ASSERT_TRUE(h.StepUntil([&] { return goblin->state == kEnemyBusy; }, 20.0f));
    EXPECT_EQ(goblin->target, nugget) << "the nearest nugget";
    EXPECT_TRUE(goblin->animationName.starts_with(u"pick"));
    ASSERT_TRUE(h.StepUntil([&] { return goblin->bag.money == 20; }, 10.0f));
    EXPECT_EQ(nugget->jobsLeft, 4) << "the goblin took one of the five loads";
    EXPECT_GE(h.host.Played(kSoundBarStone), 6) << "a stroke a second";
    h.Step(2);
    EXPECT_EQ(goblin->mover.speed, 30.0f) << "slow under the load";
    EXPECT_TRUE(goblin->animationName.starts_with(u"bag"));
    EXPECT_EQ(CountRoamingEnemies(*h.level), 3);
    h.StepSeconds(2.0f);
    EXPECT_TRUE(Goblins(h).size() == 1) << "the level's limit holds the base back";

    // The player sends the hero after the thief: two blows of five.
    ASSERT_TRUE(h.ClickOn(goblin));
    EXPECT_EQ(hero->target, goblin);
    EXPECT_EQ(goblin->jobMarkers, 1u);
    const int struck = h.host.Played(kSoundStrike);
    ASSERT_TRUE(h.StepUntil([&] { return hero->state == kHeroStrike; }, 10.0f));
    ASSERT_TRUE(h.StepUntil([&] { return goblin->health < 10.0f; }, 3.0f));
    EXPECT_EQ(goblin->health, 5.0f);
    EXPECT_EQ(hero->state, kHeroStrike) << "it still stands: again";
    ASSERT_TRUE(h.StepUntil([&] { return goblin->health == 0.0f; }, 3.0f));
    EXPECT_GT(h.host.Played(kSoundStrike), struck);
    EXPECT_TRUE(goblin->bag.IsZero());
    h.Step();
    EXPECT_EQ(goblin->target, base) << "it runs home";
    EXPECT_EQ(goblin->mover.speed, 160.0f);
    EXPECT_TRUE(goblin->animationName.starts_with(u"fear"));
    EXPECT_EQ(goblin->HitTest(goblin->GetPosition()), 0) << "not worth chasing now";
    EXPECT_TRUE(hero->IsIdle());

    // The dropped load lies on open ground; a worker fetches it home.
    std::vector<cObject*> items = h.OfType(kItem);
    ASSERT_EQ(items.size(), 1u);
    cObject* money = items.front();
    EXPECT_EQ(money->kind, u"money");
    EXPECT_TRUE(h.level->Cells().IsFree(money->GetCell()));
    ASSERT_TRUE(h.ClickOn(money));
    ASSERT_TRUE(h.StepUntil([&] { return goblin->state == kStateGone; }, 10.0f))
        << "gone at its base";
    ASSERT_TRUE(h.StepUntil([&] { return h.host.resources.money == 20; }, 20.0f));
    h.StepSeconds(3);
    EXPECT_EQ(h.host.resources.money, 20);
}

TEST(EnemyGold, TwoGoblinsNeverDigAtOneNugget) {
    cLevelHarness h;
    h.readsTalks = true;  // no workers: the level says so in a talk
    ASSERT_TRUE(h.LoadScene(IslandScene("t", R"(
base00 cell 8 10
nugget00 cell 20 8 name near
nugget00 cell 22 14 name far
base_enemy_gold cell 24 8
)")));
    h.Begin();
    h.level->enemySettings.goblinInterval = 0.5f;
    h.level->enemySettings.enemyLimit = 2;
    ASSERT_TRUE(h.StepUntil(
        [&] {
            const auto goblins = Goblins(h);
            return goblins.size() == 2 && goblins[0]->state == kEnemyBusy &&
                   goblins[1]->state == kEnemyBusy;
        },
        20.0f));
    const auto goblins = Goblins(h);
    EXPECT_EQ(goblins[0]->target, h.Find(u"near")) << "the first out takes the nearer";
    EXPECT_EQ(goblins[1]->target, h.Find(u"far"));
}

TEST(EnemyGold, BasesSendNobodyWithoutAnIntervalNorWhileTheFreezeHolds) {
    const struct {
        const char* what;
        float interval;
        bool freeze;
        bool sends;
    } cases[] = {
        {"interval 0", 0.0f, false, false},
        {"enemy freeze spell on", 1.0f, true, false},
        {"interval 1", 1.0f, false, true},
    };
    for (const auto& c : cases) {
        cLevelHarness h;
        ASSERT_TRUE(h.LoadScene(IslandScene("t", R"(
base00 cell 8 10
nugget00 cell 20 8
base_enemy_gold cell 24 8
base_enemy_spirit cell 5 14
worker cell 12 10
)")));
        h.Begin();
        h.level->enemySettings.goblinInterval = c.interval;
        h.level->enemySettings.spiritInterval = c.interval;
        if (c.freeze)
            h.level->spells.push_back({5, 0.0f});
        h.StepSeconds(10);
        EXPECT_EQ(CountRoamingEnemies(*h.level) > 0, c.sends) << c.what;
        EXPECT_EQ(h.OfType(kEnemySpirit).size() > 0, c.sends) << c.what;
    }
}

TEST(EnemyGold, AGoblinWithNoWayToANuggetVanishesAtItsBase) {
    cLevelHarness h;
    h.readsTalks = true;  // no workers: the level says so in a talk
    // The only nugget stands on an islet in a ring of rock.
    std::string body =
        "base00 cell 8 10\nnugget00 cell 22 15 name islet\n"
        "base_enemy_gold cell 24 8\n";
    for (int i = 20; i <= 24; ++i) {
        for (int j = 13; j <= 17; ++j) {
            if (i == 20 || i == 24 || j == 13 || j == 17)
                body += "terrain " + std::to_string(i) + " " + std::to_string(j) + " -1\n";
        }
    }
    ASSERT_TRUE(h.LoadScene(IslandScene("t", body)));
    h.Begin();
    h.level->enemySettings.goblinInterval = 1.0f;
    h.level->enemySettings.enemyLimit = 1;
    int seen = 0;
    cObject* last = nullptr;
    for (int t = 0; t < 30 * 20; ++t) {
        h.Step();
        for (cEnemyGold* goblin : Goblins(h)) {
            if (goblin != last) {
                ++seen;
                last = goblin;
            }
            EXPECT_TRUE(goblin->hidden || goblin->state == kEnemyThink);
        }
    }
    EXPECT_GE(seen, 3) << "each one gives up and the next comes out";
    EXPECT_EQ(static_cast<cNugget*>(h.Find(u"islet"))->jobsLeft, 5);
}

}  // namespace
}  // namespace level_test
