#pragma once
// Draws a batch twice, once flushed by the sprite batch with every shortcut it
// takes (opaque stretches unblended, nearest sampling, trimmed quads) and once
// run by run with nothing but the texture bound, and counts the pixels that
// differ: each shortcut must leave exactly the pixels of the plain path.
#include <epoxy/gl.h>

#include <cstdint>
#include <cstdlib>
#include <functional>
#include <memory>

#include "engine/Render.h"
#include "engine/SpriteBatch.h"
#include "engine/Texture.h"
#include "tests/GLTestContext.h"
#include "tests/GoldenImage.h"

namespace qor::test {

inline constexpr uint32_t kWhite = 0xFFFFFFFFu;

inline uint32_t Noise(uint32_t x, uint32_t y) {
    uint32_t h = x * 374761393u + y * 668265263u;
    h = (h ^ (h >> 13)) * 1274126177u;
    return h ^ (h >> 16);
}

// 128 × 64 opaque noise: any resampling shows in it.
inline cImage Picture() {
    return MakeImage(kImageRGBX32, 128, 64,
                     [](uint32_t x, uint32_t y) { return 0xFF000000u | Noise(x, y); });
}

class FlushCompareTest : public GLTest {
  protected:
    // Background, then `draw` into a batch under GUI blending; flushed either
    // by the batch (with its shortcuts) or run by run with nothing but the
    // texture bound and no hints.
    cRgbaImage Render(const std::function<void(cSpriteBatch*)>& draw, bool shortcuts) {
        EXPECT_TRUE(g_render->Begin());
        g_render->SetClearColor(0.2f, 0.3f, 0.4f, 1.0f);
        g_render->Clear();
        if (m_viewport.valid())
            g_render->SetViewport(m_viewport.x, m_viewport.y, m_viewport.w, m_viewport.h);
        g_render->Begin2D(m_virtualWidth > 0 ? m_virtualWidth : static_cast<float>(m_width),
                          m_virtualHeight > 0 ? m_virtualHeight : static_cast<float>(m_height),
                          false);
        g_render->SetBlend(kBlendAlpha, 0.05f);
        g_render->SetColor(kWhite);
        auto batch = std::make_unique<cSpriteBatch>();
        draw(batch.get());
        g_render->ResetFrameStats();
        if (shortcuts) {
            FlushBatch(batch.get());
        } else {
            g_render->UploadVertices(batch->vertices.data(), batch->VertexEnd());
            for (int i = 0; i < batch->runCount; ++i) {
                g_render->BindTexture(batch->runs[i].texture.get());
                g_render->DrawTriangles(batch->runs[i].first, batch->runs[i].count);
            }
        }
        m_drawCalls = g_render->frameStats().drawCalls;
        m_vertices = g_render->frameStats().vertices;
        GLint sampler = 0;
        glGetIntegerv(GL_SAMPLER_BINDING, &sampler);
        m_texelSampling = sampler != 0;
        GLint program = 0;
        glGetIntegerv(GL_CURRENT_PROGRAM, &program);
        m_readsTexture = glGetUniformLocation(static_cast<GLuint>(program), "uTexture") >= 0;
        g_render->End2D();
        g_render->End();
        cRgbaImage frame;
        EXPECT_TRUE(CaptureFrame(&frame));
        return frame;
    }

    // Pixels differing between the two flushes by more than `tolerance` in
    // any colour channel.
    int Differences(const std::function<void(cSpriteBatch*)>& draw, int tolerance = 0) {
        const cRgbaImage plain = Render(draw, false);
        const cRgbaImage fast = Render(draw, true);
        int differing = 0;
        for (size_t i = 0; i < plain.pixels.size(); i += 4) {
            for (size_t c = 0; c < 3; ++c) {
                if (std::abs(plain.pixels[i + c] - fast.pixels[i + c]) > tolerance) {
                    ++differing;
                    break;
                }
            }
        }
        return differing;
    }

    // The virtual screen and the viewport (window pixels, y from the top) the
    // draws go to; by default one unit is one pixel of the whole window.
    float m_virtualWidth = 0, m_virtualHeight = 0;
    cViewport m_viewport;

    // Of the last Render.
    int m_drawCalls = 0;
    int m_vertices = 0;
    bool m_texelSampling = false;
    // Whether the last draw's program reads the texture at all.
    bool m_readsTexture = true;
};

}  // namespace qor::test
