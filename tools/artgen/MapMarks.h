#pragma once
// The marks on the world map and its sea: the level points (one per medal
// state, each with a brighter form for the point under the pointer), the dot
// of the trail between opened levels, the bouncing marker over the chosen
// level, and the sea tile laid under the whole map.
#include <cairo.h>

#include <vector>

#include "tools/artgen/TextureBook.h"

namespace artgen {

// Sprite sheet "map02".
inline constexpr int kMarksSide = 256;
inline constexpr int kPointSide = 48, kDotSide = 16;
inline constexpr int kMarkerW = 40, kMarkerH = 64, kMarkerFrames = 6;
void PaintMapMarks(cairo_t* cr, const PaintContext&);
std::vector<Area> MapMarkAreas();
std::vector<ExSprite> MapMarkSprites();

// Sea tile "map03": repeats seamlessly in both directions.
inline constexpr int kSeaSide = 256;
void PaintSeaTile(cairo_t* cr, const PaintContext&);

}  // namespace artgen
