// The chain of the first level with a tower of the player's own: one message at its site.
#include "level/LevelWidget.h"
#include "level/tutorial/Train.h"
#include "level/tutorial/TrainChains.h"

std::unique_ptr<cTrain> MakeTrain09(std::u16string_view step, cLevelWidget& level) {
    if (step != u"cBuildTower")
        return nullptr;
    return std::make_unique<cTrainNote>(level, u"Train09BuildTower", 1.0f, 33,
                                        FindTrainTarget(level, scene_type::kTower, u"tower00"));
}
