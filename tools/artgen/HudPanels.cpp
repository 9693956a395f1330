#include "tools/artgen/HudPanels.h"

#include <cmath>
#include <initializer_list>

#include "tools/artgen/ArtShapes.h"
#include "tools/common/Palette.h"

namespace artgen {

using namespace datakit;
using namespace datakit::palette;

namespace {

// A wooden board with a soft shadow, grain and a light inner rim, the same
// wood as the window panels.
void Board(cairo_t* cr, double x, double y, double w, double h, double r) {
    SoftShadow(cr, x + 1, y + 3, w - 2, h - 2, r, 3, 0.4);
    RoundedRect(cr, x, y, w, h, r);
    SetVerticalGradient(cr, y, h, kWoodLight, kWood);
    cairo_fill(cr);
    cairo_save(cr);
    RoundedRect(cr, x, y, w, h, r);
    cairo_clip(cr);
    for (double gy = y + 5; gy < y + h - 3; gy += 6.5) {
        cairo_move_to(cr, x + 4, gy);
        cairo_curve_to(cr, x + w * 0.3, gy + 1.2, x + w * 0.6, gy - 1.2, x + w - 4, gy + 0.6);
    }
    Stroke(cr, kWoodDark, 0.9, 0.22);
    cairo_restore(cr);
    RoundedRect(cr, x + 2.5, y + 2.5, w - 5, h - 5, r - 2.5);
    Stroke(cr, kWhite, 1.4, 0.28);
    RoundedRect(cr, x, y, w, h, r);
    Stroke(cr, kInk, 2.6);
}

// A parchment well sunk into a board.
void Well(cairo_t* cr, double x, double y, double w, double h, double r) {
    RoundedRect(cr, x, y, w, h, r);
    SetVerticalGradient(cr, y, h, kParchment, kCream);
    cairo_fill(cr);
    cairo_save(cr);
    RoundedRect(cr, x, y, w, h, r);
    cairo_clip(cr);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, y, 0, y + 7);
    cairo_pattern_add_color_stop_rgba(p, 0, 0.25, 0.14, 0.06, 0.35);
    cairo_pattern_add_color_stop_rgba(p, 1, 0.25, 0.14, 0.06, 0);
    cairo_set_source(cr, p);
    cairo_paint(cr);
    cairo_pattern_destroy(p);
    cairo_restore(cr);
    RoundedRect(cr, x, y, w, h, r);
    Stroke(cr, kInk, 1.8);
}

void Socket(cairo_t* cr, double cx, double cy, double r) {
    Circle(cr, cx, cy, r);
    SetVerticalGradient(cr, cy - r, 2 * r, Darken(kWood, 0.25), kWoodLight);
    cairo_fill_preserve(cr);
    Stroke(cr, kInk, 1.8);
    Circle(cr, cx, cy, r - 3);
    SetVerticalGradient(cr, cy - r, 2 * r, kParchmentShade, kCream);
    cairo_fill(cr);
}

void Rivet(cairo_t* cr, double x, double y) {
    Circle(cr, x, y, 3);
    SetVerticalGradient(cr, y - 3, 6, kHoneyLight, kHoneyDark);
    cairo_fill_preserve(cr);
    Stroke(cr, kInk, 1.2);
}

}  // namespace

void PaintHudBar(cairo_t* cr) {
    Board(cr, 2, 2, kHudBarW - 4, kHudBarH - 6, 16);
    for (int i = 0; i < 4; ++i) {
        const double x = kHudSlotX0 + i * kHudSlotStep;
        Socket(cr, x + 24, 30, 23);
        Well(cr, x + kHudNumberDx, kHudNumberY - 2, kHudNumberW, kHudNumberH, 9);
    }
    for (int i = 1; i < 4; ++i)
        Rivet(cr, kHudSlotX0 + i * kHudSlotStep - 4, 30);
}

void PaintHudClock(cairo_t* cr) {
    Board(cr, 2, 2, kHudClockW - 4, kHudClockH - 6, 16);
    Socket(cr, 36, 30, 23);
    // the groove, a little larger than the fill that runs in it
    RoundedRect(cr, kTimeX - 3, kTimeY - 3, kTimeW + 6, kTimeH + 6, (kTimeH + 6) / 2.0);
    SetVerticalGradient(cr, kTimeY - 3, kTimeH + 6, Darken(kWoodDark, 0.45), kWoodDark);
    cairo_fill_preserve(cr);
    Stroke(cr, kInk, 2);
    // the gold mark: a notch through the groove and a star above it
    const double gx = kTimeX + kTimeW / 3.0;
    cairo_move_to(cr, gx, kTimeY - 5);
    cairo_line_to(cr, gx, kTimeY + kTimeH + 4);
    Stroke(cr, kInk, 3);
    cairo_move_to(cr, gx, kTimeY - 4);
    cairo_line_to(cr, gx, kTimeY + kTimeH + 3);
    Stroke(cr, kGold, 1.4);
    StarPath(cr, gx, kTimeY - 10, 6.5, 2.8, 5, -M_PI / 2);
    cairo_path_t* star = cairo_copy_path(cr);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    Stroke(cr, kInk, 2.4);
    cairo_append_path(cr, star);
    FillMetal(cr, kGoldMetal, kTimeY - 16, 12);
    cairo_path_destroy(star);
}

void PaintTimeFill(cairo_t* cr) {
    // The bar control crops this picture from the right as time runs out:
    // the gold stretch shows while the gold medal can still be won.
    const double r = kTimeH / 2.0, split = kTimeW / 3.0;
    RoundedRect(cr, 0, 0, kTimeW, kTimeH, r);
    cairo_path_t* bar = cairo_copy_path(cr);
    cairo_save(cr);
    cairo_clip(cr);
    cairo_rectangle(cr, 0, 0, split, kTimeH);
    FillMetal(cr, kSilverMetal, 0, kTimeH);
    cairo_rectangle(cr, split, 0, kTimeW - split, kTimeH);
    FillMetal(cr, kGoldMetal, 0, kTimeH);
    cairo_move_to(cr, split, 0);
    cairo_line_to(cr, split, kTimeH);
    Stroke(cr, kGoldDark, 1.5, 0.8);
    RoundedRect(cr, 4, 2.5, kTimeW - 8, kTimeH * 0.32, kTimeH * 0.16);
    SetColor(cr, kWhite, 0.45);
    cairo_fill(cr);
    cairo_restore(cr);
    cairo_append_path(cr, bar);
    Stroke(cr, kInk, 1.4, 0.8);
    cairo_path_destroy(bar);
}

void PaintHudTasks(cairo_t* cr) {
    Board(cr, 2, 2, kHudTasksW - 4, kHudTasksH - 6, 22);
    Well(cr, 10, 10, kHudTasksW - 20, kHudTasksH - 22, 14);
    for (int i = 1; i < 3; ++i) {
        const double y = kTaskLineY0 + i * kTaskLineStep - 4;
        cairo_move_to(cr, 24, y);
        cairo_line_to(cr, kHudTasksW - 24, y);
    }
    const double dash[] = {1, 5};
    cairo_set_dash(cr, dash, 2, 0);
    Stroke(cr, kWood, 2, 0.55);
    cairo_set_dash(cr, nullptr, 0, 0);
}

namespace {

enum class Face { kNormal, kPressed, kOver, kDisabled };

void MenuFace(cairo_t* cr, Face face) {
    const double c = kMenuSide / 2.0, r = 23;
    const bool pressed = face == Face::kPressed;
    Rgb wood = kWood, paper = kCream;
    if (face == Face::kOver) {
        wood = Lighten(kWood, 0.2);
        paper = kWhite;
    }
    if (face == Face::kDisabled) {
        wood = Mix(kWood, kStone, 0.7);
        paper = Mix(kCream, kStone, 0.5);
    }
    const double dy = pressed ? 1.5 : 0;
    SoftGroundShadow(cr, c, c + 2, r + 3, r + 2, pressed ? 0.3 : 0.45);
    Circle(cr, c, c + dy, r);
    SetVerticalGradient(cr, c - r, 2 * r, Lighten(wood, 0.3), Darken(wood, 0.15));
    cairo_fill_preserve(cr);
    Stroke(cr, kInk, 2.4);
    Circle(cr, c, c + dy + (pressed ? 0.5 : 0), r - 6);
    SetVerticalGradient(cr, c - r, 2 * r, paper, pressed ? kParchmentShade : kParchment);
    cairo_fill_preserve(cr);
    Stroke(cr, kInk, 1.8);
    const Rgb ink = face == Face::kDisabled ? kStoneDark : kInk;
    for (int i = -1; i <= 1; ++i) {
        cairo_move_to(cr, c - 8, c + dy + i * 6);
        cairo_line_to(cr, c + 8, c + dy + i * 6);
    }
    Stroke(cr, ink, 3.2);
    if (!pressed) {
        cairo_new_path(cr);
        cairo_arc(cr, c, c, r - 2.5, M_PI * 1.1, M_PI * 1.55);
        Stroke(cr, kWhite, 2, 0.45);
    }
}

}  // namespace

void PaintMenuFaces(cairo_t* cr) {
    const Face faces[] = {Face::kNormal, Face::kPressed, Face::kOver, Face::kDisabled};
    PaintFrames(cr, 4, 1, kMenuSide, kMenuSide, [&](int f) { MenuFace(cr, faces[f]); });
}

void PaintHourglass(cairo_t* cr) {
    SoftGroundShadow(cr, 24, 44, 15, 3, 0.35);
    // the glass: two bulbs meeting at a waist
    auto glass = [cr] {
        cairo_move_to(cr, 14, 9);
        cairo_curve_to(cr, 14, 20, 22, 21, 22.5, 24);
        cairo_curve_to(cr, 22, 27, 14, 28, 14, 39);
        cairo_line_to(cr, 34, 39);
        cairo_curve_to(cr, 34, 28, 26, 27, 25.5, 24);
        cairo_curve_to(cr, 26, 21, 34, 20, 34, 9);
        cairo_close_path(cr);
    };
    glass();
    SetColor(cr, kSkyLight, 0.9);
    cairo_fill(cr);
    // sand: what is left above, the heap below and the thin stream between
    cairo_save(cr);
    glass();
    cairo_clip(cr);
    cairo_rectangle(cr, 10, 15, 28, 9);
    cairo_move_to(cr, 12, 39);
    cairo_curve_to(cr, 16, 31, 32, 31, 36, 39);
    cairo_close_path(cr);
    SetVerticalGradient(cr, 15, 24, kHoneyLight, kHoneyDark);
    cairo_fill(cr);
    cairo_rectangle(cr, 23.3, 23, 1.4, 10);
    SetColor(cr, kHoney);
    cairo_fill(cr);
    cairo_restore(cr);
    glass();
    Stroke(cr, kInk, 2);
    cairo_move_to(cr, 17, 12);
    cairo_curve_to(cr, 17, 17, 19, 19, 21, 21);
    Stroke(cr, kWhite, 1.6, 0.7);
    // the wooden ends and posts
    for (double y : {5.0, 39.0}) {
        RoundedRect(cr, 9, y, 30, 5, 2.5);
        SetVerticalGradient(cr, y, 5, kWoodLight, kWoodDark);
        cairo_fill_preserve(cr);
        Stroke(cr, kInk, 1.8);
    }
    for (double x : {11.0, 37.0}) {
        cairo_move_to(cr, x, 10);
        cairo_line_to(cr, x, 39);
        Stroke(cr, kInk, 3.4);
        cairo_move_to(cr, x, 10);
        cairo_line_to(cr, x, 39);
        Stroke(cr, kWood, 1.6);
    }
}

}  // namespace artgen
