#pragma once
// The scene compiler: a readable scene description in, the bytes of a level
// (".lvl") or map and room (".lvx") file out.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "tools/scenec/SceneSource.h"

namespace scenec {

class cArtList;

struct cCompiled {
    eSceneKind kind = eSceneKind::kNone;
    std::vector<uint8_t> bytes;
};

// False when the description cannot work; each problem is one message of the
// form "FILE:LINE: text". The same text always gives the same bytes.
// With `art`, decor and backgrounds must name art the data build makes.
bool CompileScene(std::string_view text, const std::string& fileName, cCompiled& out,
                  std::vector<std::string>& messages, const cArtList* art = nullptr);

// The extension of the file a scene of that kind compiles to.
const char* SceneExtension(eSceneKind kind);

}  // namespace scenec
