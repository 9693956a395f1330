#pragma once
// One load of wood, food, money or mana lying on the ground ("wood", "food",
// "money", "mana"). A worker picks it up at its first touch and carries the
// load home; the item is gone.
#include "scene/Object.h"
#include "scene/ResourceSet.h"

class cItem : public cObject {
  public:
    using cObject::cObject;

    static constexpr uint32_t kType = scene_type::kItem;
    uint32_t GetTypeId() const override { return kType; }

    void SetKind(const std::u16string& kindName) override;
    bool OnStateChange(int32_t from, int32_t to) override;
    qor::cVec2 GetHintAnchor() const override;
    int HitTest(qor::cVec2 point) const override;
    std::u16string GetHintText() const override;
    // Picked up at once: the job is over at the first touch.
    bool DoWork(float seconds) override;
    ResourceSet GetProfit() const override { return profit; }

    ResourceSet profit;
};
