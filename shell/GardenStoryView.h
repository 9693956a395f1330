#pragma once
// The talks and the trader on the game's screen: the "talk" and "deal"
// windows, the flying goods between the HUD and the trader, and the current
// player's purse.
#include "level/story/StoryView.h"

class cGarden;

class cGardenStoryView : public cStoryView {
  public:
    explicit cGardenStoryView(cGarden& garden) : m_garden(garden) {}

    std::u16string Localize(const std::u16string& key) override;
    void ShowSpeakers(const std::u16string& left, const std::u16string& right) override;
    bool Say(const std::u16string& text, int slot, const std::u16string& speaker) override;
    void CloseTalk() override;
    void ShowDeal() override;
    bool IsDealShown() const override;
    void CloseDeal() override;
    void FlyGoods(const ResourceSet& goods, const std::u16string& fromWindow,
                  const std::u16string& fromControl, const std::u16string& toWindow,
                  const std::u16string& toControl) override;
    ResourceSet Stock() const override;
    bool Spend(const ResourceSet& cost) override;
    void Earn(const ResourceSet& goods) override;
    void PlaySound(int number) override;

  private:
    cGarden& m_garden;
};
