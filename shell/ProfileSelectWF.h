#pragma once
// The profile list ("profile_select"): choose the current profile, add one,
// or delete one after a confirmation. The list keeps the application's
// profile order, so list and profile indexes agree.
#include "gui/BaseWF.h"

namespace qor {
class cListSysCtrl;
class cSliderCtrl;
}  // namespace qor

class cProfileSelectWF : public cBaseWF {
  public:
    int OnEvent(qor::cWindow* window, int kind, int param1, int param2) override;

    qor::cListSysCtrl* profileList = nullptr;
    qor::cSliderCtrl* profileSlider = nullptr;

  private:
    void Rebuild(qor::cWindow* window);
    void AskToDelete();
    void DeleteConfirmed(int index);
};
