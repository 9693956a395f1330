#pragma once
// How hard a level's enemies press: how often each base sends out a goblin or
// a spirit, how many roam at once and how fast bandits walk. The level's story
// sets them when the level starts and turns them up while it runs; a level
// reset brings back these defaults, with which no base sends anybody out.
#include <cstdint>

struct cEnemySettings {
    // Mean seconds between two gold goblins of one base; 0 sends none.
    float goblinInterval = 0.0f;
    // The same for the spirits of a spirit base.
    float spiritInterval = 0.0f;
    // Most roaming enemies (goblins, spirits and bandits) at once.
    int32_t enemyLimit = 10;
    // A bandit's walking speed, world units per second.
    float banditSpeed = 45.0f;
};
