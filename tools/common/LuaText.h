#pragma once
// Building the Lua text of generated data scripts (atlas and font scripts).
#include <string>
#include <string_view>

namespace datakit {

// A double-quoted Lua 5.1 string literal. Quote, backslash and control
// characters are escaped; other UTF-8 text is kept as it is, because the script
// is stored as UTF-16 and converted back to UTF-8 before Lua sees it.
std::string LuaQuote(std::string_view utf8);

// Shortest decimal text of a float that reads back exactly, independent of the
// process locale, so generated scripts are byte-identical on every machine.
std::string LuaNumber(double value);

}  // namespace datakit
