#pragma once
// The engine's one formatting routine: a printf-like wide format with an
// ordered list of typed values. Used by the log, the console and on-screen text.
#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

namespace qor {

// One typed value. Tag numbers are the engine's own and must stay as they are:
// 0 marks "no value" (and a null string), and a conversion that meets it
// appends nothing.
struct cFormatValue {
    enum Tag : int { kEnd = 0, kChar = 1, kInt = 2, kDouble = 3, kString = 4 };

    Tag tag = kEnd;
    char16_t c = 0;
    int32_t i = 0;
    double d = 0.0;
    std::u16string_view s;

    constexpr cFormatValue() = default;
    constexpr cFormatValue(char16_t v) : tag(kChar), c(v) {}
    constexpr cFormatValue(int32_t v) : tag(kInt), i(v) {}
    constexpr cFormatValue(double v) : tag(kDouble), d(v) {}
    constexpr cFormatValue(float v) : tag(kDouble), d(v) {}
    constexpr cFormatValue(const char16_t* v) : tag(v ? kString : kEnd), s(v ? v : u"") {}
    constexpr cFormatValue(std::u16string_view v) : tag(kString), s(v) {}
    cFormatValue(const std::u16string& v) : tag(kString), s(v) {}
};

constexpr int kMaxFormatValues = 5;
constexpr int kMaxConversions = 10;

// Appends the formatted text to `out`. At most five values are used and at
// most ten conversions are done; the rest of the format is copied as text.
void FormatString(std::u16string& out, std::u16string_view format,
                  std::span<const cFormatValue> values);

inline std::u16string Format(std::u16string_view format,
                             std::initializer_list<cFormatValue> values = {}) {
    std::u16string out;
    FormatString(out, format, std::span<const cFormatValue>(values.begin(), values.size()));
    return out;
}

}  // namespace qor
