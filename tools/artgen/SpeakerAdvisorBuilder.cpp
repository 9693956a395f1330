// The advisor and the master builder, the two voices heard in most talks.
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
constexpr Rgb kSkin = Hex(0xF7C9A0);

void AdvisorBeard(cairo_t* cr, const FaceLayout& f) {
    const Rgb white = Hex(0xF4F1EA);
    cairo_move_to(cr, C - 47, 116);
    cairo_curve_to(cr, C - 50, 170, C - 26, 206, C, 214);
    cairo_curve_to(cr, C + 26, 206, C + 50, 170, C + 47, 116);
    cairo_curve_to(cr, C + 40, 134, C + 30, 150, C + 18, 160);
    cairo_curve_to(cr, C + 8, 164, C - 8, 164, C - 18, 160);
    cairo_curve_to(cr, C - 30, 150, C - 40, 134, C - 47, 116);
    cairo_close_path(cr);
    Shape(cr, white, 116, 98);
    // a few strands down the beard
    for (int i = -1; i <= 1; ++i) {
        cairo_move_to(cr, C + i * 16, 172);
        cairo_curve_to(cr, C + i * 18, 184, C + i * 12, 196, C + i * 8, 204);
    }
    Stroke(cr, Hex(0xC9C2B5), 2);
    // the moustache curling out under the nose
    for (int side : {-1, 1}) {
        cairo_move_to(cr, C, f.mouthY - 12);
        cairo_curve_to(cr, C + side * 14, f.mouthY - 16, C + side * 30, f.mouthY - 10,
                       C + side * 34, f.mouthY - 2);
        cairo_curve_to(cr, C + side * 24, f.mouthY - 2, C + side * 10, f.mouthY - 2, C,
                       f.mouthY - 6);
        cairo_close_path(cr);
        Shape(cr, white, f.mouthY - 16, 14, 2.6);
    }
}

void Spectacles(cairo_t* cr, const FaceLayout& f) {
    for (int pass = 0; pass < 2; ++pass) {
        for (int side : {-1, 1})
            Circle(cr, C + side * f.eyeGap, f.eyeY, 13);
        cairo_move_to(cr, C - f.eyeGap + 13, f.eyeY - 2);
        cairo_curve_to(cr, C - 4, f.eyeY - 7, C + 4, f.eyeY - 7, C + f.eyeGap - 13, f.eyeY - 2);
        if (pass == 0) {
            Stroke(cr, kInk, 5.5);
        } else {
            Stroke(cr, kGold, 2.6);
        }
    }
    for (int side : {-1, 1}) {
        cairo_move_to(cr, C + side * (f.eyeGap - 6), f.eyeY - 8);
        cairo_line_to(cr, C + side * (f.eyeGap - 2), f.eyeY - 4);
        Stroke(cr, kWhite, 2, 0.8);
    }
}

}  // namespace

void PaintAdvisor(cairo_t* cr) {
    const FaceLayout f{.cy = 110, .rx = 47, .ry = 58, .eyeY = 110, .mouthY = 152};
    const Rgb robe = Hex(0x3E5C9A);
    Shoulders(cr, robe, 178, 80);
    // a white collar in the robe's gold-trimmed opening
    cairo_move_to(cr, C - 34, 180);
    cairo_line_to(cr, C, 240);
    cairo_line_to(cr, C + 34, 180);
    cairo_close_path(cr);
    Shape(cr, kCream, 180, 60, 2.5);
    for (int side : {-1, 1})
        InkedSegment(cr, C + side * 36, 180, C + side * 4, 240, kGold, 5, 2.5);
    Neck(cr, f, kSkin);
    // the white tufts that are left of his hair, behind the ears
    for (int side : {-1, 1}) {
        cairo_new_path(cr);
        Circle(cr, C + side * 46, 92, 14);
        Circle(cr, C + side * 52, 108, 13);
        Circle(cr, C + side * 42, 78, 11);
        Shape(cr, Hex(0xF4F1EA), 66, 56, 2.8);
    }
    Head(cr, f, kSkin);
    // light on the bald crown
    Ellipse(cr, C - 16, 70, 14, 7);
    SetColor(cr, kWhite, 0.45);
    cairo_fill(cr);
    cairo_move_to(cr, C - 20, 86);
    cairo_curve_to(cr, C - 10, 83, C + 10, 83, C + 20, 86);
    Stroke(cr, Darken(kSkin, 0.3), 1.8, 0.7);
    Eyes(cr, f, 6, 0.3);
    Brows(cr, f, Hex(0xE9E4DA), 7, 3);
    Brows(cr, f, kInk, 1.2, 3);
    Cheeks(cr, f, 0.4);
    Smile(cr, f, 22, 0);
    AdvisorBeard(cr, f);
    Nose(cr, f, kSkin, 11);
    Spectacles(cr, f);
}

namespace {

void BuilderHat(cairo_t* cr) {
    const Rgb straw = Hex(0xF2CF6B);
    StrawHat(cr, C, 74, 86, 17, 44, 20, kLeaf, 3.2);
    Ellipse(cr, C, 72, 72, 10);
    Stroke(cr, Darken(straw, 0.2), 1.6, 0.6);
    // woven straw
    for (int i = -3; i <= 3; ++i) {
        cairo_move_to(cr, C + i * 11, 36 + std::abs(i) * 2.5);
        cairo_line_to(cr, C + i * 12.5, 54);
    }
    Stroke(cr, Darken(straw, 0.2), 1.3, 0.6);
}

}  // namespace

void PaintMasterBuilder(cairo_t* cr) {
    const FaceLayout f{.cy = 116, .rx = 48, .ry = 54, .eyeY = 114, .mouthY = 146};
    const Rgb hair = Hex(0xB8552B), shirt = Hex(0x4F95D6);
    // hair falling behind the shoulders
    cairo_move_to(cr, C - 50, 100);
    cairo_curve_to(cr, C - 62, 140, C - 60, 170, C - 46, 186);
    cairo_line_to(cr, C + 46, 186);
    cairo_curve_to(cr, C + 60, 170, C + 62, 140, C + 50, 100);
    cairo_close_path(cr);
    Shape(cr, hair, 100, 86);
    Shoulders(cr, shirt, 184, 76);
    // leather apron straps with brass buckles
    for (int side : {-1, 1}) {
        InkedSegment(cr, C + side * 44, 190, C + side * 30, 240, kWood, 10, 2.5);
        RoundedRect(cr, C + side * 36 - 6, 212, 12, 10, 2);
        SetColor(cr, kHoney);
        cairo_fill_preserve(cr);
        Stroke(cr, kInk, 1.8);
    }
    Neck(cr, f, kSkin);
    // a green neckerchief knotted at the throat
    cairo_move_to(cr, C - 26, 178);
    cairo_curve_to(cr, C - 10, 190, C + 10, 190, C + 26, 178);
    cairo_line_to(cr, C + 8, 210);
    cairo_line_to(cr, C - 8, 210);
    cairo_close_path(cr);
    Shape(cr, kLeaf, 178, 32, 2.6);
    Head(cr, f, kSkin);
    // fringe and side hair under the hat
    for (int side : {-1, 1}) {
        cairo_move_to(cr, C + side * 6, 72);
        cairo_curve_to(cr, C + side * 30, 72, C + side * 52, 84, C + side * 50, 124);
        cairo_curve_to(cr, C + side * 44, 108, C + side * 34, 94, C + side * 14, 90);
        cairo_close_path(cr);
        Shape(cr, hair, 72, 52, 2.6);
    }
    // the braid over her left shoulder
    for (int i = 0; i < 4; ++i) {
        Ellipse(cr, C + 52 + i * 4, 150 + i * 16, 10, 11);
        Shape(cr, hair, 140 + i * 16, 22, 2.4);
    }
    Circle(cr, C + 68, 212, 5);
    Shape(cr, kLeaf, 207, 10, 2);
    // a pencil tucked behind her right ear: a painted body, a sharpened end
    cairo_save(cr);
    cairo_translate(cr, C - 36, 84);
    cairo_rotate(cr, 2.5);
    cairo_rectangle(cr, 0, -4.5, 30, 9);
    Shape(cr, kHoney, -4.5, 9, 2.2);
    cairo_move_to(cr, 30, -4.5);
    cairo_line_to(cr, 41, 0);
    cairo_line_to(cr, 30, 4.5);
    cairo_close_path(cr);
    Shape(cr, kWoodLight, -4.5, 9, 2.2);
    Circle(cr, 40, 0, 1.8);
    SetColor(cr, kInk);
    cairo_fill(cr);
    cairo_restore(cr);
    BuilderHat(cr);
    Eyes(cr, f, 7, 0.35);
    Brows(cr, f, Darken(hair, 0.2), 4, 1);
    Cheeks(cr, f, 0.5);
    for (int side : {-1, 1}) {
        for (int i = 0; i < 3; ++i) {
            Circle(cr, C + side * (f.eyeGap + 6 + i * 6), f.eyeY + 14 + (i % 2) * 4, 1.4);
            SetColor(cr, Darken(kSkin, 0.3));
            cairo_fill(cr);
        }
    }
    Nose(cr, f, kSkin, 8);
    Smile(cr, f, 34, 15);
}

}  // namespace artgen
