#include "gui/CheckBoxCtrl.h"

#include "gui/GuiSound.h"
#include "gui/WindowFunction.h"

namespace qor {

cCheckBoxSysCtrl::cCheckBoxSysCtrl(std::u16string name, cWindow* window)
    : cCtrl(std::move(name), window),
      caption(std::make_unique<cLabelCtrl>(u"", nullptr)),
      box(std::make_unique<cImageCtrl>(u"", nullptr)) {
    caption->SetAlign(kAlignLeft | kAlignMiddle, 0);
}

void cCheckBoxSysCtrl::Draw() {
    if (box->texture) {
        cRectF uv = box->uvRect;
        if (hover)
            uv.x += uv.w;
        uv.y -= static_cast<float>(checked) * uv.h;
        if (cSpriteBatch* batch = GuiBatch()) {
            DrawSprite(batch, box->texture, uv, box->rect, kOpaqueWhite);
        }
    }
    caption->Draw();
}

int cCheckBoxSysCtrl::OnEvent(int kind, int param1, int param2) {
    switch (kind) {
        case kWndLeftDown:
            checked = checked ? 0 : 1;
            Post(kWndCheckBox, checked);
            PlayGuiSound(u"click");
            break;
        case kWndPointerEnter:
            PlayGuiSound(u"mouse_in");
            hover = true;
            break;
        case kWndPointerLeave:
            hover = false;
            break;
        default:
            break;
    }
    return cCtrl::OnEvent(kind, param1, param2);
}

void cCheckBoxSysCtrl::Refresh() {
    // From the whole rectangle each time, so that repeated layouts stay put.
    caption->SetRect(rect.x + rect.h, rect.y, rect.w - rect.h, rect.h, 0);
    box->SetRect(rect.x, rect.y, rect.h, rect.h, 0);
}

void cCheckBoxSysCtrl::Offset(float dx, float dy) {
    rect.x += dx;
    rect.y += dy;
    box->Offset(dx, dy);
    caption->Offset(dx, dy);
}

void cCheckBoxSysCtrl::SetRect(float x, float y, float w, float h, int) {
    rect = {x, y, w, h};
    Refresh();
}

void cCheckBoxSysCtrl::SetUVRect(float u, float v, float w, float h, int flags) {
    box->SetUVRect(u, v, w, h, flags);
}

bool cCheckBoxSysCtrl::HitTest(float x, float y) const {
    return box->HitTest(x, y) || caption->HitTest(x, y);
}

void cCheckBoxSysCtrl::SetTexture(const std::u16string& textureName, int flags) {
    box->SetTexture(textureName, flags);
}

void cCheckBoxSysCtrl::SetColor(float r, float g, float b, int extra) {
    caption->SetColor(r, g, b, extra);
}

void cCheckBoxSysCtrl::SetText(const std::u16string& newText) {
    caption->SetText(newText);
    cCtrl::SetText(newText);
}

void cCheckBoxSysCtrl::SetFont(const std::u16string& fontName) {
    caption->SetFont(fontName);
}

void cCheckBoxSysCtrl::SetAlign(int align, int extra) {
    caption->SetAlign(align, extra);
}

}  // namespace qor
