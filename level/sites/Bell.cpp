#include "level/sites/Bell.h"

#include "level/LevelWidget.h"
#include "level/OverlayPlayer.h"
#include "level/units/Worker.h"
#include "scene/SceneServices.h"
#include "scene/SoundNumbers.h"

namespace {

constexpr float kSwingSeconds = 2.0f;
// The hero waits in the house in this state.
constexpr int32_t kHeroInHouse = 20;

}  // namespace

void cBell::SetKind(const std::u16string& kindName) {
    cObject::SetKind(kindName);
    SetLayer(6);
    AddAnimation(u"life", u"bell00");
    PlayAnimation(u"life", qor::kAnimLoop, true);
    bellSprite = Services().FindSprite(u"bell00_bell");
    bellPlayer = LoopingPlayer(bellSprite);
    swing = qor::cRamp{0.0f, 0.0f, 0.0f, 1.0f, 0.0f, 0.0f};
}

void cBell::Tick() {
    cObject::Tick();
    if (swing.Step(kTickSeconds) == 1) {
        bellPlayer.Step(kTickSeconds);
    } else {
        bellPlayer.frame = 0;  // hanging still
    }
}

void cBell::Draw() {
    cObject::Draw();
    if (bellSprite.texture)
        DrawSpriteRect(Services().Batch(), bellSprite, bellPlayer.frame,
                       FrameRect(bellSprite, bellPlayer.frame, {x, y}), tint);
}

int cBell::HitTest(qor::cVec2 point) const {
    return cLevelWidget::PixelTest(this, point) ? 1 : 0;
}

std::u16string cBell::GetHintText() const {
    return Services().Localize(kind);
}

cObject* cBell::AssignMan(cObject* /*man*/) {
    return this;
}

void cBell::Ring() {
    cLevelWidget* level = LevelOf(this);
    if (!level)
        return;
    level->Host().PlaySound(kSoundAlarm);
    for (cWorker* man : level->CollectMen()) {
        // Whoever is inside a building stays there: a worker handing goods
        // to a plant finishes, or the plant would never pay out.
        if (cLevelWidget::IsDead(man) || man->IsCaptive() || man->IsInHouse() ||
            man->state == kHeroInHouse || man->state == kWorkerDeliver ||
            man->state == kWorkerEnterHouse)
            continue;
        man->SetState(kWorkerRestart);
        // One who finds no way to the bell stands free rather than stopped.
        if (!level->SendWorker(man, this, true))
            man->SetState(kWorkerIdle);
    }
    swing.Restart(0.0f, kSwingSeconds);
    level->CancelRequests();
}
