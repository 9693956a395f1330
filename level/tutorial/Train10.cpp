// The chain of the first level that sells the spell that freezes enemies: one message at its altar.
#include "level/LevelWidget.h"
#include "level/tutorial/Train.h"
#include "level/tutorial/TrainChains.h"

std::unique_ptr<cTrain> MakeTrain10(std::u16string_view step, cLevelWidget& level) {
    if (step != u"cSpellEnemyFreeze")
        return nullptr;
    return std::make_unique<cTrainNote>(level, u"Train10SpellEnemyFreeze", 1.0f, 33,
                                        FindTrainTarget(level, scene_type::kAltar, u"altar00"));
}
