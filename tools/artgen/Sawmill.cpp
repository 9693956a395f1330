// The sawmill: a plank shed with a stovepipe through its roof, and in the
// yard before it a round saw on its bench, logs and stacked boards.
//
// "sawmill00": frames 0..4 construction, 5 finished (footprint 2 x 2, anchor
// at its centre). The stovepipe's mouth is 5 units left of and 60 above the
// anchor, where the game puts the smoke.
#include <cmath>

#include "tools/artgen/Buildings.h"
#include "tools/artgen/ConstructionKit.h"

namespace artgen {

namespace {

using namespace datakit;
using namespace datakit::palette;

constexpr int kStages = 4;
// The shed at the back of the plot; the saw works in the yard in front.
constexpr double A0 = -40, A1 = 26, B0 = -2, B1 = 34, Z0 = 4, kTop = 30;
const Rgb kShingles = Hex(0x8C6A4A);
const Roof kRoof{A0, A1, B0, B1, kTop, kTop + 18, 4, true};

void Dress(cairo_t* cr) {
    DrawFraming(cr, FrontWall(B0), A0, A1, Z0, kTop, 22);
    DrawFraming(cr, SideWall(A1), B0, B1, Z0, kTop, 18);
    // the wide barn door, open a crack, and a window
    DrawDoor(cr, FrontWall(B0), -20, Z0, 20, 22);
    DrawWindow(cr, FrontWall(B0), 10, Z0 + 11, 10, 9);
    DrawWindow(cr, SideWall(A1), 16, Z0 + 11, 10, 9);
}

// Its mouth lands 5 left of and 60 above the anchor, through the front slope.
void Stovepipe(cairo_t* cr) {
    DrawDrum(cr, -9.57, 6, 3.2, 3.2, kTop + 6, 53.3, kStoneDark);
    GroundCircle(cr, -9.57, 6, 53.3, 2);
    FillFlat(cr, kInk, 0);
}

// The bench in the yard with a log on it and the round saw cutting it.
void SawBench(cairo_t* cr) {
    const double b0 = -32, b1 = -22, z = 10;
    DrawBox(cr, {-36, -2, b0, b1, 0, z}, kWood, kWoodLight);
    MoveTo(cr, {-40, (b0 + b1) / 2, z + 5});
    LineTo(cr, {-16, (b0 + b1) / 2, z + 5});
    InkedLine(cr, Hex(0x9A6A3C), 8);
    InSide(cr, -16, [&] { Circle(cr, (b0 + b1) / 2, z + 5, 5); });
    FillFlat(cr, kWoodLight, kDetail + 0.2);
    const double sa = -10, sz = z + 8;
    InFront(cr, (b0 + b1) / 2, [&] { Circle(cr, sa, sz, 10); });
    FillGradient(cr, Hex(0xF0EEE8), Hex(0xB9B5AD), 1.4);
    InFront(cr, (b0 + b1) / 2, [&] {
        for (int k = 0; k < 14; ++k) {
            const double t = k * M_PI / 7;
            cairo_move_to(cr, sa + 10 * std::cos(t), sz + 10 * std::sin(t));
            cairo_line_to(cr, sa + 12 * std::cos(t + 0.22), sz + 12 * std::sin(t + 0.22));
        }
    });
    Line(cr, kInk, 1.1);
    InFront(cr, (b0 + b1) / 2, [&] { Circle(cr, sa, sz, 2.2); });
    FillFlat(cr, kStoneDark, 0.8);
    // sawdust under the bench
    InGround(cr, 0, [&] { datakit::Ellipse(cr, -8, b0 - 6, 9, 4); });
    FillFlat(cr, Hex(0xF1D8A6), 0);
}

void Finished(cairo_t* cr, int) {
    GroundShadow(cr, A0, A1, B0, B1);
    DrawFooting(cr, A0, A1, B0, B1);
    DrawWalls(cr, {A0, A1, B0, B1, Z0, kTop}, kWoodLight, false);
    Dress(cr);
    DrawRoof(cr, kRoof, kShingles, kWoodLight);
    Stovepipe(cr);
    DrawLogPile(cr, 34, -12, 5);
    SawBench(cr);
    DrawPlanks(cr, 20, -36, 3);
}

void UnderConstruction(cairo_t* cr, Stage stage) {
    DrawPlot(cr, -44, 44, -44, 44);
    if (stage.k == 0) {
        DrawLogPile(cr, -18, -14, 3);
        DrawPlanks(cr, 20, 14, 3);
        return;
    }
    DrawBoxSite(cr, stage, {A0, A1, B0, B1, Z0, kTop}, kRoof, kWoodLight, kShingles,
                [&] { Dress(cr); });
    DrawPlanks(cr, 20, -36, 2);
}

}  // namespace

SpriteDef SawmillSprite() {
    return BuildingSprite("sawmill00", kStages, 1, UnderConstruction, Finished);
}

}  // namespace artgen
