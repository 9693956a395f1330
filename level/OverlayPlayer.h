#pragma once
// The frame player of an overlay that a building draws over its own picture
// (a flag, sails, a bell, an emblem): it runs the overlay's frames on its
// own, apart from the building's animation.
#include "engine/Atlas.h"
#include "engine/AnimPlayer.h"

// A player that loops the sprite's frames at the sprite's own rate.
inline qor::cAnimPlayer LoopingPlayer(const qor::cSpriteInfo& sprite) {
    qor::cAnimPlayer player;
    player.frameCount = sprite.frameCount;
    player.fps = sprite.fps;
    player.frameDuration = sprite.fps > 1.0e-6f ? 1.0f / sprite.fps : 0.0f;
    player.Reset(qor::kAnimLoop, true);
    return player;
}
