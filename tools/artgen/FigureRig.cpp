#include "tools/artgen/FigureRig.h"

#include <algorithm>
#include <cmath>

namespace artgen {

using namespace datakit;
using namespace datakit::palette;

namespace {

constexpr double kSide[2] = {1, -1};

Vec3 Add(Vec3 a, Vec3 b, double k = 1) {
    return {a.l + b.l * k, a.y + b.y * k, a.f + b.f * k};
}
double Dot(Vec3 a, Vec3 b) {
    return a.l * b.l + a.y * b.y + a.f * b.f;
}
double Length(Vec3 a) {
    return std::sqrt(Dot(a, a));
}
Vec3 Scaled(Vec3 a, double k) {
    return {a.l * k, a.y * k, a.f * k};
}

// A limb direction: `angle` turns it forwards from straight down, `spread`
// lifts it out to its own side.
Vec3 LimbDirection(double angle, double spread, double side) {
    return {side * std::sin(spread), std::cos(angle) * std::cos(spread),
            std::sin(angle) * std::cos(spread)};
}

// The elbow between shoulder and hand for a hand placed at `target`: the arm
// bends downwards and back, as arms do.
Vec3 ReachElbow(Vec3 shoulder, Vec3& target, double upper, double lower) {
    Vec3 d = Add(target, shoulder, -1);
    double dist = Length(d);
    const double reach = (upper + lower) * 0.999;
    if (dist > reach) {
        target = Add(shoulder, Scaled(d, reach / dist));
        d = Add(target, shoulder, -1);
        dist = reach;
    }
    if (dist < 1e-6)
        return Add(shoulder, Vec3{0, upper, 0});
    const Vec3 u = Scaled(d, 1 / dist);
    Vec3 pole{0, 1, -0.4};
    pole = Add(pole, u, -Dot(pole, u));
    const double pl = Length(pole);
    pole = pl < 1e-6 ? Vec3{0, 0, -1} : Scaled(pole, 1 / pl);
    const double a = (upper * upper - lower * lower + dist * dist) / (2 * dist);
    const double h = std::sqrt(std::max(0.0, upper * upper - a * a));
    return Add(Add(shoulder, u, a), pole, h);
}

double ArmDepth(const Skeleton& s, int i) {
    switch (s.view) {
        case View::kSide:
            return kSide[i] > 0 ? 3 : -3;
        case View::kFront:
            return 0.5 + 0.15 * s.hand[i].v.f / s.scale;
        case View::kBack:
            return 0.5 - 0.15 * s.hand[i].v.f / s.scale;
    }
    return 0;
}

double LegDepth(const Skeleton& s, int i) {
    switch (s.view) {
        case View::kSide:
            return kSide[i] > 0 ? -1 : -1.5;
        case View::kFront:
            return -1 + 0.05 * s.ankle[i].v.f;
        case View::kBack:
            return -1 - 0.05 * s.ankle[i].v.f;
    }
    return 0;
}

// Limbs on the far side of a side view are a little darker, so the two
// legs and the two arms read apart.
double FarShade(const Skeleton& s, int i) {
    return s.view == View::kSide && i == 1 ? 0.16 : 0.0;
}

void PlainLimb(cairo_t* cr, const Look& k, const Skeleton& s, int i, bool arm) {
    const double sc = s.scale;
    const double shade = FarShade(s, i);
    if (arm) {
        const Point a = s.shoulder[i].p, b = s.elbow[i].p, c = s.hand[i].p;
        const double w = k.armWidth * sc;
        const Rgb sleeve = Darken(k.sleeve, shade), skin = Darken(k.skin, shade);
        InkedLine(cr, {a, b, c}, w, sleeve);
        if (k.bareForearms) {
            // the sleeve ends at the elbow; the forearm is skin
            cairo_move_to(cr, b.x, b.y);
            cairo_line_to(cr, c.x, c.y);
            Stroke(cr, skin, w);
            cairo_move_to(cr, a.x, a.y);
            cairo_line_to(cr, b.x, b.y);
            Stroke(cr, sleeve, w);
        }
        Circle(cr, c.x, c.y, k.handRadius * sc);
        InkedFill(cr, skin);
        return;
    }
    const Point a = s.hip[i].p, b = s.knee[i].p, c = s.ankle[i].p;
    InkedLine(cr, {a, b, c}, k.legWidth * sc, Darken(k.trousers, shade));
    PaintBoot(cr, s, c, Darken(k.boots, shade));
}

// The torso's outline: from the shoulders to just below the hips.
std::vector<Point> TorsoOutline(const Look& k, const Skeleton& s, double topGrow = 0) {
    const Point top = s.neck.p;
    Point bottom = s.pelvis.p;
    const double ax = top.x - bottom.x, ay = top.y - bottom.y;
    const double len = std::max(std::hypot(ax, ay), 1e-6);
    const double ux = ax / len, uy = ay / len;
    bottom = {bottom.x - ux * 1.8 * s.scale, bottom.y - uy * 1.8 * s.scale};
    const Point n{-uy, ux};
    const bool side = s.view == View::kSide;
    const double wt = (side ? k.torsoDepth : k.torsoWidth) * s.scale + topGrow;
    const double wb = (side ? k.torsoDepth : k.torsoHipWidth) * s.scale + topGrow;
    // a side view shows the chest a little forward of the spine
    const double fx = side ? 0.8 * s.scale : 0;
    return {{top.x + n.x * wt + fx, top.y + n.y * wt},
            {top.x - n.x * wt + fx, top.y - n.y * wt},
            {bottom.x - n.x * wb, bottom.y - n.y * wb},
            {bottom.x + n.x * wb, bottom.y + n.y * wb}};
}

void PlainTorso(cairo_t* cr, const Look& k, const Skeleton& s) {
    const auto outline = TorsoOutline(k, s);
    RoundedPolygon(cr, outline, 3.2 * s.scale);
    cairo_path_t* path = cairo_copy_path(cr);
    const double top = std::min(outline[0].y, outline[1].y);
    const double h = std::max(outline[2].y, outline[3].y) - top;
    SetVerticalGradient(cr, top, h, Lighten(k.shirt, 0.15), Darken(k.shirt, 0.1));
    cairo_fill(cr);
    // the belt, a band across the hips
    cairo_save(cr);
    cairo_append_path(cr, path);
    cairo_clip(cr);
    const Point a = outline[3], b = outline[2];
    const double bx = (outline[0].x - a.x) * 0.18, by = (outline[0].y - a.y) * 0.18;
    cairo_move_to(cr, a.x + bx, a.y + by);
    cairo_line_to(cr, b.x + bx, b.y + by);
    Stroke(cr, k.belt, 2.0 * s.scale);
    cairo_restore(cr);
    cairo_append_path(cr, path);
    cairo_path_destroy(path);
    SetColor(cr, kInk);
    cairo_set_line_width(cr, kFigureInk);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(cr);
}

void PlainHead(cairo_t* cr, const Look& k, const HeadPose& h) {
    Circle(cr, h.centre.x, h.centre.y, h.radius);
    InkedFill(cr, k.skin);
}

struct Part {
    double depth;
    int order;
    std::function<void()> draw;
};

}  // namespace

Point Skeleton::Project(const Vec3& v) const {
    switch (view) {
        case View::kSide:
            return {v.f, v.y + 0.25 * v.l};
        case View::kFront:
            return {v.l, v.y + 0.25 * v.f};
        case View::kBack:
            return {v.l, v.y - 0.25 * v.f};
    }
    return {};
}

double Skeleton::Depth(const Vec3& v) const {
    switch (view) {
        case View::kSide:
            return v.l;
        case View::kFront:
            return v.f;
        case View::kBack:
            return -v.f;
    }
    return 0;
}

Point Skeleton::Direction(const Vec3& from, const Vec3& to) const {
    const Point a = Project(from), b = Project(to);
    return {b.x - a.x, b.y - a.y};
}

Skeleton SolveSkeleton(const Look& k, const Pose& p, View view) {
    Skeleton s;
    s.view = view;
    s.pose = p;
    s.scale = k.scale;
    const Vec3 pelvis{0, -(k.footHeight + k.thigh + k.shin), 0};
    Vec3 hip[2], knee[2], ankle[2], shoulder[2], elbow[2], hand[2];
    for (int i = 0; i < 2; ++i) {
        const Limb& leg = p.leg[i];
        hip[i] = Add(pelvis, Vec3{kSide[i] * k.hipWidth, 0, 0});
        knee[i] = Add(hip[i], LimbDirection(leg.swing, leg.spread, kSide[i]), k.thigh);
        ankle[i] = Add(knee[i], LimbDirection(leg.swing - leg.bend, leg.spread, kSide[i]), k.shin);
    }
    const Vec3 up{0, -std::cos(p.lean), std::sin(p.lean)};
    const Vec3 neck = Add(pelvis, up, k.torsoLength);
    for (int i = 0; i < 2; ++i) {
        const Limb& arm = p.arm[i];
        shoulder[i] = Add(Add(pelvis, up, k.torsoLength - k.shoulderDrop),
                          Vec3{kSide[i] * k.shoulderWidth, 0, 0});
        elbow[i] = Add(shoulder[i], LimbDirection(arm.swing, arm.spread, kSide[i]), k.upperArm);
        hand[i] =
            Add(elbow[i], LimbDirection(arm.swing + arm.bend, arm.spread, kSide[i]), k.forearm);
    }
    if (p.grip >= 0 && p.twoHands) {
        const int g = p.grip, o = 1 - g;
        const Limb& arm = p.arm[g];
        Vec3 target =
            Add(hand[g], LimbDirection(arm.swing + arm.bend + p.wrist, arm.spread, kSide[g]), 3.6);
        elbow[o] = ReachElbow(shoulder[o], target, k.upperArm, k.forearm);
        hand[o] = target;
    }
    const double headLean = p.lean + p.headTilt;
    const Vec3 head = Add(neck, Vec3{0, -std::cos(headLean), std::sin(headLean)}, k.neckToHead);
    // the lower foot stands on the ground
    const double drop = -k.footHeight - std::max(ankle[0].y, ankle[1].y) - p.lift;
    auto place = [&](Vec3 v) {
        v.y += drop;
        v = Scaled(v, k.scale);
        return Joint{s.Project(v), s.Depth(v), v};
    };
    s.pelvis = place(pelvis);
    s.neck = place(neck);
    s.head = place(head);
    for (int i = 0; i < 2; ++i) {
        s.hip[i] = place(hip[i]);
        s.knee[i] = place(knee[i]);
        s.ankle[i] = place(ankle[i]);
        s.shoulder[i] = place(shoulder[i]);
        s.elbow[i] = place(elbow[i]);
        s.hand[i] = place(hand[i]);
    }
    s.headRadius = k.headRadius * k.scale;
    s.torsoLean = p.lean;
    s.headLean = headLean;
    return s;
}

void PaintBoot(cairo_t* cr, const Skeleton& s, Point ankle, Rgb color) {
    const double sc = s.scale;
    if (s.view == View::kSide) {
        Ellipse(cr, ankle.x + 1.6 * sc, ankle.y + 0.5 * sc, 3.1 * sc, 1.9 * sc);
    } else {
        Ellipse(cr, ankle.x, ankle.y + 0.7 * sc, 2.4 * sc, 1.9 * sc);
    }
    InkedFill(cr, color);
}

Handle HeldHandle(const Skeleton& s, double back, double ahead) {
    const int g = std::max(0, s.pose.grip);
    const Limb& arm = s.pose.arm[g];
    const double angle = arm.swing + arm.bend + s.pose.wrist;
    const Vec3 dir = LimbDirection(angle, arm.spread, kSide[g]);
    const Vec3 hand = s.hand[g].v;
    Handle h;
    h.butt = s.Project(Add(hand, dir, -back * s.scale));
    h.tip = s.Project(Add(hand, dir, ahead * s.scale));
    const double dx = h.tip.x - h.butt.x, dy = h.tip.y - h.butt.y;
    h.length = std::hypot(dx, dy);
    h.dir = h.length > 1e-6 ? Point{dx / h.length, dy / h.length} : Point{0, -1};
    // a little further round the swing gives the side the edge faces
    const Vec3 ahead3 = LimbDirection(angle + 0.3, arm.spread, kSide[g]);
    const Point turn = s.Direction(dir, ahead3);
    Point side{-h.dir.y, h.dir.x};
    if (side.x * turn.x + side.y * turn.y < 0)
        side = {-side.x, -side.y};
    h.side = side;
    return h;
}

double DepthInFront() {
    return 10;
}
double DepthBehind() {
    return -10;
}
double DepthOfHand(const Skeleton& s, int side) {
    return ArmDepth(s, side) + 0.05;
}
double DepthOnBack(const Skeleton& s) {
    switch (s.view) {
        case View::kSide:
            return -0.5;
        case View::kFront:
            return -2;
        case View::kBack:
            return 0.5;
    }
    return 0;
}

void DrawFigure(cairo_t* cr, const Look& k, const Pose& pose, View view, bool mirror,
                const ExtraList& extras) {
    const Skeleton s = SolveSkeleton(k, pose, view);
    std::vector<Part> parts;
    auto add = [&](double depth, std::function<void()> draw) {
        parts.push_back({depth, static_cast<int>(parts.size()), std::move(draw)});
    };
    for (int i = 0; i < 2; ++i) {
        add(LegDepth(s, i), [&, i] {
            if (k.limb)
                k.limb(cr, s, i, false);
            else
                PlainLimb(cr, k, s, i, false);
        });
        add(ArmDepth(s, i), [&, i] {
            if (k.limb)
                k.limb(cr, s, i, true);
            else
                PlainLimb(cr, k, s, i, true);
        });
    }
    add(0, [&] {
        if (k.torso)
            k.torso(cr, s);
        else
            PlainTorso(cr, k, s);
    });
    add(1, [&] {
        const HeadPose h{s.head.p,     s.headRadius, view,     s.headLean,
                         pose.headYaw, pose.hatLift, pose.face};
        if (k.head)
            k.head(cr, h);
        else
            PlainHead(cr, k, h);
    });
    for (const auto& make : extras) {
        Extra e = make(s);
        add(e.depth, [&cr, &s, paint = std::move(e.paint)] { paint(cr, s); });
    }
    std::stable_sort(parts.begin(), parts.end(),
                     [](const Part& a, const Part& b) { return a.depth < b.depth; });
    cairo_save(cr);
    if (mirror)
        cairo_scale(cr, -1, 1);
    for (const Part& part : parts)
        part.draw();
    cairo_restore(cr);
}

}  // namespace artgen
