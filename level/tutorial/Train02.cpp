// The fourth level's chain: send workers to the gold nugget, then the hero
// after the gold goblin that comes for it.
#include "level/LevelWidget.h"
#include "level/tutorial/Train.h"
#include "level/tutorial/TrainChains.h"

namespace train02 {
namespace {

using namespace scene_type;

class cEnemyGold : public cTrain {
  public:
    explicit cEnemyGold(cLevelWidget& level) : cTrain(level, u"Train02EnemyGold", 0.6f, false, 33) {
        follow = 1;
    }
    // The hint waits for the first goblin and then follows it about.
    bool CanStart() override {
        if (!LiveTarget())
            target = FindFirst();
        return target != nullptr;
    }
    // A goblin that got away needs no more pointing at.
    bool IsDone() override { return TargetGone() || target->jobMarkers != 0; }

  private:
    cObject* FindFirst() const {
        for (int layer = 0; layer < kLayerCount; ++layer) {
            for (const auto& each : level.Layer(layer)) {
                if (each->IsKind(kEnemyGold) && !cLevelWidget::IsDead(each.get()))
                    return each.get();
            }
        }
        return nullptr;
    }
};

class cTakeNugget : public cTrain {
  public:
    explicit cTakeNugget(cLevelWidget& level)
        : cTrain(level, u"Train02TakeNugget", 0.6f, false, 33) {
        target = FindTrainTarget(kNugget, u"nugget00");
    }
    bool IsDone() override { return TargetGone() || target->jobMarkers != 0; }
    std::unique_ptr<cTrain> Next() override { return std::make_unique<cEnemyGold>(level); }
};

}  // namespace
}  // namespace train02

std::unique_ptr<cTrain> MakeTrain02(std::u16string_view step, cLevelWidget& level) {
    using namespace train02;
    if (step == u"cTakeNugget")
        return std::make_unique<cTakeNugget>(level);
    if (step == u"cEnemyGold")
        return std::make_unique<cEnemyGold>(level);
    return nullptr;
}
