#include "tools/common/Palette.h"

#include <cmath>

namespace datakit {

Rgb Mix(Rgb a, Rgb b, double t) {
    return Rgb{a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

void SetColor(cairo_t* cr, Rgb c, double alpha) {
    cairo_set_source_rgba(cr, c.r, c.g, c.b, alpha);
}

void RoundedRect(cairo_t* cr, double x, double y, double w, double h, double radius) {
    const double r = std::fmin(radius, std::fmin(w, h) / 2);
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + w - r, y + r, r, -M_PI / 2, 0);
    cairo_arc(cr, x + w - r, y + h - r, r, 0, M_PI / 2);
    cairo_arc(cr, x + r, y + h - r, r, M_PI / 2, M_PI);
    cairo_arc(cr, x + r, y + r, r, M_PI, 3 * M_PI / 2);
    cairo_close_path(cr);
}

void SetVerticalGradient(cairo_t* cr, double y, double h, Rgb top, Rgb bottom) {
    cairo_pattern_t* pattern = cairo_pattern_create_linear(0, y, 0, y + h);
    cairo_pattern_add_color_stop_rgb(pattern, 0, top.r, top.g, top.b);
    cairo_pattern_add_color_stop_rgb(pattern, 1, bottom.r, bottom.g, bottom.b);
    cairo_set_source(cr, pattern);
    cairo_pattern_destroy(pattern);
}

void FillShaded(cairo_t* cr, Rgb fill, double y, double h, double outline) {
    SetVerticalGradient(cr, y, h, Lighten(fill, 0.18), Darken(fill, 0.12));
    cairo_fill_preserve(cr);
    if (outline > 0) {
        SetColor(cr, palette::kInk);
        cairo_set_line_width(cr, outline);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        cairo_stroke(cr);
    } else {
        cairo_new_path(cr);
    }
}

void Sheen(cairo_t* cr, double x, double y, double w, double h, double radius, double alpha) {
    cairo_save(cr);
    RoundedRect(cr, x, y, w, h * 0.5, radius);
    cairo_pattern_t* pattern = cairo_pattern_create_linear(0, y, 0, y + h * 0.5);
    cairo_pattern_add_color_stop_rgba(pattern, 0, 1, 1, 1, alpha);
    cairo_pattern_add_color_stop_rgba(pattern, 1, 1, 1, 1, 0);
    cairo_set_source(cr, pattern);
    cairo_fill(cr);
    cairo_pattern_destroy(pattern);
    cairo_restore(cr);
}

void SoftShadow(cairo_t* cr, double x, double y, double w, double h, double radius, double spread,
                double alpha) {
    const int steps = 6;
    for (int i = steps; i >= 1; --i) {
        const double grow = spread * i / steps;
        RoundedRect(cr, x - grow, y - grow, w + 2 * grow, h + 2 * grow, radius + grow);
        cairo_set_source_rgba(cr, 0.16, 0.09, 0.04, alpha / steps);
        cairo_fill(cr);
    }
}

void Circle(cairo_t* cr, double cx, double cy, double radius) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, cx, cy, radius, 0, 2 * M_PI);
    cairo_close_path(cr);
}

void Ellipse(cairo_t* cr, double cx, double cy, double rx, double ry) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, rx, ry);
    Circle(cr, 0, 0, 1);
    cairo_restore(cr);
}

void Stroke(cairo_t* cr, Rgb color, double width, double alpha) {
    SetColor(cr, color, alpha);
    cairo_set_line_width(cr, width);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
}

}  // namespace datakit
