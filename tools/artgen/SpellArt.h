#pragma once
// The six spells' pictures. Spell numbers 1..6: field growth, quick workers,
// water freeze, tree restore, enemy freeze, shield.
#include <cairo.h>

#include <vector>

#include "tools/artgen/SpriteSheet.h"
#include "tools/common/Palette.h"

namespace artgen {

inline constexpr int kSpellCount = 6;

// The game's name of a spell (1..6), which is also its icon's sprite name.
const char* SpellName(int spell);
// The colour of the spell's badge.
datakit::Rgb SpellColor(int spell);
// The spell's emblem in a circle of radius 20 around cairo's origin.
void DrawSpellEmblem(cairo_t* cr, int spell);

// "spell_*": the icons (64 x 64 badges, anchored at their centre) and, for
// the altars, "spell_*_off" (the emblem resting on a stone disc) and
// "spell_*_on" (the emblem glowing, 6 frames at 8 per second), anchored
// like the altar so the emblem hovers over its basin.
std::vector<SpriteDef> SpellSprites();

}  // namespace artgen
