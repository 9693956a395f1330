#include "app/WindowIcon.h"

#include <SDL2/SDL.h>

#include "engine/Log.h"
#include "engine/Path.h"

namespace qor {

namespace {
constexpr char16_t kSender[] = u"cGame";
}  // namespace

cSurfacePtr CreateIconSurface(const cImage& image) {
    const int bytes = ImageBytesPerPixel(image.format.id);
    const bool colour = image.format.id == kImageRGB24 || image.format.id == kImageRGBX32 ||
                        image.format.id == kImageRGBA32;
    if (!colour || image.levels.empty() || image.width == 0 || image.height == 0 ||
        image.levels[0].size() < ImageLevelSize(image.format.id, image.width, image.height)) {
        return nullptr;
    }
    cSurfacePtr surface(SDL_CreateRGBSurfaceWithFormat(0, static_cast<int>(image.width),
                                                       static_cast<int>(image.height), 32,
                                                       SDL_PIXELFORMAT_BGRA32));
    if (!surface)
        return nullptr;
    // Our images hold blue, green, red (, alpha) bytes, top row first.
    const uint8_t* in = image.levels[0].data();
    for (uint32_t y = 0; y < image.height; ++y) {
        auto* out =
            static_cast<uint8_t*>(surface->pixels) + static_cast<size_t>(y) * surface->pitch;
        for (uint32_t x = 0; x < image.width; ++x, in += bytes, out += 4) {
            out[0] = in[0];
            out[1] = in[1];
            out[2] = in[2];
            out[3] = image.format.id == kImageRGBA32 ? in[3] : 255;
        }
    }
    return surface;
}

bool ApplyWindowIcon(SDL_Window* window) {
    if (!window)
        return false;
    const cPath path(kWindowIconFile);
    cImage image;
    if (const int code = LoadImage(&image, path); code != 0) {
        LogEntry(kLogWarning, kSender,
                 u"Window icon %s cannot be loaded (%i); the default is shown", path.full, code);
        return false;
    }
    const cSurfacePtr surface = CreateIconSurface(image);
    if (!surface) {
        LogEntry(kLogWarning, kSender,
                 u"Window icon %s is not a colour picture; the default is shown", path.full);
        return false;
    }
    SDL_SetWindowIcon(window, surface.get());
    return true;
}

}  // namespace qor
