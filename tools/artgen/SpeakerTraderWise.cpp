// The trader and the wise woman, who come into the story later on.
#include <cmath>
#include <initializer_list>

#include "tools/artgen/ArtShapes.h"
#include "tools/artgen/PortraitKit.h"
#include "tools/artgen/SpeakerFigures.h"

namespace artgen {

using namespace datakit;
using namespace datakit::palette;

namespace {

constexpr double C = kPortraitC;

void TraderHat(cairo_t* cr) {
    const Rgb felt = Hex(0x3F8A4A);
    // the feather first, tucked into the band behind the crown
    cairo_move_to(cr, C + 30, 58);
    cairo_curve_to(cr, C + 40, 20, C + 70, 6, C + 92, 14);
    cairo_curve_to(cr, C + 76, 24, C + 58, 40, C + 42, 62);
    cairo_close_path(cr);
    Shape(cr, kBerry, 10, 52, 2.8);
    cairo_move_to(cr, C + 36, 58);
    cairo_curve_to(cr, C + 48, 32, C + 66, 20, C + 86, 15);
    Stroke(cr, kBerryDark, 1.8);
    cairo_move_to(cr, C - 46, 66);
    cairo_curve_to(cr, C - 46, 24, C + 46, 24, C + 46, 66);
    cairo_close_path(cr);
    Shape(cr, felt, 28, 38, 3.2);
    cairo_move_to(cr, C - 46, 60);
    cairo_curve_to(cr, C - 20, 54, C + 20, 54, C + 46, 60);
    Stroke(cr, kInk, 11);
    cairo_move_to(cr, C - 46, 60);
    cairo_curve_to(cr, C - 20, 54, C + 20, 54, C + 46, 60);
    Stroke(cr, kHoney, 6);
    // the wide brim, turned up a little at the sides
    cairo_move_to(cr, C - 88, 62);
    cairo_curve_to(cr, C - 60, 84, C + 60, 84, C + 88, 62);
    cairo_curve_to(cr, C + 60, 70, C - 60, 70, C - 88, 62);
    cairo_close_path(cr);
    Shape(cr, felt, 62, 18, 3.2);
}

void Moustache(cairo_t* cr, const FaceLayout& f) {
    for (int side : {-1, 1}) {
        cairo_move_to(cr, C, f.mouthY - 14);
        cairo_curve_to(cr, C + side * 16, f.mouthY - 20, C + side * 30, f.mouthY - 10,
                       C + side * 36, f.mouthY - 18);
        cairo_curve_to(cr, C + side * 44, f.mouthY - 26, C + side * 40, f.mouthY - 34,
                       C + side * 34, f.mouthY - 30);
        cairo_curve_to(cr, C + side * 40, f.mouthY - 22, C + side * 32, f.mouthY - 2, C + side * 12,
                       f.mouthY - 4);
        cairo_curve_to(cr, C + side * 6, f.mouthY - 5, C + side * 2, f.mouthY - 8, C,
                       f.mouthY - 10);
        cairo_close_path(cr);
        Shape(cr, Hex(0x3A2418), f.mouthY - 34, 32, 2.4);
    }
}

}  // namespace

void PaintTrader(cairo_t* cr) {
    const FaceLayout f{.cy = 118, .rx = 53, .ry = 54, .eyeY = 112, .eyeGap = 22, .mouthY = 152};
    const Rgb skin = Hex(0xD9A27A), coat = Hex(0x9C3D54), hair = Hex(0x3A2418);
    Shoulders(cr, coat, 182, 82);
    for (double y : {206.0, 228.0}) {
        Circle(cr, C + 40, y, 4.5);
        SetColor(cr, kGold);
        cairo_fill_preserve(cr);
        Stroke(cr, kInk, 1.8);
    }
    Neck(cr, f, skin);
    // a cream jabot at the throat, two frilled layers
    for (int layer = 0; layer < 2; ++layer) {
        const double w = 26 - layer * 9, top = 178 + layer * 12, tip = 228 - layer * 6;
        cairo_move_to(cr, C - w, top);
        cairo_curve_to(cr, C - w * 0.4, top + 8, C + w * 0.4, top + 8, C + w, top);
        cairo_curve_to(cr, C + w + 4, top + 14, C + w * 0.5, top + 16, C + w * 0.7, top + 24);
        cairo_curve_to(cr, C + w * 0.4, tip - 8, C + 6, tip, C, tip);
        cairo_curve_to(cr, C - 6, tip, C - w * 0.4, tip - 8, C - w * 0.7, top + 24);
        cairo_curve_to(cr, C - w * 0.5, top + 16, C - w - 4, top + 14, C - w, top);
        cairo_close_path(cr);
        Shape(cr, layer ? kWhite : kCream, top, tip - top, 2.6);
    }
    // curls showing under the hat
    for (int side : {-1, 1}) {
        cairo_new_path(cr);
        for (int i = 0; i < 3; ++i)
            Circle(cr, C + side * (50 - i * 2), 78 + i * 16, 11);
        Shape(cr, hair, 66, 54, 2.6);
    }
    Head(cr, f, skin);
    // a gold ring in his right ear
    cairo_new_path(cr);
    cairo_arc(cr, C - f.rx - 2, f.eyeY + 24, 6, 0, 2 * M_PI);
    Stroke(cr, kInk, 4.5);
    cairo_arc(cr, C - f.rx - 2, f.eyeY + 24, 6, 0, 2 * M_PI);
    Stroke(cr, kGold, 2.2);
    TraderHat(cr);
    SmilingEyes(cr, f, 8);
    Brows(cr, f, hair, 5.5, 2);
    Cheeks(cr, f, 0.45);
    Smile(cr, f, 30, 12);
    Moustache(cr, f);
    Nose(cr, f, skin, 12);
}

namespace {

void Hood(cairo_t* cr, Rgb cloak) {
    cairo_move_to(cr, C - 92, 240);
    cairo_curve_to(cr, C - 92, 150, C - 86, 30, C, 26);
    cairo_curve_to(cr, C + 86, 30, C + 92, 150, C + 92, 240);
    cairo_close_path(cr);
    Shape(cr, cloak, 26, 214);
    // the inner rim, darker, framing the face
    cairo_move_to(cr, C - 66, 200);
    cairo_curve_to(cr, C - 72, 110, C - 54, 48, C, 46);
    cairo_curve_to(cr, C + 54, 48, C + 72, 110, C + 66, 200);
    cairo_close_path(cr);
    Shape(cr, Darken(cloak, 0.35), 46, 154, 2.6);
}

void LeafSprig(cairo_t* cr) {
    for (int i = 0; i < 5; ++i) {
        const double a = -M_PI * 0.78 + i * M_PI * 0.14;
        const double x = C + std::cos(a) * 74, y = 120 + std::sin(a) * 80;
        cairo_save(cr);
        cairo_translate(cr, x, y);
        cairo_rotate(cr, a + M_PI / 2);
        cairo_move_to(cr, 0, -10);
        cairo_curve_to(cr, 8, -4, 8, 6, 0, 11);
        cairo_curve_to(cr, -8, 6, -8, -4, 0, -10);
        cairo_close_path(cr);
        Shape(cr, i % 2 ? kLeaf : kLeafLight, -10, 21, 2.2);
        cairo_restore(cr);
    }
    Circle(cr, C, 38, 5);
    Shape(cr, kBerry, 33, 10, 2);
}

}  // namespace

void PaintWiseWoman(cairo_t* cr) {
    const FaceLayout f{.cy = 120, .rx = 45, .ry = 53, .eyeY = 118, .eyeGap = 19, .mouthY = 150};
    const Rgb skin = Hex(0xF2C6A8), cloak = kPlum, silver = Hex(0xE8E6F0);
    Hood(cr, cloak);
    Neck(cr, f, skin);
    Shoulders(cr, Darken(cloak, 0.15), 190, 60);
    Head(cr, f, skin);
    // silver hair parted in the middle, falling past the ears to the neck
    for (int side : {-1, 1}) {
        cairo_move_to(cr, C + side * 2, 66);
        cairo_curve_to(cr, C + side * 36, 64, C + side * 56, 90, C + side * 54, 128);
        cairo_curve_to(cr, C + side * 54, 150, C + side * 60, 166, C + side * 50, 182);
        cairo_curve_to(cr, C + side * 42, 170, C + side * 44, 150, C + side * 42, 130);
        cairo_curve_to(cr, C + side * 38, 100, C + side * 24, 86, C + side * 2, 84);
        cairo_close_path(cr);
        Shape(cr, silver, 64, 118, 2.6);
        for (int i = 0; i < 2; ++i) {
            cairo_move_to(cr, C + side * (12 + i * 12), 72 + i * 3);
            cairo_curve_to(cr, C + side * (30 + i * 10), 80 + i * 6, C + side * (44 + i * 4),
                           100 + i * 10, C + side * (46 + i * 2), 130 + i * 16);
        }
        Stroke(cr, Hex(0xBDB8C8), 1.6);
    }
    Eyes(cr, f, 5.5, 0.55);
    // laughing lines at the eyes and beside the mouth
    for (int side : {-1, 1}) {
        const double x = C + side * (f.eyeGap + 12);
        cairo_move_to(cr, x, f.eyeY - 3);
        cairo_line_to(cr, x + side * 6, f.eyeY - 6);
        cairo_move_to(cr, x, f.eyeY + 1);
        cairo_line_to(cr, x + side * 6, f.eyeY + 2);
        cairo_move_to(cr, C + side * 22, f.mouthY - 14);
        cairo_curve_to(cr, C + side * 26, f.mouthY - 8, C + side * 26, f.mouthY - 2, C + side * 23,
                       f.mouthY + 3);
    }
    Stroke(cr, Darken(skin, 0.35), 1.8, 0.8);
    Brows(cr, f, Hex(0xBDB8C8), 3.5, -1);
    Cheeks(cr, f, 0.55);
    Nose(cr, f, skin, 8);
    Smile(cr, f, 26, 0);
    LeafSprig(cr);
    // the pendant: a mana drop in a gold setting
    Glow(cr, C, 214, 26, kMana, 0.5);
    cairo_move_to(cr, C - 24, 190);
    cairo_curve_to(cr, C - 10, 200, C + 10, 200, C + 24, 190);
    Stroke(cr, kGoldDark, 2);
    Circle(cr, C, 212, 10);
    Shape(cr, kGold, 202, 20, 2.4);
    Circle(cr, C, 212, 6);
    SetVerticalGradient(cr, 206, 12, kSkyLight, kManaDark);
    cairo_fill(cr);
    Circle(cr, C - 2, 209.5, 1.8);
    SetColor(cr, kWhite);
    cairo_fill(cr);
}

}  // namespace artgen
