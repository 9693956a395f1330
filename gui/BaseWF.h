#pragma once
// The window function every game screen derives from: a fade-and-zoom
// transition when the window shows and closes, an error flag for screens whose
// controls are missing, and a safety Escape that closes a screen which cannot
// act. A derived screen acts on its controls only while IsReady() is true and
// ends every OnEvent with cBaseWF::OnEvent.
#include <functional>
#include <string>

#include "gui/WindowFunction.h"
#include "engine/Ramp.h"

// Called with the window's name whenever a cBaseWF window has been hidden; the
// application answers message box results here.
using cWindowHiddenHook = std::function<void(const std::u16string& windowName)>;
void SetWindowHiddenHook(cWindowHiddenHook hook);

class cBaseWF : public qor::cWindowFunction {
  public:
    cBaseWF();

    int OnEvent(qor::cWindow* window, int kind, int param1, int param2) override;
    // Logs "[window] message" and stops the screen acting; returns 0.
    virtual int ReportError(qor::cWindow* window, const std::u16string& message);
    // Not in error, and at rest or fading in.
    virtual bool IsReady() const;

    qor::cRamp transition;  // 0 hidden .. 1 fully shown, at 2 per second
    bool error = false;
};
