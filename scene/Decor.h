#pragma once
// Animated scenery: swaying trees, mushrooms, clouds, lightning, water, and
// the world map's landscape. Every decor plays its one animation, "life",
// looped. A kind "TEXTURE;AREA" takes that area of that texture (the map's
// landscape halves are such areas); any other kind is a sprite's own name.
// So far the class has no behaviour of its own beyond that: the sway, drift
// and storm of the kinds that have them come with the scenes that use them.
#include "scene/Object.h"

class cDecor : public cObject {
  public:
    using cObject::cObject;

    static constexpr uint32_t kType = scene_type::kDecor;
    uint32_t GetTypeId() const override { return kType; }

    void SetKind(const std::u16string& kindName) override;
};
