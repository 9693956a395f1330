// Goal pictures of people, goods and the special deeds of single levels: the
// worker, the three resources, the key statue, the key altar, the prison and
// the castle key.
#include <cmath>
#include <initializer_list>

#include "tools/artgen/ArtShapes.h"
#include "tools/artgen/TaskIcons.h"
#include "tools/artgen/TaskIconsParts.h"
#include "tools/common/ResourceIcons.h"

namespace artgen {

using namespace datakit;
using namespace datakit::palette;

void TaskCorner(cairo_t* cr, TaskBadge badge) {
    if (badge == TaskBadge::kCoin) {
        DrawResourceIcon(cr, Resource::kMoney, 25, 23, 22);
        return;
    }
    PaintKey(cr, 30, 35, 18, -0.6, 1.2);
}

// The islander who works for the player: straw hat, red band, blue shirt.
void PaintTaskWorker(cairo_t* cr) {
    const Rgb skin = Hex(0xF7C9A0), shirt = Hex(0x4F95D6);
    // shoulders
    cairo_move_to(cr, 8, 47);
    cairo_curve_to(cr, 8, 38, 14, 35, 24, 35);
    cairo_curve_to(cr, 34, 35, 40, 38, 40, 47);
    cairo_close_path(cr);
    FillShaded(cr, shirt, 35, 12, 2);
    // head
    Circle(cr, 24, 26, 11);
    SetVerticalGradient(cr, 15, 22, Lighten(skin, 0.2), skin);
    cairo_fill_preserve(cr);
    Stroke(cr, kInk, 2);
    StrawHat(cr, 24, 17.5, 19, 4.2, 9, 5, kBerry, 2);
    // face
    for (double ex : {20.0, 28.0}) {
        Ellipse(cr, ex, 26, 1.5, 2);
        SetColor(cr, kInk);
        cairo_fill(cr);
        Circle(cr, ex + (ex < 24 ? -3 : 3), 30, 2.2);
        cairo_set_source_rgba(cr, 0.95, 0.45, 0.4, 0.45);
        cairo_fill(cr);
    }
    cairo_move_to(cr, 20.5, 30.5);
    cairo_curve_to(cr, 22.5, 33, 25.5, 33, 27.5, 30.5);
    Stroke(cr, kInk, 1.6);
}

namespace {

void ResourceGoal(cairo_t* cr, Resource resource) {
    SoftGroundShadow(cr, 24, 42, 18, 4, 0.35);
    DrawResourceIcon(cr, resource, 4, 3, 40);
}

// A stone block with the top slab a little wider: the foot of statues and
// altars.
void Plinth(cairo_t* cr, double x, double y, double w, double h) {
    cairo_rectangle(cr, x + 2, y + 3, w - 4, h - 3);
    FillShaded(cr, kStone, y, h, 1.8);
    RoundedRect(cr, x, y, w, 4.5, 1.5);
    SetColor(cr, Lighten(kStone, 0.3));
    cairo_fill_preserve(cr);
    Stroke(cr, kInk, 1.8);
}

}  // namespace

void PaintTaskFood(cairo_t* cr) {
    ResourceGoal(cr, Resource::kFood);
}

void PaintTaskWood(cairo_t* cr) {
    ResourceGoal(cr, Resource::kWood);
}

void PaintTaskMoney(cairo_t* cr) {
    ResourceGoal(cr, Resource::kMoney);
}

// A stone guardian on its plinth.
void PaintTaskKeyStatue(cairo_t* cr) {
    SoftGroundShadow(cr, 20, 44, 16, 3.5, 0.4);
    Plinth(cr, 7, 33, 26, 11);
    // robe, arms folded, head
    cairo_move_to(cr, 12, 33);
    cairo_curve_to(cr, 12, 22, 14, 17, 20, 17);
    cairo_curve_to(cr, 26, 17, 28, 22, 28, 33);
    cairo_close_path(cr);
    FillShaded(cr, Lighten(kStone, 0.15), 17, 16, 1.8);
    cairo_move_to(cr, 14.5, 25);
    cairo_curve_to(cr, 18, 27.5, 22, 27.5, 25.5, 25);
    Stroke(cr, kStoneDark, 1.4);
    Circle(cr, 20, 11.5, 6);
    FillShaded(cr, Lighten(kStone, 0.2), 5.5, 12, 1.8);
    TaskCorner(cr, TaskBadge::kKey);
}

// An altar with a mana flame.
void PaintTaskKeyAltar(cairo_t* cr) {
    SoftGroundShadow(cr, 21, 44, 17, 3.5, 0.4);
    Glow(cr, 20, 16, 14, kMana, 0.55);
    cairo_move_to(cr, 20, 4);
    cairo_curve_to(cr, 26, 11, 28, 17, 25, 21.5);
    cairo_curve_to(cr, 23, 24, 17, 24, 15, 21.5);
    cairo_curve_to(cr, 12.5, 17.5, 15, 12, 20, 4);
    cairo_close_path(cr);
    SetVerticalGradient(cr, 4, 20, Hex(0xBFE3FF), kMana);
    cairo_fill_preserve(cr);
    Stroke(cr, kManaDark, 1.6);
    // table top on a short column, on a base
    RoundedRect(cr, 5, 23, 30, 6, 2);
    SetColor(cr, Lighten(kStone, 0.3));
    cairo_fill_preserve(cr);
    Stroke(cr, kInk, 1.8);
    cairo_rectangle(cr, 12, 29, 16, 9);
    FillShaded(cr, kStone, 29, 9, 1.8);
    Plinth(cr, 8, 37, 24, 7);
    TaskCorner(cr, TaskBadge::kKey);
}

// A barred window in a stone wall, shut with a padlock.
void PaintTaskPrison(cairo_t* cr) {
    SoftGroundShadow(cr, 24, 44, 20, 3.5, 0.4);
    RoundedRect(cr, 5, 6, 38, 38, 5);
    FillShaded(cr, kStone, 6, 38, 2);
    for (double y : {16.0, 26.0, 36.0}) {
        cairo_move_to(cr, 7, y);
        cairo_line_to(cr, 41, y);
    }
    Stroke(cr, kStoneDark, 1, 0.5);
    // the dark window and its bars
    RoundedRect(cr, 11, 11, 26, 22, 3);
    SetColor(cr, Hex(0x3A2A22));
    cairo_fill_preserve(cr);
    Stroke(cr, kInk, 1.8);
    for (double x : {16.0, 22.0, 28.0, 34.0}) {
        cairo_move_to(cr, x - 0.5, 11.5);
        cairo_line_to(cr, x - 0.5, 32.5);
    }
    Stroke(cr, kStoneDark, 2.6);
    for (double x : {16.0, 22.0, 28.0, 34.0}) {
        cairo_move_to(cr, x - 1, 12);
        cairo_line_to(cr, x - 1, 32);
    }
    Stroke(cr, Lighten(kStone, 0.4), 0.8, 0.8);
    // padlock hanging in front
    cairo_new_path(cr);
    cairo_arc(cr, 24, 31, 4.5, M_PI, 2 * M_PI);
    Stroke(cr, kInk, 4.4);
    cairo_arc(cr, 24, 31, 4.5, M_PI, 2 * M_PI);
    Stroke(cr, kSilverMetal.base, 2.2);
    RoundedRect(cr, 17.5, 31, 13, 11, 2.5);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_path_t* body = cairo_copy_path(cr);
    FillMetal(cr, kGoldMetal, 31, 11);
    cairo_append_path(cr, body);
    Stroke(cr, kInk, 1.8);
    cairo_path_destroy(body);
    Circle(cr, 24, 35.5, 1.4);
    cairo_rectangle(cr, 23.4, 35.5, 1.2, 3.5);
    SetColor(cr, kInk);
    cairo_fill(cr);
}

// Two round towers and a gate.
void PaintTaskKeyCastle(cairo_t* cr) {
    SoftGroundShadow(cr, 22, 44, 20, 3.5, 0.4);
    cairo_rectangle(cr, 11, 22, 22, 22);
    FillShaded(cr, kStone, 22, 22, 1.8);
    for (int i = 0; i < 3; ++i)
        cairo_rectangle(cr, 13 + i * 7, 18, 4, 5);
    FillShaded(cr, kStone, 18, 5, 1.6);
    DoorArch(cr, 22, 44, 5, 35);
    SetColor(cr, kWoodDark);
    cairo_fill_preserve(cr);
    Stroke(cr, kInk, 1.6);
    for (double tx : {9.0, 35.0}) {
        cairo_rectangle(cr, tx - 5, 17, 10, 27);
        FillShaded(cr, Lighten(kStone, 0.1), 17, 27, 1.8);
        cairo_move_to(cr, tx - 7, 18);
        cairo_line_to(cr, tx, 4);
        cairo_line_to(cr, tx + 7, 18);
        cairo_close_path(cr);
        FillShaded(cr, kBerry, 4, 14, 1.8);
        RoundedRect(cr, tx - 1.2, 24, 2.4, 5, 1.2);
        SetColor(cr, kInk);
        cairo_fill(cr);
    }
    TaskCorner(cr, TaskBadge::kKey);
}

const std::vector<TaskIcon>& TaskIcons() {
    static const std::vector<TaskIcon> icons = {
        {"task_house", PaintTaskHouse},
        {"task_sawmill", PaintTaskSawmill},
        {"task_mill", PaintTaskMill},
        {"task_goldmill", PaintTaskGoldmill},
        {"task_tower", PaintTaskTower},
        {"task_worker", PaintTaskWorker},
        {"task_food", PaintTaskFood},
        {"task_wood", PaintTaskWood},
        {"task_money", PaintTaskMoney},
        {"task_key_statue", PaintTaskKeyStatue},
        {"task_lighthouse", PaintTaskLighthouse},
        {"task_key_altar", PaintTaskKeyAltar},
        {"task_prison", PaintTaskPrison},
        {"task_key_castle", PaintTaskKeyCastle},
    };
    return icons;
}

}  // namespace artgen
