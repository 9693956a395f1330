// The spell altar: a stepped stone dais with four rune stones and a basin of
// mana on a pedestal. The emblem of the spell it offers hovers over the basin
// (the "_off" and "_on" overlays of the spell sprites).
//
// "altar00": one picture, footprint 2 x 2, anchor at its centre.
#include <cmath>

#include "tools/artgen/Buildings.h"
#include "tools/artgen/ConstructionKit.h"

namespace artgen {

namespace {

using namespace datakit;
using namespace datakit::palette;

const Rgb kMarble = Hex(0xD8D2C6);

void RuneStone(cairo_t* cr, double a, double b) {
    DrawBox(cr, {a - 4, a + 4, b - 3, b + 3, 8, 24}, kStone, kStone);
    InFront(cr, b - 3, [&] {
        cairo_move_to(cr, a - 1.5, 12);
        cairo_line_to(cr, a + 1.5, 16);
        cairo_line_to(cr, a - 1.5, 20);
    });
    Line(cr, Lighten(kMana, 0.2), 1.4);
}

void Altar(cairo_t* cr) {
    GroundShadow(cr, -38, 38, -38, 38);
    DrawBox(cr, {-38, 38, -38, 38, 0, 5}, kStone, kStone);
    DrawBox(cr, {-29, 29, -29, 29, 5, 10}, kMarble, kMarble);
    RuneStone(cr, -22, 22);
    RuneStone(cr, 22, 22);
    DrawDrum(cr, 0, 0, 9, 7, 10, 28, kMarble);
    DrawDrum(cr, 0, 0, 13, 15, 28, 34, kMarble, false);
    GroundCircle(cr, 0, 0, 34, 15);
    Fill(cr, TopShade(kMarble));
    GroundCircle(cr, 0, 0, 34, 11);
    FillGradient(cr, Lighten(kMana, 0.5), kMana, kDetail);
    RuneStone(cr, -22, -22);
    RuneStone(cr, 22, -22);
}

}  // namespace

SpriteDef AltarSprite() {
    return LoopSprite("altar00", 1, 1, [](cairo_t* cr, int) { Altar(cr); });
}

}  // namespace artgen
