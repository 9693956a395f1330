#pragma once
// What the island's walkers carry: tools in hand, a sack over the shoulder,
// and the chips that fly when a stroke lands.
#include <cairo.h>

#include "tools/artgen/FigureRig.h"

namespace artgen {

void PaintAxe(cairo_t* cr, const Skeleton& s);
void PaintPick(cairo_t* cr, const Skeleton& s);
void PaintHammer(cairo_t* cr, const Skeleton& s);
void PaintSword(cairo_t* cr, const Skeleton& s, double glow);
void PaintClub(cairo_t* cr, const Skeleton& s);

// A tool in hand, drawn just in front of the hand that grips it.
Extra HeldExtra(const Skeleton& s, void (*paint)(cairo_t*, const Skeleton&));

// Where the held tool's head is on screen (for chips and sparks).
Point ToolHead(const Skeleton& s, double ahead);

// A sack slung over the shoulder of limb 0, held by the neck; `coins` shows
// gold at its mouth.
Extra ShoulderSack(const Skeleton& s, datakit::Rgb cloth, double size, bool coins);

// Chips flying from a blow at `at`: wood, stone or sparks by colour.
void PaintChips(cairo_t* cr, Point at, datakit::Rgb color, double spread, unsigned seed);

}  // namespace artgen
