#pragma once
// What the level's windows read from the running level: its clock, its goals
// and which goal each line of the task panel shows. The level controller
// answers; it registers itself as g_levelView for as long as it exists.
#include <cstdint>
#include <vector>

#include "level/Goals.h"

// The level's states; do not renumber.
enum eLevelState : int32_t {
    kLevelLoading = 0,
    kLevelIntro = 1,
    kLevelPlay = 2,
    kLevelFinished = 3,
};

class cLevelView {
  public:
    virtual ~cLevelView() = default;
    virtual int32_t GetState() const = 0;
    // The level's time limit and what is left of it, in seconds.
    virtual float GetSilverTime() const = 0;
    virtual float GetTimeLeft() const = 0;
    virtual const std::vector<cTask>& GetTasks() const = 0;
    // The goal shown on line `slot` of the task panel; -1 for none.
    virtual int GetSlotTask(int slot) const = 0;
    // A talk is being told: hints stay away meanwhile.
    virtual bool IsTalkRunning() const = 0;
};

// The running level; null while none exists.
extern cLevelView* g_levelView;
