#include "shell/ClockText.h"

#include <cmath>
#include <cstdint>

#include "engine/FormatString.h"

namespace {

std::u16string MinutesSeconds(int32_t total, int32_t secondsStep) {
    const int32_t seconds = total % 60;
    return qor::Format(u"%02i:%02i", {total / 60, seconds - seconds % secondsStep});
}

// Whole seconds within what the text can show; a clock that was never set
// (not a number) reads as nothing left.
int32_t WholeSeconds(float seconds) {
    if (!(seconds > 0.0f))
        return 0;
    return seconds >= 2147483520.0f ? 2147483520 : static_cast<int32_t>(seconds);
}

}  // namespace

std::u16string ClockText(float seconds) {
    return MinutesSeconds(WholeSeconds(seconds), 1);
}

std::u16string LimitText(float seconds) {
    return MinutesSeconds(WholeSeconds(seconds), 5);
}
