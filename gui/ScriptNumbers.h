#pragma once
// Number conversions for values that come from scripts and reach integer
// events or sizes: never undefined behaviour, whatever the script gave.
#include <climits>
#include <cmath>

namespace qor {

// Truncated toward zero, saturating at the int range; NaN is 0.
inline int ClampToInt(float value) {
    if (std::isnan(value))
        return 0;
    if (value <= static_cast<float>(INT_MIN))
        return INT_MIN;
    if (value >= static_cast<float>(INT_MAX))
        return INT_MAX;
    return static_cast<int>(value);
}

}  // namespace qor
