#pragma once
// Cutting big quads down to the part of their texture that can show. A tree
// sprite is half transparent margin, and a software rasteriser pays for every
// pixel of a quad, seen or not. Under alpha blending or the alpha test the
// pixels over clear texels leave no trace, so a big quad is redrawn as a strip
// of a few trapezoids that hugs the cells of its texture that are not clear
// (see engine/TextureCoverage.h).
//
// The strip leaves the pixels the quad leaves:
//  - Its vertices lie on the quad's own affine map, so every pixel it covers
//    samples where it sampled before; the pixels it leaves out sampled clear
//    texels only.
//  - Neighbouring trapezoids share their vertices, so the rasteriser's fill
//    rule gives every pixel on a seam to exactly one of them.
//  - The rasteriser interpolates texture coordinates over each triangle from
//    its own corners, so a pixel may come out one step of rounding apart.
//    That much holds where the cuts lie along pixel rows or columns (upright,
//    mirrored and sideways-leaning quads, at any scale); a turned quad is
//    drawn as it came.
// Each trapezoid costs the rasteriser a setup and a visit to every tile it
// touches, so a strip is cut only where the pixels a cut leaves out outweigh
// that (never inside the rasteriser's blocks of 4 × 4 pixels), and a quad
// that would lose little of its area is drawn as it came.
#include <cstdint>

#include "engine/Render.h"

namespace qor {

class cTextureCoverage;

struct cTrimSettings {
    // Whether the texture repeats past its edges (else it is clamped).
    bool wrap = true;
    // How virtual units map to window pixels, and the window's height; no
    // quad is cut without them.
    bool mapped = false;
    cPixelMapping mapping;
    int windowHeight = 0;
};

// Writes the triangles [first, first + count) of `in` to `out`, each big quad
// replaced by its strip. The number of vertices written, or -1 when they would
// not fit into `capacity` (then `out` holds nothing useful).
int TrimQuads(const cVertex* in, int count, const cTextureCoverage& coverage,
              const cTrimSettings& settings, cVertex* out, int capacity);

}  // namespace qor
