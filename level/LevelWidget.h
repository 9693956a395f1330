#pragma once
// The widget that plays one level. It owns the level's scene (the layer lists
// of its base), the cell grid and the path finder the walkers use, the level
// state (loading, intro, play, finished) and the clock, the order in which a
// fixed 1/30 s step updates objects, queued commands, job assignment and the
// effects, the order in which a frame is drawn, the mouse and keys, and the
// services the objects call back (paths, sending a worker, the plants,
// spawning workers and goods, marking cells).
//
// What the level needs from the game (resources, sounds, the random
// generator, hint windows, talks) goes through a cLevelHost, so the same
// level runs in the game, in tests and in benchmarks, with or without a
// window. The source is split by concern: LevelWidget.cpp (states, clock,
// reset), LevelTick.cpp (the step and the commands), LevelDraw.cpp,
// LevelInput.cpp, LevelServices.cpp, LevelLoad.cpp, LevelReach.cpp,
// LevelJobs.cpp (player commands and job assignment), SpellList.cpp (the
// spells the altars sell, the thaw and the danger zones), BuildLimits.cpp,
// LevelRow.cpp (the level's row of the level table) and LevelGoals.cpp (the
// goals).
//
// Later parts of the game plug in at the places named "hook" below: they do
// nothing until then.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "level/units/EnemySettings.h"
#include "level/Goals.h"
#include "level/path/Grid.h"
#include "level/LevelHost.h"
#include "level/LevelView.h"
#include "level/units/Man.h"
#include "level/path/PathFinder.h"
#include "level/story/FallingStones.h"
#include "level/TaskPanel.h"
#include "scene/AnimEffectList.h"
#include "scene/BaseWidget.h"
#include "scene/SaluteList.h"
#include "scene/TextEffectList.h"

namespace qor {
class cBitStream;
}

class cEnemy;
class cReplayTap;
class cTrain;
class cWorker;

inline constexpr char16_t kLevelWidgetName[] = u"level";

// Commands objects queue for the next step (QueueCommand).
enum eLevelCommand : int32_t {
    kCommandShowHint = 1,
    kCommandHideHint = 2,
    kCommandWaysOpened = 3,    // a way opened: workers in the house come out
    kCommandWaysClosed = 4,    // a way closed: workers cut off go home
    kCommandRecountGoals = 5,  // the value is the kind of goal (eTaskKind)
    kCommandFlooded = 6,       // workers on flooded cells go home
};

// The danger zones workers are moved out of: frozen water about to thaw,
// the landing places of falling stones.
enum eDanger : int32_t {
    kDangerWater = 0,
    kDangerStones = 1,
};

// The level's windows read it as the cLevelView (g_levelView while it
// exists), and its goals count through it as their cGoalCounter.
class cLevelWidget : public cBaseWidget, public cLevelView, public cGoalCounter {
  public:
    // The game, the tests and the benchmarks each give their own host; the
    // widget does not own it. Without one it uses a headless host of its own.
    cLevelWidget(const cObjectFactory* factory, cSceneServices* services, cLevelHost* host);
    ~cLevelWidget() override;

    // --- qor::cWidget ---------------------------------------------------------
    void Draw() override;
    void Tick() override;
    // The level clock; falling stones and the screen shake (hooks).
    void Update(float seconds) override;
    void OnFocus() override;
    void OnUnfocus() override;
    int OnEvent(int kind, int param) override;

    // --- cBaseWidget -----------------------------------------------------------
    // The whole level goes: objects, queues, effects, timers, the grid.
    void Clear() override;
    // A waypoint that goes leaves the bandits' road as well.
    void OnObjectRemoved(cObject* object) override;
    // The factory's object, on its class's usual layer.
    cObject* CreateObject(uint32_t type) override;
    void MarkObjectCells(cObject* object, bool occupy) override;

    // --- loading and the level's life -----------------------------------------
    // An empty level with a base in the middle (no level file at all).
    void NewLevel();
    // Reads a level file and starts the level; a bad file is logged and
    // played as far as it could be read.
    void LoadLevel(qor::cBitStream& stream);
    void SaveLevel(qor::cBitStream& stream) const;
    // After loading: the base and plants are found, cells occupied, the
    // stranded workers put in the house, reachability counted, the strolling
    // ground listed.
    void PrepareLevel();
    // The level's row of the level table, by name: goals, start stock,
    // times, music and story (LevelRow.cpp).
    void SetupLevel(const std::u16string& name);
    void SetState(int32_t newState);
    bool OnStateChange(int32_t from, int32_t to);

    // --- the step and the frame ------------------------------------------------
    void LogicTick();
    void DrawScene();
    void HandleEvent(int kind, int param);
    void QueueCommand(cObject* object, int32_t kind, int32_t value);
    void ExecuteCommand(cObject* object, int32_t kind, int32_t value);
    // Every goal reached; never with no goals.
    bool AreTasksDone() const;
    // selectable: 0 the player can act on the object now, 1 not.
    void UpdateHintMark(cObject* object);

    // --- services the objects call ---------------------------------------------
    bool IsCellBlocker(const cObject* object) const;
    // Every object that held this one as its occupant lets go; the hover too.
    void ForgetObject(cObject* object);
    static bool IsDead(const cObject* object) { return object->state == kStateGone; }
    cCellRect GetObjectCells(const cObject* object) const;
    // A path of world points for the walker `from` to the object `to`, or,
    // without one, to the cell `target`. True when there is one.
    bool FindPath(cWalkPath& out, const cObject* from, const cObject* to, cCell target,
                  bool smooth);
    // The path `man` walks to a place of `target`: to the place, and for the
    // base on into the house; the point at a well is moved to its rope.
    bool PathToPlace(cWalkPath& out, cMan* man, cObject* target, const cObject* place, bool smooth);
    // Nearest to `origin` first; true when the list is not empty.
    bool SortByDistance(std::vector<cObject*>& objects, const cObject* origin) const;
    void SetTint(int red, int green, int blue);
    bool IsSawmill(const cObject* object) const;
    bool IsMill(const cObject* object) const;
    bool IsGoldmill(const cObject* object) const;
    // The plant when it works, has a free place and `man` can walk to it.
    cObject* ReachablePlant(cMan* man, cObject* plant);
    cObject* FindSawmill(cMan* man) { return ReachablePlant(man, sawmill); }
    cObject* FindMill(cMan* man) { return ReachablePlant(man, mill); }
    cObject* FindGoldmill(cMan* man) { return ReachablePlant(man, goldmill); }
    void PlaceOnDefaultLayer(cObject* object);
    cWorker* SpawnWorker(qor::cVec2 position);
    cObject* SpawnItem(const std::u16string& name, qor::cVec2 position);
    // A gold goblin or a spirit (by type id) at the position, with its
    // scream; null for any other type.
    cEnemy* SpawnEnemy(uint32_t type, qor::cVec2 position);
    cObject* CreateObjectHint(qor::cVec2 position);
    int CountPrisoners() const;
    // The click test of pictures: inside what the object shows.
    static bool PixelTest(const cObject* object, qor::cVec2 point);
    // Goods reach the player: credited, with the sound and a rising text.
    void CreditGoods(const ResourceSet& goods, qor::cVec2 where);
    // A floating text over the scene, centred on `where`.
    void AddFloatingText(const std::u16string& text, qor::cVec2 where);

    // --- player commands and job assignment (LevelJobs.cpp) ----------------------
    bool CanWork(cObject* object, bool tell, const std::vector<cWorker*>* workers,
                 std::vector<cWalkPath>* paths);
    void RequestWork(cObject* object);
    void AssignJobs();
    bool SendWorker(cMan* man, cObject* target, bool smooth);
    // The worker left the job it was paid out for before reaching it.
    void DropPaidJob(cWorker* worker);
    // The right button: every queued request is dropped.
    void CancelRequests();
    // The level's workers (layer 6) that may take a job now, in list order.
    void CollectFreeWorkers(std::vector<cWorker*>& out) const;
    // Every worker and the hero, in layer order.
    std::vector<cWorker*> CollectMen() const;

    // --- reachability (LevelReach.cpp) ---------------------------------------
    enum eReachMode : int { kReachAll = 3, kReachWasReachable = 1, kReachWasUnreachable = 2 };
    void RecountReachability(int mode);

    // --- spells and altars (SpellList.cpp) -------------------------------------
    // The spell goes to the first altar that offers none yet; without one it
    // is logged and not offered.
    void AddSpell(int32_t spell);
    // The spell starts (again) on the whole island; its mana is paid when the
    // player has it. A spell the level does not offer does nothing.
    void CastSpell(int32_t spell);
    // The hero's cast at an altar: its spell, and the beam over it.
    void CastAtAltar(cObject* altar);
    // While the water waits to thaw: every 0.5 s, whether the ice is clear.
    void ThawTick();
    // The object stands on a flood cell or in a danger zone of that kind.
    bool InDanger(const cObject* object, int32_t danger) const;
    // Workers and the hero in (or heading into) danger go to the bell
    // (water) or the house (stones).
    void Evacuate(int32_t danger);
    // Whether a spell runs now.
    virtual bool IsSpellActive(int32_t spell) const;
    // Whether one of the altars offers the spell.
    virtual bool IsSpellOffered(int32_t spell) const;
    // Spell timers and the thaw of frozen water, every step.
    virtual void SpellTick();
    // The bell was clicked.
    virtual void RingBell(cObject* bell);

    // --- buildings (BuildLimits.cpp) --------------------------------------------
    // How far buildings of a kind may be upgraded; "all" is every building
    // but the monuments.
    void SetMaxLevel(const std::u16string& kind, int32_t level);

    // --- goals, and what the level's windows read (LevelGoals.cpp) -----------
    // Recounts the goals of a kind (eTaskKind) and lays the task panel out
    // anew; a goal just reached sparkles on its line.
    void UpdateTasks(int32_t kind);
    int32_t GetState() const override { return state; }
    float GetSilverTime() const override { return silverTime; }
    float GetTimeLeft() const override { return timeLeft; }
    const std::vector<cTask>& GetTasks() const override { return tasks; }
    int GetSlotTask(int slot) const override { return panel.TaskInSlot(slot); }
    bool IsTalkRunning() const override;
    int CountBuilt(std::u16string_view kind) const override;
    int CountPopulation() const override;
    ResourceSet GetResources() const override;

    // --- hooks of the later parts ---------------------------------------------
    // The prison whose prisoner the story asks to free: its text and price.
    virtual void PreparePrison(const std::u16string& storyText, const ResourceSet& price);
    // The tutorial step that guides this level ("train00::cTakeField"), on
    // the level's first play with hints wanted (level/tutorial/).
    virtual void CreateTutorial(const std::u16string& step);
    // The story's timed triggers, every 5 s (level/story/StoryTick.cpp).
    virtual void StoryTick();
    // The trader's offer of that name ("A016"); nothing for an unknown name.
    void OfferStoryDeal(std::u16string_view name);
    // Stones fall `delay` seconds from now; everybody leaves their landing places.
    void StartMeteors(float delay);
    // The tutorial step, every step while playing.
    virtual void TutorialTick();
    // The tutorial's hint waits for a key or a click inside its frame.
    virtual void AcknowledgeTutorial(bool byClick);
    // The step goes and its hint closes.
    void DropTutorial();
    // Falling stones and the screen shake, every frame.
    virtual void UpdateFallingStones(float seconds) { meteors.Update(*this, seconds); }
    // The falling stones wait off screen, after loading.
    virtual void PrepareRoadAndStones() { meteors.Prepare(*this); }

    cLevelHost& Host() const { return *m_host; }
    const cGrid& Cells() const { return cells; }
    cGrid& Cells() { return cells; }

    // --- fields -----------------------------------------------------------------
    qor::cRamp noWorkersCheck{0.0f, 0.0f, 0.0f, 1.0f, 0.0f, 0.0f};
    struct cCommand {
        cObject* object;
        int32_t kind;
        int32_t value;
    };
    std::vector<cCommand> commands;
    std::u16string levelName;
    int32_t state = kLevelLoading;
    std::u16string musicName;
    float timeLeft = 0.0f;    // the medal countdown
    float silverTime = 0.0f;  // the silver limit; gold is two thirds of it
    cObject* back = nullptr;
    cTextEffectList floatingTexts;
    cObject* hovered = nullptr;
    qor::cSpriteInfo highlight;
    float pulsePhase = 0.0f;
    float hoverTime = 0.0f;
    std::vector<cTask> tasks;
    // The HUD's three goal lines; the game binds them to its "level" window.
    cTaskPanel panel;
    cAnimEffectList effects;
    cObject* base = nullptr;
    cObject* sawmill = nullptr;
    cObject* mill = nullptr;
    cObject* goldmill = nullptr;
    cObject* hero = nullptr;
    cObject* prison = nullptr;
    cObject* bell = nullptr;
    cGrid cells;
    uint8_t fireworks = 0;
    cPathFinder finder;
    std::vector<cObject*> jobQueue;
    struct cSpell {
        int32_t spell;
        float timer;
    };
    std::vector<cSpell> spells;
    cSaluteList salutes;
    std::vector<cObject*> trajectory;  // the bandits' road, as waypoints
    std::vector<cCell> route;          // the bandits' road, as cells
    std::vector<cObject*> bandits;
    // How often enemies come and how many; the story sets them per level.
    cEnemySettings enemySettings;
    // The stones that fall when the story says so, and the shake they make.
    cFallingStones meteors;
    // Seconds until the stones fall; -1 while none are due, 0 once they may.
    float meteorDelay = -1.0f;
    float storyTimer = 0.0f;
    int32_t storyStep = -1;
    float storyMark = -1.0f;
    std::vector<cCell> wanderCells;  // where idle workers stroll
    // The forest's sound comes again every this many seconds.
    static constexpr float kAmbientSeconds = 30.0f;
    qor::cRamp ambientTimer{0.0f, 0.0f, 0.0f, 1.0f, 0.0f, 0.0f};
    qor::cRamp introTimer{0.0f, 0.0f, 0.0f, 1.0f, 0.0f, 0.0f};
    uint8_t thawPending = 0;  // the water freeze ended; the ice waits to be clear
    qor::cRamp thawTimer{0.0f, 0.0f, 0.0f, 1.0f, 0.0f, 0.0f};
    std::vector<cCell> floodCells;
    qor::cRamp fireworksTimer{0.0f, 0.0f, 0.0f, 1.0f, 0.0f, 0.0f};
    int32_t salutesLeft = 6;
    // A replay recording or playing this level (not owned); it lets go when
    // the level is cleared.
    cReplayTap* replayTap = nullptr;
    // The tutorial's current step; null when the level has none (left).
    std::unique_ptr<cTrain> trainStep;

  private:
    // LevelWidget.cpp
    void StepClock(float seconds);
    void StepFireworks();
    void DrawMissingBack();
    // LevelTick.cpp
    void TickObjectsAndHover();
    void TrackHover();
    void SortWalkers();
    void RunCommands();
    void StepStateMachine();
    void WorkersGoOut();
    void WorkersCutOffGoHome(bool floodedOnly);
    // LevelDraw.cpp
    void DrawLayer(int layer);
    void DrawHoverRing();
    void FlushBatch();
    // LevelInput.cpp
    void ClickObject(cObject* object);
    // The pointer as the level sees it: a replay's while one plays.
    qor::cVec2 PointerPos() const;
    // LevelJobs.cpp
    void CheckNoFreeWorkers();
    void TellPlayer(const std::u16string& text, cObject* object);
    // LevelLoad.cpp
    void ListWanderCells();
    void StrandCutOffWorkers();

    cLevelHost* m_host;
    std::unique_ptr<cLevelHost> m_ownHost;
    std::vector<cObject*> m_tickList;  // reused by every step
    std::vector<cCell> m_cellPath;     // reused by every path request
    cObject* m_hoverCandidate = nullptr;
    bool m_noWorkersTalked = false;
};

// The level an object belongs to; null when its scene is not a level (the
// world map, tests of a bare scene).
cLevelWidget* LevelOf(const cObject* object);
// Whether a worker or the hero holds a place at the object.
bool HasWorkerAssigned(const cObject* object);
// Plays a numbered sound for an object of a level; nothing outside a level.
void PlayLevelSound(const cObject* object, int number);
