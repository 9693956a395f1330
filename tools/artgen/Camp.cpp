// The base camp where the workers start: a long lodge with a straw roof, a
// canvas tent, supplies in the yard and the flagpole in the middle.
//
// "base00": one picture, footprint 3 x 3 cells, anchored at the footprint's
// centre. The flagpole stands so that the point 6 units left of and 103 units
// above the anchor lies on it: there the game hangs "base00_flag", whose
// anchor is the foot of the cloth's edge on the pole (8 frames waving, 10 per
// second). "base00_sh": the camp's shadow on the ground, same anchor as the
// camp, drawn before it.
#include <cmath>

#include "tools/artgen/Buildings.h"
#include "tools/artgen/ConstructionKit.h"

namespace artgen {

namespace {

using namespace datakit;
using namespace datakit::palette;

const Rgb kStraw = Hex(0xE2B552);
const Rgb kCanvas = Hex(0xF3E7CC);
const Rgb kFlag = Hex(0xD9544C);

// The pole's foot: projected 6 units left of the anchor.
constexpr double kPoleA = -6.2, kPoleB = 0, kFlagHeight = 103;

// The lodge's and the tent's ground rectangles.
constexpr double LA0 = -64, LA1 = 18, LB0 = 16, LB1 = 62;
constexpr double TA0 = 30, TA1 = 66, TB0 = -16, TB1 = 36;

void Yard(cairo_t* cr) {
    InGround(cr, 0, [&] { RoundedRect(cr, -70, -70, 140, 140, 26); });
    FillFlat(cr, Hex(0xDCC08A), 0, 0.75);
}

void Lodge(cairo_t* cr) {
    const double top = 30;
    DrawFooting(cr, LA0, LA1, LB0, LB1);
    DrawWalls(cr, {LA0, LA1, LB0, LB1, 4, top}, kWoodLight, false);
    DrawFraming(cr, FrontWall(LB0), LA0, LA1, 4, top, 20);
    DrawFraming(cr, SideWall(LA1), LB0, LB1, 4, top, 23);
    DrawDoor(cr, FrontWall(LB0), -24, 4, 16, 22);
    DrawWindow(cr, FrontWall(LB0), -50, 14, 10, 9);
    DrawWindow(cr, FrontWall(LB0), 2, 14, 10, 9);
    DrawWindow(cr, SideWall(LA1), 39, 14, 10, 9);
    DrawRoof(cr, {LA0, LA1, LB0, LB1, top, top + 34, 6, true}, kStraw, kWoodLight);
    DrawChimney(cr, -44, 44, top + 16, top + 40);
}

void Tent(cairo_t* cr) {
    DrawRoof(cr, {TA0, TA1, TB0, TB1, 3, 40, 0, false}, kCanvas, kCanvas);
    // the open flap in the front gable
    const double am = (TA0 + TA1) / 2;
    InFront(cr, TB0, [&] {
        cairo_move_to(cr, am - 8, 3);
        cairo_line_to(cr, am, 28);
        cairo_line_to(cr, am + 8, 3);
        cairo_close_path(cr);
    });
    FillFlat(cr, Hex(0x6B4A33), kDetail);
    InFront(cr, TB0, [&] {
        cairo_move_to(cr, am, 28);
        cairo_line_to(cr, am - 13, 3);
        cairo_line_to(cr, am - 8, 3);
        cairo_close_path(cr);
    });
    Fill(cr, Darken(kCanvas, 0.08), kDetail);
    // a stripe along the canvas
    InFront(cr, TB0, [&] {
        cairo_move_to(cr, TA0 + 6, 8);
        cairo_line_to(cr, am, 34);
        cairo_line_to(cr, TA1 - 6, 8);
    });
    Line(cr, kBerry, 1.6, 0.8);
}

void Crate(cairo_t* cr, double a, double b, double size) {
    DrawBox(cr, {a - size, a + size, b - size, b + size, 0, 2 * size}, kWoodLight, kWoodLight);
    InFront(cr, b - size, [&] {
        cairo_move_to(cr, a - size, 0);
        cairo_line_to(cr, a + size, 2 * size);
        cairo_move_to(cr, a - size, 2 * size);
        cairo_line_to(cr, a + size, 0);
    });
    Line(cr, kWood, 1.2);
}

void Barrel(cairo_t* cr, double a, double b) {
    DrawDrum(cr, a, b, 6, 6, 0, 15, kWood);
    DrumBand(cr, a, b, 6.2, 6.2, 3, 4.5);
    FillFlat(cr, kStoneDark, 0.8);
    DrumBand(cr, a, b, 6.2, 6.2, 10.5, 12);
    FillFlat(cr, kStoneDark, 0.8);
}

void Sack(cairo_t* cr, double a, double b) {
    const P2 p = Project({a, b, 0});
    cairo_move_to(cr, p.x - 7, p.y);
    cairo_curve_to(cr, p.x - 9, p.y - 10, p.x - 4, p.y - 15, p.x, p.y - 15);
    cairo_curve_to(cr, p.x + 4, p.y - 15, p.x + 9, p.y - 10, p.x + 7, p.y);
    cairo_close_path(cr);
    Fill(cr, Hex(0xE9D6A6), 1.3);
    cairo_move_to(cr, p.x - 3, p.y - 14);
    cairo_line_to(cr, p.x + 3, p.y - 14);
    Line(cr, kWood, 1.6);
}

void Pole(cairo_t* cr) {
    DrawStoneHeap(cr, kPoleA, kPoleB, 0.6);
    MoveTo(cr, {kPoleA, kPoleB, 0});
    LineTo(cr, {kPoleA, kPoleB, kFlagHeight + 25});
    InkedLine(cr, Hex(0xE7D2B0), 2.2);
    const P2 top = Project({kPoleA, kPoleB, kFlagHeight + 27});
    Circle(cr, top.x, top.y, 2.6);
    Fill(cr, kGold, 1.2);
}

void Camp(cairo_t* cr) {
    Yard(cr);
    Lodge(cr);
    Tent(cr);
    DrawLogPile(cr, -56, -18, 5);
    Crate(cr, -30, -46, 7);
    Crate(cr, -16, -50, 6);
    Crate(cr, -22, -44, 5.5);
    Barrel(cr, 26, -48);
    Barrel(cr, 38, -40);
    Sack(cr, 50, -58);
    Sack(cr, 59, -52);
    Pole(cr);
}

void Shadow(cairo_t* cr) {
    GroundShadow(cr, LA0, LA1, LB0, LB1, 0.3);
    GroundShadow(cr, TA0, TA1, TB0, TB1, 0.25);
}

// The cloth hangs from the pole at the anchor and flies to the right; the
// waves travel along it over the frames.
void Flag(cairo_t* cr, int frame) {
    const double phase = 2 * M_PI * frame / 8, length = 34, height = 21;
    auto wave = [&](double s) { return 2.6 * (s / length) * std::sin(phase - s * 0.2); };
    cairo_move_to(cr, 1, -height);
    for (double s = 0; s <= length; s += 2)
        cairo_line_to(cr, 1 + s, -height + wave(s));
    // a swallowtail at the free end
    cairo_line_to(cr, 1 + length - 7, -height / 2 + wave(length - 7));
    for (double s = length; s >= 0; s -= 2)
        cairo_line_to(cr, 1 + s, wave(s));
    cairo_close_path(cr);
    Fill(cr, kFlag, 1.5);
    // the camp's sign on the cloth: a small golden house
    const double cx = 14, cy = -height / 2 + wave(13);
    cairo_move_to(cr, cx - 5, cy + 4);
    cairo_line_to(cr, cx - 5, cy - 1);
    cairo_line_to(cr, cx, cy - 6);
    cairo_line_to(cr, cx + 5, cy - 1);
    cairo_line_to(cr, cx + 5, cy + 4);
    cairo_close_path(cr);
    FillFlat(cr, kHoneyLight, 0.9);
}

}  // namespace

std::vector<SpriteDef> CampSprites() {
    return {LoopSprite("base00", 1, 1, [](cairo_t* cr, int) { Camp(cr); }),
            LoopSprite("base00_sh", 1, 1, [](cairo_t* cr, int) { Shadow(cr); }),
            LoopSprite("base00_flag", 8, 10, Flag)};
}

}  // namespace artgen
