#pragma once
// Helpers shared by the image decoders; not part of the engine's interface.
#include <cstdint>
#include <string>
#include <string_view>

namespace qor {

// Refuses a declared size that ImageSizeAllowed does not accept, with a log
// line naming the file kind ("PNG", "JPEG", "PVR"). Colour images of format 4
// are measured as the 4-byte pixels they become on loading.
bool CheckDecodedSize(std::u16string_view kind, int formatId, uint32_t w, uint32_t h,
                      const std::u16string& name);

}  // namespace qor
