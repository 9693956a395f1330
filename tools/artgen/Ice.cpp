// The ice over a frozen lake.
//
// "ice": a rounded sheet of ice over the lake's 3 x 3 cells, reaching 1.55
// cells from the anchor (the footprint's centre) with its frosted rim, so
// the water drawn beneath should stay within 1.5 cells of it. 4 frames at 6
// per second: a glint travels over the ice and sparkles twinkle.
#include <cmath>

#include "tools/artgen/Oblique.h"
#include "tools/artgen/Obstacles.h"
#include "tools/artgen/Scenery.h"

namespace artgen {

namespace {

using namespace datakit;
using namespace datakit::palette;

const Rgb kIce = Hex(0xD8F0FA);
const Rgb kIceDeep = Hex(0xA9D8EE);

// A rounded square on the ground (a superellipse) of half size r.
void Sheet(cairo_t* cr, double r) {
    InGround(cr, 0, [&] {
        for (int k = 0; k <= 64; ++k) {
            const double t = 2 * M_PI * k / 64;
            const double c = std::cos(t), s = std::sin(t);
            const double x = r * std::copysign(std::pow(std::fabs(c), 0.6), c);
            const double y = r * std::copysign(std::pow(std::fabs(s), 0.6), s);
            if (k == 0) {
                cairo_move_to(cr, x, y);
            } else {
                cairo_line_to(cr, x, y);
            }
        }
        cairo_close_path(cr);
    });
}

void Ice(cairo_t* cr, int frame) {
    // frosted rim, then the clear ice
    Sheet(cr, 74);
    FillFlat(cr, kWhite, 0, 0.85);
    Sheet(cr, 74);
    Line(cr, kSkyDeep, 1.4, 0.8);
    Sheet(cr, 66);
    FillGradient(cr, kIce, kIceDeep, 0);
    // cracks
    InGround(cr, 0, [&] {
        cairo_move_to(cr, -40, -20);
        cairo_line_to(cr, -18, -8);
        cairo_line_to(cr, -6, -16);
        cairo_line_to(cr, 14, -4);
        cairo_move_to(cr, -18, -8);
        cairo_line_to(cr, -22, 14);
        cairo_move_to(cr, 20, 30);
        cairo_line_to(cr, 34, 16);
        cairo_line_to(cr, 50, 22);
    });
    Line(cr, kWhite, 1.3, 0.9);
    // snow drifts near the rim
    InGround(cr, 0, [&] {
        datakit::Ellipse(cr, -44, 46, 16, 7);
        datakit::Ellipse(cr, 50, -44, 14, 6);
    });
    FillFlat(cr, kWhite, 0, 0.9);
    // the glint: a bright band that travels across over the frames
    const double at = -60 + 40 * frame;
    cairo_save(cr);
    Sheet(cr, 64);
    cairo_clip(cr);
    InGround(cr, 0, [&] {
        cairo_move_to(cr, at - 6, -80);
        cairo_line_to(cr, at + 6, -80);
        cairo_line_to(cr, at + 26, 80);
        cairo_line_to(cr, at + 14, 80);
        cairo_close_path(cr);
    });
    FillFlat(cr, kWhite, 0, 0.45);
    cairo_restore(cr);
    // sparkles
    Rng rng(31);
    for (int k = 0; k < 6; ++k) {
        const P2 p = Project({rng.Range(-50, 50), rng.Range(-50, 50), 0});
        const double size = ((k + frame) % 4 == 0) ? 4.5 : 2;
        cairo_move_to(cr, p.x - size, p.y);
        cairo_line_to(cr, p.x + size, p.y);
        cairo_move_to(cr, p.x, p.y - size);
        cairo_line_to(cr, p.x, p.y + size);
        Line(cr, kWhite, 1.3);
    }
}

}  // namespace

SpriteDef IceSprite() {
    return LoopSprite("ice", 4, 6, Ice);
}

}  // namespace artgen
