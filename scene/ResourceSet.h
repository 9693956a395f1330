#pragma once
// The four resources of a level in their fixed order: wood, food, money, mana.
// The player's stock, prices, profits and the goods a worker carries are all
// resource sets.
#include <cstdint>
#include <string>

struct ResourceSet {
    static constexpr int kCount = 4;
    int32_t amounts[kCount] = {0, 0, 0, 0};  // wood, food, money, mana

    int32_t& operator[](int i) { return amounts[i]; }
    int32_t operator[](int i) const { return amounts[i]; }
    bool IsZero() const;
    bool operator==(const ResourceSet&) const = default;
};

// The icon glyph of each resource in the game fonts, in set order.
inline constexpr char16_t kResourceIcons[ResourceSet::kCount] = {u'\u00BD', u'\u00BC', u'\u00BE',
                                                                 u'\u2030'};

// Every non-zero amount as its magnitude followed by its icon, in set order.
std::u16string FormatResources(const ResourceSet& set);
// The same with colour codes: an amount shows red when it is negative or, when
// `available` is given, when less of it is available than the set asks for.
std::u16string FormatResourcesColored(const ResourceSet& set,
                                      const ResourceSet* available = nullptr);
