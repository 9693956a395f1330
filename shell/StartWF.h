#pragma once
// The level's briefing ("start"): the goals and the gold and silver limits.
// The level waits while the player reads; "close" (or Enter, Escape, Space)
// brings the HUD and the level runs.
#include "gui/BaseWF.h"

namespace qor {
class cLabelCtrl;
}

class cStartWF : public cBaseWF {
  public:
    int OnEvent(qor::cWindow* window, int kind, int param1, int param2) override;

    qor::cLabelCtrl* goals = nullptr;
    qor::cLabelCtrl* gold = nullptr;
    qor::cLabelCtrl* silver = nullptr;
    // This briefing holds the level's pause and gives it back once.
    bool holdsPause = false;

  private:
    void Brief();
    void ReleasePause();
};
