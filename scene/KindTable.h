#pragma once
// The kinds of scene objects that levels, the world map and the menu backdrop
// are made of: which class each kind name belongs to, how many grid cells it
// covers and where it stands. One table serves the game (an object takes its
// footprint from here when its kind is set) and the scene compiler (which
// checks footprints against the island and each other).
#include <cstdint>
#include <span>
#include <string_view>

// What the ground under an object must be like.
enum class ePlacement {
    kAnywhere,  // scenery: decor, backgrounds, hints, map points
    kBlocker,   // occupies its footprint cells from the start of a level
    kOnWater,   // a blocker that walkers cross once it is repaired or frozen
    kStanding,  // stands in one cell that walkers can reach
    kInGrid,    // an enemy spawn point: anywhere on the grid, even in rock
};

struct cKindInfo {
    // The kind name; null for classes that take any name (decor sprites,
    // background pictures).
    const char16_t* kind;
    uint32_t type;
    int width;   // footprint cells along i
    int height;  // footprint cells along j
    int layer;   // where a new object of the kind stands
    // The class puts every object of the kind on `layer` when its kind is set,
    // whatever layer a file gave it.
    bool layerFixed;
    ePlacement placement;
};

std::span<const cKindInfo> KindTable();
// The row of a kind name, or null for a name no class knows.
const cKindInfo* FindKind(std::u16string_view kind);
// The row of that class for the kind: the kind's own row, or the class's row
// for any name when the class takes any. Null otherwise.
const cKindInfo* FindKind(uint32_t type, std::u16string_view kind);
// The layer a level puts a new object of that class on.
int DefaultLayer(uint32_t type);
