#pragma once
// The loading screen: works through the queue of textures, sounds and music
// that the loading scripts fill, one item per frame, while the window
// "loading" shows a progress bar (and, when it has a control "label", the
// name of what is being loaded). Each item is shown for one frame and loaded
// in the next one; when the queue is empty the game object hears OnEndLoading
// once.
//
// A label must stay readable, so with one each load waits for the next sixth
// frame at the usual frame rate. Without one the screen asks for frames at
// full speed (no frame cap, no waiting for the display) until the queue is
// empty: loading then takes about as long as the loads themselves, however
// many items the data queues.
#include <deque>
#include <memory>
#include <string>

#include "app/GameObject.h"
#include "app/Widget.h"

namespace qor {

class cCtrl;
class cLoadData;
class cProgressBarSysCtrl;

inline constexpr char16_t kLoadingWidgetName[] = u"loading";

class cLoadingWidget : public cWidget {
  public:
    // Registers as "loading" and becomes the process-wide loading widget,
    // loads the screen's own two pictures at once and builds its window.
    explicit cLoadingWidget(cGameObject* gameObject = g_gameObject);
    // Items still waiting are deleted unloaded (and that is logged).
    ~cLoadingWidget() override;

    void Draw() override;
    void Update(float seconds) override;
    void OnFocus() override;
    void OnUnfocus() override;
    // Takes ownership; the queue's length becomes the progress total.
    virtual void Add(cLoadData* item);

    // The item shown now and loaded next; null between items.
    cLoadData* current() const { return m_current.get(); }

    cGameObject* game;
    std::deque<std::unique_ptr<cLoadData>> queue;
    int queued = 0;
    // Controls of the window "loading", null when it has none. Checked against
    // the live controls before every use.
    cProgressBarSysCtrl* progress = nullptr;
    cCtrl* label = nullptr;
    float done = 0.0f;   // items taken from the queue since focus
    float total = 0.0f;  // queue length after the latest Add
    bool notify = true;  // OnEndLoading still due

  private:
    cProgressBarSysCtrl* LiveProgress() const;
    cCtrl* LiveLabel() const;
    // Asks cGame for frames at full speed, or gives back what it asked for.
    void SetFullSpeed(bool on);

    std::unique_ptr<cLoadData> m_current;
    bool m_fullSpeed = false;
};

// Null while no loading widget exists; items made meanwhile cannot be queued.
extern cLoadingWidget* g_loadingWidget;
// Counts the frames an item waits while a label is shown, modulo six; the
// item loads when it comes round to 0. It runs on across items and widgets.
extern int g_loadingStep;

// The item the loading widget shows now, or null.
cLoadData* CurrentLoadData();

}  // namespace qor
