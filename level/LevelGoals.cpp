// The level's goals: counted from the scene and the player's stock, shown on
// the HUD's task panel, and read by the level's windows.
#include "level/LevelWidget.h"
#include "level/sites/Plant.h"
#include "level/units/Worker.h"
#include "scene/ParticleManager.h"
#include "scene/SoundNumbers.h"

namespace {

using namespace scene_type;

// A worker in the house or held in the prison is not out on the island, and
// one that has just gone is not anywhere.
bool IsOut(const cObject& worker) {
    return worker.state != kWorkerStranded && worker.state != kWorkerInHouse &&
           worker.state != kWorkerHeld && worker.state != kStateGone;
}

}  // namespace

void cLevelWidget::UpdateTasks(int32_t kind) {
    const cTaskCelebration line = panel.Refresh(tasks, RecountTasks(tasks, kind, *this));
    if (line.sparkle && g_particles)
        g_particles->AddSparkle(50, 15.0f, 0xFFFFFFFFu, {line.point.x, line.point.y});
    // The last goal has the level's own fanfare.
    if (line.taskDone)
        m_host->PlaySound(kSoundTaskDone);
}

bool cLevelWidget::AreTasksDone() const {
    return ::AreTasksDone(tasks);
}

bool cLevelWidget::IsTalkRunning() const {
    return !m_host->RunningTalk().empty();
}

int cLevelWidget::CountBuilt(std::u16string_view kind) const {
    int count = 0;
    for (int layer = 0; layer < kLayerCount; ++layer) {
        for (const auto& object : Layer(layer)) {
            if (!object->IsKind(kBuildings) || object->kind != kind)
                continue;
            // A plant at work stands finished too.
            if (object->state == kStateReady ||
                (object->IsKind(kPlant) && object->state == kPlantProcessing))
                ++count;
        }
    }
    return count;
}

int cLevelWidget::CountPopulation() const {
    int count = 0;
    for (const auto& object : Layer(6)) {
        if (object->IsKind(kWorker) && IsOut(*object))
            ++count;
    }
    return count;
}

ResourceSet cLevelWidget::GetResources() const {
    return m_host->GetResources();
}
