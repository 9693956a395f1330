#pragma once
// A hidden window with the engine core, the renderer and its GL device, for
// tests that draw. Tests are skipped where no display or no OpenGL 3.3 exists,
// except under CI=true: there such a skip fails, or a CI machine without a
// working Mesa would pass with no rendering tested at all.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "engine/Image.h"

struct SDL_Window;

namespace qor {
class cGame;
}

namespace qor::test {

class cGLTestContext {
  public:
    cGLTestContext();
    ~cGLTestContext();
    cGLTestContext(const cGLTestContext&) = delete;
    cGLTestContext& operator=(const cGLTestContext&) = delete;

    // Engine core (log, script host, renderer) plus a window and its device.
    // False with the reason when the machine cannot draw.
    bool Open(int width, int height, std::string* why);
    // The window and device only; the engine core and the textures stay.
    void CloseWindow();
    bool OpenWindow(int width, int height, std::string* why);
    void Close();

    SDL_Window* window() const { return m_window; }

    // Log lines (console copy) containing `needle`, counted over the whole run
    // of this context.
    int CountLog(std::u16string_view needle) const;

  private:
    std::unique_ptr<cGame> m_game;
    SDL_Window* m_window = nullptr;
};

// Whether the run is a CI run (CI=true or CI=1), where drawing is required.
bool CiRequiresDrawing();
// For a test about to skip because it cannot draw: under CI=true the test
// fails instead, with a fatal failure (a fixture's test body is then not run,
// and the skip that follows does not undo the failure).
void ReportCannotDraw(const std::string& why);

constexpr uint32_t Argb(uint32_t a, uint32_t r, uint32_t g, uint32_t b) {
    return (a << 24) | (r << 16) | (g << 8) | b;
}

// An image of the given format filled from ARGB colours, (0, 0) being the top
// left pixel as in a decoded file. Luminance formats take the red channel.
cImage MakeImage(int format, uint32_t width, uint32_t height,
                 const std::function<uint32_t(uint32_t x, uint32_t y)>& argbAt);
inline cImage MakeSolidImage(int format, uint32_t width, uint32_t height, uint32_t argb) {
    return MakeImage(format, width, height, [argb](uint32_t, uint32_t) { return argb; });
}

// A fixture drawing into a window of the size its subclass asks for.
class GLTest : public ::testing::Test {
  protected:
    explicit GLTest(int width = 256, int height = 256) : m_width(width), m_height(height) {}
    void SetUp() override;
    void TearDown() override { m_gl.Close(); }

    cGLTestContext m_gl;
    int m_width;
    int m_height;
};

}  // namespace qor::test
