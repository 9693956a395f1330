// The seventh level's chain: what the sawmill does, and how a house is
// raised a level.
#include "level/LevelWidget.h"
#include "level/sites/Build.h"
#include "level/tutorial/Train.h"
#include "level/tutorial/TrainChains.h"

namespace train03 {
namespace {

using namespace scene_type;

class cHouseUp : public cTrain {
  public:
    explicit cHouseUp(cLevelWidget& level) : cTrain(level, u"Train03HouseUp", 1.5f, true, 36) {}
    // Points at the first house not raised yet; nothing when both are.
    bool CanStart() override {
        cObject* first = FindNamed(u"house0");
        cObject* second = FindNamed(u"house1");
        if (Raised(first) && Raised(second))
            return false;
        target = Raised(first) ? second : first;
        return true;
    }

  private:
    // A missing house counts as one without a level.
    static bool Raised(const cObject* house) {
        const auto* build = dynamic_cast<const cBuild*>(house);
        return build && build->level > 0;
    }
};

class cSawmill : public cTrain {
  public:
    explicit cSawmill(cLevelWidget& level) : cTrain(level, u"Train03Sawmill", 1.0f, true, 33) {
        target = FindTrainTarget(kPlant, u"sawmill00");
    }
    std::unique_ptr<cTrain> Next() override { return std::make_unique<cHouseUp>(level); }
};

}  // namespace
}  // namespace train03

std::unique_ptr<cTrain> MakeTrain03(std::u16string_view step, cLevelWidget& level) {
    using namespace train03;
    if (step == u"cSawmill")
        return std::make_unique<cSawmill>(level);
    if (step == u"cHouseUp")
        return std::make_unique<cHouseUp>(level);
    return nullptr;
}
