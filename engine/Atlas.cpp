#include "engine/Atlas.h"

#include <algorithm>
#include <map>
#include <utility>

#include "engine/LiveHandles.h"
#include "engine/Log.h"

namespace qor {

namespace {

std::map<std::u16string, cTextureInfoRef>& Atlases() {
    static std::map<std::u16string, cTextureInfoRef> cache;
    return cache;
}

std::map<std::u16string, cTextureInfoExRef>& ExAtlases() {
    static std::map<std::u16string, cTextureInfoExRef> cache;
    return cache;
}

const cTextureNode& FallbackNode() {
    static const cTextureNode node{u"unnamed", kDefaultNodeFps,
                                   std::make_shared<const cFrameList>(cFrameList{{0, 0, 1, 1}})};
    return node;
}

std::shared_ptr<const cExFrameList> EmptyExFrames() {
    static const auto empty = std::make_shared<const cExFrameList>();
    return empty;
}

}  // namespace

cTextureInfo::cTextureInfo(std::u16string name) : name(std::move(name)) {
    cLiveHandles<cTextureInfo>::Add(this);
}

cTextureInfo::~cTextureInfo() {
    cLiveHandles<cTextureInfo>::Remove(this);
}

cTextureInfoEx::cTextureInfoEx(std::u16string name) : name(std::move(name)), data(EmptyExFrames()) {
    cLiveHandles<cTextureInfoEx>::Add(this);
}

cTextureInfoEx::~cTextureInfoEx() {
    cLiveHandles<cTextureInfoEx>::Remove(this);
}

cTextureInfoRef CreateTextureInfo(const std::u16string& name) {
    cTextureInfoRef& entry = Atlases()[name];
    if (!entry)
        entry = std::make_shared<cTextureInfo>(name);
    return entry;
}

cTextureInfoRef FindTextureInfo(const std::u16string& name) {
    auto it = Atlases().find(name);
    return it == Atlases().end() ? nullptr : it->second;
}

cTextureInfoExRef CreateTextureInfoEx(const std::u16string& name) {
    cTextureInfoExRef& entry = ExAtlases()[name];
    if (!entry)
        entry = std::make_shared<cTextureInfoEx>(name);
    return entry;
}

cTextureInfoExRef FindTextureInfoEx(const std::u16string& name) {
    auto it = ExAtlases().find(name);
    return it == ExAtlases().end() ? nullptr : it->second;
}

void ClearAtlasCaches() {
    Atlases().clear();
    ExAtlases().clear();
}

int AddNode(cTextureInfo* atlas, const std::u16string& name, const cRectF& rect, int columns,
            int rows, float fps) {
    if (!atlas)
        return -1;
    columns = std::max(columns, 1);
    rows = std::max(rows, 1);
    if (static_cast<long long>(columns) * rows > kMaxNodeFrames) {
        LogEntry(kLogWarning, u"cTextureInfo", u"[AddNode] Too many frames in node %s of %s", name,
                 atlas->name);
        columns = rows = 1;
    }
    const float fw = rect.w / static_cast<float>(columns);
    const float fh = rect.h / static_cast<float>(rows);
    auto frames = std::make_shared<cFrameList>();
    frames->reserve(static_cast<size_t>(columns) * rows);
    for (int i = 0; i < rows; ++i) {
        for (int j = 0; j < columns; ++j) {
            frames->push_back({rect.x + static_cast<float>(j) * fw,
                               rect.y + rect.h - static_cast<float>(i + 1) * fh, fw, fh});
        }
    }
    atlas->nodes.push_back({name, fps, std::move(frames)});
    return static_cast<int>(atlas->nodes.size()) - 1;
}

int AddNodePixels(cTextureInfo* atlas, const std::u16string& name, const cRectF& pixels,
                  int columns, int rows, float fps) {
    if (!atlas)
        return -1;
    const cTextureRef texture = FindTexture(atlas->name);
    if (!texture) {
        LogEntry(kLogWarning, u"cTextureInfo", u"[AddNode] Can't find texture with this name: %s",
                 atlas->name);
        return AddNode(atlas, name, {0, 0, 1, 1}, 1, 1, kDefaultNodeFps);
    }
    const float w = static_cast<float>(std::max<uint32_t>(texture->GetWidth(), 1));
    const float h = static_cast<float>(std::max<uint32_t>(texture->GetHeight(), 1));
    return AddNode(atlas, name, {pixels.x / w, pixels.y / h, pixels.w / w, pixels.h / h}, columns,
                   rows, fps);
}

int FindNode(const cTextureInfo& atlas, const std::u16string& name) {
    const auto it = std::find_if(atlas.nodes.begin(), atlas.nodes.end(),
                                 [&](const cTextureNode& node) { return node.name == name; });
    return static_cast<int>(it - atlas.nodes.begin());
}

const cTextureNode& GetNode(const cTextureInfo& atlas, int index) {
    if (index < 0 || index >= static_cast<int>(atlas.nodes.size()))
        return FallbackNode();
    return atlas.nodes[static_cast<size_t>(index)];
}

void SetNodeFrameCount(cTextureInfo* atlas, const std::u16string& name, int count) {
    if (!atlas)
        return;
    const int index = FindNode(*atlas, name);
    if (index >= static_cast<int>(atlas->nodes.size()))
        return;
    if (count > kMaxNodeFrames) {
        LogEntry(kLogWarning, u"cTextureInfo",
                 u"[SetNodeFrameCount] Too many frames in node %s of %s", name, atlas->name);
        return;
    }
    cTextureNode& node = atlas->nodes[static_cast<size_t>(index)];
    auto frames =
        node.frames ? std::make_shared<cFrameList>(*node.frames) : std::make_shared<cFrameList>();
    frames->resize(static_cast<size_t>(std::max(count, 0)));
    node.frames = std::move(frames);
}

int SetExFrames(cTextureInfoEx* atlas, const std::u16string& textureName,
                const std::vector<cExFrame>& list, float fps) {
    if (!atlas)
        return 0;
    atlas->texture = FindTexture(textureName);
    auto data = std::make_shared<cExFrameList>();
    data->frames.reserve(list.size());
    data->offsets.reserve(list.size());
    data->sizes.reserve(list.size());
    for (const cExFrame& f : list) {
        data->frames.push_back({f.u, f.v, f.cu, f.cv});
        data->offsets.push_back({f.dx, f.dy});
        data->sizes.push_back({f.w, f.h});
    }
    atlas->data = std::move(data);
    atlas->fps = fps;
    return atlas->FrameCount();
}

cSpriteInfo GetSpriteInfo(const std::u16string& textureName, const std::u16string& areaName) {
    cSpriteInfo info;
    if (textureName.empty() && areaName.empty())
        return info;
    if (cTextureRef texture = FindTexture(textureName)) {
        if (const cTextureInfoRef atlas = FindTextureInfo(textureName)) {
            const int index = FindNode(*atlas, areaName);
            if (index < static_cast<int>(atlas->nodes.size())) {
                const cTextureNode& node = atlas->nodes[static_cast<size_t>(index)];
                info.fps = node.fps;
                info.frameCount = node.FrameCount();
                if (info.frameCount > 0) {
                    const cRectF& first = node.frames->front();
                    info.frames = &first;
                    info.width = first.w * static_cast<float>(texture->GetWidth());
                    info.height = first.h * static_cast<float>(texture->GetHeight());
                    info.storage = node.frames;
                }
                info.texture = std::move(texture);
                return info;
            }
        }
    }
    LogEntry(kLogWarning, u"cGarden::GetSpriteInfo", u"Sprite in texture %s with area %s not found",
             textureName, areaName);
    return info;
}

cSpriteInfo GetSpriteInfoEx(const std::u16string& name) {
    cSpriteInfo info;
    if (const cTextureInfoExRef atlas = FindTextureInfoEx(name)) {
        const cExFrameList& data = *atlas->data;
        info.texture = atlas->texture;
        info.frameCount = atlas->FrameCount();
        info.fps = atlas->fps;
        if (info.frameCount > 0) {
            info.frames = data.frames.data();
            info.offsets = data.offsets.data();
            info.sizes = data.sizes.data();
            info.width = data.sizes.front().x;
            info.height = data.sizes.front().y;
            info.storage = atlas->data;
        }
    }
    if (!info.texture) {
        LogEntry(kLogWarning, u"cGarden::GetSpriteInfoEx", u"SpriteEx with area %s not found",
                 name);
    }
    return info;
}

int GetNodeCount(const std::u16string& atlasName) {
    const cTextureInfoRef atlas = FindTextureInfo(atlasName);
    return atlas ? static_cast<int>(atlas->nodes.size()) : 0;
}

std::u16string GetNodeName(const std::u16string& atlasName, int index) {
    const cTextureInfoRef atlas = FindTextureInfo(atlasName);
    return atlas ? GetNode(*atlas, index).name : std::u16string();
}

}  // namespace qor
