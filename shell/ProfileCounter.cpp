#include "shell/ProfileCounter.h"

#include <cstdio>

#include "engine/BitStream.h"
#include "engine/FileSystem.h"
#include "engine/Log.h"
#include "engine/Strings.h"

using namespace qor;

namespace {
constexpr std::u16string_view kSender = u"cMiddle";
}

cPath ProfileCounterPath() {
    return cPath(u"{AppPath}/profile/counter.dat");
}

bool ReadProfileCounter(cProfileCounter* out) {
    const cPath path = ProfileCounterPath();
    cBitStream stream;
    if (IsFolder(path) || !Exists(path) || ReadDataFile(path, &stream) != 0)
        return false;
    out->counter = stream.ReadI32();
    out->lastName = stream.ReadString();
    if (out->counter < 0) {
        LogEntry(kLogWarning, kSender, u"counter.dat holds the count %i, counting from 0",
                 out->counter);
        out->counter = 0;
    }
    return true;
}

bool WriteProfileCounter(const cProfileCounter& counter) {
    cBitStream stream;
    stream.WriteI32(counter.counter);
    stream.WriteString(counter.lastName);
    const cPath path = ProfileCounterPath();
    if (const int rc = WriteDataFile(stream, path); rc != 0) {
        LogEntry(kLogError, kSender, u"Can't write %s (error %i)", path.full, rc);
        return false;
    }
    return true;
}

bool IsProfileFolderName(std::u16string_view name) {
    if (name.size() != 6 || !name.starts_with(u"plr"))
        return false;
    for (char16_t c : name.substr(3)) {
        if (c < u'0' || c > u'9')
            return false;
    }
    return true;
}

std::u16string ProfileFolderName(int32_t counter) {
    if (counter < 0 || counter >= kProfileFolderCount)
        return {};
    char text[24];
    std::snprintf(text, sizeof text, "plr%03d", counter);
    return Widen(text);
}
