#pragma once
// What a level needs from the game around it: the player's resources and
// level time (they live in the current profile), the numbered sounds, the
// game's random generator, the hint windows, the running talk, the pointer
// and the level's windows and music. The game implements it
// (shell/GardenLevelHost); this base is the headless game that tests,
// benchmarks and replays use: it keeps the resources, the level time and the
// pointer itself, draws from a generator of its own, and plays, shows and
// talks nothing.
#include <cstdint>
#include <string>

#include "engine/SpriteBatch.h"
#include "level/units/EnemySettings.h"
#include "scene/Random.h"
#include "scene/ResourceSet.h"

class cLevelWidget;
class cObject;

class cLevelHost {
  public:
    virtual ~cLevelHost() = default;

    // --- the current player's resources and level statistics ---------------
    // Every amount at least as large as the cost.
    virtual bool CanAfford(const ResourceSet& cost) const;
    // Takes the cost when it can be afforded; false (and nothing taken) when not.
    // Both recount the level's goals of goods, as the game's own do.
    virtual bool Spend(const ResourceSet& cost);
    virtual void Earn(const ResourceSet& amounts);
    virtual ResourceSet GetResources() const { return resources; }
    // The stock a level starts with.
    virtual void SetResources(const ResourceSet& amounts) { resources = amounts; }
    // Seconds played in this level.
    virtual float GetLevelTime() const { return levelTime; }
    virtual void AddLevelTime(float seconds) { levelTime += seconds; }
    // Level time and the level's statistics back to 0 for a new level.
    virtual void ResetLevelStats() {
        levelTime = 0.0f;
        builds = 0;
    }
    // A building of the level was finished: the results count it. Buildings
    // call this once each, when their construction or repair completes.
    virtual void CountBuild() { ++builds; }
    // Whether the level's tutorial runs: the player wants hints and the level
    // has no medal on the world map yet. A replay answers with what it
    // recorded, since the first hint changes the level (it may ripen a field).
    virtual bool TutorialWanted() const { return true; }

    // --- sounds and chance ---------------------------------------------------
    // A sound of the game's numbered table (scene/SoundNumbers.h).
    virtual void PlaySound(int /*number*/) {}
    // The game's generator: every random choice of a level draws from it.
    virtual cRandom& Random() { return random; }

    // --- talks and windows ---------------------------------------------------
    // The name of the talk running now; empty when none runs.
    virtual std::u16string RunningTalk() const { return {}; }
    // The talk window is showing a line, which a click only advances.
    virtual bool IsTalkSpeaking() const { return false; }
    // Starts the talk of that name, unless it runs already.
    virtual void StartTalk(const std::u16string& /*name*/) {}
    // The talk stops and the trader's offer is off.
    virtual void EndTalk() {}
    // One step of the running talk and of the running trade offer.
    virtual void AdvanceTalkAndDeal() {}
    // The player clicked the speaking bubble (or pressed a key while it
    // speaks); false when no bubble speaks.
    virtual bool ClickTalk() { return false; }
    // A left press at `at`: the same, when it is on the speaking bubble.
    virtual bool ClickTalkAt(qor::cVec2 /*at*/) { return false; }
    // The trader offers `reward` for `cost` for `seconds`; he opens with the
    // text of `introKey` and says that of `secondKey` once paid.
    virtual void SetDeal(const ResourceSet& /*reward*/, const ResourceSet& /*cost*/,
                         float /*seconds*/, const std::u16string& /*introKey*/,
                         const std::u16string& /*secondKey*/) {}
    virtual bool IsDealRunning() const { return false; }
    // Shows a text next to an object in the hint window; false when there is
    // no hint window to show it in.
    virtual bool ShowHint(const std::u16string& /*text*/, const cObject* /*object*/,
                          bool /*anchored*/) {
        return false;
    }
    virtual void HideHint() {}
    // Fills the tutorial's hint window ("train") with a step's text, placed
    // beside a circle of `radius` around `at` as `flags` says (1 left, 32
    // below); the level shows and closes the window itself.
    virtual void ShowTrainStep(const std::u16string& /*text*/, qor::cVec2 /*at*/,
                               float /*radius*/, bool /*clickToContinue*/, int32_t /*flags*/) {}
    // The hint window reads its object's text again.
    virtual void RefreshHint() {}
    virtual void ShowWindow(const std::u16string& /*name*/, int /*mode*/) {}
    virtual bool IsWindowShown(const std::u16string& /*name*/) const { return false; }
    virtual void CloseWindow(const std::u16string& /*name*/) {}
    // The rectangle of a control of a shown window, in virtual screen units;
    // false when there is no such control.
    virtual bool ControlRect(const std::u16string& /*window*/, const std::u16string& /*control*/,
                             qor::cRectF* /*rect*/) const {
        return false;
    }

    // --- the pointer and the music --------------------------------------------
    // Where the pointer is, in virtual screen units (y upwards).
    virtual qor::cVec2 GetCursorPos() const { return cursor; }
    // The level's track fades in over the menu's; StopLevelMusic brings the
    // menu's back.
    virtual void StartLevelMusic(const std::u16string& /*track*/) {}
    virtual void StopLevelMusic() {}

    // The headless game's own state.
    cLevelWidget* level = nullptr;  // the level playing on this host, set by the level
    ResourceSet resources;
    float levelTime = 0.0f;
    int32_t builds = 0;
    cRandom random;
    qor::cVec2 cursor;
};
