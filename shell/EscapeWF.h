#pragma once
// The pause menu ("escape") over a running level: resume, restart, save a
// replay of the level so far, end the level, the options, or quit. While it
// shows the level is paused.
#include "gui/BaseWF.h"

class cEscapeWF : public cBaseWF {
  public:
    int OnEvent(qor::cWindow* window, int kind, int param1, int param2) override;
};

class cEscapeGDWF : public cEscapeWF {
  public:
    int OnEvent(qor::cWindow* window, int kind, int param1, int param2) override;
};
