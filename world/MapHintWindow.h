#pragma once
// The floating hint beside the hovered level point of the world map. The
// game's "hint" window answers it, the same one that serves the level.
#include <string>

#include "engine/SpriteBatch.h"

class cObject;

class cMapHintWindow {
  public:
    virtual ~cMapHintWindow() = default;
    // `text` beside `object`, at its hint point moved by `offset`.
    virtual void ShowHint(const std::u16string& text, const cObject* object, bool anchored,
                          qor::cVec2 offset) = 0;
    virtual void HideHint() = 0;
};
