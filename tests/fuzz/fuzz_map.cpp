// Feeds arbitrary bytes to the world map's readers: the map file and, with the
// same bytes, a player's map progress. Neither may crash or hang, and the
// progress the map saves must load back.
#include <cstddef>
#include <cstdint>

#include "scene/LvxFile.h"
#include "tests/fuzz/FuzzScene.h"
#include "world/Point.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::cFuzzScene scene;
    qor::cBitStream in;
    in.Load(data, size);
    ReadLvxFile(in, *scene.widget, kMapLoadSender);
    scene.widget->LoadObjectStates(in);
    fuzz::Exercise(*scene.widget, scene.services);

    qor::cBitStream progress;
    scene.widget->SaveObjectStates(progress, cPoint::kType);
    if (!scene.widget->LoadObjectStates(progress))
        __builtin_trap();  // every record the map wrote has its point
    return 0;
}
