#pragma once
// The sprite shader programs. They stand in for the fixed-function pipeline:
// orthographic transform, bottom-up texture v, texture × vertex colour / tint
// combinations and the alpha test. Each combination and the alpha test is a
// program of its own rather than a branch on uniforms: a software rasteriser
// runs every fragment through the whole shader, and a shader that may discard
// keeps it from treating opaque draws as opaque.
#include <string>

namespace qor {

// Attribute locations of the vertex stream.
inline constexpr unsigned kAttribPosition = 0;
inline constexpr unsigned kAttribColor = 1;
inline constexpr unsigned kAttribTexCoord = 2;

// Beyond the colour modes: the texture alone, for vertices that are all opaque white.
inline constexpr int kColorPlainTexture = 4;

// Compiles and links the program for one colour mode (eColorMode or
// kColorPlainTexture) with or without the alpha test, reading the texture or
// taking every texel as opaque white, in the current context; 0 with the
// reason in `error` when the driver refuses it.
unsigned BuildSpriteProgram(int colorMode, bool alphaTest, bool whiteTexels, std::string* error);

}  // namespace qor
