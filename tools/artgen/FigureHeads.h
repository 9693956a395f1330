#pragma once
// Heads of the island's walkers, each readable at a glance: the worker's
// straw hat, the hero's plumed helmet, the goblin's ears and cap, the spirit's
// skull and the bandit's hood and mask.
#include <cairo.h>

#include "tools/artgen/FigureRig.h"

namespace artgen {

struct FaceStyle {
    datakit::Rgb skin;
    datakit::Rgb cheek;
    double eyeScale = 1;
    bool nose = true;
    bool brows = false;  // a scowl
};

// Eyes, cheeks and mouth for the head's view and expression (none from behind).
void PaintFace(cairo_t* cr, const HeadPose& h, const FaceStyle& style);

void PaintWorkerHead(cairo_t* cr, const HeadPose& h);
void PaintHeroHead(cairo_t* cr, const HeadPose& h);
void PaintGoblinHead(cairo_t* cr, const HeadPose& h);
void PaintSkullHead(cairo_t* cr, const HeadPose& h);
void PaintBanditHead(cairo_t* cr, const HeadPose& h);

namespace looks {
constexpr datakit::Rgb kSkin = datakit::Hex(0xF7C9A0);
constexpr datakit::Rgb kCheek = datakit::Hex(0xF08C7A);
constexpr datakit::Rgb kHair = datakit::Hex(0x7A4A26);
constexpr datakit::Rgb kStraw = datakit::Hex(0xF3D27A);
constexpr datakit::Rgb kGoblinSkin = datakit::Hex(0xA9C25C);
constexpr datakit::Rgb kBone = datakit::Hex(0xF1EAD6);
constexpr datakit::Rgb kSpiritGlow = datakit::Hex(0x7FE3F0);
constexpr datakit::Rgb kHood = datakit::Hex(0x4B4F63);
}  // namespace looks

}  // namespace artgen
