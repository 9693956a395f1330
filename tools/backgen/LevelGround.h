#pragma once
// What a level file tells about its ground: the grid's terrain, the cells
// under water (flooding cells and the footprints of lakes and bridges) and the
// names of its background pictures. Read through the game's own level reader,
// so the picture always follows the file the game loads.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "scene/LevelGrid.h"

namespace backgen {

struct cLevelGround {
    std::array<int32_t, kGridCells> terrain{};
    std::vector<cCell> water;
    std::vector<std::string> backNames;  // each background object's name, once each
};

// False (with the reason in `error`) when the file cannot be read.
bool ReadLevelGround(const std::string& path, cLevelGround* out, std::string* error);

}  // namespace backgen
