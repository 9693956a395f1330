// PVR (version 2 header) holding PVRTC data. Only level 0 is read.
#include <cstring>
#include <string>
#include <utility>

#include "engine/Image.h"
#include "engine/ImageDecode.h"
#include "engine/Log.h"

namespace qor {

namespace {

// The header is thirteen 32-bit little-endian fields, in file order.
enum PvrField {
    kHeaderSize,
    kHeight,
    kWidth,
    kMipmapCount,
    kFlags,
    kDataSize,
    kBitsPerPixel,
    kRedMask,
    kGreenMask,
    kBlueMask,
    kAlphaMask,
    kTag,
    kSurfaceCount,
    kFieldCount
};
constexpr size_t kPvrHeaderBytes = kFieldCount * 4;

constexpr uint32_t kFlagsPvrtc2 = 24;
constexpr uint32_t kFlagsPvrtc4 = 25;

uint32_t LittleEndian32(const uint8_t* p) {
    return uint32_t{p[0]} | (uint32_t{p[1]} << 8) | (uint32_t{p[2]} << 16) | (uint32_t{p[3]} << 24);
}

}  // namespace

int DecodePvr(cImage* image, const uint8_t* data, size_t size, const std::u16string& name) {
    if (!image) {
        return 4;
    }
    if (!data || size < kPvrHeaderBytes) {
        LogEntry(kLogWarning, u"Data Manager", u"Invalid PVR format: Header too short in file %s",
                 name);
        return 3;
    }
    uint32_t field[kFieldCount];
    for (int i = 0; i < kFieldCount; ++i) {
        field[i] = LittleEndian32(data + 4 * i);
    }

    if (std::memcmp(data + 4 * kTag, "PVR!", 4) != 0) {
        LogEntry(kLogWarning, u"Data Manager", u"Invalid PVR format: Unknown tag in file %s", name);
        return 3;
    }
    const bool alpha = field[kAlphaMask] != 0;
    int formatId = kImageNone;
    switch (field[kFlags] & 0xFF) {
        case kFlagsPvrtc2:
            formatId = alpha ? kImagePVRTC2A : kImagePVRTC2;
            break;
        case kFlagsPvrtc4:
            formatId = alpha ? kImagePVRTC4A : kImagePVRTC4;
            break;
        default:
            LogEntry(kLogWarning, u"Data Manager",
                     u"Invalid PVR format: Unsupported pixel format %i in file %s",
                     static_cast<int32_t>(field[kFlags] & 0xFF), name);
            return 3;
    }
    const uint32_t width = field[kWidth];
    const uint32_t height = field[kHeight];
    if (!CheckDecodedSize(u"PVR", formatId, width, height, name)) {
        return 3;
    }

    const size_t levelSize = ImageLevelSize(formatId, width, height);
    if (size - kPvrHeaderBytes < levelSize) {
        LogEntry(kLogWarning, u"Data Manager", u"Invalid PVR format: Data too short in file %s",
                 name);
        return 3;
    }
    cImage decoded;
    if (!decoded.Create(formatId, width, height)) {
        return 3;
    }
    std::memcpy(decoded.levels[0].data(), data + kPvrHeaderBytes, levelSize);
    *image = std::move(decoded);
    return 0;
}

}  // namespace qor
