#pragma once
// The game object the engine reports to: the splash and loading widgets end
// through it, and it holds the background colour those screens clear to. The
// game shell implements it; until then the start-up sequence of the entry
// point stands in.
#include <cstdint>

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

}  // namespace qor
