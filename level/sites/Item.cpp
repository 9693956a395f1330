#include "level/sites/Item.h"

#include "level/HintText.h"
#include "level/LevelWidget.h"
#include "scene/SceneServices.h"
#include "scene/SoundNumbers.h"

namespace {

// The load an item holds.
constexpr int32_t kItemLoad = 20;

}  // namespace

void cItem::SetKind(const std::u16string& kindName) {
    cObject::SetKind(kindName);
    AddAnimation(u"life", kind);
    profit = {};
    const char16_t* const names[kResourceCount] = {u"wood", u"food", u"money", u"mana"};
    for (int i = 0; i < kResourceCount; ++i) {
        if (kind == names[i])
            profit.Set(i, kItemLoad);
    }
    SetState(kStateReady);
    PlayAnimation(u"life", qor::kAnimLoop, true);
}

bool cItem::OnStateChange(int32_t from, int32_t to) {
    if (!cObject::OnStateChange(from, to))
        return false;
    if (to == kStateGone) {
        PlayAnimation(u"", qor::kAnimStopped, true);
        PlayLevelSound(this, kSoundTake);
    }
    return true;
}

qor::cVec2 cItem::GetHintAnchor() const {
    const qor::cRectF b = GetBounds();
    return {b.x + 1.1f * b.w, b.y - 0.1f * b.h};
}

int cItem::HitTest(qor::cVec2 point) const {
    if (state == kStateGone || occupant)
        return 0;
    return cLevelWidget::PixelTest(this, point) ? 1 : 0;
}

std::u16string cItem::GetHintText() const {
    std::u16string text = Services().Localize(kind) + u"\n";
    if (!profit.IsZero())
        text += ProfitLine(*this, profit);
    return text;
}

bool cItem::DoWork(float /*seconds*/) {
    if (state == kStateReady)
        SetState(kStateGone);
    return false;
}
