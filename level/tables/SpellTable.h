#pragma once
// The six spells an altar can offer (kinds 1 to 6): the sprite of the altar's
// overlay, the key of the spell's name in the string table and its price in
// mana. Any other kind names nothing and costs nothing.
#include <string>
#include <string_view>

#include "scene/ResourceSet.h"

inline constexpr int kSpellFirst = 1;
inline constexpr int kSpellLast = 6;

// A resource vector with only the mana entry set; zero for an unknown kind.
ResourceSet GetSpellPrice(int kind);
// The sprite's area name ("spell_field_fast" ...); empty for an unknown kind.
std::u16string_view GetSpellSprite(int kind);
// The string-table key of the name ("SpellFieldFast" ...); empty for an unknown kind.
std::u16string_view GetSpellNameKey(int kind);
// The name in the current locale; empty for an unknown kind.
std::u16string GetSpellName(int kind);
