#pragma once
// Switching the locale: the locale's string script refills the string table,
// the locale's font and localized images replace the cached ones under the
// same names, and every window and widget is told to refresh its texts.
#include <string>

namespace qor {

// The locale used when a locale has no string script.
inline constexpr char16_t kFallbackLocale[] = u"en";

// Sets cGame's locale and CJK flag and runs the switch. A locale without a
// usable string script falls back to "en" with a warning. Nothing happens
// without a cGame, and a switch asked for while one runs (a locale script or
// a refreshing window calling changeLocale) is refused with a warning.
void ApplyLocale(const std::u16string& name);

// True for names that begin with "ja", "ko" or "zh".
bool IsCjkLocale(const std::u16string& name);

}  // namespace qor
