// Goods lying on the ground, each twinkling now and then so it catches the
// eye, and the marker of a queued job.
#include <cmath>

#include "tools/artgen/Sources.h"

namespace artgen {

using namespace datakit;
using namespace datakit::palette;

namespace {

constexpr CanvasBox kGoodsCanvas{-40, -48, 40, 16};

void PaintWood(cairo_t* cr) {
    GroundShade(cr, 1, -1, 16, 4, 0.35);
    const double logs[][2] = {{-3.5, -4.5}, {3.5, -3.5}, {0, -10}};
    for (const auto& l : logs) {
        const double x = l[0], y = l[1];
        RoundedPolygon(
            cr, {{x - 11, y - 3.2}, {x + 9, y - 3.2}, {x + 9, y + 3.2}, {x - 11, y + 3.2}}, 2.5);
        SetVerticalGradient(cr, y - 3, 6, kWoodLight, kWood);
        cairo_fill_preserve(cr);
        Stroke(cr, kInk, 1.0);
        Ellipse(cr, x + 9, y, 2.2, 3.2);
        SetColor(cr, Hex(0xF2D7A6));
        cairo_fill_preserve(cr);
        Stroke(cr, kInk, 0.9);
        Circle(cr, x + 9, y, 0.9);
        SetColor(cr, kWood);
        cairo_fill(cr);
    }
    cairo_move_to(cr, -4, -14);
    cairo_line_to(cr, -4, -0.5);
    Stroke(cr, kInk, 2.4);
    cairo_move_to(cr, -4, -14);
    cairo_line_to(cr, -4, -0.5);
    Stroke(cr, Hex(0xD8B77A), 1.2);
}

void PaintFood(cairo_t* cr) {
    GroundShade(cr, 1, -1, 15, 4, 0.35);
    // bread and apples heaped in a basket
    Ellipse(cr, -2, -13, 8, 4.5);
    SetVerticalGradient(cr, -17, 9, Hex(0xF0B868), Hex(0xC27A32));
    cairo_fill_preserve(cr);
    Stroke(cr, kInk, 1.0);
    for (int i = 0; i < 3; ++i) {
        cairo_move_to(cr, -6 + i * 3.5, -15.5);
        cairo_line_to(cr, -4.5 + i * 3.5, -12.5);
    }
    Stroke(cr, Hex(0xFBE3B0), 0.9);
    for (const auto& a : {std::pair{6.0, -12.0}, std::pair{2.5, -10.5}}) {
        Circle(cr, a.first, a.second, 3.3);
        SetVerticalGradient(cr, a.second - 3.3, 6.6, Hex(0xF06A5A), kBerryDark);
        cairo_fill_preserve(cr);
        Stroke(cr, kInk, 0.9);
        cairo_move_to(cr, a.first, a.second - 3.3);
        cairo_line_to(cr, a.first + 0.8, a.second - 5);
        Stroke(cr, kWoodDark, 0.9);
    }
    cairo_move_to(cr, -12, -11);
    cairo_line_to(cr, 12, -11);
    cairo_line_to(cr, 9, 0);
    cairo_curve_to(cr, 3, 1.2, -3, 1.2, -9, 0);
    cairo_close_path(cr);
    SetVerticalGradient(cr, -11, 11, kWoodLight, kWood);
    cairo_fill_preserve(cr);
    Stroke(cr, kInk, 1.1);
    for (int i = 0; i < 2; ++i) {
        cairo_move_to(cr, -11 + i, -7.5 + i * 3.5);
        cairo_line_to(cr, 11 - i, -7.5 + i * 3.5);
    }
    Stroke(cr, kWoodDark, 0.8, 0.7);
}

void PaintMoney(cairo_t* cr) {
    GroundShade(cr, 1, -1, 14, 4, 0.35);
    const double coins[][2] = {{-6, -2.5}, {4, -2}, {-1, -4.5}, {-3, -7}, {2, -9.5}};
    for (const auto& c : coins) {
        Ellipse(cr, c[0], c[1] + 1, 5.2, 2.4);
        SetColor(cr, kGoldDark);
        cairo_fill_preserve(cr);
        Stroke(cr, kInk, 0.9);
        Ellipse(cr, c[0], c[1], 5.2, 2.4);
        SetColor(cr, kGold);
        cairo_fill_preserve(cr);
        Stroke(cr, kInk, 0.9);
        Ellipse(cr, c[0], c[1], 3, 1.2);
        Stroke(cr, kHoneyLight, 0.8);
    }
    // one coin standing on its edge
    Ellipse(cr, 9, -7, 3, 5.5);
    SetVerticalGradient(cr, -12.5, 11, kHoneyLight, kGoldDark);
    cairo_fill_preserve(cr);
    Stroke(cr, kInk, 0.9);
    Ellipse(cr, 9, -7, 1.6, 3.4);
    Stroke(cr, kHoneyDark, 0.7);
}

void PaintMana(cairo_t* cr, double pulse) {
    GroundShade(cr, 1, -1, 12, 3.5, 0.3);
    cairo_pattern_t* glow = cairo_pattern_create_radial(0, -9, 1, 0, -9, 15);
    cairo_pattern_add_color_stop_rgba(glow, 0, 0.6, 0.85, 1.0, 0.35 + 0.25 * pulse);
    cairo_pattern_add_color_stop_rgba(glow, 1, 0.6, 0.85, 1.0, 0);
    cairo_set_source(cr, glow);
    Circle(cr, 0, -9, 15);
    cairo_fill(cr);
    cairo_pattern_destroy(glow);
    const double crystals[][4] = {{-5, -1, 3.2, 12}, {5, -1, 3.0, 10}, {0, 0, 4.2, 18}};
    for (const auto& c : crystals) {
        const double x = c[0], y = c[1], w = c[2], h = c[3];
        cairo_move_to(cr, x - w, y);
        cairo_line_to(cr, x - w, y - h * 0.7);
        cairo_line_to(cr, x, y - h);
        cairo_line_to(cr, x + w, y - h * 0.7);
        cairo_line_to(cr, x + w, y);
        cairo_close_path(cr);
        SetVerticalGradient(cr, y - h, h, Lighten(kMana, 0.5), kManaDark);
        cairo_fill_preserve(cr);
        Stroke(cr, kInk, 1.0);
        cairo_move_to(cr, x, y - h);
        cairo_line_to(cr, x, y);
        Stroke(cr, kWhite, 0.8, 0.5);
    }
}

void PaintMarker(cairo_t* cr) {
    // a pin: the round head over a point
    cairo_move_to(cr, 8, -1);
    cairo_curve_to(cr, 6, -6, 1.5, -10, 1.5, -16);
    cairo_arc(cr, 8, -16, 6.5, M_PI, 2 * M_PI);
    cairo_curve_to(cr, 14.5, -10, 10, -6, 8, -1);
    cairo_close_path(cr);
    SetVerticalGradient(cr, -22.5, 22, kHoneyLight, kHoneyDark);
    cairo_fill_preserve(cr);
    Stroke(cr, kInk, 1.3);
    Circle(cr, 8, -16, 2.6);
    SetColor(cr, kWhite);
    cairo_fill_preserve(cr);
    Stroke(cr, kInk, 0.9);
}

// Goods sparkle now and then so they catch the eye.
SpriteArt Goods(const char* name, void (*paint)(cairo_t*), double sx, double sy) {
    SpriteArt art{name, 10, kGoodsCanvas, {}};
    for (int i = 0; i < 8; ++i) {
        art.frames.push_back([paint, sx, sy, i](cairo_t* cr) {
            paint(cr);
            const double size[8] = {1.5, 3.2, 4.2, 3.0, 1.4, 0, 0, 0};
            if (size[i] > 0)
                Twinkle(cr, sx, sy, size[i], 0.95);
        });
    }
    return art;
}

}  // namespace

std::vector<SpriteArt> GoodsSprites() {
    std::vector<SpriteArt> out;
    out.push_back(Goods("wood", PaintWood, 6, -13));
    out.push_back(Goods("food", PaintFood, -5, -16));
    out.push_back(Goods("money", PaintMoney, 3, -11));
    SpriteArt mana{"mana", 10, kGoodsCanvas, {}};
    for (int i = 0; i < 8; ++i) {
        mana.frames.push_back([i](cairo_t* cr) {
            PaintMana(cr, 0.5 + 0.5 * std::cos(2 * M_PI * i / 8));
            if (i < 4)
                Twinkle(cr, -2, -16, 1.5 + 2.5 * std::sin(M_PI * i / 4), 0.95);
        });
    }
    out.push_back(std::move(mana));
    SpriteArt marker{"target", 0, kGoodsCanvas, {PaintMarker}};
    marker.cornerAnchor = true;
    out.push_back(std::move(marker));
    return out;
}

}  // namespace artgen
