// The gold mill: a stone foundry with two chimneys, a furnace glowing in its
// front wall and a trip hammer that stamps the coins.
//
// "goldmill00": frames 0..4 construction, 5 finished (footprint 2 x 2, anchor
// at its centre). The chimneys' mouths are 30 units left and 20 right of the
// anchor, 100 above it, where the game puts the smoke. The furnace mouth of
// the finished mill is left open: "goldmill00_back" (the fire inside, 4
// frames flickering at 8 per second) shows through it, drawn before or after
// the mill. "goldmill00_pad": the trip hammer by the front corner, 6 frames
// at 12 per second for one stroke, resting on frame 0. All share the anchor.
#include <cmath>

#include "tools/artgen/Buildings.h"
#include "tools/artgen/ConstructionKit.h"

namespace artgen {

namespace {

using namespace datakit;
using namespace datakit::palette;

constexpr int kStages = 4;
constexpr double A0 = -42, A1 = 22, B0 = -18, B1 = 32, Z0 = 4, kTop = 40;
const Rgb kSlate = Hex(0x5F6F8C);
const Rgb kWalls = Hex(0xC4BBAA);

// The furnace mouth on the front wall: an arch at s (along a), from z.
constexpr double kMouthS = -14, kMouthW = 16, kMouthZ = Z0 + 2, kMouthH = 19;

void MouthPath(cairo_t* cr) {
    ArchPath(cr, kMouthS, kMouthZ, kMouthW, kMouthH);
}

// Stone courses on the front and the side.
void Courses(cairo_t* cr, double top) {
    InFront(cr, B0, [&] {
        for (double z = Z0 + 8; z < top - 2; z += 8) {
            cairo_move_to(cr, A0 + 1, z);
            cairo_line_to(cr, A1 - 1, z);
        }
    });
    InSide(cr, A1, [&] {
        for (double z = Z0 + 8; z < top - 2; z += 8) {
            cairo_move_to(cr, B0 + 1, z);
            cairo_line_to(cr, B1 - 1, z);
        }
    });
    Line(cr, Darken(kWalls, 0.25), kDetail, 0.6);
}

// A chimney on the ridge whose mouth lands at (x, -100) of the anchor.
void Chimney(cairo_t* cr, double x, double from) {
    const double b = 7, a = (x - 0.7071 * b) / 0.9659, z = 100 + 0.2588 * a - 0.7071 * b;
    DrawBox(cr, {a - 5, a + 5, b - 5, b + 5, from, z - 3}, Hex(0xB5563F), Hex(0xB5563F));
    DrawBox(cr, {a - 6.5, a + 6.5, b - 6.5, b + 6.5, z - 3, z}, kStoneDark, kStoneDark);
    GroundCircle(cr, a, b, z, 3.5);
    FillFlat(cr, kInk, 0);
}

const Roof kRoof{A0, A1, B0, B1, kTop, kTop + 24, 4, true};

void Dress(cairo_t* cr) {
    Courses(cr, kTop);
    InFront(cr, B0, [&] { MouthPath(cr); });
    Line(cr, kInk, kOutline);
    DrawWindow(cr, FrontWall(B0), 10, Z0 + 14, 10, 10);
    DrawDoor(cr, SideWall(A1), 8, Z0, 13, 22);
}

void Finished(cairo_t* cr, int) {
    GroundShadow(cr, A0, A1, B0, B1);
    DrawFooting(cr, A0, A1, B0, B1);
    DrawWalls(cr, {A0, A1, B0, B1, Z0, kTop}, kWalls, false);
    Dress(cr);
    // the open furnace mouth: the fire behind shows through
    InFront(cr, B0, [&] { MouthPath(cr); });
    cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
    cairo_fill(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
    InFront(cr, B0, [&] { MouthPath(cr); });
    Line(cr, kInk, kOutline);
    DrawRoof(cr, kRoof, kSlate, kWalls);
    Chimney(cr, -30, kTop + 10);
    Chimney(cr, 20, kTop + 10);
    // a chest of coins by the door
    DrawBox(cr, {30, 42, -6, 4, 0, 9}, kWood, kWoodLight);
    for (int k = 0; k < 3; ++k) {
        const P2 p = Project({33 + 3.5 * k, -1, 10.0 + k % 2});
        Circle(cr, p.x, p.y, 2.4);
        Fill(cr, kGold, 0.9);
    }
}

void UnderConstruction(cairo_t* cr, Stage stage) {
    DrawPlot(cr, -44, 44, -44, 44);
    if (stage.k == 0) {
        DrawStoneHeap(cr, -16, -8, 1.2);
        DrawStoneHeap(cr, 14, 16, 1.0);
        DrawPlanks(cr, 24, -26, 2);
        return;
    }
    DrawBoxSite(cr, stage, {A0, A1, B0, B1, Z0, kTop}, kRoof, kWalls, kSlate, [&] { Dress(cr); });
    DrawStoneHeap(cr, 34, -32, 0.8);
}

// The fire in the furnace: a little larger than the mouth, flickering.
void Fire(cairo_t* cr, int frame) {
    const double flicker[] = {0, 1.5, -1, 0.8};
    InFront(cr, B0 + 2, [&] { cairo_rectangle(cr, kMouthS - 9, kMouthZ - 1, 18, kMouthH + 2); });
    FillFlat(cr, Hex(0x4A2313), 0);
    const double h = 11 + flicker[frame];
    InFront(cr, B0 + 2, [&] {
        cairo_move_to(cr, kMouthS - 7, kMouthZ);
        cairo_curve_to(cr, kMouthS - 6, kMouthZ + h * 0.6, kMouthS - 2, kMouthZ + h * 0.7,
                       kMouthS - 1 + flicker[frame], kMouthZ + h);
        cairo_curve_to(cr, kMouthS + 1, kMouthZ + h * 0.6, kMouthS + 5, kMouthZ + h * 0.8,
                       kMouthS + 6, kMouthZ + h * 0.55);
        cairo_curve_to(cr, kMouthS + 7, kMouthZ + h * 0.3, kMouthS + 7, kMouthZ, kMouthS + 7,
                       kMouthZ);
        cairo_close_path(cr);
    });
    FillGradient(cr, Hex(0xFFF3B0), Hex(0xF08A24), 0);
    InFront(cr, B0 + 2, [&] { cairo_rectangle(cr, kMouthS - 8, kMouthZ, 16, 2.5); });
    FillFlat(cr, Hex(0xFFD56B), 0, 0.9);
}

// The trip hammer: a post, an arm pivoting on it and the anvil block; the
// head rises over frames 1..3 and falls back on 4..5.
void Hammer(cairo_t* cr, int frame) {
    const double lift[] = {0, 0.45, 0.85, 1.0, 0.6, 0.15};
    const double a = 34, b = -30;
    DrawBox(cr, {a - 6, a + 6, b - 5, b + 5, 0, 8}, kStoneDark, kStone);
    MoveTo(cr, {a + 20, b, 0});
    LineTo(cr, {a + 20, b, 22});
    InkedLine(cr, kWood, 3.2);
    const double pivotZ = 20, headZ = 11 + 14 * lift[frame];
    const P3 pivot{a + 20, b, pivotZ}, head{a, b, headZ + 4};
    MoveTo(cr, pivot);
    LineTo(cr, head);
    InkedLine(cr, kWoodLight, 2.6);
    DrawBox(cr, {a - 4, a + 4, b - 4, b + 4, headZ, headZ + 7}, Hex(0x8F8A83), Hex(0xA9A49C));
    if (frame == 0) {
        const P2 spark = Project({a - 6, b - 5, 9});
        Circle(cr, spark.x, spark.y, 1.6);
        FillFlat(cr, kGold, 0);
    }
}

}  // namespace

std::vector<SpriteDef> GoldMillSprites() {
    return {BuildingSprite("goldmill00", kStages, 1, UnderConstruction, Finished),
            LoopSprite("goldmill00_back", 4, 8, Fire), LoopSprite("goldmill00_pad", 6, 12, Hammer)};
}

}  // namespace artgen
