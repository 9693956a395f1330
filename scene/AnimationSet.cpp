#include "scene/AnimationSet.h"

void cAnimationSet::Add(const std::u16string& name, const qor::cSpriteInfo& sprite) {
    m_sprites[name] = sprite;
}

const qor::cSpriteInfo* cAnimationSet::Find(const std::u16string& name) const {
    const auto it = m_sprites.find(name);
    return it == m_sprites.end() ? nullptr : &it->second;
}
