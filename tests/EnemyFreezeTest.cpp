// The enemy freeze spell, cast by the hero at an altar: every enemy stands
// frozen for the spell's time (no step, no fright, no new enemies), then all
// go on. A bandit frozen with a captive lets him go home.
#include <gtest/gtest.h>

#include <map>

#include "level/units/EnemyBandit.h"
#include "level/units/Hero.h"
#include "level/spells/SpellNumbers.h"
#include "level/units/Worker.h"
#include "scene/SoundNumbers.h"
#include "tests/EnemyTestKit.h"

namespace level_test {
namespace {

using namespace scene_type;

constexpr uint32_t kFrozenTint = 0xFF99D9EAu;

TEST(EnemyFreeze, TheHeroCastsTheFreezeAtAnAltarAndEveryEnemyStandsForItsTime) {
    cLevelHarness h;
    cLevelWidget* level = h.level;
    ASSERT_TRUE(h.Load("enemies"));
    h.Begin();
    level->enemySettings.goblinInterval = 1.0f;
    level->enemySettings.spiritInterval = 1.0f;
    level->enemySettings.enemyLimit = 6;
    h.StepSeconds(6);
    const std::vector<cEnemy*> enemies = Live<cEnemy>(h, kRoamingEnemies);
    ASSERT_GE(enemies.size(), 4u) << "bandits, goblins and spirits about";

    // The altar's own click belongs to the altar; the hero is sent as a
    // click would send him.
    cObject* altar = level->CreateObject(kAltar);
    altar->SetKind(u"altar00");
    altar->SetPosition(CellCentre({12, 16}));
    level->MarkObjectCells(altar, true);
    level->AddSpell(kSpellEnemyFreeze);
    auto* hero = static_cast<cHero*>(h.Find(u"hero"));
    ASSERT_TRUE(level->SendWorker(hero, altar, true));
    ASSERT_TRUE(h.StepUntil([&] { return hero->state == kHeroCastAltar; }, 10.0f));
    EXPECT_EQ(hero->animationName, u"magic1");
    EXPECT_FALSE(level->IsSpellActive(kSpellEnemyFreeze)) << "not before the spell is spoken";
    ASSERT_TRUE(h.StepUntil([&] { return level->IsSpellActive(kSpellEnemyFreeze); }, 3.0f));
    EXPECT_TRUE(hero->IsIdle());

    std::map<const cEnemy*, qor::cVec2> where;
    std::map<const cEnemy*, int32_t> doing;
    const std::vector<cEnemy*> frozen = Live<cEnemy>(h, kRoamingEnemies);
    for (const cEnemy* e : frozen) {
        EXPECT_TRUE(e->frozen);
        EXPECT_EQ(e->tint, kFrozenTint);
        where[e] = e->GetPosition();
        doing[e] = e->state;
    }
    const size_t count = frozen.size();
    for (int t = 0; t < 30 * 19; ++t) {
        h.Step();
        for (const cWorker* w : h.Workers()) {
            EXPECT_FALSE(w->state == kWorkerScared && w->threat &&
                         w->threat->IsKind(kRoamingEnemies))
                << "frozen enemies frighten nobody";
        }
    }
    for (const cEnemy* e : frozen) {
        EXPECT_EQ(e->GetPosition().x, where[e].x);
        EXPECT_EQ(e->GetPosition().y, where[e].y);
        EXPECT_EQ(e->state, doing[e]);
    }
    EXPECT_EQ(Live<cEnemy>(h, kRoamingEnemies).size(), count) << "the bases wait too";

    ASSERT_TRUE(h.StepUntil([&] { return !frozen.front()->frozen; }, 2.0f));
    for (const cEnemy* e : frozen) {
        EXPECT_FALSE(e->frozen);
        EXPECT_EQ(e->tint, 0xFFFFFFFFu);
    }
    h.StepSeconds(3);
    int moved = 0;
    for (const cEnemy* e : frozen)
        moved += e->GetPosition().x != where[e].x || e->GetPosition().y != where[e].y ? 1 : 0;
    EXPECT_GT(moved, 0) << "on they go";
}

TEST(EnemyFreeze, AFrozenBanditLetsItsCaptiveGoHome) {
    cLevelHarness h;
    ASSERT_TRUE(h.LoadScene(IslandScene("t", R"(
base00 cell 8 12
worker cell 12 11 name w
nugget00 cell 15 7 name nugget
prison00 cell 19 16 name prison
enemy_bandit cell 12 6 name bandit
waypoint cell 10 6
waypoint cell 27 6
altar00 cell 20 11
)")));
    h.Begin();
    h.level->AddSpell(kSpellEnemyFreeze);
    ASSERT_TRUE(h.level->IsSpellOffered(kSpellEnemyFreeze));
    h.host.resources = {0, 10, 0, 0};
    auto* w = static_cast<cWorker*>(h.Find(u"w"));
    auto* bandit = static_cast<cEnemyBandit*>(h.Find(u"bandit"));
    ASSERT_TRUE(h.ClickOn(h.Find(u"nugget")));
    ASSERT_TRUE(h.StepUntil([&] { return w->state == kWorkerFrozen; }, 20.0f));
    // The spell as the hero casts it at the altar.
    h.level->CastSpell(kSpellEnemyFreeze);
    ASSERT_TRUE(bandit->frozen);
    EXPECT_EQ(bandit->captive, nullptr);
    EXPECT_EQ(w->state, kWorkerToTarget);
    EXPECT_EQ(w->target, h.level->base);
    EXPECT_FALSE(w->IsCaptive());
    ASSERT_TRUE(h.StepUntil([&] { return w->IsIdle(); }, 20.0f));
    EXPECT_EQ(h.level->CountPrisoners(), 0);
}

}  // namespace
}  // namespace level_test
