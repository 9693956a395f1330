#pragma once
// Items of the loading queue: one texture, sound sample or music stream to
// load behind the loading screen. Making an item hands it to the loading
// widget, which owns it from then on, loads it in its turn and deletes it,
// whether the load worked or not.
//
// Items are made only through Create(): when no loading widget exists the item
// cannot be queued, and Create deletes it again and returns null rather than
// letting it leak.
#include <string>
#include <vector>

#include "engine/Path.h"

namespace qor {

// The files directly in a folder (sub-folders left out), in name order.
std::vector<cPath> FilesInFolder(const cPath& folder);
// A picture the texture loader reads: extension "png", "jpg" or "pvr" written
// exactly so. Atlas scripts and ".alpha" images beside the pictures are not.
bool IsTextureFile(const cPath& path);
// A sound or music file: extension exactly "ogg".
bool IsSoundFile(const cPath& path);

class cLoadData {
  public:
    // Kinds: textures and sounds are loaded as resources, streams as music.
    static constexpr int kResource = 0;
    static constexpr int kStream = 1;

    virtual ~cLoadData();
    cLoadData(const cLoadData&) = delete;
    cLoadData& operator=(const cLoadData&) = delete;

    // 0 on success, else the loader's result code. Failures are logged.
    virtual int Load() = 0;

    // Whether a loading widget took the item at construction.
    bool queued() const { return m_queued; }

    cPath path;
    int kind = kResource;

  protected:
    // Parses the path and adds the item to the loading widget; without one,
    // logs that the item cannot be loaded.
    cLoadData(const cPath& itemPath, int itemKind);

    // What Create returns: the item while the widget owns it, else null (and
    // the item is deleted).
    template <class T>
    static T* Adopt(T* item) {
        if (item->queued())
            return item;
        delete item;
        return nullptr;
    }

  private:
    bool m_queued = false;
};

// Loads the texture unless the cache already holds one of that name.
class cLoadTexture : public cLoadData {
  public:
    static cLoadTexture* Create(const cPath& path);
    int Load() override;

  private:
    explicit cLoadTexture(const cPath& path) : cLoadData(path, kResource) {}
};

// A sound effect sample, registered with the sound manager under the file name.
class cLoadSound : public cLoadData {
  public:
    static cLoadSound* Create(const cPath& path, int channels = 1);
    int Load() override;
    // How many copies of the sample may sound at once; the loader clamps it.
    virtual void SetChannels(int count) { channels = count; }

    int channels = 1;

  private:
    explicit cLoadSound(const cPath& path) : cLoadData(path, kResource) {}
};

// A music stream plus a music object of the file's name. The music object is
// made even when the stream cannot be loaded, so that the game can always
// find its music by name (it stays silent).
class cLoadStream : public cLoadData {
  public:
    static cLoadStream* Create(const cPath& path);
    int Load() override;

  private:
    explicit cLoadStream(const cPath& path) : cLoadData(path, kStream) {}
};

}  // namespace qor
