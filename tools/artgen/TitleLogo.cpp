#include "tools/artgen/TitleLogo.h"

#include <cmath>

#include "tools/artgen/Lettering.h"
#include "tools/common/Palette.h"

namespace artgen {

using namespace datakit;
using namespace datakit::palette;

void PaintTitleLogo(cairo_t* cr, const PaintContext& context, double cx, double baseline,
                    double scale) {
    Lettering letters(context, "DejaVuSerif-Bold.ttf");
    const double size = 118 * scale, radius = 1100 * scale;
    // a soft light cloud behind the letters so they read on any sky
    cairo_save(cr);
    cairo_translate(cr, cx, baseline - size * 0.32);
    cairo_scale(cr, 430 * scale, 95 * scale);
    cairo_pattern_t* glow = cairo_pattern_create_radial(0, 0, 0, 0, 0, 1);
    cairo_pattern_add_color_stop_rgba(glow, 0, 1, 0.98, 0.9, 0.55);
    cairo_pattern_add_color_stop_rgba(glow, 1, 1, 0.98, 0.9, 0);
    cairo_set_source(cr, glow);
    Circle(cr, 0, 0, 1);
    cairo_fill(cr);
    cairo_pattern_destroy(glow);
    cairo_restore(cr);
    cairo_new_path(cr);
    letters.ArcTextPath(cr, "Brindlemoor", cx, baseline + radius, radius, size);
    PaintTitle(cr, Hex(0xFFE78C), Hex(0xF08A24), baseline - size * 0.8, baseline + size * 0.05,
               7 * scale, 8 * scale);
    // a sprig of leaves under the name
    const double y = baseline + 40 * scale;
    cairo_move_to(cr, cx - 150 * scale, y);
    cairo_curve_to(cr, cx - 60 * scale, y + 14 * scale, cx + 60 * scale, y + 14 * scale,
                   cx + 150 * scale, y);
    SetColor(cr, kInk);
    cairo_set_line_width(cr, 8 * scale);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke_preserve(cr);
    SetColor(cr, kLeafDark);
    cairo_set_line_width(cr, 4 * scale);
    cairo_stroke(cr);
    for (int i = -3; i <= 3; ++i) {
        if (i == 0)
            continue;
        const double t = i / 3.0;
        const double lx = cx + t * 140 * scale;
        const double ly = y + 10 * scale * (1 - t * t);
        cairo_save(cr);
        cairo_translate(cr, lx, ly);
        cairo_rotate(cr, (i < 0 ? M_PI : 0) + (i < 0 ? 0.5 : -0.5));
        cairo_scale(cr, scale, scale);
        cairo_move_to(cr, 0, 0);
        cairo_curve_to(cr, 8, -10, 22, -10, 30, 0);
        cairo_curve_to(cr, 22, 10, 8, 10, 0, 0);
        cairo_restore(cr);
        SetVerticalGradient(cr, ly - 10 * scale, 20 * scale, kLeafLight, kLeaf);
        cairo_fill_preserve(cr);
        SetColor(cr, kInk);
        cairo_set_line_width(cr, 2.5 * scale);
        cairo_stroke(cr);
    }
    Circle(cr, cx, y + 11 * scale, 9 * scale);
    SetVerticalGradient(cr, y, 20 * scale, Lighten(kBerry, 0.3), kBerryDark);
    cairo_fill_preserve(cr);
    SetColor(cr, kInk);
    cairo_set_line_width(cr, 2.5 * scale);
    cairo_stroke(cr);
}

}  // namespace artgen
