#pragma once
// The talk and trade windows of the headless game: nothing is drawn, but a
// line is said as on screen, so it holds the level until a key or a press
// on its bubble moves it on, and the trader deals with the host's purse.
#include <string>

#include "level/LevelHost.h"
#include "level/story/StoryView.h"

namespace level_test {

class cSilentStoryView : public cStoryView {
  public:
    explicit cSilentStoryView(cLevelHost& host) : m_host(host) {}

    std::u16string Localize(const std::u16string& key) override { return u"<" + key + u">"; }
    void ShowSpeakers(const std::u16string&, const std::u16string&) override {}
    bool Say(const std::u16string&, int, const std::u16string&) override { return true; }
    void CloseTalk() override {}
    void ShowDeal() override { m_dealShown = true; }
    bool IsDealShown() const override { return m_dealShown; }
    void CloseDeal() override { m_dealShown = false; }
    void FlyGoods(const ResourceSet&, const std::u16string&, const std::u16string&,
                  const std::u16string&, const std::u16string&) override {}
    ResourceSet Stock() const override { return m_host.GetResources(); }
    bool Spend(const ResourceSet& cost) override { return m_host.Spend(cost); }
    void Earn(const ResourceSet& goods) override { m_host.Earn(goods); }
    void PlaySound(int number) override { m_host.PlaySound(number); }

  private:
    cLevelHost& m_host;
    bool m_dealShown = false;
};

}  // namespace level_test
