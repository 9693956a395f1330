// The gold goblin: small, hunched and quick, in a purple tunic and floppy
// cap, with long ears; it digs gold with a little pick and carries it off in a
// sack that shows its coins. Its pick keeps the worker's stroke timing.
#include "tools/artgen/FigureHeads.h"
#include "tools/artgen/FigureMotion.h"
#include "tools/artgen/FigureProps.h"
#include "tools/artgen/Figures.h"

namespace artgen {

using namespace datakit;
using namespace datakit::palette;

namespace {

Look GoblinLook() {
    Look k;
    k.scale = 0.84;
    k.headRadius = 9.8;
    k.neckToHead = 7.6;
    k.torsoLength = 10;
    k.thigh = 6;
    k.shin = 6;
    k.upperArm = 6;
    k.forearm = 6;
    k.skin = looks::kGoblinSkin;
    k.shirt = Hex(0x7B5BA6);
    k.sleeve = k.shirt;
    k.trousers = Hex(0x6A5440);
    k.boots = Darken(looks::kGoblinSkin, 0.2);  // bare feet
    k.belt = Hex(0xD8B77A);
    k.head = PaintGoblinHead;
    return k;
}

std::vector<Pose> Hunched(std::vector<Pose> poses, double lean) {
    for (Pose& p : poses)
        p.lean += lean;
    return poses;
}

// A heavy trudge under a sack of gold.
std::vector<Pose> HaulCycle(int frames) {
    Gait g = StrollGait();
    g.stride = 0.45;
    g.kneeLift = 1.0;
    g.lean = 0.32;
    g.face = Face::kSmile;
    return SackCycle(g, frames);
}

}  // namespace

std::vector<SpriteArt> GoblinSprites() {
    const Look look = GoblinLook();
    std::vector<SpriteArt> out;
    Gait sneak = StrollGait();
    sneak.armSwing = 0.7;
    sneak.kneeLift = 1.2;
    sneak.face = Face::kSmile;
    // scurries at 45 units/s; the game plays the walk at 45/40 of its rate
    AddFourWays(out, "goblin_walk", 14, look, Hunched(GaitCycle(sneak, 8), 0.18));
    AddFourWays(out, "goblin_pick", 8, look, PickStroke(8, 3),
                ToolWithChips(PaintPick, 3, 12.5, kGold));
    AddFear(out, "goblin_fear", 12, look);
    AddFourWays(out, "goblin_bag", 10, look, HaulCycle(8), [](int, const Pose&) {
        return ExtraList{
            [](const Skeleton& s) { return ShoulderSack(s, Hex(0xB9925E), 1.05, true); }};
    });
    AddFourWays(out, "goblin_protect", 10, look, GuardCycle(6));
    return out;
}

}  // namespace artgen
