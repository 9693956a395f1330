// The particle textures: sparkle (part00), smoke puff (part01), snowflake
// (part05), leaf (part08) and flame glow (part09). Each fills a 64 x 64
// square and fades out before its edge, because a particle is drawn as a
// square. Sparkle, smoke and flame are white so that the particles' own
// colours tint them; the snowflake and the leaf keep their colours.
#include <cmath>

#include "tools/artgen/SoftEdges.h"
#include "tools/artgen/TextureBook.h"
#include "tools/common/Palette.h"

namespace artgen {

namespace {

using namespace datakit;
using namespace datakit::palette;

constexpr int kSide = 64;
constexpr double kMid = kSide / 2.0;

// A radial glow around the centre: (offset, alpha) stops in white or `color`.
void Glow(cairo_t* cr, double radius, Rgb color,
          std::initializer_list<std::pair<double, double>> stops) {
    cairo_pattern_t* p = cairo_pattern_create_radial(kMid, kMid, 0, kMid, kMid, radius);
    for (const auto& [offset, alpha] : stops)
        cairo_pattern_add_color_stop_rgba(p, offset, color.r, color.g, color.b, alpha);
    cairo_set_source(cr, p);
    cairo_paint(cr);
    cairo_pattern_destroy(p);
}

// A four-pointed star with curved sides, points at `radius` from the centre.
void StarPath(cairo_t* cr, double radius, double waist) {
    cairo_move_to(cr, kMid, kMid - radius);
    for (int i = 1; i <= 4; ++i) {
        const double a = i * M_PI / 2 - M_PI / 2;
        const double mid = a - M_PI / 4;
        cairo_curve_to(cr, kMid + std::cos(mid) * waist, kMid + std::sin(mid) * waist,
                       kMid + std::cos(mid) * waist, kMid + std::sin(mid) * waist,
                       kMid + std::cos(a) * radius, kMid + std::sin(a) * radius);
    }
    cairo_close_path(cr);
}

void PaintSparkle(cairo_t* cr, const PaintContext&) {
    Glow(cr, 30, kWhite, {{0, 0.55}, {0.35, 0.28}, {1, 0}});
    PaintBlurred(cr, 0, 0, kSide, kSide, 1, 1.0, [](cairo_t* c) {
        StarPath(c, 28, 5);
        SetColor(c, kWhite);
        cairo_fill(c);
    });
    Circle(cr, kMid, kMid, 5);
    SetColor(cr, kWhite);
    cairo_fill(cr);
}

void PaintSmoke(cairo_t* cr, const PaintContext&) {
    // A puff of round lobes, lit from the top left, with a soft rim.
    const double lobes[][3] = {{22, 38, 12}, {38, 37, 13}, {30, 26, 12},
                               {45, 44, 8},  {18, 45, 8},  {32, 45, 10}};
    PaintBlurred(cr, 0, 0, kSide, kSide, 3, 0.6, [&](cairo_t* c) {
        for (const auto& l : lobes)
            Circle(c, l[0], l[1], l[2] + 2);
        SetColor(c, kWhite);
        cairo_fill(c);
    });
    PaintBlurred(cr, 0, 0, kSide, kSide, 1, 1.0, [&](cairo_t* c) {
        for (const auto& l : lobes)
            Circle(c, l[0], l[1], l[2]);
        SetVerticalGradient(c, 14, 42, kWhite, Hex(0xCFCAC2));
        cairo_fill(c);
        // the lit tops of the upper lobes
        Circle(c, 27, 23, 6);
        Circle(c, 36, 32, 5);
        cairo_set_source_rgba(c, 1, 1, 1, 0.9);
        cairo_fill(c);
    });
}

void PaintSnowflake(cairo_t* cr, const PaintContext&) {
    Glow(cr, 30, kSkyLight, {{0, 0.7}, {0.5, 0.3}, {1, 0}});
    auto flake = [](cairo_t* c) {
        for (int i = 0; i < 6; ++i) {
            const double a = i * M_PI / 3 - M_PI / 2;
            const double ca = std::cos(a), sa = std::sin(a);
            cairo_move_to(c, kMid, kMid);
            cairo_line_to(c, kMid + ca * 24, kMid + sa * 24);
            // a V of two short branches two thirds along the arm
            const double bx = kMid + ca * 14, by = kMid + sa * 14;
            for (double side : {-1.0, 1.0}) {
                const double b = a + side * M_PI / 3.5;
                cairo_move_to(c, bx, by);
                cairo_line_to(c, bx + std::cos(b) * 8, by + std::sin(b) * 8);
            }
        }
    };
    flake(cr);
    Stroke(cr, kSkyDeep, 7.5);
    flake(cr);
    Stroke(cr, kCream, 4);
    Circle(cr, kMid, kMid, 4.5);
    SetColor(cr, kWhite);
    cairo_fill(cr);
}

void PaintLeaf(cairo_t* cr, const PaintContext&) {
    Glow(cr, 30, kLeafLight, {{0, 0.45}, {0.6, 0.15}, {1, 0}});
    // Base at the lower left, tip at the upper right.
    auto leaf = [](cairo_t* c) {
        cairo_move_to(c, 14, 50);
        cairo_curve_to(c, 10, 26, 28, 12, 52, 12);
        cairo_curve_to(c, 52, 36, 38, 54, 14, 50);
        cairo_close_path(c);
    };
    leaf(cr);
    SetVerticalGradient(cr, 12, 40, kLeafLight, kLeaf);
    cairo_fill_preserve(cr);
    Stroke(cr, kLeafDark, 3);
    cairo_move_to(cr, 16, 48);
    cairo_curve_to(cr, 26, 36, 36, 26, 48, 16);
    Stroke(cr, Lighten(kLeafLight, 0.4), 2.2);
    cairo_move_to(cr, 14, 50);
    cairo_line_to(cr, 8, 56);
    Stroke(cr, kLeafDark, 3);
    Circle(cr, 24, 26, 3);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.85);
    cairo_fill(cr);
}

void PaintFlame(cairo_t* cr, const PaintContext&) {
    Glow(cr, 30, kWhite, {{0, 1}, {0.3, 0.85}, {0.65, 0.35}, {1, 0}});
    PaintBlurred(cr, 0, 0, kSide, kSide, 3, 0.5, [](cairo_t* c) {
        for (int i = 0; i < 5; ++i) {
            const double a = i * 2 * M_PI / 5;
            Circle(c, kMid + std::cos(a) * 12, kMid + std::sin(a) * 12, 9);
        }
        SetColor(c, kWhite);
        cairo_fill(c);
    });
}

}  // namespace

void AddParticleTextures(std::vector<TextureDef>& book) {
    book.push_back({"part00", kSide, kSide, PaintSparkle, {}, ""});
    book.push_back({"part01", kSide, kSide, PaintSmoke, {}, ""});
    book.push_back({"part05", kSide, kSide, PaintSnowflake, {}, ""});
    book.push_back({"part08", kSide, kSide, PaintLeaf, {}, ""});
    book.push_back({"part09", kSide, kSide, PaintFlame, {}, ""});
}

}  // namespace artgen
