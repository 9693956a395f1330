// The alarm bell that calls everybody in: a little roofed frame of two posts
// with the bell hanging from its beam.
//
// "bell00": the frame without the bell (footprint 1 x 1, anchor at its
// centre). "bell00_bell": the bell, 8 frames of one swing at 12 per second,
// frame 0 hanging still; same anchor, drawn over the frame. The bell hangs
// from a pivot 52 units over the anchor.
#include <cmath>

#include "tools/artgen/Buildings.h"
#include "tools/artgen/ConstructionKit.h"

namespace artgen {

namespace {

using namespace datakit;
using namespace datakit::palette;

constexpr double kPivot = 52;
const Rgb kBronze = Hex(0xDDA63F);

void Frame(cairo_t* cr) {
    GroundShadow(cr, -18, 18, -8, 8);
    DrawBox(cr, {-20, 20, -10, 10, 0, 4}, kStone, kStone);
    for (double a : {-15.0, 15.0}) {
        MoveTo(cr, {a, 0, 4});
        LineTo(cr, {a, 0, kPivot + 4});
        InkedLine(cr, kWood, 3.6);
        MoveTo(cr, {a, -7, 4});
        LineTo(cr, {a, 0, 16});
        MoveTo(cr, {a, 7, 4});
        LineTo(cr, {a, 0, 16});
        InkedLine(cr, kWoodLight, 1.6);
    }
    DrawBox(cr, {-19, 19, -2, 2, kPivot + 2, kPivot + 6}, kWood, kWoodLight);
    DrawRoof(cr, {-19, 19, -8, 8, kPivot + 6, kPivot + 18, 3, true}, Hex(0xD9544C), kWoodLight);
    // the rope for ringing
    MoveTo(cr, {8, -1, kPivot + 2});
    LineTo(cr, {8, -3, 12});
    InkedLine(cr, Hex(0xE9D6A6), 1.0);
}

// The bell around its pivot, tilted by the swing of this frame.
void Bell(cairo_t* cr, int frame) {
    const double swing[] = {0, 10, 18, 10, 0, -10, -18, -10};
    const P2 pivot = Project({0, 0, kPivot});
    cairo_save(cr);
    cairo_translate(cr, pivot.x, pivot.y);
    cairo_rotate(cr, swing[frame] * M_PI / 180);
    cairo_rectangle(cr, -3, 0, 6, 4);
    Fill(cr, kWoodDark, 1.2);
    cairo_move_to(cr, -6, 4);
    cairo_curve_to(cr, -7, 12, -8, 17, -12, 21);
    cairo_line_to(cr, 12, 21);
    cairo_curve_to(cr, 8, 17, 7, 12, 6, 4);
    cairo_close_path(cr);
    FillGradient(cr, Lighten(kBronze, 0.25), Darken(kBronze, 0.15), kOutline);
    cairo_move_to(cr, -11, 18.5);
    cairo_line_to(cr, 11, 18.5);
    Line(cr, Darken(kBronze, 0.35), 1.0);
    cairo_move_to(cr, -3, 8);
    cairo_curve_to(cr, -4, 12, -5, 15, -7, 18);
    Line(cr, kWhite, 1.4, 0.6);
    Circle(cr, 0, 22.5, 2.6);
    Fill(cr, Darken(kBronze, 0.3), 1.1);
    cairo_restore(cr);
}

}  // namespace

std::vector<SpriteDef> BellSprites() {
    return {LoopSprite("bell00", 1, 1, [](cairo_t* cr, int) { Frame(cr); }),
            LoopSprite("bell00_bell", 8, 12, Bell)};
}

}  // namespace artgen
