// The shared parts of the picture stories' pages.
#include "tools/artgen/ComicsKit.h"

#include <cmath>
#include <map>
#include <vector>

#include "tools/artgen/ArtShapes.h"
#include "tools/artgen/Figures.h"
#include "tools/artgen/MapProps.h"
#include "tools/artgen/PortraitKit.h"
#include "tools/artgen/Scenery.h"

namespace artgen {

using namespace datakit;
using namespace datakit::palette;

namespace {

// Every walker of the game by sprite name, built once.
const std::map<std::string, SpriteArt>& Walkers() {
    static const std::map<std::string, SpriteArt> walkers = [] {
        std::map<std::string, SpriteArt> all;
        for (auto make : {WorkerSprites, HeroSprites, GoblinSprites, SpiritSprites, BanditSprites})
            for (SpriteArt& art : make())
                all.emplace(art.name, std::move(art));
        return all;
    }();
    return walkers;
}

void LeafSprig(cairo_t* cr, double x, double y, double dir) {
    cairo_move_to(cr, x, y);
    cairo_curve_to(cr, x + dir * 18, y - 4, x + dir * 34, y - 2, x + dir * 48, y + 4);
    Stroke(cr, kLeafDark, 3);
    for (int i = 0; i < 3; ++i) {
        const double lx = x + dir * (12 + i * 14), ly = y - 1 + i;
        Ellipse(cr, lx, ly - 6, 7, 4);
        SetColor(cr, i % 2 ? kLeaf : kLeafLight);
        cairo_fill_preserve(cr);
        Stroke(cr, kInk, 1.5);
    }
}

}  // namespace

void PaintPageBack(cairo_t* cr) {
    cairo_rectangle(cr, 0, 0, kPageW, kPageH);
    SetVerticalGradient(cr, 0, kPageH, kCream, kParchment);
    cairo_fill(cr);
    // the strip's ruled top edge and its corner leaves
    cairo_move_to(cr, 190, kStripTop + 10);
    cairo_line_to(cr, kPageW - 190, kStripTop + 10);
    Stroke(cr, kParchmentShade, 2.5);
    LeafSprig(cr, 180, kStripTop + 12, -1);
    LeafSprig(cr, kPageW - 180, kStripTop + 12, 1);
    Circle(cr, 512, kStripTop + 10, 5);
    SetColor(cr, kBerry);
    cairo_fill_preserve(cr);
    Stroke(cr, kInk, 1.5);
}

void InPanel(cairo_t* cr, const Panel& panel, const std::function<void(cairo_t*)>& paint) {
    const double radius = 16;
    SoftShadow(cr, panel.x, panel.y, panel.w, panel.h, radius, 8, 0.18);
    cairo_save(cr);
    RoundedRect(cr, panel.x, panel.y, panel.w, panel.h, radius);
    cairo_clip(cr);
    cairo_translate(cr, panel.x, panel.y);
    paint(cr);
    cairo_restore(cr);
    cairo_new_path(cr);
    RoundedRect(cr, panel.x, panel.y, panel.w, panel.h, radius);
    Stroke(cr, kInk, 5);
}

void DaySky(cairo_t* cr, double w, double h, double sunX, double sunY) {
    cairo_rectangle(cr, 0, 0, w, h);
    cairo_pattern_t* sky = cairo_pattern_create_linear(0, 0, 0, h);
    cairo_pattern_add_color_stop_rgb(sky, 0, 0.42, 0.74, 0.9);
    cairo_pattern_add_color_stop_rgb(sky, 0.7, 0.74, 0.89, 0.94);
    cairo_pattern_add_color_stop_rgb(sky, 1, 0.99, 0.93, 0.8);
    cairo_set_source(cr, sky);
    cairo_fill(cr);
    cairo_pattern_destroy(sky);
    Glow(cr, sunX, sunY, 170, Hex(0xFFF2B0), 0.6);
    Circle(cr, sunX, sunY, 46);
    SetVerticalGradient(cr, sunY - 46, 92, Hex(0xFFF6C8), Hex(0xFFD56B));
    cairo_fill(cr);
}

void StormSky(cairo_t* cr, double w, double h) {
    cairo_rectangle(cr, 0, 0, w, h);
    SetVerticalGradient(cr, 0, h, Hex(0x1B1F3A), Hex(0x454A78));
    cairo_fill(cr);
    Rng rng(5);
    for (int i = 0; i < 7; ++i) {
        const double cx = rng.Range(0, w), cy = rng.Range(20, h * 0.35);
        for (int k = 0; k < 4; ++k) {
            Circle(cr, cx + (k - 1.5) * 46, cy + (k % 2) * 14, rng.Range(40, 62));
        }
        SetColor(cr, Mix(Hex(0x2A2E52), Hex(0x5A5F8E), rng.Next()), 0.85);
        cairo_fill(cr);
    }
}

void GreySky(cairo_t* cr, double w, double h) {
    cairo_rectangle(cr, 0, 0, w, h);
    SetVerticalGradient(cr, 0, h, Hex(0x9AA4B4), Hex(0xD9D6CC));
    cairo_fill(cr);
    for (int i = 0; i < 5; ++i) {
        cairo_save(cr);
        cairo_translate(cr, 90 + i * 210, 70 + (i % 2) * 50);
        PaintCloud(cr, 0, 0, 0.9);
        cairo_restore(cr);
    }
    cairo_rectangle(cr, 0, 0, w, h);
    cairo_set_source_rgba(cr, 0.45, 0.48, 0.55, 0.35);
    cairo_fill(cr);
}

void SunsetSky(cairo_t* cr, double w, double h) {
    cairo_rectangle(cr, 0, 0, w, h);
    cairo_pattern_t* sky = cairo_pattern_create_linear(0, 0, 0, h);
    cairo_pattern_add_color_stop_rgb(sky, 0, 0.2, 0.2, 0.45);
    cairo_pattern_add_color_stop_rgb(sky, 0.45, 0.62, 0.36, 0.58);
    cairo_pattern_add_color_stop_rgb(sky, 0.8, 0.98, 0.6, 0.42);
    cairo_pattern_add_color_stop_rgb(sky, 1, 1.0, 0.82, 0.5);
    cairo_set_source(cr, sky);
    cairo_fill(cr);
    cairo_pattern_destroy(sky);
}

void Hills(cairo_t* cr, double w, double top, double bottom, Rgb light, Rgb dark, double phase) {
    Ridge(cr, -10, w + 10, top, 26, bottom + 10, phase, 0.008);
    SetVerticalGradient(cr, top - 30, bottom - top + 30, light, dark);
    cairo_fill_preserve(cr);
    Stroke(cr, kInk, 3);
}

void Sea(cairo_t* cr, double w, double top, double bottom, Rgb light, Rgb dark, unsigned seed) {
    cairo_rectangle(cr, 0, top, w, bottom - top);
    SetVerticalGradient(cr, top, bottom - top, light, dark);
    cairo_fill(cr);
    Rng rng(seed);
    for (int i = 0; i < 40; ++i) {
        const double wy = top + 8 + rng.Range(0, bottom - top - 8);
        const double wx = rng.Range(-20, w);
        const double len = rng.Range(18, 50);
        cairo_move_to(cr, wx, wy);
        cairo_curve_to(cr, wx + len * 0.3, wy - 4, wx + len * 0.7, wy - 4, wx + len, wy);
    }
    Stroke(cr, kWhite, 2.4, 0.4);
}

void PaintWalker(cairo_t* cr, const std::string& sprite, int frame, double x, double y,
                 double scale, bool mirror, double alpha) {
    const auto it = Walkers().find(sprite);
    if (it == Walkers().end() || it->second.frames.empty())
        return;
    const auto& frames = it->second.frames;
    SoftGroundShadow(cr, x, y, 17 * scale, 5 * scale, 0.22 * alpha);
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, mirror ? -scale : scale, scale);
    if (alpha < 1.0)
        cairo_push_group(cr);
    frames[static_cast<size_t>(frame) % frames.size()](cr);
    if (alpha < 1.0) {
        cairo_pop_group_to_source(cr);
        cairo_paint_with_alpha(cr, alpha);
    }
    cairo_restore(cr);
}

void PaintSpeaker(cairo_t* cr, void (*figure)(cairo_t*), Rgb back, double cx, double cy,
                  double size) {
    cairo_save(cr);
    cairo_translate(cr, cx - size / 2, cy - size / 2);
    cairo_scale(cr, size / kPortraitSide, size / kPortraitSide);
    PaintPortraitFrame(cr, back, figure);
    cairo_restore(cr);
}

void PaintPrincess(cairo_t* cr) {
    FaceLayout f;
    const Rgb skin = Hex(0xF7D2B4), hair = Hex(0xE9B64A), dress = Hex(0xE27EA6);
    // long hair behind the shoulders
    cairo_move_to(cr, f.cx - 62, 112);
    cairo_curve_to(cr, f.cx - 80, 190, f.cx - 70, 230, f.cx - 40, 250);
    cairo_line_to(cr, f.cx + 40, 250);
    cairo_curve_to(cr, f.cx + 70, 230, f.cx + 80, 190, f.cx + 62, 112);
    cairo_close_path(cr);
    Shape(cr, hair, 100, 150);
    Shoulders(cr, dress, 188, 84);
    // the dress's lace collar
    for (int i = -3; i <= 3; ++i) {
        Circle(cr, f.cx + i * 13, 196 + std::abs(i) * 2, 8);
    }
    SetColor(cr, kCream);
    cairo_fill(cr);
    Neck(cr, f, skin);
    Head(cr, f, skin);
    // fringe
    cairo_move_to(cr, f.cx - 54, 108);
    cairo_curve_to(cr, f.cx - 50, 52, f.cx + 50, 52, f.cx + 54, 108);
    cairo_curve_to(cr, f.cx + 30, 84, f.cx + 6, 78, f.cx - 10, 92);
    cairo_curve_to(cr, f.cx - 24, 80, f.cx - 44, 88, f.cx - 54, 108);
    cairo_close_path(cr);
    Shape(cr, hair, 56, 56);
    // the little crown
    cairo_move_to(cr, f.cx - 30, 66);
    cairo_line_to(cr, f.cx - 34, 36);
    cairo_line_to(cr, f.cx - 16, 52);
    cairo_line_to(cr, f.cx, 30);
    cairo_line_to(cr, f.cx + 16, 52);
    cairo_line_to(cr, f.cx + 34, 36);
    cairo_line_to(cr, f.cx + 30, 66);
    cairo_close_path(cr);
    FillMetal(cr, kGoldMetal, 30, 36);
    cairo_new_path(cr);
    cairo_move_to(cr, f.cx - 30, 66);
    cairo_line_to(cr, f.cx - 34, 36);
    cairo_line_to(cr, f.cx - 16, 52);
    cairo_line_to(cr, f.cx, 30);
    cairo_line_to(cr, f.cx + 16, 52);
    cairo_line_to(cr, f.cx + 34, 36);
    cairo_line_to(cr, f.cx + 30, 66);
    cairo_close_path(cr);
    Stroke(cr, kInk, 2.5);
    Circle(cr, f.cx, 52, 5);
    SetColor(cr, kBerry);
    cairo_fill(cr);
    Eyes(cr, f, 8, 0.3);
    Brows(cr, f, Darken(hair, 0.3), 14, 0.1);
    Cheeks(cr, f, 0.45);
    Nose(cr, f, skin, 6);
    Smile(cr, f, 22, 0);
}

void PaintBigCastle(cairo_t* cr, double x, double ground, double scale) {
    cairo_save(cr);
    cairo_translate(cr, x, ground);
    cairo_scale(cr, scale, scale);
    PaintCastle(cr, 0, 0);
    cairo_restore(cr);
}

void PaintBanditShip(cairo_t* cr, double x, double y, double s) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, s, s);
    // hull
    cairo_move_to(cr, -120, -40);
    cairo_line_to(cr, 130, -46);
    cairo_curve_to(cr, 120, -10, 90, 10, 60, 12);
    cairo_line_to(cr, -80, 12);
    cairo_curve_to(cr, -104, 6, -116, -16, -120, -40);
    cairo_close_path(cr);
    SetVerticalGradient(cr, -46, 58, Hex(0x6A4A38), Hex(0x3A2619));
    cairo_fill_preserve(cr);
    Stroke(cr, kInk, 3);
    for (int i = -1; i <= 1; ++i) {
        Circle(cr, i * 50, -22, 6);
        SetColor(cr, Hex(0x1F140C));
        cairo_fill(cr);
    }
    // mast and the patched sail
    cairo_move_to(cr, 0, -44);
    cairo_line_to(cr, 0, -210);
    Stroke(cr, kInk, 7);
    cairo_move_to(cr, 0, -44);
    cairo_line_to(cr, 0, -210);
    Stroke(cr, kWoodDark, 4);
    cairo_move_to(cr, -84, -196);
    cairo_curve_to(cr, -30, -180, 30, -180, 84, -196);
    cairo_curve_to(cr, 96, -150, 96, -100, 84, -70);
    cairo_curve_to(cr, 30, -82, -30, -82, -84, -70);
    cairo_curve_to(cr, -74, -110, -74, -150, -84, -196);
    cairo_close_path(cr);
    SetVerticalGradient(cr, -196, 126, Hex(0x4B4550), Hex(0x2A2530));
    cairo_fill_preserve(cr);
    Stroke(cr, kInk, 3);
    RoundedRect(cr, 30, -170, 34, 30, 4);
    SetColor(cr, Hex(0x6E6270));
    cairo_fill_preserve(cr);
    Stroke(cr, kInk, 1.5);
    // the band's sign: a crossed pair of daggers on the sail
    for (double side : {-1.0, 1.0}) {
        cairo_move_to(cr, -30 * side, -160);
        cairo_line_to(cr, 30 * side, -100);
        Stroke(cr, Hex(0xD8D2C8), 6);
    }
    Pennant(cr, 0, -236, -210, 34, kBerryDark, 2);
    cairo_restore(cr);
}

void PaintBunting(cairo_t* cr, double x0, double y0, double x1, double y1, double sag,
                  unsigned seed) {
    const Rgb colors[] = {kBerry, kHoney, kLeaf, kMana, Hex(0xF29BB0)};
    auto at = [&](double t, double* x, double* y) {
        *x = x0 + (x1 - x0) * t;
        *y = y0 + (y1 - y0) * t + sag * 4 * t * (1 - t);
    };
    cairo_move_to(cr, x0, y0);
    for (int i = 1; i <= 20; ++i) {
        double x, y;
        at(i / 20.0, &x, &y);
        cairo_line_to(cr, x, y);
    }
    Stroke(cr, kInk, 2);
    const int flags = static_cast<int>(std::hypot(x1 - x0, y1 - y0) / 34);
    for (int i = 0; i < flags; ++i) {
        double ax, ay, bx, by;
        at((i + 0.15) / flags, &ax, &ay);
        at((i + 0.75) / flags, &bx, &by);
        cairo_move_to(cr, ax, ay);
        cairo_line_to(cr, bx, by);
        cairo_line_to(cr, (ax + bx) / 2, (ay + by) / 2 + 22);
        cairo_close_path(cr);
        SetColor(cr, colors[(i + seed) % 5]);
        cairo_fill_preserve(cr);
        Stroke(cr, kInk, 1.5);
    }
}

void PaintFirework(cairo_t* cr, double x, double y, double radius, Rgb color) {
    Glow(cr, x, y, radius * 1.3, color, 0.35);
    for (int i = 0; i < 16; ++i) {
        const double a = i * M_PI / 8;
        const double r0 = radius * 0.25, r1 = radius * (i % 2 ? 0.8 : 1.0);
        cairo_move_to(cr, x + std::cos(a) * r0, y + std::sin(a) * r0);
        cairo_line_to(cr, x + std::cos(a) * r1, y + std::sin(a) * r1);
        Stroke(cr, Lighten(color, 0.3), 4);
        Circle(cr, x + std::cos(a) * r1, y + std::sin(a) * r1, 4);
        SetColor(cr, kWhite, 0.9);
        cairo_fill(cr);
    }
}

void PaintSparkles(cairo_t* cr, double x, double y, double w, double h, int count, Rgb color,
                   unsigned seed) {
    Rng rng(seed);
    for (int i = 0; i < count; ++i) {
        const double sx = x + rng.Range(0, w), sy = y + rng.Range(0, h);
        Glow(cr, sx, sy, 14, color, 0.5);
        TwinkleStar(cr, sx, sy, rng.Range(5, 10), rng.Range(0.6, 1.0));
    }
}

TextureDef ComicsPage(const std::string& name, void (*paint)(cairo_t*, const PaintContext&)) {
    return {name,
            1024,
            1024,
            [paint](cairo_t* cr, const PaintContext& context) {
                cairo_scale(cr, 1.0, 1024.0 / kPageH);
                paint(cr, context);
            },
            {},
            ""};
}

void AddComicsTextures(std::vector<TextureDef>& book) {
    AddOpeningPages(book);
    AddClosingPages(book);
}

void PaintGoldHeap(cairo_t* cr, double x, double y, double size) {
    Rng rng(17);
    for (int row = 0; row < 4; ++row) {
        const int n = 5 - row;
        for (int i = 0; i < n; ++i) {
            const double nx = x + (i - (n - 1) / 2.0) * size * 0.42 + rng.Range(-3, 3);
            const double ny = y - row * size * 0.3 - size * 0.15;
            Ellipse(cr, nx, ny, size * 0.26, size * 0.18);
            FillMetal(cr, kGoldMetal, ny - size * 0.18, size * 0.36);
            Ellipse(cr, nx, ny, size * 0.26, size * 0.18);
            Stroke(cr, kInk, 2);
        }
    }
    TwinkleStar(cr, x + size * 0.3, y - size * 1.1, size * 0.22, 0.9);
}

}  // namespace artgen
