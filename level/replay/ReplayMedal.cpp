#include "level/replay/ReplayMedal.h"

#include "level/LevelResult.h"
#include "level/LevelWidget.h"

bool WonForGold(const cLevelWidget& level) {
    return level.state == kLevelFinished &&
           LevelMedal(level.silverTime, level.timeLeft) == kLevelGold;
}
