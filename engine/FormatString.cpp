#include "engine/FormatString.h"

#include <cmath>
#include <cstdio>
#include <limits>
#include <string>

#include "engine/Strings.h"

namespace qor {

namespace {

constexpr std::u16string_view kConversions = u"ACEGPSXacdefginosux";
constexpr std::u16string_view kSpecChars = u"#+-.0123456789";
constexpr size_t kMaxSpecLength = 31;
// Width and precision come from text that scripts can print; clamp them so a
// hostile "%999999999d" cannot ask for gigabytes.
constexpr long kMaxField = 1024;

struct Spec {
    std::string flags;  // "#", "+", "-", "0" as written
    long width = -1;
    long precision = -1;
};

Spec ParseSpec(std::u16string_view raw) {
    Spec spec;
    size_t i = 0;
    while (i < raw.size() && (raw[i] == u'#' || raw[i] == u'+' || raw[i] == u'-' || raw[i] == u'0')) {
        spec.flags += static_cast<char>(raw[i++]);
    }
    auto number = [&](long& into) {
        long v = 0;
        bool any = false;
        while (i < raw.size() && raw[i] >= u'0' && raw[i] <= u'9') {
            v = std::min(kMaxField, v * 10 + (raw[i] - u'0'));
            any = true;
            ++i;
        }
        if (any) into = v;
        return any;
    };
    number(spec.width);
    if (i < raw.size() && raw[i] == u'.') {
        ++i;
        spec.precision = 0;
        number(spec.precision);
    }
    // Anything after (a second '.', flags in odd places) is ignored, as the
    // C library would treat it as undefined anyway.
    return spec;
}

std::string NarrowSpec(const Spec& spec, const char* length, char conv) {
    std::string f = "%" + spec.flags;
    if (spec.width >= 0) f += std::to_string(spec.width);
    if (spec.precision >= 0) f += "." + std::to_string(spec.precision);
    f += length;
    f += conv;
    return f;
}

template <class T>
void AppendPrintf(std::u16string& out, const std::string& fmt, T value) {
    char buffer[2 * kMaxField + 64];
    int n = std::snprintf(buffer, sizeof buffer, fmt.c_str(), value);
    if (n < 0) return;
    n = std::min<int>(n, sizeof buffer - 1);
    for (int k = 0; k < n; ++k) out += static_cast<char16_t>(static_cast<unsigned char>(buffer[k]));
}

void AppendPadded(std::u16string& out, const Spec& spec, std::u16string_view text) {
    if (spec.precision >= 0 && static_cast<size_t>(spec.precision) < text.size()) {
        text = text.substr(0, spec.precision);
    }
    const size_t width = spec.width > 0 ? static_cast<size_t>(spec.width) : 0;
    const size_t pad = width > text.size() ? width - text.size() : 0;
    const bool left = spec.flags.find('-') != std::string::npos;
    if (!left) out.append(pad, u' ');
    out.append(text);
    if (left) out.append(pad, u' ');
}

int32_t SaturatingInt(double d) {
    if (std::isnan(d)) return 0;
    if (d >= static_cast<double>(std::numeric_limits<int32_t>::max())) {
        return std::numeric_limits<int32_t>::max();
    }
    if (d <= static_cast<double>(std::numeric_limits<int32_t>::min())) {
        return std::numeric_limits<int32_t>::min();
    }
    return static_cast<int32_t>(d);
}

bool IsFloatConv(char16_t c) {
    return std::u16string_view(u"AEGaefg").find(c) != std::u16string_view::npos;
}
bool IsUnsignedConv(char16_t c) {
    return std::u16string_view(u"ouxXpP").find(c) != std::u16string_view::npos;
}

void AppendInt(std::u16string& out, const Spec& spec, char16_t conv, int32_t v) {
    if (conv == u'c' || conv == u'C') {
        const char16_t ch = static_cast<char16_t>(v);
        AppendPadded(out, Spec{spec.flags, spec.width, -1}, std::u16string_view(&ch, 1));
    } else if (IsFloatConv(conv)) {
        AppendPrintf(out, NarrowSpec(spec, "", static_cast<char>(conv)), static_cast<double>(v));
    } else if (IsUnsignedConv(conv)) {
        const char c = (conv == u'p' || conv == u'P') ? (conv == u'P' ? 'X' : 'x') : static_cast<char>(conv);
        AppendPrintf(out, NarrowSpec(spec, "", c), static_cast<unsigned>(v));
    } else {
        AppendPrintf(out, NarrowSpec(spec, "", 'd'), v);
    }
}

void AppendValue(std::u16string& out, const Spec& spec, char16_t conv, const cFormatValue& v) {
    if (conv == u'n') return;  // never writes through a pointer: nothing to append
    switch (v.tag) {
        case cFormatValue::kEnd:
            return;
        case cFormatValue::kChar:
            if (conv == u'c' || conv == u'C' || conv == u's' || conv == u'S') {
                AppendPadded(out, Spec{spec.flags, spec.width, -1}, std::u16string_view(&v.c, 1));
            } else {
                AppendInt(out, spec, conv, v.c);
            }
            return;
        case cFormatValue::kInt:
            if (conv == u's' || conv == u'S') {
                AppendPadded(out, spec, Widen(std::to_string(v.i)));
            } else {
                AppendInt(out, spec, conv, v.i);
            }
            return;
        case cFormatValue::kDouble:
            if (IsFloatConv(conv)) {
                AppendPrintf(out, NarrowSpec(spec, "", static_cast<char>(conv)), v.d);
            } else if (conv == u's' || conv == u'S') {
                AppendPrintf(out, NarrowSpec(Spec{spec.flags, spec.width, -1}, "", 'g'), v.d);
            } else {
                AppendInt(out, spec, conv, SaturatingInt(v.d));
            }
            return;
        case cFormatValue::kString:
            AppendPadded(out, spec, v.s);
            return;
    }
}

}  // namespace

void FormatString(std::u16string& out, std::u16string_view format,
                  std::span<const cFormatValue> values) {
    static const cFormatValue kEndMarker;
    size_t next = 0;
    int conversions = 0;
    size_t i = 0;
    while (i < format.size()) {
        const char16_t ch = format[i];
        if (ch != u'%') {
            out += ch;
            ++i;
            continue;
        }
        ++i;
        if (i >= format.size()) break;  // a lone '%' at the end appends nothing
        if (format[i] == u'%') {
            out += u'%';
            ++i;
            continue;
        }
        const size_t specStart = i;
        while (i < format.size() && i - specStart < kMaxSpecLength &&
               kSpecChars.find(format[i]) != std::u16string_view::npos) {
            ++i;
        }
        const std::u16string_view raw = format.substr(specStart, i - specStart);
        if (i < format.size() && kConversions.find(format[i]) != std::u16string_view::npos &&
            conversions < kMaxConversions) {
            const char16_t conv = format[i++];
            ++conversions;
            const cFormatValue& value =
                (next < values.size() && next < static_cast<size_t>(kMaxFormatValues))
                    ? values[next]
                    : kEndMarker;
            ++next;
            AppendValue(out, ParseSpec(raw), conv, value);
        } else {
            // Not a conversion: keep the text as written and consume no value.
            out += u'%';
            out.append(raw);
        }
    }
}

}  // namespace qor
