#pragma once
// The game's sound effects by number. Level code plays an effect by its number
// and the game turns the number into a loaded sound (level/tables/SoundTable).
#include <string_view>

// Do not renumber: the level code and the story play effects by number.
enum SoundNumber : int {
    kSoundWorkerIn,
    kSoundWorkerOut,
    kSoundBuild,
    kSoundResIncome,
    kSoundBarStone,
    kSoundBarTree,
    kSoundTake,
    kSoundRespawn,
    kSoundStartGame,
    kSoundTaskDone,
    kSoundLevelSuccess,
    kSoundCounter,
    kSoundBonusStart,
    kSoundBonusStop,
    kSoundSalute00,
    kSoundSalute01,
    kSoundSalute02,
    kSoundAlarm,
    kSoundSawmill,
    kSoundMill,
    kSoundGoldmill,
    kSoundHeroOut0,
    kSoundHeroOut1,
    kSoundHint,
    kSoundStrike,
    kSoundSpiritDeath,
    kSoundSpiritScream,
    kSoundBuildReady,
    kSoundWorkerFear,
    kSoundBanditScream0,
    kSoundBanditScream1,
    kSoundWorkerJoy,
    kSoundShot,
    kSoundAmbiForest,
    kSoundWell,
    kSoundExplosion,
    kSoundBan,
    kSoundCount
};

// The name of a numbered sound ("worker_in" ...); empty out of range.
std::u16string_view GetSoundName(int number);
// The number of a sound name; -1 for a name without number.
int FindSoundNumber(std::u16string_view name);
