// Opens arbitrary bytes as a ZIP archive through the file system: finding a
// member (short, mixed-case and very long names) and reading it must refuse or
// read, never crash, read out of bounds or allocate without bound.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/FileSystem.h"
#include "engine/Path.h"
#include "engine/Strings.h"
#include "tests/fuzz/FuzzScratch.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // The seeds hold members of these names, so mutations start from real lookups.
    static const std::u16string members[] = {u"a.txt", u"DIR/B.LUA",
                                             u"deep/" + std::u16string(1100, u'n') + u".txt"};
    const std::u16string archive =
        qor::FromUtf8(qor::fuzz::WriteScratchFile("pack.zip", data, size));
    for (const std::u16string& member : members) {
        const qor::cPath path(archive + u"/" + member);
        std::vector<uint8_t> bytes;
        const int whole = qor::ReadWholeFile(path, &bytes);
        // What could be read must also be found.
        if (whole == 0 && !qor::Exists(path))
            __builtin_trap();

        qor::cFileHolder file;
        if (qor::OpenFile(file, path, u"rb") != 0)
            continue;
        const long claimed = qor::FileSize(file.get());
        uint8_t piece[333];
        long total = 0;
        while (size_t n = qor::ReadFile(file.get(), sizeof piece, piece, 1)) {
            total += static_cast<long>(n);
            if (total > claimed)
                __builtin_trap();  // never more than the member holds
        }
        qor::CloseFile(file);
    }
    return 0;
}
