// The glade's small wonders: toadstools, a glowing cap and a ring of little
// mushrooms, the bolt of the far storm and the strips of drifting cloud.
#include <cmath>

#include "tools/artgen/RoomArt.h"
#include "tools/artgen/Scenery.h"
#include "tools/artgen/SoftEdges.h"

namespace artgen {

using namespace datakit;
using namespace datakit::palette;

namespace {

void Glow(cairo_t* cr, double x, double y, double radius, Rgb color, double alpha) {
    PaintGlow(cr, x, y, radius, radius, color, alpha);
}

// One mushroom of height `h` at (x, 0): a stem and a domed cap `capWidth` wide.
void Mushroom(cairo_t* cr, double x, double h, double capWidth, Rgb cap, Rgb stem, bool spots) {
    const double stemW = capWidth * 0.3, capH = capWidth * 0.42, capBase = -h + capH;
    Ellipse(cr, x, 0, capWidth * 0.32, 4);
    cairo_set_source_rgba(cr, 0.12, 0.22, 0.06, 0.3);
    cairo_fill(cr);
    cairo_move_to(cr, x - stemW * 0.6, 1);
    cairo_curve_to(cr, x - stemW * 0.4, capBase * 0.5, x - stemW * 0.55, capBase + 4,
                   x - stemW * 0.45, capBase + 2);
    cairo_line_to(cr, x + stemW * 0.45, capBase + 2);
    cairo_curve_to(cr, x + stemW * 0.55, capBase + 4, x + stemW * 0.4, capBase * 0.5,
                   x + stemW * 0.6, 1);
    cairo_close_path(cr);
    SetVerticalGradient(cr, capBase, -capBase, stem, Darken(stem, 0.12));
    cairo_fill_preserve(cr);
    Stroke(cr, kInk, 2.4);
    const double half = capWidth / 2;
    cairo_move_to(cr, x - half, capBase + 2);
    cairo_curve_to(cr, x - half, -h - capH * 0.15, x + half, -h - capH * 0.15, x + half,
                   capBase + 2);
    cairo_curve_to(cr, x + half * 0.5, capBase + capH * 0.28, x - half * 0.5, capBase + capH * 0.28,
                   x - half, capBase + 2);
    cairo_close_path(cr);
    SetVerticalGradient(cr, -h, capH, Lighten(cap, 0.2), Darken(cap, 0.12));
    cairo_fill_preserve(cr);
    Stroke(cr, kInk, 2.6);
    // the sheen of the dome
    cairo_move_to(cr, x - half * 0.6, capBase - capH * 0.25);
    cairo_curve_to(cr, x - half * 0.5, -h + capH * 0.15, x - half * 0.15, -h + 2, x + half * 0.1,
                   -h + capH * 0.08);
    Stroke(cr, kWhite, 3, 0.45);
    if (!spots)
        return;
    const double spot[][3] = {{-0.45, 0.55, 0.13},
                              {0.05, 0.25, 0.16},
                              {0.5, 0.6, 0.11},
                              {-0.1, 0.7, 0.08},
                              {0.3, 0.32, 0.07}};
    for (const auto& s : spot) {
        Ellipse(cr, x + s[0] * half, -h + s[1] * capH, s[2] * capWidth, s[2] * capWidth * 0.75);
        SetColor(cr, kCream);
        cairo_fill(cr);
    }
}

}  // namespace

void PaintGlow(cairo_t* cr, double x, double y, double rx, double ry, Rgb color, double alpha) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, rx, ry);
    cairo_pattern_t* glow = cairo_pattern_create_radial(0, 0, 0, 0, 0, 1);
    cairo_pattern_add_color_stop_rgba(glow, 0, color.r, color.g, color.b, alpha);
    cairo_pattern_add_color_stop_rgba(glow, 1, color.r, color.g, color.b, 0);
    cairo_set_source(cr, glow);
    Circle(cr, 0, 0, 1);
    cairo_fill(cr);
    cairo_pattern_destroy(glow);
    cairo_restore(cr);
}

void PaintToadstool(cairo_t* cr, double size) {
    Mushroom(cr, 0, size * 0.8, size * 0.8, kBerry, kCream, true);
    // a tiny one at its foot
    Mushroom(cr, size * 0.38, size * 0.32, size * 0.3, kBerry, kCream, true);
}

void PaintGlowCap(cairo_t* cr, double size) {
    const Rgb cap = Hex(0x9C8BE0);
    Glow(cr, 0, -size * 0.62, size * 0.55, Hex(0xCFC4FF), 0.55);
    Mushroom(cr, 0, size * 0.78, size * 0.62, cap, Hex(0xF3EEFF), false);
    // glowing freckles on the cap
    const double dots[][2] = {{-0.18, -0.7}, {0.1, -0.74}, {0.2, -0.64}, {-0.05, -0.62}};
    for (const auto& d : dots) {
        Glow(cr, d[0] * size, d[1] * size, size * 0.06, Hex(0xFFFBE0), 0.9);
        Circle(cr, d[0] * size, d[1] * size, size * 0.022);
        SetColor(cr, kWhite);
        cairo_fill(cr);
    }
}

void PaintMushroomRing(cairo_t* cr, double size) {
    const Rgb cap = Hex(0xE9A74A);
    const double spots[][3] = {{-0.34, 0.46, 0.34}, {0.0, 0.62, 0.4}, {0.32, 0.4, 0.3}};
    for (const auto& s : spots) {
        Glow(cr, s[0] * size, -s[1] * size * 0.8, size * 0.2, kHoneyLight, 0.35);
    }
    for (const auto& s : spots)
        Mushroom(cr, s[0] * size, s[1] * size, s[2] * size, cap, kCream, false);
}

void PaintStormCloud(cairo_t* cr, double w, double h) {
    const double s = w / 180, top = -h + 3 + 62 * s;
    // rain from under the cloud down to the foot
    const double rainTop = top + 8 * s;
    PaintBlurred(cr, -w / 2, rainTop, static_cast<int>(w), static_cast<int>(-rainTop) + 4, 2, 0.55,
                 [&](cairo_t* c) {
                     for (int i = 0; i < 8; ++i) {
                         const double x = w * (0.22 + i * 0.08);
                         cairo_move_to(c, x, 0);
                         cairo_line_to(c, x - 6 * s, -rainTop - 2);
                     }
                     cairo_set_source_rgba(c, 0.5, 0.55, 0.72, 1);
                     cairo_set_line_width(c, 2.5 * s);
                     cairo_stroke(c);
                 });
    cairo_save(cr);
    cairo_translate(cr, 0, top);
    cairo_scale(cr, s, s);
    auto shape = [&]() {
        cairo_new_path(cr);
        Circle(cr, -52, -6, 28);
        Circle(cr, -14, -24, 38);
        Circle(cr, 30, -14, 32);
        Circle(cr, 62, -2, 22);
        RoundedRect(cr, -76, -10, 156, 30, 15);
    };
    shape();
    SetColor(cr, kInk);
    cairo_set_line_width(cr, 6);
    cairo_stroke(cr);
    shape();
    SetVerticalGradient(cr, -62, 82, Hex(0xB9AFD0), Hex(0x7A7396));
    cairo_fill(cr);
    // the light catching its top
    cairo_new_path(cr);
    cairo_arc(cr, -14, -24, 30, M_PI * 1.1, M_PI * 1.6);
    Stroke(cr, Hex(0xE4DDF2), 4, 0.7);
    cairo_restore(cr);
}

void PaintBolt(cairo_t* cr, double w, double h) {
    // the bolt from inside the cloud down to its tip at the origin
    const double length = h * 0.62;
    const double pts[][2] = {{-0.01, -1.0}, {0.08, -1.0},   {0.02, -0.55}, {0.09, -0.55},
                             {-0.05, 0.0},  {-0.01, -0.45}, {-0.08, -0.45}};
    auto path = [&](cairo_t* c, double ox, double oy) {
        cairo_new_path(c);
        for (const auto& p : pts)
            cairo_line_to(c, ox + p[0] * w, oy + p[1] * length);
        cairo_close_path(c);
    };
    // the cloud lit from inside, and a halo round the bolt
    const double radius = std::fmin(w * 0.42, h - length - 6);
    Glow(cr, w * 0.02, -length, radius, Hex(0xFFFBEA), 0.85);
    const int gw = static_cast<int>(w), gh = static_cast<int>(h);
    PaintBlurred(cr, -w / 2, -h, gw, gh, 7, 0.9, [&](cairo_t* c) {
        path(c, w / 2, h - 3);
        cairo_set_source_rgba(c, 0.86, 0.92, 1, 1);
        cairo_set_line_width(c, 14);
        cairo_set_line_join(c, CAIRO_LINE_JOIN_ROUND);
        cairo_stroke_preserve(c);
        cairo_fill(c);
    });
    path(cr, 0, -3);
    SetColor(cr, Hex(0xFFF8CF));
    cairo_fill_preserve(cr);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    Stroke(cr, Hex(0xF0AE2C), 2.2);
}

void PaintCloudStrip(cairo_t* cr, double w, double h, double scale, double alpha, unsigned seed) {
    Rng rng(seed);
    const int count = 3;
    cairo_push_group(cr);
    for (int i = 0; i < count; ++i) {
        const double x = (i + rng.Range(0.1, 0.6)) * w / count;
        const double s = scale * rng.Range(0.75, 1.15);
        // whole inside the strip: the puffs reach 54 s up, the shadow 33 s down
        const double top = 56 * s, bottom = std::fmax(top, h - 36 * s);
        const double y = rng.Range(top, bottom);
        // drawn three times so a cloud across an edge shows on both sides
        for (double shift : {-w, 0.0, w})
            PaintCloud(cr, x + shift, y, s);
    }
    cairo_pop_group_to_source(cr);
    cairo_paint_with_alpha(cr, alpha);
}

}  // namespace artgen
