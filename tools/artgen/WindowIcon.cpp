// The window's icon: a round emblem of the island in the sea under the sky,
// with the title's honey-orange "B" standing on it. It must still read at 16 and 32 pixels
// (task bars, window lists), so it keeps to a few large shapes.
#include <cmath>

#include "tools/artgen/Lettering.h"
#include "tools/artgen/TextureBook.h"
#include "tools/common/Palette.h"

namespace artgen {

namespace {

using namespace datakit;
using namespace datakit::palette;

constexpr double kCentre = 64, kRadius = 58;

void PaintWindowIcon(cairo_t* cr, const PaintContext& context) {
    // the emblem's face, clipped to its circle: sky, sea, a green island
    cairo_save(cr);
    Circle(cr, kCentre, kCentre, kRadius);
    cairo_clip(cr);
    cairo_rectangle(cr, 0, 0, 128, 128);
    SetVerticalGradient(cr, 6, 90, kSkyLight, kSky);
    cairo_fill(cr);
    cairo_rectangle(cr, 0, 86, 128, 42);
    SetVerticalGradient(cr, 86, 36, kSkyDeep, kManaDark);
    cairo_fill(cr);
    for (double wave : {104.0, 114.0}) {
        cairo_move_to(cr, 14, wave);
        cairo_curve_to(cr, 44, wave - 4, 84, wave + 4, 114, wave);
        Stroke(cr, kSkyLight, 2, 0.55);
    }
    Ellipse(cr, kCentre, 94, 44, 15);
    SetColor(cr, kParchmentShade);
    cairo_fill_preserve(cr);
    Stroke(cr, kInk, 3);
    Ellipse(cr, kCentre, 92, 39, 11);
    SetVerticalGradient(cr, 81, 22, kLeafLight, kLeaf);
    cairo_fill_preserve(cr);
    Stroke(cr, kInk, 2.5);
    cairo_restore(cr);
    // a light glint on the upper sky, then the rim
    Ellipse(cr, kCentre - 10, 26, 30, 12);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.35);
    cairo_fill(cr);
    Circle(cr, kCentre, kCentre, kRadius);
    Stroke(cr, kInk, 6);
    Circle(cr, kCentre, kCentre, kRadius - 4.5);
    Stroke(cr, kHoneyLight, 2.5, 0.8);

    // the initial, lettered like the title
    Lettering letters(context, "DejaVuSerif-Bold.ttf");
    const double size = 84, baseline = 92;
    letters.TextPath(cr, "B", kCentre, baseline, size, 0.5);
    PaintTitle(cr, Hex(0xFFE78C), Hex(0xF08A24), baseline - size * 0.75, baseline, 4.5, 3);
}

}  // namespace

void AddWindowIcon(std::vector<TextureDef>& book) {
    book.push_back({"window_icon",
                    128,
                    128,
                    PaintWindowIcon,
                    {},
                    "The window's icon; the game sets it on its window, it is no texture."});
}

}  // namespace artgen
