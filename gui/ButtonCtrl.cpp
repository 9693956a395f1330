#include "gui/ButtonCtrl.h"

#include "gui/GuiSound.h"
#include "gui/WindowFunction.h"

namespace qor {

cButtonSysCtrl::cButtonSysCtrl(std::u16string name, cWindow* window)
    : cCtrl(std::move(name), window),
      caption(std::make_unique<cLabelCtrl>(u"", nullptr)),
      background(std::make_unique<cFrameCtrl>(u"", nullptr)) {
    caption->SetAlign(kAlignCenter | kAlignMiddle, 0);
}

void cButtonSysCtrl::Draw() {
    cRectF uv = background->uvRect;
    if (!singleFrame)
        uv.y -= static_cast<float>(state) * uv.h;
    background->DrawPatch(background->rect, uv, true, kOpaqueWhite);
    caption->Draw();
}

int cButtonSysCtrl::OnEvent(int kind, int param1, int param2) {
    switch (kind) {
        case kWndLeftDown:
            PlayGuiSound(u"click");
            state = kButtonPressed;
            break;
        case kWndLeftUp:
            // A release without a press on this button (dragged in) clicks nothing,
            // nor does one elsewhere: a window on top may have taken the moves
            // that would have told the button the pointer left.
            if (state == kButtonPressed && IsAt(param2))
                Post(kWndCommand);
            state = kButtonNormal;
            break;
        case kWndPointerLeave:
            state = kButtonNormal;
            break;
        case kWndPointerEnter:
            PlayGuiSound(u"mouse_in");
            state = kButtonHover;
            break;
        default:
            break;
    }
    return cCtrl::OnEvent(kind, param1, param2);
}

void cButtonSysCtrl::Refresh() {
    const cRectF r = background->GetRect();
    caption->SetRect(r.x, r.y, r.w, r.h, 0);
}

void cButtonSysCtrl::Offset(float dx, float dy) {
    background->Offset(dx, dy);
    caption->Offset(dx, dy);
}

void cButtonSysCtrl::SetRect(float x, float y, float w, float h, int flags) {
    background->SetRect(x, y, w, h, flags);
    Refresh();
}

void cButtonSysCtrl::SetUVRect(float u, float v, float w, float h, int flags) {
    background->SetUVRect(u, v, w, h, flags);
}

void cButtonSysCtrl::SetFrame(float x, float y, float w, float h, float bw, float bh, int flags) {
    background->SetFrame(x, y, w, h, bw, bh, flags);
    Refresh();
}

void cButtonSysCtrl::SetUVFrame(float u, float v, float w, float h, float bw, float bh, int flags) {
    background->SetUVFrame(u, v, w, h, bw, bh, flags);
}

void cButtonSysCtrl::SetTexture(const std::u16string& textureName, int flags) {
    background->SetTexture(textureName, flags);
}

void cButtonSysCtrl::SetColor(float r, float g, float b, int extra) {
    caption->SetColor(r, g, b, extra);
}

void cButtonSysCtrl::SetText(const std::u16string& newText) {
    caption->SetText(newText);
    cCtrl::SetText(newText);
}

void cButtonSysCtrl::SetFont(const std::u16string& fontName) {
    caption->SetFont(fontName);
}

void cButtonSysCtrl::SetAlign(int align, int extra) {
    caption->SetAlign(align, extra);
}

}  // namespace qor
