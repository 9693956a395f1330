// Where the enemies come from. The enemy bases themselves are invisible
// spawn points; these are pictures a level can put there as decor.
//
// "base_enemy_gold": the goblins' burrow, a mound of earth round a dark hole
// propped with planks, gold glinting at its mouth. "base_enemy_spirit": a
// mossy crypt with a glowing doorway. One picture each, about one cell;
// anchor at the spawn point (the hole's mouth, the crypt's door sill).
#include <cmath>

#include "tools/artgen/ConstructionKit.h"
#include "tools/artgen/Obstacles.h"

namespace artgen {

namespace {

using namespace datakit;
using namespace datakit::palette;

void Burrow(cairo_t* cr) {
    GroundShadowDisc(cr, 0, 6, 26, 0.2);
    // the mound
    cairo_move_to(cr, -34, 6);
    cairo_curve_to(cr, -30, -22, -10, -34, 6, -32);
    cairo_curve_to(cr, 24, -30, 36, -14, 36, 6);
    cairo_curve_to(cr, 14, 12, -12, 12, -34, 6);
    cairo_close_path(cr);
    FillGradient(cr, Hex(0xB98A55), Hex(0x8E6438));
    // the hole
    cairo_move_to(cr, -13, 2);
    cairo_curve_to(cr, -13, -20, 13, -20, 13, 2);
    cairo_close_path(cr);
    FillFlat(cr, Hex(0x2E1D12), kOutline);
    // props of the entrance
    cairo_move_to(cr, -15, 3);
    cairo_line_to(cr, -12, -18);
    cairo_move_to(cr, 15, 3);
    cairo_line_to(cr, 12, -18);
    cairo_move_to(cr, -16, -16);
    cairo_line_to(cr, 16, -16);
    InkedLine(cr, kWood, 2.6);
    // glints of stolen gold and a tuft of grass on top
    for (double x : {-6.0, 3.0, 8.0}) {
        Circle(cr, x, 1 - std::fabs(x) * 0.2, 2.2);
        Fill(cr, kGold, 0.9);
    }
    cairo_move_to(cr, 2, -31);
    cairo_line_to(cr, 0, -39);
    cairo_move_to(cr, 5, -31);
    cairo_line_to(cr, 6, -40);
    Line(cr, kLeafDark, 1.6);
}

void Crypt(cairo_t* cr) {
    const Rgb stone = Hex(0x9C97A6), glow = Hex(0xB89BE0);
    GroundShadow(cr, -20, 20, -8, 30);
    DrawBox(cr, {-20, 20, -4, 30, 0, 30}, stone, stone);
    DrawRoof(cr, {-20, 20, -4, 30, 30, 46, 3, false}, Hex(0x6D6880), stone);
    InFront(cr, -4, [&] { ArchPath(cr, 0, 0, 16, 24); });
    FillGradient(cr, Lighten(glow, 0.4), Hex(0x4A3A66));
    // moss and a cracked step
    InFront(cr, -4, [&] { datakit::Ellipse(cr, -14, 27, 6, 3); });
    FillFlat(cr, Hex(0x7FB24E), 1);
    DrawBox(cr, {-12, 12, -10, -4, 0, 2.5}, stone, stone);
    // a leaning gravestone before it
    InFront(cr, -14, [&] {
        cairo_move_to(cr, 20, 0);
        cairo_line_to(cr, 21, 12);
        cairo_curve_to(cr, 22, 18, 31, 18, 32, 11);
        cairo_line_to(cr, 31, 0);
        cairo_close_path(cr);
    });
    Fill(cr, stone, kOutline);
    InFront(cr, -14, [&] {
        cairo_move_to(cr, 26.5, 4);
        cairo_line_to(cr, 26.5, 13);
        cairo_move_to(cr, 23.5, 10);
        cairo_line_to(cr, 29.5, 10);
    });
    Line(cr, Darken(stone, 0.35), 1.4);
}

}  // namespace

std::vector<SpriteDef> LairSprites() {
    return {LoopSprite("base_enemy_gold", 1, 1, [](cairo_t* cr, int) { Burrow(cr); }),
            LoopSprite("base_enemy_spirit", 1, 1, [](cairo_t* cr, int) { Crypt(cr); })};
}

}  // namespace artgen
