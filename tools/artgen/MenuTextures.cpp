// The picture behind the menus: the island in the afternoon with a boat on
// the water, gulls, and the game's name above.
#include <cmath>

#include "tools/artgen/Scenery.h"
#include "tools/artgen/TextureBook.h"
#include "tools/artgen/TitleLogo.h"

namespace artgen {

namespace {

using namespace datakit;
using namespace datakit::palette;

void PaintGull(cairo_t* cr, double x, double y, double span) {
    cairo_move_to(cr, x - span, y);
    cairo_curve_to(cr, x - span * 0.6, y - span * 0.5, x - span * 0.2, y - span * 0.4, x, y);
    cairo_curve_to(cr, x + span * 0.2, y - span * 0.4, x + span * 0.6, y - span * 0.5, x + span, y);
    Stroke(cr, kInk, 2.4);
}

// A little sailing boat with a honey sail, its waterline at (x, y).
void PaintBoat(cairo_t* cr, double x, double y, double size) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, size / 100, size / 100);
    cairo_move_to(cr, -50, -12);
    cairo_line_to(cr, 50, -12);
    cairo_curve_to(cr, 40, 6, 28, 10, 0, 10);
    cairo_curve_to(cr, -28, 10, -40, 6, -50, -12);
    cairo_close_path(cr);
    SetVerticalGradient(cr, -12, 22, kWoodLight, kWood);
    cairo_fill_preserve(cr);
    Stroke(cr, kInk, 3);
    cairo_move_to(cr, -2, -12);
    cairo_line_to(cr, -2, -92);
    Stroke(cr, kInk, 4);
    cairo_move_to(cr, 4, -88);
    cairo_curve_to(cr, 36, -60, 44, -36, 46, -20);
    cairo_line_to(cr, 4, -20);
    cairo_close_path(cr);
    SetVerticalGradient(cr, -88, 68, kCream, kHoneyLight);
    cairo_fill_preserve(cr);
    Stroke(cr, kInk, 3);
    cairo_move_to(cr, -8, -80);
    cairo_curve_to(cr, -30, -56, -36, -36, -38, -20);
    cairo_line_to(cr, -8, -20);
    cairo_close_path(cr);
    SetVerticalGradient(cr, -80, 60, kHoneyLight, kHoney);
    cairo_fill_preserve(cr);
    Stroke(cr, kInk, 3);
    cairo_restore(cr);
    // ripples
    for (int i = 0; i < 2; ++i) {
        const double w = size * (0.7 + i * 0.3);
        cairo_move_to(cr, x - w, y + 6 + i * 7);
        cairo_curve_to(cr, x - w * 0.5, y + 2 + i * 7, x + w * 0.5, y + 2 + i * 7, x + w,
                       y + 6 + i * 7);
        Stroke(cr, kWhite, 2, 0.6);
    }
}

// The picture fills the top 1024 x 768 pixels of the texture; the rest is sea.
void PaintMenuBack(cairo_t* cr, const PaintContext& context) {
    cairo_rectangle(cr, 0, 0, 1024, 1024);
    SetColor(cr, Hex(0x3F93C4));
    cairo_fill(cr);
    cairo_save(cr);
    cairo_rectangle(cr, 0, 0, 1024, 768);
    cairo_clip(cr);
    PaintIslandScene(cr, 7, 180);
    PaintBoat(cr, 120, 700, 70);
    PaintBoat(cr, 930, 730, 52);
    PaintGull(cr, 770, 250, 16);
    PaintGull(cr, 812, 232, 12);
    PaintGull(cr, 236, 300, 13);
    PaintTitleLogo(cr, context, 512, 196, 0.92);
    cairo_restore(cr);
}

}  // namespace

void AddMenuTextures(std::vector<TextureDef>& book) {
    book.push_back({"gui_menu_back",
                    1024,
                    1024,
                    PaintMenuBack,
                    {{"back", 0, 0, 1024, 768}},
                    "The picture behind the menus; it is the top 1024 x 768 pixels\n"
                    "{x = 0, y = 0.25, w = 1, h = 0.75}. The game's name takes the upper\n"
                    "third, above GUI y = 500."});
}

}  // namespace artgen
