// The spells the altars sell, cast through the level's spell service (the
// hero casts through the same service on arriving at an altar): how long
// each runs and what it costs, which altar offers which, what each does to
// the island when it starts and ends, and the altar and bell around them.
#include <gtest/gtest.h>

#include <memory>

#include "app/Game.h"
#include "engine/Strings.h"
#include "level/sites/Altar.h"
#include "level/sites/Bell.h"
#include "level/sites/Field.h"
#include "level/sites/Lake.h"
#include "level/sites/Plant.h"
#include "level/spells/SpellNumbers.h"
#include "level/sites/Tree.h"
#include "level/units/Worker.h"
#include "scene/ParticleManager.h"
#include "scene/SoundNumbers.h"
#include "tests/LevelHarness.h"
#include "tests/TargetGoblin.h"
#include "tests/TestUtil.h"

namespace level_test {
namespace {

using namespace scene_type;

class Spells : public ::testing::Test {
  protected:
    // Spell effects are particle emitters: a manager without pictures shows
    // where they were made.
    void SetUp() override {
        particles = std::make_unique<cParticleManager>();
        g_particles = particles.get();
        h.factory.Register<cTargetGoblin>();
    }
    void TearDown() override { g_particles = nullptr; }
    std::unique_ptr<cParticleManager> particles;
    cLevelHarness h;
};

TEST_F(Spells, EachSpellRunsForItsTimeAndIsPaidWhenCast) {
    struct Case {
        int32_t spell;
        int32_t mana;
        int ticks;  // steps until it ends
    };
    const Case cases[] = {
        {kSpellFieldFast, 60, 900}, {kSpellWorkerFast, 50, 900},  {kSpellWaterFreeze, 80, 1200},
        {kSpellTreeRestore, 80, 1}, {kSpellEnemyFreeze, 60, 600}, {kSpellShield, 50, 750},
    };
    ASSERT_TRUE(h.Load("buildings"));
    h.Begin();
    for (int32_t spell = kSpellFieldFast; spell <= kSpellShield; ++spell)
        h.level->AddSpell(spell);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.spell);
        h.host.resources = {0, 0, 0, 100};
        const int starts = h.host.Played(kSoundBonusStart);
        const int stops = h.host.Played(kSoundBonusStop);
        EXPECT_FALSE(h.level->IsSpellActive(c.spell));
        h.level->CastSpell(c.spell);
        EXPECT_TRUE(h.level->IsSpellActive(c.spell));
        EXPECT_EQ(h.host.resources.mana, 100 - c.mana);
        EXPECT_EQ(h.host.Played(kSoundBonusStart), starts + 1);
        int ticks = 0;
        while (h.level->IsSpellActive(c.spell) && ticks < 2000) {
            EXPECT_EQ(h.host.Played(kSoundBonusStop), stops);
            h.Step();
            ++ticks;
        }
        EXPECT_EQ(ticks, c.ticks);
        EXPECT_EQ(h.host.Played(kSoundBonusStop), stops + 1) << "in the step it ended";
        for (int32_t other = kSpellFieldFast; other <= kSpellShield; ++other)
            EXPECT_FALSE(h.level->IsSpellActive(other)) << other;
    }
    // Cast with too little mana (spent while the hero walked), it still runs
    // and takes nothing; cast again while it runs, it starts over.
    h.host.resources = {0, 0, 0, 10};
    h.level->CastSpell(kSpellShield);
    EXPECT_EQ(h.host.resources.mana, 10);
    h.StepSeconds(20.0f);
    h.level->CastSpell(kSpellShield);
    h.StepSeconds(20.0f);
    EXPECT_TRUE(h.level->IsSpellActive(kSpellShield));
    // A spell the level does not offer does nothing at all.
    const size_t sounds = h.host.sounds.size();
    h.host.resources = {0, 0, 0, 100};
    for (int32_t none : {0, 7, -1}) {
        h.level->CastSpell(none);
        EXPECT_FALSE(h.level->IsSpellActive(none));
    }
    EXPECT_EQ(h.host.sounds.size(), sounds);
    EXPECT_EQ(h.host.resources.mana, 100);
}

TEST(SpellAltars, ASpellWithoutAFreeAltarIsLoggedAndNotOffered) {
    cLevelHarness h;
    ASSERT_TRUE(h.LoadScene(IslandScene("two_altars", R"(
base00  cell 14 10
altar00 cell 8 12 name first
altar00 cell 20 8 name second
)")));
    // The engine core for its log.
    qor::test::UseTestSystemPaths();
    auto game = std::make_unique<qor::cGame>();
    const size_t logStart = qor::test::ReadLog().size();
    for (int32_t spell : {kSpellWaterFreeze, kSpellShield, kSpellFieldFast})
        h.level->AddSpell(spell);
    EXPECT_EQ(static_cast<cAltar*>(h.Find(u"first"))->spell, kSpellWaterFreeze);
    EXPECT_EQ(static_cast<cAltar*>(h.Find(u"second"))->spell, kSpellShield);
    EXPECT_EQ(h.level->spells.size(), 2u);
    EXPECT_TRUE(h.level->IsSpellOffered(kSpellShield));
    EXPECT_FALSE(h.level->IsSpellOffered(kSpellFieldFast));
    const std::string logged = qor::ToUtf8(qor::test::ReadLog().substr(logStart));
    EXPECT_NE(logged.find("no altar for this spell: 1, level name: two_altars"), std::string::npos)
        << logged;
    EXPECT_NE(logged.find("cLevelWidget::AddSpell"), std::string::npos);
    h.level->CastSpell(kSpellFieldFast);
    EXPECT_FALSE(h.level->IsSpellActive(kSpellFieldFast));
}

TEST_F(Spells, EachSpellChangesWhatItTouchesAndUndoesItAtTheEnd) {
    ASSERT_TRUE(h.LoadScene(IslandScene("t", R"(
base00     cell 14 10
altar00    cell 8 12
altar00    cell 20 8
altar00    cell 11 6
altar00    cell 22 12
altar00    cell 4 14
altar00    cell 6 16
worker     cell 13 8 name worker
field00    cell 10 14 name field
tree01     cell 19 5 name stump
tree01     cell 21 5 name standing
lake00     cell 16 16 name lake
enemy_gold cell 24 9 name hunter
enemy_gold cell 25 8 name idler
)")));
    h.Begin();
    for (int32_t spell = kSpellFieldFast; spell <= kSpellShield; ++spell)
        h.level->AddSpell(spell);
    h.host.resources = {0, 0, 0, 1000};
    auto* hunter = static_cast<cTargetGoblin*>(h.Find(u"hunter"));
    auto* idler = static_cast<cTargetGoblin*>(h.Find(u"idler"));
    cObject* stump = h.Find(u"stump");
    cObject* standing = h.Find(u"standing");
    auto* lake = static_cast<cLake*>(h.Find(u"lake"));
    stump->SetState(0);
    hunter->target = h.Find(u"worker");
    hunter->SetState(5);
    idler->SetState(5);

    // Fields and workers glitter while their spell takes hold.
    h.level->CastSpell(kSpellFieldFast);
    EXPECT_NE(h.Find(u"field")->spellEffect, nullptr);
    h.level->CastSpell(kSpellWorkerFast);
    EXPECT_NE(h.Find(u"worker")->spellEffect, nullptr);

    // Lakes freeze: the cells they cover can be walked.
    const cCellRect water = h.level->GetObjectCells(lake);
    EXPECT_FALSE(h.level->Cells().IsFree({water.firstI + 1, water.firstJ + 1}));
    h.level->CastSpell(kSpellWaterFreeze);
    EXPECT_TRUE(lake->IsFrozen());
    EXPECT_TRUE(h.level->Cells().IsFree({water.firstI + 1, water.firstJ + 1}));

    // Stumps grow again (standing trees stay as they are), and enemies after
    // something look around again.
    h.level->CastSpell(kSpellTreeRestore);
    EXPECT_EQ(stump->state, kStateReady);
    EXPECT_NE(stump->spellEffect, nullptr);
    EXPECT_EQ(standing->spellEffect, nullptr);
    EXPECT_EQ(hunter->state, 2);
    EXPECT_EQ(idler->state, 5);

    // Enemies freeze for 20 s, then thaw.
    h.level->CastSpell(kSpellEnemyFreeze);
    EXPECT_EQ(hunter->freezes, std::vector<bool>{true});
    h.StepSeconds(20.0f);
    EXPECT_EQ(hunter->freezes, (std::vector<bool>{true, false}));
    EXPECT_EQ(idler->freezes, (std::vector<bool>{true, false}));
    h.StepSeconds(25.0f);
    EXPECT_FALSE(lake->IsFrozen()) << "the freeze ended and nobody stood on the ice";
    EXPECT_FALSE(h.level->Cells().IsFree({water.firstI + 1, water.firstJ + 1}));
}

// Leaving the level empties the particle groups, and the glitter of a spell
// goes with them: nothing on the island may hold on to it, and the next spell
// glitters anew.
TEST_F(Spells, GlitterLeftBehindWithTheLevelIsLetGoAndComesBackWithTheNextSpell) {
    ASSERT_TRUE(h.LoadScene(IslandScene("t", R"(
base00     cell 14 10
altar00    cell 8 12
altar00    cell 20 8
worker     cell 13 8 name worker
field00    cell 10 14 name field
)")));
    h.Begin();
    h.level->AddSpell(kSpellFieldFast);
    h.level->AddSpell(kSpellWorkerFast);
    h.host.resources = {0, 0, 0, 1000};
    cObject* worker = h.Find(u"worker");
    cObject* field = h.Find(u"field");
    h.level->CastSpell(kSpellFieldFast);
    h.level->CastSpell(kSpellWorkerFast);
    ASSERT_NE(worker->spellEffect, nullptr);
    ASSERT_NE(field->spellEffect, nullptr);

    h.level->OnUnfocus();
    h.level->OnFocus();
    h.Step(2);
    EXPECT_EQ(worker->spellEffect, nullptr);
    EXPECT_EQ(field->spellEffect, nullptr);

    h.StepSeconds(20.0f);  // both spells run out
    h.level->CastSpell(kSpellWorkerFast);
    ASSERT_NE(worker->spellEffect, nullptr);
    EXPECT_EQ(particles->Group(kGroupSparkle).emitters.size(), 1u);
    h.Step(1);
    // It follows the worker (who walked on a little after it was moved).
    EXPECT_NEAR(worker->spellEffect->position.x, worker->x + worker->spellOffset.x, 2.0f);
    EXPECT_NEAR(worker->spellEffect->position.y, worker->y + worker->spellOffset.y, 2.0f);
}

TEST_F(Spells, AnAltarSellsItsSpellOnlyWhileItDoesNotRun) {
    ASSERT_TRUE(h.Load("buildings"));
    h.Begin();
    auto* altar = static_cast<cAltar*>(h.Find(u"altar3"));
    EXPECT_EQ(altar->spell, 0);
    EXPECT_EQ(altar->GetHintText(), u"") << "offering nothing, it says nothing";
    qor::cVec2 at;
    EXPECT_FALSE(h.PickPoint(altar, &at));
    for (int32_t spell = kSpellFieldFast; spell <= kSpellShield; ++spell)
        h.level->AddSpell(spell);
    ASSERT_EQ(altar->spell, kSpellWaterFreeze);
    EXPECT_EQ(altar->GetPrice(), (ResourceSet{0, 0, 0, 80}));
    h.host.resources = {0, 0, 0, 79};
    EXPECT_EQ(altar->GetHintText(), u"<SpellWaterFreeze>\n<Price>: " +
                                        FormatResourcesCompared({0, 0, 0, 80}, {0, 0, 0, 79}) +
                                        u"\n");
    h.StepSeconds(1.0f);
    EXPECT_EQ(altar->affordable, 0);
    h.host.resources.mana = 80;
    h.StepSeconds(1.0f);
    EXPECT_EQ(altar->affordable, 1) << "its emblem glows once the player can pay";

    // The hero's cast: the spell runs and the altar takes no clicks.
    ASSERT_TRUE(h.PickPoint(altar, &at));
    altar->jobMarkers = 1;
    h.level->CastAtAltar(altar);
    EXPECT_TRUE(h.level->IsSpellActive(kSpellWaterFreeze));
    EXPECT_EQ(altar->jobMarkers, 0u);
    EXPECT_EQ(h.host.resources.mana, 0);
    EXPECT_FALSE(h.PickPoint(altar, &at));
    // Clicked without a hero, an altar sends nobody and costs nothing.
    h.StepSeconds(41.0f);
    ASSERT_TRUE(h.PickPoint(altar, &at));
    h.host.resources.mana = 80;
    h.Click(at);
    h.StepSeconds(1.0f);
    EXPECT_EQ(h.host.resources.mana, 80);
    EXPECT_FALSE(h.level->IsSpellActive(kSpellWaterFreeze));
}

TEST_F(Spells, TheBellCallsEveryoneOutAndFreeAndTakesBackEveryRequest) {
    ASSERT_TRUE(h.Load("buildings"));
    h.Begin();
    h.host.resources = {1000, 1000, 1000, 0};
    auto* bell = static_cast<cBell*>(h.Find(u"bell"));
    auto* mill = static_cast<cPlant*>(h.Find(u"mill"));
    // Someone is handing grain to the mill, someone cuts the tree, and the
    // house site waits for a builder.
    auto* field = h.Find(u"field");
    ASSERT_TRUE(h.StepUntil([&] { return field->state == kFieldRipe; }, 30.0f));
    ASSERT_TRUE(h.ClickOn(field));
    ASSERT_TRUE(h.StepUntil([&] { return mill->state == kPlantProcessing; }, 30.0f));
    ASSERT_TRUE(h.ClickOn(h.Find(u"tree")));
    h.Step();
    cObject* site = h.Find(u"house_site");
    h.level->RequestWork(site);
    ASSERT_EQ(site->jobMarkers, 1u);
    ASSERT_TRUE(h.ClickOn(bell));
    EXPECT_EQ(h.host.Played(kSoundAlarm), 1);
    EXPECT_TRUE(bell->IsSwinging());
    EXPECT_TRUE(h.level->jobQueue.empty());
    EXPECT_EQ(site->jobMarkers, 0u);
    int called = 0;
    for (cWorker* w : h.Workers()) {
        if (w->state == kWorkerDeliver)
            continue;
        EXPECT_EQ(w->target, bell) << w->id << " in state " << w->state;
        called += 1;
    }
    EXPECT_EQ(called, 7) << "all but the one in the mill";
    // The mill still pays for its grain, the tree's price comes back (its
    // worker never reached it), and everybody arrives and stands free by
    // the bell.
    ASSERT_TRUE(h.StepUntil([&] { return h.host.resources.food == 1040; }, 10.0f))
        << "grain 40, and the tree's 10 back";
    h.StepSeconds(2.0f);
    EXPECT_FALSE(bell->IsSwinging());
    ASSERT_TRUE(h.StepUntil(
        [&] {
            for (cWorker* w : h.Workers()) {
                if (w->target == bell)
                    return false;
            }
            return true;
        },
        30.0f));
    for (cWorker* w : h.Workers()) {
        EXPECT_NE(w->state, kWorkerRestart) << "nobody stands stopped";
        EXPECT_FALSE(w->IsInHouse());
    }
}

}  // namespace
}  // namespace level_test
