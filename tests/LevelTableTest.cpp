// Every level's row and the steps that ready a level from it: the order the
// level relies on, what a level without a row gets, and the table checked
// against the rest of the game's data (texts, talks, goal pictures, music).
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "engine/StringTable.h"
#include "engine/Strings.h"
#include "level/LevelSetup.h"
#include "level/LevelTable.h"
#include "level/tables/TalkTable.h"
#include "level/tables/TaskIconTable.h"
#include "tests/LevelFixture.h"
#include "tests/ManifestEntries.h"

namespace qor::test {
namespace {

using Steps = std::vector<std::string>;

TEST(LevelSetup, TheFirstLevelIsReadiedStepByStepFromItsRow) {
    SetLocalizedText(u"BuildHouse00_3", u"Build 3 houses");
    cFixtureLevel level;
    AddTask(level.tasks, u"", u"food", 1, kTaskResource);  // left from the level before
    SetupLevel(u"001", level);
    EXPECT_EQ(level.steps, (Steps{"name 001", "resources ", "background 001", "silver 180",
                                  "music music2", "talk 001", "tutorial train00::cTakeField",
                                  "resources 30½20¼", "time left 180", "recount 2", "timers"}));
    ASSERT_EQ(level.tasks.size(), 1u);
    EXPECT_EQ(level.tasks[0].objectKey, u"house00");
    EXPECT_EQ(level.tasks[0].kind, kTaskBuild);
    EXPECT_EQ(level.tasks[0].target, 3);
    EXPECT_EQ(level.tasks[0].current, 0);
    EXPECT_EQ(level.tasks[0].text, u"Build 3 houses");
}

TEST(LevelSetup, EveryColumnIsAppliedInOrderWithTheEnemiesOnTheirDefaults) {
    SetLocalizedText(u"PrisonSaveSeller", u"Free him!");
    cFixtureLevel level;
    SetupLevel(u"035", level);
    EXPECT_EQ(level.steps, (Steps{"name 035", "resources ", "background 035", "silver 315",
                                  "music music2", "spell 2", "talk 0350",
                                  "tutorial train12::cSaveSeller", "prison Free him! 200¾",
                                  "resources 20¼20¾40‰", "time left 315", "recount 2", "timers"}));
    EXPECT_EQ(level.tasks.size(), 2u);
    EXPECT_EQ(level.enemies.goblinInterval, 30.0f);
    EXPECT_EQ(level.enemies.enemyLimit, 3);
    EXPECT_EQ(level.enemies.spiritInterval, 0.0f) << "what the row leaves out keeps its default";
    EXPECT_EQ(level.enemies.banditSpeed, 45.0f);

    cFixtureLevel timed;
    SetupLevel(u"021", timed);
    const Steps expected{"max all 2", "max tower00 1", "spell 1", "talk 021", "story 0"};
    EXPECT_TRUE(std::search(timed.steps.begin(), timed.steps.end(), expected.begin(),
                            expected.end()) != timed.steps.end());
}

TEST(LevelSetup, ALevelWithoutARowHasNoGoalsAndKeepsItsClock) {
    cFixtureLevel level;
    level.silverTime = 210.0f;
    AddTask(level.tasks, u"", u"food", 1, kTaskResource);
    level.stock = {5, 5, 5, 5};
    SetupLevel(u"005", level);
    EXPECT_EQ(level.steps, (Steps{"name 005", "resources ", "background 005", "resources ",
                                  "time left 210", "recount 2", "timers"}));
    EXPECT_TRUE(level.tasks.empty());
    EXPECT_FALSE(AreTasksDone(level.tasks)) << "it cannot be won";
    EXPECT_EQ(FindLevelRow(u"008"), nullptr);
    EXPECT_EQ(FindLevelRow(u"41"), nullptr);
}

// Forty levels from "000" to "041" in order, "005" and "008" left out.
TEST(LevelTable, RowsAreTheGamesLevelsInOrder) {
    std::vector<std::u16string> names;
    for (const cLevelRow& row : LevelTable())
        names.emplace_back(row.name);
    std::vector<std::u16string> expected;
    for (int i = 0; i <= 41; ++i) {
        if (i != 5 && i != 8)
            expected.push_back(FromUtf8((i < 10 ? "00" : "0") + std::to_string(i)));
    }
    EXPECT_EQ(names, expected);
}

// The table names texts, talks, pictures and music kept elsewhere; a name
// typed wrong on either side would leave a goal without its text or picture,
// or a level silent.
TEST(LevelTable, EveryNameItUsesExistsInTheGamesData) {
    const auto texts = ManifestNames("locale");
    const auto music = ManifestNames("music");
    auto has = [](const std::vector<std::string>& list, std::u16string_view name) {
        return std::find(list.begin(), list.end(), ToUtf8(std::u16string(name))) != list.end();
    };
    cTalkTable talks;
    talks.Build();
    for (const cLevelRow& row : LevelTable()) {
        SCOPED_TRACE(ToUtf8(std::u16string(row.name)));
        EXPECT_FALSE(row.goals.empty());
        EXPECT_GT(row.silverTime, 0.0f);
        EXPECT_TRUE(has(music, row.music));
        EXPECT_NE(talks.Find(row.talk), nullptr) << ToUtf8(std::u16string(row.talk));
        for (const cGoalRow& goal : row.goals) {
            EXPECT_TRUE(has(texts, goal.textKey)) << ToUtf8(std::u16string(goal.textKey));
            EXPECT_FALSE(GetTaskIcon(goal.objectKey).empty());
            EXPECT_GT(goal.target, 0);
            if (goal.kind == kTaskPopulation) {
                EXPECT_EQ(goal.objectKey, u"worker");
            }
            if (goal.kind == kTaskResource) {
                EXPECT_TRUE(goal.objectKey == u"food" || goal.objectKey == u"wood" ||
                            goal.objectKey == u"money");
            }
        }
        for (int32_t spell : row.spells)
            EXPECT_TRUE(spell >= 1 && spell <= 6) << spell;
        if (!row.prisonText.empty()) {
            EXPECT_TRUE(has(texts, row.prisonText));
        }
    }
}

}  // namespace
}  // namespace qor::test
