// The sheets of the island's structures (data/texture/structures): the
// buildings, the obstacles and the spells. What is drawn together shares a
// sheet; every sheet is 1024 x 1024.
#include "tools/artgen/Buildings.h"
#include "tools/artgen/Obstacles.h"
#include "tools/artgen/SpellArt.h"

namespace artgen {

namespace {

void Append(std::vector<SpriteDef>& to, std::vector<SpriteDef> more) {
    for (auto& sprite : more)
        to.push_back(std::move(sprite));
}

}  // namespace

void AddStructureTextures(std::vector<TextureDef>& book) {
    // the camp, the houses, what the player builds first, and the spells
    book.push_back(SpriteSheetTexture("structures0", 1024, 1024, [] {
        std::vector<SpriteDef> sprites{HouseSprite()};
        Append(sprites, CampSprites());
        Append(sprites, SiteSprites());
        Append(sprites, TowerSprites());
        Append(sprites, BellSprites());
        Append(sprites, SpellSprites());
        return sprites;
    }));
    // production, the spell altar, the enemies' lairs, barriers and ice
    book.push_back(SpriteSheetTexture("structures1", 1024, 1024, [] {
        std::vector<SpriteDef> sprites{SawmillSprite(), AltarSprite(), IceSprite()};
        Append(sprites, MillSprites());
        Append(sprites, GoldMillSprites());
        Append(sprites, LairSprites());
        Append(sprites, BarrierSprites());
        return sprites;
    }));
    // the monuments paid bit by bit
    book.push_back(SpriteSheetTexture("structures2", 1024, 1024, [] {
        return std::vector<SpriteDef>{LighthouseSprite(), StatueSprite(), HarvestShrineSprite()};
    }));
    // the castle and the bridges
    book.push_back(SpriteSheetTexture("structures3", 1024, 1024, [] {
        std::vector<SpriteDef> sprites{CastleSprite()};
        Append(sprites, BridgeSprites());
        return sprites;
    }));
}

}  // namespace artgen
