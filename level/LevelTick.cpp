// One fixed 1/30 s step of the level, in its order: objects, the walkers'
// draw order, the hovered object, queued commands, jobs, spells, the level
// state, the fireworks and the story.
#include <algorithm>

#include "level/LevelWidget.h"
#include "level/units/Worker.h"

namespace {

using namespace scene_type;

constexpr float kTwoPi = 6.2831855f;
constexpr float kPulseStep = 0.1f;
constexpr float kHintRefreshSeconds = 0.3f;
constexpr float kStorySeconds = 5.0f;
// The talk during which even the enemies' towers hold still.
constexpr char16_t kTowersHoldTalk[] = u"0291";

// Figures lower on the screen stand in front.
bool InFront(const cObject& a, const cObject& b) {
    return a.y > b.y;
}

}  // namespace

void cLevelWidget::LogicTick() {
    TickObjectsAndHover();
    SortWalkers();
    pulsePhase += kPulseStep;
    if (pulsePhase >= kTwoPi)
        pulsePhase = 0.0f;
    const bool talking = !m_host->RunningTalk().empty();
    if ((state == kLevelPlay || state == kLevelFinished) && !talking)
        TutorialTick();
    if (!talking && state != kLevelFinished)
        TrackHover();
    RunCommands();
    AssignJobs();
    SpellTick();
    CheckNoFreeWorkers();
    StepStateMachine();
    salutes.Update(kTickSeconds);
    storyTimer += kTickSeconds;
    if (storyTimer >= kStorySeconds) {
        StoryTick();
        storyTimer = 0.0f;
    }
}

void cLevelWidget::TickObjectsAndHover() {
    const qor::cVec2 mouse = PointerPos();
    const std::u16string talk = m_host->RunningTalk();
    // While a talk runs or the level is won, enemies and towers hold still;
    // the enemies' towers keep on except in one talk.
    const bool liveEnemies = talk.empty() && state != kLevelFinished;
    const bool liveTowers = state != kLevelFinished && talk != kTowersHoldTalk;
    const bool hoverAllowed = liveEnemies;
    m_hoverCandidate = nullptr;
    m_tickList.clear();
    for (int layer = 0; layer < kLayerCount; ++layer) {
        for (const auto& object : Layer(layer))
            m_tickList.push_back(object.get());
    }
    const uint32_t clears = ClearCount();
    for (cObject* object : m_tickList) {
        if (IsDead(object))
            continue;
        if (object->IsKind(kEnemySpirit | kEnemyGold | kBaseEnemy | kTower) && !liveEnemies)
            continue;
        if (object->IsKind(kTowerEnemy) && !liveTowers)
            continue;
        object->Tick();
        if (ClearCount() != clears) {
            // An object ended the level under our feet: its objects are gone.
            m_hoverCandidate = nullptr;
            break;
        }
        if (hoverAllowed && !IsDead(object) && object->HitTest(mouse) != 0)
            m_hoverCandidate = object;
    }
    m_tickList.clear();
}

void cLevelWidget::SortWalkers() {
    SortLayer(6, InFront);
}

void cLevelWidget::TrackHover() {
    if (m_hoverCandidate != hovered) {
        hoverTime = 0.0f;
        if (state != kLevelIntro && state != kLevelFinished) {
            QueueCommand(hovered, kCommandHideHint, 0);
            hovered = m_hoverCandidate;
            QueueCommand(hovered, kCommandShowHint, 0);
        }
    }
    if (!hovered)
        return;
    hoverTime += kTickSeconds;
    if (hoverTime > kHintRefreshSeconds) {
        UpdateHintMark(hovered);
        m_host->RefreshHint();
        hoverTime = 0.0f;
    }
}

void cLevelWidget::QueueCommand(cObject* object, int32_t kind, int32_t value) {
    commands.push_back({object, kind, value});
}

void cLevelWidget::RunCommands() {
    // Commands queued while these run wait for the next step.
    std::vector<cCommand> now;
    now.swap(commands);
    for (const cCommand& command : now)
        ExecuteCommand(command.object, command.kind, command.value);
}

void cLevelWidget::ExecuteCommand(cObject* object, int32_t kind, int32_t value) {
    switch (kind) {
        case kCommandShowHint: {
            if (!object || IsDead(object))
                break;
            const std::u16string text = object->GetHintText();
            if (!text.empty() && (object->GetFreePlaces() != 0 || object->IsKind(kTunnelBuild)))
                m_host->ShowHint(text, object, false);
            UpdateHintMark(object);
            break;
        }
        case kCommandHideHint:
            m_host->HideHint();
            break;
        case kCommandWaysOpened:
            WorkersGoOut();
            QueueCommand(nullptr, kCommandRecountGoals, kTaskPopulation);
            RecountReachability(kReachWasUnreachable);
            break;
        case kCommandWaysClosed:
            WorkersCutOffGoHome(false);
            QueueCommand(nullptr, kCommandRecountGoals, kTaskPopulation);
            RecountReachability(kReachWasReachable);
            break;
        case kCommandRecountGoals:
            UpdateTasks(value);
            break;
        case kCommandFlooded:
            WorkersCutOffGoHome(true);
            QueueCommand(nullptr, kCommandRecountGoals, kTaskPopulation);
            RecountReachability(kReachWasReachable);
            break;
        default:
            break;
    }
}

std::vector<cWorker*> cLevelWidget::CollectMen() const {
    std::vector<cObject*> objects;
    CollectObjects(objects, kWorkers, -1);
    std::vector<cWorker*> men;
    men.reserve(objects.size());
    for (cObject* object : objects)
        men.push_back(static_cast<cWorker*>(object));
    return men;
}

void cLevelWidget::WorkersGoOut() {
    if (!base)
        return;
    cWalkPath way;
    for (cWorker* man : CollectMen()) {
        if (man->IsInHouse() && FindPath(way, man, base, {}, true))
            SendWorker(man, base, true);
    }
}

void cLevelWidget::WorkersCutOffGoHome(bool floodedOnly) {
    // Without a camp there is no house to go to: a worker sent home would
    // wait inside for ever.
    if (!base)
        return;
    cWalkPath way;
    for (cWorker* man : CollectMen()) {
        if (man->IsInHouse())
            continue;
        bool cutOff;
        if (floodedOnly) {
            const cCell cell = man->GetCell();
            cutOff = std::find(floodCells.begin(), floodCells.end(), cell) != floodCells.end();
        } else {
            cutOff = !FindPath(way, man, base, {}, false);
        }
        if (cutOff)
            man->goHomeLater = 1;
    }
}

void cLevelWidget::StepStateMachine() {
    switch (state) {
        case kLevelIntro:
            if (introTimer.Step(kTickSeconds) != 1)
                SetState(kLevelPlay);
            break;
        case kLevelPlay:
            if (m_host->RunningTalk().empty() && AreTasksDone() && !m_host->IsWindowShown(u"talk"))
                SetState(kLevelFinished);
            m_host->AdvanceTalkAndDeal();
            if (meteorDelay > 0.0f)
                meteorDelay = std::max(meteorDelay - kTickSeconds, 0.0f);
            break;
        case kLevelFinished:
            StepFireworks();
            break;
        default:
            break;
    }
}
