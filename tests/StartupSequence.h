#pragma once
// The engine's start-up screens without the game around them, for tests of
// the splash and the loading screen alone: Start() registers every script
// function and shows the splash; the splash's end brings the loading screen;
// the loading's end lets the main loop wait again while the window is
// inactive. No widget is focused afterwards, so the last loading frame stays
// on screen.
#include "app/GameObject.h"

namespace qor {

class cLoadingWidget;
class cSplashWidget;

class cStartupSequence : public cGameObject {
  public:
    // Becomes the process-wide game object when there is none.
    cStartupSequence();
    ~cStartupSequence() override;
    cStartupSequence(const cStartupSequence&) = delete;
    cStartupSequence& operator=(const cStartupSequence&) = delete;

    // Keeps the loop running while inactive, registers the engine's script
    // functions with the GUI, splash-and-loading and game-control hooks, sets
    // the two volumes from the settings, and focuses a new splash widget.
    // False without cGame or script host.
    bool Start();
    // Makes the loading widget (once) and focuses it.
    void OnEndSplash() override;
    // The loop may wait again while the window is inactive.
    void OnEndLoading() override;

    bool loadingEnded() const { return m_loadingEnded; }
    cSplashWidget* splash() const { return m_splash; }
    cLoadingWidget* loading() const { return m_loading; }

  private:
    // Both belong to cGame once made.
    cSplashWidget* m_splash = nullptr;
    cLoadingWidget* m_loading = nullptr;
    bool m_loadingEnded = false;
};

}  // namespace qor
