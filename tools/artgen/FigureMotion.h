#pragma once
// How the island's walkers move: gait cycles (a stroll, a run, a trudge under
// a sack, a panicked dash, a captive's shuffle) and work strokes built from
// key poses. Each gives one pose per frame of a looping or one-off animation.
#include <vector>

#include "tools/artgen/FigureRig.h"

namespace artgen {

struct Gait {
    double stride = 0.45;   // thigh swing each way
    double kneeLift = 0.9;  // knee fold of the leg swinging forwards
    double kneeBase = 0.1;  // knee fold of the leg on the ground
    double armSwing = 0.5;  // arms swing against the legs
    double elbow = 0.3;     // elbows bent
    double lean = 0.05;     // torso forwards
    double leap = 0;        // lift while both feet are off the ground
    double headBob = 0;     // head nods with each step
    Face face = Face::kCalm;
};

Gait StrollGait();
Gait RunGait();

// The pose at `phase` (0..1) of a gait cycle; the cycle starts with the legs
// passing each other.
Pose GaitPose(const Gait& gait, double phase);

// `frames` poses of a whole cycle.
std::vector<Pose> GaitCycle(const Gait& gait, int frames);

// Poses interpolated smoothly between keys; `at` of each key is its place in
// the animation (0..1). Before the first and after the last key the nearest
// key holds; with `loop` the last key eases back into the first.
struct Key {
    double at;
    Pose pose;
};
Pose PoseAt(const std::vector<Key>& keys, double t, bool loop);
std::vector<Pose> KeyedCycle(const std::vector<Key>& keys, int frames, bool loop);

Pose Blend(const Pose& a, const Pose& b, double t);

// A relaxed standing pose, feet slightly apart.
Pose StandPose();

// Work strokes. Each loops; `hitFrame` says which frame of `frames` lands the
// blow (the game times the stroke's sound to it).
std::vector<Pose> ChopStroke(int frames, int hitFrame);    // an axe into a trunk
std::vector<Pose> PickStroke(int frames, int hitFrame);    // a pick into rock
std::vector<Pose> HammerStroke(int frames, int hitFrame);  // a hammer on a beam
std::vector<Pose> GatherStroke(int frames);                // both hands to the ground and up
std::vector<Pose> SlashStroke(int frames, int hitFrame);   // a sword swung down
// Arms over the head and back, starting and ending standing (a yawn).
std::vector<Pose> StretchCycle(int frames);
// Cowering behind raised arms, for ping-pong playback.
std::vector<Pose> GuardCycle(int frames);

}  // namespace artgen
