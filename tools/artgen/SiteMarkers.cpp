// Where the player may build, and the icon that offers the next step.
//
// "zone3x2", "zone2x2", "zone1x1": a staked plot over a footprint of that
// many cells, anchored at its centre. "icon_build0" (the player can pay) and
// "icon_build1" (too dear): a round hammer badge, anchored at its centre.
#include <cmath>

#include "tools/artgen/Buildings.h"
#include "tools/artgen/ConstructionKit.h"

namespace artgen {

namespace {

using namespace datakit;
using namespace datakit::palette;

// A little sign board by the plot with a hammer painted on it.
void SiteSign(cairo_t* cr, double a, double b) {
    MoveTo(cr, {a, b, 0});
    LineTo(cr, {a, b, 20});
    InkedLine(cr, kWood, 2.4);
    InFront(cr, b, [&] { RoundedRect(cr, a - 10, 13, 20, 13, 2); });
    Fill(cr, kWoodLight, kDetail + 0.2);
    InFront(cr, b, [&] {
        cairo_move_to(cr, a - 5, 15.5);
        cairo_line_to(cr, a + 3, 22.5);
    });
    Line(cr, kWoodDark, 1.8);
    InFront(cr, b, [&] { cairo_rectangle(cr, a, 20.5, 6, 3.5); });
    FillFlat(cr, kStoneDark, 0);
}

SpriteDef Zone(const char* name, int cellsA, int cellsB) {
    return LoopSprite(name, 1, 1, [=](cairo_t* cr, int) {
        const double ha = cellsA * kCell / 2 - 5, hb = cellsB * kCell / 2 - 5;
        DrawPlot(cr, -ha, ha, -hb, hb);
        if (cellsA * cellsB > 1)
            SiteSign(cr, -ha + 12, -hb + 2);
    });
}

void Hammer(cairo_t* cr, Rgb handle, Rgb head) {
    cairo_save(cr);
    cairo_rotate(cr, -0.7);
    RoundedRect(cr, -2.4, -7, 4.8, 19, 2);
    cairo_restore(cr);
    Fill(cr, handle, 1.3);
    cairo_save(cr);
    cairo_rotate(cr, -0.7);
    RoundedRect(cr, -8, -11, 16, 6.5, 2);
    cairo_restore(cr);
    Fill(cr, head, 1.3);
}

SpriteDef Icon(const char* name, bool affordable) {
    return LoopSprite(name, 1, 1, [=](cairo_t* cr, int) {
        const double r = 16;
        Circle(cr, 1, 2, r + 1.5);
        cairo_set_source_rgba(cr, 0.16, 0.09, 0.04, 0.3);
        cairo_fill(cr);
        const Rgb base = affordable ? kLeaf : kStone;
        Circle(cr, 0, 0, r);
        SetVerticalGradient(cr, -r, 2 * r, Lighten(base, 0.35), Darken(base, 0.1));
        cairo_fill_preserve(cr);
        Stroke(cr, kInk, 2);
        Ellipse(cr, 0, -7, 10, 5);
        cairo_set_source_rgba(cr, 1, 1, 1, 0.35);
        cairo_fill(cr);
        if (affordable) {
            Hammer(cr, kWoodLight, Hex(0xE8E4DC));
        } else {
            Hammer(cr, Hex(0xB9AC98), Hex(0xA7A29A));
            Circle(cr, 8, 8, 6);
            Fill(cr, kBerry, 1.3);
            cairo_move_to(cr, 5.5, 8);
            cairo_line_to(cr, 10.5, 8);
            Line(cr, kCream, 2);
        }
    });
}

}  // namespace

std::vector<SpriteDef> SiteSprites() {
    return {Zone("zone3x2", 3, 2), Zone("zone2x2", 2, 2), Zone("zone1x1", 1, 1),
            Icon("icon_build0", true), Icon("icon_build1", false)};
}

}  // namespace artgen
