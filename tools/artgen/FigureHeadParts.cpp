#include "tools/artgen/FigureHeadParts.h"

#include <cmath>
#include <vector>

namespace artgen {

using namespace datakit;
using namespace datakit::palette;

namespace heads {

bool IsSide(const HeadPose& h) {
    return h.view == View::kSide;
}

// Moves the origin to the head's centre; side views turn with the head.
void Enter(cairo_t* cr, const HeadPose& h) {
    cairo_save(cr);
    cairo_translate(cr, h.centre.x, h.centre.y);
    if (IsSide(h))
        cairo_rotate(cr, h.tilt * 0.6);
}

// How far a nod moves the face down in front and back views.
double Nod(const HeadPose& h) {
    return IsSide(h) ? 0 : h.tilt * 0.35 * h.radius;
}

// Hair over the back and top of a round head, clipped to it.
void HairCap(cairo_t* cr, const HeadPose& h, Rgb hair, double fringe) {
    const double r = h.radius;
    cairo_save(cr);
    Circle(cr, 0, 0, r);
    cairo_clip(cr);
    if (h.view == View::kBack) {
        cairo_rectangle(cr, -r, -r, 2 * r, r * 1.55);
    } else if (IsSide(h)) {
        // the back of the head and a fringe under the hat; the ear stays clear
        cairo_move_to(cr, -0.55 * r, r);
        cairo_curve_to(cr, -0.45 * r, 0.45 * r, -0.05 * r, 0.0, 0.0, -0.3 * r);
        cairo_curve_to(cr, 0.3 * r, -0.35 * r, 0.6 * r, -0.4 * r, r, -fringe * r - 0.2 * r);
        cairo_line_to(cr, r, -r);
        cairo_line_to(cr, -r, -r);
        cairo_line_to(cr, -r, r);
        cairo_close_path(cr);
    } else {
        cairo_move_to(cr, -r, 0.1 * r);
        cairo_curve_to(cr, -0.6 * r, -fringe * r, 0.6 * r, -fringe * r, r, 0.1 * r);
        cairo_line_to(cr, r, -r);
        cairo_line_to(cr, -r, -r);
        cairo_close_path(cr);
    }
    SetColor(cr, hair);
    cairo_fill(cr);
    cairo_restore(cr);
}

// Ears: from the front and back they stick out behind the head's edge (drawn
// first); from the side one sits on the head (drawn over the hair).
void Ears(cairo_t* cr, const HeadPose& h, Rgb skin) {
    const double r = h.radius;
    if (IsSide(h))
        return;
    for (double side : {-1.0, 1.0}) {
        Circle(cr, side * 0.95 * r, 0.12 * r + Nod(h), 0.25 * r);
        InkedFill(cr, skin);
    }
}

// A round head: ears and the side view's nose first, so the head covers
// their roots, then the face.
void RoundHead(cairo_t* cr, const HeadPose& h, Rgb skin, double noseSize) {
    const double r = h.radius;
    if (IsSide(h) && noseSize > 0) {
        Circle(cr, 1.0 * r, 0.2 * r, noseSize * r);
        InkedFill(cr, skin);
    }
    Circle(cr, 0, 0, r);
    SetVerticalGradient(cr, -r, 2 * r, Lighten(skin, 0.1), Darken(skin, 0.04));
    cairo_fill(cr);
}

void SideEar(cairo_t* cr, const HeadPose& h, Rgb skin) {
    if (!IsSide(h))
        return;
    const double r = h.radius;
    Ellipse(cr, -0.3 * r, 0.2 * r, 0.17 * r, 0.22 * r);
    InkedFill(cr, skin);
}

void Outline(cairo_t* cr, double r) {
    Circle(cr, 0, 0, r);
    Stroke(cr, kInk, kFigureInk);
}

// A dome over the head from its brim up, as a path.
void Dome(cairo_t* cr, double cx, double base, double halfWidth, double height) {
    cairo_move_to(cr, cx - halfWidth, base);
    cairo_curve_to(cr, cx - halfWidth, base - height * 1.3, cx + halfWidth, base - height * 1.3,
                   cx + halfWidth, base);
    cairo_close_path(cr);
}

}  // namespace heads

namespace {

using namespace heads;

constexpr Rgb kMouth = Hex(0x8A3A2A);

void Dot(cairo_t* cr, double x, double y, double r, Rgb color) {
    Circle(cr, x, y, r);
    SetColor(cr, color);
    cairo_fill(cr);
}

void Eye(cairo_t* cr, double x, double y, double r, Face face) {
    switch (face) {
        case Face::kEffort:
        case Face::kYawn:
            cairo_move_to(cr, x - r * 1.1, y - r * 0.2);
            cairo_curve_to(cr, x - r * 0.4, y + r * 0.7, x + r * 0.4, y + r * 0.7, x + r * 1.1,
                           y - r * 0.2);
            Stroke(cr, kInk, r * 0.8);
            break;
        case Face::kScared:
            Circle(cr, x, y, r * 1.5);
            InkedFill(cr, kWhite, r * 0.55);
            Dot(cr, x, y + r * 0.2, r * 0.65, kInk);
            break;
        default:
            Dot(cr, x, y, r, kInk);
            Dot(cr, x - r * 0.35, y - r * 0.35, r * 0.35, kWhite);
            break;
    }
}

void Mouth(cairo_t* cr, double x, double y, double r, Face face) {
    switch (face) {
        case Face::kCalm:
        case Face::kSmile: {
            const double w = face == Face::kSmile ? 0.26 * r : 0.17 * r;
            cairo_move_to(cr, x - w, y - 0.04 * r);
            cairo_curve_to(cr, x - w * 0.5, y + w * 0.8, x + w * 0.5, y + w * 0.8, x + w,
                           y - 0.04 * r);
            Stroke(cr, kInk, 0.11 * r);
            break;
        }
        case Face::kEffort:
            cairo_move_to(cr, x - 0.16 * r, y + 0.02 * r);
            cairo_line_to(cr, x + 0.16 * r, y);
            Stroke(cr, kInk, 0.11 * r);
            break;
        case Face::kOpen:
        case Face::kScared:
        case Face::kYawn: {
            const double s = face == Face::kYawn ? 1.5 : (face == Face::kScared ? 1.2 : 1.0);
            Ellipse(cr, x, y + 0.04 * r, 0.11 * r * s, 0.13 * r * s);
            InkedFill(cr, kMouth, 0.09 * r);
            break;
        }
    }
}

}  // namespace

void PaintFace(cairo_t* cr, const HeadPose& h, const FaceStyle& st) {
    if (h.view == View::kBack)
        return;
    const double r = h.radius, fy = Nod(h);
    const double yaw = IsSide(h) ? 0 : h.yaw * 0.3 * r;
    std::vector<Point> eyes, cheeks;
    Point mouth;
    if (IsSide(h)) {
        eyes = {{0.52 * r, 0.04 * r}};
        cheeks = {{0.36 * r, 0.4 * r}};
        mouth = {0.66 * r, 0.52 * r};
    } else {
        eyes = {{-0.34 * r + yaw, 0.06 * r + fy}, {0.34 * r + yaw, 0.06 * r + fy}};
        cheeks = {{-0.55 * r + yaw * 0.7, 0.38 * r + fy}, {0.55 * r + yaw * 0.7, 0.38 * r + fy}};
        mouth = {yaw, 0.5 * r + fy};
    }
    for (const Point& c : cheeks) {
        Ellipse(cr, c.x, c.y, 0.2 * r, 0.13 * r);
        SetColor(cr, st.cheek, 0.5);
        cairo_fill(cr);
    }
    for (const Point& e : eyes) {
        Eye(cr, e.x, e.y, 0.14 * r * st.eyeScale, h.face);
        if (st.brows) {
            const double toward = IsSide(h) ? 1 : (e.x < yaw ? 1 : -1);
            cairo_move_to(cr, e.x - toward * 0.2 * r, e.y - 0.3 * r);
            cairo_line_to(cr, e.x + toward * 0.15 * r, e.y - 0.2 * r);
            Stroke(cr, kInk, 0.12 * r);
        }
    }
    if (!IsSide(h) && st.nose) {
        Ellipse(cr, yaw * 1.1, 0.27 * r + fy, 0.1 * r, 0.08 * r);
        SetColor(cr, Darken(st.skin, 0.18));
        cairo_fill(cr);
    }
    Mouth(cr, mouth.x, mouth.y, r, h.face);
}

}  // namespace artgen
