// The landmarks of the world map: the castle at the road's eastern end, the
// harbour at its western end, and the islets off the coast.
#include <algorithm>
#include <cmath>
#include <initializer_list>

#include "tools/artgen/ArtShapes.h"
#include "tools/artgen/MapProps.h"
#include "tools/artgen/MapTerrain.h"
#include "tools/common/Palette.h"

namespace artgen {

using namespace datakit;
using namespace datakit::palette;

namespace {

void Wall(cairo_t* cr, double x, double y, double w, double h, Rgb stone) {
    cairo_rectangle(cr, x, y, w, h);
    FillShaded(cr, stone, y, h, 1.8);
    const int merlons = int(w / 9);
    for (int i = 0; i < merlons; ++i) {
        cairo_rectangle(cr, x + 1 + i * (w - 2) / merlons, y - 5, (w - 2) / merlons - 3, 5.5);
    }
    FillShaded(cr, Lighten(stone, 0.15), y - 5, 6, 1.4);
}

void Tower(cairo_t* cr, double x, double ground, double w, double h, Rgb roof) {
    const double top = ground - h;
    cairo_rectangle(cr, x - w / 2, top, w, h);
    FillShaded(cr, Lighten(kStone, 0.08), top, h, 1.8);
    cairo_move_to(cr, x - w / 2 - 4, top + 1);
    cairo_line_to(cr, x, top - w * 1.15);
    cairo_line_to(cr, x + w / 2 + 4, top + 1);
    cairo_close_path(cr);
    FillShaded(cr, roof, top - w * 1.15, w * 1.15, 1.8);
    RoundedRect(cr, x - 2, top + 10, 4, 9, 2);
    SetColor(cr, kInk);
    cairo_fill(cr);
    Pennant(cr, x, top - w * 1.15 - 14, top - w * 1.15, 15, kHoney, 1.3);
}

}  // namespace

void PaintCastleHill(cairo_t* cr, double x, double ground) {
    Ellipse(cr, x, ground + 4, 84, 22);
    SetVerticalGradient(cr, ground - 18, 44, kLeafLight, kLeaf);
    cairo_fill_preserve(cr);
    Stroke(cr, kLeafDark, 1.6, 0.6);
}

void PaintCastle(cairo_t* cr, double x, double ground) {
    // the keep behind the walls
    Tower(cr, x, ground - 30, 30, 64, kSkyDeep);
    Wall(cr, x - 50, ground - 44, 100, 44, kStone);
    for (double side : {-1.0, 1.0}) {
        Tower(cr, x + side * 52, ground, 24, 70, kBerry);
    }
    // the gate where the road arrives, open
    DoorArch(cr, x, ground, 12, ground - 20);
    SetColor(cr, Hex(0x4A3222));
    cairo_fill_preserve(cr);
    Stroke(cr, kInk, 1.8);
    for (double gx = x - 8; gx <= x + 8; gx += 5.3) {
        cairo_move_to(cr, gx, ground - 27);
        cairo_line_to(cr, gx, ground - 20);
    }
    Stroke(cr, kStoneDark, 1.4);
    for (double wx : {x - 30.0, x + 30.0}) {
        RoundedRect(cr, wx - 2, ground - 34, 4, 9, 2);
        SetColor(cr, kInk);
        cairo_fill(cr);
    }
}

void PaintHarbour(cairo_t* cr, double x) {
    // Everything stays a few pixels inside the picture's lower edge, below
    // which the sea tile takes over.
    const double top = 420, end = std::min(CoastY(x) + 36, kLandH - 6);
    // the boat, moored beside the jetty
    const double bx = x + 32, by = std::min(CoastY(x) + 30, kLandH - 10);
    cairo_move_to(cr, bx, by - 30);
    cairo_line_to(cr, bx, by - 4);
    Stroke(cr, kInk, 1.6);
    cairo_move_to(cr, bx + 1.5, by - 29);
    cairo_line_to(cr, bx + 17, by - 7);
    cairo_line_to(cr, bx + 1.5, by - 7);
    cairo_close_path(cr);
    SetColor(cr, kCream);
    cairo_fill_preserve(cr);
    Stroke(cr, kInk, 1.4);
    cairo_move_to(cr, bx + 1.5, by - 15);
    cairo_line_to(cr, bx + 11, by - 15);
    Stroke(cr, kBerry, 2.4);
    cairo_move_to(cr, bx - 18, by - 6);
    cairo_line_to(cr, bx + 20, by - 6);
    cairo_curve_to(cr, bx + 16, by + 3, bx - 12, by + 3, bx - 18, by - 6);
    cairo_close_path(cr);
    FillShaded(cr, kWood, by - 6, 9, 1.6);
    // the jetty: planks on posts, from the road's first bend into the water
    for (double px : {x - 8.0, x + 8.0}) {
        for (double py = top + 18; py <= end; py += 16) {
            cairo_rectangle(cr, px - 1.6, py - 2, 3.2, 7);
            SetColor(cr, kWoodDark);
            cairo_fill_preserve(cr);
            Stroke(cr, kInk, 1);
        }
    }
    for (double py = top; py < end; py += 4) {
        cairo_rectangle(cr, x - 8, py, 16, 3.2);
        SetColor(cr, (int(py) / 4) % 2 ? kWoodLight : Lighten(kWoodLight, 0.15));
        cairo_fill(cr);
    }
    cairo_rectangle(cr, x - 8, top, 16, end - top);
    Stroke(cr, kInk, 1.4);
}

void PaintIslets(cairo_t* cr) {
    const struct {
        double x, rx;
        bool lighthouse;
    } islets[] = {{610, 24, false}, {1484, 30, true}, {1990, 20, false}};
    for (const auto& i : islets) {
        const double y = kLandH - 14;
        Ellipse(cr, i.x, y, i.rx + 8, 8);
        SetColor(cr, Hex(0xB8EBEE), 0.7);
        cairo_fill(cr);
        Ellipse(cr, i.x, y, i.rx + 3, 5.5);
        Stroke(cr, kWhite, 1.6, 0.8);
        cairo_move_to(cr, i.x - i.rx, y);
        cairo_curve_to(cr, i.x - i.rx * 0.6, y - 9, i.x + i.rx * 0.6, y - 9, i.x + i.rx, y);
        cairo_curve_to(cr, i.x + i.rx * 0.5, y + 4, i.x - i.rx * 0.5, y + 4, i.x - i.rx, y);
        cairo_close_path(cr);
        FillShaded(cr, Hex(0xF1DCA3), y - 9, 12, 1.4);
        if (!i.lighthouse) {
            cairo_move_to(cr, i.x - i.rx * 0.5, y - 4);
            cairo_curve_to(cr, i.x - i.rx * 0.3, y - 11, i.x + i.rx * 0.2, y - 11, i.x + i.rx * 0.4,
                           y - 4);
            cairo_close_path(cr);
            FillShaded(cr, kStone, y - 11, 7, 1.2);
            continue;
        }
        // a little lighthouse keeping watch over the coast
        cairo_move_to(cr, i.x - 6, y - 4);
        cairo_line_to(cr, i.x - 4, y - 30);
        cairo_line_to(cr, i.x + 4, y - 30);
        cairo_line_to(cr, i.x + 6, y - 4);
        cairo_close_path(cr);
        SetColor(cr, kCream);
        cairo_fill_preserve(cr);
        cairo_save(cr);
        cairo_clip_preserve(cr);
        cairo_new_path(cr);
        cairo_rectangle(cr, i.x - 8, y - 24, 16, 5);
        cairo_rectangle(cr, i.x - 8, y - 13, 16, 5);
        SetColor(cr, kBerry);
        cairo_fill(cr);
        cairo_restore(cr);
        Stroke(cr, kInk, 1.3);
        cairo_rectangle(cr, i.x - 3.5, y - 36, 7, 6);
        SetColor(cr, kHoneyLight);
        cairo_fill_preserve(cr);
        Stroke(cr, kInk, 1.2);
        cairo_move_to(cr, i.x - 5, y - 36);
        cairo_line_to(cr, i.x, y - 41);
        cairo_line_to(cr, i.x + 5, y - 36);
        cairo_close_path(cr);
        SetColor(cr, kBerryDark);
        cairo_fill_preserve(cr);
        Stroke(cr, kInk, 1.2);
    }
}

}  // namespace artgen
