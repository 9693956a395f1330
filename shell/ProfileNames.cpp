#include "shell/ProfileNames.h"

#include "engine/Font.h"

namespace {

constexpr std::u16string_view kCjkAccepted =
    u"_0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
// "^" starts a colour code in every text the game draws: a name typed with
// it would colour or swallow itself on the screens.
constexpr std::u16string_view kRefused = u"_!$\u02C6%'()[],.?+-*/:\u2026^";

bool IsSpace(char16_t c) {
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\v' || c == u'\f' ||
           c == 0x00A0 || c == 0x3000 || (c >= 0x2000 && c <= 0x200A);
}

}  // namespace

bool IsProfileNameChar(char16_t c, bool cjkLocale) {
    if (cjkLocale)
        return kCjkAccepted.find(c) != std::u16string_view::npos;
    return kRefused.find(c) == std::u16string_view::npos;
}

std::u16string TrimProfileName(std::u16string_view name) {
    size_t begin = 0, end = name.size();
    while (begin < end && IsSpace(name[begin]))
        ++begin;
    while (end > begin && IsSpace(name[end - 1]))
        --end;
    return std::u16string(name.substr(begin, end - begin));
}

std::u16string ProfileNameForDisplay(std::u16string_view name) {
    std::u16string shown(name);
    for (char16_t& c : shown) {
        if (c == u'^')
            c = qor::kLiteralCaret;
    }
    return shown;
}
