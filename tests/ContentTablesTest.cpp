// The game's fixed content tables: resource names and icons, spells, goal
// icons, talks with their speakers, and the trade offer. Each table is checked
// at its ends, against the data manifest where that lists the same names, and
// on the look-ups that must find nothing.
#include <gtest/gtest.h>

#include <limits>
#include <set>
#include <string>

#include "engine/StringTable.h"
#include "engine/Strings.h"
#include "level/tables/DealOffer.h"
#include "level/tables/ResourceTable.h"
#include "level/tables/SpellTable.h"
#include "level/tables/TalkTable.h"
#include "level/tables/TaskIconTable.h"
#include "tests/ManifestEntries.h"

namespace {

std::string Utf8(std::u16string_view text) {
    return qor::ToUtf8(std::u16string(text));
}

TEST(ContentTablesTest, ResourceNamesAndTheIconOfAVector) {
    const std::u16string_view names[] = {u"wood", u"food", u"money", u"mana"};
    for (int i = 0; i < kResourceCount; ++i)
        EXPECT_EQ(GetResourceName(i), names[i]);
    EXPECT_EQ(GetResourceName(-1), u"");
    EXPECT_EQ(GetResourceName(kResourceCount), u"");

    // Food leads, then wood, money and mana; negative amounts count as well.
    struct Case {
        ResourceSet amounts;
        std::u16string_view area;
    };
    const Case cases[] = {
        {{5, 3, 9, 9}, u"food"}, {{5, 0, 9, 9}, u"wood"}, {{0, 0, -2, 7}, u"money"},
        {{0, 0, 0, 9}, u"mana"}, {{0, 0, 0, 0}, u""},
    };
    for (const Case& c : cases) {
        const SpriteName icon = GetResourceIcon(c.amounts);
        EXPECT_EQ(icon.area, c.area) << Utf8(c.area);
        EXPECT_EQ(icon.texture, c.area.empty() ? u"" : u"gui_main0");
    }
}

TEST(ContentTablesTest, SpellsHaveSpriteNameAndManaPriceOnlyForKindsOneToSix) {
    struct Case {
        int kind;
        std::u16string_view sprite;
        std::u16string_view key;
        int32_t mana;
    };
    const Case cases[] = {
        {0, u"", u"", 0},
        {1, u"spell_field_fast", u"SpellFieldFast", 60},
        {2, u"spell_worker_fast", u"SpellWorkerFast", 50},
        {3, u"spell_water_freeze", u"SpellWaterFreeze", 80},
        {4, u"spell_tree_restore", u"SpellTreeRestore", 80},
        {5, u"spell_enemy_freeze", u"SpellEnemyFreeze", 60},
        {6, u"spell_shield", u"SpellShield", 50},
        {7, u"", u"", 0},
        {-1, u"", u"", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kind);
        EXPECT_EQ(GetSpellSprite(c.kind), c.sprite);
        EXPECT_EQ(GetSpellNameKey(c.kind), c.key);
        EXPECT_EQ(GetSpellPrice(c.kind), (ResourceSet{0, 0, 0, c.mana}));
    }

    qor::SetLocalizedText(u"SpellShield", u"Shield");
    EXPECT_EQ(GetSpellName(6), u"Shield");
    // An unknown kind leaves the string table as it was.
    const size_t keys = qor::StringTableSize();
    EXPECT_EQ(GetSpellName(9), u"");
    EXPECT_EQ(qor::StringTableSize(), keys);
    qor::ClearStringTable();
}

TEST(ContentTablesTest, TaskIconsByExactKindOrByFamily) {
    struct Case {
        std::u16string_view target;
        std::u16string_view area;
    };
    const Case cases[] = {
        {u"house00", u"task_house"},
        {u"sawmill00", u"task_sawmill"},
        {u"mill00", u"task_mill"},
        {u"goldmill00", u"task_goldmill"},
        {u"tower00", u"task_tower"},
        {u"key_statue00", u"task_key_statue"},
        {u"lighthouse00", u"task_lighthouse"},
        {u"key_altar00", u"task_key_altar"},
        {u"prison00", u"task_prison"},
        {u"key_castle00", u"task_key_castle"},
        // Families: the name's beginning decides.
        {u"worker", u"task_worker"},
        {u"worker_any", u"task_worker"},
        {u"food", u"task_food"},
        {u"food_150", u"task_food"},
        {u"wood", u"task_wood"},
        {u"woodpile", u"task_wood"},
        {u"money", u"task_money"},
        {u"money00", u"task_money"},
        // Exact kinds match only exactly; nothing else has an icon.
        {u"house01", u""},
        {u"House00", u""},
        {u"mill", u""},
        {u"goldmill00x", u""},
        {u"work", u""},
        {u"my_worker", u""},
        {u"mana", u""},
        {u"", u""},
    };
    for (const Case& c : cases) {
        const SpriteName icon = GetTaskIcon(c.target);
        EXPECT_EQ(icon.area, c.area) << Utf8(c.target);
        EXPECT_EQ(icon.texture, c.area.empty() ? u"" : u"gui00") << Utf8(c.target);
    }
}

class TalkTableTest : public ::testing::Test {
  protected:
    void SetUp() override { table.Build(); }
    cTalkTable table;
};

TEST_F(TalkTableTest, HoldsEveryTalkAndPhraseInTheStoryOrder) {
    ASSERT_EQ(table.talks().size(), 48u);
    EXPECT_EQ(table.PhraseCount(), 147);
    EXPECT_EQ(table.talks().front().id, u"001");
    EXPECT_EQ(table.talks().back().id, u"NoFreeWorkers");

    // The manifest lists the same keys for the texts still to be written.
    std::vector<std::string> keys;
    for (const Talk& talk : table.talks()) {
        for (const TalkPhrase& phrase : talk.phrases) {
            keys.push_back(Utf8(phrase.key));
            EXPECT_FALSE(GetSpeakerPortrait(phrase.speaker).empty()) << keys.back();
        }
    }
    std::vector<std::string> listed;
    for (const std::string& name : qor::test::ManifestNames("locale")) {
        if (name.find("_ad_") != std::string::npos || name.find("_mh_") != std::string::npos ||
            name.find("_sl_") != std::string::npos || name.find("_wf_") != std::string::npos)
            listed.push_back(name);
    }
    EXPECT_EQ(keys, listed);

    // Building again replaces the table rather than adding to it.
    table.Build();
    EXPECT_EQ(table.talks().size(), 48u);
}

TEST_F(TalkTableTest, FindsTalksByNameAndByLevel) {
    const Talk* talk = table.Find(u"0131");
    ASSERT_NE(talk, nullptr);
    ASSERT_EQ(talk->phrases.size(), 3u);
    EXPECT_EQ(talk->phrases[2].key, u"0131_mh_2");
    EXPECT_EQ(talk->phrases[2].speaker, u"mh");
    ASSERT_NE(table.Find(u"NoFreeWorkers"), nullptr);
    for (std::u16string_view unknown : {u"005", u"", u"13", u"noFreeWorkers", u"0132"})
        EXPECT_EQ(table.Find(unknown), nullptr) << Utf8(unknown);

    struct Case {
        std::u16string_view level;
        std::vector<std::u16string> ids;
    };
    const Case cases[] = {
        {u"013", {u"0130", u"0131"}},
        {u"001", {u"001"}},
        {u"035", {u"0350", u"0351"}},
        {u"005", {}},
        {u"0130", {}},
        {u"01", {}},
        {u"NoFreeWorkers", {}},
        {u"", {}},
    };
    for (const Case& c : cases) {
        std::vector<std::u16string> ids;
        for (const Talk* found : table.FindLevelTalks(c.level))
            ids.push_back(found->id);
        EXPECT_EQ(ids, c.ids) << Utf8(c.level);
    }
}

TEST_F(TalkTableTest, SpeakersTakeTurnsBetweenTwoBubbleSlots) {
    struct Case {
        Talk talk;
        std::vector<int> slots;
        std::u16string_view first;
        std::u16string_view second;
    };
    const Case cases[] = {
        {MakeTalk(u"t", u"a b b a"), {0, 1, 1, 0}, u"a", u"b"},
        {*table.Find(u"020"), {0, 1, 1, 1, 0}, u"mh", u"wf"},
        {*table.Find(u"033"), {0, 1, 0, 1, 1, 0, 1}, u"mh", u"ad"},
        {*table.Find(u"0220"), {0, 0}, u"mh", u""},
        {*table.Find(u"NoFreeWorkers"), {0}, u"mh", u""},
        {MakeTalk(u"t", u""), {}, u"", u""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(Utf8(c.talk.id));
        std::vector<int> slots;
        for (int i = 0; i < static_cast<int>(c.talk.phrases.size()); ++i)
            slots.push_back(PhraseSlot(c.talk, i));
        EXPECT_EQ(slots, c.slots);
        EXPECT_EQ(PhraseSlot(c.talk, -1), -1);
        EXPECT_EQ(PhraseSlot(c.talk, static_cast<int>(c.talk.phrases.size())), -1);
        EXPECT_EQ(FirstSpeaker(c.talk), c.first);
        EXPECT_EQ(SecondSpeaker(c.talk), c.second);
    }
    EXPECT_EQ(MakeTalk(u"t", u"a b b a").phrases[3].key, u"t_a_3");

    EXPECT_EQ(GetSpeakerPortrait(u"sl"), (SpriteName{u"gui01", u"sl"}));
    EXPECT_TRUE(GetSpeakerPortrait(u"xx").empty());
    EXPECT_TRUE(GetSpeakerPortrait(u"").empty());
}

TEST(ContentTablesTest, DealOfferAnswersWhatTheDealWindowShows) {
    DealOffer deal;
    EXPECT_FALSE(deal.IsRunning());
    deal.dealStage = 3;
    deal.Set({0, 0, 500, 0}, {200, 0, 0, 0}, 120.0f, u"DealIntro016", u"DealAfter016");
    EXPECT_TRUE(deal.IsWaiting());
    EXPECT_EQ(deal.dealStage, -1);
    EXPECT_EQ(deal.dealIntroKey, u"DealIntro016");
    EXPECT_EQ(deal.dealSecondKey, u"DealAfter016");
    EXPECT_EQ(deal.AskedResource(), kResourceWood);
    EXPECT_EQ(deal.AskedAmount(), 200);
    EXPECT_EQ(deal.MissingAmount({50, 0, 0, 0}), 150);
    EXPECT_EQ(deal.MissingAmount({200, 0, 0, 0}), 0);
    EXPECT_EQ(deal.OfferedAmount(), 500);
    EXPECT_EQ(deal.CostIcon(), (SpriteName{u"gui_main0", u"wood"}));
    EXPECT_EQ(deal.RewardIcon(), (SpriteName{u"gui_main0", u"money"}));
    EXPECT_EQ(deal.RemainingMinutes(), 2);
    EXPECT_EQ(deal.RemainingSeconds(), 0);

    const float nan = std::numeric_limits<float>::quiet_NaN();
    const std::pair<float, std::pair<int, int>> clocks[] = {
        {119.9f, {1, 59}}, {59.99f, {0, 59}}, {0.5f, {0, 0}},
        {-3.0f, {0, 0}},   {nan, {0, 0}},     {1.0e12f, {33333333, 20}},
    };
    for (const auto& [seconds, shown] : clocks) {
        deal.dealTime = seconds;
        EXPECT_EQ(deal.RemainingMinutes(), shown.first) << seconds;
        EXPECT_EQ(deal.RemainingSeconds(), shown.second) << seconds;
    }

    deal.dealTime = 10.0f;
    deal.Close();
    EXPECT_FALSE(deal.IsRunning());
    EXPECT_FALSE(deal.IsWaiting());

    const DealOffer nothing;
    EXPECT_EQ(nothing.AskedResource(), -1);
    EXPECT_EQ(nothing.AskedAmount(), 0);
    EXPECT_EQ(nothing.OfferedAmount(), 0);
    EXPECT_TRUE(nothing.CostIcon().empty());
}

TEST(ContentTablesTest, ADealIsPaidOnlyWhenTheStockCoversTheWholeCost) {
    struct Case {
        ResourceSet cost;
        ResourceSet stock;
        bool collected;
    };
    const Case cases[] = {
        {{200, 0, 0, 0}, {200, 0, 0, 0}, true},
        {{200, 0, 0, 0}, {199, 999, 999, 999}, false},
        {{0, 0, 0, 100}, {0, 0, 0, 250}, true},
        // Part of a two-good cost is not enough: paying would leave a debt.
        {{100, 0, 50, 0}, {100, 0, 0, 0}, false},
        {{100, 0, 50, 0}, {100, 0, 50, 0}, true},
        // A trader who asks for nothing is never paid.
        {{0, 0, 0, 0}, {5, 5, 5, 5}, false},
        {{0, -5, 0, 0}, {5, 5, 5, 5}, false},
    };
    for (const Case& c : cases) {
        DealOffer deal;
        deal.Set({0, 0, 0, 1}, c.cost, 60.0f, u"", u"");
        EXPECT_EQ(deal.IsCostCollected(c.stock), c.collected)
            << qor::ToUtf8(FormatResources(c.cost)) << " / "
            << qor::ToUtf8(FormatResources(c.stock));
    }
}

// The data must hold every sprite and text the tables name, so each must be
// listed in the manifest that the data is checked against.
TEST(ContentTablesTest, EverySpriteAndTextTheTablesNameIsListedForTheData) {
    std::set<std::string> listed;
    for (const qor::test::cManifestEntry& entry : qor::test::ReadManifest())
        listed.insert(entry.kind + " " + entry.name);
    auto expectListed = [&](const std::string& entry) {
        EXPECT_TRUE(listed.count(entry)) << entry;
    };
    auto area = [](const SpriteName& sprite) {
        return "area " + Utf8(sprite.texture) + ":" + Utf8(sprite.area);
    };

    for (int kind = kSpellFirst; kind <= kSpellLast; ++kind) {
        expectListed("area *:" + Utf8(GetSpellSprite(kind)));
        expectListed("locale " + Utf8(GetSpellNameKey(kind)));
    }
    for (int i = 0; i < kResourceCount; ++i) {
        ResourceSet one;
        one.Set(i, 1);
        expectListed(area(GetResourceIcon(one)));
    }
    for (const char16_t* target : {u"house00", u"sawmill00", u"mill00", u"goldmill00", u"tower00",
                                   u"worker", u"food", u"wood", u"money", u"key_statue00",
                                   u"lighthouse00", u"key_altar00", u"prison00", u"key_castle00"}) {
        expectListed(area(GetTaskIcon(target)));
    }
    for (const char16_t* speaker : {u"ad", u"mh", u"sl", u"wf"})
        expectListed(area(GetSpeakerPortrait(speaker)));
}

}  // namespace
