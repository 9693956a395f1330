#include "tools/artgen/FigureProps.h"

#include <cmath>

#include "tools/artgen/Scenery.h"
#include "tools/artgen/Sources.h"

namespace artgen {

using namespace datakit;
using namespace datakit::palette;

namespace {

constexpr Rgb kSteel = Hex(0xC9D3DC);
constexpr Rgb kSteelDark = Hex(0x8C99A6);

Point At(const Handle& h, double along, double across) {
    return {h.tip.x + h.dir.x * along + h.side.x * across,
            h.tip.y + h.dir.y * along + h.side.y * across};
}

void MoveTo(cairo_t* cr, Point p) {
    cairo_move_to(cr, p.x, p.y);
}
void LineTo(cairo_t* cr, Point p) {
    cairo_line_to(cr, p.x, p.y);
}

void Shaft(cairo_t* cr, const Handle& h, double width, Rgb wood) {
    InkedLine(cr, {h.butt, h.tip}, width, wood);
}

}  // namespace

void PaintAxe(cairo_t* cr, const Skeleton& s) {
    const double k = s.scale;
    const Handle h = HeldHandle(s, 1.5, 12.5);
    Shaft(cr, h, 1.7 * k, kWoodLight);
    // the head sits at the end, its edge facing the swing
    MoveTo(cr, At(h, 1.0 * k, -1.6 * k));
    LineTo(cr, At(h, -3.0 * k, -1.6 * k));
    LineTo(cr, At(h, -4.6 * k, 5.6 * k));
    const Point c1 = At(h, -2.0 * k, 7.2 * k), c2 = At(h, 1.8 * k, 7.2 * k),
                e = At(h, 2.4 * k, 5.6 * k);
    cairo_curve_to(cr, c1.x, c1.y, c2.x, c2.y, e.x, e.y);
    cairo_close_path(cr);
    InkedFill(cr, kSteel);
    MoveTo(cr, At(h, -3.8 * k, 4.8 * k));
    LineTo(cr, At(h, 1.8 * k, 4.8 * k));
    Stroke(cr, kWhite, 1.0 * k, 0.85);
}

void PaintPick(cairo_t* cr, const Skeleton& s) {
    const double k = s.scale;
    const Handle h = HeldHandle(s, 1.5, 12.5);
    Shaft(cr, h, 1.7 * k, kWoodLight);
    // a bar across the end, curved back, pointed at both ends
    const Point a = At(h, -2.0 * k, 5.8 * k), m = At(h, 0.6 * k, 0), b = At(h, -2.0 * k, -5.2 * k);
    for (int pass = 0; pass < 2; ++pass) {
        MoveTo(cr, a);
        cairo_curve_to(cr, m.x, m.y, m.x, m.y, b.x, b.y);
        if (pass == 0)
            Stroke(cr, kInk, 2.6 * k + 2 * kFigureInk);
        else
            Stroke(cr, kSteelDark, 2.6 * k);
    }
    MoveTo(cr, At(h, -0.8 * k, 3.2 * k));
    cairo_curve_to(cr, m.x, m.y, m.x, m.y, At(h, -0.8 * k, -3.0 * k).x,
                   At(h, -0.8 * k, -3.0 * k).y);
    Stroke(cr, kSteel, 1.0 * k);
}

void PaintHammer(cairo_t* cr, const Skeleton& s) {
    const double k = s.scale;
    const Handle h = HeldHandle(s, 1.2, 9.5);
    Shaft(cr, h, 1.7 * k, kWoodLight);
    RoundedPolygon(cr,
                   {At(h, 2.0 * k, -3.0 * k), At(h, 2.0 * k, 4.0 * k), At(h, -2.0 * k, 4.0 * k),
                    At(h, -2.0 * k, -3.0 * k)},
                   0.8 * k);
    InkedFill(cr, kSteelDark);
}

void PaintSword(cairo_t* cr, const Skeleton& s, double glow) {
    const double k = s.scale;
    const Handle h = HeldHandle(s, 2.2, 16.5);
    if (glow > 0) {
        const Point c = At(h, -2, 0);
        cairo_pattern_t* p = cairo_pattern_create_radial(c.x, c.y, 0, c.x, c.y, 9 * k * glow);
        cairo_pattern_add_color_stop_rgba(p, 0, 1, 1, 0.85, 0.9);
        cairo_pattern_add_color_stop_rgba(p, 0.4, 0.55, 0.85, 1, 0.55);
        cairo_pattern_add_color_stop_rgba(p, 1, 0.35, 0.65, 1, 0);
        cairo_set_source(cr, p);
        Circle(cr, c.x, c.y, 9 * k * glow);
        cairo_fill(cr);
        cairo_pattern_destroy(p);
    }
    const Point guard = {h.butt.x + h.dir.x * 3.6 * k, h.butt.y + h.dir.y * 3.6 * k};
    // blade
    const Point n{-h.dir.y, h.dir.x};
    cairo_move_to(cr, guard.x + n.x * 1.3 * k, guard.y + n.y * 1.3 * k);
    cairo_line_to(cr, h.tip.x - h.dir.x * 2.5 * k + n.x * 1.2 * k,
                  h.tip.y - h.dir.y * 2.5 * k + n.y * 1.2 * k);
    cairo_line_to(cr, h.tip.x, h.tip.y);
    cairo_line_to(cr, h.tip.x - h.dir.x * 2.5 * k - n.x * 1.2 * k,
                  h.tip.y - h.dir.y * 2.5 * k - n.y * 1.2 * k);
    cairo_line_to(cr, guard.x - n.x * 1.3 * k, guard.y - n.y * 1.3 * k);
    cairo_close_path(cr);
    InkedFill(cr, kSteel);
    cairo_move_to(cr, guard.x, guard.y);
    cairo_line_to(cr, h.tip.x - h.dir.x * 2.5 * k, h.tip.y - h.dir.y * 2.5 * k);
    Stroke(cr, kWhite, 0.8 * k, 0.9);
    // grip and cross-guard
    InkedLine(cr, {h.butt, guard}, 1.6 * k, kWoodDark);
    InkedLine(cr,
              {{guard.x + n.x * 3.4 * k, guard.y + n.y * 3.4 * k},
               {guard.x - n.x * 3.4 * k, guard.y - n.y * 3.4 * k}},
              1.5 * k, kGold);
    Circle(cr, h.butt.x, h.butt.y, 1.3 * k);
    InkedFill(cr, kGold);
}

void PaintClub(cairo_t* cr, const Skeleton& s) {
    const double k = s.scale;
    const Handle h = HeldHandle(s, 1.5, 11);
    const Point n{-h.dir.y, h.dir.x};
    const Point mid{h.butt.x + h.dir.x * 4 * k, h.butt.y + h.dir.y * 4 * k};
    cairo_move_to(cr, h.butt.x + n.x * 1.0 * k, h.butt.y + n.y * 1.0 * k);
    cairo_line_to(cr, mid.x + n.x * 1.3 * k, mid.y + n.y * 1.3 * k);
    cairo_line_to(cr, h.tip.x + n.x * 2.4 * k, h.tip.y + n.y * 2.4 * k);
    cairo_curve_to(cr, h.tip.x + h.dir.x * 3 * k + n.x * 2 * k,
                   h.tip.y + h.dir.y * 3 * k + n.y * 2 * k, h.tip.x + h.dir.x * 3 * k - n.x * 2 * k,
                   h.tip.y + h.dir.y * 3 * k - n.y * 2 * k, h.tip.x - n.x * 2.4 * k,
                   h.tip.y - n.y * 2.4 * k);
    cairo_line_to(cr, mid.x - n.x * 1.3 * k, mid.y - n.y * 1.3 * k);
    cairo_line_to(cr, h.butt.x - n.x * 1.0 * k, h.butt.y - n.y * 1.0 * k);
    cairo_close_path(cr);
    InkedFill(cr, kWood);
    // knots
    Circle(cr, h.tip.x - h.dir.x * 1.5 * k + n.x * 0.8 * k,
           h.tip.y - h.dir.y * 1.5 * k + n.y * 0.8 * k, 0.6 * k);
    SetColor(cr, kWoodDark);
    cairo_fill(cr);
}

Extra HeldExtra(const Skeleton& s, void (*paint)(cairo_t*, const Skeleton&)) {
    return {DepthOfHand(s, std::max(0, s.pose.grip)) + 0.02, paint};
}

Point ToolHead(const Skeleton& s, double ahead) {
    return HeldHandle(s, 0, ahead).tip;
}

Extra ShoulderSack(const Skeleton& s, Rgb cloth, double size, bool coins) {
    return {DepthOnBack(s), [cloth, size, coins](cairo_t* cr, const Skeleton& sk) {
                const double k = sk.scale * size;
                // hanging down the back from over the shoulder
                Vec3 c = sk.shoulder[0].v;
                c.l += 1.5 * sk.scale;
                c.y -= 1.0 * k;
                c.f -= 6.0 * k;
                const Point p = sk.Project(c);
                const Point neck = sk.hand[0].p;
                // the tied neck towards the hand
                InkedLine(cr, {p, neck}, 2.6 * k, cloth);
                cairo_new_path(cr);
                cairo_move_to(cr, p.x - 6.6 * k, p.y + 1.0 * k);
                cairo_curve_to(cr, p.x - 7.4 * k, p.y - 6.0 * k, p.x - 1.0 * k, p.y - 7.4 * k,
                               p.x + 1.2 * k, p.y - 6.0 * k);
                cairo_curve_to(cr, p.x + 7.8 * k, p.y - 5.4 * k, p.x + 8.0 * k, p.y + 4.2 * k,
                               p.x + 2.0 * k, p.y + 6.6 * k);
                cairo_curve_to(cr, p.x - 2.0 * k, p.y + 7.8 * k, p.x - 6.2 * k, p.y + 5.8 * k,
                               p.x - 6.6 * k, p.y + 1.0 * k);
                cairo_close_path(cr);
                SetVerticalGradient(cr, p.y - 6 * k, 12 * k, Lighten(cloth, 0.2),
                                    Darken(cloth, 0.15));
                cairo_fill_preserve(cr);
                SetColor(cr, kInk);
                cairo_set_line_width(cr, kFigureInk);
                cairo_stroke(cr);
                // a patch and a crease
                cairo_move_to(cr, p.x - 2.5 * k, p.y + 2.5 * k);
                cairo_curve_to(cr, p.x - 0.5 * k, p.y + 1.0 * k, p.x + 1.5 * k, p.y + 1.5 * k,
                               p.x + 3.0 * k, p.y + 0.5 * k);
                Stroke(cr, Darken(cloth, 0.3), 0.8 * k, 0.8);
                if (coins) {
                    // gold heaped on the top of the sack, where the body leaves it in view
                    const Point m{p.x - 2.5 * k, p.y - 6.2 * k};
                    for (int i = 0; i < 4; ++i) {
                        Circle(cr, m.x + (i - 1.5) * 2.2 * k, m.y - (i % 2) * 1.2 * k, 1.7 * k);
                        InkedFill(cr, kGold, 0.8);
                    }
                    Twinkle(cr, m.x + 2 * k, m.y - 2.5 * k, 2.2 * k, 0.9);
                }
            }};
}

void PaintChips(cairo_t* cr, Point at, Rgb color, double spread, unsigned seed) {
    Rng rng(seed);
    for (int i = 0; i < 5; ++i) {
        const double a = rng.Range(-2.8, -0.3), d = rng.Range(0.45, 1.0) * spread;
        const double x = at.x + std::cos(a) * d, y = at.y + std::sin(a) * d;
        const double r = rng.Range(1.1, 1.8);
        cairo_save(cr);
        cairo_translate(cr, x, y);
        cairo_rotate(cr, rng.Range(0, M_PI));
        cairo_rectangle(cr, -r, -r * 0.6, 2 * r, 1.2 * r);
        cairo_restore(cr);
        InkedFill(cr, color, 0.7);
    }
}

}  // namespace artgen
