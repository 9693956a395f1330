#pragma once
// The sprite frame player: which frame of an animation shows, stepped by time.
namespace qor {

enum eAnimMode : int {
    kAnimStopped = 0,
    kAnimForwardOnce = 1,
    kAnimBackwardOnce = 2,
    kAnimLoop = 3,
    kAnimLoopBackward = 4,
    kAnimPingPong = 5,
};

struct cAnimPlayer {
    int mode = kAnimStopped;
    int frame = 0;
    int frameCount = 1;
    float accumulated = 0.0f;            // seconds
    float frameDuration = 1.0f / 30.0f;  // seconds per frame
    float fps = 30.0f;
    int direction = 1;  // +1 or -1, for ping-pong

    // Number of frames that elapsed (0 while stopped, for a single frame, or
    // while less than one frame's time has gathered).
    int Step(float seconds);
    void Reset(int newMode, bool restart);
};

}  // namespace qor
