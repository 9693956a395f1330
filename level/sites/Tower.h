#pragma once
// Towers that throw stones: the player's tower at the enemies that roam the
// island, the enemies' tower at the player's workers. A tower looks for the
// nearest target in range five times a second, throws, and reloads before it
// looks again; its stones fly to where the target stood when they left. The
// player's tower is built and upgraded like any building and throws harder
// and faster with every level.
#include <vector>

#include "level/sites/Build.h"
#include "level/units/Man.h"

class cTower : public cBuild {
  public:
    using cBuild::cBuild;

    static constexpr uint32_t kType = scene_type::kTower;
    uint32_t GetTypeId() const override { return kType; }

    // A stone in flight and the one it was thrown at.
    struct cStone {
        cObject* target;  // not owned
        cMoveRamp mover;
    };

    // --- cObject -----------------------------------------------------------
    void SetKind(const std::u16string& kindName) override;
    void Tick() override;
    void Draw() override;

    // --- cTower ------------------------------------------------------------
    virtual float GetRange() const { return 250.0f; }
    virtual float GetReloadTime() const;
    virtual float GetHitStrength() const;
    // Where the stones leave the tower.
    virtual qor::cVec2 GetMuzzle() const { return {x, y + 50.0f}; }
    // The nearest target in range the tower may throw at now; null when
    // there is none.
    virtual cObject* FindTarget() const;
    // A stone reached the one it was thrown at.
    virtual void Hit(cObject* target);
    // The tower throws at all now.
    virtual bool IsArmed() const { return state == kStateReady; }

    qor::cRamp reload{0.0f, 0.0f, 0.0f, 1.0f, 0.0f, 0.0f};
    float scan = 0.0f;  // seconds since the last look for a target
    qor::cSpriteInfo stoneSprite;
    std::vector<cStone> stones;

  protected:
    // Throws at the target: the stone, the aim told, the reload, the bang.
    void Shoot(cObject* target);
    // The nearest object of `objects` within range.
    cObject* Nearest(const std::vector<cObject*>& objects) const;

  private:
    void StepStones();
};

// The enemies' tower: always standing, never the player's to click; it holds
// its fire while the workers are shielded.
class cTowerEnemy : public cTower {
  public:
    using cTower::cTower;

    static constexpr uint32_t kType = scene_type::kTowerEnemy;
    uint32_t GetTypeId() const override { return kType; }

    void SetKind(const std::u16string& kindName) override;
    int HitTest(qor::cVec2 /*point*/) const override { return 0; }
    std::u16string GetHintText() const override { return {}; }
    // Whatever limit the level sets its buildings, the enemies' tower stays
    // as it is: no upgrade is offered over it.
    bool CanUpgrade() const override { return false; }

    float GetRange() const override { return 230.0f; }
    float GetReloadTime() const override { return 1.0f; }
    float GetHitStrength() const override { return 2.0f; }
    cObject* FindTarget() const override;
    void Hit(cObject* target) override;
    bool IsArmed() const override;
};
