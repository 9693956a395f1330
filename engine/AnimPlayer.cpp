#include "engine/AnimPlayer.h"

#include <algorithm>
#include <cmath>

namespace qor {

int cAnimPlayer::Step(float seconds) {
    if (mode == kAnimStopped || frameCount <= 1)
        return 0;
    accumulated += seconds;
    if (!(frameDuration > 0.0f) || accumulated < frameDuration)
        return 0;
    const float frames = std::floor(accumulated / frameDuration);
    accumulated -= frames * frameDuration;
    // A huge step (a stalled frame) must not overflow the frame arithmetic;
    // whole cycles change nothing for the looping modes.
    const int n = static_cast<int>(std::min(frames, 1.0e6f));
    switch (mode) {
        case kAnimForwardOnce:
            frame += std::min(n, frameCount);
            if (frame >= frameCount) {
                frame = frameCount - 1;
                mode = kAnimStopped;
            }
            break;
        case kAnimBackwardOnce:
            frame -= std::min(n, frameCount);
            if (frame < 0) {
                frame = 0;
                mode = kAnimStopped;
            }
            break;
        case kAnimLoop:
            frame = (frame + n % frameCount) % frameCount;
            break;
        case kAnimLoopBackward:
            frame -= n % frameCount;
            if (frame < 0)
                frame = frameCount + (frame % frameCount);
            break;
        case kAnimPingPong:
            // The motion repeats every 2 × (frameCount − 1) steps.
            frame = std::clamp(frame, 0, frameCount - 1);
            for (int i = 0; i < n % (2 * (frameCount - 1)); ++i) {
                if (frame + direction < 0 || frame + direction > frameCount - 1) {
                    direction = -direction;
                }
                frame += direction;
                if (frame == 0 || frame == frameCount - 1)
                    direction = -direction;
            }
            break;
        default:
            break;
    }
    return n;
}

void cAnimPlayer::Reset(int newMode, bool restart) {
    mode = newMode;
    switch (newMode) {
        case kAnimStopped:
            accumulated = 0.0f;
            if (restart)
                frame = 0;
            break;
        case kAnimBackwardOnce:
        case kAnimLoopBackward:
            direction = -1;
            if (restart) {
                accumulated = 0.0f;
                frame = std::max(frameCount - 1, 0);
            }
            break;
        case kAnimPingPong:
            if (restart) {
                direction = 1;
                accumulated = 0.0f;
                frame = 0;
            }
            break;
        default:
            direction = 1;
            if (restart) {
                frame = 0;
                accumulated = 0.0f;
            }
            break;
    }
}

}  // namespace qor
