// The skeleton spirit: a rattling skeleton with glowing eyes in a faint
// ghostly haze. It plods with its arms held out, sometimes loses a hand and
// gropes for it, and at its end falls into a heap of bones while its little
// ghost floats away (the game then fades the heap out).
#include <cmath>

#include "tools/artgen/FigureHeads.h"
#include "tools/artgen/FigureMotion.h"
#include "tools/artgen/Figures.h"
#include "tools/artgen/Scenery.h"

namespace artgen {

using namespace datakit;
using namespace datakit::palette;
using looks::kBone;
using looks::kSpiritGlow;

namespace {

void Bone(cairo_t* cr, Point a, Point b, double width) {
    InkedLine(cr, {a, b}, width, kBone);
    for (const Point& p : {a, b}) {
        Circle(cr, p.x, p.y, width * 0.62);
        InkedFill(cr, kBone, 0.9);
    }
}

void BonyHand(cairo_t* cr, Point p, double k) {
    Circle(cr, p.x, p.y, 1.5 * k);
    InkedFill(cr, kBone, 0.9);
    for (int i = -1; i <= 1; ++i) {
        cairo_move_to(cr, p.x + i * 0.8 * k, p.y + 0.6 * k);
        cairo_line_to(cr, p.x + i * 1.1 * k, p.y + 2.2 * k);
    }
    Stroke(cr, kInk, 0.8 * k);
}

void BoneLimb(cairo_t* cr, const Skeleton& s, int i, bool arm, bool handOff) {
    const double k = s.scale;
    if (arm) {
        InkedLine(cr, {s.shoulder[i].p, s.elbow[i].p, s.hand[i].p}, 2.0 * k, kBone);
        Circle(cr, s.elbow[i].p.x, s.elbow[i].p.y, 1.3 * k);
        InkedFill(cr, kBone, 0.9);
        if (!(handOff && i == 0))
            BonyHand(cr, s.hand[i].p, k);
        return;
    }
    InkedLine(cr, {s.hip[i].p, s.knee[i].p, s.ankle[i].p}, 2.3 * k, kBone);
    Circle(cr, s.knee[i].p.x, s.knee[i].p.y, 1.5 * k);
    InkedFill(cr, kBone, 0.9);
    PaintBoot(cr, s, s.ankle[i].p, kBone);
}

// Ribcage, spine, pelvis, and a tattered rag around the waist.
void Ribcage(cairo_t* cr, const Skeleton& s) {
    const double k = s.scale;
    const Point n = s.neck.p, p = s.pelvis.p;
    const bool side = s.view == View::kSide;
    InkedLine(cr, {n, p}, 1.8 * k, kBone);
    const Point c{n.x + (p.x - n.x) * 0.38 + (side ? 1.2 * k : 0), n.y + (p.y - n.y) * 0.38};
    const double rx = (side ? 3.8 : 5.4) * k, ry = 4.8 * k;
    Ellipse(cr, c.x, c.y, rx, ry);
    InkedFill(cr, kBone);
    if (s.view != View::kBack) {
        for (int i = -1; i <= 1; ++i) {
            const double y = c.y + i * 1.8 * k;
            cairo_move_to(cr, c.x - rx * 0.75, y - 0.4 * k);
            cairo_curve_to(cr, c.x - rx * 0.3, y + 0.8 * k, c.x + rx * 0.3, y + 0.8 * k,
                           c.x + rx * 0.75, y - 0.4 * k);
        }
        Stroke(cr, Darken(kBone, 0.35), 0.7 * k);
    }
    // the rag
    const double w = (side ? 4.6 : 6.4) * k;
    cairo_move_to(cr, p.x - w, p.y - 2.2 * k);
    cairo_line_to(cr, p.x + w, p.y - 2.2 * k);
    cairo_line_to(cr, p.x + w * 0.9, p.y + 3.2 * k);
    for (int i = 3; i >= -3; --i)
        cairo_line_to(cr, p.x + w * i / 3.3, p.y + (i % 2 ? 4.6 : 2.4) * k);
    cairo_close_path(cr);
    InkedFill(cr, Hex(0x5E4B78));
}

Extra Haze(const Skeleton&) {
    return {DepthBehind(), [](cairo_t* cr, const Skeleton& sk) {
                const Point c{(sk.neck.p.x + sk.pelvis.p.x) / 2, (sk.neck.p.y + sk.pelvis.p.y) / 2};
                cairo_save(cr);
                cairo_translate(cr, c.x, c.y);
                cairo_scale(cr, 15 * sk.scale, 23 * sk.scale);
                cairo_pattern_t* g = cairo_pattern_create_radial(0, 0, 0, 0, 0, 1);
                cairo_pattern_add_color_stop_rgba(g, 0, kSpiritGlow.r, kSpiritGlow.g, kSpiritGlow.b,
                                                  0.55);
                cairo_pattern_add_color_stop_rgba(g, 1, kSpiritGlow.r, kSpiritGlow.g, kSpiritGlow.b,
                                                  0);
                cairo_set_source(cr, g);
                Circle(cr, 0, 0, 1);
                cairo_fill(cr);
                cairo_pattern_destroy(g);
                cairo_restore(cr);
            }};
}

Look SpiritLook(bool handOff) {
    Look k;
    k.scale = 1.06;
    k.skin = kBone;
    k.shirt = kBone;
    k.sleeve = kBone;
    k.trousers = kBone;
    k.boots = kBone;
    k.belt = kBone;
    k.head = PaintSkullHead;
    k.torso = Ribcage;
    k.limb = [handOff](cairo_t* cr, const Skeleton& s, int i, bool arm) {
        BoneLimb(cr, s, i, arm, handOff);
    };
    return k;
}

std::vector<Pose> Plod(int frames) {
    Gait g = StrollGait();
    g.stride = 0.38;
    g.kneeLift = 0.7;
    g.armSwing = 0.15;
    std::vector<Pose> poses = GaitCycle(g, frames);
    for (Pose& p : poses) {
        p.arm[0].swing += 1.05;
        p.arm[1].swing += 1.05;
        p.arm[0].bend = p.arm[1].bend = 0.15;
    }
    return poses;
}

// The hand drops off, the spirit stares, stoops for it and puts it back.
SpriteArt LostHand(int direction) {
    const View views[4] = {View::kSide, View::kBack, View::kSide, View::kFront};
    const View view = views[direction];
    const bool mirror = direction == 2;
    Pose reach = StandPose();
    reach.arm[0] = {1.3, 0.2, 0.15};
    Pose shake = reach;
    shake.arm[0] = {1.55, 0.1, 0.2};
    Pose stare = reach;
    stare.headTilt = 0.45;
    stare.face = Face::kScared;
    Pose stoop = stare;
    stoop.lean = 0.65;
    stoop.leg[0] = {0.4, 0.8, 0.1};
    stoop.leg[1] = {0.2, 0.6, 0.1};
    stoop.arm[0] = {0.7, 0.1, 0.2};
    const std::vector<Pose> poses = KeyedCycle(
        {{0, reach}, {0.15, shake}, {0.32, stare}, {0.55, stare}, {0.72, stoop}, {1.0, reach}}, 12,
        false);
    SpriteArt art{"skeleton_lost_hand" + std::to_string(direction), 10, kFigureCanvas, {}};
    for (int i = 0; i < 12; ++i) {
        const bool off = i >= 2 && i <= 8;
        const Look look = SpiritLook(off);
        const Pose pose = poses[static_cast<size_t>(i)];
        ExtraList extras{Haze};
        if (off) {
            // falling from the wrist to the ground ahead, then lying there
            extras.push_back([i](const Skeleton&) {
                return Extra{DepthInFront(), [i](cairo_t* cr, const Skeleton& sk) {
                                 const Point ground = sk.Project({3, -1.5, 7});
                                 const double t = std::min(1.0, (i - 2) / 2.0);
                                 const Point from = sk.hand[0].p;
                                 const double hop = i == 5 ? 2.0 : 0.0;
                                 const Point at{from.x + (ground.x - from.x) * t,
                                                from.y + (ground.y - from.y) * t * t - hop};
                                 BonyHand(cr, at, sk.scale);
                             }};
            });
        }
        art.frames.push_back([look, pose, view, mirror, extras](cairo_t* cr) {
            DrawFigure(cr, look, pose, view, mirror, extras);
        });
    }
    return art;
}

// The end: the bones tumble into a heap and a small ghost rises and fades.
void PaintDeath(cairo_t* cr, int frame) {
    Pose stagger = StandPose();
    stagger.arm[0] = {2.5, 0.3, 0.5};
    stagger.arm[1] = {2.3, 0.3, 0.5};
    stagger.lean = -0.15;
    stagger.face = Face::kScared;
    const Skeleton s = SolveSkeleton(SpiritLook(false), stagger, View::kFront);
    if (frame < 3) {
        cairo_save(cr);
        cairo_translate(cr, frame == 1 ? 1.0 : (frame == 2 ? -1.0 : 0.0), 0);
        DrawFigure(cr, SpiritLook(false), stagger, View::kFront, false, {Haze});
        cairo_restore(cr);
        return;
    }
    const double t = std::min(1.0, (frame - 3) / 3.0);
    const double fall = std::pow(t, 1.5);
    auto mix = [fall](Point p, Point q) {
        return Point{p.x + (q.x - p.x) * fall, p.y + (q.y - p.y) * fall};
    };
    // the ribcage and the rag drop first, under the other bones
    const Point chest = mix({(s.neck.p.x + s.pelvis.p.x) / 2, (s.neck.p.y + s.pelvis.p.y) / 2},
                            {-5, -4.5});
    cairo_save(cr);
    cairo_translate(cr, chest.x, chest.y);
    cairo_rotate(cr, 1.3 * fall);
    Ellipse(cr, 0, 0, 5.6, 5);
    cairo_restore(cr);
    InkedFill(cr, kBone);
    const Point rag = mix(s.pelvis.p, {6, -2.5});
    Ellipse(cr, rag.x, rag.y, 6.5 - 1.5 * fall, 3.5 - 1.2 * fall);
    InkedFill(cr, Hex(0x5E4B78));
    Rng rng(7);
    struct Piece {
        Point a, b;
    };
    const Piece pieces[] = {{s.shoulder[0].p, s.elbow[0].p}, {s.elbow[0].p, s.hand[0].p},
                            {s.shoulder[1].p, s.elbow[1].p}, {s.elbow[1].p, s.hand[1].p},
                            {s.hip[0].p, s.knee[0].p},       {s.knee[0].p, s.ankle[0].p},
                            {s.hip[1].p, s.knee[1].p},       {s.knee[1].p, s.ankle[1].p},
                            {s.neck.p, s.pelvis.p}};
    for (const Piece& piece : pieces) {
        const double x = rng.Range(-10, 10), y = rng.Range(-4.5, -1.5), a = rng.Range(-0.5, 0.5);
        const double len = 7;
        const Point restA{x - std::cos(a) * len / 2, y - std::sin(a) * len / 2};
        const Point restB{x + std::cos(a) * len / 2, y + std::sin(a) * len / 2};
        Bone(cr, mix(piece.a, restA), mix(piece.b, restB), 2.2);
    }
    // the skull lands on top
    const Point skullFrom = s.head.p, skullTo{2, -9};
    const double st = std::min(1.0, (frame - 3) / 4.0);
    HeadPose head{{skullFrom.x + (skullTo.x - skullFrom.x) * st,
                   skullFrom.y + (skullTo.y - skullFrom.y) * st * st},
                  s.headRadius * 0.85,
                  View::kFront,
                  0.25 * st,
                  0,
                  0,
                  frame >= 7 ? Face::kEffort : Face::kScared};
    PaintSkullHead(cr, head);
    if (frame >= 6) {
        const double u = (frame - 6) / 5.5;
        const double alpha = 0.85 * (1 - u);
        const double gx = std::sin(u * 5) * 3, gy = -20 - 26 * u;
        cairo_move_to(cr, gx - 6, gy);
        cairo_curve_to(cr, gx - 6, gy - 9, gx + 6, gy - 9, gx + 6, gy);
        cairo_curve_to(cr, gx + 6, gy + 6, gx + 2, gy + 8, gx + std::sin(u * 9) * 3, gy + 12);
        cairo_curve_to(cr, gx - 2, gy + 8, gx - 6, gy + 6, gx - 6, gy);
        cairo_close_path(cr);
        SetColor(cr, Lighten(kSpiritGlow, 0.5), alpha);
        cairo_fill_preserve(cr);
        SetColor(cr, Darken(kSpiritGlow, 0.3), alpha);
        cairo_set_line_width(cr, 1);
        cairo_stroke(cr);
        for (double ex : {-2.2, 2.2}) {
            Circle(cr, gx + ex, gy - 2, 1.1);
            SetColor(cr, kInk, alpha);
            cairo_fill(cr);
        }
    }
}

}  // namespace

std::vector<SpriteArt> SpiritSprites() {
    std::vector<SpriteArt> out;
    // Plods at 45 units/s; the game plays its walk at 45/30 of the rate.
    AddFourWays(out, "skeleton_walk", 8, SpiritLook(false), Plod(8),
                [](int, const Pose&) { return ExtraList{Haze}; });
    for (int d = 0; d < 4; ++d)
        out.push_back(LostHand(d));
    SpriteArt death{"skeleton_death3", 12, kFigureCanvas, {}};
    for (int i = 0; i < 12; ++i)
        death.frames.push_back([i](cairo_t* cr) { PaintDeath(cr, i); });
    out.push_back(std::move(death));
    return out;
}

}  // namespace artgen
