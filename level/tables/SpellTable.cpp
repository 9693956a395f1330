#include "level/tables/SpellTable.h"

#include <iterator>

#include "engine/StringTable.h"

namespace {

struct SpellRow {
    std::u16string_view sprite;
    std::u16string_view nameKey;
    int32_t mana;
};

// Kind 1 first: the levels and altars name spells by kind.
constexpr SpellRow kSpells[] = {
    {u"spell_field_fast", u"SpellFieldFast", 60},
    {u"spell_worker_fast", u"SpellWorkerFast", 50},
    {u"spell_water_freeze", u"SpellWaterFreeze", 80},
    {u"spell_tree_restore", u"SpellTreeRestore", 80},
    {u"spell_enemy_freeze", u"SpellEnemyFreeze", 60},
    {u"spell_shield", u"SpellShield", 50},
};
static_assert(std::size(kSpells) == kSpellLast - kSpellFirst + 1);

const SpellRow* FindSpell(int kind) {
    if (kind < kSpellFirst || kind > kSpellLast)
        return nullptr;
    return &kSpells[kind - kSpellFirst];
}

}  // namespace

ResourceSet GetSpellPrice(int kind) {
    ResourceSet price;
    if (const SpellRow* spell = FindSpell(kind))
        price.mana = spell->mana;
    return price;
}

std::u16string_view GetSpellSprite(int kind) {
    const SpellRow* spell = FindSpell(kind);
    return spell ? spell->sprite : std::u16string_view();
}

std::u16string_view GetSpellNameKey(int kind) {
    const SpellRow* spell = FindSpell(kind);
    return spell ? spell->nameKey : std::u16string_view();
}

std::u16string GetSpellName(int kind) {
    const std::u16string_view key = GetSpellNameKey(kind);
    // An unknown kind must not add an empty key to the string table.
    if (key.empty())
        return {};
    return qor::GetLocalizedText(std::u16string(key));
}
