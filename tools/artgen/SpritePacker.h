#pragma once
// Packs animated scene sprites into one texture. Every frame is painted on its
// own canvas around the sprite's anchor, trimmed to what it really covers (the
// game draws less of nothing that way), identical frames are stored once, and
// the frames are laid out in shelves. The result gives each frame its place in
// the texture and its anchor, as the extended atlases of the game take them.
#include <cairo.h>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "tools/artgen/TextureBook.h"

namespace artgen {

// Paints one frame with the anchor at (0, 0), x to the right and y downwards,
// one unit per pixel of the 1024 x 768 game screen.
using FramePainter = std::function<void(cairo_t*)>;

// The canvas around the anchor that a frame may paint into.
struct CanvasBox {
    int left, top, right, bottom;  // relative to the anchor; left, top < 0 < right
};

struct SpriteArt {
    std::string name;
    double fps;
    CanvasBox canvas;
    std::vector<FramePainter> frames;
    // The anchor becomes each frame's lower-left corner, whatever was painted
    // around (0, 0): for icons the game places by their corner.
    bool cornerAnchor = false;
};

struct PackedSprites {
    std::shared_ptr<cairo_surface_t> surface;  // ARGB32, the texture's size
    std::vector<ExSprite> sprites;
    std::string error;  // set when the frames did not fit or a frame was empty
};

PackedSprites PackSprites(const std::vector<SpriteArt>& arts, int width, int height);

// A texture of the book made of packed sprites; `arts` is asked for once, the
// first time the texture is drawn or its atlas is written.
TextureDef SpriteTexture(const std::string& name, int width, int height,
                         std::function<std::vector<SpriteArt>()> arts);

}  // namespace artgen
