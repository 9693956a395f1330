#pragma once
// What makes each level of the game its own: the goods the player starts
// with, the goals, the time limit, the music, how far buildings may be
// upgraded, the spells the altars sell, how hard the enemies press, the talk
// that opens the level, whether timed story events run, the tutorial step
// that guides it and, on two levels, the prisoner to free. Levels are found
// by the name stored in their level file ("000" to "041").
#include <cstdint>
#include <string_view>
#include <vector>

#include "level/units/EnemySettings.h"
#include "scene/ResourceSet.h"

struct cGoalRow {
    std::u16string_view textKey;  // "BuildHouse00_3": the goal's text
    int32_t kind;                 // eTaskKind
    std::u16string_view objectKey;
    int32_t target;
};

// How far the buildings of a kind may be upgraded; the kind "all" means every
// building but the monuments.
struct cMaxLevelRow {
    std::u16string_view kind;
    int32_t level;
};

struct cLevelRow {
    std::u16string_view name{};
    ResourceSet start{};
    std::vector<cGoalRow> goals{};  // added in this order
    float silverTime = 0.0f;
    std::u16string_view music{};
    std::vector<cMaxLevelRow> maxLevels{};  // applied in this order
    std::vector<int32_t> spells{};          // offered at the altars in this order
    cEnemyChanges enemies{};
    std::u16string_view talk{};      // the talk that opens the level
    bool timed = false;              // the level's timed story events run
    std::u16string_view tutorial{};  // the tutorial step, "train00::cTakeField"; empty for none
    // The prisoner the story asks to free: the prison's story text and price.
    std::u16string_view prisonText{};
    ResourceSet prisonPrice{};
};

// Every level of the game, in level order.
const std::vector<cLevelRow>& LevelTable();
// The row of a level name (exact comparison); null for a name without one,
// such as "005": that level has no goals and cannot be won.
const cLevelRow* FindLevelRow(std::u16string_view name);
