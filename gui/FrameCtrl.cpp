#include "gui/FrameCtrl.h"

#include "gui/ImageCtrl.h"

namespace qor {

void cFrameCtrl::DrawPatch(const cRectF& where, const cRectF& uv, bool centre,
                           uint32_t tint) const {
    if (!texture)
        return;
    if (cSpriteBatch* batch = GuiBatch()) {
        DrawBorderFrame(batch, texture, where, uv, border, uvBorder, centre, tint);
    }
}

void cFrameCtrl::Draw() {
    DrawPatch(rect, uvRect, drawInner, color);
}

void cFrameCtrl::Offset(float dx, float dy) {
    rect.x += dx;
    rect.y += dy;
    cCtrl::Offset(dx, dy);
}

void cFrameCtrl::SetRect(float x, float y, float w, float h, int) {
    rect = {x, y, w, h};
    Refresh();
}

void cFrameCtrl::SetUVRect(float u, float v, float w, float h, int) {
    uvRect = {u, v, w, h};
}

void cFrameCtrl::SetFrame(float x, float y, float w, float h, float bw, float bh, int) {
    rect = {x, y, w, h};
    border = {bw, bh};
    Refresh();
}

void cFrameCtrl::SetUVFrame(float u, float v, float w, float h, float bw, float bh, int) {
    uvRect = {u, v, w, h};
    uvBorder = {bw, bh};
}

void cFrameCtrl::SetTexture(const std::u16string& textureName, int) {
    texture = LookUpTexture(textureName);
}

void cFrameCtrl::SetColor(float r, float g, float b, int) {
    color = RgbToArgb(r, g, b);
}

}  // namespace qor
