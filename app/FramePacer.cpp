#include "app/FramePacer.h"

#include <SDL2/SDL.h>

#include <algorithm>

namespace qor {

namespace {
constexpr uint64_t kLogicTicksPerSecond = 30;
// At full speed, for each count spent drawing, three go to the updates.
constexpr uint64_t kUndrawnShare = 3;
}  // namespace

double cFramePacer::PeriodSeconds(int refreshRate) {
    if (refreshRate < 24 || refreshRate > 500)
        refreshRate = 60;
    return 1.0 / refreshRate;
}

void cFramePacer::SetFullSpeed(bool fullSpeed, bool hasVsync) {
    if (fullSpeed == m_fullSpeed)
        return;
    m_fullSpeed = fullSpeed;
    m_nextFrame = 0;  // the rhythm starts afresh either way
    m_nextDraw = 0;
    if (!hasVsync)
        return;
    if (fullSpeed) {
        SDL_GL_SetSwapInterval(0);
    } else if (SDL_GL_SetSwapInterval(-1) != 0) {
        SDL_GL_SetSwapInterval(1);  // no adaptive vsync here: the plain kind
    }
}

bool cFramePacer::DrawDue(uint64_t now) const {
    return !m_fullSpeed || now >= m_nextDraw;
}

void cFramePacer::Drawn(uint64_t now, uint64_t cost, uint64_t frequency) {
    if (m_fullSpeed)
        m_nextDraw = now + std::max(frequency / kLogicTicksPerSecond, kUndrawnShare * cost);
}

void cFramePacer::Wait(bool hasVsync, SDL_Window* window) {
    if (m_fullSpeed)
        return;
    // Some drivers accept a swap interval and never wait (the offscreen
    // driver, Xvfb), so the pacer runs even with vsync. Where presentation
    // really waits, the frame already ends near its target and nothing sleeps.
    int refresh = 0;
    SDL_DisplayMode mode;
    if (window && SDL_GetWindowDisplayMode(window, &mode) == 0)
        refresh = mode.refresh_rate;
    const uint64_t frequency = SDL_GetPerformanceFrequency();
    const auto period = static_cast<uint64_t>(PeriodSeconds(refresh) * frequency);
    const uint64_t now = SDL_GetPerformanceCounter();
    if (m_nextFrame == 0 || now > m_nextFrame + period) {
        // First frame, or we fell behind: start the rhythm afresh.
        m_nextFrame = now + period;
        return;
    }
    if (now < m_nextFrame) {
        const uint64_t ms = (m_nextFrame - now) * 1000 / frequency;
        // Leave a millisecond of slack so a real vertical blank is not missed.
        const uint64_t slack = hasVsync ? 2 : 0;
        if (ms > slack)
            SDL_Delay(static_cast<uint32_t>(ms - slack));
    }
    m_nextFrame += period;
}

}  // namespace qor
