// Fallen logs and stones that workers clear away.
//
// "log00" (footprint 2 x 1, lying along the i axis), "stone00" (1 x 1) and
// "stone_big00" (2 x 2): 4 frames each, from whole (0) to the last chips (3),
// 4 frames per second. Frame 0 of "stone00" is also the stone a tower throws.
#include <cmath>
#include <vector>

#include "tools/artgen/ConstructionKit.h"
#include "tools/artgen/Obstacles.h"
#include "tools/artgen/Scenery.h"

namespace artgen {

namespace {

using namespace datakit;
using namespace datakit::palette;

const Rgb kBark = Hex(0x8A5A34);
const Rgb kRock = Hex(0xB3ACA0);
const Rgb kMoss = Hex(0x7FB24E);

// A log lying along a from a0 to a1, resting on the ground; its cut end at
// a1 faces the viewer's right.
void LogAlongA(cairo_t* cr, double a0, double a1, double b, double r) {
    std::vector<P3> ends;
    for (int k = 0; k < 24; ++k) {
        const double t = 2 * M_PI * k / 24;
        ends.push_back({a0, b + r * std::cos(t), r + r * std::sin(t)});
        ends.push_back({a1, b + r * std::cos(t), r + r * std::sin(t)});
    }
    HullPath(cr, ends);
    Fill(cr, kBark);
    // bark grain along the log
    for (double t : {0.8, 1.6, 2.4}) {
        MoveTo(cr, {a0 + 4, b + r * std::cos(t + 1.2), r + r * std::sin(t + 1.2)});
        LineTo(cr, {a1 - 4, b + r * std::cos(t + 1.2), r + r * std::sin(t + 1.2)});
    }
    Line(cr, Darken(kBark, 0.25), kDetail, 0.7);
    InSide(cr, a1, [&] { Circle(cr, b, r, r); });
    Fill(cr, kWoodLight);
    InSide(cr, a1, [&] {
        Circle(cr, b, r, r * 0.6);
        Circle(cr, b, r, r * 0.25);
    });
    Line(cr, kWood, 0.9);
}

void Chips(cairo_t* cr, double a, double b, int count, unsigned seed) {
    Rng rng(seed);
    for (int k = 0; k < count; ++k) {
        const P2 p = Project({a + rng.Range(-14, 14), b + rng.Range(-10, 10), 1});
        cairo_save(cr);
        cairo_translate(cr, p.x, p.y);
        cairo_rotate(cr, rng.Range(0, M_PI));
        cairo_rectangle(cr, -3, -1, 6, 2.2);
        cairo_restore(cr);
        Fill(cr, kWoodLight, 0.8);
    }
}

void Log(cairo_t* cr, int frame) {
    GroundShadow(cr, -40, 40, -10, 10, 0.2);
    if (frame == 0) {
        // a broken branch with a few leaves
        MoveTo(cr, {-8, 4, 18});
        LineTo(cr, {-14, 10, 30});
        InkedLine(cr, kBark, 3);
        const P2 leaf = Project({-14, 10, 31});
        const double leaves[][3] = {{-5, 1, 5}, {4, -3, 5.5}, {0, -8, 4.5}};
        for (const auto& at : leaves) {
            Circle(cr, leaf.x + at[0], leaf.y + at[1], at[2]);
            FillFlat(cr, kLeaf, 1.2);
        }
        LogAlongA(cr, -40, 40, 0, 11);
    } else if (frame == 1) {
        LogAlongA(cr, -40, 2, 0, 11);
        LogAlongA(cr, 6, 40, 0, 11);
        Chips(cr, 4, -12, 5, 3);
    } else if (frame == 2) {
        LogAlongA(cr, -40, -14, -2, 10);
        LogAlongA(cr, -6, 16, 4, 10);
        LogAlongA(cr, 24, 40, -4, 9);
        Chips(cr, 0, -12, 7, 5);
    } else {
        LogAlongA(cr, -22, -8, -2, 8);
        LogAlongA(cr, 6, 18, 3, 7);
        Chips(cr, -4, -6, 9, 7);
    }
}

// A rounded boulder around (x, y) in cairo space, a little irregular.
void Boulder(cairo_t* cr, double x, double y, double rx, double ry, unsigned seed, Rgb color) {
    Rng rng(seed);
    std::vector<double> bumps;
    for (int k = 0; k < 7; ++k)
        bumps.push_back(rng.Range(0.9, 1.08));
    for (int k = 0; k <= 28; ++k) {
        const double t = 2 * M_PI * k / 28;
        const double f = bumps[(k / 4) % 7];
        const double px = x + rx * f * std::cos(t), py = y + ry * f * std::sin(t) * 0.95;
        if (k == 0) {
            cairo_move_to(cr, px, py);
        } else {
            cairo_line_to(cr, px, py);
        }
    }
    cairo_close_path(cr);
    FillGradient(cr, Lighten(color, 0.2), Darken(color, 0.15), kOutline);
    // a light facet on the upper left
    Ellipse(cr, x - rx * 0.3, y - ry * 0.4, rx * 0.35, ry * 0.2);
    FillFlat(cr, kWhite, 0, 0.3);
}

void Crack(cairo_t* cr, double x, double y, double size) {
    cairo_move_to(cr, x, y - size);
    cairo_line_to(cr, x + size * 0.3, y - size * 0.4);
    cairo_line_to(cr, x - size * 0.2, y);
    cairo_line_to(cr, x + size * 0.25, y + size * 0.5);
    Line(cr, kInk, 1.2);
}

void Stone(cairo_t* cr, int frame) {
    GroundShadowDisc(cr, 0, 0, 16, 0.22);
    // the heap's foot sits around the anchor
    cairo_translate(cr, 0, 9);
    const double s = 1.2 * (frame == 0 ? 1.0 : frame == 1 ? 0.95 : frame == 2 ? 0.8 : 0.55);
    if (frame <= 1) {
        Boulder(cr, -8, -8, 11 * s, 9 * s, 3, kRock);
        Boulder(cr, 9, -7, 10 * s, 8 * s, 5, Darken(kRock, 0.05));
        Boulder(cr, 0, -17, 12 * s, 10 * s, 9, kRock);
        if (frame == 1) {
            Crack(cr, 0, -18, 7);
            Crack(cr, 9, -7, 5);
        }
    } else {
        Boulder(cr, -10, -5, 8 * s, 6 * s, 11, kRock);
        Boulder(cr, 8, -4, 7 * s, 5.5 * s, 13, kRock);
        Boulder(cr, -1, -10, 8 * s, 6.5 * s, 17, Darken(kRock, 0.05));
        if (frame == 3) {
            Boulder(cr, 14, 2, 4, 3, 19, kRock);
            Boulder(cr, -15, 1, 3.5, 3, 23, kRock);
        }
    }
}

void BigStone(cairo_t* cr, int frame) {
    GroundShadowDisc(cr, 0, 0, 34, 0.25);
    cairo_translate(cr, 0, 18);
    if (frame <= 1) {
        Boulder(cr, 0, -28, 38, 30, 29, kRock);
        Ellipse(cr, -10, -50, 14, 5);
        FillFlat(cr, kMoss, 1.1);
        Boulder(cr, 26, -8, 12, 9, 31, Darken(kRock, 0.06));
        if (frame == 1) {
            Crack(cr, -4, -30, 16);
            Crack(cr, 12, -22, 10);
        }
    } else if (frame == 2) {
        Boulder(cr, -14, -22, 22, 20, 37, kRock);
        Boulder(cr, 16, -18, 20, 17, 41, Darken(kRock, 0.05));
        Boulder(cr, 30, -4, 9, 7, 43, kRock);
    } else {
        Boulder(cr, -12, -9, 12, 9, 47, kRock);
        Boulder(cr, 10, -8, 11, 8, 53, Darken(kRock, 0.05));
        Boulder(cr, -1, -16, 10, 8, 59, kRock);
        Boulder(cr, 24, -2, 6, 4.5, 61, kRock);
    }
}

}  // namespace

std::vector<SpriteDef> BarrierSprites() {
    return {ProgressSprite("log00", 4, Log, false), ProgressSprite("stone00", 4, Stone, false),
            ProgressSprite("stone_big00", 4, BigStone, false)};
}

}  // namespace artgen
