#pragma once
// Writes a checked scene through the game's own scene objects and file
// writers, so that the compiler and the game cannot disagree on the format.
// Runs without a game: the scene it builds belongs to the caller.
#include "engine/BitStream.h"
#include "tools/scenec/SceneCheck.h"

namespace scenec {

void WriteScene(const cCheckedScene& scene, qor::cBitStream& out);

}  // namespace scenec
