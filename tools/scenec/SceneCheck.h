#pragma once
// Turns parsed statements into the objects a scene file will hold, and refuses
// what cannot work in the game: unknown kinds, overlapping footprints,
// objects off the island or on its rim, links to missing names, duplicate
// names and ids, options a kind does not take, art the data build does not make.
#include <array>
#include <string>
#include <vector>

#include "tools/scenec/SceneSource.h"

namespace scenec {

// One object as it will be written, in file order.
struct cFinalObject {
    int line = 0;
    uint32_t type = 0;
    std::u16string kind;
    qor::cVec2 position;
    std::u16string name;
    int layer = 0;
    uint32_t flags = 0;
    uint32_t id = 0;
    int owner = -1;  // index of the owner of a work place or approach point
    int32_t pointLevel = 0;
};

struct cCheckedScene {
    eSceneKind kind = eSceneKind::kNone;
    std::u16string levelName;
    std::array<int32_t, kGridCells> cells{};
    std::vector<cFinalObject> objects;
    std::vector<int> route;  // indices of the enemies' waypoints, in order
    std::vector<cCell> flood;
    uint32_t nextId = 1;
};

class cArtList;

// True when the scene can be written; every refusal is added to `errors`.
// With `art`, decor and backgrounds must name art from it.
bool CheckScene(const cSceneSource& source, cCheckedScene& out, cErrors& errors,
                const cArtList* art = nullptr);

}  // namespace scenec
