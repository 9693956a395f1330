#pragma once
// The goals of a level: build so many buildings of a kind, have so many
// workers, hold so much of a resource, or do one special deed. A level is won
// once every goal stands at its target in the same tick. Goals are recounted
// by kind whenever something they count may have changed, and a goal's count
// follows the world both ways: a resource goal that was reached falls back
// when the player spends below its target.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "scene/ResourceSet.h"

// Do not renumber: the level controller and the story name goals by kind.
enum eTaskKind : int32_t {
    kTaskBuild = 0,
    kTaskPopulation = 1,
    kTaskResource = 2,
    kTaskSpecial = 3,
};

// One goal of the level.
struct cTask {
    std::u16string objectKey;  // "house00", "worker", "food", "prison00" ...
    int32_t kind = kTaskBuild;
    int32_t current = 0;  // never above target
    int32_t target = 0;
    std::u16string text;  // the localized goal, shown in the task hint
    uint8_t retired = 0;  // 1 once a reached goal has left the task panel for good

    bool Reached() const { return current >= target; }
};

// What goals count in the running level. The level controller answers from its
// scene and the current profile; tests answer from a fixture.
class cGoalCounter {
  public:
    virtual ~cGoalCounter() = default;
    // Finished buildings of the kind, with the working plants of that kind.
    virtual int CountBuilt(std::u16string_view kind) const = 0;
    // Workers out on the island: neither resting in the house nor held in the prison.
    virtual int CountPopulation() const = 0;
    // The player's stock.
    virtual ResourceSet GetResources() const = 0;
};

// The goal list keeps room for this many goals; no level has more than three.
inline constexpr size_t kTaskCapacity = 10;

// Appends a goal that is open and shown, with the localized text of `textKey`.
void AddTask(std::vector<cTask>& tasks, const std::u16string& textKey,
             const std::u16string& objectKey, int32_t target, int32_t kind);

// Recounts every goal of `kind`. The result is the goal this count has just
// reached (the last one in list order when several were), or -1: the task
// panel celebrates that line.
int RecountTasks(std::vector<cTask>& tasks, int32_t kind, const cGoalCounter& counter);

// True when there is at least one goal and every goal stands at its target: a
// level without goals is never won.
bool AreTasksDone(const std::vector<cTask>& tasks);

// The text of goal `index`; empty for an index outside the list.
std::u16string GetTaskText(const std::vector<cTask>& tasks, int index);
