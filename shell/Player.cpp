#include "shell/Player.h"

#include "engine/BitStream.h"
#include "engine/FileSystem.h"
#include "engine/Log.h"
#include "shell/Garden.h"

using namespace qor;

namespace {
constexpr std::u16string_view kSender = u"cPlayer";
}

cPlayer::cPlayer(std::u16string folderName) : folder(std::move(folderName)) {}

cPath cPlayer::FolderPath() const {
    return cPath(u"{AppPath}/profile/" + folder);
}

cPath cPlayer::FilePath(std::u16string_view file) const {
    const cPath dir = FolderPath();
    if (!IsFolder(dir))
        CreateFolder(dir.full);
    return dir.Join(file);
}

void cPlayer::EncodeRecord(cBitStream* out) const {
    out->WriteI32(kPlayerRecordVersion);
    out->WriteString(name);
    out->WriteU8(reserved ? 1 : 0);
    out->WriteU8(showHints ? 1 : 0);
    out->WriteI32(score);
    out->WriteI32(builds);
    out->WriteI32(earned);
}

void cPlayer::DecodeRecord(cBitStream* in) {
    version = in->ReadI32();
    name = in->ReadString();
    reserved = in->ReadBool();
    showHints = in->ReadBool();
    score = in->ReadI32();
    if (version > 1) {
        builds = in->ReadI32();
        earned = in->ReadI32();
    }
}

bool cPlayer::Load() {
    const cPath path = FilePath(kPlayerFile);
    cBitStream stream;
    if (!Exists(path)) {
        // A folder made for a new profile that has not been written yet.
        LogEntry(kLogText, kSender, u"%s does not exist yet, the profile keeps its defaults",
                 path.full);
        return false;
    }
    if (IsFolder(path) || ReadDataFile(path, &stream) != 0) {
        LogEntry(kLogWarning, kSender, u"Can't read %s, the profile keeps its defaults", path.full);
        return false;
    }
    DecodeRecord(&stream);
    return true;
}

bool cPlayer::Save() {
    cBitStream stream;
    EncodeRecord(&stream);
    const cPath path = FilePath(kPlayerFile);
    if (const int rc = WriteDataFile(stream, path); rc != 0) {
        LogEntry(kLogError, kSender, u"Can't write %s (error %i)", path.full, rc);
        return false;
    }
    return true;
}

namespace {

cMapWidget* GameMap() {
    return g_garden ? g_garden->mapWidget : nullptr;
}

}  // namespace

bool cPlayer::LoadMap() {
    mapBytes.clear();
    const cPath path = FilePath(kMapFile);
    if (cMapWidget* map = GameMap()) {
        mapProgress.Load(path, *map);
        return true;
    }
    if (!IsFolder(path) && Exists(path) && ReadWholeFile(path, &mapBytes) != 0) {
        LogEntry(kLogWarning, kSender, u"Can't read %s, the map starts over", path.full);
        mapBytes.clear();
    }
    return true;
}

bool cPlayer::SaveMap() {
    if (mapSaved)
        return false;
    if (const cMapWidget* map = GameMap())
        return mapProgress.Save(FilePath(kMapFile), FilePath(kMapBackupFile), *map);
    // Nothing was ever read and nothing was earned since: leave the disk alone.
    if (mapBytes.empty())
        return false;
    cBitStream stream;
    stream.Load(mapBytes.data(), mapBytes.size());
    const cPath path = FilePath(kMapFile);
    if (const int rc = WriteDataFile(stream, path); rc != 0) {
        LogEntry(kLogError, kSender, u"Can't write %s (error %i)", path.full, rc);
        return false;
    }
    return true;
}

bool cPlayer::DeleteFiles() {
    return RemoveFolder(FolderPath());
}

void cPlayer::ResetLevelStats() {
    levelTime = 0.0f;
    builds = 0;
    earned = 0;
}
