#pragma once
// A texture is one cached image name with, while a device exists, its GL
// texture. The pixels live in exactly one place: the pending image before
// upload, the GL texture after it. Releasing the device texture reads the
// pixels back into an image, so the texture survives a new context.
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "engine/Image.h"
#include "engine/TextureCoverage.h"
#include "engine/TextureOpacity.h"

namespace qor {

// Address modes; the numbers are the engine's own.
enum eAddressMode : int { kAddressWrap = 1, kAddressClamp = 3 };

// Filter kinds.
enum eFilterKind : int {
    kFilterPoint = 0,
    kFilterLinear = 1,
    kFilterLinearMipPoint = 2,
    kFilterLinearMipLinear = 3,
};

struct cDeviceTexture {
    uint32_t width = 0;
    uint32_t height = 0;
    cImageFormat format;
    int levelCount = 0;
    int addressMode = kAddressWrap;
    unsigned glName = 0;
    uint32_t serial = 0;  // the context it was made in
    // Sampling parameters the GL texture object holds now (-1: not yet set).
    int glFilter = -1;
    int glAddress = -1;
};

class cTexture {
  public:
    explicit cTexture(std::u16string name);
    ~cTexture();
    cTexture(const cTexture&) = delete;
    cTexture& operator=(const cTexture&) = delete;

    // Device texture size when one exists; else the image's (at least 1); else 0.
    uint32_t GetWidth() const;
    uint32_t GetHeight() const;
    // True when a GL texture of the current context stands behind this texture.
    bool HasDeviceTexture() const;

    std::u16string name;
    std::unique_ptr<cDeviceTexture> device;
    std::unique_ptr<cImage> image;
    int filterKind = kFilterLinear;
    // Where the pixels of the device texture are opaque; worked out from the
    // image each time it is uploaded.
    cTextureOpacity opacity;
    // Where its pixels are clear or solid, cell by cell; none for a texture
    // that is opaque throughout.
    cTextureCoverage coverage;
    // Whether every texel of every level is the same: any filter then samples
    // that one colour, the cheapest (nearest) as well as the rest. The colour
    // (ARGB, as sampled) where the format's channels are bytes.
    bool uniform = false;
    std::optional<uint32_t> uniformColor;
    // The address mode a released device texture had, given to the next one
    // so that clamped textures stay clamped across a context change.
    int keptAddressMode = kAddressWrap;
};

// Creates the device texture from the pending image and drops the image (also
// when the creation fails). False when a device texture already existed or the
// creation failed; true otherwise (also with no image, which is nothing to do).
bool OnCreateContext(cTexture* texture);
// Reads every level back into a new image and deletes the device texture.
bool OnDeleteContext(cTexture* texture);
// Deletes the device texture without reading it back (its pixels are about to
// be replaced).
void DiscardDeviceTexture(cTexture* texture);
// Linear filter with linear mip filter and, with a device texture, clamping.
void SetTextureClamped(cTexture* texture);

// Every cTexture alive, cached or not, in creation order; for releasing and
// re-creating device textures around a context change.
void ForEachTexture(const std::function<void(cTexture&)>& visit);

}  // namespace qor
