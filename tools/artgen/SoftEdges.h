#pragma once
// Soft edges for art that glows or drifts (particles, shadows, beams): the
// shapes are drawn crisp into a scratch picture, blurred, and laid onto the
// texture.
#include <cairo.h>
#include <functional>

namespace artgen {

// Box-blurs a premultiplied ARGB32 surface `passes` times with the radius in
// pixels (three passes come close to a Gaussian).
void BlurSurface(cairo_surface_t* surface, int radius, int passes = 3);

// Runs `draw` on a scratch picture of w × h, blurs it and paints it onto `cr`
// at (x, y) with `alpha`.
void PaintBlurred(cairo_t* cr, double x, double y, int w, int h, int radius, double alpha,
                  const std::function<void(cairo_t*)>& draw);

}  // namespace artgen
