#include "tools/backgen/LevelGround.h"

#include <algorithm>
#include <fstream>
#include <iterator>

#include "engine/BitStream.h"
#include "engine/Strings.h"
#include "scene/BaseWidget.h"
#include "scene/LevelFile.h"
#include "scene/ObjectFactory.h"
#include "world/GameObjects.h"

namespace backgen {

bool ReadLevelGround(const std::string& path, cLevelGround* out, std::string* error) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        *error = path + ": cannot be read";
        return false;
    }
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (bytes.empty()) {
        *error = path + ": empty";
        return false;
    }
    qor::cBitStream stream;
    stream.Load(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
    cObjectFactory factory;
    RegisterGameObjects(factory);
    cBaseWidget scene(u"backgen", &factory);
    cLevelFile level;
    ReadLevelFile(stream, scene, level);

    out->terrain = level.cells;
    out->water = level.floodCells;
    std::vector<cObject*> objects;
    scene.CollectObjects(objects, scene_type::kLake | scene_type::kBridge, -1);
    for (const cObject* object : objects) {
        const cCellRect r =
            FootprintCells(object->GetPosition(), object->footprintWidth, object->footprintHeight);
        for (int i = r.firstI; i <= r.lastI; ++i) {
            for (int j = r.firstJ; j <= r.lastJ; ++j)
                out->water.push_back({i, j});
        }
    }
    scene.CollectObjects(objects, scene_type::kBack, -1);
    for (const cObject* object : objects) {
        const std::string name = qor::ToUtf8(object->kind);
        if (std::find(out->backNames.begin(), out->backNames.end(), name) == out->backNames.end())
            out->backNames.push_back(name);
    }
    scene.Clear();
    return true;
}

}  // namespace backgen
