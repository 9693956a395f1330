#include "scene/Back.h"

#include "scene/SceneServices.h"

namespace {

constexpr float kWidth = 1024.0f;
constexpr float kHeight = 768.0f;
constexpr float kBottomHeight = 256.0f;
constexpr float kTopHeight = 512.0f;

}  // namespace

void cBack::SetKind(const std::u16string& kindName) {
    cObject::SetKind(kindName);
    if (kindName == backName)
        return;
    backName = kindName;
    const std::u16string file = u"{StaticPath}/texture/back/" + kindName;
    cSceneServices& services = Services();
    top = services.LoadTexture(file + u"_t", u"back_t");
    bottom = services.LoadTexture(file + u"_b", u"back_b");
}

qor::cRectF cBack::GetBounds() const {
    return {x - kWidth * 0.5f, y - kHeight * 0.5f, kWidth, kHeight};
}

bool cBack::CoversScreen() const {
    const qor::cRectF b = GetBounds();
    return top && bottom && b.x <= 0.0f && b.y <= 0.0f && b.x + b.w >= kWidth &&
           b.y + b.h >= kHeight;
}

void cBack::Draw() {
    qor::cSpriteBatch* batch = Services().Batch();
    if (!batch)
        return;
    const qor::cRectF b = GetBounds();
    // A missing picture leaves its part undrawn rather than a white block.
    if (bottom)
        qor::DrawSprite(batch, bottom, {0, 0, 1, 1}, {b.x, b.y, b.w, kBottomHeight}, tint);
    if (top)
        qor::DrawSprite(batch, top, {0, 0, 1, 1}, {b.x, b.y + kBottomHeight, b.w, kTopHeight},
                        tint);
}
