#pragma once
// The named animations of one scene object: each name stands for a sprite of
// the atlases, one of them is current, and one player runs its frames.
#include <string>
#include <unordered_map>

#include "engine/Atlas.h"
#include "engine/AnimPlayer.h"

class cAnimationSet {
  public:
    // Stores (or replaces) the sprite under the name.
    void Add(const std::u16string& name, const qor::cSpriteInfo& sprite);
    // Null when the set holds no such name.
    const qor::cSpriteInfo* Find(const std::u16string& name) const;
    size_t Size() const { return m_sprites.size(); }

    qor::cSpriteInfo current;  // empty while no known animation plays
    qor::cAnimPlayer player;

  private:
    std::unordered_map<std::u16string, qor::cSpriteInfo> m_sprites;
};
