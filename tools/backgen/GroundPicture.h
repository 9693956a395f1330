#pragma once
// Paints a level's background from its ground map: the sea round the island,
// a sandy shore with a line of foam, grass, the roads as paths, rough ground
// as darker stony patches, ponds and rocks, each where its cells lie on the
// screen, so every object of the level stands on the ground the grid gives it.
// The shapes are the cells' parallelograms softened into smooth outlines and
// drawn with the ink edges of the rest of the game's art.
#include <cstdint>

#include "tools/backgen/GroundMap.h"
#include "tools/common/ImageFile.h"

namespace backgen {

inline constexpr int kPictureWidth = 1024;
inline constexpr int kPictureHeight = 768;

// The whole 1024 x 768 picture, top row first. The same map and seed always
// give the same picture.
datakit::RgbaImage PaintGround(const cGroundMap& map, uint32_t seed);

}  // namespace backgen
