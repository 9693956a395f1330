#include "engine/LoadData.h"

#include "engine/FileSystem.h"
#include "engine/LoadingWidget.h"
#include "engine/Log.h"
#include "engine/Music.h"
#include "engine/SoundManager.h"
#include "engine/SoundResources.h"
#include "engine/TextureCache.h"

namespace qor {

namespace {

// The loaders stay silent about a missing or empty file (2, 3); say which
// item it was. Their other failures are logged where they happen.
void LogFileFailure(std::u16string_view sender, const cPath& path, int code) {
    if (code == 2 || code == 3)
        LogEntry(kLogWarning, sender, u"Cannot load '%s' (%i)", path.full, code);
}

}  // namespace

std::vector<cPath> FilesInFolder(const cPath& folder) {
    std::vector<cPath> files;
    cFileFinder finder;
    for (cPath entry = FindFirst(finder, folder); !entry.empty(); entry = FindNext(finder)) {
        if (!IsFolder(entry))
            files.push_back(std::move(entry));
    }
    finder.Close();
    return files;
}

bool IsTextureFile(const cPath& path) {
    return path.ext == u"png" || path.ext == u"jpg" || path.ext == u"pvr";
}

bool IsSoundFile(const cPath& path) {
    return path.ext == u"ogg";
}

cLoadData::cLoadData(const cPath& itemPath, int itemKind) : path(itemPath), kind(itemKind) {
    if (g_loadingWidget) {
        m_queued = true;
        g_loadingWidget->Add(this);
    } else {
        LogEntry(kLogWarning, u"cLoadData", u"cLoadingWidget is unavailable. Memory leak!");
    }
}

cLoadData::~cLoadData() = default;

cLoadTexture* cLoadTexture::Create(const cPath& path) {
    return Adopt(new cLoadTexture(path));
}

int cLoadTexture::Load() {
    // An empty cache entry (a name looked up before it was loaded) is no texture.
    if (FindTexture(path.name))
        return 0;
    const int code = LoadTexture(path);
    if (code != 0)
        LogEntry(kLogWarning, u"cLoadTexture", u"Cannot load '%s' (%i)", path.full, code);
    return code;
}

cLoadSound* cLoadSound::Create(const cPath& path, int channels) {
    cLoadSound* item = Adopt(new cLoadSound(path));
    if (item)
        item->SetChannels(channels);
    return item;
}

int cLoadSound::Load() {
    cSampleRecord record;
    record.maxChannels = channels;
    const int code = ReadSoundBuffer(&record, path);
    if (code != 0) {
        LogFileFailure(u"cLoadSound", path, code);
        return code;
    }
    if (!g_soundManager)
        return 4;
    g_soundManager->AddSoundBuffer(path.name, record.sample);
    return 0;
}

cLoadStream* cLoadStream::Create(const cPath& path) {
    return Adopt(new cLoadStream(path));
}

int cLoadStream::Load() {
    if (!g_soundManager)
        return 4;
    int code = 0;
    if (g_soundManager->FindStreamBuffer(path.name) == 0) {
        cStreamRecord record;
        code = ReadStreamBuffer(&record, path);
        if (code == 0) {
            g_soundManager->AddStreamBuffer(path.name, record.stream, std::move(record.memory));
        } else {
            LogFileFailure(u"cLoadStream", path, code);
        }
    }
    g_soundManager->CreateMusic(path.name);
    return code;
}

}  // namespace qor
