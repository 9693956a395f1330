#pragma once
// The shape every control-creating script function shares:
// create<Class>(window, name) → control handle, or nil when the window handle
// is not a live window or the window is full.
#include "engine/Log.h"
#include "engine/ScriptArgs.h"
#include "gui/GuiScriptArgs.h"
#include "gui/Window.h"

namespace qor {

template <class T>
int CreateCtrl(lua_State* L, const char16_t* function) {
    cWindow* window = WindowArg(L, 1, function);
    if (!window)
        return PushHandle(L, nullptr);
    if (window->ControlCount() >= kMaxWindowControls) {
        LogEntry(kLogWarning, function, u"Too many controls in window '%s'", window->name);
        return PushHandle(L, nullptr);
    }
    // The window owns the control from its construction on.
    T* control = new T(ArgString(L, 2), window);
    return PushHandle(L, static_cast<cCtrl*>(control));
}

}  // namespace qor
