#include "level/sites/Nugget.h"

#include <algorithm>
#include <cmath>

#include "engine/Strings.h"
#include "level/HintText.h"
#include "level/LevelWidget.h"
#include "scene/SceneDraw.h"
#include "scene/SceneServices.h"

namespace {

constexpr int32_t kLoads = 5;

}  // namespace

void cNugget::SetKind(const std::u16string& kindName) {
    cObject::SetKind(kindName);
    SetLayer(6);
    AddAnimation(u"life", u"nugget00");
    shadow = Services().FindSprite(u"nugget00_sh");
    price = {0, 10, 0, 0};
    profit = {0, 0, 20, 0};
    jobsLeft = kLoads;
    progress = 0.0f;
    work.Restart(0.0f, GetWorkTime());
    PlayAnimation(u"life", qor::kAnimStopped, true);
}

void cNugget::Draw() {
    qor::cSpriteBatch* batch = Services().Batch();
    if (shadow.texture)
        DrawSpriteRect(batch, shadow, 0, FrameRect(shadow, 0, {x, y}), 0xFFFFFFFFu);
    const qor::cSpriteInfo& sprite = GetSprite();
    const int last = std::max(sprite.frameCount - 1, 0);
    const int frame =
        std::clamp(static_cast<int>(std::floor(progress * sprite.frameCount)), 0, last);
    DrawSpriteRect(batch, sprite, frame, FrameRect(sprite, frame, {x, y}), tint);
    DrawMarkers();
    if (work.HasMoved() && state != kNuggetSpent && g_sceneDraw)
        g_sceneDraw->DrawProgressBar({x, y - 32.0f}, work.current / GetWorkTime());
}

int cNugget::HitTest(qor::cVec2 point) const {
    if (state == kNuggetSpent || state == kStateGone || jobMarkers > 0 || HasWorkerAssigned(this))
        return 0;
    return cLevelWidget::PixelTest(this, point) ? 1 : 0;
}

bool cNugget::DoWork(float seconds) {
    if (state == kStateGone || state == kNuggetSpent)
        return false;
    if (work.Step(seconds) == 1) {
        const float fraction = work.current / GetWorkTime();
        progress = (static_cast<float>(kLoads - jobsLeft) + fraction) / kLoads;
        return true;
    }
    if (jobsLeft < 2) {
        work = qor::cRamp{0.0f, 0.0f, 0.0f, 1.0f, 0.0f, 0.0f};
        progress = 1.0f;
        SetState(kNuggetSpent);
    } else {
        --jobsLeft;
        work.Restart(0.0f, GetWorkTime());
    }
    return false;
}

ResourceSet cNugget::GetPrice() const {
    return work.HasMoved() || state == kNuggetSpent ? ResourceSet{} : price;
}

std::u16string cNugget::GetHintText() const {
    if (state == kNuggetSpent)
        return HintLine(*this, kind.c_str());
    return SourceHint(*this, work.HasMoved(), GetPrice(), profit) +
           Services().Localize(u"LoadsLeft") + u": " + qor::Widen(std::to_string(jobsLeft)) + u"\n";
}
