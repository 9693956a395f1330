#pragma once
// Turns a level's plan into its solution. A plan is what a careful player
// means to do, in order; the bot plays it headless on the compiled level,
// clicking each step the moment it can be done, and writes down every click
// at its step as a replay (level/replay/Replay.h) that wins the same way on replay.
//
// A plan is a text, one step per line; '#' starts a comment:
//
//     click tree00|tree01 x3   three clicks, each on the first of these that
//                              can take a job now with a worker free for it
//     queue field00            one click as soon as the object can take a job,
//                              whether or not a worker is free
//     raise house00            like click, but only once nobody works at or is
//                              asked to the object: the building's next level,
//                              never a hand joining the step under way
//     hero goblin              when the hero stands idle, a click on the
//                              roaming enemy nearest to him (goblin, spirit,
//                              bandit or enemy for any)
//     wait 4.5                 seconds of play without a click
//     gather tree00|field00    from now on, whenever the next step must wait,
//                              a free worker goes to the first of these that
//                              is ready (never spending what that step needs)
//
// A step that cannot be done within the level's silver time fails the plan.
// After the last step the bot plays on until the level is won.
#include <cstdint>
#include <string>
#include <vector>

#include "level/replay/Replay.h"

namespace level_test {

struct cPlanOutcome {
    std::string error;  // empty when every step was done
    cReplay replay;     // what the bot did, up to the win (or the failure)
    std::string trace;  // each click with its time and the stock, for a failing plan
    bool won = false;
    float silverTime = 0.0f;
    float timeLeft = 0.0f;  // when the level was won, or when the bot gave up
};

// Plays `plan` on the compiled level `levelBytes` with the game's random seed
// `seed`. With a `pause`, the bot takes that many seconds to think after
// each click, as a player new to the level might.
cPlanOutcome PlayPlan(const std::string& plan, const std::vector<uint8_t>& levelBytes,
                      uint32_t seed, float pause = 0.0f);

}  // namespace level_test
