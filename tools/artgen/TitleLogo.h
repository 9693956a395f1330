#pragma once
#include <cairo.h>

#include "tools/artgen/TextureBook.h"

namespace artgen {

// The game's name as a logo, arched, centred on (cx, baseline) in a 1024-wide
// logical space scaled by `scale`.
void PaintTitleLogo(cairo_t* cr, const PaintContext& context, double cx, double baseline,
                    double scale);

}  // namespace artgen
