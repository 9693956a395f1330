#include "scene/MapTrail.h"

#include <cstddef>

#include "scene/CatmullRomSpline.h"

namespace {
constexpr int kDotsPerSegment = 5;
}

std::vector<vec2> MapTrailDots(const std::vector<vec2>& slots) {
    std::size_t n = 0;
    while (n < slots.size() && !(slots[n] == vec2{}))
        ++n;
    std::vector<vec2> dots;
    if (n < 2)
        return dots;
    const float last = static_cast<float>(n - 1);
    curve_CatmullRomSpline<vec2> spline;
    for (std::size_t i = 0; i < n; ++i)
        spline.AddKey(slots[i], static_cast<float>(i) / last);
    dots.reserve((n - 1) * kDotsPerSegment);
    for (std::size_t f = 0; f + 1 < n; ++f) {
        for (int k = 1; k <= kDotsPerSegment; ++k) {
            const float t = (static_cast<float>(f) + static_cast<float>(k) / 6.0f) / last;
            dots.push_back(spline.Evaluate(t));
        }
    }
    return dots;
}
