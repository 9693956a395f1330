// The statue: the island's stone owl on a tall plinth, a golden key set in
// the plinth's face.
//
// "key_statue00": frames 0..3 construction (plinth rising, the raw block on
// it, the owl half carved), 4 finished; footprint 2 x 2, anchor at its centre.
#include <cmath>

#include "tools/artgen/Buildings.h"
#include "tools/artgen/ConstructionKit.h"

namespace artgen {

namespace {

using namespace datakit;
using namespace datakit::palette;

constexpr int kStages = 3;
constexpr double kPlinth = 34;
const Rgb kCarved = Hex(0xCFC8BC);

void Plinth(cairo_t* cr, double top) {
    DrawBox(cr, {-26, 26, -26, 26, 0, 6}, kStone, kStone);
    DrawBox(cr, {-18, 18, -18, 18, 6, top}, kCarved, kCarved);
    if (top >= kPlinth)
        DrawBox(cr, {-21, 21, -21, 21, kPlinth, kPlinth + 4}, kStone, kStone);
}

void KeyPlaque(cairo_t* cr) {
    InFront(cr, -18.5, [&] {
        Circle(cr, -6, 20, 4.2);
        cairo_rectangle(cr, -2.5, 19, 12, 2.4);
        cairo_rectangle(cr, 6, 15.5, 2.2, 3.5);
        cairo_rectangle(cr, 3, 16.5, 2.2, 2.5);
    });
    Fill(cr, kGold, 1.1);
    InFront(cr, -18.5, [&] { Circle(cr, -6, 20, 1.6); });
    FillFlat(cr, kCarved, 0);
}

// The owl, seen from the front, standing on the plinth's top. `carved` from
// 0 (a raw block) to 1 (finished).
void Owl(cairo_t* cr, double carved) {
    const P2 foot = Project({0, 0, kPlinth + 4});
    if (carved < 1) {
        DrawBox(cr, {-14, 14, -10, 10, kPlinth + 4, kPlinth + 4 + 40 * (1 - carved * 0.5)}, kCarved,
                kCarved);
        if (carved <= 0)
            return;
    }
    cairo_save(cr);
    cairo_translate(cr, foot.x, foot.y);
    if (carved < 1) {
        cairo_rectangle(cr, -40, -80, 80, 80 - 40 * (1 - carved * 0.5) - 2);
        cairo_clip(cr);
    }
    // body
    cairo_move_to(cr, -14, -2);
    cairo_curve_to(cr, -19, -16, -16, -36, -11, -42);
    cairo_line_to(cr, -13, -52);
    cairo_line_to(cr, -5, -45);
    cairo_curve_to(cr, -2, -46, 2, -46, 5, -45);
    cairo_line_to(cr, 13, -52);
    cairo_line_to(cr, 11, -42);
    cairo_curve_to(cr, 16, -36, 19, -16, 14, -2);
    cairo_close_path(cr);
    FillGradient(cr, Lighten(kCarved, 0.2), Darken(kCarved, 0.12), kOutline);
    // wings folded at the sides
    cairo_move_to(cr, -13, -30);
    cairo_curve_to(cr, -16, -20, -14, -10, -9, -4);
    cairo_move_to(cr, 13, -30);
    cairo_curve_to(cr, 16, -20, 14, -10, 9, -4);
    Line(cr, Darken(kCarved, 0.35), 1.2);
    // breast feathers
    for (int k = 0; k < 3; ++k) {
        const double y = -22 + 6 * k;
        cairo_move_to(cr, -6, y);
        cairo_curve_to(cr, -3, y + 2.5, 3, y + 2.5, 6, y);
    }
    Line(cr, Darken(kCarved, 0.3), 1.0);
    // eyes and beak
    for (double x : {-5.5, 5.5}) {
        Circle(cr, x, -37, 5);
        Fill(cr, Lighten(kCarved, 0.35), 1.2);
        Circle(cr, x, -37, 1.8);
        FillFlat(cr, Darken(kCarved, 0.5), 0);
    }
    cairo_move_to(cr, -2, -33);
    cairo_line_to(cr, 2, -33);
    cairo_line_to(cr, 0, -28);
    cairo_close_path(cr);
    Fill(cr, kHoneyDark, 1.0);
    cairo_restore(cr);
}

void Finished(cairo_t* cr, int) {
    GroundShadow(cr, -26, 26, -26, 26);
    Plinth(cr, kPlinth);
    KeyPlaque(cr);
    Owl(cr, 1);
    DrawFlowers(cr, -22, -34, 6, 5);
    DrawFlowers(cr, 28, -30, 5, 9);
}

void UnderConstruction(cairo_t* cr, Stage stage) {
    DrawPlot(cr, -44, 44, -44, 44);
    if (stage.k == 0) {
        DrawStoneHeap(cr, -10, -6, 1.4);
        DrawPlanks(cr, 20, 18, 2);
        return;
    }
    const double top = 10 + (kPlinth - 10) * stage.Walls();
    Plinth(cr, top);
    if (stage.Roof() >= 0)
        Owl(cr, stage.Roof());
    DrawScaffold(cr, {-18, 18, -18, 18, 6, top}, top);
    DrawStoneHeap(cr, 30, -30, 0.7);
}

}  // namespace

SpriteDef StatueSprite() {
    return BuildingSprite("key_statue00", kStages, 1, UnderConstruction, Finished);
}

}  // namespace artgen
