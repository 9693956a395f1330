#pragma once
// The four goods of a level in one value: the player's stock, every price and
// profit, and what a worker carries. The order wood, food, money, mana is
// fixed: level files and profiles store the four numbers in it.
//
// Sums and differences saturate at the limits of a 32-bit integer instead of
// overflowing: amounts come from level files, which may hold anything.
#include <cstdint>
#include <string>

inline constexpr int kResourceWood = 0;
inline constexpr int kResourceFood = 1;
inline constexpr int kResourceMoney = 2;
inline constexpr int kResourceMana = 3;
inline constexpr int kResourceCount = 4;

struct ResourceSet {
    int32_t wood = 0;
    int32_t food = 0;
    int32_t money = 0;
    int32_t mana = 0;

    // By resource index (kResourceWood ... kResourceMana); 0 out of range.
    int32_t operator[](int index) const;
    // Stores an amount by resource index; an index out of range stores nothing.
    void Set(int index, int32_t amount);

    bool IsZero() const { return wood == 0 && food == 0 && money == 0 && mana == 0; }

    ResourceSet& operator+=(const ResourceSet& other);
    ResourceSet& operator-=(const ResourceSet& other);
    friend ResourceSet operator+(ResourceSet a, const ResourceSet& b) { return a += b; }
    friend ResourceSet operator-(ResourceSet a, const ResourceSet& b) { return a -= b; }
    friend bool operator==(const ResourceSet&, const ResourceSet&) = default;
};

// The icon glyph of a resource in the game fonts ("½" wood, "¼" food, "¾"
// money, "‰" mana); 0 for an index out of range.
char16_t ResourceGlyph(int index);

// Each non-zero amount as its absolute value and its icon, in resource order,
// without separators: {10, 0, 5, 0} reads "10½5¾".
std::u16string FormatResources(const ResourceSet& amounts);
// The same with colour codes for drawn text: a negative amount is red, every
// icon white, and the text's own colour returns after each.
std::u16string FormatResourcesColoured(const ResourceSet& amounts);
// The amounts of `needed`, each red where `available` holds less of it (or
// where it is negative): a price against the player's stock.
std::u16string FormatResourcesCompared(const ResourceSet& needed, const ResourceSet& available);
