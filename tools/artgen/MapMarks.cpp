#include "tools/artgen/MapMarks.h"

#include <cmath>

#include "tools/artgen/ArtShapes.h"
#include "tools/artgen/Scenery.h"
#include "tools/artgen/SpriteCells.h"
#include "tools/common/Palette.h"

namespace artgen {

using namespace datakit;
using namespace datakit::palette;

namespace {

constexpr int kStep = kPointSide + 4;
constexpr int kHoverTop = kStep, kMarkerTop = 2 * kStep;
constexpr int kDotX = 4 * kStep;
constexpr double kDiscR = 17;

// The point of a level not won yet: a cream token with a red pennant on it.
void StartPoint(cairo_t* cr, bool hover) {
    const double c = kPointSide / 2.0;
    Circle(cr, c, c, kDiscR);
    SetVerticalGradient(cr, c - kDiscR, 2 * kDiscR, hover ? kHoneyLight : kWoodLight,
                        hover ? kHoney : kWood);
    cairo_fill_preserve(cr);
    Stroke(cr, kInk, 2.2);
    Circle(cr, c, c, kDiscR * 0.76);
    SetVerticalGradient(cr, c - kDiscR, 2 * kDiscR, kWhite, hover ? kCream : kParchment);
    cairo_fill(cr);
    cairo_move_to(cr, c - 4, c + 9);
    cairo_line_to(cr, c - 4, c - 10);
    Stroke(cr, kInk, 2);
    cairo_move_to(cr, c - 3, c - 10);
    cairo_curve_to(cr, c + 2, c - 11, c + 6, c - 7, c + 10, c - 8);
    cairo_curve_to(cr, c + 7, c - 4, c + 3, c - 1, c - 3, c - 2);
    cairo_close_path(cr);
    SetColor(cr, hover ? Lighten(kBerry, 0.2) : kBerry);
    cairo_fill_preserve(cr);
    Stroke(cr, kInk, 1.4);
}

Metal Brighter(const Metal& m) {
    return {Lighten(m.light, 0.5), Lighten(m.base, 0.3), Lighten(m.dark, 0.25)};
}

void PointCell(cairo_t* cr, int kind, bool hover) {
    const double c = kPointSide / 2.0;
    SoftGroundShadow(cr, c + 1, c + 12, 19, 7, 0.45);
    if (hover) {
        Glow(cr, c, c, 23, kWhite, 0.9);
        Glow(cr, c, c, 23, kHoneyLight, 0.6);
    }
    static const Metal* metals[] = {&kBronzeMetal, &kSilverMetal, &kGoldMetal};
    if (kind == 0) {
        StartPoint(cr, hover);
    } else {
        const Metal& m = *metals[kind - 1];
        PaintMedalDisc(cr, c, c, kDiscR, hover ? Brighter(m) : m, kind, 2);
    }
    if (hover)
        TwinkleStar(cr, c + 13, c - 13, 6, 1);
}

void TrailDot(cairo_t* cr) {
    const double c = kDotSide / 2.0;
    SoftGroundShadow(cr, c + 0.5, c + 2, 6, 3.5, 0.45);
    Circle(cr, c, c, 4.2);
    SetVerticalGradient(cr, c - 4, 8, kWhite, kParchmentShade);
    cairo_fill_preserve(cr);
    Stroke(cr, kInk, 1.5);
}

// The marker: a plump arrow pointing down at the chosen point, bouncing.
void MarkerFrame(cairo_t* cr, int frame) {
    const double bob = 7 * (0.5 - 0.5 * std::cos(2 * M_PI * frame / kMarkerFrames));
    const double cx = kMarkerW / 2.0, tip = kMarkerH - 3 - bob;
    const double squash = 1 + 0.06 * std::cos(2 * M_PI * frame / kMarkerFrames);
    cairo_save(cr);
    cairo_translate(cr, cx, tip);
    cairo_scale(cr, squash, 1 / squash);
    auto arrow = [cr] {
        cairo_new_path(cr);
        cairo_move_to(cr, 0, 0);
        cairo_line_to(cr, -16, -18);
        cairo_line_to(cr, -7, -18);
        cairo_line_to(cr, -7, -36);
        cairo_curve_to(cr, -7, -40, 7, -40, 7, -36);
        cairo_line_to(cr, 7, -18);
        cairo_line_to(cr, 16, -18);
        cairo_close_path(cr);
    };
    arrow();
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_width(cr, 4);
    SetColor(cr, kInk);
    cairo_stroke_preserve(cr);
    SetVerticalGradient(cr, -40, 40, kHoneyLight, kBerry);
    cairo_fill(cr);
    cairo_move_to(cr, -3.5, -34);
    cairo_line_to(cr, -3.5, -20);
    Stroke(cr, kWhite, 2.2, 0.7);
    cairo_restore(cr);
}

}  // namespace

void PaintMapMarks(cairo_t* cr, const PaintContext&) {
    for (int row = 0; row < 2; ++row) {
        for (int kind = 0; kind < 4; ++kind) {
            cairo_save(cr);
            cairo_translate(cr, kind * kStep, row * kHoverTop);
            PointCell(cr, kind, row == 1);
            cairo_restore(cr);
        }
    }
    cairo_save(cr);
    cairo_translate(cr, kDotX, 0);
    TrailDot(cr);
    cairo_restore(cr);
    cairo_save(cr);
    cairo_translate(cr, 0, kMarkerTop);
    PaintFrames(cr, kMarkerFrames, kMarkerFrames, kMarkerW, kMarkerH,
                [cr](int f) { MarkerFrame(cr, f); });
    cairo_restore(cr);
}

namespace {

const char* const kPointNames[] = {"map_start", "map_bronze", "map_silver", "map_gold"};

}  // namespace

std::vector<Area> MapMarkAreas() {
    std::vector<Area> areas;
    for (int kind = 0; kind < 4; ++kind) {
        const std::string name = kPointNames[kind];
        areas.push_back({name, kind * kStep, 0, kPointSide, kPointSide});
        areas.push_back({name + "_h", kind * kStep, kHoverTop, kPointSide, kPointSide});
    }
    areas.push_back({"map_pt", kDotX, 0, kDotSide, kDotSide});
    areas.push_back(
        {"map_current", 0, kMarkerTop, kMarkerW * kMarkerFrames, kMarkerH, kMarkerFrames, 1, 12});
    return areas;
}

std::vector<ExSprite> MapMarkSprites() {
    auto cell = [](const std::string& name, int x, int y, int w, int h, double ax, double ay,
                   int frames = 1, double fps = 30) {
        return CellSprite(name, kMarksSide, kMarksSide, x, y, w, h, ax, ay, frames, fps);
    };
    std::vector<ExSprite> sprites;
    const double c = kPointSide / 2.0;
    for (int kind = 0; kind < 4; ++kind) {
        const std::string name = kPointNames[kind];
        sprites.push_back(cell(name, kind * kStep, 0, kPointSide, kPointSide, c, c));
        sprites.push_back(cell(name + "_h", kind * kStep, kHoverTop, kPointSide, kPointSide, c, c));
    }
    sprites.push_back(cell("map_pt", kDotX, 0, kDotSide, kDotSide, kDotSide / 2.0, kDotSide / 2.0));
    // The map draws the marker's frame at the point's position minus this
    // anchor plus (4, 80): so the arrow stands over the point, its frame just
    // clear of the point's and its tip a little above the token's rim at the
    // lowest bounce.
    sprites.push_back(cell("map_current", 0, kMarkerTop, kMarkerW, kMarkerH, kMarkerW / 2.0 + 4,
                           80 - kPointSide / 2.0 - 1, kMarkerFrames, 12));
    return sprites;
}

void PaintSeaTile(cairo_t* cr, const PaintContext&) {
    cairo_rectangle(cr, 0, 0, kSeaSide, kSeaSide);
    SetColor(cr, Hex(0x5DB2E0));
    cairo_fill(cr);
    // Everything below is drawn again one tile over on every side, so the
    // tile's edges meet their neighbours' without a seam.
    Rng rng(73);
    struct Mark {
        double x, y, s;
        bool patch;
    };
    std::vector<Mark> marks;
    for (int i = 0; i < 9; ++i)
        marks.push_back({rng.Range(0, kSeaSide), rng.Range(0, kSeaSide), rng.Range(60, 110), true});
    for (int i = 0; i < 14; ++i)
        marks.push_back({rng.Range(0, kSeaSide), rng.Range(0, kSeaSide), rng.Range(7, 13), false});
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            for (const Mark& m : marks) {
                const double x = m.x + dx * kSeaSide, y = m.y + dy * kSeaSide;
                if (m.patch) {
                    Ellipse(cr, x, y, m.s, m.s * 0.35);
                    SetColor(cr, kSkyLight, 0.1);
                    cairo_fill(cr);
                    continue;
                }
                cairo_move_to(cr, x - m.s, y);
                cairo_curve_to(cr, x - m.s * 0.5, y - m.s * 0.45, x - m.s * 0.1, y - m.s * 0.45, x,
                               y);
                cairo_curve_to(cr, x + m.s * 0.1, y - m.s * 0.45, x + m.s * 0.5, y - m.s * 0.45,
                               x + m.s, y);
                Stroke(cr, kWhite, 1.8, 0.55);
            }
        }
    }
}

}  // namespace artgen
