#pragma once
// The talk window ("talk"): up to three faces with a speech bubble each. One
// bubble speaks at a time and fades in over a second; a click on it moves the
// talk on (through the level's own input, so that a replay hears it). The
// window is an overlay over the level's HUD.
#include <string>

#include "engine/SpriteBatch.h"
#include "gui/BaseWF.h"

namespace qor {
class cCtrl;
class cImageCtrl;
}  // namespace qor

class cTalkWF : public cBaseWF {
  public:
    static constexpr int kSlots = 3;

    int OnEvent(qor::cWindow* window, int kind, int param1, int param2) override;

    // The faces of slots 0 and 1; slot 1 stays empty when it would show the
    // same face again.
    virtual void ShowSpeakers(const std::u16string& left, const std::u16string& right);
    // Every bubble goes; `slot`'s shows the text and "click to continue", its
    // face becomes the speaker's, and the window shows. False (nothing shown)
    // when the window lacks its controls.
    virtual bool Say(const std::u16string& text, int slot, const std::u16string& speaker);
    // The slot whose bubble speaks; -1 for none.
    int SpeakingSlot() const;
    // The slot whose shown bubble holds the point; -1 for none.
    int BubbleAt(qor::cVec2 point) const;

    qor::cImageCtrl* persons[kSlots] = {};
    qor::cCtrl* frames[kSlots] = {};
    qor::cCtrl* texts[kSlots] = {};
    float bubbleAlpha = 1.0f;
    bool broken = true;  // until every control is found

  private:
    void SetFace(int slot, const std::u16string& speaker);
    void Draw(qor::cWindow* window);

    qor::cWindow* m_window = nullptr;
};

// The game's talk window; null when it does not exist or is not a cTalkWF.
cTalkWF* FindTalkWindow();
