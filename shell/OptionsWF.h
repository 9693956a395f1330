#pragma once
// The options ("options"): sound and music volumes, which act at once (the
// sound slider plays a short preview), full screen or window, and the current
// profile's hints. It returns to the screen it was opened from: the main menu
// or the pause menu.
#include <memory>

#include "gui/BaseWF.h"

namespace qor {
class cCheckBoxSysCtrl;
class cSliderCtrl;
class cSound;
}  // namespace qor

class cOptionsWF : public cBaseWF {
  public:
    cOptionsWF();
    ~cOptionsWF() override;
    int OnEvent(qor::cWindow* window, int kind, int param1, int param2) override;

    qor::cSliderCtrl* soundSlider = nullptr;
    qor::cSliderCtrl* musicSlider = nullptr;
    qor::cSliderCtrl* mouseSpeedSlider = nullptr;
    qor::cCheckBoxSysCtrl* windowedCheck = nullptr;
    std::unique_ptr<qor::cSound> previewSound;

  private:
    void OnShown();
    void OnSlider(qor::cSliderCtrl* slider);
};

class cOptionsGDWF : public cOptionsWF {
  public:
    int OnEvent(qor::cWindow* window, int kind, int param1, int param2) override;

    qor::cCheckBoxSysCtrl* hintsCheck = nullptr;
};
