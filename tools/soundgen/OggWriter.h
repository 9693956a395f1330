#pragma once
#include <cstdint>
#include <string>

#include "tools/soundgen/Synth.h"

namespace synth {

// Encodes mono samples as Ogg Vorbis with a fixed stream serial number (so the
// same samples always give the same bytes) and writes the file.
bool WriteOgg(const std::string& path, const Buffer& samples, float quality, uint32_t serial,
              std::string* error);

}  // namespace synth
