#pragma once
// The three goal lines of the level's HUD. Each line shows a goal's picture,
// its target ("x7") and how many are still to go, or a green "done" once it
// is reached. A reached goal keeps its line while every open goal still finds
// one; when the lines run short it leaves the panel for good (it is retired),
// so that an open goal is never hidden behind a finished one.
#include <array>
#include <cstdint>
#include <vector>

#include "engine/SpriteBatch.h"
#include "level/Goals.h"

namespace qor {
class cImageCtrl;
class cLabelCtrl;
class cWindow;
}  // namespace qor

// One line of the panel: the controls "image_task<i>", "label_task<i>0" (the
// target) and "label_task<i>1" (what is left) of the HUD window.
struct cTaskSlot {
    qor::cImageCtrl* image = nullptr;
    qor::cLabelCtrl* count = nullptr;
    qor::cLabelCtrl* state = nullptr;
    int32_t task = -1;  // the goal shown, -1 for none

    // A line with any of its controls missing is never shown.
    bool Bound() const { return image && count && state; }
};

// What a refresh asks the HUD to celebrate: a goal has just been reached.
struct cTaskCelebration {
    bool sparkle = false;
    qor::cVec2 point;       // the centre of the reached goal's picture
    bool taskDone = false;  // the "task done" jingle; the last goal has the level's own
};

inline constexpr int kTaskSlotCount = 3;

class cTaskPanel {
  public:
    // Looks the three lines up in the HUD window once and hides them.
    void Bind(qor::cWindow* hud);
    // Hides the lines and forgets their goals, for the next level.
    void Clear();

    // Lays the goals out on the lines; `reachedIndex` is the goal that a
    // recount has just reached, or -1. Marks goals retired as they leave.
    cTaskCelebration Refresh(std::vector<cTask>& tasks, int reachedIndex);

    // The goal shown on line `slot`; -1 for none or a line out of range.
    int TaskInSlot(int slot) const;

    std::array<cTaskSlot, kTaskSlotCount> slots;

  private:
    void ShowLine(cTaskSlot& slot, const cTask& task);
};

// The two texts of a goal's line: the target, and what is still to go (green
// "done" texts once reached). Colour codes are part of the texts.
std::u16string TaskCountText(const cTask& task);
std::u16string TaskStateText(const cTask& task);
