// Every resource source of the test level worked to its end through clicks,
// as a player would: what the job costs when a worker sets out, what reaches
// the stock when the goods are home, and what becomes of the source.
#include <gtest/gtest.h>

#include "engine/Strings.h"
#include "level/sites/Field.h"
#include "level/sites/Nugget.h"
#include "level/sites/Tree.h"
#include "level/units/Worker.h"
#include "scene/SoundNumbers.h"
#include "tests/LevelHarness.h"

namespace level_test {
namespace {

constexpr float kWorkLimit = 60.0f;

class LevelSources : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(h.Load("sources"));
        h.Begin();
        h.host.resources = {0, 100, 0, 0};
    }
    // Clicks the object and plays until the stock reads `expected`.
    ::testing::AssertionResult WorkUntil(const char16_t* name, ResourceSet expected) {
        cObject* source = h.Find(name);
        if (!source || !h.ClickOn(source))
            return ::testing::AssertionFailure() << "cannot click it";
        if (!h.StepUntil([&] { return h.host.resources == expected; }, kWorkLimit)) {
            const ResourceSet r = h.host.resources;
            return ::testing::AssertionFailure()
                   << "stock " << r.wood << "/" << r.food << "/" << r.money << "/" << r.mana;
        }
        return ::testing::AssertionSuccess();
    }
    cLevelHarness h;
};

TEST_F(LevelSources, ATreeIsPaidWhenTheWorkerSetsOutAndBecomesAStumpForTwentyWood) {
    auto* tree = static_cast<cTree*>(h.Find(u"islet_tree"));
    ASSERT_NE(tree, nullptr);
    // A reachable tree: the first one without a name.
    for (cObject* object : h.OfType(scene_type::kTree)) {
        if (object->name.empty()) {
            tree = static_cast<cTree*>(object);
            break;
        }
    }
    const cCell cell = tree->GetCell();
    EXPECT_FALSE(h.level->Cells().IsFree(cell)) << "a standing tree blocks its cell";
    ASSERT_TRUE(h.ClickOn(tree));
    EXPECT_EQ(tree->jobMarkers, 1u);
    EXPECT_EQ(h.host.resources.food, 100) << "nothing is paid at the click";
    h.Step();
    EXPECT_EQ(h.host.resources.food, 90) << "the price goes when a worker sets out";
    EXPECT_EQ(h.host.Played(kSoundWorkerOut), 1);
    ASSERT_TRUE(h.StepUntil([&] { return h.host.resources.wood == 20; }, kWorkLimit));
    EXPECT_EQ(h.host.resources, (ResourceSet{20, 90, 0, 0}));
    EXPECT_EQ(tree->state, 0) << "a stump";
    EXPECT_EQ(tree->jobMarkers, 0u);
    EXPECT_TRUE(h.level->Cells().IsFree(cell)) << "a stump lets walkers pass";
    EXPECT_EQ(tree->HitTest(tree->GetPosition()), 0) << "a stump takes no more clicks";
    // Five seconds of work, a stroke at 0.5 s and then every second.
    EXPECT_EQ(h.host.Played(kSoundBarTree), 5);
    EXPECT_EQ(h.host.Played(kSoundResIncome), 1);
}

TEST_F(LevelSources, AFieldIsFreeRipensAndGivesTwentyFoodThenGrowsAgain) {
    auto* field = static_cast<cField*>(h.Find(u"west_field"));
    h.ClickOn(field);
    EXPECT_TRUE(h.level->jobQueue.empty()) << "a field still growing ignores the click";
    ASSERT_TRUE(h.StepUntil([&] { return field->state == kFieldRipe; }, 10.0f))
        << "a level starts with its fields a third grown";
    ASSERT_TRUE(WorkUntil(u"west_field", {0, 120, 0, 0}));
    EXPECT_EQ(field->state, kFieldGrowing);
    EXPECT_GE(field->growth.to, 16.0f);
    EXPECT_LT(field->growth.to, 23.0f);
}

TEST_F(LevelSources, ANuggetGivesFiveLoadsOfTwentyMoneyAndIsThenSpent) {
    auto* nugget = static_cast<cNugget*>(h.Find(u"nugget"));
    for (int load = 1; load <= 5; ++load) {
        ASSERT_TRUE(WorkUntil(u"nugget", {0, 100 - 10 * load, 20 * load, 0})) << "load " << load;
        h.StepUntil([&] { return !HasWorkerAssigned(nugget); }, 5.0f);
    }
    EXPECT_EQ(nugget->state, kNuggetSpent);
    EXPECT_FALSE(h.ClickOn(nugget)) << "a spent nugget is looked through";
    EXPECT_EQ(nugget->GetPrice(), ResourceSet{});
}

TEST_F(LevelSources, AWellGivesTwentyManaForEveryJobAndStays) {
    ASSERT_TRUE(WorkUntil(u"well", {0, 100, 0, 20}));
    h.StepUntil([&] { return !HasWorkerAssigned(h.Find(u"well")); }, 5.0f);
    ASSERT_TRUE(WorkUntil(u"well", {0, 100, 0, 40}));
    EXPECT_EQ(h.Find(u"well")->state, kStateReady);
}

// Pointing at a source tells the player what it is, what a job costs and
// gives, and how far it is along.
TEST_F(LevelSources, EachSourceSaysWhatItIsWhatItCostsAndWhatItGives) {
    const auto has = [](const std::u16string& hint, const char16_t* part) {
        return hint.find(part) != std::u16string::npos;
    };
    cObject* field = h.Find(u"west_field");
    cObject* nugget = h.Find(u"nugget");
    cObject* well = h.Find(u"well");
    const std::u16string growing = field->GetHintText();
    EXPECT_TRUE(growing.starts_with(u"<" + field->kind + u">\n")) << qor::ToUtf8(growing);
    EXPECT_TRUE(has(growing, u"<FieldGrowing>"));
    EXPECT_FALSE(has(growing, u"<Profit>"));
    ASSERT_TRUE(h.StepUntil([&] { return field->state == kFieldRipe; }, 10.0f));
    EXPECT_TRUE(has(field->GetHintText(), u"<Profit>: "));
    EXPECT_FALSE(has(field->GetHintText(), u"<Price>")) << "a field is free";

    const std::u16string untouched = nugget->GetHintText();
    EXPECT_TRUE(untouched.starts_with(u"<nugget00>\n")) << qor::ToUtf8(untouched);
    EXPECT_TRUE(has(untouched, u"<Price>: "));
    EXPECT_TRUE(has(untouched, u"<Profit>: "));
    EXPECT_TRUE(untouched.ends_with(u"<LoadsLeft>: 5\n"));
    ASSERT_TRUE(h.ClickOn(nugget));
    ASSERT_TRUE(h.StepUntil([&] { return static_cast<cNugget*>(nugget)->work.HasMoved(); },
                            kWorkLimit));
    const std::u16string digging = nugget->GetHintText();
    EXPECT_TRUE(has(digging, u"<FinishWork>"));
    EXPECT_FALSE(has(digging, u"<Price>")) << "paid already";

    EXPECT_TRUE(has(well->GetHintText(), u"<Profit>: "));
    EXPECT_FALSE(has(well->GetHintText(), u"<Price>"));
}

TEST_F(LevelSources, EachGoodLyingAboutIsPickedUpAndCarriedHome) {
    const struct {
        const char16_t* name;
        ResourceSet gain;
    } goods[] = {{u"wood", {20, 0, 0, 0}},
                 {u"food", {0, 20, 0, 0}},
                 {u"money", {0, 0, 20, 0}},
                 {u"mana", {0, 0, 0, 20}}};
    ResourceSet expected = h.host.resources;
    for (const auto& good : goods) {
        cObject* item = h.Find(good.name);
        ASSERT_NE(item, nullptr);
        expected += good.gain;
        ASSERT_TRUE(WorkUntil(good.name, expected)) << "the " << qor::ToUtf8(good.name);
        EXPECT_EQ(h.Find(good.name), nullptr) << "picked up and gone";
    }
}

}  // namespace
}  // namespace level_test

namespace level_test {
namespace {

// Wood goes to a sawmill that stands, which turns the load of 20 into 40;
// a sawmill still to be built is passed by for the house.
TEST(LevelDeliveries, WoodGoesToAStandingSawmillAndElseHome) {
    for (const bool built : {true, false}) {
        cLevelHarness h;
        ASSERT_TRUE(h.LoadScene(IslandScene("t", std::string(R"(
base00    cell 10 10
worker    cell 20 7 name w
wood      cell 21 7 name wood
sawmill00 cell 22 9 places 1 name mill )") + (built ? "ready" : "") +
                                                     "\n")));
        h.Begin();
        cObject* mill = h.Find(u"mill");
        ASSERT_EQ(mill->workPlaces.size(), 11u) << "ten more places beside the first";
        auto* w = static_cast<cWorker*>(h.Find(u"w"));
        ASSERT_TRUE(h.ClickOn(h.Find(u"wood")));
        ASSERT_TRUE(h.StepUntil([&] { return !w->bag.IsZero(); }, 10.0f));
        h.Step(2);
        EXPECT_EQ(w->target, built ? mill : h.level->base);
        if (built) {
            ASSERT_TRUE(h.StepUntil([&] { return w->state == kWorkerDeliver; }, 10.0f));
            EXPECT_EQ(mill->state, 4) << "processing";
            EXPECT_TRUE(w->bag.IsZero());
        }
        ASSERT_TRUE(h.StepUntil([&] { return !h.host.resources.IsZero(); }, 20.0f));
        EXPECT_EQ(h.host.resources.wood, built ? 40 : 20);
        if (built) {
            h.Step();
            EXPECT_EQ(mill->state, kStateReady);
            EXPECT_TRUE(w->IsIdle());
        }
    }
}

}  // namespace
}  // namespace level_test
