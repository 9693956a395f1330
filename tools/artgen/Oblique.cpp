#include "tools/artgen/Oblique.h"

#include <algorithm>
#include <cmath>

namespace artgen {

using namespace datakit;
using namespace datakit::palette;

namespace {

const double kCos15 = std::cos(M_PI / 12), kSin15 = std::sin(M_PI / 12);
const double kCos45 = std::sqrt(0.5);

// The direction the viewer looks along: the one ground-and-height direction
// that projects onto a single point.
const P3 kView{-0.8164966, 1.1153550, -1.0};

// Angles (around a drum's axis, from +a toward +b) where its visible side
// begins and ends: perpendicular to the view's ground direction.
double VisibleStart() {
    return std::atan2(kView.b, kView.a) + M_PI / 2;
}

std::vector<P2> Hull(std::vector<P2> points) {
    std::sort(points.begin(), points.end(),
              [](P2 p, P2 q) { return p.x < q.x || (p.x == q.x && p.y < q.y); });
    if (points.size() < 3)
        return points;
    auto cross = [](P2 o, P2 a, P2 b) {
        return (a.x - o.x) * (b.y - o.y) - (a.y - o.y) * (b.x - o.x);
    };
    std::vector<P2> hull(2 * points.size());
    size_t k = 0;
    for (size_t i = 0; i < points.size(); ++i) {
        while (k >= 2 && cross(hull[k - 2], hull[k - 1], points[i]) <= 0)
            --k;
        hull[k++] = points[i];
    }
    for (size_t i = points.size() - 1, t = k + 1; i > 0; --i) {
        while (k >= t && cross(hull[k - 2], hull[k - 1], points[i - 1]) <= 0)
            --k;
        hull[k++] = points[i - 1];
    }
    hull.resize(k - 1);
    return hull;
}

P3 OnCircle(double a, double b, double r, double z, double angle) {
    return {a + r * std::cos(angle), b + r * std::sin(angle), z};
}

// A left-to-right shading over the current path's horizontal extent.
void SetAcrossGradient(cairo_t* cr, Rgb color) {
    double x0, y0, x1, y1;
    cairo_fill_extents(cr, &x0, &y0, &x1, &y1);
    cairo_pattern_t* p = cairo_pattern_create_linear(x0, 0, std::max(x1, x0 + 1), 0);
    const Rgb light = Lighten(color, 0.16), dark = SideShade(color);
    cairo_pattern_add_color_stop_rgb(p, 0, light.r, light.g, light.b);
    cairo_pattern_add_color_stop_rgb(p, 0.45, color.r, color.g, color.b);
    cairo_pattern_add_color_stop_rgb(p, 1, dark.r, dark.g, dark.b);
    cairo_set_source(cr, p);
    cairo_pattern_destroy(p);
}

void Outline(cairo_t* cr, double outline) {
    if (outline > 0) {
        Stroke(cr, kInk, outline);
    } else {
        cairo_new_path(cr);
    }
}

}  // namespace

P2 Project(P3 p) {
    return {kCos15 * p.a + kCos45 * p.b, kSin15 * p.a - kCos45 * p.b - p.z};
}

bool FacesViewer(P3 n) {
    return n.a * kView.a + n.b * kView.b + n.z * kView.z < 0;
}

void InPlane(cairo_t* cr, P3 origin, P3 ex, P3 ey, const std::function<void()>& build) {
    const P2 o = Project(origin), x = Project(ex), y = Project(ey);
    cairo_save(cr);
    cairo_matrix_t m;
    cairo_matrix_init(&m, x.x, x.y, y.x, y.y, o.x, o.y);
    cairo_transform(cr, &m);
    build();
    cairo_restore(cr);
}

void InGround(cairo_t* cr, double z, const std::function<void()>& build) {
    InPlane(cr, {0, 0, z}, {1, 0, 0}, {0, 1, 0}, build);
}

void InFront(cairo_t* cr, double b, const std::function<void()>& build) {
    InPlane(cr, {0, b, 0}, {1, 0, 0}, {0, 0, 1}, build);
}

void InSide(cairo_t* cr, double a, const std::function<void()>& build) {
    InPlane(cr, {a, 0, 0}, {0, 1, 0}, {0, 0, 1}, build);
}

void InDrumFront(cairo_t* cr, double a, double b, double r, const std::function<void()>& build) {
    // the ground direction toward the viewer, and the one across it
    const double length = std::hypot(kView.a, kView.b);
    const double ta = -kView.a / length, tb = -kView.b / length;
    InPlane(cr, {a + r * ta, b + r * tb, 0}, {-tb, ta, 0}, {0, 0, 1}, build);
}

void MoveTo(cairo_t* cr, P3 p) {
    const P2 q = Project(p);
    cairo_move_to(cr, q.x, q.y);
}

void LineTo(cairo_t* cr, P3 p) {
    const P2 q = Project(p);
    cairo_line_to(cr, q.x, q.y);
}

void Polygon(cairo_t* cr, const std::vector<P3>& points) {
    for (size_t i = 0; i < points.size(); ++i) {
        if (i == 0) {
            MoveTo(cr, points[i]);
        } else {
            LineTo(cr, points[i]);
        }
    }
    cairo_close_path(cr);
}

void HullPath(cairo_t* cr, const std::vector<P3>& points) {
    std::vector<P2> projected;
    for (P3 p : points)
        projected.push_back(Project(p));
    const std::vector<P2> hull = Hull(projected);
    for (size_t i = 0; i < hull.size(); ++i) {
        if (i == 0) {
            cairo_move_to(cr, hull[i].x, hull[i].y);
        } else {
            cairo_line_to(cr, hull[i].x, hull[i].y);
        }
    }
    cairo_close_path(cr);
}

void GroundCircle(cairo_t* cr, double a, double b, double z, double r) {
    InGround(cr, z, [&] { Circle(cr, a, b, r); });
}

void FillGradient(cairo_t* cr, Rgb top, Rgb bottom, double outline) {
    double x0, y0, x1, y1;
    cairo_fill_extents(cr, &x0, &y0, &x1, &y1);
    SetVerticalGradient(cr, y0, std::max(1.0, y1 - y0), top, bottom);
    cairo_fill_preserve(cr);
    Outline(cr, outline);
}

void Fill(cairo_t* cr, Rgb color, double outline) {
    FillGradient(cr, Lighten(color, 0.08), Darken(color, 0.06), outline);
}

void FillFlat(cairo_t* cr, Rgb color, double outline, double alpha) {
    SetColor(cr, color, alpha);
    cairo_fill_preserve(cr);
    Outline(cr, outline);
}

void Line(cairo_t* cr, Rgb color, double width, double alpha) {
    Stroke(cr, color, width, alpha);
}

void InkedLine(cairo_t* cr, Rgb color, double width) {
    cairo_path_t* path = cairo_copy_path(cr);
    Stroke(cr, kInk, width + 1.8);
    cairo_append_path(cr, path);
    cairo_path_destroy(path);
    Stroke(cr, color, width);
}

Rgb FrontShade(Rgb base) {
    return base;
}

Rgb SideShade(Rgb base) {
    return Darken(base, 0.2);
}

Rgb TopShade(Rgb base) {
    return Lighten(base, 0.14);
}

void DrawBox(cairo_t* cr, const Box& x, Rgb wall, Rgb top) {
    Polygon(cr, {{x.a1, x.b0, x.z0}, {x.a1, x.b1, x.z0}, {x.a1, x.b1, x.z1}, {x.a1, x.b0, x.z1}});
    Fill(cr, SideShade(wall));
    Polygon(cr, {{x.a0, x.b0, x.z0}, {x.a1, x.b0, x.z0}, {x.a1, x.b0, x.z1}, {x.a0, x.b0, x.z1}});
    Fill(cr, FrontShade(wall));
    Polygon(cr, {{x.a0, x.b0, x.z1}, {x.a1, x.b0, x.z1}, {x.a1, x.b1, x.z1}, {x.a0, x.b1, x.z1}});
    Fill(cr, TopShade(top));
}

namespace {

const double kRoofThickness = 3;

// Tile courses across a slope given by its eave corners and ridge corners.
void TileCourses(cairo_t* cr, P3 eave0, P3 eave1, P3 ridge0, double upTo, Rgb tiles) {
    const P3 along{eave1.a - eave0.a, eave1.b - eave0.b, eave1.z - eave0.z};
    const P3 up{ridge0.a - eave0.a, ridge0.b - eave0.b, ridge0.z - eave0.z};
    const double length = std::sqrt(up.a * up.a + up.b * up.b + up.z * up.z);
    const int courses = std::max(2, static_cast<int>(length / 9));
    InPlane(cr, eave0, along, up, [&] {
        for (int k = 1; k < courses; ++k) {
            const double t = double(k) / courses;
            if (t >= upTo)
                break;
            cairo_move_to(cr, 0.02, t);
            cairo_line_to(cr, 0.98, t);
        }
    });
    Line(cr, Darken(tiles, 0.28), kDetail, 0.55);
}

// Rafters up a slope that is not tiled yet, above the tiled part.
void Rafters(cairo_t* cr, P3 eave0, P3 eave1, P3 ridge0, double from) {
    const P3 along{eave1.a - eave0.a, eave1.b - eave0.b, eave1.z - eave0.z};
    const P3 up{ridge0.a - eave0.a, ridge0.b - eave0.b, ridge0.z - eave0.z};
    const double width = std::sqrt(along.a * along.a + along.b * along.b + along.z * along.z);
    const int count = std::max(2, static_cast<int>(width / 14));
    InPlane(cr, eave0, along, up, [&] {
        for (int k = 0; k <= count; ++k) {
            const double s = 0.04 + 0.92 * k / count;
            cairo_move_to(cr, s, from);
            cairo_line_to(cr, s, 1.0);
        }
    });
    InkedLine(cr, kWoodLight, 1.6);
}

P3 Lerp(P3 p, P3 q, double t) {
    return {p.a + (q.a - p.a) * t, p.b + (q.b - p.b) * t, p.z + (q.z - p.z) * t};
}

// One slope: eave corners e0, e1 (in that order along the eave) and ridge
// corners r1, r0 above them; tiled up to `fill`.
void Slope(cairo_t* cr, P3 e0, P3 e1, P3 r1, P3 r0, Rgb color, Rgb tiles, double fill) {
    if (fill <= 0) {
        Rafters(cr, e0, e1, r0, 0);
        return;
    }
    const P3 m1 = Lerp(e1, r1, fill), m0 = Lerp(e0, r0, fill);
    Polygon(cr, {e0, e1, m1, m0});
    Fill(cr, color);
    TileCourses(cr, e0, e1, r0, fill, tiles);
    if (fill < 1) {
        Rafters(cr, e0, e1, r0, fill);
    }
}

}  // namespace

void DrawRoof(cairo_t* cr, const Roof& r, Rgb tiles, Rgb gableWall, double fill) {
    const double e = r.eave, rise = r.zRidge - r.zEave;
    if (r.alongA) {
        const double bm = (r.b0 + r.b1) / 2, run = bm - r.b0;
        const double zLow = r.zEave - e * rise / run;
        const double a0 = r.a0 - e, a1 = r.a1 + e, b0 = r.b0 - e, b1 = r.b1 + e;
        if (fill >= 1 && FacesViewer({0, rise, run})) {
            Polygon(cr, {{a0, bm, r.zRidge}, {a1, bm, r.zRidge}, {a1, b1, zLow}, {a0, b1, zLow}});
            Fill(cr, Darken(tiles, 0.1));
        }
        Polygon(cr, {{r.a1, r.b0, r.zEave}, {r.a1, r.b1, r.zEave}, {r.a1, bm, r.zRidge}});
        Fill(cr, SideShade(gableWall));
        if (fill >= 1) {
            Polygon(cr, {{a1, b0, zLow},
                         {a1, bm, r.zRidge},
                         {a1, b1, zLow},
                         {a1, b1, zLow - kRoofThickness},
                         {a1, bm, r.zRidge - kRoofThickness},
                         {a1, b0, zLow - kRoofThickness}});
            Fill(cr, SideShade(Darken(tiles, 0.15)));
        }
        Slope(cr, {a0, b0, zLow}, {a1, b0, zLow}, {a1, bm, r.zRidge}, {a0, bm, r.zRidge}, tiles,
              tiles, fill);
        if (fill > 0) {
            Polygon(cr, {{a0, b0, zLow},
                         {a1, b0, zLow},
                         {a1, b0, zLow - kRoofThickness},
                         {a0, b0, zLow - kRoofThickness}});
            Fill(cr, Darken(tiles, 0.25));
        }
        if (fill >= 1) {
            MoveTo(cr, {a0, bm, r.zRidge});
            LineTo(cr, {a1, bm, r.zRidge});
            InkedLine(cr, Lighten(tiles, 0.3), 1.4);
        }
        return;
    }
    const double am = (r.a0 + r.a1) / 2, run = am - r.a0;
    const double zLow = r.zEave - e * rise / run;
    const double a0 = r.a0 - e, a1 = r.a1 + e, b0 = r.b0 - e, b1 = r.b1 + e;
    Polygon(cr, {{r.a0, r.b0, r.zEave}, {r.a1, r.b0, r.zEave}, {am, r.b0, r.zRidge}});
    Fill(cr, FrontShade(gableWall));
    if (FacesViewer({-rise, 0, run})) {
        Slope(cr, {a0, b1, zLow}, {a0, b0, zLow}, {am, b0, r.zRidge}, {am, b1, r.zRidge},
              Lighten(tiles, 0.06), tiles, fill);
    }
    Slope(cr, {a1, b0, zLow}, {a1, b1, zLow}, {am, b1, r.zRidge}, {am, b0, r.zRidge},
          SideShade(tiles), tiles, fill);
    if (fill > 0) {
        Polygon(cr, {{a0, b0, zLow},
                     {am, b0, r.zRidge},
                     {a1, b0, zLow},
                     {a1, b0, zLow - kRoofThickness},
                     {am, b0, r.zRidge - kRoofThickness},
                     {a0, b0, zLow - kRoofThickness}});
        Fill(cr, Darken(tiles, 0.2));
    }
}

void DrumBand(cairo_t* cr, double a, double b, double r0, double r1, double z0, double z1) {
    const double start = VisibleStart();
    const int steps = 24;
    for (int k = 0; k <= steps; ++k) {
        const P3 p = OnCircle(a, b, r0, z0, start + M_PI * k / steps);
        if (k == 0) {
            MoveTo(cr, p);
        } else {
            LineTo(cr, p);
        }
    }
    for (int k = steps; k >= 0; --k) {
        LineTo(cr, OnCircle(a, b, r1, z1, start + M_PI * k / steps));
    }
    cairo_close_path(cr);
}

void DrawDrum(cairo_t* cr, double a, double b, double r0, double r1, double z0, double z1,
              Rgb color, bool cap) {
    DrumBand(cr, a, b, r0, r1, z0, z1);
    SetAcrossGradient(cr, color);
    cairo_fill_preserve(cr);
    Outline(cr, kOutline);
    if (cap) {
        GroundCircle(cr, a, b, z1, r1);
        Fill(cr, TopShade(color));
    }
}

void DrawCone(cairo_t* cr, double a, double b, double r, double z0, double zApex, Rgb color) {
    std::vector<P3> points{{a, b, zApex}};
    for (int k = 0; k < 48; ++k)
        points.push_back(OnCircle(a, b, r, z0, 2 * M_PI * k / 48));
    HullPath(cr, points);
    SetAcrossGradient(cr, color);
    cairo_fill_preserve(cr);
    Outline(cr, kOutline);
}

void GroundShadow(cairo_t* cr, double a0, double a1, double b0, double b1, double alpha) {
    const int steps = 5;
    for (int i = steps; i >= 1; --i) {
        const double grow = 7.0 * i / steps;
        InGround(cr, 0, [&] {
            RoundedRect(cr, a0 - grow + 5, b0 - grow + 4, a1 - a0 + 2 * grow, b1 - b0 + 2 * grow,
                        6 + grow);
        });
        cairo_set_source_rgba(cr, 0.16, 0.12, 0.02, alpha / steps);
        cairo_fill(cr);
    }
}

void GroundShadowDisc(cairo_t* cr, double a, double b, double r, double alpha) {
    const int steps = 5;
    for (int i = steps; i >= 1; --i) {
        GroundCircle(cr, a + 4, b + 4, 0, r + 6.0 * i / steps);
        cairo_set_source_rgba(cr, 0.16, 0.12, 0.02, alpha / steps);
        cairo_fill(cr);
    }
}

}  // namespace artgen
