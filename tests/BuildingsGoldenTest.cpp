// The test levels of buildings and obstacles as a player sees them, with the
// generated art: every building, monument, bell and altar at the start and
// while workers build, upgrade, deliver and pay; every obstacle at the start
// and while it is cleared, repaired and frozen; and the look of each spell on
// what it touches, enemies and their tower included, against golden pictures.
#include <gtest/gtest.h>

#include "engine/Strings.h"
#include "level/sites/Build.h"
#include "level/spells/SpellNumbers.h"
#include "level/units/Worker.h"
#include "tests/DrawnLevel.h"
#include "tests/GoldenImage.h"
#include "tests/SceneTestKit.h"

namespace qor::test {
namespace {

class BuildingsGolden : public DrawnLevelTest {
  public:
    // Compiled before any test opens the engine core: the compiler's scene
    // must not be taken in by a running engine.
    static void SetUpTestSuite() {
        s_island = scene_test::Compile(level_test::IslandScene("spells", R"(
base00  cell 14 10
altar00 cell 9 12
worker  cell 13 8
worker  cell 16 8
worker  cell 18 12
field00 cell 19 6 name field
tree03  cell 11 8 name tree
tree01  cell 12 14
)"),
                                       nullptr);
        // The camp between its enemies: to the west a goblin after a nugget,
        // a spirit and a bandit on its road; the enemies' tower over two
        // workers to the east.
        s_besieged = scene_test::Compile(level_test::IslandScene("besieged", R"(
base00        cell 13 11
altar00       cell 10 14
worker        cell 14 9
worker        cell 20 9
worker        cell 21 13
tower_enemy00 cell 23 11 name enemy_tower
nugget00      cell 7 9
enemy_gold    cell 8 11
enemy_spirit  cell 10 8
enemy_bandit  cell 12 6
waypoint      cell 9 6
waypoint      cell 17 6
)"),
                                         nullptr);
    }

  protected:
    static inline std::vector<uint8_t> s_island;
    static inline std::vector<uint8_t> s_besieged;
    void SetUp() override {
        SetUpWith({u"texture/level/figures_worker.png", u"texture/level/figures_folk.png",
                   u"texture/level/sources.png", u"texture/structures/structures0.png",
                   u"texture/structures/structures1.png", u"texture/structures/structures2.png",
                   u"texture/structures/structures3.png", u"texture/effects/shadow.png",
                   u"texture/effects/highlight.png", u"texture/effects/explosion.png",
                   u"texture/effects/laser.png", u"texture/effects/base.png",
                   u"texture/gui/gui00.png", u"font/en/TimesNewRomanItalic22.png"});
        if (!IsSkipped())
            UseParticles();
    }
    // A level started with a fixed generator, the pointer parked in a corner.
    static void Start(cDrawnLevel& level, const char* name) {
        level.host.random.seed = 11;
        ASSERT_TRUE(level.Load(name));
        level.Begin();
        level.host.cursor = {1020, 4};
    }
    static void Spells(level_test::cLevelHarness& level) {
        for (int32_t spell = kSpellFieldFast; spell <= kSpellShield; ++spell)
            level.level->AddSpell(spell);
    }
};

TEST_F(BuildingsGolden, EveryBuildingAtTheStartAndAtWork) {
    cDrawnLevel level;
    Start(level, "buildings");
    Spells(level);
    level.level->SetMaxLevel(u"house00", 2);
    level.level->SetMaxLevel(u"tower00", 2);
    level.host.resources = {1000, 1000, 1000, 60};
    level.Step(20);
    DrawFrame(level);
    EXPECT_TRUE(MatchesGolden("buildings_start"));

    // Builders at the house site and the tower site, an upgrade of the
    // standing house, two builders paying for the lighthouse, a tree felled
    // for the sawmill, and the bell rung at the end.
    for (const char16_t* name : {u"house_site", u"house_site", u"tower_site", u"house",
                                 u"lighthouse", u"lighthouse", u"tree", u"field", u"nugget"}) {
        level.ClickOn(level.Find(name));
        level.Step();
    }
    level.host.cursor = {1020, 4};
    level.StepSeconds(9.0f);
    DrawFrame(level);
    EXPECT_TRUE(MatchesGolden("buildings_at_work"));
}

TEST_F(BuildingsGolden, EveryObstacleAtTheStartAndWhileItIsDealtWith) {
    cDrawnLevel level;
    Start(level, "obstacles");
    level.level->AddSpell(kSpellWaterFreeze);
    level.host.resources = {1000, 1000, 1000, 200};
    level.Step(20);
    DrawFrame(level);
    EXPECT_TRUE(MatchesGolden("obstacles_start"));

    for (const char16_t* name : {u"log", u"stone", u"west_bridge", u"south_bridge"}) {
        level.ClickOn(level.Find(name));
        level.Step();
    }
    level.level->CastSpell(kSpellWaterFreeze);
    level.host.cursor = {1020, 4};
    level.StepSeconds(5.0f);
    DrawFrame(level);
    EXPECT_TRUE(MatchesGolden("obstacles_at_work"));
}

// Each spell shows on what it touches for a few seconds after the cast. The
// island's own spells on a small island with a camp, a field, a felled tree
// and a few workers; those against enemies on the besieged camp: every roaming
// enemy stands in frost, and the workers under the enemies' tower are shielded
// from its stones.
TEST_F(BuildingsGolden, EachSpellOnWhatItTouches) {
    struct Case {
        const std::vector<uint8_t>* scene;
        int32_t spell;
        const char* golden;
    };
    for (const Case& c : {Case{&s_island, kSpellFieldFast, "spell_field_fast"},
                          Case{&s_island, kSpellWorkerFast, "spell_on_workers"},
                          Case{&s_island, kSpellTreeRestore, "spell_tree_restore"},
                          Case{&s_besieged, kSpellEnemyFreeze, "spell_enemy_freeze"},
                          Case{&s_besieged, kSpellShield, "spell_shield"}}) {
        SCOPED_TRACE(c.golden);
        // Each picture on its own: no sparks or draws left by the case before.
        m_particles->ClearAll();
        m_particles->random.seed = 0;
        cDrawnLevel level;
        level.host.random.seed = 11;
        ASSERT_FALSE(c.scene->empty());
        level.LoadBytes(*c.scene);
        level.Begin();
        level.host.cursor = {1020, 4};
        level.level->AddSpell(c.spell);
        level.host.resources = {0, 0, 0, 100};
        // The island's tree is felled already: the spell has a stump to grow
        // again.
        if (cObject* tree = level.Find(u"tree"))
            tree->SetState(0);
        level.Step(2);
        level.level->CastSpell(c.spell);
        level.StepSeconds(1.5f);
        DrawFrame(level);
        EXPECT_TRUE(MatchesGolden(c.golden));
    }
}

}  // namespace
}  // namespace qor::test
