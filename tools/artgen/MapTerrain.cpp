#include "tools/artgen/MapTerrain.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "tools/artgen/ArtShapes.h"
#include "tools/artgen/Scenery.h"
#include "tools/common/Palette.h"

namespace artgen {

using namespace datakit;
using namespace datakit::palette;

namespace {

constexpr Rgb kMeadowTop = Hex(0xA6D86A), kMeadow = Hex(0x86C24F);
constexpr Rgb kSand = Hex(0xF1DCA3), kRoad = Hex(0xEED7A0), kRoadEdge = Hex(0xB98D55);
constexpr Rgb kWater = Hex(0x6CC0E6);

// Top edge of the plain, below the hills of the distance.
double PlainTop(double x) {
    return 116 + 7 * std::sin(x * 0.008) + 4 * std::sin(x * 0.021 + 2);
}

// The land between the plain's top edge and the coast moved by `offset`.
void LandPath(cairo_t* cr, double offset) {
    cairo_new_path(cr);
    cairo_move_to(cr, -2, PlainTop(-2));
    for (double x = 0; x <= kMapW + 2; x += 4)
        cairo_line_to(cr, x, PlainTop(x));
    for (double x = kMapW + 2; x >= -2; x -= 4)
        cairo_line_to(cr, x, CoastY(x) + offset);
    cairo_close_path(cr);
}

double SegmentDistance(double px, double py, const MapPoint& a, const MapPoint& b) {
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double len2 = dx * dx + dy * dy;
    double t = len2 > 0 ? ((px - a.x) * dx + (py - a.y) * dy) / len2 : 0;
    t = std::clamp(t, 0.0, 1.0);
    return std::hypot(px - (a.x + t * dx), py - (a.y + t * dy));
}

double PolylineDistance(double x, double y, const std::vector<MapPoint>& line) {
    double best = std::numeric_limits<double>::max();
    for (size_t i = 0; i + 1 < line.size(); ++i)
        best = std::min(best, SegmentDistance(x, y, line[i], line[i + 1]));
    return best;
}

const std::vector<MapPoint>& RoadPicture() {
    static const std::vector<MapPoint> road = [] {
        std::vector<MapPoint> line = RoadLine(3);
        for (MapPoint& p : line)
            p = ToPicture(p);
        return line;
    }();
    return road;
}

}  // namespace

double CoastY(double x) {
    double y = 460 + 14 * std::sin(x * 0.0105 + 0.4) + 8 * std::sin(x * 0.027 + 1.3) +
               4 * std::sin(x * 0.063);
    // the river's mouth opens a small bay
    const double mouth = (x - 1168) / 44;
    y -= 16 * std::exp(-mouth * mouth);
    return y;
}

const std::vector<MapPoint>& RiverLine() {
    static const std::vector<MapPoint> river = SmoothLine(
        {
            {1082, 112},
            {1098, 150},
            {1080, 196},
            {1098, 246},
            {1140, 284},
            {1138, 330},
            {1156, 380},
            {1166, 420},
            {1168, 470},
        },
        4);
    return river;
}

double RiverWidth(double y) {
    return 8 + 10 * std::clamp((y - 112) / 330, 0.0, 1.0);
}

double DistanceToRoad(double x, double y) {
    return PolylineDistance(x, y, RoadPicture());
}

bool IsDry(double x, double y, double margin) {
    if (y > CoastY(x) - 10 - margin || y < PlainTop(x) + margin)
        return false;
    const double lx = (x - kLakeCentre.x) / (kLakeRx + margin);
    const double ly = (y - kLakeCentre.y) / (kLakeRy + margin);
    if (lx * lx + ly * ly < 1)
        return false;
    return PolylineDistance(x, y, RiverLine()) > RiverWidth(y) / 2 + margin;
}

void PaintSky(cairo_t* cr) {
    cairo_rectangle(cr, 0, 0, kMapW, 140);
    cairo_pattern_t* sky = cairo_pattern_create_linear(0, 0, 0, 130);
    cairo_pattern_add_color_stop_rgb(sky, 0, 0.49, 0.77, 0.92);
    cairo_pattern_add_color_stop_rgb(sky, 1, 0.86, 0.94, 0.96);
    cairo_set_source(cr, sky);
    cairo_fill(cr);
    cairo_pattern_destroy(sky);
    const struct {
        double x, y, s;
    } clouds[] = {{150, 30, 0.42}, {520, 18, 0.32}, {860, 38, 0.38},
                  {1330, 22, 0.4}, {1640, 40, 0.3}, {1780, 16, 0.34}};
    for (const auto& c : clouds)
        PaintCloud(cr, c.x, c.y, c.s);
}

void PaintMountains(cairo_t* cr) {
    // far peaks, hazy blue, some with snow
    const struct {
        double x, top, half;
        bool snow;
    } peaks[] = {{60, 64, 110, false},   {250, 46, 130, true},   {430, 70, 110, false},
                 {610, 40, 140, true},   {800, 66, 120, false},  {990, 36, 150, true},
                 {1200, 60, 120, false}, {1380, 42, 140, true},  {1560, 68, 110, false},
                 {1720, 50, 130, true},  {1900, 62, 120, false}, {2060, 48, 120, true}};
    const Rgb far = Lighten(Mix(kSkyDeep, kLeafDark, 0.35), 0.4);
    for (const auto& p : peaks) {
        cairo_move_to(cr, p.x - p.half, 124);
        cairo_curve_to(cr, p.x - p.half * 0.45, 100, p.x - 16, p.top + 4, p.x, p.top);
        cairo_curve_to(cr, p.x + 16, p.top + 4, p.x + p.half * 0.45, 100, p.x + p.half, 124);
        cairo_close_path(cr);
        SetVerticalGradient(cr, p.top, 124 - p.top, Lighten(far, 0.15), far);
        cairo_fill_preserve(cr);
        Stroke(cr, kInk, 1.4, 0.35);
        if (p.snow) {
            cairo_move_to(cr, p.x - 24, p.top + 17);
            cairo_curve_to(cr, p.x - 14, p.top + 6, p.x - 6, p.top + 1, p.x, p.top);
            cairo_curve_to(cr, p.x + 6, p.top + 1, p.x + 14, p.top + 6, p.x + 24, p.top + 17);
            cairo_line_to(cr, p.x + 12, p.top + 13);
            cairo_line_to(cr, p.x + 4, p.top + 19);
            cairo_line_to(cr, p.x - 6, p.top + 13);
            cairo_close_path(cr);
            SetColor(cr, kWhite, 0.9);
            cairo_fill(cr);
        }
    }
    // nearer hills, greener, rolling into the plain
    const Rgb hills = Mix(kLeaf, kSky, 0.3);
    cairo_new_path(cr);
    for (double x = -40; x < kMapW + 60; x += 70) {
        const double r = 46 + 14 * std::sin(x * 0.013);
        Circle(cr, x, 122 + 8 * std::sin(x * 0.031) + r * 0.45, r);
    }
    SetVerticalGradient(cr, 80, 80, Lighten(hills, 0.2), hills);
    cairo_fill(cr);
}

void PaintMeadows(cairo_t* cr) {
    LandPath(cr, -10);
    SetVerticalGradient(cr, 100, 360, kMeadowTop, kMeadow);
    cairo_fill(cr);
    // broad soft patches of lighter and darker grass
    cairo_save(cr);
    LandPath(cr, -10);
    cairo_clip(cr);
    Rng rng(17);
    for (int i = 0; i < 90; ++i) {
        const double x = rng.Range(0, kMapW), y = rng.Range(110, 460);
        const bool light = rng.Next() < 0.5;
        Ellipse(cr, x, y, rng.Range(40, 110), rng.Range(16, 34));
        SetColor(cr, light ? kLeafLight : kLeafDark, light ? 0.22 : 0.12);
        cairo_fill(cr);
    }
    // grass tufts
    for (int i = 0; i < 900; ++i) {
        const double x = rng.Range(0, kMapW), y = rng.Range(120, 460);
        cairo_move_to(cr, x - 2.5, y);
        cairo_line_to(cr, x - 1, y - 3.5);
        cairo_move_to(cr, x + 0.5, y);
        cairo_line_to(cr, x + 2, y - 4);
        Stroke(cr, kLeafDark, 1, 0.35);
    }
    cairo_restore(cr);
    // the plain's far edge
    cairo_move_to(cr, -2, PlainTop(-2));
    for (double x = 0; x <= kMapW + 2; x += 4)
        cairo_line_to(cr, x, PlainTop(x));
    Stroke(cr, kLeafDark, 1.5, 0.35);
    // and its edge above the beach
    cairo_move_to(cr, -2, CoastY(-2) - 10);
    for (double x = 0; x <= kMapW + 2; x += 4)
        cairo_line_to(cr, x, CoastY(x) - 10);
    Stroke(cr, kLeafDark, 1.6, 0.6);
}

void PaintCoast(cairo_t* cr) {
    // shallow water fading into the sea tile below the picture's edge
    cairo_save(cr);
    LandPath(cr, 26);
    cairo_pattern_t* shallow = cairo_pattern_create_linear(0, 400, 0, 500);
    cairo_pattern_add_color_stop_rgba(shallow, 0, 0.72, 0.92, 0.93, 0.8);
    cairo_pattern_add_color_stop_rgba(shallow, 1, 0.72, 0.92, 0.93, 0.0);
    cairo_set_source(cr, shallow);
    cairo_fill(cr);
    cairo_pattern_destroy(shallow);
    cairo_restore(cr);
    // surf along the beach
    for (int pass = 0; pass < 2; ++pass) {
        const double off = pass ? 10 : 4;
        cairo_move_to(cr, -2, CoastY(-2) + off);
        for (double x = 0; x <= kMapW + 2; x += 4)
            cairo_line_to(cr, x, CoastY(x) + off + 1.5 * std::sin(x * 0.09 + pass));
        Stroke(cr, kWhite, pass ? 1.5 : 2.5, pass ? 0.5 : 0.85);
    }
    // the beach
    LandPath(cr, 0);
    SetColor(cr, kSand);
    cairo_fill(cr);
    cairo_move_to(cr, -2, CoastY(-2));
    for (double x = 0; x <= kMapW + 2; x += 4)
        cairo_line_to(cr, x, CoastY(x));
    Stroke(cr, kInk, 1.6, 0.5);
}

void PaintLakeAndRiver(cairo_t* cr) {
    const auto& river = RiverLine();
    // the river ends where the beach does
    cairo_save(cr);
    LandPath(cr, 3);
    cairo_clip(cr);
    // banks and water widen towards the sea: one short stroke per step
    for (int pass = 0; pass < 2; ++pass) {
        for (size_t i = 0; i + 1 < river.size(); ++i) {
            const double w = RiverWidth(river[i].y);
            cairo_move_to(cr, river[i].x, river[i].y);
            cairo_line_to(cr, river[i + 1].x, river[i + 1].y);
            if (pass == 0) {
                Stroke(cr, kSand, w + 7);
            } else {
                Stroke(cr, kWater, w);
            }
        }
    }
    // the glint along the middle is see-through: one stroke, so it never
    // doubles up where steps meet
    cairo_move_to(cr, river[0].x, river[0].y);
    for (const MapPoint& p : river)
        cairo_line_to(cr, p.x, p.y);
    Stroke(cr, kSkyLight, 2.5, 0.6);
    cairo_restore(cr);
    Ellipse(cr, kLakeCentre.x, kLakeCentre.y, kLakeRx + 5, kLakeRy + 4);
    SetColor(cr, kSand);
    cairo_fill_preserve(cr);
    Stroke(cr, kInk, 1.4, 0.4);
    Ellipse(cr, kLakeCentre.x, kLakeCentre.y, kLakeRx, kLakeRy);
    SetVerticalGradient(cr, kLakeCentre.y - kLakeRy, 2 * kLakeRy, kSkyDeep, kWater);
    cairo_fill(cr);
    for (int i = 0; i < 3; ++i) {
        const double y = kLakeCentre.y - 10 + i * 10, w = 34 - i * 6;
        cairo_move_to(cr, kLakeCentre.x - w + i * 8, y);
        cairo_curve_to(cr, kLakeCentre.x - w / 2, y - 3, kLakeCentre.x, y + 3,
                       kLakeCentre.x + w / 2 + i * 8, y);
    }
    Stroke(cr, kWhite, 1.6, 0.55);
}

void PaintRoad(cairo_t* cr) {
    const auto& road = RoadPicture();
    auto path = [&] {
        cairo_move_to(cr, road[0].x, road[0].y);
        for (const MapPoint& p : road)
            cairo_line_to(cr, p.x, p.y);
    };
    path();
    Stroke(cr, kRoadEdge, 17, 0.75);
    path();
    Stroke(cr, kRoad, 12);
    path();
    const double dash[] = {3, 11};
    cairo_set_dash(cr, dash, 2, 0);
    Stroke(cr, Lighten(kRoad, 0.5), 2.5, 0.8);
    cairo_set_dash(cr, nullptr, 0, 0);
    // a wooden bridge where the road crosses the river
    const auto& river = RiverLine();
    for (size_t i = 0; i + 1 < road.size(); ++i) {
        const MapPoint& a = road[i];
        if (PolylineDistance(a.x, a.y, river) > RiverWidth(a.y) / 2 + 6)
            continue;
        const MapPoint& b = road[i + 1];
        const double angle = std::atan2(b.y - a.y, b.x - a.x);
        cairo_save(cr);
        cairo_translate(cr, a.x, a.y);
        cairo_rotate(cr, angle);
        cairo_rectangle(cr, -1.6, -9, 3.2, 18);
        SetColor(cr, kWoodLight);
        cairo_fill_preserve(cr);
        Stroke(cr, kWoodDark, 0.8);
        for (double side : {-9.5, 9.5}) {
            cairo_move_to(cr, -2, side);
            cairo_line_to(cr, 2, side);
            Stroke(cr, kInk, 2.4);
        }
        cairo_restore(cr);
    }
}

}  // namespace artgen
