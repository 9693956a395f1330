#pragma once
// The renderer draws the whole game as textured, coloured 2D quads through an
// OpenGL 3.3 core context and one small shader program. Drawing code never
// talks to GL: it fills the sprite batch (engine/SpriteBatch.h) and flushes it.
//
// Conventions every caller relies on:
//  - 2D coordinates have the origin at the bottom-left of the virtual screen,
//    x to the right, y upward (Begin2D sets the projection).
//  - Texture v runs from 0 at the bottom of the image to 1 at the top, while
//    images are uploaded top row first, exactly as decoded.
//  - Vertex colours and SetColor tints are 32-bit ARGB.
#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

struct SDL_Window;

namespace qor {

class cTexture;

// Do not reorder: the vertex stream is declared with this exact layout.
struct cVertex {
    float x = 0, y = 0, z = 0;
    uint32_t color = 0;  // ARGB
    float u = 0, v = 0;
};
static_assert(sizeof(cVertex) == 24, "the vertex stream stride is 24 bytes");

struct cFrameStats {
    int vertices = 0;
    int primitives = 0;
    int drawCalls = 0;
};

struct cViewport {
    int x = 0, y = 0, w = 0, h = 0;
    bool valid() const { return w >= 1 && h >= 1; }
};

// kBlendAlphaAdd (source alpha, one) adds light that fades with its alpha:
// glowing particles.
enum eBlendKind : int { kBlendOff = 0, kBlendAlpha = 1, kBlendAdd = 2, kBlendAlphaAdd = 3 };

// How SetColor combines texture, vertex colour and tint (the "texture factor").
enum eColorMode : int {
    kColorTexVertex = 0,          // colour and alpha: texture × vertex
    kColorTexFactor = 1,          // colour and alpha: texture × tint
    kColorVertexAlphaFactor = 2,  // colour: texture × vertex; alpha: texture × tint
    kColorFactorAlphaVertex = 3,  // colour: texture × tint; alpha: texture × vertex
};

// What a caller of DrawTriangles knows about the triangles it draws.
enum eDrawHint : int {
    // Every fragment comes out with alpha 1: with alpha blending (and an alpha
    // test below 255) they are drawn without either, for the same pixels.
    kDrawOpaque = 1,
    // Every vertex is opaque white: texture × vertex colour is the texture.
    kDrawPlainTexture = 2,
    // Every texel the triangles sample is opaque white (no texture, or one of
    // a single colour already multiplied into the vertices): the texture is
    // not read, which a software rasteriser pays for on every pixel.
    kDrawWhiteTexels = 4,
};

// Window pixels of a virtual point under the current projection and viewport:
// x × sx + ox, y × sy + oy (GL window coordinates, y from the bottom).
struct cPixelMapping {
    float sx = 1, sy = 1, ox = 0, oy = 0;
};

// The colour mode SetColor selects for a tint; exposed for the tests.
int ColorModeFor(uint32_t argb);

// Packs four 0..1 components into ARGB, each × 255 truncated.
uint32_t PackColor(float r, float g, float b, float a);

class cRender {
  public:
    cRender();
    ~cRender();
    cRender(const cRender&) = delete;
    cRender& operator=(const cRender&) = delete;

    // Sets the GL attributes the window needs (double buffer, 8-bit RGBA, no
    // depth buffer). Call before SDL_CreateWindow; the window needs SDL_WINDOW_OPENGL.
    static void PrepareWindowAttributes();

    // Creates the GL 3.3 core context on the window, makes it current, builds
    // the shader program, applies the hardware defaults, sets the window
    // viewport from the drawable size and re-creates the device texture of
    // every texture that waits for one. False (logged) when no context.
    [[nodiscard]] bool CreateDevice(SDL_Window* window);
    // Reads every live device texture back into its image (they come back with
    // the next device), clears the window viewport, deletes the context.
    void ReleaseDevice();
    bool HasDevice() const { return m_context != nullptr; }
    // Whether presentation waits for the display; the platform layer paces the
    // loop itself when it does not.
    bool HasVsync() const { return m_vsync; }
    // Serial of the current context; device textures made under another one are stale.
    uint32_t deviceSerial() const { return m_serial; }
    bool HasS3tc() const { return m_s3tc; }
    void SetHardwareDefaults();

    // Frame bracketing. Begin is false with no device or a minimised window:
    // that frame is skipped (updates go on).
    bool Begin();
    void End();
    void SwapBuffers();

    // The whole client area in pixels; the platform layer calls this on every
    // resize (a height of 0 already turned into 1). Also the current viewport.
    void SetWindowViewport(int x, int y, int w, int h);
    // Window pixels, y counted from the top. A width or height below 1 restores
    // the window viewport.
    void SetViewport(int x, int y, int w, int h);
    const cViewport& windowViewport() const { return m_windowViewport; }
    const cViewport& viewport() const { return m_viewport; }

    void Begin2D(float width, float height, bool keepAspect);
    // Moves everything drawn from now on by (dx, dy) virtual units (a shaken
    // scene); the same call with the opposite offset undoes it.
    void Shift2D(float dx, float dy);
    void End2D();
    // kind: eBlendKind. alphaRef ≠ 0: fragments pass when alpha × 255 > alphaRef × 255 (truncated).
    void SetBlend(int kind, float alphaRef);
    void SetColor(uint32_t argb);
    void SetClearColor(float r, float g, float b, float a);
    uint32_t clearColor() const { return m_clearColor; }
    // Clears the whole window to the clear colour (colour only).
    void Clear();

    void ResetFrameStats() { m_stats = {}; }
    void EndFrameStats() { m_lastStats = m_stats; }
    const cFrameStats& frameStats() const { return m_stats; }
    const cFrameStats& lastFrameStats() const { return m_lastStats; }

    // The back buffer as RGBA bytes, top row first. For tests and screenshots.
    bool ReadPixels(std::vector<uint8_t>* rgbaTopRowFirst, int* w, int* h);

    // For the sprite batch: binds a texture (null or without device texture:
    // plain white) with its filter kind and address mode. `nearestIsExact`
    // says that nearest sampling gives what the texture's filter gives (each
    // pixel centre on a texel centre, or a texture of one colour): the texture
    // is then sampled nearest, which software rasterisers do much faster.
    void BindTexture(const cTexture* texture, bool nearestIsExact = false);
    // How virtual units map to window pixels now; false when the projection
    // is not a plain scale and offset.
    bool PixelMapping(cPixelMapping* mapping) const;
    // Streams vertices into the one vertex buffer, orphaning its storage.
    void UploadVertices(const cVertex* vertices, size_t count);
    // Draws `count` vertices of the last upload as triangles; counts statistics.
    // `hints` (eDrawHint) are promises about the triangles that let them be
    // drawn with less work for the same pixels.
    bool DrawTriangles(int first, int count, int hints = 0);
    // Whether opaque triangles would be drawn any cheaper under the current
    // blending, alpha test and colour mode (the tint's alpha must not count).
    bool OpaqueDrawsPayOff() const;
    // Whether fragments of alpha 0 leave no trace under the current blending
    // and alpha test.
    bool ClearTexelsHidden() const;
    // Whether nothing drawn now can leave a trace: the colour mode takes alpha
    // from a tint that the blending or the alpha test hides (a window fading
    // in starts there).
    bool NothingShows() const;

    // Makes the device's context current on this thread if another one is
    // (SDL's own renderer, a second window in a tool).
    void MakeCurrent();
    // For device textures: every GL texture binding goes through here so the
    // binding cache stays true.
    void BindGLTexture(unsigned name);
    void ForgetGLTexture(unsigned name);

    int blendKind() const { return m_blendKind; }
    int alphaRef() const { return m_alphaRef; }
    int colorMode() const { return m_colorMode; }
    uint32_t tint() const { return m_tint; }

  private:
    // One program per colour mode, with and without the alpha test, reading
    // the texture or not, and the uniform values it holds now.
    struct cProgram {
        unsigned name = 0;
        int uProjection = -1;
        int uFactor = -1;
        int uAlphaRef = -1;
        uint32_t projectionSerial = 0;
        uint32_t tintSerial = 0;
        int alphaRef = -1;
    };
    // Colour modes 0-3 and the plain texture, each without and with the alpha
    // test, each reading the texture or taking its texels as white.
    static constexpr int kProgramCount = 20;

    bool BuildProgram();
    void DeletePrograms();
    // Sends what the next draw needs: blending on or off, the program and its uniforms.
    void ApplyDrawState(int hints);
    void ApplyViewport(const cViewport& vp);
    void SetProjection(const float* matrix16);
    void ResetStateCache();

    SDL_Window* m_window = nullptr;
    void* m_context = nullptr;  // SDL_GLContext
    uint32_t m_serial = 0;
    bool m_vsync = false;
    bool m_s3tc = false;
    uint32_t m_clearColor = 0xFF000000u;

    cViewport m_windowViewport;
    cViewport m_viewport;

    // GL objects of the current context.
    std::array<cProgram, kProgramCount> m_programs;
    unsigned m_vao = 0;
    unsigned m_vbo = 0;
    unsigned m_white = 0;
    unsigned m_texelSamplers[2] = {};  // nearest, wrapped and clamped

    // The state callers asked for; it reaches GL with the next draw.
    int m_blendKind = -1;
    int m_alphaRef = -1;  // 0..255, -1 test off
    int m_colorMode = -1;
    uint32_t m_tint = 0;
    float m_projection[16] = {};
    // Bumped on every change, so each program knows whether its copy is stale.
    uint32_t m_projectionSerial = 1;
    uint32_t m_tintSerial = 1;

    // What GL holds now, so redundant calls are skipped (-1: unknown).
    int m_glBlendOn = -1;
    int m_glBlendFunc = -1;
    int m_glProgram = -1;
    unsigned m_boundTexture = ~0u;
    unsigned m_boundSampler = ~0u;

    cFrameStats m_stats;
    cFrameStats m_lastStats;
};

extern cRender* g_render;

// Creates g_render (a second call keeps the existing one). Logs as the engine does.
void CreateRender();
void DestroyRender();

}  // namespace qor
