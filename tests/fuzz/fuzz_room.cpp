// Feeds arbitrary bytes to the menu backdrop's reader: the room must load,
// live through ticks, drawing and picking, and save to a file that reads back
// the same.
#include <cstddef>
#include <cstdint>

#include "scene/LvxFile.h"
#include "tests/fuzz/FuzzScene.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::cFuzzScene scene;
    qor::cBitStream in;
    in.Load(data, size);
    ReadLvxFile(in, *scene.widget, kRoomLoadSender);
    qor::cBitStream saved;
    WriteLvxFile(*scene.widget, saved);
    fuzz::Exercise(*scene.widget, scene.services);

    fuzz::cFuzzScene again;
    const std::vector<uint8_t> bytes = fuzz::Bytes(saved);
    qor::cBitStream copy;
    copy.Load(bytes.data(), bytes.size());
    ReadLvxFile(copy, *again.widget, kRoomLoadSender);
    qor::cBitStream resaved;
    WriteLvxFile(*again.widget, resaved);
    if (fuzz::Bytes(resaved) != bytes)
        __builtin_trap();
    return 0;
}
