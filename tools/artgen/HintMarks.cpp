// The object hint a level places to catch the player's eye: a speech cloud
// ("cloud") and the bouncing "!" inside it ("exclamation"), both found by
// name. The level draws the cloud with its anchor 5 units below the hint's
// point and 30 units to the side, mirrored on the left half of the screen,
// and the "!" centred 30 units to the same side: the cloud's body is centred
// over its anchor plus 5, so the "!" sits in the middle of it.
#include <algorithm>
#include <cmath>

#include "tools/artgen/ArtShapes.h"
#include "tools/artgen/SpriteCells.h"
#include "tools/artgen/TextureBook.h"
#include "tools/common/Palette.h"

namespace artgen {

namespace {

using namespace datakit;
using namespace datakit::palette;

constexpr int kSide = 256;
constexpr int kCloudW = 112, kCloudH = 96;
constexpr double kBodyX = kCloudW / 2.0, kBodyY = 46;  // from the top
constexpr int kBangW = 32, kBangH = 60, kBangFrames = 8, kBangTop = 104;
// Where the "!" stands still in its frame, from the frame's top: the middle
// of its stroke and dot.
constexpr double kBangY = 31.5;

// The body and the puffs trailing to the lower right, towards what it
// points at.
void CloudPath(cairo_t* cr) {
    cairo_new_path(cr);
    Circle(cr, kBodyX - 26, kBodyY + 6, 20);
    Circle(cr, kBodyX - 6, kBodyY - 12, 25);
    Circle(cr, kBodyX + 20, kBodyY - 6, 22);
    Circle(cr, kBodyX + 28, kBodyY + 12, 16);
    Circle(cr, kBodyX + 2, kBodyY + 16, 20);
    Circle(cr, kBodyX - 22, kBodyY + 18, 14);
}

void PaintCloudShape(cairo_t* cr) {
    SoftGroundShadow(cr, kBodyX + 2, kBodyY + 36, 40, 5, 0.25);
    const struct {
        double x, y, r;
    } tail[] = {{kBodyX + 36, kBodyY + 32, 6.5}, {kBodyX + 46, kBodyY + 42, 4}};
    for (const auto& t : tail) {
        Circle(cr, t.x, t.y, t.r);
        SetVerticalGradient(cr, t.y - t.r, 2 * t.r, kWhite, Hex(0xDDEFF8));
        cairo_fill_preserve(cr);
        Stroke(cr, kInk, 2.2);
    }
    // the outline first, wide, then the fill over its inner half: the puffs
    // merge into one soft shape with a single outline around it
    CloudPath(cr);
    cairo_set_line_width(cr, 5);
    SetColor(cr, kInk);
    cairo_stroke(cr);
    CloudPath(cr);
    SetVerticalGradient(cr, kBodyY - 37, 75, kWhite, Hex(0xD4EAF6));
    cairo_fill(cr);
    Ellipse(cr, kBodyX - 14, kBodyY - 22, 12, 5);
    SetColor(cr, kWhite, 0.9);
    cairo_fill(cr);
}

void BangFrame(cairo_t* cr, int f) {
    const double phase = 2 * M_PI * f / kBangFrames;
    const double hop = 4 * std::max(0.0, std::sin(phase));
    const double grow = 1 + 0.1 * std::max(0.0, std::sin(phase));
    cairo_save(cr);
    cairo_translate(cr, kBangW / 2.0, kBangY + 1.5 - hop);
    cairo_rotate(cr, 0.1 * std::sin(phase * 2));
    cairo_scale(cr, grow, grow);
    auto bang = [cr] {
        cairo_new_path(cr);
        cairo_move_to(cr, -7, -18);
        cairo_curve_to(cr, -7, -23, 7, -23, 7, -18);
        cairo_line_to(cr, 3.5, 5);
        cairo_curve_to(cr, 3, 8, -3, 8, -3.5, 5);
        cairo_close_path(cr);
        Circle(cr, 0, 15, 5);
    };
    bang();
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_width(cr, 4);
    SetColor(cr, kInk);
    cairo_stroke(cr);
    bang();
    SetVerticalGradient(cr, -22, 42, Lighten(kBerry, 0.25), kBerryDark);
    cairo_fill(cr);
    cairo_move_to(cr, -2.5, -17);
    cairo_line_to(cr, -1.2, -2);
    Stroke(cr, kWhite, 2, 0.7);
    cairo_restore(cr);
}

void PaintHint(cairo_t* cr, const PaintContext&) {
    cairo_save(cr);
    cairo_rectangle(cr, 1, 1, kCloudW - 2, kCloudH - 2);
    cairo_clip(cr);
    PaintCloudShape(cr);
    cairo_restore(cr);
    cairo_save(cr);
    cairo_translate(cr, 0, kBangTop);
    PaintFrames(cr, kBangFrames, kBangFrames, kBangW, kBangH, [cr](int f) { BangFrame(cr, f); });
    cairo_restore(cr);
}

}  // namespace

void AddHintMarks(std::vector<TextureDef>& book) {
    book.push_back(
        {"object_hint",
         kSide,
         kSide,
         PaintHint,
         {{"cloud", 0, 0, kCloudW, kCloudH},
          {"exclamation", 0, kBangTop, kBangW * kBangFrames, kBangH, kBangFrames, 1, 10}},
         "The object hint: the speech cloud and the bouncing \"!\" (8 frames, 10 per\n"
         "second), both looked up by name.",
         [] {
             return std::vector<ExSprite>{
                 CellSprite("cloud", kSide, kSide, 0, 0, kCloudW, kCloudH, kBodyX,
                            kCloudH - kBodyY - 5),
                 CellSprite("exclamation", kSide, kSide, 0, kBangTop, kBangW, kBangH, kBangW / 2.0,
                            kBangH - kBangY, kBangFrames, 10)};
         }});
}

}  // namespace artgen
