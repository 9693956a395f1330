#pragma once
// The jointed figure every walker of the island is drawn with: a pelvis, a
// torso that leans, a head, two arms and two legs, posed by angles in a small
// 3D space and seen from the side (facing right; the left-facing view is its
// mirror), from the back (walking away, up the screen) or from the front
// (coming down the screen). Seen from above at a slant, like the island: what
// is nearer the viewer sits a little lower. The feet stand on the anchor
// (0, 0); y grows downwards, one unit per game pixel.
//
// Limb 0 is the working limb: the near one in side views and the one on the
// right of the screen from the front and the back, so tools always show.
#include <cairo.h>
#include <functional>
#include <vector>

#include "tools/artgen/SpriteInk.h"
#include "tools/common/Palette.h"

namespace artgen {

enum class View { kSide, kBack, kFront };

struct Vec3 {
    double l = 0, y = 0, f = 0;  // towards limb 0's side, downwards, forwards
};

// Angles in radians. Arms: `swing` turns the upper arm forwards from hanging
// straight down, `bend` turns the forearm further forwards at the elbow,
// `spread` lifts the arm out sideways. Legs: `swing` turns the thigh forwards,
// `bend` folds the shin backwards at the knee.
struct Limb {
    double swing = 0, bend = 0, spread = 0;
};

enum class Face { kCalm, kSmile, kOpen, kEffort, kScared, kYawn };

struct Pose {
    Limb arm[2], leg[2];
    double lean = 0;      // torso tilted forwards
    double lift = 0;      // whole figure raised off the ground (a running leap)
    double headTilt = 0;  // head nodding forwards (negative: looking up)
    double headYaw = 0;   // front view: face turned to the screen's right (-1..1)
    double hatLift = 0;   // hat jumping off the head (fright)
    Face face = Face::kCalm;
    // A held tool: in hand `grip` (-1 none); its handle continues the forearm
    // turned by `wrist`. With `twoHands` the other hand grips it too.
    int grip = -1;
    double wrist = 0;
    bool twoHands = false;
};

// Where the joints land on screen, with each one's place in depth (larger is
// nearer the viewer) and its position in the figure's own space.
struct Joint {
    Point p;
    double depth = 0;
    Vec3 v;
};

struct Skeleton {
    View view = View::kSide;
    Joint pelvis, neck, head, shoulder[2], elbow[2], hand[2], hip[2], knee[2], ankle[2];
    double headRadius = 0, torsoLean = 0, headLean = 0, scale = 1;
    Pose pose;
    Point Project(const Vec3& v) const;
    double Depth(const Vec3& v) const;
    // A direction in the figure's space turned into a screen direction.
    Point Direction(const Vec3& from, const Vec3& to) const;
};

struct HeadPose {
    Point centre;
    double radius;
    View view;
    double tilt;  // radians, positive forwards
    double yaw;
    double hatLift;
    Face face;
};

// A character's build and clothes. Painters left empty use the plain body.
struct Look {
    double scale = 1;
    double headRadius = 8.8, neckToHead = 7.2, torsoLength = 12, shoulderDrop = 2.4;
    double shoulderWidth = 5.2, hipWidth = 2.7, thigh = 7.0, shin = 7.0, footHeight = 2.7;
    double upperArm = 6.2, forearm = 5.8;
    double armWidth = 3.5, legWidth = 4.8, handRadius = 2.1;
    double torsoWidth = 7.0, torsoHipWidth = 6.4, torsoDepth = 5.4;  // half sizes
    datakit::Rgb skin, shirt, sleeve, trousers, boots, belt;
    bool bareForearms = true;
    std::function<void(cairo_t*, const HeadPose&)> head;
    std::function<void(cairo_t*, const Skeleton&)> torso;  // plain tunic when empty
    std::function<void(cairo_t*, const Skeleton&, int side, bool arm)> limb;  // plain when empty
};

// Something drawn with the figure at a place in depth: a tool, a sack, a cape.
struct Extra {
    double depth;
    std::function<void(cairo_t*, const Skeleton&)> paint;
};
using ExtraList = std::vector<std::function<Extra(const Skeleton&)>>;

Skeleton SolveSkeleton(const Look& look, const Pose& pose, View view);

// The held tool's handle on screen: from `back` units behind the gripping
// hand to `ahead` units beyond it (figure units, scaled with the figure).
// `side` is the screen direction across the handle towards which the
// forearm turns when the wrist bends forwards (where an axe's edge faces).
struct Handle {
    Point butt, tip, dir, side;
    double length;
};
Handle HeldHandle(const Skeleton& s, double back, double ahead);

// Draws the figure. `mirror` flips it to face left (the side view only).
void DrawFigure(cairo_t* cr, const Look& look, const Pose& pose, View view, bool mirror,
                const ExtraList& extras = {});

// Depth helpers for extras.
double DepthInFront();
double DepthBehind();
double DepthOfHand(const Skeleton& s, int side);
double DepthOnBack(const Skeleton& s);

// A boot (or foot) under the ankle, pointing the way the figure faces.
void PaintBoot(cairo_t* cr, const Skeleton& s, Point ankle, datakit::Rgb color);

}  // namespace artgen
