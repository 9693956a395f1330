// The player's worker: a cheerful islander in a straw hat and a blue shirt.
//
// Timing the game relies on: a stroke's sound plays a fixed time into the
// work and then at a fixed period (axe 0.5 s then every 1 s, pick 0.4 s then
// 1 s, hammer 0.4 s then 0.52 s, gathering at once then every 0.45 s). Each
// work loop lasts exactly one period and lands its blow on the frame shown at
// the first sound, so blow and sound stay together.
#include "tools/artgen/FigureHeads.h"
#include "tools/artgen/FigureMotion.h"
#include "tools/artgen/FigureProps.h"
#include "tools/artgen/Figures.h"

namespace artgen {

using namespace datakit;
using namespace datakit::palette;

namespace {

Look WorkerLook() {
    Look k;
    k.skin = looks::kSkin;
    k.shirt = Hex(0x4F95D6);
    k.sleeve = k.shirt;
    k.trousers = Hex(0x9A6A3E);
    k.boots = Hex(0x5C3A20);
    k.belt = Hex(0x6E4526);
    k.head = PaintWorkerHead;
    return k;
}

// Running with a sack over the shoulder.
std::vector<Pose> HurryCycle(int frames) {
    Gait g = RunGait();
    g.stride = 0.6;
    g.leap = 1.0;
    g.lean = 0.18;
    g.face = Face::kCalm;
    return SackCycle(g, frames);
}

// Led away with the hands bound in front, head hanging.
std::vector<Pose> TiedCycle(int frames) {
    Gait g = StrollGait();
    g.stride = 0.3;
    g.kneeLift = 0.6;
    g.armSwing = 0;
    g.lean = 0.08;
    std::vector<Pose> poses = GaitCycle(g, frames);
    for (Pose& p : poses) {
        p.arm[0] = {0.75, 0.55, -0.3};
        p.arm[1] = {0.75, 0.55, -0.3};
        p.headTilt = 0.3;
    }
    return poses;
}

Extra Rope(const Skeleton& s) {
    return {
        DepthOfHand(s, 0) + 0.1, [](cairo_t* cr, const Skeleton& sk) {
            const Point a = sk.hand[0].p, b = sk.hand[1].p;
            const Point m{(a.x + b.x) / 2, (a.y + b.y) / 2};
            // the lead runs on ahead, to whoever holds it
            Point end{m.x + 11, m.y - 4};
            if (sk.view == View::kFront)
                end = {m.x + 3, m.y + 12};
            if (sk.view == View::kBack)
                end = {m.x + 4, m.y - 12};
            cairo_move_to(cr, m.x, m.y);
            cairo_curve_to(cr, m.x + (end.x - m.x) * 0.4, m.y + 5, end.x, end.y + 2, end.x, end.y);
            Stroke(cr, kInk, 2.4);
            cairo_move_to(cr, m.x, m.y);
            cairo_curve_to(cr, m.x + (end.x - m.x) * 0.4, m.y + 5, end.x, end.y + 2, end.x, end.y);
            Stroke(cr, Hex(0xD8B77A), 1.2);
            Ellipse(cr, m.x, m.y, 2.6, 1.8);
            Stroke(cr, kInk, 2.4);
            Ellipse(cr, m.x, m.y, 2.6, 1.8);
            Stroke(cr, Hex(0xD8B77A), 1.2);
        }};
}

}  // namespace

std::vector<SpriteArt> WorkerSprites() {
    const Look look = WorkerLook();
    std::vector<SpriteArt> out;
    // Wandering is slow (25 units/s, the cycle plays at 25/35 of its rate).
    AddFourWays(out, "worker_walk", 12, look, GaitCycle(StrollGait(), 8));
    // Running to work (230 units/s, 230/170 of the rate).
    AddFourWays(out, "worker_run", 17, look, GaitCycle(RunGait(), 8));
    AddFourWays(out, "worker_bag", 17, look, HurryCycle(8), [](int, const Pose&) {
        return ExtraList{
            [](const Skeleton& s) { return ShoulderSack(s, Hex(0xD9B57A), 1.0, false); }};
    });
    AddFourWays(out, "worker_hack", 8, look, ChopStroke(8, 4),
                ToolWithChips(PaintAxe, 4, 12.5, kWoodLight));
    AddFourWays(out, "worker_pick", 8, look, PickStroke(8, 3),
                ToolWithChips(PaintPick, 3, 12.5, kStone));
    AddFourWays(out, "worker_build", 6 / 0.52, look, HammerStroke(6, 4),
                ToolWithChips(PaintHammer, 4, 8.5, kHoneyLight));
    out.push_back(PosedSprite("worker_collect3", 6 / 0.45, look, 3, GatherStroke(6)));
    out.push_back(PosedSprite("worker_rest30", 8, look, 3, StretchCycle(12)));
    AddFear(out, "worker_fear", 12, look);
    AddFourWays(out, "worker_tied", 8, look, TiedCycle(8),
                [](int, const Pose&) { return ExtraList{Rope}; });
    return out;
}

}  // namespace artgen
