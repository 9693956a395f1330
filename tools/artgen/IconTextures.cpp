// Message box pictures (error, information, warning, question, the player's
// head) and the mouse pointer.
#include <cmath>

#include "tools/artgen/ArtShapes.h"
#include "tools/artgen/Lettering.h"
#include "tools/artgen/TextureBook.h"
#include "tools/common/Palette.h"

namespace artgen {

namespace {

using namespace datakit;
using namespace datakit::palette;

// A round badge with a glossy face; the symbol is drawn by the caller.
void Badge(cairo_t* cr, Rgb base) {
    SoftGroundShadow(cr, 64, 114, 46, 9, 0.35);
    Circle(cr, 64, 62, 52);
    SetColor(cr, Darken(base, 0.3));
    cairo_fill_preserve(cr);
    Stroke(cr, kInk, 4);
    Circle(cr, 64, 58, 48);
    SetVerticalGradient(cr, 10, 96, Lighten(base, 0.35), base);
    cairo_fill(cr);
    cairo_save(cr);
    cairo_translate(cr, 64, 36);
    cairo_scale(cr, 36, 20);
    Circle(cr, 0, 0, 1);
    cairo_restore(cr);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.3);
    cairo_fill(cr);
    Circle(cr, 64, 62, 52);
    Stroke(cr, kInk, 4);
}

// A light symbol with an ink outline, on top of a badge.
void Symbol(cairo_t* cr) {
    cairo_path_t* path = cairo_copy_path(cr);
    cairo_set_line_width(cr, 8);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    SetColor(cr, kInk);
    cairo_stroke(cr);
    cairo_append_path(cr, path);
    SetColor(cr, kCream);
    cairo_fill(cr);
    cairo_path_destroy(path);
}

void PaintError(cairo_t* cr, const PaintContext&) {
    Badge(cr, kBerry);
    for (int pass = 0; pass < 2; ++pass) {
        cairo_move_to(cr, 44, 38);
        cairo_line_to(cr, 84, 78);
        cairo_move_to(cr, 84, 38);
        cairo_line_to(cr, 44, 78);
        if (pass == 0) {
            Stroke(cr, kInk, 22);
        } else {
            Stroke(cr, kCream, 13);
        }
    }
}

void PaintGlyphBadge(cairo_t* cr, const PaintContext& context, Rgb base, const char* glyph,
                     double size, double baseline) {
    Badge(cr, base);
    Lettering letters(context, "DejaVuSans-Bold.ttf");
    letters.TextPath(cr, glyph, 64, baseline, size, 0.5);
    Symbol(cr);
}

void PaintWarning(cairo_t* cr, const PaintContext& context) {
    SoftGroundShadow(cr, 64, 116, 50, 8, 0.35);
    // a rounded triangle
    const double ax = 64, ay = 16, bx = 116, by = 106, cx = 12, cy = 106;
    auto triangle = [&](double grow) {
        cairo_new_path(cr);
        cairo_move_to(cr, ax, ay - grow);
        cairo_line_to(cr, bx + grow, by + grow * 0.6);
        cairo_line_to(cr, cx - grow, cy + grow * 0.6);
        cairo_close_path(cr);
    };
    triangle(0);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_width(cr, 22);
    SetColor(cr, kInk);
    cairo_stroke_preserve(cr);
    cairo_set_line_width(cr, 14);
    SetColor(cr, kHoneyDark);
    cairo_stroke_preserve(cr);
    SetVerticalGradient(cr, ay, by - ay, kHoneyLight, kHoney);
    cairo_fill(cr);
    Lettering letters(context, "DejaVuSans-Bold.ttf");
    letters.TextPath(cr, "!", 64, 98, 72, 0.5);
    cairo_path_t* path = cairo_copy_path(cr);
    SetColor(cr, kInk);
    cairo_fill(cr);
    cairo_path_destroy(path);
}

// The player's head: a cheerful villager with a straw hat.
void PaintHead(cairo_t* cr, const PaintContext&) {
    SoftGroundShadow(cr, 64, 118, 42, 7, 0.35);
    const Rgb skin = Hex(0xF6C99E), hair = Hex(0x8A4B2A), hat = Hex(0xF2CF6B);
    // ears
    for (double ex : {26.0, 102.0}) {
        Circle(cr, ex, 70, 10);
        SetColor(cr, Darken(skin, 0.05));
        cairo_fill_preserve(cr);
        Stroke(cr, kInk, 3);
    }
    // face
    cairo_save(cr);
    cairo_translate(cr, 64, 70);
    cairo_scale(cr, 38, 42);
    Circle(cr, 0, 0, 1);
    cairo_restore(cr);
    SetVerticalGradient(cr, 28, 84, Lighten(skin, 0.15), Darken(skin, 0.06));
    cairo_fill_preserve(cr);
    Stroke(cr, kInk, 3.5);
    // hair peeking out under the hat
    cairo_move_to(cr, 28, 58);
    cairo_curve_to(cr, 34, 42, 52, 38, 64, 44);
    cairo_curve_to(cr, 78, 36, 96, 42, 100, 58);
    cairo_curve_to(cr, 88, 52, 78, 50, 70, 56);
    cairo_curve_to(cr, 58, 48, 40, 50, 28, 58);
    cairo_close_path(cr);
    SetColor(cr, hair);
    cairo_fill_preserve(cr);
    Stroke(cr, kInk, 3);
    // hat: brim and crown
    cairo_save(cr);
    cairo_translate(cr, 64, 40);
    cairo_scale(cr, 58, 12);
    Circle(cr, 0, 0, 1);
    cairo_restore(cr);
    SetVerticalGradient(cr, 28, 24, Lighten(hat, 0.2), Darken(hat, 0.1));
    cairo_fill_preserve(cr);
    Stroke(cr, kInk, 3.5);
    cairo_move_to(cr, 36, 40);
    cairo_curve_to(cr, 36, 10, 92, 10, 92, 40);
    cairo_curve_to(cr, 80, 46, 48, 46, 36, 40);
    cairo_close_path(cr);
    SetVerticalGradient(cr, 14, 30, Lighten(hat, 0.3), hat);
    cairo_fill_preserve(cr);
    Stroke(cr, kInk, 3.5);
    cairo_move_to(cr, 37, 33);
    cairo_curve_to(cr, 50, 38, 78, 38, 91, 33);
    cairo_line_to(cr, 91.5, 39);
    cairo_curve_to(cr, 78, 45, 50, 45, 36.5, 39);
    cairo_close_path(cr);
    SetColor(cr, kBerry);
    cairo_fill_preserve(cr);
    Stroke(cr, kInk, 2);
    // eyes, brows, cheeks, nose, smile
    for (double ex : {50.0, 78.0}) {
        cairo_save(cr);
        cairo_translate(cr, ex, 72);
        cairo_scale(cr, 4.2, 5.6);
        Circle(cr, 0, 0, 1);
        cairo_restore(cr);
        SetColor(cr, kInk);
        cairo_fill(cr);
        Circle(cr, ex + 1.4, 70, 1.5);
        SetColor(cr, kWhite);
        cairo_fill(cr);
        cairo_move_to(cr, ex - 6, 61);
        cairo_curve_to(cr, ex - 2, 58, ex + 2, 58, ex + 6, 61);
        Stroke(cr, hair, 3);
        Circle(cr, ex + (ex < 64 ? -8 : 8), 86, 7);
        cairo_set_source_rgba(cr, 0.95, 0.45, 0.4, 0.45);
        cairo_fill(cr);
    }
    cairo_move_to(cr, 64, 76);
    cairo_curve_to(cr, 68, 82, 66, 85, 61, 84);
    Stroke(cr, Darken(skin, 0.35), 2.5);
    cairo_move_to(cr, 52, 93);
    cairo_curve_to(cr, 58, 101, 70, 101, 76, 93);
    Stroke(cr, kInk, 3.5);
}

// The pointer: a plump arrow whose tip is the texture's top-left corner (the
// game draws it with its top-left on the hot spot).
void PaintPointer(cairo_t* cr, const PaintContext&) {
    auto arrow = [&](double dx, double dy) {
        cairo_new_path(cr);
        cairo_move_to(cr, 3 + dx, 3 + dy);
        cairo_line_to(cr, 3 + dx, 46 + dy);
        cairo_line_to(cr, 14 + dx, 36 + dy);
        cairo_line_to(cr, 23 + dx, 56 + dy);
        cairo_line_to(cr, 33 + dx, 51 + dy);
        cairo_line_to(cr, 24 + dx, 32 + dy);
        cairo_line_to(cr, 39 + dx, 31 + dy);
        cairo_close_path(cr);
    };
    arrow(2.5, 3.5);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_width(cr, 5);
    cairo_set_source_rgba(cr, 0.15, 0.08, 0.03, 0.3);
    cairo_stroke_preserve(cr);
    cairo_fill(cr);
    arrow(0, 0);
    SetVerticalGradient(cr, 3, 50, Hex(0xFFF3C4), kHoney);
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 3.5);
    SetColor(cr, kInk);
    cairo_stroke(cr);
    cairo_move_to(cr, 8, 14);
    cairo_line_to(cr, 8, 32);
    Stroke(cr, kWhite, 2.5, 0.8);
}

}  // namespace

void AddIconTextures(std::vector<TextureDef>& book) {
    const char* note = "Message box picture; the whole texture is one area.";
    book.push_back({"icon_error", 128, 128, PaintError, {{"icon", 0, 0, 128, 128}}, note});
    book.push_back(
        {"icon_info",
         128,
         128,
         [](cairo_t* cr, const PaintContext& c) { PaintGlyphBadge(cr, c, kSkyDeep, "i", 72, 88); },
         {{"icon", 0, 0, 128, 128}},
         note});
    book.push_back({"icon_warning", 128, 128, PaintWarning, {{"icon", 0, 0, 128, 128}}, note});
    book.push_back(
        {"icon_question",
         128,
         128,
         [](cairo_t* cr, const PaintContext& c) { PaintGlyphBadge(cr, c, kLeaf, "?", 70, 86); },
         {{"icon", 0, 0, 128, 128}},
         note});
    book.push_back({"icon_head", 128, 128, PaintHead, {{"icon", 0, 0, 128, 128}}, note});
    book.push_back({"cursor_pointer",
                    64,
                    64,
                    PaintPointer,
                    {{"pointer", 0, 0, 64, 64}},
                    "Mouse pointer; its hot spot is the top-left corner."});
}

}  // namespace artgen
