#pragma once
// The pieces every head of the figures is built from: placing the head,
// hair, ears, the round skull of a living head, and the face.
#include <cairo.h>

#include "tools/artgen/FigureHeads.h"

namespace artgen::heads {

bool IsSide(const HeadPose& h);
// Moves the origin to the head's centre (saving the state); side views turn
// with the head. The caller restores.
void Enter(cairo_t* cr, const HeadPose& h);
// How far a nod moves the face down in front and back views.
double Nod(const HeadPose& h);
// Hair over the back and top of a round head, clipped to it.
void HairCap(cairo_t* cr, const HeadPose& h, datakit::Rgb hair, double fringe);
// Ears: from the front and back they stick out behind the head's edge (drawn
// before the head); from the side one sits on the head (SideEar, drawn over
// the hair).
void Ears(cairo_t* cr, const HeadPose& h, datakit::Rgb skin);
void SideEar(cairo_t* cr, const HeadPose& h, datakit::Rgb skin);
// A round head: the side view's nose first, so the head covers its root.
void RoundHead(cairo_t* cr, const HeadPose& h, datakit::Rgb skin, double noseSize = 0.24);
void Outline(cairo_t* cr, double r);
// A dome over the head from its brim up, as a path.
void Dome(cairo_t* cr, double cx, double base, double halfWidth, double height);

}  // namespace artgen::heads
