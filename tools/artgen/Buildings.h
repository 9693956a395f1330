#pragma once
// The island's buildings as scene sprites. Unless a sprite says otherwise its
// anchor is the centre of its footprint on the ground, and the overlays of a
// building (flag aside) share that anchor, so they line up when drawn at the
// building's position.
//
// Building sprites that show construction are progress sprites: frame k of a
// building with n stages is stage k (0 the bare plot, n the shell under a
// half-laid roof), and the frames after them are the finished building at
// level 0, 1, ...; they play at as many frames per second as they have.
#include <vector>

#include "tools/artgen/SpriteSheet.h"

namespace artgen {

SpriteDef HouseSprite();
// The construction zones and the upgrade icons.
std::vector<SpriteDef> SiteSprites();
// The camp with its shadow and flag.
std::vector<SpriteDef> CampSprites();
SpriteDef SawmillSprite();
// The mill with its sails and shadow.
std::vector<SpriteDef> MillSprites();
// The gold mill with its fire and trip hammer.
std::vector<SpriteDef> GoldMillSprites();
// The tower and the enemies' tower.
std::vector<SpriteDef> TowerSprites();
// The bell's frame and the swinging bell.
std::vector<SpriteDef> BellSprites();
SpriteDef AltarSprite();
// The monuments paid bit by bit.
SpriteDef LighthouseSprite();
SpriteDef StatueSprite();
SpriteDef HarvestShrineSprite();
SpriteDef CastleSprite();

}  // namespace artgen
