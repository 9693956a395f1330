#include "level/Goals.h"

#include <algorithm>

#include "engine/StringTable.h"

namespace {

// The only population the game counts is its workers; any other key would
// never be met, which is what keeping it at 0 says.
constexpr std::u16string_view kPopulationKey = u"worker";

int ResourceIndex(std::u16string_view name) {
    if (name == u"wood")
        return kResourceWood;
    if (name == u"food")
        return kResourceFood;
    if (name == u"money")
        return kResourceMoney;
    return -1;  // mana is never a goal
}

int32_t Count(const cTask& task, const cGoalCounter& counter) {
    switch (task.kind) {
        case kTaskBuild:
            return counter.CountBuilt(task.objectKey);
        case kTaskPopulation:
            return task.objectKey == kPopulationKey ? counter.CountPopulation() : 0;
        case kTaskResource: {
            const int index = ResourceIndex(task.objectKey);
            return index >= 0 ? counter.GetResources()[index] : 0;
        }
        case kTaskSpecial:
            return 1;
        default:
            return 0;
    }
}

}  // namespace

void AddTask(std::vector<cTask>& tasks, const std::u16string& textKey,
             const std::u16string& objectKey, int32_t target, int32_t kind) {
    if (tasks.capacity() < kTaskCapacity)
        tasks.reserve(kTaskCapacity);
    cTask task;
    task.objectKey = objectKey;
    task.kind = kind;
    task.target = target;
    task.text = qor::GetLocalizedText(textKey);
    tasks.push_back(std::move(task));
}

int RecountTasks(std::vector<cTask>& tasks, int32_t kind, const cGoalCounter& counter) {
    int justReached = -1;
    for (size_t i = 0; i < tasks.size(); ++i) {
        cTask& task = tasks[i];
        if (task.kind != kind)
            continue;
        const bool wasReached = task.Reached();
        task.current = std::min(Count(task, counter), task.target);
        if (task.Reached() && !wasReached)
            justReached = static_cast<int>(i);
    }
    return justReached;
}

bool AreTasksDone(const std::vector<cTask>& tasks) {
    return !tasks.empty() &&
           std::all_of(tasks.begin(), tasks.end(), [](const cTask& t) { return t.Reached(); });
}

std::u16string GetTaskText(const std::vector<cTask>& tasks, int index) {
    if (index < 0 || index >= static_cast<int>(tasks.size()))
        return {};
    return tasks[static_cast<size_t>(index)].text;
}
