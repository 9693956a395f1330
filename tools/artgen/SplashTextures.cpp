// The splash cards: our studio's emblem and the game's title card.
#include <cmath>

#include "tools/artgen/Lettering.h"
#include "tools/artgen/Scenery.h"
#include "tools/artgen/TextureBook.h"
#include "tools/artgen/TitleLogo.h"

namespace artgen {

namespace {

using namespace datakit;
using namespace datakit::palette;

// Vantrel's emblem: a lantern glowing in a round night-blue badge, the name
// beneath. Transparent around, shown on the splash's cream background.
void PaintStudio(cairo_t* cr, const PaintContext& context) {
    const double cx = 256, cy = 196, r = 150;
    Circle(cr, cx + 3, cy + 8, r + 6);
    cairo_set_source_rgba(cr, 0.25, 0.15, 0.08, 0.25);
    cairo_fill(cr);
    Circle(cr, cx, cy, r + 8);
    SetColor(cr, kHoney);
    cairo_fill_preserve(cr);
    Stroke(cr, kInk, 5);
    Circle(cr, cx, cy, r - 6);
    SetVerticalGradient(cr, cy - r, 2 * r, Hex(0x3B4F86), Hex(0x24304F));
    cairo_fill_preserve(cr);
    Stroke(cr, kInk, 4);
    // stars
    Rng rng(3);
    for (int i = 0; i < 18; ++i) {
        const double a = rng.Range(0, 2 * M_PI), d = rng.Range(70, r - 20);
        const double sx = cx + d * std::cos(a), sy = cy + d * std::sin(a) * 0.9 - 10;
        Circle(cr, sx, sy, rng.Range(1.5, 3.2));
        cairo_set_source_rgba(cr, 1, 0.95, 0.8, rng.Range(0.5, 0.95));
        cairo_fill(cr);
    }
    // the lantern's glow
    cairo_pattern_t* glow = cairo_pattern_create_radial(cx, cy + 10, 10, cx, cy + 10, 120);
    cairo_pattern_add_color_stop_rgba(glow, 0, 1, 0.85, 0.45, 0.75);
    cairo_pattern_add_color_stop_rgba(glow, 1, 1, 0.85, 0.45, 0);
    cairo_set_source(cr, glow);
    Circle(cr, cx, cy, r - 8);
    cairo_fill(cr);
    cairo_pattern_destroy(glow);
    // handle ring and cap
    Circle(cr, cx, cy - 92, 16);
    Stroke(cr, kInk, 9);
    Circle(cr, cx, cy - 92, 16);
    Stroke(cr, kHoneyDark, 4);
    cairo_move_to(cr, cx - 44, cy - 50);
    cairo_curve_to(cr, cx - 30, cy - 84, cx + 30, cy - 84, cx + 44, cy - 50);
    cairo_close_path(cr);
    SetVerticalGradient(cr, cy - 84, 34, kHoneyLight, kHoneyDark);
    cairo_fill_preserve(cr);
    Stroke(cr, kInk, 4);
    // glass body
    cairo_move_to(cr, cx - 40, cy - 50);
    cairo_curve_to(cr, cx - 56, cy - 10, cx - 56, cy + 30, cx - 36, cy + 62);
    cairo_line_to(cr, cx + 36, cy + 62);
    cairo_curve_to(cr, cx + 56, cy + 30, cx + 56, cy - 10, cx + 40, cy - 50);
    cairo_close_path(cr);
    cairo_pattern_t* light = cairo_pattern_create_radial(cx, cy + 8, 4, cx, cy + 8, 60);
    cairo_pattern_add_color_stop_rgb(light, 0, 1, 0.98, 0.85);
    cairo_pattern_add_color_stop_rgb(light, 1, 1, 0.72, 0.3);
    cairo_set_source(cr, light);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(light);
    Stroke(cr, kInk, 4);
    // frame bars and the flame
    cairo_move_to(cr, cx, cy - 50);
    cairo_line_to(cr, cx, cy + 62);
    Stroke(cr, kHoneyDark, 3.5, 0.7);
    cairo_move_to(cr, cx, cy - 20);
    cairo_curve_to(cr, cx + 16, cy, cx + 14, cy + 24, cx, cy + 30);
    cairo_curve_to(cr, cx - 14, cy + 24, cx - 16, cy, cx, cy - 20);
    cairo_close_path(cr);
    SetVerticalGradient(cr, cy - 20, 50, kWhite, Hex(0xFFB347));
    cairo_fill(cr);
    RoundedRect(cr, cx - 46, cy + 58, 92, 18, 7);
    SetVerticalGradient(cr, cy + 58, 18, kHoneyLight, kHoneyDark);
    cairo_fill_preserve(cr);
    Stroke(cr, kInk, 4);
    // name
    Lettering letters(context, "DejaVuSans-Bold.ttf");
    cairo_new_path(cr);
    const char* name = "VANTREL";
    double total = 0;
    const double size = 70, tracking = 10;
    for (const char* p = name; *p; ++p)
        total += letters.Width(cr, std::string(1, *p), size) + tracking;
    total -= tracking;
    double x = cx - total / 2;
    for (const char* p = name; *p; ++p) {
        const std::string letter(1, *p);
        letters.TextPath(cr, letter, x, 452, size, 0);
        x += letters.Width(cr, letter, size) + tracking;
    }
    cairo_path_t* word = cairo_copy_path(cr);
    cairo_new_path(cr);
    cairo_save(cr);
    cairo_translate(cr, 2, 4);
    cairo_append_path(cr, word);
    cairo_set_source_rgba(cr, 0.25, 0.15, 0.08, 0.25);
    cairo_fill(cr);
    cairo_restore(cr);
    cairo_append_path(cr, word);
    SetVerticalGradient(cr, 400, 52, Hex(0x3B4F86), Hex(0x24304F));
    cairo_fill(cr);
    cairo_path_destroy(word);
    cairo_move_to(cr, cx - 130, 478);
    cairo_line_to(cr, cx + 130, 478);
    Stroke(cr, kHoney, 5);
}

// The title card: the island and the game's name. It is drawn in the 4:3 space
// of the splash (1024 x 768 logical) squeezed into a square texture; the splash
// stretches it back over the 800 x 600 screen.
void PaintTitleCard(cairo_t* cr, const PaintContext& context) {
    cairo_scale(cr, 1.0, 1024.0 / 768.0);
    PaintIslandScene(cr, 11, 180);
    PaintTitleLogo(cr, context, 512, 236, 1.05);
}

}  // namespace

void AddSplashTextures(std::vector<TextureDef>& book) {
    book.push_back({"splash_vantrel", 512, 512, PaintStudio, {}, ""});
    book.push_back({"splash_title", 1024, 1024, PaintTitleCard, {}, ""});
}

}  // namespace artgen
