#pragma once
// The extended-atlas sprites of a folder of generated textures, read from
// their atlas scripts the way the game reads them (each sprite's texture,
// frame rate and frames with their anchors), without loading any pixels.
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "engine/Atlas.h"
#include "tests/ExFrameTable.h"

namespace qor::test {

struct cAtlasSprite {
    std::string texture;
    double fps = 0;
    std::vector<cExFrameRecord> frames;
};

// Every sprite the folder's atlas scripts make, by name; `error` tells the
// first script that failed.
std::map<std::string, cAtlasSprite> ReadAtlasSprites(const std::filesystem::path& folder,
                                                     std::string* error);

// The sprite as the game's look-up hands it out, on a texture without
// pixels: enough for geometry, timing and headless drawing.
cSpriteInfo ToSpriteInfo(const cAtlasSprite& sprite);

}  // namespace qor::test
