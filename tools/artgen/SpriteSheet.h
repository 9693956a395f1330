#pragma once
// Sheets of scene sprites. The game looks these sprites up by name alone:
// each is an extended atlas named after the sprite, whose frames carry their
// own rectangle and the offset of the sprite's anchor inside it, so the engine
// places the anchor on the object's position. Frames are drawn one at a time
// around their anchor, cropped to what they cover (less to fill on screen) and
// packed into one texture.
#include <cairo.h>

#include <functional>
#include <string>
#include <vector>

#include "tools/artgen/TextureBook.h"

namespace artgen {

// Draws one frame with the sprite's anchor at cairo's origin (y down).
using FramePainter = std::function<void(cairo_t*)>;

struct SpriteDef {
    std::string name;
    double fps = 1;
    std::vector<FramePainter> frames;
    // Frame 0 keeps the rectangle of every frame together, so that an object
    // whose animation rests on frame 0 while it shows a later picture still
    // has the bounds of the whole thing (buildings and bridges).
    bool firstFrameSpansAll = false;
};

// A sprite whose frames show progress from 0 to 1: one frame per step, played
// at as many frames per second as it has, so that a progress value given as
// the time (in seconds) picks the frame of that step.
SpriteDef ProgressSprite(const std::string& name, int frames,
                         const std::function<void(cairo_t*, int)>& paint,
                         bool firstFrameSpansAll = true);
// A looping animation, or a still picture when `frames` is 1.
SpriteDef LoopSprite(const std::string& name, int frames, double fps,
                     const std::function<void(cairo_t*, int)>& paint);

// A texture of `width` x `height` holding the sprites, with its atlas script.
// The sprites are drawn and packed when the texture is first painted or
// described; a sprite too big for its frame canvas or a sheet too small for
// its sprites stops the generator with a message.
TextureDef SpriteSheetTexture(const std::string& name, int width, int height,
                              std::function<std::vector<SpriteDef>()> sprites);
// The extended atlases of the sheet of that name, as Lua for its atlas
// script; empty for a texture that is not a sprite sheet.
std::string SpriteSheetScript(const std::string& textureName);

}  // namespace artgen
