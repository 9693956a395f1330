#pragma once
// The one linear value ramp behind every timer, fade and progress value of the
// GUI and the scene: `current` runs from `from` to `to` at `rate` units per
// second.
namespace qor {

struct cRamp {
    float from = 0.0f;
    float to = 0.0f;
    float current = 0.0f;
    float rate = 0.0f;  // units per second
    float elapsed = 0.0f;
    float duration = 0.0f;

    // Starts a run from where the ramp is now. A run too short to notice (or a
    // rate of 0) jumps to the target at once.
    void SetTarget(float value);
    // A fresh run from `start` to `target`.
    void Restart(float start, float target) {
        current = start;
        SetTarget(target);
    }
    // Whether a run has begun: the value has left where the run started.
    bool HasMoved() const { return elapsed > 0.0f; }
    // 0 idle, 1 running, 2 finished on this step.
    int Step(float seconds);
};

}  // namespace qor
