#pragma once
// Where presentation does not wait for the display (no vsync: Xvfb, some
// drivers), frames are capped at the display's refresh rate by sleeping, so
// the menus do not burn a core. The logic is unaffected: it runs in fixed ticks.
#include <cstdint>

struct SDL_Window;

namespace qor {

class cFramePacer {
public:
    void Wait(bool hasVsync, SDL_Window* window);

    // The frame period for a refresh rate; unknown rates count as 60 Hz.
    static double PeriodSeconds(int refreshRate);

private:
    uint64_t m_nextFrame = 0;
};

}  // namespace qor
