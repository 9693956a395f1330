#pragma once
// The rules for names typed on the profile screens. A name is stored as the
// player typed it: these rules only keep out characters that the game uses
// as markup in its texts, and white space at either end.
#include <string>

// In Chinese, Japanese and Korean locales only ASCII letters, digits and "_"
// are accepted; elsewhere everything but "_!$%'()[],.?+-*/:", U+02C6 and
// U+2026 (the font decides the rest).
bool IsProfileNameChar(char16_t c, bool cjkLocale);
// Without leading and trailing white space.
std::u16string TrimProfileName(std::u16string_view name);
