#pragma once
// The help screen ("help"), opened from the main menu: how to play and the
// controls. Its button "btClose", Escape and Enter return to the main menu.
#include "gui/BaseWF.h"

class cHelpWF : public cBaseWF {
  public:
    int OnEvent(qor::cWindow* window, int kind, int param1, int param2) override;
};
