#include "engine/Texture.h"

#include <epoxy/gl.h>

#include <algorithm>
#include <cstring>
#include <utility>
#include <vector>

#include "engine/Log.h"
#include "engine/Render.h"

namespace qor {

namespace {

constexpr std::u16string_view kSender = u"cTexture";

// Every live texture, so a context change reaches textures that were removed
// from the cache but are still held (a comics page, for example).
std::vector<cTexture*>& LiveTextures() {
    static std::vector<cTexture*> live;
    return live;
}

bool IsPowerOfTwo(uint32_t v) {
    return v != 0 && (v & (v - 1)) == 0;
}

// How one image format is stored in GL. Colour bytes are blue, green, red
// (, alpha) in memory, which GL_BGR(A) reads directly; luminance formats
// are one- and two-channel textures whose channels are spread by swizzles.
struct cGLFormat {
    bool supported = false;
    bool compressed = false;
    GLenum internal = 0;
    GLenum format = 0;
    GLenum type = GL_UNSIGNED_BYTE;
    GLint swizzle[4] = {GL_RED, GL_GREEN, GL_BLUE, GL_ALPHA};
};

cGLFormat GLFormatFor(int id, bool s3tc) {
    cGLFormat f;
    switch (id) {
        case kImageL8:
            f = {true, false, GL_R8, GL_RED, GL_UNSIGNED_BYTE, {GL_RED, GL_RED, GL_RED, GL_ONE}};
            break;
        case kImageL8A8:
            f = {true, false, GL_RG8, GL_RG, GL_UNSIGNED_BYTE, {GL_RED, GL_RED, GL_RED, GL_GREEN}};
            break;
        case kImageRGB16:
            f = {true,
                 false,
                 GL_RGB8,
                 GL_RGB,
                 GL_UNSIGNED_SHORT_5_6_5,
                 {GL_RED, GL_GREEN, GL_BLUE, GL_ONE}};
            break;
        case kImageRGB24:
            // Three bytes a pixel: kept at three, never read as four.
            f = {true,
                 false,
                 GL_RGB8,
                 GL_BGR,
                 GL_UNSIGNED_BYTE,
                 {GL_RED, GL_GREEN, GL_BLUE, GL_ONE}};
            break;
        case kImageRGBX32:
            f = {true,
                 false,
                 GL_RGBA8,
                 GL_BGRA,
                 GL_UNSIGNED_BYTE,
                 {GL_RED, GL_GREEN, GL_BLUE, GL_ONE}};
            break;
        case kImageRGBA32:
            f = {true,
                 false,
                 GL_RGBA8,
                 GL_BGRA,
                 GL_UNSIGNED_BYTE,
                 {GL_RED, GL_GREEN, GL_BLUE, GL_ALPHA}};
            break;
        case kImageDXT1:
            f = {s3tc, true, GL_COMPRESSED_RGB_S3TC_DXT1_EXT,
                 0,    0,    {GL_RED, GL_GREEN, GL_BLUE, GL_ONE}};
            break;
        case kImageDXT3:
            f = {s3tc, true, GL_COMPRESSED_RGBA_S3TC_DXT3_EXT,
                 0,    0,    {GL_RED, GL_GREEN, GL_BLUE, GL_ALPHA}};
            break;
        case kImageDXT5:
            f = {s3tc, true, GL_COMPRESSED_RGBA_S3TC_DXT5_EXT,
                 0,    0,    {GL_RED, GL_GREEN, GL_BLUE, GL_ALPHA}};
            break;
        default:
            // 16-bit colour with alpha and the PVRTC formats have no device
            // format here; such textures exist but draw nothing.
            break;
    }
    return f;
}

// Whether every pixel of every level repeats the first pixel of the first.
bool IsUniform(const cImage& image) {
    const size_t bpp = static_cast<size_t>(ImageBytesPerPixel(image.format.id));
    if (bpp == 0 || image.levels.empty() || image.levels[0].size() < bpp)
        return false;
    const uint8_t* first = image.levels[0].data();
    for (const std::vector<uint8_t>& level : image.levels) {
        for (size_t i = 0; i + bpp <= level.size(); i += bpp) {
            if (std::memcmp(level.data() + i, first, bpp) != 0)
                return false;
        }
    }
    return true;
}

// The colour (ARGB) a texture samples from a pixel of the image, for the
// formats stored a byte a channel.
std::optional<uint32_t> SampledColor(const cImage& image, const uint8_t* p) {
    auto argb = [](uint32_t a, uint32_t r, uint32_t g, uint32_t b) {
        return (a << 24) | (r << 16) | (g << 8) | b;
    };
    switch (image.format.id) {
        case kImageL8:
            return argb(255, p[0], p[0], p[0]);
        case kImageL8A8:
            return argb(p[1], p[0], p[0], p[0]);
        case kImageRGB24:
        case kImageRGBX32:
            return argb(255, p[2], p[1], p[0]);
        case kImageRGBA32:
            return argb(p[3], p[2], p[1], p[0]);
        default:
            return std::nullopt;
    }
}

uint32_t LevelSide(uint32_t side, int level) {
    return std::max<uint32_t>(side >> level, 1);
}

// Levels of a full mip chain for this size.
int FullChain(uint32_t w, uint32_t h) {
    int levels = 1;
    while ((w >> levels) > 0 || (h >> levels) > 0)
        ++levels;
    return levels;
}

// Uploads the image into a new GL texture; 0 when the format, the data or the
// driver refuse it.
unsigned Upload(const cImage& image, const cGLFormat& gl, int* levelsOut) {
    if (!gl.supported || image.width == 0 || image.height == 0 || image.levels.empty())
        return 0;
    // A multi-level image asks for the full chain; upload the levels it really
    // has (a short chain ends the texture early instead of reading past it).
    const int wanted = image.levelCount > 1 ? FullChain(image.width, image.height) : 1;
    const int levels = std::min<int>(wanted, static_cast<int>(image.levels.size()));
    GLint maxSize = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &maxSize);
    if (image.width > static_cast<uint32_t>(maxSize) ||
        image.height > static_cast<uint32_t>(maxSize)) {
        return 0;
    }
    for (int i = 0; i < 16 && glGetError() != GL_NO_ERROR; ++i) {
    }
    GLuint name = 0;
    glGenTextures(1, &name);
    g_render->BindGLTexture(name);
    int uploaded = 0;
    for (int level = 0; level < levels; ++level) {
        const uint32_t w = LevelSide(image.width, level);
        const uint32_t h = LevelSide(image.height, level);
        const size_t bytes = ImageLevelSize(image.format.id, w, h);
        const std::vector<uint8_t>& data = image.levels[level];
        if (bytes == 0 || data.size() < bytes)
            break;  // truncated level: stop the chain here
        if (gl.compressed) {
            glCompressedTexImage2D(GL_TEXTURE_2D, level, gl.internal, w, h, 0,
                                   static_cast<GLsizei>(bytes), data.data());
        } else {
            glTexImage2D(GL_TEXTURE_2D, level, gl.internal, w, h, 0, gl.format, gl.type,
                         data.data());
        }
        ++uploaded;
    }
    if (uploaded == 0 || glGetError() != GL_NO_ERROR) {
        g_render->ForgetGLTexture(name);
        glDeleteTextures(1, &name);
        return 0;
    }
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_BASE_LEVEL, 0);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAX_LEVEL, uploaded - 1);
    glTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_SWIZZLE_RGBA, gl.swizzle);
    *levelsOut = uploaded;
    return name;
}

}  // namespace

cTexture::cTexture(std::u16string textureName) : name(std::move(textureName)) {
    LiveTextures().push_back(this);
}

cTexture::~cTexture() {
    DiscardDeviceTexture(this);
    auto& live = LiveTextures();
    live.erase(std::remove(live.begin(), live.end(), this), live.end());
}

bool cTexture::HasDeviceTexture() const {
    return device && device->glName != 0 && g_render && g_render->HasDevice() &&
           device->serial == g_render->deviceSerial();
}

uint32_t cTexture::GetWidth() const {
    if (device)
        return device->width;
    if (image)
        return std::max<uint32_t>(image->width, 1);
    return 0;
}

uint32_t cTexture::GetHeight() const {
    if (device)
        return device->height;
    if (image)
        return std::max<uint32_t>(image->height, 1);
    return 0;
}

bool OnCreateContext(cTexture* texture) {
    if (!texture)
        return false;
    if (texture->device) {
        if (texture->HasDeviceTexture()) {
            LogEntry(kLogWarning, kSender, u"OnCreateContext '%s'. Device texture already exist.",
                     texture->name);
            return false;
        }
        // Left over from a context that is gone: its pixels went with it.
        texture->device.reset();
    }
    if (!texture->image)
        return true;
    if (!g_render || !g_render->HasDevice())
        return true;  // waits for the next device

    std::unique_ptr<cImage> image = std::move(texture->image);
    if (!IsPowerOfTwo(image->width)) {
        LogEntry(kLogWarning, kSender, u"OnCreateContext '%s'. NPOT texture width", texture->name);
    }
    if (!IsPowerOfTwo(image->height)) {
        LogEntry(kLogWarning, kSender, u"OnCreateContext '%s'. NPOT texture height", texture->name);
    }
    const cGLFormat gl = GLFormatFor(image->format.id, g_render->HasS3tc());
    texture->opacity = cTextureOpacity::FromImage(*image);
    texture->coverage =
        texture->opacity.AllOpaque() ? cTextureCoverage{} : cTextureCoverage::FromImage(*image);
    texture->uniform = IsUniform(*image);
    texture->uniformColor =
        texture->uniform ? SampledColor(*image, image->levels[0].data()) : std::nullopt;
    g_render->MakeCurrent();
    int levels = 0;
    const unsigned name = Upload(*image, gl, &levels);
    if (!name) {
        LogEntry(kLogWarning, kSender, u"OnCreateContext '%s'. Can't create texture",
                 texture->name);
        return false;  // the image goes too: a texture that failed draws nothing
    }
    auto device = std::make_unique<cDeviceTexture>();
    device->width = image->width;
    device->height = image->height;
    device->format = image->format;
    device->levelCount = levels;
    device->addressMode = texture->keptAddressMode;
    device->glName = name;
    device->serial = g_render->deviceSerial();
    texture->device = std::move(device);
    return true;
}

bool OnDeleteContext(cTexture* texture) {
    if (!texture)
        return false;
    if (!texture->HasDeviceTexture()) {
        texture->device.reset();
        LogEntry(kLogWarning, kSender, u"OnDeleteContext '%s'. Device texture not found.",
                 texture->name);
        return false;
    }
    cDeviceTexture& device = *texture->device;
    const cGLFormat gl = GLFormatFor(device.format.id, true);
    auto image = std::make_unique<cImage>();
    image->format = device.format;
    image->width = device.width;
    image->height = device.height;
    image->levelCount = device.levelCount;
    g_render->MakeCurrent();
    g_render->BindGLTexture(device.glName);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    for (int level = 0; level < device.levelCount; ++level) {
        const uint32_t w = LevelSide(device.width, level);
        const uint32_t h = LevelSide(device.height, level);
        std::vector<uint8_t> pixels(ImageLevelSize(device.format.id, w, h));
        if (gl.compressed) {
            GLint size = 0;
            glGetTexLevelParameteriv(GL_TEXTURE_2D, level, GL_TEXTURE_COMPRESSED_IMAGE_SIZE, &size);
            if (size > 0 && static_cast<size_t>(size) == pixels.size()) {
                glGetCompressedTexImage(GL_TEXTURE_2D, level, pixels.data());
            }
        } else {
            glGetTexImage(GL_TEXTURE_2D, level, gl.format, gl.type, pixels.data());
        }
        image->levels.push_back(std::move(pixels));
    }
    texture->keptAddressMode = device.addressMode;
    DiscardDeviceTexture(texture);
    texture->image = std::move(image);
    return true;
}

void DiscardDeviceTexture(cTexture* texture) {
    if (!texture || !texture->device)
        return;
    if (texture->HasDeviceTexture()) {
        const unsigned name = texture->device->glName;
        g_render->MakeCurrent();
        g_render->ForgetGLTexture(name);
        glDeleteTextures(1, &name);
    }
    texture->device.reset();
}

void SetTextureClamped(cTexture* texture) {
    if (!texture)
        return;
    texture->filterKind = kFilterLinearMipLinear;
    texture->keptAddressMode = kAddressClamp;
    if (texture->device)
        texture->device->addressMode = kAddressClamp;
}

void ForEachTexture(const std::function<void(cTexture&)>& visit) {
    // A copy: a visit may create or destroy textures.
    const std::vector<cTexture*> live = LiveTextures();
    for (cTexture* texture : live) {
        const auto& now = LiveTextures();
        if (std::find(now.begin(), now.end(), texture) != now.end())
            visit(*texture);
    }
}

}  // namespace qor
