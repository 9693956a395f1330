#pragma once
// Building a window from its script: the window is created empty, the script
// file runs, its global FillWindow(window) creates the controls, and the
// window function then hears 20 (translate the texts) and 12 (filled).
#include <memory>
#include <string>

#include "engine/Path.h"
#include "gui/WindowFunction.h"

namespace qor {

class cWindow;

// Never fails short of having no GUI (null): a missing or failing script
// leaves the window with whatever was built before the error, which is logged.
cWindow* CreateWindowFromScript(const std::u16string& name,
                                std::unique_ptr<cWindowFunction> function, const cPath& scriptPath);

}  // namespace qor
