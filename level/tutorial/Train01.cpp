// The second level's chain: buy the harvest spell at the altar, then free
// the worker shut in behind the bars.
#include "level/LevelWidget.h"
#include "level/spells/SpellNumbers.h"
#include "level/tutorial/Train.h"
#include "level/tutorial/TrainChains.h"

namespace train01 {
namespace {

using namespace scene_type;

class cFreeWorker : public cTrain {
  public:
    explicit cFreeWorker(cLevelWidget& level)
        : cTrain(level, u"Train01FreeWorker", 0.6f, false, 33) {
        target = FindNamed(u"bar00");
    }
    bool IsDone() override { return TargetGone(); }
};

class cSpellFieldFast : public cTrain {
  public:
    explicit cSpellFieldFast(cLevelWidget& level)
        : cTrain(level, u"Train01SpellFieldFast", 1.0f, false, 33) {
        target = FindTrainTarget(kAltar, u"altar00");
    }
    bool IsDone() override { return level.IsSpellActive(kSpellFieldFast); }
    std::unique_ptr<cTrain> Next() override { return std::make_unique<cFreeWorker>(level); }
};

}  // namespace
}  // namespace train01

std::unique_ptr<cTrain> MakeTrain01(std::u16string_view step, cLevelWidget& level) {
    using namespace train01;
    if (step == u"cSpellFieldFast")
        return std::make_unique<cSpellFieldFast>(level);
    if (step == u"cFreeWorker")
        return std::make_unique<cFreeWorker>(level);
    return nullptr;
}
