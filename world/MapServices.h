#pragma once
// The world map's scene services: forty points ask for the same nine sprites,
// so a sprite the atlases lack would fill the log forty times over. A name
// that was not found is remembered and asked for, and logged, only once.
#include <set>
#include <string>

#include "scene/SceneServices.h"

class cMapServices : public cSceneServices {
  public:
    qor::cSpriteInfo FindSprite(const std::u16string& texture, const std::u16string& area) override;
    qor::cSpriteInfo FindSprite(const std::u16string& area) override;

  private:
    // "texture;area" for the first look-up, the area alone for the second.
    std::set<std::u16string> m_missing;
};
