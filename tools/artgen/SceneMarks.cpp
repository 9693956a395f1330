// Small marks drawn under scene objects: the ground shadow of walking figures
// ("shadow", found by its name alone). The progress bar over an object being
// worked on lives with the HUD's pictures in "gui00".
#include "tools/artgen/SoftEdges.h"
#include "tools/artgen/TextureBook.h"
#include "tools/common/Palette.h"

namespace artgen {

namespace {

using namespace datakit;
using namespace datakit::palette;

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
