#pragma once
// A textured quad.
#include "engine/TextureCache.h"
#include "gui/Ctrl.h"

namespace qor {

class cImageCtrl : public cCtrl {
  public:
    cImageCtrl(std::u16string name, cWindow* window) : cCtrl(std::move(name), window) {}

    void Draw() override;
    void Offset(float dx, float dy) override;
    void SetRect(float x, float y, float w, float h, int flags) override;
    void SetUVRect(float u, float v, float w, float h, int flags) override;
    bool HitTest(float x, float y) const override { return StrictlyInside(rect, x, y); }
    cRectF GetRect() const override { return rect; }
    void SetTexture(const std::u16string& textureName, int flags) override;
    // Opaque; the fourth value is not used.
    void SetColor(float r, float g, float b, int extra) override;
    std::u16string GetClassName() const override { return u"cImageCtrl"; }

    cRectF rect;
    cRectF uvRect{0, 0, 1, 1};
    cTextureRef texture;
    uint32_t color = kOpaqueWhite;
};

// The cached texture of that name; none for an empty name.
cTextureRef LookUpTexture(const std::u16string& name);

}  // namespace qor
