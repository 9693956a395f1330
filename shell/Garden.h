#pragma once
// The game itself as the engine sees it: the application object. It drives
// the start-up (splash, loading, end of loading), creates every window with
// its window function, switches between the full-screen modes, keeps the
// level files in memory and the score and resources of the current profile,
// and saves everything at shutdown.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "engine/TextureCache.h"
#include "scene/FlyingSpriteList.h"
#include "scene/ObjectFactory.h"
#include "scene/ParticleManager.h"
#include "scene/Random.h"
#include "scene/SceneDraw.h"
#include "shell/Middle.h"
#include "shell/Player.h"
#include "level/tables/SoundTable.h"
#include "level/tables/TalkTable.h"

namespace qor {
class cWidget;
}
class cMapWidget;

class cAchieveWidget;
class cComicsWidget;

class cGardenLevelHost;
class cReplayConsole;
class cLevelWidget;

class cGarden : public cMiddle {
  public:
    cGarden();
    ~cGarden() override;

    const char16_t* Init() override;
    void OnEndLoading() override;
    std::unique_ptr<cPlayerBase> CreatePlayer(const std::u16string& folderName) override;
    bool ShowScreenWindow(const std::u16string& name, int mode) override;
    void OnWindowHidden(const std::u16string& name) override;
    void SetCursor(const std::u16string& name) override;

    virtual int GetProfileCounter() const { return profileCounter; }
    // Screens are the full-screen widgets: "menu", "map", "level",
    // "comics_start", "comics_finish".
    virtual void SwitchScreen(const std::u16string& to, const std::u16string& from);
    // kind: 0 error, 1 information, 2 warning, 3 question; buttons: 0 OK,
    // 1 OK and Cancel, 2 Yes and No. `text` is shown as given.
    virtual void ShowMessageBox(int iconKind, int buttonsKind, const std::u16string& text,
                                const std::u16string& id);
    virtual cPlayer* GetCurrentPlayer() const;
    // The pointer in virtual GUI units.
    virtual void GetCursorPos(int* x, int* y) const;
    // The quadrant of an angle in degrees: 1 for 30-105, 2 for 105-210,
    // 3 for 210-300, else 0.
    virtual int GetDirection(float angle) const;

    // Level buffers: the contents of every level file, in the order found.
    virtual void AddLevel();
    virtual void SetCurrentLevel(int index);
    virtual void SetCurrentLevelAgain() { SetCurrentLevel(currentLevel); }
    virtual void SetNextLevel() { SetCurrentLevel(currentLevel + 1); }
    virtual void SetPreviousLevel() { SetCurrentLevel(currentLevel - 1); }
    virtual void MoveLevelUp();
    virtual void MoveLevelDown();
    virtual void RemoveLevel();
    virtual int LoadLevels();
    virtual int GetCurrentLevelIndex() const { return currentLevel; }
    // The development switch: with BRINDLEMOOR_LEVEL naming a level file (a
    // path, or a name in "{StaticPath}/testlevel/"), Play starts that level.
    // False when the switch is not set or names nothing readable (logged).
    bool StartDevelopmentLevel();
    // Whether the current level is the one the switch started: it is no level
    // of the game, so its result must not touch the player's map or score.
    bool IsDevelopmentLevel() const {
        return developmentLevel >= 0 && currentLevel == developmentLevel;
    }
    cLevelWidget* GetLevelWidget() const;

    // Score, resources and statistics of the current profile.
    virtual void AddScore(int points);
    virtual int GetScore() const;
    virtual bool CanAfford(const ResourceSet& cost) const;
    virtual bool Spend(const ResourceSet& cost);
    virtual void Earn(const ResourceSet& amounts);
    virtual ResourceSet GetResources() const;
    virtual int GetFood() const;
    virtual int GetWood() const;
    virtual int GetMoney() const;

    // Writes "{AppPath}/conf/settings.lua" from the live values.
    bool SaveSettings() const;

    // The full-screen widgets. Each is created at the end of loading once its
    // class exists; until then it stays null and switching to its screen
    // keeps the current one.
    qor::cWidget* levelWidget = nullptr;
    cMapWidget* mapWidget = nullptr;
    cAchieveWidget* achieveWidget = nullptr;
    cComicsWidget* comicsWidget = nullptr;

    // The particles, the flying icons and the shared scene drawing of every
    // scene; each also answers through its global pointer while it exists.
    std::unique_ptr<cParticleManager> effects;
    std::unique_ptr<cFlyingSpriteList> flyingSprites;
    std::unique_ptr<cSceneDraw> sceneDraw;
    // The game's sounds by number and its talks, built at the end of loading.
    cSoundTable sounds;
    cTalkTable talks;

    // What the level reaches of the game.
    std::unique_ptr<cGardenLevelHost> levelHost;
    // The console's record() and replay(name).
    std::unique_ptr<cReplayConsole> replays;

    std::vector<std::vector<uint8_t>> levels;
    int currentLevel = 0;
    int developmentLevel = -1;  // index of the level BRINDLEMOOR_LEVEL started
    qor::cTextureRef widescreenTexture;
    // The generator behind every gameplay choice; scene code reaches it as
    // g_gameRandom.
    cRandom random;
    // The volumes the settings asked for, written back when no sound output
    // exists to ask.
    float soundVolume = 0.5f;
    float musicVolume = 0.5f;

    // The menu's music, unless it plays already.
    void StartMenuMusic();

  private:
    void CreateWindows();
    // Focuses a screen's widget; false (logged) when the widget does not exist.
    bool FocusScreenWidget(qor::cWidget* widget, const char16_t* name);
    // Shows the window unless its script built nothing; false when not shown.
    bool ShowScreenWindowIfBuilt(const std::u16string& name, int mode);
    // The level and the map get the windows they work with.
    void JoinScreensToScenes();
};

// Null while no game exists.
extern cGarden* g_garden;
