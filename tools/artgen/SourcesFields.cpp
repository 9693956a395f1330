// Fields: a tilled patch over 2 x 2 grid cells, laid along the island's
// slanted grid, in six stages from fresh furrows to the harvest. field00 is
// wheat that turns gold; field01 is a kitchen garden of cabbages and
// pumpkins. The game shows the stage that matches the growth itself, so the
// frames have no rate of their own (0).
#include <cmath>

#include "tools/artgen/Scenery.h"
#include "tools/artgen/Sources.h"

namespace artgen {

using namespace datakit;
using namespace datakit::palette;

namespace {

constexpr CanvasBox kFieldCanvas{-100, -80, 100, 64};
constexpr int kStages = 6;
// The grid's axes on screen (y downwards): i runs 15 degrees below the
// horizontal to the right, j 45 degrees above it.
constexpr double kUx = 0.96593, kUy = 0.25882, kVx = 0.70711, kVy = -0.70711;
constexpr double kHalf = 44;  // of the patch along each axis; the cells are 48

struct Spot {
    double x, y;
};

Spot OnField(double s, double t) {
    return {s * kUx + t * kVx, s * kUy + t * kVy};
}

void Soil(cairo_t* cr) {
    const Spot c[4] = {OnField(-kHalf, -kHalf), OnField(kHalf, -kHalf), OnField(kHalf, kHalf),
                       OnField(-kHalf, kHalf)};
    // a raised rim of turned earth, then the bed
    cairo_move_to(cr, c[0].x, c[0].y + 2.5);
    for (int i = 1; i < 4; ++i)
        cairo_line_to(cr, c[i].x, c[i].y + 2.5);
    cairo_close_path(cr);
    SetColor(cr, Hex(0x7A4E2C));
    cairo_fill_preserve(cr);
    Stroke(cr, kInk, 1.4);
    cairo_move_to(cr, c[0].x, c[0].y);
    for (int i = 1; i < 4; ++i)
        cairo_line_to(cr, c[i].x, c[i].y);
    cairo_close_path(cr);
    SetVerticalGradient(cr, c[2].y, c[0].y - c[2].y, Hex(0xB9855A), Hex(0x9A6A40));
    cairo_fill_preserve(cr);
    Stroke(cr, kInk, 1.4);
}

// Furrows run along the i axis; `rows` of them, back to front.
std::vector<double> Rows(int rows) {
    std::vector<double> t;
    for (int r = rows - 1; r >= 0; --r)
        t.push_back(-kHalf + 7 + (2 * kHalf - 14) * r / (rows - 1));
    return t;
}

void Furrows(cairo_t* cr, const std::vector<double>& rows) {
    for (double t : rows) {
        const Spot a = OnField(-kHalf + 4, t), b = OnField(kHalf - 4, t);
        cairo_move_to(cr, a.x, a.y + 1.2);
        cairo_line_to(cr, b.x, b.y + 1.2);
        Stroke(cr, Hex(0x7C4F2B), 2.2, 0.8);
        cairo_move_to(cr, a.x, a.y - 0.8);
        cairo_line_to(cr, b.x, b.y - 0.8);
        Stroke(cr, Hex(0xCFA077), 1.0, 0.7);
    }
}

void Seed(cairo_t* cr, Spot p) {
    Circle(cr, p.x, p.y, 0.9);
    SetColor(cr, Hex(0xF3E2B8));
    cairo_fill(cr);
}

void Sprout(cairo_t* cr, Spot p, double h, Rgb green) {
    for (int i = -1; i <= 1; i += 2) {
        cairo_move_to(cr, p.x, p.y);
        cairo_curve_to(cr, p.x + i * 0.5, p.y - h * 0.5, p.x + i * 1.6, p.y - h * 0.8,
                       p.x + i * 2.4, p.y - h);
    }
    Stroke(cr, Darken(green, 0.35), 2.0);
    for (int i = -1; i <= 1; i += 2) {
        cairo_move_to(cr, p.x, p.y);
        cairo_curve_to(cr, p.x + i * 0.5, p.y - h * 0.5, p.x + i * 1.6, p.y - h * 0.8,
                       p.x + i * 2.4, p.y - h);
    }
    Stroke(cr, green, 1.0);
}

// A tuft of wheat: green shoots that grow tall, ear and turn gold.
void Wheat(cairo_t* cr, Spot p, int stage, Rng& rng) {
    const double heights[kStages] = {0, 3.5, 7, 11, 13, 14};
    const double h = heights[stage] * rng.Range(0.9, 1.1);
    const Rgb stalk = stage >= 5 ? Hex(0xE3B54A) : (stage == 4 ? Hex(0xB9C04E) : Hex(0x6FB43E));
    for (int pass = 0; pass < 2; ++pass) {
        for (int i = -1; i <= 1; ++i) {
            const double lean = i * 2.2 + (stage >= 5 ? 1.2 : 0);
            cairo_move_to(cr, p.x + i * 0.8, p.y);
            cairo_curve_to(cr, p.x + i, p.y - h * 0.5, p.x + lean * 0.7, p.y - h * 0.8, p.x + lean,
                           p.y - h);
        }
        Stroke(cr, pass == 0 ? kInk : stalk, pass == 0 ? 2.3 : 1.1, pass == 0 ? 0.7 : 1.0);
    }
    if (stage < 3)
        return;
    const Rgb ear = stage >= 5 ? kHoney : (stage == 4 ? Hex(0xD6C458) : Hex(0x8CC85A));
    for (int i = -1; i <= 1; ++i) {
        const double lean = i * 2.2 + (stage >= 5 ? 1.2 : 0);
        cairo_save(cr);
        cairo_translate(cr, p.x + lean, p.y - h - 1.5);
        cairo_rotate(cr, lean * 0.12);
        Ellipse(cr, 0, 0, 1.3, 2.6);
        cairo_restore(cr);
        SetColor(cr, ear);
        cairo_fill_preserve(cr);
        Stroke(cr, kInk, 0.6, 0.8);
    }
}

void Leafy(cairo_t* cr, Spot p, double r, Rgb leaf) {
    for (int i = 0; i < 5; ++i) {
        const double a = M_PI * (1.05 + 0.225 * i);
        Ellipse(cr, p.x + std::cos(a) * r * 0.7, p.y + std::sin(a) * r * 0.45 - r * 0.2, r * 0.55,
                r * 0.38);
        SetColor(cr, i % 2 ? leaf : Darken(leaf, 0.12));
        cairo_fill_preserve(cr);
        Stroke(cr, kInk, 0.7);
    }
}

void Cabbage(cairo_t* cr, Spot p, double r) {
    Leafy(cr, p, r * 1.3, Hex(0x6DB047));
    Circle(cr, p.x, p.y - r * 0.55, r * 0.8);
    SetVerticalGradient(cr, p.y - r * 1.4, r * 1.6, Hex(0xD8F0A6), Hex(0x98CE68));
    cairo_fill_preserve(cr);
    Stroke(cr, kInk, 0.8);
    cairo_move_to(cr, p.x - r * 0.4, p.y - r * 0.9);
    cairo_curve_to(cr, p.x - r * 0.1, p.y - r * 0.4, p.x + r * 0.2, p.y - r * 0.4, p.x + r * 0.5,
                   p.y - r * 0.8);
    Stroke(cr, Hex(0x6DA84A), 0.6);
}

void Pumpkin(cairo_t* cr, Spot p, double r) {
    Leafy(cr, {p.x - r * 0.6, p.y}, r * 0.9, Hex(0x5FA544));
    Ellipse(cr, p.x, p.y - r * 0.55, r * 1.05, r * 0.75);
    SetVerticalGradient(cr, p.y - r * 1.3, r * 1.5, Hex(0xFFB35A), Hex(0xE07A22));
    cairo_fill_preserve(cr);
    Stroke(cr, kInk, 0.8);
    cairo_move_to(cr, p.x, p.y - r * 1.25);
    cairo_line_to(cr, p.x, p.y + r * 0.15);
    Stroke(cr, Hex(0xC8651A), 0.6);
    cairo_move_to(cr, p.x, p.y - r * 1.25);
    cairo_line_to(cr, p.x + r * 0.3, p.y - r * 1.7);
    Stroke(cr, kWoodDark, 1.1);
}

void Greens(cairo_t* cr, Spot p, int stage, bool pumpkinRow) {
    switch (stage) {
        case 0:
            Seed(cr, p);
            break;
        case 1:
            Sprout(cr, p, 3, Hex(0x7CC24A));
            break;
        case 2:
            Leafy(cr, p, 4.2, Hex(0x76BB48));
            break;
        case 3:
            Leafy(cr, p, 6.0, Hex(0x6DB047));
            break;
        case 4:
            if (pumpkinRow)
                Pumpkin(cr, p, 3.8);
            else
                Cabbage(cr, p, 4.4);
            break;
        default:
            if (pumpkinRow)
                Pumpkin(cr, p, 5.8);
            else
                Cabbage(cr, p, 5.8);
            break;
    }
}

void PaintField(cairo_t* cr, bool wheat, int stage) {
    Soil(cr);
    const auto rows = Rows(wheat ? 7 : 5);
    Furrows(cr, rows);
    Rng rng(wheat ? 41 : 43);
    const int across = wheat ? 9 : 6;
    for (size_t r = 0; r < rows.size(); ++r) {
        for (int i = 0; i < across; ++i) {
            const double s =
                -kHalf + 8 + (2 * kHalf - 16) * i / (across - 1) + rng.Range(-1.5, 1.5);
            const Spot p = OnField(s, rows[r]);
            if (wheat) {
                if (stage == 0)
                    Seed(cr, p);
                else
                    Wheat(cr, p, stage, rng);
            } else {
                Greens(cr, p, stage, (r + i) % 3 == 1);
            }
        }
    }
}

}  // namespace

std::vector<SpriteArt> FieldSprites() {
    std::vector<SpriteArt> out;
    for (bool wheat : {true, false}) {
        SpriteArt art{wheat ? "field00" : "field01", 0, kFieldCanvas, {}};
        for (int stage = 0; stage < kStages; ++stage)
            art.frames.push_back([wheat, stage](cairo_t* cr) { PaintField(cr, wheat, stage); });
        out.push_back(std::move(art));
    }
    return out;
}

}  // namespace artgen
