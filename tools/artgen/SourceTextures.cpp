// The texture of the resource sources, and the painting habits they share.
#include <cmath>

#include "tools/artgen/Scenery.h"
#include "tools/artgen/Sources.h"

namespace artgen {

using namespace datakit;
using namespace datakit::palette;

void GroundShade(cairo_t* cr, double cx, double cy, double rx, double ry, double alpha) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, rx, ry);
    cairo_pattern_t* p = cairo_pattern_create_radial(0, 0, 0, 0, 0, 1);
    cairo_pattern_add_color_stop_rgba(p, 0, 0.14, 0.2, 0.06, alpha);
    cairo_pattern_add_color_stop_rgba(p, 0.6, 0.14, 0.2, 0.06, alpha * 0.75);
    cairo_pattern_add_color_stop_rgba(p, 1, 0.14, 0.2, 0.06, 0);
    cairo_set_source(cr, p);
    Circle(cr, 0, 0, 1);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    cairo_restore(cr);
}

void Twinkle(cairo_t* cr, double x, double y, double size, double alpha) {
    cairo_move_to(cr, x, y - size);
    cairo_curve_to(cr, x + size * 0.15, y - size * 0.15, x + size * 0.15, y - size * 0.15, x + size,
                   y);
    cairo_curve_to(cr, x + size * 0.15, y + size * 0.15, x + size * 0.15, y + size * 0.15, x,
                   y + size);
    cairo_curve_to(cr, x - size * 0.15, y + size * 0.15, x - size * 0.15, y + size * 0.15, x - size,
                   y);
    cairo_curve_to(cr, x - size * 0.15, y - size * 0.15, x - size * 0.15, y - size * 0.15, x,
                   y - size);
    cairo_close_path(cr);
    SetColor(cr, kWhite, alpha);
    cairo_fill(cr);
}

void Scatter(cairo_t* cr, double x, double y, double spread, int count, Rgb color, unsigned seed) {
    Rng rng(seed);
    for (int i = 0; i < count; ++i) {
        const double px = x + rng.Range(-spread, spread), py = y + rng.Range(-spread, spread) * 0.3;
        const double r = rng.Range(1.0, 2.0);
        cairo_save(cr);
        cairo_translate(cr, px, py);
        cairo_rotate(cr, rng.Range(0, M_PI));
        RoundedPolygon(cr, {{-r, -r * 0.6}, {r, -r * 0.7}, {r * 0.8, r * 0.6}, {-r * 0.9, r * 0.5}},
                       0.5);
        cairo_restore(cr);
        SetColor(cr, color);
        cairo_fill_preserve(cr);
        Stroke(cr, kInk, 0.7);
    }
}

void AddSourceTextures(std::vector<TextureDef>& book) {
    book.push_back(SpriteTexture("sources", 1024, 1024, [] {
        std::vector<SpriteArt> all = TreeSprites();
        for (auto part : {FieldSprites, GroundSprites, GoodsSprites}) {
            auto sprites = part();
            all.insert(all.end(), sprites.begin(), sprites.end());
        }
        return all;
    }));
    book.back().note =
        "Trees, fields, the gold nugget, the well, goods on the ground and the job marker.";
}

}  // namespace artgen
