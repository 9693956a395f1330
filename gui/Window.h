#pragma once
// A window: a named, ordered list of controls plus the one function that
// receives every event of the window. Windows live until the GUI is destroyed;
// showing and hiding only moves them on and off the shown stack.
#include <memory>
#include <string>
#include <vector>

#include "gui/Ctrl.h"
#include "gui/WindowFunction.h"

namespace qor {

class cGUI;

class cWindow {
  public:
    cWindow(cGUI* gui, std::u16string name, std::unique_ptr<cWindowFunction> function);
    // Controls go first, in creation order, then the function.
    ~cWindow();
    cWindow(const cWindow&) = delete;
    cWindow& operator=(const cWindow&) = delete;

    int SendEvent(int kind, int param1 = 0, int param2 = 0) {
        return function->OnEvent(this, kind, param1, param2);
    }

    // Takes ownership; the result is the control's index (its id).
    int AddControl(cCtrl* control);
    int ControlCount() const { return static_cast<int>(controls.size()); }
    // Null for an index out of range.
    cCtrl* ControlAt(int index) const;

    cGUI* gui;
    std::u16string name;
    // In creation order; drawing and hit testing use this order.
    std::vector<std::unique_ptr<cCtrl>> controls;
    cCtrl* focused = nullptr;  // receives keys and characters
    cCtrl* hovered = nullptr;  // under the pointer
    float hoverTimer = -1.0f;  // seconds to the hover notification; -1 when not running
    std::unique_ptr<cWindowFunction> function;  // never null
    bool active = false;                        // takes input
    bool modal = false;                         // input stops here
    float x = 0.0f;                             // last position given to MoveWnd
    float y = 0.0f;
};

// The first control of the engine GUI's window `windowName` named exactly
// `controlName`; null (logged) when there is none.
cCtrl* FindControl(const std::u16string& windowName, const std::u16string& controlName);
// Index of the first control whose name is exactly `name`; the control count
// when there is none.
int IndexOfCtrl(const cWindow* window, const std::u16string& name);
// Sends the command event (48) for the named control straight to the window's
// function, as a click would one tick later. False for a null window.
bool ClickCtrl(cWindow* window, const std::u16string& controlName);
void ClickCtrlIn(const std::u16string& windowName, const std::u16string& controlName);
// Moves the keyboard focus; the old control hears 35, the new one 34.
void SetFocusCtrl(cWindow* window, cCtrl* control);
// Moves every control by the difference to the last position given.
void MoveWnd(cWindow* window, float x, float y);

}  // namespace qor
