#pragma once
// The floating hint ("hint") beside the object under the pointer, in a level
// and on the world map. It fades in and out over 0.2 s; a new hint while one
// shows first fades the old one out, then comes in at its own place. A hint
// hides itself after a while, longer when it follows a point of its object.
#include <string>

#include "engine/SpriteBatch.h"
#include "gui/WindowFunction.h"
#include "world/MapHintWindow.h"

class cObject;
namespace qor {
class cFrameCtrl;
class cLabelCtrl;
}  // namespace qor

class cHintGDWF : public qor::cWindowFunction, public cMapHintWindow {
  public:
    int OnEvent(qor::cWindow* window, int kind, int param1, int param2) override;
    // Shows `text` beside `object` (which may be null), at its hint point
    // moved by `offset`. Nothing while a talk runs or for an empty text.
    void ShowHint(const std::u16string& text, const cObject* object, bool anchored,
                  qor::cVec2 offset) override;
    virtual void ShowHintKey(const std::u16string& key, const cObject* object, bool anchored,
                             qor::cVec2 offset);
    // Reads the object's hint again after it changed.
    virtual void RefreshHint();
    void HideHint() override;
    virtual void LayoutHint();

    // The level's hint lets go of its object when it hides, as the object
    // may go with the level, so the hint never reads one that no longer
    // exists.
    void ForgetObject(const cObject* gone);

    bool broken = true;  // until the window's "frame" and "text" are found
    qor::cWindow* window = nullptr;
    qor::cFrameCtrl* frame = nullptr;
    qor::cLabelCtrl* text = nullptr;
    float timer = 0.0f;  // seconds until the hint hides itself; 0 for never
    float alpha = 0.0f;
    float fade = 1.0f;     // +1 fading in, -1 fading out
    bool showing = false;  // a hint is wanted
    std::u16string hintText;
    const cObject* object = nullptr;
    bool anchored = false;
    float offsetX = 0.0f;
    float offsetY = 0.0f;

  protected:
    // Puts the hint's text into the label and grows or shrinks the frame by
    // as much as the text did, so the margins stay.
    void FitText();

  private:
    qor::cRectF home;  // where the window script put the frame
};

// The task hint ("hint_task"): the full text of a goal of the HUD's task
// panel. It stays where its window script put it.
class cHintTaskGDWF : public cHintGDWF {
  public:
    void LayoutHint() override;
    virtual void ShowTaskHint(const std::u16string& text);
};

// The function of a shown or hidden hint window, or null.
cHintGDWF* FindHintWindow(const std::u16string& windowName);
