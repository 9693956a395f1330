// Textured quads per millisecond through the engine's sprite batch and through
// SDL2's own SDL_Renderer, on the same offscreen size with the same quads:
// several textures, runs of varying length, alpha blending. Each frame ends
// with a one-pixel read-back so that the time includes the rasterising.
//
//   cmake --build build --target render_batch && build/bench/render_batch [quads] [frames] [side]
//   [longest run]
#include <SDL.h>
#include <epoxy/gl.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "engine/Render.h"
#include "engine/SpriteBatch.h"
#include "engine/Texture.h"
#include "engine/TextureCache.h"

namespace {

using namespace qor;

constexpr int kWidth = 1024;
constexpr int kHeight = 768;
constexpr int kTextures = 8;
constexpr int kTextureSide = 64;
int kQuadSide = 32;    // argv[3]
int kLongestRun = 64;  // argv[4]

struct cQuad {
    int texture;
    float x, y;
};

// The same pseudo-random quads for both paths: runs of 1 to kLongestRun quads of one
// texture, then another texture.
std::vector<cQuad> MakeQuads(int count) {
    std::vector<cQuad> quads;
    quads.reserve(count);
    uint32_t seed = 12345;
    auto next = [&seed] {
        seed = seed * 69069 + 1;
        return (seed >> 16) & 0x7FFF;
    };
    int texture = 0;
    while (static_cast<int>(quads.size()) < count) {
        const int run = 1 + static_cast<int>(next() % kLongestRun);
        texture = (texture + 1 + static_cast<int>(next() % (kTextures - 1))) % kTextures;
        for (int i = 0; i < run && static_cast<int>(quads.size()) < count; ++i) {
            quads.push_back({texture, static_cast<float>(next() % (kWidth - kQuadSide)),
                             static_cast<float>(next() % (kHeight - kQuadSide))});
        }
    }
    return quads;
}

// ARGB pixels of texture i: a tinted disc with soft alpha.
std::vector<uint32_t> TexturePixels(int i) {
    std::vector<uint32_t> pixels(kTextureSide * kTextureSide);
    const uint32_t rgb = 0x203040u + static_cast<uint32_t>(i) * 0x1C1208u;
    for (int y = 0; y < kTextureSide; ++y) {
        for (int x = 0; x < kTextureSide; ++x) {
            const int dx = x - kTextureSide / 2, dy = y - kTextureSide / 2;
            const uint32_t a = dx * dx + dy * dy < (kTextureSide * kTextureSide) / 4 ? 255 : 40;
            pixels[y * kTextureSide + x] = (a << 24) | rgb;
        }
    }
    return pixels;
}

using Clock = std::chrono::steady_clock;

struct cResult {
    double quadsPerMs = 0;
    double drawCallsPerFrame = 0;
};

bool RunEngine(const std::vector<cQuad>& quads, int frames, cResult* result) {
    cRender::PrepareWindowAttributes();
    SDL_Window* window =
        SDL_CreateWindow("bench", 0, 0, kWidth, kHeight, SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN);
    if (!window)
        return false;
    CreateRender();
    if (!g_render->CreateDevice(window)) {
        DestroyRender();
        SDL_DestroyWindow(window);
        return false;
    }
    std::vector<cTextureRef> textures;
    for (int i = 0; i < kTextures; ++i) {
        const std::vector<uint32_t> argb = TexturePixels(i);
        cImage image;
        image.Create(kImageRGBA32, kTextureSide, kTextureSide);
        // ARGB words are blue, green, red, alpha bytes in memory: the image's order.
        std::memcpy(image.levels[0].data(), argb.data(), image.levels[0].size());
        textures.push_back(AddTexture(u"bench" + std::u16string(1, u'0' + i), image));
    }
    auto batch = std::make_unique<cSpriteBatch>();
    int drawCalls = 0;
    auto frame = [&] {
        g_render->Begin();
        g_render->ResetFrameStats();
        g_render->SetClearColor(0, 0, 0, 1);
        g_render->Clear();
        g_render->Begin2D(kWidth, kHeight, false);
        g_render->SetBlend(kBlendAlpha, 0.0f);
        for (const cQuad& q : quads) {
            // Flush before the batch would drop quads: out of runs or vertices.
            const bool newRun = batch->runCount == 0 ||
                                batch->runs[batch->runCount - 1].texture != textures[q.texture];
            if ((newRun && batch->runCount == cSpriteBatch::kMaxRuns) ||
                batch->VertexEnd() + 6 >= cSpriteBatch::kMaxVertices) {
                FlushBatch(batch.get());
                batch->Clear();
            }
            DrawSprite(batch.get(), textures[q.texture], {0, 0, 1, 1},
                       {q.x, q.y, static_cast<float>(kQuadSide), static_cast<float>(kQuadSide)},
                       0xFFFFFFFFu);
        }
        FlushBatch(batch.get());
        batch->Clear();
        g_render->End2D();
        g_render->End();
        uint8_t pixel[4];
        glReadPixels(0, 0, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, pixel);
        drawCalls = g_render->frameStats().drawCalls;
    };
    for (int i = 0; i < 3; ++i)
        frame();
    const auto start = Clock::now();
    for (int i = 0; i < frames; ++i)
        frame();
    const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    result->quadsPerMs = static_cast<double>(quads.size()) * frames / ms;
    result->drawCallsPerFrame = drawCalls;

    textures.clear();
    ClearTextureCache();
    g_render->ReleaseDevice();
    DestroyRender();
    SDL_DestroyWindow(window);
    return true;
}

bool RunSdlRenderer(const char* driver, const std::vector<cQuad>& quads, int frames,
                    cResult* result) {
    SDL_SetHint(SDL_HINT_RENDER_DRIVER, driver);
    SDL_Window* window = SDL_CreateWindow(
        "bench", 0, 0, kWidth, kHeight,
        SDL_WINDOW_HIDDEN | (std::string(driver) == "opengl" ? SDL_WINDOW_OPENGL : 0));
    if (!window)
        return false;
    SDL_Renderer* renderer = SDL_CreateRenderer(window, -1, 0);
    SDL_RendererInfo info;
    if (!renderer || SDL_GetRendererInfo(renderer, &info) != 0 ||
        std::string(info.name) != driver) {
        if (renderer)
            SDL_DestroyRenderer(renderer);
        SDL_DestroyWindow(window);
        return false;
    }
    std::vector<SDL_Texture*> textures;
    for (int i = 0; i < kTextures; ++i) {
        SDL_Texture* t = SDL_CreateTexture(renderer, SDL_PIXELFORMAT_ARGB8888,
                                           SDL_TEXTUREACCESS_STATIC, kTextureSide, kTextureSide);
        const std::vector<uint32_t> argb = TexturePixels(i);
        SDL_UpdateTexture(t, nullptr, argb.data(), kTextureSide * 4);
        SDL_SetTextureBlendMode(t, SDL_BLENDMODE_BLEND);
        textures.push_back(t);
    }
    auto frame = [&] {
        SDL_SetRenderDrawColor(renderer, 0, 0, 0, 255);
        SDL_RenderClear(renderer);
        for (const cQuad& q : quads) {
            const SDL_FRect dst = {q.x, static_cast<float>(kHeight - kQuadSide) - q.y,
                                   static_cast<float>(kQuadSide), static_cast<float>(kQuadSide)};
            SDL_RenderCopyF(renderer, textures[q.texture], nullptr, &dst);
        }
        uint32_t pixel;
        const SDL_Rect one = {0, 0, 1, 1};
        SDL_RenderReadPixels(renderer, &one, SDL_PIXELFORMAT_ARGB8888, &pixel, 4);
    };
    for (int i = 0; i < 3; ++i)
        frame();
    const auto start = Clock::now();
    for (int i = 0; i < frames; ++i)
        frame();
    const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    result->quadsPerMs = static_cast<double>(quads.size()) * frames / ms;
    for (SDL_Texture* t : textures)
        SDL_DestroyTexture(t);
    SDL_DestroyRenderer(renderer);
    SDL_DestroyWindow(window);
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    setenv("SDL_VIDEODRIVER", "offscreen", 0);
    const int quadCount = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20000;
    const int frames = argc > 2 ? std::max(1, std::atoi(argv[2])) : 20;
    if (argc > 3)
        kQuadSide = std::clamp(std::atoi(argv[3]), 1, 256);
    if (argc > 4)
        kLongestRun = std::clamp(std::atoi(argv[4]), 1, 1 << 20);
    if (SDL_Init(SDL_INIT_VIDEO) != 0) {
        std::printf("no video: %s\n", SDL_GetError());
        return 1;
    }
    const std::vector<cQuad> quads = MakeQuads(quadCount);
    std::printf("%d quads of %dx%d px, %d textures, runs of 1-%d, %dx%d, %d frames each\n",
                quadCount, kQuadSide, kQuadSide, kTextures, kLongestRun, kWidth, kHeight, frames);

    cResult engine;
    if (!RunEngine(quads, frames, &engine)) {
        std::printf("engine batch: no OpenGL 3.3 device\n");
        SDL_Quit();
        return 1;
    }
    std::printf("%-24s %10.1f quads/ms  (%.0f draw calls per frame)\n", "engine sprite batch",
                engine.quadsPerMs, engine.drawCallsPerFrame);
    for (const char* driver : {"opengl", "software"}) {
        cResult sdl;
        if (!RunSdlRenderer(driver, quads, frames, &sdl)) {
            std::printf("SDL_Renderer %-11s not available\n", driver);
            continue;
        }
        std::printf("SDL_Renderer %-11s %10.1f quads/ms  engine/SDL ratio %.2f\n", driver,
                    sdl.quadsPerMs, engine.quadsPerMs / sdl.quadsPerMs);
    }
    SDL_Quit();
    return 0;
}
