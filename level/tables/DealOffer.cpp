#include "level/tables/DealOffer.h"

#include <algorithm>
#include <cstdint>
#include <utility>

#include "level/tables/ResourceTable.h"

namespace {

// Whole seconds left; a broken time counts as none.
int WholeSeconds(float seconds) {
    if (!(seconds > 0.0f))
        return 0;
    return seconds >= 2.0e9f ? 2000000000 : static_cast<int>(seconds);
}

}  // namespace

void DealOffer::Set(const ResourceSet& reward, const ResourceSet& cost, float seconds,
                    std::u16string introKey, std::u16string secondKey) {
    dealReward = reward;
    dealCost = cost;
    dealTime = seconds;
    dealStage = -1;
    dealStageTime = 0.0f;
    dealIntroKey = std::move(introKey);
    dealSecondKey = std::move(secondKey);
}

bool DealOffer::IsCostCollected(const ResourceSet& stock) const {
    // Every asked good must be there: the exchange spends the whole cost, and
    // a stock that held only part of it would go below zero.
    bool asks = false;
    for (int i = 0; i < kResourceCount; ++i) {
        if (dealCost[i] <= 0)
            continue;
        if (stock[i] < dealCost[i])
            return false;
        asks = true;
    }
    return asks;
}

int DealOffer::AskedResource() const {
    for (int i = 0; i < kResourceCount; ++i) {
        if (dealCost[i] >= 1)
            return i;
    }
    return -1;
}

int DealOffer::AskedAmount() const {
    const int index = AskedResource();
    return index < 0 ? 0 : dealCost[index];
}

int DealOffer::MissingAmount(const ResourceSet& stock) const {
    for (int i = 0; i < kResourceCount; ++i) {
        const int64_t missing = int64_t{dealCost[i]} - stock[i];
        if (missing >= 1)
            return static_cast<int>(std::min<int64_t>(missing, INT32_MAX));
    }
    return 0;
}

int DealOffer::OfferedAmount() const {
    const int index = GetResourceIconIndex(dealReward);
    return index < 0 ? 0 : dealReward[index];
}

int DealOffer::RemainingMinutes() const {
    return WholeSeconds(dealTime) / 60;
}

int DealOffer::RemainingSeconds() const {
    return WholeSeconds(dealTime) % 60;
}

SpriteName DealOffer::CostIcon() const {
    return GetResourceIcon(dealCost);
}

SpriteName DealOffer::RewardIcon() const {
    return GetResourceIcon(dealReward);
}
