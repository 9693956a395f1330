#pragma once
// The process-wide texture cache: texture name → shared texture. A name is an
// image's file name without folder and extension. Looking a name up that was
// never loaded leaves an empty entry, which drawing treats as "no texture".
#include <memory>
#include <string>
#include <string_view>

#include "engine/Image.h"
#include "engine/Path.h"
#include "engine/Texture.h"

namespace qor {

using cTextureRef = std::shared_ptr<cTexture>;

// The entry's texture, empty when none is loaded (an empty entry is inserted).
cTextureRef FindTexture(const std::u16string& name);
// A new texture with a copy of the image, replacing the entry's texture; its
// device texture is created at once when a device exists.
cTextureRef AddTexture(const std::u16string& name, const cImage& image);
cTextureRef AddTexture(const std::u16string& name, cImage&& image);
// Replaces the texture's pixels in place: every holder sees the new image.
void SetTextureImage(cTexture* texture, const cImage& image);
// Erases the entry; references held elsewhere stay valid.
void RemoveTexture(const std::u16string& name);
// Number of entries, empty ones included.
size_t TextureCacheSize();
void ClearTextureCache();

// Loads "path" (with an extension) or the first existing of path.png, .jpg,
// .pvr; merges path.alpha; caches it under the file name; runs path.lua.
// 0, or 2 (no such file) or LoadImage's code.
int LoadTexture(const cPath& path);
// The same, but an existing texture of `name` gets the new pixels in place.
int ReloadTexture(const cPath& path, const std::u16string& name);
// Loads the picture as ReloadTexture finds it, as a new texture cached under
// `name`: whoever holds the texture that had the name keeps its pixels. Empty
// when the picture cannot be read (the cache is left as it was).
cTextureRef LoadTextureAs(const cPath& path, const std::u16string& name);

// Around a change of context (the window is re-created): read every device
// texture back into its image, and later upload them all to the new context.
// The renderer's ReleaseDevice and CreateDevice call these themselves.
void ReleaseDeviceTextures();
void RecreateDeviceTextures();

}  // namespace qor
