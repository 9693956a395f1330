#pragma once
// Names and icons of the four resources. The names double as the area names
// of their icons in the texture "gui_main0" and as the suffix of the HUD
// controls that show them ("image_wood" ...).
#include <string_view>

#include "scene/ResourceSet.h"
#include "level/tables/SpriteName.h"

inline constexpr std::u16string_view kResourceIconTexture = u"gui_main0";

// "wood", "food", "money" or "mana"; empty for an index out of range.
std::u16string_view GetResourceName(int index);

// The resource a vector is shown by: its first non-zero entry in the order
// food, wood, money, mana (food leads, as harvests are what most goods are
// about); -1 when every entry is 0.
int GetResourceIconIndex(const ResourceSet& amounts);
// The icon of that resource in "gui_main0"; empty when every entry is 0.
SpriteName GetResourceIcon(const ResourceSet& amounts);
