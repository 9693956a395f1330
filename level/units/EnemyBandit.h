#pragma once
// The bandit: it walks the level's road from waypoint to waypoint, screams at
// idle workers and frightens them, and catches a worker that comes too close
// (when nothing stands between them): the worker is tied up and led to the
// prison, and the bandit hurries back to its road. One strike of the hero or
// one stone of a tower and the bandit is gone, letting go of its captive.
#include "level/units/Enemy.h"

class cWorker;

class cEnemyBandit : public cEnemy {
  public:
    using cEnemy::cEnemy;

    static constexpr uint32_t kType = scene_type::kEnemyBandit;
    uint32_t GetTypeId() const override { return kType; }

    void SetKind(const std::u16string& kindName) override;
    bool OnStateChange(int32_t from, int32_t to) override;
    float GetSpeed(int mode) const override;
    void ScareNearby() override;
    float GetScareRadius() const override { return 130.0f; }
    void Think() override;
    bool IsActive() const override;
    // Frozen, the bandit lets its captive go home.
    void SetFrozen(bool freeze) override;

    // How near a worker must come to be caught: nobody while the bandit
    // leads a captive, goes for one, or hurries back to its road.
    virtual float GetCatchDistance() const;
    // Sets the bandit on its road, walking toward that waypoint.
    void JoinRoadAt(int32_t node) {
        nextNode = node;
        m_rejoin = false;
    }

    cWorker* captive = nullptr;  // not owned
    // Taking a captive to the prison, or hurrying back to the road after.
    uint8_t leading = 0;
    // The index in the level's road of the waypoint it walks to.
    int32_t nextNode = 0;
    qor::cRamp screamTimer{0.0f, 0.0f, 0.0f, 1.0f, 0.0f, 0.0f};
    qor::cRamp leadCheck{0.0f, 0.0f, 0.0f, 1.0f, 0.0f, 0.0f};

  protected:
    void StateTick() override;
    void ArriveAt(cObject* goal) override;
    void OnBeaten() override { SetState(kStateGone); }

  private:
    // The worker can be caught: a way to it that is nearly straight.
    bool CanCatch(const cWorker* worker, cWalkPath& way) const;
    void Catch(cWorker* worker, cWalkPath way);
    // State 0: what to do with the worker caught.
    void Decide();
    void TakeToPrison();
    // Lets the captive go: into the house, or free where it stands.
    void ReleaseCaptive(bool sendHome);
    void CheckLeading();
    int32_t NearestWaypoint() const;

    // Back on the road at the nearest waypoint rather than the next one.
    bool m_rejoin = true;
};

// After loading: the road's cells, leg by leg from waypoint to waypoint (a leg
// without a way is its two waypoints' cells).
void BuildBanditRoute(cLevelWidget& level);
// After loading: the level's bandits listed in their order along the road, each
// heading for the waypoint ahead of where it stands, so that they follow one
// another round it. A road of fewer than two waypoints is logged: its bandits
// stand guard instead of patrolling.
void PrepareBandits(cLevelWidget& level);
