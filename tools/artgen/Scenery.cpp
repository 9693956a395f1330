#include "tools/artgen/Scenery.h"

#include <cmath>
#include <vector>

namespace artgen {

using namespace datakit;
using namespace datakit::palette;

namespace {

void Sun(cairo_t* cr, double x, double y, double r) {
    cairo_pattern_t* glow = cairo_pattern_create_radial(x, y, r * 0.8, x, y, r * 3.2);
    cairo_pattern_add_color_stop_rgba(glow, 0, 1, 0.95, 0.7, 0.55);
    cairo_pattern_add_color_stop_rgba(glow, 1, 1, 0.95, 0.7, 0);
    cairo_set_source(cr, glow);
    cairo_paint(cr);
    cairo_pattern_destroy(glow);
    Circle(cr, x, y, r);
    SetVerticalGradient(cr, y - r, 2 * r, Hex(0xFFF6C8), Hex(0xFFD56B));
    cairo_fill(cr);
}

void Bush(cairo_t* cr, double x, double ground, double size, Rgb leaf) {
    Ellipse(cr, x, ground - size * 0.1, size * 1.1, size * 0.25);
    cairo_set_source_rgba(cr, 0.1, 0.2, 0.05, 0.2);
    cairo_fill(cr);
    cairo_new_path(cr);
    Circle(cr, x - size * 0.5, ground - size * 0.45, size * 0.5);
    Circle(cr, x + size * 0.45, ground - size * 0.4, size * 0.45);
    Circle(cr, x, ground - size * 0.7, size * 0.6);
    SetVerticalGradient(cr, ground - size * 1.3, size * 1.3, Lighten(leaf, 0.2),
                        Darken(leaf, 0.15));
    cairo_fill_preserve(cr);
    Stroke(cr, kInk, 2.5);
}

void Field(cairo_t* cr, double x, double y, double w, double h, double skew, Rgb a, Rgb b) {
    cairo_move_to(cr, x + skew, y);
    cairo_line_to(cr, x + w + skew, y);
    cairo_line_to(cr, x + w, y + h);
    cairo_line_to(cr, x, y + h);
    cairo_close_path(cr);
    cairo_path_t* path = cairo_copy_path(cr);
    SetColor(cr, a);
    cairo_fill(cr);
    cairo_save(cr);
    cairo_append_path(cr, path);
    cairo_clip(cr);
    for (double r = 0; r < h; r += 9) {
        const double t = r / h;
        cairo_move_to(cr, x + skew * (1 - t) - 4, y + r);
        cairo_line_to(cr, x + w + skew * (1 - t) + 4, y + r);
    }
    Stroke(cr, b, 3.2, 0.8);
    cairo_restore(cr);
    cairo_append_path(cr, path);
    Stroke(cr, kInk, 2.2, 0.8);
    cairo_path_destroy(path);
}

}  // namespace

// A smooth ridge across [x0, x1] through points with a sum of sines, closed
// down to `bottom`.
void Ridge(cairo_t* cr, double x0, double x1, double base, double amp, double bottom, double phase,
           double freq) {
    cairo_move_to(cr, x0, bottom);
    for (double x = x0; x <= x1 + 0.1; x += 8) {
        const double t = x * freq;
        const double y =
            base - amp * (0.6 * std::sin(t + phase) + 0.4 * std::sin(t * 2.3 + phase * 1.7));
        cairo_line_to(cr, x, y);
    }
    cairo_line_to(cr, x1, bottom);
    cairo_close_path(cr);
}

void PaintCloud(cairo_t* cr, double x, double y, double s) {
    auto shape = [&](double dy) {
        cairo_new_path(cr);
        Circle(cr, x - 42 * s, y + dy, 26 * s);
        Circle(cr, x - 8 * s, y - 18 * s + dy, 36 * s);
        Circle(cr, x + 34 * s, y - 4 * s + dy, 28 * s);
        Circle(cr, x + 62 * s, y + 8 * s + dy, 18 * s);
        cairo_rectangle(cr, x - 42 * s, y + dy, 104 * s, 26 * s);
    };
    shape(7 * s);
    cairo_set_source_rgba(cr, 0.55, 0.7, 0.85, 0.35);
    cairo_fill(cr);
    shape(0);
    SetVerticalGradient(cr, y - 54 * s, 80 * s, kWhite, Hex(0xE6F3FA));
    cairo_fill(cr);
}

void PaintRoundTree(cairo_t* cr, double x, double ground, double size, Rgb leaf) {
    Ellipse(cr, x + size * 0.1, ground, size * 0.55, size * 0.12);
    cairo_set_source_rgba(cr, 0.1, 0.2, 0.05, 0.25);
    cairo_fill(cr);
    // trunk
    cairo_move_to(cr, x - size * 0.1, ground);
    cairo_curve_to(cr, x - size * 0.06, ground - size * 0.4, x - size * 0.08, ground - size * 0.6,
                   x - size * 0.05, ground - size * 0.8);
    cairo_line_to(cr, x + size * 0.06, ground - size * 0.8);
    cairo_curve_to(cr, x + size * 0.08, ground - size * 0.6, x + size * 0.06, ground - size * 0.4,
                   x + size * 0.11, ground);
    cairo_close_path(cr);
    SetColor(cr, kWood);
    cairo_fill_preserve(cr);
    Stroke(cr, kInk, 2.5);
    // crown of three puffs
    cairo_new_path(cr);
    Circle(cr, x - size * 0.28, ground - size * 0.95, size * 0.34);
    Circle(cr, x + size * 0.28, ground - size * 0.92, size * 0.32);
    Circle(cr, x, ground - size * 1.22, size * 0.42);
    SetVerticalGradient(cr, ground - size * 1.65, size * 1.0, Lighten(leaf, 0.25),
                        Darken(leaf, 0.2));
    cairo_fill_preserve(cr);
    Stroke(cr, kInk, 2.5);
    // a bright spot where the light falls
    Ellipse(cr, x - size * 0.14, ground - size * 1.35, size * 0.16, size * 0.1);
    cairo_set_source_rgba(cr, 1, 1, 0.8, 0.35);
    cairo_fill(cr);
}

void PaintPine(cairo_t* cr, double x, double ground, double size) {
    Ellipse(cr, x + size * 0.08, ground, size * 0.35, size * 0.08);
    cairo_set_source_rgba(cr, 0.1, 0.2, 0.05, 0.25);
    cairo_fill(cr);
    cairo_rectangle(cr, x - size * 0.06, ground - size * 0.25, size * 0.12, size * 0.25);
    SetColor(cr, kWoodDark);
    cairo_fill_preserve(cr);
    Stroke(cr, kInk, 2);
    const Rgb green = Hex(0x3F8A4A);
    for (int i = 0; i < 3; ++i) {
        const double base = ground - size * (0.2 + i * 0.32);
        const double half = size * (0.42 - i * 0.1);
        cairo_move_to(cr, x - half, base);
        cairo_curve_to(cr, x - half * 0.4, base - size * 0.12, x - size * 0.08, base - size * 0.38,
                       x, base - size * 0.5);
        cairo_curve_to(cr, x + size * 0.08, base - size * 0.38, x + half * 0.4, base - size * 0.12,
                       x + half, base);
        cairo_curve_to(cr, x + half * 0.3, base + size * 0.06, x - half * 0.3, base + size * 0.06,
                       x - half, base);
        cairo_close_path(cr);
        SetVerticalGradient(cr, base - size * 0.5, size * 0.5, Lighten(green, 0.2),
                            Darken(green, 0.15));
        cairo_fill_preserve(cr);
        Stroke(cr, kInk, 2.2);
    }
}

void PaintCottage(cairo_t* cr, double x, double ground, double s) {
    Ellipse(cr, x, ground, s * 0.75, s * 0.12);
    cairo_set_source_rgba(cr, 0.1, 0.2, 0.05, 0.25);
    cairo_fill(cr);
    const double w = s * 1.1, h = s * 0.62;
    // walls
    RoundedRect(cr, x - w / 2, ground - h, w, h, s * 0.06);
    SetVerticalGradient(cr, ground - h, h, kCream, kParchmentShade);
    cairo_fill_preserve(cr);
    Stroke(cr, kInk, 2.5);
    // chimney
    cairo_rectangle(cr, x + w * 0.18, ground - h - s * 0.62, s * 0.14, s * 0.3);
    SetColor(cr, kBerryDark);
    cairo_fill_preserve(cr);
    Stroke(cr, kInk, 2.2);
    // roof
    cairo_move_to(cr, x - w / 2 - s * 0.14, ground - h + s * 0.04);
    cairo_curve_to(cr, x - w * 0.3, ground - h - s * 0.3, x - w * 0.12, ground - h - s * 0.52, x,
                   ground - h - s * 0.62);
    cairo_curve_to(cr, x + w * 0.12, ground - h - s * 0.52, x + w * 0.3, ground - h - s * 0.3,
                   x + w / 2 + s * 0.14, ground - h + s * 0.04);
    cairo_close_path(cr);
    SetVerticalGradient(cr, ground - h - s * 0.62, s * 0.66, Lighten(kBerry, 0.1), kBerryDark);
    cairo_fill_preserve(cr);
    Stroke(cr, kInk, 2.5);
    // door and window
    RoundedRect(cr, x - s * 0.32, ground - s * 0.4, s * 0.2, s * 0.4, s * 0.08);
    SetColor(cr, kWood);
    cairo_fill_preserve(cr);
    Stroke(cr, kInk, 2);
    RoundedRect(cr, x + s * 0.02, ground - s * 0.44, s * 0.26, s * 0.22, s * 0.05);
    SetColor(cr, Hex(0xFFE08A));
    cairo_fill_preserve(cr);
    Stroke(cr, kInk, 2);
    cairo_move_to(cr, x + s * 0.15, ground - s * 0.44);
    cairo_line_to(cr, x + s * 0.15, ground - s * 0.22);
    Stroke(cr, kInk, 1.5);
}

void PaintWindmill(cairo_t* cr, double x, double ground, double s, double angle) {
    Ellipse(cr, x, ground, s * 0.5, s * 0.1);
    cairo_set_source_rgba(cr, 0.1, 0.2, 0.05, 0.25);
    cairo_fill(cr);
    // tower
    cairo_move_to(cr, x - s * 0.3, ground);
    cairo_line_to(cr, x - s * 0.18, ground - s * 1.0);
    cairo_line_to(cr, x + s * 0.18, ground - s * 1.0);
    cairo_line_to(cr, x + s * 0.3, ground);
    cairo_close_path(cr);
    SetVerticalGradient(cr, ground - s, s, kCream, kParchmentShade);
    cairo_fill_preserve(cr);
    Stroke(cr, kInk, 2.5);
    // cap
    cairo_move_to(cr, x - s * 0.24, ground - s * 0.98);
    cairo_curve_to(cr, x - s * 0.2, ground - s * 1.25, x + s * 0.2, ground - s * 1.25, x + s * 0.24,
                   ground - s * 0.98);
    cairo_close_path(cr);
    SetColor(cr, kWood);
    cairo_fill_preserve(cr);
    Stroke(cr, kInk, 2.5);
    RoundedRect(cr, x - s * 0.07, ground - s * 0.28, s * 0.14, s * 0.28, s * 0.06);
    SetColor(cr, kWoodDark);
    cairo_fill_preserve(cr);
    Stroke(cr, kInk, 2);
    // sails
    const double hx = x, hy = ground - s * 1.02;
    for (int i = 0; i < 4; ++i) {
        cairo_save(cr);
        cairo_translate(cr, hx, hy);
        cairo_rotate(cr, angle + i * M_PI / 2);
        cairo_rectangle(cr, -s * 0.025, -s * 0.85, s * 0.05, s * 0.85);
        SetColor(cr, kWoodDark);
        cairo_fill_preserve(cr);
        Stroke(cr, kInk, 1.8);
        cairo_rectangle(cr, s * 0.03, -s * 0.82, s * 0.17, s * 0.6);
        SetColor(cr, kCream);
        cairo_fill_preserve(cr);
        Stroke(cr, kInk, 2);
        for (int k = 1; k < 4; ++k) {
            cairo_move_to(cr, s * 0.03, -s * 0.82 + k * s * 0.15);
            cairo_line_to(cr, s * 0.2, -s * 0.82 + k * s * 0.15);
        }
        Stroke(cr, kWood, 1.2, 0.8);
        cairo_restore(cr);
    }
    Circle(cr, hx, hy, s * 0.06);
    SetColor(cr, kHoney);
    cairo_fill_preserve(cr);
    Stroke(cr, kInk, 2);
}

void PaintIslandScene(cairo_t* cr, uint32_t seed, double sunX) {
    Rng rng(seed);
    const double W = 1024, H = 768;
    // sky
    cairo_rectangle(cr, 0, 0, W, H);
    cairo_pattern_t* sky = cairo_pattern_create_linear(0, 0, 0, 470);
    cairo_pattern_add_color_stop_rgb(sky, 0, 0.42, 0.74, 0.9);
    cairo_pattern_add_color_stop_rgb(sky, 0.65, 0.72, 0.88, 0.94);
    cairo_pattern_add_color_stop_rgb(sky, 1, 0.99, 0.92, 0.78);
    cairo_set_source(cr, sky);
    cairo_fill(cr);
    cairo_pattern_destroy(sky);
    Sun(cr, sunX, 150, 54);
    PaintCloud(cr, 150, 120, 1.0);
    PaintCloud(cr, 560, 80, 0.7);
    PaintCloud(cr, 900, 250, 0.8);
    PaintCloud(cr, 330, 280, 0.55);
    // far hills across the water
    Ridge(cr, 0, W, 432, 22, 480, 0.7, 0.009);
    SetColor(cr, Mix(kLeaf, kSky, 0.62));
    cairo_fill(cr);
    Ridge(cr, 0, W, 452, 14, 480, 2.1, 0.014);
    SetColor(cr, Mix(kLeaf, kSky, 0.45));
    cairo_fill(cr);
    // water
    cairo_rectangle(cr, 0, 460, W, H - 460);
    SetVerticalGradient(cr, 460, H - 460, Hex(0x8FD3EC), Hex(0x3F93C4));
    cairo_fill(cr);
    for (int i = 0; i < 46; ++i) {
        const double wy = 470 + rng.Range(0, H - 480);
        const double wx = rng.Range(-20, W);
        const double len = rng.Range(18, 46) * (0.6 + (wy - 460) / (H - 460));
        cairo_move_to(cr, wx, wy);
        cairo_curve_to(cr, wx + len * 0.3, wy - 3, wx + len * 0.7, wy - 3, wx + len, wy);
    }
    Stroke(cr, kWhite, 2.2, 0.45);
    // the island: beach, then meadow, then rolling hills
    cairo_move_to(cr, 60, 560);
    cairo_curve_to(cr, 90, 470, 300, 455, 520, 462);
    cairo_curve_to(cr, 760, 456, 960, 480, 980, 560);
    cairo_curve_to(cr, 990, 650, 760, 700, 520, 702);
    cairo_curve_to(cr, 260, 705, 40, 660, 60, 560);
    cairo_close_path(cr);
    SetVerticalGradient(cr, 460, 240, Hex(0xF7DDA0), Hex(0xE2B86C));
    cairo_fill_preserve(cr);
    Stroke(cr, kInk, 3);
    // surf line around the beach
    cairo_move_to(cr, 70, 610);
    cairo_curve_to(cr, 200, 700, 420, 716, 520, 714);
    cairo_curve_to(cr, 700, 714, 930, 690, 985, 600);
    Stroke(cr, kWhite, 4, 0.55);
    cairo_move_to(cr, 92, 548);
    cairo_curve_to(cr, 110, 482, 300, 470, 520, 476);
    cairo_curve_to(cr, 760, 470, 940, 492, 952, 556);
    cairo_curve_to(cr, 960, 630, 760, 672, 520, 674);
    cairo_curve_to(cr, 280, 676, 80, 636, 92, 548);
    cairo_close_path(cr);
    SetVerticalGradient(cr, 470, 210, kLeafLight, kLeaf);
    cairo_fill_preserve(cr);
    Stroke(cr, kInk, 3);
    // hills on the island
    cairo_move_to(cr, 560, 520);
    cairo_curve_to(cr, 620, 380, 800, 360, 900, 520);
    cairo_close_path(cr);
    SetVerticalGradient(cr, 390, 130, Lighten(kLeaf, 0.3), kLeaf);
    cairo_fill_preserve(cr);
    Stroke(cr, kInk, 2.5);
    cairo_move_to(cr, 120, 540);
    cairo_curve_to(cr, 180, 430, 360, 420, 440, 530);
    cairo_close_path(cr);
    SetVerticalGradient(cr, 440, 100, Lighten(kLeaf, 0.25), kLeaf);
    cairo_fill_preserve(cr);
    Stroke(cr, kInk, 2.5);
    // fields on the right hill
    Field(cr, 640, 470, 90, 40, 14, Hex(0xF3CF62), Hex(0xDDA93A));
    Field(cr, 740, 468, 80, 40, -10, Hex(0x9FD35E), Hex(0x74AE3F));
    // the path from the cottage
    cairo_move_to(cr, 330, 600);
    cairo_curve_to(cr, 420, 640, 520, 580, 600, 610);
    cairo_curve_to(cr, 660, 632, 700, 600, 740, 560);
    Stroke(cr, kInk, 16, 0.9);
    cairo_move_to(cr, 330, 600);
    cairo_curve_to(cr, 420, 640, 520, 580, 600, 610);
    cairo_curve_to(cr, 660, 632, 700, 600, 740, 560);
    Stroke(cr, Hex(0xF1D9A8), 11);
    PaintWindmill(cr, 820, 470, 110, 0.35);
    PaintPine(cr, 175, 505, 90);
    PaintPine(cr, 215, 520, 70);
    PaintRoundTree(cr, 470, 560, 80, kLeaf);
    PaintCottage(cr, 300, 590, 96);
    PaintRoundTree(cr, 615, 600, 64, Hex(0x6FB55A));
    PaintRoundTree(cr, 880, 585, 70, kLeaf);
    Bush(cr, 160, 610, 30, kLeafDark);
    Bush(cr, 540, 650, 26, kLeafDark);
    Bush(cr, 780, 640, 28, kLeafDark);
    // flowers in the meadow
    for (int i = 0; i < 40; ++i) {
        const double fx = rng.Range(130, 900), fy = rng.Range(560, 660);
        const Rgb colors[] = {kWhite, kHoneyLight, Hex(0xF29BB0), kBerry};
        Circle(cr, fx, fy, rng.Range(2.2, 3.6));
        SetColor(cr, colors[static_cast<int>(rng.Next() * 4) % 4]);
        cairo_fill(cr);
    }
}

}  // namespace artgen
