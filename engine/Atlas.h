#pragma once
// Texture atlases: which sprites a packed texture holds. A cTextureInfo names
// areas ("nodes") of one texture, each cut into animation frames; a
// cTextureInfoEx lists free-form frames with their own offsets and sizes. The
// texture's Lua script builds its atlas while the texture loads, and game code
// asks for a sprite by texture and area name (GetSpriteInfo).
//
// Frame rectangles are in texture coordinates, x and w from 0 (left) to 1
// (right), y and h from 0 (bottom) to 1 (top).
#include <memory>
#include <string>
#include <vector>

#include "engine/SpriteBatch.h"
#include "engine/TextureCache.h"

namespace qor {

inline constexpr float kDefaultNodeFps = 30.0f;
// No node is cut into more frames than this, nor resized beyond it: a script
// asking for more would otherwise allocate without bound.
inline constexpr int kMaxNodeFrames = 65536;

// Frames are shared with the sprite lookups that point into them, so that a
// later change to the node (a reload, a new frame count) never leaves a
// looked-up sprite pointing at freed memory: a change replaces the list.
using cFrameList = std::vector<cRectF>;

struct cTextureNode {
    std::u16string name;
    float fps = kDefaultNodeFps;
    std::shared_ptr<const cFrameList> frames;

    int FrameCount() const { return frames ? static_cast<int>(frames->size()) : 0; }
};

class cTextureInfo {
  public:
    explicit cTextureInfo(std::u16string name);
    ~cTextureInfo();
    cTextureInfo(const cTextureInfo&) = delete;
    cTextureInfo& operator=(const cTextureInfo&) = delete;

    std::u16string name;              // the texture's name
    std::vector<cTextureNode> nodes;  // in the order they were added; duplicates allowed
};

struct cExFrameList {
    std::vector<cRectF> frames;  // u, v, cu, cv
    std::vector<cVec2> offsets;  // dx, dy per frame
    std::vector<cVec2> sizes;    // w, h per frame, in pixels
};

class cTextureInfoEx {
  public:
    explicit cTextureInfoEx(std::u16string name);
    ~cTextureInfoEx();
    cTextureInfoEx(const cTextureInfoEx&) = delete;
    cTextureInfoEx& operator=(const cTextureInfoEx&) = delete;

    int FrameCount() const { return static_cast<int>(data->frames.size()); }

    std::u16string name;
    cTextureRef texture;
    float fps = 0.0f;
    std::shared_ptr<const cExFrameList> data;  // never null
};

using cTextureInfoRef = std::shared_ptr<cTextureInfo>;
using cTextureInfoExRef = std::shared_ptr<cTextureInfoEx>;

// One frame of an extended atlas as a script gives it.
struct cExFrame {
    float dx = 0, dy = 0, u = 0, v = 0, cu = 0, cv = 0, w = 0, h = 0;
};

// The result of a sprite lookup. Empty (no texture, no frames) when the sprite
// was not found; it then draws nothing.
struct cSpriteInfo {
    cTextureRef texture;
    const cRectF* frames = nullptr;  // the first frame; null when not found
    int frameCount = 0;
    float width = 0.0f;  // size of the first frame in pixels
    float height = 0.0f;
    float fps = 0.0f;
    const cVec2* offsets = nullptr;  // extended atlases only
    const cVec2* sizes = nullptr;    // extended atlases only
    // Keeps the frames above alive for as long as this result is held.
    std::shared_ptr<const void> storage;
};

// The atlas cached under `name`, created empty on first use.
cTextureInfoRef CreateTextureInfo(const std::u16string& name);
// The cached atlas, or empty when there is none (nothing is inserted).
cTextureInfoRef FindTextureInfo(const std::u16string& name);
cTextureInfoExRef CreateTextureInfoEx(const std::u16string& name);
cTextureInfoExRef FindTextureInfoEx(const std::u16string& name);
// Empties both atlas caches. The game object does this when it goes.
void ClearAtlasCaches();

// Appends a node cut into columns × rows frames (each at least 1), rows from
// the top of the rectangle down, columns left to right. Returns its index.
int AddNode(cTextureInfo* atlas, const std::u16string& name, const cRectF& rect, int columns,
            int rows, float fps);
// The same with a rectangle in pixels of the atlas's texture. Without that
// texture the node covers the whole texture in one frame at 30 per second.
int AddNodePixels(cTextureInfo* atlas, const std::u16string& name, const cRectF& pixels,
                  int columns, int rows, float fps);
// Index of the first node of that name (exact comparison), or the node count.
int FindNode(const cTextureInfo& atlas, const std::u16string& name);
// The node, or the shared fallback node "unnamed" (one frame 0, 0, 1, 1 at
// 30 per second) when the index is out of range.
const cTextureNode& GetNode(const cTextureInfo& atlas, int index);
// Truncates the node's frames to `count` or extends them with zero rectangles.
void SetNodeFrameCount(cTextureInfo* atlas, const std::u16string& name, int count);
// Binds the cached texture and replaces every frame. Returns the frame count.
int SetExFrames(cTextureInfoEx* atlas, const std::u16string& textureName,
                const std::vector<cExFrame>& list, float fps);

cSpriteInfo GetSpriteInfo(const std::u16string& textureName, const std::u16string& areaName);
cSpriteInfo GetSpriteInfoEx(const std::u16string& name);
int GetNodeCount(const std::u16string& atlasName);
// Empty without atlas, "unnamed" for an index out of range.
std::u16string GetNodeName(const std::u16string& atlasName, int index);

}  // namespace qor
