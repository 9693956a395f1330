#include "shell/FinishWF.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "engine/FormatString.h"
#include "engine/Log.h"
#include "engine/StringTable.h"
#include "gui/GUI.h"
#include "gui/LabelCtrl.h"
#include "gui/TextBoxCtrl.h"
#include "gui/game/CupCtrl.h"
#include "level/LevelResult.h"
#include "level/LevelView.h"
#include "scene/ParticleManager.h"
#include "shell/ClockText.h"
#include "shell/Garden.h"
#include "shell/ReplayNote.h"
#include "world/MapMedals.h"
#include "shell/ScreenControls.h"

using namespace qor;

namespace {

constexpr float kBuildsPerSecond = 5.0f;
constexpr float kCounterSeconds = 0.1f;
// The last level of the game; finishing it the first time brings the closing story.
constexpr int kLastLevel = 39;

// A ramp from 0 to `target` that takes `rate` units per second.
void StartRamp(cRamp& ramp, float target, float rate) {
    ramp = cRamp{};
    ramp.rate = rate;
    ramp.SetTarget(target);
}

// False once the ramp has reached its end, on this step or before (a ramp
// with nothing to run never reports an end).
bool Ran(cRamp& ramp, float seconds) {
    return ramp.Step(seconds) == 1;
}

void JumpToEnd(cRamp& ramp) {
    ramp.current = ramp.to;
    ramp.elapsed = ramp.duration;
}

bool AtEnd(const cRamp& ramp) {
    return ramp.elapsed == ramp.duration;
}

// A count shown whole: while it runs the ramp's value, at its end the exact
// number (a float does not hold every large total).
int32_t Shown(const cRamp& ramp, int32_t target) {
    return AtEnd(ramp) ? target : static_cast<int32_t>(ramp.current);
}

void Sparkle(cRectF where) {
    if (g_particles)
        g_particles->AddSparkle(100, 5.0f, 0xFFFFFFFFu,
                                {where.x + where.w / 2, where.y + where.h / 2});
}

void PlayCounter() {
    if (g_garden)
        g_garden->sounds.PlaySound(kSoundCounter);
}

// Moves the player's score to `total` in steps that each fit the stored
// number, so no step wraps round.
void SetScore(int32_t total) {
    if (!g_garden)
        return;
    int64_t left = static_cast<int64_t>(total) - g_garden->GetScore();
    while (left != 0) {
        const int64_t step = std::clamp<int64_t>(left, std::numeric_limits<int32_t>::min(),
                                                 std::numeric_limits<int32_t>::max());
        g_garden->AddScore(static_cast<int32_t>(step));
        left -= step;
    }
}

}  // namespace

void cFinishWF::Fill(cWindow* window) {
    vars = FindScreenControl<cTextBoxSysCtrl>(window, u"vars");
    vals = FindScreenControl<cTextBoxSysCtrl>(window, u"vals");
    score = FindScreenControl<cLabelCtrl>(window, u"score");
    cup = FindScreenControl<cCupCtrl>(window, u"cup");
    if (!vars || !vals || !score || !cup || !FindScreenControl(window, u"close"))
        ReportError(window, u"Some controls not found");
}

void cFinishWF::Prepare() {
    const float silverTime = g_levelView ? g_levelView->GetSilverTime() : 0.0f;
    const float timeLeft = g_levelView ? g_levelView->GetTimeLeft() : 0.0f;
    medal = LevelMedal(silverTime, timeLeft);

    const cPlayer* player = g_garden ? g_garden->GetCurrentPlayer() : nullptr;
    const float levelTime = player ? player->levelTime : 0.0f;
    earned = player ? player->earned : 0;
    builds = player ? player->builds : 0;
    previousScore = g_garden ? g_garden->GetScore() : 0;
    finalScore = FinalScore(previousScore, timeLeft, builds, earned, medal);

    // Each count takes a second, the buildings one fifth of a second each.
    StartRamp(timeRamp, levelTime, levelTime);
    StartRamp(resourcesRamp, static_cast<float>(earned),
              earned != 0 ? std::fabs(static_cast<float>(earned)) : 1.0f);
    StartRamp(buildsRamp, static_cast<float>(builds), kBuildsPerSecond);
    const float gain = static_cast<float>(static_cast<int64_t>(finalScore) - previousScore);
    StartRamp(scoreRamp, gain, std::fabs(gain));
    StartRamp(counterRamp, kCounterSeconds, 1.0f);
    stage = kStageTime;
    recorded = false;

    std::u16string names;
    for (const char16_t* key : {u"finishTime", u"finishResources", u"finishBuilds"})
        names += GetLocalizedText(key) + u":\n";
    names.pop_back();
    vars->SetText(names);
    vals->SetText(u"");
    WriteTexts();
}

void cFinishWF::WriteTexts() {
    std::u16string values = ClockText(timeRamp.current);
    if (stage >= kStageResources)
        values += Format(u"\n%i", {Shown(resourcesRamp, earned)});
    if (stage >= kStageBuilds)
        values += Format(u"\n%i", {Shown(buildsRamp, builds)});
    vals->SetText(values);
    const int64_t gain = static_cast<int64_t>(finalScore) - previousScore;
    const int64_t shown = AtEnd(scoreRamp) ? gain : static_cast<int64_t>(scoreRamp.current);
    score->SetText(Format(u"%s: %i", {GetLocalizedText(u"finishScore"),
                                      static_cast<int32_t>(previousScore + shown)}));
}

void cFinishWF::EndStage() {
    if (stage == kStageTime && cup)
        cup->ShowCup(CupOfMedal(medal));
    // The line that has just been counted, or the score below the lines.
    Sparkle(stage == kStageScore ? score->GetTextRect() : vals->GetLineRect(stage));
    ++stage;
}

void cFinishWF::Count(float seconds) {
    cRamp* ramps[] = {&timeRamp, &resourcesRamp, &buildsRamp, &scoreRamp};
    if (counterRamp.Step(seconds) == 2) {
        PlayCounter();
        StartRamp(counterRamp, kCounterSeconds, 1.0f);
    }
    const bool running = Ran(*ramps[stage], seconds);
    // The finished count is written before its sparkles look for its line.
    WriteTexts();
    if (!running) {
        EndStage();
        WriteTexts();
    }
}

void cFinishWF::CompleteCount() {
    for (cRamp* ramp : {&timeRamp, &resourcesRamp, &buildsRamp, &scoreRamp})
        JumpToEnd(*ramp);
    if (stage == kStageTime && cup)
        cup->ShowCup(CupOfMedal(medal));
    stage = kStageDone;
    WriteTexts();
}

void cFinishWF::Record(cWindow* window) {
    if (!g_garden)
        return;
    // Pressed again, or shown again after the result was kept: the player
    // only leaves.
    if (!recorded) {
        recorded = true;
        RecordResult();
    }
    // Where the next screen cannot come, the player still gets away.
    cGUI* gui = window->gui;
    if (gui && gui->IsWndShown(window->name) && IsReady())
        g_garden->SwitchScreen(u"menu", u"level");
}

void cFinishWF::RecordResult() {
    // Only a level that was truly won earns its medal and score.
    if (!g_levelView || g_levelView->GetState() != kLevelFinished) {
        LogEntry(kLogWarning, u"cFinishWF", u"The level is not finished; no result is recorded");
        return;
    }
    if (g_garden->IsDevelopmentLevel()) {
        // A test level stands in no place on the map: a medal recorded for it
        // would land on a level of the game the player never played.
        LogEntry(kLogText, u"cFinishWF",
                 u"A test level was won; the player's map and score are left as they were");
        g_garden->SwitchScreen(u"menu", u"level");
        return;
    }
    SetScore(finalScore);
    const int level = g_garden->GetCurrentLevelIndex();
    bool closingStory = false;
    if (g_mapMedals) {
        // Decided before the medal changes what the map says.
        closingStory = level == kLastLevel && g_mapMedals->GetMedal(kLastLevel) == 1;
        g_mapMedals->SetMedal(level, medal);
        g_mapMedals->OpenLevel(level + 1);
    } else {
        LogEntry(kLogWarning, u"cFinishWF", u"No world map to record the medal of level %i", level);
    }
    g_garden->SaveProgress();
    g_garden->SwitchScreen(closingStory ? u"comics_finish" : u"map", u"level");
}

int cFinishWF::OnEvent(cWindow* window, int kind, int param1, int param2) {
    if (kind == kWndHidden) {
        onScreen = false;
        if (cup)
            cup->ResetCup();
    }
    if (window && IsReady()) {
        switch (kind) {
            case kWndFilled:
                Fill(window);
                break;
            case kWndShown:
                if (!onScreen) {
                    Prepare();
                    PrepareReplayButton(window, u"replay");
                }
                onScreen = true;
                break;
            case kWndTick:
                if (stage < kStageDone)
                    Count(static_cast<float>(param1) / 1000.0f);
                break;
            case kWndKeyDown:
                if (IsOneButtonKey(param1)) {
                    ClickCtrl(window, u"close");
                    return 1;
                }
                break;
            case kWndCommand:
                if (CommandName(window, param2) == u"replay") {
                    SaveReplayFromWindow(window);
                } else if (CommandName(window, param2) == u"close") {
                    if (stage < kStageDone)
                        CompleteCount();
                    else
                        Record(window);
                }
                break;
            default:
                break;
        }
    }
    return cBaseWF::OnEvent(window, kind, param1, param2);
}
