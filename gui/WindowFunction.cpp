#include "gui/WindowFunction.h"

#include "gui/GUI.h"
#include "gui/Window.h"

namespace qor {

int cWindowFunction::OnEvent(cWindow* window, int kind, int, int) {
    // The plain function closes a window at once; screens that fade out
    // override this.
    if (kind == kWndCloseRequested && window && window->gui) window->gui->HideWnd(window->name);
    return 0;
}

}  // namespace qor
