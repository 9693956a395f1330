#pragma once
// The level file (".lvl"): a header with the level's name, the terrain of the
// 32 × 24 grid, the object records, then the links between objects (work
// places and approach nodes of their owners), the enemies' road and the cells
// that flood while the water is not frozen.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "scene/LevelGrid.h"
#include "scene/SceneRecords.h"

namespace qor {
class cBitStream;
}

class cBaseWidget;
class cObject;

inline constexpr char16_t kLevelLoadSender[] = u"cLevel::LoadLevel";

// What a level file holds besides the objects, which live in the scene.
struct cLevelFile {
    cLevelFile();

    int32_t& Cell(cCell c) { return cells[c.i * kGridRows + c.j]; }
    int32_t Cell(cCell c) const { return cells[c.i * kGridRows + c.j]; }

    uint32_t version = kSceneFileVersion;
    std::u16string name;  // selects the level's story
    // Terrain kind of every cell, column by column (index i * 24 + j), as
    // the ground lies without the objects on it.
    std::array<int32_t, kGridCells> cells;
    std::vector<cObject*> trajectory;  // the enemies' road, in order
    std::vector<cCell> floodCells;
};

// Clears the scene and reads a level into it and into `level`. Reading never
// fails as a whole: a bad record ends the object list (with a warning), links
// to ids that name no fitting object are skipped, and missing bytes read as
// zeros. The island's rim cells come out blocked whatever the file says.
void ReadLevelFile(qor::cBitStream& stream, cBaseWidget& scene, cLevelFile& level);
// Writes the scene and `level` as a version 4 level file into a cleared stream.
void WriteLevelFile(const cBaseWidget& scene, const cLevelFile& level, qor::cBitStream& stream);
