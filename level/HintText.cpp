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

std::u16string SourceHint(const cObject& object, bool begun, const ResourceSet& price,
                          const ResourceSet& profit) {
    std::u16string text = HintLine(object, object.kind.c_str());
    if (begun || !price.IsZero())
        text += WorkLine(object, begun, price);
    if (!profit.IsZero())
        text += ProfitLine(object, profit);
    // The base form asks for another worker exactly when one may join.
    const std::u16string join = object.cObject::GetHintText();
    if (!join.empty())
        text += object.Services().Localize(u"AddWorker") + u"\n";
    return text;
}
