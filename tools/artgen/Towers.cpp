// The player's stone-throwing tower and the enemies' tower.
//
// "tower00": frames 0..4 construction, then levels 0..2 (a wooden watchtower,
// a stone base under the platform, a stone tower with battlements); footprint
// 1 x 1, anchor at its centre. The throwing arm sits on the platform right
// over the anchor, 50 units up, where the game starts the stones.
// "tower_enemy00": one picture, the same footprint, anchor and throwing point.
#include <cmath>

#include "tools/artgen/Buildings.h"
#include "tools/artgen/ConstructionKit.h"

namespace artgen {

namespace {

using namespace datakit;
using namespace datakit::palette;

constexpr int kStages = 4, kLevels = 3;
constexpr double kDeck = 42;

void Posts(cairo_t* cr, double from, double to, double half, Rgb color, bool back) {
    const P3 corners[] = {{-half, half, 0}, {-half, -half, 0}, {half, -half, 0}, {half, half, 0}};
    for (int k = 0; k < 4; ++k) {
        const bool isBack = k == 0;
        if (isBack != back)
            continue;
        MoveTo(cr, {corners[k].a, corners[k].b, from});
        LineTo(cr, {corners[k].a, corners[k].b, to});
        InkedLine(cr, color, 3.4);
    }
}

void Braces(cairo_t* cr, double from, double to, double half, Rgb color = kWoodLight) {
    MoveTo(cr, {-half, -half, from});
    LineTo(cr, {half, -half, to});
    MoveTo(cr, {half, -half, from});
    LineTo(cr, {-half, -half, to});
    MoveTo(cr, {half, -half, from});
    LineTo(cr, {half, half, to});
    InkedLine(cr, color, 1.5);
}

void Platform(cairo_t* cr, double z, Rgb color) {
    DrawBox(cr, {-17, 17, -17, 17, z, z + 4}, color, color);
}

void Railing(cairo_t* cr, double z, Rgb color, bool back) {
    const double h = 8, r = 16;
    if (back) {
        MoveTo(cr, {-r, -r, z + h});
        LineTo(cr, {-r, r, z + h});
        LineTo(cr, {r, r, z + h});
        InkedLine(cr, color, 1.8);
        return;
    }
    for (P3 p : {P3{-r, -r, z}, P3{0, -r, z}, P3{r, -r, z}, P3{r, 0, z}, P3{r, r, z}}) {
        MoveTo(cr, p);
        LineTo(cr, {p.a, p.b, z + h});
    }
    MoveTo(cr, {-r, -r, z + h});
    LineTo(cr, {r, -r, z + h});
    LineTo(cr, {r, r, z + h});
    InkedLine(cr, color, 1.8);
}

// The little stone thrower on the platform; its cup rests at the throwing
// point, 50 units over the anchor.
void Thrower(cairo_t* cr, double z) {
    DrawBox(cr, {-6, 6, -4, 4, z, z + 3}, kWood, kWoodLight);
    MoveTo(cr, {-5, 0, z + 3});
    LineTo(cr, {0, 0, z + 9});
    LineTo(cr, {5, 0, z + 3});
    InkedLine(cr, kWood, 1.6);
    MoveTo(cr, {6, 0, z + 6});
    LineTo(cr, {-2, 0, 50});
    InkedLine(cr, kWoodLight, 2);
    const P2 cup = Project({-2, 0, 50});
    Circle(cr, cup.x, cup.y, 2.8);
    Fill(cr, kStone, 1.2);
    const P2 weight = Project({7, 0, z + 5});
    Circle(cr, weight.x, weight.y, 3);
    Fill(cr, kStoneDark, 1.2);
}

void Watchtower(cairo_t* cr, double from, Rgb posts) {
    Posts(cr, from, kDeck, 13, posts, true);
    Posts(cr, from, kDeck, 13, posts, false);
    Braces(cr, from + 2, kDeck - 4, 13);
}

void Battlements(cairo_t* cr, double z) {
    DrawDrum(cr, 0, 0, 21, 21, z, z + 5, kStone, true);
    for (int k = 0; k < 6; ++k) {
        const double t = (222 + 32 * k) * M_PI / 180;
        const double a = 19 * std::cos(t), b = 19 * std::sin(t);
        DrawBox(cr, {a - 3, a + 3, b - 3, b + 3, z + 5, z + 11}, kStone, kStone);
    }
}

void Level(cairo_t* cr, int level) {
    GroundShadowDisc(cr, 0, 0, 18);
    if (level == 0) {
        Watchtower(cr, 0, kWood);
    } else if (level == 1) {
        Posts(cr, 20, kDeck, 13, kWood, true);
        DrawDrum(cr, 0, 0, 18, 16, 0, 22, kStone);
        Posts(cr, 20, kDeck, 13, kWood, false);
        Braces(cr, 22, kDeck - 4, 13);
        InDrumFront(cr, 0, 0, 17.5, [&] { cairo_rectangle(cr, -4, 2, 8, 12); });
        Fill(cr, kWood);
    } else {
        DrawDrum(cr, 0, 0, 18, 16.5, 0, kDeck, kStone);
        InDrumFront(cr, 0, 0, 17.5, [&] { cairo_rectangle(cr, -4, 2, 8, 13); });
        Fill(cr, kWood);
        InDrumFront(cr, 0, 0, 17, [&] { cairo_rectangle(cr, -1.5, 24, 3, 8); });
        FillFlat(cr, kInk, 0);
    }
    if (level < 2) {
        Platform(cr, kDeck, kWoodLight);
        Railing(cr, kDeck + 4, kWood, true);
        Thrower(cr, kDeck + 4);
        Railing(cr, kDeck + 4, kWood, false);
    } else {
        Thrower(cr, kDeck);
        Battlements(cr, kDeck - 2);
    }
    if (level >= 1)
        DrawPennant(cr, 14, 14, level == 2 ? kDeck + 9 : kDeck + 4, 18,
                    level == 2 ? kMana : kHoney);
}

void UnderConstruction(cairo_t* cr, Stage stage) {
    DrawPlot(cr, -21, 21, -21, 21);
    if (stage.k == 0) {
        DrawPlanks(cr, -2, 2, 2);
        return;
    }
    const double top = 6 + (kDeck - 6) * stage.Walls();
    Posts(cr, 0, top, 13, kWood, true);
    Posts(cr, 0, top, 13, kWood, false);
    if (stage.Walls() > 0.5)
        Braces(cr, 2, top - 4, 13);
    if (stage.Roof() >= 0) {
        Platform(cr, kDeck, kWoodLight);
        if (stage.Roof() > 0.5)
            Railing(cr, kDeck + 4, kWood, false);
    }
    MoveTo(cr, {-20, -20, 0});
    LineTo(cr, {-14, -14, top + 4});
    InkedLine(cr, kWoodLight, 1.5);
}

// The enemies' tower: dark posts in a ring of sharpened stakes, a platform
// under a pointed hide roof crowned with horns, and a purple banner with an
// orange eye.
void EnemyTower(cairo_t* cr) {
    const Rgb dark = Hex(0x5A3E2E), hide = Hex(0x7D5B8C);
    GroundShadowDisc(cr, 0, 0, 18);
    Posts(cr, 0, kDeck, 13, dark, true);
    Posts(cr, 0, kDeck, 13, dark, false);
    Braces(cr, 2, kDeck - 4, 13, Hex(0x7A5A44));
    // stakes around the foot, the front half
    for (int k = 0; k < 7; ++k) {
        const double t = (220 + 28 * k) * M_PI / 180;
        const double a = 21 * std::cos(t), b = 21 * std::sin(t);
        MoveTo(cr, {a, b, 0});
        LineTo(cr, {a * 1.12, b * 1.12, 12});
    }
    InkedLine(cr, Hex(0xB08A64), 2.4);
    DrawBox(cr, {-16, 16, -16, 16, kDeck, kDeck + 4}, dark, Hex(0x6E5140));
    Thrower(cr, kDeck + 4);
    // the roof on four short poles
    for (P3 p : {P3{-14, -14, kDeck + 4}, P3{14, -14, kDeck + 4}, P3{14, 14, kDeck + 4}}) {
        MoveTo(cr, p);
        LineTo(cr, {p.a, p.b, kDeck + 20});
    }
    InkedLine(cr, dark, 2);
    DrawCone(cr, 0, 0, 22, kDeck + 18, kDeck + 44, hide);
    for (int side : {-1, 1}) {
        const P2 base = Project({0, 0, kDeck + 40});
        cairo_move_to(cr, base.x + side * 3, base.y);
        cairo_curve_to(cr, base.x + side * 9, base.y - 2, base.x + side * 12, base.y - 8,
                       base.x + side * 11, base.y - 14);
        cairo_curve_to(cr, base.x + side * 8, base.y - 9, base.x + side * 5, base.y - 6, base.x,
                       base.y - 4);
        cairo_close_path(cr);
        Fill(cr, kCream, 1.3);
    }
    // the banner hanging from the front of the platform
    InFront(cr, -16.5, [&] {
        cairo_move_to(cr, -9, kDeck + 2);
        cairo_line_to(cr, 9, kDeck + 2);
        cairo_line_to(cr, 9, kDeck - 18);
        cairo_line_to(cr, 0, kDeck - 12);
        cairo_line_to(cr, -9, kDeck - 18);
        cairo_close_path(cr);
    });
    Fill(cr, hide, 1.4);
    InFront(cr, -16.5, [&] {
        cairo_save(cr);
        cairo_translate(cr, 0, kDeck - 5);
        cairo_scale(cr, 5.5, 3.2);
        Circle(cr, 0, 0, 1);
        cairo_restore(cr);
    });
    FillFlat(cr, kHoney, 1);
    InFront(cr, -16.5, [&] { Circle(cr, 0, kDeck - 5, 1.7); });
    FillFlat(cr, kInk, 0);
}

}  // namespace

std::vector<SpriteDef> TowerSprites() {
    return {BuildingSprite("tower00", kStages, kLevels, UnderConstruction, Level),
            LoopSprite("tower_enemy00", 1, 1, [](cairo_t* cr, int) { EnemyTower(cr); })};
}

}  // namespace artgen
