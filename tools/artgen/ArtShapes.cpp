#include "tools/artgen/ArtShapes.h"

#include <cmath>

namespace artgen {

using namespace datakit;
using namespace datakit::palette;

const Metal kGoldMetal{Hex(0xFFE47A), kGold, kGoldDark};
const Metal kSilverMetal{Hex(0xF6FAFD), Hex(0xC4CFDA), Hex(0x7D8C9E)};
const Metal kBronzeMetal{Hex(0xF4C08E), Hex(0xD4884A), Hex(0x95521F)};

void StarPath(cairo_t* cr, double cx, double cy, double outer, double inner, int points,
              double turn) {
    cairo_new_sub_path(cr);
    for (int i = 0; i < points * 2; ++i) {
        const double a = turn + i * M_PI / points;
        const double r = i % 2 ? inner : outer;
        cairo_line_to(cr, cx + std::cos(a) * r, cy + std::sin(a) * r);
    }
    cairo_close_path(cr);
}

void FillMetal(cairo_t* cr, const Metal& metal, double y, double h) {
    cairo_pattern_t* p = cairo_pattern_create_linear(0, y, 0, y + h);
    cairo_pattern_add_color_stop_rgb(p, 0, metal.light.r, metal.light.g, metal.light.b);
    cairo_pattern_add_color_stop_rgb(p, 0.55, metal.base.r, metal.base.g, metal.base.b);
    cairo_pattern_add_color_stop_rgb(p, 1, metal.dark.r, metal.dark.g, metal.dark.b);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
}

void PaintMedalDisc(cairo_t* cr, double cx, double cy, double r, const Metal& metal, int stars,
                    double line) {
    Circle(cr, cx, cy, r);
    SetColor(cr, metal.dark);
    cairo_fill_preserve(cr);
    Stroke(cr, kInk, line);
    Circle(cr, cx, cy, r * 0.8);
    FillMetal(cr, metal, cy - r, 2 * r);
    Circle(cr, cx, cy, r * 0.8);
    Stroke(cr, metal.dark, line * 0.5, 0.7);
    // the stars: one in the middle, two side by side, or a little arc of three
    struct Place {
        double dx, dy, size;
    };
    static const Place kOne[] = {{0, 0.02, 0.5}};
    static const Place kTwo[] = {{-0.3, 0.04, 0.34}, {0.3, 0.04, 0.34}};
    static const Place kThree[] = {{-0.4, 0.12, 0.28}, {0, -0.16, 0.34}, {0.4, 0.12, 0.28}};
    const Place* places = stars >= 3 ? kThree : stars == 2 ? kTwo : kOne;
    const int count = stars >= 3 ? 3 : stars == 2 ? 2 : 1;
    for (int i = 0; i < count; ++i) {
        const Place& p = places[i];
        StarPath(cr, cx + p.dx * r, cy + p.dy * r, p.size * r, p.size * r * 0.45, 5, -M_PI / 2);
    }
    cairo_path_t* path = cairo_copy_path(cr);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    Stroke(cr, metal.dark, line * 1.2);
    cairo_append_path(cr, path);
    SetColor(cr, kCream);
    cairo_fill(cr);
    cairo_path_destroy(path);
    // a glint on the rim
    cairo_new_path(cr);
    cairo_arc(cr, cx, cy, r * 0.9, M_PI * 1.1, M_PI * 1.45);
    Stroke(cr, kWhite, line * 0.8, 0.75);
}

void PaintKey(cairo_t* cr, double x, double y, double length, double angle, double line) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, angle);
    const double s = length;
    cairo_new_path(cr);
    // bow (a ring), shaft and two bits
    Circle(cr, 0, 0, s * 0.25);
    cairo_rectangle(cr, s * 0.15, -s * 0.08, s * 0.83, s * 0.16);
    cairo_rectangle(cr, s * 0.64, s * 0.04, s * 0.13, s * 0.2);
    cairo_rectangle(cr, s * 0.84, s * 0.04, s * 0.14, s * 0.26);
    cairo_path_t* path = cairo_copy_path(cr);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    Stroke(cr, kInk, line * 2);
    cairo_append_path(cr, path);
    FillMetal(cr, kGoldMetal, -s * 0.25, s * 0.55);
    cairo_path_destroy(path);
    Circle(cr, 0, 0, s * 0.1);
    SetColor(cr, kInk);
    cairo_fill(cr);
    cairo_move_to(cr, s * 0.28, -s * 0.03);
    cairo_line_to(cr, s * 0.9, -s * 0.03);
    Stroke(cr, kWhite, line * 0.6, 0.6);
    cairo_restore(cr);
}

void Glow(cairo_t* cr, double cx, double cy, double radius, Rgb color, double alpha) {
    cairo_pattern_t* p = cairo_pattern_create_radial(cx, cy, 0, cx, cy, radius);
    cairo_pattern_add_color_stop_rgba(p, 0, color.r, color.g, color.b, alpha);
    cairo_pattern_add_color_stop_rgba(p, 0.5, color.r, color.g, color.b, alpha * 0.45);
    cairo_pattern_add_color_stop_rgba(p, 1, color.r, color.g, color.b, 0);
    cairo_set_source(cr, p);
    Circle(cr, cx, cy, radius);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
}

void TwinkleStar(cairo_t* cr, double cx, double cy, double radius, double alpha) {
    cairo_new_path(cr);
    cairo_move_to(cr, cx, cy - radius);
    cairo_curve_to(cr, cx + radius * 0.12, cy - radius * 0.12, cx + radius * 0.12,
                   cy - radius * 0.12, cx + radius, cy);
    cairo_curve_to(cr, cx + radius * 0.12, cy + radius * 0.12, cx + radius * 0.12,
                   cy + radius * 0.12, cx, cy + radius);
    cairo_curve_to(cr, cx - radius * 0.12, cy + radius * 0.12, cx - radius * 0.12,
                   cy + radius * 0.12, cx - radius, cy);
    cairo_curve_to(cr, cx - radius * 0.12, cy - radius * 0.12, cx - radius * 0.12,
                   cy - radius * 0.12, cx, cy - radius);
    cairo_close_path(cr);
    SetColor(cr, kWhite, alpha);
    cairo_fill(cr);
}

void DoorArch(cairo_t* cr, double cx, double ground, double half, double spring) {
    cairo_move_to(cr, cx - half, ground);
    cairo_line_to(cr, cx - half, spring);
    cairo_arc(cr, cx, spring, half, M_PI, 2 * M_PI);
    cairo_line_to(cr, cx + half, ground);
    cairo_close_path(cr);
}

void Pennant(cairo_t* cr, double x, double top, double foot, double length, Rgb color,
             double line) {
    const double l = length;
    cairo_move_to(cr, x, foot);
    cairo_line_to(cr, x, top);
    Stroke(cr, kInk, line * 1.25);
    cairo_move_to(cr, x + 0.5, top);
    cairo_curve_to(cr, x + 0.4 * l, top - 0.12 * l, x + 0.67 * l, top + 0.17 * l, x + l,
                   top + 0.07 * l);
    cairo_curve_to(cr, x + 0.73 * l, top + 0.27 * l, x + 0.47 * l, top + 0.47 * l, x + 0.5,
                   top + 0.4 * l);
    cairo_close_path(cr);
    SetColor(cr, color);
    cairo_fill_preserve(cr);
    Stroke(cr, kInk, line);
}

void StrawHat(cairo_t* cr, double cx, double brimY, double brimRx, double brimRy, double crownHalf,
              double crownTop, Rgb band, double line) {
    const Rgb straw = Hex(0xF2CF6B);
    Ellipse(cr, cx, brimY, brimRx, brimRy);
    SetVerticalGradient(cr, brimY - brimRy, 2 * brimRy, Lighten(straw, 0.2), Darken(straw, 0.12));
    cairo_fill_preserve(cr);
    Stroke(cr, kInk, line);
    cairo_move_to(cr, cx - crownHalf, brimY);
    cairo_curve_to(cr, cx - crownHalf, crownTop, cx + crownHalf, crownTop, cx + crownHalf, brimY);
    cairo_curve_to(cr, cx + crownHalf * 0.55, brimY + brimRy * 0.45, cx - crownHalf * 0.55,
                   brimY + brimRy * 0.45, cx - crownHalf, brimY);
    cairo_close_path(cr);
    SetVerticalGradient(cr, crownTop, brimY - crownTop, Lighten(straw, 0.3), straw);
    cairo_fill_preserve(cr);
    Stroke(cr, kInk, line);
    const double bandY = brimY - (brimY - crownTop) * 0.22, width = brimRy * 0.55;
    for (int pass = 0; pass < 2; ++pass) {
        cairo_move_to(cr, cx - crownHalf * 0.99, bandY);
        cairo_curve_to(cr, cx - crownHalf * 0.5, bandY + brimRy * 0.35, cx + crownHalf * 0.5,
                       bandY + brimRy * 0.35, cx + crownHalf * 0.99, bandY);
        if (pass == 0) {
            Stroke(cr, kInk, width + line);
        } else {
            Stroke(cr, band, width);
        }
    }
}

void SoftGroundShadow(cairo_t* cr, double cx, double cy, double rx, double ry, double alpha) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, rx, ry);
    cairo_pattern_t* p = cairo_pattern_create_radial(0, 0, 0, 0, 0, 1);
    cairo_pattern_add_color_stop_rgba(p, 0, 0.2, 0.1, 0.04, alpha);
    cairo_pattern_add_color_stop_rgba(p, 1, 0.2, 0.1, 0.04, 0);
    cairo_set_source(cr, p);
    Circle(cr, 0, 0, 1);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    cairo_restore(cr);
}

}  // namespace artgen
