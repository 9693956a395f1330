#include "shell/MapProgress.h"

#include "engine/BitStream.h"
#include "engine/FileSystem.h"
#include "engine/Log.h"
#include "world/MapWidget.h"
#include "world/Point.h"

using namespace qor;

namespace {

constexpr std::u16string_view kSender = u"cPlayer";
constexpr int kReadEmpty = 3;

void StartOver(cMapWidget& map) {
    if (!map.LoadMapFile())
        map.NewMap();
}

bool WriteBytes(const std::vector<uint8_t>& bytes, const cPath& path) {
    cBitStream stream;
    stream.Load(bytes.data(), bytes.size());
    if (const int rc = WriteDataFile(stream, path); rc != 0) {
        LogEntry(kLogError, kSender, u"Can't write %s (error %i)", path.full, rc);
        return false;
    }
    return true;
}

}  // namespace

std::vector<uint8_t> EncodeMapProgress(const cMapWidget& map) {
    cBitStream stream;
    map.SaveObjectStates(stream, cPoint::kType);
    return std::vector<uint8_t>(stream.Data(), stream.Data() + stream.ByteLength());
}

void cMapProgress::Load(const cPath& file, cMapWidget& map) {
    m_keeping = false;
    m_unread.clear();
    m_shownAtLoad.clear();
    if (IsFolder(file) || !Exists(file)) {
        StartOver(map);
        return;
    }
    std::vector<uint8_t> bytes;
    const int rc = ReadWholeFile(file, &bytes);
    if (rc == kReadEmpty) {
        StartOver(map);
        return;
    }
    bool whole = false;
    if (rc != 0) {
        LogEntry(kLogWarning, kSender, u"Can't read %s (error %i); the map starts over", file.full,
                 rc);
        StartOver(map);
    } else {
        cBitStream stream;
        stream.Load(bytes.data(), bytes.size());
        whole = map.LoadObjectStates(stream);
        if (!whole) {
            LogEntry(kLogWarning, kSender,
                     u"%s could not be read whole; the map shows what was read, and the file is "
                     u"kept as it was",
                     file.full);
        }
    }
    if (!whole) {
        m_keeping = true;
        m_unread = std::move(bytes);
        m_shownAtLoad = EncodeMapProgress(map);
    }
}

bool cMapProgress::Save(const cPath& file, const cPath& backup, const cMapWidget& map) {
    const std::vector<uint8_t> progress = EncodeMapProgress(map);
    if (m_keeping) {
        // Nothing earned since: the kept file says at least as much.
        if (progress == m_shownAtLoad)
            return false;
        if (!m_unread.empty()) {
            if (!WriteBytes(m_unread, backup))
                return false;  // the old progress has nowhere else to go
            LogEntry(kLogWarning, kSender, u"The unreadable progress of %s is kept as %s",
                     file.full, backup.full);
        }
        m_keeping = false;
        m_unread.clear();
        m_shownAtLoad.clear();
    }
    return WriteBytes(progress, file);
}
