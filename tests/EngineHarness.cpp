#include "tests/EngineHarness.h"

#include <SDL2/SDL.h>

#include "app/Game.h"
#include "app/Platform.h"
#include "engine/Render.h"
#include "tests/GLTestContext.h"
#include "tests/LeakCheck.h"
#include "tests/TestUtil.h"

namespace qor::test {

uint32_t cEngineHarness::cFrame::Pixel(int x, int y) const {
    const size_t i = (static_cast<size_t>(y) * width + x) * 4;
    return (uint32_t{rgba[i]} << 24) | (uint32_t{rgba[i + 1]} << 16) |
           (uint32_t{rgba[i + 2]} << 8) | rgba[i + 3];
}

cEngineHarness::cEngineHarness() = default;

cEngineHarness::~cEngineHarness() {
    if (m_window)
        DestroyGameWindow();
    m_game.reset();
    if (m_sdl)
        SDL_QuitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS);
}

bool cEngineHarness::Boot(bool fullScreen) {
    UseTestSystemPaths();
    MarkGLUsed();
    if (SDL_InitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) {
        ReportCannotDraw(std::string("no video: ") + SDL_GetError());
        return false;
    }
    m_sdl = true;
    g_perfFrequency = static_cast<int64_t>(SDL_GetPerformanceFrequency());
    m_game = std::make_unique<cGame>();
    m_window = CreateGameWindow(fullScreen ? 1 : 0) != 0;
    if (!m_window)
        ReportCannotDraw("no game window with an OpenGL 3.3 context");
    return m_window;
}

bool cEngineHarness::Step(int frames, float seconds, bool draw) {
    for (int i = 0; i < frames; ++i) {
        if (!PumpEvents())
            return false;
        RunFrame(seconds, draw);
    }
    return true;
}

void cEngineHarness::Inject(const SDL_Event& event) {
    DispatchEvent(event);
}

cEngineHarness::cFrame cEngineHarness::Capture() {
    cFrame frame;
    if (g_render)
        g_render->ReadPixels(&frame.rgba, &frame.width, &frame.height);
    return frame;
}

}  // namespace qor::test
