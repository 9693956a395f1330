#include "tools/artgen/PortraitKit.h"

#include <cmath>

#include "tools/artgen/ArtShapes.h"

namespace artgen {

using namespace datakit;
using namespace datakit::palette;

namespace {

constexpr double kRing = 112, kInner = 101;

}  // namespace

void Shape(cairo_t* cr, Rgb color, double y, double h, double outline) {
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    SetVerticalGradient(cr, y, h, Lighten(color, 0.18), Darken(color, 0.12));
    cairo_fill_preserve(cr);
    Stroke(cr, kInk, outline);
}

void InkedSegment(cairo_t* cr, double x0, double y0, double x1, double y1, Rgb color, double width,
                  double ink) {
    cairo_move_to(cr, x0, y0);
    cairo_line_to(cr, x1, y1);
    Stroke(cr, kInk, width + 2 * ink);
    cairo_move_to(cr, x0, y0);
    cairo_line_to(cr, x1, y1);
    Stroke(cr, color, width);
}

void PaintPortraitFrame(cairo_t* cr, Rgb back, const std::function<void(cairo_t*)>& figure) {
    const double c = kPortraitC;
    SoftGroundShadow(cr, c, c + 6, kRing + 4, kRing + 4, 0.35);
    Circle(cr, c, c, kInner);
    cairo_pattern_t* p = cairo_pattern_create_radial(c, c - 30, 10, c, c, kInner);
    cairo_pattern_add_color_stop_rgb(p, 0, Lighten(back, 0.55).r, Lighten(back, 0.55).g,
                                     Lighten(back, 0.55).b);
    cairo_pattern_add_color_stop_rgb(p, 1, back.r, back.g, back.b);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    cairo_save(cr);
    Circle(cr, c, c, kInner);
    cairo_clip(cr);
    figure(cr);
    cairo_restore(cr);
    // the wooden ring with a light rim and four brass studs
    cairo_new_path(cr);
    Circle(cr, c, c, kRing);
    cairo_new_sub_path(cr);
    cairo_arc_negative(cr, c, c, kInner, 2 * M_PI, 0);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    SetVerticalGradient(cr, c - kRing, 2 * kRing, kWoodLight, kWoodDark);
    cairo_fill(cr);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
    Circle(cr, c, c, kRing - 3);
    Stroke(cr, kWhite, 1.5, 0.3);
    Circle(cr, c, c, kRing);
    Stroke(cr, kInk, 3.5);
    Circle(cr, c, c, kInner);
    Stroke(cr, kInk, 3);
    for (int i = 0; i < 4; ++i) {
        const double a = M_PI / 4 + i * M_PI / 2;
        const double x = c + std::cos(a) * (kRing + kInner) / 2;
        const double y = c + std::sin(a) * (kRing + kInner) / 2;
        Circle(cr, x, y, 3.2);
        SetVerticalGradient(cr, y - 3, 6, kHoneyLight, kHoneyDark);
        cairo_fill_preserve(cr);
        Stroke(cr, kInk, 1.2);
    }
}

void Shoulders(cairo_t* cr, Rgb cloth, double top, double halfWidth) {
    const double c = kPortraitC;
    cairo_move_to(cr, c - halfWidth - 20, kPortraitSide);
    cairo_curve_to(cr, c - halfWidth, top + 20, c - halfWidth * 0.6, top, c, top);
    cairo_curve_to(cr, c + halfWidth * 0.6, top, c + halfWidth, top + 20, c + halfWidth + 20,
                   kPortraitSide);
    cairo_close_path(cr);
    Shape(cr, cloth, top, kPortraitSide - top);
}

void Neck(cairo_t* cr, const FaceLayout& f, Rgb skin) {
    cairo_rectangle(cr, f.cx - 17, f.cy + f.ry - 20, 34, 44);
    Shape(cr, Darken(skin, 0.08), f.cy + f.ry - 20, 44);
}

void Head(cairo_t* cr, const FaceLayout& f, Rgb skin) {
    for (int side : {-1, 1}) {
        Ellipse(cr, f.cx + side * f.rx, f.eyeY + 6, 10, 13);
        Shape(cr, skin, f.eyeY - 7, 26);
    }
    Ellipse(cr, f.cx, f.cy, f.rx, f.ry);
    Shape(cr, skin, f.cy - f.ry, 2 * f.ry);
}

void Eyes(cairo_t* cr, const FaceLayout& f, double size, double lift) {
    for (int side : {-1, 1}) {
        const double x = f.cx + side * f.eyeGap;
        Ellipse(cr, x, f.eyeY, size * 0.75, size);
        SetColor(cr, kInk);
        cairo_fill(cr);
        Circle(cr, x + size * 0.25, f.eyeY - size * 0.35, size * 0.3);
        SetColor(cr, kWhite);
        cairo_fill(cr);
        if (lift > 0) {
            cairo_move_to(cr, x - size, f.eyeY + size * (1.2 - lift));
            cairo_curve_to(cr, x - size * 0.4, f.eyeY + size * (0.6 - lift), x + size * 0.4,
                           f.eyeY + size * (0.6 - lift), x + size, f.eyeY + size * (1.2 - lift));
            Stroke(cr, kInk, 2);
        }
    }
}

void SmilingEyes(cairo_t* cr, const FaceLayout& f, double size) {
    for (int side : {-1, 1}) {
        const double x = f.cx + side * f.eyeGap;
        cairo_move_to(cr, x - size, f.eyeY + size * 0.3);
        cairo_curve_to(cr, x - size * 0.5, f.eyeY - size * 0.7, x + size * 0.5, f.eyeY - size * 0.7,
                       x + size, f.eyeY + size * 0.3);
        Stroke(cr, kInk, 3.6);
    }
}

void Brows(cairo_t* cr, const FaceLayout& f, Rgb hair, double width, double tilt) {
    for (int side : {-1, 1}) {
        const double x = f.cx + side * f.eyeGap, y = f.eyeY - 17;
        cairo_move_to(cr, x - 9 * side, y + tilt);
        cairo_curve_to(cr, x - 3 * side, y - 4, x + 4 * side, y - 4, x + 10 * side, y - tilt);
        Stroke(cr, hair, width);
    }
}

void Cheeks(cairo_t* cr, const FaceLayout& f, double alpha) {
    for (int side : {-1, 1}) {
        Ellipse(cr, f.cx + side * (f.eyeGap + 12), f.eyeY + 20, 10, 7);
        cairo_set_source_rgba(cr, 0.95, 0.45, 0.4, alpha);
        cairo_fill(cr);
    }
}

void Nose(cairo_t* cr, const FaceLayout& f, Rgb skin, double size) {
    const double y = (f.eyeY + f.mouthY) / 2 + 2;
    cairo_move_to(cr, f.cx - size * 0.2, y - size * 0.9);
    cairo_curve_to(cr, f.cx + size * 0.9, y - size * 0.1, f.cx + size * 0.5, y + size * 0.6,
                   f.cx - size * 0.4, y + size * 0.45);
    Stroke(cr, Darken(skin, 0.38), 2.6);
}

void Smile(cairo_t* cr, const FaceLayout& f, double width, double open) {
    const double y = f.mouthY, w = width / 2;
    if (open <= 0) {
        cairo_move_to(cr, f.cx - w, y - 2);
        cairo_curve_to(cr, f.cx - w * 0.4, y + 6, f.cx + w * 0.4, y + 6, f.cx + w, y - 2);
        Stroke(cr, kInk, 3.2);
        return;
    }
    cairo_move_to(cr, f.cx - w, y - 3);
    cairo_curve_to(cr, f.cx - w * 0.5, y - 1, f.cx + w * 0.5, y - 1, f.cx + w, y - 3);
    cairo_curve_to(cr, f.cx + w * 0.7, y + open, f.cx - w * 0.7, y + open, f.cx - w, y - 3);
    cairo_close_path(cr);
    cairo_path_t* mouth = cairo_copy_path(cr);
    SetColor(cr, Hex(0x8E3B33));
    cairo_fill(cr);
    cairo_save(cr);
    cairo_append_path(cr, mouth);
    cairo_clip(cr);
    cairo_rectangle(cr, f.cx - w, y - 4, 2 * w, open * 0.32);
    SetColor(cr, kWhite);
    cairo_fill(cr);
    Ellipse(cr, f.cx, y + open * 0.85, w * 0.5, open * 0.35);
    SetColor(cr, Hex(0xE07A70));
    cairo_fill(cr);
    cairo_restore(cr);
    cairo_append_path(cr, mouth);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    Stroke(cr, kInk, 3);
    cairo_path_destroy(mouth);
}

}  // namespace artgen
