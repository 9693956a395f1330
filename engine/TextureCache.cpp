#include "engine/TextureCache.h"

#include <map>
#include <utility>

#include "engine/FileSystem.h"
#include "engine/Render.h"
#include "engine/Script.h"

namespace qor {

namespace {

std::map<std::u16string, cTextureRef>& Cache() {
    static std::map<std::u16string, cTextureRef> cache;
    return cache;
}

// The same folder and name with another extension.
cPath WithExtension(const cPath& path, std::u16string_view ext) {
    std::u16string text = path.full;
    if (!path.ext.empty())
        text.resize(text.size() - path.ext.size() - 1);
    text += u'.';
    text += ext;
    return cPath(text);
}

// Steps shared by loading and reloading: find the file, decode it and merge
// its alpha image. 0 or the result code.
int ReadTextureImage(const cPath& path, cImage* image, cPath* resolved) {
    image->Create(kImageNone, 1, 1);
    *resolved = path;
    if (path.ext.empty()) {
        bool found = false;
        for (std::u16string_view ext : {u"png", u"jpg", u"pvr"}) {
            cPath candidate = WithExtension(path, ext);
            if (Exists(candidate)) {
                *resolved = std::move(candidate);
                found = true;
                break;
            }
        }
        if (!found)
            return 2;
    }
    if (const int result = LoadImage(image, *resolved); result != 0)
        return result;

    const cPath alphaPath = WithExtension(*resolved, u"alpha");
    if (Exists(alphaPath)) {
        cImage alpha;
        if (LoadImage(&alpha, alphaPath) == 0)
            MergeAlpha(image, alpha);
    }
    return 0;
}

// The atlas script beside the image describes its sprites.
void RunAtlasScript(const cPath& resolved) {
    const cPath script = WithExtension(resolved, u"lua");
    if (Exists(script))
        RunFile(script);
}

cTextureRef StoreTexture(const std::u16string& name, std::unique_ptr<cImage> image) {
    auto texture = std::make_shared<cTexture>(name);
    texture->image = std::move(image);
    if (g_render && g_render->HasDevice())
        OnCreateContext(texture.get());
    Cache()[name] = texture;
    return texture;
}

}  // namespace

cTextureRef FindTexture(const std::u16string& name) {
    return Cache()[name];
}

cTextureRef AddTexture(const std::u16string& name, const cImage& image) {
    return StoreTexture(name, std::make_unique<cImage>(image));
}

cTextureRef AddTexture(const std::u16string& name, cImage&& image) {
    return StoreTexture(name, std::make_unique<cImage>(std::move(image)));
}

void SetTextureImage(cTexture* texture, const cImage& image) {
    if (!texture)
        return;
    DiscardDeviceTexture(texture);
    texture->image = std::make_unique<cImage>(image);
    if (g_render && g_render->HasDevice())
        OnCreateContext(texture);
}

void RemoveTexture(const std::u16string& name) {
    Cache().erase(name);
}

size_t TextureCacheSize() {
    return Cache().size();
}

void ClearTextureCache() {
    Cache().clear();
}

cTextureRef LoadTextureAs(const cPath& path, const std::u16string& name) {
    cImage image;
    cPath resolved;
    if (ReadTextureImage(path, &image, &resolved) != 0)
        return {};
    cTextureRef texture = AddTexture(name, std::move(image));
    RunAtlasScript(resolved);
    return texture;
}

int LoadTexture(const cPath& path) {
    cImage image;
    cPath resolved;
    if (const int result = ReadTextureImage(path, &image, &resolved); result != 0)
        return result;
    AddTexture(resolved.name, std::move(image));
    RunAtlasScript(resolved);
    return 0;
}

int ReloadTexture(const cPath& path, const std::u16string& name) {
    cImage image;
    cPath resolved;
    if (const int result = ReadTextureImage(path, &image, &resolved); result != 0)
        return result;
    auto it = Cache().find(name);
    if (it != Cache().end() && it->second) {
        SetTextureImage(it->second.get(), image);
    } else {
        AddTexture(name, std::move(image));
    }
    RunAtlasScript(resolved);
    return 0;
}

void ReleaseDeviceTextures() {
    ForEachTexture([](cTexture& texture) {
        if (texture.HasDeviceTexture())
            OnDeleteContext(&texture);
    });
}

void RecreateDeviceTextures() {
    if (!g_render || !g_render->HasDevice())
        return;
    ForEachTexture([](cTexture& texture) {
        // A record left from a lost context is dropped on the way.
        if (!texture.HasDeviceTexture() && (texture.image || texture.device)) {
            OnCreateContext(&texture);
        }
    });
}

}  // namespace qor
