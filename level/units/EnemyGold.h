#pragma once
// The gold goblin: it comes out of its base, digs a load of money out of the
// nearest gold nugget nobody else is robbing and carries it home. Beaten
// while carrying, it drops the money where the player's workers can pick it
// up, and runs home empty-handed.
#include "level/units/Enemy.h"

class cEnemyGold : public cEnemy {
  public:
    using cEnemy::cEnemy;

    static constexpr uint32_t kType = scene_type::kEnemyGold;
    uint32_t GetTypeId() const override { return kType; }

    void SetKind(const std::u16string& kindName) override;
    int HitTest(qor::cVec2 point) const override;
    float GetSpeed(int mode) const override;
    void UpdateWalkAnimation(int mode) override;
    void Think() override;

    // The load is out: into the bag and off home.
    virtual void FinishDigging();

  protected:
    void OnEnterState(int32_t from, int32_t to) override;
    void StateTick() override;
    void ArriveAt(cObject* goal) override;
    void OnBeaten() override;

  private:
    void DigTick();
    // The nearest nugget with loads left that no other goblin is after.
    cObject* ChooseNugget() const;
};
