#pragma once
// Sprites found by name alone, cut from cells of their texture.
#include <string>

#include "tools/artgen/TextureBook.h"

namespace artgen {

// A sprite of `frames` cells of w x h pixels laid left to right from (x, y)
// (pixels from the top-left corner of a texW x texH texture), drawn at the
// object's position minus the anchor (ax, ay), pixels from a frame's
// lower-left corner.
inline ExSprite CellSprite(const std::string& name, int texW, int texH, int x, int y, int w, int h,
                           double ax, double ay, int frames = 1, double fps = 30) {
    ExSprite sprite{name, fps, {}};
    for (int f = 0; f < frames; ++f) {
        sprite.frames.push_back({ax, ay, double(x + f * w) / texW, double(texH - y - h) / texH,
                                 double(w) / texW, double(h) / texH, double(w), double(h)});
    }
    return sprite;
}

}  // namespace artgen
