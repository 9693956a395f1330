#pragma once
// Naming a profile. One class serves two windows: "profile_new" names the
// current profile at the first start (it has no cancel button), and
// "profile_add" makes a new profile from the profile list (it has one).
#include "gui/BaseWF.h"

namespace qor {
class cCtrl;
class cEditCtrl;
}  // namespace qor

class cProfileAddWF : public cBaseWF {
  public:
    int OnEvent(qor::cWindow* window, int kind, int param1, int param2) override;

    qor::cCtrl* cancelButton = nullptr;
    qor::cEditCtrl* nameEdit = nullptr;

  private:
    void Confirm();
};
