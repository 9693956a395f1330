// The water freeze and its dangerous end: a lake is crossed only while it is
// frozen, and when the spell ends the water comes back only once nobody
// stands on the ice or is still on the way across. Whoever is on it is sent
// to the bell (home, without one). Checked every step: nobody ever stands in
// water.
#include <gtest/gtest.h>

#include "level/sites/Lake.h"
#include "level/spells/SpellNumbers.h"
#include "level/units/Worker.h"
#include "scene/SoundNumbers.h"
#include "tests/LevelHarness.h"

namespace level_test {
namespace {

using namespace scene_type;

class Thaw : public ::testing::Test {
  protected:
    void Start(const char* level) {
        ASSERT_TRUE(h.Load(level));
        Ready();
    }
    // A small island with a house, an altar, a worker and a lake, and the
    // statements of `more`.
    void StartIsland(const std::string& more) {
        ASSERT_TRUE(h.LoadScene(IslandScene("t", more + R"(
base00  cell 14 10 name home
altar00 cell 8 12
worker  cell 13 8 name w
lake00  cell 20 12 name lake
)")));
        Ready();
    }
    void Ready() {
        h.Begin();
        h.level->AddSpell(kSpellWaterFreeze);
        lake = static_cast<cLake*>(h.Find(u"lake"));
        ASSERT_NE(lake, nullptr);
        h.host.resources = {0, 0, 0, 1000};
    }
    void Freeze() {
        h.level->CastSpell(kSpellWaterFreeze);
        h.Step();
    }
    // The freeze ends in `seconds`.
    void EndFreezeIn(float seconds) {
        for (cLevelWidget::cSpell& s : h.level->spells) {
            if (s.spell == kSpellWaterFreeze)
                s.timer = 40.0f - seconds;
        }
    }
    bool InLake(const cObject* man) const {
        return h.level->GetObjectCells(lake).Contains(man->GetCell());
    }
    // Steps, failing at once should a worker ever stand in the water.
    ::testing::AssertionResult StepDry(float seconds) {
        for (int t = 0; t < static_cast<int>(seconds * 30.0f); ++t) {
            h.Step();
            for (cWorker* w : h.Workers()) {
                if (!lake->IsFrozen() && !w->IsInHouse() && InLake(w))
                    return ::testing::AssertionFailure()
                           << "worker " << w->id << " in the water, state " << w->state;
            }
        }
        return ::testing::AssertionSuccess();
    }
    cWorker* PutOnIce() {
        cWorker* w = h.Workers().front();
        w->SetPosition(lake->GetPosition());
        w->SetState(kWorkerRest);
        return w;
    }
    cLevelHarness h;
    cLake* lake = nullptr;
};

TEST_F(Thaw, ALakeIsCrossedOnlyWhileItIsFrozen) {
    Start("obstacles");
    cWorker* w = h.Workers().front();
    cObject* goods = h.Find(u"north_wood");
    cWalkPath way;
    EXPECT_FALSE(h.level->FindPath(way, w, goods, {}, false));
    EXPECT_FALSE(goods->reachable);
    Freeze();
    EXPECT_TRUE(h.level->FindPath(way, w, goods, {}, false));
    EXPECT_TRUE(goods->reachable) << "the way over the ice counts";
    EXPECT_FALSE(h.ClickOn(lake)) << "a lake takes no clicks";
    EndFreezeIn(0.1f);
    ASSERT_TRUE(StepDry(1.0f));
    EXPECT_FALSE(lake->IsFrozen());
    EXPECT_FALSE(h.level->FindPath(way, w, goods, {}, false));
    EXPECT_EQ(h.host.Played(kSoundBonusStop), 1);
}

TEST_F(Thaw, AWorkerOnTheIceIsSentToTheBellAndTheWaterWaitsForHim) {
    Start("obstacles");
    Freeze();
    cWorker* w = PutOnIce();
    EndFreezeIn(0.1f);
    h.Step(4);
    ASSERT_FALSE(h.level->IsSpellActive(kSpellWaterFreeze));
    EXPECT_EQ(w->target, h.Find(u"bell")) << "state " << w->state;
    EXPECT_TRUE(lake->IsFrozen()) << "not while he stands on it";
    EXPECT_TRUE(h.level->thawPending);
    ASSERT_TRUE(StepDry(10.0f));
    EXPECT_FALSE(lake->IsFrozen()) << "the ice is clear: the water is back";
    EXPECT_FALSE(h.level->thawPending);
    EXPECT_FALSE(InLake(w));
}

TEST_F(Thaw, TheWaterWaitsForAWorkerStillOnHisWayAcross) {
    Start("obstacles");
    Freeze();
    // The goods beyond the lake are fetched over the ice; the freeze ends
    // while the worker is on his way there, before he sets foot on it.
    ASSERT_TRUE(h.ClickOn(h.Find(u"north_wood")));
    cWorker* w = nullptr;
    ASSERT_TRUE(h.StepUntil(
        [&] {
            for (cWorker* each : h.Workers()) {
                if (each->state == kWorkerToTarget)
                    w = each;
            }
            return w != nullptr;
        },
        2.0f));
    ASSERT_FALSE(InLake(w));
    EndFreezeIn(0.1f);
    bool crossed = false;
    for (int t = 0; t < 30 * 30 && !crossed; ++t) {
        ASSERT_TRUE(StepDry(1.0f / 30.0f));
        crossed = InLake(w);
    }
    EXPECT_TRUE(crossed) << "he went on across";
    ASSERT_TRUE(StepDry(30.0f));
    EXPECT_FALSE(lake->IsFrozen()) << "and the water came back once he was off the ice";
}

TEST_F(Thaw, WithoutABellTheIceIsClearedTowardsTheHouse) {
    StartIsland("");
    Freeze();
    cWorker* w = PutOnIce();
    EndFreezeIn(0.1f);
    h.Step(4);
    EXPECT_EQ(w->target, h.Find(u"home"));
    ASSERT_TRUE(StepDry(10.0f));
    EXPECT_FALSE(lake->IsFrozen());
}

TEST_F(Thaw, FreezingAgainBeforeTheThawKeepsTheIceForTheWholeNewSpell) {
    Start("obstacles");
    Freeze();
    cWorker* w = PutOnIce();
    EndFreezeIn(0.1f);
    h.Step(4);
    ASSERT_TRUE(h.level->thawPending);
    w->SetPosition(lake->GetPosition());
    w->SetState(kWorkerRest);
    // The hero casts again while the ice waits to be clear.
    h.level->CastSpell(kSpellWaterFreeze);
    EXPECT_FALSE(h.level->thawPending);
    ASSERT_TRUE(StepDry(39.0f));
    EXPECT_TRUE(lake->IsFrozen()) << "the new freeze holds for its 40 s";
    ASSERT_TRUE(StepDry(15.0f));
    EXPECT_FALSE(lake->IsFrozen());
}

TEST_F(Thaw, AnIdleWorkerOnAFloodCellGoesIntoTheHouseAtTheEnd) {
    StartIsland("flood 18 14  19 14\n");
    Freeze();
    auto* w = static_cast<cWorker*>(h.Find(u"w"));
    w->SetPosition(CellCentre({18, 14}));
    w->SetState(kWorkerRest);
    EXPECT_TRUE(h.level->InDanger(w, kDangerWater));
    EndFreezeIn(0.1f);
    h.Step(4);
    EXPECT_TRUE(w->goHomeLater || w->IsInHouse());
    ASSERT_TRUE(StepDry(10.0f));
    EXPECT_TRUE(w->IsInHouse());
    EXPECT_FALSE(lake->IsFrozen());
}

}  // namespace
}  // namespace level_test
