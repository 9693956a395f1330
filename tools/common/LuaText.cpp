#include "tools/common/LuaText.h"

#include <charconv>
#include <cstdio>

namespace datakit {

std::string LuaQuote(std::string_view utf8) {
    std::string out = "\"";
    for (char c : utf8) {
        const unsigned char u = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out.push_back('\\');
            out.push_back(c);
        } else if (c == '\n') {
            out += "\\n";
        } else if (u < 0x20 || u == 0x7F) {
            char buffer[8];
            std::snprintf(buffer, sizeof buffer, "\\%03u", static_cast<unsigned>(u));
            out += buffer;
        } else {
            out.push_back(c);
        }
    }
    out.push_back('"');
    return out;
}

std::string LuaNumber(double value) {
    if (value == 0)
        return "0";  // also folds -0
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

}  // namespace datakit
