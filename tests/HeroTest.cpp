// The hero: how many blows each enemy takes, enemies held up near him, his
// rest in the house when idle, a target that vanishes on his way, and the
// bandits he keeps away from.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "app/Game.h"
#include "engine/Atlas.h"
#include "engine/TextureCache.h"
#include "level/sites/Altar.h"
#include "level/spells/SpellNumbers.h"
#include "level/units/EnemyBandit.h"
#include "level/units/EnemyGold.h"
#include "level/units/EnemySpirit.h"
#include "level/units/Hero.h"
#include "scene/SoundNumbers.h"
#include "tests/EnemyTestKit.h"
#include "tests/TestUtil.h"

namespace level_test {
namespace {

using namespace scene_type;

constexpr char kHeroScene[] = R"(
base00 cell 8 12
hero cell 12 11 name hero
nugget00 cell 22 8 name nugget
)";

TEST(Hero, EachEnemyFallsToItsNumberOfBlows) {
    const struct {
        uint32_t type;
        const char* what;
        int blows;
    } cases[] = {
        {kEnemyBandit, "a bandit (health 1)", 1},
        {kEnemySpirit, "a spirit (health 4)", 1},
        {kEnemyGold, "a goblin (health 10)", 2},
    };
    for (const auto& c : cases) {
        cLevelHarness h;
        // A worker far off, for a spirit to stalk.
        ASSERT_TRUE(h.LoadScene(IslandScene("t", std::string(kHeroScene) + "worker cell 22 13\n")));
        h.Begin();
        auto* hero = static_cast<cHero*>(h.Find(u"hero"));
        cEnemy* enemy = nullptr;
        if (c.type == kEnemyBandit) {
            enemy = static_cast<cEnemy*>(h.level->CreateObject(kEnemyBandit));
            enemy->SetKind(u"enemy_bandit");
            enemy->SetPosition(CellCentre({20, 8}));
        } else {
            enemy = h.level->SpawnEnemy(c.type, CellCentre({20, 8}));
        }
        ASSERT_TRUE(h.ClickOn(enemy)) << c.what;
        int blows = 0;
        float last = enemy->health;
        ASSERT_TRUE(h.StepUntil(
            [&] {
                blows += enemy->health < last ? 1 : 0;
                last = enemy->health;
                return enemy->health <= 0.0f;
            },
            10.0f))
            << c.what;
        EXPECT_EQ(blows, c.blows) << c.what;
        EXPECT_GE(h.host.Played(kSoundStrike), c.blows - 1) << c.what;
        EXPECT_TRUE(hero->animationName.starts_with(u"strike")) << c.what;
        h.Step();
        EXPECT_TRUE(hero->IsIdle()) << c.what;
        EXPECT_EQ(enemy->jobMarkers, 0u) << c.what;
    }
}

TEST(Hero, EnemiesThatComeNearHimStopWhileHeStandsThere) {
    cLevelHarness h;
    h.readsTalks = true;  // no workers: the level says so in a talk
    ASSERT_TRUE(h.LoadScene(IslandScene("t", R"(
base00 cell 8 12
hero cell 18 8 name hero
nugget00 cell 14 8 name nugget
)")));
    h.Begin();
    auto* hero = static_cast<cHero*>(h.Find(u"hero"));
    // A goblin on its way to the nugget, past the hero.
    cEnemy* goblin = h.level->SpawnEnemy(kEnemyGold, CellCentre({23, 8}));
    ASSERT_TRUE(h.StepUntil([&] { return goblin->state == kEnemyPause; }, 5.0f));
    EXPECT_LT(std::hypot(goblin->x - hero->x, goblin->y - hero->y), hero->GetRange());
    EXPECT_TRUE(goblin->animationName.starts_with(u"protect"));
    const qor::cVec2 held = goblin->GetPosition();
    h.StepSeconds(3);
    EXPECT_EQ(goblin->state, kEnemyPause) << "held up as long as the hero stands by";
    EXPECT_EQ(goblin->GetPosition().x, held.x);
    // The hero goes off: a second later the goblin goes on.
    hero->SetPosition(CellCentre({12, 16}));
    hero->SetState(kHeroInHouse);
    ASSERT_TRUE(h.StepUntil([&] { return goblin->state == kEnemyWalk; }, 1.2f));
}

TEST(Hero, IdleTenSecondsHeRestsInTheHouseAndComesOutWhenSent) {
    cLevelHarness h;
    h.readsTalks = true;  // no workers: the level says so in a talk
    ASSERT_TRUE(h.LoadScene(IslandScene("t", kHeroScene)));
    h.Begin();
    auto* hero = static_cast<cHero*>(h.Find(u"hero"));
    EXPECT_EQ(h.level->hero, hero);
    h.StepSeconds(9.5f);
    EXPECT_TRUE(hero->IsIdle()) << "ten seconds have not passed";
    ASSERT_TRUE(h.StepUntil([&] { return hero->state == kWorkerToTarget; }, 1.0f));
    EXPECT_EQ(hero->target, h.level->base);
    h.Step(2);
    EXPECT_EQ(hero->mover.speed, 40.0f) << "a slow walk home";
    EXPECT_TRUE(hero->animationName.starts_with(u"walk"));
    ASSERT_TRUE(h.StepUntil([&] { return hero->state == kHeroInHouse; }, 20.0f));
    EXPECT_FALSE(hero->visible);
    const qor::cVec2 inside = hero->GetPosition();
    h.StepSeconds(5);
    EXPECT_EQ(hero->state, kHeroInHouse);
    EXPECT_EQ(hero->GetPosition().x, inside.x) << "inside he does nothing";

    cEnemy* goblin = h.level->SpawnEnemy(kEnemyGold, CellCentre({20, 8}));
    h.Step();
    ASSERT_TRUE(h.ClickOn(goblin));
    EXPECT_EQ(hero->state, kWorkerToTarget);
    EXPECT_TRUE(hero->visible);
    EXPECT_TRUE(h.level->Cells().IsFree(
        CellOfPoint(hero->path.empty() ? hero->mover.to : hero->path.front())))
        << "out through the door, not through the walls";
    h.Step(2);
    EXPECT_EQ(hero->mover.speed, 260.0f);
    EXPECT_TRUE(hero->animationName.starts_with(u"run"));
}

TEST(Hero, AnEnemyThatVanishesOnHisWayLeavesHimStandingNotStuck) {
    cLevelHarness h;
    ASSERT_TRUE(h.LoadScene(IslandScene("t", kHeroScene)));
    h.Begin();
    auto* hero = static_cast<cHero*>(h.Find(u"hero"));
    cEnemy* goblin = h.level->SpawnEnemy(kEnemyGold, CellCentre({24, 6}));
    ASSERT_TRUE(h.ClickOn(goblin));
    h.Step(10);
    ASSERT_EQ(hero->state, kWorkerToTarget);
    goblin->SetState(kStateGone);
    h.Step();
    EXPECT_EQ(hero->state, kWorkerRest);
    EXPECT_EQ(hero->target, nullptr);
    EXPECT_TRUE(hero->IsIdle());
}

TEST(Hero, ABanditFrightensHimHomeUnlessHeComesForIt) {
    cLevelHarness h;
    ASSERT_TRUE(h.LoadScene(IslandScene("t", R"(
base00 cell 8 12
hero cell 18 8 name hero
enemy_bandit cell 20 8 name bandit
waypoint cell 20 8
waypoint cell 26 8
)")));
    h.Begin();
    auto* hero = static_cast<cHero*>(h.Find(u"hero"));
    auto* bandit = static_cast<cEnemyBandit*>(h.Find(u"bandit"));
    ASSERT_TRUE(h.StepUntil([&] { return hero->state == kWorkerToTarget; }, 2.0f));
    EXPECT_EQ(hero->target, h.level->base) << "off home";
    EXPECT_EQ(hero->mover.speed, 40.0f);

    // Sent at the bandit and just outside his reach, he keeps coming.
    ASSERT_TRUE(h.level->SendWorker(hero, bandit, true));
    hero->SetPosition(bandit->x - 100.0f, bandit->y);
    bandit->ScareNearby();
    EXPECT_EQ(hero->state, kWorkerToTarget);
    EXPECT_EQ(hero->target, bandit);
    ASSERT_TRUE(h.StepUntil([&] { return bandit->state == kStateGone; }, 10.0f));
    EXPECT_TRUE(h.level->bandits.empty());
}

TEST(Hero, HisCallOutIsNotAStrictTurnAboutOfHisTwoCries) {
    cLevelHarness h;
    ASSERT_TRUE(h.LoadScene(IslandScene("t", kHeroScene)));
    h.Begin();
    cEnemy* goblin = h.level->SpawnEnemy(kEnemyGold, CellCentre({20, 8}));
    h.Step();
    std::vector<int> cries;
    for (int k = 0; k < 24; ++k) {
        ASSERT_TRUE(h.ClickOn(goblin));
        for (int sound : h.host.sounds) {
            if (sound == kSoundHeroOut0 || sound == kSoundHeroOut1)
                cries.push_back(sound);
        }
        h.host.sounds.clear();
    }
    ASSERT_EQ(cries.size(), 24u) << "one cry per time he is sent";
    bool repeated = false;
    for (size_t k = 1; k < cries.size(); ++k)
        repeated = repeated || cries[k] == cries[k - 1];
    EXPECT_TRUE(repeated) << "the same cry twice running happens as often as not";
    EXPECT_NE(std::count(cries.begin(), cries.end(), kSoundHeroOut0), 0);
    EXPECT_NE(std::count(cries.begin(), cries.end(), kSoundHeroOut1), 0);
}

TEST(Hero, OneCastAtAnAltarRaisesOneBeam) {
    cLevelHarness h;
    ASSERT_TRUE(h.LoadScene(IslandScene("t", R"(
base00 cell 8 12
hero cell 12 11 name hero
altar00 cell 18 9 name altar
)")));
    // An engine core with a beam picture, so that beams are counted.
    qor::test::UseTestSystemPaths();
    auto game = std::make_unique<qor::cGame>();
    qor::cImage image;
    ASSERT_TRUE(image.Create(qor::kImageRGBA32, 64, 32));
    qor::AddTexture(u"laser", std::move(image));
    qor::AddNode(qor::CreateTextureInfo(u"laser").get(), u"laser", {0, 0, 1, 1}, 4, 1, 12);
    h.Begin();
    h.level->AddSpell(kSpellFieldFast);
    auto* altar = static_cast<cAltar*>(h.Find(u"altar"));
    ASSERT_EQ(altar->spell, kSpellFieldFast);
    h.host.resources = {0, 0, 0, 100};
    h.StepSeconds(1.0f);
    ASSERT_TRUE(h.ClickOn(altar));
    ASSERT_TRUE(h.StepUntil([&] { return h.level->IsSpellActive(kSpellFieldFast); }, 20.0f));
    EXPECT_EQ(h.level->effects.entries.size(), 1u);
    qor::ClearAtlasCaches();
    qor::ClearTextureCache();
}

}  // namespace
}  // namespace level_test
