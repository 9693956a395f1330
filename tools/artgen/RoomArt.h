#pragma once
// The glade behind the main menu (the achievements room): its background
// picture and the painters of its animated sprites. Sprite painters draw with
// the sprite's foot at the origin and up as negative y, at game scale (one
// pixel per screen unit), in the flat style of the title card: warm fills
// shaded top to bottom, soft highlights and dark-brown ink outlines.
#include <cairo.h>

#include "tools/artgen/TextureBook.h"
#include "tools/common/Palette.h"

namespace artgen {

// How far below the foot a room sprite's box reaches (room for its shadow).
constexpr double kRoomFootMargin = 14;

// The whole 1024 x 768 picture behind the glade (y down): sky with the game's
// name and the storm cloud (whose foot is at 975, 258), far hills, the
// forest's edge and the sunny clearing.
void PaintGlade(cairo_t* cr, const PaintContext& context);

// Soft light: an ellipse of radii rx, ry fading from `alpha` in the middle
// to nothing at its rim.
void PaintGlow(cairo_t* cr, double x, double y, double rx, double ry, datakit::Rgb color,
               double alpha);

// Trees of the glade's two edges.
void PaintOak(cairo_t* cr, double width, double height, datakit::Rgb leaf, unsigned seed);
void PaintTallPine(cairo_t* cr, double width, double height);
void PaintBirch(cairo_t* cr, double width, double height, unsigned seed);
void PaintFarTree(cairo_t* cr, double width, double height, datakit::Rgb leaf);
void PaintBlossomTree(cairo_t* cr, double width, double height);
// An old hollow stump somebody small lives in.
void PaintStumpHouse(cairo_t* cr, double width, double height);

// Magic of the clearing's floor.
void PaintToadstool(cairo_t* cr, double size);
void PaintGlowCap(cairo_t* cr, double size);
void PaintMushroomRing(cairo_t* cr, double size);
// A small storm cloud, its lower edge on the origin, with a little rain.
void PaintStormCloud(cairo_t* cr, double width, double height);
// A bolt of the storm with its glow, its tip at the origin.
void PaintBolt(cairo_t* cr, double width, double height);
// A strip of clouds `width` wide that tiles sideways (what leaves one edge
// comes back at the other), for scrolling.
void PaintCloudStrip(cairo_t* cr, double width, double height, double scale, double alpha,
                     unsigned seed);

}  // namespace artgen
