// Keys and clicks on the level: a left click asks for work at the object under
// the pointer (or sends the hero, or rings the bell, or calls a worker off
// its job); the right button takes back every request not yet handed out.
#include "level/LevelWidget.h"
#include "level/replay/ReplayTap.h"
#include "level/units/Worker.h"
#include "scene/SoundNumbers.h"

namespace {

using namespace scene_type;

constexpr int kKeyEscape = 27;
constexpr int kButtonLeft = 0;
constexpr int kButtonRight = 2;

}  // namespace

qor::cVec2 cLevelWidget::PointerPos() const {
    qor::cVec2 at;
    if (replayTap && replayTap->Pointer(&at))
        return at;
    return m_host->GetCursorPos();
}

void cLevelWidget::HandleEvent(int kind, int param) {
    // A replay hears every key and button first; while one plays, only the
    // input it feeds reaches the level.
    if ((kind == qor::kWidgetKeyDown || kind == qor::kWidgetMouseDown) && replayTap &&
        !replayTap->OnInput(*this, kind, param, PointerPos()))
        return;
    if (kind == qor::kWidgetKeyDown) {
        if (param == kKeyEscape)
            m_host->ShowWindow(u"escape", 2);
        else if (state == kLevelIntro)
            SetState(kLevelPlay);
        else if (m_host->ClickTalk())
            return;
        AcknowledgeTutorial(false);
        return;
    }
    // A line of a talk takes only a press on its bubble, which moves it on.
    if (kind == qor::kWidgetMouseDown && m_host->IsTalkSpeaking()) {
        if (param == kButtonLeft)
            m_host->ClickTalkAt(PointerPos());
        return;
    }
    if (kind != qor::kWidgetMouseDown || state == kLevelIntro)
        return;
    if (param == kButtonLeft && state == kLevelPlay) {
        if (cObject* object = PickObject(PointerPos()))
            ClickObject(object);
        AcknowledgeTutorial(true);
    } else if (param == kButtonRight) {
        CancelRequests();
    }
}

void cLevelWidget::ClickObject(cObject* object) {
    if (object->IsKind(kBell)) {
        RingBell(object);
        return;
    }
    if (object->IsKind(kRoamingEnemies | kAltar | kPrison)) {
        // The mark may be older than the last payment or the last capture.
        UpdateHintMark(object);
        if (!hero || IsDead(hero) || object->GetSelectable() != 0)
            return;
        if (object->IsKind(kAltar) &&
            (!object->reachable || !m_host->CanAfford(object->GetPrice())))
            return;
        if (object->IsKind(kPrison) && !m_host->CanAfford(object->GetPrice()))
            return;
        object->jobMarkers = 1;
        SendWorker(static_cast<cMan*>(hero), object, true);
        m_host->PlaySound(m_host->Random().Pick(2) == 0 ? kSoundHeroOut0 : kSoundHeroOut1);
        m_host->PlaySound(kSoundWorkerOut);
        return;
    }
    if (object->IsKind(kWorkers)) {
        // Called off the job: the place there is free for the next one.
        auto* man = static_cast<cMan*>(object);
        man->SetTarget(nullptr);
        man->SetState(kWorkerIdle);
        return;
    }
    RequestWork(object);
}
