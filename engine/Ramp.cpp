#include "engine/Ramp.h"

#include <cmath>

namespace qor {

void cRamp::SetTarget(float value) {
    from = current;
    to = value;
    // A zero rate would make the duration infinite (or NaN for no distance):
    // such a ramp can never move, so it jumps.
    duration = rate > 0.0f ? std::fabs(to - from) / rate : 0.0f;
    elapsed = 0.0f;
    if (!(duration >= 0.0001f)) {
        duration = 0.0f;
        current = to;
    }
}

int cRamp::Step(float seconds) {
    if (duration == elapsed)
        return 0;
    elapsed += seconds;
    if (elapsed >= duration) {
        elapsed = duration;
        current = to;
        return 2;
    }
    current = from + (to - from) * elapsed / duration;
    return 1;
}

}  // namespace qor
