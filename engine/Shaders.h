#pragma once
// The one shader program every quad is drawn with. It stands in for the
// fixed-function pipeline: orthographic transform, bottom-up texture v,
// texture × vertex colour / tint combinations and the alpha test.
#include <string>

namespace qor {

// Attribute locations of the vertex stream.
inline constexpr unsigned kAttribPosition = 0;
inline constexpr unsigned kAttribColor = 1;
inline constexpr unsigned kAttribTexCoord = 2;

// Compiles and links the program in the current context; 0 with the reason in
// `error` when the driver refuses it.
unsigned BuildSpriteProgram(std::string* error);

}  // namespace qor
