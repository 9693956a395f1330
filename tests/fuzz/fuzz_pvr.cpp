// Feeds arbitrary bytes to the PVR decoder: it must return a code, never crash,
// read out of bounds or allocate without bound.
#include <cstddef>
#include <cstdint>

#include "engine/Image.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    qor::cImage image;
    if (qor::DecodePvr(&image, data, size, u"fuzz.pvr") == 0) {
        // The level must be exactly what the format says, or the renderer's
        // upload would overrun it.
        if (image.levels.size() != 1 ||
            image.levels[0].size() !=
                qor::ImageLevelSize(image.format.id, image.width, image.height)) {
            __builtin_trap();
        }
    }
    return 0;
}
