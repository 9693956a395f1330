// Bandits: they walk their road, catch a worker who comes near (unless a
// wall stands between), lead him to the prison, and the hero opens it. A
// worker caught is never lost: whatever happens to the bandit or the prison,
// he walks free in the end.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <memory>

#include "app/Game.h"
#include "engine/Strings.h"
#include "level/units/EnemyBandit.h"
#include "level/units/Hero.h"
#include "level/units/Prison.h"
#include "level/units/Worker.h"
#include "scene/SoundNumbers.h"
#include "tests/EnemyTestKit.h"
#include "tests/SceneTestKit.h"
#include "tests/TestUtil.h"

namespace level_test {
namespace {

using namespace scene_type;

// Three workers: one going to dig by the bandits' road, two at the house; the
// hero at the house, the prison to the north.
constexpr char kRoadScene[] = R"(
base00 cell 8 12
worker cell 12 11 name w
worker cell 12 14 name idle1
worker cell 13 14 name idle2
nugget00 cell 15 7 name nugget
hero cell 12 16 name hero
prison00 cell 19 16 name prison
enemy_bandit cell 12 6 name bandit
waypoint cell 10 6 name west
waypoint cell 27 6 name east
)";

// Every worker there is, in a state a worker may be in.
::testing::AssertionResult NoWorkerLost(const cLevelHarness& h, size_t count) {
    const std::vector<cWorker*> workers = h.Workers();
    if (workers.size() != count)
        return ::testing::AssertionFailure() << workers.size() << " workers";
    for (const cWorker* w : workers) {
        if (w->state < kWorkerRestart || w->state > kWorkerEnterHouse)
            return ::testing::AssertionFailure() << "a worker in state " << w->state;
    }
    return ::testing::AssertionSuccess();
}

TEST(EnemyBandit, ABanditLeadsACaughtWorkerToPrisonAndTheHeroFreesHim) {
    cLevelHarness h;
    ASSERT_TRUE(h.LoadScene(IslandScene("t", kRoadScene)));
    h.Begin();
    h.host.resources = {0, 10, 0, 20};
    auto* w = static_cast<cWorker*>(h.Find(u"w"));
    auto* bandit = static_cast<cEnemyBandit*>(h.Find(u"bandit"));
    auto* prison = static_cast<cPrison*>(h.Find(u"prison"));
    auto* hero = static_cast<cHero*>(h.Find(u"hero"));
    EXPECT_EQ(h.level->prison, prison);
    EXPECT_EQ(h.level->bandits.size(), 1u);
    ASSERT_TRUE(h.ClickOn(prison));
    EXPECT_NE(hero->target, prison) << "nobody to free yet";
    ASSERT_TRUE(h.ClickOn(h.Find(u"nugget")));
    ASSERT_TRUE(h.StepUntil([&] { return w->state == kWorkerWork; }, 5.0f));

    // Along the road the bandit comes by and takes the digger.
    bool frozen = false, led = false, tied = false;
    ASSERT_TRUE(h.StepUntil(
        [&] {
            EXPECT_TRUE(NoWorkerLost(h, 3));
            frozen = frozen || w->state == kWorkerFrozen;
            led = led || (w->state == kWorkerToTarget && w->target == prison);
            tied = tied || w->animationName.starts_with(u"tied");
            return w->state == kWorkerHeld;
        },
        60.0f));
    EXPECT_TRUE(frozen) << "he stood rooted first";
    EXPECT_TRUE(led);
    EXPECT_TRUE(tied);
    EXPECT_FALSE(w->IsIdle());
    EXPECT_EQ(h.level->CountPrisoners(), 1);
    EXPECT_EQ(h.Find(u"nugget")->jobMarkers, 0u) << "his job was dropped";
    h.Step();
    EXPECT_EQ(prison->captives, 1);
    ASSERT_NE(prison->marker, nullptr) << "the prison calls for help";
    EXPECT_EQ(bandit->captive, nullptr) << "delivered";
    EXPECT_EQ(bandit->GetCatchDistance(), 0.0f) << "hurrying back to the road";
    ASSERT_TRUE(h.StepUntil([&] { return bandit->leading == 0; }, 30.0f));
    EXPECT_EQ(bandit->GetCatchDistance(), 70.0f);

    // The hero opens the prison for its price, once, and the worker walks home.
    ASSERT_TRUE(h.ClickOn(prison));
    EXPECT_EQ(hero->target, prison);
    ASSERT_TRUE(h.StepUntil([&] { return hero->state == kHeroOpenPrison; }, 20.0f));
    EXPECT_EQ(hero->animationName, u"magic1");
    const int joy = h.host.Played(kSoundWorkerJoy);
    ASSERT_TRUE(h.StepUntil([&] { return w->state != kWorkerHeld; }, 3.0f));
    EXPECT_EQ(h.host.resources.mana, 0);
    EXPECT_EQ(h.host.Played(kSoundWorkerJoy), joy + 1);
    EXPECT_EQ(h.host.Played(kSoundBonusStart), 1);
    EXPECT_EQ(w->state, kWorkerToTarget);
    EXPECT_EQ(w->target, h.level->base);
    EXPECT_TRUE(hero->IsIdle());
    h.Step();
    EXPECT_EQ(prison->marker, nullptr);
    EXPECT_EQ(prison->captives, 0);
    ASSERT_TRUE(h.StepUntil([&] { return w->IsIdle(); }, 20.0f));
    EXPECT_EQ(h.host.resources.mana, 0) << "charged once";
    EXPECT_TRUE(NoWorkerLost(h, 3));
}

TEST(EnemyBandit, NobodyIsCaughtRoundACorner) {
    // The bandit stands at (16, 7); the worker is one diagonal cell away,
    // 48 units, behind rock the way round which is longer by the given cells.
    const struct {
        const char* what;
        std::vector<cCell> rock;
        bool caught;
    } cases[] = {
        {"open ground", {}, true},
        {"a rock on each side, 4 cells round", {{15, 7}, {16, 8}}, true},
        {"a deep pocket, 8 cells round",
         {{14, 7}, {15, 7}, {14, 8}, {16, 8}, {14, 9}, {16, 9}, {14, 10}, {16, 10}},
         false},
    };
    for (const auto& c : cases) {
        std::string body =
            "base00 cell 8 12\nworker cell 15 8 name w\n"
            "enemy_bandit cell 16 7 name bandit\n";
        for (const cCell r : c.rock)
            body += "terrain " + std::to_string(r.i) + " " + std::to_string(r.j) + " -1\n";
        cLevelHarness h;
        ASSERT_TRUE(h.LoadScene(IslandScene("t", body))) << c.what;
        auto* w = static_cast<cWorker*>(h.Find(u"w"));
        auto* bandit = static_cast<cEnemyBandit*>(h.Find(u"bandit"));
        ASSERT_LT(std::hypot(w->x - bandit->x, w->y - bandit->y), 70.0f);
        bandit->ScareNearby();
        EXPECT_EQ(w->state == kWorkerFrozen, c.caught) << c.what;
        EXPECT_EQ(bandit->captive == w, c.caught) << c.what;
        if (!c.caught) {
            EXPECT_EQ(w->state, kWorkerScared) << c.what << ": frightened all the same";
        }
    }
}

TEST(EnemyBandit, ACaptiveWalksFreeWhenHisBanditFallsOnTheWay) {
    cLevelHarness h;
    ASSERT_TRUE(h.LoadScene(IslandScene("t", kRoadScene)));
    h.Begin();
    h.host.resources = {0, 10, 0, 0};
    auto* w = static_cast<cWorker*>(h.Find(u"w"));
    auto* bandit = static_cast<cEnemyBandit*>(h.Find(u"bandit"));
    ASSERT_TRUE(h.ClickOn(h.Find(u"nugget")));
    ASSERT_TRUE(h.StepUntil([&] { return w->state == kWorkerToTarget && w->IsCaptive(); }, 60.0f));
    EXPECT_EQ(w->mover.speed, 45.0f) << "led slowly";
    h.Step(10);
    // A tower's stone, or the hero: one hit is enough.
    EXPECT_FALSE(bandit->TakeHit(2.0f));
    EXPECT_EQ(bandit->state, kStateGone);
    EXPECT_TRUE(h.level->bandits.empty());
    h.Step();
    EXPECT_EQ(w->state, kWorkerIdle);
    EXPECT_FALSE(w->IsCaptive());
    EXPECT_TRUE(NoWorkerLost(h, 3));
    h.StepSeconds(5);
    EXPECT_EQ(h.level->CountPrisoners(), 0);
}

TEST(EnemyBandit, ABanditHeldUpOnItsWayToTheCaptiveStillTakesHimAlong) {
    const struct {
        const char* what;
        bool byTower;
    } cases[] = {{"held up by the hero", false}, {"a tower takes aim", true}};
    for (const auto& c : cases) {
        cLevelHarness h;
        ASSERT_TRUE(
            h.LoadScene(IslandScene("t", std::string(kRoadScene) + "tower00 cell 24 12\n")));
        h.Begin();
        h.host.resources = {0, 10, 0, 0};
        auto* w = static_cast<cWorker*>(h.Find(u"w"));
        auto* bandit = static_cast<cEnemyBandit*>(h.Find(u"bandit"));
        ASSERT_TRUE(h.ClickOn(h.Find(u"nugget")));
        ASSERT_TRUE(h.StepUntil([&] { return w->state == kWorkerFrozen; }, 60.0f)) << c.what;
        if (c.byTower)
            bandit->OnTowerAim(h.OfType(kTower).front());
        else
            bandit->Pause();
        ASSERT_NE(bandit->state, kEnemyWalk) << c.what;
        EXPECT_TRUE(h.StepUntil([&] { return w->state == kWorkerHeld; }, 60.0f))
            << c.what << ": not left standing rooted";
    }
}

// The log, where the bad cases must be told. The level and its scene are
// made before the engine core that keeps the log (a widget made while one
// runs becomes the core's), so that they stay the test's own.
TEST(EnemyBandit, OnALevelWithoutARoadABanditStandsStillWithoutFlinching) {
    cLevelHarness h;
    ASSERT_TRUE(h.LoadScene(IslandScene("t", R"(
base00 cell 8 12
enemy_bandit cell 20 7 name bandit
)")));
    h.Begin();
    auto* bandit = static_cast<cEnemyBandit*>(h.Find(u"bandit"));
    const qor::cVec2 at = bandit->GetPosition();
    int pauses = 0;
    for (int t = 0; t < 30 * 5; ++t) {
        h.Step();
        pauses += bandit->state == kEnemyPause || bandit->animationName.starts_with(u"protect");
    }
    EXPECT_EQ(pauses, 0) << "nothing holds it up: it has nowhere to go";
    EXPECT_EQ(bandit->GetPosition().x, at.x);
    EXPECT_EQ(bandit->GetPosition().y, at.y);
}

TEST(EnemyBandit, TheRoadRunsCellByCellThroughItsWaypoints) {
    cLevelHarness h;
    ASSERT_TRUE(h.LoadScene(IslandScene("t", R"(
base00 cell 8 12
enemy_bandit cell 14 7 name bandit
waypoint cell 10 7 name a
waypoint cell 18 7 name b
waypoint cell 24 11 name c
)")));
    const std::vector<cCell>& road = h.level->route;
    ASSERT_GE(road.size(), 3u);
    EXPECT_EQ(road.front(), h.Find(u"a")->GetCell());
    EXPECT_EQ(road.back(), h.Find(u"c")->GetCell());
    EXPECT_EQ(std::count(road.begin(), road.end(), h.Find(u"b")->GetCell()), 1)
        << "the joint of two legs is listed once";
    for (size_t k = 1; k < road.size(); ++k) {
        EXPECT_LE(std::abs(road[k].i - road[k - 1].i), 1) << "step " << k;
        EXPECT_LE(std::abs(road[k].j - road[k - 1].j), 1) << "step " << k;
        EXPECT_FALSE(road[k] == road[k - 1]) << "step " << k;
    }
    // A waypoint that goes leaves the road.
    h.Find(u"b")->SetState(kStateGone);
    EXPECT_EQ(h.level->trajectory.size(), 2u);
    EXPECT_EQ(std::count(h.level->trajectory.begin(), h.level->trajectory.end(), h.Find(u"b")), 0);
    EXPECT_EQ(h.level->route.back(), h.Find(u"c")->GetCell());
}

TEST(EnemyBandit, BanditsOnTheRoadFollowOneAnotherOnwardNotBack) {
    cLevelHarness h;
    ASSERT_TRUE(h.LoadScene(IslandScene("t", R"(
base00 cell 8 12
enemy_bandit cell 21 7 name second
enemy_bandit cell 12 7 name first
waypoint cell 10 7 name a
waypoint cell 18 7 name b
waypoint cell 26 7 name c
)")));
    h.Begin();
    auto* first = static_cast<cEnemyBandit*>(h.Find(u"first"));
    auto* second = static_cast<cEnemyBandit*>(h.Find(u"second"));
    ASSERT_EQ(h.level->bandits.size(), 2u);
    EXPECT_EQ(h.level->bandits[0], first) << "listed in their order along the road";
    EXPECT_EQ(h.level->bandits[1], second);
    ASSERT_TRUE(h.StepUntil([&] { return first->target && second->target; }, 2.0f));
    // Each is nearest to the waypoint behind it, yet walks to the one ahead.
    EXPECT_EQ(first->target, h.Find(u"b"));
    EXPECT_EQ(second->target, h.Find(u"c"));
}

class EnemyBanditBadInput : public ::testing::Test {
  protected:
    void Load(const std::string& body) {
        const std::vector<uint8_t> bytes = scene_test::Compile(IslandScene("t", body), nullptr);
        ASSERT_FALSE(bytes.empty());
        qor::test::UseTestSystemPaths();
        game = std::make_unique<qor::cGame>();
        logStart = qor::test::ReadLog().size();
        h.LoadBytes(bytes);
        h.Begin();
    }
    std::string Logged() const { return qor::ToUtf8(qor::test::ReadLog().substr(logStart)); }

    cLevelHarness h;
    std::unique_ptr<qor::cGame> game;
    size_t logStart = 0;
};

TEST_F(EnemyBanditBadInput, WithoutAPrisonTheCaptiveIsLetGo) {
    std::string scene = kRoadScene;
    scene.erase(scene.find("prison00"), std::string("prison00 cell 19 16 name prison\n").size());
    ASSERT_NO_FATAL_FAILURE(Load(scene));
    h.host.resources = {0, 10, 0, 0};
    auto* w = static_cast<cWorker*>(h.Find(u"w"));
    ASSERT_TRUE(h.ClickOn(h.Find(u"nugget")));
    ASSERT_TRUE(h.StepUntil([&] { return w->state == kWorkerFrozen; }, 60.0f));
    ASSERT_TRUE(h.StepUntil([&] { return !w->IsCaptive(); }, 5.0f));
    EXPECT_NE(Logged().find("No way to a prison"), std::string::npos);
    h.StepSeconds(3);
    EXPECT_NE(w->state, kWorkerHeld);
    EXPECT_TRUE(NoWorkerLost(h, 3));
}

TEST_F(EnemyBanditBadInput, APrisonThatGoesLetsItsCaptivesOut) {
    ASSERT_NO_FATAL_FAILURE(Load(kRoadScene));
    h.host.resources = {0, 10, 0, 0};
    auto* w = static_cast<cWorker*>(h.Find(u"w"));
    ASSERT_TRUE(h.ClickOn(h.Find(u"nugget")));
    ASSERT_TRUE(h.StepUntil([&] { return w->state == kWorkerHeld; }, 60.0f));
    h.Find(u"prison")->SetState(kStateGone);
    EXPECT_EQ(w->state, kWorkerIdle);
    h.StepSeconds(3);
    EXPECT_EQ(h.level->CountPrisoners(), 0);
    EXPECT_TRUE(NoWorkerLost(h, 3));
    EXPECT_TRUE(h.StepUntil([&] { return w->state == kWorkerWander; }, 20.0f)) << "free to stroll";
}

TEST_F(EnemyBanditBadInput, ARoadOfOneWaypointIsToldAndTheBanditStandsGuard) {
    ASSERT_NO_FATAL_FAILURE(Load(R"(
base00 cell 8 12
enemy_bandit cell 20 7 name bandit
waypoint cell 24 7 name only
)"));
    EXPECT_NE(Logged().find("fewer than two waypoints"), std::string::npos);
    auto* bandit = static_cast<cEnemyBandit*>(h.Find(u"bandit"));
    int paths = 0;
    for (int t = 0; t < 30 * 20; ++t) {
        h.Step();
        paths += bandit->state == kEnemyThink ? 1 : 0;
    }
    EXPECT_EQ(bandit->GetCell(), h.Find(u"only")->GetCell()) << "at its one waypoint";
    EXPECT_LE(paths, 20) << "it thinks once a second, not every step";
}

}  // namespace
}  // namespace level_test
