#pragma once
// The trade offer running in a level: the trader asks for goods (the cost)
// and gives others in return (the reward) if the player gathers them before
// the time runs out. The level's story opens it; the deal window shows it.
//
// The stages: -1 while the trader waits for the player, then 0 to 4 while the
// goods change hands.
#include <string>

#include "scene/ResourceSet.h"
#include "level/tables/SpriteName.h"

struct DealOffer {
    ResourceSet dealCost;    // what the player pays
    ResourceSet dealReward;  // what the player gets
    float dealTime = 0.0f;   // seconds left; 0 when no deal runs
    int dealStage = -1;      // -1 while waiting, 0 to 4 during the exchange
    float dealStageTime = 0.0f;
    std::u16string dealIntroKey;   // said by the trader when the deal opens
    std::u16string dealSecondKey;  // said by the trader once the goods changed hands

    // Opens a deal that waits for the player.
    void Set(const ResourceSet& reward, const ResourceSet& cost, float seconds,
             std::u16string introKey, std::u16string secondKey);
    void Close() { dealTime = 0.0f; }

    bool IsRunning() const { return dealTime > 0.0f; }
    bool IsWaiting() const { return IsRunning() && dealStage < 0; }

    // The stock covers every good the trader asks for (and he asks for one).
    bool IsCostCollected(const ResourceSet& stock) const;

    // The first resource, in resource order, the trader asks at least 1 of;
    // -1 when he asks for nothing.
    int AskedResource() const;
    // How much of it he asks; 0 when nothing.
    int AskedAmount() const;
    // Of the first resource whose stock falls short of the cost, by how much;
    // 0 when the stock covers everything.
    int MissingAmount(const ResourceSet& stock) const;
    // The amount of the reward that its icon shows.
    int OfferedAmount() const;

    // The time left as whole minutes and the seconds of the last minute.
    int RemainingMinutes() const;
    int RemainingSeconds() const;

    SpriteName CostIcon() const;
    SpriteName RewardIcon() const;
};
