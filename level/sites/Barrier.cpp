#include "level/sites/Barrier.h"

#include <algorithm>
#include <cmath>

#include "level/HintText.h"
#include "level/LevelWidget.h"
#include "scene/SceneDraw.h"

namespace {

struct cBarrierKind {
    const char16_t* kind;
    ResourceSet price;
    ResourceSet profit;
    float work;  // seconds
};

constexpr cBarrierKind kKinds[] = {
    {u"log00", {0, 50, 0, 0}, {40, 0, 0, 0}, 5.0f},
    {u"stone00", {0, 50, 50, 0}, {}, 5.0f},
    {u"stone_big00", {0, 100, 100, 0}, {}, 10.0f},
};

}  // namespace

cBarrier::cBarrier(cBaseWidget* scene) : cObject(scene) {
    state = kStateReady;
}

void cBarrier::SetKind(const std::u16string& kindName) {
    cObject::SetKind(kindName);
    AddAnimation(u"life", kind);
    for (const cBarrierKind& row : kKinds) {
        if (kind == row.kind) {
            price = row.price;
            profit = row.profit;
            work.Restart(0.0f, row.work);
        }
    }
    PlayAnimation(u"life", qor::kAnimStopped, true);
}

bool cBarrier::OnStateChange(int32_t from, int32_t to) {
    if (to == kStateGone && scene)
        scene->MarkObjectCells(this, false);
    if (!cObject::OnStateChange(from, to))
        return false;
    if (to == kStateGone) {
        PlayAnimation(u"none", qor::kAnimStopped, true);
        if (cLevelWidget* level = LevelOf(this))
            level->QueueCommand(this, kCommandWaysOpened, 0);
    }
    return true;
}

void cBarrier::Tick() {
    cObject::Tick();
    if (state == kStateReady && work.to > 0.0f && work.current < work.to) {
        const int count = GetFrameCount();
        const int frame = static_cast<int>(std::floor(count * work.current / work.to));
        SetAnimationFrame(std::min(frame, count - 1));
    }
}

void cBarrier::Draw() {
    DrawAt(progress, -1.0f);
    if (IsBeingCleared() && state == kStateReady && g_sceneDraw && work.to > 0.0f)
        g_sceneDraw->DrawProgressBar({x, y - 32.0f}, work.current / work.to);
}

int cBarrier::HitTest(qor::cVec2 point) const {
    if (jobMarkers > 0 || state != kStateReady || HasWorkerAssigned(this))
        return 0;
    return cLevelWidget::PixelTest(this, point) ? 1 : 0;
}

std::u16string cBarrier::GetHintText() const {
    std::u16string text = HintLine(*this, kind.c_str()) + WorkLine(*this, IsBeingCleared(), price);
    if (!profit.IsZero())
        text += ProfitLine(*this, profit);
    return text;
}

bool cBarrier::DoWork(float seconds) {
    if (state == kStateGone)
        return false;
    if (work.Step(seconds) == 1) {
        progress = work.to > work.from ? (work.current - work.from) / (work.to - work.from) : 1.0f;
        return true;
    }
    progress = 1.0f;
    SetState(kStateGone);
    return false;
}

ResourceSet cBarrier::GetPrice() const {
    return work.HasMoved() ? ResourceSet{} : price;
}
