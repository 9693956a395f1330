#pragma once
// Drawing habits of the scene sprites at game scale: shapes filled flat and
// outlined in the palette's ink, limbs and ropes as inked strokes.
#include <cairo.h>
#include <vector>

#include "tools/common/Palette.h"

namespace artgen {

struct Point {
    double x = 0, y = 0;
};

// Outline width of the figures' ink at game scale.
constexpr double kFigureInk = 1.15;

// Strokes a polyline twice, ink below and colour above, for a limb of `width`.
void InkedLine(cairo_t* cr, const std::vector<Point>& points, double width, datakit::Rgb color);
// Fills the current path with `fill` and outlines it in ink; the path is used up.
void InkedFill(cairo_t* cr, datakit::Rgb fill, double ink = kFigureInk);
// A closed outline through `points` with rounded corners.
void RoundedPolygon(cairo_t* cr, const std::vector<Point>& points, double radius);

}  // namespace artgen
