// Feeds arbitrary bytes to the level reader: it must never crash, hang or
// read out of bounds, the scene it builds must survive ticks, drawing and
// picking, and what it read must save to a file that reads back the same.
#include <cstddef>
#include <cstdint>

#include "scene/LevelFile.h"
#include "tests/fuzz/FuzzScene.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::cFuzzScene scene;
    qor::cBitStream in;
    in.Load(data, size);
    cLevelFile level;
    ReadLevelFile(in, *scene.widget, level);
    qor::cBitStream saved;
    WriteLevelFile(*scene.widget, level, saved);
    fuzz::Exercise(*scene.widget, scene.services);

    fuzz::cFuzzScene again;
    qor::cBitStream copy;
    const std::vector<uint8_t> bytes = fuzz::Bytes(saved);
    copy.Load(bytes.data(), bytes.size());
    cLevelFile reread;
    ReadLevelFile(copy, *again.widget, reread);
    qor::cBitStream resaved;
    WriteLevelFile(*again.widget, reread, resaved);
    if (fuzz::DistinctIds(*scene.widget) && fuzz::Bytes(resaved) != bytes)
        __builtin_trap();
    return 0;
}
