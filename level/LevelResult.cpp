#include "level/LevelResult.h"

#include <algorithm>
#include <cmath>
#include <limits>

int32_t LevelMedal(float silverTime, float timeLeft) {
    if (!(timeLeft > 0.0f))
        return kLevelBronze;
    return silverTime * 0.33333334f <= timeLeft ? kLevelGold : kLevelSilver;
}

int32_t MedalBonus(int32_t medal) {
    switch (medal) {
        case kLevelGold:
            return 10000;
        case kLevelSilver:
            return 1000;
        default:
            return 0;
    }
}

int32_t FinalScore(int32_t previous, float timeLeft, int32_t builds, int32_t earned,
                   int32_t medal) {
    constexpr double kMin = std::numeric_limits<int32_t>::min();
    constexpr double kMax = std::numeric_limits<int32_t>::max();
    // Whole seconds, the fraction dropped; a clock that was never set counts 0.
    const double seconds = std::isfinite(timeLeft) ? std::trunc(timeLeft) : 0.0;
    const double total = static_cast<double>(previous) + seconds +
                         100.0 * static_cast<double>(builds) + static_cast<double>(earned) +
                         static_cast<double>(MedalBonus(medal));
    return static_cast<int32_t>(std::clamp(total, kMin, kMax));
}

int CupOfMedal(int32_t medal) {
    switch (medal) {
        case kLevelGold:
            return 0;
        case kLevelSilver:
            return 1;
        default:
            return 2;
    }
}
