// The chain of the level whose prison holds the princess: one message at the prison.
#include "level/LevelWidget.h"
#include "level/tutorial/Train.h"
#include "level/tutorial/TrainChains.h"

std::unique_ptr<cTrain> MakeTrain13(std::u16string_view step, cLevelWidget& level) {
    if (step != u"cSavePrincess")
        return nullptr;
    return std::make_unique<cTrainNote>(level, u"Train13SavePrincess", 1.0f, 33, level.prison);
}
