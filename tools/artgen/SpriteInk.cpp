#include "tools/artgen/SpriteInk.h"

#include <algorithm>
#include <cmath>

namespace artgen {

using namespace datakit;
using namespace datakit::palette;

void InkedLine(cairo_t* cr, const std::vector<Point>& points, double width, Rgb color) {
    if (points.empty())
        return;
    for (int pass = 0; pass < 2; ++pass) {
        cairo_move_to(cr, points[0].x, points[0].y);
        for (size_t i = 1; i < points.size(); ++i)
            cairo_line_to(cr, points[i].x, points[i].y);
        if (pass == 0)
            Stroke(cr, kInk, width + 2 * kFigureInk);
        else
            Stroke(cr, color, width);
    }
}

void InkedFill(cairo_t* cr, Rgb fill, double ink) {
    SetColor(cr, fill);
    cairo_fill_preserve(cr);
    SetColor(cr, kInk);
    cairo_set_line_width(cr, ink);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(cr);
}

void RoundedPolygon(cairo_t* cr, const std::vector<Point>& pts, double radius) {
    const size_t n = pts.size();
    if (n < 3)
        return;
    auto toward = [](Point a, Point b, double d) {
        const double len = std::max(std::hypot(b.x - a.x, b.y - a.y), 1e-6);
        const double t = std::min(d / len, 0.5);
        return Point{a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t};
    };
    cairo_new_sub_path(cr);
    for (size_t i = 0; i < n; ++i) {
        const Point prev = pts[(i + n - 1) % n], cur = pts[i], next = pts[(i + 1) % n];
        const Point a = toward(cur, prev, radius), b = toward(cur, next, radius);
        if (i == 0)
            cairo_move_to(cr, a.x, a.y);
        else
            cairo_line_to(cr, a.x, a.y);
        cairo_curve_to(cr, cur.x, cur.y, cur.x, cur.y, b.x, b.y);
    }
    cairo_close_path(cr);
}

}  // namespace artgen
