// Starting a level: reading its file (or making an empty one), then the
// preparation every level gets before play: the base and plants found, the
// cells under objects occupied, workers cut off from the house put inside,
// reachability counted and the strolling ground listed.
#include "engine/BitStream.h"
#include "engine/Log.h"
#include "level/sites/Build.h"
#include "level/units/EnemyBandit.h"
#include "level/sites/Field.h"
#include "level/LevelWidget.h"
#include "level/units/Worker.h"
#include "scene/LevelFile.h"
#include "scene/Node.h"

namespace {

using namespace scene_type;

constexpr char16_t kSender[] = u"cLevelWidget";
// A plant takes this many more deliveries at once than its first place.
constexpr int kExtraPlantPlaces = 10;

// Where idle workers stroll: per row j, the columns first..last.
struct cWanderRow {
    int j, first, last;
};
constexpr cWanderRow kWanderRows[] = {
    {3, 11, 21}, {4, 11, 24}, {5, 10, 27}, {6, 9, 30},  {7, 9, 29},  {8, 8, 28},
    {9, 7, 28},  {10, 6, 27}, {11, 6, 26}, {12, 5, 25}, {13, 4, 25}, {14, 3, 24},
    {15, 3, 23}, {16, 3, 22}, {17, 8, 22}, {18, 8, 21}, {19, 7, 20},
};

}  // namespace

void cLevelWidget::NewLevel() {
    Clear();
    nextObjectId = 1;
    back = CreateObject(kBack);
    if (back)
        back->SetKind(u"back_def");
    base = CreateObject(kBuild);
    if (base) {
        base->SetKind(kBaseKind);
        base->SetPosition(512.0f, 384.0f);
    }
    PrepareLevel();
    SetupLevel(u"");
    SetState(kLevelIntro);
}

void cLevelWidget::LoadLevel(qor::cBitStream& stream) {
    SetState(kLevelLoading);
    cLevelFile file;
    ReadLevelFile(stream, *this, file);
    // The file's ground replaces whatever the objects marked while they
    // were read; PrepareLevel marks them again where they stand.
    for (int i = 0; i < kGridColumns; ++i) {
        for (int j = 0; j < kGridRows; ++j)
            cells.SetCellKind({i, j}, file.Cell({i, j}));
    }
    trajectory = file.trajectory;
    floodCells = file.floodCells;
    PrepareLevel();
    SetupLevel(file.name);
    SetState(kLevelIntro);
}

void cLevelWidget::SaveLevel(qor::cBitStream& stream) const {
    cLevelFile file;
    file.name = levelName;
    for (int i = 0; i < kGridColumns; ++i) {
        for (int j = 0; j < kGridRows; ++j)
            file.Cell({i, j}) = cells.UnderlyingKind({i, j});
    }
    file.trajectory = trajectory;
    file.floodCells = floodCells;
    WriteLevelFile(*this, file, stream);
}

void cLevelWidget::PrepareLevel() {
    BuildBanditRoute(*this);
    PrepareRoadAndStones();
    std::vector<cObject*> all;
    CollectObjects(all, 0xFFFFFFFFu, -1);
    for (cObject* object : all) {
        if (object->IsKind(kBack) && !back)
            back = object;
        if (object->IsKind(kBuild) && object->kind == kBaseKind && !base)
            base = object;
        if (IsSawmill(object) && !sawmill)
            sawmill = object;
        if (IsMill(object) && !mill)
            mill = object;
        if (IsGoldmill(object) && !goldmill)
            goldmill = object;
        if (object->IsKind(kBell) && !bell)
            bell = object;
        if (IsCellBlocker(object))
            MarkObjectCells(object, true);
        if (object->IsKind(kPlant) && !object->workPlaces.empty()) {
            const qor::cVec2 first = object->workPlaces.front()->GetPosition();
            for (int k = 0; k < kExtraPlantPlaces; ++k) {
                auto* node = static_cast<cNode*>(CreateObject(kNode));
                if (!node)
                    break;
                node->SetKind(u"place");
                node->SetPosition(first);
                node->SetLayer(object->GetLayer());
                object->AddWorkPlace(node);
            }
        }
        if (object->IsKind(kBridge | kBuildings) && (object->flags & kFlagReady) != 0)
            object->SetState(kStateReady);
    }
    if (!base) {
        qor::LogEntry(qor::kLogWarning, kSender,
                      u"The level has no base: its workers credit their goods where they work");
    }
    StrandCutOffWorkers();
    PrepareBandits(*this);
    for (cObject* object : all) {
        if (object->IsKind(kField)) {
            auto* field = static_cast<cField*>(object);
            field->growth.Restart(0.0f, field->GetGrowTime() / 3.0f);
        }
    }
    RecountReachability(kReachAll);
    ListWanderCells();
}

void cLevelWidget::OnObjectRemoved(cObject* object) {
    cBaseWidget::OnObjectRemoved(object);
    if (!object || object->GetTypeId() != kNodeTrajectory)
        return;
    // The bandits walk the road without the waypoint from now on.
    if (std::erase(trajectory, object) != 0)
        BuildBanditRoute(*this);
}

void cLevelWidget::StrandCutOffWorkers() {
    // Without a house nobody can be inside it: every worker stays out.
    if (!base)
        return;
    cWalkPath way;
    for (cWorker* man : CollectMen()) {
        if (FindPath(way, base, man, {}, false))
            QueueCommand(man, kCommandRecountGoals, kTaskPopulation);
        else
            man->SetState(kWorkerStranded);
    }
}

void cLevelWidget::ListWanderCells() {
    wanderCells.clear();
    for (const cWanderRow& row : kWanderRows) {
        for (int i = row.first; i <= row.last; ++i) {
            const int32_t kind = cells.CellState({i, row.j});
            if (kind >= 0 && kind <= 500)
                wanderCells.push_back({i, row.j});
        }
    }
}
