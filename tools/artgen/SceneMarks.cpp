// Small marks drawn over and under scene objects: the progress bar over an
// object being worked on ("gui00", area "progress": frame 0 the full bar,
// frame 1 the empty one) and the ground shadow of walking figures ("shadow",
// found by its name alone).
#include "tools/artgen/SoftEdges.h"
#include "tools/artgen/TextureBook.h"
#include "tools/common/Palette.h"

namespace artgen {

namespace {

using namespace datakit;
using namespace datakit::palette;

constexpr int kBarW = 64, kBarH = 12;

void PaintBar(cairo_t* cr, double top, bool full) {
    const double x = 1.5, y = top + 1.5, w = kBarW - 3, h = kBarH - 3, r = h / 2;
    RoundedRect(cr, x, y, w, h, r);
    if (full) {
        SetVerticalGradient(cr, y, h, kLeafLight, kLeafDark);
    } else {
        SetVerticalGradient(cr, y, h, Darken(kWoodDark, 0.35), kWoodDark);
    }
    cairo_fill_preserve(cr);
    Stroke(cr, kInk, 1.6);
    if (full)
        Sheen(cr, x + 2, y + 1, w - 4, h - 1, r - 1, 0.55);
}

void PaintProgress(cairo_t* cr, const PaintContext&) {
    PaintBar(cr, 0, true);
    PaintBar(cr, kBarH, false);
}

constexpr int kShadowW = 64, kShadowH = 32;

void PaintShadow(cairo_t* cr, const PaintContext&) {
    PaintBlurred(cr, 0, 0, kShadowW, kShadowH, 2, 1.0, [](cairo_t* g) {
        cairo_save(g);
        cairo_translate(g, kShadowW / 2.0, kShadowH / 2.0);
        cairo_scale(g, 27, 11);
        cairo_pattern_t* p = cairo_pattern_create_radial(0, 0, 0, 0, 0, 1);
        cairo_pattern_add_color_stop_rgba(p, 0, 0.16, 0.09, 0.04, 0.6);
        cairo_pattern_add_color_stop_rgba(p, 0.6, 0.16, 0.09, 0.04, 0.45);
        cairo_pattern_add_color_stop_rgba(p, 1, 0.16, 0.09, 0.04, 0);
        cairo_set_source(g, p);
        Circle(g, 0, 0, 1);
        cairo_fill(g);
        cairo_pattern_destroy(p);
        cairo_restore(g);
    });
}

}  // namespace

void AddSceneMarks(std::vector<TextureDef>& book) {
    book.push_back({"gui00",
                    kBarW,
                    32,
                    PaintProgress,
                    {{"progress", 0, 0, kBarW, kBarH * 2, 1, 2, 30}},
                    "Only the scene's progress bar so far; the HUD's areas join it later."});
    TextureDef shadow{"shadow",
                      kShadowW,
                      kShadowH,
                      PaintShadow,
                      {{"shadow", 0, 0, kShadowW, kShadowH}},
                      "The ground shadow of walking figures, centred on its anchor."};
    shadow.exSprites = [] {
        const ExFrame whole{kShadowW / 2.0, kShadowH / 2.0, 0, 0, 1, 1, kShadowW, kShadowH};
        return std::vector<ExSprite>{{"shadow", 30, {whole}}};
    };
    book.push_back(shadow);
}

}  // namespace artgen
