#include "level/Plant.h"

#include "level/LevelWidget.h"
#include "scene/Node.h"
#include "scene/SoundNumbers.h"

void cPlant::SetKind(const std::u16string& kindName) {
    cBuild::SetKind(kindName);
    output = {};
    if (kind == u"sawmill00")
        output.wood = 40;
    else if (kind == u"mill00")
        output.food = 40;
    else if (kind == u"goldmill00")
        output.money = 40;
}

cObject* cPlant::AssignMan(cObject* man) {
    if (GetFreePlaces() == 0)
        return nullptr;
    if (state == kStateReady || state == kPlantProcessing || workPlaces.empty())
        return cObject::AssignMan(man);
    cNode* first = workPlaces.front();
    if (!first->IsFree())
        return nullptr;
    first->occupant = man;
    return first;
}

void cPlant::StartProcessing() {
    if (kind == u"sawmill00")
        PlayLevelSound(this, kSoundSawmill);
    else if (kind == u"mill00")
        PlayLevelSound(this, kSoundMill);
    else if (kind == u"goldmill00")
        PlayLevelSound(this, kSoundGoldmill);
}

void cPlant::FinishProcessing() {
    if (state != kPlantProcessing)
        return;
    if (cLevelWidget* level = LevelOf(this))
        level->CreditGoods(output, {x, y + 20.0f});
    if (GetAssignedMen().empty())
        SetState(kStateReady);
}
