#pragma once
// Pieces of Brindlemoor's landscape (sky, clouds, island, trees, cottage,
// windmill) for the title card and the loading screen. All randomness comes
// from a fixed-seed generator so every build draws the same picture.
#include <cairo.h>
#include <cstdint>

#include "tools/common/Palette.h"

namespace artgen {

class Rng {
  public:
    explicit Rng(uint32_t seed) : m_state(seed) {}
    double Next() {  // 0..1
        m_state = m_state * 1664525u + 1013904223u;
        return (m_state >> 8) / double(1 << 24);
    }
    double Range(double a, double b) { return a + (b - a) * Next(); }

  private:
    uint32_t m_state;
};

// The whole island scene in a 1024 x 768 logical space (y down). `sunX`
// places the sun; the scene leaves the upper third fairly calm for a title.
void PaintIslandScene(cairo_t* cr, uint32_t seed, double sunX);

// A smooth ridge of hills across [x0, x1] round the height `base`, closed down
// to `bottom` (y down), ready to fill.
void Ridge(cairo_t* cr, double x0, double x1, double base, double amp, double bottom, double phase,
           double freq);
void PaintCloud(cairo_t* cr, double x, double y, double scale);
void PaintRoundTree(cairo_t* cr, double x, double ground, double size, datakit::Rgb leaf);
void PaintPine(cairo_t* cr, double x, double ground, double size);
void PaintCottage(cairo_t* cr, double x, double ground, double size);
void PaintWindmill(cairo_t* cr, double x, double ground, double size, double angle);

}  // namespace artgen
