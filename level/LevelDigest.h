#pragma once
// A fingerprint of a level's whole state: two runs that gave the same one
// played the same. Replays and the automated player compare them.
#include <cstdint>

class cLevelWidget;

// Every object's class, id, state, position, layer and job markers; for
// walkers their target, bag, path and mover; the player's resources and
// level time; the game's random generator; the queued jobs and the clock.
uint64_t DigestLevel(const cLevelWidget& level);
