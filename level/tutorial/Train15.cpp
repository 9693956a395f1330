// The chain of the first level with the spell of busy hands: one message at its altar.
#include "level/LevelWidget.h"
#include "level/tutorial/Train.h"
#include "level/tutorial/TrainChains.h"

std::unique_ptr<cTrain> MakeTrain15(std::u16string_view step, cLevelWidget& level) {
    if (step != u"cSpellWorkerFast")
        return nullptr;
    return std::make_unique<cTrainNote>(level, u"Train15SpellWorkerFast", 1.0f, 12,
                                        FindTrainTarget(level, scene_type::kAltar, u"altar00"));
}
