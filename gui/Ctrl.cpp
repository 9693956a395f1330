#include "gui/Ctrl.h"

#include "app/Game.h"
#include "engine/LiveHandles.h"
#include "gui/GUI.h"
#include "gui/Window.h"
#include "gui/WindowFunction.h"

namespace qor {

uint32_t RgbToArgb(float r, float g, float b) {
    auto channel = [](float c) -> uint32_t {
        // Out-of-range script values must not wrap round into other channels.
        if (!(c > 0.0f))
            return 0;
        if (c >= 1.0f)
            return 255;
        return static_cast<uint32_t>(c * 255.0f);
    };
    return 0xFF000000u | (channel(r) << 16) | (channel(g) << 8) | channel(b);
}

bool StrictlyInside(const cRectF& rect, float x, float y) {
    return x > rect.x && x < rect.x + rect.w && y > rect.y && y < rect.y + rect.h;
}

cSpriteBatch* GuiBatch() {
    return g_game ? g_game->batch() : nullptr;
}

cCtrl::cCtrl(std::u16string ctrlName, cWindow* owner)
    : window(owner),
      gui(owner ? owner->gui : (g_game ? g_game->gui() : nullptr)),
      name(std::move(ctrlName)) {
    if (window)
        index = window->AddControl(this);
    cLiveHandles<cCtrl>::Add(this);
}

cCtrl::~cCtrl() {
    cLiveHandles<cCtrl>::Remove(this);
}

int cCtrl::OnEvent(int kind, int, int) {
    switch (kind) {
        case kWndKeyDown:
        case kWndChar:
            return 1;
        case kWndPointerEnter:
        case kWndPointerLeave:
            if (window)
                window->SendEvent(kind, 0, GetIndex());
            return 0;
        default:
            return 0;
    }
}

void cCtrl::Offset(float, float) {
    Refresh();
}
void cCtrl::SetRect(float, float, float, float, int) {
    Refresh();
}
void cCtrl::SetUVRect(float, float, float, float, int) {}
void cCtrl::SetFrame(float, float, float, float, float, float, int) {
    Refresh();
}
void cCtrl::SetUVFrame(float, float, float, float, float, float, int) {}
bool cCtrl::HitTest(float, float) const {
    return false;
}

void cCtrl::Show(bool show) {
    if (show) {
        flags |= kCtrlVisible;
    } else {
        flags &= ~kCtrlVisible;
    }
}

void cCtrl::Enable(bool enable) {
    if (enable) {
        flags &= ~kCtrlDisabled;
    } else {
        flags |= kCtrlDisabled;
    }
}

void cCtrl::Ignore(bool ignore) {
    if (ignore) {
        flags |= kCtrlIgnored;
    } else {
        flags &= ~kCtrlIgnored;
    }
}

void cCtrl::Select(bool select) {
    if (select) {
        flags |= kCtrlSelected;
    } else {
        flags &= ~kCtrlSelected;
    }
}

void cCtrl::SetTexture(const std::u16string&, int) {}
void cCtrl::SetColor(float, float, float, int) {}

void cCtrl::SetText(const std::u16string& newText) {
    Refresh();
    if (text.empty())
        text = newText;
}

void cCtrl::SetFont(const std::u16string&) {
    Refresh();
}
void cCtrl::SetAlign(int, int) {
    Refresh();
}

void cCtrl::Post(int kind, int param1) {
    if (gui && window)
        gui->PostEvent(kind, window, param1, GetIndex());
}

void cCtrl::Send(int kind, int param1) {
    if (window)
        window->SendEvent(kind, param1, GetIndex());
}

bool cCtrl::IsAt(int position) const {
    return HitTest(static_cast<float>(UnpackX(position)), static_cast<float>(UnpackY(position)));
}

}  // namespace qor
