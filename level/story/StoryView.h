#pragma once
// What the talks and the trader need from the screen and from the player's
// purse. The game shows them in its "talk" and "deal" windows
// (shell/GardenStoryView); tests listen to them.
#include <string>

#include "engine/SpriteBatch.h"
#include "scene/ResourceSet.h"

class cStoryView {
  public:
    virtual ~cStoryView() = default;

    // The localized text of a key.
    virtual std::u16string Localize(const std::u16string& key) = 0;
    // The two faces of a talk: slot 0 on the left, slot 1 on the right.
    virtual void ShowSpeakers(const std::u16string& left, const std::u16string& right) = 0;
    // A line in the bubble of `slot`, said by `speaker`; the talk window shows.
    // False when there is no window to say it in: the line does not wait.
    virtual bool Say(const std::u16string& text, int slot, const std::u16string& speaker) = 0;
    // The talk window goes (when it is shown).
    virtual void CloseTalk() = 0;

    // The deal window: shown, asked whether it shows, and closed.
    virtual void ShowDeal() = 0;
    virtual bool IsDealShown() const = 0;
    virtual void CloseDeal() = 0;
    // An icon of the goods flies from a control of one window to a control of
    // another ("level"/"image_wood" to "deal"/"image_in").
    virtual void FlyGoods(const ResourceSet& goods, const std::u16string& fromWindow,
                          const std::u16string& fromControl, const std::u16string& toWindow,
                          const std::u16string& toControl) = 0;

    virtual ResourceSet Stock() const = 0;
    virtual bool Spend(const ResourceSet& cost) = 0;
    virtual void Earn(const ResourceSet& goods) = 0;
    virtual void PlaySound(int number) = 0;
};
