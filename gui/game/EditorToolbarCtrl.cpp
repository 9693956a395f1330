#include "gui/game/EditorToolbarCtrl.h"

#include <algorithm>
#include <utility>

#include "gui/ImageListCtrl.h"
#include "gui/WindowFunction.h"

using namespace qor;

namespace {

cEditorCommandHandler& Handler() {
    static cEditorCommandHandler handler;
    return handler;
}

}  // namespace

void SetEditorCommandHandler(cEditorCommandHandler handler) {
    Handler() = std::move(handler);
}

cEditorToolbarItemCtrl::cEditorToolbarItemCtrl(cEditorToolbarCtrl* owner)
    : cImageCtrl(u"", nullptr), toolbar(owner), button(GetSpriteInfo(u"editor", u"_button")) {}

uint32_t cEditorToolbarItemCtrl::StateColor() const {
    if (HasFlag(kCtrlDisabled))
        return 0xFFFFC0C0u;
    if (HasFlag(kCtrlSelected))
        return 0xFFC0C0FFu;
    return kOpaqueWhite;
}

void cEditorToolbarItemCtrl::Draw() {
    cSpriteBatch* batch = GuiBatch();
    if (!batch)
        return;
    if (button.texture && button.frames) {
        DrawSprite(batch, button.texture, button.frames[0], rect, kOpaqueWhite);
    }
    if (texture)
        DrawSprite(batch, texture, uvRect, rect, StateColor());
}

void cEditorToolbarCtrl::SetRect(float x, float y, float w, float h, int) {
    rect = {x, y, w, h};
    itemWidth = h;
    itemHeight = h;
    Refresh();
}

int cEditorToolbarCtrl::GetVisibleCount() const {
    const long long cells =
        static_cast<long long>(CellsThatFit(rect.h, itemHeight)) * CellsThatFit(rect.w, itemHeight);
    return static_cast<int>(std::min<long long>(cells, kMaxListItems));
}

void cEditorToolbarCtrl::Refresh() {
    float x = rect.x;
    float y = rect.y + rect.h - itemHeight;
    for (int i = std::max(first, 0); i < ShownEnd(); ++i) {
        ItemAt(i)->SetRect(x, y, itemWidth, itemHeight, 0);
        x += itemWidth;
        if (rect.x + rect.w < x + itemWidth) {
            y -= itemHeight;
            x = rect.x;
        }
        TrackPointer(i);
    }
}

int cEditorToolbarCtrl::OnEvent(int kind, int param1, int param2) {
    if (kind != kWndLeftDown)
        return cListCtrl::OnEvent(kind, param1, param2);
    if (hot >= 0 && hot < first + GetVisibleCount()) {
        if (const auto* cell = dynamic_cast<const cEditorToolbarItemCtrl*>(ItemAt(hot))) {
            if (Handler())
                Handler()(cell->objectType, cell->objectName, hot);
        }
    }
    // Consumed whether or not a scene widget took the pick.
    return 0;
}

void cEditorToolbarCtrl::AddCell(const cSpriteInfo& sprite, int frameIndex, int objectType,
                                 const std::u16string& objectName) {
    if (!sprite.texture || !sprite.frames || frameIndex < 0 || frameIndex >= sprite.frameCount) {
        return;
    }
    auto* cell = new cEditorToolbarItemCtrl(this);
    cell->SetTexture(sprite.texture->name, 0);
    const cRectF& uv = sprite.frames[frameIndex];
    cell->SetUVRect(uv.x, uv.y, uv.w, uv.h, 0);
    cell->objectType = objectType;
    cell->objectName = objectName;
    InsertItem(-1, cell, 0);
}

void cEditorToolbarCtrl::AddAreaItem(const std::u16string& areaName, int frameIndex, int objectType,
                                     const std::u16string& objectName) {
    AddCell(GetSpriteInfoEx(areaName), frameIndex, objectType, objectName);
}

void cEditorToolbarCtrl::AddSpriteItem(const std::u16string& textureName,
                                       const std::u16string& areaName, int objectType,
                                       const std::u16string& objectName) {
    const cSpriteInfo sprite =
        textureName.empty() ? GetSpriteInfoEx(areaName) : GetSpriteInfo(textureName, areaName);
    AddCell(sprite, 0, objectType, objectName);
}
