#pragma once
// Where a replay meets the level: the level tells its tap about every step,
// every frame of its clock and every key or button it is given, and asks it
// where the pointer is. A recorder listens; a player feeds the recorded
// input back and holds the real player's hands off the level meanwhile.
#include "engine/SpriteBatch.h"

class cLevelWidget;

class cReplayTap {
  public:
    virtual ~cReplayTap() = default;

    // At the start of each fixed step, before the level does anything.
    virtual void BeforeTick(cLevelWidget& level) = 0;
    // A frame of the level clock; false when the level must not run it
    // (a player runs the recorded clock instead).
    virtual bool OnUpdate(cLevelWidget& level, float seconds) = 0;
    // A key (kind 1) or button (kind 4) reached the level with the pointer at
    // `pointer`; false when the level must ignore it.
    virtual bool OnInput(cLevelWidget& level, int kind, int param, qor::cVec2 pointer) = 0;
    // Where the level is to see the pointer; false to use the real one.
    virtual bool Pointer(qor::cVec2* /*at*/) const { return false; }
    // The level is being cleared (another level, or the same one again): the
    // tap must let go of it; the level forgets the tap right after.
    virtual void OnLevelCleared(cLevelWidget& level) = 0;
};
