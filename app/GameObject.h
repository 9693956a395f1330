#pragma once
// The game object the engine reports to: the splash and loading widgets end
// through it, and it holds the background colour those screens clear to. The
// game shell implements it.
#include <cstdint>
#include <memory>

namespace qor {

class cGameObject {
public:
    virtual ~cGameObject() = default;
    // The splash has shown its last step (called on every tick until the focus changes).
    virtual void OnEndSplash() = 0;
    // The loading queue is empty.
    virtual void OnEndLoading() = 0;

    void SetBackColor(float r, float g, float b);
    // ARGB, alpha always 255.
    uint32_t backColor = 0xFF000000u;
};

// Null while no game object exists.
extern cGameObject* g_gameObject;

// Made by the game shell: the application object, started (the splash
// shows). Null when it cannot start (logged). The entry point destroys it
// before cGame, so that it saves the player's progress while every service
// still exists.
std::unique_ptr<cGameObject> StartGameApplication();

}  // namespace qor
