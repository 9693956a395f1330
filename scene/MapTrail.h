#pragma once
// The trail of dots that links the opened levels on the world map.
#include <vector>

#include "scene/Vec.h"

// `slots` holds one position per level in level order, (0, 0) for a level not
// opened yet. The trail runs through the levels before the first unopened one
// on a Catmull-Rom spline (parameter i / (n − 1) at level i) and puts five dots
// between each two neighbours, never on the levels themselves. Fewer than two
// opened levels in a row make no trail.
std::vector<vec2> MapTrailDots(const std::vector<vec2>& slots);
