#pragma once
// The player's worker. The level hands it a job (a tree, a field, a nugget
// ...): it runs there, works with timed strokes and sounds, carries the yield
// to the sawmill, mill, gold mill or its house, and between jobs wanders a
// little and rests. It also flees from what frightens it, can be caught and
// led away by bandits, and lives in its house while no way leads out.
//
// The job cycle as states (kept in `state`):
//   2 idle ─click─▶ 1 to the job ─arrive─▶ 5 working ─done─▶ 1 to a building
//   ─arrive─▶ 6 handing goods to a plant, or 5 at the house, which credits the
//   goods and takes the worker in (15) ─▶ 2 again.
//   2 ⇄ 3 wandering, 2 ⇄ 4 resting; 7, 8 inside the house; 10, 11 fleeing,
//   12 standing scared; 13 led away, 14 held in the prison.
#include <cstdint>
#include <string>

#include "level/units/Man.h"
#include "scene/LevelGrid.h"
#include "scene/TypeIds.h"

class cLevelWidget;

// Worker states. The level, the enemies and the story compare them by number.
enum eWorkerState : int32_t {
    kWorkerRestart = 0,      // passed through to start a walk afresh
    kWorkerToTarget = 1,     // walking to the target
    kWorkerIdle = 2,         // deciding what to do next
    kWorkerWander = 3,       // strolling nearby
    kWorkerRest = 4,         // resting
    kWorkerWork = 5,         // working at the target
    kWorkerDeliver = 6,      // handing goods to a plant
    kWorkerStranded = 7,     // in the house, no way out
    kWorkerInHouse = 8,      // in the house
    kWorkerScared = 10,      // choosing where to flee
    kWorkerFlee = 11,        // fleeing
    kWorkerFrozen = 12,      // standing scared
    kWorkerLed = 13,         // led to the prison
    kWorkerHeld = 14,        // held in the prison
    kWorkerEnterHouse = 15,  // going in at a building's door
};

class cWorker : public cWalkman {
  public:
    using cWalkman::cWalkman;

    static constexpr uint32_t kType = scene_type::kWorker;
    uint32_t GetTypeId() const override { return kType; }

    // --- cObject -----------------------------------------------------------
    void SetKind(const std::u16string& kindName) override;
    bool OnStateChange(int32_t from, int32_t to) override;
    void Tick() override;
    void Draw() override;
    qor::cRectF GetBounds() const override;
    int HitTest(qor::cVec2 point) const override;
    std::u16string GetHintText() const override;
    float GetAnimationSpeed() const override;
    void ShowSpellEffect(int32_t spell) override;

    // --- cMan --------------------------------------------------------------
    float GetSpeed(int mode) const override;
    float GetStepTime() const override;
    void UpdateWalkAnimation(int mode) override;
    void WalkStep() override;
    void OnArrive() override;

    // --- cWorker -----------------------------------------------------------
    // Up to ten random cells of the level's strolling ground near the worker;
    // true with the cell and an unstraightened path to it.
    virtual bool FindWanderCell(cCell& cell, cWalkPath& way);
    // A path to the strolling cell nearest to `near`; true with the cell.
    virtual bool PathToNearestCell(cCell& cell, cWalkPath& way, cCell near, bool smooth);
    // What an idle (2) or resting (4) worker does this tick.
    virtual void IdleTick();
    // The worker may take a job now.
    virtual bool IsIdle() const;
    virtual void Wander(cWalkPath way);
    // Starts fleeing from `threat`, unless the worker is busy in a way that
    // fear cannot interrupt.
    virtual void Scare(cObject* threat);
    virtual void Flee(cWalkPath way);
    // Carries the bag (or item) to a building; false when there is nothing
    // to carry.
    virtual bool ReturnGoods();
    // The target reports the job done.
    virtual void FinishWork();
    virtual bool IsInHouse() const;
    virtual bool IsCaptive() const;
    // Out on the island where enemies can get at it: in sight, and not in
    // a house, a plant or the prison.
    bool IsOutInTheOpen() const;
    // Goes in at the building's door (its first work place, or where the
    // worker stands) and out again a moment later.
    virtual void EnterWorkPlace(cObject* building);
    // The marker over the house while the worker is inside.
    virtual void ShowIndicator(bool show);

    cLevelWidget* Level() const;

    qor::cRamp restTimer{0.0f, 0.0f, 0.0f, 1.0f, 0.0f, 0.0f};
    int32_t wanderCount = 0;
    int32_t restCount = 0;
    cObject* threat = nullptr;  // not owned
    uint8_t goHomeLater = 0;
    qor::cRamp deliverTimer{0.0f, 0.0f, 0.0f, 1.0f, 0.0f, 0.0f};
    uint8_t forceHome = 0;
    uint8_t visible = 1;
    cObject* indicator = nullptr;  // not owned
    // What the player paid for the job the worker is on, and that job, until
    // the worker reaches it; dropped before, the job settles it (LevelJobs).
    ResourceSet jobPrice;
    cObject* paidJob = nullptr;  // not owned
    // The last open spot the worker walked through: where it comes out of the
    // building it went into.
    qor::cVec2 door;

  protected:
    void OnEnterState(int32_t from, int32_t to) override;

  private:
    // work, delivery and the house (WorkerWork.cpp)
    void StartWork();
    void WorkTick();
    void PlayStroke();
    void StartDelivery();
    void DeliveryTick();
    void DoorTick();
    bool CarryHome(cObject* base);
    void CreditOnTheSpot();
    // walking, idling and fear (WorkerMotion.cpp)
    void RestTick();
    void ChooseFleeWay();
    void UpdateVisibility();
    bool WalkingIntoHouse() const;
};
