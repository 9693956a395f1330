#pragma once
// What blocks the island's paths: fallen logs, stones, broken bridges, the
// ice of frozen lakes, and the enemies' lairs. Anchors are the centre of the
// footprint on the ground, as for buildings.
//
// Barriers and bridges are progress sprites: a progress value from 0 to 1
// given as the time picks the frame of that step of the work (barriers from
// whole to nearly cleared, bridges from broken to repaired).
#include <vector>

#include "tools/artgen/SpriteSheet.h"

namespace artgen {

// "log00", "stone00", "stone_big00".
std::vector<SpriteDef> BarrierSprites();
// "bridge00", "bridge01", "bridge_big00", "bridge_big01".
std::vector<SpriteDef> BridgeSprites();
// "ice": the frozen lake.
SpriteDef IceSprite();
// "base_enemy_gold", "base_enemy_spirit": the lairs the enemies come from.
std::vector<SpriteDef> LairSprites();

}  // namespace artgen
