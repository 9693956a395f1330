#include "level/sites/Bridge.h"

#include "level/HintText.h"
#include "level/LevelWidget.h"
#include "scene/SceneDraw.h"

namespace {

// A new plank fades in over this many seconds of the picture's time.
constexpr float kPlankFade = 0.2f;

}  // namespace

void cBridge::SetKind(const std::u16string& kindName) {
    cObject::SetKind(kindName);
    AddAnimation(u"life", kind);
    const bool big = kind.starts_with(u"bridge_big");
    price = big ? ResourceSet{80, 0, 0, 0} : ResourceSet{50, 0, 0, 0};
    work.Restart(0.0f, big ? 9.0f : 7.0f);
    SetState(kBridgeBroken);
    PlayAnimation(u"life", qor::kAnimStopped, true);
}

bool cBridge::OnStateChange(int32_t from, int32_t to) {
    if (!cObject::OnStateChange(from, to))
        return false;
    if (to == kStateReady) {
        if (scene)
            scene->MarkObjectCells(this, false);
        if (cLevelWidget* level = LevelOf(this))
            level->QueueCommand(this, kCommandWaysOpened, 0);
        repaired = 1.0f;
    } else if (to == kBridgeBroken) {
        repaired = 0.0f;
        // Broken again (by a falling stone): it needs the whole repair anew,
        // and nobody crosses meanwhile.
        work.Restart(0.0f, work.to);
        if (from == kStateReady && scene)
            scene->MarkObjectCells(this, true);
    }
    return true;
}

void cBridge::Tick() {
    cObject::Tick();
    // A repair already complete (a bridge saved as finished) shows at once.
    if (state == kBridgeBroken && work.to > 0.0f && work.current >= work.to)
        SetState(kStateReady);
}

void cBridge::Draw() {
    DrawAt(repaired, kPlankFade);
    if (state == kBridgeBroken && work.HasMoved() && g_sceneDraw && work.to > 0.0f)
        g_sceneDraw->DrawProgressBar({x, y - 32.0f}, work.current / work.to);
}

int cBridge::HitTest(qor::cVec2 point) const {
    if (jobMarkers > 0 || IsRepaired() || HasWorkerAssigned(this))
        return 0;
    return cLevelWidget::PixelTest(this, point) ? 1 : 0;
}

std::u16string cBridge::GetHintText() const {
    return HintLine(*this, kind.c_str()) + WorkLine(*this, work.HasMoved(), price);
}

bool cBridge::DoWork(float seconds) {
    if (IsRepaired())
        return false;
    if (work.Step(seconds) == 1) {
        repaired = work.to > work.from ? (work.current - work.from) / (work.to - work.from) : 1.0f;
        return true;
    }
    SetState(kStateReady);
    return false;
}

ResourceSet cBridge::GetPrice() const {
    return work.HasMoved() ? ResourceSet{} : price;
}
