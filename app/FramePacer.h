#pragma once
// Where presentation does not wait for the display (no vsync: Xvfb, some
// drivers), frames are capped at the display's refresh rate by sleeping, so
// the menus do not burn a core. The logic is unaffected: it runs in fixed ticks.
//
// At full speed (the loading screen asks for it while it loads) frames run back
// to back: nothing sleeps, nothing waits for the display, and few frames are
// drawn: at most one per logic tick, and no more than keeps the drawing to a
// quarter of the time. The others only update. A frame that comes faster than
// the display could show it is not worth its drawing, which on a software
// renderer costs more than many a load.
#include <cstdint>

struct SDL_Window;

namespace qor {

class cFramePacer {
  public:
    // Sleeps until the next frame is due; returns at once at full speed.
    void Wait(bool hasVsync, SDL_Window* window);

    // Switches full speed on or off. Where there is vsync it is switched off
    // meanwhile and back on afterwards.
    void SetFullSpeed(bool fullSpeed, bool hasVsync);
    bool fullSpeed() const { return m_fullSpeed; }

    // Whether the coming frame is drawn: always at the usual pace; at full
    // speed once the previous drawing has been paid for. Counts are the
    // high-resolution counter's.
    bool DrawDue(uint64_t now) const;
    // A drawn frame ended at `now` after `cost` counts of drawing and presenting.
    void Drawn(uint64_t now, uint64_t cost, uint64_t frequency);

    // The frame period for a refresh rate; unknown rates count as 60 Hz.
    static double PeriodSeconds(int refreshRate);

  private:
    uint64_t m_nextFrame = 0;
    uint64_t m_nextDraw = 0;
    bool m_fullSpeed = false;
};

}  // namespace qor
