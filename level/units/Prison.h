#pragma once
// The prison where bandits lock up the workers they catch. A head over its
// roof for each captive; the hero opens it for a price (20 mana unless the
// level's story sets another), and every captive walks home. In a level's
// story it may also hold somebody else (a story text says who): opening it
// then sets off the story instead.
#include <string>

#include "scene/Object.h"
#include "engine/Ramp.h"
#include "scene/ResourceSet.h"

class cPrison : public cObject {
  public:
    using cObject::cObject;

    static constexpr uint32_t kType = scene_type::kPrison;
    uint32_t GetTypeId() const override { return kType; }

    // The first prison of a level is the one its bandits use.
    void SetKind(const std::u16string& kindName) override;
    // A prison that goes lets its captives out where they are.
    bool OnStateChange(int32_t from, int32_t to) override;
    void Tick() override;
    void Draw() override;
    int HitTest(qor::cVec2 point) const override;
    std::u16string GetHintText() const override;
    ResourceSet GetPrice() const override;
    // Captives, the hero: everybody finds a place at the prison.
    cObject* AssignMan(cObject* man) override;

    // The "!" over the roof, while there is somebody to free.
    virtual void ShowMarker(bool show);
    // The hero has opened it: the captives go home (or the story goes on).
    virtual void Open();

    // The story's own price; without one the prison costs kDefaultPrice.
    void SetPrice(const ResourceSet& cost) {
        price = cost;
        hasPrice = true;
    }

    static constexpr ResourceSet kDefaultPrice{0, 0, 0, 20};

    std::u16string storyText;  // who the story keeps here; empty for none
    ResourceSet price;
    bool hasPrice = false;
    qor::cRamp storyTimer{0.0f, 0.0f, 0.0f, 1.0f, 0.0f, 0.0f};
    int32_t captives = 0;       // workers held, as last counted
    cObject* marker = nullptr;  // not owned
    qor::cSpriteInfo head;

  private:
    void FreeCaptives(bool sendHome);
};
