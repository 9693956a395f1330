#pragma once
// The process around the frame: starting the video system, the system
// folders, the engine core, the window and the application object; the main
// loop one pass at a time; and shutting all of it down in reverse. RunGame
// drives it with the single-instance lock around it; the start-up benchmark
// drives it directly.
#include <cstdint>
#include <memory>

#include "app/FramePacer.h"

namespace qor {

class cGame;
class cGameObject;

class cGameProcess {
  public:
    cGameProcess();
    ~cGameProcess();
    cGameProcess(const cGameProcess&) = delete;
    cGameProcess& operator=(const cGameProcess&) = delete;

    // 0 once the splash shows; otherwise the exit code (2 without video,
    // 3 without a window, 4 without the application object), with everything
    // made so far taken down again.
    int Start();
    // One pass of the main loop: every pending event, then one frame (or, while
    // inactive, a wait for the next event). False once the quit request came.
    bool Iterate();
    // Application object, window, engine core and video system go, in that
    // order: the application saves the player's progress while every service
    // still exists. Called again, or
    // without Start, it does nothing.
    void Stop();

    cGame* game() const { return m_game.get(); }
    cGameObject* application() const { return m_application.get(); }
    const cFramePacer& pacer() const { return m_pacer; }

  private:
    std::unique_ptr<cGame> m_game;
    std::unique_ptr<cGameObject> m_application;
    cFramePacer m_pacer;
    uint64_t m_fpsTimer = 0;
    bool m_video = false;
};

}  // namespace qor
