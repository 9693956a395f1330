// What the level does for its objects: the cells they cover, the paths their
// walkers take, the plants goods go to, new workers and goods, and the
// credit of goods that reach the player.
#include <algorithm>
#include <cmath>

#include "level/sites/Build.h"
#include "level/units/EnemyGold.h"
#include "level/units/EnemySpirit.h"
#include "level/LevelWidget.h"
#include "level/path/PathRequest.h"
#include "level/sites/Plant.h"
#include "level/units/Worker.h"
#include "scene/KindTable.h"
#include "scene/Node.h"
#include "scene/SceneServices.h"
#include "scene/SoundNumbers.h"

namespace {

using namespace scene_type;

// Classes that stand on their cells: trees, fields, barriers, bridges,
// nuggets, wells, lakes, buildings, altars, bells and prisons.
constexpr uint32_t kCellBlockers = kTree | kField | kBarrier | kBridge | kNugget | kWell | kLake |
                                   kBuildings | kAltar | kBell | kPrison;

// How far into the house a worker walks from its door.
constexpr float kIntoHouse = 70.0f;

bool IsPlantOfKind(const cObject* object, const char16_t* kind) {
    return object && object->IsKind(kPlant) && object->kind == kind;
}

}  // namespace

cObject* cLevelWidget::CreateObject(uint32_t type) {
    cObject* object = cBaseWidget::CreateObject(type);
    if (object)
        PlaceOnDefaultLayer(object);
    return object;
}

void cLevelWidget::PlaceOnDefaultLayer(cObject* object) {
    object->SetLayer(DefaultLayer(object->GetTypeId()));
}

bool cLevelWidget::IsCellBlocker(const cObject* object) const {
    return object && object->IsKind(kCellBlockers);
}

cCellRect cLevelWidget::GetObjectCells(const cObject* object) const {
    return FootprintCells(object->GetPosition(), object->footprintWidth, object->footprintHeight);
}

void cLevelWidget::MarkObjectCells(cObject* object, bool occupy) {
    if (!object)
        return;
    // An object stands on its cells once, wherever it was marked last; what
    // never blocked (a marker over a house) gives nothing back, and a cell
    // two objects stand on stays blocked until both have gone.
    if (object->heldOn == cells.Generation())
        cells.Free(object->heldCells);
    object->heldCells = {};
    object->heldOn = 0;
    if (occupy && IsCellBlocker(object)) {
        object->heldCells = GetObjectCells(object);
        object->heldOn = cells.Generation();
        cells.Occupy(object->heldCells);
    }
}

void cLevelWidget::ForgetObject(cObject* object) {
    for (int layer = 0; layer < kLayerCount; ++layer) {
        for (const auto& other : Layer(layer)) {
            if (other->occupant == object)
                other->occupant = nullptr;
        }
    }
    if (hovered == object) {
        // The pointer may rest where it was: no new hover would take the
        // hint of what is gone off the screen.
        hovered = nullptr;
        m_host->HideHint();
    }
    std::erase(jobQueue, object);
}

bool cLevelWidget::FindPath(cWalkPath& out, const cObject* from, const cObject* to, cCell target,
                            bool smooth) {
    out.clear();
    if (!from || (!to && !target.IsValid()))
        return false;
    cPathEnds ends;
    ends.start = from->GetCell();
    ends.walkerCells = GetObjectCells(from);
    ends.goal = to ? to->GetCell() : target;
    ends.targetCells = to ? GetObjectCells(to) : cCellRect{target.i, target.i, target.j, target.j};
    if (!FindRequestCells(cells, finder, ends, smooth, m_cellPath))
        return false;
    out.reserve(m_cellPath.size());
    for (const cCell cell : m_cellPath)
        out.push_back(CellCentre(cell));
    if (out.size() > 1 && from->IsKind(kWorkers | kRoamingEnemies))
        out.front() = from->GetPosition();
    if (to && to->workPlaces.empty() && !to->IsKind(kField | kWell)) {
        const qor::cVec2 at = to->GetPosition();
        qor::cVec2& last = out.back();
        last = ApproachPoint(at, to->GetRadius(), last);
        // A woodcutter stands close in to swing at the trunk.
        if (to->IsKind(kTree))
            last = {(last.x + at.x) * 0.5f, (last.y + at.y) * 0.5f};
    }
    return !out.empty();
}

bool cLevelWidget::PathToPlace(cWalkPath& out, cMan* man, cObject* target, const cObject* place,
                               bool smooth) {
    if (!FindPath(out, man, place, {}, smooth))
        return false;
    if (target == base) {
        const qor::cVec2 in = GridAxisJ();
        const qor::cVec2 door = place->GetPosition();
        out.push_back({door.x + kIntoHouse * in.x, door.y + kIntoHouse * in.y});
    } else if (target->IsKind(kWell)) {
        // To the rope, beside the shaft.
        out.back().x += 10.0f;
        out.back().y += 20.0f;
    }
    return true;
}

bool cLevelWidget::SortByDistance(std::vector<cObject*>& objects, const cObject* origin) const {
    if (origin) {
        const qor::cVec2 o = origin->GetPosition();
        std::stable_sort(objects.begin(), objects.end(), [o](const cObject* a, const cObject* b) {
            return std::hypot(a->x - o.x, a->y - o.y) < std::hypot(b->x - o.x, b->y - o.y);
        });
    }
    return !objects.empty();
}

void cLevelWidget::SetTint(int red, int green, int blue) {
    const uint32_t colour = 0xFF000000u | (static_cast<uint32_t>(red & 0xFF) << 16) |
                            (static_cast<uint32_t>(green & 0xFF) << 8) |
                            static_cast<uint32_t>(blue & 0xFF);
    for (int layer = 0; layer < kLayerCount; ++layer) {
        if (layer == 1)
            continue;
        for (const auto& object : Layer(layer))
            object->tint = colour;
    }
}

bool cLevelWidget::IsSawmill(const cObject* object) const {
    return IsPlantOfKind(object, u"sawmill00");
}

bool cLevelWidget::IsMill(const cObject* object) const {
    return IsPlantOfKind(object, u"mill00");
}

bool cLevelWidget::IsGoldmill(const cObject* object) const {
    return IsPlantOfKind(object, u"goldmill00");
}

cObject* cLevelWidget::ReachablePlant(cMan* man, cObject* plant) {
    if (!plant || IsDead(plant))
        return nullptr;
    if (plant->state != kStateReady && plant->state != kPlantProcessing)
        return nullptr;
    cWalkPath way;
    if (plant->GetFreePlaces() == 0 || !FindPath(way, man, plant, {}, false))
        return nullptr;
    return plant;
}

cWorker* cLevelWidget::SpawnWorker(qor::cVec2 position) {
    auto* worker = static_cast<cWorker*>(CreateObject(kWorker));
    if (!worker)
        return nullptr;
    worker->SetKind(u"worker");
    worker->SetPosition(position);
    cWalkPath way;
    if (base && !FindPath(way, worker, base, {}, false))
        worker->goHomeLater = 1;
    QueueCommand(worker, kCommandRecountGoals, kTaskPopulation);
    return worker;
}

cObject* cLevelWidget::SpawnItem(const std::u16string& name, qor::cVec2 position) {
    cObject* item = CreateObject(kItem);
    if (!item)
        return nullptr;
    item->SetKind(name);
    item->SetPosition(position);
    m_host->PlaySound(kSoundRespawn);
    return item;
}

cEnemy* cLevelWidget::SpawnEnemy(uint32_t type, qor::cVec2 position) {
    if (type != kEnemyGold && type != kEnemySpirit)
        return nullptr;
    auto* enemy = static_cast<cEnemy*>(CreateObject(type));
    if (!enemy)
        return nullptr;
    const bool spirit = type == kEnemySpirit;
    enemy->SetKind(spirit ? u"enemy_spirit" : u"enemy_gold");
    enemy->SetPosition(position);
    m_host->PlaySound(spirit ? kSoundSpiritScream : kSoundBanditScream0);
    return enemy;
}

cObject* cLevelWidget::CreateObjectHint(qor::cVec2 position) {
    cObject* hint = CreateObject(kObjectHint);
    if (!hint)
        return nullptr;
    hint->SetKind(u"object_hint");
    hint->SetPosition(position);
    return hint;
}

int cLevelWidget::CountPrisoners() const {
    int count = 0;
    for (const auto& object : Layer(6)) {
        if (object->IsKind(kWorker) && object->state == kWorkerHeld)
            ++count;
    }
    return count;
}

bool cLevelWidget::PixelTest(const cObject* object, qor::cVec2 point) {
    // The pictures are cut close around what they show, so their frame is
    // what the player sees of them.
    const qor::cRectF b = object->GetBounds();
    return point.x >= b.x && point.x < b.x + b.w && point.y >= b.y && point.y < b.y + b.h;
}

void cLevelWidget::CreditGoods(const ResourceSet& goods, qor::cVec2 where) {
    if (goods.IsZero())
        return;
    m_host->Earn(goods);
    m_host->PlaySound(kSoundResIncome);
    AddFloatingText(FormatResourcesColoured(goods), where);
}

void cLevelWidget::AddFloatingText(const std::u16string& text, qor::cVec2 where) {
    floatingTexts.AddText(text, {where.x, where.y});
}
