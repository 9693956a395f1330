// The bandits' prison, a squat stone lock-up with a slate roof, barred
// windows and a padlocked door, standing on its 2 x 2 cells with the middle of
// its footprint on the anchor; and the head over its roof for each worker
// locked inside, centred on its anchor.
#include <cmath>

#include "tools/artgen/FigureHeads.h"
#include "tools/artgen/Sources.h"
#include "tools/artgen/SpriteInk.h"
#include "tools/artgen/SpritePacker.h"

namespace artgen {

using namespace datakit;
using namespace datakit::palette;

namespace {

constexpr CanvasBox kPrisonCanvas{-96, -120, 96, 48};
constexpr CanvasBox kHeadCanvas{-16, -16, 16, 16};
constexpr Rgb kSlate = Hex(0x6B6784);
constexpr Rgb kIron = Hex(0x4D4A57);
constexpr Rgb kGloom = Hex(0x2C2638);

// Rows of stone blocks over a wall, offset every other row.
void Blocks(cairo_t* cr, double left, double right, double top, double bottom, double rowHeight) {
    int row = 0;
    for (double y = top + rowHeight; y < bottom - 1; y += rowHeight, ++row) {
        cairo_move_to(cr, left, y);
        cairo_line_to(cr, right, y);
    }
    row = 0;
    for (double y = top; y < bottom - 1; y += rowHeight, ++row) {
        const double offset = (row % 2) * 11.0;
        for (double x = left + 9 + offset; x < right - 4; x += 22) {
            cairo_move_to(cr, x, y + 1);
            cairo_line_to(cr, x, std::min(y + rowHeight, bottom) - 1);
        }
    }
    Stroke(cr, Darken(kStone, 0.3), 0.9, 0.75);
}

void BarredWindow(cairo_t* cr, double cx, double top) {
    constexpr double w = 18, h = 20;
    RoundedPolygon(
        cr, {{cx - w / 2, top}, {cx + w / 2, top}, {cx + w / 2, top + h}, {cx - w / 2, top + h}},
        2.5);
    SetColor(cr, kGloom);
    cairo_fill_preserve(cr);
    Stroke(cr, kInk, 1.4);
    for (int i = 1; i < 4; ++i) {
        const double x = cx - w / 2 + i * w / 4;
        cairo_move_to(cr, x, top + 1);
        cairo_line_to(cr, x, top + h - 1);
    }
    Stroke(cr, Lighten(kIron, 0.35), 1.8);
    // the sill
    RoundedPolygon(cr,
                   {{cx - w / 2 - 3, top + h},
                    {cx + w / 2 + 3, top + h},
                    {cx + w / 2 + 3, top + h + 4},
                    {cx - w / 2 - 3, top + h + 4}},
                   1.2);
    InkedFill(cr, Lighten(kStone, 0.25), 1.0);
}

void Door(cairo_t* cr) {
    constexpr double left = -14, right = 14, top = -22, bottom = 27;
    cairo_move_to(cr, left, bottom);
    cairo_line_to(cr, left, top + 12);
    cairo_curve_to(cr, left, top - 2, right, top - 2, right, top + 12);
    cairo_line_to(cr, right, bottom);
    cairo_close_path(cr);
    cairo_path_t* outline = cairo_copy_path(cr);
    SetVerticalGradient(cr, top, bottom - top, kWoodLight, kWoodDark);
    cairo_fill(cr);
    cairo_save(cr);
    cairo_append_path(cr, outline);
    cairo_clip(cr);
    for (double x : {-7.0, 0.0, 7.0}) {
        cairo_move_to(cr, x, top);
        cairo_line_to(cr, x, bottom);
    }
    Stroke(cr, Darken(kWood, 0.35), 0.9, 0.8);
    // iron bands across the planks
    for (double y : {-6.0, 14.0}) {
        cairo_rectangle(cr, left, y, right - left, 4);
        SetColor(cr, kIron);
        cairo_fill_preserve(cr);
        Stroke(cr, kInk, 0.9);
    }
    cairo_restore(cr);
    cairo_append_path(cr, outline);
    cairo_path_destroy(outline);
    Stroke(cr, kInk, 1.4);
    // the padlock on the hasp
    cairo_arc(cr, 8, 3, 3, M_PI, 2 * M_PI);
    Stroke(cr, kIron, 1.8);
    RoundedPolygon(cr, {{4.5, 3}, {11.5, 3}, {11.5, 10}, {4.5, 10}}, 1.5);
    SetVerticalGradient(cr, 3, 7, kHoneyLight, kGoldDark);
    cairo_fill_preserve(cr);
    Stroke(cr, kInk, 0.9);
    Circle(cr, 8, 6.3, 0.9);
    SetColor(cr, kInk);
    cairo_fill(cr);
}

void Roof(cairo_t* cr) {
    const std::vector<Point> roof{{-66, -40}, {66, -40}, {44, -92}, {-44, -92}};
    RoundedPolygon(cr, roof, 3);
    cairo_path_t* outline = cairo_copy_path(cr);
    SetVerticalGradient(cr, -92, 52, Lighten(kSlate, 0.2), Darken(kSlate, 0.2));
    cairo_fill(cr);
    cairo_save(cr);
    cairo_append_path(cr, outline);
    cairo_clip(cr);
    // slates in rows, each row shifted by half a slate
    for (int row = 0; row < 5; ++row) {
        const double y = -92 + 10.4 * (row + 1);
        const double half = 44 + 22 * (row + 1) / 5.0;
        cairo_move_to(cr, -half, y);
        cairo_line_to(cr, half, y);
        for (double x = -half + 6 + (row % 2) * 6; x < half; x += 12) {
            cairo_move_to(cr, x, y - 10.4);
            cairo_line_to(cr, x + 0.8, y);
        }
    }
    Stroke(cr, Darken(kSlate, 0.4), 0.8, 0.7);
    cairo_restore(cr);
    cairo_append_path(cr, outline);
    cairo_path_destroy(outline);
    Stroke(cr, kInk, 1.5);
    // the ridge, with a light on it
    cairo_move_to(cr, -44, -92);
    cairo_line_to(cr, 44, -92);
    Stroke(cr, kInk, 4.2);
    cairo_move_to(cr, -44, -92);
    cairo_line_to(cr, 44, -92);
    Stroke(cr, Lighten(kSlate, 0.35), 2.0);
}

void PaintPrison(cairo_t* cr) {
    GroundShade(cr, 6, 22, 74, 18, 0.4);
    // the stone walls, a little wider at the foot
    RoundedPolygon(cr, {{-54, -44}, {54, -44}, {57, 28}, {-57, 28}}, 3);
    cairo_path_t* walls = cairo_copy_path(cr);
    SetVerticalGradient(cr, -44, 72, Lighten(kStone, 0.22), kStoneDark);
    cairo_fill(cr);
    cairo_save(cr);
    cairo_append_path(cr, walls);
    cairo_clip(cr);
    Blocks(cr, -57, 57, -44, 28, 12);
    cairo_restore(cr);
    cairo_append_path(cr, walls);
    cairo_path_destroy(walls);
    Stroke(cr, kInk, 1.5);
    // a footing of bigger stones along the ground
    RoundedPolygon(cr, {{-59, 20}, {59, 20}, {59, 30}, {-59, 30}}, 3);
    InkedFill(cr, Darken(kStone, 0.12), 1.3);
    BarredWindow(cr, -36, -30);
    BarredWindow(cr, 36, -30);
    Door(cr);
    Roof(cr);
}

// A worker's worried face on a round badge: somebody is locked in.
void PaintCaptiveHead(cairo_t* cr) {
    Circle(cr, 0, 0, 13);
    SetColor(cr, kCream);
    cairo_fill_preserve(cr);
    Stroke(cr, kInk, 1.3);
    const HeadPose head{{0, 3}, 8.2, View::kFront, 0, 0, 0, Face::kScared};
    PaintWorkerHead(cr, head);
}

}  // namespace

void AddPrisonTextures(std::vector<TextureDef>& book) {
    book.push_back(SpriteTexture("prison", 256, 256, [] {
        std::vector<SpriteArt> all;
        all.push_back({"prison00", 0, kPrisonCanvas, {PaintPrison}});
        all.push_back({"head", 0, kHeadCanvas, {PaintCaptiveHead}});
        return all;
    }));
    book.back().note = "The bandits' prison and the head shown over it for each captive.";
}

}  // namespace artgen
