#include "gui/Window.h"

#include "app/Game.h"
#include "engine/LiveHandles.h"
#include "engine/Log.h"
#include "gui/GUI.h"

namespace qor {

cWindow::cWindow(cGUI* owner, std::u16string windowName, std::unique_ptr<cWindowFunction> fn)
    : gui(owner), name(std::move(windowName)), function(std::move(fn)) {
    if (!function)
        function = std::make_unique<cWindowFunction>();
    cLiveHandles<cWindow>::Add(this);
}

cWindow::~cWindow() {
    cLiveHandles<cWindow>::Remove(this);
    focused = nullptr;
    hovered = nullptr;
    for (auto& control : controls)
        control.reset();
    controls.clear();
    function.reset();
}

int cWindow::AddControl(cCtrl* control) {
    controls.emplace_back(control);
    return static_cast<int>(controls.size()) - 1;
}

cCtrl* cWindow::ControlAt(int index) const {
    if (index < 0 || index >= ControlCount())
        return nullptr;
    return controls[static_cast<size_t>(index)].get();
}

cCtrl* FindControl(const std::u16string& windowName, const std::u16string& controlName) {
    cWindow* window = g_game && g_game->gui() ? g_game->gui()->GetWnd(windowName) : nullptr;
    if (!window) {
        LogEntry(kLogWarning, u"FindControl", u"window '%s' not found", windowName);
        return nullptr;
    }
    for (const auto& control : window->controls) {
        if (control->GetName() == controlName)
            return control.get();
    }
    LogEntry(kLogWarning, u"FindControl", u"control '%s' not found in wondow '%s'", controlName,
             windowName);
    return nullptr;
}

int IndexOfCtrl(const cWindow* window, const std::u16string& name) {
    if (!window)
        return 0;
    for (int i = 0; i < window->ControlCount(); ++i) {
        if (window->controls[static_cast<size_t>(i)]->GetName() == name)
            return i;
    }
    return window->ControlCount();
}

bool ClickCtrl(cWindow* window, const std::u16string& controlName) {
    if (!window)
        return false;
    window->SendEvent(kWndCommand, 0, IndexOfCtrl(window, controlName));
    return true;
}

void ClickCtrlIn(const std::u16string& windowName, const std::u16string& controlName) {
    cGUI* gui = g_game ? g_game->gui() : nullptr;
    // HasWnd first: a plain lookup would leave an empty entry behind.
    if (gui && gui->HasWnd(windowName))
        ClickCtrl(gui->GetWnd(windowName), controlName);
}

void SetFocusCtrl(cWindow* window, cCtrl* control) {
    if (!window || control == window->focused)
        return;
    if (cCtrl* old = window->focused)
        old->OnEvent(kCtrlFocusLost, 0, 0);
    window->focused = control;
    if (control)
        control->OnEvent(kCtrlFocusGained, 0, 0);
}

void MoveWnd(cWindow* window, float x, float y) {
    if (!window)
        return;
    if (!window->controls.empty()) {
        const float dx = x - window->x;
        const float dy = y - window->y;
        for (const auto& control : window->controls)
            control->Offset(dx, dy);
    }
    window->x = x;
    window->y = y;
}

}  // namespace qor
