#pragma once
// Reads the text of a scene description into statements. Only the syntax is
// checked here; what the statements mean together is checked by CheckScene.
#include <string_view>

#include "tools/scenec/SceneSource.h"

namespace scenec {

// The grid's drawing characters and the terrain kinds they stand for.
char TerrainChar(int32_t kind);  // 0 for kinds without a character
bool CharTerrain(char c, int32_t* kind);

// Fills `out`; every problem found is added to `errors` with its line.
void ParseScene(std::string_view text, cSceneSource& out, cErrors& errors);

}  // namespace scenec
