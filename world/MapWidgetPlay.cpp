// The world map on screen: drawing the scrolled landscape, the per-step hover
// of level points, the sideways scrolling and the player's keys and clicks.
#include <algorithm>
#include <cmath>

#include "app/Game.h"
#include "app/Platform.h"
#include "app/Widget.h"
#include "engine/Render.h"
#include "gui/GUI.h"
#include "gui/GuiSound.h"
#include "gui/Window.h"
#include "scene/SceneDraw.h"
#include "scene/SceneServices.h"
#include "world/MapWidget.h"
#include "world/Point.h"

namespace {

// The band of the screen whose left and right edges scroll the map: the map
// panel's buttons lie below it, so reaching for them does not scroll.
constexpr float kEdgeBandBottom = 150.0f;
constexpr float kEdgeBandTop = 718.0f;
constexpr float kEdgeWidth = 60.0f;
constexpr float kEdgeScrollSpeed = 400.0f;
// How hard a drag throws the map: units per second per unit moved in a step.
constexpr float kThrowFactor = 90.0f;
// The speed shrinks by 1 / (1 + kSpeedDecay × seconds) every frame.
constexpr float kSpeedDecay = 5.0f;

constexpr int kKeyEnter = 13;
constexpr int kKeyEscape = 27;
constexpr int kKeySpace = 32;

void SetBlend(int kind) {
    if (qor::g_render)
        qor::g_render->SetBlend(kind, 0.0f);
}

// The rectangle of a sprite's first frame centred on a point: its own anchor
// when the sprite has one, else its middle.
qor::cRectF CentredRect(const qor::cSpriteInfo& sprite, vec2 at) {
    if (sprite.offsets && sprite.sizes) {
        return {at.x - sprite.offsets[0].x, at.y - sprite.offsets[0].y, sprite.sizes[0].x,
                sprite.sizes[0].y};
    }
    return {at.x - sprite.width * 0.5f, at.y - sprite.height * 0.5f, sprite.width, sprite.height};
}

}  // namespace

qor::cVec2 cMapWidget::ReadPointer() const {
    int x = 0, y = 0;
    if (qor::g_game && qor::g_game->gui())
        qor::g_game->gui()->GetCursorVirtualPos(&x, &y);
    return {static_cast<float>(x), static_cast<float>(y)};
}

bool cMapWidget::IsPrimaryButtonDown() const {
    return qor::IsMouseButtonDown(0);
}

qor::cVec2 cMapWidget::ToWorld() const {
    const qor::cVec2 pointer = ReadPointer();
    return {pointer.x - scrollX, pointer.y - scrollY};
}

void cMapWidget::ScrollBy(float dx, float /*dy*/) {
    if (!std::isfinite(dx))
        return;
    const float wanted = scrollX + dx;
    scrollX = std::clamp(wanted, kVirtualWidth - kMapWidth, 0.0f);
    if (scrollX != wanted)
        scrollSpeed = 0.0f;
}

void cMapWidget::Update(float seconds) {
    if (!std::isfinite(seconds) || seconds < 0.0f)
        return;
    scrollSpeed /= 1.0f + kSpeedDecay * seconds;
    if (!IsPrimaryButtonDown()) {
        const qor::cVec2 p = ReadPointer();
        if (p.x >= 0.0f && p.x <= kVirtualWidth && p.y > kEdgeBandBottom && p.y < kEdgeBandTop) {
            if (p.x > kVirtualWidth - kEdgeWidth)
                scrollSpeed = -kEdgeScrollSpeed;
            else if (p.x < kEdgeWidth)
                scrollSpeed = kEdgeScrollSpeed;
        }
    }
    ScrollBy(seconds * scrollSpeed, 0.0f);
}

void cMapWidget::TickMap() {
    const qor::cVec2 world = ToWorld();
    TickObjects();
    cObject* candidate = PickObject(world);
    if (candidate && !candidate->IsKind(cPoint::kType))
        candidate = nullptr;
    if (candidate == hoveredPoint)
        return;
    if (hoveredPoint && mapHintWindow)
        mapHintWindow->HideHint();
    hoveredPoint = candidate;
    if (!candidate)
        return;
    qor::PlayGuiSound(u"mouse_in");
    // The hint stands beside the point where it is drawn, scroll and all.
    if (mapHintWindow)
        mapHintWindow->ShowHint(candidate->GetHintText(), candidate, false, {scrollX, scrollY});
}

void cMapWidget::ChoosePoint(cPoint* chosen) {
    for (cPoint* point : Points())
        point->current = 0;
    chosen->current = 1;
    qor::PlayGuiSound(u"click");
}

int cMapWidget::OnEvent(int kind, int param) {
    HandleEvent(kind, param);
    return 0;
}

void cMapWidget::HandleEvent(int kind, int param) {
    switch (kind) {
        case qor::kWidgetKeyDown:
            if (param == kKeyEnter || param == kKeySpace)
                qor::ClickCtrlIn(kMapWidgetName, u"play");
            else if (param == kKeyEscape)
                qor::ClickCtrlIn(kMapWidgetName, u"back");
            break;
        case qor::kWidgetMouseDown:
            scrollSpeed = 0.0f;
            dragAnchor = ReadPointer();
            break;
        case qor::kWidgetMouseMove:
            if (IsPrimaryButtonDown()) {
                const qor::cVec2 pointer = ReadPointer();
                scrollSpeed = (pointer.x - dragAnchor.x) * kThrowFactor;
                dragAnchor = pointer;
            }
            break;
        case qor::kWidgetMouseUp: {
            cObject* hit = PickObject(ToWorld());
            if (hit && hit->IsKind(cPoint::kType))
                ChoosePoint(static_cast<cPoint*>(hit));
            break;
        }
        default:
            break;
    }
}

void cMapWidget::FlushScrolled(qor::cSpriteBatch* batch) const {
    // Whole units: a fractional scroll would blur every sprite of the map.
    const float dx = std::trunc(scrollX);
    const float dy = std::trunc(scrollY);
    const int end = batch->VertexEnd();
    for (int i = 0; i < end; ++i) {
        batch->vertices[static_cast<size_t>(i)].x += dx;
        batch->vertices[static_cast<size_t>(i)].y += dy;
    }
    qor::FlushBatch(batch);
    batch->Clear();
}

void cMapWidget::DrawBackground(qor::cSpriteBatch* batch) const {
    const qor::cSpriteInfo& tile = background;
    // A tile without a size would never reach the map's end.
    if (!tile.texture || !tile.frames || tile.frameCount <= 0 || !(tile.width >= 1.0f) ||
        !(tile.height >= 1.0f))
        return;
    for (float y = 0.0f; y < kMapHeight; y += tile.height) {
        for (float x = 0.0f; x < kMapWidth; x += tile.width)
            DrawSpriteRect(batch, tile, 0, {x, y, tile.width, tile.height}, 0xFFFFFFFFu);
    }
}

void cMapWidget::DrawTrail(qor::cSpriteBatch* batch) const {
    if (!dotSprite.texture || dotSprite.frameCount <= 0)
        return;
    for (const vec2& dot : path)
        DrawSpriteRect(batch, dotSprite, 0, CentredRect(dotSprite, dot), 0xFFFFFFFFu);
}

void cMapWidget::DrawMap() {
    qor::cSpriteBatch* batch = Services().Batch();
    if (!batch)
        return;
    SetBlend(qor::kBlendOff);
    DrawBackground(batch);
    FlushScrolled(batch);
    SetBlend(qor::kBlendAlpha);
    for (int layer = 0; layer < kLayerCount; ++layer) {
        DrawLayers(layer, layer);
        // The trail runs over the landscape and under the points.
        if (layer == 1)
            DrawTrail(batch);
        FlushScrolled(batch);
    }
    SetBlend(qor::kBlendOff);
}

void cMapWidget::Draw() {
    qor::cSpriteBatch* batch = Services().Batch();
    // Nothing else clears the frame: without its art the map would show what
    // the screen before it left behind.
    if (qor::g_render)
        qor::g_render->Clear();
    if (g_sceneDraw)
        g_sceneDraw->DrawWidescreenBars(batch);
    if (qor::g_render)
        qor::g_render->Begin2D(kVirtualWidth, kVirtualHeight, true);
    DrawMap();
    cBaseWidget::Draw();
}
