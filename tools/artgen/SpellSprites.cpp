// The spell icons and the emblems the altars show.
#include <cmath>
#include <string>

#include "tools/artgen/Oblique.h"
#include "tools/artgen/SpellArt.h"

namespace artgen {

namespace {

using namespace datakit;
using namespace datakit::palette;

// Where an altar's emblem hovers: over the basin, relative to the altar's
// anchor.
constexpr double kHoverY = -66;

void Badge(cairo_t* cr, Rgb color, double r) {
    Circle(cr, 1, 2, r + 1);
    cairo_set_source_rgba(cr, 0.16, 0.09, 0.04, 0.3);
    cairo_fill(cr);
    Circle(cr, 0, 0, r);
    SetColor(cr, Darken(color, 0.3));
    cairo_fill(cr);
    Circle(cr, 0, -1, r - 3);
    SetVerticalGradient(cr, -r, 2 * r, Lighten(color, 0.35), color);
    cairo_fill(cr);
    Ellipse(cr, 0, -r * 0.55, r * 0.62, r * 0.3);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.28);
    cairo_fill(cr);
    Circle(cr, 0, 0, r);
    Stroke(cr, kInk, 2.4);
}

void Icon(cairo_t* cr, int spell) {
    Badge(cr, SpellColor(spell), 29);
    cairo_save(cr);
    cairo_scale(cr, 1.1, 1.1);
    DrawSpellEmblem(cr, spell);
    cairo_restore(cr);
}

// The emblem resting dim on a stone disc over the altar.
void Resting(cairo_t* cr, int spell) {
    cairo_save(cr);
    cairo_translate(cr, 0, kHoverY);
    Circle(cr, 0, 0, 19);
    FillGradient(cr, Hex(0xC9C3B8), Hex(0x8F897E), 2);
    cairo_scale(cr, 0.78, 0.78);
    cairo_push_group(cr);
    DrawSpellEmblem(cr, spell);
    cairo_pop_group_to_source(cr);
    cairo_paint_with_alpha(cr, 0.55);
    cairo_restore(cr);
}

// The emblem lit: a halo in the spell's colour that breathes over the frames
// and sparks circling it.
void Glowing(cairo_t* cr, int spell, int frame) {
    const double breath = 0.5 + 0.5 * std::sin(2 * M_PI * frame / 6);
    const Rgb color = SpellColor(spell);
    cairo_save(cr);
    cairo_translate(cr, 0, kHoverY);
    cairo_pattern_t* halo = cairo_pattern_create_radial(0, 0, 10, 0, 0, 30 + 4 * breath);
    const Rgb light = Lighten(color, 0.55);
    cairo_pattern_add_color_stop_rgba(halo, 0, light.r, light.g, light.b, 0.95);
    cairo_pattern_add_color_stop_rgba(halo, 1, light.r, light.g, light.b, 0);
    cairo_set_source(cr, halo);
    Circle(cr, 0, 0, 34);
    cairo_fill(cr);
    cairo_pattern_destroy(halo);
    Circle(cr, 0, 0, 19);
    FillGradient(cr, Lighten(color, 0.45), color, 2);
    cairo_save(cr);
    cairo_scale(cr, 0.78, 0.78);
    DrawSpellEmblem(cr, spell);
    cairo_restore(cr);
    for (int k = 0; k < 3; ++k) {
        const double t = 2 * M_PI * (k / 3.0 + frame / 18.0);
        const double x = 25 * std::cos(t), y = 25 * std::sin(t) * 0.8, s = 2.5 + breath;
        cairo_move_to(cr, x - s, y);
        cairo_line_to(cr, x + s, y);
        cairo_move_to(cr, x, y - s);
        cairo_line_to(cr, x, y + s);
        Line(cr, kWhite, 1.4);
    }
    cairo_restore(cr);
}

}  // namespace

std::vector<SpriteDef> SpellSprites() {
    std::vector<SpriteDef> sprites;
    for (int spell = 1; spell <= kSpellCount; ++spell) {
        const std::string name = SpellName(spell);
        sprites.push_back(LoopSprite(name, 1, 1, [spell](cairo_t* cr, int) { Icon(cr, spell); }));
        sprites.push_back(
            LoopSprite(name + "_off", 1, 1, [spell](cairo_t* cr, int) { Resting(cr, spell); }));
        sprites.push_back(LoopSprite(
            name + "_on", 6, 8, [spell](cairo_t* cr, int frame) { Glowing(cr, spell, frame); }));
    }
    return sprites;
}

}  // namespace artgen
