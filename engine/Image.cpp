#include "engine/Image.h"

#include <algorithm>
#include <iterator>
#include <string>
#include <utility>

#include "engine/FileSystem.h"
#include "engine/ImageDecode.h"
#include "engine/Log.h"
#include "engine/Strings.h"

namespace qor {

namespace {

constexpr cImageFormat kFormats[] = {
    {kImageNone, 0, 0, 0},    {kImageL8, 0, 1, 0},     {kImageL8A8, 0, 2, 1},
    {kImageRGB16, 0, 3, 0},   {kImageRGB24, 0, 3, 0},  {kImageRGBA16, 0, 4, 1},
    {kImageRGBX32, 0, 4, 0},  {kImageRGBA32, 0, 4, 1}, {kImageDXT1, 1, 3, 0},
    {kImageDXT3, 1, 4, 1},    {kImageDXT5, 1, 4, 1},   {kImagePVRTC2, 1, 3, 0},
    {kImagePVRTC2A, 1, 4, 1}, {kImagePVRTC4, 1, 3, 0}, {kImagePVRTC4A, 1, 4, 1},
};
constexpr int kFormatCount = static_cast<int>(std::size(kFormats));

int ValidId(int id) {
    return id >= 0 && id < kFormatCount ? id : kImageNone;
}

void SwapRedBlue(std::vector<uint8_t>& level, size_t bytesPerPixel) {
    for (size_t i = 0; i + 2 < level.size(); i += bytesPerPixel) {
        std::swap(level[i], level[i + 2]);
    }
}

// Rewrites every level of 3-byte pixels as 4-byte pixels with a fourth byte 255.
void WidenTo32(cImage& image) {
    for (auto& level : image.levels) {
        const size_t pixels = level.size() / 3;
        std::vector<uint8_t> wide(pixels * 4);
        for (size_t p = 0; p < pixels; ++p) {
            wide[p * 4 + 0] = level[p * 3 + 0];
            wide[p * 4 + 1] = level[p * 3 + 1];
            wide[p * 4 + 2] = level[p * 3 + 2];
            wide[p * 4 + 3] = 255;
        }
        level = std::move(wide);
    }
}

}  // namespace

cImageFormat GetImageFormat(int id) {
    return kFormats[ValidId(id)];
}

size_t ImageLevelSize(int formatId, uint32_t w, uint32_t h) {
    const size_t sw = w;
    const size_t sh = h;
    switch (ValidId(formatId)) {
        case kImageL8:
            return sw * sh;
        case kImageL8A8:
        case kImageRGB16:
        case kImageRGBA16:
            return 2 * sw * sh;
        case kImageRGB24:
            return 3 * sw * sh;
        case kImageRGBX32:
        case kImageRGBA32:
            return 4 * sw * sh;
        case kImageDXT1:
            return std::max<size_t>(sw, 4) * std::max<size_t>(sh, 4) / 16 * 8;
        case kImageDXT3:
        case kImageDXT5:
            return std::max<size_t>(sw, 4) * std::max<size_t>(sh, 4);
        case kImagePVRTC2:
        case kImagePVRTC2A:
            return std::max<size_t>(sw, 8) * std::max<size_t>(sh, 8) * 2 / 8;
        case kImagePVRTC4:
        case kImagePVRTC4A:
            return std::max<size_t>(sw, 8) * std::max<size_t>(sh, 8) * 4 / 8;
        default:
            return 0;
    }
}

int ImageBytesPerPixel(int formatId) {
    const int id = ValidId(formatId);
    if (id == kImageNone || kFormats[id].compressed) {
        return 0;
    }
    return static_cast<int>(ImageLevelSize(id, 1, 1));
}

bool ImageSizeAllowed(int formatId, uint32_t w, uint32_t h) {
    return w >= 1 && h >= 1 && w <= kMaxImageSide && h <= kMaxImageSide &&
           ImageLevelSize(formatId, w, h) <= kMaxImageBytes;
}

bool CheckDecodedSize(std::u16string_view kind, int formatId, uint32_t w, uint32_t h,
                      const std::u16string& name) {
    const int measured = formatId == kImageRGB24 ? kImageRGBX32 : formatId;
    if (ImageSizeAllowed(measured, w, h)) {
        return true;
    }
    // Built as text: the log takes two values and this line has three.
    std::u16string format = u"Invalid ";
    format += kind;
    format += u" format: image size " + Widen(std::to_string(w)) + u"x" + Widen(std::to_string(h)) +
              u" is out of range in file %s";
    LogEntry(kLogWarning, u"Data Manager", format, name);
    return false;
}

bool cImage::Create(int formatId, uint32_t w, uint32_t h) {
    format = {};
    width = 0;
    height = 0;
    levelCount = 0;
    levels.clear();
    if (!ImageSizeAllowed(formatId, w, h)) {
        return false;
    }
    format = GetImageFormat(formatId);
    width = w;
    height = h;
    levelCount = 1;
    levels.emplace_back(ImageLevelSize(formatId, w, h));
    return true;
}

void MergeAlpha(cImage* color, const cImage& alpha) {
    if (!color || color->levels.empty() || alpha.levels.empty()) {
        return;
    }
    const int id = color->format.id;
    if (id != kImageRGB24 && id != kImageRGBX32 && id != kImageRGBA32) {
        return;
    }
    if (color->width != alpha.width || color->height != alpha.height) {
        return;
    }
    const int alphaStep = ImageBytesPerPixel(alpha.format.id);
    if (alphaStep == 0) {
        return;
    }
    const size_t pixels = size_t{color->width} * color->height;
    const size_t colorStep = id == kImageRGB24 ? 3 : 4;
    // Sizes are checked rather than trusted: an image assembled by hand may
    // carry a level that does not match its declared format.
    if (color->levels[0].size() < pixels * colorStep ||
        alpha.levels[0].size() < pixels * alphaStep) {
        return;
    }
    if (id == kImageRGB24) {
        WidenTo32(*color);
    }
    uint8_t* out = color->levels[0].data();
    const uint8_t* in = alpha.levels[0].data();
    for (size_t p = 0; p < pixels; ++p) {
        out[p * 4 + 3] = in[p * alphaStep];
    }
    color->format = GetImageFormat(kImageRGBA32);
}

int LoadImage(cImage* image, const cPath& path) {
    if (!image) {
        return 4;
    }
    using Decoder = int (*)(cImage*, const uint8_t*, size_t, const std::u16string&);
    Decoder decode = nullptr;
    if (path.ext == u"png") {
        decode = DecodePng;
    } else if (path.ext == u"jpg" || path.ext == u"alpha") {
        decode = DecodeJpeg;
    } else if (path.ext == u"pvr") {
        decode = DecodePvr;
    } else {
        return 3;
    }

    std::vector<uint8_t> bytes;
    const int read = ReadWholeFile(path, &bytes);
    if (read == 2) {
        return 2;
    }
    // An empty file goes to the decoder as no bytes: it is bad content, and the
    // decoder says so in its own words.
    if (read == 3) {
        bytes.clear();
    } else if (read != 0) {
        return 4;
    }

    cImage decoded;
    const int result = decode(&decoded, bytes.data(), bytes.size(), path.full);
    if (result != 0) {
        return result;
    }

    const int id = decoded.format.id;
    if (id == kImageRGB24 || id == kImageRGBX32 || id == kImageRGBA32) {
        for (auto& level : decoded.levels) {
            SwapRedBlue(level, id == kImageRGB24 ? 3 : 4);
        }
    }
    if (id == kImageRGB24) {
        WidenTo32(decoded);
        decoded.format = GetImageFormat(kImageRGBX32);
    }
    *image = std::move(decoded);
    return 0;
}

}  // namespace qor
