#pragma once
// A scene description as the compiler reads it: what the designer wrote,
// statement by statement, with the line each came from.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "engine/SpriteBatch.h"
#include "scene/LevelGrid.h"

namespace scenec {

enum class eSceneKind { kNone, kLevel, kMap, kRoom };

// Where an object stands: a world point, or the cell its footprint starts at.
struct cPlacement {
    bool byCell = false;
    cCell cell;
    qor::cVec2 at;
};

struct cSourceObject {
    int line = 0;
    uint32_t type = 0;
    std::u16string kind;
    cPlacement where;
    std::u16string name;
    std::optional<int> layer;
    uint32_t flags = 0;
    std::optional<uint32_t> id;
    int derivedPlaces = 0;        // work places to derive around the footprint
    bool deriveApproach = false;  // an approach point to derive in front of it
    std::string owner;            // for work places and approach points: a name or "@id"
    int32_t pointLevel = 0;       // for map points: the level index, from 0
    // The statement could not be read whole (its syntax error is reported):
    // it keeps its place, name and id so that the rest can still be checked,
    // but is checked no further itself.
    bool broken = false;
};

struct cFloodCell {
    int line = 0;
    cCell cell;
};

// A cell whose terrain is a kind the grid's characters do not draw.
struct cTerrainCell {
    int line = 0;
    cCell cell;
    int32_t kind = 0;
};

struct cSceneSource {
    eSceneKind kind = eSceneKind::kNone;
    std::u16string levelName;
    int gridLine = 0;         // 0 while no grid was given
    bool gridBroken = false;  // a row could not be read: the ground is unknown
    std::array<int32_t, kGridCells> cells{};
    std::vector<cTerrainCell> terrain;
    std::vector<cFloodCell> flood;
    std::vector<cSourceObject> objects;
    int routeLine = 0;               // 0 while no explicit route was given
    std::vector<std::string> route;  // empty after "route none"
    std::optional<uint32_t> nextId;
    int nextIdLine = 0;
};

struct cSourceError {
    int line = 0;
    std::string message;
};

using cErrors = std::vector<cSourceError>;

}  // namespace scenec
