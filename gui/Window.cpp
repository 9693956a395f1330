#include "gui/Window.h"

namespace qor {

cWindow::cWindow(cGUI* owner, std::u16string windowName, std::unique_ptr<cWindowFunction> fn)
    : gui(owner), name(std::move(windowName)), function(std::move(fn)) {
    if (!function) function = std::make_unique<cWindowFunction>();
}

cWindow::~cWindow() = default;

}  // namespace qor
