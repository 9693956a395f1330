#pragma once
// The lines of the hints shown next to resource sources and obstacles: the
// object's name, the price compared with what the player has, the profit, or
// a note that the work has begun. Every line ends with "\n".
#include <string>

#include "scene/ResourceSet.h"

class cObject;

// The localized text of `key` as a line.
std::u16string HintLine(const cObject& object, const char16_t* key);
// "Price: " and the price, red where the player has less.
std::u16string PriceLine(const cObject& object, const ResourceSet& price);
// "Profit: " and the profit.
std::u16string ProfitLine(const cObject& object, const ResourceSet& profit);
// Once the work has begun, the line saying so; before, the price line.
std::u16string WorkLine(const cObject& object, bool begun, const ResourceSet& price);
// A source's hint: its name; that the work has begun, or its price when it
// has one; what one job gives; and, while a worker is at it and another may
// join, the invitation to send one more.
std::u16string SourceHint(const cObject& object, bool begun, const ResourceSet& price,
                          const ResourceSet& profit);
