#pragma once
// The level's HUD ("level"): the player's four goods, the time bar, the menu
// button and the task panel's lines, whose full goal text shows in the task
// hint while the pointer rests on a line.
#include <array>

#include "gui/BaseWF.h"

namespace qor {
class cLabelCtrl;
class cProgressBarSysCtrl;
}  // namespace qor

class cLevelWF : public cBaseWF {
  public:
    int OnEvent(qor::cWindow* window, int kind, int param1, int param2) override;

    std::array<qor::cLabelCtrl*, 4> resourceLabels{};  // wood, food, money, mana
    qor::cProgressBarSysCtrl* timeBar = nullptr;
    float refreshClock = 0.0f;  // seconds since the numbers were last written

  private:
    void Fill(qor::cWindow* window);
    void WriteResources();
};

// The line of the task panel a HUD control stands for: the number after
// "frame_task" in its name, or -1 for other controls.
int TaskLineOfControl(const std::u16string& controlName);

// Shows the full text of the goal on task line `line` in the task hint; a
// line without a goal shows nothing.
void ShowTaskLineHint(int line);
void HideTaskLineHint();
