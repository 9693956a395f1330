#include "level/ReplayMedal.h"

#include "level/LevelWidget.h"

bool WonForGold(const cLevelWidget& level) {
    return level.state == kLevelFinished && level.timeLeft > 0.0f &&
           level.timeLeft >= level.silverTime * 0.33333334f;
}
