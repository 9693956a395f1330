#pragma once
// The icon of a level goal, chosen by the kind of object the goal counts
// ("house00", "worker", "food" ...). Icons are areas of the texture "gui00".
#include <string_view>

#include "level/tables/SpriteName.h"

inline constexpr std::u16string_view kTaskIconTexture = u"gui00";

// A kind the table names exactly ("house00" ...), or one of the families
// matched by their beginning ("worker...", "food...", "wood...", "money...").
// Empty for other targets.
SpriteName GetTaskIcon(std::u16string_view target);
