// The goldmill's chain: one message on what the goldmill makes of gold.
#include "level/LevelWidget.h"
#include "level/tutorial/Train.h"
#include "level/tutorial/TrainChains.h"

std::unique_ptr<cTrain> MakeTrain06(std::u16string_view step, cLevelWidget& level) {
    if (step != u"cGoldmill")
        return nullptr;
    return std::make_unique<cTrainNote>(level, u"Train06Goldmill", 1.0f, 33,
                                        FindTrainTarget(level, scene_type::kPlant, u"goldmill00"));
}
