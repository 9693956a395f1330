#include "tests/GLTestContext.h"

#include "tests/LeakCheck.h"

#include <SDL.h>
#include <strings.h>

#include <cstdlib>
#include <cstring>

#include "app/Game.h"
#include "engine/Console.h"
#include "engine/Log.h"
#include "engine/Render.h"

namespace qor::test {

cGLTestContext::cGLTestContext() = default;

cGLTestContext::~cGLTestContext() {
    Close();
}

namespace {

// Video and the GL library stay loaded for the whole test run: unloading the
// driver between tests would make LeakSanitizer count the memory the driver
// keeps for its lifetime as leaked, and reloading it costs time.
bool InitVideoOnce(std::string* why) {
    MarkGLUsed();  // the driver's worker threads trip the exit leak check
    static const std::string failure = [] {
        if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0)
            return std::string("no video: ") + SDL_GetError();
        if (SDL_GL_LoadLibrary(nullptr) != 0)
            return std::string("no GL library: ") + SDL_GetError();
        return std::string();
    }();
    *why = failure;
    return failure.empty();
}

}  // namespace

bool cGLTestContext::Open(int width, int height, std::string* why) {
    if (!InitVideoOnce(why))
        return false;
    if (!m_game)
        m_game = std::make_unique<cGame>();
    return OpenWindow(width, height, why);
}

bool cGLTestContext::OpenWindow(int width, int height, std::string* why) {
    cRender::PrepareWindowAttributes();
    m_window = SDL_CreateWindow("qor test", SDL_WINDOWPOS_UNDEFINED, SDL_WINDOWPOS_UNDEFINED, width,
                                height, SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN);
    if (!m_window) {
        *why = std::string("no GL window: ") + SDL_GetError();
        return false;
    }
    if (!g_render || !g_render->CreateDevice(m_window)) {
        *why = "no OpenGL 3.3 core context";
        return false;
    }
    g_render->SetWindowViewport(0, 0, width, height);
    return true;
}

void cGLTestContext::CloseWindow() {
    if (g_render)
        g_render->ReleaseDevice();
    if (m_window)
        SDL_DestroyWindow(m_window);
    m_window = nullptr;
}

void cGLTestContext::Close() {
    CloseWindow();
    m_game.reset();
}

int cGLTestContext::CountLog(std::u16string_view needle) const {
    if (!g_log || !g_log->console())
        return 0;
    int n = 0;
    for (const std::u16string& line : g_log->console()->lines()) {
        if (line.find(needle) != std::u16string::npos)
            ++n;
    }
    return n;
}

cImage MakeImage(int format, uint32_t width, uint32_t height,
                 const std::function<uint32_t(uint32_t x, uint32_t y)>& argbAt) {
    cImage image;
    image.Create(format, width, height);
    const int bpp = ImageBytesPerPixel(format);
    if (bpp == 0 || image.levels.empty())
        return image;
    uint8_t* out = image.levels[0].data();
    for (uint32_t y = 0; y < height; ++y) {
        for (uint32_t x = 0; x < width; ++x, out += bpp) {
            const uint32_t c = argbAt(x, y);
            const uint8_t a = c >> 24, r = (c >> 16) & 0xFF, g = (c >> 8) & 0xFF, b = c & 0xFF;
            switch (format) {
                case kImageL8:
                    out[0] = r;
                    break;
                case kImageL8A8:
                    out[0] = r;
                    out[1] = a;
                    break;
                case kImageRGB16: {
                    const uint16_t v =
                        static_cast<uint16_t>(((r >> 3) << 11) | ((g >> 2) << 5) | (b >> 3));
                    out[0] = v & 0xFF;
                    out[1] = v >> 8;
                    break;
                }
                case kImageRGBA16:  // no device format: content does not matter
                    out[0] = out[1] = 0;
                    break;
                default:  // blue, green, red (, alpha)
                    out[0] = b;
                    out[1] = g;
                    out[2] = r;
                    if (bpp == 4)
                        out[3] = a;
                    break;
            }
        }
    }
    return image;
}

bool CiRequiresDrawing() {
    const char* ci = std::getenv("CI");
    return ci && (strcasecmp(ci, "true") == 0 || std::strcmp(ci, "1") == 0);
}

void ReportCannotDraw(const std::string& why) {
    // Fatal, so that a fixture's test body is not run without a device.
    if (CiRequiresDrawing())
        FAIL() << "cannot draw under CI=true, where drawing is required: " << why;
}

void GLTest::SetUp() {
    std::string why;
    if (!m_gl.Open(m_width, m_height, &why)) {
        m_gl.Close();
        ReportCannotDraw(why);
        GTEST_SKIP() << why;
    }
}

}  // namespace qor::test
