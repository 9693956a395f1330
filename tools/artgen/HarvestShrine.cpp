// The harvest shrine (the altar key): a pillared pavilion on a broad stepped
// platform with the island's harvest laid on its altar. It is rebuilt from
// old ruins with food.
//
// "key_altar00": frame 0 the ruins (also the site before work starts),
// 1..4 construction, 5 finished; footprint 4 x 3 cells, anchor at its centre.
#include <cmath>

#include "tools/artgen/Buildings.h"
#include "tools/artgen/ConstructionKit.h"
#include "tools/artgen/Scenery.h"

namespace artgen {

namespace {

using namespace datakit;
using namespace datakit::palette;

constexpr int kStages = 4;
constexpr double PA = 84, PB0 = -60, PB1 = 58;  // platform
constexpr double CA = 54, CB0 = -30, CB1 = 36;  // pillars
constexpr double kFloor = 12, kPillar = 62, kBeam = 70;
// the altar table stands before the pavilion, at the top of the stair
constexpr double kTableB0 = -50, kTableB1 = -40, kTableMid = -45;
const Rgb kMarble = Hex(0xE3DDD0);
const Rgb kTiles = Hex(0x6FA35A);

void Platform(cairo_t* cr, double height) {
    DrawBox(cr, {-PA, PA, PB0, PB1, 0, std::min(height, 6.0)}, kStone, kStone);
    if (height > 6) {
        DrawBox(cr, {-PA + 8, PA - 8, PB0 + 8, PB1 - 8, 6, height}, kMarble, kMarble);
        // the stair in the middle of the front
        for (int k = 0; k < 3; ++k) {
            const double z = 2 * k;
            DrawBox(cr, {-18, 18, PB0 - 8 + 4 * k, PB0 + 8, z, z + 4}, kMarble, kMarble);
        }
    }
}

void Pillar(cairo_t* cr, double a, double b, double top) {
    DrawDrum(cr, a, b, 6, 6, kFloor, kFloor + 3, kMarble);
    DrawDrum(cr, a, b, 4.5, 4.5, kFloor + 3, top, kMarble, top >= kPillar);
    if (top >= kPillar)
        DrawBox(cr, {a - 6, a + 6, b - 6, b + 6, kPillar, kPillar + 3}, kMarble, kMarble);
}

void Pillars(cairo_t* cr, double top, bool back) {
    for (double a : {-CA, -CA / 3, CA / 3, CA}) {
        if (back) {
            Pillar(cr, a, CB1, top);
        } else {
            Pillar(cr, a, CB0, top);
        }
    }
    if (back) {
        Pillar(cr, -CA, (CB0 + CB1) / 2, top);
    } else {
        Pillar(cr, CA, (CB0 + CB1) / 2, top);
    }
}

void Offerings(cairo_t* cr) {
    DrawBox(cr, {-20, 20, kTableB0, kTableB1, kFloor, kFloor + 14}, kMarble, Hex(0xF2EEE6));
    // a golden sheaf, apples and a pumpkin on the altar
    const P2 p = Project({0, kTableMid, kFloor + 14});
    for (int k = -3; k <= 3; ++k) {
        cairo_move_to(cr, p.x + k * 1.2, p.y);
        cairo_line_to(cr, p.x + k * 2.6, p.y - 18);
    }
    Line(cr, kHoneyDark, 1.6);
    for (int k = -3; k <= 3; ++k) {
        Ellipse(cr, p.x + k * 2.6, p.y - 19, 1.6, 3);
    }
    Fill(cr, kHoney, 0.8);
    const P2 q = Project({-12, kTableMid, kFloor + 14});
    Ellipse(cr, q.x, q.y - 5, 7, 5.5);
    Fill(cr, Hex(0xF0902F), 1.2);
    cairo_move_to(cr, q.x, q.y - 10);
    cairo_line_to(cr, q.x + 1, q.y - 13);
    Line(cr, kLeafDark, 1.6);
    const P2 r = Project({13, kTableMid, kFloor + 14});
    for (int k = 0; k < 3; ++k) {
        Circle(cr, r.x - 4 + 4 * k, r.y - 3 - (k == 1 ? 3 : 0), 3);
        Fill(cr, k == 1 ? kLeaf : kBerry, 1.0);
    }
}

const Roof kRoof{-CA - 8, CA + 8, CB0 - 8, CB1 + 8, kBeam + 4, kBeam + 36, 4, true};

void Entablature(cairo_t* cr) {
    DrawBox(cr, {-CA - 8, CA + 8, CB0 - 8, CB1 + 8, kBeam - 4, kBeam + 4}, kMarble, kMarble);
    InFront(cr, CB0 - 8, [&] {
        for (double s = -CA; s <= CA; s += 12)
            datakit::Circle(cr, s, kBeam, 1.6);
    });
    FillFlat(cr, kGold, 0);
}

void Ruins(cairo_t* cr) {
    DrawBox(cr, {-PA, PA, PB0, PB1, 0, 3}, Hex(0xBDB6AA), Hex(0xC9C3B8));
    // stumps of the old pillars and a fallen drum
    const double stumps[][3] = {{-CA, CB1, 18}, {CA / 3, CB1, 10}, {-CA, CB0, 8}, {CA, CB0, 22}};
    for (const auto& s : stumps) {
        DrawDrum(cr, s[0], s[1], 5, 5, 3, s[2], Hex(0xC9C3B8));
    }
    Polygon(cr, {{-20, -40, 3}, {14, -48, 3}, {14, -48, 12}, {-20, -40, 12}});
    Fill(cr, Hex(0xC9C3B8));
    DrawStoneHeap(cr, 36, 10, 1.1);
    DrawStoneHeap(cr, -34, -14, 0.9);
    // weeds over it all
    Rng rng(77);
    for (int k = 0; k < 14; ++k) {
        const P2 p = Project({rng.Range(-PA, PA), rng.Range(PB0, PB1), 3});
        cairo_move_to(cr, p.x - 3, p.y);
        cairo_line_to(cr, p.x - 1, p.y - 6);
        cairo_move_to(cr, p.x, p.y);
        cairo_line_to(cr, p.x + 1, p.y - 8);
        cairo_move_to(cr, p.x + 3, p.y);
        cairo_line_to(cr, p.x + 3, p.y - 5);
    }
    Line(cr, kLeafDark, 1.6);
}

void Finished(cairo_t* cr, int) {
    GroundShadow(cr, -PA, PA, PB0, PB1);
    Platform(cr, kFloor);
    Pillars(cr, kPillar, true);
    Pillars(cr, kPillar, false);
    Entablature(cr);
    DrawRoof(cr, kRoof, kTiles, kMarble);
    Offerings(cr);
    DrawPennant(cr, 0, (CB0 + CB1) / 2, kBeam + 36, 24, kHoney);
    DrawFlowers(cr, -60, -70, 7, 3);
    DrawFlowers(cr, 60, -70, 7, 4);
}

void UnderConstruction(cairo_t* cr, Stage stage) {
    if (stage.k == 0) {
        Ruins(cr);
        return;
    }
    DrawPlot(cr, -92, 92, -68, 68);
    Platform(cr, stage.k == 1 ? 8 : kFloor);
    if (stage.k >= 2) {
        const double top = kFloor + (kPillar - kFloor) * std::min(1.0, (stage.k - 1) / 2.0);
        Pillars(cr, top, true);
        Pillars(cr, top, false);
        if (stage.k >= 3)
            Entablature(cr);
        if (stage.k == 4)
            DrawRoof(cr, kRoof, kTiles, kMarble, 0.55);
        DrawScaffold(cr, {-CA, CA, CB0, CB1, kFloor, top}, std::min(top, kPillar));
    }
    DrawStoneHeap(cr, 70, -64, 0.9);
    DrawPlanks(cr, -66, -66, 2);
}

}  // namespace

SpriteDef HarvestShrineSprite() {
    return BuildingSprite("key_altar00", kStages, 1, UnderConstruction, Finished);
}

}  // namespace artgen
