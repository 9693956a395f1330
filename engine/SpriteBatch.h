#pragma once
// All 2D drawing goes through one batch: a vertex array of 65536 vertices cut
// into at most 500 runs, each run drawn with one texture. Consecutive quads of
// the same texture share a run; FlushBatch draws every run in order with one
// draw call each. The caller empties the batch after a flush.
#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "engine/Render.h"

namespace qor {

class cTexture;

struct cRectF {
    float x = 0, y = 0, w = 0, h = 0;
};

struct cVec2 {
    float x = 0, y = 0;
};

struct cBatchRun {
    std::shared_ptr<cTexture> texture;  // may be empty: drawn untextured
    int first = 0;
    int count = 0;
};

class cSpriteBatch {
  public:
    static constexpr int kMaxVertices = 65536;
    static constexpr int kMaxRuns = 500;

    cSpriteBatch() : vertices(kMaxVertices) {}

    // Empties the batch and lets go of the runs' textures.
    void Clear();
    // One past the last vertex in use.
    int VertexEnd() const;

    std::vector<cVertex> vertices;
    std::array<cBatchRun, kMaxRuns> runs;
    int runCount = 0;
};

// Reserves `count` vertices in a run of `texture`, starting a run when the
// last one has another texture. With all runs in use the last run is
// restarted for the new texture, dropping what it held. Null when the
// vertices would reach the end of the array (nothing is drawn).
cVertex* AllocVertices(cSpriteBatch* batch, int count, const std::shared_ptr<cTexture>& texture);
// Draws every run; the batch is left as it is (the vertex array past its end
// serves as room for trimmed quads).
void FlushBatch(cSpriteBatch* batch);

// uv and pos are (x, y, w, h); y and v grow upward.
void DrawSprite(cSpriteBatch* batch, const std::shared_ptr<cTexture>& texture, const cRectF& uv,
                const cRectF& pos, uint32_t color);
// Nine-patch: corners unscaled, edges and centre stretched. `border` is in
// screen units, `uvBorder` in texture units. 54 vertices, 48 without centre.
void DrawBorderFrame(cSpriteBatch* batch, const std::shared_ptr<cTexture>& texture,
                     const cRectF& pos, const cRectF& uv, cVec2 border, cVec2 uvBorder,
                     bool withCentre, uint32_t color);
// A quad of `width` centred on the line from → to; the texture's width runs
// along the line, its height across. Nothing for a zero-length line.
void DrawBand(cSpriteBatch* batch, const std::shared_ptr<cTexture>& texture, cVec2 from, cVec2 to,
              float width, const cRectF& uv, uint32_t color);
// A fan of `segments` (at least 3) triangles from the centre between the two
// angles (radians, counter-clockwise); the texture rectangle's inscribed
// ellipse is mapped onto the circle.
void DrawSector(cSpriteBatch* batch, const std::shared_ptr<cTexture>& texture, cVec2 centre,
                float radius, int segments, float startAngle, float endAngle, const cRectF& uv,
                uint32_t color);

}  // namespace qor
