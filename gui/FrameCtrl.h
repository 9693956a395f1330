#pragma once
// A nine-patch: the texture is cut into corners, edges and centre; corners keep
// their size, edges and centre stretch.
#include "engine/TextureCache.h"
#include "gui/Ctrl.h"

namespace qor {

class cFrameCtrl : public cCtrl {
  public:
    cFrameCtrl(std::u16string name, cWindow* window) : cCtrl(std::move(name), window) {}

    void Draw() override;
    void Offset(float dx, float dy) override;
    void SetRect(float x, float y, float w, float h, int flags) override;
    void SetUVRect(float u, float v, float w, float h, int flags) override;
    void SetFrame(float x, float y, float w, float h, float bw, float bh, int flags) override;
    void SetUVFrame(float u, float v, float w, float h, float bw, float bh, int flags) override;
    bool HitTest(float x, float y) const override { return StrictlyInside(rect, x, y); }
    cRectF GetRect() const override { return rect; }
    void SetTexture(const std::u16string& textureName, int flags) override;
    void SetColor(float r, float g, float b, int extra) override;
    std::u16string GetClassName() const override { return u"cFrameCtrl"; }

    // Whether the centre piece is drawn.
    virtual void SetDrawInner(bool draw) { drawInner = draw; }

    // Draws this frame's nine-patch into another rectangle and UV rectangle.
    void DrawPatch(const cRectF& where, const cRectF& uv, bool centre, uint32_t tint) const;

    cTextureRef texture;
    bool drawInner = true;
    cRectF rect;
    cRectF uvRect{0, 0, 1, 1};
    cVec2 border;    // GUI units
    cVec2 uvBorder;  // texture units
    uint32_t color = kOpaqueWhite;
};

}  // namespace qor
