#pragma once
// Shapes the interface, the medals, the map and the portraits share: stars,
// the three medal metals, keys, glows and twinkles, so a gold medal on the map
// looks like the gold cup of the results and the gold mark of the clock.
#include <cairo.h>

#include "tools/common/Palette.h"

namespace artgen {

// A star of `points` spikes between the two radii, the first spike pointing
// `turn` radians from the right (−π/2 points up).
void StarPath(cairo_t* cr, double cx, double cy, double outer, double inner, int points,
              double turn);

// Light, middle and shadow tone of a medal metal.
struct Metal {
    datakit::Rgb light, base, dark;
};
extern const Metal kGoldMetal;
extern const Metal kSilverMetal;
extern const Metal kBronzeMetal;

// Fills the current path with the metal, lit from the top left, and consumes it.
void FillMetal(cairo_t* cr, const Metal& metal, double y, double h);

// A round medal of radius r: a rim, a face, and `stars` cream stars (1 to 3)
// on it; `line` is the outline width. Three stars for gold, two for silver,
// one for bronze, so the metals tell apart even without their colour.
void PaintMedalDisc(cairo_t* cr, double cx, double cy, double r, const Metal& metal, int stars,
                    double line);

// A golden key lying at `angle`, its bow centred on (x, y), `length` long.
void PaintKey(cairo_t* cr, double x, double y, double length, double angle, double line);

// A soft radial glow of `color`, strongest at the centre.
void Glow(cairo_t* cr, double cx, double cy, double radius, datakit::Rgb color, double alpha);

// A four-pointed twinkle.
void TwinkleStar(cairo_t* cr, double cx, double cy, double radius, double alpha);

// The path of an arched doorway: straight sides from the ground up to
// `spring`, a half circle over them.
void DoorArch(cairo_t* cr, double cx, double ground, double half, double spring);

// A pole from `foot` up to `top` with a pennant of `length` streaming right.
void Pennant(cairo_t* cr, double x, double top, double foot, double length, datakit::Rgb color,
             double line);

// The islanders' straw hat: a wide brim, a round crown rising to `crownTop`,
// and a band of `band` round the crown.
void StrawHat(cairo_t* cr, double cx, double brimY, double brimRx, double brimRy, double crownHalf,
              double crownTop, datakit::Rgb band, double line);

// A soft shadow on the ground below an object.
void SoftGroundShadow(cairo_t* cr, double cx, double cy, double rx, double ry, double alpha);

// Runs `paint(frame)` with the origin moved to each of `frames` cells laid left
// to right, `columns` to a row, each w x h and clipped a pixel inside its
// edges so that filtering never mixes neighbouring frames.
template <class Paint>
void PaintFrames(cairo_t* cr, int frames, int columns, int w, int h, Paint paint) {
    for (int f = 0; f < frames; ++f) {
        cairo_save(cr);
        cairo_translate(cr, (f % columns) * w, (f / columns) * h);
        cairo_rectangle(cr, 1, 1, w - 2, h - 2);
        cairo_clip(cr);
        paint(f);
        cairo_restore(cr);
    }
}

}  // namespace artgen
