#pragma once
// The ground of the world map's landscape: sky and far mountains, meadows,
// the coast, the river and the lake, and the road. Everything here works in
// the landscape's picture space: kMapW x kLandH pixels, y down, so that map
// height y shows at picture row kMapH - y.
#include <cairo.h>

#include <vector>

#include "tools/artgen/MapRoad.h"

namespace artgen {

inline constexpr double kLandH = kMapH - kLandBottom;

inline MapPoint ToPicture(const MapPoint& p) {
    return {p.x, kMapH - p.y};
}

// Picture row of the shoreline at x: land above it, sea below.
double CoastY(double x);
// The river from the mountains to the sea, and the lake, in picture space.
const std::vector<MapPoint>& RiverLine();
double RiverWidth(double y);
inline constexpr MapPoint kLakeCentre{556, 318};
inline constexpr double kLakeRx = 64, kLakeRy = 30;

// Distances used to keep scenery off the road and out of the water.
double DistanceToRoad(double x, double y);
bool IsDry(double x, double y, double margin);

void PaintSky(cairo_t* cr);
void PaintMountains(cairo_t* cr);
void PaintMeadows(cairo_t* cr);
void PaintCoast(cairo_t* cr);
void PaintLakeAndRiver(cairo_t* cr);
void PaintRoad(cairo_t* cr);

}  // namespace artgen
