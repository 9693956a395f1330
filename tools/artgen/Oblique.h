#pragma once
// Drawing on the island's ground. The level grid runs on two skewed axes: i
// points 15 degrees below the horizontal to the right, j 45 degrees above it,
// and a cell is 48 units along each. Everything that stands on the grid is
// drawn in that projection with its walls straight up, so a building covers
// exactly the cells it occupies. Points are (a, b, z): a along i, b along j,
// z up, in world units (one unit is one pixel at game scale) from the sprite's
// anchor, which is the centre of the footprint on the ground.
//
// Light comes from the upper left: roofs and tops are lightest, walls facing
// the viewer (toward -j) take the base colour, walls facing right (+i) are
// shaded. Only those three kinds of faces and the slopes above them show.
#include <cairo.h>

#include <functional>
#include <vector>

#include "tools/common/Palette.h"

namespace artgen {

struct P3 {
    double a = 0, b = 0, z = 0;
};
struct P2 {
    double x = 0, y = 0;  // cairo space, y down
};

inline constexpr double kCell = 48.0;

// Where a ground point lands relative to the anchor (cairo space).
P2 Project(P3 p);
// The view direction's test: true when a face with this outward normal shows.
bool FacesViewer(P3 normal);

// Runs `build` with cairo's matrix set so that 2D coordinates (s, t) land on
// origin + s * ex + t * ey. The path built inside stays; line widths used for
// stroking afterwards are not distorted because the matrix is restored first.
void InPlane(cairo_t* cr, P3 origin, P3 ex, P3 ey, const std::function<void()>& build);
// The common planes: the ground at height z (s along a, t along b), a wall
// facing the viewer at b (s along a, t up), a wall facing right at a (s along
// b, t up).
void InGround(cairo_t* cr, double z, const std::function<void()>& build);
void InFront(cairo_t* cr, double b, const std::function<void()>& build);
void InSide(cairo_t* cr, double a, const std::function<void()>& build);

// The plane touching a round tower of radius r around (a, b) where it faces
// the viewer: s across (0 at the touching point), t up.
void InDrumFront(cairo_t* cr, double a, double b, double r, const std::function<void()>& build);

// Path helpers in projected space.
void MoveTo(cairo_t* cr, P3 p);
void LineTo(cairo_t* cr, P3 p);
void Polygon(cairo_t* cr, const std::vector<P3>& points);
// The outline of everything the points span (their convex hull).
void HullPath(cairo_t* cr, const std::vector<P3>& points);
// An ellipse: the ground circle of radius r around (a, b) at height z.
void GroundCircle(cairo_t* cr, double a, double b, double z, double r);

// Outline width of sprite silhouettes and of inner detail at game scale.
inline constexpr double kOutline = 1.6;
inline constexpr double kDetail = 1.0;

// Fills the current path with a soft top-to-bottom shading of `color` and
// strokes it with the ink outline (no stroke when `outline` is 0); consumes it.
void Fill(cairo_t* cr, datakit::Rgb color, double outline = kOutline);
void FillFlat(cairo_t* cr, datakit::Rgb color, double outline = kOutline, double alpha = 1.0);
// Fills the current path from `top` at its top to `bottom` at its bottom.
void FillGradient(cairo_t* cr, datakit::Rgb top, datakit::Rgb bottom, double outline = kOutline);
// Strokes the current path in a colour at a width; consumes it.
void Line(cairo_t* cr, datakit::Rgb color, double width, double alpha = 1.0);
// A line of a colour with an ink edge on both sides (beams, poles, ropes).
void InkedLine(cairo_t* cr, datakit::Rgb color, double width);

// The face shades of one material.
datakit::Rgb FrontShade(datakit::Rgb base);
datakit::Rgb SideShade(datakit::Rgb base);
datakit::Rgb TopShade(datakit::Rgb base);

// A box standing on the ground: its front, right and top faces.
struct Box {
    double a0, a1, b0, b1, z0, z1;
};
void DrawBox(cairo_t* cr, const Box& box, datakit::Rgb wall, datakit::Rgb top);

// A pitched roof over the rectangle [a0, a1] x [b0, b1] with its eaves at
// zEave and the ridge at zRidge, overhanging by `eave`. alongA: the ridge runs
// along a (the long slope faces the viewer); otherwise along b (the gable
// faces the viewer). `fill` clips the front slopes to their lower part (0..1)
// for roofs still being laid; rafters show above it.
struct Roof {
    double a0, a1, b0, b1, zEave, zRidge;
    double eave = 4;
    bool alongA = true;
};
void DrawRoof(cairo_t* cr, const Roof& roof, datakit::Rgb tiles, datakit::Rgb gableWall,
              double fill = 1.0);

// A round tower part: a frustum from radius r0 at z0 to r1 at z1 around
// (a, b), shaded left to right; with a top cap when `cap` is set.
void DrawDrum(cairo_t* cr, double a, double b, double r0, double r1, double z0, double z1,
              datakit::Rgb color, bool cap = true);
// The visible band of a drum between heights z0 and z1 (for stripes and
// courses), as a path.
void DrumBand(cairo_t* cr, double a, double b, double r0, double r1, double z0, double z1);
// A cone roof from radius r at z0 up to the apex at zApex.
void DrawCone(cairo_t* cr, double a, double b, double r, double z0, double zApex,
              datakit::Rgb color);

// A soft shadow on the ground around the footprint rectangle, a little toward
// the back right, away from the light.
void GroundShadow(cairo_t* cr, double a0, double a1, double b0, double b1, double alpha = 0.22);
void GroundShadowDisc(cairo_t* cr, double a, double b, double r, double alpha = 0.22);

}  // namespace artgen
