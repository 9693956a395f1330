#pragma once
#include <string>

#include "tools/artgen/TextureBook.h"

namespace artgen {

// The Lua text that declares a texture's areas with createTextureInfo and
// addTextureInfoNode5f, and its sprites looked up by name alone with
// createTextureInfoEx and addTextureInfoExNodes. Rectangles are written in
// texture units with y counted from the bottom edge, as the engine's atlases
// store them.
std::string AtlasScript(const TextureDef& def);

}  // namespace artgen
