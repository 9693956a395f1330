// The bandit: a hooded rogue with a red mask and a cudgel over the shoulder,
// dark where the worker is bright. It swaggers along its beat and, when a
// tower or the hero turns on it, crouches behind its raised cudgel.
#include "tools/artgen/FigureHeads.h"
#include "tools/artgen/FigureMotion.h"
#include "tools/artgen/FigureProps.h"
#include "tools/artgen/Figures.h"

namespace artgen {

using namespace datakit;
using namespace datakit::palette;

namespace {

Look BanditLook() {
    Look k;
    k.scale = 1.04;
    k.skin = looks::kSkin;
    k.shirt = Hex(0x6B5273);
    k.sleeve = looks::kHood;
    k.trousers = Hex(0x3A3646);
    k.boots = Hex(0x3B2A1C);
    k.belt = Hex(0x8A5A34);
    k.bareForearms = false;
    k.head = PaintBanditHead;
    return k;
}

void Club(cairo_t* cr, const Skeleton& s) {
    PaintClub(cr, s);
}

FrameExtras WithClub() {
    return [](int, const Pose&) {
        return ExtraList{[](const Skeleton& s) { return HeldExtra(s, Club); }};
    };
}

// A rolling swagger with the cudgel resting on the shoulder.
std::vector<Pose> Swagger(int frames) {
    Gait g = StrollGait();
    g.stride = 0.42;
    g.armSwing = 0.55;
    g.headBob = 0.06;
    g.face = Face::kSmile;
    std::vector<Pose> poses = GaitCycle(g, frames);
    for (Pose& p : poses) {
        p.grip = 0;
        p.arm[0] = {0.3, 2.1, 0.25};
        p.wrist = 3.9 - 2.4;  // the cudgel points up and back over the shoulder
    }
    return poses;
}

// Crouched behind the cudgel held across in both hands.
std::vector<Pose> Guard(int frames) {
    std::vector<Pose> poses = GuardCycle(frames);
    for (Pose& p : poses) {
        p.grip = 0;
        p.twoHands = true;
        p.wrist = -1.4;
        p.face = Face::kEffort;
    }
    return poses;
}

}  // namespace

std::vector<SpriteArt> BanditSprites() {
    const Look look = BanditLook();
    std::vector<SpriteArt> out;
    AddFourWays(out, "bandit_walk", 10, look, Swagger(8), WithClub());
    AddFourWays(out, "bandit_protect", 10, look, Guard(6), WithClub());
    return out;
}

}  // namespace artgen
