// How a building shows itself: its shadow and picture at the stage of the
// work, the base's flag, the bobbing icon that offers the next step, the bar
// of the step under way, its hint and where a click finds it.
#include <cmath>

#include "level/sites/Build.h"
#include "level/HintText.h"
#include "level/LevelWidget.h"
#include "scene/SceneDraw.h"
#include "scene/SceneServices.h"

namespace {

// A whole stage is asked for at the first instant of its frame: a little
// further in, so that rounding never shows the frame before it.
constexpr float kFrameNudge = 1.0e-3f;
// The flag hangs from the pole at this point of the camp's picture.
constexpr qor::cVec2 kFlagPole{-6.0f, 103.0f};
constexpr float kBarBelow = 50.0f;
// How far the affordable icon bobs, sideways and up and down.
constexpr float kBobX = 7.0f;
constexpr float kBobY = 3.0f;

}  // namespace

void cBuild::Draw() {
    DrawShadow();
    DrawBuilding();
    DrawUpgradeIcon();
    DrawWorkBar();
}

void cBuild::DrawShadow() {
    if (state != 0 && shadow.texture)
        DrawSpriteRect(Services().Batch(), shadow, 0, FrameRect(shadow, 0, {x, y}), 0xFFFFFFFFu);
}

void cBuild::DrawBuilding() {
    if (stages < 0) {
        // One picture, tinted with the rest of the island.
        cObject::Draw();
    } else if (state == kBuildWorking && level < 0) {
        // Each stage of the construction fades in over the last.
        DrawAt(shownStage, -1.0f);
    } else {
        DrawAt(shownStage + kFrameNudge, 0.0f);
    }
    if (IsBase() && flag.texture) {
        const qor::cVec2 pole{x + kFlagPole.x, y + kFlagPole.y};
        DrawSpriteRect(Services().Batch(), flag, flagPlayer.frame,
                       FrameRect(flag, flagPlayer.frame, pole), tint);
    }
}

void cBuild::DrawUpgradeIcon() {
    if (state == kBuildWorking || !CanUpgrade() || level >= maxLevel || !GetAssignedMen().empty())
        return;
    const qor::cSpriteInfo& icon = affordable ? iconAffordable : iconTooDear;
    if (!icon.texture)
        return;
    qor::cVec2 at{x, y};
    if (level >= 0 && maxLevel >= 1)
        at.y += GetBounds().h / 3.0f;
    if (affordable) {
        at.x += kBobX * std::cos(iconPhase);
        at.y += kBobY * std::sin(2.0f * iconPhase);
    }
    DrawSpriteRect(Services().Batch(), icon, 0, FrameRect(icon, 0, at), 0xFFFFFFFFu);
}

void cBuild::DrawWorkBar() {
    if (state == kBuildWorking && g_sceneDraw)
        g_sceneDraw->DrawProgressBar({x, y - kBarBelow}, WorkDone());
}

float cBuild::WorkDone() const {
    const float span = upgrade.to - upgrade.from;
    return span > 0.0f ? (upgrade.current - upgrade.from) / span : 1.0f;
}

qor::cVec2 cBuild::GetHintAnchor() const {
    const qor::cRectF b = GetBounds();
    return {b.x + 0.8f * b.w, b.y};
}

int cBuild::HitTest(qor::cVec2 point) const {
    if (IsBase() || jobMarkers > 0 || GetFreePlaces() == 0)
        return 0;
    if (state == kStateReady && IsAtMaxLevel())
        return 0;
    return cLevelWidget::PixelTest(this, point) ? 1 : 0;
}

std::u16string cBuild::GetHintText() const {
    const bool upgradable = state == kStateReady && CanUpgrade();
    std::u16string text = Services().Localize(upgradable ? kind + u"_up" : kind) + u"\n";
    const ResourceSet cost = GetPrice();
    if (state == kBuildWorking)
        text += HintLine(*this, u"FinishWork");
    else if (!cost.IsZero() && (state == 0 || upgradable))
        text += PriceLine(*this, cost);
    return text;
}
