#include "level/LevelSetup.h"

#include "engine/StringTable.h"
#include "level/LevelTable.h"

namespace {

std::u16string Text(std::u16string_view view) {
    return std::u16string(view);
}

void ApplyRow(const cLevelRow& row, cLevelSetupTarget& level) {
    for (const cGoalRow& goal : row.goals)
        AddTask(level.Tasks(), Text(goal.textKey), Text(goal.objectKey), goal.target, goal.kind);
    level.SetSilverTime(row.silverTime);
    level.SetMusic(Text(row.music));
    for (const cMaxLevelRow& limit : row.maxLevels)
        level.SetMaxLevel(Text(limit.kind), limit.level);
    for (int32_t spell : row.spells)
        level.AddSpell(spell);
    row.enemies.ApplyTo(level.EnemySettings());
    if (!row.talk.empty())
        level.StartTalk(Text(row.talk));
    if (row.timed)
        level.SetStoryStep(0);
    if (!row.tutorial.empty())
        level.CreateTutorial(Text(row.tutorial));
}

}  // namespace

void SetupLevel(const std::u16string& levelName, cLevelSetupTarget& level) {
    level.SetLevelName(levelName);
    level.Tasks().clear();
    level.SetResources({});
    level.SetBackgroundKind(levelName);

    const cLevelRow* row = FindLevelRow(levelName);
    if (row) {
        ApplyRow(*row, level);
        if (!row->prisonText.empty())
            level.PreparePrison(qor::GetLocalizedText(Text(row->prisonText)), row->prisonPrice);
    }

    // The goods are set, not earned: what a level starts with is no part of
    // the score.
    level.SetResources(row ? row->start : ResourceSet{});
    level.SetTimeLeft(level.GetSilverTime());
    level.UpdateTasks(kTaskResource);
    level.StartLevelTimers();
}
