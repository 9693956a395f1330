#pragma once
// Soft masks of the ground map: the cells of one sort filled on the screen and
// blurred, so that the level of 0.5 traces their outline with rounded corners.
// Outlines are then drawn crisp and anti-aliased from the field's value and
// slope at each pixel.
#include <functional>
#include <vector>

#include "tools/backgen/GroundMap.h"

namespace backgen {

class cField {
  public:
    // The cells `pick` accepts, filled and blurred by `radius` pixels.
    cField(const cGroundMap& map, const std::function<bool(eGround)>& pick, int radius);

    // 0 … 1; 0 outside the picture.
    float At(int x, int y) const;
    // How much of the pixel lies above the level `threshold`: 0 below the
    // outline, 1 inside, and in between across one pixel of the outline.
    float Inside(int x, int y, float threshold) const;
    // A line along the level `threshold`, `halfWidth` pixels to each side.
    float Line(int x, int y, float threshold, float halfWidth) const;

  private:
    float Slope(int x, int y) const;

    int m_width, m_height;
    std::vector<float> m_values;
};

}  // namespace backgen
