#pragma once
// The rules for names typed on the profile screens. A name is stored as the
// player typed it: these rules only keep out characters that the game uses
// as markup in its texts, and white space at either end.
#include <string>
#include <string_view>

// In Chinese, Japanese and Korean locales only ASCII letters, digits and "_"
// are accepted; elsewhere everything but "_!$%'()[],.?+-*/:^", U+02C6 and
// U+2026 (the font decides the rest).
bool IsProfileNameChar(char16_t c, bool cjkLocale);
// Without leading and trailing white space.
std::u16string TrimProfileName(std::u16string_view name);
// The name as a text to draw: the text drawing reads "^" as the start of a
// colour code, which would colour or swallow what follows, so each "^" is
// given as the caret that is drawn as it stands. The stored name is unchanged.
std::u16string ProfileNameForDisplay(std::u16string_view name);
