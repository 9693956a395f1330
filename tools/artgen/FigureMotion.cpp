#include "tools/artgen/FigureMotion.h"

#include <cmath>

namespace artgen {

namespace {

double Mix(double a, double b, double t) {
    return a + (b - a) * t;
}

Limb Mix(const Limb& a, const Limb& b, double t) {
    return {Mix(a.swing, b.swing, t), Mix(a.bend, b.bend, t), Mix(a.spread, b.spread, t)};
}

double Smooth(double t) {
    return t * t * (3 - 2 * t);
}

Limb ArmL(double swing, double bend, double spread = 0.1) {
    return {swing, bend, spread};
}

}  // namespace

Gait StrollGait() {
    return Gait{};
}

Gait RunGait() {
    Gait g;
    g.stride = 0.75;
    g.kneeLift = 1.7;
    g.kneeBase = 0.3;
    g.armSwing = 0.85;
    g.elbow = 1.4;
    g.lean = 0.22;
    g.leap = 1.6;
    g.face = Face::kSmile;
    return g;
}

Pose GaitPose(const Gait& g, double phase) {
    const double a = 2 * M_PI * phase;
    Pose p;
    p.lean = g.lean;
    p.face = g.face;
    for (int i = 0; i < 2; ++i) {
        const double phi = a + i * M_PI;
        p.leg[i].swing = g.stride * std::sin(phi);
        // the leg swinging forwards folds at the knee to clear the ground
        p.leg[i].bend = g.kneeBase + g.kneeLift * std::max(0.0, std::cos(phi)) * 0.8;
        p.leg[i].spread = 0.04;
        p.arm[i].swing = -g.armSwing * std::sin(phi) + 0.1;
        p.arm[i].bend = g.elbow;
        p.arm[i].spread = 0.12;
    }
    p.lift = g.leap * (0.5 - 0.5 * std::cos(2 * a));
    p.headTilt = g.headBob * std::cos(2 * a);
    return p;
}

std::vector<Pose> GaitCycle(const Gait& gait, int frames) {
    std::vector<Pose> poses;
    for (int i = 0; i < frames; ++i)
        poses.push_back(GaitPose(gait, double(i) / frames));
    return poses;
}

Pose Blend(const Pose& a, const Pose& b, double t) {
    Pose p = t < 0.5 ? a : b;
    for (int i = 0; i < 2; ++i) {
        p.arm[i] = Mix(a.arm[i], b.arm[i], t);
        p.leg[i] = Mix(a.leg[i], b.leg[i], t);
    }
    p.lean = Mix(a.lean, b.lean, t);
    p.lift = Mix(a.lift, b.lift, t);
    p.headTilt = Mix(a.headTilt, b.headTilt, t);
    p.headYaw = Mix(a.headYaw, b.headYaw, t);
    p.hatLift = Mix(a.hatLift, b.hatLift, t);
    p.wrist = Mix(a.wrist, b.wrist, t);
    return p;
}

Pose PoseAt(const std::vector<Key>& keys, double t, bool loop) {
    if (keys.empty())
        return Pose{};
    if (t <= keys.front().at && !loop)
        return keys.front().pose;
    for (size_t i = 0; i + 1 < keys.size(); ++i) {
        if (t >= keys[i].at && t <= keys[i + 1].at) {
            const double span = keys[i + 1].at - keys[i].at;
            return Blend(keys[i].pose, keys[i + 1].pose,
                         span > 0 ? Smooth((t - keys[i].at) / span) : 1.0);
        }
    }
    if (!loop)
        return keys.back().pose;
    // from the last key round to the first one
    const double span = 1 - keys.back().at + keys.front().at;
    double u = t >= keys.back().at ? t - keys.back().at : t + 1 - keys.back().at;
    return Blend(keys.back().pose, keys.front().pose, span > 0 ? Smooth(u / span) : 1.0);
}

std::vector<Pose> KeyedCycle(const std::vector<Key>& keys, int frames, bool loop) {
    std::vector<Pose> poses;
    for (int i = 0; i < frames; ++i) {
        const double t = loop ? double(i) / frames : (frames > 1 ? double(i) / (frames - 1) : 0);
        poses.push_back(PoseAt(keys, t, loop));
    }
    return poses;
}

Pose StandPose() {
    Pose p;
    p.leg[0] = {0.08, 0.06, 0.06};
    p.leg[1] = {-0.08, 0.06, 0.06};
    p.arm[0] = ArmL(0.05, 0.25, 0.14);
    p.arm[1] = ArmL(0.05, 0.25, 0.14);
    return p;
}

namespace {

// Feet planted wide for a stroke, a little crouched.
Pose WorkStance() {
    Pose p = StandPose();
    p.leg[0] = {0.32, 0.35, 0.08};
    p.leg[1] = {-0.25, 0.2, 0.08};
    p.face = Face::kEffort;
    return p;
}

// Both hands on a handle: arms, the handle's direction (0 down, pi/2
// forwards) and the torso's lean.
struct Grip {
    double swing, bend, spread, tool, lean;
};

Pose Holding(Pose p, const Grip& g) {
    p.arm[0] = ArmL(g.swing, g.bend, g.spread);
    p.arm[1] = ArmL(g.swing, g.bend, -g.spread);
    p.wrist = g.tool - g.swing - g.bend;
    p.lean = g.lean;
    return p;
}

// A two-handed tool swung over the shoulder: ready, wound up `lead` before
// the blow, the blow itself, then following through `lag` after it.
std::vector<Pose> OverheadSwing(int frames, int hitFrame, const Grip& ready, const Grip& windup,
                                double lead, const Grip& blow, const Grip& follow, double lag) {
    Pose base = WorkStance();
    base.grip = 0;
    base.twoHands = true;
    const double hit = double(hitFrame) / frames;
    Pose strike = Holding(base, blow);
    strike.face = Face::kOpen;
    return KeyedCycle({{0, Holding(base, ready)},
                       {hit - lead, Holding(base, windup)},
                       {hit, strike},
                       {hit + lag, Holding(base, follow)}},
                      frames, true);
}

}  // namespace

// Wound up over the shoulder, the arms turn forwards past straight up; the
// blows come down across the body, so from behind the tool shows beside it.
std::vector<Pose> ChopStroke(int frames, int hitFrame) {
    return OverheadSwing(frames, hitFrame, {0.75, 0.35, 0.15, 1.9, 0.05},
                         {3.83, 0.1, 0.6, 5.18, -0.12}, 0.2, {1.45, 0.05, -0.8, 1.6, 0.25},
                         {1.25, 0.15, -0.85, 1.45, 0.22}, 0.12);
}

std::vector<Pose> PickStroke(int frames, int hitFrame) {
    return OverheadSwing(frames, hitFrame, {0.7, 0.2, 0.1, 1.5, 0.1}, {3.53, 0.3, 0.3, 4.38, -0.15},
                         0.18, {1.05, -0.15, -0.55, 0.55, 0.42}, {0.95, -0.1, -0.55, 0.45, 0.4},
                         0.14);
}

std::vector<Pose> HammerStroke(int frames, int hitFrame) {
    Pose base = WorkStance();
    base.grip = 0;
    base.arm[1] = ArmL(1.15, 0.45, -0.1);  // steadies the beam
    base.lean = 0.1;
    const double hit = double(hitFrame) / frames;
    auto hammer = [&](double swing, double bend, double tool) {
        Pose p = base;
        p.arm[0] = ArmL(swing, bend, 0.15);
        p.wrist = tool - swing - bend;
        return p;
    };
    const Pose ready = hammer(1.0, 0.6, 2.6);
    const Pose windup = hammer(2.3, 0.5, 3.9);
    Pose blow = hammer(1.35, 0.15, 1.55);
    blow.face = Face::kOpen;
    return KeyedCycle({{0, ready}, {hit - 0.3, windup}, {hit, blow}, {hit + 0.12, ready}}, frames,
                      true);
}

std::vector<Pose> GatherStroke(int frames) {
    Pose down = StandPose();
    down.leg[0] = {0.45, 0.95, 0.14};
    down.leg[1] = {0.45, 0.95, 0.14};
    down.lean = 0.75;
    down.arm[0] = ArmL(0.45, 0.1, 0.2);
    down.arm[1] = ArmL(0.45, 0.1, 0.2);
    down.face = Face::kEffort;
    Pose rising = Blend(down, StandPose(), 0.5);
    rising.arm[0] = ArmL(1.0, 1.0, 0.1);
    rising.arm[1] = ArmL(1.0, 1.0, 0.1);
    Pose up = StandPose();
    up.arm[0] = ArmL(0.8, 1.7, 0.05);
    up.arm[1] = ArmL(0.8, 1.7, 0.05);
    up.face = Face::kSmile;
    return KeyedCycle({{0, down}, {0.3, rising}, {0.55, up}, {0.75, up}}, frames, true);
}

std::vector<Pose> SlashStroke(int frames, int hitFrame) {
    Pose base = WorkStance();
    base.face = Face::kOpen;
    base.grip = 0;
    const double hit = double(hitFrame) / frames;
    auto sword = [&](double swing, double bend, double spread, double blade, double lean) {
        Pose p = base;
        p.arm[0] = ArmL(swing, bend, spread);
        p.arm[1] = ArmL(0.4, 0.9, -0.2);
        p.wrist = blade - swing - bend;
        p.lean = lean;
        return p;
    };
    const Pose raised = sword(2.7, 0.25, 0.35, 3.6, -0.05);
    const Pose blow = sword(1.35, 0.05, -0.8, 1.85, 0.22);
    const Pose follow = sword(0.55, 0.1, -0.85, 0.95, 0.26);
    const Pose rising = sword(1.9, 0.3, 0.2, 2.9, 0.08);
    return KeyedCycle({{0, raised}, {hit, blow}, {hit + 0.25, follow}, {0.78, rising}}, frames,
                      true);
}

std::vector<Pose> StretchCycle(int frames) {
    const Pose stand = StandPose();
    Pose stretch = stand;
    stretch.arm[0] = ArmL(2.85, 0.25, 0.35);
    stretch.arm[1] = ArmL(2.85, 0.25, 0.35);
    stretch.headTilt = -0.3;
    stretch.lean = -0.08;
    stretch.face = Face::kYawn;
    return KeyedCycle({{0, stand}, {0.12, stand}, {0.42, stretch}, {0.62, stretch}, {0.9, stand}},
                      frames, false);
}

std::vector<Pose> GuardCycle(int frames) {
    Pose low = StandPose();
    low.leg[0] = {0.3, 0.6, 0.1};
    low.leg[1] = {-0.2, 0.45, 0.1};
    low.arm[0] = ArmL(1.6, 1.2, 0.15);
    low.arm[1] = ArmL(1.4, 1.3, 0.15);
    low.lean = 0.1;
    low.face = Face::kScared;
    Pose high = low;
    high.arm[0] = ArmL(2.2, 1.0, 0.25);
    high.arm[1] = ArmL(2.0, 1.1, 0.25);
    high.leg[0] = {0.35, 0.8, 0.12};
    high.leg[1] = {-0.25, 0.6, 0.12};
    high.lean = 0.2;
    high.headTilt = 0.15;
    return KeyedCycle({{0, low}, {1, high}}, frames, false);
}

}  // namespace artgen
