#pragma once
// The two pictures the viewer makes of the scene sprites.
#include <string>
#include <vector>

#include "tools/artview/SpriteAtlases.h"

namespace artview {

// Every sprite named in `only` or of a texture named there (all when empty): its name
// over its frames in a row, anchors on one line, on grass; a small cross
// marks each anchor when `marks` is set.
cairo_surface_t* ContactSheet(const SpriteAtlases& atlases, const std::vector<std::string>& only,
                              bool marks, const std::string& fontFile);

// A 1024 x 768 piece of island at game scale, described by a scene file:
//   water I0 J0 I1 J1            grid cells I0..I1 x J0..J1 are water
//   grid                         draw the cell grid faintly
//   cell NAME FRAME I J W H [DX DY]  sprite frame on the W x H cells from
//                                (I, J), moved by (DX, DY)
//   at NAME FRAME X Y            sprite frame with its anchor at world (X, Y)
// World coordinates have y up from the bottom of the screen, as in the game.
// Lines starting with '#' are comments. Null with a message on a bad line.
cairo_surface_t* MockScene(const SpriteAtlases& atlases, const std::string& sceneFile,
                           std::string* error);

// Gives back the fonts and cairo's caches; call once, after the pictures.
void ReleaseFonts();

// A copy `zoom` times as large, pixels kept sharp, for looking closely.
cairo_surface_t* Zoomed(cairo_surface_t* picture, int zoom);

}  // namespace artview
