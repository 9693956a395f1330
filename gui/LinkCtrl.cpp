#include "gui/LinkCtrl.h"

#include "gui/GuiSound.h"
#include "gui/WindowFunction.h"

namespace qor {

void cLinkSysCtrl::SetColor(float r, float g, float b, int hover) {
    if (hover != 0) {
        hoverColor = {r, g, b, 1.0f};
        return;
    }
    normalColor = {r, g, b, 1.0f};
    color = RgbToArgb(r, g, b);
}

int cLinkSysCtrl::OnEvent(int kind, int param1, int param2) {
    switch (kind) {
        case kWndLeftDown:
            PlayGuiSound(u"click");
            break;
        case kWndLeftUp:
            // A focused link hears every release in its window, most of them
            // elsewhere.
            if (IsAt(param2))
                Post(kWndCommand);
            break;
        case kWndPointerEnter:
            PlayGuiSound(u"mouse_in");
            color = RgbToArgb(hoverColor.r, hoverColor.g, hoverColor.b);
            break;
        case kWndPointerLeave:
            color = RgbToArgb(normalColor.r, normalColor.g, normalColor.b);
            break;
        default:
            break;
    }
    return cCtrl::OnEvent(kind, param1, param2);
}

}  // namespace qor
