#pragma once
// Boots the real engine headless (SDL's offscreen video driver), steps frames
// with a fixed clock, injects input through the same dispatch the platform
// layer uses, and captures the frame.
#include <cstdint>
#include <memory>
#include <vector>

union SDL_Event;

namespace qor {
class cGame;
}

namespace qor::test {

class cEngineHarness {
  public:
    cEngineHarness();
    ~cEngineHarness();

    // Creates cGame and a window (full screen at the desktop size unless told
    // otherwise: the offscreen desktop is 1024 × 768); false when
    // no display or GL context can be had here.
    bool Boot(bool fullScreen = true);
    cGame* game() const { return m_game.get(); }

    // Frames of a fixed length; returns false once a quit request arrived.
    // Undrawn frames run everything but the drawing.
    bool Step(int frames = 1, float seconds = 1.0f / 30.0f, bool draw = true);
    void Inject(const SDL_Event& event);

    struct cFrame {
        int width = 0;
        int height = 0;
        std::vector<uint8_t> rgba;           // top row first
        uint32_t Pixel(int x, int y) const;  // 0xRRGGBBAA
    };
    cFrame Capture();

  private:
    std::unique_ptr<cGame> m_game;
    bool m_sdl = false;
    bool m_window = false;
};

}  // namespace qor::test
