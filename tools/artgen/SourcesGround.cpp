// Sources that sit on the ground: the gold nugget, dug away over its five
// loads (its frames span exactly one second, so a progress of 0..1 used as a
// time shows the right stage), and the mana well with the water glimmering
// in it.
#include <cmath>

#include "tools/artgen/Scenery.h"
#include "tools/artgen/Sources.h"

namespace artgen {

using namespace datakit;
using namespace datakit::palette;

namespace {

constexpr CanvasBox kSmallCanvas{-48, -96, 48, 24};
constexpr int kNuggetStages = 5;

void Lump(cairo_t* cr, double x, double y, double r) {
    cairo_move_to(cr, x - r, y);
    cairo_curve_to(cr, x - r, y - r * 1.1, x + r * 0.4, y - r * 1.2, x + r, y - r * 0.3);
    cairo_curve_to(cr, x + r * 1.2, y + r * 0.6, x - r * 0.2, y + r * 0.9, x - r, y);
    cairo_close_path(cr);
    SetVerticalGradient(cr, y - r, 2 * r, kHoneyLight, kGoldDark);
    cairo_fill_preserve(cr);
    Stroke(cr, kInk, 0.9);
    Circle(cr, x - r * 0.35, y - r * 0.45, r * 0.28);
    SetColor(cr, kWhite, 0.9);
    cairo_fill(cr);
}

void PaintNugget(cairo_t* cr, int stage) {
    const double scales[kNuggetStages] = {1.0, 0.86, 0.72, 0.58, 0.46};
    const double sc = scales[stage];
    if (stage > 0)
        Scatter(cr, 0, -1, 18 + 3 * stage, 3 + 2 * stage, kStone, 21u + stage);
    const double rock[][2] = {{-24, 0}, {-27, -11}, {-18, -25}, {-5, -33},
                              {9, -31}, {21, -22},  {27, -8},   {22, 0}};
    std::vector<Point> pts;
    for (const auto& p : rock)
        pts.push_back({p[0] * sc, p[1] * sc});
    RoundedPolygon(cr, pts, 6 * sc);
    SetVerticalGradient(cr, -33 * sc, 33 * sc, Lighten(kStone, 0.25), kStoneDark);
    cairo_fill_preserve(cr);
    Stroke(cr, kInk, 1.4);
    // facets and cracks
    cairo_move_to(cr, -14 * sc, -22 * sc);
    cairo_line_to(cr, -4 * sc, -16 * sc);
    cairo_line_to(cr, 8 * sc, -24 * sc);
    cairo_move_to(cr, -4 * sc, -16 * sc);
    cairo_line_to(cr, -2 * sc, -4 * sc);
    Stroke(cr, Darken(kStone, 0.3), 1.0, 0.7);
    Ellipse(cr, -10 * sc, -24 * sc, 6 * sc, 3 * sc);
    SetColor(cr, kWhite, 0.3);
    cairo_fill(cr);
    const double lumps[][3] = {{-10, -13, 4.2}, {7, -20, 3.8},   {15, -9, 3.2},
                               {-2, -5, 3.0},   {-17, -22, 2.6}, {1, -27, 2.6}};
    const int counts[kNuggetStages] = {6, 5, 3, 2, 1};
    for (int i = 0; i < counts[stage]; ++i)
        Lump(cr, lumps[i][0] * sc, lumps[i][1] * sc, lumps[i][2] * std::max(sc, 0.7));
}

void InkedRope(cairo_t* cr) {
    SetColor(cr, Hex(0xD8B77A));
    cairo_fill_preserve(cr);
    Stroke(cr, kInk, 0.9);
}

void PaintWell(cairo_t* cr) {
    constexpr Rgb kRoof = Hex(0xC9473F);
    GroundShade(cr, 4, -3, 30, 8, 0.35);
    // the stone ring: front wall, rim, dark opening
    cairo_move_to(cr, -22, -24);
    cairo_line_to(cr, -22, -5);
    cairo_curve_to(cr, -22, 6, 22, 6, 22, -5);
    cairo_line_to(cr, 22, -24);
    cairo_close_path(cr);
    SetVerticalGradient(cr, -24, 26, Lighten(kStone, 0.2), kStoneDark);
    cairo_fill_preserve(cr);
    Stroke(cr, kInk, 1.4);
    for (int row = 0; row < 3; ++row) {
        const double y = -18 + row * 6.5;
        cairo_move_to(cr, -21.5, y);
        cairo_curve_to(cr, -15, y + 5, 15, y + 5, 21.5, y);
        for (int i = 0; i < 4; ++i) {
            const double x = -16 + i * 10.5 + (row % 2) * 5;
            cairo_move_to(cr, x, y + 3.4 - std::fabs(x) * 0.08);
            cairo_line_to(cr, x, y + 8.8 - std::fabs(x) * 0.08);
        }
    }
    Stroke(cr, Darken(kStone, 0.35), 0.9, 0.8);
    Ellipse(cr, 0, -24, 22, 7.5);
    SetColor(cr, Lighten(kStone, 0.3));
    cairo_fill_preserve(cr);
    Stroke(cr, kInk, 1.4);
    Ellipse(cr, 0, -24, 16, 4.8);
    SetColor(cr, Hex(0x20344A));
    cairo_fill_preserve(cr);
    Stroke(cr, kInk, 1.1);
    // posts, axle with its rope, roof
    for (double x : {-19.0, 19.0}) {
        cairo_rectangle(cr, x - 2, -60, 4, 36);
        SetVerticalGradient(cr, -60, 36, kWoodLight, kWood);
        cairo_fill_preserve(cr);
        Stroke(cr, kInk, 1.1);
    }
    cairo_move_to(cr, -19, -50);
    cairo_line_to(cr, 23, -50);
    Stroke(cr, kInk, 3.4);
    cairo_move_to(cr, -19, -50);
    cairo_line_to(cr, 23, -50);
    Stroke(cr, kWoodDark, 1.6);
    RoundedPolygon(cr, {{-5, -53.5}, {5, -53.5}, {5, -46.5}, {-5, -46.5}}, 1.5);
    InkedRope(cr);
    cairo_move_to(cr, 23, -50);
    cairo_line_to(cr, 26, -45);
    Stroke(cr, kInk, 2.2);
    cairo_move_to(cr, -30, -55);
    cairo_line_to(cr, 0, -72);
    cairo_line_to(cr, 30, -55);
    cairo_line_to(cr, 27, -51);
    cairo_line_to(cr, 0, -66);
    cairo_line_to(cr, -27, -51);
    cairo_close_path(cr);
    SetVerticalGradient(cr, -72, 21, Lighten(kRoof, 0.15), Darken(kRoof, 0.15));
    cairo_fill_preserve(cr);
    Stroke(cr, kInk, 1.4);
    // shingle joints across the roof's band, from its outer to its inner edge
    for (int i = 1; i < 4; ++i) {
        const double t = i / 4.0;
        for (double side : {-1.0, 1.0}) {
            cairo_move_to(cr, side * (30 - 30 * t), -55 - 17 * t);
            cairo_line_to(cr, side * (27 - 27 * t), -51 - 15 * t);
        }
    }
    Stroke(cr, Darken(kRoof, 0.35), 0.9, 0.8);
    // the bucket resting on the rim
    cairo_move_to(cr, 9, -33);
    cairo_line_to(cr, 17, -33);
    cairo_line_to(cr, 16, -25);
    cairo_line_to(cr, 10, -25);
    cairo_close_path(cr);
    SetColor(cr, kWood);
    cairo_fill_preserve(cr);
    Stroke(cr, kInk, 1.0);
    cairo_move_to(cr, 9.5, -30);
    cairo_line_to(cr, 16.5, -30);
    Stroke(cr, kStoneDark, 0.9);
    cairo_arc(cr, 13, -33, 4, M_PI, 2 * M_PI);
    Stroke(cr, kInk, 0.8);
}

// The mana in the well: glowing blue, rippling; drawn over the opening.
void PaintWater(cairo_t* cr, int frame) {
    const double phase = frame / 8.0;
    Ellipse(cr, 0, -24, 15, 4.3);
    cairo_pattern_t* p = cairo_pattern_create_radial(0, -24.5, 1, 0, -24, 15);
    cairo_pattern_add_color_stop_rgb(p, 0, 0.75, 0.95, 1.0);
    cairo_pattern_add_color_stop_rgb(p, 0.6, kMana.r, kMana.g, kMana.b);
    cairo_pattern_add_color_stop_rgb(p, 1, kManaDark.r, kManaDark.g, kManaDark.b);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    cairo_save(cr);
    Ellipse(cr, 0, -24, 15, 4.3);
    cairo_clip(cr);
    for (int i = 0; i < 2; ++i) {
        const double t = std::fmod(phase + i * 0.5, 1.0);
        Ellipse(cr, 0, -24, 3 + 12 * t, 1 + 3.4 * t);
        Stroke(cr, kWhite, 0.8, 0.7 * (1 - t));
    }
    cairo_restore(cr);
    const double sx = 8 * std::cos(phase * 2 * M_PI), sy = -24 + 1.6 * std::sin(phase * 2 * M_PI);
    Twinkle(cr, sx, sy, 2.6, 0.9);
}

}  // namespace

std::vector<SpriteArt> GroundSprites() {
    std::vector<SpriteArt> out;
    SpriteArt nugget{"nugget00", kNuggetStages, kSmallCanvas, {}};
    for (int stage = 0; stage < kNuggetStages; ++stage)
        nugget.frames.push_back([stage](cairo_t* cr) { PaintNugget(cr, stage); });
    out.push_back(std::move(nugget));
    out.push_back({"nugget00_sh", 0, kSmallCanvas, {[](cairo_t* cr) {
                       GroundShade(cr, 4, -1, 30, 8, 0.38);
                   }}});
    out.push_back({"well00", 0, kSmallCanvas, {PaintWell}});
    SpriteArt water{"well00_water", 8, kSmallCanvas, {}};
    for (int i = 0; i < 8; ++i)
        water.frames.push_back([i](cairo_t* cr) { PaintWater(cr, i); });
    out.push_back(std::move(water));
    return out;
}

}  // namespace artgen
