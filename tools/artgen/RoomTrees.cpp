// The trees at the glade's edges: broad oaks in front, tall pines and young
// birches behind them, soft far trees, a tree in blossom and the hollow stump.
// Crowns are clusters of round puffs outlined only along their silhouette.
#include <cmath>
#include <vector>

#include "tools/artgen/RoomArt.h"
#include "tools/artgen/Scenery.h"

namespace artgen {

using namespace datakit;
using namespace datakit::palette;

namespace {

constexpr double kInkWidth = 3.0;

struct Puff {
    double x, y, r;
};

void PuffPath(cairo_t* cr, const std::vector<Puff>& puffs, double grow = 0) {
    cairo_new_path(cr);
    for (const Puff& p : puffs)
        Circle(cr, p.x, p.y, p.r + grow);
}

// The puffs as one shape: ink only around the outside, a fill shaded from
// `light` at `top` to `dark` at `top + height`.
void Crown(cairo_t* cr, const std::vector<Puff>& puffs, Rgb light, Rgb dark, double top,
           double height, double ink = kInkWidth) {
    PuffPath(cr, puffs, ink * 0.5);
    SetColor(cr, kInk);
    cairo_fill(cr);
    PuffPath(cr, puffs, -ink * 0.5);
    SetVerticalGradient(cr, top, height, light, dark);
    cairo_fill(cr);
}

// Rounded shading inside a crown: darker puffs low down, lighter ones where
// the light falls, all kept inside the crown.
void CrownShading(cairo_t* cr, const std::vector<Puff>& puffs, Rgb leaf, double ink, Rng& rng) {
    cairo_save(cr);
    PuffPath(cr, puffs, -ink * 0.5);
    cairo_clip(cr);
    cairo_new_path(cr);
    for (const Puff& p : puffs)
        Circle(cr, p.x + p.r * 0.15, p.y + p.r * 0.55, p.r * 0.8);
    SetColor(cr, Darken(leaf, 0.28), 0.35);
    cairo_fill(cr);
    for (const Puff& p : puffs) {
        if (rng.Next() < 0.5)
            continue;
        Ellipse(cr, p.x - p.r * 0.3, p.y - p.r * 0.4, p.r * 0.42, p.r * 0.28);
        SetColor(cr, Lighten(leaf, 0.45), 0.5);
        cairo_fill(cr);
    }
    // little curls of leaves
    for (const Puff& p : puffs) {
        const double a = rng.Range(0.2, 1.2), cx = p.x + p.r * 0.2, cy = p.y + p.r * 0.1;
        cairo_new_path(cr);
        cairo_arc(cr, cx, cy, p.r * 0.45, a, a + 1.1);
        Stroke(cr, Darken(leaf, 0.35), 2.0, 0.45);
    }
    cairo_restore(cr);
}

void GroundShadow(cairo_t* cr, double rx, double ry) {
    Ellipse(cr, 0, 0, rx, ry);
    cairo_set_source_rgba(cr, 0.12, 0.22, 0.06, 0.28);
    cairo_fill(cr);
}

// A trunk from the ground up to `top`, `base` wide at the foot with its roots.
void Trunk(cairo_t* cr, double base, double topWidth, double top, Rgb bark) {
    const double b = base / 2, t = topWidth / 2;
    cairo_move_to(cr, -b * 1.5, 2);
    cairo_curve_to(cr, -b * 0.9, -2, -b * 0.8, -base * 0.4, -t, top);
    cairo_line_to(cr, t, top);
    cairo_curve_to(cr, b * 0.8, -base * 0.4, b * 0.9, -2, b * 1.5, 2);
    cairo_curve_to(cr, b * 0.5, 5, -b * 0.5, 5, -b * 1.5, 2);
    cairo_close_path(cr);
    SetVerticalGradient(cr, top, -top, Lighten(bark, 0.15), Darken(bark, 0.1));
    cairo_fill_preserve(cr);
    Stroke(cr, kInk, kInkWidth);
}

void Branch(cairo_t* cr, double x0, double y0, double x1, double y1, double width) {
    cairo_move_to(cr, x0, y0);
    cairo_curve_to(cr, x0 + (x1 - x0) * 0.3, y0 - width, x1 - (x1 - x0) * 0.2, y1 + width, x1, y1);
    Stroke(cr, kInk, width + kInkWidth * 2);
    cairo_move_to(cr, x0, y0);
    cairo_curve_to(cr, x0 + (x1 - x0) * 0.3, y0 - width, x1 - (x1 - x0) * 0.2, y1 + width, x1, y1);
    Stroke(cr, kWood, width);
}

// Puffs round the inside of an ellipse of radii rx, ry (their outer edges
// touch it, ink and all), and one big puff filling the middle.
std::vector<Puff> PuffCloud(double cx, double cy, double rx, double ry, int count, double rMin,
                            double rMax, Rng& rng) {
    std::vector<Puff> puffs;
    rx -= kInkWidth;
    ry -= kInkWidth;
    for (int i = 0; i < count; ++i) {
        const double a = (i + rng.Range(-0.3, 0.3)) * 2 * M_PI / count;
        const double r = std::fmin(rng.Range(rMin, rMax), std::fmin(rx, ry) * 0.7);
        puffs.push_back({cx + std::cos(a) * (rx - r), cy + std::sin(a) * (ry - r), r});
    }
    puffs.push_back({cx, cy, std::fmin(rx, ry) * 0.75});
    return puffs;
}

}  // namespace

void PaintOak(cairo_t* cr, double w, double h, Rgb leaf, unsigned seed) {
    Rng rng(seed);
    GroundShadow(cr, w * 0.36, 11);
    const double crownTop = -h + 2, crownBottom = -h * 0.4;
    const double cy = (crownTop + crownBottom) / 2, ry = (crownBottom - crownTop) / 2;
    Trunk(cr, w * 0.17, w * 0.1, cy, kWood);
    Branch(cr, -w * 0.02, -h * 0.42, -w * 0.26, -h * 0.62, 9);
    Branch(cr, w * 0.02, -h * 0.47, w * 0.24, -h * 0.66, 8);
    const std::vector<Puff> puffs = PuffCloud(0, cy, w * 0.5 - 2, ry, 12, w * 0.12, w * 0.17, rng);
    Crown(cr, puffs, Lighten(leaf, 0.28), Darken(leaf, 0.18), crownTop, crownBottom - crownTop);
    CrownShading(cr, puffs, leaf, kInkWidth, rng);
    // a few apples, red and ripe
    for (int i = 0; i < 6; ++i) {
        const double a = rng.Range(0, 2 * M_PI), d = rng.Range(0.2, 0.75);
        const double x = std::cos(a) * w * 0.4 * d, y = cy + std::sin(a) * ry * 0.8 * d;
        Circle(cr, x, y, 6.5);
        SetColor(cr, kBerry);
        cairo_fill_preserve(cr);
        Stroke(cr, kInk, 2);
        Circle(cr, x - 2, y - 2, 1.8);
        SetColor(cr, kWhite, 0.8);
        cairo_fill(cr);
    }
}

void PaintTallPine(cairo_t* cr, double w, double h) {
    GroundShadow(cr, w * 0.3, 8);
    cairo_rectangle(cr, -w * 0.06, -h * 0.14, w * 0.12, h * 0.14 + 2);
    SetVerticalGradient(cr, -h * 0.14, h * 0.14, kWood, kWoodDark);
    cairo_fill_preserve(cr);
    Stroke(cr, kInk, kInkWidth);
    const Rgb green = Hex(0x3E8C52);
    const int tiers = 5;
    for (int i = 0; i < tiers; ++i) {
        const double t = static_cast<double>(i) / tiers;
        const double base = -h * (0.1 + t * 0.74);
        const double half = w * (0.5 - t * 0.34);
        const double peak = base - h * 0.3;
        cairo_move_to(cr, -half, base);
        cairo_curve_to(cr, -half * 0.45, base - h * 0.07, -w * 0.06, peak + h * 0.1, 0, peak);
        cairo_curve_to(cr, w * 0.06, peak + h * 0.1, half * 0.45, base - h * 0.07, half, base);
        // a scalloped hem
        const int scallops = 3 + (tiers - i) / 2;
        for (int k = 0; k < scallops; ++k) {
            const double x0 = half - 2 * half * k / scallops;
            const double x1 = half - 2 * half * (k + 1) / scallops;
            cairo_curve_to(cr, x0 - (x0 - x1) * 0.2, base + h * 0.03, x1 + (x0 - x1) * 0.2,
                           base + h * 0.03, x1, base);
        }
        cairo_close_path(cr);
        SetVerticalGradient(cr, peak, base - peak, Lighten(green, 0.22), Darken(green, 0.2));
        cairo_fill_preserve(cr);
        Stroke(cr, kInk, kInkWidth);
        // light on the left flank
        cairo_move_to(cr, -half * 0.55, base - h * 0.03);
        cairo_curve_to(cr, -half * 0.3, base - h * 0.09, -w * 0.05, peak + h * 0.12, -w * 0.02,
                       peak + h * 0.05);
        Stroke(cr, Lighten(green, 0.45), 2.5, 0.6);
    }
}

void PaintBirch(cairo_t* cr, double w, double h, unsigned seed) {
    Rng rng(seed);
    GroundShadow(cr, w * 0.3, 7);
    // a slender white trunk leaning a little, with its dark marks
    const double top = -h * 0.6;
    cairo_move_to(cr, -9, 2);
    cairo_curve_to(cr, -7, -h * 0.3, -2, -h * 0.5, 0, top);
    cairo_line_to(cr, 6, top);
    cairo_curve_to(cr, 6, -h * 0.5, 9, -h * 0.3, 9, 2);
    cairo_close_path(cr);
    SetColor(cr, Hex(0xF4F0E6));
    cairo_fill_preserve(cr);
    Stroke(cr, kInk, 2.6);
    for (double y = -h * 0.08; y > top + 10; y -= rng.Range(14, 24)) {
        const double x = rng.Range(-5, 3);
        cairo_move_to(cr, x, y);
        cairo_line_to(cr, x + rng.Range(3, 6), y + rng.Range(-1, 1.5));
        Stroke(cr, Hex(0x3B3330), 2.4);
    }
    Branch(cr, 0, -h * 0.48, -w * 0.26, -h * 0.62, 4);
    Branch(cr, 2, -h * 0.54, w * 0.24, -h * 0.68, 4);
    // a light, soft crown
    const Rgb leaf = Hex(0x9BCB4F);
    const double cy = -h * 0.7, ry = h * 0.3 - 2;
    const std::vector<Puff> puffs = PuffCloud(0, cy, w * 0.5 - 2, ry, 9, w * 0.17, w * 0.23, rng);
    Crown(cr, puffs, Lighten(leaf, 0.3), Darken(leaf, 0.12), cy - ry, ry * 2, 2.6);
    CrownShading(cr, puffs, leaf, 2.6, rng);
}

void PaintFarTree(cairo_t* cr, double w, double h, Rgb leaf) {
    Rng rng(41);
    GroundShadow(cr, w * 0.3, 7);
    Trunk(cr, w * 0.14, w * 0.09, -h * 0.5, Mix(kWood, kSky, 0.2));
    const double cy = -h * 0.66, ry = h * 0.34 - 2;
    const std::vector<Puff> puffs = PuffCloud(0, cy, w * 0.5 - 2, ry, 9, w * 0.15, w * 0.2, rng);
    Crown(cr, puffs, Lighten(leaf, 0.3), Darken(leaf, 0.1), cy - ry, ry * 2, 2.6);
    CrownShading(cr, puffs, leaf, 2.6, rng);
}

void PaintBlossomTree(cairo_t* cr, double w, double h) {
    Rng rng(7);
    GroundShadow(cr, w * 0.36, 8);
    Trunk(cr, w * 0.14, w * 0.08, -h * 0.45, kWood);
    const Rgb leaf = Hex(0x82C45A);
    const double cy = -h * 0.64, ry = h * 0.36 - 2;
    const std::vector<Puff> puffs = PuffCloud(0, cy, w * 0.5 - 2, ry, 10, w * 0.14, w * 0.19, rng);
    Crown(cr, puffs, Lighten(leaf, 0.28), Darken(leaf, 0.15), cy - ry, ry * 2);
    CrownShading(cr, puffs, leaf, kInkWidth, rng);
    // pink blossoms, five petals round a honey heart
    for (int i = 0; i < 16; ++i) {
        const double a = rng.Range(0, 2 * M_PI), d = std::sqrt(rng.Next()) * 0.85;
        const double x = std::cos(a) * w * 0.42 * d, y = cy + std::sin(a) * ry * 0.85 * d;
        for (int k = 0; k < 5; ++k) {
            const double pa = k * 2 * M_PI / 5 + a;
            Circle(cr, x + std::cos(pa) * 3.6, y + std::sin(pa) * 3.6, 3.4);
        }
        SetColor(cr, Hex(0xF7B6C8));
        cairo_fill(cr);
        Circle(cr, x, y, 2);
        SetColor(cr, kHoney);
        cairo_fill(cr);
    }
}

void PaintStumpHouse(cairo_t* cr, double w, double h) {
    GroundShadow(cr, w * 0.46, 10);
    const double half = w * 0.34, top = -h * 0.78;
    // the stump with spreading roots
    cairo_move_to(cr, -half - 34, 3);
    cairo_curve_to(cr, -half - 8, -4, -half - 2, -18, -half + 4, -h * 0.3);
    cairo_curve_to(cr, -half + 2, -h * 0.5, -half + 8, -h * 0.65, -half + 10, top);
    cairo_curve_to(cr, -half * 0.3, top - 12, half * 0.3, top - 12, half - 10, top);
    cairo_curve_to(cr, half - 6, -h * 0.6, half + 2, -h * 0.45, half, -h * 0.25);
    cairo_curve_to(cr, half + 4, -16, half + 14, -4, half + 36, 3);
    cairo_curve_to(cr, half * 0.4, 9, -half * 0.4, 9, -half - 34, 3);
    cairo_close_path(cr);
    SetVerticalGradient(cr, top, -top, kWoodLight, kWood);
    cairo_fill_preserve(cr);
    Stroke(cr, kInk, kInkWidth);
    // bark grooves
    for (double x : {-half * 0.7, -half * 0.15, half * 0.6}) {
        cairo_move_to(cr, x, -8);
        cairo_curve_to(cr, x + 4, -h * 0.3, x - 4, -h * 0.5, x + 2, top + 16);
    }
    Stroke(cr, kWoodDark, 2.2, 0.55);
    // the cut top with its rings, and a cushion of moss
    Ellipse(cr, 0, top, half - 8, 13);
    SetColor(cr, Hex(0xE9C892));
    cairo_fill_preserve(cr);
    Stroke(cr, kInk, 2.6);
    Ellipse(cr, 4, top + 1, half * 0.45, 6);
    Stroke(cr, kWoodLight, 1.8);
    Ellipse(cr, -half * 0.35, top - 2, half * 0.55, 10);
    SetVerticalGradient(cr, top - 12, 20, kLeafLight, kLeaf);
    cairo_fill_preserve(cr);
    Stroke(cr, kInk, 2.4);
    // a round green door with a honey knob
    const double doorTop = -h * 0.5;
    cairo_move_to(cr, -24, -2);
    cairo_line_to(cr, -24, doorTop + 24);
    cairo_arc(cr, 0, doorTop + 24, 24, M_PI, 2 * M_PI);
    cairo_line_to(cr, 24, -2);
    cairo_close_path(cr);
    SetVerticalGradient(cr, doorTop, -doorTop, Hex(0x6FB56A), Hex(0x3F7F44));
    cairo_fill_preserve(cr);
    Stroke(cr, kInk, kInkWidth);
    for (double x : {-8.0, 8.0}) {
        cairo_move_to(cr, x, -4);
        cairo_line_to(cr, x, doorTop + 10);
    }
    Stroke(cr, Hex(0x2F5F33), 2, 0.7);
    Circle(cr, 13, doorTop + 40, 3.6);
    SetColor(cr, kGold);
    cairo_fill_preserve(cr);
    Stroke(cr, kInk, 1.6);
    // a round window lit from inside
    const double wx = half * 0.62, wy = -h * 0.55;
    PaintGlow(cr, wx, wy, 34, 34, Hex(0xFFDB73), 0.55);
    Circle(cr, wx, wy, 11);
    SetColor(cr, Hex(0xFFD978));
    cairo_fill_preserve(cr);
    Stroke(cr, kInk, 2.6);
    cairo_move_to(cr, wx - 11, wy);
    cairo_line_to(cr, wx + 11, wy);
    cairo_move_to(cr, wx, wy - 11);
    cairo_line_to(cr, wx, wy + 11);
    Stroke(cr, kInk, 1.8);
    // a little lantern on a hook beside the door
    const double lx = -half * 0.62, ly = -h * 0.36;
    cairo_move_to(cr, lx, ly - 22);
    cairo_line_to(cr, lx, ly - 12);
    Stroke(cr, kInk, 2);
    PaintGlow(cr, lx, ly, 26, 26, Hex(0xFFE680), 0.6);
    RoundedRect(cr, lx - 6, ly - 12, 12, 18, 3);
    SetColor(cr, Hex(0xFFE9A0));
    cairo_fill_preserve(cr);
    Stroke(cr, kInk, 2);
}

}  // namespace artgen
