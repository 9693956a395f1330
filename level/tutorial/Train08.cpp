// The chain of the first level with the regrowth spell: one message at its altar.
#include "level/LevelWidget.h"
#include "level/tutorial/Train.h"
#include "level/tutorial/TrainChains.h"

std::unique_ptr<cTrain> MakeTrain08(std::u16string_view step, cLevelWidget& level) {
    if (step != u"cSpellTreeRestore")
        return nullptr;
    return std::make_unique<cTrainNote>(level, u"Train08SpellTreeRestore", 1.0f, 33,
                                        FindTrainNamed(level, u"altar00"));
}
