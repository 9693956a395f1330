#pragma once
// The way back: the description of a level (or map or room) file, read
// through the game's own readers. A file the compiler wrote comes back as a
// description that compiles to the same bytes. From a damaged file comes what
// can be said of it, as a description the compiler takes, and a list of what
// was left out (also comments in the text).
#include <cstdint>
#include <string>
#include <vector>

namespace scenec {

struct cDecompiled {
    std::string text;
    std::vector<std::string> dropped;  // what the text does not hold, one sentence each
    bool ok = true;                    // false: no text could be made that compiles
};

cDecompiled DecompileScene(const std::vector<uint8_t>& bytes, bool level);

}  // namespace scenec
