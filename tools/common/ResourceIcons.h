#pragma once
// The four resource pictures (wood, food, money, mana). The fonts carry them as
// glyphs so that prices can be written inline in text, and the game's icon
// sheets draw the same shapes larger.
#include <cairo.h>

namespace datakit {

enum class Resource { kWood, kFood, kMoney, kMana };

// Draws the icon filling the square (x, y, size) of cairo's top-left space.
void DrawResourceIcon(cairo_t* cr, Resource resource, double x, double y, double size);

}  // namespace datakit
