// The workers' house: a timber cottage that grows with every level.
//
// "house00" frames: 0..4 the construction stages (plot, walls rising, walls
// up under rafters, roof being laid), then 5..8 the finished house at levels
// 0..3. Footprint 3 x 2 cells; the anchor is the footprint's centre.
#include "tools/artgen/Buildings.h"
#include "tools/artgen/ConstructionKit.h"

namespace artgen {

namespace {

using namespace datakit;
using namespace datakit::palette;

const Rgb kWall = kCream;
const Rgb kTiles = Hex(0xD9544C);

constexpr int kStages = 4;
constexpr int kLevels = 4;

// The cottage's ground rectangle; every level keeps it.
constexpr double A0 = -56, A1 = 28, B0 = -26, B1 = 26, Z0 = 4;

void Cottage(cairo_t* cr, double wallTop, bool framing) {
    const Box walls{A0, A1, B0, B1, Z0, wallTop};
    DrawWalls(cr, walls, kWall, false);
    if (framing) {
        DrawFraming(cr, FrontWall(B0), A0, A1, Z0, wallTop, 28);
        DrawFraming(cr, SideWall(A1), B0, B1, Z0, wallTop, 26);
    }
    DrawDoor(cr, FrontWall(B0), -38, Z0, 13, 23);
    DrawWindow(cr, FrontWall(B0), -12, Z0 + 12, 11, 10);
    DrawWindow(cr, FrontWall(B0), 12, Z0 + 12, 11, 10);
    DrawWindow(cr, SideWall(A1), 0, Z0 + 12, 11, 10);
    if (wallTop > 50) {
        DrawWindow(cr, FrontWall(B0), -38, Z0 + 36, 11, 10);
        DrawWindow(cr, FrontWall(B0), -12, Z0 + 36, 11, 10);
        DrawWindow(cr, FrontWall(B0), 12, Z0 + 36, 11, 10);
        DrawWindow(cr, SideWall(A1), 0, Z0 + 36, 11, 10);
    }
}

void MainRoof(cairo_t* cr, double wallTop, double fill) {
    DrawRoof(cr, {A0, A1, B0, B1, wallTop, wallTop + 30, 5, true}, kTiles, kWall, fill);
}

// A lean-to shed against the right wall, with a small roof of its own.
void Shed(cairo_t* cr) {
    DrawWalls(cr, {A1, A1 + 26, -18, 16, Z0, Z0 + 22}, kWoodLight, false);
    DrawDoor(cr, SideWall(A1 + 26), -2, Z0, 12, 18);
    DrawRoof(cr, {A1, A1 + 26, -18, 16, Z0 + 22, Z0 + 38, 3, true}, Hex(0x9C8A72), kWoodLight);
}

// The big wing of the last level: a gable toward the viewer.
void Wing(cairo_t* cr) {
    const double a0 = A1 - 2, a1 = A1 + 36, b0 = -34, b1 = 18, top = Z0 + 40;
    DrawWalls(cr, {a0, a1, b0, b1, Z0, top}, kWall, false);
    DrawFraming(cr, FrontWall(b0), a0, a1, Z0, top, 36);
    DrawDoor(cr, FrontWall(b0), a0 + 18, Z0, 13, 22);
    DrawWindow(cr, FrontWall(b0), a0 + 18, Z0 + 27, 10, 9);
    DrawWindow(cr, SideWall(a1), -8, Z0 + 14, 10, 10);
    DrawRoof(cr, {a0, a1, b0, b1, top, top + 26, 4, false}, kTiles, kWall);
}

void Yard(cairo_t* cr, int level) {
    if (level >= 1)
        DrawFlowers(cr, -44, -36, 6, 11);
    if (level >= 2)
        DrawFlowers(cr, 0, -36, 7, 23);
    if (level == 0) {
        DrawLogPile(cr, 52, -18, 3);
    }
}

void Finished(cairo_t* cr, int level) {
    GroundShadow(cr, A0, level >= 3 ? A1 + 36 : (level >= 1 ? A1 + 26 : A1), B0, B1);
    DrawFooting(cr, A0, A1, B0, B1);
    const double wallTop = level >= 2 ? Z0 + 58 : Z0 + 34;
    Cottage(cr, wallTop, true);
    MainRoof(cr, wallTop, 1);
    if (level >= 1)
        DrawChimney(cr, -30, 10, wallTop + 10, wallTop + 34);
    if (level == 1 || level == 2)
        Shed(cr);
    if (level >= 3) {
        Wing(cr);
        DrawPennant(cr, -10, 0, wallTop + 30, 22, kHoney);
    }
    Yard(cr, level);
}

void UnderConstruction(cairo_t* cr, Stage stage) {
    DrawPlot(cr, -68, 68, -44, 44);
    if (stage.k == 0) {
        DrawPlanks(cr, -30, -8, 3);
        DrawStoneHeap(cr, 30, 8);
        DrawLogPile(cr, 48, -22, 3);
        return;
    }
    const double full = Z0 + 34;
    DrawBoxSite(cr, stage, {A0, A1, B0, B1, Z0, full}, {A0, A1, B0, B1, full, full + 30, 5, true},
                kWall, kTiles, [&] { Cottage(cr, full, true); });
    DrawPlanks(cr, 48, -24, stage.k < kStages ? 2 : 1);
}

}  // namespace

SpriteDef HouseSprite() {
    return BuildingSprite("house00", kStages, kLevels, UnderConstruction, Finished);
}

}  // namespace artgen
