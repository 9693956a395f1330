#pragma once
// Readies a freshly loaded level from its row of the level table: goals,
// goods, clock, music, upgrade limits, spells, enemy pressure, the opening
// talk, the timed story events, the tutorial and the prisoner. The level
// controller is the target; what it does with each step (its scene, its
// story and its tutorial) is its own business.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "level/units/EnemySettings.h"
#include "level/Goals.h"
#include "scene/ResourceSet.h"

class cLevelSetupTarget {
  public:
    virtual ~cLevelSetupTarget() = default;

    virtual void SetLevelName(const std::u16string& name) = 0;
    virtual std::vector<cTask>& Tasks() = 0;
    // The player's stock for this level.
    virtual void SetResources(const ResourceSet& amounts) = 0;
    // The level's background picture is chosen by the level's name.
    virtual void SetBackgroundKind(const std::u16string& name) = 0;
    virtual float GetSilverTime() const = 0;
    virtual void SetSilverTime(float seconds) = 0;
    virtual void SetMusic(const std::u16string& track) = 0;
    // The kind "all" limits every building but the monuments.
    virtual void SetMaxLevel(const std::u16string& kind, int32_t level) = 0;
    virtual void AddSpell(int32_t spell) = 0;
    virtual cEnemySettings& EnemySettings() = 0;
    // Story hooks: the talk that opens the level, the timed story events
    // (step 0 starts them) and the tutorial step ("train00::cTakeField").
    virtual void StartTalk(const std::u16string& key) = 0;
    virtual void SetStoryStep(int32_t step) = 0;
    virtual void CreateTutorial(const std::u16string& step) = 0;
    // The prison whose prisoner the story asks to free: its story text and price.
    virtual void PreparePrison(const std::u16string& storyText, const ResourceSet& price) = 0;
    virtual void SetTimeLeft(float seconds) = 0;
    // Recounts the goals of a kind and refreshes the task panel.
    virtual void UpdateTasks(int32_t kind) = 0;
    // The forest ambience and the intro start counting.
    virtual void StartLevelTimers() = 0;
};

// Applies the row of `levelName` to the level, step by step in the order the
// level relies on. A name without a row gets no goals (it cannot be won) and
// keeps the clock it had.
void SetupLevel(const std::u16string& levelName, cLevelSetupTarget& level);
