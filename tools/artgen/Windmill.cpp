// The mill: a round cream tower under a wooden cap, its sails turning when
// it grinds.
//
// "mill00": frames 0..3 construction, 4 finished, without sails (footprint
// 2 x 2, anchor at its centre). "mill00_screw": the sails, 6 frames turning
// a quarter round at 10 frames per second (the sails repeat every quarter
// turn), same anchor; drawn over the finished mill, looping while it grinds
// and resting on frame 0 otherwise. "mill00_sh": the mill's shadow with its
// sails, same anchor, drawn before the mill.
#include <cmath>

#include "tools/artgen/Buildings.h"
#include "tools/artgen/ConstructionKit.h"

namespace artgen {

namespace {

using namespace datakit;
using namespace datakit::palette;

constexpr int kStages = 3;
constexpr double kBody0 = 24, kBody1 = 17, kBodyTop = 84, kCapTop = 118, kCapR = 21;
// The hub of the sails, projected: on the cap's front, toward the viewer.
constexpr double kHubX = 0, kHubY = -82.5;

double BodyRadius(double z) {
    return kBody0 + (kBody1 - kBody0) * (z - 12) / (kBodyTop - 12);
}

void Body(cairo_t* cr, double top) {
    DrawDrum(cr, 0, 0, 27, 26, 0, 12, kStone);
    DrawDrum(cr, 0, 0, kBody0, BodyRadius(top), 12, top, kCream, top >= kBodyTop);
    if (top < kBodyTop)
        DrawOpenTop(cr, 0, 0, BodyRadius(top), top, kCream);
    if (top >= kBodyTop) {
        InDrumFront(cr, 0, 0, kBody0 - 0.5, [&] { ArchPath(cr, 0, 12, 12, 20); });
        Fill(cr, kWood);
        InDrumFront(cr, 0, 0, BodyRadius(52) - 0.5, [&] { cairo_rectangle(cr, -4.5, 48, 9, 10); });
        Fill(cr, Hex(0xFFE08A), kDetail + 0.3);
    }
}

void Cap(cairo_t* cr, double fill) {
    if (fill >= 1) {
        DrawCone(cr, 0, 0, kCapR, kBodyTop, kCapTop, kWood);
        // boards of the cap running up to its tip
        for (int k = 0; k < 5; ++k) {
            const double t = (240 + 30 * k) * M_PI / 180;
            MoveTo(cr, {kCapR * std::cos(t), kCapR * std::sin(t), kBodyTop});
            LineTo(cr, {0, 0, kCapTop});
        }
        Line(cr, kWoodDark, kDetail, 0.6);
        const P2 tip = Project({0, 0, kCapTop});
        Circle(cr, tip.x, tip.y - 1, 2.5);
        Fill(cr, kGold, 1.2);
        return;
    }
    // ribs of the cap, covered from the bottom up
    for (int k = 0; k < 7; ++k) {
        const double t = (216 + 30 * k) * M_PI / 180;
        MoveTo(cr, {kCapR * std::cos(t), kCapR * std::sin(t), kBodyTop});
        LineTo(cr, {0, 0, kCapTop});
    }
    InkedLine(cr, kWoodLight, 1.6);
    if (fill > 0) {
        const P2 tip = Project({0, 0, kCapTop});
        cairo_save(cr);
        cairo_rectangle(cr, -60, tip.y + (1 - fill) * (kCapTop - kBodyTop) + 6, 120, 60);
        cairo_clip(cr);
        DrawCone(cr, 0, 0, kCapR, kBodyTop, kCapTop, kWood);
        cairo_restore(cr);
    }
}

void Finished(cairo_t* cr, int) {
    Body(cr, kBodyTop);
    Cap(cr, 1);
    DrawStoneHeap(cr, 34, -30, 0.7);
}

void UnderConstruction(cairo_t* cr, Stage stage) {
    DrawPlot(cr, -44, 44, -44, 44);
    if (stage.k == 0) {
        DrawStoneHeap(cr, -12, -8, 1.2);
        DrawPlanks(cr, 22, 16, 2);
        return;
    }
    const double top = 12 + (kBodyTop - 12) * stage.Walls();
    Body(cr, top);
    if (stage.Roof() >= 0)
        Cap(cr, stage.Roof());
    DrawRoundScaffold(cr, 0, 0, kBody0, std::min(kBodyTop, top + 10), top - 4);
    DrawPlanks(cr, 26, -34, 1);
}

// The sails seen from the front, turned by `angle`.
void Sails(cairo_t* cr, int frame) {
    const double angle = frame * M_PI / 12;
    cairo_save(cr);
    cairo_translate(cr, kHubX, kHubY);
    for (int k = 0; k < 4; ++k) {
        cairo_save(cr);
        cairo_rotate(cr, angle + k * M_PI / 2);
        // the lattice sail on the spar's trailing side
        cairo_rectangle(cr, 12, 1.5, 40, 11);
        Fill(cr, kCream, 1.3);
        for (double s = 20; s < 52; s += 8) {
            cairo_move_to(cr, s, 1.5);
            cairo_line_to(cr, s, 12.5);
        }
        cairo_move_to(cr, 12, 7);
        cairo_line_to(cr, 52, 7);
        Line(cr, kWoodLight, 1.0);
        cairo_rectangle(cr, 0, -1.6, 54, 3.2);
        Fill(cr, kWood, 1.2);
        cairo_restore(cr);
    }
    Circle(cr, 0, 0, 5);
    Fill(cr, kWoodDark, 1.4);
    Circle(cr, 0, 0, 1.8);
    FillFlat(cr, kGold, 0);
    cairo_restore(cr);
}

void Shadow(cairo_t* cr) {
    GroundShadowDisc(cr, 0, 0, 27, 0.3);
    // the tower's and the sails' shade falls back to the right
    InGround(cr, 0, [&] {
        cairo_save(cr);
        cairo_translate(cr, 40, 34);
        cairo_rotate(cr, 0.6);
        cairo_scale(cr, 46, 16);
        Circle(cr, 0, 0, 1);
        cairo_restore(cr);
    });
    FillFlat(cr, Rgb{0.16, 0.12, 0.02}, 0, 0.14);
}

}  // namespace

std::vector<SpriteDef> MillSprites() {
    return {BuildingSprite("mill00", kStages, 1, UnderConstruction, Finished),
            LoopSprite("mill00_screw", 6, 10, Sails),
            LoopSprite("mill00_sh", 1, 1, [](cairo_t* cr, int) { Shadow(cr); })};
}

}  // namespace artgen
