// Feeds arbitrary bytes to the world map as a player's progress ("map.dat")
// on a map of forty levels. Nothing may crash or hang, and whatever was read
// must leave the map in a state a player can have: every medal a medal state,
// at most one chosen level and only an opened one, the first level open, and
// progress that saves and reads back whole and unchanged.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "engine/BitStream.h"
#include "world/MapWidget.h"
#include "world/Point.h"

namespace {

constexpr int kLevels = 40;

cMapWidget& Map() {
    static cMapWidget* map = [] {
        auto* made = new cMapWidget();
        made->NewMap();
        for (int level = 0; level < kLevels; ++level) {
            auto* point = static_cast<cPoint*>(made->CreateObject(cPoint::kType));
            point->id = static_cast<uint32_t>(level + 1);
            point->SetLayer(5);
            point->SetKind(u"point");
            point->SetPosition(100.0f + 45.0f * level, 200.0f + 10.0f * (level % 7));
            point->level = level;
        }
        return made;
    }();
    return *map;
}

std::vector<uint8_t> Save(const cMapWidget& map) {
    qor::cBitStream out;
    map.SaveObjectStates(out, cPoint::kType);
    return std::vector<uint8_t>(out.Data(), out.Data() + out.ByteLength());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    cMapWidget& map = Map();
    qor::cBitStream in;
    in.Load(data, size);
    map.LoadObjectStates(in);

    int chosen = 0;
    for (const cPoint* point : map.Points()) {
        if (point->medal < kMedalLocked || point->medal > kMedalGold || point->current > 1)
            __builtin_trap();
        if (point->current && point->medal == kMedalLocked)
            __builtin_trap();
        chosen += point->current;
        if (point->level == 0 && point->medal == kMedalLocked)
            __builtin_trap();
    }
    if (chosen > 1)
        __builtin_trap();

    map.OnFocus();
    map.TickMap();
    const std::vector<uint8_t> saved = Save(map);
    qor::cBitStream again;
    again.Load(saved.data(), saved.size());
    if (!map.LoadObjectStates(again) || Save(map) != saved)
        __builtin_trap();
    return 0;
}
