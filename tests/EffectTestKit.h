#pragma once
// Shared by the effect and scene-drawing tests: an engine core without a
// window, sprites made up on the spot, and the quads written into a batch.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "app/Game.h"
#include "engine/Atlas.h"
#include "engine/Font.h"
#include "engine/SpriteBatch.h"
#include "engine/TextureCache.h"
#include "tests/TestUtil.h"

namespace qor::test {

// One quad of a batch as DrawSprite writes it (vertices 6i … 6i + 5).
struct cQuad {
    cRectF pos;
    cRectF uv;
    uint32_t color = 0;
};

inline cQuad QuadAt(const cSpriteBatch& batch, int index) {
    const cVertex* v = &batch.vertices[static_cast<size_t>(index) * 6];
    // v[0] is (x, y | u, v), v[5] is (x + w, y + h | u + w, v + h).
    return {{v[0].x, v[0].y, v[5].x - v[0].x, v[5].y - v[0].y},
            {v[0].u, v[0].v, v[5].u - v[0].u, v[5].v - v[0].v},
            v[0].color};
}
inline int QuadCount(const cSpriteBatch& batch) {
    return batch.VertexEnd() / 6;
}

inline void ExpectRect(const cRectF& r, float x, float y, float w, float h, float tol = 1e-3f) {
    EXPECT_NEAR(r.x, x, tol);
    EXPECT_NEAR(r.y, y, tol);
    EXPECT_NEAR(r.w, w, tol);
    EXPECT_NEAR(r.h, h, tol);
}

// An engine core (log, caches) without window; every cache is emptied after.
class EffectTest : public ::testing::Test {
  protected:
    void SetUp() override {
        UseTestSystemPaths();
        m_game = std::make_unique<cGame>();
    }
    void TearDown() override {
        ClearAtlasCaches();
        ClearFontCache();
        ClearTextureCache();
        m_game.reset();
    }

    // A blank texture of w × h pixels with one area cut into columns × rows frames.
    static cSpriteInfo MakeSprite(const std::u16string& texture, const std::u16string& area,
                                  uint32_t w, uint32_t h, int columns, int rows, float fps) {
        cImage image;
        EXPECT_TRUE(image.Create(kImageRGBA32, w, h));
        AddTexture(texture, std::move(image));
        AddNode(CreateTextureInfo(texture).get(), area, {0, 0, 1, 1}, columns, rows, fps);
        return GetSpriteInfo(texture, area);
    }

    std::unique_ptr<cGame> m_game;
    cSpriteBatch m_batch;
};

}  // namespace qor::test
