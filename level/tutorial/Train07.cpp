// The chain of the first level with the ice spell: what the spell does, then
// the mana well that pays for spells.
#include "level/LevelWidget.h"
#include "level/tutorial/Train.h"
#include "level/tutorial/TrainChains.h"

namespace train07 {
namespace {

using namespace scene_type;

class cManaWell : public cTrain {
  public:
    explicit cManaWell(cLevelWidget& level) : cTrain(level, u"Train07ManaWell", 0.6f, false, 12) {
        target = FindNamed(u"well00");
    }
    bool IsDone() override { return TargetGone() || target->jobMarkers != 0; }
};

class cSpellWaterFreeze : public cTrainNote {
  public:
    explicit cSpellWaterFreeze(cLevelWidget& level)
        : cTrainNote(level, u"Train07SpellWaterFreeze", 1.0f, 33,
                     ::FindTrainTarget(level, kAltar, u"altar00")) {}
    std::unique_ptr<cTrain> Next() override { return std::make_unique<cManaWell>(level); }
};

}  // namespace
}  // namespace train07

std::unique_ptr<cTrain> MakeTrain07(std::u16string_view step, cLevelWidget& level) {
    using namespace train07;
    if (step == u"cSpellWaterFreeze")
        return std::make_unique<cSpellWaterFreeze>(level);
    if (step == u"cManaWell")
        return std::make_unique<cManaWell>(level);
    return nullptr;
}
