#pragma once
// The engine's text is UTF-16 (std::u16string); every conversion to and from
// narrow text (Lua, file names, SDL, archive member names) is UTF-8.
#include <string>
#include <string_view>

namespace qor {

// Ill-formed input never fails: an unpaired surrogate or a broken UTF-8
// sequence becomes U+FFFD, so hostile text cannot stop a conversion.
std::string ToUtf8(std::u16string_view text);
std::u16string FromUtf8(std::string_view text);

// Plain ASCII widening for literals built at run time (numbers, codes).
std::u16string Widen(std::string_view ascii);

}  // namespace qor
