#pragma once
// What the island's three enemy walkers share: gold goblins (EnemyGold.h),
// skeleton spirits (EnemySpirit.h) and bandits (EnemyBandit.h). An enemy
// thinks of a goal, walks there and does its mischief; the hero holds it up
// and strikes it, towers throw stones at it, the enemy freeze spell stops it.
// Enemies are never killed: beaten, a goblin or spirit runs back to the base
// it came from (`home`) and vanishes there; a beaten bandit is gone at once.
//
// The states every kind shares (kept in `state`):
//   2 think ─▶ 1 walking ─arrive─▶ per kind (5 digging or scaring ...)
//   3 held up for a second (by the hero), 4 defending itself after a hit or
//   an aim, regaining health; a beaten enemy walks home and is gone (-100).
// The abstract class answers every type mask, as the factory's tables expect.
#include <cstdint>
#include <string>

#include "level/units/Man.h"
#include "scene/EmitterStamp.h"
#include "engine/Ramp.h"

class cEmitter;
class cLevelWidget;

// Enemy states. Towers, the hero and the spells compare them by number.
enum eEnemyState : int32_t {
    kEnemyDecide = 0,  // a bandit deciding about the worker it caught
    kEnemyWalk = 1,
    kEnemyThink = 2,
    kEnemyPause = 3,   // held up for a second
    kEnemyDefend = 4,  // under attack: defending, regaining health
    kEnemyBusy = 5,    // a goblin digging, a spirit scaring
    kEnemyIdle = 6,    // a spirit standing a moment
    kEnemyDying = 7,   // a spirit falling apart
};

class cEnemy : public cMan {
  public:
    using cMan::cMan;

    uint32_t GetTypeId() const override { return scene_type::kEnemy; }

    // --- cObject -------------------------------------------------------------
    // Every kind walks among the workers (layer 6); the kinds register their
    // animations and health after this, and end thinking (state 2).
    void SetKind(const std::u16string& kindName) override;
    bool OnStateChange(int32_t from, int32_t to) override;
    void Tick() override;
    void Draw() override;
    qor::cVec2 GetHintAnchor() const override;
    int HitTest(qor::cVec2 point) const override;
    float GetAnimationSpeed() const override;
    // Only the hero is ever sent to an enemy, and always finds it.
    cObject* AssignMan(cObject* man) override;
    // The enemy freeze spell: a frost emitter over the enemy while it holds.
    void ShowSpellEffect(int32_t spell) override;
    void StopSpellEffect() override;

    // --- cMan ----------------------------------------------------------------
    // An enemy walking off leaves the player's job markers where they are:
    // they are the player's requests, not the enemy's.
    void SetTarget(cObject* object) override;
    void OnArrive() override;
    void OnTowerAim(cObject* attacker) override;
    bool TakeHit(float strength) override;

    // --- cEnemy --------------------------------------------------------------
    // Held up for a second.
    virtual void Pause();
    // The hero is out (not in the house) and within his reach.
    virtual bool IsHeroNear() const;
    // Frightens the workers around (every 0.3 s while IsActive).
    virtual void ScareNearby();
    virtual float GetScareRadius() const { return 100.0f; }
    // Chooses the next goal (state 2); a bare enemy has none and stands.
    virtual void Think() {}
    // The hero can hold it up: not paused already, not falling apart, not
    // running home.
    virtual bool IsVulnerable() const;
    // Whether it frightens workers around it now.
    virtual bool IsActive() const { return false; }
    virtual void SetFrozen(bool freeze);

    // What towers may aim at: on the island, visible and not yet beaten.
    virtual bool IsTowerTarget() const;
    // Walks back to `home` (straightened); vanishes where it stands when it
    // has no home or no way there.
    void GoHome();
    bool IsHeadingHome() const;
    // The hero is after this enemy right now.
    bool IsHeroAfterMe() const;

    cLevelWidget* Level() const;

    cEmitter* freezeEffect = nullptr;  // not owned; see FreezeEffectAlive
    cObject* home = nullptr;           // not owned: the base it came from
    float health = 1.0f;
    float healthMax = 1.0f;
    qor::cRamp waitTimer{0.0f, 0.0f, 0.0f, 1.0f, 0.0f, 0.0f};
    qor::cRamp scareTimer{0.0f, 0.0f, 0.0f, 1.0f, 0.0f, 0.0f};
    // No way to its goal: it heads home unseen, and towers ignore it.
    uint8_t hidden = 0;
    uint8_t frozen = 0;
    cObject* attacker = nullptr;  // not owned: the tower or hero that aimed last
    qor::cVec2 markerOffset{14.0f, 56.0f};

  protected:
    void OnEnterState(int32_t from, int32_t to) override;
    // The kind's own states, after the shared step.
    virtual void StateTick() {}
    // Arrival at a target other than home.
    virtual void ArriveAt(cObject* /*goal*/) { SetState(kEnemyThink); }
    // Health has run out (TakeHit); the shared answer runs home.
    virtual void OnBeaten() { GoHome(); }
    // Turns to (dx, dy) and shows the kind's defence.
    virtual void PlayDefence(float dx, float dy);
    // The defence turned toward `who` (or the way it faces, for nobody).
    void DefendAgainst(const cObject* who);
    // The direction toward an object, or the way the enemy faces now.
    qor::cVec2 Toward(const cObject* object) const;

  private:
    void FrozenTick();
    void DefendTick();
    bool FreezeEffectAlive() const;

    cEmitterStamp m_freezeStamp;  // of freezeEffect
};

// --- what the level and its buildings ask of the enemies (EnemyQueries.cpp) ---

// The roaming enemies on the island now (goblins, spirits, bandits).
int CountRoamingEnemies(const cLevelWidget& level);
// A way for an enemy back to the base it came from. A base may lie in rock or
// water at the island's edge: the way then ends on the nearest open ground
// and steps on into the base.
bool FindPathHome(cLevelWidget& level, cWalkPath& out, const cEnemy* enemy, const cObject* home);
