#pragma once
// The main menu ("main"): start the game, the profile list, the options, the
// help screen and leaving the game. cMainWF is the generic menu; cMainGDWF
// adds the game's start (story or world map) and the exit confirmation.
#include "gui/BaseWF.h"

namespace qor {
class cCtrl;
}

class cMainWF : public cBaseWF {
  public:
    int OnEvent(qor::cWindow* window, int kind, int param1, int param2) override;

    // "lbProfile": its stored text is a localized format for the profile name.
    qor::cCtrl* profileLabel = nullptr;
};

class cMainGDWF : public cMainWF {
  public:
    int OnEvent(qor::cWindow* window, int kind, int param1, int param2) override;
};
