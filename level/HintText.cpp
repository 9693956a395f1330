#include "level/HintText.h"

#include "level/LevelWidget.h"
#include "scene/SceneServices.h"

std::u16string HintLine(const cObject& object, const char16_t* key) {
    return object.Services().Localize(key) + u"\n";
}

std::u16string PriceLine(const cObject& object, const ResourceSet& price) {
    const cLevelWidget* level = LevelOf(&object);
    const ResourceSet have = level ? level->Host().GetResources() : ResourceSet{};
    return object.Services().Localize(u"Price") + u": " + FormatResourcesCompared(price, have) +
           u"\n";
}

std::u16string WorkLine(const cObject& object, bool begun, const ResourceSet& price) {
    return begun ? HintLine(object, u"FinishWork") : PriceLine(object, price);
}

std::u16string ProfitLine(const cObject& object, const ResourceSet& profit) {
    return object.Services().Localize(u"Profit") + u": " + FormatResourcesColoured(profit) + u"\n";
}
