#include "gui/ImageCtrl.h"

namespace qor {

cTextureRef LookUpTexture(const std::u16string& name) {
    return name.empty() ? cTextureRef() : FindTexture(name);
}

void cImageCtrl::Draw() {
    // An unknown texture draws nothing rather than a plain coloured box.
    if (!texture)
        return;
    if (cSpriteBatch* batch = GuiBatch())
        DrawSprite(batch, texture, uvRect, rect, color);
}

void cImageCtrl::Offset(float dx, float dy) {
    rect.x += dx;
    rect.y += dy;
    cCtrl::Offset(dx, dy);
}

void cImageCtrl::SetRect(float x, float y, float w, float h, int) {
    rect = {x, y, w, h};
    Refresh();
}

void cImageCtrl::SetUVRect(float u, float v, float w, float h, int) {
    uvRect = {u, v, w, h};
}

void cImageCtrl::SetTexture(const std::u16string& textureName, int) {
    texture = LookUpTexture(textureName);
}

void cImageCtrl::SetColor(float r, float g, float b, int) {
    color = RgbToArgb(r, g, b);
}

}  // namespace qor
