#include "level/LevelClock.h"

#include <algorithm>

float GoldLimit(float silverTime) {
    return std::max(silverTime / 1.5f, 0.0f);
}

float TimeBarFill(float silverTime, float timeLeft) {
    return silverTime != 0.0f ? timeLeft / silverTime : 0.0f;
}

bool AdvanceLevelClock(float seconds, bool standing, float silverTime, float& timeLeft,
                       float& levelTime) {
    if (standing)
        return false;
    const float gold = GoldLimit(silverTime);
    const bool alarm = levelTime < gold && levelTime + seconds >= gold;
    levelTime += seconds;
    timeLeft = std::max(timeLeft - seconds, 0.0f);
    return alarm;
}
