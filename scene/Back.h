#pragma once
// The full-screen background picture of a scene: "{StaticPath}/texture/back/"
// NAME "_t" (the upper part, drawn 512 units high) over NAME "_b" (the lower
// part, 256 high), filling the 1024 × 768 screen centred on the position. The
// level backgrounds are drawn from each level's grid by bm_backgen.
#include "engine/TextureCache.h"
#include "scene/Object.h"

class cBack : public cObject {
  public:
    using cObject::cObject;

    static constexpr uint32_t kType = scene_type::kBack;
    uint32_t GetTypeId() const override { return kType; }

    // Loads the two pictures when the name differs from the one shown; the
    // cache then knows them as "back_t" and "back_b". Each background keeps
    // its own pictures, so the menu's room still shows its own after a level
    // loaded another.
    void SetKind(const std::u16string& kindName) override;
    qor::cRectF GetBounds() const override;
    void Draw() override;
    // True when both pictures are there and fill the whole screen, so that
    // nothing drawn under them could show.
    bool CoversScreen() const;

    std::u16string backName;
    qor::cTextureRef top;     // "back_t"
    qor::cTextureRef bottom;  // "back_b"
};
