#pragma once
// A decoded image: levels of pixel data in one format. Uncompressed colour
// formats hold their bytes in blue, green, red (, alpha) order after loading.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/Path.h"

namespace qor {

// Format ids; ids above 14 are treated as 0. Stored in nothing, but the device
// texture creation and the atlas code compare them.
enum eImageFormat : int {
    kImageNone = 0,
    kImageL8 = 1,
    kImageL8A8 = 2,
    kImageRGB16 = 3,
    kImageRGB24 = 4,
    kImageRGBA16 = 5,
    kImageRGBX32 = 6,
    kImageRGBA32 = 7,
    kImageDXT1 = 8,
    kImageDXT3 = 9,
    kImageDXT5 = 10,
    kImagePVRTC2 = 11,
    kImagePVRTC2A = 12,
    kImagePVRTC4 = 13,
    kImagePVRTC4A = 14,
};

struct cImageFormat {
    int id = kImageNone;
    int compressed = 0;
    int channels = 0;
    int alpha = 0;
};

cImageFormat GetImageFormat(int id);
// Bytes of one level of w × h pixels in this format (0 for format 0 and unknown ids).
size_t ImageLevelSize(int formatId, uint32_t w, uint32_t h);
// Bytes of one pixel of an uncompressed format; 0 for compressed formats and
// format 0. The 16-bit formats take 2 bytes although they count 3 or 4 channels.
int ImageBytesPerPixel(int formatId);

// Files may declare any size; nothing larger than this is ever allocated.
inline constexpr uint32_t kMaxImageSide = 16384;
inline constexpr size_t kMaxImageBytes = size_t{256} << 20;
// True for 1..kMaxImageSide on both sides and a level of at most kMaxImageBytes.
bool ImageSizeAllowed(int formatId, uint32_t w, uint32_t h);

struct cImage {
    cImageFormat format;
    uint32_t width = 0;
    uint32_t height = 0;
    int levelCount = 0;
    std::vector<std::vector<uint8_t>> levels;

    // Makes a blank (zeroed) image of one level. A size that ImageSizeAllowed
    // refuses leaves the image empty and returns false.
    bool Create(int formatId, uint32_t w, uint32_t h);
};

// Decodes by the extension ("png", "jpg", "alpha" → JPEG, "pvr").
// 0, 2 (file not opened), 3 (no decoder or bad content), 4 (decoder error or no image).
// On failure the image is left as it was.
int LoadImage(cImage* image, const cPath& path);

// Decoders on whole-file bytes; `name` is used only in log lines. They give the
// library's pixel order (red first); LoadImage turns colour into blue first.
int DecodePng(cImage* image, const uint8_t* data, size_t size, const std::u16string& name);
int DecodeJpeg(cImage* image, const uint8_t* data, size_t size, const std::u16string& name);
int DecodePvr(cImage* image, const uint8_t* data, size_t size, const std::u16string& name);

// Puts the alpha image's first byte of every pixel into the colour image's
// fourth byte; nothing happens unless the sizes match, the colour image is of
// format 4, 6 or 7 and the alpha image is uncompressed. The colour image
// becomes format 7 (a format-4 image is widened to 4 bytes per pixel first).
void MergeAlpha(cImage* color, const cImage& alpha);

}  // namespace qor
