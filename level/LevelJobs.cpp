// The player's requests for work and how they reach the workers. A click
// counts a job marker on the object and queues it; every step the queued
// objects go to the idle workers, nearest worker first, and the price is paid
// the moment a worker is sent; a worker who drops the job before reaching it
// brings the payment back. Refusals are explained next to the object.
#include <algorithm>
#include <cmath>

#include "level/sites/Build.h"
#include "level/sites/Field.h"
#include "level/LevelWidget.h"
#include "level/spells/SpellNumbers.h"
#include "level/units/Worker.h"
#include "scene/Node.h"
#include "scene/SceneServices.h"
#include "scene/SoundNumbers.h"

namespace {

using namespace scene_type;

// No more workers than this are sent out in one step.
constexpr int kJobsPerStep = 20;
// The hero waits in the house in this state.
constexpr int32_t kHeroInHouse = 20;
constexpr float kNoWorkersSeconds = 3.0f;
// What the water freeze spell costs, for the no-workers check.
constexpr int32_t kWaterFreezeMana = 80;

float PathLength(const cWalkPath& path) {
    float length = 0.0f;
    for (size_t k = 1; k < path.size(); ++k)
        length += std::hypot(path[k].x - path[k - 1].x, path[k].y - path[k - 1].y);
    return length;
}

struct cCandidate {
    cObject* object;
    cWorker* worker;
    float length;
};

}  // namespace

void cLevelWidget::TellPlayer(const std::u16string& text, cObject* object) {
    // Without a hint window the refusal rises over the object instead: a
    // refusal is never silent.
    if (!m_host->ShowHint(text, object, false))
        AddFloatingText(text, object->GetHintAnchor());
}

bool cLevelWidget::CanWork(cObject* object, bool tell, const std::vector<cWorker*>* workers,
                           std::vector<cWalkPath>* paths) {
    if (!object || IsDead(object))
        return false;
    // The mark may be older than the player's last payment.
    UpdateHintMark(object);
    if (object->GetSelectable() == 1) {
        if (!object->reachable) {
            if (tell)
                TellPlayer(Services().Localize(u"PathIsBlocked"), object);
            return false;
        }
        const bool joinsOthers = object->workPlaces.size() >= 2 && HasWorkerAssigned(object) &&
                                 object->GetFreePlaces() > 0;
        const ResourceSet price = object->GetPrice();
        if (!joinsOthers && tell && !m_host->CanAfford(price)) {
            const ResourceSet have = m_host->GetResources();
            ResourceSet missing;
            for (int i = 0; i < kResourceCount; ++i)
                missing.Set(i, std::min(0, have[i] - price[i]));
            TellPlayer(Services().Localize(u"NeedMore") + u": " + FormatResourcesColoured(missing),
                       object);
        }
        return false;
    }
    if (object->GetFreePlaces() == 0) {
        if (object->IsKind(kTunnelBuild))
            m_host->PlaySound(kSoundBan);
        return false;
    }
    if ((object->IsKind(kPrison) && CountPrisoners() == 0) ||
        (object->IsKind(kField) && object->state != kFieldRipe) ||
        (object->IsKind(kBuildings) && static_cast<const cBuild*>(object)->IsAtMaxLevel()))
        return false;
    if (!workers)
        return true;
    bool any = false;
    for (cWorker* worker : *workers) {
        cWalkPath way;
        FindPath(way, worker, object, {}, true);
        any = any || !way.empty();
        if (paths)
            paths->push_back(std::move(way));
    }
    if (!any && tell)
        TellPlayer(Services().Localize(u"PathIsBlocked"), object);
    return any;
}

void cLevelWidget::RequestWork(cObject* object) {
    if (!CanWork(object, true, nullptr, nullptr))
        return;
    if (object->GetFreePlaces() != 0) {
        if (object->workPlaces.empty()) {
            ++object->jobMarkers;
        } else {
            uint32_t settled = 0;
            for (const cObject* man : object->GetAssignedMen())
                settled += man->state != kWorkerToTarget ? 1 : 0;
            if (object->jobMarkers + settled < object->workPlaces.size())
                ++object->jobMarkers;
        }
    }
    if (std::find(jobQueue.begin(), jobQueue.end(), object) == jobQueue.end())
        jobQueue.push_back(object);
}

void cLevelWidget::CollectFreeWorkers(std::vector<cWorker*>& out) const {
    out.clear();
    for (const auto& object : Layer(6)) {
        if (object->GetTypeId() != kWorker || IsDead(object.get()))
            continue;
        auto* worker = static_cast<cWorker*>(object.get());
        if (worker->IsIdle())
            out.push_back(worker);
    }
}

void cLevelWidget::AssignJobs() {
    if (jobQueue.empty())
        return;
    std::vector<cWorker*> free;
    CollectFreeWorkers(free);
    if (free.empty())
        return;

    std::vector<cCandidate> candidates;
    std::vector<char> chosen(free.size(), 0);
    std::vector<cWalkPath> paths;
    for (cObject* object : jobQueue) {
        paths.clear();
        if (!CanWork(object, false, &free, &paths)) {
            object->jobMarkers = 0;
            continue;
        }
        // Nearest by the length of the way; a tie goes to the earlier worker.
        int best = -1;
        float bestLength = 100000.0f;
        for (size_t k = 0; k < free.size(); ++k) {
            if (chosen[k] || paths[k].empty())
                continue;
            const float length = PathLength(paths[k]);
            if (length < bestLength) {
                bestLength = length;
                best = static_cast<int>(k);
            }
        }
        if (best >= 0) {
            candidates.push_back({object, free[static_cast<size_t>(best)], bestLength});
            chosen[static_cast<size_t>(best)] = 1;
        }
    }
    std::stable_sort(candidates.begin(), candidates.end(),
                     [](const cCandidate& a, const cCandidate& b) { return a.length < b.length; });

    int sent = 0;
    for (const cCandidate& c : candidates) {
        if (sent >= kJobsPerStep || jobQueue.empty())
            break;
        const bool tunnel = c.object->IsKind(kTunnelBuild);
        const ResourceSet price = c.object->GetPrice();
        // Two requests may have been affordable one at a time but not both:
        // a job the player can no longer pay for is dropped, never done free.
        if (!tunnel && !m_host->CanAfford(price)) {
            c.object->jobMarkers = 0;
            continue;
        }
        if (!SendWorker(c.worker, c.object, true))
            continue;
        m_host->PlaySound(kSoundWorkerOut);
        // A monument is paid while it is built, not when a worker sets out.
        if (!tunnel) {
            m_host->Spend(price);
            c.worker->jobPrice = price;
            c.worker->paidJob = c.object;
        }
        bool done;
        if (tunnel) {
            uint32_t walking = 0;
            for (const cObject* man : c.object->GetAssignedMen())
                walking += man->state == kWorkerToTarget ? 1 : 0;
            done = walking == c.object->jobMarkers;
        } else {
            done = c.object->jobMarkers <= 1;
        }
        if (done)
            std::erase(jobQueue, c.object);
        ++sent;
    }
    std::erase_if(jobQueue, [](const cObject* object) { return object->jobMarkers == 0; });
}

void cLevelWidget::DropPaidJob(cWorker* worker) {
    const ResourceSet paid = worker->jobPrice;
    cObject* job = worker->paidJob;
    worker->jobPrice = {};
    worker->paidJob = nullptr;
    if (paid.IsZero())
        return;
    if (job && !IsDead(job)) {
        job->ReleaseMan(worker);
        // Another worker who set out for the same step without paying
        // carries the payment on: should he drop it too, it comes back then.
        for (cObject* man : job->GetAssignedMen()) {
            if (man->GetTypeId() != kWorker || man->GetTarget() != job)
                continue;
            auto* other = static_cast<cWorker*>(man);
            if (other->state == kWorkerToTarget && other->jobPrice.IsZero()) {
                other->jobPrice = paid;
                other->paidJob = job;
                return;
            }
        }
        // Work under way (or done) owes nothing more: the payment bought it.
        if (job->GetPrice().IsZero())
            return;
    }
    // Nothing was done for the payment and the job asks its price again:
    // the player has it back, so that the job is paid once when it is done.
    // Handed back, it is no income: it is taken as a negative expense.
    m_host->Spend(ResourceSet{} - paid);
}

bool cLevelWidget::SendWorker(cMan* man, cObject* target, bool smooth) {
    if (!man || !target || IsDead(target))
        return false;
    cObject* place = target->AssignMan(man);
    if (!place) {
        if (target->IsKind(kPlant) && !man->bag.IsZero() && base && target != base)
            return SendWorker(man, base, true);
        return false;
    }
    // A hero waiting in the house sets out from its door.
    const bool fromHouse =
        man->IsKind(kHero) && man->state == kHeroInHouse && base && !base->workPlaces.empty();
    const qor::cVec2 stood = man->GetPosition();
    if (fromHouse)
        man->SetPosition(base->workPlaces.front()->GetPosition());
    cWalkPath way;
    const bool found = PathToPlace(way, man, target, place, smooth);
    if (fromHouse) {
        man->SetPosition(stood);
        if (!way.empty())
            way.front() = stood;
    }
    if (!found) {
        target->ReleaseMan(man);
        return false;
    }
    man->Go(std::move(way), target);
    return true;
}

void cLevelWidget::CancelRequests() {
    for (cObject* object : jobQueue)
        object->jobMarkers = 0;
    jobQueue.clear();
}

void cLevelWidget::CheckNoFreeWorkers() {
    if (m_noWorkersTalked || noWorkersCheck.Step(kTickSeconds) != 2)
        return;
    noWorkersCheck.Restart(0.0f, kNoWorkersSeconds);
    bool anyHeld = false;
    for (const auto& object : Layer(6)) {
        if (object->GetTypeId() != kWorker || IsDead(object.get()))
            continue;
        const int32_t s = object->state;
        if (s != kWorkerStranded && s != kWorkerInHouse && s != kWorkerHeld)
            return;
        anyHeld = anyHeld || s == kWorkerHeld;
    }
    // The player may still free them, or freeze a way open.
    if (prison && anyHeld && m_host->CanAfford(prison->GetPrice()))
        return;
    if (IsSpellOffered(kSpellWaterFreeze) && m_host->GetResources().mana >= kWaterFreezeMana)
        return;
    m_host->StartTalk(u"NoFreeWorkers");
    m_noWorkersTalked = true;
}
