#include "level/sites/BuildKinds.h"

namespace {

// Amounts are wood, food, money, mana.
constexpr cBuildKind kKinds[] = {
    {u"house00",
     u"zone3x2",
     4,
     6.0f,
     {{40, 0, 0, 0}, {20, 0, 40, 0}, {40, 0, 40, 0}, {60, 0, 60, 0}}},
    // A plant's upgrades are free.
    {u"sawmill00", u"zone2x2", 4, 6.0f, {{20, 0, 20, 0}}},
    {u"mill00", u"zone2x2", 3, 6.0f, {{30, 0, 0, 0}}},
    {u"goldmill00", u"zone2x2", 4, 6.0f, {{40, 0, 0, 0}}},
    {u"tower00",
     u"zone1x1",
     4,
     4.0f,
     {{20, 0, 30, 0}, {10, 0, 10, 0}, {10, 0, 10, 0}, {10, 0, 10, 0}}},
    // Monuments rise from a plot or from their own ruins (frame 0).
    {u"lighthouse00", u"zone2x2", 3, 0.0f, {}},
    {u"key_statue00", u"zone2x2", 3, 0.0f, {}},
    {u"key_altar00", u"key_altar00", 4, 0.0f, {}},
    {u"key_castle00", u"key_castle00", 3, 0.0f, {}},
};

}  // namespace

const cBuildKind* FindBuildKind(std::u16string_view kind) {
    for (const cBuildKind& row : kKinds) {
        if (kind == row.kind)
            return &row;
    }
    return nullptr;
}
