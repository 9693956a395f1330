#pragma once
// The trader's offer as it runs, one fixed step (1/30 s) at a time: first the
// trader says what he wants, then the deal window counts down while the
// player gathers the goods. Once the whole price is in the stock the goods
// change hands in five stages: the price flies from the HUD to the trader
// and is paid, and after a pause the reward flies back and is given, with
// the trader's second line. A deal that runs out takes nothing.
#include <string>

#include "level/tables/DealOffer.h"

class cStoryView;
class cTalkRunner;

class cDealRunner {
  public:
    // Each stage of the exchange lasts this long.
    static constexpr float kStageSeconds = 1.3f;
    static constexpr float kTickSeconds = 0.033333335f;

    void Set(const ResourceSet& reward, const ResourceSet& cost, float seconds,
             std::u16string introKey, std::u16string secondKey);
    // One step. The trader waits to speak until no talk runs and no bubble
    // speaks, and the clock waits for him.
    void Update(cStoryView& view, cTalkRunner& talk);
    // The deal is off and its window goes.
    void Close(cStoryView& view);

    bool IsRunning() const { return offer.IsRunning(); }

    DealOffer offer;
};
