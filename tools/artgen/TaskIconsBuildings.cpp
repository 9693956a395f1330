// Goal pictures of the buildings the player raises: house, sawmill, mill,
// gold mill, tower and lighthouse, each standing on a soft shadow.
#include <cmath>
#include <initializer_list>
#include <utility>

#include "tools/artgen/ArtShapes.h"
#include "tools/artgen/Scenery.h"
#include "tools/artgen/TaskIconsParts.h"

namespace artgen {

using namespace datakit;
using namespace datakit::palette;

void PaintTaskHouse(cairo_t* cr) {
    SoftGroundShadow(cr, 24, 43, 20, 4, 0.4);
    PaintCottage(cr, 24, 43, 27);
}

void PaintTaskMill(cairo_t* cr) {
    SoftGroundShadow(cr, 24, 45, 16, 3, 0.4);
    PaintWindmill(cr, 24, 45, 23.5, 0.35);
}

// A saw blade biting into a log.
void PaintTaskSawmill(cairo_t* cr) {
    SoftGroundShadow(cr, 24, 43, 21, 4, 0.4);
    const double bx = 19, by = 20, r = 15;
    cairo_new_path(cr);
    StarPath(cr, bx, by, r, r - 3.5, 16, 0.1);
    FillMetal(cr, kSilverMetal, by - r, 2 * r);
    StarPath(cr, bx, by, r, r - 3.5, 16, 0.1);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    Stroke(cr, kInk, 1.6);
    Circle(cr, bx, by, r * 0.55);
    Stroke(cr, kSilverMetal.dark, 1.2, 0.8);
    Circle(cr, bx, by, 3.2);
    SetColor(cr, kBerry);
    cairo_fill_preserve(cr);
    Stroke(cr, kInk, 1.4);
    // the log in front, its cut end to the right
    RoundedRect(cr, 4, 29, 38, 13, 6);
    SetVerticalGradient(cr, 29, 13, kWoodLight, kWoodDark);
    cairo_fill_preserve(cr);
    Stroke(cr, kInk, 2);
    cairo_move_to(cr, 9, 34);
    cairo_line_to(cr, 26, 34);
    cairo_move_to(cr, 12, 38);
    cairo_line_to(cr, 30, 38);
    Stroke(cr, kWoodDark, 1.2, 0.8);
    Ellipse(cr, 39, 35.5, 4.6, 6.5);
    SetColor(cr, Hex(0xF2CE94));
    cairo_fill_preserve(cr);
    Stroke(cr, kInk, 1.8);
    Ellipse(cr, 39, 35.5, 2, 3);
    Stroke(cr, kWood, 1, 0.9);
    // sawdust
    for (const auto& [x, y] : {std::pair{33.0, 25.0}, {36.5, 22.0}, {31.0, 21.5}}) {
        Circle(cr, x, y, 1.3);
        SetColor(cr, Hex(0xF2CE94));
        cairo_fill(cr);
    }
}

// A wooden cog wheel turning beside a gold coin: the mill that makes money
// out of nuggets.
void PaintTaskGoldmill(cairo_t* cr) {
    SoftGroundShadow(cr, 24, 43, 21, 4, 0.4);
    const double cx = 19, cy = 20, r = 15;
    cairo_new_path(cr);
    for (int i = 0; i < 8; ++i) {
        const double a = i * M_PI / 4;
        cairo_save(cr);
        cairo_translate(cr, cx, cy);
        cairo_rotate(cr, a);
        cairo_rectangle(cr, r - 5, -3.4, 6, 6.8);
        cairo_restore(cr);
    }
    Circle(cr, cx, cy, r - 3);
    cairo_path_t* wheel = cairo_copy_path(cr);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    Stroke(cr, kInk, 3.2);
    cairo_append_path(cr, wheel);
    SetVerticalGradient(cr, cy - r, 2 * r, kWoodLight, kWood);
    cairo_fill(cr);
    cairo_path_destroy(wheel);
    Circle(cr, cx, cy, r - 7);
    Stroke(cr, kWoodDark, 1.4, 0.8);
    Circle(cr, cx, cy, 3.4);
    SetColor(cr, kWoodDark);
    cairo_fill_preserve(cr);
    Stroke(cr, kInk, 1.4);
    TaskCorner(cr, TaskBadge::kCoin);
}

void PaintTaskTower(cairo_t* cr) {
    SoftGroundShadow(cr, 24, 44, 16, 3.5, 0.4);
    Pennant(cr, 24, 3, 12, 12, kBerry, 1.4);
    // body, slightly wider at the foot
    cairo_move_to(cr, 13, 44);
    cairo_line_to(cr, 15, 17);
    cairo_line_to(cr, 33, 17);
    cairo_line_to(cr, 35, 44);
    cairo_close_path(cr);
    FillShaded(cr, kStone, 17, 27, 2);
    // battlements
    cairo_new_path(cr);
    cairo_rectangle(cr, 12, 14, 24, 5);
    for (int i = 0; i < 3; ++i)
        cairo_rectangle(cr, 12 + i * 9.5, 9, 5, 6);
    cairo_path_t* top = cairo_copy_path(cr);
    Stroke(cr, kInk, 3.6);
    cairo_append_path(cr, top);
    SetColor(cr, Lighten(kStone, 0.25));
    cairo_fill(cr);
    cairo_path_destroy(top);
    // stone courses, a window slit and the door
    for (double y : {25.0, 33.0}) {
        cairo_move_to(cr, 15, y);
        cairo_line_to(cr, 33.5, y);
    }
    Stroke(cr, kStoneDark, 1, 0.6);
    RoundedRect(cr, 22.5, 21, 3, 7, 1.5);
    SetColor(cr, kInk);
    cairo_fill(cr);
    DoorArch(cr, 24, 44, 4.5, 38);
    SetColor(cr, kWoodDark);
    cairo_fill_preserve(cr);
    Stroke(cr, kInk, 1.6);
}

void PaintTaskLighthouse(cairo_t* cr) {
    // the beam on both sides of the lantern
    for (int side : {-1, 1}) {
        cairo_move_to(cr, 24, 11);
        cairo_line_to(cr, 24 + side * 23, 4);
        cairo_line_to(cr, 24 + side * 23, 17);
        cairo_close_path(cr);
        cairo_pattern_t* p = cairo_pattern_create_linear(24, 0, 24 + side * 23, 0);
        cairo_pattern_add_color_stop_rgba(p, 0, 1, 0.93, 0.55, 0.9);
        cairo_pattern_add_color_stop_rgba(p, 1, 1, 0.93, 0.55, 0);
        cairo_set_source(cr, p);
        cairo_fill(cr);
        cairo_pattern_destroy(p);
    }
    // rocks at the foot
    cairo_new_path(cr);
    Ellipse(cr, 16, 42, 9, 4.5);
    Ellipse(cr, 31, 42.5, 10, 4);
    SetColor(cr, kStone);
    cairo_fill_preserve(cr);
    Stroke(cr, kInk, 1.8);
    // the striped tower
    auto body = [cr] {
        cairo_move_to(cr, 16.5, 42);
        cairo_line_to(cr, 19, 17);
        cairo_line_to(cr, 29, 17);
        cairo_line_to(cr, 31.5, 42);
        cairo_close_path(cr);
    };
    body();
    SetColor(cr, kCream);
    cairo_fill(cr);
    cairo_save(cr);
    body();
    cairo_clip(cr);
    for (double y : {22.0, 33.0}) {
        cairo_rectangle(cr, 10, y, 28, 5.5);
    }
    SetColor(cr, kBerry);
    cairo_fill(cr);
    cairo_restore(cr);
    body();
    Stroke(cr, kInk, 2);
    // gallery, lantern and cap
    RoundedRect(cr, 15, 15.5, 18, 3.5, 1.5);
    SetColor(cr, kWoodDark);
    cairo_fill_preserve(cr);
    Stroke(cr, kInk, 1.6);
    cairo_rectangle(cr, 19.5, 8.5, 9, 7);
    SetColor(cr, kHoneyLight);
    cairo_fill_preserve(cr);
    Stroke(cr, kInk, 1.6);
    cairo_move_to(cr, 17.5, 9);
    cairo_line_to(cr, 24, 2.5);
    cairo_line_to(cr, 30.5, 9);
    cairo_close_path(cr);
    SetColor(cr, kBerryDark);
    cairo_fill_preserve(cr);
    Stroke(cr, kInk, 1.6);
}

}  // namespace artgen
