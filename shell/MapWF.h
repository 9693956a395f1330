#pragma once
// The world map's panel ("map"): "play" starts the level chosen on the map,
// "back" returns to the main menu. Enter and Space play, Escape goes back.
// A level whose level file the game does not have yet is refused with a
// message, and the map stays.
#include "gui/BaseWF.h"

class cMapWF : public cBaseWF {
  public:
    int OnEvent(qor::cWindow* window, int kind, int param1, int param2) override;
};

// True when the game holds a level file for that level index.
bool HasLevelFile(int index);
