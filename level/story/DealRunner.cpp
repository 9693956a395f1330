#include "level/story/DealRunner.h"

#include <utility>

#include "level/story/StoryView.h"
#include "level/story/TalkRunner.h"
#include "level/tables/ResourceTable.h"
#include "scene/SoundNumbers.h"

namespace {

// The HUD's control that shows a resource's stock: "image_wood" and so on.
std::u16string HudControl(const ResourceSet& goods) {
    const int index = GetResourceIconIndex(goods);
    return index < 0 ? std::u16string() : u"image_" + std::u16string(GetResourceName(index));
}

}  // namespace

void cDealRunner::Set(const ResourceSet& reward, const ResourceSet& cost, float seconds,
                      std::u16string introKey, std::u16string secondKey) {
    offer.Set(reward, cost, seconds, std::move(introKey), std::move(secondKey));
}

void cDealRunner::Close(cStoryView& view) {
    offer.Close();
    offer.dealStage = -1;
    if (view.IsDealShown())
        view.CloseDeal();
}

void cDealRunner::Update(cStoryView& view, cTalkRunner& talk) {
    if (!offer.IsRunning())
        return;
    if (offer.dealStage < 0) {
        if (!offer.dealIntroKey.empty()) {
            if (talk.IsRunning() || talk.IsSpeaking())
                return;
            talk.SayAsTrader(view.Localize(offer.dealIntroKey), view);
            offer.dealIntroKey.clear();
            return;
        }
        if (!view.IsDealShown())
            view.ShowDeal();
        offer.dealTime -= kTickSeconds;
        if (offer.dealTime <= 0.0f) {
            Close(view);
            offer.dealTime = 0.0f;
            view.PlaySound(kSoundBonusStop);
            return;
        }
        if (offer.IsCostCollected(view.Stock())) {
            offer.dealStage = 0;
            offer.dealStageTime = 0.0f;
            view.PlaySound(kSoundTaskDone);
        }
        return;
    }
    switch (offer.dealStage) {
        case 0:
            // Paid all at once or not at all: a stock that fell short since
            // the last step sends the trader back to waiting.
            if (!view.Spend(offer.dealCost)) {
                offer.dealStage = -1;
                return;
            }
            view.FlyGoods(offer.dealCost, u"level", HudControl(offer.dealCost), u"deal",
                          u"image_in");
            break;
        case 2:
            view.FlyGoods(offer.dealReward, u"deal", u"image_out", u"level",
                          HudControl(offer.dealReward));
            break;
        case 1:
        case 3:
            offer.dealStageTime += kTickSeconds;
            if (offer.dealStageTime < kStageSeconds)
                return;
            break;
        default: {
            view.Earn(offer.dealReward);
            const std::u16string second = std::move(offer.dealSecondKey);
            Close(view);
            if (!second.empty())
                talk.SayAsTrader(view.Localize(second), view);
            return;
        }
    }
    ++offer.dealStage;
    offer.dealStageTime = 0.0f;
}
