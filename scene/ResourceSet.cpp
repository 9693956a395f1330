#include "scene/ResourceSet.h"

#include "engine/Strings.h"

namespace {

// Magnitudes are formatted from 64 bits: the most negative amount has no
// 32-bit absolute value.
std::u16string Magnitude(int32_t amount) {
    const int64_t wide = amount;
    return qor::Widen(std::to_string(wide < 0 ? -wide : wide));
}

}  // namespace

bool ResourceSet::IsZero() const {
    for (int32_t a : amounts) {
        if (a != 0)
            return false;
    }
    return true;
}

std::u16string FormatResources(const ResourceSet& set) {
    std::u16string text;
    for (int i = 0; i < ResourceSet::kCount; ++i) {
        if (set[i] == 0)
            continue;
        text += Magnitude(set[i]);
        text += kResourceIcons[i];
    }
    return text;
}

std::u16string FormatResourcesColored(const ResourceSet& set, const ResourceSet* available) {
    std::u16string text;
    for (int i = 0; i < ResourceSet::kCount; ++i) {
        if (set[i] == 0)
            continue;
        const bool short_ = set[i] < 0 || (available && (*available)[i] < set[i]);
        if (short_)
            text += u"^FF0000FF";
        text += Magnitude(set[i]);
        text += u"^^^FFFFFFFF";
        text += kResourceIcons[i];
        text += u"^^";
    }
    return text;
}
