#include "engine/StringTable.h"

#include <map>
#include <utility>

namespace qor {

namespace {

using cTable = std::map<std::u16string, std::u16string>;

// Message boxes look their captions up through these keys, so they show
// sensible words even before any locale script has run.
void AddDefaults(cTable& table) {
    for (const char16_t* key : {u"Ok", u"Cancel", u"Yes", u"No", u"Ignore", u"Abort", u"Help",
                                u"Information", u"Warning", u"Error", u"Player"}) {
        table[key] = key;
    }
}

cTable& Table() {
    static cTable table = [] {
        cTable t;
        AddDefaults(t);
        return t;
    }();
    return table;
}

}  // namespace

void SetLocalizedText(const std::u16string& key, std::u16string text) {
    Table()[key] = std::move(text);
}

const std::u16string& GetLocalizedText(const std::u16string& key) {
    return Table()[key];
}

bool HasLocalizedText(const std::u16string& key) {
    return Table().contains(key);
}

size_t StringTableSize() {
    return Table().size();
}

void ClearStringTable() {
    cTable& table = Table();
    table.clear();
    AddDefaults(table);
}

}  // namespace qor
