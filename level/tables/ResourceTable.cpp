#include "level/tables/ResourceTable.h"

std::u16string_view GetResourceName(int index) {
    // Do not reorder: the index is the position in a ResourceSet.
    constexpr std::u16string_view names[kResourceCount] = {u"wood", u"food", u"money", u"mana"};
    return index >= 0 && index < kResourceCount ? names[index] : std::u16string_view();
}

int GetResourceIconIndex(const ResourceSet& amounts) {
    for (int index : {kResourceFood, kResourceWood, kResourceMoney, kResourceMana}) {
        if (amounts[index] != 0)
            return index;
    }
    return -1;
}

SpriteName GetResourceIcon(const ResourceSet& amounts) {
    const int index = GetResourceIconIndex(amounts);
    if (index < 0)
        return {};
    return {kResourceIconTexture, GetResourceName(index)};
}
