// The lighthouse: a striped tower on a stone plinth with a gallery, a glass
// lantern and a red dome.
//
// "lighthouse00": frames 0..3 construction, 4 finished (footprint 2 x 2,
// anchor at its centre). The lantern's middle is 120 units over the anchor,
// where the game lights its fire and smoke once the lighthouse is complete.
#include <cmath>

#include "tools/artgen/Buildings.h"
#include "tools/artgen/ConstructionKit.h"

namespace artgen {

namespace {

using namespace datakit;
using namespace datakit::palette;

constexpr int kStages = 3;
constexpr double kBase = 10, kBody = 96, kR0 = 22, kR1 = 14;
constexpr double kGallery = 100, kLantern0 = 104, kLantern1 = 134, kDome = 146;
const Rgb kStripe = Hex(0xD9544C);

double Radius(double z) {
    return kR0 + (kR1 - kR0) * (z - kBase) / (kBody - kBase);
}

void Tower(cairo_t* cr, double top) {
    DrawDrum(cr, 0, 0, 31, 30, 0, kBase, kStone);
    DrawDrum(cr, 0, 0, kR0, Radius(top), kBase, top, kCream, top >= kBody);
    if (top < kBody)
        DrawOpenTop(cr, 0, 0, Radius(top), top, kCream);
    for (double z = 30; z + 12 <= top; z += 26) {
        DrumBand(cr, 0, 0, Radius(z), Radius(z + 12), z, z + 12);
        FillFlat(cr, kStripe, kDetail);
    }
    InDrumFront(cr, 0, 0, kR0 - 0.5, [&] { ArchPath(cr, 0, kBase, 11, 18.5); });
    Fill(cr, kWood);
    if (top > 70) {
        InDrumFront(cr, 0, 0, Radius(64) - 0.5, [&] { cairo_rectangle(cr, -3, 56, 6, 9); });
        Fill(cr, Hex(0xFFE08A), kDetail + 0.2);
    }
}

void Gallery(cairo_t* cr) {
    DrawDrum(cr, 0, 0, 19, 19, kBody, kGallery, kStoneDark);
}

void Railing(cairo_t* cr) {
    for (int k = 0; k <= 8; ++k) {
        const double t = (216 + 22.5 * k) * M_PI / 180;
        MoveTo(cr, {18 * std::cos(t), 18 * std::sin(t), kGallery});
        LineTo(cr, {18 * std::cos(t), 18 * std::sin(t), kGallery + 7});
    }
    Line(cr, kInk, 1.4);
    DrumBand(cr, 0, 0, 18, 18, kGallery + 6, kGallery + 7.5);
    FillFlat(cr, kInk, 0);
}

void Lantern(cairo_t* cr, double fill) {
    if (fill >= 1) {
        DrawDrum(cr, 0, 0, 11, 11, kLantern0, kLantern1, Hex(0xFFF1B8), false);
        for (int k = 0; k < 4; ++k) {
            const double t = (234 + 36 * k) * M_PI / 180;
            MoveTo(cr, {11 * std::cos(t), 11 * std::sin(t), kLantern0});
            LineTo(cr, {11 * std::cos(t), 11 * std::sin(t), kLantern1});
        }
        Line(cr, kInk, 1.3);
        DrawCone(cr, 0, 0, 14, kLantern1, kDome, kStripe);
        const P2 tip = Project({0, 0, kDome + 2});
        Circle(cr, tip.x, tip.y, 2.4);
        Fill(cr, kGold, 1.1);
        return;
    }
    // the lantern's frame going up
    for (int k = 0; k < 5; ++k) {
        const double t = (220 + 36 * k) * M_PI / 180;
        MoveTo(cr, {11 * std::cos(t), 11 * std::sin(t), kLantern0});
        LineTo(cr, {11 * std::cos(t), 11 * std::sin(t),
                    kLantern0 + (kLantern1 - kLantern0) * std::max(0.3, fill)});
    }
    InkedLine(cr, kStoneDark, 1.4);
}

void Finished(cairo_t* cr, int) {
    GroundShadowDisc(cr, 0, 0, 32);
    Tower(cr, kBody);
    Gallery(cr);
    Lantern(cr, 1);
    Railing(cr);
    DrawStoneHeap(cr, 34, -28, 0.6);
}

void UnderConstruction(cairo_t* cr, Stage stage) {
    DrawPlot(cr, -44, 44, -44, 44);
    if (stage.k == 0) {
        DrawStoneHeap(cr, -14, -10, 1.3);
        DrawStoneHeap(cr, 16, 12, 1.0);
        return;
    }
    const double top = kBase + 8 + (kBody - kBase - 8) * stage.Walls();
    Tower(cr, top);
    if (stage.Walls() >= 1) {
        Gallery(cr);
        Lantern(cr, stage.Roof());
    }
    DrawRoundScaffold(cr, 0, 0, kR0, std::min(kBody, top + 8), top - 4);
    DrawStoneHeap(cr, 30, -32, 0.8);
}

}  // namespace

SpriteDef LighthouseSprite() {
    return BuildingSprite("lighthouse00", kStages, 1, UnderConstruction, Finished);
}

}  // namespace artgen
