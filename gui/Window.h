#pragma once
// A window: a named, ordered list of controls plus the one function that
// receives every event of the window. Windows live until the GUI is destroyed;
// showing and hiding only moves them on and off the shown stack.
#include <memory>
#include <string>

#include "gui/WindowFunction.h"

namespace qor {

class cGUI;

class cWindow {
public:
    cWindow(cGUI* gui, std::u16string name, std::unique_ptr<cWindowFunction> function);
    ~cWindow();

    int SendEvent(int kind, int param1 = 0, int param2 = 0) {
        return function->OnEvent(this, kind, param1, param2);
    }

    cGUI* gui;
    std::u16string name;
    std::unique_ptr<cWindowFunction> function;  // never null
    float hoverTimer = -1.0f;
    bool active = false;
    bool modal = false;
    float x = 0.0f;
    float y = 0.0f;
};

}  // namespace qor
