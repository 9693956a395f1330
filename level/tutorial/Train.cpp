#include "level/tutorial/Train.h"

#include <algorithm>

#include "engine/Log.h"
#include "level/LevelWidget.h"
#include "level/tutorial/TrainChains.h"
#include "scene/SceneServices.h"

cTrain::cTrain(cLevelWidget& owner, std::u16string_view key, float delaySeconds,
               bool waitsForAcknowledge, int32_t flags)
    : text(owner.Services().Localize(std::u16string(key))),
      acknowledge(waitsForAcknowledge ? 1 : 0),
      placement(flags),
      level(owner) {
    delay.Restart(0.0f, delaySeconds);
}

cTrain::~cTrain() = default;

bool cTrain::GetAnchor(qor::cVec2& at, float& radius) {
    if (cObject* object = LiveTarget()) {
        const qor::cRectF bounds = object->GetBounds();
        at = {bounds.x + bounds.w * 0.5f, bounds.y + bounds.h * 0.5f};
        radius = std::min(bounds.w, bounds.h) / 3.0f;
        return true;
    }
    qor::cRectF rect;
    if (!targetControl.empty() && level.Host().ControlRect(u"level", targetControl, &rect)) {
        at = {rect.x + rect.w * 0.5f, rect.y + rect.h * 0.5f};
        radius = rect.h * 0.5f;
        return true;
    }
    return false;
}

void cTrain::Show(bool first) {
    qor::cVec2 at;
    float radius = 0.0f;
    if (!GetAnchor(at, radius)) {
        if (first)
            phase = kTrainOver;
        return;
    }
    level.Host().ShowTrainStep(text, at, radius, acknowledge != 0, placement);
    if (first) {
        level.Host().ShowWindow(u"train", 2);
        phase = kTrainShown;
    }
}

void cTrain::TickStep() {
    if (delay.Step(kTickSeconds) == 1)
        return;
    switch (phase) {
        case kTrainWaiting:
            if (CanStart())
                Show(true);
            break;
        case kTrainShown:
            if (acknowledge != 0) {
                shownSeconds += kTickSeconds;
                if (shownSeconds >= kAcknowledgeSeconds)
                    phase = kTrainClosing;
            }
            if (phase == kTrainShown && IsDone())
                phase = kTrainClosing;
            else if (phase == kTrainShown && follow != 0)
                Show(false);
            break;
        case kTrainClosing:
            level.Host().CloseWindow(u"train");
            phase = kTrainOver;
            m_next = Next();
            if (!m_next)
                finished = 1;
            break;
        default:
            break;
    }
}

void cTrain::Acknowledge() {
    if (phase == kTrainShown && acknowledge != 0)
        phase = kTrainClosing;
}

bool cTrain::Alive(const cObject* object) const {
    if (!object)
        return false;
    for (int layer = 0; layer < kLayerCount; ++layer) {
        for (const auto& each : level.Layer(layer)) {
            if (each.get() == object)
                return true;
        }
    }
    return false;
}

bool cTrain::TargetGone() const {
    const cObject* object = LiveTarget();
    return !object || cLevelWidget::IsDead(object);
}

cObject* cTrain::FindTrainTarget(uint32_t typeMask, std::u16string_view kind) const {
    return ::FindTrainTarget(level, typeMask, kind);
}

cObject* cTrain::FindNamed(std::u16string_view name) const {
    return FindTrainNamed(level, name);
}

cObject* FindTrainTarget(const cLevelWidget& level, uint32_t typeMask, std::u16string_view kind) {
    const qor::cVec2 origin = level.base ? level.base->GetPosition() : qor::cVec2{};
    cObject* best = nullptr;
    float bestDistance = 0.0f;
    for (int layer = 0; layer < kLayerCount; ++layer) {
        for (const auto& each : level.Layer(layer)) {
            cObject* object = each.get();
            if (!object->IsKind(typeMask) || cLevelWidget::IsDead(object) ||
                (!kind.empty() && object->kind != kind))
                continue;
            const float dx = object->x - origin.x, dy = object->y - origin.y;
            const float distance = dx * dx + dy * dy;
            if (!best || distance < bestDistance) {
                best = object;
                bestDistance = distance;
            }
        }
    }
    return best;
}

cObject* FindTrainNamed(const cLevelWidget& level, std::u16string_view name) {
    cObject* object = level.FindObjectByName(name);
    return object && !cLevelWidget::IsDead(object) ? object : nullptr;
}

std::unique_ptr<cTrain> CreateTrainStep(std::u16string_view name, cLevelWidget& level) {
    const size_t split = name.find(u"::");
    if (split != std::u16string_view::npos) {
        const std::u16string_view chain = name.substr(0, split);
        const std::u16string_view step = name.substr(split + 2);
        for (const cTrainChain& each : TrainChains()) {
            if (chain == each.name) {
                if (std::unique_ptr<cTrain> made = each.create(step, level))
                    return made;
                break;
            }
        }
    }
    qor::LogEntry(qor::kLogWarning, u"cTrain", u"Unknown tutorial step '%s': no tutorial",
                  std::u16string(name));
    return nullptr;
}
