#pragma once
// The window's icon: a picture the data tools draw, read from the data folder
// when the window is made. Without it the window manager shows its default.
#include <SDL2/SDL_surface.h>

#include <memory>

#include "engine/Image.h"

struct SDL_Window;

namespace qor {

inline constexpr char16_t kWindowIconFile[] = u"{StaticPath}/icon/window_icon.png";

struct cSurfaceDeleter {
    void operator()(SDL_Surface* surface) const { SDL_FreeSurface(surface); }
};
using cSurfacePtr = std::unique_ptr<SDL_Surface, cSurfaceDeleter>;

// A decoded picture as a surface SDL takes for an icon; null for pictures
// that are not plain colour (luminance, compressed).
cSurfacePtr CreateIconSurface(const cImage& image);

// Sets the icon from kWindowIconFile; a missing or unreadable file is logged
// and the window keeps the default icon. False in that case.
bool ApplyWindowIcon(SDL_Window* window);

}  // namespace qor
