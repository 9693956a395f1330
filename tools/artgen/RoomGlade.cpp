// The picture behind the menu's glade: a soft sky with the game's name and a
// little storm cloud, far hills, the dark edge of the forest on both sides and
// a sunny clearing in the middle where the menu stands. It stays calm in the
// middle so the window in front of it reads first.
#include <cmath>

#include "tools/artgen/RoomArt.h"
#include "tools/artgen/Scenery.h"
#include "tools/artgen/TitleLogo.h"

namespace artgen {

using namespace datakit;
using namespace datakit::palette;

namespace {

constexpr double kW = 1024, kH = 768;
constexpr double kHorizon = 420;
constexpr double kTitleBaseline = 212;
constexpr double kStormX = 975, kStormFoot = 258;

void Sky(cairo_t* cr) {
    cairo_rectangle(cr, 0, 0, kW, kHorizon + 40);
    cairo_pattern_t* sky = cairo_pattern_create_linear(0, 0, 0, kHorizon);
    cairo_pattern_add_color_stop_rgb(sky, 0, 0.45, 0.74, 0.9);
    cairo_pattern_add_color_stop_rgb(sky, 0.6, 0.74, 0.89, 0.95);
    cairo_pattern_add_color_stop_rgb(sky, 1, 0.99, 0.93, 0.8);
    cairo_set_source(cr, sky);
    cairo_fill(cr);
    cairo_pattern_destroy(sky);
    // warm light rising over the clearing
    PaintGlow(cr, kW / 2, kHorizon, 520, 220, Hex(0xFFE6A6), 0.55);
}

void Hills(cairo_t* cr) {
    Ridge(cr, 0, kW, kHorizon - 34, 24, kHorizon + 40, 0.9, 0.008);
    SetColor(cr, Mix(kLeaf, kSky, 0.62));
    cairo_fill(cr);
    Ridge(cr, 0, kW, kHorizon - 10, 16, kHorizon + 40, 2.4, 0.013);
    SetColor(cr, Mix(kLeaf, kSky, 0.42));
    cairo_fill(cr);
}

// A row of small trees standing along the horizon from x0 to x1.
void TreeLine(cairo_t* cr, double x0, double x1, double ground, Rng& rng) {
    const Rgb dark = Hex(0x4E8B45), light = Hex(0x6FA857);
    for (double x = x0; x < x1; x += rng.Range(22, 38)) {
        const double h = rng.Range(42, 95);
        const Rgb leaf = Mix(dark, light, rng.Next());
        if (rng.Next() < 0.45) {
            cairo_move_to(cr, x - h * 0.26, ground);
            cairo_curve_to(cr, x - h * 0.12, ground - h * 0.5, x - 4, ground - h * 0.9, x,
                           ground - h);
            cairo_curve_to(cr, x + 4, ground - h * 0.9, x + h * 0.12, ground - h * 0.5,
                           x + h * 0.26, ground);
            cairo_close_path(cr);
        } else {
            cairo_new_path(cr);
            Circle(cr, x, ground - h * 0.55, h * 0.36);
            Circle(cr, x - h * 0.2, ground - h * 0.35, h * 0.28);
            Circle(cr, x + h * 0.22, ground - h * 0.33, h * 0.26);
        }
        cairo_path_t* path = cairo_copy_path(cr);
        SetColor(cr, kInk);
        cairo_set_line_width(cr, 4);
        cairo_stroke(cr);
        cairo_append_path(cr, path);
        SetVerticalGradient(cr, ground - h, h, Lighten(leaf, 0.15), Darken(leaf, 0.1));
        cairo_fill(cr);
        cairo_path_destroy(path);
    }
}

void Meadow(cairo_t* cr) {
    cairo_rectangle(cr, 0, kHorizon, kW, kH - kHorizon);
    SetVerticalGradient(cr, kHorizon, kH - kHorizon, Hex(0xA6D46A), Hex(0x78B64A));
    cairo_fill(cr);
    // the sunny clearing the menu stands in
    PaintGlow(cr, kW / 2, 600, 420, 150, Hex(0xDBF29A), 0.8);
    // the path that leads in from the front
    auto path = [&]() {
        cairo_move_to(cr, 150, kH + 10);
        cairo_curve_to(cr, 260, 690, 380, 640, 512, 600);
        cairo_curve_to(cr, 600, 575, 610, 520, 560, kHorizon + 10);
    };
    path();
    Stroke(cr, Hex(0x8E6A3C), 46, 0.35);
    path();
    Stroke(cr, Hex(0xE9D3A0), 38);
}

void Details(cairo_t* cr) {
    Rng rng(23);
    // grass tufts
    for (int i = 0; i < 140; ++i) {
        const double x = rng.Range(0, kW), y = rng.Range(kHorizon + 20, kH);
        const double s = 0.6 + (y - kHorizon) / (kH - kHorizon);
        cairo_move_to(cr, x - 3 * s, y);
        cairo_line_to(cr, x - 1.5 * s, y - 7 * s);
        cairo_move_to(cr, x, y);
        cairo_line_to(cr, x + 0.5 * s, y - 9 * s);
        cairo_move_to(cr, x + 3 * s, y);
        cairo_line_to(cr, x + 2 * s, y - 6 * s);
    }
    Stroke(cr, Hex(0x5E9A3A), 1.6, 0.7);
    // flowers, thicker towards the front corners
    const Rgb colors[] = {kWhite, kHoneyLight, Hex(0xF29BB0), Hex(0xB9A6F0)};
    for (int i = 0; i < 90; ++i) {
        const double y = rng.Range(kHorizon + 30, kH);
        const double x = rng.Next() < 0.5 ? rng.Range(0, 330) : rng.Range(694, kW);
        const double s = 0.6 + (y - kHorizon) / (kH - kHorizon) * 0.8;
        const Rgb c = colors[static_cast<int>(rng.Next() * 4) % 4];
        for (int k = 0; k < 5; ++k) {
            const double a = k * 2 * M_PI / 5;
            Circle(cr, x + std::cos(a) * 2.6 * s, y + std::sin(a) * 2.6 * s, 2.2 * s);
        }
        SetColor(cr, c);
        cairo_fill(cr);
        Circle(cr, x, y, 1.4 * s);
        SetColor(cr, kHoney);
        cairo_fill(cr);
    }
    // pebbles along the path
    const double stones[][3] = {{236, 700, 9}, {420, 640, 7}, {610, 560, 6}, {300, 735, 11}};
    for (const auto& s : stones) {
        Ellipse(cr, s[0], s[1], s[2], s[2] * 0.6);
        SetVerticalGradient(cr, s[1] - s[2], s[2] * 1.2, Lighten(kStone, 0.2), kStoneDark);
        cairo_fill_preserve(cr);
        Stroke(cr, kInk, 2);
    }
    // fireflies at the forest's edge
    for (int i = 0; i < 26; ++i) {
        const double x = rng.Next() < 0.5 ? rng.Range(30, 320) : rng.Range(700, 1000);
        const double y = rng.Range(kHorizon - 40, kHorizon + 120);
        PaintGlow(cr, x, y, 9, 9, Hex(0xFFFA99), 0.8);
    }
}

}  // namespace

void PaintGlade(cairo_t* cr, const PaintContext& context) {
    Sky(cr);
    // The game's name and the little storm stand still: they are part of the
    // picture, under the clouds that drift along the top.
    PaintTitleLogo(cr, context, kW / 2, kTitleBaseline, 0.82);
    cairo_save(cr);
    cairo_translate(cr, kStormX, kStormFoot);
    PaintStormCloud(cr, 180, 136);
    cairo_restore(cr);
    Hills(cr);
    Meadow(cr);
    Rng rng(5);
    TreeLine(cr, -10, 360, kHorizon + 26, rng);
    TreeLine(cr, 690, kW + 20, kHorizon + 26, rng);
    Details(cr);
}

}  // namespace artgen
