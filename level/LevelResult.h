#pragma once
// What a finished level is worth: its medal and its score.
#include <cstdint>

// The world map's medal states a finished level can earn. Do not renumber:
// they are stored in every player's map progress.
enum eLevelMedal : int32_t {
    kLevelBronze = 2,
    kLevelSilver = 3,
    kLevelGold = 4,
};

// Gold with at least a third of the silver time left, silver with any time
// left, bronze otherwise. With no time left there is neither gold nor silver,
// even on a level without a time limit.
int32_t LevelMedal(float silverTime, float timeLeft);

// The bonus a medal adds to the score: 10000 for gold, 1000 for silver.
int32_t MedalBonus(int32_t medal);

// The player's new total: the previous total, the whole seconds left, 100 for
// every building raised, every resource earned, and the medal's bonus. Held
// within the range of the stored score instead of wrapping round.
int32_t FinalScore(int32_t previous, float timeLeft, int32_t builds, int32_t earned, int32_t medal);

// The cup the results screen shows for a medal: 0 gold, 1 silver, 2 bronze.
int CupOfMedal(int32_t medal);
