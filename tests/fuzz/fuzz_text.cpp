// Reads arbitrary bytes as a UTF-16LE text file: every script, locale table and
// settings file goes through ReadTextFile. It must refuse what has no byte-order
// mark and otherwise hand back exactly the characters before the first zero.
#include <cstddef>
#include <cstdint>
#include <string>

#include "engine/FileSystem.h"
#include "engine/Path.h"
#include "engine/Strings.h"
#include "tests/fuzz/FuzzScratch.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const qor::cPath path(qor::FromUtf8(qor::fuzz::WriteScratchFile("text.lua", data, size)));
    std::u16string text = u"left over";
    const int rc = qor::ReadTextFile(path, &text);
    const bool marked = size >= 2 && data[0] == 0xFF && data[1] == 0xFE;
    if (!marked) {
        if (rc != 3)
            __builtin_trap();
        return 0;
    }
    if (rc != 0)
        __builtin_trap();
    std::u16string expected;
    for (size_t i = 2; i + 1 < size; i += 2) {
        const char16_t c = static_cast<char16_t>(data[i] | (data[i + 1] << 8));
        if (c == 0)
            break;
        expected += c;
    }
    if (text != expected)
        __builtin_trap();
    // Scripts go on to Lua as UTF-8: any unit sequence, lone surrogates included,
    // must convert without harm.
    const std::string utf8 = qor::ToUtf8(text);
    if (utf8.size() > text.size() * 3)
        __builtin_trap();
    return 0;
}
