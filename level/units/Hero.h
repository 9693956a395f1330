#pragma once
// The hero: a worker with a sword and magic. The player sends him at an
// enemy (he chases it and strikes until it runs), to an altar (he casts its
// spell) or to the prison (he opens it and the captives go home). Enemies that
// come near him stop for a moment. Left idle for ten seconds he walks home
// into the house and waits there until he is sent out again.
//
// His states beyond the worker's: 16 striking, 17 planning the chase anew,
// 18 casting at an altar, 19 opening a prison, 20 inside the house.
#include "level/units/Worker.h"

enum eHeroState : int32_t {
    kHeroStrike = 16,
    kHeroReplan = 17,
    kHeroCastAltar = 18,
    kHeroOpenPrison = 19,
    kHeroInHouse = 20,
};

class cHero : public cWorker {
  public:
    using cWorker::cWorker;

    static constexpr uint32_t kType = scene_type::kHero;
    uint32_t GetTypeId() const override { return kType; }

    // --- cObject -------------------------------------------------------------
    void SetKind(const std::u16string& kindName) override;
    void Tick() override;
    void Draw() override;
    float GetAnimationSpeed() const override;

    // --- cMan and cWorker ----------------------------------------------------
    float GetSpeed(int mode) const override;
    void UpdateWalkAnimation(int mode) override;
    void OnArrive() override;
    // Walking to a prison, the hero goes to open it, not to be locked up.
    bool IsCaptive() const override { return false; }

    // --- cHero ---------------------------------------------------------------
    // How near an enemy must come to be held up.
    virtual float GetRange() const { return 80.0f; }
    // Every vulnerable enemy within range stops for a second.
    virtual void StopEnemiesNearby();

    qor::cRamp chaseTimer{0.0f, 0.0f, 0.0f, 1.0f, 0.0f, 0.0f};
    qor::cRamp pauseTimer{0.0f, 0.0f, 0.0f, 1.0f, 0.0f, 0.0f};
    qor::cRamp idleTimer{0.0f, 0.0f, 0.0f, 1.0f, 0.0f, 0.0f};

  protected:
    void OnEnterState(int32_t from, int32_t to) override;

  private:
    // HeroActions.cpp: what he does at his target.
    void ChaseTick();
    void StrikeTick();
    void Replan();
    void CastTick();
    void StartStrike();
    void SwingAgain();
    void StartCast();
    bool TargetIsEnemy() const;
    bool WalkingHome() const;

    // The strike animation's frame one step ago: a wrap to an earlier frame
    // means one blow has been dealt.
    int m_lastFrame = 0;
};
