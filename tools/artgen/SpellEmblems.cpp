// The emblems of the six spells, drawn light on their badges with an ink
// outline so that they read at 48 pixels.
#include <cmath>

#include "tools/artgen/Oblique.h"
#include "tools/artgen/SpellArt.h"

namespace artgen {

namespace {

using namespace datakit;
using namespace datakit::palette;

void Wheat(cairo_t* cr) {
    for (int k = -1; k <= 1; ++k) {
        cairo_save(cr);
        cairo_rotate(cr, k * 0.35);
        cairo_move_to(cr, 0, 16);
        cairo_line_to(cr, 0, -4);
        InkedLine(cr, kHoneyDark, 1.8);
        for (int g = 0; g < 4; ++g) {
            for (int side : {-1, 1}) {
                Ellipse(cr, side * 2.6, -6 - g * 4.2, 2.2, 3.4);
                Fill(cr, kHoneyLight, 1.1);
            }
        }
        cairo_restore(cr);
    }
    // the sheaf's band
    cairo_rectangle(cr, -5, 5, 10, 3.5);
    Fill(cr, kBerry, 1.1);
}

void SpeedLines(cairo_t* cr, double x) {
    for (int k = 0; k < 3; ++k) {
        cairo_move_to(cr, x, -8 + 8 * k);
        cairo_line_to(cr, x - 7 + (k % 2) * 2, -8 + 8 * k);
    }
    Line(cr, kCream, 2.2);
}

void WingedBoot(cairo_t* cr) {
    // the wing
    cairo_move_to(cr, -4, -4);
    cairo_curve_to(cr, -10, -16, -18, -16, -20, -14);
    cairo_curve_to(cr, -16, -10, -16, -8, -14, -6);
    cairo_curve_to(cr, -18, -5, -18, -3, -16, -1);
    cairo_curve_to(cr, -10, 0, -6, 0, -4, -4);
    Fill(cr, kWhite, 1.3);
    // the boot
    cairo_move_to(cr, -6, -14);
    cairo_line_to(cr, 4, -14);
    cairo_line_to(cr, 4, 2);
    cairo_curve_to(cr, 10, 3, 16, 6, 16, 11);
    cairo_line_to(cr, -7, 11);
    cairo_close_path(cr);
    Fill(cr, kWood, 1.6);
    cairo_rectangle(cr, -7, 11, 23, 3.5);
    Fill(cr, kWoodDark, 1.3);
    cairo_rectangle(cr, -7, -16, 12, 4);
    Fill(cr, kHoneyLight, 1.3);
    SpeedLines(cr, -9);
}

void Snowflake(cairo_t* cr, double r) {
    for (int k = 0; k < 6; ++k) {
        cairo_save(cr);
        cairo_rotate(cr, k * M_PI / 3);
        cairo_move_to(cr, 0, 0);
        cairo_line_to(cr, 0, -r);
        cairo_move_to(cr, 0, -r * 0.6);
        cairo_line_to(cr, -r * 0.28, -r * 0.82);
        cairo_move_to(cr, 0, -r * 0.6);
        cairo_line_to(cr, r * 0.28, -r * 0.82);
        cairo_restore(cr);
    }
    InkedLine(cr, kWhite, 2.6);
}

void WaterFreeze(cairo_t* cr) {
    cairo_move_to(cr, -18, 12);
    cairo_curve_to(cr, -12, 7, -6, 17, 0, 12);
    cairo_curve_to(cr, 6, 7, 12, 17, 18, 12);
    cairo_line_to(cr, 18, 17);
    cairo_curve_to(cr, 12, 21, 6, 12, 0, 17);
    cairo_curve_to(cr, -6, 21, -12, 12, -18, 17);
    cairo_close_path(cr);
    Fill(cr, kMana, 1.4);
    cairo_save(cr);
    cairo_translate(cr, 0, -4);
    Snowflake(cr, 13);
    cairo_restore(cr);
}

void TreeRestore(cairo_t* cr) {
    // the turning arrow around the sapling
    cairo_arc(cr, 0, 0, 16, -2.6, 1.6);
    InkedLine(cr, kCream, 2.6);
    cairo_move_to(cr, -3, 12);
    cairo_line_to(cr, 5, 16.5);
    cairo_line_to(cr, -2, 21);
    cairo_close_path(cr);
    Fill(cr, kCream, 1.2);
    // the sapling
    cairo_move_to(cr, 0, 10);
    cairo_line_to(cr, 0, -4);
    InkedLine(cr, kWood, 2);
    for (int side : {-1, 1}) {
        cairo_save(cr);
        cairo_translate(cr, 0, -4);
        cairo_scale(cr, side, 1);
        cairo_move_to(cr, 0, 0);
        cairo_curve_to(cr, 2, -8, 8, -11, 12, -10);
        cairo_curve_to(cr, 11, -4, 6, 1, 0, 0);
        cairo_restore(cr);
        Fill(cr, kLeafLight, 1.3);
    }
    Ellipse(cr, 0, 11, 9, 3);
    Fill(cr, kWood, 1.2);
}

void EnemyFreeze(cairo_t* cr) {
    // the ice block
    RoundedRect(cr, -15, -15, 30, 30, 4);
    FillGradient(cr, Hex(0xE6F7FD), Hex(0x9CD4EE), 1.6);
    // a goblin's head caught inside
    Circle(cr, 0, 2, 8);
    Fill(cr, Hex(0x8FBF6A), 1.2);
    for (int side : {-1, 1}) {
        cairo_move_to(cr, side * 6, -3);
        cairo_line_to(cr, side * 10, -11);
        cairo_line_to(cr, side * 3, -5);
        cairo_close_path(cr);
        Fill(cr, kCream, 1.0);
        Circle(cr, side * 3, 1, 1.4);
        FillFlat(cr, kInk, 0);
    }
    cairo_move_to(cr, -3, 6);
    cairo_line_to(cr, 3, 6);
    Line(cr, kInk, 1.2);
    // the shine on the ice
    cairo_move_to(cr, -11, -11);
    cairo_line_to(cr, -4, -11);
    cairo_move_to(cr, -11, -11);
    cairo_line_to(cr, -11, -4);
    Line(cr, kWhite, 2, 0.9);
}

void ShieldPath(cairo_t* cr, double w, double top, double tip) {
    cairo_move_to(cr, -w, top);
    cairo_line_to(cr, w, top);
    cairo_line_to(cr, w, -2);
    cairo_curve_to(cr, w, tip * 0.45, w * 0.45, tip * 0.78, 0, tip);
    cairo_curve_to(cr, -w * 0.45, tip * 0.78, -w, tip * 0.45, -w, -2);
    cairo_close_path(cr);
}

void Shield(cairo_t* cr) {
    ShieldPath(cr, 14, -15, 18);
    FillGradient(cr, Lighten(kMana, 0.2), kManaDark, 1.8);
    ShieldPath(cr, 10, -11, 13);
    Line(cr, kGold, 1.8);
    // a star on it
    for (int k = 0; k < 10; ++k) {
        const double r = k % 2 ? 3 : 7.5, t = -M_PI / 2 + k * M_PI / 5;
        if (k == 0) {
            cairo_move_to(cr, r * std::cos(t), -1 + r * std::sin(t));
        } else {
            cairo_line_to(cr, r * std::cos(t), -1 + r * std::sin(t));
        }
    }
    cairo_close_path(cr);
    Fill(cr, kGold, 1.2);
}

}  // namespace

namespace {

struct SpellLook {
    const char* name;
    Rgb color;
};

const SpellLook& Look(int spell) {
    static const SpellLook looks[] = {
        {"spell_field_fast", Hex(0xE9B23A)},   {"spell_worker_fast", Hex(0xE2703A)},
        {"spell_water_freeze", Hex(0x5BB2E6)}, {"spell_tree_restore", Hex(0x5FAE45)},
        {"spell_enemy_freeze", Hex(0x8C6BB8)}, {"spell_shield", Hex(0xA8A6B0)}};
    return looks[(spell + kSpellCount - 1) % kSpellCount];
}

}  // namespace

const char* SpellName(int spell) {
    return Look(spell).name;
}

Rgb SpellColor(int spell) {
    return Look(spell).color;
}

void DrawSpellEmblem(cairo_t* cr, int spell) {
    switch (spell) {
        case 1:
            Wheat(cr);
            SpeedLines(cr, 19);
            break;
        case 2:
            WingedBoot(cr);
            break;
        case 3:
            WaterFreeze(cr);
            break;
        case 4:
            TreeRestore(cr);
            break;
        case 5:
            EnemyFreeze(cr);
            break;
        default:
            Shield(cr);
            break;
    }
}

}  // namespace artgen
