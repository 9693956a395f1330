// The chain of the first level with bandits: the bandit on the road, the
// bell that calls everybody home, and what the bell does.
#include "level/LevelWidget.h"
#include "level/sites/Bell.h"
#include "level/tutorial/Train.h"
#include "level/tutorial/TrainChains.h"

namespace train05 {
namespace {

using namespace scene_type;

class cBellInfo : public cTrain {
  public:
    cBellInfo(cLevelWidget& level, cObject* bell)
        : cTrain(level, u"Train05BellInfo", 0.6f, true, 36) {
        target = bell ? bell : FindTrainTarget(kBell, u"bell00");
    }
};

class cRingBell : public cTrain {
  public:
    explicit cRingBell(cLevelWidget& level) : cTrain(level, u"Train05RingBell", 1.0f, false, 36) {
        target = FindTrainTarget(kBell, u"bell00");
    }
    bool IsDone() override {
        const auto* bell = dynamic_cast<const cBell*>(LiveTarget());
        return !bell || bell->IsSwinging();
    }
    std::unique_ptr<cTrain> Next() override {
        return std::make_unique<cBellInfo>(level, LiveTarget());
    }
};

class cBandit : public cTrain {
  public:
    explicit cBandit(cLevelWidget& level) : cTrain(level, u"Train05Bandit", 3.0f, true, 36) {
        target = FindTrainTarget(kEnemyBandit, u"enemy_bandit");
        follow = 1;
    }
    std::unique_ptr<cTrain> Next() override { return std::make_unique<cRingBell>(level); }
};

}  // namespace
}  // namespace train05

std::unique_ptr<cTrain> MakeTrain05(std::u16string_view step, cLevelWidget& level) {
    using namespace train05;
    if (step == u"cBandit")
        return std::make_unique<cBandit>(level);
    if (step == u"cRingBell")
        return std::make_unique<cRingBell>(level);
    if (step == u"cBellInfo")
        return std::make_unique<cBellInfo>(level, nullptr);
    return nullptr;
}
