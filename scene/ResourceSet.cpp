#include "scene/ResourceSet.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

namespace {

int32_t Saturate(int64_t value) {
    constexpr int64_t low = std::numeric_limits<int32_t>::min();
    constexpr int64_t high = std::numeric_limits<int32_t>::max();
    return static_cast<int32_t>(std::clamp(value, low, high));
}

// Plain ASCII digits, so the text needs no locale and no engine.
void AppendNumber(std::u16string& out, int64_t value) {
    const std::string digits = std::to_string(value);
    out.append(digits.begin(), digits.end());
}

// Red, and the codes that set the icon white and give the text its own colour back.
constexpr char16_t kRed[] = u"^FF0000FF";
constexpr char16_t kWhiteIcon[] = u"^^^FFFFFFFF";
constexpr char16_t kRestore[] = u"^^";

void AppendColoured(std::u16string& out, int index, int32_t amount, bool red) {
    if (red)
        out += kRed;
    // Widened first: the absolute value of the lowest 32-bit amount does not fit.
    AppendNumber(out, std::abs(static_cast<int64_t>(amount)));
    out += kWhiteIcon;
    out += ResourceGlyph(index);
    out += kRestore;
}

}  // namespace

namespace {

constexpr int32_t ResourceSet::*kMembers[kResourceCount] = {
    &ResourceSet::wood, &ResourceSet::food, &ResourceSet::money, &ResourceSet::mana};

bool InRange(int index) {
    return index >= 0 && index < kResourceCount;
}

}  // namespace

int32_t ResourceSet::operator[](int index) const {
    return InRange(index) ? this->*kMembers[index] : 0;
}

void ResourceSet::Set(int index, int32_t amount) {
    if (InRange(index))
        this->*kMembers[index] = amount;
}

ResourceSet& ResourceSet::operator+=(const ResourceSet& other) {
    for (int i = 0; i < kResourceCount; ++i)
        Set(i, Saturate(int64_t{(*this)[i]} + other[i]));
    return *this;
}

ResourceSet& ResourceSet::operator-=(const ResourceSet& other) {
    for (int i = 0; i < kResourceCount; ++i)
        Set(i, Saturate(int64_t{(*this)[i]} - other[i]));
    return *this;
}

char16_t ResourceGlyph(int index) {
    constexpr char16_t glyphs[kResourceCount] = {u'\u00BD', u'\u00BC', u'\u00BE', u'\u2030'};
    return InRange(index) ? glyphs[index] : u'\0';
}

std::u16string FormatResources(const ResourceSet& amounts) {
    std::u16string out;
    for (int i = 0; i < kResourceCount; ++i) {
        if (amounts[i] == 0)
            continue;
        AppendNumber(out, std::abs(static_cast<int64_t>(amounts[i])));
        out += ResourceGlyph(i);
    }
    return out;
}

std::u16string FormatResourcesColoured(const ResourceSet& amounts) {
    std::u16string out;
    for (int i = 0; i < kResourceCount; ++i) {
        if (amounts[i] != 0)
            AppendColoured(out, i, amounts[i], amounts[i] < 0);
    }
    return out;
}

std::u16string FormatResourcesCompared(const ResourceSet& needed, const ResourceSet& available) {
    std::u16string out;
    for (int i = 0; i < kResourceCount; ++i) {
        if (needed[i] != 0)
            AppendColoured(out, i, needed[i], needed[i] < 0 || available[i] < needed[i]);
    }
    return out;
}
