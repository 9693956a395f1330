#include "tools/artgen/FigureHeads.h"

#include "tools/artgen/FigureHeadParts.h"

#include <cmath>
#include <vector>

namespace artgen {

using namespace datakit;
using namespace datakit::palette;
using namespace looks;

using namespace heads;

void PaintWorkerHead(cairo_t* cr, const HeadPose& h) {
    const double r = h.radius;
    Enter(cr, h);
    Ears(cr, h, kSkin);
    RoundHead(cr, h, kSkin);
    HairCap(cr, h, kHair, 0.3);
    SideEar(cr, h, kSkin);
    Outline(cr, r);
    PaintFace(cr, h, {kSkin, kCheek});
    // the straw hat with its red band
    cairo_translate(cr, 0, -h.hatLift - Nod(h) * 0.3);
    const bool side = IsSide(h);
    const double bx = side ? 0.12 * r : 0, brimY = -0.5 * r + Nod(h);
    Ellipse(cr, bx, brimY, (side ? 1.38 : 1.48) * r, (side ? 0.26 : 0.42) * r);
    SetVerticalGradient(cr, brimY - 0.4 * r, 0.8 * r, Lighten(kStraw, 0.2), Darken(kStraw, 0.12));
    cairo_fill_preserve(cr);
    Stroke(cr, kInk, kFigureInk);
    Dome(cr, bx * 0.5, brimY - 0.02 * r, 0.68 * r, 0.62 * r);
    cairo_path_t* crown = cairo_copy_path(cr);
    SetVerticalGradient(cr, brimY - 0.85 * r, 0.85 * r, Lighten(kStraw, 0.25), kStraw);
    cairo_fill(cr);
    cairo_save(cr);
    cairo_append_path(cr, crown);
    cairo_clip(cr);
    cairo_rectangle(cr, -r, brimY - 0.26 * r, 2 * r, 0.24 * r);
    SetColor(cr, kBerry);
    cairo_fill(cr);
    cairo_restore(cr);
    cairo_append_path(cr, crown);
    cairo_path_destroy(crown);
    Stroke(cr, kInk, kFigureInk);
    cairo_restore(cr);
}

void PaintHeroHead(cairo_t* cr, const HeadPose& h) {
    const double r = h.radius;
    constexpr Rgb kHelm = Hex(0xD7DEE6);
    constexpr Rgb kPlume = Hex(0xE0483E);
    Enter(cr, h);
    Ears(cr, h, kSkin);
    RoundHead(cr, h, kSkin);
    HairCap(cr, h, Hex(0xE8B040), 0.15);
    SideEar(cr, h, kSkin);
    Outline(cr, r);
    PaintFace(cr, h, {kSkin, kCheek, 1.0, true, false});
    const bool side = IsSide(h);
    const double fy = Nod(h) * 0.5;
    // plume, sweeping back from the crest
    cairo_save(cr);
    cairo_translate(cr, 0, -0.95 * r + fy);
    if (side) {
        cairo_move_to(cr, 0.1 * r, 0);
        cairo_curve_to(cr, -0.2 * r, -1.0 * r, -1.3 * r, -0.8 * r, -1.5 * r, 0.1 * r);
        cairo_curve_to(cr, -1.0 * r, -0.3 * r, -0.6 * r, -0.2 * r, -0.3 * r, 0.1 * r);
    } else {
        cairo_move_to(cr, -0.3 * r, 0.05 * r);
        cairo_curve_to(cr, -0.45 * r, -0.8 * r, 0.45 * r, -0.8 * r, 0.3 * r, 0.05 * r);
    }
    cairo_close_path(cr);
    InkedFill(cr, kPlume);
    cairo_restore(cr);
    // helmet: a dome down to the brow, a rim, a nose guard from the front
    const double base = (h.view == View::kBack ? 0.1 : -0.12) * r + fy;
    cairo_move_to(cr, -1.08 * r, base);
    cairo_curve_to(cr, -1.1 * r, -1.35 * r + fy, 1.1 * r, -1.35 * r + fy, 1.08 * r, base);
    cairo_close_path(cr);
    SetVerticalGradient(cr, -1.1 * r + fy, 1.1 * r, Lighten(kHelm, 0.4), Darken(kHelm, 0.1));
    cairo_fill_preserve(cr);
    Stroke(cr, kInk, kFigureInk);
    cairo_move_to(cr, -1.06 * r, base - 0.08 * r);
    cairo_line_to(cr, 1.06 * r, base - 0.08 * r);
    Stroke(cr, kGold, 1.4 * h.radius / 8.2);
    if (!side && h.view == View::kFront) {
        cairo_move_to(cr, h.yaw * 0.3 * r, base - 0.1 * r);
        cairo_line_to(cr, h.yaw * 0.3 * r, base + 0.3 * r);
        Stroke(cr, Darken(kHelm, 0.2), 1.3 * h.radius / 8.2);
    }
    Ellipse(cr, side ? 0.25 * r : -0.3 * r, -0.75 * r + fy, 0.28 * r, 0.12 * r);
    SetColor(cr, kWhite, 0.7);
    cairo_fill(cr);
    cairo_restore(cr);
}

void PaintGoblinHead(cairo_t* cr, const HeadPose& h) {
    const double r = h.radius;
    constexpr Rgb kCap = Hex(0x8E5FB8);
    Enter(cr, h);
    const bool side = IsSide(h);
    const double fy = Nod(h);
    // long ears sticking out sideways
    for (double s : side ? std::vector<double>{-1.0} : std::vector<double>{-1.0, 1.0}) {
        const double ex = side ? -0.3 * r : s * 0.8 * r, ey = 0.05 * r + (side ? 0 : fy);
        cairo_move_to(cr, ex, ey - 0.3 * r);
        cairo_curve_to(cr, ex + s * 0.7 * r, ey - 0.55 * r, ex + s * 1.2 * r, ey - 0.8 * r,
                       ex + s * 1.45 * r, ey - 0.9 * r);
        cairo_curve_to(cr, ex + s * 1.1 * r, ey - 0.1 * r, ex + s * 0.6 * r, ey + 0.3 * r, ex,
                       ey + 0.3 * r);
        cairo_close_path(cr);
        InkedFill(cr, kGoblinSkin);
    }
    if (side) {
        // the big nose
        Ellipse(cr, 0.98 * r, 0.22 * r, 0.38 * r, 0.26 * r);
        InkedFill(cr, Darken(kGoblinSkin, 0.05));
    }
    RoundHead(cr, h, kGoblinSkin, 0);
    Outline(cr, r);
    PaintFace(cr, h, {kGoblinSkin, Hex(0xC47A5A), 1.15, false, true});
    if (h.view == View::kFront) {
        Ellipse(cr, h.yaw * 0.35 * r, 0.3 * r + fy, 0.26 * r, 0.2 * r);
        InkedFill(cr, Darken(kGoblinSkin, 0.05));
    }
    // a floppy cap with a bobble
    cairo_translate(cr, 0, -h.hatLift);
    const double base = -0.35 * r + fy * 0.5;
    cairo_move_to(cr, -1.0 * r, base);
    if (side) {
        cairo_curve_to(cr, -0.9 * r, -1.5 * r, 0.5 * r, -1.6 * r, 0.95 * r, base);
    } else {
        cairo_curve_to(cr, -1.0 * r, -1.5 * r, 1.0 * r, -1.5 * r, 1.0 * r, base);
    }
    cairo_close_path(cr);
    InkedFill(cr, kCap);
    const double tipX = side ? -1.45 * r : 0.9 * r, tipY = side ? -0.6 * r : -1.25 * r;
    cairo_move_to(cr, side ? -0.5 * r : -0.2 * r, -1.1 * r + fy * 0.5);
    cairo_curve_to(cr, side ? -1.0 * r : 0.4 * r, -1.5 * r, tipX, tipY - 0.3 * r, tipX, tipY);
    Stroke(cr, kInk, 0.55 * r + 2 * kFigureInk);
    cairo_move_to(cr, side ? -0.5 * r : -0.2 * r, -1.1 * r + fy * 0.5);
    cairo_curve_to(cr, side ? -1.0 * r : 0.4 * r, -1.5 * r, tipX, tipY - 0.3 * r, tipX, tipY);
    Stroke(cr, kCap, 0.55 * r);
    Circle(cr, tipX, tipY, 0.28 * r);
    InkedFill(cr, kHoneyLight);
    cairo_restore(cr);
}

void PaintSkullHead(cairo_t* cr, const HeadPose& h) {
    const double r = h.radius;
    Enter(cr, h);
    const bool side = IsSide(h);
    const double fy = Nod(h);
    // jaw below the round cranium
    RoundedPolygon(cr,
                   {{side ? -0.1 * r : -0.5 * r, 0.35 * r + fy},
                    {side ? 0.9 * r : 0.5 * r, 0.35 * r + fy},
                    {side ? 0.8 * r : 0.42 * r, 1.05 * r + fy},
                    {side ? 0.05 * r : -0.42 * r, 1.05 * r + fy}},
                   0.25 * r);
    InkedFill(cr, Darken(kBone, 0.05));
    if (h.view != View::kBack) {
        for (int i = -1; i <= 1; ++i) {
            const double tx = (side ? 0.45 * r : 0) + i * 0.18 * r;
            cairo_move_to(cr, tx, 0.6 * r + fy);
            cairo_line_to(cr, tx, 0.95 * r + fy);
        }
        Stroke(cr, kInk, 0.07 * r);
    }
    // the cranium, a little smaller than a living head, so the jaw shows
    const double cr0 = 0.86 * r;
    cairo_translate(cr, 0, -0.12 * r);
    Circle(cr, 0, 0, cr0);
    SetVerticalGradient(cr, -cr0, 2 * cr0, Lighten(kBone, 0.3), Darken(kBone, 0.06));
    cairo_fill(cr);
    Outline(cr, cr0);
    if (h.view == View::kBack) {
        cairo_move_to(cr, -0.3 * r, -0.6 * r);
        cairo_curve_to(cr, -0.1 * r, -0.3 * r, 0.1 * r, -0.4 * r, 0.2 * r, -0.1 * r);
        Stroke(cr, Darken(kBone, 0.3), 0.08 * r);
        cairo_restore(cr);
        return;
    }
    std::vector<Point> sockets =
        side ? std::vector<Point>{{0.48 * r, 0.05 * r}}
             : std::vector<Point>{{-0.36 * r + h.yaw * 0.25 * r, 0.08 * r + fy},
                                  {0.36 * r + h.yaw * 0.25 * r, 0.08 * r + fy}};
    for (const Point& p : sockets) {
        Ellipse(cr, p.x, p.y, 0.28 * r, 0.32 * r);
        SetColor(cr, Hex(0x3A2A40));
        cairo_fill(cr);
        Circle(cr, p.x, p.y + 0.03 * r, 0.11 * r * (h.face == Face::kScared ? 1.4 : 1.0));
        SetColor(cr, kSpiritGlow);
        cairo_fill(cr);
    }
    const double nx = side ? 0.85 * r : h.yaw * 0.3 * r;
    cairo_move_to(cr, nx - 0.09 * r, 0.38 * r + fy);
    cairo_line_to(cr, nx + 0.09 * r, 0.38 * r + fy);
    cairo_line_to(cr, nx, 0.22 * r + fy);
    cairo_close_path(cr);
    SetColor(cr, Hex(0x3A2A40));
    cairo_fill(cr);
    cairo_restore(cr);
}

void PaintBanditHead(cairo_t* cr, const HeadPose& h) {
    const double r = h.radius;
    constexpr Rgb kMask = Hex(0xC8403A);
    Enter(cr, h);
    const bool side = IsSide(h);
    const double fy = Nod(h);
    // the hood: larger than the head, with a point falling back
    cairo_move_to(cr, side ? -1.15 * r : -1.2 * r, 0.9 * r);
    cairo_curve_to(cr, -1.45 * r, -0.6 * r, side ? -0.6 * r : -0.4 * r, -1.45 * r, 0.1 * r,
                   -1.3 * r);
    if (side) {
        cairo_curve_to(cr, 1.0 * r, -1.15 * r, 1.3 * r, -0.2 * r, 1.1 * r, 0.9 * r);
    } else {
        cairo_curve_to(cr, 0.7 * r, -1.3 * r, 1.45 * r, -0.6 * r, 1.2 * r, 0.9 * r);
    }
    cairo_close_path(cr);
    SetVerticalGradient(cr, -1.4 * r, 2.4 * r, Lighten(kHood, 0.15), Darken(kHood, 0.15));
    cairo_fill_preserve(cr);
    Stroke(cr, kInk, kFigureInk);
    if (side) {
        cairo_move_to(cr, -0.6 * r, -1.2 * r);
        cairo_curve_to(cr, -1.4 * r, -1.3 * r, -1.9 * r, -0.6 * r, -2.0 * r, -0.1 * r);
        cairo_curve_to(cr, -1.6 * r, -0.6 * r, -1.3 * r, -0.7 * r, -1.0 * r, -0.6 * r);
        cairo_close_path(cr);
        InkedFill(cr, Darken(kHood, 0.1));
    }
    if (h.view == View::kBack) {
        cairo_restore(cr);
        return;
    }
    // the face in the hood's opening, masked below the eyes
    const double cx = side ? 0.45 * r : h.yaw * 0.3 * r;
    Ellipse(cr, cx, 0.15 * r + fy, side ? 0.55 * r : 0.78 * r, 0.72 * r);
    SetColor(cr, kSkin);
    cairo_fill_preserve(cr);
    Stroke(cr, kInk, kFigureInk);
    HeadPose eyes = h;
    eyes.face = h.face == Face::kCalm ? Face::kCalm : h.face;
    PaintFace(cr, eyes, {kSkin, kCheek, 1.1, false, true});
    cairo_save(cr);
    Ellipse(cr, cx, 0.15 * r + fy, side ? 0.6 * r : 0.82 * r, 0.76 * r);
    cairo_clip(cr);
    cairo_rectangle(cr, cx - r, 0.22 * r + fy, 2 * r, r);
    SetColor(cr, kMask);
    cairo_fill(cr);
    cairo_move_to(cr, cx - r, 0.22 * r + fy);
    cairo_line_to(cr, cx + r, 0.22 * r + fy);
    Stroke(cr, kInk, kFigureInk);
    for (int i = 0; i < 3; ++i) {
        Circle(cr, cx - 0.35 * r + i * 0.35 * r, 0.55 * r + fy, 0.06 * r);
        SetColor(cr, kWhite, 0.8);
        cairo_fill(cr);
    }
    cairo_restore(cr);
    cairo_restore(cr);
}

}  // namespace artgen
