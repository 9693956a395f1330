#pragma once
// The picture stories' panel ("comics"): "next" turns the page, "skip" goes
// on to the world map. Escape presses "skip"; other keys fall through to the
// story itself, which turns the page.
#include "gui/BaseWF.h"

class cComicsWF : public cBaseWF {
  public:
    int OnEvent(qor::cWindow* window, int kind, int param1, int param2) override;
};
