#pragma once
// The trader's eleven offers in the levels' stories, by name ("A016" is the
// offer of level 016; a level with two has "A020a" and "A020b").
#include <string_view>

#include "scene/ResourceSet.h"

struct StoryDeal {
    std::u16string_view name;
    ResourceSet cost;    // what the player pays
    ResourceSet reward;  // what the player gets
    float seconds;       // how long the trader waits
    std::u16string_view introKey;
    std::u16string_view afterKey;
};

// The offer of that name; null for a name that is none.
const StoryDeal* FindStoryDeal(std::u16string_view name);
