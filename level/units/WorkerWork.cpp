// A worker at its job: the strokes and their sounds, the end of the job, and
// carrying the goods to a plant or into the house.
#include "level/LevelWidget.h"
#include "level/sites/Plant.h"
#include "level/units/Worker.h"
#include "scene/Node.h"
#include "scene/SoundNumbers.h"

namespace {

using namespace scene_type;

// Going in at a door and out again: 70 units each way at 80 units a second.
constexpr float kInsideSeconds = 2.0f * 70.0f / 80.0f;

struct cStroke {
    const char16_t* animation;  // null: the worker keeps its pose
    bool directional;
    int sound;
    float first;   // seconds before the first stroke
    float period;  // seconds between strokes
};

cStroke StrokeFor(const cObject& target) {
    if (target.IsKind(kItem))
        return {nullptr, false, kSoundTake, 0.0f, 0.0f};
    if (target.IsKind(kTree))
        return {u"hack", true, kSoundBarTree, 0.5f, 1.0f};
    if (target.IsKind(kBarrier)) {
        if (target.kind.starts_with(u"stone"))
            return {u"pick", true, kSoundBarStone, 0.4f, 1.0f};
        return {u"hack", true, kSoundBarTree, 0.5f, 1.0f};
    }
    if (target.IsKind(kNugget))
        return {u"pick", true, kSoundBarStone, 0.4f, 1.0f};
    if (target.IsKind(kBuildings | kBridge))
        return {u"build", true, kSoundBuild, 0.4f, 0.52f};
    if (target.IsKind(kField))
        return {u"collect3", false, kSoundTake, 0.0f, 0.45f};
    if (target.IsKind(kWell))
        return {u"collect3", false, kSoundWell, 0.0f, 0.45f};
    return {nullptr, false, -1, 0.0f, 0.0f};
}

}  // namespace

void cWorker::StartWork() {
    cObject* job = target;
    if (!job) {
        SetState(kWorkerIdle);
        return;
    }
    // Facing the job: its own spot when both stand in one cell, else the
    // middle of its cell.
    const cCell mine = GetCell();
    const cCell theirs = job->GetCell();
    const qor::cVec2 aim = mine == theirs ? job->GetPosition() : CellCentre(theirs);
    const cStroke stroke = StrokeFor(*job);
    if (stroke.animation) {
        if (stroke.directional)
            PlayDirectional(stroke.animation, aim.x - x, aim.y - y, qor::kAnimLoop);
        else
            PlayAnimation(stroke.animation, qor::kAnimLoop);
    }
    if (job->jobMarkers > 0)
        --job->jobMarkers;
    strokeSound = stroke.sound;
    firstStroke = stroke.first;
    strokePeriod = stroke.period;
    if (firstStroke > 0.0f) {
        strokeTimer.Restart(0.0f, firstStroke);
    } else if (strokePeriod > 0.0f) {
        // A stroke due at once sounds at once; a timer of no length would
        // never report it.
        PlayStroke();
        strokeTimer.Restart(0.0f, strokePeriod);
    }
}

void cWorker::WorkTick() {
    if (!target || !target->DoWork(GetStepTime())) {
        FinishWork();
        return;
    }
    if (strokeTimer.Step(GetStepTime()) == 2) {
        PlayStroke();
        strokeTimer.Restart(0.0f, strokePeriod);
    }
}

void cWorker::PlayStroke() {
    cLevelWidget* level = Level();
    if (strokeSound < 0 || !level)
        return;
    // Builders at one site hammer as one: only the first of them is heard.
    if (strokeSound == kSoundBuild && target && target->GetBusyPlaces() >= 2) {
        for (const auto& object : level->Layer(6)) {
            if (object->IsKind(kWorker) && object->GetTarget() == target) {
                if (object.get() != this)
                    return;
                break;
            }
        }
    }
    level->Host().PlaySound(strokeSound);
}

void cWorker::FinishWork() {
    cLevelWidget* level = Level();
    cObject* job = target;
    if (level && job && job == level->base) {
        carriedItem = 0;
        if (!bag.IsZero())
            level->CreditGoods(bag, {job->x, job->y + 60.0f});
        bag = {};
        EnterWorkPlace(job);
        return;
    }
    if (job) {
        const ResourceSet profit = job->GetProfit();
        if (!profit.IsZero())
            SetBag(profit);
        else if (job->IsKind(kItem))
            SetCarriedItem(1);
    }
    if (ReturnGoods())
        return;
    cCell cell;
    cWalkPath way;
    if (level && level->base && PathToNearestCell(cell, way, level->base->GetCell(), true)) {
        Wander(std::move(way));
        return;
    }
    SetTarget(nullptr);
    SetState(kWorkerIdle);
}

bool cWorker::ReturnGoods() {
    if (!IsCarrying())
        return false;
    cLevelWidget* level = Level();
    if (!level || !level->base) {
        // A level without a house: the goods count where they were gathered
        // rather than being lost with the next load.
        CreditOnTheSpot();
        return false;
    }
    cObject* destination = nullptr;
    if (!forceHome) {
        if (bag.wood >= 1)
            destination = level->FindSawmill(this);
        if (!destination && bag.food > 0)
            destination = level->FindMill(this);
        if (!destination && bag.money > 0)
            destination = level->FindGoldmill(this);
    }
    forceHome = 0;
    if (!destination)
        destination = level->base;
    if (!level->SendWorker(this, destination, true)) {
        SetState(kWorkerInHouse);
        return true;
    }
    if (destination != level->base)
        level->Host().PlaySound(kSoundWorkerOut);
    return true;
}

void cWorker::CreditOnTheSpot() {
    if (cLevelWidget* level = Level())
        level->CreditGoods(bag, {x, y + 60.0f});
    bag = {};
    carriedItem = 0;
}

void cWorker::StartDelivery() {
    bag = {};
    carriedItem = 0;
    PlayLevelSound(this, kSoundWorkerIn);
    if (target && target->IsKind(kPlant)) {
        auto* plant = static_cast<cPlant*>(target);
        plant->SetState(kPlantProcessing);
        plant->StartProcessing();
        deliverTimer.Restart(0.0f, plant->GetProcessTime());
    } else {
        deliverTimer.Restart(0.0f, 0.0f);
    }
}

void cWorker::DeliveryTick() {
    if (deliverTimer.Step(GetStepTime()) == 1)
        return;
    if (target && target->IsKind(kPlant)) {
        auto* plant = static_cast<cPlant*>(target);
        plant->ReleaseMan(this);
        plant->FinishProcessing();
    }
    SetState(kWorkerIdle);
}

void cWorker::EnterWorkPlace(cObject* building) {
    if (!building)
        return;
    // A building with work places is left at the first of them; any other at
    // the last open spot the worker passed on its way in (walking goes on
    // from there, never from inside the walls).
    if (!building->workPlaces.empty())
        door = building->workPlaces.front()->GetPosition();
    if (const cLevelWidget* level = Level(); level && !level->Cells().IsFree(CellOfPoint(door))) {
        const cCell open = level->Cells().NearestFreeCell(GetCell());
        if (open.IsValid())
            door = CellCentre(open);
    }
    SetState(kWorkerEnterHouse);
    deliverTimer.Restart(0.0f, kInsideSeconds);
}

void cWorker::DoorTick() {
    if (deliverTimer.Step(kTickSeconds) == 1)
        return;
    // Out at the door again, ready for the next job.
    SetPosition(door);
    SetTarget(nullptr);
    SetState(kWorkerIdle);
}
