#pragma once
// What the menu screens share: the keys they answer and looking their
// controls up by name.
#include <string>

#include "gui/Ctrl.h"
#include "gui/Window.h"

inline constexpr int kKeyEnter = 13;
inline constexpr int kKeyEscape = 27;
inline constexpr int kKeySpace = 32;

// The keys that press the one button of a screen that has only one.
inline bool IsOneButtonKey(int key) {
    return key == kKeyEnter || key == kKeyEscape || key == kKeySpace;
}

// The first control of `window` named `name` as a T, or null when there is
// none or it is of another kind.
template <class T = qor::cCtrl>
T* FindScreenControl(qor::cWindow* window, const std::u16string& name) {
    if (!window)
        return nullptr;
    return dynamic_cast<T*>(window->ControlAt(qor::IndexOfCtrl(window, name)));
}

// The name of the control a command event (48) came from; empty when the
// index names no control.
inline std::u16string CommandName(qor::cWindow* window, int index) {
    const qor::cCtrl* control = window ? window->ControlAt(index) : nullptr;
    return control ? control->GetName() : std::u16string();
}
