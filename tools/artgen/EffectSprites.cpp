// Animated effect sprites: the magic beam ("laser"), the blast ("explosion"),
// the firework burst ("base", area "firework") and the hover ring under the
// object the pointer is on ("highlight": frame 0 the player can act on it,
// frame 1 not).
#include <cmath>

#include "tools/artgen/SoftEdges.h"
#include "tools/artgen/TextureBook.h"
#include "tools/common/Palette.h"

namespace artgen {

namespace {

using namespace datakit;
using namespace datakit::palette;

// Keeps a frame's painting a pixel clear of its cell's edge: filtering at the
// edge of a frame must not pick up the neighbouring frame.
void ClipToCell(cairo_t* cr, int w, int h) {
    cairo_rectangle(cr, 1, 1, w - 2, h - 2);
    cairo_clip(cr);
}

// --- beam: 8 frames of 32 x 64; the game stretches it 2 x wide and 6 x high.
constexpr int kBeamW = 32, kBeamH = 64, kBeamFrames = 8;

void PaintBeamFrame(cairo_t* cr, int frame) {
    static const double kWidth[kBeamFrames] = {0.25, 0.6, 1.0, 0.88, 1.0, 0.85, 0.55, 0.25};
    static const double kAlpha[kBeamFrames] = {0.6, 0.9, 1, 1, 1, 1, 0.7, 0.35};
    const double w = kWidth[frame];
    const double cx = kBeamW / 2.0;
    PaintBlurred(cr, 0, 0, kBeamW, kBeamH, 2, kAlpha[frame], [&](cairo_t* c) {
        // Outer glow, mid light and core; all fade into the sky at the top.
        const struct {
            double width;
            Rgb color;
            double alpha;
        } layers[] = {{24, kMana, 0.55}, {14, kSkyLight, 0.9}, {6, kCream, 1.0}};
        for (const auto& l : layers) {
            cairo_rectangle(c, cx - l.width * w / 2, 0, l.width * w, kBeamH);
            cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, 0, kBeamH);
            cairo_pattern_add_color_stop_rgba(p, 0, l.color.r, l.color.g, l.color.b, 0);
            cairo_pattern_add_color_stop_rgba(p, 0.3, l.color.r, l.color.g, l.color.b, l.alpha);
            cairo_pattern_add_color_stop_rgba(p, 1, l.color.r, l.color.g, l.color.b, l.alpha);
            cairo_set_source(c, p);
            cairo_fill(c);
            cairo_pattern_destroy(p);
        }
        // The bright foot where the beam touches the ground.
        Ellipse(c, cx, kBeamH - 5, 13 * w, 3.5);
        SetColor(c, kCream, 0.85);
        cairo_fill(c);
    });
    // Motes rising through the beam.
    for (int i = 0; i < 4; ++i) {
        const double y = std::fmod(60 - i * 15 - frame * 4.0, 56.0) + 4;
        const double x = cx + (i % 2 ? 3.5 : -3.5) * w;
        Circle(cr, x, y, 1.3);
        SetColor(cr, kWhite, kAlpha[frame]);
        cairo_fill(cr);
    }
}

void PaintBeam(cairo_t* cr, const PaintContext&) {
    for (int f = 0; f < kBeamFrames; ++f) {
        cairo_save(cr);
        cairo_translate(cr, f * kBeamW, 0);
        ClipToCell(cr, kBeamW, kBeamH);
        PaintBeamFrame(cr, f);
        cairo_restore(cr);
    }
}

// Runs `paint(frame)` in each cell of a grid of `columns` cells of `cell` pixels,
// rows from the top, as the atlas cuts a node into frames.
template <class Paint>
void PaintGrid(cairo_t* cr, int frames, int columns, int cell, Paint paint) {
    for (int f = 0; f < frames; ++f) {
        cairo_save(cr);
        cairo_translate(cr, (f % columns) * cell, (f / columns) * cell);
        ClipToCell(cr, cell, cell);
        paint(f);
        cairo_restore(cr);
    }
}

// A star of `points` spikes between the two radii around (cx, cy).
void BurstPath(cairo_t* cr, double cx, double cy, double outer, double inner, int points,
               double turn) {
    for (int i = 0; i < points * 2; ++i) {
        const double a = turn + i * M_PI / points;
        const double r = i % 2 ? inner : outer;
        if (i == 0) {
            cairo_move_to(cr, cx + std::cos(a) * r, cy + std::sin(a) * r);
        } else {
            cairo_line_to(cr, cx + std::cos(a) * r, cy + std::sin(a) * r);
        }
    }
    cairo_close_path(cr);
}

// --- blast: 8 frames of 64 x 64 in a 4 x 2 grid.
constexpr int kBlastCell = 64, kBlastFrames = 8;

void PaintBlastFrame(cairo_t* cr, int frame) {
    static const double kBurst[kBlastFrames] = {12, 20, 26, 28, 22, 14, 7, 0};
    static const double kSmoke[kBlastFrames] = {0, 0, 0.3, 0.9, 1, 0.85, 0.6, 0.3};
    const double c = kBlastCell / 2.0;
    const double t = frame / double(kBlastFrames - 1);
    // Smoke puffs drifting outwards: outlines first, fills over them, so only
    // the cloud's outer edge shows.
    if (kSmoke[frame] > 0) {
        auto puffs = [&]() {
            for (int i = 0; i < 6; ++i) {
                const double a = i * M_PI / 3 + 0.3;
                const double d = 7 + 11 * t;
                Circle(cr, c + std::cos(a) * d, c + std::sin(a) * d - 2 * t, 5 + 6 * t);
            }
        };
        cairo_push_group(cr);
        puffs();
        Stroke(cr, kStoneDark, 3);
        puffs();
        SetColor(cr, Lighten(kStone, 0.35));
        cairo_fill(cr);
        cairo_pop_group_to_source(cr);
        cairo_paint_with_alpha(cr, kSmoke[frame]);
    }
    const double r = kBurst[frame];
    if (r <= 0)
        return;
    BurstPath(cr, c, c, r, r * 0.62, 9, frame * 0.2);
    cairo_pattern_t* p = cairo_pattern_create_radial(c, c, 0, c, c, r);
    cairo_pattern_add_color_stop_rgb(p, 0, kCream.r, kCream.g, kCream.b);
    cairo_pattern_add_color_stop_rgb(p, 0.45, kHoneyLight.r, kHoneyLight.g, kHoneyLight.b);
    cairo_pattern_add_color_stop_rgb(p, 1, kHoney.r, kHoney.g, kHoney.b);
    cairo_set_source(cr, p);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(p);
    Stroke(cr, frame < 3 ? kHoneyDark : kBerryDark, 2.5);
    if (frame < 4) {
        Circle(cr, c, c, r * 0.3);
        SetColor(cr, kWhite, 0.9);
        cairo_fill(cr);
    }
}

void PaintBlast(cairo_t* cr, const PaintContext&) {
    PaintGrid(cr, kBlastFrames, 4, kBlastCell, [cr](int f) { PaintBlastFrame(cr, f); });
}

// --- firework: 8 frames of 128 x 128 in a 4 x 2 grid.
constexpr int kRocketCell = 128, kRocketFrames = 8, kRays = 12;

void PaintRocketFrame(cairo_t* cr, int frame) {
    static const Rgb kColors[] = {kHoney, kBerry, kMana, kLeaf, kPlum, kGold};
    // The lowest star stays inside the cell: reach + droop + its radius < 63.
    static const double kReach[kRocketFrames] = {0, 18, 31, 40, 44, 46, 47, 48};
    static const double kDroop[kRocketFrames] = {0, 0, 0, 1, 3, 5, 7, 10};
    static const double kFade[kRocketFrames] = {1, 1, 1, 1, 0.95, 0.82, 0.62, 0.34};
    const double c = kRocketCell / 2.0;
    const double reach = kReach[frame], droop = kDroop[frame], fade = kFade[frame];
    // The flash at the heart, strongest at the start.
    PaintBlurred(cr, 0, 0, kRocketCell, kRocketCell, 6, fade, [&](cairo_t* g) {
        Circle(g, c, c, frame == 0 ? 12 : std::fmax(16 - frame * 2.0, 3));
        SetColor(g, kCream);
        cairo_fill(g);
        for (int i = 0; i < kRays && reach > 0; ++i) {
            const double a = i * 2 * M_PI / kRays;
            Circle(g, c + std::cos(a) * reach, c + std::sin(a) * reach + droop, 5);
            SetColor(g, Lighten(kColors[i % 6], 0.3), 0.8);
            cairo_fill(g);
        }
    });
    if (frame < 3) {
        Circle(cr, c, c, 6 - frame * 1.5);
        SetColor(cr, kWhite, 0.95);
        cairo_fill(cr);
    }
    if (reach <= 0)
        return;
    for (int i = 0; i < kRays; ++i) {
        const double a = i * 2 * M_PI / kRays;
        const Rgb color = kColors[i % 6];
        const double tipX = c + std::cos(a) * reach, tipY = c + std::sin(a) * reach + droop;
        // A streak while the burst spreads, a trail of dots as it falls.
        if (frame <= 3) {
            const double from = reach * 0.45;
            cairo_move_to(cr, c + std::cos(a) * from, c + std::sin(a) * from);
            cairo_line_to(cr, tipX, tipY);
            Stroke(cr, color, 4, fade);
        } else {
            for (int k = 1; k <= 2; ++k) {
                const double back = reach - k * 7;
                Circle(cr, c + std::cos(a) * back, c + std::sin(a) * back + droop * (1 - k * 0.3),
                       3.0 - k * 0.6);
                SetColor(cr, color, fade * (1 - k * 0.3));
                cairo_fill(cr);
            }
        }
        Circle(cr, tipX, tipY, 4.5);
        SetColor(cr, Lighten(color, 0.45), fade);
        cairo_fill(cr);
        // An inner ring of smaller stars in the neighbouring colour.
        const double inner = reach * 0.6;
        const double b = a + M_PI / kRays;
        Circle(cr, c + std::cos(b) * inner, c + std::sin(b) * inner + droop * 0.7, 2.4);
        SetColor(cr, Lighten(kColors[(i + 1) % 6], 0.5), fade);
        cairo_fill(cr);
    }
}

void PaintRocket(cairo_t* cr, const PaintContext&) {
    PaintGrid(cr, kRocketFrames, 4, kRocketCell, [cr](int f) { PaintRocketFrame(cr, f); });
}

// --- hover ring: 2 frames of 128 x 64, stretched over an object's footprint.
constexpr int kRingW = 128, kRingH = 64;

void PaintRingFrame(cairo_t* cr, Rgb color) {
    const double cx = kRingW / 2.0, cy = kRingH / 2.0;
    PaintBlurred(cr, 0, 0, kRingW, kRingH, 3, 0.8, [&](cairo_t* g) {
        Ellipse(g, cx, cy, 54, 24);
        Stroke(g, Lighten(color, 0.2), 8);
    });
    Ellipse(cr, cx, cy, 54, 24);
    Stroke(cr, Darken(color, 0.25), 5);
    Ellipse(cr, cx, cy, 54, 24);
    Stroke(cr, color, 3.2);
    Ellipse(cr, cx, cy - 1, 53, 23);
    Stroke(cr, Lighten(color, 0.6), 1.2, 0.9);
}

void PaintRing(cairo_t* cr, const PaintContext&) {
    PaintRingFrame(cr, kGold);
    cairo_save(cr);
    cairo_translate(cr, kRingW, 0);
    PaintRingFrame(cr, kBerry);
    cairo_restore(cr);
}

}  // namespace

void AddEffectSprites(std::vector<TextureDef>& book) {
    book.push_back(
        {"laser",
         kBeamW * kBeamFrames,
         kBeamH,
         PaintBeam,
         {{"laser", 0, 0, kBeamW * kBeamFrames, kBeamH, kBeamFrames, 1, 12}},
         "The beam of a cast, anchored at its centre and stretched 2 x 6 in the scene."});
    book.push_back({"explosion",
                    kBlastCell * 4,
                    kBlastCell * 2,
                    PaintBlast,
                    {{"explosion", 0, 0, kBlastCell * 4, kBlastCell * 2, 4, 2, 20}},
                    "A tower's muzzle blast and a stone's landing."});
    book.push_back({"base",
                    kRocketCell * 4,
                    kRocketCell * 2,
                    PaintRocket,
                    {{"firework", 0, 0, kRocketCell * 4, kRocketCell * 2, 4, 2, 12}},
                    "One firework burst per shot."});
    book.push_back({"highlight",
                    kRingW * 2,
                    kRingH,
                    PaintRing,
                    {{"highlight", 0, 0, kRingW * 2, kRingH, 2, 1, 30}},
                    "The ring under the hovered object: frame 0 it can be chosen, frame 1 not."});
}

}  // namespace artgen
