#pragma once
// The pictures of the level goals in the HUD's task panel: what to build, how
// many workers, which resource, or the one special deed of a level. Each is
// painted into a kTaskIconSize square cell at the origin.
#include <cairo.h>

#include <vector>

namespace artgen {

inline constexpr int kTaskIconSize = 48;

struct TaskIcon {
    const char* area;
    void (*paint)(cairo_t*);
};

// In the order they are laid out in the texture.
const std::vector<TaskIcon>& TaskIcons();

}  // namespace artgen
