#include "tools/common/ResourceIcons.h"

#include <cmath>

#include "tools/common/Palette.h"

namespace datakit {

namespace {

using namespace palette;

void Outline(cairo_t* cr, double width) {
    SetColor(cr, kInk);
    cairo_set_line_width(cr, width);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
}

// A log lying slightly tilted, bark along its length and the cut end with rings.
void Wood(cairo_t* cr, double s, double line) {
    cairo_save(cr);
    cairo_translate(cr, s * 0.5, s * 0.55);
    cairo_rotate(cr, -0.35);
    const double len = s * 0.82, thick = s * 0.42;
    RoundedRect(cr, -len / 2, -thick / 2, len, thick, thick * 0.45);
    SetVerticalGradient(cr, -thick / 2, thick, kWoodLight, kWoodDark);
    cairo_fill_preserve(cr);
    Outline(cr, line);
    // bark grooves
    cairo_set_source_rgba(cr, kWoodDark.r, kWoodDark.g, kWoodDark.b, 0.8);
    cairo_set_line_width(cr, line * 0.7);
    cairo_move_to(cr, -len * 0.32, -thick * 0.08);
    cairo_line_to(cr, len * 0.05, -thick * 0.08);
    cairo_move_to(cr, -len * 0.18, thick * 0.18);
    cairo_line_to(cr, len * 0.12, thick * 0.18);
    cairo_stroke(cr);
    // cut end
    const double ex = len / 2 - thick * 0.42;
    cairo_save(cr);
    cairo_translate(cr, ex, 0);
    cairo_scale(cr, 0.62, 1.0);
    Circle(cr, 0, 0, thick * 0.5);
    cairo_restore(cr);
    SetColor(cr, Hex(0xF2CE94));
    cairo_fill_preserve(cr);
    Outline(cr, line);
    cairo_save(cr);
    cairo_translate(cr, ex, 0);
    cairo_scale(cr, 0.62, 1.0);
    Circle(cr, 0, 0, thick * 0.24);
    cairo_restore(cr);
    SetColor(cr, kWood, 0.9);
    cairo_set_line_width(cr, line * 0.7);
    cairo_stroke(cr);
    cairo_restore(cr);
}

// A round loaf of bread with three baked cuts.
void Food(cairo_t* cr, double s, double line) {
    const double cx = s * 0.5, cy = s * 0.6, rx = s * 0.44, ry = s * 0.32;
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, rx, ry);
    cairo_new_path(cr);
    cairo_arc(cr, 0, 0, 1, M_PI, 2 * M_PI);
    cairo_curve_to(cr, 1.0, 0.55, 0.7, 0.75, 0.0, 0.75);
    cairo_curve_to(cr, -0.7, 0.75, -1.0, 0.55, -1.0, 0.0);
    cairo_close_path(cr);
    cairo_restore(cr);
    SetVerticalGradient(cr, cy - ry, ry * 1.8, Hex(0xF6C56B), Hex(0xC7782A));
    cairo_fill_preserve(cr);
    Outline(cr, line);
    cairo_set_source_rgba(cr, 1.0, 0.93, 0.75, 0.95);
    cairo_set_line_width(cr, line * 0.9);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (int i = -1; i <= 1; ++i) {
        const double x = cx + i * rx * 0.42;
        cairo_move_to(cr, x - rx * 0.1, cy - ry * 0.45);
        cairo_line_to(cr, x + rx * 0.12, cy - ry * 0.05);
    }
    cairo_stroke(cr);
}

// A gold coin seen slightly from the front, with a rim and a star.
void Money(cairo_t* cr, double s, double line) {
    const double cx = s * 0.5, cy = s * 0.52, r = s * 0.42;
    Circle(cr, cx, cy, r);
    SetVerticalGradient(cr, cy - r, 2 * r, Hex(0xFFE27A), kGoldDark);
    cairo_fill_preserve(cr);
    Outline(cr, line);
    Circle(cr, cx, cy, r * 0.68);
    cairo_set_source_rgba(cr, kGoldDark.r, kGoldDark.g, kGoldDark.b, 0.75);
    cairo_set_line_width(cr, line * 0.8);
    cairo_stroke(cr);
    // five-pointed star
    cairo_new_path(cr);
    for (int i = 0; i < 10; ++i) {
        const double a = -M_PI / 2 + i * M_PI / 5;
        const double rr = (i % 2 == 0) ? r * 0.46 : r * 0.2;
        const double px = cx + rr * std::cos(a), py = cy + rr * std::sin(a);
        if (i == 0) {
            cairo_move_to(cr, px, py);
        } else {
            cairo_line_to(cr, px, py);
        }
    }
    cairo_close_path(cr);
    SetColor(cr, Hex(0xFFF3B8));
    cairo_fill(cr);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.7);
    Circle(cr, cx - r * 0.45, cy - r * 0.45, r * 0.12);
    cairo_fill(cr);
}

// A drop of blue magic water with a bright glint.
void Mana(cairo_t* cr, double s, double line) {
    const double cx = s * 0.5, top = s * 0.06, bottom = s * 0.94, r = s * 0.3;
    const double cy = bottom - r;
    cairo_new_path(cr);
    cairo_move_to(cr, cx, top);
    cairo_curve_to(cr, cx + r * 0.35, top + s * 0.22, cx + r, cy - r * 0.55, cx + r, cy);
    cairo_arc(cr, cx, cy, r, 0, M_PI);
    cairo_curve_to(cr, cx - r, cy - r * 0.55, cx - r * 0.35, top + s * 0.22, cx, top);
    cairo_close_path(cr);
    SetVerticalGradient(cr, top, bottom - top, Hex(0x9FD4FF), kManaDark);
    cairo_fill_preserve(cr);
    Outline(cr, line);
    cairo_save(cr);
    cairo_translate(cr, cx - r * 0.38, cy - r * 0.2);
    cairo_rotate(cr, -0.5);
    cairo_scale(cr, 0.45, 1.0);
    Circle(cr, 0, 0, r * 0.36);
    cairo_restore(cr);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.85);
    cairo_fill(cr);
}

}  // namespace

void DrawResourceIcon(cairo_t* cr, Resource resource, double x, double y, double size) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    const double line = std::fmax(1.0, size / 14.0);
    switch (resource) {
        case Resource::kWood:
            Wood(cr, size, line);
            break;
        case Resource::kFood:
            Food(cr, size, line);
            break;
        case Resource::kMoney:
            Money(cr, size, line);
            break;
        case Resource::kMana:
            Mana(cr, size, line);
            break;
    }
    cairo_restore(cr);
}

}  // namespace datakit
