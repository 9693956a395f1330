#include "engine/SpriteBatch.h"

#include <cmath>

namespace qor {

namespace {

inline void Put(cVertex* v, float x, float y, float u, float tv, uint32_t color) {
    v->x = x;
    v->y = y;
    v->z = 0.0f;
    v->color = color;
    v->u = u;
    v->v = tv;
}

// Two triangles: (x0,y0) (x1,y0) (x0,y1) and (x0,y1) (x1,y0) (x1,y1).
inline void PutQuad(cVertex* v, float x0, float y0, float x1, float y1, float u0, float v0,
                    float u1, float v1, uint32_t color) {
    Put(v + 0, x0, y0, u0, v0, color);
    Put(v + 1, x1, y0, u1, v0, color);
    Put(v + 2, x0, y1, u0, v1, color);
    Put(v + 3, x0, y1, u0, v1, color);
    Put(v + 4, x1, y0, u1, v0, color);
    Put(v + 5, x1, y1, u1, v1, color);
}

}  // namespace

void cSpriteBatch::Clear() {
    for (int i = 0; i < runCount; ++i)
        runs[i].texture.reset();
    runCount = 0;
}

int cSpriteBatch::VertexEnd() const {
    return runCount > 0 ? runs[runCount - 1].first + runs[runCount - 1].count : 0;
}

cVertex* AllocVertices(cSpriteBatch* batch, int count, const std::shared_ptr<cTexture>& texture) {
    if (!batch || count <= 0)
        return nullptr;
    cSpriteBatch& b = *batch;
    if (b.runCount == 0 || b.runs[b.runCount - 1].texture.get() != texture.get()) {
        if (b.runCount < cSpriteBatch::kMaxRuns)
            ++b.runCount;
        // With every run in use the last one starts over for this texture.
        const int previous = b.runCount - 2;
        cBatchRun& run = b.runs[b.runCount - 1];
        run.texture = texture;
        run.first = previous >= 0 ? b.runs[previous].first + b.runs[previous].count : 0;
        run.count = 0;
    }
    cBatchRun& run = b.runs[b.runCount - 1];
    if (run.first + run.count + count >= cSpriteBatch::kMaxVertices)
        return nullptr;
    cVertex* out = &b.vertices[run.first + run.count];
    run.count += count;
    return out;
}

void DrawSprite(cSpriteBatch* batch, const std::shared_ptr<cTexture>& texture, const cRectF& uv,
                const cRectF& pos, uint32_t color) {
    cVertex* v = AllocVertices(batch, 6, texture);
    if (!v)
        return;
    PutQuad(v, pos.x, pos.y, pos.x + pos.w, pos.y + pos.h, uv.x, uv.y, uv.x + uv.w, uv.y + uv.h,
            color);
}

void DrawBorderFrame(cSpriteBatch* batch, const std::shared_ptr<cTexture>& texture,
                     const cRectF& pos, const cRectF& uv, cVec2 border, cVec2 uvBorder,
                     bool withCentre, uint32_t color) {
    cVertex* v = AllocVertices(batch, withCentre ? 54 : 48, texture);
    if (!v)
        return;
    const float xs[4] = {pos.x, pos.x + border.x, pos.x + pos.w - border.x, pos.x + pos.w};
    const float ys[4] = {pos.y, pos.y + border.y, pos.y + pos.h - border.y, pos.y + pos.h};
    const float us[4] = {uv.x, uv.x + uvBorder.x, uv.x + uv.w - uvBorder.x, uv.x + uv.w};
    const float vs[4] = {uv.y, uv.y + uvBorder.y, uv.y + uv.h - uvBorder.y, uv.y + uv.h};
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 3; ++col) {
            if (row == 1 && col == 1 && !withCentre)
                continue;
            PutQuad(v, xs[col], ys[row], xs[col + 1], ys[row + 1], us[col], vs[row], us[col + 1],
                    vs[row + 1], color);
            v += 6;
        }
    }
}

void DrawBand(cSpriteBatch* batch, const std::shared_ptr<cTexture>& texture, cVec2 from, cVec2 to,
              float width, const cRectF& uv, uint32_t color) {
    const float dx = to.x - from.x;
    const float dy = to.y - from.y;
    const float length = std::sqrt(dx * dx + dy * dy);
    if (!(length > 0.0f))
        return;  // no direction to be perpendicular to
    // Half the width, perpendicular to the line (to its left).
    const float nx = -dy / length * width * 0.5f;
    const float ny = dx / length * width * 0.5f;
    cVertex* v = AllocVertices(batch, 6, texture);
    if (!v)
        return;
    const float u0 = uv.x, u1 = uv.x + uv.w, v0 = uv.y, v1 = uv.y + uv.h;
    Put(v + 0, from.x - nx, from.y - ny, u0, v0, color);
    Put(v + 1, to.x - nx, to.y - ny, u1, v0, color);
    Put(v + 2, from.x + nx, from.y + ny, u0, v1, color);
    Put(v + 3, from.x + nx, from.y + ny, u0, v1, color);
    Put(v + 4, to.x - nx, to.y - ny, u1, v0, color);
    Put(v + 5, to.x + nx, to.y + ny, u1, v1, color);
}

void DrawSector(cSpriteBatch* batch, const std::shared_ptr<cTexture>& texture, cVec2 centre,
                float radius, int segments, float startAngle, float endAngle, const cRectF& uv,
                uint32_t color) {
    if (segments < 3)
        segments = 3;
    // Bounded by the batch: more segments than it can hold would never draw.
    if (segments > cSpriteBatch::kMaxVertices / 3)
        return;
    cVertex* v = AllocVertices(batch, segments * 3, texture);
    if (!v)
        return;
    const float step = (endAngle - startAngle) / static_cast<float>(segments);
    const float cu = uv.x + uv.w * 0.5f;
    const float cv = uv.y + uv.h * 0.5f;
    const float hu = uv.w * 0.5f;
    const float hv = uv.h * 0.5f;
    for (int i = 0; i < segments; ++i) {
        const float a0 = startAngle + step * static_cast<float>(i);
        const float a1 = startAngle + step * static_cast<float>(i + 1);
        const float c0 = std::cos(a0), s0 = std::sin(a0);
        const float c1 = std::cos(a1), s1 = std::sin(a1);
        Put(v + 0, centre.x, centre.y, cu, cv, color);
        Put(v + 1, centre.x + c0 * radius, centre.y + s0 * radius, cu + c0 * hu, cv + s0 * hv,
            color);
        Put(v + 2, centre.x + c1 * radius, centre.y + s1 * radius, cu + c1 * hu, cv + s1 * hv,
            color);
        v += 3;
    }
}

}  // namespace qor
