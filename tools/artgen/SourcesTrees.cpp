// The island's trees, one per kind, each in five felling stages: a growing
// notch in the trunk and chips on the ground, the crown shedding leaves, and
// at last the tree leaning over. The game picks the stage from the felling
// progress itself, so these sprites have no frame rate of their own (0: the
// frames never advance by time). Broad-leaved kinds (tree00, tree03, tree04)
// share a round shadow, the slender ones (tree01, tree02, tree05) a narrow one.
#include <cmath>

#include "tools/artgen/Scenery.h"
#include "tools/artgen/Sources.h"

namespace artgen {

using namespace datakit;
using namespace datakit::palette;

namespace {

constexpr CanvasBox kTreeCanvas{-80, -180, 80, 30};
constexpr int kStages = 5;
constexpr Rgb kHeartwood = Hex(0xF2D7A6);

enum class Crown { kRound, kPine, kFir, kPoplar };

struct TreeKind {
    const char* name;
    Crown crown;
    Rgb leaf;
    double height;  // of the trunk up to the crown
    Rgb fruit;
    bool fruits;
};

void Trunk(cairo_t* cr, double top, double half) {
    cairo_move_to(cr, -half - 3.5, 0.5);
    cairo_curve_to(cr, -half - 0.5, -1.5, -half, -4, -half * 0.85, top);
    cairo_line_to(cr, half * 0.85, top);
    cairo_curve_to(cr, half, -4, half + 0.5, -1.5, half + 3.5, 0.5);
    cairo_curve_to(cr, 1.5, 1.8, -1.5, 1.8, -half - 3.5, 0.5);
    cairo_close_path(cr);
    SetVerticalGradient(cr, top, -top, kWoodLight, kWood);
    cairo_fill_preserve(cr);
    Stroke(cr, kInk, 1.4);
    // bark lines
    cairo_move_to(cr, -half * 0.3, -5);
    cairo_line_to(cr, -half * 0.25, top * 0.6);
    cairo_move_to(cr, half * 0.35, -3);
    cairo_line_to(cr, half * 0.3, top * 0.45);
    Stroke(cr, kWoodDark, 0.9, 0.6);
}

// The cut on the right side of the trunk, deeper with every stage.
void Notch(cairo_t* cr, double half, int stage) {
    if (stage == 0)
        return;
    const double depth = half * 2 * (0.22 + 0.15 * stage), y = -9;
    cairo_move_to(cr, half * 0.95, y - 4.2);
    cairo_line_to(cr, half * 0.95 - depth, y);
    cairo_line_to(cr, half * 0.95, y + 3.0);
    cairo_close_path(cr);
    SetColor(cr, kHeartwood);
    cairo_fill_preserve(cr);
    Stroke(cr, kInk, 1.0);
}

// An outline under the fill: only the outer edge of the puffs is inked.
void InkUnder(cairo_t* cr, cairo_path_t* path, double width) {
    cairo_append_path(cr, path);
    Stroke(cr, kInk, width);
}

void RoundCrown(cairo_t* cr, const TreeKind& k, double base, Rng& rng) {
    const double c = base - 28;
    const double puffs[][3] = {{0, c - 6, 27},    {-23, c + 8, 19}, {24, c + 8, 20},
                               {-13, c - 26, 19}, {14, c - 27, 18}, {0, c + 16, 17}};
    for (const auto& p : puffs)
        Circle(cr, p[0], p[1], p[2]);
    cairo_path_t* path = cairo_copy_path(cr);
    cairo_new_path(cr);
    InkUnder(cr, path, 2.8);
    cairo_append_path(cr, path);
    SetVerticalGradient(cr, c - 48, 86, Lighten(k.leaf, 0.28), Darken(k.leaf, 0.22));
    cairo_fill(cr);
    cairo_path_destroy(path);
    // lit puffs on the upper left, shade arcs below
    for (const auto& p : puffs) {
        Circle(cr, p[0] - p[2] * 0.25, p[1] - p[2] * 0.3, p[2] * 0.55);
        SetColor(cr, Lighten(k.leaf, 0.4), 0.35);
        cairo_fill(cr);
    }
    for (int i = 0; i < 4; ++i) {
        const double x = rng.Range(-20, 20), y = c + rng.Range(-18, 14);
        cairo_arc(cr, x, y, rng.Range(6, 9), 0.3, M_PI - 0.3);
        Stroke(cr, Darken(k.leaf, 0.35), 1.0, 0.55);
    }
    if (k.fruits) {
        for (int i = 0; i < 7; ++i) {
            Circle(cr, rng.Range(-26, 26), c + rng.Range(-30, 16), 2.4);
            SetColor(cr, k.fruit);
            cairo_fill_preserve(cr);
            Stroke(cr, kInk, 0.9);
        }
    }
}

void TieredCrown(cairo_t* cr, const TreeKind& k, double base, int tiers, double width,
                 double tierHeight) {
    for (int i = 0; i < tiers; ++i) {
        const double b = base - i * tierHeight * 0.62;
        const double half = width * (1 - 0.17 * i);
        const double tip = b - tierHeight * 1.15;
        cairo_move_to(cr, -half, b);
        cairo_curve_to(cr, -half * 0.45, b - tierHeight * 0.3, -half * 0.18,
                       tip + tierHeight * 0.35, 0, tip);
        cairo_curve_to(cr, half * 0.18, tip + tierHeight * 0.35, half * 0.45, b - tierHeight * 0.3,
                       half, b);
        cairo_curve_to(cr, half * 0.35, b + 4, -half * 0.35, b + 4, -half, b);
        cairo_close_path(cr);
        SetVerticalGradient(cr, tip, b - tip, Lighten(k.leaf, 0.25), Darken(k.leaf, 0.18));
        cairo_fill_preserve(cr);
        Stroke(cr, kInk, 1.4);
        cairo_move_to(cr, -half * 0.5, b - 2);
        cairo_curve_to(cr, -half * 0.3, b - tierHeight * 0.3, -half * 0.15, b - tierHeight * 0.5,
                       -2, b - tierHeight * 0.7);
        Stroke(cr, Lighten(k.leaf, 0.45), 1.2, 0.6);
    }
}

void PoplarCrown(cairo_t* cr, const TreeKind& k, double base) {
    cairo_move_to(cr, 0, base + 6);
    cairo_curve_to(cr, -22, base, -20, base - 60, 0, base - 92);
    cairo_curve_to(cr, 20, base - 60, 22, base, 0, base + 6);
    cairo_close_path(cr);
    SetVerticalGradient(cr, base - 92, 98, Lighten(k.leaf, 0.25), Darken(k.leaf, 0.2));
    cairo_fill_preserve(cr);
    Stroke(cr, kInk, 1.4);
    for (int i = 0; i < 5; ++i) {
        const double y = base - 12 - i * 15;
        cairo_move_to(cr, -9 + i % 2 * 3, y);
        cairo_curve_to(cr, -5, y - 6, 3, y - 6, 8 - i % 2 * 3, y - 2);
    }
    Stroke(cr, Darken(k.leaf, 0.3), 1.0, 0.6);
    cairo_move_to(cr, -8, base - 20);
    cairo_curve_to(cr, -11, base - 45, -8, base - 65, -2, base - 82);
    Stroke(cr, Lighten(k.leaf, 0.45), 1.6, 0.5);
}

void FallingLeaves(cairo_t* cr, const TreeKind& k, double base, unsigned seed) {
    Rng rng(seed);
    for (int i = 0; i < 5; ++i) {
        const double x = rng.Range(-36, 36), y = base + rng.Range(-10, 40);
        cairo_save(cr);
        cairo_translate(cr, x, y);
        cairo_rotate(cr, rng.Range(0, M_PI));
        Ellipse(cr, 0, 0, 2.6, 1.4);
        cairo_restore(cr);
        SetColor(cr, k.leaf);
        cairo_fill_preserve(cr);
        Stroke(cr, kInk, 0.7);
    }
}

void PaintTree(cairo_t* cr, const TreeKind& k, int stage) {
    Rng rng(static_cast<uint32_t>(k.name[5]) * 31u);
    const double half = k.crown == Crown::kRound ? 4.6 : 3.6;
    if (stage > 0)
        Scatter(cr, 7, -1, 6 + stage * 2, stage * 2, kHeartwood, 11u + stage);
    cairo_save(cr);
    if (stage == kStages - 1) {
        // giving way: the tree leans away from the cut
        cairo_translate(cr, 0, -9);
        cairo_rotate(cr, -0.1);
        cairo_translate(cr, 0, 9);
    }
    const double top = -k.height;
    Trunk(cr, top - 6, half);
    Notch(cr, half, stage);
    switch (k.crown) {
        case Crown::kRound:
            RoundCrown(cr, k, top, rng);
            break;
        case Crown::kPine:
            TieredCrown(cr, k, top + 8, 4, 26, 26);
            break;
        case Crown::kFir:
            TieredCrown(cr, k, top + 8, 5, 21, 25);
            break;
        case Crown::kPoplar:
            PoplarCrown(cr, k, top + 4);
            break;
    }
    cairo_restore(cr);
    if (stage >= 3)
        FallingLeaves(cr, k, top - 20, 5u + stage);
}

void InkedLeaf(cairo_t* cr) {
    SetColor(cr, kLeaf);
    cairo_fill_preserve(cr);
    Stroke(cr, kInk, 0.7);
}

void PaintStump(cairo_t* cr) {
    Scatter(cr, 2, -1, 14, 7, kHeartwood, 3);
    Trunk(cr, -9, 4.8);
    Ellipse(cr, 0, -9, 5.2, 2.3);
    SetColor(cr, kHeartwood);
    cairo_fill_preserve(cr);
    Stroke(cr, kInk, 1.1);
    Ellipse(cr, 0, -9, 2.6, 1.1);
    Stroke(cr, kWood, 0.7, 0.8);
    // a brave sprout
    cairo_move_to(cr, 5.5, -3);
    cairo_curve_to(cr, 6.5, -6, 7.5, -8, 9.5, -9);
    Stroke(cr, kLeafDark, 1.0);
    Ellipse(cr, 9.8, -9.6, 1.8, 1.1);
    InkedLeaf(cr);
}

void PaintBroadShadow(cairo_t* cr) {
    GroundShade(cr, 16, -1, 42, 12, 0.4);
}

void PaintSlenderShadow(cairo_t* cr) {
    cairo_save(cr);
    cairo_translate(cr, 4, 0);
    cairo_scale(cr, 1, 0.32);
    cairo_rotate(cr, -0.25);
    cairo_move_to(cr, -14, 0);
    cairo_curve_to(cr, -10, -14, 40, -26, 66, -20);
    cairo_curve_to(cr, 50, 2, 12, 14, -14, 0);
    cairo_close_path(cr);
    cairo_restore(cr);
    cairo_set_source_rgba(cr, 0.16, 0.24, 0.08, 0.34);
    cairo_fill(cr);
    GroundShade(cr, 6, -0.5, 12, 4, 0.3);
}

}  // namespace

std::vector<SpriteArt> TreeSprites() {
    static const TreeKind kinds[] = {
        {"tree00", Crown::kRound, kLeaf, 36, kBerry, false},
        {"tree01", Crown::kPine, Hex(0x3F8A4A), 14, kBerry, false},
        {"tree02", Crown::kFir, Hex(0x3E8568), 12, kBerry, false},
        {"tree03", Crown::kRound, Hex(0x8CCB52), 32, Hex(0xE8463C), true},
        {"tree04", Crown::kRound, Hex(0xE59A3A), 34, kBerry, false},
        {"tree05", Crown::kPoplar, Hex(0x5FA544), 16, kBerry, false},
    };
    std::vector<SpriteArt> out;
    for (const TreeKind& kind : kinds) {
        SpriteArt art{kind.name, 0, kTreeCanvas, {}};
        for (int stage = 0; stage < kStages; ++stage)
            art.frames.push_back([&kind, stage](cairo_t* cr) { PaintTree(cr, kind, stage); });
        out.push_back(std::move(art));
    }
    out.push_back({"tree00_sh", 0, kTreeCanvas, {PaintBroadShadow}});
    out.push_back({"tree01_sh", 0, kTreeCanvas, {PaintSlenderShadow}});
    out.push_back({"stump00", 0, kTreeCanvas, {PaintStump}});
    return out;
}

}  // namespace artgen
