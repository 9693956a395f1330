#pragma once
// Parts of the speakers' portraits: a head-and-shoulders figure facing the
// player inside a round wooden frame of kPortraitSide pixels. The parts are
// drawn in the frame's own coordinates (centre kPortraitC, y down) in the
// faces of the island's people: dot eyes with a glint, pink cheeks, soft
// brown outlines.
#include <cairo.h>

#include <functional>

#include "tools/common/Palette.h"

namespace artgen {

inline constexpr int kPortraitSide = 240;
inline constexpr double kPortraitC = kPortraitSide / 2.0;

// The usual proportions of a face; characters move parts as they please.
struct FaceLayout {
    double cx = kPortraitC, cy = 112;  // centre of the head
    double rx = 50, ry = 56;           // half width and half height
    double eyeY = 112, eyeGap = 21;    // eye line and half the distance between the eyes
    double mouthY = 145;
};

// The frame: background disc of `back`, the figure drawn by `figure` clipped
// to it, then the wooden ring over the edge.
void PaintPortraitFrame(cairo_t* cr, datakit::Rgb back,
                        const std::function<void(cairo_t*)>& figure);

// Shoulders and chest in `cloth` from the bottom of the frame up to `top`.
void Shoulders(cairo_t* cr, datakit::Rgb cloth, double top, double halfWidth);
void Neck(cairo_t* cr, const FaceLayout& f, datakit::Rgb skin);
// Ears, then the head's oval.
void Head(cairo_t* cr, const FaceLayout& f, datakit::Rgb skin);
// Open round eyes with glints; `lift` raises the lower lid for a smiling look.
void Eyes(cairo_t* cr, const FaceLayout& f, double size, double lift);
// Happy closed eyes, arcs bending upwards.
void SmilingEyes(cairo_t* cr, const FaceLayout& f, double size);
void Brows(cairo_t* cr, const FaceLayout& f, datakit::Rgb hair, double width, double tilt);
void Cheeks(cairo_t* cr, const FaceLayout& f, double alpha);
void Nose(cairo_t* cr, const FaceLayout& f, datakit::Rgb skin, double size);
// A smile `width` wide; `open` > 0 shows an open laughing mouth.
void Smile(cairo_t* cr, const FaceLayout& f, double width, double open);

// A straight band of `color`, `width` wide, with an outline of `ink` on each
// side: trims, straps.
void InkedSegment(cairo_t* cr, double x0, double y0, double x1, double y1, datakit::Rgb color,
                  double width, double ink);

// Fills the current path with `color` shaded top to bottom and outlines it.
void Shape(cairo_t* cr, datakit::Rgb color, double y, double h, double outline = 3);

}  // namespace artgen
