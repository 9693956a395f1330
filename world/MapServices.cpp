#include "world/MapServices.h"

qor::cSpriteInfo cMapServices::FindSprite(const std::u16string& texture,
                                          const std::u16string& area) {
    const std::u16string key = texture + u';' + area;
    if (m_missing.contains(key))
        return {};
    qor::cSpriteInfo sprite = cSceneServices::FindSprite(texture, area);
    if (!sprite.texture)
        m_missing.insert(key);
    return sprite;
}

qor::cSpriteInfo cMapServices::FindSprite(const std::u16string& area) {
    if (m_missing.contains(area))
        return {};
    qor::cSpriteInfo sprite = cSceneServices::FindSprite(area);
    if (!sprite.texture)
        m_missing.insert(area);
    return sprite;
}
