// The level's frame: the scene layer by layer with the effects between the
// layers, the ring under the hovered object, the windows, and the sparkles
// over everything.
#include <algorithm>
#include <cmath>

#include "engine/Render.h"
#include "level/LevelWidget.h"
#include "scene/FlyingSpriteList.h"
#include "scene/KindTable.h"
#include "scene/ParticleManager.h"
#include "scene/SceneDraw.h"
#include "scene/SceneServices.h"

namespace {

// The island's own colours, for a level whose picture is missing: the sea
// around it, a strip of beach, and its three kinds of ground.
constexpr float kSea[3] = {0.24f, 0.55f, 0.75f};
constexpr uint32_t kBeach = 0xFFE6D28Fu;
constexpr uint32_t kRoad = 0xFFD9B878u;
constexpr uint32_t kGrass = 0xFF7CBF4Au;
constexpr uint32_t kRough = 0xFF5E9A3Cu;
// The beach shows as this much more than each cell of ground.
constexpr float kBeachScale = 1.3f;

uint32_t GroundColour(int32_t kind) {
    switch (kind) {
        case kTerrainRoad:
            return kRoad;
        case kTerrainGrass:
            return kGrass;
        case kTerrainRough:
            return kRough;
        default:
            return 0;
    }
}

void DrawCell(qor::cSpriteBatch* batch, cCell cell, float scale, uint32_t colour) {
    const std::array<qor::cVec2, 4> c = CellCorners(cell);
    const qor::cVec2 m = CellCentre(cell);
    qor::cVec2 corners[4];
    // Neighbouring cells of ground share their corners exactly: no seam.
    for (int k = 0; k < 4; ++k) {
        corners[k] = scale == 1.0f
                         ? c[k]
                         : qor::cVec2{m.x + (c[k].x - m.x) * scale, m.y + (c[k].y - m.y) * scale};
    }
    DrawQuad(batch, nullptr, corners, {0, 0, 1, 1}, colour);
}

}  // namespace

void cLevelWidget::FlushBatch() {
    qor::cSpriteBatch* batch = Services().Batch();
    if (batch && batch->runCount > 0) {
        qor::FlushBatch(batch);
        batch->Clear();
    }
}

void cLevelWidget::Draw() {
    qor::cSpriteBatch* batch = Services().Batch();
    if (qor::g_render) {
        qor::g_render->SetClearColor(kSea[0], kSea[1], kSea[2], 1.0f);
        qor::g_render->Clear();
        qor::g_render->Begin2D(kVirtualWidth, kVirtualHeight, true);
        qor::g_render->SetBlend(qor::kBlendAlpha, 0.0f);
        qor::g_render->SetColor(0xFFFFFFFFu);
    }
    if (g_sceneDraw)
        g_sceneDraw->DrawWidescreenBars(batch);
    DrawScene();
    FlushBatch();
    if (qor::g_render)
        qor::g_render->End2D();
    cBaseWidget::Draw();
    if (qor::g_render) {
        qor::g_render->Begin2D(kVirtualWidth, kVirtualHeight, true);
        qor::g_render->SetBlend(qor::kBlendAlpha, 0.0f);
    }
    if (g_flyingSprites)
        g_flyingSprites->Draw();
    FlushBatch();
    if (g_particles)
        g_particles->Draw(4);
    if (qor::g_render)
        qor::g_render->End2D();
}

void cLevelWidget::DrawScene() {
    const cScreenShake& shake = meteors.Shake();
    const bool shaken = qor::g_render && (shake.x != 0.0f || shake.y != 0.0f);
    if (shaken)
        qor::g_render->Shift2D(shake.x, shake.y);
    if (!back || !back->GetSprite().texture)
        DrawMissingBack();
    DrawLayer(0);
    FlushBatch();
    if (qor::g_render)
        qor::g_render->SetBlend(qor::kBlendAdd, 0.0f);
    DrawLayer(1);
    FlushBatch();
    if (qor::g_render)
        qor::g_render->SetBlend(qor::kBlendAlpha, 0.0f);
    for (int layer = 2; layer < kLayerCount; ++layer) {
        DrawLayer(layer);
        FlushBatch();
        if (layer == 2 && g_particles)
            g_particles->Draw(1);
        if (layer == 3)
            DrawHoverRing();
        if (layer == 7) {
            if (g_particles)
                g_particles->Draw(2);
            salutes.Draw();
            effects.Draw();
            FlushBatch();
        }
        if (layer == 9 && g_particles)
            g_particles->Draw(3);
    }
    meteors.DrawTrails(*this);
    floatingTexts.Draw();
    if (shaken) {
        FlushBatch();
        qor::g_render->Shift2D(-shake.x, -shake.y);
    }
}

void cLevelWidget::DrawLayer(int layer) {
    for (const auto& object : Layer(layer)) {
        if (!IsDead(object.get()))
            object->Draw();
    }
}

void cLevelWidget::DrawHoverRing() {
    // A won level takes no more clicks: nothing is offered under the pointer.
    if (!hovered || state == kLevelFinished || !highlight.texture || highlight.frameCount < 1)
        return;
    const int frame = std::min(hovered->GetSelectable() != 0 ? 1 : 0, highlight.frameCount - 1);
    const qor::cRectF f = hovered->GetFootprint();
    const float dx = 2.0f * std::cos(pulsePhase);
    const float dy = 2.0f * std::sin(pulsePhase);
    DrawSpriteRect(Services().Batch(), highlight, frame,
                   {f.x - dx, f.y - dy, f.w + 2.0f * dx, f.h + 2.0f * dy}, 0xFFFFFFFFu);
    FlushBatch();
}

void cLevelWidget::DrawMissingBack() {
    // Until a level has its picture, the island is drawn from its ground:
    // a beach along the shore, then every cell a walker may cross. Only the
    // cells at the water's edge get beach: the rest would be painted over.
    qor::cSpriteBatch* batch = Services().Batch();
    if (!batch)
        return;
    // Bridges and lakes stand on ground that walkers may cross once they are
    // repaired or frozen: the water is theirs to show.
    cCellSet water;
    for (int layer = 0; layer < kLayerCount; ++layer) {
        for (const auto& object : Layer(layer)) {
            const cKindInfo* info = FindKind(object->GetTypeId(), object->kind);
            if (!info || info->placement != ePlacement::kOnWater || IsDead(object.get()))
                continue;
            const cCellRect r = GetObjectCells(object.get());
            for (int j = std::max(r.firstJ, 0); j <= std::min(r.lastJ, kGridRows - 1); ++j) {
                for (int i = std::max(r.firstI, 0); i <= std::min(r.lastI, kGridColumns - 1); ++i)
                    water.set(static_cast<size_t>(cGrid::Index({i, j})));
            }
        }
    }
    auto land = [this, &water](int i, int j) {
        const cCell cell{i, j};
        if (cell.IsValid() && water.test(static_cast<size_t>(cGrid::Index(cell))))
            return false;
        return GroundColour(cells.UnderlyingKind(cell)) != 0;
    };
    for (int j = 0; j < kGridRows; ++j) {
        for (int i = 0; i < kGridColumns; ++i) {
            const bool shore = !land(i - 1, j) || !land(i + 1, j) || !land(i, j - 1) ||
                               !land(i, j + 1) || !land(i - 1, j - 1) || !land(i + 1, j + 1) ||
                               !land(i - 1, j + 1) || !land(i + 1, j - 1);
            if (land(i, j) && shore)
                DrawCell(batch, {i, j}, kBeachScale, kBeach);
        }
    }
    for (int j = 0; j < kGridRows; ++j) {
        for (int i = 0; i < kGridColumns; ++i) {
            const uint32_t colour = GroundColour(cells.UnderlyingKind({i, j}));
            if (colour != 0 && land(i, j))
                DrawCell(batch, {i, j}, 1.0f, colour);
        }
    }
    FlushBatch();
}
