#include "gui/BaseWF.h"

#include <utility>

#include "engine/Log.h"
#include "gui/Ctrl.h"
#include "gui/GUI.h"
#include "gui/Window.h"

using namespace qor;

namespace {

cWindowHiddenHook& HiddenHook() {
    static cWindowHiddenHook hook;
    return hook;
}

constexpr int kKeyEscape = 27;

}  // namespace

void SetWindowHiddenHook(cWindowHiddenHook hook) {
    HiddenHook() = std::move(hook);
}

cBaseWF::cBaseWF() {
    transition.rate = 2.0f;
}

int cBaseWF::ReportError(cWindow* window, const std::u16string& message) {
    error = true;
    LogEntry(kLogError, u"GUI", u"[%s] %s", window ? window->name : std::u16string(), message);
    return 0;
}

bool cBaseWF::IsReady() const {
    if (error)
        return false;
    return transition.current == transition.to || transition.to != 0.0f;
}

int cBaseWF::OnEvent(cWindow* window, int kind, int param1, int param2) {
    if (!window)
        return 0;
    switch (kind) {
        case kWndDraw:
            if (transition.current < 1.0f) {
                // 110 % when invisible, 100 % when fully shown.
                DrawControlsFaded(window, transition.current, 1.1f - 0.1f * transition.current);
                return 0;
            }
            break;
        case kWndTick:
            transition.Step(static_cast<float>(param1) / 1000.0f);
            if (transition.current == 0.0f && window->gui)
                window->gui->HideWnd(window->name);
            break;
        case kWndKeyDown:
            if (!IsReady() && param1 == kKeyEscape) {
                if (window->gui)
                    window->gui->CloseWnd(window->name);
                return 1;
            }
            break;
        case kWndShown:
            transition.SetTarget(1.0f);
            break;
        case kWndCloseRequested:
            // No base call: the window fades out and the tick that reaches 0 hides it.
            transition.SetTarget(0.0f);
            return 0;
        case kWndHidden:
            if (HiddenHook())
                HiddenHook()(window->name);
            break;
        default:
            break;
    }
    return cWindowFunction::OnEvent(window, kind, param1, param2);
}
