#include "engine/Render.h"

#include <SDL.h>
#include <epoxy/gl.h>

#include <algorithm>
#include <cstddef>
#include <string>

#include "engine/Log.h"
#include "engine/Shaders.h"
#include "engine/Strings.h"
#include "engine/Texture.h"
#include "engine/TextureCache.h"

namespace qor {

cRender* g_render = nullptr;

namespace {

constexpr std::u16string_view kSender = u"cRender";
constexpr std::u16string_view kSenderIndented = u"  cRender";

constexpr float kIdentity[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};

uint8_t Channel(uint32_t argb, int shift) {
    return static_cast<uint8_t>((argb >> shift) & 0xFF);
}

uint8_t ToByte(float component) {
    // Truncated, not rounded, so that a colour packed and read back keeps its
    // bytes; out-of-range input is clamped rather than wrapped into another
    // colour.
    const float scaled = component * 255.0f;
    if (!(scaled > 0.0f))
        return 0;
    if (scaled >= 255.0f)
        return 255;
    return static_cast<uint8_t>(scaled);
}

}  // namespace

int ColorModeFor(uint32_t argb) {
    if (argb == 0xFFFFFFFFu)
        return kColorTexVertex;
    const bool opaque = Channel(argb, 24) == 255;
    const bool white = (argb & 0x00FFFFFFu) == 0x00FFFFFFu;
    if (opaque)
        return kColorFactorAlphaVertex;
    return white ? kColorVertexAlphaFactor : kColorTexFactor;
}

uint32_t PackColor(float r, float g, float b, float a) {
    return (uint32_t{ToByte(a)} << 24) | (uint32_t{ToByte(r)} << 16) | (uint32_t{ToByte(g)} << 8) |
           uint32_t{ToByte(b)};
}

cRender::cRender() = default;

cRender::~cRender() {
    ReleaseDevice();
}

void cRender::PrepareWindowAttributes() {
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    SDL_GL_SetAttribute(SDL_GL_RED_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 0);
    SDL_GL_SetAttribute(SDL_GL_STENCIL_SIZE, 0);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 3);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 3);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_CORE);
}

bool cRender::CreateDevice(SDL_Window* window) {
    if (m_context) {
        LogEntry(kLogWarning, kSender, u"CreateDevice. Device already exists.");
        return true;
    }
    if (!window) {
        LogEntry(kLogError, kSender, u"CreateDevice. No window.");
        return false;
    }
    PrepareWindowAttributes();
    // First ask for a hardware-accelerated context, then take whatever the
    // driver offers (a software rasteriser still runs the game).
    for (int attempt = 0; attempt < 2 && !m_context; ++attempt) {
        LogEntry(kLogText, kSenderIndented, u"Attempt #%i to create OpenGL context", attempt);
        SDL_GL_SetAttribute(SDL_GL_ACCELERATED_VISUAL, attempt == 0 ? 1 : -1);
        m_context = SDL_GL_CreateContext(window);
    }
    SDL_GL_SetAttribute(SDL_GL_ACCELERATED_VISUAL, -1);
    if (!m_context) {
        LogEntry(kLogError, kSender, u"Was not able to create OpenGL 3.3 context: %s",
                 FromUtf8(SDL_GetError()));
        return false;
    }
    if (SDL_GL_MakeCurrent(window, m_context) != 0 || epoxy_gl_version() < 33) {
        LogEntry(kLogError, kSender, u"OpenGL 3.3 is not available: %s", FromUtf8(SDL_GetError()));
        SDL_GL_DeleteContext(m_context);
        m_context = nullptr;
        return false;
    }
    m_window = window;
    ++m_serial;
    m_s3tc = epoxy_has_gl_extension("GL_EXT_texture_compression_s3tc");
    m_vsync = SDL_GL_SetSwapInterval(-1) == 0 || SDL_GL_SetSwapInterval(1) == 0;

    if (!BuildProgram()) {
        SDL_GL_DeleteContext(m_context);
        m_context = nullptr;
        m_window = nullptr;
        return false;
    }

    int w = 0, h = 0;
    SDL_GL_GetDrawableSize(window, &w, &h);
    SetWindowViewport(0, 0, std::max(w, 1), std::max(h, 1));
    SetHardwareDefaults();
    // Textures made while no device existed, or read back from the previous
    // one, get their device textures now.
    RecreateDeviceTextures();
    return true;
}

bool cRender::BuildProgram() {
    for (int i = 0; i < kProgramCount; ++i) {
        std::string error;
        cProgram& p = m_programs[i];
        p = {};
        p.name = BuildSpriteProgram(i / 4, (i / 2) % 2 != 0, i % 2 != 0, &error);
        if (!p.name) {
            LogEntry(kLogError, kSender, u"Can't build the sprite shader: %s", FromUtf8(error));
            DeletePrograms();
            return false;
        }
        p.uProjection = glGetUniformLocation(p.name, "uProjection");
        p.uFactor = glGetUniformLocation(p.name, "uFactor");
        p.uAlphaRef = glGetUniformLocation(p.name, "uAlphaRef");
        glUseProgram(p.name);
        glUniform1i(glGetUniformLocation(p.name, "uTexture"), 0);
    }

    glGenVertexArrays(1, &m_vao);
    glBindVertexArray(m_vao);
    glGenBuffers(1, &m_vbo);
    glBindBuffer(GL_ARRAY_BUFFER, m_vbo);
    const GLsizei stride = sizeof(cVertex);
    glEnableVertexAttribArray(kAttribPosition);
    glVertexAttribPointer(kAttribPosition, 3, GL_FLOAT, GL_FALSE, stride,
                          reinterpret_cast<const void*>(offsetof(cVertex, x)));
    // GL_BGRA size reads a little-endian ARGB word as red, green, blue, alpha.
    glEnableVertexAttribArray(kAttribColor);
    glVertexAttribPointer(kAttribColor, GL_BGRA, GL_UNSIGNED_BYTE, GL_TRUE, stride,
                          reinterpret_cast<const void*>(offsetof(cVertex, color)));
    glEnableVertexAttribArray(kAttribTexCoord);
    glVertexAttribPointer(kAttribTexCoord, 2, GL_FLOAT, GL_FALSE, stride,
                          reinterpret_cast<const void*>(offsetof(cVertex, u)));

    // Drawing without a texture samples plain white, so the vertex colour shows.
    const uint8_t white[4] = {255, 255, 255, 255};
    glGenTextures(1, &m_white);
    glBindTexture(GL_TEXTURE_2D, m_white);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, 1, 1, 0, GL_RGBA, GL_UNSIGNED_BYTE, white);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAX_LEVEL, 0);

    glGenSamplers(2, m_texelSamplers);
    for (int i = 0; i < 2; ++i) {
        const GLint wrap = i == 1 ? GL_CLAMP_TO_EDGE : GL_REPEAT;
        glSamplerParameteri(m_texelSamplers[i], GL_TEXTURE_MIN_FILTER, GL_NEAREST);
        glSamplerParameteri(m_texelSamplers[i], GL_TEXTURE_MAG_FILTER, GL_NEAREST);
        glSamplerParameteri(m_texelSamplers[i], GL_TEXTURE_WRAP_S, wrap);
        glSamplerParameteri(m_texelSamplers[i], GL_TEXTURE_WRAP_T, wrap);
        glSamplerParameteri(m_texelSamplers[i], GL_TEXTURE_WRAP_R, wrap);
    }
    return true;
}

void cRender::DeletePrograms() {
    for (cProgram& p : m_programs) {
        if (p.name)
            glDeleteProgram(p.name);
        p = {};
    }
}

void cRender::ResetStateCache() {
    m_blendKind = -1;
    m_alphaRef = -1;
    m_colorMode = -1;
    m_glBlendOn = -1;
    m_glBlendFunc = -1;
    m_glProgram = -1;
    m_boundTexture = ~0u;
    m_boundSampler = ~0u;
    // Serial 0 is never current: every program sends its uniforms again.
    for (cProgram& p : m_programs) {
        p.projectionSerial = 0;
        p.tintSerial = 0;
        p.alphaRef = -1;
    }
}

void cRender::SetHardwareDefaults() {
    if (!m_context)
        return;
    ResetStateCache();
    LogEntry(kLogText, kSenderIndented, u"Set software defaults - ok");
    glBindVertexArray(m_vao);
    glBindBuffer(GL_ARRAY_BUFFER, m_vbo);
    glActiveTexture(GL_TEXTURE0);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_CULL_FACE);
    glDisable(GL_SCISSOR_TEST);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    SetProjection(kIdentity);
    SetBlend(kBlendOff, 0.0f);
    SetColor(0xFFFFFFFFu);
    BindTexture(nullptr);
    ApplyViewport(m_viewport);
    LogEntry(kLogText, kSenderIndented, u"Set hardware defaults - ok");
}

void cRender::ReleaseDevice() {
    if (!m_context)
        return;
    SDL_GL_MakeCurrent(m_window, m_context);
    // Pixels of every texture go back into images first, so the next device
    // can show them again.
    ReleaseDeviceTextures();
    m_windowViewport = {};
    m_viewport = {};
    glDeleteTextures(1, &m_white);
    glDeleteBuffers(1, &m_vbo);
    glDeleteVertexArrays(1, &m_vao);
    glDeleteSamplers(2, m_texelSamplers);
    m_texelSamplers[0] = m_texelSamplers[1] = 0;
    DeletePrograms();
    m_white = m_vbo = m_vao = 0;
    SDL_GL_MakeCurrent(m_window, nullptr);
    SDL_GL_DeleteContext(m_context);
    m_context = nullptr;
    m_window = nullptr;
    m_vsync = false;
    m_s3tc = false;
    ResetStateCache();
}

bool cRender::Begin() {
    if (!m_context)
        return false;
    // A minimised window has nothing to draw into; frames are skipped until
    // it is restored, and the textures stay as they are.
    if (SDL_GetWindowFlags(m_window) & SDL_WINDOW_MINIMIZED)
        return false;
    MakeCurrent();
    return true;
}

void cRender::MakeCurrent() {
    if (m_context && SDL_GL_GetCurrentContext() != m_context) {
        SDL_GL_MakeCurrent(m_window, m_context);
    }
}

void cRender::End() {
    if (!m_context)
        return;
    // The place where a frame's GL errors surface, once per frame.
    for (GLenum error = glGetError(), n = 0; error != GL_NO_ERROR && n < 8;
         error = glGetError(), ++n) {
        LogEntry(kLogWarning, kSender, u"End. GL error: 0x%08X", static_cast<int32_t>(error));
    }
}

void cRender::SwapBuffers() {
    if (m_context)
        SDL_GL_SwapWindow(m_window);
}

void cRender::SetWindowViewport(int x, int y, int w, int h) {
    m_windowViewport = {x, y, w, h};
    m_viewport = m_windowViewport;
    ApplyViewport(m_viewport);
}

void cRender::SetViewport(int x, int y, int w, int h) {
    if (w >= 1 && h >= 1) {
        m_viewport = {x, y, w, h};
    } else if (m_windowViewport.valid()) {
        m_viewport = m_windowViewport;
    } else {
        return;
    }
    ApplyViewport(m_viewport);
}

void cRender::ApplyViewport(const cViewport& vp) {
    if (!m_context || !vp.valid())
        return;
    // GL counts y from the bottom of the window; callers count from the top.
    const int windowBottom = m_windowViewport.y + m_windowViewport.h;
    glViewport(vp.x, windowBottom - vp.y - vp.h, vp.w, vp.h);
}

void cRender::SetProjection(const float* matrix16) {
    std::copy_n(matrix16, 16, m_projection);
    ++m_projectionSerial;
}

void cRender::Begin2D(float width, float height, bool keepAspect) {
    const cViewport& win = m_windowViewport;
    // Wider than 4:3: draw into a centred 4:3 band. Taller windows are not letterboxed.
    if (keepAspect && win.valid() && int64_t{win.w} * 3 > int64_t{win.h} * 4) {
        const int band = static_cast<int>(int64_t{win.h} * 4 / 3);
        SetViewport(win.x + (win.w - band) / 2, win.y, band, win.h);
    }
    if (width == 0.0f || height == 0.0f)
        return;
    // Orthographic: left 0, right width, bottom 0, top height, near -128, far 128.
    const float n = -128.0f, f = 128.0f;
    // Column-major, as GL reads it.
    float m[16] = {};
    m[0] = 2.0f / width;
    m[5] = 2.0f / height;
    m[10] = -2.0f / (f - n);
    m[12] = -1.0f;
    m[13] = -1.0f;
    m[14] = -(f + n) / (f - n);
    m[15] = 1.0f;
    SetProjection(m);
}

void cRender::Shift2D(float dx, float dy) {
    m_projection[12] += dx * m_projection[0];
    m_projection[13] += dy * m_projection[5];
    ++m_projectionSerial;
}

void cRender::End2D() {
    if (m_windowViewport.valid()) {
        m_viewport = m_windowViewport;
        ApplyViewport(m_viewport);
    }
}

void cRender::SetBlend(int kind, float alphaRef) {
    if (!m_context)
        return;
    if (kind != kBlendAlpha && kind != kBlendAdd && kind != kBlendAlphaAdd)
        kind = kBlendOff;
    m_blendKind = kind;
    m_alphaRef = alphaRef != 0.0f ? static_cast<int>(ToByte(alphaRef)) : -1;
}

void cRender::SetColor(uint32_t argb) {
    if (!m_context)
        return;
    m_colorMode = ColorModeFor(argb);
    if (m_colorMode != kColorTexVertex && argb != m_tint) {
        m_tint = argb;
        ++m_tintSerial;
    }
}

void cRender::SetClearColor(float r, float g, float b, float a) {
    m_clearColor = PackColor(r, g, b, a);
}

void cRender::Clear() {
    if (!m_context)
        return;
    const uint32_t c = m_clearColor;
    glClearColor(Channel(c, 16) / 255.0f, Channel(c, 8) / 255.0f, Channel(c, 0) / 255.0f,
                 Channel(c, 24) / 255.0f);
    glClear(GL_COLOR_BUFFER_BIT);
}

bool cRender::ReadPixels(std::vector<uint8_t>* rgba, int* w, int* h) {
    if (!m_context || !rgba || !w || !h)
        return false;
    int dw = 0, dh = 0;
    SDL_GL_GetDrawableSize(m_window, &dw, &dh);
    if (dw < 1 || dh < 1)
        return false;
    const size_t row = static_cast<size_t>(dw) * 4;
    std::vector<uint8_t> bottomUp(row * dh);
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, dw, dh, GL_RGBA, GL_UNSIGNED_BYTE, bottomUp.data());
    rgba->resize(bottomUp.size());
    for (int y = 0; y < dh; ++y) {
        std::copy_n(bottomUp.data() + row * (dh - 1 - y), row, rgba->data() + row * y);
    }
    *w = dw;
    *h = dh;
    return true;
}

void CreateRender() {
    if (g_render) {
        LogEntry(kLogWarning, u"CreateRender", u"Already exist");
    } else {
        g_render = new cRender();
    }
    LogEntry(kLogText, u"CreateRender", u"Ok");
}

void DestroyRender() {
    if (!g_render)
        return;
    if (g_render->HasDevice()) {
        LogEntry(kLogWarning, kSender, u"DestroyRender. Device not freed!");
    }
    delete g_render;
    g_render = nullptr;
    LogEntry(kLogText, kSender, u"Destroyed.");
    LogEntry(kLogText, u"DestroyRender", u"Ok");
}

}  // namespace qor
