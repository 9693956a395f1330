#pragma once
// The island's resource sources as packed sprites: trees with their felling
// stages, stumps and shadows; fields from sowing to harvest; the gold nugget
// as it is dug away; the mana well and its water; the goods lying on the
// ground; and the marker of a queued job.
//
// Anchors: a tree, stump, nugget, well or item stands with the middle of its
// base on its anchor; a field is centred on it (it lies flat over 2 x 2 grid
// cells); the job marker's anchor is its lower-left corner.
#include <vector>

#include "tools/artgen/SpriteInk.h"
#include "tools/artgen/SpritePacker.h"
#include "tools/common/Palette.h"

namespace artgen {

std::vector<SpriteArt> TreeSprites();
std::vector<SpriteArt> FieldSprites();
std::vector<SpriteArt> GroundSprites();
std::vector<SpriteArt> GoodsSprites();  // and the job marker

// A soft shadow on the ground, darkest at the middle.
void GroundShade(cairo_t* cr, double cx, double cy, double rx, double ry, double alpha);
// A four-pointed twinkle of `size` (its arms' half length).
void Twinkle(cairo_t* cr, double x, double y, double size, double alpha);
// A few chips or pebbles scattered on the ground around (x, y).
void Scatter(cairo_t* cr, double x, double y, double spread, int count, datakit::Rgb color,
             unsigned seed);

}  // namespace artgen
