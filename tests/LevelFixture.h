#pragma once
// A stand-in for the running level and the world map, for the level screens'
// tests without a scene: the level's clock, goals and task panel as the level
// controller holds them, answered from plain fields, and a map that keeps
// medals in a table. Both register themselves while they exist.
#include <map>
#include <string>
#include <vector>

#include "level/Goals.h"
#include "level/LevelSetup.h"
#include "level/LevelView.h"
#include "level/TaskPanel.h"
#include "world/MapMedals.h"

namespace qor::test {

class cFixtureLevel : public cLevelView, public cGoalCounter, public cLevelSetupTarget {
  public:
    cFixtureLevel();
    ~cFixtureLevel() override;

    // cLevelView
    int32_t GetState() const override { return state; }
    float GetSilverTime() const override { return silverTime; }
    float GetTimeLeft() const override { return timeLeft; }
    const std::vector<cTask>& GetTasks() const override { return tasks; }
    int GetSlotTask(int slot) const override { return panel.TaskInSlot(slot); }
    bool IsTalkRunning() const override { return talking; }

    // cGoalCounter
    int CountBuilt(std::u16string_view kind) const override;
    int CountPopulation() const override { return population; }
    ResourceSet GetResources() const override;

    // cLevelSetupTarget: every step is written down in `steps`.
    void SetLevelName(const std::u16string& name) override;
    std::vector<cTask>& Tasks() override { return tasks; }
    void SetResources(const ResourceSet& amounts) override;
    void SetBackgroundKind(const std::u16string& name) override;
    void SetSilverTime(float seconds) override;
    void SetMusic(const std::u16string& track) override;
    void SetMaxLevel(const std::u16string& kind, int32_t level) override;
    void AddSpell(int32_t spell) override;
    cEnemySettings& EnemySettings() override { return enemies; }
    void StartTalk(const std::u16string& key) override;
    void SetStoryStep(int32_t step) override;
    void CreateTutorial(const std::u16string& step) override;
    void PreparePrison(const std::u16string& storyText, const ResourceSet& price) override;
    void SetTimeLeft(float seconds) override;
    void UpdateTasks(int32_t kind) override;
    void StartLevelTimers() override;

    int32_t state = kLevelPlay;
    float silverTime = 0.0f;
    float timeLeft = 0.0f;
    bool talking = false;
    std::vector<cTask> tasks;
    cTaskPanel panel;
    std::map<std::u16string, int> built;
    int population = 0;
    // Without a game the stock lives here; with one, in the current profile.
    ResourceSet stock;
    cEnemySettings enemies;
    std::vector<std::string> steps;
    cTaskCelebration lastCelebration;
};

class cFixtureMap : public cMapMedals {
  public:
    cFixtureMap();
    ~cFixtureMap() override;
    int32_t GetMedal(int level) const override;
    void SetMedal(int level, int32_t medal) override;
    void OpenLevel(int level) override;

    std::map<int, int32_t> medals;
    int chosen = -1;
};

}  // namespace qor::test
