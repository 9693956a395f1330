// The castle (the castle key): curtain walls with four round towers under
// blue cones, a gatehouse in the front wall and the keep behind, raised from
// old foundations with gold.
//
// "key_castle00": frame 0 the old foundations (also the site before work
// starts), 1..3 construction, 4 finished; footprint 4 x 4 cells, anchor at
// its centre.
#include <cmath>

#include "tools/artgen/Buildings.h"
#include "tools/artgen/ConstructionKit.h"

namespace artgen {

namespace {

using namespace datakit;
using namespace datakit::palette;

constexpr int kStages = 3;
constexpr double W = 74, kThick = 7, kWall = 40, kTower = 62, kTowerR = 15;
const Rgb kRock = Hex(0xCFC6B5);
const Rgb kSlate = Hex(0x4E86C4);

// Merlons along a wall's top edge from p to q.
void Merlons(cairo_t* cr, P3 p, P3 q, double z) {
    const double length = std::hypot(q.a - p.a, q.b - p.b);
    const int count = static_cast<int>(length / 10);
    for (int k = 0; k < count; ++k) {
        const double t = (k + 0.5) / count;
        const double a = p.a + (q.a - p.a) * t, b = p.b + (q.b - p.b) * t;
        DrawBox(cr, {a - 3, a + 3, b - 3, b + 3, z, z + 6}, kRock, kRock);
    }
}

void WallAlongA(cairo_t* cr, double b, double height, bool merlons) {
    DrawBox(cr, {-W, W, b - kThick / 2, b + kThick / 2, 0, height}, kRock, kRock);
    if (merlons)
        Merlons(cr, {-W, b, 0}, {W, b, 0}, height);
}

void WallAlongB(cairo_t* cr, double a, double height, bool merlons) {
    DrawBox(cr, {a - kThick / 2, a + kThick / 2, -W, W, 0, height}, kRock, kRock);
    if (merlons)
        Merlons(cr, {a, -W, 0}, {a, W, 0}, height);
}

void Tower(cairo_t* cr, double a, double b, double height, double roof) {
    DrawDrum(cr, a, b, kTowerR, kTowerR, 0, height, kRock);
    if (height >= kTower - 0.1) {
        InDrumFront(cr, a, b, kTowerR - 0.3, [&] { cairo_rectangle(cr, -1.8, 36, 3.6, 9); });
        FillFlat(cr, kInk, 0);
    }
    if (roof > 0) {
        cairo_save(cr);
        const P2 tip = Project({a, b, height + 34});
        const P2 foot = Project({a, b, height});
        cairo_rectangle(cr, tip.x - 40, tip.y + (1 - roof) * (foot.y - tip.y), 80, 80);
        cairo_clip(cr);
        DrawCone(cr, a, b, kTowerR + 3, height, height + 34, kSlate);
        cairo_restore(cr);
    }
    if (roof >= 1)
        DrawPennant(cr, a, b, height + 33, 16, kGold);
}

void Keep(cairo_t* cr, double height, double roof) {
    DrawBox(cr, {-34, 30, 8, 54, 0, height}, kRock, kRock);
    if (height >= 80) {
        DrawWindow(cr, FrontWall(8), -16, 58, 8, 11);
        DrawWindow(cr, FrontWall(8), 12, 58, 8, 11);
        DrawWindow(cr, SideWall(30), 30, 58, 8, 11);
    }
    if (roof >= 0)
        DrawRoof(cr, {-34, 30, 8, 54, height, height + 30, 4, true}, kSlate, kRock, roof);
}

void Gatehouse(cairo_t* cr, double height) {
    const double b = -W;
    DrawBox(cr, {-18, 18, b - 9, b + 6, 0, height}, kRock, kRock);
    InFront(cr, b - 9, [&] { ArchPath(cr, 0, 0, 18, 27); });
    FillFlat(cr, Hex(0x5A4030), kOutline);
    InFront(cr, b - 9, [&] {
        for (double s = -6; s <= 6; s += 4) {
            cairo_move_to(cr, s, 0);
            cairo_line_to(cr, s, 24);
        }
        for (double z = 6; z < 24; z += 6) {
            cairo_move_to(cr, -8, z);
            cairo_line_to(cr, 8, z);
        }
    });
    Line(cr, kStoneDark, 1.2);
    if (height >= kWall + 10)
        Merlons(cr, {-18, b - 3, 0}, {18, b - 3, 0}, height);
}

// Every part at its height for one state of the building: walls, towers,
// keep and their roofs (negative: no roof yet).
struct Build {
    double walls, towers, keep, roofs;
};

void Castle(cairo_t* cr, const Build& s) {
    const bool done = s.roofs >= 1;
    Tower(cr, -W, W, s.towers, s.roofs);
    Tower(cr, W, W, s.towers, s.roofs);
    WallAlongA(cr, W, s.walls, done);
    Keep(cr, s.keep, s.roofs);
    WallAlongB(cr, -W, s.walls, done);
    Tower(cr, -W, -W, s.towers, s.roofs);
    WallAlongB(cr, W, s.walls, done);
    WallAlongA(cr, -W, s.walls, done);
    Gatehouse(cr, s.walls + 12);
    Tower(cr, W, -W, s.towers, s.roofs);
}

void Foundations(cairo_t* cr) {
    for (double b : {W, -W}) {
        for (double a = -W; a < W; a += 30)
            DrawBox(cr, {a, a + 22, b - kThick / 2, b + kThick / 2, 0, 5 + std::fmod(a + W, 11)},
                    kRock, kRock);
    }
    for (double a : {-W, W}) {
        for (double b = -W + 20; b < W - 10; b += 34)
            DrawBox(cr, {a - kThick / 2, a + kThick / 2, b, b + 22, 0, 4 + std::fmod(b + W, 9)},
                    kRock, kRock);
    }
    for (double a : {-W, W}) {
        for (double b : {-W, W})
            DrawDrum(cr, a, b, kTowerR, kTowerR, 0, 9, kRock);
    }
    DrawStoneHeap(cr, 0, 0, 1.4);
    DrawStoneHeap(cr, -30, 30, 1.0);
}

void UnderConstruction(cairo_t* cr, Stage stage) {
    DrawPlot(cr, -92, 92, -92, 92);
    if (stage.k == 0) {
        Foundations(cr);
        return;
    }
    const double p = stage.Walls();
    Castle(cr, {kWall * p, kTower * p, 90 * p, stage.Roof()});
    DrawScaffold(cr, {-W, W, -W, W, 0, kWall * p}, kWall * p);
    DrawStoneHeap(cr, -60, -92, 1.0);
}

void Finished(cairo_t* cr, int) {
    GroundShadow(cr, -W - 14, W + 14, -W - 14, W + 14, 0.25);
    Castle(cr, {kWall, kTower, 90, 1});
}

}  // namespace

SpriteDef CastleSprite() {
    return BuildingSprite("key_castle00", kStages, 1, UnderConstruction, Finished);
}

}  // namespace artgen
