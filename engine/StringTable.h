#pragma once
// The one table of user-visible texts, keyed by the names the game and the
// window scripts use. Locale scripts fill it through `setLocale`; a key that
// no script defined reads as an empty text, so a missing translation shows as
// a blank rather than a crash or a key name.
#include <cstddef>
#include <string>

namespace qor {

// Stores `text` under `key`, replacing what the key held.
void SetLocalizedText(const std::u16string& key, std::u16string text);
// The text of `key`; a missing key is added with an empty text. The reference
// stays valid until ClearStringTable.
const std::u16string& GetLocalizedText(const std::u16string& key);
bool HasLocalizedText(const std::u16string& key);
size_t StringTableSize();

// Drops every text the scripts stored and puts back the eleven default
// entries ("Ok", "Cancel", ... each reading as its own key), the state the
// table has when the process starts. cGame calls this when it goes.
void ClearStringTable();

}  // namespace qor
