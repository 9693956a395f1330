#pragma once
// The way back: the description of a level (or map or room) file, read
// through the game's own readers. A file the compiler wrote comes back as a
// description that compiles to the same bytes; damaged files come back with
// comments where the description cannot say what the file holds.
#include <cstdint>
#include <string>
#include <vector>

namespace scenec {

std::string DecompileScene(const std::vector<uint8_t>& bytes, bool level);

}  // namespace scenec
