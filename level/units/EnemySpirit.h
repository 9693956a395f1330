#pragma once
// The skeleton spirit: it comes out of its base, stalks the nearest worker it
// can reach and frightens everybody around off their work. Now and then it
// stands and shakes a loose hand. Beaten, it falls apart and fades away.
#include "level/units/Enemy.h"

class cEnemySpirit : public cEnemy {
  public:
    using cEnemy::cEnemy;

    static constexpr uint32_t kType = scene_type::kEnemySpirit;
    uint32_t GetTypeId() const override { return kType; }

    void SetKind(const std::u16string& kindName) override;
    float GetAnimationSpeed() const override;
    float GetSpeed(int /*mode*/) const override { return 45.0f; }
    void Think() override;
    bool IsActive() const override { return state == kEnemyWalk; }

  protected:
    void OnEnterState(int32_t from, int32_t to) override;
    void StateTick() override;
    void ArriveAt(cObject* goal) override;
    void OnBeaten() override;
    void PlayDefence(float dx, float dy) override;

  private:
    // The nearest worker out on the island that a way leads to; the way.
    cObject* ChooseWorker(cWalkPath& way);

    qor::cRamp m_fade{0.0f, 0.0f, 0.0f, 1.0f, 0.0f, 0.0f};
};
